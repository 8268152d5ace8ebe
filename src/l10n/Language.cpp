#include "l10n/Language.h"

#include "core/GlobalSettings.h"
#include "core/TextDecoding.h"
#include "core/TextLines.h"

#include <QFile>
#include <QFileInfo>

namespace vitrano {

namespace {

const QString Separator = QStringLiteral("||");

} // namespace

void Tlanguage::SpracheAusIniLaden() {
    const TIniFile ini = TIniFile::Load(SprachIniPfad());
    FSprachCode = AktiverSprachCode(ini);
    SetSprachDatei(GlobalSettings().ProgramFolder + SprachDateiName(ini, FSprachCode));
}

void Tlanguage::SetSprachDatei(const QString& value) {
    fSprachDatei = value;
    FDictionary.Clear();
    FDefaultDictionary.Clear();
    bUebersetzen = false;
    if (!QFileInfo(value).isFile() || SprachName(value) == u"deutsch") {
        return;
    }
    bUebersetzen = true;
    SprachdateiLesen(value, FDictionary);
    SprachdateiLesen(GlobalSettings().ProgramFolder + QStringLiteral("english.txt"),
                     FDefaultDictionary);
}

QString Tlanguage::Uebersetze(const QString& sDeutsch) {
    try {
        const QString key = TDictionary::WithoutMarks(sDeutsch);
        if (key.isEmpty()) {
            return key;
        }
        QString result = FDictionary.TranslationFor(key);
        if (result.trimmed().isEmpty()) {
            result = FDefaultDictionary.TranslationFor(key);
        }
        return result.trimmed().isEmpty() ? key : result;
    } catch (...) {
        return sDeutsch;
    }
}

bool Tlanguage::SprachzeileZerlegen(const QString& line, QString& deutsch, QString& uebersetzung) {
    const qsizetype separator = line.indexOf(Separator);
    if (separator < 0) {
        deutsch.clear();
        uebersetzung.clear();
        return false;
    }
    deutsch = line.left(separator);
    uebersetzung = line.mid(separator + Separator.size());
    return true;
}

bool Tlanguage::SprachdateiLesen(const QString& path, TDictionary& dictionary) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString text = DecodeText(file.readAll(), TNoBomFallback::Windows1252);
    for (const QString& line : TextLines(text)) {
        QString deutsch;
        QString uebersetzung;
        SprachzeileZerlegen(line, deutsch, uebersetzung);
        dictionary.AddWords(deutsch, uebersetzung);
    }
    return true;
}

QString Tlanguage::SprachName(const QString& path) {
    const QString name = QFileInfo(path).completeBaseName().toLower().trimmed();
    return name.isEmpty() ? QStringLiteral("deutsch") : name;
}

Tlanguage& Translator() {
    static Tlanguage translator;
    return translator;
}

} // namespace vitrano
