// The element picture: infill, glazing bars, frame bands and opening symbol.

#include "core/Element.h"
#include "core/PictureColours.h"
#include "core/PictureDrawing.h"

#include <algorithm>

namespace vitrano {

namespace {

// Glazing bars are drawn with a 2-pixel pen: a bar at y covers rows y - 1 and y.
constexpr int BarWidth = 2;
const QRgb BarColour = qRgb(0, 0, 0);

void FillRect(QImage& bild, const QRect& rect, QRgb farbe) {
    const QRect sichtbar = rect.intersected(bild.rect());
    for (int y = sichtbar.top(); y <= sichtbar.bottom(); ++y) {
        QRgb* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        std::fill(zeile + sichtbar.left(), zeile + sichtbar.right() + 1, farbe);
    }
}

void HorizontalBar(QImage& bild, int y) {
    FillRect(bild, QRect(0, y - BarWidth / 2, bild.width(), BarWidth), BarColour);
}

void VerticalBar(QImage& bild, int x) {
    FillRect(bild, QRect(x - BarWidth / 2, 0, BarWidth, bild.height()), BarColour);
}

void Polyline(QImage& bild, QPoint a, QPoint b, QPoint c, QRgb farbe) {
    LinieGlatt(bild, a, b, farbe);
    LinieGlatt(bild, b, c, farbe);
}

} // namespace

QRgb TElement::Fuellfarbe() const {
    const TPictureColours& farben = PictureColours();
    TColor farbe = StandardGlassColour;
    if (ZeileZeichnen) {
        farbe = farben.RowFillColour;
    } else if (SpalteZeichnen) {
        farbe = farben.ColumnFillColour;
    } else if (ElementZeichnen) {
        farbe = farben.ElementFillColour;
    }
    if (ManuellZeichnen) {
        farbe = farben.ManualFillColour;
    }
    return ToQRgb(farbe);
}

QSize TElement::BildGroesse(int fenstertyp) const {
    return {2 * Pixel(FBreite, false, fenstertyp), 2 * Pixel(FHoehe, false, fenstertyp)};
}

void TElement::BildGenerieren(int fenstertyp) {
    // Facade method 300 separates every field with white bands.
    const TColor rahmen =
        fenstertyp == FacadeSingleAssessmentPsi ? WhiteColour : PictureColours().FrameColour;
    const QRgb rahmenfarbe = ToQRgb(rahmen);
    const QSize groesse = BildGroesse(fenstertyp);
    FBild = NeuesBild(groesse.width(), groesse.height());
    if (FBild.isNull()) {
        return;
    }
    FBild.fill(Fuellfarbe());
    SprossenZeichnen();
    RahmenZeichnen(fenstertyp, rahmenfarbe);
    OeffnungZeichnen(rahmenfarbe);
}

void TElement::SprossenZeichnen() {
    const int w = FBild.width();
    const int h = FBild.height();
    switch (Sprossenaufteilung) {
    case 1:
        HorizontalBar(FBild, h / 2);
        break;
    case 2:
        HorizontalBar(FBild, h / 3);
        HorizontalBar(FBild, 2 * h / 3);
        break;
    case 3:
        VerticalBar(FBild, w / 2);
        HorizontalBar(FBild, h / 2);
        break;
    case 4:
        VerticalBar(FBild, w / 2);
        HorizontalBar(FBild, h / 3);
        HorizontalBar(FBild, 2 * h / 3);
        break;
    case 5:
        VerticalBar(FBild, w / 2);
        HorizontalBar(FBild, h / 4);
        HorizontalBar(FBild, h / 2);
        HorizontalBar(FBild, 3 * h / 4);
        break;
    default:
        break;
    }
}

void TElement::RahmenZeichnen(int fenstertyp, QRgb rahmenfarbe) {
    const int w = FBild.width();
    const int h = FBild.height();
    const TRealQuadrupel& breite = Rahmen.Rahmenbreite;
    // Top and bottom take the flag: for method 300 they stay twice as thick
    // as the sides.
    const int oben = 2 * Pixel(breite.Oben, true, fenstertyp);
    const int rechts = 2 * Pixel(breite.Rechts, false, fenstertyp);
    const int unten = 2 * Pixel(breite.Unten, true, fenstertyp);
    const int links = 2 * Pixel(breite.Links, false, fenstertyp);
    if (oben > 0) {
        FillRect(FBild, QRect(0, 0, w, oben), rahmenfarbe);
    }
    if (rechts > 0) {
        FillRect(FBild, QRect(w - rechts, 0, rechts, h), rahmenfarbe);
    }
    if (unten > 0) {
        FillRect(FBild, QRect(0, h - unten, w, unten), rahmenfarbe);
    }
    if (links > 0) {
        FillRect(FBild, QRect(0, 0, links, h), rahmenfarbe);
    }
}

void TElement::OeffnungZeichnen(QRgb rahmenfarbe) {
    if (!Sonderbauteil) {
        return;
    }
    const int w = FBild.width();
    const int h = FBild.height();
    const auto links = [&] { Polyline(FBild, {0, 0}, {w, h / 2}, {0, h}, rahmenfarbe); };
    const auto rechts = [&] { Polyline(FBild, {w, 0}, {0, h / 2}, {w, h}, rahmenfarbe); };
    const auto oben = [&] { Polyline(FBild, {0, h}, {w / 2, 0}, {w, h}, rahmenfarbe); };
    const QString& art = SonderOeffnung;
    if (art == u"l") {
        links();
    } else if (art == u"r") {
        rechts();
    } else if (art == u"o") {
        oben();
    } else if (art == u"lo") {
        oben();
        links();
    } else if (art == u"ro") {
        oben();
        rechts();
    } else {
        LinieGlatt(FBild, {0, 0}, {w, h}, rahmenfarbe);
    }
}

} // namespace vitrano
