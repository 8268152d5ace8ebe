#include "ui/common/FormTranslation.h"

#include "core/GlobalSettings.h"
#include "l10n/Language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace vitrano {
namespace {

// Stands in for the program's titled panel: a widget with a "title" property.
class TestTitlePanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ Title WRITE SetTitle)

public:
    using QWidget::QWidget;
    QString Title() const { return FTitle; }
    void SetTitle(const QString& title) { FTitle = title; }

private:
    QString FTitle;
};

// A frame of the program: its own widget class holding components.
class TestFrame : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

// A form with one component of every kind, all captioned in German.
struct TTestForm {
    QDialog Form;
    QLabel* Label = new QLabel(QStringLiteral("&Zeile"), &Form);
    QFrame* Panel = new QFrame(&Form);
    QLabel* NestedLabel = new QLabel(QStringLiteral("Pfosten"), Panel);
    TestFrame* Frame = new TestFrame(Panel);
    QPushButton* Button = new QPushButton(QStringLiteral("&Abbrechen"), Frame);
    QCheckBox* Check = new QCheckBox(QStringLiteral("Zeile"), &Form);
    QGroupBox* Group = new QGroupBox(QStringLiteral("Randlage"), &Form);
    QRadioButton* Radio = new QRadioButton(QStringLiteral("Spalte"), Group);
    QToolButton* Tool = new QToolButton(&Form);
    QTabWidget* Tabs = new QTabWidget(&Form);
    QLabel* PageLabel = new QLabel(QStringLiteral("Spalte"));
    QTreeWidget* Tree = new QTreeWidget(&Form);
    QTableWidget* Table = new QTableWidget(1, 2, &Form);
    QLineEdit* Edit = new QLineEdit(QStringLiteral("Nicht nachschlagen"), &Form);
    QListWidget* List = new QListWidget(&Form);
    QMenuBar* MenuBar = new QMenuBar(&Form);
    QMenu* Menu = MenuBar->addMenu(QStringLiteral("&Datei"));
    QAction* TippedAction = Menu->addAction(QStringLiteral("Zeile"));
    QAction* PlainAction = Menu->addAction(QStringLiteral("Riegel"));
    QComboBox* Combo = new QComboBox(&Form);
    QComboBox* SortedCombo = new QComboBox(&Form);
    TestTitlePanel* TitlePanel = new TestTitlePanel(&Form);
    QLabel* Unknown = new QLabel(QStringLiteral("Unbekannt"), &Form);
    QDialog* OtherForm = new QDialog(&Form);
    QLabel* OtherLabel = new QLabel(QStringLiteral("Spalte"), OtherForm);

    TTestForm() {
        Form.setWindowTitle(QStringLiteral("Sprache wählen"));
        Label->setToolTip(QStringLiteral("Spalte"));
        Panel->setToolTip(QStringLiteral("Riegel"));
        Group->setToolTip(QStringLiteral("Zeile"));
        Tool->setText(QStringLiteral("Pfosten"));
        Tool->setToolTip(QStringLiteral("Riegel"));
        auto* page = new QWidget;
        PageLabel->setParent(page);
        Tabs->addTab(page, QStringLiteral("&Zeile"));
        Tree->setHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Spalte")});
        Tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Zeile")}));
        Table->setHorizontalHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Spalte")});
        Table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Zeile")));
        Edit->setToolTip(QStringLiteral("Spalte"));
        List->addItem(QStringLiteral("Zeile"));
        TippedAction->setToolTip(QStringLiteral("Spalte"));
        Combo->addItems({QStringLiteral("Zeile"), QStringLiteral("Spalte")});
        SortedCombo->setInsertPolicy(QComboBox::InsertAlphabetically);
        SortedCombo->addItems({QStringLiteral("Abbrechen"), QStringLiteral("Spalte")});
        SortedCombo->setCurrentIndex(1);
        TitlePanel->SetTitle(QStringLiteral("Titel"));
        TitlePanel->setToolTip(QStringLiteral("Zeile"));
        OtherForm->setWindowTitle(QStringLiteral("Zeile"));
    }
};

class FormTranslation : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFolder.isValid());
        GlobalSettings().ProgramFolder = FFolder.path() + u'/';
        QFile file(FFolder.filePath(QStringLiteral("english.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("\xFEFF"
                                  "Zeile||Row\r\nSpalte||Column\r\nriegel||Transom\r\n"
                                  "Pfosten||Mullion\r\nAbbrechen||&Cancel\r\nDatei||File\r\n"
                                  "Randlage||Edge\r\nSprache wählen||Choose language\r\n"
                                  "Titel||Title\r\n")
                       .toUtf8());
        file.close();
        FLanguage.SetSprachDatei(file.fileName());
        ASSERT_TRUE(FLanguage.Uebersetzen());
    }
    void TearDown() override { ResetGlobalSettings(); }

    QTemporaryDir FFolder;
    Tlanguage FLanguage;
};

TEST_F(FormTranslation, TranslatesCaptionsAndHintsOfEveryTranslatedKind) {
    TTestForm f;
    ASSERT_TRUE(UebersetzeForm(&f.Form, FLanguage));

    struct TCase {
        const char* What;
        QString Shown;
        const char* Expected;
    };
    const std::vector<TCase> cases = {
        {"form title", f.Form.windowTitle(), "Choose language"},
        {"label", f.Label->text(), "Row"},
        {"label hint", f.Label->toolTip(), "Column"},
        {"panel hint", f.Panel->toolTip(), "Transom"},
        {"label in a panel", f.NestedLabel->text(), "Mullion"},
        {"button in a frame", f.Button->text(), "Cancel"},
        {"check box", f.Check->text(), "Row"},
        {"group box", f.Group->title(), "Edge"},
        {"group box hint", f.Group->toolTip(), "Row"},
        {"radio button", f.Radio->text(), "Column"},
        {"tool button", f.Tool->text(), "Mullion"},
        {"tool button hint", f.Tool->toolTip(), "Transom"},
        {"tab page", f.Tabs->tabText(0), "Row"},
        {"label on a tab page", f.PageLabel->text(), "Column"},
        {"list view column", f.Tree->headerItem()->text(1), "Column"},
        {"list view item", f.Tree->topLevelItem(0)->text(0), "Zeile"},
        {"grid column caption", f.Table->horizontalHeaderItem(0)->text(), "Row"},
        {"grid cell", f.Table->item(0, 0)->text(), "Zeile"},
        {"edit field", f.Edit->text(), "Nicht nachschlagen"},
        {"edit field hint", f.Edit->toolTip(), "Spalte"},
        {"list box", f.List->item(0)->text(), "Zeile"},
        {"menu", f.Menu->title(), "File"},
        {"menu item", f.TippedAction->text(), "Row"},
        {"menu item hint", f.TippedAction->toolTip(), "Column"},
        {"menu item hint following its text", f.PlainAction->toolTip(), "Transom"},
        {"combo box item", f.Combo->itemText(1), "Column"},
        {"titled panel", f.TitlePanel->Title(), "Title"},
        {"titled panel hint", f.TitlePanel->toolTip(), "Row"},
        {"text without translation", f.Unknown->text(), "Unbekannt"},
        {"another form", f.OtherForm->windowTitle(), "Zeile"},
        {"label of another form", f.OtherLabel->text(), "Spalte"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(c.Shown, QString::fromUtf8(c.Expected));
    }
    EXPECT_EQ(FLanguage.Dictionary().Untranslated(), QStringList({"Unbekannt"}));
}

TEST_F(FormTranslation, SortedComboBoxIsSortedAgainAndKeepsItsCurrentItem) {
    TTestForm f;
    ASSERT_TRUE(UebersetzeForm(&f.Form, FLanguage));

    ASSERT_EQ(f.SortedCombo->count(), 2);
    EXPECT_EQ(f.SortedCombo->itemText(0), QStringLiteral("Cancel"));
    EXPECT_EQ(f.SortedCombo->itemText(1), QStringLiteral("Column"));
    EXPECT_EQ(f.SortedCombo->currentText(), QStringLiteral("Column"));
}

TEST_F(FormTranslation, TranslatingAgainChangesNothingAndRecordsNothing) {
    TTestForm f;
    ASSERT_TRUE(UebersetzeForm(&f.Form, FLanguage));
    const QStringList untranslated = FLanguage.Dictionary().Untranslated();

    ASSERT_TRUE(UebersetzeForm(&f.Form, FLanguage));

    EXPECT_EQ(f.Label->text(), QStringLiteral("Row"));
    EXPECT_EQ(f.Button->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(f.Menu->title(), QStringLiteral("File"));
    EXPECT_EQ(FLanguage.Dictionary().Untranslated(), untranslated);
}

TEST(FormTranslationOff, GermanInterfaceLeavesTheFormAsDesigned) {
    Tlanguage german;
    TTestForm f;
    ASSERT_TRUE(UebersetzeForm(&f.Form, german));

    EXPECT_EQ(f.Form.windowTitle(), QStringLiteral("Sprache wählen"));
    EXPECT_EQ(f.Label->text(), QStringLiteral("&Zeile"));
    EXPECT_EQ(f.Button->text(), QStringLiteral("&Abbrechen"));
    EXPECT_EQ(f.Menu->title(), QStringLiteral("&Datei"));
}

} // namespace
} // namespace vitrano

#include "FormTranslationTest.moc"
