#include "files/NumberFormat.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vitrano {

namespace {

constexpr int SignificantDigits = 15;

QChar FirstChar(const QString& text, QChar fallback) {
    return text.isEmpty() ? fallback : text.front();
}

struct DecimalDigits {
    bool negative = false;
    std::string digits; // significant digits without trailing zeros, at least one
    int exponent = 0;   // value = 0.d1d2... x 10^(exponent + 1), i.e. d1 is at 10^exponent
};

DecimalDigits ToDigits(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string text(buffer, result.ptr);
    DecimalDigits d;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (std::size_t i = pos; i < e; ++i) {
        if (text[i] != '.') {
            d.digits.push_back(text[i]);
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

QString FixedText(const DecimalDigits& d, QChar separator) {
    QString text;
    if (d.negative) {
        text += QLatin1Char('-');
    }
    const int integerDigits = d.exponent + 1;
    const int count = static_cast<int>(d.digits.size());
    if (integerDigits <= 0) {
        text += QLatin1Char('0');
        text += separator;
        text += QString(-integerDigits, QLatin1Char('0'));
        text += QString::fromLatin1(d.digits.data(), count);
        return text;
    }
    for (int i = 0; i < integerDigits; ++i) {
        text += i < count ? QLatin1Char(d.digits[static_cast<std::size_t>(i)]) : QLatin1Char('0');
    }
    if (count > integerDigits) {
        text += separator;
        text += QString::fromLatin1(d.digits.data() + integerDigits, count - integerDigits);
    }
    return text;
}

QString ScientificText(const DecimalDigits& d, QChar separator) {
    QString text;
    if (d.negative) {
        text += QLatin1Char('-');
    }
    text += QLatin1Char(d.digits[0]);
    if (d.digits.size() > 1) {
        text += separator;
        text +=
            QString::fromLatin1(d.digits.data() + 1, static_cast<qsizetype>(d.digits.size() - 1));
    }
    text += QLatin1Char('E');
    text += QString::number(d.exponent);
    return text;
}

[[noreturn]] void NotAFloat(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the shape of a real text and returns it with '.' as separator.
std::string NormalisedFloat(const QString& text, QChar separator) {
    std::string out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        out.push_back(static_cast<char>(text[i].unicode()));
        ++i;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    for (; i < n; ++i) {
        if (IsDigit(text[i])) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++mantissaDigits;
        } else if (text[i] == separator && !separatorSeen) {
            out.push_back('.');
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        NotAFloat(text);
    }
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        out.push_back('e');
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
        int exponentDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            NotAFloat(text);
        }
    }
    if (i != n) {
        NotAFloat(text);
    }
    return out;
}

} // namespace

TNumberFormat TNumberFormat::Current() {
    const QLocale locale = QLocale::system();
    return {FirstChar(locale.decimalPoint(), QLatin1Char('.')),
            FirstChar(locale.groupSeparator(), QLatin1Char(','))};
}

QString FloatToText(double value, const TNumberFormat& format) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? QStringLiteral("NAN")
                                 : (value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
    }
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    const DecimalDigits d = ToDigits(value);
    const bool fixed = d.exponent >= -5 && d.exponent < SignificantDigits;
    return fixed ? FixedText(d, format.DecimalSeparator)
                 : ScientificText(d, format.DecimalSeparator);
}

double TextToFloat(const QString& text, const TNumberFormat& format) {
    const QString trimmed = text.trimmed();
    const std::string normalised = NormalisedFloat(trimmed, format.DecimalSeparator);
    const char* begin = normalised.data();
    const char* end = begin + normalised.size();
    if (*begin == '+') {
        ++begin;
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        NotAFloat(text);
    }
    return value;
}

int TextToInt(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const long long value = trimmed.toLongLong(&ok, 10);
    const bool plainDecimal =
        !trimmed.isEmpty() && (IsDigit(trimmed.back())) && !trimmed.contains(QLatin1Char(' '));
    if (!ok || !plainDecimal || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max()) {
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    return static_cast<int>(value);
}

bool TextToBool(const QString& text) {
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    throw EConvertError(QStringLiteral("Invalid property value: '%1'").arg(text));
}

} // namespace vitrano
