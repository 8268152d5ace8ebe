#pragma once

#include "core/FassadenSatz.h"

#include <QString>

namespace vitrano {

// Energy rating of a window after the BFRC scheme. Every value is read from the record's current
// results: recalculate the record (TFassadenSatz::Rechne) first.
//
// A window area at or below 1e-4 m² counts as zero; a division by it, or any value that is not a
// finite number, makes the calculation fail.

// Air-leakage heat loss, W/(m²K); 1 when the calculation fails.
double GetLFactor(const TFassadenSatz& satz);
// Solar factor of the window as a fraction; 1 for a record that is not rated or when the
// calculation fails.
double GetSolarFactor(const TFassadenSatz& satz);
// Window U-value of the rating: the hot-box value for a hot-box record, otherwise the computed Uw.
double GetUwWER(const TFassadenSatz& satz);
// Energy index EI in kWh/(m²·yr) from g, U and L, each rounded to two decimals first; 1 for a
// record that is not rated.
double GetBFRCRating(const TFassadenSatz& satz);
// g-value of the window in per cent, rounded to two decimals, whatever the kind of record; 0 when
// the calculation fails.
double GetGwWER(const TFassadenSatz& satz);

// Index that marks "no rating"; every index at or above it is not rated.
inline constexpr int NoRatingIndex = 500000;

struct TRatingBand {
    int Index = NoRatingIndex;
    int Band = -1;  // 0 for "A" to 6 for "G", -1 for no rating
    QString Letter; // empty for no rating
    QString BandText;
};

// The energy index rounded to a whole number, halves away from zero. Values too large for the
// index (and NaN) give NoRatingIndex; values below the smallest int are held at it.
int RatingIndex(double energyIndex);
// Letter band of a rating index.
TRatingBand RatingForIndex(int index);
// Letter band of an energy index: RatingForIndex(RatingIndex(energyIndex)).
TRatingBand RatingForEnergyIndex(double energyIndex);

} // namespace vitrano
