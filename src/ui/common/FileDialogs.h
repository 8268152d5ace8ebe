#pragma once

// Open and save dialogs with the program's filters, written as pairs of description and
// pattern separated by "|", e.g. "Quadrel Dateien (*.xucw)|*.xucw|Quadrel WES-Dateien
// (*.xwes)|*.xwes". They are shown through the dialog seam.

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <memory>

namespace vitrano {

// The pairs as Qt name filters; the dialog shows only the descriptions.
QStringList NameFiltersOf(const QString& filter);

// Filter and default extension (without the dot) of a dialog; the first filter is selected.
void SetFileDialogFilter(QFileDialog& dialog, const QString& filter, const QString& defaultSuffix);

std::unique_ptr<QFileDialog> CreateOpenDialog(QWidget* parent, const QString& filter,
                                              const QString& defaultSuffix);
// Asks before an existing file is overwritten.
std::unique_ptr<QFileDialog> CreateSaveDialog(QWidget* parent, const QString& filter,
                                              const QString& defaultSuffix);

// Shows the dialog modally; the chosen file, or an empty text when it was cancelled.
QString RunFileDialog(QFileDialog& dialog);

} // namespace vitrano
