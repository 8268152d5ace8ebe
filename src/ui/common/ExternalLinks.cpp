#include "ui/common/ExternalLinks.h"

#include <QDesktopServices>

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

TUrlOpener SetUrlOpener(TUrlOpener opener) {
    TUrlOpener previous = std::move(CurrentOpener());
    CurrentOpener() = std::move(opener);
    return previous;
}

} // namespace vitrano
