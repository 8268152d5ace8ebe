#include "ui/common/ScriptedDialogResponder.h"

#include <QDialog>
#include <utility>

namespace vitrano {

namespace {

TModalResult ResultOfEndedDialog(const QDialog& dialog) {
    return dialog.result() == QDialog::Rejected ? TModalResult::Cancel
                                                : static_cast<TModalResult>(dialog.result());
}

QString DialogName(const TShownDialog& shown) {
    return shown.ObjectName.isEmpty() ? shown.ClassName : shown.ObjectName;
}

} // namespace

void TScriptedDialogResponder::QueueMessageAnswer(TModalResult button) {
    FMessageAnswers.push_back(button);
}

void TScriptedDialogResponder::QueueModalAnswer(TModalResult result, TDialogAction prepare) {
    FModalAnswers.push_back(TModalAnswer{std::move(prepare), false, result});
}

void TScriptedDialogResponder::QueueModalAction(TDialogAction action) {
    FModalAnswers.push_back(TModalAnswer{std::move(action), true, TModalResult::Cancel});
}

TModalResult TScriptedDialogResponder::AnswerMessage(const TMessageRequest& request) {
    FMessages.push_back(request);
    if (FMessageAnswers.empty()) {
        FUnexpected.push_back(QStringLiteral("message ") + request.Identifier +
                              QStringLiteral(": ") + request.Text);
        return request.Buttons.empty() ? TModalResult::OK : request.Buttons.front();
    }
    const TModalResult answer = FMessageAnswers.front();
    FMessageAnswers.pop_front();
    return answer;
}

TModalResult TScriptedDialogResponder::AnswerModal(QDialog& dialog) {
    const TShownDialog shown{QString::fromLatin1(dialog.metaObject()->className()),
                             dialog.objectName()};
    FShownDialogs.push_back(shown);
    if (FModalAnswers.empty()) {
        FUnexpected.push_back(QStringLiteral("dialog ") + DialogName(shown));
        return TModalResult::Cancel;
    }
    const TModalAnswer answer = std::move(FModalAnswers.front());
    FModalAnswers.pop_front();
    return EndDialog(dialog, answer);
}

TModalResult TScriptedDialogResponder::EndDialog(QDialog& dialog, const TModalAnswer& answer) {
    // Shown like a modal dialog, so that its show handling runs, but without an event loop.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (answer.Action) {
        answer.Action(dialog);
    }
    if (!answer.ActionEndsDialog) {
        dialog.done(static_cast<int>(answer.Result));
        return answer.Result;
    }
    if (dialog.isVisible()) {
        FUnexpected.push_back(QStringLiteral("dialog left open ") +
                              DialogName(FShownDialogs.back()));
        dialog.done(QDialog::Rejected);
        return TModalResult::Cancel;
    }
    return ResultOfEndedDialog(dialog);
}

} // namespace vitrano
