#include "refdata/PsiZeile.h"

#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace vitrano {
namespace {

TEST(PsiZeile, Zerlegen) {
    struct TFall {
        QString Zeile;
        QStringList Felder;
    };
    const std::vector<TFall> faelle = {
        {"1;Rahmen;1,3", {"1", "Rahmen", "1,3"}},
        {"ohne Trenner", {"ohne Trenner"}},
        {"a;;b", {"a", "", "b"}},
        {"  1 ;  Holz 68  ;\t2,0\t", {"1", "Holz 68", "2,0"}},
        {"a;", {"a", ""}},
        {";", {"", ""}},
        {"", {""}},
        {"\x01"
         "a\x1f;b",
         {"a", "b"}},
        // A no-break space is no blank for the tables.
        {QStringLiteral("\u00a0a;b"), {QStringLiteral("\u00a0a"), "b"}},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Zeile.toStdString());
        EXPECT_EQ(PsiZeileZerlegen(fall.Zeile), fall.Felder);
    }
}

TEST(PsiZeile, TextZuRealMitDezimalkomma) {
    struct TFall {
        QString Text;
        std::optional<double> Wert;
    };
    const std::vector<TFall> faelle = {
        {"1,5", 1.5},
        {"0,1", 0.1},
        {"-0,25", -0.25},
        {"+3", 3.0},
        {" 2 ", 2.0},
        {"\t7,0\t", 7.0},
        {",5", 0.5},
        {"5,", 5.0},
        {"1,5E-2", 0.015},
        {"2e3", 2000.0},
        {"1,5e+1", 15.0},
        {"0", 0.0},
        // A point is no decimal separator and grouping is never read.
        {"1.5", std::nullopt},
        {"1.000,5", std::nullopt},
        {"1.000", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {",", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1 5", std::nullopt},
        {"1,5x", std::nullopt},
        {"1E", std::nullopt},
        {"E5", std::nullopt},
        {"0x10", std::nullopt},
        {"nan", std::nullopt},
        {"NaN", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"infinity", std::nullopt},
        {"1e999", std::nullopt},
        {"--1", std::nullopt},
        {QStringLiteral("\u22121"), std::nullopt}, // minus sign, not hyphen
        {QStringLiteral("\u0661"), std::nullopt},  // Arabic-Indic digit one
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Text.toStdString());
        EXPECT_EQ(TextZuReal(fall.Text, TZahlenformat{}), fall.Wert);
    }
}

TEST(PsiZeile, TextZuRealFolgtDemFormat) {
    EXPECT_EQ(TextZuReal(u"1.5", TZahlenformat{QLatin1Char('.')}), 1.5);
    EXPECT_EQ(TextZuReal(u"1,5", TZahlenformat{QLatin1Char('.')}), std::nullopt);
}

TEST(PsiZeile, TextZuInteger) {
    struct TFall {
        QString Text;
        std::optional<int> Wert;
    };
    const std::vector<TFall> faelle = {
        {"12", 12},
        {" -3 ", -3},
        {"+4", 4},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"1,0", std::nullopt},
        {"1e2", std::nullopt},
        {"$1F", std::nullopt},
        {"0x1F", std::nullopt},
        {"1 2", std::nullopt},
        {"+", std::nullopt},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Text.toStdString());
        EXPECT_EQ(TextZuInteger(fall.Text), fall.Wert);
    }
}

TEST(PsiZeile, KleinAbisZAendertNurDieseBuchstaben) {
    EXPECT_EQ(KleinAbisZ(u"HOLZ 68 Alu-Z"), QStringLiteral("holz 68 alu-z"));
    EXPECT_EQ(KleinAbisZ(QStringLiteral("ÜBER Ä")), QStringLiteral("Über Ä"));
}

TEST(PsiZeile, AufLaengeGekuerzt) {
    const QString emoji = QStringLiteral("\U0001F600"); // two UTF-16 code units
    struct TFall {
        std::string Beschreibung;
        QString Text;
        int Max;
        QString Erwartet;
    };
    const std::vector<TFall> faelle = {
        {"shorter stays", "abc", 5, "abc"},
        {"exact length stays", "abcde", 5, "abcde"},
        {"cut", "abcdef", 5, "abcde"},
        {"pair at the cut is dropped whole", "abcd" + emoji, 5, "abcd"},
        {"pair before the cut stays", "abc" + emoji + "x", 5, "abc" + emoji},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        EXPECT_EQ(AufLaengeGekuerzt(fall.Text, fall.Max), fall.Erwartet);
    }
}

} // namespace
} // namespace vitrano
