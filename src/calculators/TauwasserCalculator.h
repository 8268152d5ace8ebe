#pragma once

#include "core/FassadenSatz.h"
#include "refdata/Satzdaten.h"

#include <QChar>
#include <QString>
#include <cstdint>

namespace vitrano {

// Lowest inside surface temperature at the glass edge, °C.
double Oberflaechentemperatur(double innen, double aussen, double fRsi);
// Dew point of room air at the given temperature (°C) and relative humidity (per cent).
double Taupunkt(double innen, double relativeFeuchte);
// Water condenses unless the surface is strictly warmer than the dew point.
bool FaelltTauwasser(double oberflaechentemperatur, double taupunkt);

// What the condensation form shows of the last result.
struct TTauwasserAnzeige {
    QString Position;                      // lElement, e.g. "Zeile 2, Spalte 3: Pfosten links"
    bool PositionSichtbar = false;         // facades show the position,
    bool FensterKorrekturSichtbar = false; // windows the note "(4 + 4 mm)" before Lglas
    QString Lrahmen;                       // frame designation of the critical side
    QString Lglas;                         // infill designation and Ug
    QString Labstandhalter;                // spacer name
    double Tsi = 0.0;                      // °C
    double Taupunkt = 0.0;                 // °C
    QString LTsi;                          // "0.0"
    QString LTtaupunkt;                    // "0.0"
    bool Tauwasser = false;
    QString Ltauwasser;          // "Kein Tauwasser" or "Tauwasserausfall"
    std::uint32_t TextFarbe = 0; // 0xRRGGBB: green 008000 or red FF0000
    QString Bild;                // file in the picture folder
};

// The condensation check at the critical glass edge: over the whole window or facade, or over
// the selected element, the frame side whose glass edge has the smallest fRsi in the psi
// tables, its lowest surface temperature, and the dew point of the room air. The form shows
// the inputs and Anzeige() and calls Rechne() after every change of an input.
class TTauwasserCalculator {
public:
    static constexpr int EinnentempMin = 5;
    static constexpr int EinnentempMax = 40;
    static constexpr int EinnentempStart = 20;
    static constexpr int AussentempMin = -30;
    static constexpr int AussentempMax = 30;
    static constexpr int AussentempStart = -5;
    static constexpr int RelFeuchteMin = 10;
    static constexpr int RelFeuchteMax = 90;
    static constexpr int RelFeuchteStart = 50;

    // Side numbers of the critical edge.
    static constexpr int SeiteKeine = 0;
    static constexpr int SeiteOben = 1;
    static constexpr int SeiteUnten = 2;
    static constexpr int SeiteLinks = 3;
    static constexpr int SeiteRechts = 4;

    // The tables must outlive the calculator.
    explicit TTauwasserCalculator(const t_satzdaten& tabellen = Satzdaten());

    // The record examined, not owned; no calculation.
    void SetDatensatz(TFassadenSatz* value) { FDatensatz = value; }
    TFassadenSatz* Datensatz() const { return FDatensatz; }

    // Whole degrees and per cent, held within their ranges.
    int Einnentemp() const { return FEinnentemp; }
    int Aussentemp() const { return FAussentemp; }
    int RelFeuchte() const { return FRelFeuchte; }
    void SetEinnentemp(int value);
    void SetAussentemp(int value);
    void SetRelFeuchte(int value);
    // The start values, as for a new project.
    void EingabenZuruecksetzen();

    // Separator of the shown numbers; the user's locale by default.
    void SetDezimaltrenner(QChar value) { FDezimaltrenner = value; }

    // Searches the element at the given 1-based row and column, or every element when one of
    // them is 0 or less. Returns the row, column and side (1 top, 2 bottom, 3 left, 4 right)
    // of the edge with the smallest fRsi above 0, the first one of equal values in the order
    // rows from the top, columns from the left, sides top, bottom, left, right; all 0 when no
    // edge has one. Manual infills and manual frame sides ("(man)") are never critical.
    void KritischenGlasrandSuchen(int& zeile, int& spalte, int& seite);

    // Searches the selected element, or every element without a selection, and refreshes the
    // display. Without a critical edge m_fRsi becomes 0, the display keeps the previous
    // result and false is returned.
    bool Rechne();

    const TTauwasserAnzeige& Anzeige() const { return FAnzeige; }

    // Of the last calculation: fRsi of the critical edge (0 when none, so a value above 0 means
    // a result exists) and the 1-based row and column of its element (0 when none).
    double m_fRsi = 0.0;
    int m_i = 0;
    int m_j = 0;

private:
    const t_satzdaten& FTabellen;
    TFassadenSatz* FDatensatz = nullptr;
    int FEinnentemp = EinnentempStart;
    int FAussentemp = AussentempStart;
    int FRelFeuchte = RelFeuchteStart;
    QChar FDezimaltrenner;
    TTauwasserAnzeige FAnzeige;

    double FRsiDerSeite(const TElement& element, TSeite seite) const;
    bool AuswahlSetzen();
    void AnzeigeSetzen(const TElement& element, int seite);
    QString PositionsText(int seite) const;
};

} // namespace vitrano
