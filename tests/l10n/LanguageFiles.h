#pragma once

#include "core/GlobalSettings.h"
#include "l10n/Localisation.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vitrano {

// A program folder of its own with language files written by the test; the global settings and
// the translator of the program are put back afterwards.
class LanguageFolderTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFolder.isValid());
        GlobalSettings().ProgramFolder = FFolder.path() + u'/';
    }
    void TearDown() override {
        ResetGlobalSettings();
        ResetLocalisation();
    }

    QString PathOf(const QString& name) const { return FFolder.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // UTF-8 with byte-order mark, as the language files are shipped.
    void WriteUtf8(const QString& name, const QString& text) const {
        Write(name, QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8());
    }

    QByteArray Read(const QString& name) const {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir FFolder;
};

} // namespace vitrano
