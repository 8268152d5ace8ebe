#pragma once

class QFrame;
class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QAction;

namespace vitrano {

// The widgets of the main window, laid out as designed (German captions; the window translates
// itself afterwards). They are owned by the window.
struct TMainWindowWidgets {
    QFrame* pnlTitel = nullptr;
    QLabel* lblTitel = nullptr;
    QLabel* lblUntertitel[4] = {};
    QLabel* imgTitel = nullptr;
    QLabel* imgLandLogo = nullptr;
    QFrame* pnlPartnerLogos = nullptr;
    QLabel* imgPartner[2] = {};

    QLabel* lblError = nullptr;
    QFrame* pnlProgramUpdate = nullptr;
    QFrame* pnlDatUpdate = nullptr;
    QProgressBar* pbDatUpdate = nullptr;
    QPushButton* sbDatUpdate = nullptr;

    QPushButton* lblNew = nullptr;
    QPushButton* btnLaden = nullptr;
    QPushButton* Beinzel = nullptr;
    QPushButton* btnSpeichern = nullptr;
    QPushButton* Bassi = nullptr;
    QPushButton* BObjektdaten = nullptr;
    QPushButton* sbWER = nullptr;
    QPushButton* BInfo = nullptr;
    QPushButton* sbWES = nullptr;
    QPushButton* Beditor = nullptr;
    QPushButton* BHilfe = nullptr;
    QPushButton* ButtonSprache_AGS = nullptr;
    QPushButton* BEnde = nullptr;
    QPushButton* bEditSystemdata = nullptr;
    QAction* AHilfe = nullptr;

    QFrame* pnlKontakt = nullptr;
    QLabel* URL = nullptr;
    QLabel* EMAIL = nullptr;
    QFrame* pnlPartnerKontakt = nullptr;
    QLabel* lblPartnerURL[2] = {};
};

// Creates the widgets as the window's central widget.
void BuildMainWindowWidgets(QMainWindow& window, TMainWindowWidgets& widgets);

} // namespace vitrano
