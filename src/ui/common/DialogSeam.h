#pragma once

// Every message box and every modal dialog of the program is shown through TDialogSeam. The
// program answers with real message boxes and QDialog::exec(); tests install a responder that
// answers from a script without showing anything modal.

#include <QString>
#include <vector>

class QDialog;

namespace vitrano {

// Modal results of dialogs and the buttons of message boxes. Dialogs end with done(code).
enum class TModalResult : int {
    None = 0,
    OK = 1,
    Cancel = 2,
    Abort = 3,
    Back = 4, // the "< &Zurueck" button of an assistant step
    Yes = 6,
    No = 7,
};

enum class TMessageKind { Information, Warning, Error, Question };

struct TMessageRequest {
    QString Identifier; // catalogue identifier of the text, e.g. "strWantSave"
    QString Text;
    TMessageKind Kind = TMessageKind::Information;
    std::vector<TModalResult> Buttons; // in the order shown; the first is the default
    QString Caption;                   // empty: the program title
};

class TDialogResponder {
public:
    virtual ~TDialogResponder() = default;
    virtual TModalResult AnswerMessage(const TMessageRequest& request) = 0;
    virtual TModalResult AnswerModal(QDialog& dialog) = 0;
};

class TDialogSeam {
public:
    // Returns the button pressed.
    static TModalResult ShowMessage(const QString& identifier, const QString& text,
                                    TMessageKind kind = TMessageKind::Information,
                                    std::vector<TModalResult> buttons = {TModalResult::OK},
                                    const QString& caption = QString());
    // Returns the modal result; a dialog closed without one (rejected, closed by its frame)
    // counts as Cancel.
    static TModalResult ExecModal(QDialog& dialog);

    // Installs the responder (nullptr: the real message boxes and dialogs) and returns the
    // previous one. The responder is not owned.
    static TDialogResponder* SetResponder(TDialogResponder* responder);
};

// Installs a responder for the lifetime of the object and restores the previous one afterwards.
class TScopedDialogResponder {
public:
    explicit TScopedDialogResponder(TDialogResponder& responder)
        : FPrevious(TDialogSeam::SetResponder(&responder)) {}
    ~TScopedDialogResponder() { TDialogSeam::SetResponder(FPrevious); }
    TScopedDialogResponder(const TScopedDialogResponder&) = delete;
    TScopedDialogResponder& operator=(const TScopedDialogResponder&) = delete;

private:
    TDialogResponder* FPrevious;
};

// Sends the messages of the widget-free layers (core/UserMessages.h) to message boxes through
// the seam. Called once at start-up.
void RouteUserMessagesToDialogs();

// Identifier under which those messages appear.
QString UserMessageIdentifier();

} // namespace vitrano
