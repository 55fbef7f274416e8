#include "systems/Garanzia.h"

#include "app/Errore.h"
#include "reference/RiferimentoGaranzia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace sestina;
using namespace sestina::sistemi;

namespace {

Colonna Col(std::initializer_list<int> numeri)
{
    Colonna c;
    for (int x : numeri)
        c.push_back(static_cast<char>(x));
    return c;
}

std::vector<int> Da1A(int n)
{
    std::vector<int> v(n);
    std::iota(v.begin(), v.end(), 1);
    return v;
}

} // namespace

// Every m-subset: column {1,2,3} among numbers 1..4. Pairs inside the column
// score 2 (three of them), pairs with 4 score 1 (three); singles score 1
// except 4 alone, which no column holds.
TEST(VerificaGaranzia, TabellaDiUnCasoContatoAMano)
{
    const auto r = VerificaGaranzia({Col({1, 2, 3})}, Da1A(4), 2);
    ASSERT_EQ(r.righe.size(), 2u);
    EXPECT_EQ(r.righe[0].estratti, 2);
    EXPECT_EQ(r.righe[0].combinazioni, 6);
    EXPECT_EQ(r.righe[0].conteggi, (std::vector<long long>{0, 3, 3}));
    EXPECT_EQ(r.righe[1].conteggi, (std::vector<long long>{1, 3}));
    EXPECT_EQ(r.garanzia, 1);
    EXPECT_EQ(EsitoGaranzia(r), "1 se 2");
    EXPECT_EQ(EsitoGaranzia(r.righe[1]), "0 se 1");
}

TEST(VerificaGaranzia, GaranzieNoteDaRagionamento)
{
    // The integral system of eight numbers holds every draw among them.
    std::vector<Colonna> integrale;
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b) {
            Colonna c;
            for (int x = 1; x <= 8; ++x)
                if (x != a && x != b)
                    c.push_back(static_cast<char>(x));
            integrale.push_back(c);
        }
    EXPECT_EQ(EsitoGaranzia(VerificaGaranzia(integrale)), "6 se 6");

    // Two disjoint columns over 13 numbers: six drawn numbers put at least
    // five in the twelve, so three in one column; 1 2 3 7 8 9 shows it is not four.
    const std::vector<Colonna> due{Col({1, 2, 3, 4, 5, 6}), Col({7, 8, 9, 10, 11, 12})};
    const auto r = VerificaGaranzia(due, Da1A(13), 6);
    EXPECT_EQ(EsitoGaranzia(r), "3 se 6");
    // Only the two columns themselves score six.
    EXPECT_EQ(r.righe[0].conteggi[6], 2);

    // Fewer numbers than the draw: no guarantee to speak of.
    const auto corto = VerificaGaranzia({Col({1, 2, 3})}, 6);
    EXPECT_EQ(corto.garanzia, -1);
    EXPECT_EQ(EsitoGaranzia(corto), "nessuna");
    EXPECT_EQ(corto.righe.front().estratti, 3);
}

TEST(VerificaGaranzia, NumeriFuoriGiocoNonContanoERipetutiContanoUnaVolta)
{
    // 50 is not in play; 2 is repeated.
    const auto r = VerificaGaranzia({Col({1, 2, 2, 50})}, {1, 2, 3}, 2);
    EXPECT_EQ(r.numeri, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(r.righe[0].conteggi, (std::vector<long long>{0, 2, 1}));
}

TEST(VerificaGaranzia, UgualeAllaDefinizioneSuInputCasuali)
{
    std::mt19937 gen(20261210);
    for (int prova = 0; prova < 150; ++prova) {
        const int pool = 3 + static_cast<int>(gen() % 11); // 3..13 numbers in the pool
        std::vector<int> numeri(90);
        std::iota(numeri.begin(), numeri.end(), 1);
        std::shuffle(numeri.begin(), numeri.end(), gen);
        numeri.resize(pool);
        const int colonne = 1 + static_cast<int>(gen() % 12);
        std::vector<Colonna> lista;
        for (int c = 0; c < colonne; ++c) {
            const int l = 1 + static_cast<int>(gen() % std::min(pool, 8));
            Colonna col;
            for (int i = 0; i < l; ++i)
                col.push_back(static_cast<char>(numeri[gen() % pool])); // repeats allowed
            lista.push_back(col);
        }
        const int k = 1 + static_cast<int>(gen() % 7);
        std::vector<int> inGioco = numeri;
        if (prova % 3 == 1)
            inGioco.resize(std::max(1, pool - 2)); // some column numbers out of play
        if (prova % 3 == 2)
            inGioco.push_back(numeri[0] == 90 ? 89 : 90); // possibly a number no column holds
        SCOPED_TRACE("prova " + std::to_string(prova));
        EXPECT_EQ(VerificaGaranzia(lista, inGioco, k), riferimento::RiferimentoGaranzia(lista, inGioco, k));
        if (prova % 3 == 0) {
            std::vector<int> unione;
            for (const auto &c : lista)
                for (unsigned char x : c)
                    unione.push_back(x);
            EXPECT_EQ(VerificaGaranzia(lista, k), riferimento::RiferimentoGaranzia(lista, unione, k));
        }
    }
}

// Columns with thousands of subsets per level take another path than slips of six.
TEST(VerificaGaranzia, ColonneLungheComeDaDefinizione)
{
    const std::vector<Colonna> lista{Col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}),
                                     Col({14, 15, 16, 17, 18, 19}), Col({2, 4, 6, 16, 18})};
    const auto numeri = Da1A(19);
    const auto r = VerificaGaranzia(lista, numeri, 7);
    EXPECT_EQ(r, riferimento::RiferimentoGaranzia(lista, numeri, 7));
    // Seven drawn among 19: four or more fall in the long column, or else
    // 16..19 are all drawn and the second column holds them; 1 3 5 7 16 17 18 scores just four.
    EXPECT_EQ(r.garanzia, 4);
}

TEST(VerificaGaranzia, IngressiNonValidi)
{
    EXPECT_THROW(VerificaGaranzia({}, 6), Errore);
    EXPECT_THROW(VerificaGaranzia({Col({1, 91})}, 6), Errore);
    EXPECT_THROW(VerificaGaranzia({Col({0, 5})}, 6), Errore);
    EXPECT_THROW(VerificaGaranzia({Col({1, 2})}, 0), Errore);
    EXPECT_THROW(VerificaGaranzia({Col({1, 2})}, 11), Errore);
    EXPECT_THROW(VerificaGaranzia({Col({1, 2})}, {1, 95}, 2), Errore);
    // All 90 numbers and draws of six: 622 million subsets is refused, not ground through.
    EXPECT_THROW(VerificaGaranzia({Col({1, 2})}, Da1A(90), 6), Errore);
    try {
        VerificaGaranzia({Col({1, 91})}, 6);
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("91"), std::string::npos);
    }
}

TEST(GrigliaGaranzia, IntestazioneRigheEGaranziaInGiallo)
{
    const auto r = VerificaGaranzia({Col({1, 2, 3})}, Da1A(4), 2);
    const Griglia g = GrigliaGaranzia(r);
    ASSERT_EQ(g.righe(), 3);
    ASSERT_EQ(g.colonne(), 6);
    EXPECT_EQ(g.testo(0, 0), "Estratti");
    EXPECT_EQ(g.testo(0, 1), "Combinazioni");
    EXPECT_EQ(g.testo(0, 2), "2 punti");
    EXPECT_EQ(g.testo(0, 3), "1 punto");
    EXPECT_EQ(g.testo(0, 4), "0 punti");
    EXPECT_EQ(g.testo(0, 5), "Garanzia");
    EXPECT_EQ(g.testo(1, 0), "2");
    EXPECT_EQ(g.testo(1, 2), "3");
    EXPECT_EQ(g.testo(1, 5), "1 se 2");
    EXPECT_EQ(g.cella(1, 3).sfondo, colori::Giallo);
    EXPECT_FALSE(g.cella(1, 2).sfondo.has_value());
    // Row "1": two hits are impossible, the cell stays empty.
    EXPECT_EQ(g.testo(2, 2), "");
    EXPECT_EQ(g.cella(2, 4).sfondo, colori::Giallo);
}

TEST(GrigliaGaranzia, MigliaiaSeparate)
{
    std::vector<Colonna> lista{Col({1, 2, 3, 4, 5, 6})};
    const auto r = VerificaGaranzia(lista, Da1A(20), 6);
    EXPECT_EQ(GrigliaGaranzia(r).testo(1, 1), "38.760");
}

TEST(CsvGaranzia, UnaRigaPerEsito)
{
    const auto r = VerificaGaranzia({Col({1, 2, 3})}, Da1A(4), 2);
    EXPECT_EQ(CsvGaranzia(r), "estratti;combinazioni;2;1;0;garanzia\n"
                              "2;6;3;3;0;1 se 2\n"
                              "1;4;;3;1;0 se 1\n");
}
