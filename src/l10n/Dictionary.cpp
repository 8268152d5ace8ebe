#include "l10n/Dictionary.h"

#include "core/TextDecoding.h"

#include <QSaveFile>

namespace vitrano {

namespace {

const QString Separator = QStringLiteral("||");
const QString UntranslatedHeading = QStringLiteral("NICHT ÜBERSETZTE STRINGS");

// Windows-1252 as long as every character has a byte there; otherwise UTF-8 with a byte-order
// mark, so that a dictionary of an eastern-European language keeps its letters and still loads.
QByteArray EncodedForFile(const QString& text) {
    const QByteArray windows1252 = EncodeWindows1252(text);
    if (DecodeWindows1252(windows1252) == text) {
        return windows1252;
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

void RememberFirst(QHash<QString, qsizetype>& index, const QString& text, qsizetype position) {
    const QString folded = text.toCaseFolded();
    if (!index.contains(folded)) {
        index.insert(folded, position);
    }
}

} // namespace

QString TDictionary::WithoutMarks(const QString& text) {
    return QString(text).remove(u'&').trimmed();
}

void TDictionary::AddWords(const QString& german, const QString& translation) {
    const QString key = WithoutMarks(german);
    const QString value = WithoutMarks(translation);
    RememberFirst(FKeyIndex, key, FKeys.size());
    RememberFirst(FValueIndex, value, FValues.size());
    FKeys.append(key);
    FValues.append(value);
}

void TDictionary::Clear() {
    FKeys.clear();
    FValues.clear();
    FKeyIndex.clear();
    FValueIndex.clear();
    FUntranslated.Clear();
}

QString TDictionary::TranslationFor(const QString& german) {
    const auto found = FKeyIndex.constFind(Folded(german));
    if (found != FKeyIndex.cend()) {
        return FValues.at(found.value());
    }
    if (!FValueIndex.contains(Folded(german))) {
        FUntranslated.Add(german);
    }
    return QString();
}

QString TDictionary::GermanFor(const QString& translation) const {
    const auto found = FValueIndex.constFind(Folded(translation));
    return found == FValueIndex.cend() ? QString() : FKeys.at(found.value());
}

bool TDictionary::SaveDictionary(const QString& fileName) const {
    TSortedTexts pairs;
    TSortedTexts untranslated = FUntranslated;
    for (qsizetype i = 0; i < FKeys.size(); ++i) {
        const QString line = FKeys.at(i) + Separator + FValues.at(i);
        if (FValues.at(i).isEmpty()) {
            untranslated.Add(line);
        } else {
            pairs.Add(line);
        }
    }
    QStringList lines = pairs.Texts();
    if (!untranslated.IsEmpty()) {
        lines << QStringLiteral("\r") << QStringLiteral("\r") << QStringLiteral("\r")
              << UntranslatedHeading;
        for (const QString& text : untranslated.Texts()) {
            lines << text + Separator;
        }
    }
    QString text;
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(EncodedForFile(text));
    return file.commit();
}

} // namespace vitrano
