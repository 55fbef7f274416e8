#include "stats/Classi.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace sestina::statistiche;

namespace {

struct CasoFunzione {
    const char *nome;
    int (*f)(int);
    int argomento;
    int atteso;
};

TEST(Classi, FunzioniNumeriche)
{
    const CasoFunzione casi[] = {
        {"Fuori90", Fuori90, 0, 90},
        {"Fuori90", Fuori90, 181, 1},
        {"Fuori90", Fuori90, 91, 1},
        {"Fuori90", Fuori90, 180, 90},
        {"Fuori90", Fuori90, -5, 85},
        {"Fuori90", Fuori90, 90, 90},
        {"Fuori90", Fuori90, -90, 90},
        {"Riduci45", Riduci45, 0, 45},
        {"Riduci45", Riduci45, 45, 45},
        {"Riduci45", Riduci45, 46, 44},
        {"Riduci45", Riduci45, 89, 1},
        {"Riduci45", Riduci45, 1, 1},
        {"Riduci45", Riduci45, 44, 44},
        {"Figura", Figura, 90, 9},
        {"Figura", Figura, 39, 3},
        {"Figura", Figura, 49, 4},
        {"Figura", Figura, 1, 1},
        {"Figura", Figura, 89, 8},
        {"IndiceDecina", IndiceDecina, 90, 1},
        {"IndiceDecina", IndiceDecina, 9, 1},
        {"IndiceDecina", IndiceDecina, 10, 2},
        {"IndiceDecina", IndiceDecina, 89, 9},
        {"IndiceCadenza", IndiceCadenza, 90, 0},
        {"IndiceCadenza", IndiceCadenza, 37, 7},
        {"IndiceFigura", IndiceFigura, 39, 3},
        {"IndiceQuartina", IndiceQuartina, 19, 1},
        {"IndiceQuartina", IndiceQuartina, 21, 0},
        {"IndiceQuartina", IndiceQuartina, 88, 8},
        {"IndiceQuartina", IndiceQuartina, 89, 8},
        {"IndiceTerzina", IndiceTerzina, 61, 1},
        {"IndiceTerzina", IndiceTerzina, 90, 30},
        {"IndicePentagonale", IndicePentagonale, 90, 18},
        {"IndicePentagonale", IndicePentagonale, 19, 1},
        {"IndiceEsagonale", IndiceEsagonale, 90, 15},
        {"IndiceEsagonale", IndiceEsagonale, 16, 1},
    };
    for (const auto &c : casi)
        EXPECT_EQ(c.f(c.argomento), c.atteso) << c.nome << "(" << c.argomento << ")";
}

TEST(Classi, Riduci45EDistanzaCircolare)
{
    for (int d = 0; d <= 89; ++d) {
        int atteso = d == 0 ? 45 : (d <= 45 ? d : 90 - d);
        EXPECT_EQ(Riduci45(d), atteso) << d;
    }
}

TEST(Classi, ClassiDiNumeriSecondoLeRegole)
{
    for (int n = 1; n <= 90; ++n) {
        const int d = n / 10, u = n % 10;
        EXPECT_EQ(EPari(n), n % 2 == 0) << n;
        EXPECT_EQ(EDispari(n), n % 2 != 0) << n;
        EXPECT_EQ(ENumeretto(n), n < 10) << n;
        EXPECT_EQ(EZerato(n), u == 0) << n;
        EXPECT_EQ(EGemello(n), n > 10 && d == u) << n;
        EXPECT_EQ(EVertibile(n), d >= 1 && d <= 8 && u >= 1 && u <= 8 && d != u) << n;
        if (EVertibile(n)) {
            EXPECT_TRUE(EVertibile(Inversione(n))) << n;
            EXPECT_EQ(Inversione(Inversione(n)), n);
        }
    }
    // the primes up to 90, with 1 and without 73
    for (int n = 1; n <= 90; ++n) {
        bool primo = n > 1;
        for (int k = 2; k * k <= n; ++k)
            primo = primo && n % k != 0;
        EXPECT_EQ(EPrimo(n), (primo || n == 1) && n != 73) << n;
    }
    EXPECT_FALSE(EPrimo(73));
    EXPECT_TRUE(EPrimo(1));
    EXPECT_EQ(MembriClasse(ClasseNumero::Vertibili).Conta(), 56);
    EXPECT_EQ(MembriClasse(ClasseNumero::Primi).Conta(), 24);
    EXPECT_EQ(MembriClasse(ClasseNumero::Gemelli).Conta(), 8);
    EXPECT_EQ(MembriClasse(ClasseNumero::Zerati).Conta(), 9);
    // values above 95 are never members
    EXPECT_FALSE(InClasse(ClasseNumero::Pari, 96));
    EXPECT_FALSE(InClasse(ClasseNumero::Pari, 200));
}

// Members of group k by the partition's own rule.
bool MembroPerRegola(Partizione p, int k, int n)
{
    switch (p) {
    case Partizione::Decine:
        return k == 1 ? (n <= 9 || n == 90) : (n >= 10 * (k - 1) && n <= 10 * (k - 1) + 9);
    case Partizione::Cadenze:
        return n % 10 == k;
    case Partizione::Figure:
        return (n - 1) % 9 + 1 == k;
    case Partizione::QuartineRadicali:
        return n == k || n == 10 * k || n == 11 * k || n == 10 * k + 9;
    case Partizione::TerzineSimmetriche:
        return (n - 1) % 30 + 1 == k;
    case Partizione::CinquinePentagonali:
        return (n - 1) % 18 + 1 == k;
    case Partizione::SestineEsagonali:
        return (n - 1) % 15 + 1 == k;
    }
    return false;
}

TEST(Classi, PartizioniCopronoUnaVoltaSecondoLeRegole)
{
    struct Caso {
        Partizione p;
        int primo, ultimo;
        int coperti;
    };
    const Caso casi[] = {
        {Partizione::Decine, 1, 9, 90},
        {Partizione::Cadenze, 0, 9, 90},
        {Partizione::Figure, 1, 9, 90},
        {Partizione::QuartineRadicali, 1, 8, 32},
        {Partizione::TerzineSimmetriche, 1, 30, 90},
        {Partizione::CinquinePentagonali, 1, 18, 90},
        {Partizione::SestineEsagonali, 1, 15, 90},
    };
    for (const Caso &c : casi) {
        const auto &g = Gruppi(c.p);
        ASSERT_EQ(static_cast<int>(g.size()), c.ultimo - c.primo + 1);
        int coperti = 0;
        for (int n = 1; n <= 90; ++n) {
            int dentro = 0;
            for (size_t i = 0; i < g.size(); ++i) {
                EXPECT_EQ(g[i].indice, c.primo + static_cast<int>(i));
                bool m = g[i].membri.Contiene(n);
                EXPECT_EQ(m, MembroPerRegola(c.p, g[i].indice, n)) << "gruppo " << g[i].indice << " n " << n;
                EXPECT_EQ(m, InGruppo(c.p, g[i].indice, n));
                if (m) {
                    ++dentro;
                    EXPECT_EQ(IndiceGruppo(c.p, n), g[i].indice);
                }
            }
            EXPECT_LE(dentro, 1) << n;
            coperti += dentro;
            if (dentro == 0) {
                EXPECT_EQ(IndiceGruppo(c.p, n), 0);
            }
        }
        EXPECT_EQ(coperti, c.coperti);
        EXPECT_FALSE(g[0].membri.Contiene(0));
    }
    for (int n = 1; n <= 90; ++n)
        EXPECT_EQ(IndiceFigura(n), Figura(n));
}

// Label of a group from its members, by the formatting rule of the partition.
std::string EtichettaPerRegola(Partizione p, std::vector<int> membri)
{
    std::string s;
    if (p == Partizione::Decine && membri.back() == 90) {
        membri.pop_back();
        membri.insert(membri.begin(), 90);
    }
    for (size_t i = 0; i < membri.size(); ++i) {
        const bool virgolaSpazio = p == Partizione::TerzineSimmetriche || p == Partizione::CinquinePentagonali ||
                                   p == Partizione::SestineEsagonali;
        if (i)
            s += virgolaSpazio ? ", " : ",";
        std::string n = std::to_string(membri[i]);
        if (p == Partizione::TerzineSimmetriche && n.size() < 2)
            n = " " + n;
        s += n;
    }
    if (p == Partizione::QuartineRadicali)
        s = " " + s;
    return s;
}

TEST(Classi, EtichetteDeiGruppi)
{
    for (Partizione p : {Partizione::Decine, Partizione::Cadenze, Partizione::Figure, Partizione::QuartineRadicali,
                         Partizione::TerzineSimmetriche, Partizione::CinquinePentagonali, Partizione::SestineEsagonali})
        for (const Gruppo &g : Gruppi(p)) {
            std::vector<int> m = g.membri.Membri();
            // k, 10k, 11k, 10k+9 is already ascending
            if (p == Partizione::QuartineRadicali) {
                ASSERT_EQ(m.size(), 4u);
            }
            EXPECT_EQ(g.etichetta, EtichettaPerRegola(p, m));
            EXPECT_EQ(EtichettaGruppo(p, g.indice), g.etichetta);
        }
    // a few texts as the tables print them, blanks included
    EXPECT_EQ(EtichettaGruppo(Partizione::Decine, 1), "90,1,2,3,4,5,6,7,8,9");
    EXPECT_EQ(EtichettaGruppo(Partizione::QuartineRadicali, 1), " 1,10,11,19");
    EXPECT_EQ(EtichettaGruppo(Partizione::TerzineSimmetriche, 9), " 9, 39, 69");
    EXPECT_EQ(EtichettaGruppo(Partizione::TerzineSimmetriche, 30), "30, 60, 90");
    EXPECT_EQ(EtichettaGruppo(Partizione::Cadenze, 0), "10,20,30,40,50,60,70,80,90");
    EXPECT_EQ(EtichettaGruppo(Partizione::SestineEsagonali, 15), "15, 30, 45, 60, 75, 90");
}

TEST(Classi, ListeDiAmbiSecondoLeRegole)
{
    // Gemelli: every pair of two gemelli, lexicographic
    const auto &gem = Ambi(ListaAmbi::Gemelli);
    ASSERT_EQ(gem.size(), 28u);
    for (size_t i = 0; i < gem.size(); ++i) {
        EXPECT_TRUE(EGemello(gem[i].primo) && EGemello(gem[i].secondo));
        EXPECT_LT(gem[i].primo, gem[i].secondo);
        if (i) {
            EXPECT_LT(std::make_pair(gem[i - 1].primo, gem[i - 1].secondo),
                      std::make_pair(gem[i].primo, gem[i].secondo));
        }
    }
    // Vertibili: each with its reversal, ordered by the smaller; the last written reversed
    const auto &ver = Ambi(ListaAmbi::Vertibili);
    ASSERT_EQ(ver.size(), 28u);
    for (size_t i = 0; i < ver.size(); ++i) {
        const int a = std::min(ver[i].primo, ver[i].secondo);
        EXPECT_EQ(Inversione(ver[i].primo), ver[i].secondo);
        EXPECT_TRUE(EVertibile(a));
        if (i + 1 < ver.size()) {
            EXPECT_EQ(ver[i].primo, a);
        }
        if (i) {
            EXPECT_LT(std::min(ver[i - 1].primo, ver[i - 1].secondo), a);
        }
    }
    EXPECT_EQ(ver.back().Testo(), "87, 78");
    EXPECT_EQ(ver.front().Testo(), "12, 21");

    struct Caso {
        ListaAmbi l;
        size_t n;
        int (*secondo)(int k); // partner of k for the regular part
        const char *ultimo;
    };
    const Caso casi[] = {
        {ListaAmbi::Consecutivi, 90, [](int k) { return k + 1; }, "1, 90"},
        {ListaAmbi::Alternati, 90, [](int k) { return k + 2; }, "90, 2"},
        {ListaAmbi::Complementari, 44, [](int k) { return 90 - k; }, "44, 46"},
        {ListaAmbi::Diametrali, 45, [](int k) { return k + 45; }, "45, 90"},
    };
    for (const Caso &c : casi) {
        const auto &v = Ambi(c.l);
        ASSERT_EQ(v.size(), c.n);
        for (size_t i = 0; i < v.size(); ++i) {
            const int k = static_cast<int>(i) + 1;
            if (c.l == ListaAmbi::Consecutivi && k == 90)
                continue;
            if (c.l == ListaAmbi::Alternati && k >= 89)
                continue;
            EXPECT_EQ(v[i].primo, k);
            EXPECT_EQ(v[i].secondo, c.secondo(k));
        }
        EXPECT_EQ(v.back().Testo(), c.ultimo);
    }
    EXPECT_EQ(Ambi(ListaAmbi::Alternati)[88].Testo(), "89, 1");
}

TEST(Classi, TestDiRiga)
{
    struct Caso {
        TestRiga t;
        std::vector<int> riga;
        int posizione;
        bool atteso;
    };
    const std::vector<int> base{5, 15, 20, 33, 47, 80, 6, 5}; // six numbers, jolly 6, superstar 5
    const Caso casi[] = {
        {TestRiga::AmbiInDecina, base, 1, true},
        {TestRiga::AmbiInCadenza, base, 1, true},
        {TestRiga::AmbiInCadenza, {5, 16, 20, 33, 47, 81, 6, 2}, 1, false},
        // the superstar repeating x counts twice in its own group
        {TestRiga::AmbiInCadenza, {5, 16, 20, 33, 47, 81, 6, 5}, 1, true},
        {TestRiga::AmbiTerzineSimmetriche, {5, 16, 20, 33, 47, 81, 6, 5}, 1, true},
        {TestRiga::AmbiSestineEsagonali, {7, 16, 20, 33, 47, 81, 6, 7}, 1, true},
        {TestRiga::AmbiSestineEsagonali, {7, 16, 20, 33, 47, 81, 6, 8}, 1, false},
        {TestRiga::AmbiVertibili, {12, 21, 1, 2, 3, 4}, 1, true},
        {TestRiga::AmbiVertibili, {19, 91, 1, 2, 3, 4}, 1, false},
        {TestRiga::AmbiVertibili, {1, 10, 2, 3, 4, 5}, 1, false},
        {TestRiga::AmbiVertibili, {33, 33, 2, 3, 4, 5}, 1, false},
        {TestRiga::AmbiGemelli, {11, 22, 2, 3, 4, 5}, 1, true},
        {TestRiga::AmbiGemelli, {11, 23, 2, 3, 4, 5}, 1, false},
        {TestRiga::AmbiGemelli, {12, 22, 2, 3, 4, 5}, 1, false},
        {TestRiga::AmbiComplementari, {45, 1, 2, 3, 4, 8}, 1, false},
        {TestRiga::AmbiComplementari, {45, 1, 2, 3, 4, 8, 9, 45}, 1, true},
        {TestRiga::AmbiComplementari, {30, 60, 2, 3, 4, 8}, 2, true},
        {TestRiga::AmbiDiametrali, {50, 5, 2, 3, 4, 8}, 1, true},
        {TestRiga::AmbiDiametrali, {45, 90, 2, 3, 4, 8}, 2, true},
        {TestRiga::AmbiDiametrali, {45, 91, 2, 3, 4, 8}, 1, false},
        {TestRiga::AmbiConsecutivi, {90, 1, 40, 50, 60, 70}, 1, false},
        {TestRiga::AmbiConsecutivi, {89, 90, 40, 50, 60, 70}, 2, true},
        {TestRiga::AmbiConsecutivi, {30, 32, 40, 50, 60, 70}, 1, false},
        {TestRiga::AmbiAlternati, {30, 32, 40, 50, 60, 70}, 1, true},
        {TestRiga::AmbiAlternati, {89, 1, 40, 50, 60, 70}, 1, false},
        {TestRiga::AmbiFigura, {39, 3, 40, 50, 60, 71}, 1, true},
        {TestRiga::AmbiFigura, {49, 3, 41, 50, 60, 71}, 1, false},
        {TestRiga::AmbiQuartineRadicali, {1, 19, 40, 50, 60, 71}, 2, true},
        {TestRiga::AmbiQuartineRadicali, {21, 22, 23, 24, 25, 26}, 1, false},
        // x outside every quartina never passes, even repeated
        {TestRiga::AmbiQuartineRadicali, {21, 21, 23, 24, 25, 26}, 1, false},
        {TestRiga::AmbiCinquinePentagonali, {1, 19, 40, 50, 60, 71}, 1, true},
        {TestRiga::AmbiCinquinePentagonali, {1, 20, 40, 50, 60, 71}, 1, false},
    };
    for (const Caso &c : casi)
        EXPECT_EQ(SuperaTestRiga(c.t, c.riga, c.posizione), c.atteso)
            << NomeTestRiga(c.t) << " posizione " << c.posizione;
    EXPECT_FALSE(SuperaTestRiga(TestRiga::AmbiInDecina, base, 0));
    EXPECT_FALSE(SuperaTestRiga(TestRiga::AmbiInDecina, base, 9));
}

// A superstar 0 (a draw from before the SuperStar) is no number: no test passes
// for it and none uses it as the partner of another value.
TEST(Classi, SuperstarZeroNonFormaCoppie)
{
    struct Caso {
        TestRiga t;
        std::vector<int> riga;
        int posizione;
        bool atteso;
    };
    const Caso casi[] = {
        // 7/2/1998: jolly 1 beside the 0 is not consecutive, 8 and 9 are
        {TestRiga::AmbiConsecutivi, {8, 9, 23, 34, 64, 89, 1, 0}, 7, false},
        {TestRiga::AmbiConsecutivi, {8, 9, 23, 34, 64, 89, 1, 0}, 1, true},
        // 3/1/1998: 90 has no complementary partner in 0
        {TestRiga::AmbiComplementari, {2, 29, 36, 72, 82, 90, 71, 0}, 6, false},
        {TestRiga::AmbiAlternati, {2, 29, 36, 72, 82, 88, 71, 0}, 1, false},
        {TestRiga::AmbiAlternati, {2, 29, 36, 72, 82, 88, 4, 0}, 1, true},
        // the 0 itself passes nothing, not even beside another 0 or a 90
        {TestRiga::AmbiComplementari, {2, 29, 36, 72, 82, 90, 71, 0}, 8, false},
        {TestRiga::AmbiConsecutivi, {1, 29, 36, 72, 82, 90, 71, 0}, 8, false},
        {TestRiga::AmbiFigura, {9, 29, 36, 72, 82, 90, 71, 0}, 8, false},
        {TestRiga::AmbiInCadenza, {10, 29, 36, 72, 82, 91, 71, 0}, 8, false},
        // positions after the 0 keep their own place
        {TestRiga::AmbiDiametrali, {2, 29, 36, 72, 82, 90, 0, 47}, 8, true},
    };
    for (const Caso &c : casi)
        EXPECT_EQ(SuperaTestRiga(c.t, c.riga, c.posizione), c.atteso)
            << NomeTestRiga(c.t) << " posizione " << c.posizione;
}

TEST(Classi, NomiDeiTest)
{
    EXPECT_STREQ(NomeTestRiga(TestRiga::AmbiConsecutivi), "AmbiConsecutivi");
    EXPECT_STREQ(NomeTestRiga(TestRiga::AmbiInDecina), "Ambi in Decina");
    EXPECT_STREQ(NomeTestRiga(TestRiga::AmbiAlternati), "Ambi Alternati");
    EXPECT_STREQ(NomeClasse(ClasseNumero::Numeretti), "Numeretti");
}

} // namespace
