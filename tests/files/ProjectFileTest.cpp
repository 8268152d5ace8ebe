#include "files/ProjectFile.h"

#include "PublishedCompare.h"
#include "core/FassadenSatz.h"
#include "core/WERSystem.h"
#include "core/WESDatensatz.h"
#include "files/CatalogueFile.h"
#include "files/ComparisonFile.h"
#include "files/FileKind.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace vitrano {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// The small window of the fixture file: one field with frame and glass.
TFassadenSatz SmallWindow() {
    TFassadenSatz satz;
    satz.SetFenstertyp(1);
    TElement& element = satz.Elemente.GetItem(0);
    for (TSeite seite : AlleSeiten) {
        element.Rahmen.Rahmenbreite[seite] = 0.1;
        element.Rahmen.UWerte[seite] = 1.3;
        element.Rahmen.PSIInnen[seite] = 0.06;
        element.Rahmen.Bezeichnung[seite] = QStringLiteral("PVC 70 mm");
    }
    element.Fuellung.Bezeichnung = QStringLiteral("4/16/4 Ar, Ug 1,1");
    element.Fuellung.UWert = 1.1;
    element.Fuellung.GWert = 62;
    satz.Objektdaten.Firma = QStringLiteral("Fensterbau Größe & Söhne");
    satz.SetzeFensterlaengen(1.23, 1.48, 0.0, 1);
    return satz;
}

constexpr double FifteenDigits = 1e-14;

const TXmlFileOptions PointFormat{true, TNumberFormat::Point()};
const TXmlFileOptions CommaFormat{true, TNumberFormat::Comma()};

TEST(ProjectFile, SmallWindowIsWrittenByteForByteAsTheFixture) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fenster.xucw"));
    ASSERT_TRUE(SaveProjectFile(path, SmallWindow(), CommaFormat).Ok());
    const QByteArray expected =
        ReadAll(QStringLiteral(VITRANO_TEST_DATA_DIR "/files/small-window.xucw"));
    ASSERT_FALSE(expected.isEmpty());
    const QByteArray written = ReadAll(path);
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(written.startsWith(
        "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<TFassadenSatz>\r\n\t<Fassade>"));
    EXPECT_TRUE(written.endsWith("\r\n</TFassadenSatz>"));
}

TEST(ProjectFile, SavedProjectLoadsWithEveryValueAndTheSameResults) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fenster.xucw"));
    const TFassadenSatz original = SmallWindow();
    ASSERT_TRUE(SaveProjectFile(path, original, CommaFormat).Ok());
    TFassadenSatz loaded;
    ASSERT_TRUE(LoadProjectFile(path, loaded, PointFormat).Ok());
    test::ExpectSamePublished(original, loaded, "TFassadenSatz", FifteenDigits);
    EXPECT_EQ(loaded.Elemente.GetItem(0).Rahmen.FGesamtRahmenflaeche, 0.0); // not saved
    loaded.Rechne();
    EXPECT_EQ(loaded.ErgebnisUwertGesamt, original.ErgebnisUwertGesamt);
    EXPECT_EQ(loaded.GetElement(1, 1), &loaded.Elemente.GetItem(0));
}

TEST(ProjectFile, LoadingKeepsConstructorValuesAndSkipsUnknownElements) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("alt.xucw"));
    WriteAll(path, "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<TFassadenSatz>\r\n"
                   "\t<Fassade>True</Fassade>\r\n\t<Zukunft><Wert>1</Wert></Zukunft>\r\n"
                   "\t<Fenstertyp>100</Fenstertyp>\r\n</TFassadenSatz>");
    TFassadenSatz satz;
    EXPECT_TRUE(LoadProjectFile(path, satz).Ok());
    EXPECT_TRUE(satz.Fassade);
    EXPECT_EQ(satz.Fenstertyp, 100);
    EXPECT_EQ(satz.Airleakage, 0.1);
    EXPECT_EQ(satz.OpeningLightLength, 4.19);
}

TEST(ProjectFile, EmptyOrMissingFileLeavesTheRecordAndReportsWhy) {
    QTemporaryDir folder;
    const QString empty = folder.filePath(QStringLiteral("leer.xucw"));
    WriteAll(empty, QByteArray());
    const QString missing = folder.filePath(QStringLiteral("fehlt.xucw"));
    for (const QString& path : {empty, missing}) {
        TFassadenSatz satz;
        const TFileResult result = LoadProjectFile(path, satz);
        EXPECT_FALSE(result.Ok());
        EXPECT_FALSE(result.Error.isEmpty());
        EXPECT_EQ(satz.Elemente.Count(), 0);
        EXPECT_EQ(satz.Airleakage, 0.1);
        EXPECT_NO_THROW(DateiLaden(path, satz)); // the dialogs' variant says nothing
    }
}

TEST(ProjectFile, FailedSaveLeavesThePreviousFileByteIdentical) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fenster.xucw"));
    const QByteArray previous = "the previous project";
    WriteAll(path, previous);

    TFassadenSatz large;
    large.SetFassadenTyp(100, 10, 10, 6.0, 6.0);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit original = limit;
    limit.rlim_cur = 4096; // the disk is "full" after 4 kB
    auto* const previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const TFileResult result = SaveProjectFile(path, large);
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("fenster.xucw")});
}

TEST(ComparisonFile, RoundTripWithBothWindowsAndDefaults) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("vergleich.xwes"));
    TWESDatensatz original;
    original.Fenster1 = SmallWindow();
    original.UWertManuell2 = true;
    original.UWert2 = 2.8;
    original.Waehrung = QStringLiteral("CHF");
    ASSERT_TRUE(SaveComparisonFile(path, original, CommaFormat).Ok());
    const QByteArray text = ReadAll(path);
    EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\" "
                                "?>\r\n<TWESDatensatz>\r\n\t<DauerHeizperiode>250"));
    EXPECT_TRUE(text.contains("\r\n\t<Fenster1>\r\n\t\t<Fassade>False</Fassade>"));

    TWESDatensatz loaded;
    ASSERT_TRUE(LoadComparisonFile(path, loaded, PointFormat).Ok());
    test::ExpectSamePublished(original, loaded, "TWESDatensatz", FifteenDigits);
}

TEST(CatalogueFile, StartsWithALineBreakAndRemembersItsName) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("windowsystemdata.xml"));
    TWERSystem catalogue;
    TWERManufacturer& maker = catalogue.Manufacturers.Add();
    maker.Name = QStringLiteral("neutral");
    TWERWindowSystem& system = maker.Systems.Add();
    system.Name = QStringLiteral("PVC 70");
    system.Hersteller = QStringLiteral("neutral");
    ASSERT_TRUE(SaveCatalogueFile(path, catalogue, TNumberFormat::Point()).Ok());
    EXPECT_EQ(catalogue.FFileName, path);
    const QByteArray text = ReadAll(path);
    EXPECT_TRUE(text.startsWith("\r\n<TWERSystem>\r\n\t<Manufacturers>\r\n\t\t<TWERManufacturer>"));
    EXPECT_TRUE(text.contains("\r\n\t\t\t\t\t<FixedJamb>\r\n\t\t\t\t\t\t<UfValue>1.3</UfValue>"));

    TWERSystem loaded;
    ASSERT_TRUE(LoadCatalogueFile(path, loaded, TNumberFormat::Comma()).Ok());
    EXPECT_EQ(loaded.FFileName, path);
    test::ExpectSamePublished(catalogue, loaded, "TWERSystem");
}

TEST(CatalogueFile, ShippedCatalogueIsExactlyWhatTheSerializerWrites) {
    const QString shipped = QStringLiteral(VITRANO_DATA_DIR "/windowsystemdata.xml");
    TWERSystem catalogue;
    ASSERT_TRUE(LoadCatalogueFile(shipped, catalogue, TNumberFormat::Point()).Ok());
    ASSERT_GE(catalogue.Manufacturers.Count(), 3);
    EXPECT_EQ(catalogue.Manufacturers.GetItem(0).Name, QStringLiteral("neutral"));
    QTemporaryDir folder;
    const QString rewritten = folder.filePath(QStringLiteral("windowsystemdata.xml"));
    ASSERT_TRUE(SaveCatalogueFile(rewritten, catalogue, TNumberFormat::Point()).Ok());
    EXPECT_EQ(ReadAll(rewritten), ReadAll(shipped));
}

TEST(FileKind, TheLowerCasedExtensionDecides) {
    struct Case {
        const char* name;
        TFileKind kind;
    };
    const Case cases[] = {
        {"a.ucw", TFileKind::LegacyProject},    {"A.UCW", TFileKind::LegacyProject},
        {"b.Zelvik", TFileKind::LegacyProject}, {"c.xwes", TFileKind::Comparison},
        {"C.XWES", TFileKind::Comparison},      {"d.xucw", TFileKind::Project},
        {"e.xzelvik", TFileKind::Project},      {"f.xml", TFileKind::Project},
        {"ohne", TFileKind::Project},           {"g.xwes.xucw", TFileKind::Project},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileKindOf(QString::fromLatin1(c.name)), c.kind) << c.name;
    }
}

TEST(ComparisonCalculation, DefaultsWithTwoWindowsGiveTheKnownSavings) {
    TWESDatensatz satz;
    EXPECT_EQ(satz.DauerHeizperiode, 250);
    EXPECT_EQ(satz.Waehrung, QStringLiteral("EUR"));
    EXPECT_EQ(satz.AnzahlFenster1, 1);
    satz.UWertManuell1 = satz.UWertManuell2 = true;
    satz.FlaecheManuell1 = satz.FlaecheManuell2 = true;
    satz.UWert1 = 1.3;
    satz.UWert2 = 2.8;
    satz.FLaeche1 = satz.FLaeche2 = 1.5;
    satz.Rechne();
    EXPECT_NEAR(satz.FDiffernzWaermeverluste, 2.25, 1e-12);
    EXPECT_NEAR(satz.FDifferenzWaermebedarf, 270.0, 1e-9);
    EXPECT_NEAR(satz.FDifferenzHeizoelBedarf, 34.2857142857, 1e-9);
    EXPECT_NEAR(satz.FDiffernzHeizoelKosten, 22.2857142857, 1e-9);
    EXPECT_NEAR(satz.FDifferenzCO2, 92.5714285714, 1e-9);

    std::swap(satz.UWert1, satz.UWert2);
    std::swap(satz.MittlereAussentemperatur, satz.MittlereRaumlufttemperatur);
    satz.Rechne();
    EXPECT_NEAR(satz.FDifferenzWaermebedarf, 270.0, 1e-9);
}

TEST(ComparisonCalculation, CountMultipliesTheAreaAndZeroEfficiencyStopsQuietly) {
    TWESDatensatz satz;
    satz.Fenster1 = SmallWindow();
    satz.AnzahlFenster1 = 3;
    satz.UWertManuell2 = satz.FlaecheManuell2 = true;
    satz.Rechne();
    EXPECT_NEAR(satz.FDiffernzWaermeverluste, 3 * 1.8204 * satz.Fenster1.ErgebnisUwertGesamt, 1e-9);
    const double before = satz.FDifferenzHeizoelBedarf;
    satz.Wirkungsgrad = 0;
    satz.AnzahlFenster1 = 1;
    satz.Rechne();
    EXPECT_NEAR(satz.FDiffernzWaermeverluste, 1.8204 * satz.Fenster1.ErgebnisUwertGesamt, 1e-9);
    EXPECT_EQ(satz.FDifferenzHeizoelBedarf, before);
}

} // namespace
} // namespace vitrano
