// The prediction pages' recomputes on the bundled archive (file reading included),
// and the two long loops: the harmony cycle and the method analysis over 1,000 forecasts.
#include "archive/Archivio.h"
#include "methods/AnalisiMetodo.h"
#include "methods/Armonia.h"
#include "methods/Astrolotto.h"
#include "methods/Cruciverba.h"
#include "methods/Metodo.h"
#include "systems/Sviluppo.h"

#include <benchmark/benchmark.h>

using namespace sestina;
using namespace sestina::metodi;

namespace {

archivio::Archivio Programma()
{
    return archivio::Archivio(SESTINA_PROGRAM_DIR);
}

ParametriMetodo MetodoProva()
{
    ParametriMetodo p;
    p.posizioni = "1 2";
    p.operazioni = "+";
    p.nAmbate = 2;
    p.nra = 15;
    p.forma = 7;
    p.nratq = 9;
    p.pLung = 2;
    return p;
}

} // namespace

// A click on a sign: the archive read, the forecast, both outcome walks, the crossword and its development.
static void BM_RicalcoloAstro(benchmark::State &state)
{
    int segno = 1;
    for (auto _ : state) {
        const auto e = Programma().LeggiTutte();
        auto r = CalcolaAstro(e, static_cast<int>(e.size()) - 1, segno, 0);
        auto c = CalcolaCruciverba(NumeriDaLista(r.listaCruciverba), FineLista::Ricomincia, 5, 5, 0, 0,
                                   static_cast<int>(state.range(0)),
                                   DimensioneAstroMetodi(static_cast<int>(state.range(0))));
        benchmark::DoNotOptimize(c);
        segno = segno % 12 + 1;
    }
}
BENCHMARK(BM_RicalcoloAstro)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A click on a method row: the method files, the archive, the forecast, the outcomes and the crossword.
static void BM_RicalcoloMetodo(benchmark::State &state)
{
    for (auto _ : state) {
        auto metodi = CaricaMetodi(SESTINA_PROGRAM_DIR "/");
        const auto e = Programma().LeggiTutte();
        const auto &m = metodi.metodi.empty() ? Metodo{"Prova", MetodoProva()} : metodi.metodi.front();
        auto r = CalcolaPaginaMetodo(e, static_cast<int>(e.size()) - 1, m.parametri, m.nome);
        auto c = CalcolaCruciverba(r.listaCruciverba, FineLista::Ricomincia, 5, 5, 0, 0, 0, 0);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_RicalcoloMetodo)->Unit(benchmark::kMillisecond);

// A change of '&Cruci': the statistics of the archive, the "Inserisci" selection, fill and development.
static void BM_RicalcoloCruci(benchmark::State &state)
{
    const auto a = Programma();
    for (auto _ : state) {
        const int ultima = a.LeggiUltimaEstrazione();
        auto stati = sistemi::StatisticheSistemi(a, ultima);
        auto sel = sistemi::SelezionaNumeri(stati, 10, 10, 10, 10);
        auto r = CalcolaCruci(sel, 6, 6, 0, 0, static_cast<int>(state.range(0)), 6);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_RicalcoloCruci)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A draw chosen on 'Armonia': the harmonies of the last draw and the outcomes of the first.
static void BM_RicalcoloArmonia(benchmark::State &state)
{
    for (auto _ : state) {
        const auto e = Programma().LeggiTutte();
        benchmark::DoNotOptimize(CalcolaArmonia(e, static_cast<int>(e.size()) - 1, ModoArmonia::Somma, 0));
    }
}
BENCHMARK(BM_RicalcoloArmonia)->Unit(benchmark::kMillisecond);

// "ELABORA" over 1,000 forecasts one draw apart.
static void BM_CicloArmonia1000(benchmark::State &state)
{
    const auto e = Programma().LeggiTutte();
    ParametriCiclo p;
    p.record = static_cast<int>(e.size()) - 1;
    p.previsioni = 1000;
    p.passo = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(CicloArmonia(e, p));
}
BENCHMARK(BM_CicloArmonia1000)->Unit(benchmark::kMillisecond);

// "Analisi Metodi" over 1,000 forecasts, ten following draws each.
static void BM_AnalisiMetodo1000(benchmark::State &state)
{
    const auto a = Programma();
    const auto e = a.LeggiTutte();
    ParametriAnalisi q{static_cast<int>(e.size()) - 1, 1000, 1, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalizzaMetodo(a, e, "Prova", MetodoProva(), q));
}
BENCHMARK(BM_AnalisiMetodo1000)->Unit(benchmark::kMillisecond);
