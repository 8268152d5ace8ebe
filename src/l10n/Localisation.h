#pragma once

namespace vitrano {

// Start-up of the translated interface, before any form exists: the translator reads
// "sprache.ini" in the program folder and loads the active language, the message catalogue is
// translated, and LanguageFolder is set from the active language.
void StartLocalisation();

// Back to the untranslated German interface (for tests).
void ResetLocalisation();

} // namespace vitrano
