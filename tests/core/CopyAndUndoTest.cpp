#include "RecordBuilders.h"
#include "core/FassadenSatz.h"
#include "core/FassadenStack.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

TFassadenSatz PopulatedRecord() {
    TFassadenSatz satz = test::Facade(2, 2, 3.0, 4.0, test::FrameValues{0.05, 1.6, 0.08}, 0.8);
    satz.Objektdaten.Firma = QStringLiteral("Fensterbau Müller");
    satz.WindowSystem.Name = QStringLiteral("System 82");
    satz.WindowSystem.Hersteller = QStringLiteral("Profilwerk");
    satz.WindowSystem.Mullion.UfValue = 1.1;
    satz.WindowEnergyType = QStringLiteral("wer");
    satz.DruckGlas = QStringLiteral("3-fach");
    TElement& element = satz.Elemente.GetItem(3);
    element.Fuellung.Bezeichnung = QStringLiteral("Glas (man)");
    element.Sonderrahmen.Bezeichnung.Links = QStringLiteral("Pfosten");
    element.Lage.Rechts = true;
    element.Sprossenaufteilung = 3;
    satz.Rechne();
    return satz;
}

TEST(RecordCopy, ChangingTheCopyNeverTouchesTheSource) {
    const TFassadenSatz source = PopulatedRecord();
    TFassadenSatz copy;
    copy.Assign(source);

    TElement& element = copy.Elemente.GetItem(3);
    element.Fuellung.Bezeichnung = QStringLiteral("anders");
    element.Rahmen.UWerte.Oben = 9.0;
    element.Sonderrahmen.Bezeichnung.Links = QStringLiteral("anders");
    element.SetBreite(0.1);
    copy.Objektdaten.Firma.clear();
    copy.WindowSystem.Mullion.UfValue = 9.0;
    copy.Elemente.Add();
    copy.Rechne();

    const TElement& original = source.Elemente.GetItem(3);
    EXPECT_EQ(source.Elemente.Count(), 4);
    EXPECT_EQ(original.Fuellung.Bezeichnung, QStringLiteral("Glas (man)"));
    EXPECT_EQ(original.Rahmen.UWerte.Oben, 1.6);
    EXPECT_EQ(original.Sonderrahmen.Bezeichnung.Links, QStringLiteral("Pfosten"));
    EXPECT_DOUBLE_EQ(original.Breite(), 1.5);
    EXPECT_EQ(source.Objektdaten.Firma, QStringLiteral("Fensterbau Müller"));
    EXPECT_EQ(source.WindowSystem.Mullion.UfValue, 1.1);
}

TEST(RecordCopy, CopyHoldsEverySavedValueAndCalculatesTheSame) {
    const TFassadenSatz source = PopulatedRecord();
    TFassadenSatz copy(source);
    EXPECT_EQ(copy.Objektdaten, source.Objektdaten);
    EXPECT_EQ(copy.WindowSystem.Name, source.WindowSystem.Name);
    EXPECT_EQ(copy.WindowSystem.Hersteller, source.WindowSystem.Hersteller);
    EXPECT_EQ(copy.WindowSystem.Mullion, source.WindowSystem.Mullion);
    EXPECT_TRUE(copy.IsEnergyRating());
    EXPECT_EQ(copy.ErgebnisUwertGesamt, source.ErgebnisUwertGesamt);
    EXPECT_EQ(copy.Elemente.GetItem(3).Lage.Rechts, true);
    EXPECT_EQ(copy.Elemente.GetItem(3).FZeile, 1);

    copy.Rechne();
    EXPECT_EQ(copy.ErgebnisUwertGesamt, source.ErgebnisUwertGesamt);
    EXPECT_EQ(copy.ErgebnisSprossenlaenge, source.ErgebnisSprossenlaenge);
}

TEST(RecordCopy, CopyOutlivesItsSourceAndStillCalculatesAfterResizing) {
    auto source = std::make_unique<TFassadenSatz>(PopulatedRecord());
    source->VerschraubungDeltaU = 0.3;
    source->Rechne();
    TFassadenSatz copy;
    copy.Assign(*source);
    source.reset();

    copy.Elemente.GetItem(0).Checked = true;
    copy.Elemente.BreiteAendern(2.0);
    const TElement& element = copy.Elemente.GetItem(0);
    EXPECT_NEAR(element.Rahmen.FUWert, 1.9, 1e-12); // the surcharge travelled with the copy
    EXPECT_NEAR(element.FlaecheElement, 4.0, 1e-12);
    EXPECT_EQ(copy.GetElement(1, 1), &copy.Elemente.GetItem(0));
}

TEST(RecordCopy, WindowSystemAssignLeavesTheManufacturer) {
    TWERWindowSystem catalogueEntry;
    catalogueEntry.Name = QStringLiteral("S1");
    catalogueEntry.Material = QStringLiteral("Holz");
    catalogueEntry.Hersteller = QStringLiteral("Hersteller A");
    catalogueEntry.SetUfValue(1.0);
    TWERWindowSystem chosen;
    chosen.Hersteller = QStringLiteral("bleibt");
    chosen.Assign(catalogueEntry);
    EXPECT_EQ(chosen.Name, QStringLiteral("S1"));
    EXPECT_EQ(chosen.Material, QStringLiteral("Holz"));
    EXPECT_EQ(chosen.Hersteller, QStringLiteral("bleibt"));
    EXPECT_EQ(chosen.FixedHead.UfValue, 1.0);
    EXPECT_EQ(chosen.Mullion.Width, 0.058);
}

TEST(WindowSystem, SettersChangeAllSevenPositionsAndToStringJoinsManufacturer) {
    TWERWindowSystem system;
    system.SetWidth(0.07);
    system.SetGProtrusion(0.004);
    for (const TWERWindowSystemData* data :
         {&system.FixedJamb, &system.FixedHead, &system.FixedSill, &system.SashJamb,
          &system.SashHead, &system.SashSill, &system.Mullion}) {
        EXPECT_EQ(data->Width, 0.07);
        EXPECT_EQ(data->GProtrusion, 0.004);
        EXPECT_EQ(data->UfValue, 1.3);
    }
    struct Case {
        const char* hersteller;
        const char* expected;
    };
    for (const Case& c : {Case{"M", "M, N"}, Case{"", "N"}, Case{"  ", "  N"}}) {
        system.Name = QStringLiteral("N");
        system.Hersteller = QString::fromUtf8(c.hersteller);
        EXPECT_EQ(system.ToString(), QString::fromUtf8(c.expected));
    }
}

TEST(EnergyRatingMark, OnlyLowerCaseWerCounts) {
    TFassadenSatz satz;
    for (const char* text : {"WER", "Wer", " wer", ""}) {
        satz.WindowEnergyType = QString::fromUtf8(text);
        EXPECT_FALSE(satz.IsEnergyRating()) << text;
    }
    satz.WindowEnergyType = QStringLiteral("wer");
    EXPECT_TRUE(satz.IsEnergyRating());
}

TEST(UndoStack, PopReturnsCopiesInReverseOrder) {
    TFAssadenStack stack;
    TFassadenSatz satz = PopulatedRecord();
    stack.Push(satz);
    satz.Elemente.GetItem(0).Checked = true;
    satz.Elemente.BreiteAendern(2.0);
    satz.Rechne();
    stack.Push(satz);
    satz.Gesamtbreite = 99.0; // the stack holds copies, not the record
    EXPECT_EQ(stack.Count(), 2);
    EXPECT_NEAR(stack.Peek().Gesamtbreite, 3.5, 1e-12);

    std::unique_ptr<TFassadenSatz> second = stack.Pop();
    EXPECT_NEAR(second->Elemente.GetItem(0).Breite(), 2.0, 1e-12);
    std::unique_ptr<TFassadenSatz> first = stack.Pop();
    EXPECT_NEAR(first->Elemente.GetItem(0).Breite(), 1.5, 1e-12);
    EXPECT_NEAR(first->Gesamtbreite, 3.0, 1e-12);
    EXPECT_EQ(stack.Count(), 0);
}

TEST(UndoStack, EmptyStackRaisesAListErrorTheCallerCanCatch) {
    TFAssadenStack stack;
    EXPECT_THROW(stack.Pop(), EListError);
    EXPECT_THROW(stack.Peek(), EListError);

    // The editor's undo: on an empty stack the current record stays as it is.
    auto current = std::make_unique<TFassadenSatz>(PopulatedRecord());
    const double uw = current->ErgebnisUwertGesamt;
    try {
        current = stack.Pop();
    } catch (const EListError&) {
    }
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->ErgebnisUwertGesamt, uw);
}

TEST(UndoStack, ClearFreesAllCopies) {
    TFAssadenStack stack;
    for (int i = 0; i < 3; ++i) {
        stack.Push(TFassadenSatz());
    }
    stack.Clear();
    EXPECT_EQ(stack.Count(), 0);
    EXPECT_THROW(stack.Peek(), EListError);
}

} // namespace
} // namespace vitrano
