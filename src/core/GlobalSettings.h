#pragma once

#include <QString>

namespace vitrano {

// Folder of the running executable with a trailing '/'; the current directory when it cannot be
// determined.
QString ExecutableFolder();

// The process-wide settings. The member initialisers are the start values.
struct TGlobalSettings {
    QString ProgramFolder = ExecutableFolder(); // folder of the data files, ends with '/'
    // Data folder of the chosen language relative to ProgramFolder, e.g. "de/" or
    // "en/" (tables, information pictures and texts).
    QString LanguageFolder = QStringLiteral("de/");
};

// The process-wide instance, created with the start values on first use.
TGlobalSettings& GlobalSettings();

// Puts every setting back to its start value (used by tests).
void ResetGlobalSettings();

} // namespace vitrano
