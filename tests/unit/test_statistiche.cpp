#include "stats/Statistiche.h"

#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::statistiche;
using archivio::Estrazione;

namespace {

std::vector<Estrazione> Archivio(const std::vector<std::vector<int>> &righe) { return prova::EstrazioniDaNumeri(righe); }

TEST(Statistiche, NomiEDimensioniDelleTabelle)
{
    struct Caso {
        const char *nome;
        int colonne, righe;
        const char *h0, *h1, *h2, *h3;
    };
    const Caso casi[] = {
        {"Numeri", 20, 19, "N.", "R.At", "R.Mx", "Freq"},
        {"Ambi Gemelli", 8, 15, "Ambi Gemelli", "R.At.", "R.MX", "Frq"},
        {"Ambi Vertibili", 8, 15, "Ambi Vertibili", "R.At.", "R.MX", "Frq"},
        {"Ambi Figure", 4, 10, "Ambi Figure", "Rit.At.", "Rit.MX", "Freq"},
        {"Ambi Quartine Radicali", 4, 9, "Ambi Quartine Radicali", "Rit.At.", "Rit.MX", "Freq"},
        {"Ambi Terzine Simmetriche", 8, 16, "Ambi Terzine Simmetriche", "R.At.", "R.MX", "Frq"},
        {"Ambi Consecutivi", 20, 19, "Ambi", "R.At.", "R.MX", "Frq"},
        {"Ambi Decine", 4, 10, "Ambi Decina", "Rit.At.", "Rit.MX", "Freq"},
        {"Ambi Cadenze", 4, 11, "Ambi Cadenze", "Rit.At.", "Rit.MX", "Freq"},
        {"Ambi Complementari", 16, 12, "Ambi", "R.At.", "R.MX", "Frq"},
        {"Ambi Diametrali", 12, 16, "Ambi Dmtrl", "R.At.", "R.Mx", "Frq"},
        {"Ambi Cinquina Pentagonale", 4, 19, "Ambi Pentagonali", "R.At.", "R.Mx", "Frq"},
        {"Ambi Sestina Esagonale", 4, 16, "Ambi Esagonali", "Rit.At.", "Rit.MX", "Freq"},
        {"Ambi Alternati", 20, 19, "Ambi", "R.At.", "R.MX", "Frq"},
    };
    auto a = prova::EstrazioniCasuali(3, 40);
    for (int i = 0; i < NumeroListeVoci; ++i) {
        const Caso &c = casi[i];
        auto l = static_cast<ListaVoci>(i);
        EXPECT_STREQ(NomeTabella(l), c.nome);
        ASSERT_EQ(TabellaDaNome(c.nome), l);
        Griglia g = MostraStatistica(a, 0, 39, l, 0);
        EXPECT_EQ(g.colonne(), c.colonne) << c.nome;
        EXPECT_EQ(g.righe(), c.righe) << c.nome;
        for (int b = 0; b < c.colonne; b += 4) {
            EXPECT_EQ(g.testo(0, b), c.h0);
            EXPECT_EQ(g.testo(0, b + 1), c.h1);
            EXPECT_EQ(g.testo(0, b + 2), c.h2);
            EXPECT_EQ(g.testo(0, b + 3), c.h3);
        }
        // every item written exactly once
        const size_t voci = VociDi(l).size();
        size_t scritte = 0;
        for (int r = 1; r < g.righe(); ++r)
            for (int b = 0; b < c.colonne; b += 4)
                scritte += !g.testo(r, b).empty();
        EXPECT_EQ(scritte, voci) << c.nome;
    }
    EXPECT_FALSE(TabellaDaNome("Ambi"));
}

TEST(Statistiche, LayoutDiUnaTabellaDiAmbi)
{
    // 11 and 22 drawn (22 as jolly) in the last draw, 33 only as superstar
    auto a = Archivio({{1, 2, 3, 4, 5, 6, 7, 8}, {11, 40, 41, 42, 43, 44, 22, 33}});
    Griglia g = MostraStatistica(a, 0, 1, ListaVoci::AmbiGemelli, 0);
    EXPECT_EQ(g.testo(1, 0), "11, 22");
    EXPECT_EQ(g.testo(1, 1), "0");
    EXPECT_EQ(g.testo(1, 2), "1");
    EXPECT_EQ(g.testo(1, 3), "1");
    EXPECT_EQ(g.testo(2, 0), "11, 33");
    EXPECT_EQ(g.testo(2, 1), "2");
    EXPECT_EQ(g.testo(14, 0), "33, 44"); // 14th pair ends the first block
    EXPECT_EQ(g.testo(1, 4), "33, 55");  // 15th pair opens the second
    EXPECT_EQ(g.testo(14, 4), "77, 88");
    // colours: the maxima yellow, the others by column
    EXPECT_EQ(g.sfondoEffettivo(1, 0), colori::Bianco);
    EXPECT_EQ(g.sfondoEffettivo(1, 1), coloristat::RitardoAttuale); // 0 is not the maximum 2
    EXPECT_EQ(g.sfondoEffettivo(1, 2), coloristat::RitardoMassimo); // 1 < 2
    EXPECT_EQ(g.sfondoEffettivo(1, 3), colori::Giallo);             // the only frequency 1
    EXPECT_EQ(g.sfondoEffettivo(2, 1), colori::Giallo);
    EXPECT_EQ(g.sfondoEffettivo(2, 2), colori::Giallo);
    EXPECT_EQ(g.sfondoEffettivo(2, 3), coloristat::Frequenza);
    EXPECT_EQ(g.larghezza(0), 220);
    EXPECT_EQ(g.larghezza(1), 50);
    EXPECT_EQ(g.larghezza(4), 220);
}

TEST(Statistiche, LayoutDiUnaTabellaDiGruppi)
{
    // draw 1 holds 90 and 3: the first decina is present
    auto a = Archivio({{10, 21, 32, 43, 54, 65, 76, 3}, {90, 13, 25, 37, 49, 51, 3, 2}});
    Griglia g = MostraStatistica(a, 0, 1, ListaVoci::AmbiDecine, 0);
    EXPECT_EQ(g.testo(1, 0), "90,1,2,3,4,5,6,7,8,9");
    EXPECT_EQ(g.testo(1, 1), "0");
    EXPECT_EQ(g.testo(1, 3), "1");
    EXPECT_EQ(g.testo(9, 0), "80,81,82,83,84,85,86,87,88,89");
    EXPECT_EQ(g.larghezza(0), 220);
    Griglia q = MostraStatistica(a, 0, 1, ListaVoci::AmbiQuartineRadicali, 0);
    EXPECT_EQ(q.testo(1, 0), " 1,10,11,19");
    Griglia t = MostraStatistica(a, 0, 1, ListaVoci::AmbiTerzineSimmetriche, 0);
    EXPECT_EQ(t.testo(1, 0), " 1, 31, 61");
    EXPECT_EQ(t.testo(1, 4), "16, 46, 76");
    Griglia d = MostraStatistica(a, 0, 1, ListaVoci::AmbiDiametrali, 0);
    EXPECT_EQ(d.larghezza(0), 110);
    Griglia c = MostraStatistica(a, 0, 1, ListaVoci::AmbiConsecutivi, 0);
    EXPECT_EQ(c.larghezza(0), 45);
    EXPECT_EQ(c.larghezza(1), 40);
    EXPECT_EQ(c.larghezza(3), 28);
    EXPECT_EQ(c.testo(18, 16), "1, 90");
    Griglia alt = MostraStatistica(a, 0, 1, ListaVoci::AmbiAlternati, 0);
    EXPECT_EQ(alt.testo(17, 16), "89, 1");
    EXPECT_EQ(alt.testo(18, 16), "90, 2");
    Griglia n = MostraStatistica(a, 0, 1, ListaVoci::Numeri, 0);
    EXPECT_EQ(n.larghezza(0), 37);
    EXPECT_EQ(n.larghezza(19), 37);
    EXPECT_EQ(n.testo(18, 0), "18");
    EXPECT_EQ(n.testo(1, 4), "19");
}

TEST(Statistiche, StessaEstrazioneInizioEFine)
{
    auto a = Archivio({{1, 2, 3, 4, 5, 6, 7, 8}, {10, 20, 30, 40, 50, 60, 70, 80}});
    Griglia g = MostraStatistica(a, 1, 1, ListaVoci::Numeri, 0);
    // number 10 (row 10, block 0) present; 80 is only the superstar
    EXPECT_EQ(g.testo(10, 1) + g.testo(10, 2) + g.testo(10, 3), "001");
    EXPECT_EQ(g.testo(8, 17) + g.testo(8, 18) + g.testo(8, 19), "110"); // 80 = block 4, row 8
    EXPECT_EQ(g.testo(8, 16), "80");
}

TEST(Statistiche, OrdiniConPareggiInOrdineDiLista)
{
    RisultatoRitardi r;
    r.voci = {{3, 5, 1}, {1, 7, 4}, {3, 3, 4}, {0, 7, 2}, {1, 2, 4}};
    r.MassimoAttuale = 3;
    r.MassimoRitardo = 7;
    r.MassimoFrequenza = 4;
    struct Caso {
        int ordine;
        std::vector<size_t> atteso;
    };
    const Caso casi[] = {
        {0, {0, 1, 2, 3, 4}},
        {1, {0, 2, 1, 4, 3}}, // R.At
        {2, {1, 2, 4, 3, 0}}, // Freq
        {3, {1, 3, 0, 2, 4}}, // R.Mx
    };
    for (const Caso &c : casi)
        EXPECT_EQ(OrdineVisualizzazione(r, c.ordine), c.atteso) << c.ordine;
}

TEST(Statistiche, OrdinePerFrequenzaSuNumeri)
{
    auto a = prova::EstrazioniCasuali(9, 200);
    auto r = AnalisiRitardi(a, 0, 199, VociDi(ListaVoci::Numeri));
    Griglia g = GrigliaStatistica(ListaVoci::Numeri, r, 2);
    int precedente = 1 << 30, numeroPrecedente = 0;
    for (int b = 0; b < 5; ++b)
        for (int riga = 1; riga <= 18; ++riga) {
            const int n = std::stoi(g.testo(riga, 4 * b));
            const int f = std::stoi(g.testo(riga, 4 * b + 3));
            EXPECT_EQ(f, r.voci[static_cast<size_t>(n - 1)].Frequenza);
            EXPECT_LE(f, precedente);
            if (f == precedente) {
                EXPECT_GT(n, numeroPrecedente); // ties: ascending numbers
            }
            precedente = f;
            numeroPrecedente = n;
        }
}

TEST(Statistiche, ClicSullIntestazione)
{
    struct Caso {
        int colonna, attuale, atteso;
    };
    const Caso casi[] = {
        {0, 1, 0},  {1, 0, 1},  {2, 0, 3},  {3, 0, 2},  {4, 2, 0},  {13, 0, 1},
        {14, 0, 3}, {15, 0, 2}, {16, 2, 2}, {17, 2, 2}, {19, 3, 3}, {19, 0, 0},
    };
    for (const Caso &c : casi)
        EXPECT_EQ(OrdineDaIntestazione(c.colonna, c.attuale), c.atteso) << c.colonna;
}

TEST(Statistiche, DateCompatibili)
{
    archivio::RecordData a{10, 3, 2011, 1}, b{12, 3, 2011, 2}, c{1, 1, 2012, 3};
    EXPECT_TRUE(DateCompatibili(a, b));
    EXPECT_TRUE(DateCompatibili(a, a));
    EXPECT_FALSE(DateCompatibili(b, a));
    EXPECT_FALSE(DateCompatibili(c, b));
    EXPECT_TRUE(DateCompatibili(b, c));
}

} // namespace
