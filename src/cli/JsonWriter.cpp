#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace vitrano::cli {

QString TJsonWriter::NumberText(double value) {
    if (!std::isfinite(value)) {
        return QStringLiteral("null");
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString TJsonWriter::Quoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            quoted += QStringLiteral("\\\"");
            break;
        case '\\':
            quoted += QStringLiteral("\\\\");
            break;
        case '\n':
            quoted += QStringLiteral("\\n");
            break;
        case '\r':
            quoted += QStringLiteral("\\r");
            break;
        case '\t':
            quoted += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20) {
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                quoted += c;
            }
        }
    }
    return quoted + QLatin1Char('"');
}

void TJsonWriter::Indent() {
    FText += QLatin1Char('\n');
    FText += QString(static_cast<qsizetype>(FLevels.size()) * 2, QLatin1Char(' '));
}

void TJsonWriter::Key(const QString& key) {
    if (FLevels.empty()) {
        return;
    }
    Level& level = FLevels.back();
    if (level.count++ > 0) {
        FText += QLatin1Char(',');
    }
    Indent();
    if (!level.isArray) {
        FText += Quoted(key) + QStringLiteral(": ");
    }
}

void TJsonWriter::BeginObject(const QString& key) {
    Key(key);
    FText += QLatin1Char('{');
    FLevels.push_back({false, 0});
}

void TJsonWriter::EndObject() {
    const bool empty = FLevels.back().count == 0;
    FLevels.pop_back();
    if (!empty) {
        Indent();
    }
    FText += QLatin1Char('}');
    if (FLevels.empty()) {
        FText += QLatin1Char('\n');
    }
}

void TJsonWriter::BeginArray(const QString& key) {
    Key(key);
    FText += QLatin1Char('[');
    FLevels.push_back({true, 0});
}

void TJsonWriter::EndArray() {
    const bool empty = FLevels.back().count == 0;
    FLevels.pop_back();
    if (!empty) {
        Indent();
    }
    FText += QLatin1Char(']');
}

void TJsonWriter::Number(const QString& key, double value) {
    Key(key);
    FText += NumberText(value);
}

void TJsonWriter::Integer(const QString& key, long long value) {
    Key(key);
    FText += QString::number(value);
}

void TJsonWriter::Boolean(const QString& key, bool value) {
    Key(key);
    FText += value ? QStringLiteral("true") : QStringLiteral("false");
}

void TJsonWriter::String(const QString& key, const QString& value) {
    Key(key);
    FText += Quoted(value);
}

void TJsonWriter::Null(const QString& key) {
    Key(key);
    FText += QStringLiteral("null");
}

} // namespace vitrano::cli
