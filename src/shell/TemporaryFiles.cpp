#include "shell/TemporaryFiles.h"

#include <QDir>
#include <QFile>

namespace vitrano {

void DeleteTemporaryFiles(const QString& programFolder) {
    const QDir folder(programFolder);
    for (const QString& name : folder.entryList({QStringLiteral("*.~tmp")}, QDir::Files)) {
        QFile::remove(folder.filePath(name));
    }
}

void DeleteFilesOnClose(const QString& programFolder) {
    DeleteTemporaryFiles(programFolder);
    QFile::remove(QDir(programFolder).filePath(QStringLiteral("deutsch.txt")));
}

void DeleteTemporaryFacadePicture(const QString& programFolder) {
    QFile::remove(QDir(programFolder).filePath(QStringLiteral("tmpfassade.bmp")));
}

} // namespace vitrano
