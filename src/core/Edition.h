#pragma once

#include <QString>

namespace vitrano {

// The product variant, fixed when the program is built. Morvena is a customer variant of
// Belvaro.
enum class TEdition { Vitrano, Belvaro, Morvena };

TEdition BuildEdition();

// What the program shows and which files it offers, per edition. The calculations are the same
// in every edition.
struct TEditionData {
    QString EditionName;              // "Belvaro" for Belvaro and Morvena, otherwise "Vitrano"
    QString ProgramTitle;             // window caption and application title
    QString ProjectFileExtension;     // default extension of Open and Save, without the dot
    QString OpenFilter;               // projects, comparisons and legacy projects
    QString WindowProjectFilter;      // the window project opened for a comparison
    QString ComparisonFileFilter;     // comparison files
    QString SaveLabel;                // first word of the Save filter
    bool ShowsFacadeAssistant = true; // facade-assistant button
    bool ShowsLanguageButton = true;
    bool ShowsPartnerLogos = false; // partner logo strip and partner contact panel
    bool ShowsCountryLogo = false;  // country logo in the title band
};

const TEditionData& EditionData(TEdition edition);
const TEditionData& BuildEditionData();

QString EditionName(TEdition edition);
QString EditionProgramTitle(TEdition edition);

// Extension of the comparison files, the same in every edition.
QString ComparisonFileExtension();

enum class TSaveFileKind { Project, Comparison };

// Default extension (without the dot) and filter of the Save dialog, e.g.
// "Quadrel-Dateien (*.xucw)|*.xucw" or "Belvaro WES-Dateien (*.xwes)|*.xwes".
QString SaveFileExtension(TEdition edition, TSaveFileKind kind);
QString SaveFilter(TEdition edition, TSaveFileKind kind);

} // namespace vitrano
