#pragma once

#include "core/FassadenSatz.h"
#include "ui/common/DialogSeam.h"

#include <functional>

namespace vitrano {

// One step of an assistant: shows its dialog modally for the record and returns how it ended:
// OK ("next"), Back, or Abort/Cancel.
using TAssistantStep = std::function<TModalResult(TFassadenSatz& satz)>;

// The dialogs of the window assistant. A step without a function is one whose dialog this
// program does not have; the chain passes it in the direction it is travelling.
struct TWindowChainSteps {
    TAssistantStep Fensterrahmen; // window frame
    TAssistantStep FassGlas;      // infill, in window mode
    TAssistantStep FensterPsi;    // window spacer
    TAssistantStep AirLeakage;    // energy-rating windows only
    TAssistantStep Editor;        // the last step; it always ends the chain

    bool Empty() const;
};

// Runs the chain from the frame step. 1 when the editor step was reached (or, while a window is
// inserted into a facade field, the spacer step was passed), 3 when a step was aborted or
// cancelled. An exception inside the infill step shows "strFehlerShowFassGlas" and ends the
// chain with 3; other exceptions end it with 3 silently.
TModalResult RunWindowChain(TFassadenSatz& satz, const TWindowChainSteps& steps,
                            bool insertingWindow);

} // namespace vitrano
