#pragma once

// A dialog responder for tests: it records every message and every modal dialog and answers
// them from queues, so that code which asks the user runs to the end without blocking.

#include "ui/common/DialogSeam.h"

#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace vitrano {

struct TShownDialog {
    QString ClassName;
    QString ObjectName;
};

class TScriptedDialogResponder : public TDialogResponder {
public:
    using TDialogAction = std::function<void(QDialog& dialog)>;

    // The next message is answered with this button.
    void QueueMessageAnswer(TModalResult button);
    // The next modal dialog is shown (not modally), prepared, and ended with done(result).
    void QueueModalAnswer(TModalResult result, TDialogAction prepare = {});
    // The next modal dialog is shown and the action ends it itself, e.g. by clicking one of its
    // buttons; the result is the one the dialog ended with.
    void QueueModalAction(TDialogAction action);

    const std::vector<TMessageRequest>& Messages() const { return FMessages; }
    const std::vector<TShownDialog>& ShownDialogs() const { return FShownDialogs; }
    // Messages and dialogs that found no scripted answer, and dialogs an action left open.
    const std::vector<QString>& Unexpected() const { return FUnexpected; }
    std::size_t PendingMessageAnswers() const { return FMessageAnswers.size(); }
    std::size_t PendingModalAnswers() const { return FModalAnswers.size(); }

    TModalResult AnswerMessage(const TMessageRequest& request) override;
    TModalResult AnswerModal(QDialog& dialog) override;

private:
    struct TModalAnswer {
        TDialogAction Action;
        bool ActionEndsDialog = false;
        TModalResult Result = TModalResult::Cancel;
    };

    TModalResult EndDialog(QDialog& dialog, const TModalAnswer& answer);

    std::deque<TModalResult> FMessageAnswers;
    std::deque<TModalAnswer> FModalAnswers;
    std::vector<TMessageRequest> FMessages;
    std::vector<TShownDialog> FShownDialogs;
    std::vector<QString> FUnexpected;
};

} // namespace vitrano
