#pragma once

// The records the benchmarks time.

#include "core/FassadenSatz.h"

namespace vitrano::bench {

// A 10 x 10 facade of 6 m x 6 m with profiles and glass in every field.
inline TFassadenSatz TenByTenFacade() {
    TFassadenSatz satz;
    satz.Fassade = true;
    satz.VerschraubungDeltaU = 0.3;
    satz.SetFassadenTyp(100, 10, 10, 6.0, 6.0);
    for (TElement& element : satz.Elemente) {
        for (TSeite seite : AlleSeiten) {
            element.Rahmen.Rahmenbreite[seite] = 0.025;
            element.Rahmen.UWerte[seite] = 1.4;
            element.Rahmen.PSIInnen[seite] = 0.11;
            element.Rahmen.Bezeichnung[seite] = QStringLiteral("Pfosten 50 mm");
        }
        element.Fuellung.UWert = 0.7;
        element.Fuellung.Bezeichnung = QStringLiteral("4/12/4/12/4 Ar");
    }
    satz.Rechne();
    return satz;
}

} // namespace vitrano::bench
