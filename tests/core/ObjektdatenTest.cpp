#include "core/Objektdaten.h"

#include "core/GlobalSettings.h"
#include "core/TextDecoding.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vitrano {
namespace {

const QString IniText = QStringLiteral("[Objektdaten]\r\n"
                                       "fa=Glas & Fenster Köln\r\n"
                                       "NUTZER=Jürgen\r\n"
                                       "bv=Neubau Süd\r\n"
                                       "fassadenabschnitt=Achse 1-4\r\n"
                                       "stockwerk=EG\r\n"
                                       "positionsnr=12\r\n"
                                       "weiteres1=a\r\n"
                                       "weiteres2=b\r\n"
                                       "weiteres3=c\r\n");

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Utf16WithBom(const QString& text) {
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder(text);
}

TEST(ObjektdatenAusIni, ReadsTheNineKeysInEveryEncoding) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-16 with BOM", Utf16WithBom(IniText)},
        {"UTF-8", IniText.toUtf8()},
        {"Windows-1252", EncodeWindows1252(IniText)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        WriteFile(folder.filePath(QStringLiteral("Objektdaten.ini")), c.bytes);
        TObjektdaten daten;
        TObjektdaten::ObjektdatenAusIniVorbelegen(daten, folder.path() + QLatin1Char('/'));
        EXPECT_EQ(daten.Firma, QStringLiteral("Glas & Fenster Köln"));
        EXPECT_EQ(daten.Nutzer, QStringLiteral("Jürgen"));
        EXPECT_EQ(daten.Objekt, QStringLiteral("Neubau Süd"));
        EXPECT_EQ(daten.Fassadenabschnitt, QStringLiteral("Achse 1-4"));
        EXPECT_EQ(daten.Stockwerk, QStringLiteral("EG"));
        EXPECT_EQ(daten.Positionsnr, QStringLiteral("12"));
        EXPECT_EQ(daten.Weiteres1, QStringLiteral("a"));
        EXPECT_EQ(daten.Weiteres2, QStringLiteral("b"));
        EXPECT_EQ(daten.Weiteres3, QStringLiteral("c"));
    }
}

TEST(ObjektdatenAusIni, MissingFileSectionOrKeyGivesEmptyStrings) {
    QTemporaryDir withoutFile;
    QTemporaryDir otherSection;
    WriteFile(otherSection.filePath(QStringLiteral("Objektdaten.ini")),
              QByteArrayLiteral("[Anderes]\nfa=X\n"));
    QTemporaryDir partial;
    WriteFile(partial.filePath(QStringLiteral("Objektdaten.ini")),
              QByteArrayLiteral("[objektdaten]\nstockwerk=3. OG\n"));

    for (const QTemporaryDir* folder : {&withoutFile, &otherSection, &partial}) {
        TObjektdaten daten;
        daten.Firma = QStringLiteral("vorher");
        daten.Weiteres3 = QStringLiteral("vorher");
        TObjektdaten::ObjektdatenAusIniVorbelegen(daten, folder->path() + QLatin1Char('/'));
        EXPECT_TRUE(daten.Firma.isEmpty());
        EXPECT_TRUE(daten.Weiteres3.isEmpty());
    }
    TObjektdaten daten;
    TObjektdaten::ObjektdatenAusIniVorbelegen(daten, partial.path() + QLatin1Char('/'));
    EXPECT_EQ(daten.Stockwerk, QStringLiteral("3. OG"));
}

TEST(ObjektdatenAusIni, ReadsFromTheProgramFolderByDefault) {
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("Objektdaten.ini")),
              QByteArrayLiteral("[Objektdaten]\nfa=Aus dem Programmordner\n"));
    GlobalSettings().ProgramFolder = folder.path() + QLatin1Char('/');
    TObjektdaten daten;
    TObjektdaten::ObjektdatenAusIniVorbelegen(daten);
    EXPECT_EQ(daten.Firma, QStringLiteral("Aus dem Programmordner"));

    ResetGlobalSettings();
    EXPECT_EQ(GlobalSettings().ProgramFolder, ExecutableFolder());
    EXPECT_TRUE(GlobalSettings().ProgramFolder.endsWith(QLatin1Char('/')));
}

} // namespace
} // namespace vitrano
