#include "core/TextDecoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vitrano {
namespace {

QByteArray Bytes(std::initializer_list<unsigned char> values) {
    QByteArray bytes;
    for (unsigned char value : values) {
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

// The code points of the bytes 0x80..0x9F, written as the characters themselves.
const QString HighControlCharacters =
    QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");

// Built by hand: QString::fromUtf8 drops a leading U+FEFF.
const QString ByteOrderMark(QChar(u'\uFEFF'));

struct TDecodeCase {
    std::string Description;
    QByteArray Bytes;
    TNoBomFallback Fallback;
    QString Expected;
};

TEST(DecodeText, ByteOrderMarkDecidesAndIsDropped) {
    const QString grusse = QString::fromUtf8("Grüße €");
    const std::vector<TDecodeCase> cases = {
        {"UTF-8 BOM", Bytes({0xEF, 0xBB, 0xBF}) + grusse.toUtf8(), TNoBomFallback::Windows1252,
         grusse},
        {"UTF-8 BOM, invalid sequence is not taken as Windows-1252",
         Bytes({0xEF, 0xBB, 0xBF, 'a', 0xFC}), TNoBomFallback::Utf8OrWindows1252,
         QString::fromUtf8("a\uFFFD")},
        {"UTF-16 LE BOM", Bytes({0xFF, 0xFE, 'G', 0x00, 0xFC, 0x00, 0xAC, 0x20}),
         TNoBomFallback::Windows1252, QString::fromUtf8("Gü€")},
        {"UTF-16 BE BOM", Bytes({0xFE, 0xFF, 0x00, 'G', 0x00, 0xFC, 0x20, 0xAC}),
         TNoBomFallback::Utf8OrWindows1252, QString::fromUtf8("Gü€")},
        {"UTF-16 LE surrogate pair", Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}),
         TNoBomFallback::Windows1252, QString::fromUtf8("😀")},
        {"BOM alone", Bytes({0xEF, 0xBB, 0xBF}), TNoBomFallback::Windows1252, QString()},
        {"only the first BOM is dropped", Bytes({0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 'x'}),
         TNoBomFallback::Utf8OrWindows1252, ByteOrderMark + u'x'},
        {"UTF-16 LE BOM, second BOM kept", Bytes({0xFF, 0xFE, 0xFF, 0xFE, 'x', 0x00}),
         TNoBomFallback::Windows1252, ByteOrderMark + u'x'},
    };
    for (const TDecodeCase& c : cases) {
        SCOPED_TRACE(c.Description);
        EXPECT_EQ(DecodeText(c.Bytes, c.Fallback), c.Expected);
    }
}

TEST(DecodeText, WithoutBomSniffsUtf8OrFallsBackToWindows1252) {
    const QByteArray utf8 = QString::fromUtf8("Grüße €").toUtf8();
    const std::vector<TDecodeCase> cases = {
        {"valid UTF-8", utf8, TNoBomFallback::Utf8OrWindows1252, QString::fromUtf8("Grüße €")},
        {"valid UTF-8 read as the legacy code page", utf8, TNoBomFallback::Windows1252,
         QString::fromUtf8("GrÃ¼ÃŸe â‚¬")},
        {"Windows-1252 umlauts", Bytes({'G', 'r', 0xFC, 0xDF, 'e', ' ', 0x80}),
         TNoBomFallback::Utf8OrWindows1252, QString::fromUtf8("Grüße €")},
        {"sequence cut off at the end", Bytes({'a', 0xC3}), TNoBomFallback::Utf8OrWindows1252,
         QString::fromUtf8("aÃ")},
        {"overlong encoding of '/'", Bytes({0xC0, 0xAF}), TNoBomFallback::Utf8OrWindows1252,
         QString::fromUtf8("À¯")},
        {"encoded surrogate", Bytes({0xED, 0xA0, 0x80}), TNoBomFallback::Utf8OrWindows1252,
         QString::fromUtf8("í\u00A0€")},
        {"one bad byte among valid UTF-8", utf8 + Bytes({0xE4}), TNoBomFallback::Utf8OrWindows1252,
         QString::fromUtf8("GrÃ¼ÃŸe â‚¬ä")},
        {"plain ASCII", "a=b\r\n", TNoBomFallback::Utf8OrWindows1252, QStringLiteral("a=b\r\n")},
        {"empty", QByteArray(), TNoBomFallback::Utf8OrWindows1252, QString()},
        {"single FF is no BOM", Bytes({0xFF}), TNoBomFallback::Utf8OrWindows1252,
         QString::fromUtf8("ÿ")},
    };
    for (const TDecodeCase& c : cases) {
        SCOPED_TRACE(c.Description);
        EXPECT_EQ(DecodeText(c.Bytes, c.Fallback), c.Expected);
    }
}

TEST(DecodeWindows1252, MapsEveryByte) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const QChar expected = byte >= 0x80 && byte < 0xA0 ? HighControlCharacters[byte - 0x80]
                                                           : QChar(static_cast<char16_t>(byte));
        EXPECT_EQ(text[byte], expected);
    }
}

TEST(EncodeWindows1252, RoundTripsEveryByte) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

TEST(EncodeWindows1252, CharactersWithoutByteBecomeQuestionMarks) {
    struct TCase {
        std::string Description;
        QString Text;
        QByteArray Expected;
    };
    const std::vector<TCase> cases = {
        {"code page characters", QString::fromUtf8("€Š–Ÿ äÿ"),
         Bytes({0x80, 0x8A, 0x96, 0x9F, ' ', 0xE4, 0xFF})},
        {"beyond Latin-1", QString::fromUtf8("aĀ中b"), "a??b"},
        {"C1 control that the code page replaces", QString(QChar(u'\u0080')), "?"},
        {"character outside the BMP is one '?'", QString::fromUtf8("x😀y"), "x?y"},
        {"lone surrogate", QString(QChar(static_cast<char16_t>(0xD800))) + u'z', "?z"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Description);
        EXPECT_EQ(EncodeWindows1252(c.Text), c.Expected);
    }
}

} // namespace
} // namespace vitrano
