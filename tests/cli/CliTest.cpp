// The command-line program end to end: its output and exit codes are an
// interface that scripts rely on.

#include "../files/LegacyFileBuilder.h"
#include "core/WESDatensatz.h"
#include "files/ComparisonFile.h"
#include "files/ProjectFile.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace vitrano {
namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun RunCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VITRANO_CLI_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonObject ParseJson(const QByteArray& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
    return document.object();
}

const QString SmallWindow = QStringLiteral(VITRANO_TEST_DATA_DIR "/files/small-window.xucw");

TEST(CliCalc, ProjectPrintsResultsAndElements) {
    const CliRun run = RunCli({QStringLiteral("calc"), SmallWindow});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    const QJsonObject json = ParseJson(run.out);
    EXPECT_EQ(json[QStringLiteral("kind")].toString(), QStringLiteral("project"));
    EXPECT_EQ(json[QStringLiteral("Fenstertyp")].toInt(), 1);
    EXPECT_EQ(json[QStringLiteral("Fassade")].toBool(true), false);
    EXPECT_NEAR(json[QStringLiteral("ErgebnisUwertGesamt")].toDouble(), 1.30743, 1e-5);
    EXPECT_NEAR(json[QStringLiteral("ErgebnisProzentRahmen")].toDouble(), 27.576, 1e-3);
    for (const char* key :
         {"AnzahlHorizontal", "AnzahlVertikal", "Gesamtbreite", "Gesamthoehe",
          "ErgebnisFlaecheGesamt", "ErgebnisFlaecheRahmen", "ErgebnisFlaecheGlase", "ErgebnisUGlas",
          "ErgebnisURahmen", "ErgebnisGlasrandlaenge", "ErgebnisSprossenlaenge"}) {
        EXPECT_TRUE(json.contains(QLatin1String(key))) << key;
    }
    const QJsonArray elements = json[QStringLiteral("elements")].toArray();
    ASSERT_EQ(elements.size(), 1);
    const QJsonObject element = elements[0].toObject();
    EXPECT_EQ(element[QStringLiteral("row")].toInt(), 1);
    EXPECT_EQ(element[QStringLiteral("column")].toInt(), 1);
    EXPECT_NEAR(element[QStringLiteral("RahmenFlaeche")].toDouble(), 0.502, 1e-12);
    EXPECT_NEAR(element[QStringLiteral("FlaecheFuellung")].toDouble(), 1.3184, 1e-12);
}

TEST(CliCalc, NumbersReadBackToTheSameDouble) {
    TFassadenSatz satz;
    LoadProjectFile(SmallWindow, satz);
    satz.Rechne();
    const CliRun run = RunCli({QStringLiteral("calc"), SmallWindow});
    const QJsonObject json = ParseJson(run.out);
    EXPECT_EQ(json[QStringLiteral("ErgebnisUwertGesamt")].toDouble(), satz.ErgebnisUwertGesamt);
    EXPECT_EQ(json[QStringLiteral("ErgebnisGlasrandlaenge")].toDouble(),
              satz.ErgebnisGlasrandlaenge);
}

TEST(CliCalc, ComparisonPrintsTheFiveDifferences) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Vergleich.XWES"));
    TWESDatensatz satz;
    satz.UWertManuell1 = satz.UWertManuell2 = satz.FlaecheManuell1 = satz.FlaecheManuell2 = true;
    satz.UWert1 = 1.3;
    satz.UWert2 = 2.8;
    satz.FLaeche1 = satz.FLaeche2 = 1.5;
    ASSERT_TRUE(SaveComparisonFile(path, satz).Ok());
    const CliRun run = RunCli({QStringLiteral("calc"), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = ParseJson(run.out);
    EXPECT_EQ(json[QStringLiteral("kind")].toString(), QStringLiteral("comparison"));
    EXPECT_NEAR(json[QStringLiteral("FDiffernzWaermeverluste")].toDouble(), 2.25, 1e-12);
    EXPECT_NEAR(json[QStringLiteral("FDifferenzWaermebedarf")].toDouble(), 270.0, 1e-9);
    EXPECT_NEAR(json[QStringLiteral("FDifferenzHeizoelBedarf")].toDouble(), 34.2857, 1e-4);
    EXPECT_NEAR(json[QStringLiteral("FDiffernzHeizoelKosten")].toDouble(), 22.2857, 1e-4);
    EXPECT_NEAR(json[QStringLiteral("FDifferenzCO2")].toDouble(), 92.5714, 1e-4);
}

TEST(CliConvert, LegacyFileBecomesAnXmlProjectThatCalculatesTheSame) {
    QTemporaryDir folder;
    test::LegacyFile legacy;
    legacy.Grid(2, 1);
    legacy.PutString(28, QStringLiteral("Müller"), 30);
    for (int spalte = 1; spalte <= 2; ++spalte) {
        const qsizetype e = test::LegacyFile::Element(1, spalte);
        legacy.PutReal(e + 48, 0.8);
        legacy.PutReal(e + 56, 1.2);
        legacy.PutReal(e + 104 + 55, 1.1); // Ug
        for (int side = 0; side < 4; ++side) {
            legacy.PutReal(e + 179 + 224 + 8 * side, 0.1);                  // frame width
            legacy.PutReal(e + 179 + 256 + 8 * side, 1.3);                  // Uf
            legacy.PutReal(e + 179 + 320 + 8 * side, side < 2 ? 0.8 : 1.2); // outer lengths
        }
    }
    const QString input = folder.filePath(QStringLiteral("ALT.UCW"));
    QFile file(input);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(legacy.Data());
    file.close();
    const QString output = folder.filePath(QStringLiteral("neu.xucw"));

    const CliRun convert = RunCli({QStringLiteral("convert"), input, output});
    ASSERT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    TFassadenSatz converted;
    ASSERT_TRUE(LoadProjectFile(output, converted).Ok());
    EXPECT_EQ(converted.Objektdaten.Firma, QStringLiteral("Müller"));
    ASSERT_EQ(converted.Elemente.Count(), 2);

    const QJsonObject fromLegacy = ParseJson(RunCli({QStringLiteral("calc"), input}).out);
    const QJsonObject fromXml = ParseJson(RunCli({QStringLiteral("calc"), output}).out);
    const double uw = fromXml[QStringLiteral("ErgebnisUwertGesamt")].toDouble();
    EXPECT_GT(uw, 1.1); // between the glass and the frame value, no edge psi
    EXPECT_LT(uw, 1.3);
    EXPECT_EQ(fromLegacy[QStringLiteral("ErgebnisUwertGesamt")].toDouble(),
              fromXml[QStringLiteral("ErgebnisUwertGesamt")].toDouble());
    EXPECT_NEAR(fromXml[QStringLiteral("Gesamtbreite")].toDouble(), 1.6, 1e-12);
}

// A rated single-sash wood window with aluminium spacer, referring to the
// shipped tables by row (frame row 2: wood Uf 1.4, spacer row 1: aluminium).
QString RatedWoodWindow(const QTemporaryDir& folder) {
    TFassadenSatz satz;
    satz.SetFenstertyp(1);
    satz.WindowEnergyType = QStringLiteral("wer");
    TElement& element = satz.Elemente.GetItem(0);
    for (TSeite seite : AlleSeiten) {
        element.Rahmen.Material[seite] = 2;
        element.Rahmen.Rahmenbreite[seite] = 0.114;
        element.Rahmen.UWerte[seite] = 1.4;
        element.Rahmen.PSIInnen[seite] = 0.08;
    }
    element.Rahmen.Abstandshalter = 1;
    element.Fuellung.UWert = 1.1;
    element.Fuellung.GWert = 63;
    satz.SetzeFensterlaengen(1.23, 1.48, 0.0, 1);
    const QString path = folder.filePath(QStringLiteral("bewertet.xucw"));
    EXPECT_TRUE(SaveProjectFile(path, satz).Ok());
    return path;
}

TEST(CliCalc, EnergyRatingRecordGetsItsRating) {
    QTemporaryDir folder;
    const CliRun run =
        RunCli({QStringLiteral("calc"), RatedWoodWindow(folder), QStringLiteral("--program-folder"),
                QStringLiteral(VITRANO_DATA_DIR)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QJsonObject rating = ParseJson(run.out)[QStringLiteral("rating")].toObject();
    for (const char* key : {"LFactor", "SolarFactor", "UwWER", "GwWER", "EnergyIndex"}) {
        EXPECT_TRUE(rating[QLatin1String(key)].isDouble()) << key;
    }
    const double energyIndex = rating[QStringLiteral("EnergyIndex")].toDouble();
    EXPECT_EQ(rating[QStringLiteral("Index")].toInt(), static_cast<int>(std::lround(energyIndex)));
    EXPECT_FALSE(rating[QStringLiteral("Letter")].toString().isEmpty());
    EXPECT_FALSE(ParseJson(RunCli({QStringLiteral("calc"), SmallWindow}).out)
                     .contains(QStringLiteral("rating")));
}

TEST(CliCalc, CondensationAtTheCriticalEdgeFromTheShippedTables) {
    QTemporaryDir folder;
    const QString path = RatedWoodWindow(folder);
    struct Case {
        QStringList inputs;
        double tsi;
        bool condensation;
    };
    // fRsi 0.43 of wood with aluminium spacer at Ug 1.1; dew point at 20 °C, 50 %: 9.2 °C.
    const Case cases[] = {
        {{QStringLiteral("20"), QStringLiteral("-5"), QStringLiteral("50")}, -5 + 25 * 0.43, true},
        {{QStringLiteral("20"), QStringLiteral("15"), QStringLiteral("50")}, 15 + 5 * 0.43, false},
        // Clamped to 40 °C inside, -30 °C outside and 10 % humidity: 0.1 °C at
        // the edge against a dew point of 2.5 °C.
        {{QStringLiteral("99"), QStringLiteral("-99"), QStringLiteral("0")},
         -30 + 70 * 0.43,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputs.join(QLatin1Char(' ')).toStdString());
        const CliRun run = RunCli(
            QStringList{QStringLiteral("calc"), path, QStringLiteral("--condensation")} + c.inputs +
            QStringList{QStringLiteral("--program-folder"), QStringLiteral(VITRANO_DATA_DIR)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject result = ParseJson(run.out)[QStringLiteral("condensation")].toObject();
        EXPECT_EQ(result[QStringLiteral("row")].toInt(), 1);
        EXPECT_EQ(result[QStringLiteral("column")].toInt(), 1);
        EXPECT_EQ(result[QStringLiteral("side")].toInt(), 1); // all sides equal: the top one
        EXPECT_NEAR(result[QStringLiteral("fRsi")].toDouble(), 0.43, 1e-12);
        EXPECT_NEAR(result[QStringLiteral("Tsi")].toDouble(), c.tsi, 1e-9);
        EXPECT_EQ(result[QStringLiteral("Condensation")].toBool(), c.condensation);
    }
    const QJsonObject none =
        ParseJson(RunCli({QStringLiteral("calc"), SmallWindow, QStringLiteral("--condensation"),
                          QStringLiteral("20"), QStringLiteral("-5"), QStringLiteral("50")})
                      .out)[QStringLiteral("condensation")]
            .toObject();
    EXPECT_EQ(none[QStringLiteral("side")].toInt(), 0);
    EXPECT_TRUE(none[QStringLiteral("Condensation")].isNull());
    EXPECT_EQ(RunCli({QStringLiteral("calc"), path, QStringLiteral("--condensation"),
                      QStringLiteral("20")})
                  .exitCode,
              1);
}

TEST(CliPicture, WritesTheWholePictureAtTwoPixelsPerCentimetre) {
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("fenster.png"));
    const CliRun run = RunCli({QStringLiteral("picture"), SmallWindow, output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage picture(output);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 246);                         // 1.23 m
    EXPECT_EQ(picture.height(), 296);                        // 1.48 m
    EXPECT_NE(picture.pixel(0, 0), picture.pixel(123, 148)); // frame band and glass differ

    const CliRun missing =
        RunCli({QStringLiteral("picture"), folder.filePath(QStringLiteral("x.xucw")),
                folder.filePath(QStringLiteral("x.png"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("x.png"))));
}

TEST(CliErrors, RefusedFilesGiveOneLineAndExitTwoWithoutWriting) {
    QTemporaryDir folder;
    const QString garbage = folder.filePath(QStringLiteral("kaputt.xucw"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a project");
    file.close();
    const QString oldVersion = folder.filePath(QStringLiteral("uralt.ucw"));
    QFile old(oldVersion);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(test::LegacyFile(2.5).Data());
    old.close();
    const QString missing = folder.filePath(QStringLiteral("fehlt.xucw"));
    const QString output = folder.filePath(QStringLiteral("out.xucw"));

    struct Case {
        QStringList arguments;
        QString named;
    };
    const Case cases[] = {
        {{QStringLiteral("calc"), missing}, missing},
        {{QStringLiteral("calc"), garbage}, garbage},
        {{QStringLiteral("calc"), oldVersion}, oldVersion},
        {{QStringLiteral("convert"), missing, output}, missing},
        {{QStringLiteral("convert"), oldVersion, output}, oldVersion},
        {{QStringLiteral("convert"), SmallWindow,
          folder.filePath(QStringLiteral("no/such/dir.xucw"))},
         folder.filePath(QStringLiteral("no/such/dir.xucw"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(c.named)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(output));
    }
    EXPECT_TRUE(QString::fromUtf8(RunCli({QStringLiteral("calc"), oldVersion}).err)
                    .contains(QStringLiteral("Programmversion zwischen 3.1 und 4.6")));
}

TEST(CliErrors, WrongUsageShowsTheUsageAndExitsOne) {
    for (const QStringList& arguments :
         {QStringList(), QStringList{QStringLiteral("rechne")}, QStringList{QStringLiteral("calc")},
          QStringList{QStringLiteral("calc"), SmallWindow, SmallWindow},
          QStringList{QStringLiteral("convert"), SmallWindow}}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("Usage: vitrano-cli")) << arguments.join(' ').toStdString();
    }
    const CliRun help = RunCli({QStringLiteral("help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("calc FILE"));
}

} // namespace
} // namespace vitrano
