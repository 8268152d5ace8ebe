#include "files/LegacyRecord.h"

#include "core/TextDecoding.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace vitrano {

TLegacyRecord::TLegacyRecord(const QByteArray& data, qsizetype offset, qsizetype size)
    : FData(&data)
    , FOffset(offset)
    , FSize(size) {
    if (offset < 0 || size < 0 || offset + size > data.size()) {
        throw ELegacyFormatError("record beyond the end of the file");
    }
}

TLegacyRecord TLegacyRecord::Part(qsizetype offset, qsizetype size) const {
    if (offset < 0 || size < 0 || offset + size > FSize) {
        throw ELegacyFormatError("field beyond the end of its record");
    }
    return TLegacyRecord(*FData, FOffset + offset, size);
}

const char* TLegacyRecord::Bytes(qsizetype offset, qsizetype count) const {
    if (offset < 0 || offset + count > FSize) {
        throw ELegacyFormatError("field beyond the end of its record");
    }
    return FData->constData() + FOffset + offset;
}

int TLegacyRecord::Integer(qsizetype offset) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(Bytes(offset, 4));
    const std::uint32_t value = std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
}

double TLegacyRecord::Real(qsizetype offset) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(Bytes(offset, 8));
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | bytes[i];
    }
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
        throw ELegacyFormatError("a number in the file is damaged");
    }
    return value;
}

bool TLegacyRecord::Boolean(qsizetype offset) const {
    return *Bytes(offset, 1) != 0;
}

QString TLegacyRecord::ShortString(qsizetype offset, int capacity) const {
    const char* bytes = Bytes(offset, capacity + 1);
    const int length = std::min<int>(static_cast<unsigned char>(bytes[0]), capacity);
    return DecodeWindows1252(QByteArray(bytes + 1, length));
}

} // namespace vitrano
