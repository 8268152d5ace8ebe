#include "core/PictureDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vitrano {

namespace {

// Larger lengths would overflow the doubled pixel count.
constexpr double MaxCentimetres = 1e9;

int Kanal(int a, int b, double x) {
    const long wert = std::lround(x * a + (1.0 - x) * b);
    return static_cast<int>(std::clamp(wert, 0L, 255L));
}

void PixelMischen(QImage& bild, int x, int y, QRgb farbe, double gewicht) {
    if (x < 0 || y < 0 || x >= bild.width() || y >= bild.height()) {
        return;
    }
    bild.setPixel(x, y, FarbeMischen(farbe, bild.pixel(x, y), gewicht));
}

} // namespace

int Pixel(double laenge, bool flag, int fenstertyp) {
    const double zentimeter = 100.0 * laenge;
    if (!std::isfinite(zentimeter) || std::abs(zentimeter) >= MaxCentimetres) {
        return 1;
    }
    int n = static_cast<int>(zentimeter);
    if (zentimeter - n > 0.49) {
        ++n;
    }
    if (fenstertyp == FacadeSingleAssessmentPsi && n < 1) {
        n = flag ? 2 : 1;
    }
    return n;
}

QImage NeuesBild(qint64 breite, qint64 hoehe) {
    if (breite <= 0 || hoehe <= 0 || breite > MaxPictureSide || hoehe > MaxPictureSide ||
        breite * hoehe > MaxPicturePixels) {
        return {};
    }
    return QImage(static_cast<int>(breite), static_cast<int>(hoehe), QImage::Format_RGB32);
}

QRgb FarbeMischen(QRgb a, QRgb b, double x) {
    return qRgb(Kanal(qRed(a), qRed(b), x), Kanal(qGreen(a), qGreen(b), x),
                Kanal(qBlue(a), qBlue(b), x));
}

void LinieGlatt(QImage& bild, QPoint a, QPoint b, QRgb farbe) {
    if (a == b) {
        return;
    }
    const int dx = b.x() - a.x();
    const int dy = b.y() - a.y();
    const bool horizontal = std::abs(dx) > std::abs(dy);
    const int haupt = horizontal ? dx : dy;
    const int neben = horizontal ? dy : dx;
    const int schritte = std::abs(haupt);
    const int richtung = haupt > 0 ? 1 : -1;
    const int hauptStart = horizontal ? a.x() : a.y();
    const int nebenStart = horizontal ? a.y() : a.x();
    // Going forward the line starts one step after a and ends on b; going
    // backward it starts on a and ends one step before b.
    const int erster = haupt > 0 ? 1 : 0;
    for (int k = erster; k < erster + schritte; ++k) {
        const int h = hauptStart + k * richtung;
        const double m = nebenStart + static_cast<double>(k) * neben / schritte;
        const double ganz = std::floor(m);
        const double phi = m - ganz;
        const int i = static_cast<int>(ganz);
        if (horizontal) {
            PixelMischen(bild, h, i, farbe, 1.0 - phi);
            PixelMischen(bild, h, i + 1, farbe, phi);
        } else {
            PixelMischen(bild, i, h, farbe, 1.0 - phi);
            PixelMischen(bild, i + 1, h, farbe, phi);
        }
    }
}

} // namespace vitrano
