#include "core/IniFile.h"

#include "core/IniSyntax.h"
#include "core/TextDecoding.h"
#include "core/TextLines.h"

#include <QFile>

namespace vitrano {

namespace {

QString Folded(const QString& name) {
    return name.toCaseFolded();
}

} // namespace

TIniFile TIniFile::FromText(const QString& text) {
    TIniFile ini;
    TSection* current = nullptr;
    for (const TTextLine& line : SplitTextLines(text)) {
        ini.ParseLine(line.Text.trimmed(), current);
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
    if (line.isEmpty() || IsIniComment(line)) {
        return;
    }
    if (IsIniHeader(line)) {
        const QString name = Folded(IniSectionName(line));
        if (FSectionIndex.contains(name)) {
            current = nullptr;
            return;
        }
        FSectionIndex.insert(name, FSections.size());
        current = &FSections.emplace_back();
        return;
    }
    const QString key = IniLineKey(line);
    const QString foldedKey = Folded(key);
    if (current == nullptr || key.isEmpty() || current->Values.contains(foldedKey)) {
        return;
    }
    current->Keys.append(key);
    current->Values.insert(foldedKey, IniLineValue(line));
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
