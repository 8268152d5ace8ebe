#include "ui/common/FormTranslation.h"

#include "l10n/Language.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <exception>

namespace vitrano {

namespace {

// Titled panels (TTitlePanel) declare their title as a QString property "title"; every widget
// that does so has its title translated like a caption.
const char* const TitleProperty = "title";

class TFormTranslator {
public:
    explicit TFormTranslator(Tlanguage& translator)
        : FTranslator(translator) {}

    void TranslateChildren(QObject* parent) {
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            // A window of its own is another form, translated when it is created; menus are
            // windows too in Qt, but belong to the form.
            if (widget != nullptr && widget->isWindow() &&
                qobject_cast<QMenu*>(widget) == nullptr) {
                continue;
            }
            TranslateComponent(child);
            if (!HasOwnParts(child)) {
                TranslateChildren(child);
            }
        }
    }

    QString Translated(const QString& text) {
        return text.isEmpty() ? text : FTranslator.Uebersetze(text);
    }

private:
    void TranslateComponent(QObject* component) {
        if (auto* action = qobject_cast<QAction*>(component)) {
            TranslateAction(action);
            return;
        }
        auto* widget = qobject_cast<QWidget*>(component);
        if (widget == nullptr) {
            return;
        }
        if (!TranslateCaption(widget)) {
            return;
        }
        widget->setToolTip(Translated(widget->toolTip()));
    }

    // The caption of the kinds that have one; false for kinds that stay German entirely.
    bool TranslateCaption(QWidget* widget) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(Translated(label->text()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(Translated(button->text()));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(Translated(group->title()));
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            menu->setTitle(Translated(menu->title()));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            TranslateTabs(tabs);
        } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            TranslateHeader(tree);
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            TranslateHeader(table);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            TranslateItems(combo);
        } else if (HasTitleProperty(widget)) {
            widget->setProperty(TitleProperty,
                                Translated(widget->property(TitleProperty).toString()));
        } else if (!IsContainer(widget)) {
            return false;
        }
        return true;
    }

    // An action's tool tip follows its text unless it was set on its own.
    void TranslateAction(QAction* action) {
        QAction textOnly;
        textOnly.setText(action->text());
        if (action->toolTip() != textOnly.toolTip()) {
            action->setToolTip(Translated(action->toolTip()));
        }
        action->setText(Translated(action->text()));
    }

    void TranslateTabs(QTabWidget* tabs) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setTabText(i, Translated(tabs->tabText(i)));
        }
    }

    void TranslateHeader(QTreeWidget* tree) {
        QTreeWidgetItem* header = tree->headerItem();
        for (int column = 0; header != nullptr && column < header->columnCount(); ++column) {
            header->setText(column, Translated(header->text(column)));
        }
    }

    // Only the column captions: the cells of a grid stay as they are.
    void TranslateHeader(QTableWidget* table) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem* item = table->horizontalHeaderItem(column)) {
                item->setText(Translated(item->text()));
            }
        }
    }

    // A combo box that keeps its items in alphabetical order is sorted again afterwards; the
    // current item stays current.
    void TranslateItems(QComboBox* combo) {
        for (int i = 0; i < combo->count(); ++i) {
            combo->setItemText(i, Translated(combo->itemText(i)));
        }
        if (combo->insertPolicy() == QComboBox::InsertAlphabetically) {
            combo->model()->sort(0);
        }
    }

    static bool HasTitleProperty(const QWidget* widget) {
        const QMetaObject* meta = widget->metaObject();
        const int index = meta->indexOfProperty(TitleProperty);
        return index >= 0 && meta->property(index).metaType() == QMetaType::fromType<QString>();
    }

    // Panels and frames: plain widgets and the program's own widgets built directly on them,
    // whose children are walked; they carry a hint only.
    static bool IsContainer(const QWidget* widget) {
        const QMetaObject* meta = widget->metaObject();
        while (meta != nullptr && QByteArrayView(meta->className()).contains("::")) {
            meta = meta->superClass(); // skip classes of the program, which live in a namespace
        }
        return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject;
    }

    // Edit fields, lists, grids and combo boxes are made of inner widgets and actions that are
    // no part of the form's design.
    static bool HasOwnParts(const QObject* component) {
        return qobject_cast<const QComboBox*>(component) != nullptr ||
               qobject_cast<const QLineEdit*>(component) != nullptr ||
               qobject_cast<const QAbstractSpinBox*>(component) != nullptr ||
               qobject_cast<const QAbstractItemView*>(component) != nullptr ||
               qobject_cast<const QTextEdit*>(component) != nullptr ||
               qobject_cast<const QPlainTextEdit*>(component) != nullptr;
    }

    Tlanguage& FTranslator;
};

} // namespace

bool UebersetzeForm(QWidget* form, Tlanguage& translator) {
    if (!translator.Uebersetzen()) {
        return true;
    }
    try {
        TFormTranslator formTranslator(translator);
        form->setWindowTitle(formTranslator.Translated(form->windowTitle()));
        formTranslator.TranslateChildren(form);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool UebersetzeForm(QWidget* form) {
    return UebersetzeForm(form, Translator());
}

} // namespace vitrano
