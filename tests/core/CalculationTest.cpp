#include "RecordBuilders.h"
#include "core/FassadenSatz.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vitrano {
namespace {

using test::FrameValues;
using test::SingleSashWindow;

constexpr double Exact = 1e-12;

TEST(WorkedExample, SingleSashWindowGivesUw130743) {
    TFassadenSatz satz = SingleSashWindow(1.23, 1.48);
    const TElement& element = satz.Elemente.GetItem(0);
    const TRahmen& rahmen = element.Rahmen;

    EXPECT_NEAR(rahmen.LaengeInnen.Oben, 1.03, Exact);
    EXPECT_NEAR(rahmen.LaengeInnen.Unten, 1.03, Exact);
    EXPECT_NEAR(rahmen.LaengeInnen.Links, 1.28, Exact);
    EXPECT_NEAR(rahmen.LaengeInnen.Rechts, 1.28, Exact);
    EXPECT_NEAR(element.Glaskantenlaenge(), 4.62, Exact);
    EXPECT_NEAR(rahmen.FLaeche.Oben, 0.103, Exact);
    EXPECT_NEAR(rahmen.FLaeche.Links, 0.148, Exact);
    EXPECT_NEAR(rahmen.FGesamtRahmenflaeche, 0.502, Exact);
    EXPECT_NEAR(rahmen.FUWert, 1.3, Exact);
    EXPECT_NEAR(element.FlaecheElement, 1.8204, Exact);
    EXPECT_NEAR(element.FlaecheFuellung, 1.3184, Exact);
    EXPECT_NEAR(element.GetGesamtPSI(), 0.2772, Exact);
    EXPECT_NEAR(element.Uwert, 1.30743, 1e-5);

    EXPECT_NEAR(satz.Gesamtbreite, 1.23, Exact);
    EXPECT_NEAR(satz.Gesamthoehe, 1.48, Exact);
    EXPECT_NEAR(satz.ErgebnisFlaecheGesamt, 1.8204, Exact);
    EXPECT_NEAR(satz.ErgebnisUwertGesamt, 1.30743, 1e-5);
    EXPECT_NEAR(satz.ErgebnisProzentRahmen, 27.576, 1e-3);
    EXPECT_NEAR(satz.ErgebnisFlaecheRahmen, 0.502, Exact);
    EXPECT_DOUBLE_EQ(satz.ErgebnisFlaecheGlase, 1.3184);
    EXPECT_NEAR(satz.ErgebnisUGlas, 1.1, Exact);
    EXPECT_NEAR(satz.ErgebnisURahmen, 1.3, Exact);
    EXPECT_NEAR(satz.ErgebnisGlasrandlaenge, 4.62, Exact);
    EXPECT_EQ(satz.ErgebnisSprossenlaenge, 0.0);
}

TEST(WorkedExample, GasketAreasCountCornersOnce) {
    TFassadenSatz satz = SingleSashWindow(1.23, 1.48);
    test::SetAllSides(satz.Elemente.GetItem(0).Rahmen.DichtungsUberstand, 5.0);
    satz.Rechne();
    const TRahmen& rahmen = satz.Elemente.GetItem(0).Rahmen;

    EXPECT_NEAR(rahmen.FLaecheDichtung.Oben, 0.00515, Exact);
    EXPECT_NEAR(rahmen.FLaecheDichtung.Unten, 0.00515, Exact);
    EXPECT_NEAR(rahmen.FLaecheDichtung.Links, 0.0064, Exact);
    EXPECT_NEAR(rahmen.FLaecheDichtung.Rechts, 0.0064, Exact);
    EXPECT_NEAR(rahmen.FGesamtDichtungsFlaeche, 0.023, Exact);
    EXPECT_DOUBLE_EQ(satz.Dichtungsflaeche(), 0.023);
    EXPECT_DOUBLE_EQ(satz.GlasFlaecheOhneDichtung(), 1.3184 - 0.023);
}

TEST(ElementCalculation, ZeroFrameWidthsLeaveInfillAndPsiOnly) {
    TFassadenSatz satz = SingleSashWindow(1.0, 2.0, FrameValues{0.0, 1.3, 0.05}, 0.7);
    const TElement& element = satz.Elemente.GetItem(0);
    EXPECT_EQ(element.Rahmen.FGesamtRahmenflaeche, 0.0);
    EXPECT_EQ(element.Rahmen.FUWert, 0.0);
    const double psiTerm = 0.05 * (1.0 + 1.0 + 2.0 + 2.0);
    EXPECT_NEAR(element.Uwert, (2.0 * 0.7 + psiTerm) / 2.0, Exact);
    EXPECT_EQ(satz.ErgebnisURahmen, 0.0);
}

TEST(ElementCalculation, ZeroSizedElementGetsZeroWithoutDivision) {
    struct Case {
        double breite;
        double hoehe;
    };
    for (const Case& c : {Case{0.0, 1.0}, Case{1.0, 0.0}, Case{0.005, 0.01}}) {
        SCOPED_TRACE(testing::Message() << c.breite << " x " << c.hoehe);
        TFassadenSatz satz = SingleSashWindow(c.breite, c.hoehe, FrameValues{0.0, 1.3, 0.06});
        EXPECT_EQ(satz.Elemente.GetItem(0).Uwert, 0.0);
        EXPECT_EQ(satz.ErgebnisUwertGesamt, 0.0);
        EXPECT_EQ(satz.ErgebnisProzentRahmen, 0.0);
        EXPECT_TRUE(std::isfinite(satz.ErgebnisUGlas));
    }
}

TEST(RecordCalculation, RecordWithoutElementsGivesZeroResults) {
    TFassadenSatz satz;
    satz.ErgebnisUwertGesamt = 9.0;
    satz.Rechne();
    for (double result :
         {satz.Gesamtbreite, satz.Gesamthoehe, satz.ErgebnisFlaecheGesamt,
          satz.ErgebnisFlaecheRahmen, satz.ErgebnisFlaecheGlase, satz.ErgebnisUwertGesamt,
          satz.ErgebnisUGlas, satz.ErgebnisURahmen, satz.ErgebnisProzentRahmen,
          satz.ErgebnisGlasrandlaenge, satz.ErgebnisSprossenlaenge}) {
        EXPECT_EQ(result, 0.0);
    }
}

TEST(ElementCalculation, GlazingBarLengthByDivisionAndType) {
    // Inner width 1.03 m, inner height 1.28 m.
    const double w = 1.03;
    const double h = 1.28;
    struct Case {
        int aufteilung;
        int typ;
        double laenge;
    };
    const Case cases[] = {
        {0, 1, 0.0},
        {1, 1, w},
        {2, 1, 2 * w},
        {3, 1, w + h},
        {4, 1, 2 * w + h},
        {5, 2, 3 * w + h},
        {6, 1, 0.0},
        {-1, 3, 0.0},
        {1, 3, 2 * w},
        {3, 3, 2 * (w + h)},
        {5, 3, 2 * (3 * w + h)},
        {3, 4, w + h},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "division " << c.aufteilung << ", type " << c.typ);
        TFassadenSatz satz = SingleSashWindow(1.23, 1.48);
        TElement& element = satz.Elemente.GetItem(0);
        element.Sprossenaufteilung = c.aufteilung;
        element.Sprossentyp = c.typ;
        element.SprossenPSI = 0.04;
        satz.Rechne();
        EXPECT_NEAR(element.SprossenLaenge, c.laenge, Exact);
        EXPECT_NEAR(satz.ErgebnisSprossenlaenge, c.laenge, Exact);
        EXPECT_NEAR(element.GetGesamtPSI(), 0.2772 + 0.04 * c.laenge, Exact);
        EXPECT_NEAR(element.Uwert, (0.502 * 1.3 + 1.3184 * 1.1 + 0.2772 + 0.04 * c.laenge) / 1.8204,
                    Exact);
    }
}

TEST(RecordCalculation, ScrewFixingSurchargeOnlyForComponentMethod) {
    struct Case {
        int fenstertyp;
        bool surcharged;
    };
    for (const Case& c :
         {Case{100, true}, Case{200, false}, Case{300, false}, Case{1, false}, Case{8, false}}) {
        SCOPED_TRACE(c.fenstertyp);
        TFassadenSatz satz =
            test::Facade(2, 2, 3.0, 4.0, FrameValues{0.05, 1.5, 0.1}, 0.9, c.fenstertyp);
        satz.VerschraubungDeltaU = 0.3;
        satz.Rechne();
        const double expectedUf = c.surcharged ? 1.8 : 1.5;
        for (const TElement& element : satz.Elemente) {
            EXPECT_NEAR(element.Rahmen.FUWert, expectedUf, Exact);
        }
        EXPECT_NEAR(satz.ErgebnisURahmen, expectedUf, Exact);
    }
}

TEST(RecordCalculation, InfillAreaIsRoundedAndGlassUValueDividesByRoundedArea) {
    // Two frameless elements whose infill areas add up to 1.23456 m².
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 2, 1, 2.0, 1.0);
    satz.Elemente.GetItem(0).SetBreite(1.0);
    satz.Elemente.GetItem(1).SetBreite(0.23456);
    satz.Elemente.GetItem(0).Fuellung.UWert = 1.0;
    satz.Elemente.GetItem(1).Fuellung.UWert = 1.0;
    satz.Rechne();

    EXPECT_DOUBLE_EQ(satz.ErgebnisFlaecheGlase, 1.2346);
    EXPECT_DOUBLE_EQ(satz.ErgebnisUGlas, 1.23456 / 1.2346);
    EXPECT_NEAR(satz.ErgebnisUwertGesamt, 1.0, Exact);
}

TEST(RecordCalculation, NegativeInnerLengthsAreAppliedAsTheyStand) {
    TFassadenSatz satz = SingleSashWindow(0.15, 0.15);
    const TRahmen& rahmen = satz.Elemente.GetItem(0).Rahmen;
    EXPECT_NEAR(rahmen.LaengeInnen.Oben, -0.05, Exact);
    EXPECT_NEAR(rahmen.LaengeInnen.Links, -0.05, Exact);
    EXPECT_NEAR(rahmen.FLaeche.Oben, -0.005, Exact);
    EXPECT_NEAR(rahmen.FLaeche.Links, 0.015, Exact);
    EXPECT_NEAR(rahmen.FGesamtRahmenflaeche, 0.02, Exact);
    const TElement& element = satz.Elemente.GetItem(0);
    EXPECT_NEAR(element.FlaecheFuellung, 0.0225 - 0.02, Exact);
    EXPECT_NEAR(element.Uwert, (0.02 * 1.3 + 0.0025 * 1.1 + 0.06 * (-0.05 * 4)) / 0.0225, Exact);
}

TEST(RecordCalculation, ElementsMissingFromTheGridGiveZeroTotalsButAreCalculated) {
    TFassadenSatz satz = test::Facade(2, 1, 2.0, 1.0);
    satz.AnzahlHorizontal = 3; // the file claims a third column it does not hold
    satz.Rechne();
    EXPECT_EQ(satz.Gesamtbreite, 0.0);
    EXPECT_NEAR(satz.Gesamthoehe, 1.0, Exact);
    EXPECT_EQ(satz.ErgebnisFlaecheGesamt, 0.0);
    EXPECT_GT(satz.ErgebnisUwertGesamt, 0.0);
    EXPECT_GT(satz.Elemente.GetItem(1).Uwert, 0.0);
}

TEST(RecordCalculation, OverflowingElementKeepsItsPreviousValueAndResultsStayFinite) {
    TFassadenSatz satz = test::Facade(2, 1, 2.0, 1.0);
    const double previous = satz.Elemente.GetItem(1).Uwert;
    satz.Elemente.GetItem(1).SetBreite(1e300);
    satz.Elemente.GetItem(1).SetHoehe(1e300);
    satz.Rechne();
    EXPECT_EQ(satz.Elemente.GetItem(1).Uwert, previous);
    for (double result : {satz.ErgebnisFlaecheGesamt, satz.ErgebnisUwertGesamt,
                          satz.ErgebnisFlaecheGlase, satz.ErgebnisProzentRahmen}) {
        EXPECT_TRUE(std::isfinite(result));
    }
}

TEST(RecordCalculation, TotalAreaUsesFirstRowAndColumnWhileUValueUsesElementAreas) {
    // An irregular grid: the second row is narrower than the first.
    TFassadenSatz satz = test::Facade(2, 2, 2.0, 2.0, FrameValues{0.0, 1.0, 0.0}, 1.0);
    satz.Elemente.GetItem(2).SetBreite(0.5);
    satz.Rechne();
    EXPECT_NEAR(satz.ErgebnisFlaecheGesamt, 4.0, Exact);
    EXPECT_NEAR(satz.Elemente.GetGesamtFlaeche(), 3.5, Exact);
    EXPECT_NEAR(satz.ErgebnisUwertGesamt, 1.0, Exact);
}

} // namespace
} // namespace vitrano
