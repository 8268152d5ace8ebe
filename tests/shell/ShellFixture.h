#pragma once

// A main window in a program folder of its own: the shipped German tables, every message and
// modal dialog answered from a script, addresses recorded instead of opened.

#include "core/GlobalSettings.h"
#include "l10n/Localisation.h"
#include "ui/common/ExternalLinks.h"
#include "ui/common/ScriptedDialogResponder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <vector>

namespace vitrano::test {

inline void CopyShippedTables(const QString& programFolder) {
    const QDir source(QStringLiteral(VITRANO_DATA_DIR "/de"));
    QDir().mkpath(programFolder + QStringLiteral("de"));
    for (const QString& name : source.entryList(QDir::Files)) {
        QFile::copy(source.filePath(name), programFolder + QStringLiteral("de/") + name);
    }
}

class ShellTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFolder.isValid());
        ResetGlobalSettings();
        ResetLocalisation();
        GlobalSettings().ProgramFolder = Folder();
        InitialiseStartupSettings(GlobalSettings());
        CopyShippedTables(Folder());
        FPreviousOpener = SetUrlOpener([this](const QUrl& url) {
            OpenedUrls.push_back(url);
            return true;
        });
    }

    void TearDown() override {
        SetUrlOpener(std::move(FPreviousOpener));
        ResetGlobalSettings();
        ResetLocalisation();
    }

    QString Folder() const { return FFolder.path() + QLatin1Char('/'); }
    QString PathOf(const QString& name) const { return Folder() + name; }

    // The next modal dialog is a file dialog; it is answered with this file.
    void ChooseFile(const QString& path) {
        Responder.QueueModalAnswer(TModalResult::OK, [path](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            files.selectFile(path);
        });
    }

    TScriptedDialogResponder Responder;
    TScopedDialogResponder ScopedResponder{Responder};
    std::vector<QUrl> OpenedUrls;

private:
    QTemporaryDir FFolder;
    TUrlOpener FPreviousOpener;
};

} // namespace vitrano::test
