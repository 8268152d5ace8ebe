#pragma once

#include "core/Published.h"

#include <QString>

namespace vitrano {

// Project description printed on reports.
class TObjektdaten {
public:
    static constexpr std::string_view ClassName = "TObjektdaten";

    QString Firma;
    QString Nutzer;
    QString Objekt;
    QString Fassadenabschnitt;
    QString Stockwerk;
    QString Positionsnr;
    QString Weiteres1;
    QString Weiteres2;
    QString Weiteres3;

    void Assign(const TObjektdaten& source) { *this = source; }

    bool operator==(const TObjektdaten&) const = default;

    // Fills the nine strings from section "Objektdaten" of "Objektdaten.ini" in
    // the given folder (by default the program folder). A missing file,
    // section or key gives an empty string.
    static void ObjektdatenAusIniVorbelegen(TObjektdaten& objektdaten);
    static void ObjektdatenAusIniVorbelegen(TObjektdaten& objektdaten,
                                            const QString& programFolder);

    static constexpr auto Published() {
        using O = TObjektdaten;
        return std::make_tuple(
            Publish("Firma", &O::Firma), Publish("Nutzer", &O::Nutzer),
            Publish("Objekt", &O::Objekt), Publish("Fassadenabschnitt", &O::Fassadenabschnitt),
            Publish("Stockwerk", &O::Stockwerk), Publish("Positionsnr", &O::Positionsnr),
            Publish("Weiteres1", &O::Weiteres1), Publish("Weiteres2", &O::Weiteres2),
            Publish("Weiteres3", &O::Weiteres3));
    }
};

} // namespace vitrano
