#include "core/Edition.h"
#include "ui/common/DialogSeam.h"
#include "shell/Tfmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vitrano::RouteUserMessagesToDialogs();
    QApplication::setApplicationName(vitrano::EditionProgramTitle(vitrano::BuildEdition()));
    vitrano::Tfmain mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
