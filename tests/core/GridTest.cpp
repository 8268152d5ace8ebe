#include "RecordBuilders.h"
#include "core/FassadenSatz.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

constexpr double Exact = 1e-12;

TEST(SetFenstertyp, CreatesTheGridOfEachWindowType) {
    struct Case {
        int typ;
        int spalten;
        int zeilen;
    };
    const Case cases[] = {{1, 1, 1}, {2, 2, 1}, {3, 3, 1}, {4, 1, 2}, {5, 2, 2},
                          {6, 1, 1}, {7, 1, 2}, {8, 2, 1}, {9, 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typ);
        TFassadenSatz satz;
        satz.SetFenstertyp(c.typ);
        EXPECT_EQ(satz.Fenstertyp, c.typ);
        EXPECT_EQ(satz.AnzahlHorizontal, c.spalten);
        EXPECT_EQ(satz.AnzahlVertikal, c.zeilen);
        EXPECT_EQ(satz.Elemente.Count(), c.spalten * c.zeilen);
        EXPECT_NE(satz.GetElement(c.zeilen, c.spalten), nullptr);
    }
}

TEST(SetFenstertyp, OtherCodesEmptyTheGridAndKeepTheCounts) {
    for (int code : {0, 10, 100, 200, 300, -1}) {
        SCOPED_TRACE(code);
        TFassadenSatz satz;
        satz.SetFenstertyp(5);
        satz.SetFenstertyp(code);
        EXPECT_EQ(satz.Fenstertyp, code);
        EXPECT_EQ(satz.Elemente.Count(), 0);
        EXPECT_EQ(satz.AnzahlHorizontal, 2);
        EXPECT_EQ(satz.AnzahlVertikal, 2);
        EXPECT_EQ(satz.GetElement(1, 1), nullptr);
    }
}

TEST(SetzeFensterlaengen, LaysOutTheFieldsOfEachTypeFamily) {
    struct Case {
        int typ;
        double a, b, c;
        double gesamtbreite, gesamthoehe;
        double breite11, hoehe11;         // top-left field
        double breiteLetzte, hoeheLetzte; // bottom-right field
    };
    const Case cases[] = {
        {9, 1.2, 0.8, 0.4, 2.0, 0.4, 1.2, 0.4, 0.8, 0.4},
        {4, 1.0, 1.2, 0.4, 1.0, 1.6, 1.0, 0.4, 1.0, 1.2},
        {5, 1.6, 1.2, 0.4, 1.6, 1.6, 0.8, 0.4, 0.8, 1.2},
        {7, 1.0, 0.9, 0.8, 1.0, 1.7, 1.0, 0.8, 1.0, 0.9},
        {3, 2.4, 1.5, 9.9, 2.4, 1.5, 0.8, 1.5, 0.8, 1.5},
        {8, 1.23, 1.48, 0.0, 1.23, 1.48, 0.615, 1.48, 0.615, 1.48},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typ);
        TFassadenSatz satz;
        satz.SetFenstertyp(c.typ);
        satz.SetzeFensterlaengen(c.a, c.b, c.c, c.typ);
        EXPECT_NEAR(satz.Gesamtbreite, c.gesamtbreite, Exact);
        EXPECT_NEAR(satz.Gesamthoehe, c.gesamthoehe, Exact);
        const TElement* first = satz.GetElement(1, 1);
        const TElement* last = satz.GetElement(satz.AnzahlVertikal, satz.AnzahlHorizontal);
        ASSERT_NE(first, nullptr);
        ASSERT_NE(last, nullptr);
        EXPECT_NEAR(first->Breite(), c.breite11, Exact);
        EXPECT_NEAR(first->Hoehe(), c.hoehe11, Exact);
        EXPECT_NEAR(last->Breite(), c.breiteLetzte, Exact);
        EXPECT_NEAR(last->Hoehe(), c.hoeheLetzte, Exact);
        for (const TElement& element : satz.Elemente) {
            EXPECT_TRUE(element.Visible);
            EXPECT_FALSE(element.Checked);
            EXPECT_EQ(element.Bildname, QStringLiteral("\\bmp\\bild01111.bmp"));
            EXPECT_EQ(element.Rahmen.LaengeAussen.Oben, element.Breite());
            EXPECT_EQ(element.Rahmen.LaengeAussen.Rechts, element.Hoehe());
        }
    }
}

TEST(SetzeFensterlaengen, NonPositiveTypeKeepsTotalsAndDividesThemEvenly) {
    TFassadenSatz satz;
    satz.SetFenstertyp(5);
    satz.Gesamtbreite = 3.0;
    satz.Gesamthoehe = 2.0;
    satz.SetzeFensterlaengen(9.0, 9.0, 9.0, 0);
    for (const TElement& element : satz.Elemente) {
        EXPECT_NEAR(element.Breite(), 1.5, Exact);
        EXPECT_NEAR(element.Hoehe(), 1.0, Exact);
    }
    EXPECT_NEAR(satz.Gesamtbreite, 3.0, Exact);
}

TEST(SetFassadenTyp, GivesEqualFieldsWithTheirOuterLengths) {
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 3, 2, 4.5, 6.0);
    EXPECT_EQ(satz.Fenstertyp, 100);
    EXPECT_EQ(satz.AnzahlHorizontal, 3);
    EXPECT_EQ(satz.AnzahlVertikal, 2);
    ASSERT_EQ(satz.Elemente.Count(), 6);
    for (const TElement& element : satz.Elemente) {
        EXPECT_NEAR(element.Breite(), 1.5, Exact);
        EXPECT_NEAR(element.Hoehe(), 3.0, Exact);
        EXPECT_NEAR(element.Rahmen.LaengeAussen.Unten, 1.5, Exact);
        EXPECT_NEAR(element.Rahmen.LaengeAussen.Links, 3.0, Exact);
    }
}

TEST(GridIndex, PlacesElementsRowByRowAndSetsTheirPositions) {
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 3, 2, 3.0, 2.0);
    for (int zeile = 1; zeile <= 2; ++zeile) {
        for (int spalte = 1; spalte <= 3; ++spalte) {
            TElement* element = satz.GetElement(zeile, spalte);
            ASSERT_EQ(element, &satz.Elemente.GetItem((zeile - 1) * 3 + spalte - 1));
            EXPECT_EQ(element->FZeile, zeile - 1);
            EXPECT_EQ(element->FSpalte, spalte - 1);
        }
    }
}

TEST(GridIndex, OutsideTheGridOrBeyondTheElementsThereIsNoElement) {
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 2, 2, 2.0, 2.0);
    satz.Elemente.Delete(3); // a file holding fewer elements than its grid
    struct Case {
        int zeile;
        int spalte;
        bool found;
    };
    const Case cases[] = {{1, 1, true},  {2, 1, true},  {2, 2, false}, {0, 1, false},
                          {1, 0, false}, {3, 1, false}, {1, 3, false}, {-5, -5, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zeile << "," << c.spalte);
        EXPECT_EQ(satz.GetElement(c.zeile, c.spalte) != nullptr, c.found);
    }
}

TEST(GridIndex, FollowsChangedCountsAndElementsInsteadOfPointingIntoFreedItems) {
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 2, 2, 2.0, 2.0);
    ASSERT_NE(satz.GetElement(2, 2), nullptr);

    satz.Elemente.Clear();
    EXPECT_EQ(satz.GetElement(1, 1), nullptr);

    satz.Elemente.Add();
    satz.Elemente.Add();
    satz.AnzahlHorizontal = 1;
    EXPECT_EQ(satz.GetElement(2, 1), &satz.Elemente.GetItem(1));

    satz.AnzahlHorizontal = 2000000000;
    satz.AnzahlVertikal = 2000000000;
    EXPECT_EQ(satz.GetElement(1, 2), &satz.Elemente.GetItem(1));
    EXPECT_EQ(satz.GetElement(2000000000, 2000000000), nullptr);
    satz.Rechne(); // must neither allocate the whole grid nor read past the elements
    EXPECT_EQ(satz.Gesamtbreite, 0.0);
}

TEST(GetElementZu, FindsTheFieldAtAPointWithInclusiveBorders) {
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 2, 2, 2.0, 3.0); // fields of 1.0 m x 1.5 m
    struct Case {
        double x; // cm
        double y;
        int zeile; // 0: none
        int spalte;
    };
    const Case cases[] = {
        {50, 50, 1, 1},     {100, 50, 1, 1},   {100.01, 50, 1, 2}, {150, 200, 2, 2},
        {0, 0, 1, 1},       {200, 300, 2, 2},  {100, 150, 1, 1},   {-0.01, 50, 0, 0},
        {200.01, 50, 0, 0}, {50, 300.5, 0, 0}, {50, -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        TElement* found = satz.GetElementZu(c.x, c.y);
        if (c.zeile == 0) {
            EXPECT_EQ(found, nullptr);
        } else {
            EXPECT_EQ(found, satz.GetElement(c.zeile, c.spalte));
        }
    }
    const TElement* rechtsUnten = satz.GetElement(2, 2);
    EXPECT_NEAR(rechtsUnten->FKoord.Links, 1.0, Exact);
    EXPECT_NEAR(rechtsUnten->FKoord.Rechts, 2.0, Exact);
    EXPECT_NEAR(rechtsUnten->FKoord.Oben, 1.5, Exact);
    EXPECT_NEAR(rechtsUnten->FKoord.Unten, 3.0, Exact);
}

TEST(GetElementZu, IncompleteGridFindsNothing) {
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 2, 2, 2.0, 2.0);
    satz.Elemente.Delete(3);
    EXPECT_EQ(satz.GetElementZu(50, 50), nullptr);
}

TEST(Selection, CheckedElementsAndRowsColumnsInCollectionOrder) {
    TFassadenSatz satz;
    satz.SetFassadenTyp(100, 3, 2, 3.0, 2.0);
    satz.ElementArrayAufbauen();
    EXPECT_EQ(satz.Elemente.CountChecked(), 0);
    EXPECT_EQ(satz.Elemente.GetFirstChecked(), nullptr);
    EXPECT_EQ(satz.Elemente.GetLastChecked(), nullptr);

    for (int index : {4, 1, 5}) {
        satz.Elemente.GetItem(index).Checked = true;
    }
    EXPECT_EQ(satz.Elemente.CountChecked(), 3);
    const TElementListe checked = satz.Elemente.GetCheckedElements();
    ASSERT_EQ(checked.Count(), 3);
    EXPECT_EQ(checked.Get(0), &satz.Elemente.GetItem(1));
    EXPECT_EQ(checked.Get(2), &satz.Elemente.GetItem(5));
    EXPECT_EQ(satz.Elemente.GetFirstChecked(), &satz.Elemente.GetItem(1));
    EXPECT_EQ(satz.Elemente.GetLastChecked(), &satz.Elemente.GetItem(5));
    EXPECT_THROW(checked.Get(3), EListError);

    const TElementListe topRow = satz.Elemente.ElementeZuZeile(0);
    ASSERT_EQ(topRow.Count(), 3);
    EXPECT_EQ(topRow.Get(0), satz.GetElement(1, 1));
    EXPECT_EQ(topRow.Get(2), satz.GetElement(1, 3));
    const TElementListe lastColumn = satz.Elemente.ElementeZuSpalte(2);
    ASSERT_EQ(lastColumn.Count(), 2);
    EXPECT_EQ(lastColumn.Get(1), satz.GetElement(2, 3));
    EXPECT_EQ(satz.Elemente.ElementeZuZeile(7).Count(), 0);
}

TEST(Resizing, CheckedElementsGetTheNewSizeAndAreRecalculated) {
    TFassadenSatz satz = test::Facade(2, 1, 2.0, 1.0, test::FrameValues{0.05, 1.5, 0.1}, 1.0);
    TElement& resized = satz.Elemente.GetItem(0);
    const TElement& untouched = satz.Elemente.GetItem(1);
    resized.Checked = true;

    satz.Elemente.BreiteAendern(1.4);
    EXPECT_NEAR(resized.Breite(), 1.4, Exact);
    EXPECT_NEAR(resized.Rahmen.LaengeAussen.Unten, 1.4, Exact);
    EXPECT_NEAR(resized.Rahmen.LaengeInnen.Oben, 1.3, Exact);
    EXPECT_NEAR(resized.FlaecheElement, 1.4, Exact);
    EXPECT_NEAR(untouched.Breite(), 1.0, Exact);
    EXPECT_NEAR(satz.Gesamtbreite, 2.0, Exact); // the caller recalculates the totals

    satz.Elemente.HoeheAendern(0.8);
    EXPECT_NEAR(resized.Rahmen.LaengeInnen.Rechts, 0.7, Exact);
    EXPECT_NEAR(resized.FlaecheElement, 1.4 * 0.8, Exact);
    EXPECT_NEAR(resized.Rahmen.FUWert, 1.5 + 0.0, Exact);
    EXPECT_NEAR(untouched.Hoehe(), 1.0, Exact);
}

} // namespace
} // namespace vitrano
