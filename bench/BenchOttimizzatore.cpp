// "Verifica garanzia" against its literal reference, the 1,000,000-column
// check, and the optimised reductions measured against the best known systems.
#include "reference/RiferimentoGaranzia.h"
#include "systems/Garanzia.h"
#include "systems/Ottimizzatore.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>

using namespace sestina;

namespace {

std::vector<int> Da1A(int n)
{
    std::vector<int> v(n);
    std::iota(v.begin(), v.end(), 1);
    return v;
}

// 1,000,000 columns of six among 32 numbers, always the same ones.
const std::vector<Colonna> &MilioneColonne()
{
    static const auto lista = [] {
        std::mt19937 gen(32);
        std::vector<Colonna> l;
        l.reserve(1'000'000);
        auto numeri = Da1A(32);
        for (int i = 0; i < 1'000'000; ++i) {
            Colonna c;
            for (int j = 0; j < 6; ++j) {
                std::swap(numeri[j], numeri[j + gen() % (32 - j)]);
                c.push_back(static_cast<char>(numeri[j]));
            }
            l.push_back(c);
        }
        return l;
    }();
    return lista;
}

} // namespace

// The greedy "n-1" system of n numbers, six per column.
static void BM_Garanzia_Fast(benchmark::State &state)
{
    const auto numeri = Da1A(static_cast<int>(state.range(0)));
    const auto colonne = sistemi::RiduzioneGreedy(numeri, 6, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(sistemi::VerificaGaranzia(colonne, numeri, 6));
}
BENCHMARK(BM_Garanzia_Fast)->Arg(10)->Arg(12)->Arg(14)->Unit(benchmark::kMillisecond);

static void BM_Garanzia_Reference(benchmark::State &state)
{
    const auto numeri = Da1A(static_cast<int>(state.range(0)));
    const auto colonne = sistemi::RiduzioneGreedy(numeri, 6, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(riferimento::RiferimentoGaranzia(colonne, numeri, 6));
}
BENCHMARK(BM_Garanzia_Reference)->Arg(10)->Arg(12)->Arg(14)->Unit(benchmark::kMillisecond);

static void BM_Garanzia_MilioneColonne(benchmark::State &state)
{
    const auto &colonne = MilioneColonne();
    for (auto _ : state)
        benchmark::DoNotOptimize(sistemi::VerificaGaranzia(colonne, 6));
}
BENCHMARK(BM_Garanzia_MilioneColonne)->Unit(benchmark::kMillisecond);

// One case of the table: n numbers, k per column, level r, default effort.
static void BM_Ottimizzatore(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const int k = static_cast<int>(state.range(1));
    const int r = static_cast<int>(state.range(2));
    ProgressoNullo p;
    int colonne = 0;
    for (auto _ : state)
        colonne =
            static_cast<int>(sistemi::OttimizzaSistema(Da1A(n), k, r, sistemi::SforzoPredefinito, p).colonne.size());
    state.counters["colonne"] = colonne;
}
BENCHMARK(BM_Ottimizzatore)
    ->Args({10, 6, 1})
    ->Args({15, 6, 1})
    ->Args({20, 6, 2})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The rows hardest to bring near the best known, at a given effort:
//   sestina-bench --benchmark_filter=BM_Ottimizzatore_Sforzo
static void BM_Ottimizzatore_Sforzo(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const int k = static_cast<int>(state.range(1));
    const int r = static_cast<int>(state.range(2));
    const int sforzo = static_cast<int>(state.range(3));
    ProgressoNullo p;
    int colonne = 0;
    for (auto _ : state)
        colonne = static_cast<int>(sistemi::OttimizzaSistema(Da1A(n), k, r, sforzo, p).colonne.size());
    state.counters["colonne"] = colonne;
}
BENCHMARK(BM_Ottimizzatore_Sforzo)
    ->ArgsProduct({{14}, {6}, {1}, {10}})
    ->ArgsProduct({{15}, {6}, {1}, {10}})
    ->ArgsProduct({{16}, {6}, {2, 1}, {10}})
    ->ArgsProduct({{19, 20}, {6}, {2}, {10}})
    ->ArgsProduct({{20}, {6}, {3}, {10}})
    ->ArgsProduct({{18, 20, 21}, {5}, {1, 2}, {10}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The whole table of the best known systems, once: n, k, r, greedy, optimised,
// best known, excess, seconds. Run alone:
//   sestina-bench --benchmark_filter=BM_Ottimizzatore_Tabella
static void BM_Ottimizzatore_Tabella(benchmark::State &state)
{
    for (auto _ : state) {
        std::ifstream f(SESTINA_MIGLIORI_NOTI);
        std::string riga;
        std::getline(f, riga);
        std::printf("\n   n  k  r  greedy  ottimizzato  migliore noto  eccesso   secondi  secondi CPU\n");
        int casi = 0, entro = 0;
        while (std::getline(f, riga)) {
            std::replace(riga.begin(), riga.end(), ',', ' ');
            std::istringstream in(riga);
            int n = 0, k = 0, t = 0, noto = 0;
            if (!(in >> n >> k >> t >> noto) || t >= k)
                continue;
            ProgressoNullo p;
            const auto inizio = std::chrono::steady_clock::now();
            const std::clock_t cpu = std::clock();
            const auto ris = sistemi::OttimizzaSistema(Da1A(n), k, k - t, sistemi::SforzoPredefinito, p);
            const double secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
            const double secondiCpu = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
            const int c = static_cast<int>(ris.colonne.size());
            const double eccesso = 100.0 * (c - noto) / noto;
            const double limite = (k == 6 && n <= 16) ? 10.0 : 25.0;
            ++casi;
            entro += eccesso <= limite + 1e-9;
            std::printf("  %2d %2d %2d  %6d  %11d  %13d  %+6.1f%%  %8.2f  %11.2f%s\n", n, k, k - t, ris.colonneGreedy,
                        c, noto, eccesso, secondi, secondiCpu, eccesso <= limite + 1e-9 ? "" : "  *");
            std::fflush(stdout);
        }
        std::printf("  %d casi, %d entro il limite (10%% per k = 6 e n <= 16, altrimenti 25%%; * = oltre)\n", casi,
                    entro);
        state.counters["casi"] = casi;
        state.counters["entro"] = entro;
    }
}
BENCHMARK(BM_Ottimizzatore_Tabella)->Iterations(1)->Unit(benchmark::kSecond);
