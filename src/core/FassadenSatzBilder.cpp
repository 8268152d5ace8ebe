// Pictures of the whole window or facade and the editor's cells.

#include "core/FassadenSatz.h"
#include "core/PictureDrawing.h"

#include <QPainter>

namespace vitrano {

void TFassadenSatz::ElementBilderErzeugen(int fenstertyp) {
    if (!ElementBilderPassen(fenstertyp)) {
        ElementBilderLoeschen();
        return;
    }
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        int x = 0;
        for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
            TElement* element = GetElement(zeile, spalte);
            if (element == nullptr) {
                return;
            }
            element->BildGenerieren(fenstertyp);
            element->FTopLeft.setX(x);
            x += element->FBild.width();
        }
    }
    for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
        int y = 0;
        for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
            TElement* element = GetElement(zeile, spalte);
            element->FTopLeft.setY(y);
            y += element->FBild.height();
        }
    }
}

bool TFassadenSatz::ElementBilderPassen(int fenstertyp) {
    // Each picture is bounded on its own, and all of them together by the
    // same number of pixels. Summing only pictures that can be drawn at all
    // also keeps the picture positions within range.
    qint64 pixel = 0;
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
            const TElement* element = GetElement(zeile, spalte);
            if (element == nullptr) {
                continue;
            }
            const QSize groesse = element->BildGroesse(fenstertyp);
            const qint64 flaeche = qint64{groesse.width()} * groesse.height();
            if (groesse.width() > 0 && groesse.height() > 0 && flaeche <= MaxPicturePixels) {
                pixel += flaeche;
            }
            if (pixel > MaxPicturePixels) {
                return false;
            }
        }
    }
    return true;
}

void TFassadenSatz::ElementBilderLoeschen() {
    for (TElement& element : Elemente) {
        element.FBild = QImage();
    }
}

bool TFassadenSatz::ElementBilderFehlen() {
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
            const TElement* element = GetElement(zeile, spalte);
            if (element != nullptr && element->FBild.isNull()) {
                return true;
            }
        }
    }
    return false;
}

QImage TFassadenSatz::GeneriereGesamtBild() {
    if (ElementBilderFehlen()) {
        ElementBilderErzeugen(Fenstertyp);
    }
    qint64 breite = 0;
    for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
        const TElement* element = GetElement(1, spalte);
        if (element == nullptr) {
            return {};
        }
        breite += element->FBild.width();
    }
    qint64 hoehe = 0;
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        const TElement* element = GetElement(zeile, 1);
        if (element == nullptr) {
            return {};
        }
        hoehe += element->FBild.height();
    }
    QImage gesamt = NeuesBild(breite, hoehe);
    if (gesamt.isNull()) {
        return {};
    }
    // Rows or columns of unequal length leave parts uncovered.
    gesamt.fill(Qt::white);
    QPainter painter(&gesamt);
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
            const TElement* element = GetElement(zeile, spalte);
            if (element == nullptr) {
                return {};
            }
            painter.drawImage(element->FTopLeft, element->FBild);
        }
    }
    return gesamt;
}

void TFassadenSatz::EditorBilderSchneiden() {
    const QImage gesamt = GeneriereGesamtBild();
    if (gesamt.isNull() || AnzahlHorizontal <= 0 || AnzahlVertikal <= 0) {
        return;
    }
    const int zellenBreite = gesamt.width() / AnzahlHorizontal;
    const int zellenHoehe = gesamt.height() / AnzahlVertikal;
    for (int zeile = 1; zeile <= AnzahlVertikal; ++zeile) {
        for (int spalte = 1; spalte <= AnzahlHorizontal; ++spalte) {
            TElement* element = GetElement(zeile, spalte);
            if (element == nullptr) {
                return;
            }
            element->FBildEditor = gesamt.copy(
                (spalte - 1) * zellenBreite, (zeile - 1) * zellenHoehe, zellenBreite, zellenHoehe);
        }
    }
}

void TFassadenSatz::BilderErzeugen() {
    ElementBilderErzeugen(Fenstertyp);
    EditorBilderSchneiden();
}

} // namespace vitrano
