#pragma once

#include <QByteArray>
#include <QString>

namespace vitrano {

// What to assume when a text file carries no byte-order mark.
enum class TNoBomFallback { Windows1252, Utf8OrWindows1252 };

// Decodes file bytes. A UTF-8 (EF BB BF), UTF-16 LE (FF FE) or UTF-16 BE (FE FF) byte-order mark
// decides the encoding and is dropped. Without one, Windows1252 decodes as the Windows-1252 code
// page; Utf8OrWindows1252 decodes as UTF-8 when the bytes are valid UTF-8 and as Windows-1252
// otherwise.
QString DecodeText(const QByteArray& bytes, TNoBomFallback fallback);

// The encoding DecodeText reads the bytes in: a byte-order mark decides, else the fallback
// (Utf8OrWindows1252 gives Utf8 for valid UTF-8, Windows1252 otherwise).
enum class TTextEncoding { Utf8, Utf8WithBom, Utf16LeWithBom, Utf16BeWithBom, Windows1252 };
TTextEncoding DetectTextEncoding(const QByteArray& bytes, TNoBomFallback fallback);

// The text as bytes of the encoding, with its byte-order mark where it has one. Characters
// without a Windows-1252 byte become '?'.
QByteArray EncodeText(const QString& text, TTextEncoding encoding);

// The bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which the code page leaves undefined, map to the
// code point of the same number, as Windows does.
QString DecodeWindows1252(const QByteArray& bytes);

// Characters without a Windows-1252 byte become '?'.
QByteArray EncodeWindows1252(const QString& text);

} // namespace vitrano
