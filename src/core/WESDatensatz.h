#pragma once

#include "core/FassadenSatz.h"
#include "core/Published.h"

#include <QString>

namespace vitrano {

// The energy-saving comparison of two windows over one heating period.
class TWESDatensatz {
public:
    static constexpr std::string_view ClassName = "TWESDatensatz";

    int DauerHeizperiode = 250;               // days
    double MittlereAussentemperatur = 4.0;    // °C
    double MittlereRaumlufttemperatur = 24.0; // °C
    double HeizwertLeichtesHeizoel = 10.5;    // kWh per litre
    QString Waehrung = QStringLiteral("EUR");
    double KostenProLiterHeizoel = 0.65;
    double Wirkungsgrad = 75.0; // per cent
    TFassadenSatz Fenster1;
    bool UWertManuell1 = false;
    double UWert1 = 0.0;
    bool FlaecheManuell1 = false;
    double FLaeche1 = 0.0;
    int AnzahlFenster1 = 1;
    TFassadenSatz Fenster2;
    bool UWertManuell2 = false;
    double UWert2 = 0.0;
    bool FlaecheManuell2 = false;
    double FLaeche2 = 0.0;
    int AnzahlFenster2 = 1;

    // Results of Rechne, never saved.
    double FDiffernzWaermeverluste = 0.0; // W/K
    double FDifferenzWaermebedarf = 0.0;  // kWh per heating period
    double FDifferenzHeizoelBedarf = 0.0; // litres
    double FDiffernzHeizoelKosten = 0.0;  // in Waehrung
    double FDifferenzCO2 = 0.0;           // kg

    void Assign(const TWESDatensatz& source) { *this = source; }

    // Computes the five differences; a failing step (for example an
    // efficiency of 0) ends the calculation and keeps what was computed.
    void Rechne();

    static constexpr auto Published() {
        using W = TWESDatensatz;
        return std::make_tuple(
            Publish("DauerHeizperiode", &W::DauerHeizperiode, 250),
            Publish("MittlereAussentemperatur", &W::MittlereAussentemperatur, 4.0),
            Publish("MittlereRaumlufttemperatur", &W::MittlereRaumlufttemperatur, 24.0),
            Publish("HeizwertLeichtesHeizoel", &W::HeizwertLeichtesHeizoel, 10.5),
            Publish("Waehrung", &W::Waehrung, "EUR"),
            Publish("KostenProLiterHeizoel", &W::KostenProLiterHeizoel, 0.65),
            Publish("Wirkungsgrad", &W::Wirkungsgrad, 75.0), Publish("Fenster1", &W::Fenster1),
            Publish("UWertManuell1", &W::UWertManuell1), Publish("UWert1", &W::UWert1),
            Publish("FlaecheManuell1", &W::FlaecheManuell1), Publish("FLaeche1", &W::FLaeche1),
            Publish("AnzahlFenster1", &W::AnzahlFenster1, 1), Publish("Fenster2", &W::Fenster2),
            Publish("UWertManuell2", &W::UWertManuell2), Publish("UWert2", &W::UWert2),
            Publish("FlaecheManuell2", &W::FlaecheManuell2), Publish("FLaeche2", &W::FLaeche2),
            Publish("AnzahlFenster2", &W::AnzahlFenster2, 1));
    }
};

} // namespace vitrano
