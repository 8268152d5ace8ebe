#include "shell/WindowChain.h"

#include "l10n/FRStringResource.h"

#include <exception>
#include <optional>

namespace vitrano {

namespace {

enum class TStep { Frame, Infill, Spacer, AirLeakage, Editor };

struct TChainRun {
    TFassadenSatz& Satz;
    const TWindowChainSteps& Steps;
    bool InsertingWindow;

    const TAssistantStep& DialogOf(TStep step) const {
        switch (step) {
        case TStep::Frame:
            return Steps.Fensterrahmen;
        case TStep::Infill:
            return Steps.FassGlas;
        case TStep::Spacer:
            return Steps.FensterPsi;
        case TStep::AirLeakage:
            return Steps.AirLeakage;
        case TStep::Editor:
            break;
        }
        return Steps.Editor;
    }

    // The step after OK; empty when the chain ends with 1.
    std::optional<TStep> Next(TStep step) const {
        switch (step) {
        case TStep::Frame:
            return TStep::Infill;
        case TStep::Infill:
            return TStep::Spacer;
        case TStep::Spacer:
            if (InsertingWindow) {
                return std::nullopt;
            }
            return Satz.IsEnergyRating() ? TStep::AirLeakage : TStep::Editor;
        case TStep::AirLeakage:
            return TStep::Editor;
        case TStep::Editor:
            break;
        }
        return std::nullopt;
    }

    // The step the back button leads to; empty for the first step.
    std::optional<TStep> Previous(TStep step) const {
        switch (step) {
        case TStep::Frame:
        case TStep::Editor:
            return std::nullopt;
        case TStep::Infill:
            return TStep::Frame;
        case TStep::Spacer:
            return TStep::Infill;
        case TStep::AirLeakage:
            return Satz.HotBox ? TStep::Infill : TStep::Spacer;
        }
        return std::nullopt;
    }

    TModalResult Show(TStep step) const {
        try {
            return DialogOf(step)(Satz);
        } catch (const std::exception&) {
            if (step == TStep::Infill) {
                TDialogSeam::ShowMessage(QStringLiteral("strFehlerShowFassGlas"),
                                         Msg(u"strFehlerShowFassGlas"), TMessageKind::Error);
            }
            return TModalResult::Abort;
        }
    }

    TModalResult Run() const {
        TStep step = TStep::Frame;
        bool forward = true;
        while (true) {
            if (!DialogOf(step)) {
                // A dialog the program does not have is passed in the direction of travel;
                // travelling back past the first step turns forward again.
                if (step == TStep::Editor) {
                    return TModalResult::OK;
                }
                std::optional<TStep> onward = forward ? Next(step) : Previous(step);
                if (!onward && forward) {
                    return TModalResult::OK;
                }
                if (!onward) {
                    forward = true;
                    onward = Next(step);
                }
                step = *onward;
                continue;
            }
            const TModalResult result = Show(step);
            if (step == TStep::Editor) {
                return TModalResult::OK;
            }
            if (result == TModalResult::OK) {
                const std::optional<TStep> next = Next(step);
                if (!next) {
                    return TModalResult::OK;
                }
                step = *next;
                forward = true;
            } else if (const std::optional<TStep> previous = Previous(step);
                       result == TModalResult::Back && previous) {
                step = *previous;
                forward = false;
            } else {
                return TModalResult::Abort;
            }
        }
    }
};

} // namespace

bool TWindowChainSteps::Empty() const {
    return !Fensterrahmen && !FassGlas && !FensterPsi && !AirLeakage && !Editor;
}

TModalResult RunWindowChain(TFassadenSatz& satz, const TWindowChainSteps& steps,
                            bool insertingWindow) {
    if (steps.Empty()) {
        return TModalResult::Abort;
    }
    return TChainRun{satz, steps, insertingWindow}.Run();
}

} // namespace vitrano
