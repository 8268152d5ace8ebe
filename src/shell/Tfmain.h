#pragma once

#include "core/FassadenSatz.h"

#include <QMainWindow>

namespace vitrano {

// The main window. It owns the current project record.
class Tfmain : public QMainWindow {
    Q_OBJECT

public:
    explicit Tfmain(QWidget* parent = nullptr);

    TFassadenSatz& Datei() { return FDatei; }

private:
    TFassadenSatz FDatei;
};

} // namespace vitrano
