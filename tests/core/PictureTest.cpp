#include "RecordBuilders.h"
#include "core/FassadenSatz.h"
#include "core/FenstertypBild.h"
#include "core/PictureColours.h"
#include "core/PictureDrawing.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace vitrano {
namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
// The standard glass colour 16434539 is 0xFAC56B.
const QRgb Glass = qRgb(107, 197, 250);

// Every test starts and ends with the start colours.
class PictureTest : public testing::Test {
protected:
    void SetUp() override { ResetPictureColours(); }
    void TearDown() override { ResetPictureColours(); }
};

TElement Element(double breite, double hoehe) {
    TElement element;
    element.SetBreite(breite);
    element.SetHoehe(hoehe);
    return element;
}

// Number of pixels of the given colour from an edge inwards along a line.
int RunFromTop(const QImage& bild, int x, QRgb farbe) {
    int n = 0;
    while (n < bild.height() && bild.pixel(x, n) == farbe) {
        ++n;
    }
    return n;
}

int RunFromBottom(const QImage& bild, int x, QRgb farbe) {
    int n = 0;
    while (n < bild.height() && bild.pixel(x, bild.height() - 1 - n) == farbe) {
        ++n;
    }
    return n;
}

int RunFromLeft(const QImage& bild, int y, QRgb farbe) {
    int n = 0;
    while (n < bild.width() && bild.pixel(n, y) == farbe) {
        ++n;
    }
    return n;
}

int RunFromRight(const QImage& bild, int y, QRgb farbe) {
    int n = 0;
    while (n < bild.width() && bild.pixel(bild.width() - 1 - n, y) == farbe) {
        ++n;
    }
    return n;
}

TEST(Pixel, RoundsCentimetresAndKeepsMethod300FieldsApart) {
    struct Case {
        double laenge;
        bool flag;
        int typ;
        int expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Case> cases = {
        {1.235, false, 1, 124}, {1.234, false, 1, 123}, {0.0249, false, 100, 2},
        {0.0, true, 100, 0},    {0.0, false, 300, 1},   {0.0, true, 300, 2},
        {0.004, true, 300, 2},  {0.005, true, 300, 1},  {0.1, true, 300, 10},
        {-0.3, false, 1, -30},  {-0.3, true, 300, 2},   {nan, false, 1, 1},
        {1e300, false, 100, 1}, {-1e300, true, 300, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.laenge << " flag " << c.flag << " type " << c.typ);
        EXPECT_EQ(Pixel(c.laenge, c.flag, c.typ), c.expected);
    }
}

TEST_F(PictureTest, ElementPictureIsTwoPixelsPerRoundedCentimetre) {
    struct Case {
        double breite, hoehe;
        int typ;
        int w, h;
    };
    const std::vector<Case> cases = {
        {1.235, 1.234, 1, 248, 246},
        {1.234, 1.235, 100, 246, 248},
        {0.0, 0.6, 300, 2, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.breite << " x " << c.hoehe);
        TElement element = Element(c.breite, c.hoehe);
        element.BildGenerieren(c.typ);
        EXPECT_EQ(element.FBild.width(), c.w);
        EXPECT_EQ(element.FBild.height(), c.h);
    }
}

TEST_F(PictureTest, AnElementWithoutSizeHasNoPicture) {
    for (double breite : {0.0, -1.0, 1e6}) {
        SCOPED_TRACE(breite);
        TElement element = Element(breite, 1.0);
        element.BildGenerieren(1);
        EXPECT_TRUE(element.FBild.isNull());
    }
}

TEST_F(PictureTest, FrameBandsFollowTheFrameWidths) {
    struct Case {
        const char* name;
        int typ;
        TRealQuadrupel breite; // Oben, Unten, Links, Rechts
        int oben, unten, links, rechts;
        QRgb farbe;
    };
    const QRgb frame = qRgb(0x11, 0x22, 0x33);
    const std::vector<Case> cases = {
        {"no frame", 1, {0, 0, 0, 0}, 0, 0, 0, 0, frame},
        {"method 300 without frame", 300, {0, 0, 0, 0}, 4, 4, 2, 2, White},
        {"rounded widths", 100, {0.05, 0.1, 0.0, 0.025}, 10, 20, 0, 6, frame},
        {"method 300 with frame", 300, {0.05, 0.0, 0.03, 0.0}, 10, 4, 6, 2, White},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureColours().FrameColour = 0x332211;
        TElement element = Element(1.0, 1.5);
        element.Rahmen.Rahmenbreite = c.breite;
        element.BildGenerieren(c.typ);
        const QImage& bild = element.FBild;
        ASSERT_EQ(bild.size(), QSize(200, 300));
        EXPECT_EQ(RunFromTop(bild, 100, c.farbe), c.oben);
        EXPECT_EQ(RunFromBottom(bild, 100, c.farbe), c.unten);
        EXPECT_EQ(RunFromLeft(bild, 150, c.farbe), c.links);
        EXPECT_EQ(RunFromRight(bild, 150, c.farbe), c.rechts);
        // The infill shows inside the bands, and the white of method 300
        // does not stay behind in the process-wide frame colour.
        EXPECT_EQ(bild.pixel(100, 150), Glass);
        EXPECT_EQ(PictureColours().FrameColour, 0x332211U);
    }
}

TEST_F(PictureTest, FillColourFollowsTheMarksWithManualFirst) {
    struct Case {
        const char* name;
        bool manuell, zeile, spalte, element;
        QRgb expected;
    };
    const std::vector<Case> cases = {
        {"no mark", false, false, false, false, Glass},
        {"other infill", false, false, false, true, qRgb(0x80, 0, 0x80)},
        {"column before infill", false, false, true, true, qRgb(0, 0x80, 0)},
        {"row before column", false, true, true, true, qRgb(0xFF, 0xFF, 0)},
        {"manual before row", true, true, false, false, qRgb(0xFF, 0xFF, 0xE1)},
        {"manual alone", true, false, false, false, qRgb(0xFF, 0xFF, 0xE1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TElement element = Element(0.5, 0.5);
        element.ManuellZeichnen = c.manuell;
        element.ZeileZeichnen = c.zeile;
        element.SpalteZeichnen = c.spalte;
        element.ElementZeichnen = c.element;
        element.BildGenerieren(1);
        EXPECT_EQ(element.FBild.pixel(0, 0), c.expected);
        EXPECT_EQ(element.FBild.pixel(99, 99), c.expected);
    }
}

TEST_F(PictureTest, FillColoursAreTheCurrentProcessWideOnes) {
    PictureColours().RowFillColour = 0x123456;
    TElement element = Element(0.5, 0.5);
    element.ZeileZeichnen = true;
    element.BildGenerieren(1);
    EXPECT_EQ(element.FBild.pixel(50, 50), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(FromQColor(QColor(0x56, 0x34, 0x12)), 0x123456U);
}

TEST_F(PictureTest, GlazingBarsAreTwoPixelLinesAtCutPositions) {
    struct Case {
        int aufteilung;
        std::set<int> zeilen;  // rows covered by horizontal bars
        std::set<int> spalten; // columns covered by vertical bars
    };
    // The picture is 200 x 302: H/3 = 100, 2H/3 = 201, H/4 = 75, 3H/4 = 226.
    const std::vector<Case> cases = {
        {0, {}, {}},
        {1, {150, 151}, {}},
        {2, {99, 100, 200, 201}, {}},
        {3, {150, 151}, {99, 100}},
        {4, {99, 100, 200, 201}, {99, 100}},
        {5, {74, 75, 150, 151, 225, 226}, {99, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.aufteilung);
        TElement element = Element(1.0, 1.51);
        element.Sprossenaufteilung = c.aufteilung;
        element.BildGenerieren(1);
        const QImage& bild = element.FBild;
        std::set<int> zeilen;
        for (int y = 0; y < bild.height(); ++y) {
            if (bild.pixel(30, y) == Black) {
                zeilen.insert(y);
            }
        }
        std::set<int> spalten;
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, 30) == Black) {
                spalten.insert(x);
            }
        }
        EXPECT_EQ(zeilen, c.zeilen);
        EXPECT_EQ(spalten, c.spalten);
    }
}

TEST_F(PictureTest, GlazingBarsLieUnderTheFrameBands) {
    PictureColours().FrameColour = 0x0000FF;
    TElement element = Element(1.0, 1.0);
    element.Sprossenaufteilung = 3;
    element.Rahmen.Rahmenbreite = {0.05, 0.05, 0.05, 0.05};
    element.BildGenerieren(1);
    EXPECT_EQ(element.FBild.pixel(0, 100), qRgb(255, 0, 0));
    EXPECT_EQ(element.FBild.pixel(100, 5), qRgb(255, 0, 0));
    EXPECT_EQ(element.FBild.pixel(50, 100), Black);
}

TEST_F(PictureTest, OpeningSymbolsDrawTheirLines) {
    // A 400 x 200 picture. Each probe lies on exactly one of the possible
    // lines where that line passes a pixel centre, so it takes the full
    // frame colour there.
    enum Linie { L1, L2, R1, R2, O1, O2, Diagonale };
    const std::map<Linie, QPoint> probe = {
        {L1, {100, 25}},  {L2, {100, 175}}, {R1, {100, 75}},        {R2, {100, 125}},
        {O1, {100, 100}}, {O2, {300, 100}}, {Diagonale, {100, 50}},
    };
    struct Case {
        bool sonderbauteil;
        QString oeffnung;
        std::set<Linie> linien;
    };
    const std::vector<Case> cases = {
        {true, "l", {L1, L2}},          {true, "r", {R1, R2}},
        {true, "o", {O1, O2}},          {true, "lo", {O1, O2, L1, L2}},
        {true, "ro", {O1, O2, R1, R2}}, {true, "", {Diagonale}},
        {true, "RO", {Diagonale}},      {false, "ro", {}},
    };
    const QRgb frame = qRgb(0x20, 0x10, 0x00);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.sonderbauteil << " '" << c.oeffnung.toStdString() << "'");
        PictureColours().FrameColour = 0x001020;
        TElement element = Element(2.0, 1.0);
        element.Sonderbauteil = c.sonderbauteil;
        element.SonderOeffnung = c.oeffnung;
        element.BildGenerieren(100);
        for (const auto& [linie, punkt] : probe) {
            SCOPED_TRACE(linie);
            const QRgb expected = c.linien.count(linie) != 0 ? frame : Glass;
            EXPECT_EQ(element.FBild.pixel(punkt), expected);
        }
    }
}

TEST_F(PictureTest, OpeningLinesOfMethod300AreWhite) {
    TElement element = Element(2.0, 1.0);
    element.Sonderbauteil = true;
    element.BildGenerieren(300);
    EXPECT_EQ(element.FBild.pixel(100, 50), White);
}

// The pixels that differ from white, with their grey level.
std::map<std::pair<int, int>, int> Painted(const QImage& bild) {
    std::map<std::pair<int, int>, int> painted;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb pixel = bild.pixel(x, y);
            if (pixel != White) {
                painted[{x, y}] = qRed(pixel);
            }
        }
    }
    return painted;
}

TEST(LinieGlatt, PlotsOnePointPerStepAndBlendsAcross) {
    struct Case {
        const char* name;
        QPoint a, b;
        std::map<std::pair<int, int>, int> expected;
    };
    const std::vector<Case> cases = {
        {"forward leaves out a, ends on b",
         {1, 1},
         {5, 3},
         {{{2, 1}, 128}, {{2, 2}, 128}, {{3, 2}, 0}, {{4, 2}, 128}, {{4, 3}, 128}, {{5, 3}, 0}}},
        {"backward starts on a, leaves out b",
         {5, 1},
         {1, 3},
         {{{5, 1}, 0}, {{4, 1}, 128}, {{4, 2}, 128}, {{3, 2}, 0}, {{2, 2}, 128}, {{2, 3}, 128}}},
        {"equal differences step vertically",
         {0, 0},
         {3, 3},
         {{{1, 1}, 0}, {{2, 2}, 0}, {{3, 3}, 0}}},
        {"steep backward", {2, 3}, {2, 0}, {{{2, 3}, 0}, {{2, 2}, 0}, {{2, 1}, 0}}},
        {"quarter steps", {0, 0}, {2, 1}, {{{1, 0}, 128}, {{1, 1}, 128}, {{2, 1}, 0}}},
        {"quarter weights",
         {0, 0},
         {4, 1},
         {{{1, 0}, 64},
          {{1, 1}, 191},
          {{2, 0}, 128},
          {{2, 1}, 128},
          {{3, 0}, 191},
          {{3, 1}, 64},
          {{4, 1}, 0}}},
        {"pixels off the picture are skipped", {7, 7}, {11, 11}, {{{8, 8}, 0}, {{9, 9}, 0}}},
        {"a equals b", {4, 4}, {4, 4}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage bild(10, 10, QImage::Format_RGB32);
        bild.fill(White);
        LinieGlatt(bild, c.a, c.b, Black);
        EXPECT_EQ(Painted(bild), c.expected);
    }
}

TEST(LinieGlatt, BlendsWithThePixelsAlreadyThere) {
    QImage bild(4, 4, QImage::Format_RGB32);
    bild.fill(qRgb(0, 100, 200));
    LinieGlatt(bild, {0, 0}, {2, 1}, qRgb(255, 0, 100));
    EXPECT_EQ(bild.pixel(1, 0), qRgb(128, 50, 150));
    EXPECT_EQ(bild.pixel(2, 1), qRgb(255, 0, 100));
}

TEST(FarbeMischen, WeighsEachChannel) {
    struct Case {
        QRgb a, b;
        double x;
        QRgb expected;
    };
    const std::vector<Case> cases = {
        {qRgb(10, 20, 30), qRgb(110, 220, 130), 0.0, qRgb(110, 220, 130)},
        {qRgb(10, 20, 30), qRgb(110, 220, 130), 1.0, qRgb(10, 20, 30)},
        {qRgb(10, 20, 30), qRgb(110, 220, 130), 0.25, qRgb(85, 170, 105)},
        {qRgb(255, 0, 1), qRgb(0, 255, 0), 0.5, qRgb(128, 128, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(FarbeMischen(c.a, c.b, c.x), c.expected);
    }
}

// Three columns 1.0, 2.0 and 1.0 m wide, two rows 1.0 m high, no frames; the
// middle column highlighted, the right column with another infill.
TFassadenSatz ThreeByTwoFacade() {
    TFassadenSatz satz = test::Facade(3, 2, 4.0, 2.0, test::FrameValues{0.0, 1.3, 0.0});
    const double breiten[] = {1.0, 2.0, 1.0};
    for (int zeile = 1; zeile <= 2; ++zeile) {
        for (int spalte = 1; spalte <= 3; ++spalte) {
            TElement* element = satz.GetElement(zeile, spalte);
            element->SetBreite(breiten[spalte - 1]);
            element->SpalteZeichnen = spalte == 2;
            element->ElementZeichnen = spalte == 3;
        }
    }
    satz.Rechne();
    return satz;
}

TEST_F(PictureTest, WholePictureIsCutIntoEqualEditorCells) {
    TFassadenSatz satz = ThreeByTwoFacade();
    satz.BilderErzeugen();
    const QImage gesamt = satz.GeneriereGesamtBild();
    ASSERT_EQ(gesamt.size(), QSize(800, 400));
    EXPECT_EQ(satz.GetElement(2, 3)->FTopLeft, QPoint(600, 200));
    EXPECT_EQ(satz.GetElement(1, 2)->FTopLeft, QPoint(200, 0));

    const QRgb green = qRgb(0, 0x80, 0);
    const QRgb purple = qRgb(0x80, 0, 0x80);
    for (const TElement& element : satz.Elemente) {
        EXPECT_EQ(element.FBildEditor.size(), QSize(266, 200));
    }
    // Cell 1 ends inside the first element; cell 3 starts inside the second
    // element (global x 532) and meets the third one at global x 600.
    const QImage& zelle1 = satz.GetElement(1, 1)->FBildEditor;
    EXPECT_EQ(zelle1.pixel(199, 10), Glass);
    EXPECT_EQ(zelle1.pixel(200, 10), green);
    const QImage& zelle3 = satz.GetElement(2, 3)->FBildEditor;
    EXPECT_EQ(zelle3.pixel(67, 10), green);
    EXPECT_EQ(zelle3.pixel(68, 10), purple);
    EXPECT_EQ(satz.GetElement(2, 2)->FBildEditor, gesamt.copy(266, 200, 266, 200));
}

TEST_F(PictureTest, UncoveredPartsOfTheWholePictureAreWhite) {
    // Row 2 is narrower than row 1, which sets the width.
    TFassadenSatz satz = test::Facade(2, 2, 2.0, 2.0, test::FrameValues{0.0, 1.3, 0.0});
    satz.GetElement(2, 2)->SetBreite(0.5);
    const QImage gesamt = satz.GeneriereGesamtBild();
    ASSERT_EQ(gesamt.size(), QSize(400, 400));
    EXPECT_EQ(gesamt.pixel(299, 300), Glass);
    EXPECT_EQ(gesamt.pixel(300, 300), White);
}

TEST_F(PictureTest, NoWholePictureForRecordsWithoutOne) {
    struct Case {
        const char* name;
        TFassadenSatz satz;
    };
    std::vector<Case> cases;
    cases.push_back({"no elements", TFassadenSatz()});
    TFassadenSatz fehlend = test::Facade(2, 1, 2.0, 1.0);
    fehlend.AnzahlHorizontal = 3; // more cells than elements
    cases.push_back({"grid larger than the elements", std::move(fehlend)});
    cases.push_back({"wider than a picture can be", test::Facade(3, 1, 300.0, 1.0)});
    cases.push_back({"too many pixels together", test::Facade(4, 4, 120.0, 120.0)});
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.satz.GeneriereGesamtBild().isNull());
        c.satz.BilderErzeugen();
        for (const TElement& element : c.satz.Elemente) {
            EXPECT_TRUE(element.FBildEditor.isNull());
        }
    }
}

TFassadenSatz MarkedWindow() {
    TFassadenSatz satz;
    satz.SetFenstertyp(5);
    for (TElement& element : satz.Elemente) {
        test::SetFrame(element, test::FrameValues{0.05, 1.3, 0.06});
    }
    satz.SetzeFensterlaengen(1.5, 1.2, 0.4, 5);
    TElement* sash = satz.GetElement(2, 2);
    sash->Sonderbauteil = true;
    sash->SonderOeffnung = QStringLiteral("ro");
    satz.GetElement(2, 1)->Sprossenaufteilung = 4;
    satz.GetElement(1, 2)->ManuellZeichnen = true;
    return satz;
}

TEST_F(PictureTest, ACopyDrawsThePicturesOfItsSource) {
    PictureColours().FrameColour = 0x3399;
    TFassadenSatz source = MarkedWindow();
    source.BilderErzeugen();
    const QImage sourcePicture = source.GeneriereGesamtBild();
    ASSERT_FALSE(sourcePicture.isNull());

    TFassadenSatz copy(source);
    for (const TElement& element : copy.Elemente) {
        EXPECT_TRUE(element.FBild.isNull());
        EXPECT_TRUE(element.FBildEditor.isNull());
    }
    EXPECT_EQ(copy.GeneriereGesamtBild(), sourcePicture);
    copy.BilderErzeugen();
    for (int i = 0; i < source.Elemente.Count(); ++i) {
        SCOPED_TRACE(i);
        const TElement& original = source.Elemente.GetItem(i);
        const TElement& kopie = copy.Elemente.GetItem(i);
        EXPECT_EQ(kopie.FBild, original.FBild);
        EXPECT_EQ(kopie.FBildEditor, original.FBildEditor);
        EXPECT_EQ(kopie.FTopLeft, original.FTopLeft);
    }
}

TEST_F(PictureTest, AssignKeepsTheTargetsOwnPictures) {
    TElement source = Element(1.0, 1.0);
    source.BildGenerieren(1);
    TElement target = Element(0.5, 0.5);
    target.BildGenerieren(1);
    const QImage eigenes = target.FBild;
    target.Assign(source);
    EXPECT_EQ(target.FBild, eigenes);

    TElement moved(std::move(source));
    EXPECT_EQ(moved.FBild.size(), QSize(200, 200));
}

TEST(FenstertypBilddatei, NamesThePictureOfEachWindowType) {
    const std::vector<std::pair<int, QString>> cases = {
        {1, "fenster_einfl.jpg"},
        {2, "fenster_zweifl.jpg"},
        {3, "fenster_dreifl.jpg"},
        {4, "fenster_einflOber.jpg"},
        {5, "fenster_zweiflOber.jpg"},
        {6, "fenster_fest.jpg"},
        {7, "fenster_vertikal.jpg"},
        {8, "fenster_zweiteil.jpg"},
        {9, "fenster_horizontal.jpg"},
        {0, ""},
        {10, ""},
        {100, ""},
    };
    for (const auto& [typ, name] : cases) {
        SCOPED_TRACE(typ);
        EXPECT_EQ(FenstertypBilddatei(typ), name);
    }
}

TEST(FenstertypBilddatei, ThePicturesAreInTheDataSet) {
    for (int typ = ErsterFenstertyp; typ <= LetzterFenstertyp; ++typ) {
        const QString datei =
            QStringLiteral(VITRANO_PROGRAM_DATA_DIR "/jpg/") + FenstertypBilddatei(typ);
        SCOPED_TRACE(datei.toStdString());
        QImageReader reader(datei);
        const QImage bild = reader.read();
        ASSERT_FALSE(bild.isNull()) << reader.errorString().toStdString();
        EXPECT_GT(bild.width(), 100);
        EXPECT_GT(bild.height(), 100);
    }
}

} // namespace
} // namespace vitrano
