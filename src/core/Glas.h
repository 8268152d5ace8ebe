#pragma once

#include "core/BerechnungsParameter.h"
#include "core/Published.h"

#include <QString>

namespace vitrano {

// The infill of an element: glass or opaque panel.
class TGlas {
public:
    static constexpr std::string_view ClassName = "TGlas";

    int Material = 0;    // row of the glass list, 0 = none
    QString Bezeichnung; // "(man)" in the name marks a manually entered infill
    double UWert = 0.0;  // Ug, or Up of a panel
    int Farbe = 0;       // stored and copied only
    double GWert = 0.0;  // total solar energy transmittance, per cent

    TGlas() = default;
    TGlas(const TGlas& source) { Assign(source); }
    TGlas& operator=(const TGlas& source) {
        Assign(source);
        return *this;
    }
    TGlas(TGlas&&) noexcept = default;
    TGlas& operator=(TGlas&&) noexcept = default;
    ~TGlas() = default;

    // Copies the published values; the calculation parameters stay.
    void Assign(const TGlas& source);

    void SetBezeichnung(const QString& bezeichnung) { Bezeichnung = bezeichnung; }
    void SetUWert(double uWert) { UWert = uWert; }

    void SetParameter(const TBerechnungsParameter& parameter) { FParameter = parameter; }
    const TBerechnungsParameter& Parameter() const { return FParameter; }

    static constexpr auto Published() {
        return std::make_tuple(Publish("Material", &TGlas::Material),
                               Publish("Bezeichnung", &TGlas::Bezeichnung),
                               Publish("UWert", &TGlas::UWert), Publish("Farbe", &TGlas::Farbe),
                               Publish("GWert", &TGlas::GWert));
    }

private:
    TBerechnungsParameter FParameter;
};

} // namespace vitrano
