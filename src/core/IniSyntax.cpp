#include "core/IniSyntax.h"

namespace vitrano {

namespace {

bool EnclosedInQuotes(const QString& value) {
    return value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
           value.back() == value.front();
}

} // namespace

bool IsIniComment(const QString& line) {
    return line.startsWith(u';') || line.startsWith(u'#');
}

bool IsIniHeader(const QString& line) {
    return line.startsWith(u'[');
}

QString IniSectionName(const QString& header) {
    const qsizetype close = header.indexOf(u']');
    const qsizetype end = close < 0 ? header.size() : close;
    return header.mid(1, end - 1).trimmed();
}

QString IniLineKey(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0 || IsIniComment(line) || IsIniHeader(line)) {
        return QString();
    }
    return line.left(equals).trimmed();
}

QString IniLineValue(const QString& line) {
    const QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    return EnclosedInQuotes(value) ? value.mid(1, value.size() - 2) : value;
}

QString IniStoredValue(const QString& value) {
    if (value.trimmed() != value || EnclosedInQuotes(value)) {
        return u'"' + value + u'"';
    }
    return value;
}

bool IniSameName(const QString& a, const QString& b) {
    return a.toCaseFolded() == b.toCaseFolded();
}

} // namespace vitrano
