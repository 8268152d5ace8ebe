// Timing of project files: saving and loading a 10 x 10 facade.

#include "core/FassadenSatz.h"
#include "files/ProjectFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

vitrano::TFassadenSatz Facade() {
    vitrano::TFassadenSatz satz;
    satz.Fassade = true;
    satz.SetFassadenTyp(100, 10, 10, 6.0, 6.0);
    for (vitrano::TElement& element : satz.Elemente) {
        for (vitrano::TSeite seite : vitrano::AlleSeiten) {
            element.Rahmen.Rahmenbreite[seite] = 0.025;
            element.Rahmen.UWerte[seite] = 1.4;
            element.Rahmen.PSIInnen[seite] = 0.11;
            element.Rahmen.Bezeichnung[seite] = QStringLiteral("Pfosten 50 mm");
        }
        element.Fuellung.UWert = 0.7;
        element.Fuellung.Bezeichnung = QStringLiteral("4/12/4/12/4 Ar");
    }
    satz.Rechne();
    return satz;
}

const vitrano::TXmlFileOptions Options{true, vitrano::TNumberFormat::Comma()};

void BM_SaveProjectFacade10x10(benchmark::State& state) {
    const vitrano::TFassadenSatz satz = Facade();
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
    vitrano::SaveProjectFile(path, Facade(), Options);
    for (auto _ : state) {
        vitrano::TFassadenSatz satz;
        benchmark::DoNotOptimize(vitrano::LoadProjectFile(path, satz, Options).Ok());
    }
}
BENCHMARK(BM_LoadProjectFacade10x10)->Unit(benchmark::kMillisecond);

} // namespace
