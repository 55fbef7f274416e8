#include "stats/MotoreRitardi.h"

#include "app/Errore.h"
#include "reference/RiferimentoRitardi.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <random>

using namespace sestina;
using namespace sestina::statistiche;
using archivio::Estrazione;

namespace {

// Random draws that hit the small classes often: most values come from a pool of
// a dozen numbers, some draws repeat a value (imported archives may) and a few
// hold values outside 1..90.
std::vector<Estrazione> ArchivioDenso(unsigned seme, int n)
{
    auto v = prova::EstrazioniCasuali(seme, n);
    std::mt19937 rng(seme * 7919u + 1);
    std::vector<int> pool;
    std::uniform_int_distribution<int> num(1, 90);
    for (int k = 0; k < 12; ++k)
        pool.push_back(num(rng));
    for (int g : {11, 22, 33, 12, 21, 1, 90, 89, 2, 45})
        pool.push_back(g);
    std::uniform_int_distribution<size_t> scelta(0, pool.size() - 1);
    std::uniform_int_distribution<int> dado(0, 99);
    for (auto &e : v) {
        for (auto &x : e.numeri.numeri)
            if (dado(rng) < 60)
                x = static_cast<std::uint8_t>(pool[scelta(rng)]);
        if (dado(rng) < 50)
            e.numeri.jolly = static_cast<std::uint8_t>(pool[scelta(rng)]);
        if (dado(rng) < 30)
            e.numeri.superstar = e.numeri.numeri[2];
        if (dado(rng) < 3)
            e.numeri.numeri[5] = static_cast<std::uint8_t>(dado(rng) < 50 ? 0 : 95 + dado(rng));
    }
    return v;
}

std::vector<Estrazione> Archivio(const std::vector<std::vector<int>> &righe) { return prova::EstrazioniDaNumeri(righe); }

void ConfrontaRitardi(const std::vector<Estrazione> &a, int F, int L)
{
    for (int l = 0; l < NumeroListeVoci; ++l) {
        auto lista = static_cast<ListaVoci>(l);
        auto veloce = AnalisiRitardi(a, F, L, VociDi(lista));
        auto lento = riferimento::AnalisiRitardi(a, F, L, riferimento::VociRiferimento(lista));
        ASSERT_EQ(veloce.voci.size(), lento.voci.size()) << "lista " << l;
        for (size_t i = 0; i < lento.voci.size(); ++i)
            ASSERT_EQ(veloce.voci[i], lento.voci[i]) << "lista " << l << " voce " << i << " span " << F << ".." << L;
        ASSERT_EQ(veloce.MassimoAttuale, lento.MassimoAttuale) << "lista " << l;
        ASSERT_EQ(veloce.MassimoRitardo, lento.MassimoRitardo) << "lista " << l;
        ASSERT_EQ(veloce.MassimoFrequenza, lento.MassimoFrequenza) << "lista " << l;
    }
}

void ConfrontaCalore(const std::vector<Estrazione> &a, int E, int N)
{
    for (TipoCalore t : {TipoCalore::Estratti, TipoCalore::Ambi}) {
        auto veloce = AnalisiCalore(a, E, N, t);
        auto lento = riferimento::AnalisiCalore(a, E, N, t);
        ASSERT_EQ(veloce.size(), lento.size());
        for (size_t i = 0; i < lento.size(); ++i)
            ASSERT_EQ(veloce[i], lento[i]) << "voce " << i << " E " << E << " N " << N;
    }
}

TEST(MotoreRitardi, ElencoVociComeIlRiferimento)
{
    for (int l = 0; l < NumeroListeVoci; ++l) {
        auto lista = static_cast<ListaVoci>(l);
        const auto &v = VociDi(lista);
        auto r = riferimento::VociRiferimento(lista);
        ASSERT_EQ(v.size(), r.size()) << l;
        for (size_t i = 0; i < v.size(); ++i) {
            Insieme atteso;
            for (int m : r[i].membri)
                atteso.Aggiungi(m);
            EXPECT_EQ(v[i].membri, atteso) << l << " " << i;
            EXPECT_EQ(v[i].minimo, r[i].tipo == riferimento::TipoVoce::Numero ? 1 : 2);
        }
    }
}

TEST(MotoreRitardi, ComeIlRiferimentoSuArchiviCasuali)
{
    for (unsigned seme = 1; seme <= 12; ++seme) {
        auto a = seme % 2 ? ArchivioDenso(seme, 60 + static_cast<int>(seme) * 7) : prova::EstrazioniCasuali(seme, 150);
        const int u = static_cast<int>(a.size()) - 1;
        std::mt19937 rng(seme);
        std::uniform_int_distribution<int> rec(0, u);
        ConfrontaRitardi(a, 0, u);
        ConfrontaRitardi(a, u, u);
        ConfrontaRitardi(a, 0, 0);
        for (int k = 0; k < 4; ++k) {
            int x = rec(rng), y = rec(rng);
            ConfrontaRitardi(a, std::min(x, y), std::max(x, y));
        }
        ConfrontaRitardi(a, u, 3); // F > L: draw F alone
    }
}

TEST(MotoreRitardi, ComeIlRiferimentoSullArchivioReale)
{
    auto a = prova::EstrazioniReali();
    ASSERT_GT(a.size(), 4000u);
    const int u = static_cast<int>(a.size()) - 1;
    ConfrontaRitardi(a, 0, u);
    ConfrontaRitardi(a, 1000, 1700);
    ConfrontaCalore(a, u, 18);
    ConfrontaCalore(a, u, 500);
    ConfrontaCalore(a, 2000, 1);
}

TEST(MotoreRitardi, CaloreComeIlRiferimentoSuArchiviCasuali)
{
    for (unsigned seme = 1; seme <= 8; ++seme) {
        auto a = seme % 2 ? ArchivioDenso(seme, 80) : prova::EstrazioniCasuali(seme, 120);
        const int u = static_cast<int>(a.size()) - 1;
        ConfrontaCalore(a, u, 18);
        ConfrontaCalore(a, u, u);
        ConfrontaCalore(a, 40, 1);
        ConfrontaCalore(a, 10, 30); // window clipped at record 0
    }
}

TEST(MotoreRitardi, SpanDiUnaEstrazione)
{
    auto a = Archivio({{1, 2, 3, 4, 5, 6, 7, 8}, {10, 20, 30, 40, 50, 60, 70, 80}});
    auto r = AnalisiRitardi(a, 1, 1, VociDi(ListaVoci::Numeri));
    for (int n = 1; n <= 90; ++n) {
        const auto &x = r.voci[static_cast<size_t>(n - 1)];
        const bool presente = n % 10 == 0 && n <= 70; // six numbers and the jolly, not the superstar 80
        EXPECT_EQ(x, (presente ? RecordRitardo{0, 0, 1} : RecordRitardo{1, 1, 0})) << n;
    }
    EXPECT_EQ(r.MassimoAttuale, 1);
    EXPECT_EQ(r.MassimoRitardo, 1);
    EXPECT_EQ(r.MassimoFrequenza, 1);
}

TEST(MotoreRitardi, JollyContaPerIRitardiNonPerIlCalore)
{
    // 7 is the jolly, 8 the superstar of the only draw
    auto a = Archivio({{1, 2, 3, 4, 5, 6, 7, 8}});
    auto rit = AnalisiRitardi(a, 0, 0, VociDi(ListaVoci::Numeri));
    EXPECT_EQ(rit.voci[6].Frequenza, 1);
    EXPECT_EQ(rit.voci[7].Frequenza, 0);
    auto cal = AnalisiCalore(a, 0, 1, TipoCalore::Estratti);
    EXPECT_EQ(cal[6].Frequenza, 0);
    EXPECT_EQ(cal[7].Frequenza, 0);
    EXPECT_EQ(cal[0].Frequenza, 1);

    // a pair made of a number and the jolly is present; with the superstar it is not
    auto b = Archivio({{11, 2, 3, 4, 5, 6, 22, 33}});
    auto gem = AnalisiRitardi(b, 0, 0, VociDi(ListaVoci::AmbiGemelli));
    EXPECT_EQ(gem.voci[0].Frequenza, 1); // 11, 22
    EXPECT_EQ(gem.voci[1].Frequenza, 0); // 11, 33
    auto ambi = AnalisiCalore(b, 0, 1, TipoCalore::Ambi);
    EXPECT_EQ(ambi[static_cast<size_t>(IndiceAmbo(11, 22))].Frequenza, 0);
    EXPECT_EQ(ambi[static_cast<size_t>(IndiceAmbo(2, 11))].Frequenza, 1);
}

TEST(MotoreRitardi, GruppoConUnSoloMembroAssente)
{
    auto a = Archivio({{90, 13, 25, 37, 49, 51, 64, 3}, {90, 3, 25, 37, 49, 51, 64, 2}});
    auto r = AnalisiRitardi(a, 0, 1, VociDi(ListaVoci::AmbiDecine));
    EXPECT_EQ(r.voci[0], (RecordRitardo{0, 1, 1})); // "90,1,...,9": one member in draw 0, 90 and 3 in draw 1
}

TEST(MotoreRitardi, RitardiDiUnaSequenza)
{
    // number 5 drawn in draws 1 and 4 of 0..6
    std::vector<std::vector<int>> d(7, {10, 20, 30, 40, 50, 60, 70, 5});
    d[1][0] = 5;
    d[4][0] = 5;
    auto r = AnalisiRitardi(Archivio(d), 0, 6, VociDi(ListaVoci::Numeri));
    EXPECT_EQ(r.voci[4], (RecordRitardo{2, 2, 2}));
    EXPECT_EQ(r.voci[0], (RecordRitardo{7, 7, 0}));
    EXPECT_EQ(r.MassimoAttuale, 7);
    EXPECT_EQ(r.MassimoFrequenza, 7);
}

TEST(MotoreRitardi, CaloreEsempio)
{
    // number 9 at positions 2, 10 and 20 of a window of 25
    std::vector<std::vector<int>> d(30, {10, 20, 30, 40, 50, 60, 9, 9});
    const int inizio = 30 - 25;
    for (int s : {2, 10, 20})
        d[static_cast<size_t>(inizio + s - 1)][0] = 9;
    auto r = AnalisiCalore(Archivio(d), 29, 25, TipoCalore::Estratti);
    EXPECT_EQ(r[8], (RecordCalore{9, 0, 3, 5, 2, 20, 6.0}));
    EXPECT_EQ(r[9].Frequenza, 22); // 10 gave its place to 9 three times
    EXPECT_EQ(r[0], (RecordCalore{1, 0, 0, 25, 0, 0, 0.0}));
}

TEST(MotoreRitardi, CaloreConUnaEstrazione)
{
    auto a = Archivio({{1, 2, 3, 4, 5, 6, 7, 8}, {11, 12, 13, 14, 15, 16, 17, 18}});
    auto r = AnalisiCalore(a, 1, 1, TipoCalore::Estratti);
    EXPECT_EQ(r[10], (RecordCalore{11, 0, 1, 0, 1, 1, 0.0}));
    EXPECT_EQ(r[0], (RecordCalore{1, 0, 0, 1, 0, 0, 0.0}));
    auto p = AnalisiCalore(a, 1, 1, TipoCalore::Ambi);
    ASSERT_EQ(p.size(), 4005u);
    int presenti = 0;
    for (const auto &x : p)
        presenti += x.Frequenza;
    EXPECT_EQ(presenti, 15);
    EXPECT_EQ(p.back().primo, 89);
    EXPECT_EQ(p.back().secondo, 90);
}

TEST(MotoreRitardi, IndiceAmboLessicografico)
{
    int i = 0;
    for (int a = 1; a <= 90; ++a)
        for (int b = a + 1; b <= 90; ++b)
            ASSERT_EQ(IndiceAmbo(a, b), i++);
}

TEST(MotoreRitardi, FuoriArchivioErrore)
{
    auto a = Archivio({{1, 2, 3, 4, 5, 6, 7, 8}});
    EXPECT_THROW(AnalisiRitardi(a, 0, 1, VociDi(ListaVoci::Numeri)), Errore);
    EXPECT_THROW(AnalisiRitardi(a, -1, 0, VociDi(ListaVoci::Numeri)), Errore);
    EXPECT_THROW(AnalisiCalore(a, 1, 1, TipoCalore::Estratti), Errore);
    EXPECT_THROW(AnalisiCalore(a, 0, 0, TipoCalore::Estratti), Errore);
}

} // namespace
