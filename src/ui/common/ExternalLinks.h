#pragma once

// Addresses and mail links are opened with the system's default handlers through this one
// function, so that tests can record them instead of starting a browser.

#include <QUrl>
#include <functional>

namespace vitrano {

using TUrlOpener = std::function<bool(const QUrl& url)>;

// True when the handler accepted the address.
bool OpenExternalUrl(const QUrl& url);

// Installs the opener (empty: the system's handlers) and returns the previous one.
TUrlOpener SetUrlOpener(TUrlOpener opener);

} // namespace vitrano
