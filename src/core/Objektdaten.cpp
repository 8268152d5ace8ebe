#include "core/Objektdaten.h"

#include "core/GlobalSettings.h"
#include "core/IniFile.h"

namespace vitrano {

void TObjektdaten::ObjektdatenAusIniVorbelegen(TObjektdaten& objektdaten) {
    ObjektdatenAusIniVorbelegen(objektdaten, GlobalSettings().ProgramFolder);
}

void TObjektdaten::ObjektdatenAusIniVorbelegen(TObjektdaten& objektdaten,
                                               const QString& programFolder) {
    const TIniFile ini = TIniFile::Load(programFolder + QStringLiteral("Objektdaten.ini"));
    const auto read = [&ini](const char* key) {
        return ini.ReadString(QStringLiteral("Objektdaten"), QString::fromLatin1(key));
    };
    objektdaten.Firma = read("fa");
    objektdaten.Nutzer = read("nutzer");
    objektdaten.Objekt = read("bv");
    objektdaten.Fassadenabschnitt = read("fassadenabschnitt");
    objektdaten.Stockwerk = read("stockwerk");
    objektdaten.Positionsnr = read("positionsnr");
    objektdaten.Weiteres1 = read("weiteres1");
    objektdaten.Weiteres2 = read("weiteres2");
    objektdaten.Weiteres3 = read("weiteres3");
}

} // namespace vitrano
