#include "core/Edition.h"

#include <gtest/gtest.h>
#include <vector>

namespace vitrano {
namespace {

struct TEditionCase {
    TEdition Edition;
    const char* Name;
    const char* Title;
    const char* Extension;
    const char* OpenFilter;
    const char* WindowProjectFilter;
    const char* ComparisonFileFilter;
    bool FacadeAssistant;
    bool LanguageButton;
    bool PartnerLogos;
    bool CountryLogo;
};

const char* const kBelvaroOpen = "Belvaro Dateien (*.xzelvik)|*.xzelvik|"
                                 "Belvaro WES-Dateien (*.xwes)|*.xwes|"
                                 "Belvaro Dateien (Version 3.10-4.60)|*.zelvik";

const std::vector<TEditionCase> kEditions = {
    {TEdition::Vitrano, "Vitrano", "Vitrano", "xucw",
     "Quadrel Dateien (*.xucw)|*.xucw|Quadrel WES-Dateien (*.xwes)|*.xwes|"
     "Quadrel Dateien (Version 3.10-4.60)|*.ucw",
     "Quadrel Dateien (*.xucw)|*.xucw", "Quadrel WES-Dateien (*.xwes)|*.xwes", true, true, false,
     false},
    {TEdition::Belvaro, "Belvaro", "Belvaro", "xzelvik", kBelvaroOpen,
     "Belvaro Dateien (*.xzelvik)|*.xzelvik", "Belvaro WES-Dateien (*.xwes)|*.xwes", true, true,
     true, false},
    {TEdition::Morvena, "Belvaro", "Belvaro Morvena", "xzelvik", kBelvaroOpen,
     "Belvaro Dateien (*.xzelvik)|*.xzelvik", "Belvaro WES-Dateien (*.xwes)|*.xwes", false, false,
     true, true},
};

TEST(Edition, DataOfEveryEdition) {
    for (const TEditionCase& expected : kEditions) {
        SCOPED_TRACE(expected.Title);
        const TEditionData& data = EditionData(expected.Edition);
        EXPECT_EQ(data.EditionName, QString::fromUtf8(expected.Name));
        EXPECT_EQ(EditionName(expected.Edition), QString::fromUtf8(expected.Name));
        EXPECT_EQ(data.ProgramTitle, QString::fromUtf8(expected.Title));
        EXPECT_EQ(EditionProgramTitle(expected.Edition), QString::fromUtf8(expected.Title));
        EXPECT_EQ(data.ProjectFileExtension, QString::fromUtf8(expected.Extension));
        EXPECT_EQ(data.OpenFilter, QString::fromUtf8(expected.OpenFilter));
        EXPECT_EQ(data.WindowProjectFilter, QString::fromUtf8(expected.WindowProjectFilter));
        EXPECT_EQ(data.ComparisonFileFilter, QString::fromUtf8(expected.ComparisonFileFilter));
        EXPECT_EQ(data.ShowsFacadeAssistant, expected.FacadeAssistant);
        EXPECT_EQ(data.ShowsLanguageButton, expected.LanguageButton);
        EXPECT_EQ(data.ShowsPartnerLogos, expected.PartnerLogos);
        EXPECT_EQ(data.ShowsCountryLogo, expected.CountryLogo);
    }
}

TEST(Edition, SaveExtensionAndFilter) {
    struct TSaveCase {
        TEdition Edition;
        TSaveFileKind Kind;
        const char* Extension;
        const char* Filter;
    };
    const std::vector<TSaveCase> cases = {
        {TEdition::Vitrano, TSaveFileKind::Project, "xucw", "Quadrel-Dateien (*.xucw)|*.xucw"},
        {TEdition::Belvaro, TSaveFileKind::Project, "xzelvik",
         "Belvaro-Dateien (*.xzelvik)|*.xzelvik"},
        {TEdition::Morvena, TSaveFileKind::Project, "xzelvik",
         "Belvaro-Dateien (*.xzelvik)|*.xzelvik"},
        {TEdition::Vitrano, TSaveFileKind::Comparison, "xwes",
         "Quadrel WES-Dateien (*.xwes)|*.xwes"},
        {TEdition::Belvaro, TSaveFileKind::Comparison, "xwes",
         "Belvaro WES-Dateien (*.xwes)|*.xwes"},
        {TEdition::Morvena, TSaveFileKind::Comparison, "xwes",
         "Belvaro WES-Dateien (*.xwes)|*.xwes"},
    };
    for (const TSaveCase& c : cases) {
        SCOPED_TRACE(c.Filter);
        EXPECT_EQ(SaveFileExtension(c.Edition, c.Kind), QString::fromUtf8(c.Extension));
        EXPECT_EQ(SaveFilter(c.Edition, c.Kind), QString::fromUtf8(c.Filter));
    }
}

TEST(Edition, ComparisonSaveFilterIsTheComparisonOpenFilter) {
    for (const TEditionCase& edition : kEditions) {
        SCOPED_TRACE(edition.Title);
        EXPECT_EQ(SaveFilter(edition.Edition, TSaveFileKind::Comparison),
                  EditionData(edition.Edition).ComparisonFileFilter);
    }
}

TEST(Edition, BuildEditionDataIsThatOfTheBuildEdition) {
    EXPECT_EQ(&BuildEditionData(), &EditionData(BuildEdition()));
}

} // namespace
} // namespace vitrano
