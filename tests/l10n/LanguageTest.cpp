#include "l10n/Language.h"

#include "LanguageFiles.h"
#include "core/TextDecoding.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

class Translation : public LanguageFolderTest {
protected:
    void SetUp() override {
        LanguageFolderTest::SetUp();
        WriteUtf8(QStringLiteral("francais.txt"), QStringLiteral("Zeile||Ligne\r\n"
                                                                 "&Spalte||Colonne\n"
                                                                 "abbrechen||Annuler\r\n"
                                                                 "  Riegel  ||  Traverse  \r\n"
                                                                 "Pfosten||Montant\r\n"
                                                                 "Pfosten||Poteau\r\n"
                                                                 "Leer||\r\n"
                                                                 "Ohne Trenner\r\n"
                                                                 "Formel||a||b\r\n"
                                                                 "Fläche||Surface\r\n"));
        WriteUtf8(QStringLiteral("english.txt"), QStringLiteral("Leer||Empty\r\n"
                                                                "Nur Englisch||English only\r\n"
                                                                "Zeile||Row\r\n"));
    }
};

TEST_F(Translation, TranslatesTextsOfTheLanguageFileThenOfTheEnglishFallback) {
    Tlanguage language;
    language.SetSprachDatei(PathOf(QStringLiteral("francais.txt")));
    ASSERT_TRUE(language.Uebersetzen());

    struct TCase {
        const char* German;
        const char* Shown;
    };
    const std::vector<TCase> cases = {
        {"&Zeile", "Ligne"},              // the caption's mark is ignored
        {"Spalte", "Colonne"},            // ... and the file's mark too
        {"&Abbrechen", "Annuler"},        // letter case does not matter
        {"  Riegel ", "Traverse"},        // blanks are trimmed on both sides
        {"Pfosten", "Montant"},           // the first of two entries wins
        {"Leer", "Empty"},                // an empty translation falls back to English
        {"Nur Englisch", "English only"}, // a text the language file lacks
        {"Fläche", "Surface"},            // UTF-8 of the file
        {"Formel", "a||b"},               // the translation is everything after the first "||"
        {"Ohne Trenner", "Ohne Trenner"}, // a line without "||" translates nothing
        {"Un&bekannt ", "Unbekannt"},     // no entry: the German text without its mark
        {"", ""},
        {"Ligne", "Ligne"}, // an already translated caption stays
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.German);
        EXPECT_EQ(language.Uebersetze(QString::fromUtf8(c.German)), QString::fromUtf8(c.Shown));
    }
    EXPECT_EQ(language.Dictionary().Untranslated(),
              QStringList({"Nur Englisch", "Ohne Trenner", "Unbekannt"}));
}

TEST_F(Translation, ExportShowsPairsInUseAndTheTextsWithoutTranslation) {
    Tlanguage language;
    language.SetSprachDatei(PathOf(QStringLiteral("francais.txt")));
    language.Uebersetze(QStringLiteral("Unbekannt"));

    ASSERT_TRUE(language.SaveDictionary(PathOf(QStringLiteral("export.txt"))));
    const QString text = DecodeWindows1252(Read(QStringLiteral("export.txt")));
    const QString block = QStringLiteral("\r\r\n\r\r\n\r\r\nNICHT ÜBERSETZTE STRINGS\r\n");
    ASSERT_TRUE(text.contains(block)) << text.toStdString();
    const QString pairs = text.left(text.indexOf(block));
    const QString untranslated = text.mid(text.indexOf(block) + block.size());

    EXPECT_TRUE(pairs.startsWith(QStringLiteral("abbrechen||Annuler\r\n")));
    EXPECT_TRUE(pairs.contains(QStringLiteral("Pfosten||Montant\r\nPfosten||Poteau\r\n")));
    // "Leer||" has an empty translation, "||" is the empty pair of the line without separator.
    EXPECT_EQ(untranslated, QStringLiteral("Leer||||\r\nUnbekannt||\r\n||||\r\n"));
}

TEST_F(Translation, GermanOrAMissingFileSwitchesTranslationOff) {
    WriteUtf8(QStringLiteral("deutsch.txt"), QStringLiteral("Zeile||Row\r\n"));
    WriteUtf8(QStringLiteral(".txt"), QStringLiteral("Zeile||Row\r\n"));
    for (const char* name : {"deutsch.txt", "DEUTSCH.TXT", ".txt", "fehlt.txt", ""}) {
        SCOPED_TRACE(name);
        Tlanguage language;
        language.SetSprachDatei(PathOf(QStringLiteral("francais.txt")));
        language.SetSprachDatei(PathOf(QString::fromUtf8(name)));

        EXPECT_FALSE(language.Uebersetzen());
        EXPECT_EQ(language.Uebersetze(QStringLiteral("&Zeile")), QStringLiteral("Zeile"));
        EXPECT_EQ(language.Dictionary().WordCount(), 0);
    }
}

TEST_F(Translation, TheIniDecidesTheLanguageFile) {
    struct TCase {
        const char* Ini;
        int Code;
        const char* FileName;
        bool Translates;
    };
    const std::vector<TCase> cases = {
        {"", 81, "", false},
        {"[Language]\nactive=33\n33=francais.txt\n", 33, "francais.txt", true},
        {"[Language]\n81=francais.txt\n", 81, "francais.txt", true},
        {"[Language]\nactive=81\n81=deutsch.txt\n33=francais.txt\n", 81, "deutsch.txt", false},
        {"[Language]\nactive=7\n33=francais.txt\n", 7, "", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Ini);
        Write(QStringLiteral("sprache.ini"), QByteArray(c.Ini));
        Tlanguage language;
        language.SpracheAusIniLaden();

        EXPECT_EQ(language.SprachCode(), c.Code);
        EXPECT_EQ(language.SprachDatei(), GlobalSettings().ProgramFolder + c.FileName);
        EXPECT_EQ(language.Uebersetzen(), c.Translates);
    }
}

TEST_F(Translation, ReadsWindows1252AndUtf16LanguageFiles) {
    Write(QStringLiteral("ansi.txt"), EncodeWindows1252(QStringLiteral("Größe||Taille\r\n")));
    QByteArray utf16 = QByteArrayLiteral("\xFF\xFE");
    const QString utf16Text = QStringLiteral("Höhe||Hauteur\r\n");
    utf16.append(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    Write(QStringLiteral("utf16.txt"), utf16);

    Tlanguage language;
    language.SetSprachDatei(PathOf(QStringLiteral("ansi.txt")));
    EXPECT_EQ(language.Uebersetze(QStringLiteral("Größe")), QStringLiteral("Taille"));
    language.SetSprachDatei(PathOf(QStringLiteral("utf16.txt")));
    EXPECT_EQ(language.Uebersetze(QStringLiteral("Höhe")), QStringLiteral("Hauteur"));
    EXPECT_EQ(language.Uebersetze(QStringLiteral("Größe")), QStringLiteral("Größe"))
        << "loading another file forgets the first";
}

TEST_F(Translation, WithoutEnglishFallbackMissingTextsStayGerman) {
    ASSERT_TRUE(QFile::remove(PathOf(QStringLiteral("english.txt"))));
    Tlanguage language;
    language.SetSprachDatei(PathOf(QStringLiteral("francais.txt")));

    EXPECT_TRUE(language.Uebersetzen());
    EXPECT_EQ(language.Uebersetze(QStringLiteral("Zeile")), QStringLiteral("Ligne"));
    EXPECT_EQ(language.Uebersetze(QStringLiteral("Leer")), QStringLiteral("Leer"));
    EXPECT_EQ(language.DefaultDictionary().WordCount(), 0);
}

TEST(LanguageLine, SplitsAtTheFirstSeparator) {
    struct TCase {
        const char* Line;
        bool Split;
        const char* German;
        const char* Translation;
    };
    const std::vector<TCase> cases = {
        {"Zeile||Row", true, "Zeile", "Row"}, {"a||b||c", true, "a", "b||c"},
        {"||Row", true, "", "Row"},           {"Zeile||", true, "Zeile", ""},
        {"Zeile|Row", false, "", ""},         {"", false, "", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line);
        QString german = QStringLiteral("old");
        QString translation = QStringLiteral("old");
        EXPECT_EQ(Tlanguage::SprachzeileZerlegen(QString::fromUtf8(c.Line), german, translation),
                  c.Split);
        EXPECT_EQ(german, QString::fromUtf8(c.German));
        EXPECT_EQ(translation, QString::fromUtf8(c.Translation));
    }
}

} // namespace
} // namespace vitrano
