#include "rating/EnergyRating.h"

#include "../core/RecordBuilders.h"
#include "core/FassadenSatz.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace vitrano {
namespace {

using test::SetAllSides;

constexpr double Exact = 1e-12;
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

double EnergyIndex(double g, double u, double l) {
    return 218.6 * g - 68.5 * (u + l);
}

// A rated single-sash window of 1.23 m x 1.48 m: frame sides 0.115 m, head and sill 0.14 m, so the
// glass is 1.00 m x 1.20 m; gaskets of 10 mm at head and sill cover 0.02 m², leaving 1.18 m².
// Uf 1.3, Ug 1.1 and an edge psi of 0.096 give Uw 1.4002; the g-value is 63 %.
TFassadenSatz RatedWindow() {
    TFassadenSatz satz;
    satz.WindowEnergyType = QStringLiteral("wer");
    satz.SetFenstertyp(1);
    TElement& element = satz.Elemente.GetItem(0);
    TRahmen& rahmen = element.Rahmen;
    rahmen.Rahmenbreite.Oben = 0.14;
    rahmen.Rahmenbreite.Unten = 0.14;
    rahmen.Rahmenbreite.Links = 0.115;
    rahmen.Rahmenbreite.Rechts = 0.115;
    SetAllSides(rahmen.UWerte, 1.3);
    SetAllSides(rahmen.PSIInnen, 0.096);
    rahmen.DichtungsUberstand.Oben = 10.0;
    rahmen.DichtungsUberstand.Unten = 10.0;
    element.Fuellung.UWert = 1.1;
    element.Fuellung.GWert = 63.0;
    satz.SetzeFensterlaengen(1.23, 1.48, 0.0, 1);
    satz.Rechne();
    return satz;
}

TEST(EnergyRating, WorkedExampleGivesIndexMinus15AndC) {
    const TFassadenSatz satz = RatedWindow();
    ASSERT_NEAR(satz.ErgebnisFlaecheGesamt, 1.8204, Exact);
    ASSERT_NEAR(satz.GlasFlaecheOhneDichtung(), 1.18, Exact);
    ASSERT_NEAR(satz.ErgebnisUwertGesamt, 1.4002, 1e-4);

    EXPECT_NEAR(GetUwWER(satz), satz.ErgebnisUwertGesamt, Exact);
    EXPECT_NEAR(GetLFactor(satz), 0.1 * 0.0165 * 4.19 / 1.8204, Exact);
    EXPECT_NEAR(GetSolarFactor(satz), 0.63 * 0.9 * 1.18 / 1.8204, Exact);
    EXPECT_DOUBLE_EQ(GetGwWER(satz), 36.75);
    EXPECT_NEAR(GetBFRCRating(satz), -15.018, 1e-9);

    const TRatingBand rating = RatingForEnergyIndex(GetBFRCRating(satz));
    EXPECT_EQ(rating.Index, -15);
    EXPECT_EQ(rating.Letter, QStringLiteral("C"));
    EXPECT_EQ(rating.BandText, QStringLiteral("-20 to < -10"));
    EXPECT_EQ(rating.Band, 2);
}

TEST(EnergyRating, SolarFactorLeavesOutTheGasketCoveredGlass) {
    TFassadenSatz satz = RatedWindow();
    SetAllSides(satz.Elemente.GetItem(0).Rahmen.DichtungsUberstand, 0.0);
    satz.Rechne();
    EXPECT_NEAR(GetSolarFactor(satz), 0.63 * 0.9 * 1.2 / 1.8204, Exact);
    EXPECT_DOUBLE_EQ(GetGwWER(satz), 37.38);
}

// g, U and L are each rounded to two decimals, halves away from zero, before they enter the index.
TEST(EnergyRating, RoundsEachInputToTwoDecimalsFirst) {
    struct Case {
        double gWert;      // per cent
        double airleakage; // L = airleakage * 0.037978...
        double hotBoxU;
        double g;
        double u;
        double l;
    };
    const std::vector<Case> cases{
        {63.0, 0.1, 1.404, 0.37, 1.40, 0.00},
        {63.0, 0.1, 1.005, 0.37, 1.01, 0.00}, // both doubles lie just below the half
        {63.0, 0.1, 1.015, 0.37, 1.02, 0.00},
        {63.0, 0.1, 1.3949, 0.37, 1.39, 0.00},
        {63.0, 0.33, 1.4, 0.37, 1.40, 0.01}, // L 0.01253
        {63.0, 0.4, 1.4, 0.37, 1.40, 0.02},  // L 0.01519
        {62.5, 0.1, 1.4, 0.36, 1.40, 0.00},  // g 0.36462
        {65.0, 0.1, 1.4, 0.38, 1.40, 0.00},  // g 0.37920
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "g " << c.gWert << " %, L50 " << c.airleakage << ", U " << c.hotBoxU);
        TFassadenSatz satz = RatedWindow();
        satz.Elemente.GetItem(0).Fuellung.GWert = c.gWert;
        satz.Airleakage = c.airleakage;
        satz.HotBox = true;
        satz.UValueHotBox = c.hotBoxU;
        EXPECT_NEAR(GetBFRCRating(satz), EnergyIndex(c.g, c.u, c.l), 1e-9);
    }
}

TEST(EnergyRating, HotBoxValueReplacesTheComputedUw) {
    TFassadenSatz satz = RatedWindow();
    satz.HotBox = true;
    satz.UValueHotBox = 1.2;
    EXPECT_EQ(GetUwWER(satz), 1.2);
    EXPECT_NEAR(GetBFRCRating(satz), EnergyIndex(0.37, 1.2, 0.0), 1e-9);

    satz.HotBox = false;
    EXPECT_EQ(GetUwWER(satz), satz.ErgebnisUwertGesamt);
    EXPECT_NEAR(GetBFRCRating(satz), EnergyIndex(0.37, 1.40, 0.0), 1e-9);
}

TEST(EnergyRating, OnlyLowerCaseWerIsRated) {
    for (const char* type : {"WER", "Wer", "", "wer "}) {
        SCOPED_TRACE(type);
        TFassadenSatz satz = RatedWindow();
        satz.WindowEnergyType = QString::fromLatin1(type);
        EXPECT_EQ(GetSolarFactor(satz), 1.0);
        EXPECT_EQ(GetBFRCRating(satz), 1.0);
        // These two do not look at the kind of record.
        EXPECT_NEAR(GetLFactor(satz), 0.1 * 0.0165 * 4.19 / 1.8204, Exact);
        EXPECT_DOUBLE_EQ(GetGwWER(satz), 36.75);
    }
}

// A window area at or below 1e-4 m² counts as zero; like a value that is not a number it makes
// the L-factor and the solar factor 1 and the g-value 0.
TEST(EnergyRating, FailedCalculationGivesTheFallbackValues) {
    struct Case {
        const char* name;
        std::function<void(TFassadenSatz&)> change;
    };
    const std::vector<Case> cases{
        {"window of zero width",
         [](TFassadenSatz& satz) {
             satz.SetzeFensterlaengen(0.0, 1.48, 0.0, 1);
             satz.Rechne();
         }},
        {"area at the threshold", [](TFassadenSatz& satz) { satz.ErgebnisFlaecheGesamt = 1e-4; }},
        {"negative area", [](TFassadenSatz& satz) { satz.ErgebnisFlaecheGesamt = -1.0; }},
        {"area not a number", [](TFassadenSatz& satz) { satz.ErgebnisFlaecheGesamt = NaN; }},
        {"infinite inputs",
         [](TFassadenSatz& satz) {
             satz.OpeningLightLength = Inf;
             satz.Elemente.GetItem(0).Fuellung.GWert = Inf;
         }},
        {"inputs not a number",
         [](TFassadenSatz& satz) {
             satz.Airleakage = NaN;
             satz.Elemente.GetItem(0).Fuellung.GWert = NaN;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFassadenSatz satz = RatedWindow();
        c.change(satz);
        EXPECT_EQ(GetLFactor(satz), 1.0);
        EXPECT_EQ(GetSolarFactor(satz), 1.0);
        EXPECT_EQ(GetGwWER(satz), 0.0);
    }
}

TEST(EnergyRating, AreaJustAboveTheThresholdIsDividedBy) {
    TFassadenSatz satz = RatedWindow();
    satz.ErgebnisFlaecheGesamt = 2e-4;
    EXPECT_NEAR(GetLFactor(satz), 0.1 * 0.0165 * 4.19 / 2e-4, 1e-9);
}

TEST(EnergyRating, RecordWithoutElementsHasNoSolarFactor) {
    TFassadenSatz satz;
    satz.WindowEnergyType = QStringLiteral("wer");
    satz.ErgebnisFlaecheGesamt = 1.8204;
    EXPECT_EQ(GetSolarFactor(satz), 1.0);
    EXPECT_EQ(GetGwWER(satz), 0.0);
    EXPECT_NEAR(GetBFRCRating(satz), EnergyIndex(1.0, 0.0, 0.0), 1e-9);
}

TEST(RatingBand, IndexRoundsHalvesAwayAndPicksTheBand) {
    struct Case {
        double energyIndex;
        int index;
        const char* letter;
        const char* bandText;
        int band;
    };
    constexpr int Lowest = std::numeric_limits<int>::min();
    const std::vector<Case> cases{
        {0.0, 0, "A", ">= 0", 0},
        {-0.4, 0, "A", ">= 0", 0},
        {-0.5, -1, "B", "-10 to < 0", 1},
        {-10.0, -10, "B", "-10 to < 0", 1},
        {-10.4, -10, "B", "-10 to < 0", 1},
        {-10.5, -11, "C", "-20 to < -10", 2},
        {-20.0, -20, "C", "-20 to < -10", 2},
        {-21.0, -21, "D", "-30 to < -20", 3},
        {-30.0, -30, "D", "-30 to < -20", 3},
        {-31.0, -31, "E", "-50 to < -30", 4},
        {-50.0, -50, "E", "-50 to < -30", 4},
        {-51.0, -51, "F", "-70 to < -50", 5},
        {-70.0, -70, "F", "-70 to < -50", 5},
        {-70.5, -71, "G", "< -70", 6},
        {-71.0, -71, "G", "< -70", 6},
        {-1e12, Lowest, "G", "< -70", 6},
        {-Inf, Lowest, "G", "< -70", 6},
        {12.5, 13, "A", ">= 0", 0},
        {499999.4, 499999, "A", ">= 0", 0},
        {499999.5, NoRatingIndex, "", "", -1},
        {500000.0, NoRatingIndex, "", "", -1},
        {1e12, NoRatingIndex, "", "", -1},
        {Inf, NoRatingIndex, "", "", -1},
        {NaN, NoRatingIndex, "", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "EI " << c.energyIndex);
        const TRatingBand rating = RatingForEnergyIndex(c.energyIndex);
        EXPECT_EQ(RatingIndex(c.energyIndex), c.index);
        EXPECT_EQ(rating.Index, c.index);
        EXPECT_EQ(rating.Letter, QString::fromLatin1(c.letter));
        EXPECT_EQ(rating.BandText, QString::fromLatin1(c.bandText));
        EXPECT_EQ(rating.Band, c.band);
    }
}

TEST(RatingBand, IndicesAboveTheStartValueAreNotRated) {
    for (int index : {NoRatingIndex, NoRatingIndex + 1, std::numeric_limits<int>::max()}) {
        SCOPED_TRACE(index);
        const TRatingBand rating = RatingForIndex(index);
        EXPECT_EQ(rating.Index, index);
        EXPECT_TRUE(rating.Letter.isEmpty());
        EXPECT_EQ(rating.Band, -1);
    }
    EXPECT_EQ(RatingForIndex(NoRatingIndex - 1).Letter, QStringLiteral("A"));
}

} // namespace
} // namespace vitrano
