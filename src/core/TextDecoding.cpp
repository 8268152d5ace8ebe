#include "core/TextDecoding.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
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

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView Utf16LeBom("\xFF\xFE");
constexpr QByteArrayView Utf16BeBom("\xFE\xFF");

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

TTextEncoding DetectTextEncoding(const QByteArray& bytes, TNoBomFallback fallback) {
    if (bytes.startsWith(Utf8Bom)) {
        return TTextEncoding::Utf8WithBom;
    }
    if (bytes.startsWith(Utf16LeBom)) {
        return TTextEncoding::Utf16LeWithBom;
    }
    if (bytes.startsWith(Utf16BeBom)) {
        return TTextEncoding::Utf16BeWithBom;
    }
    if (fallback == TNoBomFallback::Utf8OrWindows1252) {
        bool invalid = false;
        DecodeWithoutBom(bytes, QStringConverter::Utf8, &invalid);
        if (!invalid) {
            return TTextEncoding::Utf8;
        }
    }
    return TTextEncoding::Windows1252;
}

QString DecodeText(const QByteArray& bytes, TNoBomFallback fallback) {
    const QByteArrayView view(bytes);
    switch (DetectTextEncoding(bytes, fallback)) {
    case TTextEncoding::Utf8WithBom:
        return DecodeWithoutBom(view.sliced(Utf8Bom.size()), QStringConverter::Utf8);
    case TTextEncoding::Utf16LeWithBom:
        return DecodeWithoutBom(view.sliced(Utf16LeBom.size()), QStringConverter::Utf16LE);
    case TTextEncoding::Utf16BeWithBom:
        return DecodeWithoutBom(view.sliced(Utf16BeBom.size()), QStringConverter::Utf16BE);
    case TTextEncoding::Utf8:
        return DecodeWithoutBom(view, QStringConverter::Utf8);
    case TTextEncoding::Windows1252:
        break;
    }
    return DecodeWindows1252(bytes);
}

QByteArray EncodeText(const QString& text, TTextEncoding encoding) {
    const auto withBom = [&text](QStringConverter::Encoding target) {
        QStringEncoder encoder(target, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    switch (encoding) {
    case TTextEncoding::Utf8:
        return text.toUtf8();
    case TTextEncoding::Utf8WithBom:
        return withBom(QStringConverter::Utf8);
    case TTextEncoding::Utf16LeWithBom:
        return withBom(QStringConverter::Utf16LE);
    case TTextEncoding::Utf16BeWithBom:
        return withBom(QStringConverter::Utf16BE);
    case TTextEncoding::Windows1252:
        break;
    }
    return EncodeWindows1252(text);
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
