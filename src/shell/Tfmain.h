#pragma once

#include "core/FassadenSatz.h"
#include "core/WESDatensatz.h"
#include "shell/MainWindowDialogs.h"
#include "ui/common/DialogSeam.h"

#include <QMainWindow>

class QFileDialog;
class QLabel;
class QPushButton;

namespace vitrano {

class TFRSprache;
struct TMainWindowWidgets;

// The main window. It owns the current project record and the current comparison record,
// opens and saves them, and starts the assistants.
class Tfmain : public QMainWindow {
    Q_OBJECT

public:
    explicit Tfmain(QWidget* parent = nullptr);
    ~Tfmain() override;

    TFassadenSatz FDatei; // the current project record

    TMainWindowDialogs& Dialogs() { return FDialogs; }
    const QString& ProjectKind() const { return FProjectKind; }
    bool ProjectSaved() const { return FProjectSaved; }
    const TWESDatensatz& WESDatei() const { return FWESDatei; }

    // Re-evaluates the buttons from the project kind; on the first show also the start-up work.
    void FormShow();
    // Saves the current record under its file name, asking for one when there is none.
    void btnSpeichernClick();
    // Default extension and filter of the shared save dialog: the edition's project files, or
    // comparison files when the project is a comparison and ignoreWES is false.
    void SetSaveDlgExtension(bool ignoreWES);
    QFileDialog& DlgSave() { return *FDlgSave; }
    TFRSprache& Sprache() { return *FSprache; }
    // Asks to save, lets the user choose a comparison file and loads it. False when the dialog
    // was cancelled or the file could not be loaded.
    bool WESDateiLaden();
    // Loads a project, comparison or old binary project file. The current records stay when
    // the file does not exist or cannot be read.
    bool LadeDatei(const QString& sDatei);

    void lblNewClick();
    void btnLadenClick();
    void BeinzelClick();
    void BassiClick();
    void sbWERClick();
    void sbWESClick();
    void BeditorClick();
    void BObjektdatenClick();
    void BInfoClick();
    void ButtonSprache_AGSClick();
    void AHilfeExecute();
    void BEndeClick();
    void bEditSystemdataClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWidgets();
    void ConnectButtons();
    void SetUpEdition();
    void SetProjectKind(const QString& kind);
    void UpdateCaption();
    // Unless the project is saved, asks whether to save it (Yes saves). False when the user
    // chose to save and the project is still not saved, or chose Cancel where offered.
    bool AskToSave(bool offerCancel);
    bool SaveCurrentRecord(const QString& fileName);
    void RunWindowAssistant(TFassadenSatz neu);
    void TakeFinishedAssistant(TFassadenSatz& neu, const QString& kind);
    // Asks to save, lets the user choose a file with the filter and loads it with the psi tables
    // of its kind. False when cancelled or when the file cannot be loaded.
    bool OpenChosenFile(const QString& filter);

    std::unique_ptr<TMainWindowWidgets> FWidgets;
    std::unique_ptr<QFileDialog> FDlgSave;
    std::unique_ptr<TFRSprache> FSprache;
    TMainWindowDialogs FDialogs;
    TWESDatensatz FWESDatei;
    QString FProjectKind;
    bool FProjectSaved = true;
    bool FFirstShow = true;
    bool FCloseConfirmed = false;
};

} // namespace vitrano
