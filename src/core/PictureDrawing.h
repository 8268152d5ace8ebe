#pragma once

// Drawing steps shared by the element and facade pictures. Pictures are drawn
// to scale at 2 pixels per centimetre.

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QtGlobal>

namespace vitrano {

// Facade method whose pictures keep every field separated by white bands.
inline constexpr int FacadeSingleAssessmentPsi = 300;

// Bounds of one picture. A record whose sizes would need more (a damaged
// file, a typing error) gets no picture instead of exhausting the memory.
inline constexpr int MaxPictureSide = 32767;
inline constexpr qint64 MaxPicturePixels = qint64{1} << 27;

// A length in metres as whole centimetres, half pixel counts; pictures are
// 2 x Pixel(...) pixels. For facade method 300 lengths below 1 cm become 2
// (flag set) or 1, so that every field stays separated. 1 for a length that
// is not a number or out of range.
int Pixel(double laenge, bool flag, int fenstertyp);

// A new picture of the given size, or a null one when a side is not positive
// or the picture would exceed the bounds above.
QImage NeuesBild(qint64 breite, qint64 hoehe);

// Per channel round(x * a + (1 - x) * b).
QRgb FarbeMischen(QRgb a, QRgb b, double x);

// An anti-aliased line from a to b: along the longer axis one point per pixel,
// each blended into the two pixels that straddle it across. Pixels outside the
// picture are skipped.
void LinieGlatt(QImage& bild, QPoint a, QPoint b, QRgb farbe);

} // namespace vitrano
