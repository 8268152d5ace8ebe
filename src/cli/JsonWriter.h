#pragma once

// A small JSON writer that keeps keys in the order they are written and
// prints numbers so that they read back to the same double.

#include <QString>
#include <vector>

namespace vitrano::cli {

class TJsonWriter {
public:
    void BeginObject(const QString& key = QString());
    void EndObject();
    void BeginArray(const QString& key);
    void EndArray();
    void Number(const QString& key, double value);
    void Integer(const QString& key, long long value);
    void Boolean(const QString& key, bool value);
    void String(const QString& key, const QString& value);
    void Null(const QString& key);

    const QString& Text() const { return FText; }

    static QString NumberText(double value);
    static QString Quoted(const QString& text);

private:
    struct Level {
        bool isArray = false;
        int count = 0;
    };
    QString FText;
    std::vector<Level> FLevels;

    void Key(const QString& key);
    void Indent();
};

} // namespace vitrano::cli
