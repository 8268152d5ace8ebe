#include "files/ProjectFile.h"

namespace vitrano {

TFileResult LoadProjectFile(const QString& fileName, TFassadenSatz& satz,
                            const TXmlFileOptions& options) {
    return LoadXmlFile(fileName, satz, options);
}

TFileResult SaveProjectFile(const QString& fileName, const TFassadenSatz& satz,
                            const TXmlFileOptions& options) {
    return SaveXmlFile(fileName, satz, options);
}

void DateiLaden(const QString& fileName, TFassadenSatz& satz) {
    LoadProjectFile(fileName, satz);
}

void DateiSpeichern(const QString& fileName, const TFassadenSatz& satz) {
    SaveProjectFile(fileName, satz);
}

} // namespace vitrano
