// Group delays on the bundled archive, whole span, no "Ricerca veloce".
#include "archive/Archivio.h"
#include "reference/RiferimentoGruppi.h"
#include "stats/RitardiGruppi.h"

#include <benchmark/benchmark.h>

namespace {

const std::vector<sestina::archivio::Estrazione> &ArchivioReale()
{
    static const auto e = sestina::archivio::Archivio(SESTINA_PROGRAM_DIR).LeggiTutte();
    return e;
}

} // namespace

static void BM_CercaRitardiGruppi_Fast(benchmark::State &state)
{
    const auto &e = ArchivioReale();
    const int k = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            sestina::statistiche::CercaRitardiGruppi(e, k, 0, static_cast<int>(e.size()) - 1, false));
}
BENCHMARK(BM_CercaRitardiGruppi_Fast)->DenseRange(2, 14)->Unit(benchmark::kMillisecond);

static void BM_CercaRitardiGruppi_Reference(benchmark::State &state)
{
    const auto &e = ArchivioReale();
    const int k = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            sestina::riferimento::RiferimentoGruppi(e, k, 0, static_cast<int>(e.size()) - 1, false));
}
BENCHMARK(BM_CercaRitardiGruppi_Reference)->DenseRange(2, 14)->Unit(benchmark::kMillisecond);

// The thirteen group sizes one after the other, as a user pressing every button.
static void BM_CercaRitardiGruppi_TutteLeLunghezze(benchmark::State &state)
{
    const auto &e = ArchivioReale();
    for (auto _ : state)
        for (int k = 2; k <= 14; ++k)
            benchmark::DoNotOptimize(
                sestina::statistiche::CercaRitardiGruppi(e, k, 0, static_cast<int>(e.size()) - 1, false));
}
BENCHMARK(BM_CercaRitardiGruppi_TutteLeLunghezze)->Unit(benchmark::kMillisecond);
