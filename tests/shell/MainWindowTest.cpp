#include "ShellFixture.h"
#include "core/Edition.h"
#include "l10n/FRStringResource.h"
#include "l10n/Language.h"
#include "shell/ProjectKind.h"
#include "shell/TInfoBox.h"
#include "shell/Tfmain.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vitrano {
namespace {

using test::ShellTest;

QWidget* Part(Tfmain& window, const char* name) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

bool Shown(Tfmain& window, const char* name) {
    QWidget* widget = Part(window, name);
    return widget != nullptr && !widget->isHidden();
}

TEST(ProjectKindTable, EnablesTheButtonsOfEachKind) {
    struct TCase {
        QString Kind;
        TMainButtonStates States; // window, facade, WER, WES, editor, object data, save, new
    };
    const TCase cases[] = {
        {ProjectKind::Fassade, {false, false, false, false, true, true, true, true}},
        {ProjectKind::Einzel, {false, false, false, false, true, true, true, true}},
        {ProjectKind::WindowEnergySaving, {false, false, false, true, false, true, true, true}},
        {ProjectKind::None, {true, true, true, true, false, false, false, false}},
        {QStringLiteral("Fassade"), {true, true, true, true, false, false, false, false}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Kind.toStdString());
        EXPECT_EQ(ButtonStatesFor(c.Kind), c.States);
    }
}

class MainWindowTest : public ShellTest {};

TEST_F(MainWindowTest, StartsWithoutAProjectAndTheTitleOfTheEdition) {
    Tfmain window;
    EXPECT_EQ(window.ProjectKind(), ProjectKind::None);
    EXPECT_TRUE(window.ProjectSaved());
    for (const char* name : {"lblNew", "btnSpeichern", "BObjektdaten", "Beditor"}) {
        EXPECT_FALSE(Part(window, name)->isEnabled()) << name;
    }
    EXPECT_EQ(window.minimumSize(), QSize(895, 640));
    const QString title = EditionProgramTitle(BuildEdition());
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(dynamic_cast<QLabel*>(Part(window, "lblTitel"))->text(), title + " 5.5");

    window.show();
    const TMainButtonStates none = ButtonStatesFor(ProjectKind::None);
    EXPECT_EQ(Part(window, "Beinzel")->isEnabled(), none.WindowAssistant);
    EXPECT_EQ(Part(window, "lblNew")->isEnabled(), none.New);
    EXPECT_FALSE(GlobalSettings().UpdateFolder.isEmpty());
    EXPECT_TRUE(QDir(GlobalSettings().UpdateFolder).exists());
    EXPECT_TRUE(GlobalSettings().DataUpdateUrl.endsWith(QStringLiteral("/daten/de/")));
    EXPECT_TRUE(Responder.Unexpected().empty()) << Responder.Unexpected().front().toStdString();
}

TEST_F(MainWindowTest, EditionsDifferAsTheEditionsTableSays) {
    struct TCase {
        TEdition Edition;
        const char* Title;
        bool FacadeAssistant, LanguageButton, PartnerLogos, CountryLogo;
    };
    const TCase cases[] = {
        {TEdition::Vitrano, "Vitrano", true, true, false, false},
        {TEdition::Belvaro, "Belvaro", true, true, true, false},
        {TEdition::Morvena, "Belvaro Morvena", false, false, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Title);
        GlobalSettings().Edition = c.Edition;
        Tfmain window;
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.Title));
        EXPECT_EQ(GlobalSettings().ProgramTitle, QString::fromUtf8(c.Title));
        EXPECT_EQ(GlobalSettings().EditionName, c.Edition == TEdition::Vitrano
                                                    ? QStringLiteral("Vitrano")
                                                    : QStringLiteral("Belvaro"));
        EXPECT_EQ(Shown(window, "Bassi"), c.FacadeAssistant);
        EXPECT_EQ(Shown(window, "ButtonSprache_AGS"), c.LanguageButton);
        EXPECT_EQ(Shown(window, "pnlPartnerLogos"), c.PartnerLogos);
        EXPECT_EQ(Shown(window, "pnlPartnerKontakt"), c.PartnerLogos);
        EXPECT_EQ(Shown(window, "imgLandLogo"), c.CountryLogo);
    }
}

TEST_F(MainWindowTest, RatingButtonOnlyWhereTheWordForYesIsYes) {
    {
        Tfmain window;
        window.show();
        EXPECT_FALSE(Shown(window, "sbWER"));
    }
    QFile::copy(QStringLiteral(VITRANO_DATA_DIR "/english.txt"), PathOf("english.txt"));
    Translator().SetSprachDatei(PathOf("english.txt"));
    FRStringResource().Uebersetzen(Translator());
    Tfmain window;
    window.show();
    EXPECT_TRUE(Shown(window, "sbWER"));
    EXPECT_EQ(dynamic_cast<QPushButton*>(Part(window, "lblNew"))->text(), "New project");
}

TEST_F(MainWindowTest, NewAsksToSaveAndStartsAnEmptyProject) {
    Tfmain window;
    window.show();
    window.BeinzelClick(); // no assistant dialogs in this build: nothing happens
    EXPECT_EQ(window.ProjectKind(), ProjectKind::None);
    window.FDatei.AnzahlHorizontal = 3;
    GlobalSettings().CurrentProjectFile = PathOf("alt.xucw");
    window.sbWESClick();
    ASSERT_EQ(window.ProjectKind(), ProjectKind::WindowEnergySaving);
    window.BObjektdatenClick();

    // Saved: no question.
    window.lblNewClick();
    EXPECT_TRUE(Responder.Messages().empty());
    EXPECT_FALSE(window.ProjectSaved());
    EXPECT_EQ(window.ProjectKind(), ProjectKind::None);
    EXPECT_TRUE(GlobalSettings().CurrentProjectFile.isEmpty());
    EXPECT_EQ(window.FDatei.AnzahlHorizontal, TFassadenSatz().AnzahlHorizontal);
    EXPECT_TRUE(Part(window, "Beinzel")->isEnabled());
    EXPECT_FALSE(Part(window, "btnSpeichern")->isEnabled());

    // Not saved since New: asked, No discards.
    window.setWindowTitle(QStringLiteral("anything"));
    Responder.QueueMessageAnswer(TModalResult::No);
    window.lblNewClick();
    ASSERT_EQ(Responder.Messages().size(), 1U);
    const TMessageRequest& question = Responder.Messages().front();
    EXPECT_EQ(question.Identifier, QStringLiteral("strWantSave"));
    EXPECT_EQ(question.Text, QStringLiteral("Wollen Sie das aktuelle Projekt speichern?"));
    EXPECT_EQ(question.Caption, QStringLiteral("Speichern?"));
    EXPECT_EQ(question.Buttons, (std::vector{TModalResult::Yes, TModalResult::No}));
    EXPECT_EQ(window.windowTitle(), GlobalSettings().ProgramTitle);
    EXPECT_TRUE(Responder.Unexpected().empty());
}

TEST_F(MainWindowTest, ExitAndClosingByTheFrameAskToSave) {
    struct TCase {
        const char* Name;
        bool ByExitButton;
        std::vector<TModalResult> Answers; // to the question, then to the save dialog
        bool Closes;
    };
    const TCase cases[] = {
        {"exit, no", true, {TModalResult::No}, true},
        {"exit, cancel", true, {TModalResult::Cancel}, false},
        {"exit, yes but save dialog cancelled",
         true,
         {TModalResult::Yes, TModalResult::Cancel},
         false},
        {"frame, no", false, {TModalResult::No}, true},
        {"frame, cancel", false, {TModalResult::Cancel}, false},
        {"frame, yes and saved", false, {TModalResult::Yes, TModalResult::OK}, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile(PathOf("rest.~tmp")).open(QIODevice::WriteOnly);
        QFile::remove(PathOf("projekt.xucw"));
        Tfmain window;
        window.show();
        window.lblNewClick(); // an unsaved project
        Responder.QueueMessageAnswer(c.Answers[0]);
        if (c.Answers.size() > 1) {
            if (c.Answers[1] == TModalResult::OK) {
                ChooseFile(PathOf("projekt.xucw"));
            } else {
                Responder.QueueModalAnswer(TModalResult::Cancel);
            }
        }
        const std::size_t asked = Responder.Messages().size();
        if (c.ByExitButton) {
            window.BEndeClick();
        } else {
            window.close();
        }
        ASSERT_EQ(Responder.Messages().size(), asked + 1);
        EXPECT_EQ(Responder.Messages().back().Buttons,
                  (std::vector{TModalResult::Yes, TModalResult::No, TModalResult::Cancel}));
        EXPECT_EQ(window.isVisible(), !c.Closes);
        EXPECT_EQ(QFile::exists(PathOf("rest.~tmp")), !c.Closes);
        EXPECT_EQ(QFile::exists(PathOf("projekt.xucw")),
                  c.Answers.size() > 1 && c.Answers[1] == TModalResult::OK);
        EXPECT_EQ(Responder.PendingModalAnswers(), 0U);
    }
    EXPECT_TRUE(Responder.Unexpected().empty());
}

TEST_F(MainWindowTest, ClosingASavedProjectRemovesTheTemporaryFilesWithoutAsking) {
    for (const char* name : {"a.~tmp", "b.~tmp", "deutsch.txt", "tmpfassade.bmp", "keep.txt"}) {
        QFile(PathOf(name)).open(QIODevice::WriteOnly);
    }
    {
        Tfmain window;
        window.show();
        window.close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(QFile::exists(PathOf("tmpfassade.bmp"))); // goes with the window
    }
    EXPECT_TRUE(Responder.Messages().empty());
    for (const char* name : {"a.~tmp", "b.~tmp", "deutsch.txt", "tmpfassade.bmp"}) {
        EXPECT_FALSE(QFile::exists(PathOf(name))) << name;
    }
    EXPECT_TRUE(QFile::exists(PathOf("keep.txt")));
}

TEST_F(MainWindowTest, HelpAndLinksOpenTheirAddresses) {
    GlobalSettings().LanguageFolder = QStringLiteral("pl/");
    Tfmain window;
    window.AHilfeExecute();
    ASSERT_EQ(OpenedUrls.size(), 1U);
    EXPECT_TRUE(OpenedUrls[0].toString().endsWith(QStringLiteral("/handbuch/en/index.htm")))
        << OpenedUrls[0].toString().toStdString();
    auto* mail = dynamic_cast<QLabel*>(Part(window, "EMAIL"));
    window.show();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), mail->mapToGlobal(QPointF(2, 2)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(mail, &release);
    ASSERT_EQ(OpenedUrls.size(), 2U);
    EXPECT_EQ(OpenedUrls[1].scheme(), QStringLiteral("mailto"));
}

TEST_F(MainWindowTest, InfoBoxShowsTheVersionAndTheLanguagesInfoText) {
    ASSERT_TRUE(QFile::remove(PathOf("de/Info.txt")));
    {
        TInfoBox box;
        EXPECT_TRUE(box.InfoText().isEmpty());
    }
    QFile info(PathOf("de/Info.txt"));
    ASSERT_TRUE(info.open(QIODevice::WriteOnly));
    info.write("\xEF\xBB\xBFNeu in dieser Version: W\xC3\xA4rmebr\xC3\xBC"
               "cken.");
    info.close();
    TInfoBox box;
    EXPECT_EQ(box.InfoText(), QStringLiteral("Neu in dieser Version: Wärmebrücken."));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version: 5.516"));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("lblProgramm"))->text(),
              GlobalSettings().ProgramTitle + QStringLiteral(" ©"));

    Tfmain window;
    Responder.QueueModalAnswer(TModalResult::OK);
    window.BInfoClick();
    ASSERT_FALSE(Responder.ShownDialogs().empty());
    EXPECT_EQ(Responder.ShownDialogs().back().ClassName, QStringLiteral("vitrano::TInfoBox"));
}

} // namespace
} // namespace vitrano
