#include "ui/common/FileDialogs.h"

#include "ui/common/DialogSeam.h"

namespace vitrano {

QStringList NameFiltersOf(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt takes the patterns from the last parentheses; the description may have its own.
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        nameFilters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return nameFilters;
}

void SetFileDialogFilter(QFileDialog& dialog, const QString& filter, const QString& defaultSuffix) {
    const QStringList nameFilters = NameFiltersOf(filter);
    dialog.setNameFilters(nameFilters);
    if (!nameFilters.isEmpty()) {
        dialog.selectNameFilter(nameFilters.first());
    }
    dialog.setDefaultSuffix(defaultSuffix);
}

namespace {

std::unique_ptr<QFileDialog> CreateFileDialog(QWidget* parent, const QString& filter,
                                              const QString& defaultSuffix,
                                              QFileDialog::AcceptMode mode) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setObjectName(mode == QFileDialog::AcceptSave ? QStringLiteral("dlgsave")
                                                          : QStringLiteral("dlgopen"));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    SetFileDialogFilter(*dialog, filter, defaultSuffix);
    return dialog;
}

} // namespace

std::unique_ptr<QFileDialog> CreateOpenDialog(QWidget* parent, const QString& filter,
                                              const QString& defaultSuffix) {
    return CreateFileDialog(parent, filter, defaultSuffix, QFileDialog::AcceptOpen);
}

std::unique_ptr<QFileDialog> CreateSaveDialog(QWidget* parent, const QString& filter,
                                              const QString& defaultSuffix) {
    return CreateFileDialog(parent, filter, defaultSuffix, QFileDialog::AcceptSave);
}

QString RunFileDialog(QFileDialog& dialog) {
    if (TDialogSeam::ExecModal(dialog) != TModalResult::OK) {
        return {};
    }
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace vitrano
