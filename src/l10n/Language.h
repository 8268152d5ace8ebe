#pragma once

#include "l10n/Dictionary.h"
#include "l10n/LanguageList.h"

#include <QString>

namespace vitrano {

// The translator of the user interface. The interface is designed in German; a language file
// of "German||translation" lines gives the texts of another language, "english.txt" in the
// program folder those a language file lacks.
class Tlanguage {
public:
    Tlanguage() = default;

    // Reads "sprache.ini" in the program folder: the entry "active" of section "Language" names
    // the language code (81 when missing), the entry of that code the language file.
    void SpracheAusIniLaden();
    // Makes the file the active language file and loads it. A missing file and the file of
    // German ("deutsch.txt" or a file without a name) switch translation off.
    void SetSprachDatei(const QString& value);

    // The translation of a German text: without "&" and surrounding blanks, from the language
    // file, else from "english.txt", else the cleaned German text itself.
    QString Uebersetze(const QString& sDeutsch);

    // Splits a language-file line at the first "||". False, with both parts empty, for a line
    // without "||".
    static bool SprachzeileZerlegen(const QString& line, QString& deutsch, QString& uebersetzung);
    // Adds every line of a language file to the dictionary; false when it cannot be read.
    static bool SprachdateiLesen(const QString& path, TDictionary& dictionary);
    // The language name of a language file: its lower-case base name, "deutsch" when empty.
    static QString SprachName(const QString& path);

    bool Uebersetzen() const { return bUebersetzen; }
    int SprachCode() const { return FSprachCode; }
    const QString& SprachDatei() const { return fSprachDatei; }
    const TDictionary& Dictionary() const { return FDictionary; }
    const TDictionary& DefaultDictionary() const { return FDefaultDictionary; }

    // The export for translators: the active dictionary and every text that lacked a
    // translation.
    bool SaveDictionary(const QString& fileName) const {
        return FDictionary.SaveDictionary(fileName);
    }

private:
    TDictionary FDictionary;
    TDictionary FDefaultDictionary;
    QString fSprachDatei;
    bool bUebersetzen = false;
    int FSprachCode = GermanLanguageCode;
};

// The translator of the running program.
Tlanguage& Translator();

} // namespace vitrano
