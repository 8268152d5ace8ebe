#pragma once

#include "core/BerechnungsParameter.h"
#include "core/Published.h"
#include "core/Quadrupel.h"

namespace vitrano {

// The frame of one element, four sides.
class TRahmen {
public:
    static constexpr std::string_view ClassName = "TRahmen";

    TIntQuadrupel Material;            // per side: row of the frame table
    TStringQuadrupel Bezeichnung;      // per side: profile name, "(man)" marks manual entry
    int Abstandshalter = 0;            // row of the spacer table, all four glass edges
    TRealQuadrupel Rahmenbreite;       // visible face width, m
    TRealQuadrupel UWerte;             // Uf, W/(m²K)
    TRealQuadrupel PSIInnen;           // psi of the glass edge, W/(mK)
    TRealQuadrupel PSIAussen;          // stored and copied only
    TRealQuadrupel LaengeInnen;        // glass-edge length, m
    TRealQuadrupel LaengeAussen;       // outer length, m
    TRealQuadrupel FLaeche;            // frame area, m² (result)
    TRealQuadrupel DichtungsUberstand; // gasket protrusion over the glass, mm
    TRealQuadrupel FLaecheDichtung;    // gasket-covered glass area, m² (result)

    // Results of the calculation, not saved.
    double FUWert = 0.0;                  // area-weighted Uf incl. screw-fixing surcharge
    double FGesamtRahmenflaeche = 0.0;    // total frame area, m²
    double FGesamtDichtungsFlaeche = 0.0; // total gasket-covered area, m²

    TRahmen() = default;
    TRahmen(const TRahmen& source) { Assign(source); }
    TRahmen& operator=(const TRahmen& source) {
        Assign(source);
        return *this;
    }
    TRahmen(TRahmen&&) noexcept = default;
    TRahmen& operator=(TRahmen&&) noexcept = default;
    ~TRahmen() = default;

    // Copies every published member, FUWert and the calculation parameters;
    // the total areas are left to the next calculation.
    void Assign(const TRahmen& source);

    void SetParameter(const TBerechnungsParameter& parameter) { FParameter = parameter; }
    const TBerechnungsParameter& Parameter() const { return FParameter; }

    // Inner lengths from the outer lengths and the frame widths.
    void InnenlaengenBerechnen();
    // Frame and gasket areas.
    void Rechne();
    // Area-weighted frame U-value; callers make sure the frame area is not zero.
    void RechneUwert();
    double GetGlasrandlaenge() const;

    static constexpr auto Published() {
        return std::make_tuple(
            Publish("Material", &TRahmen::Material), Publish("Bezeichnung", &TRahmen::Bezeichnung),
            Publish("Abstandshalter", &TRahmen::Abstandshalter),
            Publish("Rahmenbreite", &TRahmen::Rahmenbreite), Publish("UWerte", &TRahmen::UWerte),
            Publish("PSIInnen", &TRahmen::PSIInnen), Publish("PSIAussen", &TRahmen::PSIAussen),
            Publish("LaengeInnen", &TRahmen::LaengeInnen),
            Publish("LaengeAussen", &TRahmen::LaengeAussen), Publish("FLaeche", &TRahmen::FLaeche),
            Publish("DichtungsUberstand", &TRahmen::DichtungsUberstand),
            Publish("FLaecheDichtung", &TRahmen::FLaecheDichtung));
    }

private:
    TBerechnungsParameter FParameter;
};

} // namespace vitrano
