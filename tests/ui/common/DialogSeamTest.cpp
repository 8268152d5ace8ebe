#include "ui/common/DialogSeam.h"

#include "core/UserMessages.h"
#include "ui/common/ScriptedDialogResponder.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <vector>

namespace vitrano {
namespace {

// A small assistant step: OK takes the typed name only when one was entered, Back ends with 4.
class TNameDialog : public QDialog {
public:
    TNameDialog() {
        setObjectName(QStringLiteral("FRname"));
        auto* layout = new QVBoxLayout(this);
        FName = new QLineEdit(this);
        FName->setObjectName(QStringLiteral("edtName"));
        auto* ok = new QPushButton(QStringLiteral("&OK"), this);
        ok->setObjectName(QStringLiteral("Bok"));
        auto* back = new QPushButton(QStringLiteral("< &Zurueck"), this);
        back->setObjectName(QStringLiteral("Bback"));
        layout->addWidget(FName);
        layout->addWidget(ok);
        layout->addWidget(back);
        connect(ok, &QPushButton::clicked, this, [this] { BokClick(); });
        connect(back, &QPushButton::clicked, this,
                [this] { done(static_cast<int>(TModalResult::Back)); });
    }

    QString Accepted;
    int ShowCount = 0;

protected:
    void showEvent(QShowEvent* event) override {
        ++ShowCount;
        QDialog::showEvent(event);
    }

private:
    void BokClick() {
        if (FName->text().isEmpty()) {
            TDialogSeam::ShowMessage(QStringLiteral("strNameMissing"),
                                     QStringLiteral("Bitte einen Namen eingeben"),
                                     TMessageKind::Warning);
            return;
        }
        Accepted = FName->text();
        done(static_cast<int>(TModalResult::OK));
    }

    QLineEdit* FName = nullptr;
};

void ClickButton(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

TEST(DialogSeam, MessagesAreRecordedAndAnsweredInOrder) {
    TScriptedDialogResponder responder;
    TScopedDialogResponder scope(responder);
    responder.QueueMessageAnswer(TModalResult::No);
    responder.QueueMessageAnswer(TModalResult::Yes);

    const TModalResult first = TDialogSeam::ShowMessage(
        QStringLiteral("strWantSave"), QStringLiteral("Wollen Sie das aktuelle Projekt speichern?"),
        TMessageKind::Question, {TModalResult::Yes, TModalResult::No},
        QStringLiteral("Speichern?"));
    const TModalResult second =
        TDialogSeam::ShowMessage(QStringLiteral("strWantSave"), QStringLiteral("again"),
                                 TMessageKind::Question, {TModalResult::Yes, TModalResult::No});

    EXPECT_EQ(first, TModalResult::No);
    EXPECT_EQ(second, TModalResult::Yes);
    ASSERT_EQ(responder.Messages().size(), 2u);
    const TMessageRequest& message = responder.Messages().front();
    EXPECT_EQ(message.Identifier, QStringLiteral("strWantSave"));
    EXPECT_EQ(message.Text, QStringLiteral("Wollen Sie das aktuelle Projekt speichern?"));
    EXPECT_EQ(message.Caption, QStringLiteral("Speichern?"));
    EXPECT_EQ(message.Kind, TMessageKind::Question);
    EXPECT_EQ(message.Buttons, (std::vector<TModalResult>{TModalResult::Yes, TModalResult::No}));
    EXPECT_TRUE(responder.Unexpected().empty());
    EXPECT_EQ(responder.PendingMessageAnswers(), 0u);
}

TEST(DialogSeam, AMessageWithoutButtonsOffersOK) {
    TScriptedDialogResponder responder;
    TScopedDialogResponder scope(responder);
    responder.QueueMessageAnswer(TModalResult::OK);

    TDialogSeam::ShowMessage(QStringLiteral("lInfo"), QStringLiteral("text"),
                             TMessageKind::Information, {});

    ASSERT_EQ(responder.Messages().size(), 1u);
    EXPECT_EQ(responder.Messages().front().Buttons, std::vector<TModalResult>{TModalResult::OK});
}

TEST(DialogSeam, ScriptedResultsEndModalDialogsWithoutBlocking) {
    const std::vector<TModalResult> results = {TModalResult::OK, TModalResult::Cancel,
                                               TModalResult::Abort, TModalResult::Back};
    for (TModalResult result : results) {
        SCOPED_TRACE(static_cast<int>(result));
        TScriptedDialogResponder responder;
        TScopedDialogResponder scope(responder);
        responder.QueueModalAnswer(result);
        TNameDialog dialog;

        EXPECT_EQ(TDialogSeam::ExecModal(dialog), result);

        EXPECT_EQ(dialog.result(), static_cast<int>(result));
        EXPECT_EQ(dialog.ShowCount, 1);
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_EQ(responder.ShownDialogs().size(), 1u);
        EXPECT_EQ(responder.ShownDialogs().front().ObjectName, QStringLiteral("FRname"));
    }
}

TEST(DialogSeam, ThePreparationFillsTheDialogBeforeItIsAnswered) {
    TScriptedDialogResponder responder;
    TScopedDialogResponder scope(responder);
    responder.QueueModalAnswer(TModalResult::OK, [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("edtName"))->setText(QStringLiteral("Nord"));
    });
    TNameDialog dialog;

    EXPECT_EQ(TDialogSeam::ExecModal(dialog), TModalResult::OK);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("edtName"))->text(),
              QStringLiteral("Nord"));
}

TEST(DialogSeam, AnActionEndsTheDialogThroughItsOwnButtons) {
    TScriptedDialogResponder responder;
    TScopedDialogResponder scope(responder);
    // OK with an empty name keeps the dialog open and warns; then a name is typed and OK works.
    responder.QueueMessageAnswer(TModalResult::OK);
    responder.QueueModalAction([](QDialog& dialog) {
        ClickButton(dialog, "Bok");
        EXPECT_TRUE(dialog.isVisible());
        dialog.findChild<QLineEdit*>(QStringLiteral("edtName"))->setText(QStringLiteral("Sued"));
        ClickButton(dialog, "Bok");
    });
    responder.QueueModalAction([](QDialog& dialog) { ClickButton(dialog, "Bback"); });
    TNameDialog dialog;

    EXPECT_EQ(TDialogSeam::ExecModal(dialog), TModalResult::OK);
    EXPECT_EQ(dialog.Accepted, QStringLiteral("Sued"));
    ASSERT_EQ(responder.Messages().size(), 1u);
    EXPECT_EQ(responder.Messages().front().Identifier, QStringLiteral("strNameMissing"));
    EXPECT_EQ(responder.Messages().front().Kind, TMessageKind::Warning);

    EXPECT_EQ(TDialogSeam::ExecModal(dialog), TModalResult::Back);
    EXPECT_EQ(dialog.ShowCount, 2);
    EXPECT_TRUE(responder.Unexpected().empty());
}

TEST(DialogSeam, ClosingWithoutAResultCountsAsCancel) {
    TScriptedDialogResponder responder;
    TScopedDialogResponder scope(responder);
    responder.QueueModalAction([](QDialog& dialog) { dialog.reject(); });
    TNameDialog dialog;

    EXPECT_EQ(TDialogSeam::ExecModal(dialog), TModalResult::Cancel);
    EXPECT_TRUE(responder.Unexpected().empty());
}

TEST(DialogSeam, UnscriptedMessagesAndDialogsAreReported) {
    TScriptedDialogResponder responder;
    TScopedDialogResponder scope(responder);
    responder.QueueModalAction([](QDialog&) {}); // leaves the dialog open
    TNameDialog open;
    TNameDialog unscripted;

    EXPECT_EQ(TDialogSeam::ExecModal(open), TModalResult::Cancel);
    EXPECT_FALSE(open.isVisible());
    EXPECT_EQ(TDialogSeam::ExecModal(unscripted), TModalResult::Cancel);
    EXPECT_EQ(unscripted.ShowCount, 0);
    EXPECT_EQ(TDialogSeam::ShowMessage(QStringLiteral("strWantSave"), QStringLiteral("?"),
                                       TMessageKind::Question,
                                       {TModalResult::Yes, TModalResult::No}),
              TModalResult::Yes);

    ASSERT_EQ(responder.Unexpected().size(), 3u);
    EXPECT_TRUE(responder.Unexpected()[0].contains(QStringLiteral("FRname")));
    EXPECT_TRUE(responder.Unexpected()[2].contains(QStringLiteral("strWantSave")));
}

TEST(DialogSeam, ScopedResponderRestoresThePreviousOne) {
    TScriptedDialogResponder outer;
    TScopedDialogResponder outerScope(outer);
    outer.QueueMessageAnswer(TModalResult::OK);
    {
        TScriptedDialogResponder inner;
        TScopedDialogResponder innerScope(inner);
        inner.QueueMessageAnswer(TModalResult::OK);
        TDialogSeam::ShowMessage(QStringLiteral("inner"), QStringLiteral("1"));
        EXPECT_EQ(inner.Messages().size(), 1u);
    }
    TDialogSeam::ShowMessage(QStringLiteral("outer"), QStringLiteral("2"));

    ASSERT_EQ(outer.Messages().size(), 1u);
    EXPECT_EQ(outer.Messages().front().Identifier, QStringLiteral("outer"));
}

TEST(DialogSeam, UserMessagesOfTheCoreReachTheSeam) {
    TScriptedDialogResponder responder;
    TScopedDialogResponder scope(responder);
    responder.QueueMessageAnswer(TModalResult::OK);
    const TMessageReceiver previous = SetMessageReceiver({});
    RouteUserMessagesToDialogs();

    ShowUserMessage(QStringLiteral("/data/de/1_Rahmen.txt not found!"));
    SetMessageReceiver(previous);

    ASSERT_EQ(responder.Messages().size(), 1u);
    EXPECT_EQ(responder.Messages().front().Identifier, UserMessageIdentifier());
    EXPECT_EQ(responder.Messages().front().Text,
              QStringLiteral("/data/de/1_Rahmen.txt not found!"));
    EXPECT_EQ(responder.Messages().front().Buttons, std::vector<TModalResult>{TModalResult::OK});
}

} // namespace
} // namespace vitrano
