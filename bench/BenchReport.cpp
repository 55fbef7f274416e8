// Reports on the bundled archive: opening the preview of a one-page form and
// exporting it to PDF (the "Stampa" of '&Stat', table "Numeri", whole archive).
#include "archive/Archivio.h"
#include "export/ModuliReport.h"
#include "export/ReportPagine.h"
#include "export/render/PittoreReport.h"
#include "stats/Statistiche.h"
#include "ui/Anteprima.h"
#include "ui/Dialoghi.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

using namespace sestina;

namespace {

esporta::Report ReportStat()
{
    const std::string dir = std::string(SESTINA_PROGRAM_DIR) + "/";
    const auto estrazioni = archivio::Archivio(dir).LeggiTutte();
    const int fine = static_cast<int>(estrazioni.size()) - 1;
    const Griglia g = statistiche::MostraStatistica(estrazioni, 0, fine, statistiche::ListaVoci::Numeri, 1);
    DatiUtente u;
    u.campi = {"Mario", "Rossi", "Quadrifoglio", "77", "Roma 1", "Milano"};
    TExStringList loghi;
    loghi.LoadFromFile(dir + FileListaLoghi);
    const auto t = esporta::TitoliStat("Numeri", "1/1/2000 ", "31/12/2020 ");
    return esporta::Tmyreport(esporta::IntestazioneDaUtente(u, loghi, dir), esporta::FiguraDaGriglia(g), t.titolo,
                              t.sottotitolo1, t.sottotitolo2);
}

} // namespace

// From the action to a preview on screen with its page painted.
static void BM_AnteprimaReport(benchmark::State &state)
{
    Dialoghi::ModalitaTest(true);
    const esporta::Report r = ReportStat();
    for (auto _ : state) {
        TAnteprima *a = ApriAnteprima(nullptr, r);
        while (a->pagineDipinte() == 0)
            QCoreApplication::processEvents();
        state.PauseTiming();
        a->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AnteprimaReport)->Unit(benchmark::kMillisecond);

// The loaded form to a complete PDF file in memory.
static void BM_EsportaPDFReport(benchmark::State &state)
{
    esporta::Report r = ReportStat();
    resa::CaricaFigure(r);
    for (auto _ : state) {
        QByteArray pdf = resa::ReportPDF(r);
        benchmark::DoNotOptimize(pdf.size());
    }
}
BENCHMARK(BM_EsportaPDFReport)->Unit(benchmark::kMillisecond);
