#include "calculators/TauwasserCalculator.h"

#include "../refdata/PsiTestTabellen.h"
#include "calculators/CatalogueText.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vitrano {
namespace {

using testing::MitKopfzeilen;

constexpr int RahmenA = 1;      // fRsi 0.7 (Uf, Ug up to 2), 0.5 (Uf above 2), 0.55 (Ug above 2)
constexpr int RahmenB = 2;      // fRsi 0.6
constexpr int RahmenC = 3;      // fRsi 0.6
constexpr int RahmenOhne = 4;   // no range rows
constexpr int RahmenGrenze = 5; // fRsi set by the test
constexpr int AbstandAlu = 1;

// A grid of elements whose sides all use frame A with spacer Alu, Uf 1.3 and glass Ug 1.1.
class TauwasserCalculator : public ::testing::Test {
protected:
    void SetUp() override { TabellenLesen(QStringLiteral("0,3")); }

    void TabellenLesen(const QString& fRsiGrenze) {
        FTabellen = t_satzdaten();
        ASSERT_TRUE(FTabellen.TabelleLesen(
            TPsiTabelle::Rahmen, MitKopfzeilen({"1;Rahmen A;TA;1,3;0,1", "2;Rahmen B;TB;1,3;0,1",
                                                "3;Rahmen C;TC;1,3;0,1", "4;Ohne Werte;TX;1,3;0,1",
                                                "5;Grenzfall;TE;1,3;0,1"})));
        ASSERT_TRUE(FTabellen.TabelleLesen(TPsiTabelle::Abstandhalter,
                                           MitKopfzeilen({"1;Alu", "2;Warme Kante"})));
        ASSERT_TRUE(FTabellen.TabelleLesen(
            TPsiTabelle::BereichRahmenGlas,
            MitKopfzeilen(
                {"TA;Alu;0;10;0;10;0,05;0;2;0;2;0,7", "TA;Alu;0;10;0;10;0,05;2;10;0;10;0,5",
                 "TA;Alu;0;10;0;10;0,05;0;2;2;10;0,55", "TB;Alu;0;10;0;10;0,05;0;10;0;10;0,6",
                 "TC;Alu;0;10;0;10;0,05;0;10;0;10;0,6",
                 "TE;Alu;0;10;0;10;0,05;0;10;0;10;" + fRsiGrenze})));
    }

    static TFassadenSatz Raster(int zeilen, int spalten) {
        TFassadenSatz satz;
        satz.AnzahlVertikal = zeilen;
        satz.AnzahlHorizontal = spalten;
        satz.DruckAbstand = QStringLiteral("Druck-Abstandhalter");
        for (int i = 0; i < zeilen * spalten; ++i) {
            TElement& element = satz.Elemente.Add();
            element.Fuellung.Bezeichnung = QStringLiteral("Glas");
            element.Fuellung.UWert = 1.1;
            element.Rahmen.Abstandshalter = AbstandAlu;
            for (TSeite seite : AlleSeiten) {
                element.Rahmen.Material[seite] = RahmenA;
                element.Rahmen.UWerte[seite] = 1.3;
                element.Rahmen.Bezeichnung[seite] = QStringLiteral("Rahmen A");
            }
        }
        return satz;
    }

    TTauwasserCalculator Rechner(TFassadenSatz& satz) {
        TTauwasserCalculator rechner(FTabellen);
        rechner.SetDezimaltrenner(u'.');
        rechner.SetDatensatz(&satz);
        return rechner;
    }

    t_satzdaten FTabellen;
};

TEST_F(TauwasserCalculator, StartValuesGiveNoCondensation) {
    TFassadenSatz satz = Raster(1, 1);
    TTauwasserCalculator rechner = Rechner(satz);
    ASSERT_TRUE(rechner.Rechne());

    EXPECT_DOUBLE_EQ(rechner.m_fRsi, 0.7);
    EXPECT_EQ(rechner.m_i, 1);
    EXPECT_EQ(rechner.m_j, 1);
    const TTauwasserAnzeige& anzeige = rechner.Anzeige();
    EXPECT_DOUBLE_EQ(anzeige.Tsi, 12.5);
    EXPECT_NEAR(anzeige.Taupunkt, 9.2, 0.05);
    EXPECT_EQ(anzeige.LTsi, QStringLiteral("12.5"));
    EXPECT_EQ(anzeige.LTtaupunkt, QStringLiteral("9.2"));
    EXPECT_FALSE(anzeige.Tauwasser);
    EXPECT_EQ(anzeige.Ltauwasser, QStringLiteral("Kein Tauwasser"));
    EXPECT_EQ(anzeige.TextFarbe, 0x008000u);
    EXPECT_EQ(anzeige.Bild, QStringLiteral("TauwasserOK.bmp"));
    EXPECT_EQ(anzeige.Position, QStringLiteral("Zeile 1, Spalte 1: Riegel oben"));
    EXPECT_EQ(anzeige.Lrahmen, QStringLiteral("Rahmen A"));
    EXPECT_EQ(anzeige.Lglas, QStringLiteral("Glas (Ug = 1.1 W/m²K)"));
    // A window shows the note and the record's spacer text, not the position.
    EXPECT_FALSE(anzeige.PositionSichtbar);
    EXPECT_TRUE(anzeige.FensterKorrekturSichtbar);
    EXPECT_EQ(anzeige.Labstandhalter, QStringLiteral("Druck-Abstandhalter"));
}

TEST_F(TauwasserCalculator, FacadeShowsPositionAndSpacerFromTheTables) {
    TFassadenSatz satz = Raster(2, 3);
    satz.Fassade = true;
    TElement& kritisch = *satz.GetElement(2, 3);
    kritisch.Rahmen.Material.Links = RahmenB;
    kritisch.Rahmen.Bezeichnung.Links = QStringLiteral("Pfosten 50");
    TTauwasserCalculator rechner = Rechner(satz);
    rechner.SetDezimaltrenner(u',');
    rechner.SetEinnentemp(22);
    rechner.SetAussentemp(-10);
    rechner.SetRelFeuchte(60);
    ASSERT_TRUE(rechner.Rechne());

    const TTauwasserAnzeige& anzeige = rechner.Anzeige();
    EXPECT_EQ(anzeige.Position, QStringLiteral("Zeile 2, Spalte 3: Pfosten links"));
    EXPECT_TRUE(anzeige.PositionSichtbar);
    EXPECT_FALSE(anzeige.FensterKorrekturSichtbar);
    EXPECT_EQ(anzeige.Lrahmen, QStringLiteral("Pfosten 50"));
    EXPECT_EQ(anzeige.Lglas, QStringLiteral("Glas (Ug = 1,1 W/m²K)"));
    EXPECT_EQ(anzeige.Labstandhalter, QStringLiteral("Alu"));
    // -10 + 32 * 0.6 = 9.2; 0.6^0.125 * 132 - 110 = 13.8
    EXPECT_EQ(anzeige.LTsi, QStringLiteral("9,2"));
    EXPECT_EQ(anzeige.LTtaupunkt, QStringLiteral("13,8"));
    EXPECT_TRUE(anzeige.Tauwasser);
    EXPECT_EQ(anzeige.Ltauwasser, QStringLiteral("Tauwasserausfall"));
    EXPECT_EQ(anzeige.TextFarbe, 0xFF0000u);
    EXPECT_EQ(anzeige.Bild, QStringLiteral("Tauwasser.bmp"));
}

TEST_F(TauwasserCalculator, SurfaceAtTheDewPointCountsAsCondensation) {
    // An fRsi whose surface temperature equals the dew point of 20 °C and 50 % to the bit.
    const double taupunkt = Taupunkt(20, 50);
    double fRsi = (taupunkt + 5) / 25;
    for (int schritt = 0; schritt < 64 && Oberflaechentemperatur(20, -5, fRsi) != taupunkt;
         ++schritt) {
        fRsi = std::nextafter(fRsi, Oberflaechentemperatur(20, -5, fRsi) < taupunkt ? 1.0 : 0.0);
    }
    ASSERT_EQ(Oberflaechentemperatur(20, -5, fRsi), taupunkt);
    const double etwasWaermer = std::nextafter(fRsi, 1.0);
    ASSERT_GT(Oberflaechentemperatur(20, -5, etwasWaermer), taupunkt);

    struct TFall {
        std::string Beschreibung;
        double FRsi;
        bool Tauwasser;
    };
    const std::vector<TFall> faelle = {
        {"equal temperatures", fRsi, true},
        {"surface warmer by the least step", etwasWaermer, false},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        TabellenLesen(QString::number(fall.FRsi, 'g', 17).replace(u'.', u','));
        TFassadenSatz satz = Raster(1, 1);
        for (TSeite seite : AlleSeiten) {
            satz.GetElement(1, 1)->Rahmen.Material[seite] = RahmenGrenze;
        }
        TTauwasserCalculator rechner = Rechner(satz);
        ASSERT_TRUE(rechner.Rechne());
        EXPECT_EQ(rechner.m_fRsi, fall.FRsi);
        EXPECT_EQ(rechner.Anzeige().Tauwasser, fall.Tauwasser);
    }
}

struct TSucheFall {
    std::string Beschreibung;
    std::function<void(TFassadenSatz&)> Aendern;
    int Zeile;
    int Spalte;
    int Seite;
    double FRsi;
};

TEST_F(TauwasserCalculator, CriticalEdgeSearch) {
    const auto seite = [](int zeile, int spalte, TSeite s, int material) {
        return [=](TFassadenSatz& satz) {
            satz.GetElement(zeile, spalte)->Rahmen.Material[s] = material;
        };
    };
    const auto beide = [](auto erste, auto zweite) {
        return [=](TFassadenSatz& satz) {
            erste(satz);
            zweite(satz);
        };
    };
    const std::vector<TSucheFall> faelle = {
        {"all equal: first element, top side", [](TFassadenSatz&) {}, 1, 1, 1, 0.7},
        {"smallest value wins", seite(2, 2, TSeite::Rechts, RahmenB), 2, 2, 4, 0.6},
        {"tie keeps the upper row",
         beide(seite(2, 1, TSeite::Oben, RahmenB), seite(1, 2, TSeite::Unten, RahmenC)), 1, 2, 2,
         0.6},
        {"tie keeps the left column",
         beide(seite(2, 2, TSeite::Links, RahmenC), seite(2, 1, TSeite::Rechts, RahmenB)), 2, 1, 4,
         0.6},
        {"tie keeps bottom before left",
         beide(seite(1, 1, TSeite::Links, RahmenC), seite(1, 1, TSeite::Unten, RahmenB)), 1, 1, 2,
         0.6},
        {"Uf of the side picks the range row",
         [](TFassadenSatz& satz) { satz.GetElement(2, 1)->Rahmen.UWerte.Links = 3.0; }, 2, 1, 3,
         0.5},
        {"Ug of the infill picks the range row",
         [](TFassadenSatz& satz) { satz.GetElement(1, 2)->Fuellung.UWert = 2.5; }, 1, 2, 1, 0.55},
        {"manual infill is never critical",
         beide(seite(1, 1, TSeite::Oben, RahmenB),
               [](TFassadenSatz& satz) {
                   satz.GetElement(1, 1)->Fuellung.Bezeichnung = QStringLiteral("Paneel (man)");
                   satz.GetElement(2, 2)->Rahmen.Material.Links = RahmenC;
               }),
         2, 2, 3, 0.6},
        {"manual frame side is never critical",
         beide(seite(1, 1, TSeite::Oben, RahmenB),
               [](TFassadenSatz& satz) {
                   satz.GetElement(1, 1)->Rahmen.Bezeichnung.Oben = QStringLiteral("Profil (man)");
                   satz.GetElement(1, 2)->Rahmen.Material.Rechts = RahmenC;
               }),
         1, 2, 4, 0.6},
        {"\"(MAN)\" is no manual mark",
         beide(seite(1, 1, TSeite::Oben, RahmenB),
               [](TFassadenSatz& satz) {
                   satz.GetElement(1, 1)->Rahmen.Bezeichnung.Oben = QStringLiteral("Profil (MAN)");
               }),
         1, 1, 1, 0.6},
        {"no range row anywhere",
         [](TFassadenSatz& satz) {
             for (TElement& element : satz.Elemente) {
                 element.Rahmen.Material = TIntQuadrupel{RahmenOhne, RahmenOhne, RahmenOhne, 0};
             }
         },
         0, 0, 0, 0.0},
        {"element without spacer has no value",
         [](TFassadenSatz& satz) {
             satz.GetElement(1, 1)->Rahmen.Abstandshalter = 0;
             satz.GetElement(2, 2)->Rahmen.UWerte.Unten = 3.0;
         },
         2, 2, 2, 0.5},
    };
    for (const TSucheFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        TFassadenSatz satz = Raster(2, 2);
        fall.Aendern(satz);
        TTauwasserCalculator rechner = Rechner(satz);
        int zeile = 0;
        int spalte = -1;
        int gefunden = 7;
        rechner.KritischenGlasrandSuchen(zeile, spalte, gefunden);
        EXPECT_EQ(zeile, fall.Zeile);
        EXPECT_EQ(spalte, fall.Spalte);
        EXPECT_EQ(gefunden, fall.Seite);

        EXPECT_EQ(rechner.Rechne(), fall.Seite != 0);
        EXPECT_EQ(rechner.m_i, fall.Zeile);
        EXPECT_EQ(rechner.m_j, fall.Spalte);
        EXPECT_DOUBLE_EQ(rechner.m_fRsi, fall.FRsi);
    }
}

TEST_F(TauwasserCalculator, SearchOfOneElement) {
    TFassadenSatz satz = Raster(2, 2);
    satz.GetElement(1, 1)->Rahmen.Material.Oben = RahmenB;
    satz.GetElement(2, 1)->Rahmen.Material.Rechts = RahmenC;
    TTauwasserCalculator rechner = Rechner(satz);
    struct TFall {
        int Zeile;
        int Spalte;
        int ErwartetZeile;
        int ErwartetSpalte;
        int ErwartetSeite;
    };
    const std::vector<TFall> faelle = {
        {2, 1, 2, 1, 4}, {2, 2, 2, 2, 1}, {3, 1, 0, 0, 0}, {1, 3, 0, 0, 0}, {0, 2, 1, 1, 1},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(std::to_string(fall.Zeile) + "," + std::to_string(fall.Spalte));
        int zeile = fall.Zeile;
        int spalte = fall.Spalte;
        int seite = -1;
        rechner.KritischenGlasrandSuchen(zeile, spalte, seite);
        EXPECT_EQ(zeile, fall.ErwartetZeile);
        EXPECT_EQ(spalte, fall.ErwartetSpalte);
        EXPECT_EQ(seite, fall.ErwartetSeite);
    }
}

TEST_F(TauwasserCalculator, SelectedElementRestrictsTheSearch) {
    TFassadenSatz satz = Raster(2, 2);
    satz.GetElement(1, 1)->Rahmen.Material.Oben = RahmenB;
    satz.GetElement(2, 2)->Checked = true;
    satz.GetElement(2, 1)->Checked = true; // the first selected one in element order counts
    TTauwasserCalculator rechner = Rechner(satz);
    ASSERT_TRUE(rechner.Rechne());
    EXPECT_EQ(rechner.m_i, 2);
    EXPECT_EQ(rechner.m_j, 1);
    EXPECT_DOUBLE_EQ(rechner.m_fRsi, 0.7);
    EXPECT_EQ(rechner.Anzeige().Position, QStringLiteral("Zeile 2, Spalte 1: Riegel oben"));

    // A selected element without any value gives no result, although others have one; the
    // display keeps the last result.
    const TTauwasserAnzeige vorher = rechner.Anzeige();
    satz.GetElement(2, 1)->Fuellung.Bezeichnung = QStringLiteral("Glas (man)");
    EXPECT_FALSE(rechner.Rechne());
    EXPECT_EQ(rechner.m_fRsi, 0.0);
    EXPECT_EQ(rechner.m_i, 0);
    EXPECT_EQ(rechner.m_j, 0);
    EXPECT_EQ(rechner.Anzeige().Position, vorher.Position);
    EXPECT_EQ(rechner.Anzeige().LTsi, vorher.LTsi);

    satz.GetElement(2, 1)->Checked = false;
    satz.GetElement(2, 2)->Checked = false;
    ASSERT_TRUE(rechner.Rechne());
    EXPECT_DOUBLE_EQ(rechner.m_fRsi, 0.6);
}

TEST_F(TauwasserCalculator, SelectedElementOutsideTheGridGivesNoResult) {
    TFassadenSatz satz = Raster(1, 2);
    satz.Elemente.Add().Checked = true; // a third element has no cell
    TTauwasserCalculator rechner = Rechner(satz);
    EXPECT_FALSE(rechner.Rechne());
    EXPECT_EQ(rechner.m_fRsi, 0.0);
}

TEST_F(TauwasserCalculator, GridWithMissingElements) {
    TFassadenSatz satz = Raster(2, 2);
    satz.Elemente.Delete(3);
    satz.GetElement(2, 1)->Rahmen.Material.Unten = RahmenB;
    TTauwasserCalculator rechner = Rechner(satz);
    ASSERT_TRUE(rechner.Rechne());
    EXPECT_EQ(rechner.m_i, 2);
    EXPECT_EQ(rechner.m_j, 1);
}

TEST_F(TauwasserCalculator, WithoutRecord) {
    TTauwasserCalculator rechner(FTabellen);
    rechner.m_fRsi = 0.5;
    EXPECT_FALSE(rechner.Rechne());
    EXPECT_EQ(rechner.m_fRsi, 0.0);
    int zeile = 1;
    int spalte = 1;
    int seite = 1;
    rechner.KritischenGlasrandSuchen(zeile, spalte, seite);
    EXPECT_EQ(zeile + spalte + seite, 0);
}

TEST_F(TauwasserCalculator, InputsStayWithinTheirRanges) {
    struct TFall {
        std::string Beschreibung;
        void (TTauwasserCalculator::*Setzen)(int);
        int (TTauwasserCalculator::*Lesen)() const;
        int Start;
        std::vector<std::pair<int, int>> Werte; // given, held
    };
    const std::vector<TFall> faelle = {
        {"inside",
         &TTauwasserCalculator::SetEinnentemp,
         &TTauwasserCalculator::Einnentemp,
         20,
         {{4, 5}, {5, 5}, {23, 23}, {40, 40}, {41, 40}, {-100, 5}}},
        {"outside",
         &TTauwasserCalculator::SetAussentemp,
         &TTauwasserCalculator::Aussentemp,
         -5,
         {{-31, -30}, {-30, -30}, {0, 0}, {30, 30}, {31, 30}}},
        {"humidity",
         &TTauwasserCalculator::SetRelFeuchte,
         &TTauwasserCalculator::RelFeuchte,
         50,
         {{9, 10}, {10, 10}, {65, 65}, {90, 90}, {91, 90}, {1000, 90}}},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        TTauwasserCalculator rechner(FTabellen);
        EXPECT_EQ((rechner.*fall.Lesen)(), fall.Start);
        for (const auto& [gegeben, gehalten] : fall.Werte) {
            SCOPED_TRACE(gegeben);
            (rechner.*fall.Setzen)(gegeben);
            EXPECT_EQ((rechner.*fall.Lesen)(), gehalten);
        }
        rechner.EingabenZuruecksetzen();
        EXPECT_EQ((rechner.*fall.Lesen)(), fall.Start);
    }
}

TEST(CatalogueText, GermanTextsAndUnknownIdentifiers) {
    EXPECT_EQ(CatalogueText(u"strPfosten"), QStringLiteral("Pfosten"));
    EXPECT_TRUE(CatalogueText(u"strTauwasserManuell1").startsWith("Die Berechnung des "));
    EXPECT_EQ(CatalogueText(u"strUnbekannt"), QStringLiteral("strUnbekannt"));
}

} // namespace
} // namespace vitrano
