#pragma once

#include <QAnyStringView>
#include <QHash>
#include <QString>
#include <QStringList>

namespace vitrano {

class Tlanguage;

// The message catalogue: every text the program shows to the user, read by identifier. Its
// captions are the German texts, or their translations once translated.
class TFRStringResource {
public:
    TFRStringResource();

    // Captions := the German texts, translated when the translator is active. Always starts from
    // the German texts, so translating twice gives the same captions.
    void Uebersetzen(Tlanguage& translator);

    // The caption of a message; an unknown identifier gives itself back, so that a missing text
    // shows up instead of vanishing.
    QString Caption(QAnyStringView identifier) const;

    int Count() const { return static_cast<int>(FCaptions.size()); }

private:
    QHash<QString, qsizetype> FIndex; // by identifier
    QStringList FCaptions;            // in catalogue order
};

// The catalogue of the running program, translated by Translator() when first used.
TFRStringResource& FRStringResource();

// The caption of a message of the running program's catalogue, e.g. Msg("strZeile").
QString Msg(QAnyStringView identifier);

} // namespace vitrano
