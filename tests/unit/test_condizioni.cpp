#include "systems/Condizioni.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "reference/RiferimentoCondizioni.h"
#include "support/CartellaProgramma.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

using namespace sestina;
using namespace sestina::sistemi;

namespace {

std::vector<int> NumeriCasuali(std::mt19937 &rng, int n)
{
    std::vector<int> tutti(90);
    std::iota(tutti.begin(), tutti.end(), 1);
    std::shuffle(tutti.begin(), tutti.end(), rng);
    tutti.resize(n);
    return tutti; // in play in an arbitrary order: the enumeration follows it
}

Limiti LimitiCasuali(std::mt19937 &rng, int alto)
{
    int a = std::uniform_int_distribution<int>(0, alto)(rng);
    int b = std::uniform_int_distribution<int>(0, alto)(rng);
    return {std::min(a, b), std::max(a, b)};
}

// Each condition present with probability `p`, ranges wide enough to keep some columns.
Condizioni CondizioniCasuali(std::mt19937 &rng, const std::vector<int> &inGioco, int k, double p)
{
    std::bernoulli_distribution c(p);
    Condizioni r;
    if (c(rng))
        r.pari = LimitiCasuali(rng, k);
    if (c(rng))
        r.bassi = LimitiCasuali(rng, k);
    if (c(rng)) {
        int centro = std::uniform_int_distribution<int>(20 * k, 70 * k)(rng);
        r.somma = Limiti{centro - 40 * k / 2, centro + 40 * k / 2};
        r.somma->minimo = std::max(0, r.somma->minimo);
        r.somma->massimo = std::min(900, r.somma->massimo);
    }
    if (c(rng))
        r.escursione = LimitiCasuali(rng, 89);
    if (c(rng))
        r.decinaMax = std::uniform_int_distribution<int>(0, 3)(rng);
    if (c(rng))
        r.cadenzaMax = std::uniform_int_distribution<int>(0, 3)(rng);
    if (c(rng))
        r.figuraMax = std::uniform_int_distribution<int>(0, 3)(rng);
    if (c(rng))
        r.consecutiviMax = std::uniform_int_distribution<int>(0, 3)(rng);
    const int gruppi = c(rng) ? std::uniform_int_distribution<int>(1, GruppiMassimi)(rng) : 0;
    for (int g = 0; g < gruppi; ++g) {
        GruppoNumeri gr;
        // Groups mostly from the numbers in play, sometimes with outsiders.
        std::set<int> s;
        const int quanti = std::uniform_int_distribution<int>(1, 6)(rng);
        for (int i = 0; i < quanti; ++i)
            s.insert(std::bernoulli_distribution(0.8)(rng)
                         ? inGioco[std::uniform_int_distribution<std::size_t>(0, inGioco.size() - 1)(rng)]
                         : std::uniform_int_distribution<int>(1, 90)(rng));
        gr.numeri.assign(s.begin(), s.end());
        gr.limiti = LimitiCasuali(rng, 3);
        r.gruppi.push_back(gr);
    }
    return r;
}

std::vector<std::vector<int>> Veloci(const std::vector<int> &inGioco, int k, const Condizioni &c)
{
    std::vector<std::vector<int>> v;
    (void)PercorriColonneCondizionate(inGioco, k, c, [&](const std::vector<int> &col) {
        v.push_back(col);
        return false;
    });
    return v;
}

} // namespace

// The pruned walk keeps the same columns, in the same order, as the literal filter.
TEST(Condizioni, CombinazioniCasualiComeIlFiltroLetterale)
{
    std::mt19937 rng(16);
    for (int prova = 0; prova < 400; ++prova) {
        const int k = std::uniform_int_distribution<int>(3, 6)(rng);
        const int n = std::uniform_int_distribution<int>(k, 16)(rng);
        auto inGioco = NumeriCasuali(rng, n);
        auto c = CondizioniCasuali(rng, inGioco, k, 0.4);
        const int b = std::uniform_int_distribution<int>(0, std::min(k - 1, 2))(rng);
        c.basi.assign(inGioco.begin() + (n - b), inGioco.end());
        const auto attese = riferimento::RiferimentoColonneCondizionate(inGioco, k, c);
        ASSERT_EQ(Veloci(inGioco, k, c), attese) << "prova " << prova;
        ASSERT_EQ(ContaColonneCondizionate(inGioco, k, c), attese.size());
    }
}

// Each kind of condition alone, over many random cases (a fault in one kind
// cannot hide behind another that filtered the same columns).
TEST(Condizioni, OgniCondizioneDaSola)
{
    using Imposta = void (*)(Condizioni &, std::mt19937 &, int);
    const std::vector<std::pair<const char *, Imposta>> casi = {
        {"pari", [](Condizioni &c, std::mt19937 &r, int k) { c.pari = LimitiCasuali(r, k); }},
        {"bassi", [](Condizioni &c, std::mt19937 &r, int k) { c.bassi = LimitiCasuali(r, k); }},
        {"somma",
         [](Condizioni &c, std::mt19937 &r, int) {
             auto l = LimitiCasuali(r, 400);
             c.somma = Limiti{l.minimo, l.massimo + 100};
         }},
        {"escursione", [](Condizioni &c, std::mt19937 &r, int) { c.escursione = LimitiCasuali(r, 89); }},
        {"decina", [](Condizioni &c, std::mt19937 &r, int) { c.decinaMax = std::uniform_int_distribution(0, 3)(r); }},
        {"cadenza", [](Condizioni &c, std::mt19937 &r, int) { c.cadenzaMax = std::uniform_int_distribution(0, 3)(r); }},
        {"figura", [](Condizioni &c, std::mt19937 &r, int) { c.figuraMax = std::uniform_int_distribution(0, 3)(r); }},
        {"consecutivi",
         [](Condizioni &c, std::mt19937 &r, int) { c.consecutiviMax = std::uniform_int_distribution(0, 3)(r); }},
    };
    std::mt19937 rng(1601);
    for (const auto &[nome, imposta] : casi) {
        for (int prova = 0; prova < 60; ++prova) {
            const int k = std::uniform_int_distribution<int>(3, 6)(rng);
            // Numbers close together so runs, decades and figures really bind.
            const int base = std::uniform_int_distribution<int>(1, 70)(rng);
            std::vector<int> inGioco;
            for (int x = base; x < base + 20 && static_cast<int>(inGioco.size()) < 13; ++x)
                if (std::bernoulli_distribution(0.7)(rng))
                    inGioco.push_back(x);
            if (static_cast<int>(inGioco.size()) < k)
                continue;
            Condizioni c;
            imposta(c, rng, k);
            ASSERT_EQ(Veloci(inGioco, k, c), riferimento::RiferimentoColonneCondizionate(inGioco, k, c))
                << nome << " prova " << prova;
        }
    }
}

TEST(Condizioni, ConfiniDelleClassi)
{
    struct Caso {
        std::vector<int> colonna;
        Condizioni c;
        bool atteso;
    };
    auto con = [](auto imposta) {
        Condizioni c;
        imposta(c);
        return c;
    };
    const std::vector<Caso> casi = {
        // 10 belongs with 1..9, 11 opens the next decade.
        {{1, 10}, con([](Condizioni &c) { c.decinaMax = 1; }), false},
        {{10, 11}, con([](Condizioni &c) { c.decinaMax = 1; }), true},
        {{81, 90}, con([](Condizioni &c) { c.decinaMax = 1; }), false},
        // Figura: 39 -> 3, 49 -> 4, 90 -> 9, 9 -> 9.
        {{39, 49}, con([](Condizioni &c) { c.figuraMax = 1; }), true},
        {{9, 90}, con([](Condizioni &c) { c.figuraMax = 1; }), false},
        {{3, 39}, con([](Condizioni &c) { c.figuraMax = 1; }), false},
        // Cadenza: 10 and 90 both end in 0.
        {{10, 90}, con([](Condizioni &c) { c.cadenzaMax = 1; }), false},
        // 45 is low, 46 is not.
        {{45, 46},
         con([](Condizioni &c) {
             c.bassi = Limiti{1, 1};
         }),
         true},
        // Runs: 1 2 3 and 5 -> 3; 89 90 1 does not wrap.
        {{1, 2, 3, 5}, con([](Condizioni &c) { c.consecutiviMax = 2; }), false},
        {{1, 2, 3, 5}, con([](Condizioni &c) { c.consecutiviMax = 3; }), true},
        {{1, 89, 90}, con([](Condizioni &c) { c.consecutiviMax = 2; }), true},
        {{4, 20, 44},
         con([](Condizioni &c) {
             c.escursione = Limiti{40, 40};
         }),
         true},
        {{4, 20, 44},
         con([](Condizioni &c) {
             c.somma = Limiti{69, 69};
         }),
         false},
        {{5, 17, 23, 60},
         con([](Condizioni &c) {
             c.gruppi = {{{5, 17, 23, 42}, {1, 2}}};
         }),
         false},
        {{5, 17, 50, 60},
         con([](Condizioni &c) {
             c.gruppi = {{{5, 17, 23, 42}, {1, 2}}};
         }),
         true},
    };
    for (std::size_t i = 0; i < casi.size(); ++i) {
        EXPECT_EQ(RispettaCondizioni(casi[i].c, casi[i].colonna), casi[i].atteso) << "caso " << i;
        EXPECT_EQ(riferimento::RiferimentoRispetta(casi[i].c, casi[i].colonna), casi[i].atteso) << "caso " << i;
    }
}

// Bases are in every column, and the variants fill the other k - b places.
TEST(Condizioni, BasiConOgniK)
{
    const std::vector<int> inGioco = {1, 11, 21, 31, 2, 12, 22, 32, 3, 13};
    for (int k = 3; k <= 6; ++k) {
        for (int b = 0; b < k; ++b) {
            Condizioni c;
            c.basi.assign(inGioco.begin() + 3, inGioco.begin() + 3 + b);
            const auto colonne = Veloci(inGioco, k, c);
            ASSERT_EQ(colonne.size(), Combinazioni(10 - b, k - b)) << "k " << k << " basi " << b;
            std::set<std::vector<int>> distinte;
            for (const auto &col : colonne) {
                ASSERT_EQ(static_cast<int>(col.size()), k);
                for (int base : c.basi)
                    ASSERT_NE(std::find(col.begin(), col.end(), base), col.end());
                auto s = col;
                std::sort(s.begin(), s.end());
                distinte.insert(s);
            }
            EXPECT_EQ(distinte.size(), colonne.size());
            EXPECT_EQ(colonne, riferimento::RiferimentoColonneCondizionate(inGioco, k, c));
            EXPECT_EQ(ContaColonneCondizionate(inGioco, k, c), colonne.size());
        }
        Condizioni troppe;
        troppe.basi.assign(inGioco.begin(), inGioco.begin() + k);
        EXPECT_THROW((void)ContaColonneCondizionate(inGioco, k, troppe), Errore);
    }
    Condizioni fuori;
    fuori.basi = {90};
    EXPECT_THROW((void)ContaColonneCondizionate(inGioco, 6, fuori), Errore);
}

// "Elabora" with conditions: the greedy reduction of the kept columns in enumeration order.
TEST(Condizioni, SviluppoCondizionatoRidottoComeRiduciColonne)
{
    std::mt19937 rng(7);
    for (int prova = 0; prova < 60; ++prova) {
        const int k = std::uniform_int_distribution<int>(3, 6)(rng);
        const int n = std::uniform_int_distribution<int>(k + 1, 14)(rng);
        auto inGioco = NumeriCasuali(rng, n);
        auto c = CondizioniCasuali(rng, inGioco, k, 0.3);
        const int livello = std::uniform_int_distribution<int>(0, 3)(rng);
        std::vector<Colonna> attese;
        for (const auto &col : riferimento::RiferimentoColonneCondizionate(inGioco, k, c))
            attese.push_back(StringaDaValori(col));
        std::vector<Colonna> lista{"x"};
        const auto e = SviluppaSistemaCondizionato(inGioco, k, livello, c, lista);
        if (livello > 0) {
            ASSERT_FALSE(RiduciColonne(livello, attese));
        }
        ASSERT_EQ(lista, attese) << "prova " << prova;
        EXPECT_EQ(e.ridotte, static_cast<long>(lista.size()));
        EXPECT_EQ(e.elaborate, static_cast<long>(Combinazioni(n, k)));
        EXPECT_FALSE(e.interrotto);
    }
}

TEST(Condizioni, ConteggioInterrottoDallUtente)
{
    struct Ferma final : Progresso {
        void Avanza(long, long) override {}
        bool Interrompi() override { return true; }
    } ferma;
    std::vector<int> inGioco(20);
    std::iota(inGioco.begin(), inGioco.end(), 1);
    Condizioni c;
    c.pari = Limiti{3, 3};
    std::vector<Colonna> lista;
    EXPECT_TRUE(SviluppaSistemaCondizionato(inGioco, 6, 1, c, lista, &ferma).interrotto);
}

TEST(Condizioni, TestoDelConteggio)
{
    EXPECT_EQ(TestoConteggio(906192, 41310), "Colonne: 906.192 \u2192 41.310");
    EXPECT_EQ(TestoConteggio(84, 0), "Colonne: 84 \u2192 0");
}

// The guarantee for the draws that meet the conditions, against the definition.
TEST(Condizioni, GaranziaSulleSoleCombinazioniCondizionate)
{
    std::mt19937 rng(99);
    for (int prova = 0; prova < 80; ++prova) {
        const int k = std::uniform_int_distribution<int>(3, 6)(rng);
        const int n = std::uniform_int_distribution<int>(k, 12)(rng);
        auto inGioco = NumeriCasuali(rng, n);
        auto c = CondizioniCasuali(rng, inGioco, k, 0.3);
        std::vector<Colonna> colonne;
        const int quante = std::uniform_int_distribution<int>(1, 12)(rng);
        for (int i = 0; i < quante; ++i) {
            auto v = inGioco;
            std::shuffle(v.begin(), v.end(), rng);
            v.resize(std::uniform_int_distribution<int>(1, std::min(n, 7))(rng));
            if (std::bernoulli_distribution(0.2)(rng))
                v.push_back(90 - v.front() == v.front() ? 1 : 90 - v.front()); // maybe a number out of play
            colonne.push_back(StringaDaValori(v));
        }
        std::vector<long long> conteggi(k + 1, 0);
        long long totale = 0;
        for (const auto &s : riferimento::RiferimentoColonneCondizionate(inGioco, k, c)) {
            int meglio = 0;
            for (const auto &col : colonne) {
                std::set<int> numeriCol(col.begin(), col.end());
                int comuni = 0;
                for (int x : s)
                    comuni += numeriCol.count(x);
                meglio = std::max(meglio, comuni);
            }
            ++conteggi[meglio];
            ++totale;
        }
        const auto r = VerificaGaranziaCondizionata(colonne, inGioco, k, c);
        ASSERT_EQ(r.righe.size(), 1u);
        EXPECT_EQ(r.righe[0].combinazioni, totale) << "prova " << prova;
        EXPECT_EQ(r.righe[0].conteggi, conteggi) << "prova " << prova;
    }
}

// A conditioned "n-1" system promises k - 1 for the conditioned draws, though
// not for all draws of its numbers.
TEST(Condizioni, SistemaCondizionatoGarantisceSoloLeCombinazioniTenute)
{
    const std::vector<int> inGioco = {1, 11, 21, 31, 2, 12, 22, 32, 3, 13};
    Condizioni c;
    c.pari = Limiti{3, 3};
    std::vector<Colonna> lista;
    (void)SviluppaSistemaCondizionato(inGioco, 6, 1, c, lista);
    EXPECT_EQ(EsitoGaranzia(VerificaGaranziaCondizionata(lista, inGioco, 6, c)), "5 se 6");
    EXPECT_LT(VerificaGaranzia(lista, inGioco, 6).garanzia, 5);
}

TEST(Condizioni, VerificaStoricaContaLeEstrazioniEUltimaMancata)
{
    auto estr = [](int g, int m, int a, std::array<std::uint8_t, 6> n) {
        archivio::Estrazione e;
        e.data.giorno = static_cast<std::uint16_t>(g);
        e.data.mese = static_cast<std::uint16_t>(m);
        e.data.anno = static_cast<std::uint16_t>(a);
        e.numeri.numeri = n;
        return e;
    };
    // Even counts 3, 6, 4, 0; sums 111, 42, 216, 262.
    std::vector<archivio::Estrazione> a = {
        estr(1, 2, 2020, {2, 4, 6, 11, 23, 65}),
        estr(5, 2, 2020, {2, 4, 6, 8, 10, 12}),
        estr(8, 2, 2020, {20, 22, 24, 45, 47, 58}),
        estr(12, 2, 2020, {31, 33, 35, 49, 51, 63}),
    };
    Condizioni c;
    c.pari = Limiti{3, 4};
    c.somma = Limiti{100, 250};
    const auto v = VerificaStorica(c, a);
    ASSERT_EQ(v.size(), 3u); // pari, somma, all together
    EXPECT_EQ(v[0].nome, "Pari 3-4");
    EXPECT_EQ(v[0].rispettata, 2); // draws 1 and 3
    ASSERT_TRUE(v[0].ultimaMancata);
    EXPECT_EQ(v[0].ultimaMancata->giorno, 12);
    EXPECT_EQ(v[1].rispettata, 2);
    EXPECT_EQ(v[1].ultimaMancata->giorno, 12);
    EXPECT_EQ(v[2].nome, "Tutte le condizioni");
    EXPECT_EQ(v[2].rispettata, 2);
    const auto g = GrigliaVerificaStorica(v);
    EXPECT_EQ(g.testo(1, 1), "2");
    EXPECT_EQ(g.testo(1, 2), "4");
    EXPECT_EQ(g.testo(1, 3), "50,0 %");
    EXPECT_EQ(g.testo(1, 4), "12/02/2020");
}

TEST(Condizioni, Percentuali)
{
    EXPECT_EQ(TestoPercentuale(1, 3), "33,3 %");
    EXPECT_EQ(TestoPercentuale(2, 3), "66,7 %");
    EXPECT_EQ(TestoPercentuale(1, 2000), "0,1 %"); // 0,05 rounds up
    EXPECT_EQ(TestoPercentuale(7, 7), "100,0 %");
}

TEST(Condizioni, FileCndAndataERitorno)
{
    prova::CartellaTemporanea t;
    std::mt19937 rng(5);
    for (int prova = 0; prova < 50; ++prova) {
        auto inGioco = NumeriCasuali(rng, 12);
        auto c = CondizioniCasuali(rng, inGioco, 6, 0.5);
        c.basi.assign(inGioco.begin(), inGioco.begin() + prova % 3);
        const std::string p = t.percorso("prova.cnd");
        SalvaCondizioni(p, c);
        ASSERT_EQ(CaricaCondizioni(p), c) << "prova " << prova;
    }
    Condizioni c;
    c.pari = Limiti{3, 3};
    c.gruppi = {{{5, 17, 23, 42}, {1, 2}}};
    c.basi = {7, 9};
    SalvaCondizioni(t.percorso("a.cnd"), c);
    EXPECT_EQ(LeggiFile(t.percorso("a.cnd")), "pari=3-3\r\ngruppo=5 17 23 42:1-2\r\nbasi=7 9\r\n");
    EXPECT_EQ(PercorsoCondizioni("/x/sistema.stm"), "/x/sistema.cnd");
    EXPECT_EQ(PercorsoCondizioni("/x.y/sistema"), "/x.y/sistema.cnd");
}

TEST(Condizioni, FileCndRifiutaRigheErrateNominandole)
{
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"pari=3", "riga 2"},        {"pari=5-3", "riga 2"},     {"pari 3-3", "riga 2"},
        {"sconosciuta=1", "riga 2"}, {"gruppo=5 17", "riga 2"},  {"gruppo=5 17 91:1-2", "riga 2"},
        {"basi=1 1", "riga 2"},      {"decina-max=x", "riga 2"}, {"somma=100-950", "riga 2"},
        {"bassi=2-4", "riga 2"}, // second "bassi"
    };
    for (const auto &[riga, attesa] : casi) {
        TExStringList l{"bassi=1-5", riga};
        try {
            (void)CondizioniDaRighe(l, "s.cnd");
            ADD_FAILURE() << riga << " accettata";
        } catch (const Errore &e) {
            EXPECT_NE(std::string(e.what()).find("s.cnd, " + attesa), std::string::npos) << e.what();
        }
    }
    TExStringList undici;
    for (int g = 0; g < 11; ++g)
        undici.Add("gruppo=" + std::to_string(g + 1) + ":0-1");
    try {
        (void)CondizioniDaRighe(undici, "g.cnd");
        ADD_FAILURE() << "undici gruppi accettati";
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("riga 11"), std::string::npos) << e.what();
    }
}

// With bases the limit applies to the columns the bases and variants give.
TEST(Condizioni, LimiteDelleColonneConLeBasi)
{
    std::vector<int> numeri(40);
    std::iota(numeri.begin(), numeri.end(), 1);
    Condizioni c;
    c.pari = Limiti{0, 6};
    EXPECT_EQ(ControllaSviluppoCondizionato(numeri, 6, c), std::string(MsgTroppeColonne)); // C(40,6)
    c.basi = {1, 2};
    EXPECT_EQ(ControllaSviluppoCondizionato(numeri, 6, c), std::nullopt); // C(38,4) = 73,815
    numeri.resize(5);
    EXPECT_EQ(ControllaSviluppoCondizionato(numeri, 6, c), std::string(MsgSviluppoImpossibile));
}
