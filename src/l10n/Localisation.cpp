#include "l10n/Localisation.h"

#include "core/IniFile.h"
#include "l10n/FRStringResource.h"
#include "l10n/Language.h"
#include "l10n/LanguageList.h"

namespace vitrano {

void StartLocalisation() {
    Translator().SpracheAusIniLaden();
    FRStringResource().Uebersetzen(Translator());
    LanguageFolderAusIni(TIniFile::Load(SprachIniPfad()));
}

void ResetLocalisation() {
    Translator() = Tlanguage();
    FRStringResource().Uebersetzen(Translator());
}

} // namespace vitrano
