#include "core/IniWriter.h"

#include "core/TextDecoding.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>
#include <vector>

namespace vitrano {

namespace {

// Line break of new files, as the program's other text files have it.
const QString DefaultLineBreak = QStringLiteral("\r\n");

enum class TEncoding { Utf8, Utf8WithBom, Utf16LeWithBom, Utf16BeWithBom, Windows1252 };

struct TLine {
    QString Text;
    QString Break; // the line end as found; empty for a last line without one
};

struct TIniText {
    std::vector<TLine> Lines;
    QString LineBreak = DefaultLineBreak; // the one new lines get
    TEncoding Encoding = TEncoding::Utf8;
};

bool StartsWith(const QByteArray& bytes, const char* prefix) {
    return bytes.startsWith(QByteArrayView(prefix));
}

// The encoding DecodeText chooses for these bytes.
TEncoding EncodingOf(const QByteArray& bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        return TEncoding::Utf8WithBom;
    }
    if (StartsWith(bytes, "\xFF\xFE")) {
        return TEncoding::Utf16LeWithBom;
    }
    if (StartsWith(bytes, "\xFE\xFF")) {
        return TEncoding::Utf16BeWithBom;
    }
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString decoded = decoder.decode(bytes); // decodes when converted
    return decoder.hasError() ? TEncoding::Windows1252 : TEncoding::Utf8;
}

QByteArray Encoded(const QString& text, TEncoding encoding) {
    const auto withEncoder = [&text](QStringConverter::Encoding target) {
        QStringEncoder encoder(target, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    switch (encoding) {
    case TEncoding::Utf8:
        return text.toUtf8();
    case TEncoding::Utf8WithBom:
        return withEncoder(QStringConverter::Utf8);
    case TEncoding::Utf16LeWithBom:
        return withEncoder(QStringConverter::Utf16LE);
    case TEncoding::Utf16BeWithBom:
        return withEncoder(QStringConverter::Utf16BE);
    case TEncoding::Windows1252:
        break;
    }
    const QByteArray windows1252 = EncodeWindows1252(text);
    if (DecodeWindows1252(windows1252) == text) {
        return windows1252;
    }
    return withEncoder(QStringConverter::Utf8);
}

std::vector<TLine> SplitLines(const QString& text) {
    std::vector<TLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r') {
            continue;
        }
        const qsizetype breakLength = text[i] == u'\r' && text.mid(i + 1, 1) == u"\n" ? 2 : 1;
        lines.push_back({text.mid(start, i - start), text.mid(i, breakLength)});
        i += breakLength - 1;
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back({text.mid(start), QString()});
    }
    return lines;
}

TIniText ParsedText(const QByteArray& bytes) {
    TIniText ini;
    ini.Encoding = EncodingOf(bytes);
    ini.Lines = SplitLines(DecodeText(bytes, TNoBomFallback::Utf8OrWindows1252));
    if (!ini.Lines.empty() && !ini.Lines.front().Break.isEmpty()) {
        ini.LineBreak = ini.Lines.front().Break;
    }
    return ini;
}

QString JoinedText(const TIniText& ini) {
    QString text;
    for (const TLine& line : ini.Lines) {
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
           key.trimmed() == key && !key.contains(u'=') && !key.startsWith(u'[') &&
           !key.startsWith(u';') && !key.startsWith(u'#');
}

// The reader trims values and drops one pair of enclosing quotes; quoting such values keeps
// them as they are.
QString StoredValue(const QString& value) {
    const bool enclosedInQuotes = value.size() >= 2 &&
                                  (value.front() == u'"' || value.front() == u'\'') &&
                                  value.back() == value.front();
    if (value.trimmed() != value || enclosedInQuotes) {
        return u'"' + value + u'"';
    }
    return value;
}

bool IsComment(const QString& trimmed) {
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

bool IsHeader(const QString& trimmed) {
    return trimmed.startsWith(u'[');
}

QString HeaderName(const QString& trimmed) {
    const qsizetype close = trimmed.indexOf(u']');
    return trimmed.mid(1, (close < 0 ? trimmed.size() : close) - 1).trimmed();
}

bool SameName(const QString& a, const QString& b) {
    return a.toCaseFolded() == b.toCaseFolded();
}

// The key a line assigns; empty for other lines.
QString LineKey(const QString& trimmed) {
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0 || IsComment(trimmed) || IsHeader(trimmed)) {
        return QString();
    }
    return trimmed.left(equals).trimmed();
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

std::optional<TSectionRange> FindSection(const std::vector<TLine>& lines, const QString& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].Text.trimmed();
        if (!IsHeader(trimmed) || !SameName(HeaderName(trimmed), section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && !IsHeader(lines[end].Text.trimmed())) {
            ++end;
        }
        return TSectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<TLine>& lines, TSectionRange range,
                                   const QString& key) {
    for (std::size_t i = range.First + 1; i < range.End; ++i) {
        if (SameName(LineKey(lines[i].Text.trimmed()), key)) {
            return i;
        }
    }
    return std::nullopt;
}

// Inserts a line after the given one; a last line without a line end gets one and passes its
// missing end on to the new line.
void InsertAfter(TIniText& ini, std::size_t index, const QString& text) {
    TLine& before = ini.Lines[index];
    TLine inserted{text, before.Break};
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
    SetValue(ini, section, key, StoredValue(value));
    return WriteFile(path, Encoded(JoinedText(ini), ini.Encoding));
}

} // namespace vitrano
