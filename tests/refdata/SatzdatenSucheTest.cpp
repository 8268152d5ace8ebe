#include "PsiTestTabellen.h"
#include "refdata/Satzdaten.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vitrano {
namespace {

using testing::MitKopfzeilen;

// Frame rows 1..5, spacer rows 1..2, inner bars 1..3, concealed bar 1.
class SatzdatenSuche : public ::testing::Test {
protected:
    void SetUp() override {
        Lesen(TPsiTabelle::Rahmen, {"1;Holzrahmen;holz 68;1,3;0,115", "2;Alurahmen;ALU;1,8;0,1",
                                    "3;Ohne Bereich;kein;1,0;0,1", "4;Übergroß;Übertyp;1,0;0,1",
                                    "5;Nur Minimum;nurmin;1,0;0,1"});
        Lesen(TPsiTabelle::Abstandhalter, {"1;Alu", "2;Warme Kante"});
        // type; spacer; Uf psi; Ug psi; psi; Uf fRsi; Ug fRsi; fRsi
        Lesen(TPsiTabelle::BereichRahmenGlas,
              {"HOLZ 68;ALU;1,0;2,0;0,4;1,2;0,08;1,0;1,5;0,4;1,2;0,61",
               "Holz 68;Alu;1,0;2,0;0,4;1,2;0,09;1,0;2,0;0,4;2,0;0,55",
               "holz 68;warme kante;1,0;2,0;1,3;2,0;0,05;1,0;2,0;1,3;2,0;0,7",
               "holz 68;Warme Kante;0,5;0,9;0,4;1,2;0,06;0,5;0,9;0,4;1,2;0,72",
               "übertyp;Alu;0;10;0;10;0,01;0;10;0;10;0,9",
               "nurmin;Alu;0,5;0;0,7;0;0,03;0;10;0;10;0,5"});
        Lesen(TPsiTabelle::SprossenInnen, {"1;Sprosse 18", "2;Sprosse 26", "3;Ohne Zeilen"});
        Lesen(TPsiTabelle::SprossenVerdeckt, {"1;Sprosse 18"});
        Lesen(TPsiTabelle::BereichSprossenInnen,
              {"SPROSSE 18;1,0;1,6;0,03", "Sprosse 18;1,7;3,0;0,04", "sprosse 26;0,5;0,6;0",
               "sprosse 26;0,7;0,8;0,05", "sprosse 26;0,9;1,0;0,06"});
        Lesen(TPsiTabelle::BereichSprossenVerdeckt, {"Sprosse 18;0,8;2,5;0,07"});
    }

    void Lesen(TPsiTabelle tabelle, const QStringList& zeilen) {
        ASSERT_TRUE(FTabellen.TabelleLesen(tabelle, MitKopfzeilen(zeilen)));
    }

    t_satzdaten FTabellen;
};

struct TRandFall {
    std::string Beschreibung;
    int Rahmen;
    int Abstand;
    double Uf;
    double Ug;
    double Erwartet;
};

TEST_F(SatzdatenSuche, PsiRahmenGlas) {
    const std::vector<TRandFall> faelle = {
        {"lower bounds inclusive", 1, 1, 1.0, 0.4, 0.08},
        {"upper bounds inclusive", 1, 1, 2.0, 1.2, 0.08},
        {"Uf above every range", 1, 1, 2.01, 1.0, 0.2},
        {"Ug above every range", 1, 1, 1.5, 1.21, 0.2},
        {"names ignore the case of A to Z", 1, 2, 1.5, 1.5, 0.05},
        {"spacer decides the row", 1, 2, 0.7, 1.0, 0.06},
        {"frame type without rows", 3, 1, 1.5, 1.0, 0.2},
        {"capital umlaut differs from small one", 4, 1, 1.0, 1.0, 0.2},
        {"manual frame", 0, 1, 1.5, 1.0, 0.2},
        {"frame beyond the table", 6, 1, 1.5, 1.0, 0.2},
        {"manual spacer", 1, 0, 1.5, 1.0, 0.2},
        {"spacer beyond the table", 1, 3, 1.5, 1.0, 0.2},
        {"frame row of another type", 2, 1, 1.5, 1.0, 0.2},
    };
    for (const TRandFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        EXPECT_DOUBLE_EQ(FTabellen.PsiRahmenGlas(fall.Rahmen, fall.Abstand, fall.Uf, fall.Ug),
                         fall.Erwartet);
    }
}

TEST_F(SatzdatenSuche, FRsiRahmenGlasUsesItsOwnRanges) {
    const std::vector<TRandFall> faelle = {
        {"first matching row wins", 1, 1, 1.2, 1.0, 0.61},
        {"Uf outside the first row's fRsi range", 1, 1, 1.8, 1.0, 0.55},
        {"Ug outside every psi range but inside an fRsi range", 1, 1, 1.0, 2.0, 0.55},
        {"upper fRsi bounds inclusive", 1, 2, 2.0, 2.0, 0.7},
        {"no row for the frame type", 3, 1, 1.5, 1.0, 0.0},
        {"capital umlaut differs from small one", 4, 1, 1.0, 1.0, 0.0},
        {"manual frame", 0, 1, 1.2, 1.0, 0.0},
        {"manual spacer", 1, 0, 1.2, 1.0, 0.0},
        {"outside every range", 1, 1, 3.0, 1.0, 0.0},
    };
    for (const TRandFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        EXPECT_DOUBLE_EQ(FTabellen.FRsiRahmenGlas(fall.Rahmen, fall.Abstand, fall.Uf, fall.Ug),
                         fall.Erwartet);
    }
}

struct TBereichFall {
    std::string Beschreibung;
    int Zeile;
    bool Ergebnis;
    double Min;
    double Max;
};

// The outputs start at -1, so an output left unchanged shows as -1.
TEST_F(SatzdatenSuche, UfUndUgBereichRahmenGlas) {
    const std::vector<TBereichFall> ufFaelle = {
        {"over all spacers of the type", 1, true, 0.5, 2.0},
        {"type without rows leaves both", 3, true, -1, -1},
        {"only the minimum is given", 5, true, 0.5, -1},
        {"no frame", 0, false, -1, -1},
        {"beyond the table", 9, false, -1, -1},
    };
    for (const TBereichFall& fall : ufFaelle) {
        SCOPED_TRACE("Uf: " + fall.Beschreibung);
        double minimum = -1;
        double maximum = -1;
        EXPECT_EQ(FTabellen.UfBereichRahmenGlas(fall.Zeile, minimum, maximum), fall.Ergebnis);
        EXPECT_DOUBLE_EQ(minimum, fall.Min);
        EXPECT_DOUBLE_EQ(maximum, fall.Max);
    }
    const std::vector<TBereichFall> ugFaelle = {
        {"over all spacers of the type", 1, true, 0.4, 2.0},
        {"type without rows leaves both", 3, true, -1, -1},
        {"only the minimum is given", 5, true, 0.7, -1},
        {"no frame", 0, false, -1, -1},
    };
    for (const TBereichFall& fall : ugFaelle) {
        SCOPED_TRACE("Ug: " + fall.Beschreibung);
        double minimum = -1;
        double maximum = -1;
        EXPECT_EQ(FTabellen.UgBereichRahmenGlas(fall.Zeile, minimum, maximum), fall.Ergebnis);
        EXPECT_DOUBLE_EQ(minimum, fall.Min);
        EXPECT_DOUBLE_EQ(maximum, fall.Max);
    }
}

TEST_F(SatzdatenSuche, PsiSprosse) {
    struct TFall {
        std::string Beschreibung;
        bool Verdeckt;
        int Sprosse;
        double Ug;
        double Erwartet;
    };
    const std::vector<TFall> faelle = {
        {"second range", false, 1, 2.0, 0.04},
        {"first range, lower bound", false, 1, 1.0, 0.03},
        {"upper bound inclusive", false, 1, 3.0, 0.04},
        {"above every range: first psi", false, 1, 3.5, 0.03},
        {"in the gap between ranges: first psi", false, 1, 1.65, 0.03},
        {"matching row with psi 0", false, 2, 0.55, 0.0},
        {"fallback skips a psi of 0", false, 2, 2.0, 0.05},
        {"bar without rows", false, 3, 1.0, 0.0},
        {"no bar", false, 0, 1.0, 0.0},
        {"bar beyond the table", false, 4, 1.0, 0.0},
        {"concealed bar uses its own ranges", true, 1, 2.0, 0.07},
        {"concealed fallback", true, 1, 3.0, 0.07},
        {"concealed bar beyond its table", true, 2, 2.0, 0.0},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        const double psi = fall.Verdeckt ? FTabellen.PsiSprosseVerdeckt(fall.Sprosse, fall.Ug)
                                         : FTabellen.PsiSprosseInnen(fall.Sprosse, fall.Ug);
        EXPECT_DOUBLE_EQ(psi, fall.Erwartet);
    }
}

TEST_F(SatzdatenSuche, UgBereichSprosse) {
    struct TFall {
        std::string Beschreibung;
        bool Verdeckt;
        int Sprosse;
        bool Ergebnis;
        double Min;
        double Max;
    };
    const std::vector<TFall> faelle = {
        {"inner bar over both rows", false, 1, true, 1.0, 3.0},
        {"inner bar with three rows", false, 2, true, 0.5, 1.0},
        {"bar without rows gives the empty range", false, 3, true, 100.0, 0.0},
        {"no bar", false, 0, false, 100.0, 0.0},
        {"concealed bar", true, 1, true, 0.8, 2.5},
        {"concealed bar beyond its table", true, 2, false, 100.0, 0.0},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        double minimum = -1;
        double maximum = -1;
        const bool ergebnis =
            fall.Verdeckt ? FTabellen.UgBereichSprosseVerdeckt(fall.Sprosse, minimum, maximum)
                          : FTabellen.UgBereichSprosseInnen(fall.Sprosse, minimum, maximum);
        EXPECT_EQ(ergebnis, fall.Ergebnis);
        EXPECT_DOUBLE_EQ(minimum, fall.Min);
        EXPECT_DOUBLE_EQ(maximum, fall.Max);
    }
}

} // namespace
} // namespace vitrano
