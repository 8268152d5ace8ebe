#pragma once

#include "ui/common/DialogSeam.h"

#include <QString>
#include <QWidget>

namespace vitrano {

// Answers every message with its default button and every modal dialog with Cancel, writing
// the messages to standard error: for runs that must not wait for a user.
class TNonInteractiveResponder : public TDialogResponder {
public:
    TModalResult AnswerMessage(const TMessageRequest& request) override;
    TModalResult AnswerModal(QDialog& dialog) override;
};

// Renders the widget as it is shown on screen into a PNG file. False when it cannot be written.
bool SaveScreenshot(QWidget& widget, const QString& fileName);

} // namespace vitrano
