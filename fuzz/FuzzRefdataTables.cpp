// Feeds arbitrary bytes as the content of each of the eight psi-table files, as the program
// reads them, and runs every lookup on what was read.

#include "refdata/Satzdaten.h"

#include <cstddef>
#include <cstdint>

namespace {

void Nachschlagen(const vitrano::t_satzdaten& tabellen) {
    for (int zeile = 0; zeile <= 2; ++zeile) {
        for (const double wert : {0.0, 1.0, 1.4, 100.0}) {
            tabellen.PsiRahmenGlas(zeile, zeile, wert, wert);
            tabellen.FRsiRahmenGlas(1, zeile, wert, wert);
            tabellen.PsiSprosseInnen(zeile, wert);
            tabellen.PsiSprosseVerdeckt(zeile, wert);
        }
        double minimum = 0.0;
        double maximum = 0.0;
        tabellen.UfBereichRahmenGlas(zeile, minimum, maximum);
        tabellen.UgBereichRahmenGlas(zeile, minimum, maximum);
        tabellen.UgBereichSprosseInnen(zeile, minimum, maximum);
        tabellen.UgBereichSprosseVerdeckt(zeile, minimum, maximum);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray inhalt(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    vitrano::t_satzdaten tabellen;
    // Each table on its own first, then all of them together so that the lookups see rows
    // of every kind.
    for (const vitrano::TPsiTabelle tabelle : vitrano::AllePsiTabellen) {
        vitrano::t_satzdaten einzeln;
        einzeln.TabelleLesen(tabelle, inhalt);
        einzeln.Namen(tabelle);
        Nachschlagen(einzeln);
        tabellen.TabelleLesen(tabelle, inhalt);
    }
    Nachschlagen(tabellen);
    return 0;
}
