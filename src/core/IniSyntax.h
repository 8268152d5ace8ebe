#pragma once

// The line grammar of ini files, shared by the reader and the writer so that both agree on
// what a section header, a comment and a key are.

#include <QString>

namespace vitrano {

// The functions take lines trimmed of surrounding blanks.
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
