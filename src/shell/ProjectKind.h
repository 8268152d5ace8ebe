#pragma once

#include <QString>

namespace vitrano {

// What the main window holds, kept as the texts the program has always used for it. The kind
// decides which buttons are enabled and which file type Save writes.
namespace ProjectKind {
inline const QString Fassade = QStringLiteral("fassade"); // facade or any project file
inline const QString Einzel = QStringLiteral("einzel");   // window from an assistant
inline const QString WindowEnergySaving = QStringLiteral("windowenergysaving"); // comparison
inline const QString None = QStringLiteral("lblFassade");                       // no project
} // namespace ProjectKind

// Which of the main window's project buttons are enabled.
struct TMainButtonStates {
    bool WindowAssistant = false;
    bool FacadeAssistant = false;
    bool WER = false;
    bool WES = false;
    bool Editor = false;
    bool ObjectData = false;
    bool Save = false;
    bool New = false;

    bool operator==(const TMainButtonStates&) const = default;
};

// Any text that is not one of the three project kinds means "no project".
TMainButtonStates ButtonStatesFor(const QString& projectKind);

} // namespace vitrano
