#include "core/GlobalSettings.h"
#include "l10n/Localisation.h"
#include "shell/Screenshot.h"
#include "shell/TFRSprache.h"
#include "shell/TInfoBox.h"
#include "shell/Tfmain.h"
#include "ui/common/DialogSeam.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>

namespace {

struct TOptions {
    QString Screenshot; // render the main window (or a dialog) into this PNG and end
    QString Show;       // "info": the information box instead of the main window
};

TOptions ParseOptions(const QApplication& application) {
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window into a PNG and end."),
                                        QStringLiteral("file"));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("With --screenshot: \"info\" renders the "
                                                 "information box, \"language\" the language "
                                                 "dialog."),
                                  QStringLiteral("dialog"));
    parser.addOption(screenshot);
    parser.addOption(show);
    parser.process(application);
    return {parser.value(screenshot), parser.value(show)};
}

int TakeScreenshot(vitrano::Tfmain& mainWindow, const TOptions& options) {
    vitrano::TNonInteractiveResponder responder;
    vitrano::TScopedDialogResponder scoped(responder);
    mainWindow.resize(1100, 760);
    QWidget* target = &mainWindow;
    vitrano::TInfoBox info(&mainWindow);
    if (options.Show == u"info") {
        target = &info;
    } else if (options.Show == u"language") {
        target = &mainWindow.Sprache();
    }
    mainWindow.show();
    if (!vitrano::SaveScreenshot(*target, options.Screenshot)) {
        std::fprintf(stderr, "%s: cannot write the picture\n", qPrintable(options.Screenshot));
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vitrano"));
    const TOptions options = ParseOptions(application);

    // The interface shows and reads numbers in the user's regional format; the files keep
    // their own fixed formats.
    QLocale::setDefault(QLocale::system());
    vitrano::StartLocalisation();
    vitrano::RouteUserMessagesToDialogs();

    vitrano::Tfmain mainWindow;
    vitrano::InitialiseStartupSettings(vitrano::GlobalSettings());
    if (!options.Screenshot.isEmpty()) {
        return TakeScreenshot(mainWindow, options);
    }
    mainWindow.showMaximized();
    return QApplication::exec();
}
