// The main window's assistants and the dialogs it opens.

#include "core/GlobalSettings.h"
#include "core/WebAddresses.h"
#include "refdata/PsiTabellenLaden.h"
#include "shell/IgnoringErrors.h"
#include "shell/ProjectKind.h"
#include "shell/TFRSprache.h"
#include "shell/TInfoBox.h"
#include "shell/Tfmain.h"
#include "ui/common/ExternalLinks.h"
#include "ui/common/FormTranslation.h"

namespace vitrano {

namespace {

TFassadenSatz NewWindowRecord() {
    TFassadenSatz neu;
    neu.Fenstertyp = 1;
    neu.Fassade = false;
    return neu;
}

} // namespace

void Tfmain::TakeFinishedAssistant(TFassadenSatz& neu, const QString& kind) {
    FDatei = std::move(neu);
    FProjectSaved = false;
    SetProjectKind(kind);
}

void Tfmain::RunWindowAssistant(TFassadenSatz neu) {
    TGlobalSettings& settings = GlobalSettings();
    settings.InAssistant = true;
    PsiTabellenLaden(false);
    const TModalResult result = RunWindowChain(neu, FDialogs.WindowChain, settings.InsertingWindow);
    if (result == TModalResult::OK) {
        TakeFinishedAssistant(neu, ProjectKind::Einzel);
    }
    // Otherwise the new record goes and the previous project stays.
}

void Tfmain::BeinzelClick() {
    IgnoringErrors([&] {
        if (!FDialogs.WindowChain.Empty()) {
            RunWindowAssistant(NewWindowRecord());
        }
    });
}

void Tfmain::sbWERClick() {
    IgnoringErrors([&] {
        if (!FDialogs.WERAssistant || FDialogs.WindowChain.Empty()) {
            return;
        }
        const std::optional<bool> hotBox = FDialogs.WERAssistant();
        if (!hotBox) {
            return;
        }
        TFassadenSatz neu = NewWindowRecord();
        neu.WindowEnergyType = QStringLiteral("wer");
        neu.HotBox = *hotBox;
        RunWindowAssistant(std::move(neu));
    });
}

void Tfmain::BassiClick() {
    IgnoringErrors([&] {
        if (!FDialogs.FacadeChain) {
            return;
        }
        TGlobalSettings& settings = GlobalSettings();
        TFassadenSatz neu;
        neu.Fenstertyp = 100;
        neu.Fassade = true;
        settings.InAssistant = true;
        settings.NewFacadeRun = true;
        settings.GlassSetsStandardMaterial = true;
        PsiTabellenLaden(true);
        if (FDialogs.FacadeChain(neu) == TModalResult::OK) {
            TakeFinishedAssistant(neu, ProjectKind::Fassade);
        }
    });
}

void Tfmain::sbWESClick() {
    IgnoringErrors([&] {
        SetProjectKind(ProjectKind::WindowEnergySaving);
        if (FDialogs.WESForm) {
            FDialogs.WESForm(FWESDatei);
        }
    });
}

void Tfmain::BeditorClick() {
    IgnoringErrors([&] {
        if (!FDialogs.Editor) {
            return;
        }
        GlobalSettings().InAssistant = false;
        FProjectSaved = false;
        FDialogs.Editor(FDatei);
    });
}

void Tfmain::BObjektdatenClick() {
    IgnoringErrors([&] {
        if (!FDialogs.Objektdaten) {
            return;
        }
        FProjectSaved = false;
        FDialogs.Objektdaten(FDatei.Objektdaten);
    });
}

void Tfmain::bEditSystemdataClick() {
    IgnoringErrors([&] {
        if (FDialogs.SystemdataEditor) {
            FDialogs.SystemdataEditor();
        }
    });
}

void Tfmain::BInfoClick() {
    IgnoringErrors([&] {
        TInfoBox box(this);
        TDialogSeam::ExecModal(box);
    });
}

void Tfmain::ButtonSprache_AGSClick() {
    IgnoringErrors([&] {
        if (TDialogSeam::ExecModal(*FSprache) == TModalResult::OK) {
            UebersetzeForm(this);
        }
    });
}

void Tfmain::AHilfeExecute() {
    const TGlobalSettings& settings = GlobalSettings();
    OpenExternalUrl(
        QUrl(OnlineManualUrl(settings.Edition, settings.WebServerHost, settings.LanguageFolder)));
}

} // namespace vitrano
