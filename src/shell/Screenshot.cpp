#include "shell/Screenshot.h"

#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <cstdio>

namespace vitrano {

TModalResult TNonInteractiveResponder::AnswerMessage(const TMessageRequest& request) {
    std::fprintf(stderr, "%s\n", qPrintable(request.Text));
    return request.Buttons.empty() ? TModalResult::OK : request.Buttons.front();
}

TModalResult TNonInteractiveResponder::AnswerModal(QDialog&) {
    return TModalResult::Cancel;
}

bool SaveScreenshot(QWidget& widget, const QString& fileName) {
    widget.show();
    QApplication::processEvents();
    return widget.grab().save(fileName, "PNG");
}

} // namespace vitrano
