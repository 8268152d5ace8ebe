#include "core/WESDatensatz.h"

#include "core/CoreErrors.h"
#include "core/FiniteCheck.h"

#include <cmath>

namespace vitrano {

namespace {
constexpr double Co2PerLitreOil = 2.7; // kg of CO2 per litre of light heating oil
} // namespace

void TWESDatensatz::Rechne() {
    try {
        const double u1 = UWertManuell1 ? UWert1 : Fenster1.ErgebnisUwertGesamt;
        const double u2 = UWertManuell2 ? UWert2 : Fenster2.ErgebnisUwertGesamt;
        const double a1 =
            FlaecheManuell1 ? FLaeche1 : AnzahlFenster1 * Fenster1.ErgebnisFlaecheGesamt;
        const double a2 =
            FlaecheManuell2 ? FLaeche2 : AnzahlFenster2 * Fenster2.ErgebnisFlaecheGesamt;
        FDiffernzWaermeverluste = Finite(std::fabs(u1 * a1 - u2 * a2));
        FDifferenzWaermebedarf =
            Finite(DauerHeizperiode * FDiffernzWaermeverluste * 24 *
                   std::fabs(MittlereRaumlufttemperatur - MittlereAussentemperatur) / 1000);
        FDifferenzHeizoelBedarf =
            Finite(FDifferenzWaermebedarf / (Wirkungsgrad / 100 * HeizwertLeichtesHeizoel));
        FDiffernzHeizoelKosten = Finite(FDifferenzHeizoelBedarf * KostenProLiterHeizoel);
        FDifferenzCO2 = Finite(FDifferenzHeizoelBedarf * Co2PerLitreOil);
    } catch (const ECalcError&) {
        // Ends silently; the results computed so far stay.
    }
}

} // namespace vitrano
