#include "l10n/LanguageList.h"

#include "core/GlobalSettings.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

TEST(LanguageList, DataFolderOfEveryLanguageName) {
    struct TCase {
        const char* Name;
        const char* Folder;
    };
    const std::vector<TCase> cases = {
        {"deutsch", "de/"},
        {"Deutsch", "de/"},
        {"french", "fr/"},
        {"francais", "fr/"},
        {"FRANCAIS", "fr/"},
        {"polish", "pl/"},
        {"cestina", "cz/"},
        {"cestina_morvena", "cz_morvena/"},
        {"International", "int/"},
        {"english_international_2", "int/"},
        {"english", "en/"},
        {"deutsch_alt", "en/"},
        {"", "en/"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(LanguageFolderFor(QString::fromUtf8(c.Name)), QString::fromUtf8(c.Folder));
    }
}

TEST(LanguageList, ListsTheTxtEntriesInFileOrder) {
    const TIniFile ini = TIniFile::FromText(QStringLiteral("[Language]\n"
                                                           "active=44\n"
                                                           "81=deutsch.txt\n"
                                                           "44=English.TXT\n"
                                                           "12=readme.doc\n"
                                                           "x=polish.txt\n"
                                                           "48=polish.txt\n"));
    const std::vector<TSprachEintrag> sprachen = SprachenLesen(ini);

    ASSERT_EQ(sprachen.size(), 3U);
    EXPECT_EQ(sprachen[0].Code, 81);
    EXPECT_EQ(sprachen[0].Name, QStringLiteral("deutsch"));
    EXPECT_EQ(sprachen[1].Code, 44);
    EXPECT_EQ(sprachen[1].Name, QStringLiteral("english"));
    EXPECT_EQ(sprachen[2].Code, 48);
    EXPECT_EQ(sprachen[2].Name, QStringLiteral("polish"));
    EXPECT_EQ(AktiverSprachCode(ini), 44);
    EXPECT_EQ(SprachDateiName(ini, 44), QStringLiteral("English.TXT"));
}

TEST(LanguageList, ActiveCodeIsGermanWhenMissingOrNotANumber) {
    for (const char* text : {"", "[Language]\n81=deutsch.txt\n", "[Language]\nactive=en\n"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(AktiverSprachCode(TIniFile::FromText(QString::fromUtf8(text))), 81);
    }
}

TEST(LanguageList, FolderFollowsTheActiveLanguageOnlyWhenItIsListed) {
    ResetGlobalSettings();
    GlobalSettings().LanguageFolder = QStringLiteral("before/");

    EXPECT_FALSE(LanguageFolderAusIni(
        TIniFile::FromText(QStringLiteral("[Language]\nactive=33\n44=english.txt\n"))));
    EXPECT_EQ(GlobalSettings().LanguageFolder, QStringLiteral("before/"));

    EXPECT_TRUE(LanguageFolderAusIni(TIniFile::FromText(
        QStringLiteral("[Language]\nactive=33\n44=english.txt\n33=Francais.txt\n"))));
    EXPECT_EQ(GlobalSettings().LanguageFolder, QStringLiteral("fr/"));
    ResetGlobalSettings();
}

} // namespace
} // namespace vitrano
