#pragma once

// The window-system catalogue ("windowsystemdata.xml" in the program folder).
// Written without a header line; the file name read or written is kept in
// the catalogue.

#include "core/WERSystem.h"
#include "files/FileResult.h"
#include "files/XmlFile.h"

namespace vitrano {

QString CatalogueFileName(); // in the program folder

TFileResult LoadCatalogueFile(const QString& fileName, TWERSystem& satz,
                              TNumberFormat numberFormat = TNumberFormat::Current());
TFileResult SaveCatalogueFile(const QString& fileName, TWERSystem& satz,
                              TNumberFormat numberFormat = TNumberFormat::Current());

// As the dialogs use them: errors are swallowed.
void DateiLaden(const QString& fileName, TWERSystem& satz);
void DateiSpeichern(const QString& fileName, TWERSystem& satz);

} // namespace vitrano
