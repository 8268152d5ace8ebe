#pragma once

#include "core/IniFile.h"

#include <QString>
#include <vector>

namespace vitrano {

// The code of German, the language the interface is designed in.
inline constexpr int GermanLanguageCode = 81;

// A language installed in "sprache.ini": its code (also the number of its flag picture) and
// the name shown, the language file's name in lower case without ".txt".
struct TSprachEintrag {
    int Code = 0;
    QString Name;
};

// ProgramFolder + "sprache.ini".
QString SprachIniPfad();

// The entries of section "Language" whose value names a ".txt" file, in file order. Entries
// whose key is not a whole number are left out.
std::vector<TSprachEintrag> SprachenLesen(const TIniFile& ini);
// The entry "active" of section "Language"; 81 (German) when it is missing or not a number.
int AktiverSprachCode(const TIniFile& ini);
// The file name stored under the language code; empty when there is none.
QString SprachDateiName(const TIniFile& ini, int code);

// The data folder of a language, relative to the program folder, from the name shown in the
// language list: "de/", "fr/", "pl/", "cz/", "cz_morvena/", "int/" or "en/".
QString LanguageFolderFor(const QString& languageName);
// Sets GlobalSettings().LanguageFolder from the active language. When the active code is not
// in the list the folder stays as it is and the result is false.
bool LanguageFolderAusIni(const TIniFile& ini);

} // namespace vitrano
