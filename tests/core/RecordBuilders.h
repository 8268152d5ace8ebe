#pragma once

// Small records for the core tests.

#include "core/FassadenSatz.h"

namespace vitrano::test {

struct FrameValues {
    double breite = 0.1; // m, every side
    double uf = 1.3;
    double psi = 0.06;
};

inline void SetAllSides(TRealQuadrupel& quadrupel, double value) {
    for (TSeite seite : AlleSeiten) {
        quadrupel[seite] = value;
    }
}

inline void SetFrame(TElement& element, const FrameValues& frame) {
    SetAllSides(element.Rahmen.Rahmenbreite, frame.breite);
    SetAllSides(element.Rahmen.UWerte, frame.uf);
    SetAllSides(element.Rahmen.PSIInnen, frame.psi);
}

// A single-sash window laid out and calculated.
inline TFassadenSatz SingleSashWindow(double breite, double hoehe, const FrameValues& frame = {},
                                      double ug = 1.1) {
    TFassadenSatz satz;
    satz.SetFenstertyp(1);
    TElement& element = satz.Elemente.GetItem(0);
    SetFrame(element, frame);
    element.Fuellung.UWert = ug;
    satz.SetzeFensterlaengen(breite, hoehe, 0.0, 1);
    return satz;
}

// A facade grid of equal fields, every field with the same frame and infill.
inline TFassadenSatz Facade(int spalten, int zeilen, double breite, double hoehe,
                            const FrameValues& frame = {}, double ug = 1.1, int methode = 100) {
    TFassadenSatz satz;
    satz.Fassade = true;
    satz.SetFassadenTyp(methode, spalten, zeilen, breite, hoehe);
    for (TElement& element : satz.Elemente) {
        SetFrame(element, frame);
        element.Fuellung.UWert = ug;
    }
    satz.Rechne();
    return satz;
}

} // namespace vitrano::test
