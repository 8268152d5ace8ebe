#include "ui/common/TitlePanel.h"

#include "core/GlobalSettings.h"
#include "l10n/Language.h"
#include "ui/common/FormTranslation.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vitrano {
namespace {

TEST(TitlePanel, StartsWithItsDefaults) {
    TTitlePanel panel;
    ASSERT_NE(panel.Header(), nullptr);
    EXPECT_EQ(panel.findChild<QFrame*>(QStringLiteral("FHeader")), panel.Header());
    EXPECT_EQ(panel.Title(), QStringLiteral("Title"));
    EXPECT_EQ(panel.TitleHeight(), 16);
    EXPECT_TRUE(panel.TitleFont().bold());
    EXPECT_EQ(panel.TitleFont().family(), QApplication::font().family());
    EXPECT_EQ(panel.frameShadow(), QFrame::Sunken);
    EXPECT_EQ(panel.Header()->frameShadow(), QFrame::Raised);
}

TEST(TitlePanel, TitleHeightIsAtLeastSixteen) {
    const std::vector<std::pair<int, int>> cases = {{0, 16},  {-3, 16}, {15, 16},
                                                    {16, 16}, {17, 17}, {40, 40}};
    for (const auto& [set, expected] : cases) {
        SCOPED_TRACE(set);
        TTitlePanel panel;
        panel.SetTitleHeight(set);
        EXPECT_EQ(panel.TitleHeight(), expected);
        EXPECT_EQ(panel.property("titleHeight").toInt(), expected);
    }
}

TEST(TitlePanel, PropertiesReachTheHeader) {
    TTitlePanel panel;
    panel.setProperty("title", QStringLiteral("Sprache"));
    QFont font(QApplication::font());
    font.setItalic(true);
    panel.SetTitleFont(font);
    panel.SetTitleColor(QColor(Qt::darkBlue));

    EXPECT_EQ(panel.Title(), QStringLiteral("Sprache"));
    EXPECT_TRUE(panel.Header()->font().italic());
    EXPECT_EQ(panel.Header()->palette().color(QPalette::Window), QColor(Qt::darkBlue));
    EXPECT_TRUE(panel.Header()->autoFillBackground());
}

TEST(TitlePanel, ContentSitsBelowTheHeader) {
    TTitlePanel panel;
    auto* layout = new QVBoxLayout(panel.Content());
    auto* label = new QLabel(QStringLiteral("Inhalt"));
    layout->addWidget(label);
    panel.resize(200, 100);
    panel.show();

    EXPECT_TRUE(panel.Content()->isAncestorOf(label));
    EXPECT_GE(label->mapTo(&panel, QPoint(0, 0)).y(), panel.Header()->geometry().bottom());
}

struct TClickCase {
    std::string Description;
    QPoint ReleaseAt; // relative to the header; (-1, -1) stands for its middle
    int Clicks;
};

TEST(TitlePanel, HeaderBehavesLikeAButton) {
    const std::vector<TClickCase> cases = {
        {"released inside", QPoint(-1, -1), 1},
        {"released outside", QPoint(-20, -20), 0},
    };
    for (const TClickCase& c : cases) {
        SCOPED_TRACE(c.Description);
        TTitlePanel panel;
        panel.resize(200, 100);
        panel.show();
        QFrame* header = panel.Header();
        QSignalSpy clicks(&panel, &TTitlePanel::TitleClick);

        QTest::mousePress(header, Qt::LeftButton, {}, header->rect().center());
        EXPECT_EQ(header->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(clicks.count(), 0);

        const QPoint releaseAt =
            c.ReleaseAt == QPoint(-1, -1) ? header->rect().center() : c.ReleaseAt;
        QTest::mouseRelease(header, Qt::LeftButton, {}, releaseAt);
        EXPECT_EQ(header->frameShadow(), QFrame::Raised);
        EXPECT_EQ(clicks.count(), c.Clicks);
    }
}

TEST(TitlePanel, RightButtonDoesNotClick) {
    TTitlePanel panel;
    QSignalSpy clicks(&panel, &TTitlePanel::TitleClick);
    QTest::mouseClick(panel.Header(), Qt::RightButton, {}, panel.Header()->rect().center());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(panel.Header()->frameShadow(), QFrame::Raised);
}

TEST(TitlePanel, TitleIsTranslatedWithTheForm) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    GlobalSettings().ProgramFolder = folder.path() + u'/';
    QFile file(folder.filePath(QStringLiteral("english.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("\xFEFF"
                              "Sprachauswahl||Language choice\r\n")
                   .toUtf8());
    file.close();
    Tlanguage language;
    language.SetSprachDatei(file.fileName());
    ASSERT_TRUE(language.Uebersetzen());

    QDialog form;
    auto* panel = new TTitlePanel(&form);
    panel->SetTitle(QStringLiteral("Sprachauswahl"));
    ASSERT_TRUE(UebersetzeForm(&form, language));
    ResetGlobalSettings();

    EXPECT_EQ(panel->Title(), QStringLiteral("Language choice"));
    // Nothing but the title was looked up.
    EXPECT_TRUE(language.Dictionary().Untranslated().isEmpty());
}

} // namespace
} // namespace vitrano
