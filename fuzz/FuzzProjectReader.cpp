// Feeds arbitrary bytes to the XML reader of project, comparison and
// catalogue files, as the program reads them, and calculates the result.

#include "core/FassadenSatz.h"
#include "core/WERSystem.h"
#include "core/WESDatensatz.h"
#include "files/XmlFile.h"

#include <cstddef>
#include <cstdint>

namespace {

template <class C>
void Read(const QByteArray& data, C& record) {
    vitrano::TXmlPropertySerializer serializer =
        vitrano::FileSerializer({true, vitrano::TNumberFormat::Comma()});
    try {
        serializer.DeSerialize(record, data);
    } catch (const vitrano::XMLSerializerException&) {
    } catch (const vitrano::EConvertError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    {
        vitrano::TFassadenSatz satz;
        Read(data, satz);
        satz.Rechne();
        satz.GetElementZu(10, 10);
        vitrano::TFassadenSatz copy(satz);
        copy.Rechne();
    }
    {
        vitrano::TWESDatensatz vergleich;
        Read(data, vergleich);
        vergleich.Fenster1.Rechne();
        vergleich.Rechne();
    }
    {
        vitrano::TWERSystem katalog;
        Read(data, katalog);
    }
    return 0;
}
