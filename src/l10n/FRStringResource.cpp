#include "l10n/FRStringResource.h"

#include "l10n/CatalogueEntries.h"
#include "l10n/Language.h"

namespace vitrano {

namespace {

template <typename Visit>
void ForEachEntry(Visit visit) {
    for (const auto entries : {CatalogueEntries(), AddedCatalogueEntries()}) {
        for (const TCatalogueEntry& entry : entries) {
            visit(entry);
        }
    }
}

} // namespace

TFRStringResource::TFRStringResource() {
    ForEachEntry([this](const TCatalogueEntry& entry) {
        FIndex.insert(entry.Identifier.toString(), FCaptions.size());
        FCaptions.append(entry.German.toString());
    });
}

void TFRStringResource::Uebersetzen(Tlanguage& translator) {
    qsizetype index = 0;
    ForEachEntry([&](const TCatalogueEntry& entry) {
        const QString german = entry.German.toString();
        FCaptions[index++] = translator.Uebersetzen() ? translator.Uebersetze(german) : german;
    });
}

QString TFRStringResource::Caption(QAnyStringView identifier) const {
    const QString key = identifier.toString();
    const auto found = FIndex.constFind(key);
    return found == FIndex.cend() ? key : FCaptions.at(found.value());
}

TFRStringResource& FRStringResource() {
    static TFRStringResource catalogue = [] {
        TFRStringResource translated;
        translated.Uebersetzen(Translator());
        return translated;
    }();
    return catalogue;
}

QString Msg(QAnyStringView identifier) {
    return FRStringResource().Caption(identifier);
}

} // namespace vitrano
