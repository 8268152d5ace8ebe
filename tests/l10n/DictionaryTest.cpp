#include "l10n/Dictionary.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vitrano {
namespace {

QByteArray SavedBytes(const TDictionary& dictionary) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("export.txt"));
    EXPECT_TRUE(dictionary.SaveDictionary(path));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Dictionary, LookupIgnoresCaseMarksAndBlanksOfTheStoredPair) {
    TDictionary dictionary;
    dictionary.AddWords(QStringLiteral("  &Zeile "), QStringLiteral(" &Row  "));
    dictionary.AddWords(QStringLiteral("Spalte"), QStringLiteral("Column"));
    dictionary.AddWords(QStringLiteral("SPALTE"), QStringLiteral("Second column"));

    EXPECT_EQ(dictionary.WordCount(), 3);
    EXPECT_EQ(dictionary.TranslationFor(QStringLiteral("Zeile")), QStringLiteral("Row"));
    EXPECT_EQ(dictionary.TranslationFor(QStringLiteral("zEILE")), QStringLiteral("Row"));
    EXPECT_EQ(dictionary.TranslationFor(QStringLiteral("spalte")), QStringLiteral("Column"));
    EXPECT_EQ(dictionary.GermanFor(QStringLiteral("second COLUMN")), QStringLiteral("SPALTE"));
    EXPECT_EQ(dictionary.GermanFor(QStringLiteral("row")), QStringLiteral("Zeile"));
    EXPECT_EQ(dictionary.GermanFor(QStringLiteral("Zeile")), QString());
    EXPECT_TRUE(dictionary.Untranslated().isEmpty());
}

TEST(Dictionary, RecordsMissingTextsSortedOnceButNotKnownTranslations) {
    TDictionary dictionary;
    dictionary.AddWords(QStringLiteral("Zeile"), QStringLiteral("Row"));

    for (const char* text : {"Riegel", "pfosten", "Row", "Pfosten", "Abstandhalter"}) {
        EXPECT_EQ(dictionary.TranslationFor(QString::fromUtf8(text)), QString()) << text;
    }

    EXPECT_EQ(dictionary.Untranslated(), QStringList({"Abstandhalter", "pfosten", "Riegel"}));
    dictionary.Clear();
    EXPECT_EQ(dictionary.WordCount(), 0);
    EXPECT_TRUE(dictionary.Untranslated().isEmpty());
    EXPECT_EQ(dictionary.TranslationFor(QStringLiteral("Zeile")), QString());
}

TEST(Dictionary, SavesSortedPairsAndTheBlockOfUntranslatedTexts) {
    TDictionary dictionary;
    dictionary.AddWords(QStringLiteral("Zeile"), QStringLiteral("Row"));
    dictionary.AddWords(QStringLiteral("Größe"), QStringLiteral("Size"));
    dictionary.AddWords(QStringLiteral("Leer"), QString());
    dictionary.AddWords(QStringLiteral("zeile"), QStringLiteral("row"));
    dictionary.TranslationFor(QStringLiteral("Riegel"));

    const QByteArray expected = QByteArrayLiteral("Gr\xF6\xDF"
                                                  "e||Size\r\n"
                                                  "Zeile||Row\r\n"
                                                  "\r\r\n\r\r\n\r\r\n"
                                                  "NICHT \xDC"
                                                  "BERSETZTE STRINGS\r\n"
                                                  "Leer||||\r\n"
                                                  "Riegel||\r\n");
    EXPECT_EQ(SavedBytes(dictionary), expected);
    EXPECT_EQ(dictionary.Untranslated(), QStringList({"Riegel"})) << "saving changes nothing";
}

TEST(Dictionary, SavesNoUntranslatedBlockWhenEveryTextHasATranslation) {
    TDictionary dictionary;
    dictionary.AddWords(QStringLiteral("Zeile"), QStringLiteral("Row"));
    dictionary.TranslationFor(QStringLiteral("Zeile"));

    EXPECT_EQ(SavedBytes(dictionary), QByteArrayLiteral("Zeile||Row\r\n"));
}

TEST(Dictionary, SavesLettersOutsideWindows1252AsUtf8WithByteOrderMark) {
    TDictionary dictionary;
    dictionary.AddWords(QStringLiteral("Zeile"), QStringLiteral("Řádek"));

    EXPECT_EQ(SavedBytes(dictionary),
              QByteArrayLiteral("\xEF\xBB\xBF") + QStringLiteral("Zeile||Řádek\r\n").toUtf8());
}

TEST(Dictionary, SaveIntoAMissingFolderFails) {
    QTemporaryDir folder;
    TDictionary dictionary;
    dictionary.AddWords(QStringLiteral("Zeile"), QStringLiteral("Row"));
    EXPECT_FALSE(dictionary.SaveDictionary(folder.filePath(QStringLiteral("missing/export.txt"))));
}

} // namespace
} // namespace vitrano
