// The fast reductions against the literal comparisons, on many random cases.
#include "systems/Sviluppo.h"

#include "reference/RiferimentoSistemi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace sestina;
using namespace sestina::sistemi;

namespace {

std::vector<int> NumeriCasuali(std::mt19937 &rng, int n)
{
    std::vector<int> urna(90);
    std::iota(urna.begin(), urna.end(), 1);
    std::shuffle(urna.begin(), urna.end(), rng);
    return {urna.begin(), urna.begin() + n};
}

} // namespace

TEST(RiduzioneVeloce, SviluppaSistemaComeIlConfrontoLetterale)
{
    std::mt19937 rng(2024);
    for (int prova = 0; prova < 300; ++prova) {
        const int k = std::uniform_int_distribution<int>(3, 6)(rng);
        const int n = std::uniform_int_distribution<int>(k, k + 8)(rng);
        const int r = std::uniform_int_distribution<int>(0, 3)(rng);
        auto numeri = NumeriCasuali(rng, n);
        // Half the cases in the board's column order, as the page reads them.
        if (prova % 2 == 0)
            numeri = OrdineTabellone(numeri);
        const std::string testo = TestoNumeriInGioco(numeri);
        std::vector<Colonna> lista;
        const auto e = SviluppaSistema(testo, k, r, lista);
        const auto rif = riferimento::RiferimentoSviluppaSistema(testo, k, r);
        ASSERT_EQ(lista, rif.lista) << testo << " k=" << k << " r=" << r;
        ASSERT_EQ(e.elaborate, rif.elaborate) << testo << " k=" << k << " r=" << r;
        ASSERT_EQ(e.ridotte, rif.ridotte);
    }
}

TEST(RiduzioneVeloce, SistemiGrandiComeLeMaschere)
{
    // Larger systems against the quadratic mask comparison (same rule, 64-bit masks).
    std::mt19937 rng(99);
    struct Caso {
        int n, k, r;
    };
    for (const Caso &c : std::vector<Caso>{{22, 6, 1}, {24, 6, 2}, {30, 6, 3}, {20, 5, 1}, {40, 4, 1}, {16, 7, 2}}) {
        const std::string testo = TestoNumeriInGioco(OrdineTabellone(NumeriCasuali(rng, c.n)));
        std::vector<Colonna> lista;
        (void)SviluppaSistema(testo, c.k, c.r, lista);
        EXPECT_EQ(lista, riferimento::SviluppaSistemaMaschere(testo, c.k, c.r)) << c.n << " " << c.k << " " << c.r;
    }
}

TEST(RiduzioneVeloce, RiduciColonneComeIlPassaggioLetterale)
{
    std::mt19937 rng(5);
    for (int prova = 0; prova < 200; ++prova) {
        const int k = std::uniform_int_distribution<int>(2, 6)(rng);
        const int r = std::uniform_int_distribution<int>(0, 4)(rng);
        std::vector<Colonna> lista;
        switch (prova % 3) {
        case 0: { // a development, as the pages of the methods reduce it
            const int n = std::uniform_int_distribution<int>(k, k + 6)(rng);
            (void)SviluppaColonne(TestoNumeriInGioco(NumeriCasuali(rng, n)), k, lista);
            break;
        }
        case 1: { // the same in a shuffled order
            const int n = std::uniform_int_distribution<int>(k, k + 6)(rng);
            (void)SviluppaColonne(TestoNumeriInGioco(NumeriCasuali(rng, n)), k, lista);
            std::shuffle(lista.begin(), lista.end(), rng);
            break;
        }
        default: { // random columns over few numbers, repeated columns included
            const int quante = std::uniform_int_distribution<int>(0, 120)(rng);
            const auto universo = NumeriCasuali(rng, k + 5);
            for (int i = 0; i < quante; ++i) {
                auto u = universo;
                std::shuffle(u.begin(), u.end(), rng);
                Colonna c;
                for (int j = 0; j < k; ++j)
                    c.push_back(static_cast<char>(u[static_cast<std::size_t>(j)]));
                lista.push_back(c);
            }
        }
        }
        auto veloce = lista, letterale = lista;
        EXPECT_FALSE(RiduciColonne(r, veloce));
        riferimento::RiferimentoRiduciColonne(r, letterale);
        ASSERT_EQ(veloce, letterale) << "prova " << prova << " k=" << k << " r=" << r;
    }
}

TEST(RiduzioneVeloce, ListeMisteERipetuteComeIlPassaggioLetterale)
{
    // Mixed lengths and repeated numbers take the literal comparison with L from the second column.
    std::mt19937 rng(11);
    for (int prova = 0; prova < 100; ++prova) {
        std::vector<Colonna> lista;
        const int quante = std::uniform_int_distribution<int>(0, 40)(rng);
        for (int i = 0; i < quante; ++i) {
            Colonna c;
            const int lunghezza = std::uniform_int_distribution<int>(0, 6)(rng);
            for (int j = 0; j < lunghezza; ++j)
                c.push_back(static_cast<char>(std::uniform_int_distribution<int>(1, 9)(rng)));
            lista.push_back(c);
        }
        const int r = std::uniform_int_distribution<int>(0, 3)(rng);
        auto veloce = lista, letterale = lista;
        EXPECT_FALSE(RiduciColonne(r, veloce));
        riferimento::RiferimentoRiduciColonne(r, letterale);
        ASSERT_EQ(veloce, letterale) << "prova " << prova;
    }
}

TEST(RiduzioneVeloce, ColonnaCopertaComeIlRiferimento)
{
    std::mt19937 rng(3);
    for (int prova = 0; prova < 500; ++prova) {
        std::vector<Colonna> lista(static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 5)(rng)));
        for (auto &c : lista)
            for (int j = 0; j < 4; ++j)
                c.push_back(static_cast<char>(std::uniform_int_distribution<int>(1, 8)(rng)));
        Colonna cand;
        for (int j = 0; j < 4; ++j)
            cand.push_back(static_cast<char>(std::uniform_int_distribution<int>(1, 8)(rng)));
        const int r = std::uniform_int_distribution<int>(0, 3)(rng);
        ASSERT_EQ(ColonnaCoperta(r, cand, lista), riferimento::RiferimentoColonnaCoperta(r, cand, lista));
    }
}

TEST(RiduzioneVeloce, OltreSessantaquattroNumeri)
{
    // The wide masks: more numbers in play than bits in a machine word.
    std::mt19937 rng(41);
    struct Caso {
        int n, k, r;
    };
    for (const Caso &c : std::vector<Caso>{{66, 3, 1}, {90, 3, 2}, {90, 3, 3}, {70, 4, 3}}) {
        const std::string testo = TestoNumeriInGioco(OrdineTabellone(NumeriCasuali(rng, c.n)));
        std::vector<Colonna> lista;
        const auto e = SviluppaSistema(testo, c.k, c.r, lista);
        const auto rif = riferimento::RiferimentoSviluppaSistema(testo, c.k, c.r);
        EXPECT_EQ(lista, rif.lista) << c.n << " " << c.k << " " << c.r;
        EXPECT_EQ(e.elaborate, rif.elaborate);
    }
}
