#include "files/ComparisonFile.h"

namespace vitrano {

TFileResult LoadComparisonFile(const QString& fileName, TWESDatensatz& satz,
                               const TXmlFileOptions& options) {
    return LoadXmlFile(fileName, satz, options);
}

TFileResult SaveComparisonFile(const QString& fileName, const TWESDatensatz& satz,
                               const TXmlFileOptions& options) {
    return SaveXmlFile(fileName, satz, options);
}

void DateiLaden(const QString& fileName, TWESDatensatz& satz) {
    LoadComparisonFile(fileName, satz);
}

void DateiSpeichern(const QString& fileName, const TWESDatensatz& satz) {
    SaveComparisonFile(fileName, satz);
}

} // namespace vitrano
