#pragma once

#include "core/BerechnungsParameter.h"
#include "core/Glas.h"
#include "core/Published.h"
#include "core/Quadrupel.h"
#include "core/Rahmen.h"

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>
#include <QString>

namespace vitrano {

// One field of the grid.
class TElement {
public:
    static constexpr std::string_view ClassName = "TElement";

    bool Sonderbauteil = false; // holds an inserted window whose Uw is the infill U-value
    QString SonderOeffnung;     // opening symbol of an inserted window: l, r, o, lo, ro or empty
    QString Bildname;           // picture file, relative to the program folder
    bool Checked = false;       // selected in the editor
    bool Visible = false;
    bool Panele = false;         // the infill is an opaque panel
    TBoolQuadrupel Lage;         // position flags of old files; stored and copied only
    double FlaecheElement = 0.0; // m² (result)
    TRahmen Rahmen;
    TRahmen Sonderrahmen; // frame of an inserted window
    TGlas Fuellung;
    TGlas SonderFuellung;               // glass of an inserted window
    double FlaecheFuellung = 0.0;       // m² (result)
    double FlaecheSonderFuellung = 0.0; // stored and copied only
    double Uwert = 0.0;                 // W/(m²K) (result)
    bool ManuellZeichnen = false;       // picture marks
    bool ZeileZeichnen = false;
    bool SpalteZeichnen = false;
    bool ElementZeichnen = false;
    bool FensterAlleRahmenGleich = false;
    bool GlasManuell = false;
    int Sprossenaufteilung = 0; // glazing-bar division, 0 = none
    int Sprossentyp = 0;        // glazing-bar type; 3 = glass-dividing
    double SprossenPSI = 0.0;
    double SprossenLaenge = 0.0; // m (result)

    // Position in the grid (0-based), set when the record builds its grid index.
    int FZeile = 0;
    int FSpalte = 0;
    // Rectangle within the whole in metres from the top-left corner.
    TRealQuadrupel FKoord;
    // Pictures, derived from the values above and drawn on demand: the
    // element's own picture and its cell of the whole picture for the editor.
    QImage FBild;
    QImage FBildEditor;
    // Pixel position of the element picture within the whole picture.
    QPoint FTopLeft;

    TElement() = default;
    TElement(const TElement& source) { Assign(source); }
    TElement& operator=(const TElement& source) {
        Assign(source);
        return *this;
    }
    TElement(TElement&&) noexcept = default;
    TElement& operator=(TElement&&) noexcept = default;
    ~TElement() = default;

    // Copies the saved values and the grid position; the calculation
    // parameters, pictures and the rectangle stay.
    void Assign(const TElement& source);

    double Breite() const { return FBreite; }
    double Hoehe() const { return FHoehe; }
    // Width and height also set the matching outer lengths of the frame.
    void SetBreite(double breite);
    void SetHoehe(double hoehe);

    void SetParameter(const TBerechnungsParameter& parameter);
    const TBerechnungsParameter& Parameter() const { return FParameter; }

    // Areas, glazing-bar length and U-value of the element.
    void Rechne();
    // Draws FBild for the given window type or facade method: the infill in
    // the colour of its mark, glazing bars, frame bands and, for an inserted
    // window, its opening symbol.
    void BildGenerieren(int fenstertyp);
    // Width and height of the picture BildGenerieren draws (not bounded).
    QSize BildGroesse(int fenstertyp) const;
    // Psi term: glass edges plus glazing bars, W/K.
    double GetGesamtPSI() const;
    double Glaskantenlaenge() const;

    static constexpr auto Published() {
        using E = TElement;
        return std::make_tuple(
            Publish("Sonderbauteil", &E::Sonderbauteil),
            Publish("SonderOeffnung", &E::SonderOeffnung), Publish("Bildname", &E::Bildname),
            Publish("Checked", &E::Checked), Publish("Visible", &E::Visible),
            Publish("Panele", &E::Panele), Publish("Lage", &E::Lage),
            Publish("Breite", &E::FBreite, 0.0, &E::SetBreite),
            Publish("Hoehe", &E::FHoehe, 0.0, &E::SetHoehe),
            Publish("FlaecheElement", &E::FlaecheElement), Publish("Rahmen", &E::Rahmen),
            Publish("Sonderrahmen", &E::Sonderrahmen), Publish("Fuellung", &E::Fuellung),
            Publish("SonderFuellung", &E::SonderFuellung),
            Publish("FlaecheFuellung", &E::FlaecheFuellung),
            Publish("FlaecheSonderFuellung", &E::FlaecheSonderFuellung),
            Publish("Uwert", &E::Uwert), Publish("ManuellZeichnen", &E::ManuellZeichnen),
            Publish("ZeileZeichnen", &E::ZeileZeichnen),
            Publish("SpalteZeichnen", &E::SpalteZeichnen),
            Publish("ElementZeichnen", &E::ElementZeichnen),
            Publish("FensterAlleRahmenGleich", &E::FensterAlleRahmenGleich),
            Publish("GlasManuell", &E::GlasManuell),
            Publish("Sprossenaufteilung", &E::Sprossenaufteilung),
            Publish("Sprossentyp", &E::Sprossentyp), Publish("SprossenPSI", &E::SprossenPSI),
            Publish("SprossenLaenge", &E::SprossenLaenge));
    }

private:
    double FBreite = 0.0; // m
    double FHoehe = 0.0;  // m
    TBerechnungsParameter FParameter;

    double SprossenLaengeBerechnen() const;
    QRgb Fuellfarbe() const;
    void SprossenZeichnen();
    void RahmenZeichnen(int fenstertyp, QRgb rahmenfarbe);
    void OeffnungZeichnen(QRgb rahmenfarbe);
};

} // namespace vitrano
