#include "core/Element.h"

#include "core/CoreErrors.h"
#include "core/FiniteCheck.h"

namespace vitrano {

namespace {
// Areas at or below this count as zero in every division.
constexpr double AreaThreshold = 1e-4;
constexpr int GlassDividingBars = 3;
} // namespace

void TElement::Assign(const TElement& source) {
    Sonderbauteil = source.Sonderbauteil;
    SonderOeffnung = source.SonderOeffnung;
    Bildname = source.Bildname;
    Checked = source.Checked;
    Visible = source.Visible;
    Panele = source.Panele;
    Lage.Assign(source.Lage);
    FBreite = source.FBreite;
    FHoehe = source.FHoehe;
    FlaecheElement = source.FlaecheElement;
    Rahmen.Assign(source.Rahmen);
    Sonderrahmen.Assign(source.Sonderrahmen);
    Fuellung.Assign(source.Fuellung);
    SonderFuellung.Assign(source.SonderFuellung);
    FlaecheFuellung = source.FlaecheFuellung;
    FlaecheSonderFuellung = source.FlaecheSonderFuellung;
    Uwert = source.Uwert;
    ManuellZeichnen = source.ManuellZeichnen;
    ZeileZeichnen = source.ZeileZeichnen;
    SpalteZeichnen = source.SpalteZeichnen;
    ElementZeichnen = source.ElementZeichnen;
    FensterAlleRahmenGleich = source.FensterAlleRahmenGleich;
    GlasManuell = source.GlasManuell;
    Sprossenaufteilung = source.Sprossenaufteilung;
    Sprossentyp = source.Sprossentyp;
    SprossenPSI = source.SprossenPSI;
    SprossenLaenge = source.SprossenLaenge;
    FZeile = source.FZeile;
    FSpalte = source.FSpalte;
}

void TElement::SetBreite(double breite) {
    FBreite = breite;
    Rahmen.LaengeAussen.Oben = breite;
    Rahmen.LaengeAussen.Unten = breite;
}

void TElement::SetHoehe(double hoehe) {
    FHoehe = hoehe;
    Rahmen.LaengeAussen.Links = hoehe;
    Rahmen.LaengeAussen.Rechts = hoehe;
}

void TElement::SetParameter(const TBerechnungsParameter& parameter) {
    FParameter = parameter;
    Rahmen.SetParameter(parameter);
    Sonderrahmen.SetParameter(parameter);
    Fuellung.SetParameter(parameter);
    SonderFuellung.SetParameter(parameter);
}

double TElement::SprossenLaengeBerechnen() const {
    const double w = Rahmen.LaengeInnen.Oben;
    const double h = Rahmen.LaengeInnen.Links;
    double laenge = 0.0;
    switch (Sprossenaufteilung) {
    case 1:
        laenge = w;
        break;
    case 2:
        laenge = 2 * w;
        break;
    case 3:
        laenge = w + h;
        break;
    case 4:
        laenge = 2 * w + h;
        break;
    case 5:
        laenge = 3 * w + h;
        break;
    default:
        break;
    }
    // Glass-dividing bars have a glass edge on both faces.
    if (Sprossentyp == GlassDividingBars) {
        laenge = 2 * laenge;
    }
    return Finite(laenge);
}

double TElement::GetGesamtPSI() const {
    const TRahmen& r = Rahmen;
    return Finite(r.PSIInnen.Oben * r.LaengeInnen.Oben + r.PSIInnen.Unten * r.LaengeInnen.Unten +
                  r.PSIInnen.Links * r.LaengeInnen.Links +
                  r.PSIInnen.Rechts * r.LaengeInnen.Rechts + SprossenPSI * SprossenLaenge);
}

double TElement::Glaskantenlaenge() const {
    return Rahmen.GetGlasrandlaenge();
}

void TElement::Rechne() {
    double psiTerm = 0.0;
    try {
        Rahmen.Rechne();
        FlaecheElement = Finite(Rahmen.LaengeAussen.Oben * Rahmen.LaengeAussen.Links);
        FlaecheFuellung = Finite(FlaecheElement - Rahmen.FGesamtRahmenflaeche);
        SprossenLaenge = SprossenLaengeBerechnen();
        psiTerm = GetGesamtPSI();
        if (Rahmen.FGesamtRahmenflaeche > AreaThreshold) {
            Rahmen.RechneUwert();
        } else {
            Rahmen.FUWert = 0.0;
        }
    } catch (const ECalcError&) {
        return; // the previous U-value stays
    }
    if (FlaecheElement > AreaThreshold) {
        Uwert = Finite((Rahmen.FGesamtRahmenflaeche * Rahmen.FUWert +
                        FlaecheFuellung * Fuellung.UWert + psiTerm) /
                       FlaecheElement);
    } else {
        Uwert = 0.0;
    }
}

} // namespace vitrano
