// Spy analysis and lunghette on the bundled archive, engine against the literal reference.
#include "archive/Archivio.h"
#include "reference/RiferimentoSpia.h"
#include "stats/NumeriSpia.h"

#include <benchmark/benchmark.h>

using namespace sestina;

namespace {

const std::vector<archivio::Estrazione> &Reali()
{
    static const auto arch = archivio::Archivio(SESTINA_PROGRAM_DIR).LeggiTutte();
    return arch;
}

// The whole archive, spy numbers 1, 1+4, 1+8 ... as many as the argument.
statistiche::ParametriSpia Parametri(int quanti)
{
    statistiche::ParametriSpia p;
    for (int i = 0; i < quanti; ++i)
        p.numeri.push_back(1 + 4 * i);
    p.inizio = 0;
    p.fine = static_cast<int>(Reali().size()) - 1;
    return p;
}

} // namespace

static void BM_ElaboraSpia_Fast(benchmark::State &state)
{
    auto p = Parametri(static_cast<int>(state.range(0)));
    ProgressoNullo nullo;
    for (auto _ : state)
        benchmark::DoNotOptimize(statistiche::ElaboraSpia(Reali(), p, nullo));
}
BENCHMARK(BM_ElaboraSpia_Fast)->Arg(1)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

static void BM_ElaboraSpia_Reference(benchmark::State &state)
{
    auto p = Parametri(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(riferimento::RiferimentoSpia(Reali(), p));
}
BENCHMARK(BM_ElaboraSpia_Reference)->Arg(1)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

// Pair statistics, search and grid over the whole archive.
static void BM_ElaboraLunghette_Fast(benchmark::State &state)
{
    int k = static_cast<int>(state.range(0));
    auto p = Parametri(1);
    ProgressoNullo nullo;
    for (auto _ : state) {
        auto stat = statistiche::ElaboraStatistica(Reali(), p.inizio, p.fine, p.mesi, nullptr, nullo);
        benchmark::DoNotOptimize(statistiche::ElaboraLunghette(stat, k, nullo));
    }
}
BENCHMARK(BM_ElaboraLunghette_Fast)->DenseRange(3, 10)->Unit(benchmark::kMillisecond);

static void BM_ElaboraLunghette_Reference(benchmark::State &state)
{
    int k = static_cast<int>(state.range(0));
    auto p = Parametri(1);
    for (auto _ : state) {
        auto stat = riferimento::RiferimentoStatistica(Reali(), p.inizio, p.fine, p.mesi, nullptr);
        benchmark::DoNotOptimize(riferimento::RiferimentoLunghette(stat, k));
    }
}
BENCHMARK(BM_ElaboraLunghette_Reference)->DenseRange(3, 10)->Unit(benchmark::kMillisecond);
