#include "core/DecimalRounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace vitrano {

namespace {

constexpr int SignificantDigits = 15;
constexpr int MaxDecimals = 15;

// A rounded value as Digits * 10^-decimals; Digits has no sign and at least one digit.
struct TScaledDigits {
    bool Negative = false;
    std::string Digits;
};

struct TScientific {
    bool Negative = false;
    std::string Digits; // SignificantDigits of them
    int Exponent = 0;   // of the first digit
};

TScientific ToScientific(double value) {
    // Room for "-d.<14 digits>e-324"
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string text(buffer.data(), result.ptr);
    TScientific scientific;
    scientific.Negative = text.front() == '-';
    const std::size_t exponentMark = text.find('e');
    for (std::size_t i = 0; i < exponentMark; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            scientific.Digits.push_back(text[i]);
        }
    }
    const char* exponentBegin = text.data() + exponentMark + 1;
    if (*exponentBegin == '+') {
        ++exponentBegin;
    }
    std::from_chars(exponentBegin, text.data() + text.size(), scientific.Exponent);
    return scientific;
}

// Adds one unit in the last place; a carry out of the first digit prepends a '1'.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool IsZero(const std::string& digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

TScaledDigits RoundScaled(double value, int decimals) {
    const TScientific scientific = ToScientific(value);
    // Digits with a place value of at least 10^-decimals are kept.
    const int kept = scientific.Exponent + decimals + 1;
    TScaledDigits rounded;
    rounded.Negative = scientific.Negative;
    if (kept < 0) {
        rounded.Digits = "0";
        return rounded;
    }
    if (kept >= SignificantDigits) {
        rounded.Digits = scientific.Digits + std::string(kept - SignificantDigits, '0');
        return rounded;
    }
    rounded.Digits = scientific.Digits.substr(0, kept);
    if (scientific.Digits[kept] >= '5') {
        Increment(rounded.Digits);
    }
    if (rounded.Digits.empty()) {
        rounded.Digits = "0";
    }
    return rounded;
}

int ClampDecimals(int decimals) {
    return std::clamp(decimals, 0, MaxDecimals);
}

} // namespace

double RoundToDecimals(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    decimals = ClampDecimals(decimals);
    const TScaledDigits rounded = RoundScaled(value, decimals);
    if (IsZero(rounded.Digits)) {
        return 0.0;
    }
    // "<digits>e-<decimals>" has no decimal point, and from_chars rounds it correctly to the
    // nearest double.
    const std::string text = rounded.Digits + "e-" + std::to_string(decimals);
    double magnitude = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (result.ec != std::errc()) {
        // Only near the largest double can the 15-digit value exceed the range.
        return value;
    }
    return rounded.Negative ? -magnitude : magnitude;
}

QString FormatFixed(double value, int decimals, QChar decimalSeparator) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }
    decimals = ClampDecimals(decimals);
    TScaledDigits rounded = RoundScaled(value, decimals);
    std::string& digits = rounded.Digits;
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    QString text;
    if (rounded.Negative && !IsZero(digits)) {
        text.append(u'-');
    }
    const auto integerLength = static_cast<qsizetype>(digits.size() - places);
    text.append(QString::fromLatin1(digits.data(), integerLength));
    if (places > 0) {
        text.append(decimalSeparator);
        text.append(QString::fromLatin1(digits.data() + integerLength, decimals));
    }
    return text;
}

} // namespace vitrano
