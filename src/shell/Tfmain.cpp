#include "shell/Tfmain.h"

#include "core/Edition.h"

namespace vitrano {

Tfmain::Tfmain(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("fmain"));
    setWindowTitle(EditionProgramTitle(BuildEdition()));
    resize(800, 600);
}

} // namespace vitrano
