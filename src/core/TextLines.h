#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vitrano {

struct TTextLine {
    QString Text;
    QString Break; // the line end as found ("\r\n", "\n" or "\r"); empty for a last line without
};

// Splits at CR LF, LF and CR, the way the program's text files end their lines; a text ending
// with a line end gives no empty last line.
std::vector<TTextLine> SplitTextLines(const QString& text);

// The same without the line ends.
QStringList TextLines(const QString& text);

} // namespace vitrano
