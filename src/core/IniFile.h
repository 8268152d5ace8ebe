#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace vitrano {

// Read-only view of a Windows-style ini file. Section names and keys compare case-insensitively;
// when a section or a key within a section occurs twice, the first occurrence wins.
class TIniFile {
public:
    static TIniFile FromText(const QString& text);
    // A missing or unreadable file gives an empty ini.
    static TIniFile Load(const QString& path);

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    bool SectionExists(const QString& section) const;
    // The keys of the section in file order.
    QStringList ReadSection(const QString& section) const;

private:
    struct TSection {
        QStringList Keys;               // as written
        QHash<QString, QString> Values; // by case-folded key
    };

    const TSection* FindSection(const QString& section) const;
    void ParseLine(const QString& line, TSection*& current);

    std::vector<TSection> FSections;
    QHash<QString, std::size_t> FSectionIndex; // by case-folded name
};

} // namespace vitrano
