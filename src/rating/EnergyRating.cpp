#include "rating/EnergyRating.h"

#include "core/DecimalRounding.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace vitrano {

namespace {

constexpr double ZeroArea = 1e-4; // m²
constexpr double FailedValue = 1.0;
constexpr double LeakageFactor = 0.0165;
constexpr double GlazingFactor = 0.9;
constexpr double SolarWeight = 218.6;
constexpr double LossWeight = 68.5;

double RoundTwoDecimals(double value) {
    return RoundToDecimals(value, 2);
}

// numerator / window area, or nothing when the area counts as zero or the quotient is not a
// finite number.
std::optional<double> PerWindowArea(const TFassadenSatz& satz, double numerator) {
    const double area = satz.ErgebnisFlaecheGesamt;
    if (!(area > ZeroArea)) {
        return std::nullopt;
    }
    const double result = numerator / area;
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

// g-value of the whole window in the unit of `scale` (1 for per cent, 1/100 for a fraction):
// the first infill's g-value over the glass without the gasket-covered strips.
std::optional<double> WindowGValue(const TFassadenSatz& satz, double scale) {
    if (satz.Elemente.Count() == 0) {
        return std::nullopt;
    }
    const double gWert = satz.Elemente.GetItem(0).Fuellung.GWert * scale;
    return PerWindowArea(satz, gWert * GlazingFactor * satz.GlasFlaecheOhneDichtung());
}

struct TBandLimit {
    int Lowest; // smallest index of the band
    const char16_t* Letter;
    const char16_t* Text;
};

constexpr std::array<TBandLimit, 7> Bands{{
    {0, u"A", u">= 0"},
    {-10, u"B", u"-10 to < 0"},
    {-20, u"C", u"-20 to < -10"},
    {-30, u"D", u"-30 to < -20"},
    {-50, u"E", u"-50 to < -30"},
    {-70, u"F", u"-70 to < -50"},
    {std::numeric_limits<int>::min(), u"G", u"< -70"},
}};

} // namespace

double GetLFactor(const TFassadenSatz& satz) {
    const double loss = satz.Airleakage * LeakageFactor * satz.OpeningLightLength;
    return PerWindowArea(satz, loss).value_or(FailedValue);
}

double GetSolarFactor(const TFassadenSatz& satz) {
    if (!satz.IsEnergyRating()) {
        return FailedValue;
    }
    return WindowGValue(satz, 0.01).value_or(FailedValue);
}

double GetUwWER(const TFassadenSatz& satz) {
    return satz.HotBox ? satz.UValueHotBox : satz.ErgebnisUwertGesamt;
}

double GetBFRCRating(const TFassadenSatz& satz) {
    if (!satz.IsEnergyRating()) {
        return FailedValue;
    }
    const double g = RoundTwoDecimals(GetSolarFactor(satz));
    const double u = RoundTwoDecimals(GetUwWER(satz));
    const double l = RoundTwoDecimals(GetLFactor(satz));
    return SolarWeight * g - LossWeight * (u + l);
}

double GetGwWER(const TFassadenSatz& satz) {
    const std::optional<double> gWert = WindowGValue(satz, 1.0);
    return gWert ? RoundTwoDecimals(*gWert) : 0.0;
}

int RatingIndex(double energyIndex) {
    const double rounded = RoundToDecimals(energyIndex, 0);
    if (std::isnan(rounded) || rounded >= NoRatingIndex) {
        return NoRatingIndex;
    }
    constexpr int Lowest = std::numeric_limits<int>::min();
    if (rounded <= Lowest) {
        return Lowest;
    }
    return static_cast<int>(rounded);
}

TRatingBand RatingForIndex(int index) {
    TRatingBand rating;
    rating.Index = index;
    if (index >= NoRatingIndex) {
        return rating;
    }
    for (std::size_t band = 0; band < Bands.size(); ++band) {
        if (index >= Bands[band].Lowest) {
            rating.Band = static_cast<int>(band);
            rating.Letter = QString::fromUtf16(Bands[band].Letter);
            rating.BandText = QString::fromUtf16(Bands[band].Text);
            break;
        }
    }
    return rating;
}

TRatingBand RatingForEnergyIndex(double energyIndex) {
    return RatingForIndex(RatingIndex(energyIndex));
}

} // namespace vitrano
