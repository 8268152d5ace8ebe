// The main window's project commands: New, Open and Save.

#include "core/GlobalSettings.h"
#include "files/ComparisonFile.h"
#include "files/FileKind.h"
#include "files/LegacyImport.h"
#include "files/ProjectFile.h"
#include "l10n/FRStringResource.h"
#include "refdata/PsiTabellenLaden.h"
#include "shell/IgnoringErrors.h"
#include "shell/ProjectKind.h"
#include "shell/Tfmain.h"
#include "ui/common/FileDialogs.h"

#include <QFileInfo>

namespace vitrano {

bool Tfmain::AskToSave(bool offerCancel) {
    if (FProjectSaved) {
        return true;
    }
    std::vector<TModalResult> buttons{TModalResult::Yes, TModalResult::No};
    if (offerCancel) {
        buttons.push_back(TModalResult::Cancel);
    }
    const TModalResult answer =
        TDialogSeam::ShowMessage(QStringLiteral("strWantSave"), Msg(u"strWantSave"),
                                 TMessageKind::Question, buttons, Msg(u"strQuestSave"));
    if (answer == TModalResult::Yes) {
        btnSpeichernClick();
        // A save that failed or was cancelled must not cost the project.
        return FProjectSaved;
    }
    if (answer == TModalResult::No) {
        setWindowTitle(GlobalSettings().ProgramTitle);
        return true;
    }
    return !offerCancel;
}

void Tfmain::lblNewClick() {
    IgnoringErrors([&] {
        if (!AskToSave(false)) {
            return;
        }
        FDatei = TFassadenSatz();
        FWESDatei = TWESDatensatz();
        if (FDialogs.ResetToStartValues) {
            FDialogs.ResetToStartValues();
        }
        SetProjectKind(ProjectKind::None);
        FProjectSaved = false;
        GlobalSettings().CurrentProjectFile.clear();
        TObjektdaten::ObjektdatenAusIniVorbelegen(FDatei.Objektdaten);
    });
}

bool Tfmain::OpenChosenFile(const QString& filter) {
    if (!AskToSave(false)) {
        return false;
    }
    const auto dialog =
        CreateOpenDialog(this, filter, EditionData(GlobalSettings().Edition).ProjectFileExtension);
    const QString fileName = RunFileDialog(*dialog);
    if (fileName.isEmpty() || !LadeDatei(fileName)) {
        return false;
    }
    PsiTabellenLaden(FDatei.Fassade);
    return true;
}

void Tfmain::btnLadenClick() {
    IgnoringErrors([this] { OpenChosenFile(EditionData(GlobalSettings().Edition).OpenFilter); });
}

bool Tfmain::WESDateiLaden() {
    return IgnoringErrors([this] {
        return OpenChosenFile(EditionData(GlobalSettings().Edition).ComparisonFileFilter);
    });
}

bool Tfmain::LadeDatei(const QString& sDatei) {
    if (!QFileInfo::exists(sDatei)) {
        return false;
    }
    return IgnoringErrors([&] {
        // Read into fresh records; the current ones stay when the file cannot be read.
        TFassadenSatz datei;
        TWESDatensatz wesDatei;
        QString kind = ProjectKind::Fassade;
        QString currentFile = sDatei;
        TFileResult result;
        switch (FileKindOf(sDatei)) {
        case TFileKind::LegacyProject:
            result = ImportLegacyFile(sDatei, datei);
            currentFile.clear(); // the next Save asks for a name in the XML format
            break;
        case TFileKind::Comparison:
            result = LoadComparisonFile(sDatei, wesDatei);
            kind = ProjectKind::WindowEnergySaving;
            break;
        case TFileKind::Project:
            result = LoadProjectFile(sDatei, datei);
            break;
        }
        if (!result.Ok()) {
            return false;
        }
        FDatei = std::move(datei);
        FWESDatei = std::move(wesDatei);
        GlobalSettings().CurrentProjectFile = currentFile;
        FFirstShow = false;
        SetProjectKind(kind);
        UpdateCaption();
        return true;
    });
}

void Tfmain::SetSaveDlgExtension(bool ignoreWES) {
    const TEdition edition = GlobalSettings().Edition;
    const TSaveFileKind kind = !ignoreWES && FProjectKind == ProjectKind::WindowEnergySaving
                                   ? TSaveFileKind::Comparison
                                   : TSaveFileKind::Project;
    SetFileDialogFilter(*FDlgSave, SaveFilter(edition, kind), SaveFileExtension(edition, kind));
}

bool Tfmain::SaveCurrentRecord(const QString& fileName) {
    const TFileResult result = FileKindOf(fileName) == TFileKind::Comparison
                                   ? SaveComparisonFile(fileName, FWESDatei)
                                   : SaveProjectFile(fileName, FDatei);
    if (!result.Ok()) {
        TDialogSeam::ShowMessage(QStringLiteral("strSpeichernFehlgeschlagen"),
                                 Msg(u"strSpeichernFehlgeschlagen") + QStringLiteral("\n\n") +
                                     fileName + QStringLiteral(": ") + result.Error,
                                 TMessageKind::Error);
    }
    return result.Ok();
}

void Tfmain::btnSpeichernClick() {
    IgnoringErrors([&] {
        TGlobalSettings& settings = GlobalSettings();
        SetSaveDlgExtension(false);
        QString fileName = settings.CurrentProjectFile;
        if (fileName.isEmpty()) {
            fileName = RunFileDialog(*FDlgSave);
        }
        if (!fileName.isEmpty()) {
            if (!SaveCurrentRecord(fileName)) {
                return; // file name, caption and saved state stay as they were
            }
            settings.CurrentProjectFile = fileName;
            FProjectSaved = true;
        }
        UpdateCaption();
    });
}

} // namespace vitrano
