#pragma once

#include "l10n/SortedTexts.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace vitrano {

// German texts and their translations in file order. Lookups ignore letter case and find the
// first of several entries with the same text.
class TDictionary {
public:
    // The text as the dictionary compares it: without "&" and surrounding blanks.
    static QString WithoutMarks(const QString& text);

    // Stores the pair without accelerator marks ("&") and surrounding blanks.
    void AddWords(const QString& german, const QString& translation);
    // Also forgets the texts recorded as untranslated.
    void Clear();
    int WordCount() const { return static_cast<int>(FKeys.size()); }

    // The translation, or an empty text when the German text has no entry. A missing text that
    // is not itself one of the translations is recorded as untranslated.
    QString TranslationFor(const QString& german);
    // Reverse lookup; empty when no entry has this translation.
    QString GermanFor(const QString& translation) const;

    // German texts that were asked for and had no entry, sorted.
    const QStringList& Untranslated() const { return FUntranslated.Texts(); }

    // Writes every pair as "German||translation", sorted, followed by a block of the texts that
    // lack a translation. False when the file cannot be written.
    bool SaveDictionary(const QString& fileName) const;

private:
    static QString Folded(const QString& text) { return text.toCaseFolded(); }

    QStringList FKeys;
    QStringList FValues;
    // First index of every case-folded key and value.
    QHash<QString, qsizetype> FKeyIndex;
    QHash<QString, qsizetype> FValueIndex;
    TSortedTexts FUntranslated;
};

} // namespace vitrano
