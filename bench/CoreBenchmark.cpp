// Timing of the calculation core: the whole calculation of a 10 x 10 facade,
// taking an undo copy of it and drawing its pictures.

#include "BenchRecords.h"
#include "core/FassadenSatz.h"
#include "core/FassadenStack.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RechneFacade10x10(benchmark::State& state) {
    vitrano::TFassadenSatz satz = vitrano::bench::TenByTenFacade();
    for (auto _ : state) {
        satz.Rechne();
        benchmark::DoNotOptimize(satz.ErgebnisUwertGesamt);
    }
}
BENCHMARK(BM_RechneFacade10x10);

void BM_UndoPushFacade10x10(benchmark::State& state) {
    const vitrano::TFassadenSatz satz = vitrano::bench::TenByTenFacade();
    vitrano::TFAssadenStack stack;
    for (auto _ : state) {
        stack.Push(satz);
        state.PauseTiming();
        stack.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoPushFacade10x10);

// Element pictures, whole picture and editor cells of the 6 m x 6 m facade
// (1200 x 1200 pixels), with glazing bars, marks and an inserted window.
void BM_BilderErzeugenFacade10x10(benchmark::State& state) {
    vitrano::TFassadenSatz satz = vitrano::bench::TenByTenFacade();
    for (int i = 0; i < satz.Elemente.Count(); ++i) {
        vitrano::TElement& element = satz.Elemente.GetItem(i);
        element.Sprossenaufteilung = i % 6;
        element.ElementZeichnen = i % 7 == 0;
    }
    vitrano::TElement& fenster = satz.Elemente.GetItem(55);
    fenster.Sonderbauteil = true;
    fenster.SonderOeffnung = QStringLiteral("ro");
    for (auto _ : state) {
        satz.BilderErzeugen();
        benchmark::DoNotOptimize(satz.Elemente.GetItem(99).FBildEditor.constBits());
    }
}
BENCHMARK(BM_BilderErzeugenFacade10x10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
