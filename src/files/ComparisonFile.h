#pragma once

// Comparison files (".xwes"): two windows and the heating-period values.

#include "core/WESDatensatz.h"
#include "files/FileResult.h"
#include "files/XmlFile.h"

namespace vitrano {

TFileResult LoadComparisonFile(const QString& fileName, TWESDatensatz& satz,
                               const TXmlFileOptions& options = {});
TFileResult SaveComparisonFile(const QString& fileName, const TWESDatensatz& satz,
                               const TXmlFileOptions& options = {});

// As the dialogs use them: errors are swallowed.
void DateiLaden(const QString& fileName, TWESDatensatz& satz);
void DateiSpeichern(const QString& fileName, const TWESDatensatz& satz);

} // namespace vitrano
