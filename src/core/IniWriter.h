#pragma once

#include <QString>

namespace vitrano {

// Writes one value into a Windows-style ini file, changing nothing else in it: comments, the
// other sections and keys, their order and the file's line ends stay as they were. Section and
// key compare case-insensitively, and the first occurrence of each is the one written, as
// TIniFile reads it. A missing key is added at the end of its section (before the blank lines
// that close it), a missing section at the end of the file, a missing file is created.
//
// The file keeps its encoding: UTF-8 or UTF-16 with their byte-order mark, UTF-8 without one, or
// Windows-1252 (which becomes UTF-8 with a byte-order mark when the new text has characters the
// code page lacks). A value with surrounding blanks or quotes is quoted so that it reads back
// as written.
//
// The file is replaced in one step. False, with the file untouched, when it cannot be read or
// written, or when the section, key or value cannot be stored in an ini line (line breaks, an
// empty key, '=' in the key, ']' in the section).
bool WriteIniString(const QString& path, const QString& section, const QString& key,
                    const QString& value);

} // namespace vitrano
