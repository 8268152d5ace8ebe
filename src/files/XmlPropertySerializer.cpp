#include "files/XmlPropertySerializer.h"

namespace vitrano {

QString TXmlPropertySerializer::EscapedForWriting(const QString& text) const {
    if (!EscapeMarkup && !ReplaceReservedSymbols) {
        return text;
    }
    QString escaped = text;
    if (EscapeMarkup) {
        escaped.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    }
    escaped.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    escaped.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return escaped;
}

QString TXmlPropertySerializer::UnescapedForReading(const QString& text) const {
    if (EscapeMarkup) {
        // One pass from the left, so that "&amp;lt;" gives back "&lt;".
        QString plain;
        plain.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QStringView rest = QStringView(text).mid(i);
            if (rest.startsWith(QLatin1String("&amp;"))) {
                plain += QLatin1Char('&');
                i += 4;
            } else if (rest.startsWith(QLatin1String("&lt;"))) {
                plain += QLatin1Char('<');
                i += 3;
            } else if (rest.startsWith(QLatin1String("&gt;"))) {
                plain += QLatin1Char('>');
                i += 3;
            } else {
                plain += text[i];
            }
        }
        return plain;
    }
    if (ReplaceReservedSymbols) {
        QString plain = text;
        plain.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        plain.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        return plain;
    }
    return text;
}

qsizetype TXmlPropertySerializer::SkipControlCharacters(qsizetype position) const {
    // Everything below '"' counts as filler between tags: control
    // characters, blanks and '!'.
    while (position < FText.size() && FText[position].unicode() < 34) {
        ++position;
    }
    return position;
}

} // namespace vitrano
