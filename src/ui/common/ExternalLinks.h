#pragma once

// Addresses and mail links are opened with the system's default handlers through this one
// function, so that tests can record them instead of starting a browser.

#include <QUrl>
#include <functional>

class QLabel;
class QWidget;

namespace vitrano {

using TUrlOpener = std::function<bool(const QUrl& url)>;

// True when the handler accepted the address.
bool OpenExternalUrl(const QUrl& url);

// A label that looks like a link and opens the address when clicked; without an address it
// opens its own caption.
QLabel* CreateLinkLabel(QWidget* parent, const QString& objectName, const QString& caption,
                        const QString& address = QString());

// Installs the opener (empty: the system's handlers) and returns the previous one.
TUrlOpener SetUrlOpener(TUrlOpener opener);

} // namespace vitrano
