#include "shell/TFRSprache.h"

#include "core/GlobalSettings.h"
#include "core/IniFile.h"
#include "core/IniWriter.h"
#include "l10n/FRStringResource.h"
#include "l10n/Language.h"
#include "l10n/LanguageList.h"
#include "ui/common/DialogSeam.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/FormTranslation.h"
#include "ui/common/TitlePanel.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vitrano {

namespace {

const QString LanguageSection = QStringLiteral("Language");
const QString ActiveKey = QStringLiteral("active");

QIcon FlagIcon(int code) {
    const QPixmap flag(GlobalSettings().ProgramFolder + QStringLiteral("flags/") +
                       QString::number(code) + QStringLiteral(".png"));
    return flag.isNull() ? QIcon() : QIcon(flag);
}

// The running program ends as if the user closed it, so that an unsaved project is asked
// about first; when the user keeps it open, no second run starts.
void StartAgainAndQuit() {
    QApplication::closeAllWindows();
    const QWidgetList windows = QApplication::topLevelWidgets();
    if (std::any_of(windows.begin(), windows.end(),
                    [](const QWidget* window) { return window->isVisible(); })) {
        return;
    }
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            QCoreApplication::arguments().mid(1));
    QCoreApplication::quit();
}

} // namespace

TFRSprache::TFRSprache(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FRSprache"));
    setWindowTitle(QString::fromUtf8("Sprache wählen"));
    BuildWidgets();
    UebersetzeForm(this);
    // Filled after the translation: the names of the languages stay as the files are named.
    SprachenLaden();
}

std::function<void()>& TFRSprache::RestartProgram() {
    static std::function<void()> restart = StartAgainAndQuit;
    return restart;
}

void TFRSprache::BuildWidgets() {
    FTitlePanel = new TTitlePanel(this);
    FTitlePanel->setObjectName(QStringLiteral("TitlePanel1"));
    FTitlePanel->SetTitle(QString());
    FSprachBox = new QComboBox(FTitlePanel->Content());
    FSprachBox->setObjectName(QStringLiteral("cbSprache"));
    FSprachBox->setEditable(false);
    FSprachBox->setIconSize(QSize(24, 16));
    auto* panelLayout = new QVBoxLayout(FTitlePanel->Content());
    panelLayout->addWidget(FSprachBox);

    FAbort = new QPushButton(QStringLiteral("Abbrechen"), this);
    FAbort->setObjectName(QStringLiteral("bAbort"));
    FOK = new QPushButton(QStringLiteral("OK"), this);
    FOK->setObjectName(QStringLiteral("bOK"));
    FOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FAbort);
    buttons->addWidget(FOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FTitlePanel);
    layout->addLayout(buttons);

    connect(FOK, &QPushButton::clicked, this, [this] { bOKClick(); });
    connect(FAbort, &QPushButton::clicked, this, [this] { bAbortClick(); });
    connect(FTitlePanel, &TTitlePanel::TitleClick, this, [this] { TitlePanelTitleClick(); });
}

void TFRSprache::SprachenLaden() {
    const TIniFile ini = TIniFile::Load(SprachIniPfad());
    FSprachBox->clear();
    FSprachliste.clear();
    for (const TSprachEintrag& sprache : SprachenLesen(ini)) {
        FSprachBox->addItem(FlagIcon(sprache.Code), sprache.Name);
        FSprachliste.push_back(sprache.Code);
    }
    const auto active = std::find(FSprachliste.begin(), FSprachliste.end(), AktiverSprachCode(ini));
    FSprachIndex =
        active == FSprachliste.end() ? -1 : static_cast<int>(active - FSprachliste.begin());
    FSprachBox->setCurrentIndex(FSprachIndex);
    if (FSprachIndex >= 0) {
        GlobalSettings().LanguageFolder = LanguageFolderFor(FSprachBox->itemText(FSprachIndex));
    }
}

bool TFRSprache::SpracheSpeichern() {
    const int index = FSprachBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(FSprachliste.size())) {
        return false;
    }
    return WriteIniString(SprachIniPfad(), LanguageSection, ActiveKey,
                          QString::number(FSprachliste[static_cast<std::size_t>(index)]));
}

// Without a selection there is nothing to store and the language stays as it is. When the
// choice cannot be stored the dialog stays open, so that the user may try again or cancel.
void TFRSprache::bOKClick() {
    if (FSprachBox->currentIndex() >= 0) {
        if (!SpracheSpeichern()) {
            TDialogSeam::ShowMessage(QStringLiteral("strSpracheNichtGespeichert"),
                                     Msg("strSpracheNichtGespeichert"), TMessageKind::Error);
            return;
        }
        done(static_cast<int>(TModalResult::OK));
        AskForRestart();
        return;
    }
    done(static_cast<int>(TModalResult::OK));
}

void TFRSprache::AskForRestart() {
    const QString text = Msg("strBitte_starten_Sie_das_Programm_neu") + QStringLiteral("\n\n") +
                         Msg("strProgramm_neustarten");
    const TModalResult answer =
        TDialogSeam::ShowMessage(QStringLiteral("strBitte_starten_Sie_das_Programm_neu"), text,
                                 TMessageKind::Information, {TModalResult::Yes, TModalResult::No});
    if (answer == TModalResult::Yes && RestartProgram()) {
        RestartProgram()();
    }
}

void TFRSprache::bAbortClick() {
    SprachenLaden();
    done(static_cast<int>(TModalResult::Cancel));
}

void TFRSprache::reject() {
    bAbortClick();
}

void TFRSprache::TitlePanelTitleClick() {
    const auto dialog = CreateSaveDialog(this, QStringLiteral("Text|*.txt"), QStringLiteral("txt"));
    const QString fileName = RunFileDialog(*dialog);
    if (fileName.isEmpty()) {
        return;
    }
    if (!Translator().SaveDictionary(fileName)) {
        TDialogSeam::ShowMessage(QStringLiteral("strDateiNichtGeschrieben"),
                                 Msg(u"strDateiNichtGeschrieben") + QStringLiteral("\n\n") +
                                     fileName,
                                 TMessageKind::Error);
    }
}

} // namespace vitrano
