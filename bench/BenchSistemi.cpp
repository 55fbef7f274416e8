// Systems: the reduced development ("Elabora" with "Riduzioni") and the check ("Spoglio").
#include "reference/RiferimentoSistemi.h"
#include "support/ArchivioProva.h"
#include "systems/Spoglio.h"
#include "systems/Sviluppo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <random>

namespace {

using namespace sestina;

// The first n numbers of the board in its column order, "Sei" columns.
std::string NumeriInGioco(int n)
{
    std::vector<int> v;
    for (int i = 1; i <= n; ++i)
        v.push_back(i);
    return sistemi::TestoNumeriInGioco(sistemi::OrdineTabellone(v));
}

// Columns of six numbers (args: columns, draws, kind): random ones (tipo 0, the worst case: no two alike), or
// the first columns of the integral development of 33 numbers (tipo 1, as a system is).
const std::vector<Colonna> &ColonneCasuali(std::size_t quante, int tipo)
{
    static std::map<std::pair<std::size_t, int>, std::vector<Colonna>> cache;
    auto &v = cache[{quante, tipo}];
    if (v.empty() && tipo == 1) {
        (void)sistemi::SviluppaColonne(NumeriInGioco(33), 6, v);
        v.resize(std::min(v.size(), quante));
    }
    if (v.empty()) {
        std::mt19937 rng(17);
        std::vector<int> urna(90);
        for (int i = 0; i < 90; ++i)
            urna[static_cast<std::size_t>(i)] = i + 1;
        for (std::size_t c = 0; c < quante; ++c) {
            Colonna col;
            for (int i = 0; i < 6; ++i) { // six steps of a shuffle
                std::swap(urna[static_cast<std::size_t>(i)],
                          urna[static_cast<std::size_t>(std::uniform_int_distribution<int>(i, 89)(rng))]);
                col.push_back(static_cast<char>(urna[static_cast<std::size_t>(i)]));
            }
            v.push_back(col);
        }
    }
    return v;
}

const std::vector<archivio::RecordSuperenalotto> &Estrazioni(int quante)
{
    static std::map<int, std::vector<archivio::RecordSuperenalotto>> cache;
    auto &v = cache[quante];
    if (v.empty())
        for (const auto &e : prova::EstrazioniCasuali(5, quante))
            v.push_back(e.numeri);
    return v;
}

} // namespace

static void BM_SviluppaSistema_Fast(benchmark::State &state)
{
    const std::string testo = NumeriInGioco(static_cast<int>(state.range(0)));
    const int r = static_cast<int>(state.range(1));
    std::vector<Colonna> lista;
    for (auto _ : state) {
        auto e = sistemi::SviluppaSistema(testo, 6, r, lista);
        benchmark::DoNotOptimize(e);
    }
    state.counters["colonne"] = static_cast<double>(lista.size());
}
BENCHMARK(BM_SviluppaSistema_Fast)
    ->Args({24, 1})
    ->Args({28, 1})
    ->Args({32, 1})
    ->Args({32, 2})
    ->Args({32, 3})
    ->Unit(benchmark::kMillisecond);

// The quadratic comparison with 64-bit masks: each candidate against every kept column.
static void BM_SviluppaSistema_Reference(benchmark::State &state)
{
    const std::string testo = NumeriInGioco(static_cast<int>(state.range(0)));
    const int r = static_cast<int>(state.range(1));
    std::size_t colonne = 0;
    for (auto _ : state) {
        auto l = riferimento::SviluppaSistemaMaschere(testo, 6, r);
        colonne = l.size();
        benchmark::DoNotOptimize(l);
    }
    state.counters["colonne"] = static_cast<double>(colonne);
}
BENCHMARK(BM_SviluppaSistema_Reference)
    ->Args({24, 1})
    ->Args({28, 1})
    ->Args({32, 1})
    ->Args({32, 2})
    ->Args({32, 3})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

static void BM_Spoglio_Fast(benchmark::State &state)
{
    const auto &colonne = ColonneCasuali(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(2)));
    const auto &estrazioni = Estrazioni(static_cast<int>(state.range(1)));
    std::size_t vincite = 0;
    for (auto _ : state) {
        auto r = sistemi::Spoglia(colonne, estrazioni, 0, 0);
        vincite = r.vincite.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["vincite"] = static_cast<double>(vincite);
}
BENCHMARK(BM_Spoglio_Fast)
    ->Args({10000, 3900, 0})
    ->Args({100000, 3900, 0})
    ->Args({1000000, 3900, 0})
    ->Args({100000, 3900, 1})
    ->Args({1000000, 3900, 1})
    ->MeasureProcessCPUTime() // the check runs on two threads: CPU is the work of both
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Column by column and draw by draw with ContaPunti, as the window describes it
// (from memory: the archive re-read per column and draw would only add file time).
static void BM_Spoglio_Reference(benchmark::State &state)
{
    const auto &colonne = ColonneCasuali(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(2)));
    const auto &estrazioni = Estrazioni(static_cast<int>(state.range(1)));
    std::size_t vincite = 0;
    for (auto _ : state) {
        auto r = riferimento::RiferimentoSpoglia(colonne, estrazioni, 0, 0);
        vincite = r.vincite.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["vincite"] = static_cast<double>(vincite);
}
BENCHMARK(BM_Spoglio_Reference)
    ->Args({10000, 3900, 0})
    ->Args({100000, 3900, 0})
    ->Args({100000, 3900, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// A header click of the results grid over about a million rows (args: columns of the
// check, header column): the counting sort of the compact rows against a stable sort
// on the cell texts.
namespace {
sestina::sistemi::TabellaVincite TabellaGrande(std::size_t colonne)
{
    const auto &c = ColonneCasuali(colonne, 0);
    auto estrazioni = prova::EstrazioniCasuali(5, 3900);
    auto r = sistemi::Spoglia(c, estrazioni, 0, 0);
    return sistemi::TabellaVincite(c, std::move(estrazioni), std::move(r));
}
} // namespace

static void BM_OrdinaVincite_Fast(benchmark::State &state)
{
    auto t = TabellaGrande(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        t.Ordina(static_cast<int>(state.range(1)));
        benchmark::DoNotOptimize(t.risultato().vincite.data());
    }
    state.counters["righe"] = static_cast<double>(t.righe() - 1);
}
BENCHMARK(BM_OrdinaVincite_Fast)
    ->Args({100000, 0})
    ->Args({100000, 16})
    ->Args({1000000, 16})
    ->Unit(benchmark::kMillisecond);

static void BM_OrdinaVincite_Reference(benchmark::State &state)
{
    auto t = TabellaGrande(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(riferimento::RiferimentoOrdina(t, static_cast<int>(state.range(1))));
    state.counters["righe"] = static_cast<double>(t.righe() - 1);
}
BENCHMARK(BM_OrdinaVincite_Reference)
    ->Args({100000, 0})
    ->Args({100000, 16})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
