// Feeds arbitrary bytes to the import of old binary project files and
// calculates what was imported.

#include "core/FassadenSatz.h"
#include "core/UserMessages.h"
#include "files/LegacyImport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static vitrano::TScopedMessageReceiver quiet([](const QString&) {});
    const QByteArray data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    vitrano::TFassadenSatz satz;
    if (vitrano::ImportLegacyData(data, satz).Ok()) {
        satz.Rechne();
        satz.GetElementZu(50, 50);
    }
    return 0;
}
