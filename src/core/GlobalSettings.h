#pragma once

#include "core/Edition.h"
#include "core/WebAddresses.h"

#include <QString>

namespace vitrano {

// Folder of the running executable with a trailing '/'; the current directory when it cannot be
// determined.
QString ExecutableFolder();

// The program version; the title band shows its first three characters.
QString CurrentProgramVersion();

// The process-wide settings. The member initialisers are the start values. Folders use '/' and
// end with '/'.
struct TGlobalSettings {
    QString ProgramFolder = ExecutableFolder(); // folder of the data files, ends with '/'
    // Data folder of the chosen language relative to ProgramFolder, e.g. "de/" or
    // "en/" (tables, information pictures and texts).
    QString LanguageFolder = QStringLiteral("de/");
    QString PictureFolder = ProgramFolder + QStringLiteral("jpg/");
    QString TemplateFolder = ProgramFolder + QStringLiteral("vorlagen/");
    // Download folder of the program update; empty until it has been created.
    QString UpdateFolder;
    // Base address of the data-file update; empty until the main window first shows.
    QString DataUpdateUrl;
    QString WebServerHost = DefaultWebServerHost();

    TEdition Edition = BuildEdition();
    QString EditionName = vitrano::EditionName(Edition);
    QString ProgramTitle = EditionProgramTitle(Edition);
    QString ProgramVersion = CurrentProgramVersion();
    // File the current project came from or was last saved to; empty for a new or imported one.
    QString CurrentProjectFile;

    // True while dialogs run as steps of an assistant chain, false when opened from the editor.
    bool InAssistant = true;
    // True while a window is inserted into a facade field.
    bool InsertingWindow = false;
    // True from the facade-assistant button until the profile dialog has cleared its inputs.
    bool NewFacadeRun = false;
    // True: the glass chosen next in the infill dialog also becomes the standard material.
    bool GlassSetsStandardMaterial = false;
};

// The process-wide instance, created with the start values on first use.
TGlobalSettings& GlobalSettings();

// Puts every setting back to its start value (used by tests).
void ResetGlobalSettings();

// Start-up, before the main window is first shown: the assistant flags get their start values
// and the picture and template folders follow the current ProgramFolder.
void InitialiseStartupSettings(TGlobalSettings& settings);

// ProgramFolder + "update/".
QString UpdateFolderFor(const TGlobalSettings& settings);

} // namespace vitrano
