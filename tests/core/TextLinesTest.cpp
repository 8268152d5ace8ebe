#include "core/TextLines.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

TEST(TextLines, SplitsAtEveryKindOfLineEndAndKeepsIt) {
    struct TCase {
        const char* Text;
        QStringList Lines;
        QStringList Breaks;
    };
    const TCase cases[] = {
        {"", {}, {}},
        {"a", {"a"}, {""}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}, {"\r\n", "\n", "\r", ""}},
        {"a\r\n", {"a"}, {"\r\n"}},
        {"a\n\n", {"a", ""}, {"\n", "\n"}},
        {"\r\r\n", {"", ""}, {"\r", "\r\n"}},
        {"a\n\rb", {"a", "", "b"}, {"\n", "\r", ""}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        QStringList lines;
        QStringList breaks;
        for (const TTextLine& line : SplitTextLines(QString::fromLatin1(c.Text))) {
            lines << line.Text;
            breaks << line.Break;
        }
        EXPECT_EQ(lines, c.Lines);
        EXPECT_EQ(breaks, c.Breaks);
        EXPECT_EQ(TextLines(QString::fromLatin1(c.Text)), c.Lines);
    }
}

} // namespace
} // namespace vitrano
