// The main window's assistants and the dialogs it opens.

#include "core/GlobalSettings.h"
#include "core/WebAddresses.h"
#include "refdata/PsiTabellenLaden.h"
#include "shell/ProjectKind.h"
#include "shell/TFRSprache.h"
#include "shell/TInfoBox.h"
#include "shell/Tfmain.h"
#include "ui/common/ExternalLinks.h"
#include "ui/common/FormTranslation.h"

#include <exception>

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
    try {
        if (!FDialogs.WindowChain.Empty()) {
            RunWindowAssistant(NewWindowRecord());
        }
    } catch (const std::exception&) {
    }
}

void Tfmain::sbWERClick() {
    try {
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
    } catch (const std::exception&) {
    }
}

void Tfmain::BassiClick() {
    try {
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
    } catch (const std::exception&) {
    }
}

void Tfmain::sbWESClick() {
    try {
        SetProjectKind(ProjectKind::WindowEnergySaving);
        if (FDialogs.WESForm) {
            FDialogs.WESForm(FWESDatei);
        }
    } catch (const std::exception&) {
    }
}

void Tfmain::BeditorClick() {
    try {
        if (!FDialogs.Editor) {
            return;
        }
        GlobalSettings().InAssistant = false;
        FProjectSaved = false;
        FDialogs.Editor(FDatei);
    } catch (const std::exception&) {
    }
}

void Tfmain::BObjektdatenClick() {
    try {
        if (!FDialogs.Objektdaten) {
            return;
        }
        FProjectSaved = false;
        FDialogs.Objektdaten(FDatei.Objektdaten);
    } catch (const std::exception&) {
    }
}

void Tfmain::bEditSystemdataClick() {
    try {
        if (FDialogs.SystemdataEditor) {
            FDialogs.SystemdataEditor();
        }
    } catch (const std::exception&) {
    }
}

void Tfmain::BInfoClick() {
    try {
        TInfoBox box(this);
        TDialogSeam::ExecModal(box);
    } catch (const std::exception&) {
    }
}

void Tfmain::ButtonSprache_AGSClick() {
    try {
        if (TDialogSeam::ExecModal(*FSprache) == TModalResult::OK) {
            UebersetzeForm(this);
        }
    } catch (const std::exception&) {
    }
}

void Tfmain::AHilfeExecute() {
    const TGlobalSettings& settings = GlobalSettings();
    OpenExternalUrl(
        QUrl(OnlineManualUrl(settings.Edition, settings.WebServerHost, settings.LanguageFolder)));
}

} // namespace vitrano
