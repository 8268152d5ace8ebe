#include "core/GlobalSettings.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

class GlobalSettingsTest : public testing::Test {
protected:
    void SetUp() override { ResetGlobalSettings(); }
    void TearDown() override { ResetGlobalSettings(); }
};

TEST_F(GlobalSettingsTest, StartValues) {
    const TGlobalSettings& settings = GlobalSettings();
    EXPECT_TRUE(settings.ProgramFolder.endsWith(u'/'));
    EXPECT_EQ(settings.PictureFolder, settings.ProgramFolder + QStringLiteral("jpg/"));
    EXPECT_EQ(settings.TemplateFolder, settings.ProgramFolder + QStringLiteral("vorlagen/"));
    EXPECT_EQ(settings.LanguageFolder, QStringLiteral("de/"));
    EXPECT_TRUE(settings.UpdateFolder.isEmpty());
    EXPECT_TRUE(settings.DataUpdateUrl.isEmpty());
    EXPECT_EQ(settings.WebServerHost, DefaultWebServerHost());
    EXPECT_EQ(settings.Edition, BuildEdition());
    EXPECT_EQ(settings.EditionName, EditionName(BuildEdition()));
    EXPECT_EQ(settings.ProgramTitle, EditionProgramTitle(BuildEdition()));
    EXPECT_EQ(settings.ProgramVersion, QStringLiteral("5.516"));
    EXPECT_LE(settings.ProgramVersion.size(), 5);
    EXPECT_TRUE(settings.CurrentProjectFile.isEmpty());
    EXPECT_TRUE(settings.InAssistant);
    EXPECT_FALSE(settings.InsertingWindow);
    EXPECT_FALSE(settings.NewFacadeRun);
    EXPECT_FALSE(settings.GlassSetsStandardMaterial);
}

TEST_F(GlobalSettingsTest, ResetRestoresEveryStartValue) {
    const TGlobalSettings start = GlobalSettings();
    TGlobalSettings& settings = GlobalSettings();
    settings.ProgramFolder = QStringLiteral("/elsewhere/");
    settings.LanguageFolder = QStringLiteral("fr/");
    settings.PictureFolder = QStringLiteral("/p/");
    settings.TemplateFolder = QStringLiteral("/t/");
    settings.UpdateFolder = QStringLiteral("/u/");
    settings.DataUpdateUrl = QStringLiteral("https://x/");
    settings.WebServerHost = QStringLiteral("https://y");
    settings.EditionName = QStringLiteral("other");
    settings.ProgramTitle = QStringLiteral("other");
    settings.ProgramVersion = QStringLiteral("1");
    settings.CurrentProjectFile = QStringLiteral("/a.xucw");
    settings.InAssistant = false;
    settings.InsertingWindow = true;
    settings.NewFacadeRun = true;
    settings.GlassSetsStandardMaterial = true;

    ResetGlobalSettings();

    const TGlobalSettings& reset = GlobalSettings();
    EXPECT_EQ(reset.ProgramFolder, start.ProgramFolder);
    EXPECT_EQ(reset.LanguageFolder, start.LanguageFolder);
    EXPECT_EQ(reset.PictureFolder, start.PictureFolder);
    EXPECT_EQ(reset.TemplateFolder, start.TemplateFolder);
    EXPECT_EQ(reset.UpdateFolder, start.UpdateFolder);
    EXPECT_EQ(reset.DataUpdateUrl, start.DataUpdateUrl);
    EXPECT_EQ(reset.WebServerHost, start.WebServerHost);
    EXPECT_EQ(reset.EditionName, start.EditionName);
    EXPECT_EQ(reset.ProgramTitle, start.ProgramTitle);
    EXPECT_EQ(reset.ProgramVersion, start.ProgramVersion);
    EXPECT_EQ(reset.CurrentProjectFile, start.CurrentProjectFile);
    EXPECT_EQ(reset.InAssistant, start.InAssistant);
    EXPECT_EQ(reset.InsertingWindow, start.InsertingWindow);
    EXPECT_EQ(reset.NewFacadeRun, start.NewFacadeRun);
    EXPECT_EQ(reset.GlassSetsStandardMaterial, start.GlassSetsStandardMaterial);
}

TEST_F(GlobalSettingsTest, StartupFollowsAChangedProgramFolder) {
    TGlobalSettings& settings = GlobalSettings();
    settings.ProgramFolder = QStringLiteral("/opt/vitrano/");
    settings.InAssistant = false;
    settings.InsertingWindow = true;

    InitialiseStartupSettings(settings);

    EXPECT_EQ(settings.PictureFolder, QStringLiteral("/opt/vitrano/jpg/"));
    EXPECT_EQ(settings.TemplateFolder, QStringLiteral("/opt/vitrano/vorlagen/"));
    EXPECT_EQ(UpdateFolderFor(settings), QStringLiteral("/opt/vitrano/update/"));
    EXPECT_TRUE(settings.InAssistant);
    EXPECT_FALSE(settings.InsertingWindow);
}

} // namespace
} // namespace vitrano
