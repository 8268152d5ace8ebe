#pragma once

#include "core/BerechnungsParameter.h"
#include "core/Elemente.h"
#include "core/Objektdaten.h"
#include "core/Published.h"
#include "core/WERWindowSystem.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace vitrano {

// The project record: one window or one curtain-wall facade as a grid of
// AnzahlVertikal rows by AnzahlHorizontal columns of elements.
class TFassadenSatz {
public:
    static constexpr std::string_view ClassName = "TFassadenSatz";

    bool Fassade = false;
    bool RahmenManuell = false;
    int AnzahlRahmen = 0;      // filled by the import of old files only
    double Gesamtbreite = 0.0; // m
    double Gesamthoehe = 0.0;  // m
    int AnzahlHorizontal = 0;  // columns
    int AnzahlVertikal = 0;    // rows
    TObjektdaten Objektdaten;
    TElemente Elemente;
    int StandardMaterial = 0;         // glass-list row of the standard infill
    double VerschraubungDeltaU = 0.0; // surcharge for profile screw fixing, W/(m²K)
    QString DruckRahmen;
    QString DruckGlas;
    QString DruckAbstand;
    QString DruckPaneel;
    QString DruckBild;
    double ErgebnisFlaecheGesamt = 0.0;
    double ErgebnisFlaecheRahmen = 0.0;
    double ErgebnisFlaecheGlase = 0.0;
    double ErgebnisUwertGesamt = 0.0;
    double ErgebnisUGlas = 0.0;
    double ErgebnisURahmen = 0.0;
    double ErgebnisProzentRahmen = 0.0;
    double ErgebnisGlasrandlaenge = 0.0;
    double ErgebnisSprossenlaenge = 0.0;
    int Fenstertyp = 0; // window type 1..9, facade method 100, 200, 300
    double FensterPsiBasis = 0.0;
    double FensterPsiKorrektur = 0.0;
    double FensterGlasdickeAussen = 0.0;
    double FensterGlasdickeInnen = 0.0;
    QString WindowEnergyType; // "wer" for an energy-rating window
    double Airleakage = 0.1;
    double OpeningLightLength = 4.19;
    double UValueHotBox = 0.0;
    bool HotBox = false;
    QString HotBoxProduct;
    TWERWindowSystem WindowSystem;

    QString FName; // not used

    TFassadenSatz() = default;
    TFassadenSatz(const TFassadenSatz& source);
    TFassadenSatz& operator=(const TFassadenSatz& source);
    TFassadenSatz(TFassadenSatz&&) noexcept = default;
    TFassadenSatz& operator=(TFassadenSatz&&) noexcept = default;
    ~TFassadenSatz() = default;

    // Deep copy of the saved state; the grid index is rebuilt on first access.
    void Assign(const TFassadenSatz& source);

    bool IsEnergyRating() const;

    // Calculation.
    void Rechne();
    void RechneGesamtflaeche();
    void RechneGesamtBreite();
    void RechneGesamtHoehe();
    double Dichtungsflaeche() const;
    double GlasFlaecheOhneDichtung() const;
    const TBerechnungsParameter& Parameter() const { return FParameter; }

    // Grid geometry.
    void SetFenstertyp(int fenstertyp);
    void SetFassadenTyp(int fassadenTyp, int pfosten, int riegel, double breite, double hoehe);
    void SetzeFensterlaengen(double a, double b, double c, int neuerTyp);
    // Element at a 1-based row and column; none outside the grid or where the
    // record holds fewer elements than its grid.
    TElement* GetElement(int zeile, int spalte);
    // Element at a point given in centimetres from the top-left corner, or none.
    TElement* GetElementZu(double posX, double posY);
    void ElementArrayAufbauen();

    // Pictures (2 pixels per centimetre).
    // Draws every element picture for the given window type or facade method
    // and places it: FTopLeft is the sum of the picture widths to its left
    // in its row and of the picture heights above it in its column. A record
    // whose pictures together would exceed the bounds of one picture
    // (core/PictureDrawing.h) gets none.
    void ElementBilderErzeugen(int fenstertyp);
    // The whole window or facade: as wide as the pictures of row 1, as high as
    // those of column 1, every element picture at its FTopLeft. Element
    // pictures not drawn yet (a new or copied record) are drawn first. A null
    // picture on error.
    QImage GeneriereGesamtBild();
    // Cuts the whole picture into equal cells, one per element, for the
    // editor's grid of equal cells (FBildEditor).
    void EditorBilderSchneiden();
    // Element pictures for the record's Fenstertyp, then the editor cells.
    void BilderErzeugen();

    static constexpr auto Published() {
        using S = TFassadenSatz;
        return std::make_tuple(
            Publish("Fassade", &S::Fassade), Publish("RahmenManuell", &S::RahmenManuell),
            Publish("AnzahlRahmen", &S::AnzahlRahmen), Publish("Gesamtbreite", &S::Gesamtbreite),
            Publish("Gesamthoehe", &S::Gesamthoehe),
            Publish("AnzahlHorizontal", &S::AnzahlHorizontal),
            Publish("AnzahlVertikal", &S::AnzahlVertikal), Publish("Objektdaten", &S::Objektdaten),
            Publish("Elemente", &S::Elemente), Publish("StandardMaterial", &S::StandardMaterial),
            Publish("VerschraubungDeltaU", &S::VerschraubungDeltaU),
            Publish("DruckRahmen", &S::DruckRahmen), Publish("DruckGlas", &S::DruckGlas),
            Publish("DruckAbstand", &S::DruckAbstand), Publish("DruckPaneel", &S::DruckPaneel),
            Publish("DruckBild", &S::DruckBild),
            Publish("ErgebnisFlaecheGesamt", &S::ErgebnisFlaecheGesamt),
            Publish("ErgebnisFlaecheRahmen", &S::ErgebnisFlaecheRahmen),
            Publish("ErgebnisFlaecheGlase", &S::ErgebnisFlaecheGlase),
            Publish("ErgebnisUwertGesamt", &S::ErgebnisUwertGesamt),
            Publish("ErgebnisUGlas", &S::ErgebnisUGlas),
            Publish("ErgebnisURahmen", &S::ErgebnisURahmen),
            Publish("ErgebnisProzentRahmen", &S::ErgebnisProzentRahmen),
            Publish("ErgebnisGlasrandlaenge", &S::ErgebnisGlasrandlaenge),
            Publish("ErgebnisSprossenlaenge", &S::ErgebnisSprossenlaenge),
            Publish("Fenstertyp", &S::Fenstertyp), Publish("FensterPsiBasis", &S::FensterPsiBasis),
            Publish("FensterPsiKorrektur", &S::FensterPsiKorrektur),
            Publish("FensterGlasdickeAussen", &S::FensterGlasdickeAussen),
            Publish("FensterGlasdickeInnen", &S::FensterGlasdickeInnen),
            Publish("WindowEnergyType", &S::WindowEnergyType),
            Publish("Airleakage", &S::Airleakage, 0.1),
            Publish("OpeningLightLength", &S::OpeningLightLength, 4.19),
            Publish("UValueHotBox", &S::UValueHotBox), Publish("HotBox", &S::HotBox),
            Publish("HotBoxProduct", &S::HotBoxProduct), Publish("WindowSystem", &S::WindowSystem));
    }

private:
    TBerechnungsParameter FParameter;

    // Grid index: the elements placed row by row, flattened. Valid for the
    // collection state and grid size it was built for.
    std::vector<TElement*> FElementArray;
    bool FElementArrayGebaut = false;
    std::uint64_t FElementArrayVersion = 0;
    int FElementArrayZeilen = 0;
    int FElementArraySpalten = 0;

    bool ElementArrayAktuell() const;
    bool ElementBilderFehlen();
    void ElementBilderLoeschen();
    bool ElementBilderPassen(int fenstertyp);
    void ElementArrayLeeren();
};

} // namespace vitrano
