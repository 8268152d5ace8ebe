#include "files/XmlFile.h"

#include <QFile>
#include <QSaveFile>

namespace vitrano {

QString XmlFileHeader() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" ?>");
}

TXmlPropertySerializer FileSerializer(const TXmlFileOptions& options) {
    TXmlPropertySerializer serializer;
    if (options.WithHeader) {
        serializer.DefaultXMLHeader = XmlFileHeader();
    }
    serializer.IgnoreUnknownTags = true;
    serializer.EscapeMarkup = true;
    serializer.NumberFormat = options.NumberFormat;
    return serializer;
}

TFileResult ReadWholeFile(const QString& fileName, QByteArray& data) {
    QFile file(fileName);
    if (!file.exists()) {
        return TFileResult::Failure(QStringLiteral("file not found"));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return TFileResult::Failure(file.errorString());
    }
    data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return TFileResult::Failure(file.errorString());
    }
    return TFileResult::Success();
}

TFileResult WriteWholeFile(const QString& fileName, const QByteArray& data) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return TFileResult::Failure(file.errorString());
    }
    if (file.write(data) != data.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return TFileResult::Failure(error);
    }
    if (!file.commit()) {
        return TFileResult::Failure(file.errorString());
    }
    return TFileResult::Success();
}

} // namespace vitrano
