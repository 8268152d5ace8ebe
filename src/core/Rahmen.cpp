#include "core/Rahmen.h"

#include "core/FiniteCheck.h"

namespace vitrano {

namespace {
constexpr int FacadeComponentMethod = 100;
}

void TRahmen::Assign(const TRahmen& source) {
    Material.Assign(source.Material);
    Bezeichnung.Assign(source.Bezeichnung);
    Abstandshalter = source.Abstandshalter;
    Rahmenbreite.Assign(source.Rahmenbreite);
    UWerte.Assign(source.UWerte);
    PSIInnen.Assign(source.PSIInnen);
    PSIAussen.Assign(source.PSIAussen);
    LaengeInnen.Assign(source.LaengeInnen);
    LaengeAussen.Assign(source.LaengeAussen);
    FLaeche.Assign(source.FLaeche);
    DichtungsUberstand.Assign(source.DichtungsUberstand);
    FLaecheDichtung.Assign(source.FLaecheDichtung);
    FUWert = source.FUWert;
    FParameter = source.FParameter;
}

void TRahmen::InnenlaengenBerechnen() {
    const double breiteInnen = Finite(LaengeAussen.Oben - Rahmenbreite.Links - Rahmenbreite.Rechts);
    const double hoeheInnen = Finite(LaengeAussen.Links - Rahmenbreite.Oben - Rahmenbreite.Unten);
    LaengeInnen.Oben = breiteInnen;
    LaengeInnen.Unten = breiteInnen;
    LaengeInnen.Links = hoeheInnen;
    LaengeInnen.Rechts = hoeheInnen;
}

void TRahmen::Rechne() {
    FGesamtRahmenflaeche = 0.0;
    FGesamtDichtungsFlaeche = 0.0;

    // The side frames run over the full outer height and take the corners.
    FLaeche.Oben = Finite(Rahmenbreite.Oben * LaengeInnen.Oben);
    FLaeche.Unten = Finite(Rahmenbreite.Unten * LaengeInnen.Unten);
    FLaeche.Links = Finite(Rahmenbreite.Links * LaengeAussen.Links);
    FLaeche.Rechts = Finite(Rahmenbreite.Rechts * LaengeAussen.Rechts);
    FGesamtRahmenflaeche = Finite(FLaeche.Oben + FLaeche.Unten + FLaeche.Links + FLaeche.Rechts);

    // The protrusion is held in millimetres.
    for (TSeite seite : AlleSeiten) {
        FLaecheDichtung[seite] = Finite(LaengeInnen[seite] * DichtungsUberstand[seite] / 1000.0);
    }
    // The side strips are shortened by the top and bottom protrusions so that
    // the corners count once.
    const double oben = DichtungsUberstand.Oben / 1000.0;
    const double unten = DichtungsUberstand.Unten / 1000.0;
    FGesamtDichtungsFlaeche =
        Finite(FLaecheDichtung.Oben + FLaecheDichtung.Unten +
               (LaengeInnen.Links - oben - unten) * DichtungsUberstand.Links / 1000.0 +
               (LaengeInnen.Rechts - oben - unten) * DichtungsUberstand.Rechts / 1000.0);
}

void TRahmen::RechneUwert() {
    const double deltaU =
        FParameter.FFensterTyp == FacadeComponentMethod ? FParameter.FDeltaUVerschraubung : 0.0;
    const double summe =
        (UWerte.Oben + deltaU) * FLaeche.Oben + (UWerte.Unten + deltaU) * FLaeche.Unten +
        (UWerte.Links + deltaU) * FLaeche.Links + (UWerte.Rechts + deltaU) * FLaeche.Rechts;
    FUWert = Finite(summe / FGesamtRahmenflaeche);
}

double TRahmen::GetGlasrandlaenge() const {
    return LaengeInnen.Oben + LaengeInnen.Links + LaengeInnen.Unten + LaengeInnen.Rechts;
}

} // namespace vitrano
