// Start-up to a usable main window on the bundled archive.
#include "ui/Dialoghi.h"
#include "ui/TForm1.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

static void BM_AvvioTForm1(benchmark::State &state)
{
    Dialoghi::ModalitaTest(true);
    for (auto _ : state) {
        TForm1 finestra(QStringLiteral(SESTINA_PROGRAM_DIR));
        finestra.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(finestra.avvioCompleto());
    }
}
BENCHMARK(BM_AvvioTForm1)->Unit(benchmark::kMillisecond);
