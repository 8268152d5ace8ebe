#include "shell/WindowChain.h"

#include "ShellFixture.h"
#include "shell/ProjectKind.h"
#include "shell/Tfmain.h"

#include <map>
#include <stdexcept>

namespace vitrano {
namespace {

// Steps that record their names and answer from a script per step.
class ScriptedSteps {
public:
    explicit ScriptedSteps(std::map<QString, std::vector<TModalResult>> script)
        : FScript(std::move(script)) {}

    TWindowChainSteps Steps(const QString& absent = QString()) {
        TWindowChainSteps steps;
        steps.Fensterrahmen = Step(QStringLiteral("frame"));
        steps.FassGlas = Step(QStringLiteral("infill"));
        steps.FensterPsi = Step(QStringLiteral("spacer"));
        steps.AirLeakage = Step(QStringLiteral("air"));
        steps.Editor = Step(QStringLiteral("editor"));
        for (TAssistantStep* step : {&steps.Fensterrahmen, &steps.FassGlas, &steps.FensterPsi,
                                     &steps.AirLeakage, &steps.Editor}) {
            if (absent.contains(NameOf(steps, step))) {
                *step = {};
            }
        }
        return steps;
    }

    QStringList Visited;

private:
    static QString NameOf(TWindowChainSteps& steps, TAssistantStep* step) {
        if (step == &steps.Fensterrahmen)
            return QStringLiteral("frame");
        if (step == &steps.FassGlas)
            return QStringLiteral("infill");
        if (step == &steps.FensterPsi)
            return QStringLiteral("spacer");
        if (step == &steps.AirLeakage)
            return QStringLiteral("air");
        return QStringLiteral("editor");
    }

    TAssistantStep Step(const QString& name) {
        return [this, name](TFassadenSatz&) {
            Visited.append(name);
            std::vector<TModalResult>& answers = FScript[name];
            if (answers.empty()) {
                return TModalResult::OK;
            }
            const TModalResult answer = answers.front();
            answers.erase(answers.begin());
            if (answer == TModalResult::None) {
                throw std::runtime_error("step failed");
            }
            return answer;
        };
    }

    std::map<QString, std::vector<TModalResult>> FScript;
};

TEST(WindowChain, WalksTheStepsByResultAndRecord) {
    using R = TModalResult;
    struct TCase {
        const char* Name;
        bool EnergyRating, HotBox, Inserting;
        std::map<QString, std::vector<TModalResult>> Script;
        QString Absent;
        QString Expected;
        TModalResult Result;
    };
    const TCase cases[] = {
        {"plain window", false, false, false, {}, {}, "frame infill spacer editor", R::OK},
        {"rating window", true, false, false, {}, {}, "frame infill spacer air editor", R::OK},
        {"back from infill and spacer",
         false,
         false,
         false,
         {{"infill", {R::Back}}, {"spacer", {R::Back}}},
         {},
         "frame infill frame infill spacer infill spacer editor",
         R::OK},
        {"air back without hot box",
         true,
         false,
         false,
         {{"air", {R::Back}}},
         {},
         "frame infill spacer air spacer air editor",
         R::OK},
        {"air back with hot box",
         true,
         true,
         false,
         {{"air", {R::Back}}},
         {},
         "frame infill spacer air infill spacer air editor",
         R::OK},
        {"abort in spacer",
         false,
         false,
         false,
         {{"spacer", {R::Abort}}},
         {},
         "frame infill spacer",
         R::Abort},
        {"cancel in frame", false, false, false, {{"frame", {R::Cancel}}}, {}, "frame", R::Abort},
        {"back in frame ends", false, false, false, {{"frame", {R::Back}}}, {}, "frame", R::Abort},
        {"inserting a window", true, false, true, {}, {}, "frame infill spacer", R::OK},
        {"infill fails",
         false,
         false,
         false,
         {{"infill", {R::None}}},
         {},
         "frame infill",
         R::Abort},
        {"absent frame, back from infill",
         false,
         false,
         false,
         {{"infill", {R::Back}}},
         "frame",
         "infill infill spacer editor",
         R::OK},
        {"absent editor", false, false, false, {}, "editor", "frame infill spacer", R::OK},
        {"rating window without air dialog",
         true,
         false,
         false,
         {},
         "air",
         "frame infill spacer editor",
         R::OK},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TScriptedDialogResponder responder;
        TScopedDialogResponder scoped(responder);
        TFassadenSatz satz;
        if (c.EnergyRating) {
            satz.WindowEnergyType = QStringLiteral("wer");
        }
        satz.HotBox = c.HotBox;
        ScriptedSteps steps(c.Script);
        EXPECT_EQ(RunWindowChain(satz, steps.Steps(c.Absent), c.Inserting), c.Result);
        EXPECT_EQ(steps.Visited.join(' '), c.Expected);
        const bool failed = QString::fromUtf8(c.Name) == u"infill fails";
        ASSERT_EQ(responder.Messages().size(), failed ? 1U : 0U);
        if (failed) {
            EXPECT_EQ(responder.Messages()[0].Identifier, QStringLiteral("strFehlerShowFassGlas"));
            EXPECT_EQ(responder.Messages()[0].Text,
                      QStringLiteral("Fehler in Tfmain.ShowFassGlas"));
        }
    }
}

TEST(WindowChain, WithoutAnyDialogNothingRuns) {
    TFassadenSatz satz;
    EXPECT_EQ(RunWindowChain(satz, TWindowChainSteps{}, false), TModalResult::Abort);
}

class WindowAssistantTest : public test::ShellTest {};

TEST_F(WindowAssistantTest, AFinishedRunBecomesTheProjectAnAbortedOneLeavesIt) {
    Tfmain window;
    window.show();
    GlobalSettings().CurrentProjectFile = PathOf("bisher.xucw");
    window.FDatei.Objektdaten.Firma = QStringLiteral("Bisher");

    ScriptedSteps aborting({{"spacer", {TModalResult::Abort}}});
    window.Dialogs().WindowChain = aborting.Steps();
    window.BeinzelClick();
    EXPECT_EQ(window.ProjectKind(), ProjectKind::None);
    EXPECT_EQ(window.FDatei.Objektdaten.Firma, QStringLiteral("Bisher"));
    EXPECT_EQ(GlobalSettings().CurrentProjectFile, PathOf("bisher.xucw"));
    EXPECT_TRUE(window.ProjectSaved());

    ScriptedSteps finishing({});
    window.Dialogs().WindowChain = finishing.Steps();
    window.BeinzelClick();
    EXPECT_EQ(finishing.Visited.join(' '), QStringLiteral("frame infill spacer editor"));
    EXPECT_EQ(window.ProjectKind(), ProjectKind::Einzel);
    EXPECT_FALSE(window.ProjectSaved());
    EXPECT_EQ(window.FDatei.Fenstertyp, 1);
    EXPECT_FALSE(window.FDatei.Fassade);
    for (const char* name : {"Beditor", "BObjektdaten", "btnSpeichern", "lblNew"}) {
        EXPECT_TRUE(window.findChild<QWidget*>(QString::fromLatin1(name))->isEnabled()) << name;
    }
    for (const char* name : {"Beinzel", "Bassi", "sbWER", "sbWES"}) {
        EXPECT_FALSE(window.findChild<QWidget*>(QString::fromLatin1(name))->isEnabled()) << name;
    }
}

TEST_F(WindowAssistantTest, RatingAssistantStartsARatingWindowWithTheHotBoxChoice) {
    Tfmain window;
    window.show();
    ScriptedSteps steps({});
    window.Dialogs().WindowChain = steps.Steps();
    window.Dialogs().WERAssistant = [] { return std::optional<bool>(true); };
    window.sbWERClick();
    EXPECT_EQ(steps.Visited.join(' '), QStringLiteral("frame infill spacer air editor"));
    EXPECT_TRUE(window.FDatei.IsEnergyRating());
    EXPECT_TRUE(window.FDatei.HotBox);
    EXPECT_EQ(window.ProjectKind(), ProjectKind::Einzel);
}

} // namespace
} // namespace vitrano
