#include "core/Edition.h"

namespace vitrano {

namespace {

TEditionData VitranoData() {
    TEditionData data;
    data.EditionName = QStringLiteral("Vitrano");
    data.ProgramTitle = QStringLiteral("Vitrano");
    data.ProjectFileExtension = QStringLiteral("xucw");
    data.OpenFilter = QStringLiteral("Quadrel Dateien (*.xucw)|*.xucw|"
                                     "Quadrel WES-Dateien (*.xwes)|*.xwes|"
                                     "Quadrel Dateien (Version 3.10-4.60)|*.ucw");
    data.WindowProjectFilter = QStringLiteral("Quadrel Dateien (*.xucw)|*.xucw");
    data.ComparisonFileFilter = QStringLiteral("Quadrel WES-Dateien (*.xwes)|*.xwes");
    data.SaveLabel = QStringLiteral("Quadrel");
    return data;
}

TEditionData BelvaroData() {
    TEditionData data;
    data.EditionName = QStringLiteral("Belvaro");
    data.ProgramTitle = QStringLiteral("Belvaro");
    data.ProjectFileExtension = QStringLiteral("xzelvik");
    data.OpenFilter = QStringLiteral("Belvaro Dateien (*.xzelvik)|*.xzelvik|"
                                     "Belvaro WES-Dateien (*.xwes)|*.xwes|"
                                     "Belvaro Dateien (Version 3.10-4.60)|*.zelvik");
    data.WindowProjectFilter = QStringLiteral("Belvaro Dateien (*.xzelvik)|*.xzelvik");
    data.ComparisonFileFilter = QStringLiteral("Belvaro WES-Dateien (*.xwes)|*.xwes");
    data.SaveLabel = QStringLiteral("Belvaro");
    data.ShowsPartnerLogos = true;
    return data;
}

TEditionData MorvenaData() {
    TEditionData data = BelvaroData();
    data.ProgramTitle = QStringLiteral("Belvaro Morvena");
    data.ShowsFacadeAssistant = false;
    data.ShowsLanguageButton = false;
    data.ShowsCountryLogo = true;
    return data;
}

QString SaveFilterSeparator(TSaveFileKind kind) {
    return kind == TSaveFileKind::Comparison ? QStringLiteral(" WES-") : QStringLiteral("-");
}

} // namespace

TEdition BuildEdition() {
#if defined(VITRANO_EDITION_Belvaro)
    return TEdition::Belvaro;
#elif defined(VITRANO_EDITION_Morvena)
    return TEdition::Morvena;
#else
    return TEdition::Vitrano;
#endif
}

const TEditionData& EditionData(TEdition edition) {
    static const TEditionData vitrano = VitranoData();
    static const TEditionData belvaro = BelvaroData();
    static const TEditionData morvena = MorvenaData();
    switch (edition) {
    case TEdition::Belvaro:
        return belvaro;
    case TEdition::Morvena:
        return morvena;
    case TEdition::Vitrano:
        break;
    }
    return vitrano;
}

const TEditionData& BuildEditionData() {
    return EditionData(BuildEdition());
}

QString EditionName(TEdition edition) {
    return EditionData(edition).EditionName;
}

QString EditionProgramTitle(TEdition edition) {
    return EditionData(edition).ProgramTitle;
}

QString ComparisonFileExtension() {
    return QStringLiteral("xwes");
}

QString SaveFileExtension(TEdition edition, TSaveFileKind kind) {
    return kind == TSaveFileKind::Comparison ? ComparisonFileExtension()
                                             : EditionData(edition).ProjectFileExtension;
}

QString SaveFilter(TEdition edition, TSaveFileKind kind) {
    const QString extension = SaveFileExtension(edition, kind);
    return EditionData(edition).SaveLabel + SaveFilterSeparator(kind) +
           QStringLiteral("Dateien (*.") + extension + QStringLiteral(")|*.") + extension;
}

} // namespace vitrano
