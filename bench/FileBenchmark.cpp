// Timing of project files: saving and loading a 10 x 10 facade.

#include "BenchRecords.h"
#include "core/FassadenSatz.h"
#include "files/ProjectFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const vitrano::TXmlFileOptions Options{true, vitrano::TNumberFormat::Comma()};

void BM_SaveProjectFacade10x10(benchmark::State& state) {
    const vitrano::TFassadenSatz satz = vitrano::bench::TenByTenFacade();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fassade.xucw"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(vitrano::SaveProjectFile(path, satz, Options).Ok());
    }
}
BENCHMARK(BM_SaveProjectFacade10x10)->Unit(benchmark::kMillisecond);

void BM_LoadProjectFacade10x10(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fassade.xucw"));
    vitrano::SaveProjectFile(path, vitrano::bench::TenByTenFacade(), Options);
    for (auto _ : state) {
        vitrano::TFassadenSatz satz;
        benchmark::DoNotOptimize(vitrano::LoadProjectFile(path, satz, Options).Ok());
    }
}
BENCHMARK(BM_LoadProjectFacade10x10)->Unit(benchmark::kMillisecond);

} // namespace
