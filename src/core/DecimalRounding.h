#pragma once

#include <QChar>
#include <QString>

namespace vitrano {

// Rounds as a fixed pattern such as "0.0000" does when a value is shown and read back: the value
// is taken to 15 significant decimal digits, then rounded to `decimals` places (0..15) with halves
// away from zero. Non-finite values are returned unchanged; a zero result is +0.0.
double RoundToDecimals(double value, int decimals);

// The text of such a pattern: no thousands separator, exactly `decimals` places behind the given
// separator, and a leading '-' only when the rounded value is not zero.
QString FormatFixed(double value, int decimals, QChar decimalSeparator = QChar(u'.'));

} // namespace vitrano
