#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace vitrano {

// The information box: program title and version, the text "Info.txt" of the language folder
// and the maker's contact data with a mail and a web link.
class TInfoBox : public QDialog {
    Q_OBJECT

public:
    explicit TInfoBox(QWidget* parent = nullptr);

    // The text area's contents; empty when the language folder has no "Info.txt".
    QString InfoText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadInfoText();

    QLabel* FProgramm = nullptr;
    QLabel* FVersion = nullptr;
    QPlainTextEdit* FInfo = nullptr;
};

} // namespace vitrano
