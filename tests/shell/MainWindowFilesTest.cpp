#include "../files/LegacyFileBuilder.h"
#include "ShellFixture.h"
#include "files/ComparisonFile.h"
#include "files/ProjectFile.h"
#include "shell/ProjectKind.h"
#include "shell/Tfmain.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vitrano {
namespace {

class MainWindowFilesTest : public test::ShellTest {
protected:
    QString WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return PathOf(name);
    }
    QString CopyFixture(const QString& name) {
        QFile fixture(QStringLiteral(VITRANO_TEST_DATA_DIR "/files/small-window.xucw"));
        EXPECT_TRUE(fixture.open(QIODevice::ReadOnly));
        return WriteFile(name, fixture.readAll());
    }
    QStringList SaveDialogFilters(Tfmain& window) { return window.DlgSave().nameFilters(); }
};

TEST_F(MainWindowFilesTest, OpensAProjectWithAnUpperCaseExtensionAndSavesItInPlace) {
    QDir().mkpath(PathOf("Projekte"));
    const QString path = CopyFixture(QStringLiteral("Projekte/Fenster.XUCW"));
    TFassadenSatz expected;
    ASSERT_TRUE(LoadProjectFile(path, expected).Ok());

    Tfmain window;
    window.show();
    ChooseFile(path);
    window.btnLadenClick();

    EXPECT_EQ(window.ProjectKind(), ProjectKind::Fassade);
    EXPECT_EQ(window.FDatei.AnzahlHorizontal, expected.AnzahlHorizontal);
    EXPECT_EQ(window.FDatei.Objektdaten, expected.Objektdaten);
    EXPECT_EQ(GlobalSettings().CurrentProjectFile, path);
    EXPECT_EQ(window.windowTitle(), GlobalSettings().ProgramTitle + " -- " + path);
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("Beinzel"))->isEnabled());
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("Beditor"))->isEnabled());

    // Save writes the same file without asking for a name.
    window.FDatei.Objektdaten.Firma = QStringLiteral("Neue Firma");
    const std::size_t dialogs = Responder.ShownDialogs().size();
    window.btnSpeichernClick();
    EXPECT_EQ(Responder.ShownDialogs().size(), dialogs);
    TFassadenSatz saved;
    ASSERT_TRUE(LoadProjectFile(path, saved).Ok());
    EXPECT_EQ(saved.Objektdaten.Firma, QStringLiteral("Neue Firma"));
    EXPECT_TRUE(window.ProjectSaved());
    EXPECT_TRUE(Responder.Unexpected().empty());
}

TEST_F(MainWindowFilesTest, LegacyProjectAsksForAnXmlNameOnSave) {
    test::LegacyFile legacy;
    legacy.Grid(2, 1);
    const QString path = WriteFile(QStringLiteral("alt.UCW"), legacy.Data());

    Tfmain window;
    window.show();
    ASSERT_TRUE(window.LadeDatei(path));
    EXPECT_EQ(window.ProjectKind(), ProjectKind::Fassade);
    EXPECT_EQ(window.FDatei.AnzahlHorizontal, 2);
    EXPECT_TRUE(GlobalSettings().CurrentProjectFile.isEmpty());

    ChooseFile(PathOf("neu"));
    window.btnSpeichernClick();
    ASSERT_EQ(Responder.ShownDialogs().size(), 1U);
    EXPECT_EQ(Responder.ShownDialogs()[0].ObjectName, QStringLiteral("dlgsave"));
    const QString extension = EditionData(GlobalSettings().Edition).ProjectFileExtension;
    EXPECT_EQ(window.DlgSave().defaultSuffix(), extension);
    EXPECT_EQ(SaveDialogFilters(window).size(), 1);
    EXPECT_EQ(GlobalSettings().CurrentProjectFile, PathOf("neu." + extension));
    TFassadenSatz saved;
    EXPECT_TRUE(LoadProjectFile(PathOf("neu." + extension), saved).Ok());
    EXPECT_EQ(saved.AnzahlHorizontal, 2);
}

TEST_F(MainWindowFilesTest, ComparisonIsSavedAndOpenedAsAComparisonFile) {
    Tfmain window;
    window.show();
    window.sbWESClick();
    ChooseFile(PathOf("vergleich"));
    window.btnSpeichernClick();
    ASSERT_EQ(SaveDialogFilters(window).size(), 1);
    EXPECT_TRUE(SaveDialogFilters(window).front().contains(QStringLiteral("WES-Dateien (*.xwes)")));
    const QString path = PathOf("vergleich.xwes");
    TWESDatensatz written;
    EXPECT_TRUE(LoadComparisonFile(path, written).Ok());
    EXPECT_TRUE(window.ProjectSaved());

    Tfmain other;
    other.show();
    ChooseFile(path);
    other.btnLadenClick();
    EXPECT_EQ(other.ProjectKind(), ProjectKind::WindowEnergySaving);
    EXPECT_EQ(GlobalSettings().CurrentProjectFile, path);
    EXPECT_TRUE(Responder.Unexpected().empty());
}

TEST_F(MainWindowFilesTest, AFileThatCannotBeOpenedLeavesTheProjectAsItWas) {
    const QString damaged = WriteFile(QStringLiteral("kaputt.xucw"), "<?xml version");
    struct TCase {
        const char* Name;
        QString Path;
    };
    const TCase cases[] = {
        {"missing", PathOf("fehlt.xucw")},
        {"damaged", damaged},
        {"damaged legacy", WriteFile(QStringLiteral("kurz.ucw"), QByteArray(100, '\0'))},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Tfmain window;
        window.show();
        window.FDatei.Objektdaten.Firma = QStringLiteral("Bleibt");
        GlobalSettings().CurrentProjectFile = PathOf("bisher.xucw");
        EXPECT_FALSE(window.LadeDatei(c.Path));
        EXPECT_EQ(window.FDatei.Objektdaten.Firma, QStringLiteral("Bleibt"));
        EXPECT_EQ(window.ProjectKind(), ProjectKind::None);
        EXPECT_EQ(GlobalSettings().CurrentProjectFile, PathOf("bisher.xucw"));
    }
}

TEST_F(MainWindowFilesTest, AFailedSaveSaysSoAndKeepsTheState) {
    Tfmain window;
    window.show();
    window.lblNewClick();
    window.setWindowTitle(QStringLiteral("vorher"));
    ChooseFile(PathOf("gibt-es-nicht/projekt.xucw"));
    window.btnSpeichernClick();
    ASSERT_EQ(Responder.Messages().size(), 1U);
    EXPECT_EQ(Responder.Messages()[0].Identifier, QStringLiteral("strSpeichernFehlgeschlagen"));
    EXPECT_TRUE(Responder.Messages()[0].Text.contains(QStringLiteral("gibt-es-nicht")));
    EXPECT_FALSE(window.ProjectSaved());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("vorher"));
    EXPECT_TRUE(GlobalSettings().CurrentProjectFile.isEmpty());
}

TEST_F(MainWindowFilesTest, CancellingTheSaveDialogWritesNothing) {
    Tfmain window;
    window.show();
    window.lblNewClick();
    Responder.QueueModalAnswer(TModalResult::Cancel);
    window.btnSpeichernClick();
    EXPECT_FALSE(window.ProjectSaved());
    EXPECT_EQ(window.windowTitle(), GlobalSettings().ProgramTitle + " -- ");
    EXPECT_EQ(QDir(Folder())
                  .entryList({QStringLiteral("*.xucw"), QStringLiteral("*.xzelvik")}, QDir::Files)
                  .size(),
              0);
}

} // namespace
} // namespace vitrano
