#include "shell/TFRSprache.h"

#include "core/GlobalSettings.h"
#include "core/IniFile.h"
#include "core/TextDecoding.h"
#include "l10n/Language.h"
#include "ui/common/ScriptedDialogResponder.h"
#include "ui/common/TitlePanel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace vitrano {
namespace {

// Three languages in an order of their own, with entries that are no languages between them.
const QByteArray StandardIni("[Language]\r\n"
                             "active=33\r\n"
                             "81=Deutsch.TXT\r\n"
                             "info=readme.txt\r\n"
                             "44=english.txt\r\n"
                             "99=notes.doc\r\n"
                             "33=francais.txt\r\n"
                             "[Other]\r\n"
                             "active=1\r\n");

class LanguageDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFolder.isValid());
        GlobalSettings().ProgramFolder = FFolder.path() + u'/';
        GlobalSettings().LanguageFolder = QStringLiteral("xx/");
        WriteIni(StandardIni);
        ASSERT_TRUE(QDir(FFolder.path()).mkdir(QStringLiteral("flags")));
        for (const char* code : {"81", "33"}) {
            QImage flag(24, 16, QImage::Format_RGB32);
            flag.fill(Qt::red);
            ASSERT_TRUE(flag.save(FFolder.filePath(QStringLiteral("flags/%1.png").arg(code))));
        }
        FSavedRestart = TFRSprache::RestartProgram();
        TFRSprache::RestartProgram() = [this] { ++FRestarts; };
    }

    void TearDown() override {
        TFRSprache::RestartProgram() = FSavedRestart;
        ResetGlobalSettings();
    }

    QString IniPath() const { return FFolder.filePath(QStringLiteral("sprache.ini")); }

    void WriteIni(const QByteArray& bytes) const {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QString Active() const {
        return TIniFile::Load(IniPath()).ReadString(QStringLiteral("Language"),
                                                    QStringLiteral("active"));
    }

    static QStringList Names(const TFRSprache& dialog) {
        QStringList names;
        for (int i = 0; i < dialog.SprachBox()->count(); ++i) {
            names.append(dialog.SprachBox()->itemText(i));
        }
        return names;
    }

    static void Click(TFRSprache& dialog, const char* button) {
        auto* found = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        found->click();
    }

    QTemporaryDir FFolder;
    TScriptedDialogResponder FResponder;
    TScopedDialogResponder FScope{FResponder};
    std::function<void()> FSavedRestart;
    int FRestarts = 0;
};

TEST_F(LanguageDialog, ListsTheLanguagesWithTheirFlags) {
    TFRSprache dialog;

    EXPECT_EQ(dialog.objectName(), QStringLiteral("FRSprache"));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Sprache wählen"));
    EXPECT_TRUE(dialog.TitlePanel()->Title().isEmpty());
    EXPECT_TRUE(dialog.TitlePanel()->Content()->isAncestorOf(dialog.SprachBox()));
    EXPECT_FALSE(dialog.SprachBox()->isEditable());
    EXPECT_EQ(Names(dialog), QStringList({"deutsch", "english", "francais"}));
    const std::vector<bool> hasFlag = {true, false, true};
    for (int i = 0; i < dialog.SprachBox()->count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(!dialog.SprachBox()->itemIcon(i).isNull(), hasFlag[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(dialog.SprachBox()->currentIndex(), 2);
    EXPECT_EQ(dialog.GetSprachIndex(), 2);
    EXPECT_EQ(GlobalSettings().LanguageFolder, QStringLiteral("fr/"));
}

struct TActiveCase {
    std::string Description;
    QByteArray Ini;
    int Index;
    const char* Folder;
};

TEST_F(LanguageDialog, SelectsTheActiveLanguage) {
    const QByteArray languages("81=deutsch.txt\n44=english.txt\n33=francais.txt\n");
    const std::vector<TActiveCase> cases = {
        {"German", "[Language]\nactive=81\n" + languages, 0, "de/"},
        {"English", "[Language]\nactive=44\n" + languages, 1, "en/"},
        {"no active entry: German", "[Language]\n" + languages, 0, "de/"},
        {"active not a number: German", "[Language]\nactive=x\n" + languages, 0, "de/"},
        {"active not in the list", "[Language]\nactive=7\n" + languages, -1, "xx/"},
        {"no German in the list", "[Language]\n44=english.txt\n", -1, "xx/"},
        {"missing file", QByteArray(), -1, "xx/"},
    };
    for (const TActiveCase& c : cases) {
        SCOPED_TRACE(c.Description);
        GlobalSettings().LanguageFolder = QStringLiteral("xx/");
        if (c.Ini.isEmpty()) {
            QFile::remove(IniPath());
        } else {
            WriteIni(c.Ini);
        }

        TFRSprache dialog;

        EXPECT_EQ(dialog.SprachBox()->currentIndex(), c.Index);
        EXPECT_EQ(dialog.GetSprachIndex(), c.Index);
        EXPECT_EQ(GlobalSettings().LanguageFolder, QString::fromLatin1(c.Folder));
    }
}

struct TRestartCase {
    std::string Description;
    TModalResult Answer;
    int Restarts;
};

TEST_F(LanguageDialog, OkStoresTheChoiceAndOffersARestart) {
    const std::vector<TRestartCase> cases = {
        {"no restart", TModalResult::No, 0},
        {"restart", TModalResult::Yes, 1},
    };
    for (const TRestartCase& c : cases) {
        SCOPED_TRACE(c.Description);
        WriteIni(StandardIni);
        FRestarts = 0;
        TScriptedDialogResponder responder;
        TScopedDialogResponder scope(responder);
        responder.QueueMessageAnswer(c.Answer);
        TFRSprache dialog;
        dialog.SprachBox()->setCurrentIndex(1);

        Click(dialog, "bOK");

        EXPECT_EQ(Active(), QStringLiteral("44"));
        const TIniFile ini = TIniFile::Load(IniPath());
        EXPECT_EQ(ini.ReadString("Language", "33"), QStringLiteral("francais.txt"));
        EXPECT_EQ(ini.ReadString("Other", "active"), QStringLiteral("1"));
        ASSERT_EQ(responder.Messages().size(), 1u);
        const TMessageRequest& question = responder.Messages().front();
        EXPECT_EQ(question.Identifier, QStringLiteral("strBitte_starten_Sie_das_Programm_neu"));
        EXPECT_EQ(question.Text,
                  QString::fromUtf8("Bitte starten Sie das Programm neu, damit die neuen "
                                    "Spracheinstellungen übernommen werden können!\n\n"
                                    "Programm neustarten?"));
        EXPECT_EQ(question.Kind, TMessageKind::Information);
        EXPECT_EQ(question.Buttons,
                  std::vector<TModalResult>({TModalResult::Yes, TModalResult::No}));
        EXPECT_EQ(FRestarts, c.Restarts);
        EXPECT_EQ(dialog.result(), static_cast<int>(TModalResult::OK));
    }
}

TEST_F(LanguageDialog, FailedSaveIsReportedAndNothingElseHappens) {
    TFRSprache dialog;
    dialog.SprachBox()->setCurrentIndex(1);
    // A folder where the file was can be neither read nor replaced, not even by root.
    ASSERT_TRUE(QFile::remove(IniPath()));
    ASSERT_TRUE(QDir(FFolder.path()).mkdir(QStringLiteral("sprache.ini")));
    FResponder.QueueMessageAnswer(TModalResult::OK);

    Click(dialog, "bOK");

    ASSERT_EQ(FResponder.Messages().size(), 1u);
    EXPECT_EQ(FResponder.Messages().front().Identifier,
              QStringLiteral("strSpracheNichtGespeichert"));
    EXPECT_EQ(FResponder.Messages().front().Kind, TMessageKind::Error);
    EXPECT_EQ(FRestarts, 0);
    EXPECT_NE(dialog.result(), static_cast<int>(TModalResult::OK));
}

TEST_F(LanguageDialog, OkWithoutSelectionWritesNothingAndAsksNothing) {
    WriteIni("[Language]\nactive=7\n81=deutsch.txt\n");
    TFRSprache dialog;

    Click(dialog, "bOK");

    EXPECT_EQ(Active(), QStringLiteral("7"));
    EXPECT_TRUE(FResponder.Messages().empty());
    EXPECT_EQ(dialog.result(), static_cast<int>(TModalResult::OK));
}

TEST_F(LanguageDialog, CancelRestoresTheStoredLanguage) {
    TFRSprache dialog;
    dialog.SprachBox()->setCurrentIndex(0);
    GlobalSettings().LanguageFolder = QStringLiteral("xx/");

    Click(dialog, "bAbort");

    EXPECT_EQ(dialog.SprachBox()->currentIndex(), 2);
    EXPECT_EQ(Names(dialog), QStringList({"deutsch", "english", "francais"}));
    EXPECT_EQ(GlobalSettings().LanguageFolder, QStringLiteral("fr/"));
    EXPECT_EQ(Active(), QStringLiteral("33"));
    EXPECT_EQ(dialog.result(), static_cast<int>(TModalResult::Cancel));
    EXPECT_TRUE(FResponder.Messages().empty());
}

struct TExportCase {
    std::string Description;
    TModalResult Answer;
    std::optional<const char*> Written; // the file written, none when nothing is
};

TEST_F(LanguageDialog, TitleClickExportsTheDictionary) {
    // A text looked up without translation, which the export lists at its end.
    Translator().Uebersetze(QStringLiteral("Nur im Sprachdialogtest gesucht"));
    const std::vector<TExportCase> cases = {
        {"saved, extension added", TModalResult::OK, "export.txt"},
        {"cancelled", TModalResult::Cancel, std::nullopt},
    };
    for (const TExportCase& c : cases) {
        SCOPED_TRACE(c.Description);
        QTemporaryDir target;
        ASSERT_TRUE(target.isValid());
        TScriptedDialogResponder responder;
        TScopedDialogResponder scope(responder);
        QStringList filters;
        QString suffix;
        responder.QueueModalAnswer(c.Answer, [&](QDialog& shown) {
            auto* fileDialog = qobject_cast<QFileDialog*>(&shown);
            ASSERT_NE(fileDialog, nullptr);
            filters = fileDialog->nameFilters();
            suffix = fileDialog->defaultSuffix();
            fileDialog->selectFile(target.filePath(QStringLiteral("export")));
        });
        TFRSprache dialog;

        Q_EMIT dialog.TitlePanel()->TitleClick();

        EXPECT_EQ(responder.ShownDialogs().size(), 1u);
        EXPECT_EQ(filters, QStringList({"Text (*.txt)"}));
        EXPECT_EQ(suffix, QStringLiteral("txt"));
        const QStringList files = QDir(target.path()).entryList(QDir::Files);
        if (!c.Written) {
            EXPECT_TRUE(files.isEmpty());
            continue;
        }
        ASSERT_EQ(files, QStringList({QString::fromLatin1(*c.Written)}));
        QFile file(target.filePath(files.front()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = DecodeText(file.readAll(), TNoBomFallback::Windows1252);
        EXPECT_TRUE(text.contains(QStringLiteral("\r\nNur im Sprachdialogtest gesucht||\r\n")))
            << text.toStdString();
        EXPECT_TRUE(responder.Messages().empty());
    }
}

} // namespace
} // namespace vitrano
