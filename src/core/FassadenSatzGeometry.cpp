// Grid geometry of the record: creating the grid, laying out sizes and
// finding elements by position.

#include "core/FassadenSatz.h"

#include <algorithm>

namespace vitrano {

namespace {

struct GridSize {
    int spalten;
    int zeilen;
};

// Columns x rows of each window type; other codes create no grid.
bool WindowGrid(int fenstertyp, GridSize& size) {
    switch (fenstertyp) {
    case 1:
    case 6:
        size = {1, 1};
        return true;
    case 2:
    case 8:
    case 9:
        size = {2, 1};
        return true;
    case 3:
        size = {3, 1};
        return true;
    case 4:
    case 7:
        size = {1, 2};
        return true;
    case 5:
        size = {2, 2};
        return true;
    default:
        return false;
    }
}

bool HasTopLight(int typ) {
    return typ == 4 || typ == 5 || typ == 7;
}

constexpr int HorizontalSlidingWindow = 9;

} // namespace

void TFassadenSatz::SetFenstertyp(int fenstertyp) {
    Fenstertyp = fenstertyp;
    Elemente.Clear();
    ElementArrayLeeren();
    GridSize size{};
    if (!WindowGrid(fenstertyp, size)) {
        return;
    }
    AnzahlHorizontal = size.spalten;
    AnzahlVertikal = size.zeilen;
    for (int i = 0; i < size.spalten * size.zeilen; ++i) {
        Elemente.Add();
    }
}

void TFassadenSatz::SetFassadenTyp(int fassadenTyp, int pfosten, int riegel, double breite,
                                   double hoehe) {
    Fenstertyp = fassadenTyp;
    Elemente.Clear();
    ElementArrayLeeren();
    AnzahlHorizontal = pfosten;
    AnzahlVertikal = riegel;
    Gesamtbreite = breite;
    Gesamthoehe = hoehe;
    if (pfosten <= 0 || riegel <= 0) {
        return;
    }
    const long long anzahl = static_cast<long long>(pfosten) * riegel;
    for (long long i = 0; i < anzahl; ++i) {
        TElement& element = Elemente.Add();
        element.SetBreite(Gesamtbreite / AnzahlHorizontal);
        element.SetHoehe(Gesamthoehe / AnzahlVertikal);
    }
}

void TFassadenSatz::SetzeFensterlaengen(double a, double b, double c, int neuerTyp) {
    const int t = neuerTyp;
    if (t > 0) {
        Gesamtbreite = t == HorizontalSlidingWindow ? a + b : a;
        if (t == 1 || t == 2 || t == 3 || t == 6 || t == 8) {
            Gesamthoehe = b;
        } else if (HasTopLight(t)) {
            Gesamthoehe = b + c;
        } else if (t == HorizontalSlidingWindow) {
            Gesamthoehe = c;
        }
    }
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
            TElement* element = GetElement(zeile, spalte);
            if (element == nullptr) {
                continue;
            }
            // c is the height of the top light, b that of the lower row; for
            // the horizontal sliding window a and b are the field widths.
            if (HasTopLight(t)) {
                element->SetHoehe(zeile == 1 ? c : b);
            } else {
                element->SetHoehe(Gesamthoehe / AnzahlVertikal);
            }
            if (t == HorizontalSlidingWindow) {
                element->SetBreite(spalte == 1 ? a : b);
            } else {
                element->SetBreite(Gesamtbreite / AnzahlHorizontal);
            }
            element->Checked = false;
            element->Bildname = QStringLiteral("\\bmp\\bild01111.bmp");
            element->Visible = true;

            TRahmen& rahmen = element->Rahmen;
            const double hoehe = element->Hoehe();
            const double breite = element->Breite();
            rahmen.LaengeAussen.Links = hoehe;
            rahmen.LaengeAussen.Rechts = hoehe;
            rahmen.LaengeInnen.Links = hoehe - rahmen.Rahmenbreite.Oben - rahmen.Rahmenbreite.Unten;
            rahmen.LaengeInnen.Rechts = rahmen.LaengeInnen.Links;
            rahmen.LaengeAussen.Oben = breite;
            rahmen.LaengeAussen.Unten = breite;
            rahmen.LaengeInnen.Oben =
                breite - rahmen.Rahmenbreite.Links - rahmen.Rahmenbreite.Rechts;
            rahmen.LaengeInnen.Unten = rahmen.LaengeInnen.Oben;
        }
    }
    Rechne();
}

bool TFassadenSatz::ElementArrayAktuell() const {
    return FElementArrayGebaut && FElementArrayVersion == Elemente.StructureVersion() &&
           FElementArrayZeilen == AnzahlVertikal && FElementArraySpalten == AnzahlHorizontal;
}

void TFassadenSatz::ElementArrayLeeren() {
    FElementArray.clear();
    FElementArrayGebaut = false;
}

void TFassadenSatz::ElementArrayAufbauen() {
    FElementArray.clear();
    FElementArrayGebaut = true;
    FElementArrayVersion = Elemente.StructureVersion();
    FElementArrayZeilen = AnzahlVertikal;
    FElementArraySpalten = AnzahlHorizontal;
    if (AnzahlVertikal <= 0 || AnzahlHorizontal <= 0) {
        return;
    }
    // Elements beyond the grid are not placed; cells beyond the elements stay
    // empty. Only placed elements are held, so an oversized grid costs nothing.
    const long long zellen = static_cast<long long>(AnzahlVertikal) * AnzahlHorizontal;
    const long long platziert = std::min<long long>(zellen, Elemente.Count());
    FElementArray.reserve(static_cast<std::size_t>(platziert));
    for (long long i = 0; i < platziert; ++i) {
        TElement& element = Elemente.GetItem(static_cast<int>(i));
        element.FZeile = static_cast<int>(i / AnzahlHorizontal);
        element.FSpalte = static_cast<int>(i % AnzahlHorizontal);
        FElementArray.push_back(&element);
    }
}

TElement* TFassadenSatz::GetElement(int zeile, int spalte) {
    if (!ElementArrayAktuell()) {
        ElementArrayAufbauen();
    }
    if (zeile < 1 || zeile > AnzahlVertikal || spalte < 1 || spalte > AnzahlHorizontal) {
        return nullptr;
    }
    const long long index = static_cast<long long>(zeile - 1) * AnzahlHorizontal + (spalte - 1);
    if (index >= static_cast<long long>(FElementArray.size())) {
        return nullptr;
    }
    return FElementArray[static_cast<std::size_t>(index)];
}

TElement* TFassadenSatz::GetElementZu(double posX, double posY) {
    const double x = posX / 100.0;
    const double y = posY / 100.0;
    if (x < 0 || x > Gesamtbreite || y < 0 || y > Gesamthoehe) {
        return nullptr;
    }
    // Any element missing from the grid means the point cannot be placed.
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        double links = 0.0;
        for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
            TElement* element = GetElement(zeile, spalte);
            if (element == nullptr) {
                return nullptr;
            }
            element->FKoord.Links = links;
            element->FKoord.Rechts = links + element->Breite();
            links = element->FKoord.Rechts;
        }
    }
    for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
        double oben = 0.0;
        for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
            TElement* element = GetElement(zeile, spalte);
            element->FKoord.Oben = oben;
            element->FKoord.Unten = oben + element->Hoehe();
            oben = element->FKoord.Unten;
        }
    }
    for (TElement& element : Elemente) {
        const TRealQuadrupel& k = element.FKoord;
        if (k.Links <= x && x <= k.Rechts && k.Oben <= y && y <= k.Unten) {
            return &element;
        }
    }
    return nullptr;
}

} // namespace vitrano
