#include "files/LegacyImport.h"

#include "LegacyFileBuilder.h"
#include "core/FassadenSatz.h"
#include "core/TextDecoding.h"
#include "core/UserMessages.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace vitrano {
namespace {

using test::LegacyFile;

TEST(LegacyImport, VersionsFromThreeTenAreImportedOlderOnesRefusedWithTheMessage) {
    struct Case {
        double version;
        bool imported;
    };
    for (const Case& c :
         {Case{3.1, true}, Case{4.6, true}, Case{9.0, true}, Case{3.09, false}, Case{0.0, false}}) {
        SCOPED_TRACE(c.version);
        LegacyFile file(c.version);
        file.Grid(1, 1);
        QStringList messages;
        TScopedMessageReceiver receiver([&messages](const QString& text) { messages << text; });
        TFassadenSatz satz;
        const TFileResult result = ImportLegacyData(file.Data(), satz);
        EXPECT_EQ(result.Ok(), c.imported);
        EXPECT_EQ(satz.Elemente.Count(), c.imported ? 1 : 0);
        EXPECT_EQ(messages, c.imported ? QStringList() : QStringList{LegacyVersionMessage()});
    }
    EXPECT_TRUE(LegacyVersionMessage().startsWith(QStringLiteral(
        "Sie versuchen eine Datei zu laden deren\r\nFormat nicht mehr unterstützt")));
}

TEST(LegacyImport, FacadeElementsArriveRowByRowWithTheirValues) {
    LegacyFile file;
    file.Grid(3, 2);
    file.PutByte(170140, 1);
    file.PutReal(4, 3.0);
    file.PutReal(12, 2.0);
    file.PutInt(170157, 100);
    file.PutReal(170162, 0.3);
    for (int zeile = 1; zeile <= 2; ++zeile) {
        for (int spalte = 1; spalte <= 3; ++spalte) {
            const qsizetype e = LegacyFile::Element(zeile, spalte);
            file.PutReal(e + 48, zeile * 10 + spalte); // width tells the position
            file.PutReal(e + 56, 1.0);
        }
    }
    const qsizetype e = LegacyFile::Element(2, 3);
    file.PutByte(e + 0, 2); // any non-zero byte is True
    file.PutString(e + 1, QStringLiteral("ro"), 5);
    file.PutByte(e + 46, 1);
    file.PutInt(e + 1156, 3);
    file.PutInt(e + 1160, 3);
    file.PutReal(e + 1164, 0.04);
    file.PutInt(e + 104, 7); // infill material
    file.PutString(e + 104 + 4, QStringLiteral("Wärmeschutzglas"), 50);
    file.PutReal(e + 104 + 55, 1.1);
    file.PutReal(e + 104 + 67, 62.0);
    file.PutInt(e + 179 + 12, 4); // frame material, right
    file.PutString(e + 179 + 16 + 3 * 51, QStringLiteral("Pfosten rechts"), 50);
    file.PutInt(e + 179 + 220, 2);          // spacer
    file.PutReal(e + 179 + 224 + 8, 0.05);  // frame width, bottom
    file.PutReal(e + 179 + 256 + 16, 1.6);  // Uf left
    file.PutReal(e + 179 + 288 + 24, 0.11); // psi right
    file.PutReal(e + 179 + 320, 2.5);       // outer length top
    file.PutReal(e + 179 + 416 + 24, 0.02); // outer psi right
    file.PutString(e + 627 + 16, QStringLiteral("Sonder oben"), 50);

    TFassadenSatz satz;
    ASSERT_TRUE(ImportLegacyData(file.Data(), satz).Ok());
    EXPECT_TRUE(satz.Fassade);
    EXPECT_EQ(satz.Fenstertyp, 100);
    EXPECT_EQ(satz.VerschraubungDeltaU, 0.3);
    ASSERT_EQ(satz.Elemente.Count(), 6);
    const double expectedWidths[] = {11, 12, 13, 21, 22, 23};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(satz.Elemente.GetItem(i).Breite(), expectedWidths[i]) << i;
    }
    const TElement& last = satz.Elemente.GetItem(5);
    EXPECT_TRUE(last.Sonderbauteil);
    EXPECT_EQ(last.SonderOeffnung, QStringLiteral("ro"));
    EXPECT_TRUE(last.Lage.Links);
    EXPECT_FALSE(last.Lage.Oben);
    EXPECT_EQ(last.Sprossenaufteilung, 3);
    EXPECT_EQ(last.SprossenPSI, 0.04);
    EXPECT_EQ(last.SprossenLaenge, 0.0); // left to the next calculation
    EXPECT_EQ(last.Fuellung.Material, 7);
    EXPECT_EQ(last.Fuellung.Bezeichnung, QStringLiteral("Wärmeschutzglas"));
    EXPECT_EQ(last.Fuellung.UWert, 1.1);
    EXPECT_EQ(last.Fuellung.GWert, 62.0);
    EXPECT_EQ(last.Rahmen.Material.Rechts, 4);
    EXPECT_EQ(last.Rahmen.Bezeichnung.Rechts, QStringLiteral("Pfosten rechts"));
    EXPECT_EQ(last.Rahmen.Abstandshalter, 2);
    EXPECT_EQ(last.Rahmen.Rahmenbreite.Unten, 0.05);
    EXPECT_EQ(last.Rahmen.UWerte.Links, 1.6);
    EXPECT_EQ(last.Rahmen.PSIInnen.Rechts, 0.11);
    EXPECT_EQ(last.Rahmen.LaengeAussen.Oben, 2.5);
    EXPECT_EQ(last.Rahmen.PSIAussen.Rechts, 0.02);
    EXPECT_EQ(last.Sonderrahmen.Bezeichnung.Oben, QStringLiteral("Sonder oben"));
    EXPECT_EQ(satz.Airleakage, 0.1);
    EXPECT_TRUE(satz.WindowEnergyType.isEmpty());
}

TEST(LegacyImport, ShortStringsTakeTheirLengthWhateverFollows) {
    LegacyFile file;
    file.Grid(1, 1);
    // Object data: nine string[30] of 31 bytes from record offset 28.
    file.PutString(28, QStringLiteral("Fensterbau"), 30);
    file.PutString(28 + 6 * 31, QStringLiteral("erste Zeile"), 30);
    file.PutString(28 + 8 * 31, QStringLiteral("dritte Zeile"), 30);
    file.PutString(169135, QStringLiteral("Druckrahmen"), 200);
    const qsizetype bildname = LegacyFile::Element(1, 1) + 7;
    file.PutString(bildname, QStringLiteral("bild01111.bmpXXXX"), 30);
    file.PutByte(bildname, 5);  // length 5: the rest is garbage
    file.PutByte(28 + 31, 200); // a length above the capacity is cut to it

    TFassadenSatz satz;
    ASSERT_TRUE(ImportLegacyData(file.Data(), satz).Ok());
    EXPECT_EQ(satz.Objektdaten.Firma, QStringLiteral("Fensterbau"));
    EXPECT_EQ(satz.Objektdaten.Weiteres1, QStringLiteral("erste Zeile"));
    EXPECT_EQ(satz.Objektdaten.Weiteres3, QStringLiteral("dritte Zeile"));
    EXPECT_EQ(satz.Objektdaten.Nutzer.size(), 30);
    EXPECT_EQ(satz.DruckRahmen, QStringLiteral("Druckrahmen"));
    EXPECT_EQ(satz.Elemente.GetItem(0).Bildname, QStringLiteral("bild0"));
}

TEST(LegacyImport, WindowAssistantValuesComeFromTheSpareCell) {
    LegacyFile file;
    file.Grid(1, 1);
    const qsizetype spare = LegacyFile::Element(11, 11);
    file.PutReal(spare + 1164, 0.055);
    file.PutReal(spare + 64, -0.005);
    file.PutReal(spare + 80, 4.0);
    file.PutReal(spare + 72, 6.0);
    TFassadenSatz satz;
    ASSERT_TRUE(ImportLegacyData(file.Data(), satz).Ok());
    EXPECT_EQ(satz.FensterPsiBasis, 0.055);
    EXPECT_EQ(satz.FensterPsiKorrektur, -0.005);
    EXPECT_EQ(satz.FensterGlasdickeAussen, 4.0);
    EXPECT_EQ(satz.FensterGlasdickeInnen, 6.0);
}

TEST(LegacyImport, DamagedFilesAreRefusedWholeWithAReason) {
    struct Case {
        const char* what;
        std::function<void(LegacyFile&)> damage;
    };
    const Case cases[] = {
        {"one byte short", [](LegacyFile& f) { f.Data().chop(1); }},
        {"only the version", [](LegacyFile& f) { f.Data().truncate(8); }},
        {"shorter than the version", [](LegacyFile& f) { f.Data().truncate(3); }},
        {"no columns", [](LegacyFile& f) { f.Grid(0, 1); }},
        {"twelve columns", [](LegacyFile& f) { f.Grid(12, 1); }},
        {"negative rows", [](LegacyFile& f) { f.Grid(1, -1); }},
        {"huge rows", [](LegacyFile& f) { f.Grid(1, 2000000000); }},
        {"NaN width",
         [](LegacyFile& f) { f.PutReal(LegacyFile::Element(1, 1) + 48, std::nan("")); }},
        {"infinite result",
         [](LegacyFile& f) { f.PutReal(169099, std::numeric_limits<double>::infinity()); }},
        {"NaN version", [](LegacyFile& f) { f.PutReal(-8, std::nan("")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LegacyFile file;
        file.Grid(2, 1);
        file.PutString(28, QStringLiteral("Firma"), 30);
        c.damage(file);
        TScopedMessageReceiver quiet([](const QString&) {});
        TFassadenSatz satz;
        const TFileResult result = ImportLegacyData(file.Data(), satz);
        EXPECT_FALSE(result.Ok());
        EXPECT_FALSE(result.Error.isEmpty());
        EXPECT_EQ(satz.Elemente.Count(), 0);
        EXPECT_TRUE(satz.Objektdaten.Firma.isEmpty()); // nothing half-imported
        EXPECT_EQ(satz.AnzahlHorizontal, 0);
    }
}

TEST(LegacyImport, LongerFilesAreReadUpToTheRecord) {
    LegacyFile file;
    file.Grid(11, 11);
    file.Data().append(QByteArray(100, 'x'));
    TFassadenSatz satz;
    ASSERT_TRUE(ImportLegacyData(file.Data(), satz).Ok());
    EXPECT_EQ(satz.Elemente.Count(), 121);
}

} // namespace
} // namespace vitrano
