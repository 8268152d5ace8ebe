#include "l10n/LanguageList.h"

#include "core/GlobalSettings.h"

namespace vitrano {

namespace {

const QString LanguageSection = QStringLiteral("Language");
const QString TxtExtension = QStringLiteral(".txt");

} // namespace

QString SprachIniPfad() {
    return GlobalSettings().ProgramFolder + QStringLiteral("sprache.ini");
}

std::vector<TSprachEintrag> SprachenLesen(const TIniFile& ini) {
    std::vector<TSprachEintrag> sprachen;
    for (const QString& key : ini.ReadSection(LanguageSection)) {
        const QString value = ini.ReadString(LanguageSection, key).toLower();
        bool isNumber = false;
        const int code = key.toInt(&isNumber);
        if (!value.contains(TxtExtension) || !isNumber) {
            continue;
        }
        sprachen.push_back({code, QString(value).remove(TxtExtension)});
    }
    return sprachen;
}

int AktiverSprachCode(const TIniFile& ini) {
    bool isNumber = false;
    const int code = ini.ReadString(LanguageSection, QStringLiteral("active")).toInt(&isNumber);
    return isNumber ? code : GermanLanguageCode;
}

QString SprachDateiName(const TIniFile& ini, int code) {
    return ini.ReadString(LanguageSection, QString::number(code));
}

QString LanguageFolderFor(const QString& languageName) {
    const QString name = languageName.toLower();
    if (name == u"deutsch") {
        return QStringLiteral("de/");
    }
    if (name == u"french" || name == u"francais") {
        return QStringLiteral("fr/");
    }
    if (name == u"polish") {
        return QStringLiteral("pl/");
    }
    if (name == u"cestina") {
        return QStringLiteral("cz/");
    }
    if (name == u"cestina_morvena") {
        return QStringLiteral("cz_morvena/");
    }
    if (name.contains(u"international")) {
        return QStringLiteral("int/");
    }
    return QStringLiteral("en/");
}

bool LanguageFolderAusIni(const TIniFile& ini) {
    const int active = AktiverSprachCode(ini);
    for (const TSprachEintrag& sprache : SprachenLesen(ini)) {
        if (sprache.Code == active) {
            GlobalSettings().LanguageFolder = LanguageFolderFor(sprache.Name);
            return true;
        }
    }
    return false;
}

} // namespace vitrano
