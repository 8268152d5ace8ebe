#pragma once

// Opens any file the program reads, chosen by its extension as the main
// window does.

#include "core/FassadenSatz.h"
#include "core/WESDatensatz.h"
#include "files/FileKind.h"
#include "files/FileResult.h"

namespace vitrano::cli {

struct TOpenedFile {
    TFileKind Kind = TFileKind::Project;
    TFassadenSatz Project;
    TWESDatensatz Comparison;
};

// Reads the file into `opened`. A file that cannot be read completely is
// refused: the error names the reason (messages meant for the user included).
TFileResult OpenFile(const QString& fileName, TOpenedFile& opened);

} // namespace vitrano::cli
