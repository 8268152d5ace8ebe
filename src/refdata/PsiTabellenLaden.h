#pragma once

#include "refdata/PsiListen.h"
#include "refdata/Satzdaten.h"

#include <QString>

namespace vitrano {

// File name of a table; frames, spacers and edge ranges have a facade variant.
QString PsiTabellenDatei(TPsiTabelle tabelle, bool fassade);

// The folder of the current language's tables: ProgramFolder + LanguageFolder.
QString PsiTabellenOrdner();

// Loads the eight tables of the folder in their fixed order into the tables and announces
// every refilled list, then the end of loading. A missing file is reported to the user as
// its full path + " not found!", its table and list stay, and loading goes on. A row that
// cannot be read ends the loading silently: what was read so far stays, the remaining tables
// keep their contents. True when all eight tables were read in full.
bool PsiTabellenLaden(t_satzdaten& tabellen, TPsiListen& listen, bool Fassade,
                      const QString& ordner);

// The same for the process-wide tables and lists.
bool PsiTabellenLaden(bool Fassade, const QString& ordner = PsiTabellenOrdner());

} // namespace vitrano
