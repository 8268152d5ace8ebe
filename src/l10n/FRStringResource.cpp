#include "l10n/FRStringResource.h"

#include "l10n/CatalogueEntries.h"
#include "l10n/Language.h"

namespace vitrano {

TFRStringResource::TFRStringResource() {
    for (const TCatalogueEntry& entry : CatalogueEntries()) {
        FIndex.insert(entry.Identifier.toString(), FCaptions.size());
        FCaptions.append(entry.German.toString());
    }
}

void TFRStringResource::Uebersetzen(Tlanguage& translator) {
    const auto entries = CatalogueEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QString german = entries[i].German.toString();
        FCaptions[static_cast<qsizetype>(i)] =
            translator.Uebersetzen() ? translator.Uebersetze(german) : german;
    }
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
