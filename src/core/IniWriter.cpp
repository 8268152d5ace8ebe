#include "core/IniWriter.h"

#include "core/IniSyntax.h"
#include "core/TextDecoding.h"
#include "core/TextLines.h"

#include <QFile>
#include <QSaveFile>
#include <optional>
#include <vector>

namespace vitrano {

namespace {

// Line break of new files, as the program's other text files have it.
const QString DefaultLineBreak = QStringLiteral("\r\n");

struct TIniText {
    std::vector<TTextLine> Lines;
    QString LineBreak = DefaultLineBreak; // the one new lines get
    TTextEncoding Encoding = TTextEncoding::Utf8;
};

// The file's own encoding; Windows-1252 text with characters the code page lacks becomes UTF-8
// with a byte-order mark, so that nothing turns into '?'.
QByteArray Encoded(const QString& text, TTextEncoding encoding) {
    if (encoding == TTextEncoding::Windows1252 &&
        DecodeWindows1252(EncodeWindows1252(text)) != text) {
        encoding = TTextEncoding::Utf8WithBom;
    }
    return EncodeText(text, encoding);
}

TIniText ParsedText(const QByteArray& bytes) {
    TIniText ini;
    ini.Encoding = DetectTextEncoding(bytes, TNoBomFallback::Utf8OrWindows1252);
    ini.Lines = SplitTextLines(DecodeText(bytes, TNoBomFallback::Utf8OrWindows1252));
    if (!ini.Lines.empty() && !ini.Lines.front().Break.isEmpty()) {
        ini.LineBreak = ini.Lines.front().Break;
    }
    return ini;
}

QString JoinedText(const TIniText& ini) {
    QString text;
    for (const TTextLine& line : ini.Lines) {
        text += line.Text + line.Break;
    }
    return text;
}

// The bytes of the file; an empty array for a missing file, nothing when it cannot be read.
std::optional<QByteArray> FileBytes(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return QByteArray();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

bool HasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

bool CanBeStored(const QString& section, const QString& key, const QString& value) {
    return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value) &&
           section.trimmed() == section && !section.contains(u']') && !key.isEmpty() &&
           key.trimmed() == key && !key.contains(u'=') && !IsIniHeader(key) && !IsIniComment(key);
}

// The line with a new value; the text up to the '=' and the blanks after it stay.
QString WithValue(const QString& line, const QString& value) {
    qsizetype valueStart = line.indexOf(u'=') + 1;
    while (valueStart < line.size() && line[valueStart].isSpace()) {
        ++valueStart;
    }
    return line.left(valueStart) + value;
}

// Lines [First, End) of the first occurrence of the section, the header included.
struct TSectionRange {
    std::size_t First = 0;
    std::size_t End = 0;
};

std::optional<TSectionRange> FindSection(const std::vector<TTextLine>& lines,
                                         const QString& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].Text.trimmed();
        if (!IsIniHeader(trimmed) || !IniSameName(IniSectionName(trimmed), section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && !IsIniHeader(lines[end].Text.trimmed())) {
            ++end;
        }
        return TSectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<TTextLine>& lines, TSectionRange range,
                                   const QString& key) {
    for (std::size_t i = range.First + 1; i < range.End; ++i) {
        if (IniSameName(IniLineKey(lines[i].Text.trimmed()), key)) {
            return i;
        }
    }
    return std::nullopt;
}

// Inserts a line after the given one; a last line without a line end gets one and passes its
// missing end on to the new line.
void InsertAfter(TIniText& ini, std::size_t index, const QString& text) {
    TTextLine& before = ini.Lines[index];
    TTextLine inserted{text, before.Break};
    if (before.Break.isEmpty()) {
        before.Break = ini.LineBreak;
    }
    ini.Lines.insert(ini.Lines.begin() + static_cast<std::ptrdiff_t>(index) + 1, inserted);
}

void AppendSection(TIniText& ini, const QString& section, const QString& keyLine) {
    if (!ini.Lines.empty() && ini.Lines.back().Break.isEmpty()) {
        ini.Lines.back().Break = ini.LineBreak;
    }
    ini.Lines.push_back({u'[' + section + u']', ini.LineBreak});
    ini.Lines.push_back({keyLine, ini.LineBreak});
}

void SetValue(TIniText& ini, const QString& section, const QString& key, const QString& value) {
    const std::optional<TSectionRange> range = FindSection(ini.Lines, section);
    if (!range) {
        AppendSection(ini, section, key + u'=' + value);
        return;
    }
    if (const std::optional<std::size_t> keyLine = FindKey(ini.Lines, *range, key)) {
        ini.Lines[*keyLine].Text = WithValue(ini.Lines[*keyLine].Text, value);
        return;
    }
    std::size_t last = range->End - 1;
    while (last > range->First && ini.Lines[last].Text.trimmed().isEmpty()) {
        --last;
    }
    InsertAfter(ini, last, key + u'=' + value);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

bool WriteIniString(const QString& path, const QString& section, const QString& key,
                    const QString& value) {
    if (!CanBeStored(section, key, value)) {
        return false;
    }
    const std::optional<QByteArray> bytes = FileBytes(path);
    if (!bytes) {
        return false;
    }
    TIniText ini = ParsedText(*bytes);
    SetValue(ini, section, key, IniStoredValue(value));
    return WriteFile(path, Encoded(JoinedText(ini), ini.Encoding));
}

} // namespace vitrano
