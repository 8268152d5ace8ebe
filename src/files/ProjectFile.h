#pragma once

// Project files: one window or facade as XML.

#include "core/FassadenSatz.h"
#include "files/FileResult.h"
#include "files/XmlFile.h"

namespace vitrano {

// Reads into a freshly constructed record (items are appended). Errors are
// reported in the result; values read before an error stay.
TFileResult LoadProjectFile(const QString& fileName, TFassadenSatz& satz,
                            const TXmlFileOptions& options = {});
TFileResult SaveProjectFile(const QString& fileName, const TFassadenSatz& satz,
                            const TXmlFileOptions& options = {});

// The record's file operations as the program's dialogs use them: errors are
// swallowed, the record keeps what was read.
void DateiLaden(const QString& fileName, TFassadenSatz& satz);
void DateiSpeichern(const QString& fileName, const TFassadenSatz& satz);

} // namespace vitrano
