#include "shell/Tfmain.h"

#include "core/GlobalSettings.h"
#include "l10n/FRStringResource.h"
#include "refdata/PsiTabellenLaden.h"
#include "shell/ContactData.h"
#include "shell/MainWindowWidgets.h"
#include "shell/ProjectKind.h"
#include "shell/TFRSprache.h"
#include "shell/TemporaryFiles.h"
#include "ui/common/ClickHandler.h"
#include "ui/common/ExternalLinks.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/FormTranslation.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vitrano {

Tfmain::Tfmain(QWidget* parent)
    : QMainWindow(parent)
    , FWidgets(std::make_unique<TMainWindowWidgets>())
    , FProjectKind(ProjectKind::None) {
    setObjectName(QStringLiteral("fmain"));
    setMinimumSize(895, 640);
    BuildWidgets();
    GlobalSettings().EditionName = EditionName(GlobalSettings().Edition);
    UebersetzeForm(this);
    for (QLabel* subtitle : FWidgets->lblUntertitel) {
        // Translated subtitles of similar length must not be clipped.
        subtitle->setMinimumWidth(subtitle->sizeHint().width() + 5);
    }
    SetUpEdition();
    ConnectButtons();
    // The language dialog is created with the main window; it sets the language folder.
    FSprache = std::make_unique<TFRSprache>(this);
}

Tfmain::~Tfmain() {
    DeleteTemporaryFacadePicture(GlobalSettings().ProgramFolder);
}

void Tfmain::BuildWidgets() {
    BuildMainWindowWidgets(*this, *FWidgets);
    FDlgSave = CreateSaveDialog(this, QString(), QString());
    for (QPushButton* button :
         {FWidgets->lblNew, FWidgets->btnSpeichern, FWidgets->BObjektdaten, FWidgets->Beditor}) {
        button->setEnabled(false);
    }
}

void Tfmain::SetUpEdition() {
    TGlobalSettings& settings = GlobalSettings();
    const TEditionData& edition = EditionData(settings.Edition);
    settings.ProgramTitle = edition.ProgramTitle;
    FWidgets->pnlPartnerLogos->setVisible(edition.ShowsPartnerLogos);
    FWidgets->pnlPartnerKontakt->setVisible(edition.ShowsPartnerLogos);
    FWidgets->imgLandLogo->setVisible(edition.ShowsCountryLogo);
    FWidgets->Bassi->setVisible(edition.ShowsFacadeAssistant);
    FWidgets->ButtonSprache_AGS->setVisible(edition.ShowsLanguageButton);
    setWindowTitle(settings.ProgramTitle);
    QApplication::setApplicationName(settings.ProgramTitle);
    FWidgets->lblTitel->setText(settings.ProgramTitle + QLatin1Char(' ') +
                                settings.ProgramVersion.left(3));
}

void Tfmain::ConnectButtons() {
    const auto connectButton = [this](QPushButton* button, void (Tfmain::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    TMainWindowWidgets& w = *FWidgets;
    connectButton(w.lblNew, &Tfmain::lblNewClick);
    connectButton(w.btnLaden, &Tfmain::btnLadenClick);
    connectButton(w.Beinzel, &Tfmain::BeinzelClick);
    connectButton(w.btnSpeichern, &Tfmain::btnSpeichernClick);
    connectButton(w.Bassi, &Tfmain::BassiClick);
    connectButton(w.BObjektdaten, &Tfmain::BObjektdatenClick);
    connectButton(w.sbWER, &Tfmain::sbWERClick);
    connectButton(w.BInfo, &Tfmain::BInfoClick);
    connectButton(w.sbWES, &Tfmain::sbWESClick);
    connectButton(w.Beditor, &Tfmain::BeditorClick);
    connectButton(w.BHilfe, &Tfmain::AHilfeExecute);
    connectButton(w.ButtonSprache_AGS, &Tfmain::ButtonSprache_AGSClick);
    connectButton(w.BEnde, &Tfmain::BEndeClick);
    connectButton(w.bEditSystemdata, &Tfmain::bEditSystemdataClick);
    connect(w.AHilfe, &QAction::triggered, this, &Tfmain::AHilfeExecute);

    for (int i = 0; i < 2; ++i) {
        OnClick(w.imgPartner[i], [i] { OpenExternalUrl(QUrl(ContactData().Partners[i].WebSite)); });
    }
}

void Tfmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void Tfmain::FormShow() {
    TGlobalSettings& settings = GlobalSettings();
    const QString updateFolder = UpdateFolderFor(settings);
    settings.UpdateFolder = QDir().mkpath(updateFolder) ? updateFolder : QString();
    FWidgets->sbWER->setVisible(Msg(u"Lja").toUpper() == u"YES");
    if (FFirstShow) {
        settings.DataUpdateUrl =
            DataUpdateUrl(settings.Edition, settings.WebServerHost, settings.LanguageFolder);
    }

    const TMainButtonStates states = ButtonStatesFor(FProjectKind);
    TMainWindowWidgets& w = *FWidgets;
    w.Beinzel->setEnabled(states.WindowAssistant);
    w.Bassi->setEnabled(states.FacadeAssistant);
    w.sbWER->setEnabled(states.WER);
    w.sbWES->setEnabled(states.WES);
    w.Beditor->setEnabled(states.Editor);
    w.BObjektdaten->setEnabled(states.ObjectData);
    w.btnSpeichern->setEnabled(states.Save);
    w.lblNew->setEnabled(states.New);

    if (FFirstShow) {
        PsiTabellenLaden(false);
    }
    FFirstShow = false;
}

void Tfmain::SetProjectKind(const QString& kind) {
    FProjectKind = kind;
    FormShow();
}

void Tfmain::UpdateCaption() {
    setWindowTitle(GlobalSettings().ProgramTitle + QStringLiteral(" -- ") +
                   GlobalSettings().CurrentProjectFile);
}

void Tfmain::closeEvent(QCloseEvent* event) {
    if (!FCloseConfirmed && !AskToSave(true)) {
        event->ignore();
        return;
    }
    FCloseConfirmed = false;
    DeleteFilesOnClose(GlobalSettings().ProgramFolder);
    event->accept();
}

void Tfmain::BEndeClick() {
    if (!AskToSave(true)) {
        return;
    }
    DeleteTemporaryFiles(GlobalSettings().ProgramFolder);
    FCloseConfirmed = true;
    close();
}

} // namespace vitrano
