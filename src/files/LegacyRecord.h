#pragma once

// Read access to the binary project record of program versions 3.10 to 4.60:
// little-endian, packed, strings as a length byte followed by the characters
// in the Windows-1252 code page. Every read is checked against the record's
// bounds; a value that is not a finite number is refused as damage.

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace vitrano {

class ELegacyFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLegacyRecord {
public:
    // A view of `size` bytes starting at `offset` of data (data must outlive it).
    TLegacyRecord(const QByteArray& data, qsizetype offset, qsizetype size);

    TLegacyRecord Part(qsizetype offset, qsizetype size) const;

    int Integer(qsizetype offset) const;
    double Real(qsizetype offset) const;
    bool Boolean(qsizetype offset) const;
    // string[capacity]: capacity + 1 bytes, the first holding the length.
    QString ShortString(qsizetype offset, int capacity) const;

private:
    const QByteArray* FData;
    qsizetype FOffset;
    qsizetype FSize;

    const char* Bytes(qsizetype offset, qsizetype count) const;
};

} // namespace vitrano
