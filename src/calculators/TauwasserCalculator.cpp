#include "calculators/TauwasserCalculator.h"

#include "calculators/CatalogueText.h"
#include "core/DecimalRounding.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace vitrano {

namespace {

constexpr double KeinKleinstesFRsi = 1000.0;
constexpr std::uint32_t Gruen = 0x008000;
constexpr std::uint32_t Rot = 0xFF0000;

const QString Manuell = QStringLiteral("(man)");

// Catalogue identifiers of the profile and its side, by side number 1 to 4.
using TSeitenText = std::pair<QStringView, QStringView>;
constexpr std::array SeitenTexte = {
    TSeitenText{u"strRiegel", u"strOben"},
    TSeitenText{u"strRiegel", u"strUnten"},
    TSeitenText{u"strPfosten", u"strLinks"},
    TSeitenText{u"strPfosten", u"strRechts"},
};

QChar DezimaltrennerDesBenutzers() {
    const QString trenner = QLocale().decimalPoint();
    return trenner.isEmpty() ? QChar(u'.') : trenner.front();
}

TSeite SeiteZuNummer(int seite) {
    return AlleSeiten[seite - 1];
}

} // namespace

double Oberflaechentemperatur(double innen, double aussen, double fRsi) {
    return aussen + (innen - aussen) * fRsi;
}

double Taupunkt(double innen, double relativeFeuchte) {
    return std::pow(relativeFeuchte / 100.0, 0.125) * (innen + 110.0) - 110.0;
}

bool FaelltTauwasser(double oberflaechentemperatur, double taupunkt) {
    return !(oberflaechentemperatur > taupunkt);
}

TTauwasserCalculator::TTauwasserCalculator(const t_satzdaten& tabellen)
    : FTabellen(tabellen)
    , FDezimaltrenner(DezimaltrennerDesBenutzers()) {}

void TTauwasserCalculator::SetEinnentemp(int value) {
    FEinnentemp = std::clamp(value, EinnentempMin, EinnentempMax);
}

void TTauwasserCalculator::SetAussentemp(int value) {
    FAussentemp = std::clamp(value, AussentempMin, AussentempMax);
}

void TTauwasserCalculator::SetRelFeuchte(int value) {
    FRelFeuchte = std::clamp(value, RelFeuchteMin, RelFeuchteMax);
}

void TTauwasserCalculator::EingabenZuruecksetzen() {
    FEinnentemp = EinnentempStart;
    FAussentemp = AussentempStart;
    FRelFeuchte = RelFeuchteStart;
}

double TTauwasserCalculator::FRsiDerSeite(const TElement& element, TSeite seite) const {
    const TRahmen& rahmen = element.Rahmen;
    return FTabellen.FRsiRahmenGlas(rahmen.Material[seite], rahmen.Abstandshalter,
                                    rahmen.UWerte[seite], element.Fuellung.UWert);
}

void TTauwasserCalculator::KritischenGlasrandSuchen(int& zeile, int& spalte, int& seite) {
    const bool alle = zeile <= 0 || spalte <= 0;
    const int vonZeile = alle ? 1 : zeile;
    const int vonSpalte = alle ? 1 : spalte;
    zeile = 0;
    spalte = 0;
    seite = SeiteKeine;
    if (FDatensatz == nullptr) {
        return;
    }
    const int bisZeile = alle ? FDatensatz->AnzahlVertikal : vonZeile;
    const int bisSpalte = alle ? FDatensatz->AnzahlHorizontal : vonSpalte;
    double kleinstes = KeinKleinstesFRsi;
    for (int z = vonZeile; z <= bisZeile; ++z) {
        for (int s = vonSpalte; s <= bisSpalte; ++s) {
            const TElement* element = FDatensatz->GetElement(z, s);
            // The grid is filled row by row, so the first missing element ends it.
            if (element == nullptr) {
                return;
            }
            if (element->Fuellung.Bezeichnung.contains(Manuell)) {
                continue;
            }
            for (int nummer = SeiteOben; nummer <= SeiteRechts; ++nummer) {
                const TSeite rahmenSeite = SeiteZuNummer(nummer);
                if (element->Rahmen.Bezeichnung[rahmenSeite].contains(Manuell)) {
                    continue;
                }
                const double fRsi = FRsiDerSeite(*element, rahmenSeite);
                if (fRsi > 0.0 && fRsi < kleinstes) {
                    kleinstes = fRsi;
                    zeile = z;
                    spalte = s;
                    seite = nummer;
                }
            }
        }
    }
}

// Restricts the search to the first selected element, if any. False when that element has
// no place in the grid, so that nothing can be found for it.
bool TTauwasserCalculator::AuswahlSetzen() {
    m_i = 0;
    m_j = 0;
    const TElement* markiert = FDatensatz->Elemente.GetFirstChecked();
    if (markiert == nullptr) {
        return true;
    }
    FDatensatz->ElementArrayAufbauen();
    const int zeile = markiert->FZeile + 1;
    const int spalte = markiert->FSpalte + 1;
    if (FDatensatz->GetElement(zeile, spalte) != markiert) {
        return false;
    }
    m_i = zeile;
    m_j = spalte;
    return true;
}

bool TTauwasserCalculator::Rechne() {
    int seite = SeiteKeine;
    if (FDatensatz == nullptr || !AuswahlSetzen()) {
        m_i = 0;
        m_j = 0;
        m_fRsi = 0.0;
        return false;
    }
    KritischenGlasrandSuchen(m_i, m_j, seite);
    const TElement* element = FDatensatz->GetElement(m_i, m_j);
    if (element == nullptr || seite < SeiteOben) {
        m_fRsi = 0.0;
        return false;
    }
    m_fRsi = FRsiDerSeite(*element, SeiteZuNummer(seite));
    AnzeigeSetzen(*element, seite);
    return true;
}

QString TTauwasserCalculator::PositionsText(int seite) const {
    const auto& [profil, lage] = SeitenTexte[static_cast<std::size_t>(seite - 1)];
    const QString seitenText = CatalogueText(profil) + u' ' + CatalogueText(lage);
    return QStringLiteral("%1 %2, %3 %4: %5")
        .arg(CatalogueText(u"strZeile"), QString::number(m_i), CatalogueText(u"strSpalte"),
             QString::number(m_j), seitenText);
}

void TTauwasserCalculator::AnzeigeSetzen(const TElement& element, int seite) {
    TTauwasserAnzeige& anzeige = FAnzeige;
    anzeige.Position = PositionsText(seite);
    anzeige.Lrahmen = element.Rahmen.Bezeichnung[SeiteZuNummer(seite)];
    anzeige.Lglas = QStringLiteral("%1 (Ug = %2 W/m²K)")
                        .arg(element.Fuellung.Bezeichnung,
                             FormatFixed(element.Fuellung.UWert, 1, FDezimaltrenner));
    const bool fassade = FDatensatz->Fassade;
    anzeige.PositionSichtbar = fassade;
    anzeige.FensterKorrekturSichtbar = !fassade;
    if (fassade) {
        const t_abstand* abstand = FTabellen.sabstand(element.Rahmen.Abstandshalter);
        anzeige.Labstandhalter = abstand != nullptr ? abstand->nameabstand : QString();
    } else {
        anzeige.Labstandhalter = FDatensatz->DruckAbstand;
    }

    anzeige.Tsi = Oberflaechentemperatur(FEinnentemp, FAussentemp, m_fRsi);
    anzeige.Taupunkt = Taupunkt(FEinnentemp, FRelFeuchte);
    anzeige.LTsi = FormatFixed(anzeige.Tsi, 1, FDezimaltrenner);
    anzeige.LTtaupunkt = FormatFixed(anzeige.Taupunkt, 1, FDezimaltrenner);
    anzeige.Tauwasser = FaelltTauwasser(anzeige.Tsi, anzeige.Taupunkt);
    if (anzeige.Tauwasser) {
        anzeige.Ltauwasser = CatalogueText(u"strTauwasserausfall");
        anzeige.TextFarbe = Rot;
        anzeige.Bild = QStringLiteral("Tauwasser.bmp");
    } else {
        anzeige.Ltauwasser = CatalogueText(u"strTauwasserOK");
        anzeige.TextFarbe = Gruen;
        anzeige.Bild = QStringLiteral("TauwasserOK.bmp");
    }
}

} // namespace vitrano
