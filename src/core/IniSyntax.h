#pragma once

// The line grammar of ini files, shared by the reader and the writer so that both agree on
// what a section header, a comment and a key are.

#include <QString>
#include <vector>

namespace vitrano {

struct TIniLine {
    QString Text;
    QString Break; // the line end as found ("\r\n", "\n" or "\r"); empty for a last line without
};

// Splits at CR LF, LF and CR; a text ending with a line end gives no empty last line.
std::vector<TIniLine> SplitIniLines(const QString& text);

// The functions below take lines trimmed of surrounding blanks.
bool IsIniComment(const QString& line);
bool IsIniHeader(const QString& line);
// A header without its closing bracket still names a section, so that the keys below it do not
// end up in the section before.
QString IniSectionName(const QString& header);
// The key an assignment line sets; empty for comments, headers and lines without '='.
QString IniLineKey(const QString& line);
// The value of an assignment line, trimmed, with one pair of enclosing quotes removed.
QString IniLineValue(const QString& line);
// The value as written, quoted when reading would otherwise change it (surrounding blanks or
// enclosing quotes).
QString IniStoredValue(const QString& value);

// Section and key names compare without regard to letter case.
bool IniSameName(const QString& a, const QString& b);

} // namespace vitrano
