#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QComboBox;
class QPushButton;

namespace vitrano {

class TTitlePanel;

// The language dialog: lists the languages of "sprache.ini" with their flags, stores the
// choice as the active language and offers to restart the program, which is when the new
// language takes effect. A click on the panel's title bar exports the active dictionary for
// translators.
class TFRSprache : public QDialog {
    Q_OBJECT

public:
    explicit TFRSprache(QWidget* parent = nullptr);

    // Starts the program again and ends this run. Replaceable, so that tests start nothing.
    static std::function<void()>& RestartProgram();

    // Fills the list from "sprache.ini", selects the active language and sets the language
    // folder from it. An active language that is not in the list leaves no selection and the
    // folder as it was.
    void SprachenLaden();
    // The list index of the active language; -1 when it is not in the list.
    int GetSprachIndex() const { return FSprachIndex; }
    // Writes the selected language as the active one; false when nothing was written.
    bool SpracheSpeichern();

    void bOKClick();
    void bAbortClick();
    // Saves the active dictionary with the texts that lacked a translation to a chosen file.
    void TitlePanelTitleClick();

    QComboBox* SprachBox() const { return FSprachBox; }
    TTitlePanel* TitlePanel() const { return FTitlePanel; }

    void reject() override;

private:
    void BuildWidgets();
    void AskForRestart();

    TTitlePanel* FTitlePanel = nullptr;
    QComboBox* FSprachBox = nullptr;
    QPushButton* FAbort = nullptr;
    QPushButton* FOK = nullptr;
    std::vector<int> FSprachliste; // language codes, parallel to the list entries
    int FSprachIndex = -1;
};

} // namespace vitrano
