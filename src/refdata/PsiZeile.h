#pragma once

// The text level of the psi tables: splitting a row into fields, trimming, names and numbers.

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace vitrano {

// Splits a table row at every ';' into fields, each trimmed of leading and trailing blanks.
// A row without ';' gives one field; two adjacent semicolons give an empty field between them.
QStringList PsiZeileZerlegen(const QString& zeile);

// Removes every character up to and including the space (blanks and control characters) from
// both ends.
QString OhneRandLeerzeichen(QStringView text);

// Lower-cases the letters A to Z and nothing else; names of the tables are matched with it.
QString KleinAbisZ(QStringView text);

// At most `maxZeichen` characters; a surrogate pair is never split.
QString AufLaengeGekuerzt(const QString& text, int maxZeichen);

// How the real numbers of a text are written. A thousands separator is never accepted, so
// with the decimal comma of the tables a "." makes the text no number.
struct TZahlenformat {
    QChar Dezimaltrenner = QLatin1Char(',');
};

// A real written as optional sign, digits with at most one decimal separator (at least one
// digit in all) and an optional exponent ("1,5E-3"); blanks around are allowed. Texts that
// are empty, carry other characters, or whose value lies outside the range of double are no
// number.
std::optional<double> TextZuReal(QStringView text, const TZahlenformat& format);

// A plain decimal integer with optional sign within the range of int; blanks around allowed.
std::optional<int> TextZuInteger(QStringView text);

} // namespace vitrano
