#include "ui/common/DialogSeam.h"

#include "core/GlobalSettings.h"
#include "core/UserMessages.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <utility>

namespace vitrano {

namespace {

struct TButtonPair {
    TModalResult Result;
    QMessageBox::StandardButton Button;
};

const TButtonPair kButtonPairs[] = {
    {TModalResult::OK, QMessageBox::Ok},       {TModalResult::Cancel, QMessageBox::Cancel},
    {TModalResult::Abort, QMessageBox::Abort}, {TModalResult::Back, QMessageBox::Retry},
    {TModalResult::Yes, QMessageBox::Yes},     {TModalResult::No, QMessageBox::No},
};

QMessageBox::StandardButton StandardButtonFor(TModalResult result) {
    for (const TButtonPair& pair : kButtonPairs) {
        if (pair.Result == result) {
            return pair.Button;
        }
    }
    return QMessageBox::Ok;
}

TModalResult ResultFor(QMessageBox::StandardButton button) {
    for (const TButtonPair& pair : kButtonPairs) {
        if (pair.Button == button) {
            return pair.Result;
        }
    }
    return TModalResult::Cancel;
}

QMessageBox::Icon IconFor(TMessageKind kind) {
    switch (kind) {
    case TMessageKind::Warning:
        return QMessageBox::Warning;
    case TMessageKind::Error:
        return QMessageBox::Critical;
    case TMessageKind::Question:
        return QMessageBox::Question;
    case TMessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

TModalResult ClosedWithoutResultAsCancel(int code) {
    return code == QDialog::Rejected ? TModalResult::Cancel : static_cast<TModalResult>(code);
}

class TWidgetDialogResponder : public TDialogResponder {
public:
    TModalResult AnswerMessage(const TMessageRequest& request) override {
        QMessageBox box(IconFor(request.Kind),
                        request.Caption.isEmpty() ? GlobalSettings().ProgramTitle : request.Caption,
                        request.Text);
        for (TModalResult result : request.Buttons) {
            box.addButton(StandardButtonFor(result));
        }
        if (!request.Buttons.empty()) {
            box.setDefaultButton(StandardButtonFor(request.Buttons.front()));
        }
        box.exec();
        return ResultFor(box.standardButton(box.clickedButton()));
    }

    TModalResult AnswerModal(QDialog& dialog) override {
        return ClosedWithoutResultAsCancel(dialog.exec());
    }
};

TDialogResponder*& InstalledResponder() {
    static TDialogResponder* responder = nullptr;
    return responder;
}

TDialogResponder& ActiveResponder() {
    static TWidgetDialogResponder widgets;
    TDialogResponder* installed = InstalledResponder();
    return installed ? *installed : widgets;
}

} // namespace

TModalResult TDialogSeam::ShowMessage(const QString& identifier, const QString& text,
                                      TMessageKind kind, std::vector<TModalResult> buttons,
                                      const QString& caption) {
    if (buttons.empty()) {
        buttons.push_back(TModalResult::OK);
    }
    const TMessageRequest request{identifier, text, kind, std::move(buttons), caption};
    return ActiveResponder().AnswerMessage(request);
}

TModalResult TDialogSeam::ExecModal(QDialog& dialog) {
    return ActiveResponder().AnswerModal(dialog);
}

TDialogResponder* TDialogSeam::SetResponder(TDialogResponder* responder) {
    return std::exchange(InstalledResponder(), responder);
}

QString UserMessageIdentifier() {
    return QStringLiteral("UserMessage");
}

void RouteUserMessagesToDialogs() {
    SetMessageReceiver([](const QString& text) {
        TDialogSeam::ShowMessage(UserMessageIdentifier(), text, TMessageKind::Information);
    });
}

} // namespace vitrano
