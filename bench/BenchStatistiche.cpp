// The frequency and delay engine on the bundled archive, next to its literal reference.
#include "archive/Archivio.h"
#include "reference/RiferimentoRitardi.h"
#include "stats/Calore.h"
#include "stats/MotoreRitardi.h"
#include "stats/Statistiche.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace sestina;
using namespace sestina::statistiche;

namespace {

const std::vector<archivio::Estrazione> &ArchivioReale()
{
    static const auto a = archivio::Archivio(SESTINA_PROGRAM_DIR).LeggiTutte();
    return a;
}

int Ultima()
{
    return static_cast<int>(ArchivioReale().size()) - 1;
}

// The largest window the hot-numbers page allows, ending at the last draw.
int FinestraMassima()
{
    return std::min(Ultima(), MassimoAnalizzare);
}

} // namespace

// All fourteen tables of "&Stat" over the whole archive.
static void BM_AnalisiRitardi_Fast(benchmark::State &state)
{
    const auto &a = ArchivioReale();
    for (auto _ : state)
        for (int l = 0; l < NumeroListeVoci; ++l)
            benchmark::DoNotOptimize(AnalisiRitardi(a, 0, Ultima(), VociDi(static_cast<ListaVoci>(l))));
}
BENCHMARK(BM_AnalisiRitardi_Fast)->Unit(benchmark::kMillisecond);

static void BM_AnalisiRitardi_Reference(benchmark::State &state)
{
    const auto &a = ArchivioReale();
    std::vector<std::vector<riferimento::VoceRiferimento>> liste;
    for (int l = 0; l < NumeroListeVoci; ++l)
        liste.push_back(riferimento::VociRiferimento(static_cast<ListaVoci>(l)));
    for (auto _ : state)
        for (const auto &voci : liste)
            benchmark::DoNotOptimize(riferimento::AnalisiRitardi(a, 0, Ultima(), voci));
}
BENCHMARK(BM_AnalisiRitardi_Reference)->Unit(benchmark::kMillisecond);

// The same fourteen tables as the page builds them: archive files read, grids laid out.
static void BM_MostraStatistica_Tutte(benchmark::State &state)
{
    archivio::Archivio archivio(SESTINA_PROGRAM_DIR);
    for (auto _ : state) {
        const auto a = archivio.LeggiTutte();
        for (int l = 0; l < NumeroListeVoci; ++l)
            benchmark::DoNotOptimize(MostraStatistica(a, 0, Ultima(), static_cast<ListaVoci>(l), 1));
    }
}
BENCHMARK(BM_MostraStatistica_Tutte)->Unit(benchmark::kMillisecond);

// Argument 0: numbers, 1: pairs.
static void BM_AnalisiCalore_Fast(benchmark::State &state)
{
    const auto tipo = state.range(0) ? TipoCalore::Ambi : TipoCalore::Estratti;
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalisiCalore(ArchivioReale(), Ultima(), FinestraMassima(), tipo));
}
BENCHMARK(BM_AnalisiCalore_Fast)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_AnalisiCalore_Reference(benchmark::State &state)
{
    const auto tipo = state.range(0) ? TipoCalore::Ambi : TipoCalore::Estratti;
    for (auto _ : state)
        benchmark::DoNotOptimize(riferimento::AnalisiCalore(ArchivioReale(), Ultima(), FinestraMassima(), tipo));
}
BENCHMARK(BM_AnalisiCalore_Reference)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole "&In Calore" pairs page: files, table of 4005 rows sorted, draws list coloured.
static void BM_MostraCalore_Ambi(benchmark::State &state)
{
    archivio::Archivio archivio(SESTINA_PROGRAM_DIR);
    ParametriCalore p;
    p.estrazione = Ultima();
    p.analizzare = FinestraMassima();
    p.minimo = 0;
    p.tipo = TipoCalore::Ambi;
    for (auto _ : state)
        benchmark::DoNotOptimize(MostraCalore(archivio, Ultima(), p));
}
BENCHMARK(BM_MostraCalore_Ambi)->Unit(benchmark::kMillisecond);
