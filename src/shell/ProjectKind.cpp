#include "shell/ProjectKind.h"

namespace vitrano {

TMainButtonStates ButtonStatesFor(const QString& projectKind) {
    TMainButtonStates states;
    if (projectKind == ProjectKind::Fassade || projectKind == ProjectKind::Einzel) {
        states.Editor = states.ObjectData = states.Save = states.New = true;
    } else if (projectKind == ProjectKind::WindowEnergySaving) {
        states.WES = states.ObjectData = states.Save = states.New = true;
    } else {
        states.WindowAssistant = states.FacadeAssistant = states.WER = states.WES = true;
    }
    return states;
}

} // namespace vitrano
