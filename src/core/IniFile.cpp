#include "core/IniFile.h"

#include "core/TextDecoding.h"

#include <QFile>

namespace vitrano {

namespace {

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r') {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

bool IsComment(const QString& line) {
    return line.startsWith(u';') || line.startsWith(u'#');
}

// A header without its closing bracket still opens a section, so that the keys below it do not
// end up in the section before.
QString SectionName(const QString& headerLine) {
    const qsizetype close = headerLine.indexOf(u']');
    const qsizetype end = close < 0 ? headerLine.size() : close;
    return headerLine.mid(1, end - 1).trimmed();
}

QString Unquoted(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

QString Folded(const QString& name) {
    return name.toCaseFolded();
}

} // namespace

TIniFile TIniFile::FromText(const QString& text) {
    TIniFile ini;
    TSection* current = nullptr;
    for (const QString& rawLine : SplitLines(text)) {
        ini.ParseLine(rawLine.trimmed(), current);
    }
    return ini;
}

TIniFile TIniFile::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return TIniFile();
    }
    return FromText(DecodeText(file.readAll(), TNoBomFallback::Utf8OrWindows1252));
}

// `current` is the section the following keys go to; null before the first section and inside a
// repeated one, whose lines are ignored.
void TIniFile::ParseLine(const QString& line, TSection*& current) {
    if (line.isEmpty() || IsComment(line)) {
        return;
    }
    if (line.startsWith(u'[')) {
        const QString name = Folded(SectionName(line));
        if (FSectionIndex.contains(name)) {
            current = nullptr;
            return;
        }
        FSectionIndex.insert(name, FSections.size());
        current = &FSections.emplace_back();
        return;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (current == nullptr || equals < 0) {
        return;
    }
    const QString key = line.left(equals).trimmed();
    const QString foldedKey = Folded(key);
    if (key.isEmpty() || current->Values.contains(foldedKey)) {
        return;
    }
    current->Keys.append(key);
    current->Values.insert(foldedKey, Unquoted(line.mid(equals + 1).trimmed()));
}

const TIniFile::TSection* TIniFile::FindSection(const QString& section) const {
    const auto found = FSectionIndex.constFind(Folded(section));
    return found == FSectionIndex.cend() ? nullptr : &FSections[found.value()];
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    const TSection* found = FindSection(section);
    if (found == nullptr) {
        return defaultValue;
    }
    return found->Values.value(Folded(key), defaultValue);
}

bool TIniFile::SectionExists(const QString& section) const {
    return FindSection(section) != nullptr;
}

QStringList TIniFile::ReadSection(const QString& section) const {
    const TSection* found = FindSection(section);
    return found == nullptr ? QStringList() : found->Keys;
}

} // namespace vitrano
