// Selection, row/column queries and resizing of checked elements.

#include "core/Elemente.h"

namespace vitrano {

namespace {
template <class Predicate>
TElementListe Select(TElemente& elemente, Predicate predicate) {
    TElementListe liste;
    for (TElement& element : elemente) {
        if (predicate(element)) {
            liste.Add(&element);
        }
    }
    return liste;
}
} // namespace

int TElemente::CountChecked() const {
    int count = 0;
    for (const TElement& element : *this) {
        count += element.Checked ? 1 : 0;
    }
    return count;
}

TElementListe TElemente::GetCheckedElements() {
    return Select(*this, [](const TElement& e) { return e.Checked; });
}

TElement* TElemente::GetFirstChecked() {
    for (TElement& element : *this) {
        if (element.Checked) {
            return &element;
        }
    }
    return nullptr;
}

TElement* TElemente::GetLastChecked() {
    TElement* last = nullptr;
    for (TElement& element : *this) {
        if (element.Checked) {
            last = &element;
        }
    }
    return last;
}

TElementListe TElemente::ElementeZuZeile(int zeile) {
    return Select(*this, [zeile](const TElement& e) { return e.FZeile == zeile; });
}

TElementListe TElemente::ElementeZuSpalte(int spalte) {
    return Select(*this, [spalte](const TElement& e) { return e.FSpalte == spalte; });
}

void TElemente::BreiteAendern(double breite) {
    for (TElement& element : *this) {
        if (!element.Checked) {
            continue;
        }
        TRahmen& rahmen = element.Rahmen;
        element.SetBreite(breite);
        rahmen.LaengeAussen.Oben = breite;
        rahmen.LaengeAussen.Unten = breite;
        rahmen.LaengeInnen.Oben = breite - rahmen.Rahmenbreite.Links - rahmen.Rahmenbreite.Rechts;
        rahmen.LaengeInnen.Unten = rahmen.LaengeInnen.Oben;
        element.Rechne();
    }
}

void TElemente::HoeheAendern(double hoehe) {
    for (TElement& element : *this) {
        if (!element.Checked) {
            continue;
        }
        TRahmen& rahmen = element.Rahmen;
        element.SetHoehe(hoehe);
        rahmen.LaengeAussen.Links = hoehe;
        rahmen.LaengeAussen.Rechts = hoehe;
        rahmen.LaengeInnen.Links = hoehe - rahmen.Rahmenbreite.Oben - rahmen.Rahmenbreite.Unten;
        rahmen.LaengeInnen.Rechts = rahmen.LaengeInnen.Links;
        element.Rechne();
    }
}

} // namespace vitrano
