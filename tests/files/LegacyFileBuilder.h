#pragma once

#include "core/TextDecoding.h"
#include "files/LegacyImport.h"

#include <QByteArray>
#include <QString>
#include <cstring>

namespace vitrano::test {

// Builds an old binary project file field by field, at the offsets of the
// old record layout (record offsets; the version real comes first).
class LegacyFile {
public:
    explicit LegacyFile(double version = 4.6)
        : FData(legacy::FileSize, '\0') {
        PutReal(-legacy::VersionSize, version);
    }

    void PutInt(qsizetype offset, int value) {
        for (int i = 0; i < 4; ++i) {
            Byte(offset + i) = static_cast<char>((static_cast<unsigned>(value) >> (8 * i)) & 0xFF);
        }
    }
    void PutReal(qsizetype offset, double value) {
        unsigned long long bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            Byte(offset + i) = static_cast<char>((bits >> (8 * i)) & 0xFF);
        }
    }
    void PutByte(qsizetype offset, unsigned char value) { Byte(offset) = static_cast<char>(value); }
    void PutString(qsizetype offset, const QString& text, int capacity) {
        const QByteArray bytes = EncodeWindows1252(text).left(capacity);
        PutByte(offset, static_cast<unsigned char>(bytes.size()));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            Byte(offset + 1 + i) = bytes[i];
        }
    }
    static qsizetype Element(int zeile, int spalte) {
        return legacy::ElementsOffset + zeile * legacy::RowSize + spalte * legacy::ElementSize;
    }
    void Grid(int spalten, int zeilen) {
        PutInt(20, spalten);
        PutInt(24, zeilen);
    }

    const QByteArray& Data() const { return FData; }
    QByteArray& Data() { return FData; }

private:
    QByteArray FData;
    char& Byte(qsizetype recordOffset) { return FData[legacy::VersionSize + recordOffset]; }
};

} // namespace vitrano::test
