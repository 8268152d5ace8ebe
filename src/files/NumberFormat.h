#pragma once

// Number text as files hold it. The format is always passed explicitly; the
// program's own format is the user's (system locale) decimal separator.

#include <QChar>
#include <QString>
#include <stdexcept>

namespace vitrano {

struct TNumberFormat {
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');

    // The number format of the running program (the user's locale).
    static TNumberFormat Current();
    static TNumberFormat Point() { return {QLatin1Char('.'), QLatin1Char(',')}; }
    static TNumberFormat Comma() { return {QLatin1Char(','), QLatin1Char('.')}; }
};

// A text that is not a number of the expected kind.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message)
        : std::runtime_error(message.toStdString())
        , FMessage(message) {}
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

// General real text: up to 15 significant digits, no trailing zeros, no
// thousands separator; scientific ("1,5E-6", "2E20") only below 0.00001 or
// with more than 15 digits before the separator.
QString FloatToText(double value, const TNumberFormat& format);

// Reads a real written with the format's decimal separator: optional blanks
// around, optional sign, digits with at most one separator, optional exponent.
// Anything else, and values that are not finite, raise EConvertError.
double TextToFloat(const QString& text, const TNumberFormat& format);

// Decimal integer text with optional sign (blanks around allowed); 32 bits.
int TextToInt(const QString& text);

// "True" / "False", read regardless of letter case.
bool TextToBool(const QString& text);
inline QString BoolToText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace vitrano
