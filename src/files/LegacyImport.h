#pragma once

// Import of binary project files of program versions 3.10 to 4.60 (".ucw",
// ".zelvik"). They are read, never written.

#include "core/FassadenSatz.h"
#include "files/FileResult.h"
#include "files/LegacyRecord.h"

namespace vitrano {

namespace legacy {
constexpr qsizetype VersionSize = 8;
constexpr qsizetype SatzSize = 170170;
constexpr qsizetype FileSize = VersionSize + SatzSize;
constexpr qsizetype ElementSize = 1172;
constexpr qsizetype RowSize = 12 * ElementSize;
constexpr qsizetype ElementsOffset = 307;
constexpr qsizetype RahmenSize = 448;
constexpr qsizetype GlaseSize = 75;
constexpr int MaxGridIndex = 11;
constexpr double OldestVersion = 3.1;
} // namespace legacy

// Fill a frame, an infill or a whole record from their old binary records.
void AssignOldSatz(TRahmen& rahmen, const TLegacyRecord& oldRahmen);
void AssignOldSatz(TGlas& glas, const TLegacyRecord& oldGlase);
void AssignOldSatz(TFassadenSatz& satz, const TLegacyRecord& oldSatz);

// The message shown for files of versions before 3.10.
QString LegacyVersionMessage();

// Imports an old file into a freshly constructed record. Files of versions
// before 3.10 show the version message and import nothing. Damaged files
// (too short, a grid outside 1 to 11 rows or columns, numbers that are not
// finite) are refused whole: the record stays untouched.
TFileResult ImportLegacyFile(const QString& fileName, TFassadenSatz& satz);
TFileResult ImportLegacyData(const QByteArray& data, TFassadenSatz& satz);

} // namespace vitrano
