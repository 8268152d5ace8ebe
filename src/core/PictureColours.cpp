#include "core/PictureColours.h"

namespace vitrano {

TPictureColours& PictureColours() {
    static TPictureColours colours;
    return colours;
}

void ResetPictureColours() {
    PictureColours() = TPictureColours();
}

QRgb ToQRgb(TColor farbe) {
    const int rot = static_cast<int>(farbe & 0xFFU);
    const int gruen = static_cast<int>((farbe >> 8U) & 0xFFU);
    const int blau = static_cast<int>((farbe >> 16U) & 0xFFU);
    return qRgb(rot, gruen, blau);
}

TColor FromQColor(const QColor& farbe) {
    const QRgb rgb = farbe.rgb();
    return static_cast<TColor>(qRed(rgb)) | (static_cast<TColor>(qGreen(rgb)) << 8U) |
           (static_cast<TColor>(qBlue(rgb)) << 16U);
}

} // namespace vitrano
