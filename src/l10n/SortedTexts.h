#pragma once

#include <QString>
#include <QStringList>

namespace vitrano {

// Texts kept in case-insensitive order; a text that equals one already held, apart from letter
// case, is ignored.
class TSortedTexts {
public:
    void Add(const QString& text);
    bool Contains(const QString& text) const;
    void Clear() { FTexts.clear(); }
    bool IsEmpty() const { return FTexts.isEmpty(); }
    qsizetype Count() const { return FTexts.size(); }
    const QStringList& Texts() const { return FTexts; }

private:
    QStringList::const_iterator LowerBound(const QString& text) const;

    QStringList FTexts;
};

} // namespace vitrano
