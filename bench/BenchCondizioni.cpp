// Conditioned systems: the live count of "Condizioni" and the "Verifica storica".
#include "reference/RiferimentoCondizioni.h"
#include "support/ArchivioProva.h"
#include "systems/Condizioni.h"

#include <benchmark/benchmark.h>

namespace {

using namespace sestina;
using namespace sestina::sistemi;

// Ten conditions, none of them idle on the numbers 1..32.
Condizioni DieciCondizioni()
{
    Condizioni c;
    c.pari = Limiti{2, 4};
    c.bassi = Limiti{2, 6};
    c.somma = Limiti{60, 150};
    c.escursione = Limiti{15, 31};
    c.decinaMax = 3;
    c.cadenzaMax = 2;
    c.figuraMax = 2;
    c.consecutiviMax = 2;
    c.gruppi = {{{1, 5, 9, 13, 17, 21}, {1, 3}}, {{2, 12, 22, 32}, {0, 2}}};
    return c;
}

std::vector<int> Numeri(int n)
{
    std::vector<int> v;
    for (int i = 1; i <= n; ++i)
        v.push_back(i);
    return OrdineTabellone(v);
}

// Arg: numbers in play with "Sei" (32: 906,192 integral columns).
void BM_Condizioni_Fast(benchmark::State &state)
{
    const auto numeri = Numeri(static_cast<int>(state.range(0)));
    const auto c = DieciCondizioni();
    std::uint64_t tenute = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tenute = ContaColonneCondizionate(numeri, 6, c));
    state.counters["integrali"] = static_cast<double>(Combinazioni(static_cast<int>(numeri.size()), 6));
    state.counters["tenute"] = static_cast<double>(tenute);
}
BENCHMARK(BM_Condizioni_Fast)->Arg(20)->Arg(32)->Unit(benchmark::kMillisecond);

void BM_Condizioni_Reference(benchmark::State &state)
{
    const auto numeri = Numeri(static_cast<int>(state.range(0)));
    const auto c = DieciCondizioni();
    std::size_t tenute = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tenute = riferimento::RiferimentoColonneCondizionate(numeri, 6, c).size());
    state.counters["tenute"] = static_cast<double>(tenute);
}
BENCHMARK(BM_Condizioni_Reference)->Arg(20)->Arg(32)->Unit(benchmark::kMillisecond);

// Arg: draws in the archive.
void BM_VerificaStorica_Fast(benchmark::State &state)
{
    const auto archivio = prova::EstrazioniCasuali(3, static_cast<int>(state.range(0)));
    const auto c = DieciCondizioni();
    for (auto _ : state)
        benchmark::DoNotOptimize(VerificaStorica(c, archivio));
}
BENCHMARK(BM_VerificaStorica_Fast)->Arg(10000)->Unit(benchmark::kMillisecond);

// Each draw through the literal filter, one condition at a time.
void BM_VerificaStorica_Reference(benchmark::State &state)
{
    const auto archivio = prova::EstrazioniCasuali(3, static_cast<int>(state.range(0)));
    const auto c = DieciCondizioni();
    std::vector<Condizioni> sole(10);
    sole[0].pari = c.pari;
    sole[1].bassi = c.bassi;
    sole[2].somma = c.somma;
    sole[3].escursione = c.escursione;
    sole[4].decinaMax = c.decinaMax;
    sole[5].cadenzaMax = c.cadenzaMax;
    sole[6].figuraMax = c.figuraMax;
    sole[7].consecutiviMax = c.consecutiviMax;
    sole[8].gruppi = {c.gruppi[0]};
    sole[9].gruppi = {c.gruppi[1]};
    for (auto _ : state) {
        std::vector<int> rispettate(11);
        for (const auto &e : archivio) {
            std::vector<int> sei(e.numeri.numeri.begin(), e.numeri.numeri.end());
            for (std::size_t i = 0; i < sole.size(); ++i)
                rispettate[i] += riferimento::RiferimentoRispetta(sole[i], sei);
            rispettate[10] += riferimento::RiferimentoRispetta(c, sei);
        }
        benchmark::DoNotOptimize(rispettate);
    }
}
BENCHMARK(BM_VerificaStorica_Reference)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
