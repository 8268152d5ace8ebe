#include "files/CatalogueFile.h"

#include "core/GlobalSettings.h"

namespace vitrano {

QString CatalogueFileName() {
    return GlobalSettings().ProgramFolder + QStringLiteral("windowsystemdata.xml");
}

TFileResult LoadCatalogueFile(const QString& fileName, TWERSystem& satz,
                              TNumberFormat numberFormat) {
    const TFileResult result = LoadXmlFile(fileName, satz, {false, numberFormat});
    satz.FFileName = fileName;
    return result;
}

TFileResult SaveCatalogueFile(const QString& fileName, TWERSystem& satz,
                              TNumberFormat numberFormat) {
    const TFileResult result = SaveXmlFile(fileName, satz, {false, numberFormat});
    satz.FFileName = fileName;
    return result;
}

void DateiLaden(const QString& fileName, TWERSystem& satz) {
    LoadCatalogueFile(fileName, satz);
}

void DateiSpeichern(const QString& fileName, TWERSystem& satz) {
    SaveCatalogueFile(fileName, satz);
}

} // namespace vitrano
