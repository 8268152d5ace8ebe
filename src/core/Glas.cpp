#include "core/Glas.h"

namespace vitrano {

void TGlas::Assign(const TGlas& source) {
    Material = source.Material;
    Bezeichnung = source.Bezeichnung;
    UWert = source.UWert;
    Farbe = source.Farbe;
    GWert = source.GWert;
}

} // namespace vitrano
