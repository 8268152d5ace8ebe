#include "core/Edition.h"
#include "shell/Tfmain.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

TEST(MainWindow, ShowsWithTheEditionsTitle) {
    Tfmain window;
    window.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), EditionProgramTitle(BuildEdition()));
}

TEST(Editions, TitlesOfTheThreeEditions) {
    EXPECT_EQ(EditionProgramTitle(TEdition::Vitrano), QStringLiteral("Vitrano"));
    EXPECT_EQ(EditionProgramTitle(TEdition::Belvaro), QStringLiteral("Belvaro"));
    EXPECT_EQ(EditionProgramTitle(TEdition::Morvena), QStringLiteral("Belvaro Morvena"));
}

} // namespace
} // namespace vitrano
