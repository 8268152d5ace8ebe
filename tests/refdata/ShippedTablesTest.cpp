// The tables shipped in data/ must load completely and cover what the dialogs offer.

#include "core/UserMessages.h"
#include "refdata/PsiTabellenLaden.h"
#include "refdata/PsiZeile.h"

#include <gtest/gtest.h>
#include <string>

namespace vitrano {
namespace {

// Whether a psi row of the range table holds the frame's type, the spacer, Uf and Ug.
bool HatPsiZeile(const t_satzdaten& tabellen, const t_rahmen& rahmen, const t_abstand& abstand,
                 double ug) {
    for (const t_Bereich_Rahmen_Glas& bereich : tabellen.sBereich_Rahmen_Glas()) {
        if (KleinAbisZ(bereich.sRahmenTyp) == KleinAbisZ(rahmen.sTyp) &&
            KleinAbisZ(bereich.sAbstandhalter) == KleinAbisZ(abstand.nameabstand) &&
            bereich.dUf_Min_Psi <= rahmen.uf && rahmen.uf <= bereich.dUf_Max_Psi &&
            bereich.dUg_Min_Psi <= ug && ug <= bereich.dUg_Max_Psi) {
            return true;
        }
    }
    return false;
}

class ShippedTables : public ::testing::TestWithParam<std::tuple<const char*, bool>> {
protected:
    void SetUp() override {
        const auto [sprache, fassade] = GetParam();
        QStringList meldungen;
        TScopedMessageReceiver empfaenger([&](const QString& text) { meldungen << text; });
        TPsiListen listen;
        const QString ordner = QStringLiteral(VITRANO_SHIPPED_DATA_DIR "/") + sprache;
        EXPECT_TRUE(PsiTabellenLaden(FTabellen, listen, fassade, ordner));
        EXPECT_EQ(meldungen, QStringList());
    }

    t_satzdaten FTabellen;
};

TEST_P(ShippedTables, EveryTableHasRows) {
    EXPECT_GT(FTabellen.anzahlRahmen(), 0);
    EXPECT_GT(FTabellen.anzahlabstand(), 0);
    EXPECT_GT(FTabellen.anzahlSprosse1(), 0);
    EXPECT_GT(FTabellen.anzahlSprosse2(), 0);
    EXPECT_GT(FTabellen.anzahlGlas(), 0);
    EXPECT_FALSE(FTabellen.sBereich_Rahmen_Glas().empty());
    EXPECT_FALSE(FTabellen.sBereich_Sprosse_innen().empty());
    EXPECT_FALSE(FTabellen.sBereich_Sprosse_verdeckt().empty());
}

// Every frame of the list with every spacer, at the frame's default Uf, over Ug 0.4 to 2.0.
TEST_P(ShippedTables, EdgeRowsCoverEveryFrameAndSpacer) {
    for (int f = 1; f <= FTabellen.anzahlRahmen(); ++f) {
        const t_rahmen& rahmen = *FTabellen.srahmen(f);
        for (int s = 1; s <= FTabellen.anzahlabstand(); ++s) {
            const t_abstand& abstand = *FTabellen.sabstand(s);
            for (int zehntel = 4; zehntel <= 20; ++zehntel) {
                const double ug = zehntel / 10.0;
                SCOPED_TRACE(rahmen.namerahmen.toStdString() + " / " +
                             abstand.nameabstand.toStdString() + " / Ug " + std::to_string(ug));
                EXPECT_TRUE(HatPsiZeile(FTabellen, rahmen, abstand, ug));
                EXPECT_GT(FTabellen.FRsiRahmenGlas(f, s, rahmen.uf, ug), 0.0);
            }
        }
    }
}

TEST_P(ShippedTables, EveryGlazingBarHasRows) {
    for (int b = 1; b <= FTabellen.anzahlSprosse1(); ++b) {
        SCOPED_TRACE(FTabellen.sSprosse1(b)->material.toStdString());
        double minimum = 0;
        double maximum = 0;
        ASSERT_TRUE(FTabellen.UgBereichSprosseInnen(b, minimum, maximum));
        EXPECT_LT(minimum, maximum);
        EXPECT_GT(FTabellen.PsiSprosseInnen(b, (minimum + maximum) / 2), 0.0);
    }
    for (int b = 1; b <= FTabellen.anzahlSprosse2(); ++b) {
        SCOPED_TRACE(FTabellen.sSprosse2(b)->material.toStdString());
        double minimum = 0;
        double maximum = 0;
        ASSERT_TRUE(FTabellen.UgBereichSprosseVerdeckt(b, minimum, maximum));
        EXPECT_LT(minimum, maximum);
        EXPECT_GT(FTabellen.PsiSprosseVerdeckt(b, (minimum + maximum) / 2), 0.0);
    }
}

TEST_P(ShippedTables, EveryGlassHasItsValues) {
    for (int g = 1; g <= FTabellen.anzahlGlas(); ++g) {
        const t_glas& glas = *FTabellen.sglas(g);
        SCOPED_TRACE(glas.nameglas.toStdString());
        EXPECT_FALSE(glas.nameglas.isEmpty());
        EXPECT_GT(glas.ug, 0.0);
        EXPECT_GT(glas.dElementDicke, 0.0);
        EXPECT_TRUE(glas.GeheimGlas || glas.dGwert > 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndVariants, ShippedTables,
                         ::testing::Combine(::testing::Values("de", "en", "fr"), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<ShippedTables::ParamType>& parameter) {
                             return std::string(std::get<0>(parameter.param)) +
                                    (std::get<1>(parameter.param) ? "Facade" : "Window");
                         });

} // namespace
} // namespace vitrano
