#include "ui/common/ExternalLinks.h"

#include "ui/common/ClickHandler.h"

#include <QDesktopServices>
#include <QLabel>

namespace vitrano {

namespace {

TUrlOpener& CurrentOpener() {
    static TUrlOpener opener;
    return opener;
}

} // namespace

bool OpenExternalUrl(const QUrl& url) {
    if (CurrentOpener()) {
        return CurrentOpener()(url);
    }
    return QDesktopServices::openUrl(url);
}

QLabel* CreateLinkLabel(QWidget* parent, const QString& objectName, const QString& caption,
                        const QString& address) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
    OnClick(label, [label, address] {
        OpenExternalUrl(QUrl(address.isEmpty() ? label->text() : address));
    });
    return label;
}

TUrlOpener SetUrlOpener(TUrlOpener opener) {
    TUrlOpener previous = std::move(CurrentOpener());
    CurrentOpener() = std::move(opener);
    return previous;
}

} // namespace vitrano
