#include "core/TextDecoding.h"

#include <QList>
#include <QStringDecoder>
#include <array>

namespace vitrano {

namespace {

// Code points of the bytes 0x80..0x9F; from 0xA0 on the code page equals Latin-1.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr unsigned char FirstHighControl = 0x80;
constexpr unsigned char FirstLatin1 = 0xA0;
constexpr char Unmappable = '?';

char16_t Windows1252ToUnicode(unsigned char byte) {
    if (byte >= FirstHighControl && byte < FirstLatin1) {
        return HighControlRange[byte - FirstHighControl];
    }
    return byte;
}

char UnicodeToWindows1252(char32_t codePoint) {
    if (codePoint < FirstHighControl || (codePoint >= FirstLatin1 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == codePoint) {
            return static_cast<char>(FirstHighControl + i);
        }
    }
    return Unmappable;
}

bool StartsWith(const QByteArray& bytes, std::initializer_list<unsigned char> prefix) {
    if (bytes.size() < static_cast<qsizetype>(prefix.size())) {
        return false;
    }
    qsizetype i = 0;
    for (unsigned char expected : prefix) {
        if (static_cast<unsigned char>(bytes[i++]) != expected) {
            return false;
        }
    }
    return true;
}

// The caller has removed the byte-order mark already; a second one belongs to the text.
QString DecodeWithoutBom(QByteArrayView bytes, QStringConverter::Encoding encoding,
                         bool* hasError = nullptr) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless |
                                         QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (hasError != nullptr) {
        *hasError = decoder.hasError();
    }
    return text;
}

} // namespace

QString DecodeText(const QByteArray& bytes, TNoBomFallback fallback) {
    if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        return DecodeWithoutBom(QByteArrayView(bytes).sliced(3), QStringConverter::Utf8);
    }
    if (StartsWith(bytes, {0xFF, 0xFE})) {
        return DecodeWithoutBom(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16LE);
    }
    if (StartsWith(bytes, {0xFE, 0xFF})) {
        return DecodeWithoutBom(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16BE);
    }
    if (fallback == TNoBomFallback::Utf8OrWindows1252) {
        bool invalid = false;
        QString text = DecodeWithoutBom(bytes, QStringConverter::Utf8, &invalid);
        if (!invalid) {
            return text;
        }
    }
    return DecodeWindows1252(bytes);
}

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        text.append(QChar(Windows1252ToUnicode(static_cast<unsigned char>(byte))));
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    // Going by code points makes a character outside the BMP one '?', not two.
    for (char32_t codePoint : text.toUcs4()) {
        bytes.append(UnicodeToWindows1252(codePoint));
    }
    return bytes;
}

} // namespace vitrano
