#pragma once

// The colours of the element and facade pictures, shared by the whole program:
// the frame dialog sets the frame colour, the editor and its colour dialog the
// fill colours.

#include <QColor>
#include <QRgb>
#include <cstdint>

namespace vitrano {

// A colour as the project files and the colour settings hold it: one integer
// with red in the lowest byte, then green, then blue (0x00BBGGRR).
using TColor = std::uint32_t;

// Infill of every element without a mark: 0xFAC56B, red 107, green 197, blue 250.
inline constexpr TColor StandardGlassColour = 16434539;
inline constexpr TColor WhiteColour = 0xFFFFFF;
inline constexpr TColor BlackColour = 0x000000;

// The member initialisers are the start values.
struct TPictureColours {
    TColor FrameColour = 0x808080;       // frame bands and opening symbols (mid grey)
    TColor ManualFillColour = 0xE1FFFF;  // infill entered manually (light yellow)
    TColor RowFillColour = 0x00FFFF;     // row highlight (yellow)
    TColor ColumnFillColour = 0x008000;  // column highlight (green)
    TColor ElementFillColour = 0x800080; // infill other than the standard one (purple)
};

// The process-wide instance, created with the start values on first use.
TPictureColours& PictureColours();

// Puts every colour back to its start value (used by tests).
void ResetPictureColours();

QRgb ToQRgb(TColor farbe);
TColor FromQColor(const QColor& farbe);

} // namespace vitrano
