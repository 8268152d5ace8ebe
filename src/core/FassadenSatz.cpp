#include "core/FassadenSatz.h"

#include "core/CoreErrors.h"
#include "core/FiniteCheck.h"

namespace vitrano {

TFassadenSatz::TFassadenSatz(const TFassadenSatz& source) {
    Assign(source);
}

TFassadenSatz& TFassadenSatz::operator=(const TFassadenSatz& source) {
    Assign(source);
    return *this;
}

void TFassadenSatz::Assign(const TFassadenSatz& source) {
    if (&source == this) {
        return;
    }
    Fassade = source.Fassade;
    RahmenManuell = source.RahmenManuell;
    AnzahlRahmen = source.AnzahlRahmen;
    Gesamtbreite = source.Gesamtbreite;
    Gesamthoehe = source.Gesamthoehe;
    AnzahlHorizontal = source.AnzahlHorizontal;
    AnzahlVertikal = source.AnzahlVertikal;
    Objektdaten.Assign(source.Objektdaten);
    Elemente.Assign(source.Elemente);
    FParameter = source.Elemente.Parameter();
    StandardMaterial = source.StandardMaterial;
    VerschraubungDeltaU = source.VerschraubungDeltaU;
    DruckRahmen = source.DruckRahmen;
    DruckGlas = source.DruckGlas;
    DruckAbstand = source.DruckAbstand;
    DruckPaneel = source.DruckPaneel;
    DruckBild = source.DruckBild;
    ErgebnisFlaecheGesamt = source.ErgebnisFlaecheGesamt;
    ErgebnisFlaecheRahmen = source.ErgebnisFlaecheRahmen;
    ErgebnisFlaecheGlase = source.ErgebnisFlaecheGlase;
    ErgebnisUwertGesamt = source.ErgebnisUwertGesamt;
    ErgebnisUGlas = source.ErgebnisUGlas;
    ErgebnisURahmen = source.ErgebnisURahmen;
    ErgebnisProzentRahmen = source.ErgebnisProzentRahmen;
    ErgebnisGlasrandlaenge = source.ErgebnisGlasrandlaenge;
    ErgebnisSprossenlaenge = source.ErgebnisSprossenlaenge;
    Fenstertyp = source.Fenstertyp;
    FensterPsiBasis = source.FensterPsiBasis;
    FensterPsiKorrektur = source.FensterPsiKorrektur;
    FensterGlasdickeAussen = source.FensterGlasdickeAussen;
    FensterGlasdickeInnen = source.FensterGlasdickeInnen;
    WindowEnergyType = source.WindowEnergyType;
    Airleakage = source.Airleakage;
    OpeningLightLength = source.OpeningLightLength;
    HotBox = source.HotBox;
    UValueHotBox = source.UValueHotBox;
    HotBoxProduct = source.HotBoxProduct;
    WindowSystem.Assign(source.WindowSystem);
    // A copy of the record keeps the manufacturer of its window system too
    // (choosing a system from the catalogue deliberately does not).
    WindowSystem.Hersteller = source.WindowSystem.Hersteller;
    ElementArrayLeeren();
}

bool TFassadenSatz::IsEnergyRating() const {
    return WindowEnergyType == QStringLiteral("wer");
}

void TFassadenSatz::Rechne() {
    FParameter.FFassade = Fassade;
    FParameter.FFensterTyp = Fenstertyp;
    FParameter.FDeltaUVerschraubung = VerschraubungDeltaU;
    try {
        RechneGesamtflaeche();
        Elemente.InnenlaengenBerechnen();
        Elemente.SetParameter(FParameter);
        for (TElement& element : Elemente) {
            element.Rechne();
        }
        ErgebnisFlaecheRahmen = Elemente.GetRahmenFlaeche();
        ErgebnisFlaecheGlase = Elemente.GetGlasFlaeche();
        ErgebnisGlasrandlaenge = Elemente.GetGlasRandLaenge();
        ErgebnisSprossenlaenge = Elemente.GetSprossenLaenge();
        ErgebnisUwertGesamt = Elemente.GetUWertGesamt();
        ErgebnisUGlas = Elemente.GetUWertGlas();
        ErgebnisURahmen = Elemente.GetUWertRahmen();
        ErgebnisProzentRahmen = Elemente.GetAnteilRahmen();
    } catch (const ECalcError&) {
        // The calculation stops silently; results written so far stay.
    }
}

void TFassadenSatz::RechneGesamtflaeche() {
    RechneGesamtBreite();
    RechneGesamtHoehe();
    ErgebnisFlaecheGesamt = Finite(Gesamtbreite * Gesamthoehe);
}

void TFassadenSatz::RechneGesamtBreite() {
    double summe = 0.0;
    for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
        const TElement* element = GetElement(1, spalte);
        if (element == nullptr) {
            summe = 0.0;
            break;
        }
        summe = Finite(summe + element->Breite());
    }
    Gesamtbreite = summe;
}

void TFassadenSatz::RechneGesamtHoehe() {
    double summe = 0.0;
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        const TElement* element = GetElement(zeile, 1);
        if (element == nullptr) {
            summe = 0.0;
            break;
        }
        summe = Finite(summe + element->Hoehe());
    }
    Gesamthoehe = summe;
}

double TFassadenSatz::Dichtungsflaeche() const {
    return Elemente.GetDichtungsFlaeche();
}

double TFassadenSatz::GlasFlaecheOhneDichtung() const {
    return Elemente.GetGlasFlaeche() - Elemente.GetDichtungsFlaeche();
}

} // namespace vitrano
