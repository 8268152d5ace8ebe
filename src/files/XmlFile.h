#pragma once

// Reading and writing whole files with the property serializer. Files never
// end half-written: a save goes to a temporary file in the same folder that
// replaces the old file only once it is complete.

#include "core/Published.h"
#include "files/FileResult.h"
#include "files/XmlPropertySerializer.h"

#include <QByteArray>
#include <QString>

namespace vitrano {

// Header line of project and comparison files.
QString XmlFileHeader();

struct TXmlFileOptions {
    bool WithHeader = true; // the catalogue is written without a header
    TNumberFormat NumberFormat = TNumberFormat::Current();
};

// The serializer as every file of the program uses it.
TXmlPropertySerializer FileSerializer(const TXmlFileOptions& options);

TFileResult ReadWholeFile(const QString& fileName, QByteArray& data);
TFileResult WriteWholeFile(const QString& fileName, const QByteArray& data);

template <PublishedClass C>
TFileResult LoadXmlFile(const QString& fileName, C& record, const TXmlFileOptions& options = {}) {
    QByteArray data;
    TFileResult result = ReadWholeFile(fileName, data);
    if (!result.Ok()) {
        return result;
    }
    try {
        TXmlPropertySerializer serializer = FileSerializer(options);
        serializer.DeSerialize(record, data);
    } catch (const XMLSerializerException& error) {
        return TFileResult::Failure(error.Message().simplified());
    } catch (const EConvertError& error) {
        return TFileResult::Failure(error.Message());
    }
    return TFileResult::Success();
}

template <PublishedClass C>
TFileResult SaveXmlFile(const QString& fileName, const C& record,
                        const TXmlFileOptions& options = {}) {
    return WriteWholeFile(fileName, FileSerializer(options).Serialize(record));
}

} // namespace vitrano
