#pragma once

#include "core/FassadenSatz.h"
#include "core/WESDatensatz.h"
#include "shell/WindowChain.h"

#include <functional>
#include <optional>

namespace vitrano {

// The dialogs the main window starts. Each is a function that shows its dialog modally; an
// empty function is a dialog this program does not have yet, and its button then does nothing.
struct TMainWindowDialogs {
    TWindowChainSteps WindowChain;
    // The facade assistant: all its steps up to and including the editor step.
    TAssistantStep FacadeChain;
    // The energy-rating assistant: on OK, whether the window has a hot-box result.
    std::function<std::optional<bool>()> WERAssistant;
    std::function<void(TWESDatensatz& satz)> WESForm;
    // The editor opened from the main window; it may replace the record.
    std::function<void(TFassadenSatz& satz)> Editor;
    std::function<void(TObjektdaten& objektdaten)> Objektdaten;
    std::function<void()> SystemdataEditor;
    // Puts the assistant dialogs back to their start values (New).
    std::function<void()> ResetToStartValues;
};

} // namespace vitrano
