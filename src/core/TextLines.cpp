#include "core/TextLines.h"

namespace vitrano {

std::vector<TTextLine> SplitTextLines(const QString& text) {
    std::vector<TTextLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r') {
            continue;
        }
        const qsizetype breakLength =
            text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
        lines.push_back({text.mid(start, i - start), text.mid(i, breakLength)});
        i += breakLength - 1;
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back({text.mid(start), QString()});
    }
    return lines;
}

QStringList TextLines(const QString& text) {
    QStringList lines;
    for (TTextLine& line : SplitTextLines(text)) {
        lines.append(std::move(line.Text));
    }
    return lines;
}

} // namespace vitrano
