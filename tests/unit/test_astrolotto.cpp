#include "methods/Astrolotto.h"
#include "methods/Esiti.h"

#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::metodi;
using archivio::RecordSuperenalotto;

namespace {

RecordSuperenalotto Rec(std::array<std::uint8_t, 6> n, int jolly = 0, int superstar = 0)
{
    RecordSuperenalotto r;
    r.numeri = n;
    r.jolly = static_cast<std::uint8_t>(jolly);
    r.superstar = static_cast<std::uint8_t>(superstar);
    return r;
}

// Worked by hand: sign 1 takes D[1] = 10, D[2] = 20, P[1] = 3, a valid triple:
// a, b, c = 3, 10, 20; four values 17, 10, 23, 30; the six sums 27 33 40 40 47 53
// hold one repetition (40): it is the provisional ambata, 2 x 40 = 80.
TEST(Astrolotto, PrimaRigaDallaTernaValida)
{
    auto p = CalcolaPrevisioneAstrolotto(Rec({10, 20, 33, 41, 57, 68}, 5, 7), Rec({3, 14, 25, 36, 47, 58}, 60, 9), 1);
    EXPECT_EQ(p[0].Quartina, (std::array<int, 4>{10, 17, 23, 30}));
    EXPECT_EQ(p[0].Cinquina, (std::array<int, 5>{27, 33, 40, 47, 53}));
    EXPECT_EQ(p[0].Ambata, 80);
    // Second iteration: D[2], D[2], P[1] repeats a number; the replacement is
    // D[2] = 20, P[2] = 14, P[1] = 3: four values 6 17 23 34, sums 23 29 40 40 51 57.
    EXPECT_EQ(p[1].Quartina, (std::array<int, 4>{6, 17, 23, 34}));
    EXPECT_EQ(p[1].Cinquina, (std::array<int, 5>{23, 29, 40, 51, 57}));
    EXPECT_EQ(p[1].Ambata, 80);
}

TEST(Astrolotto, CandidatoCon45SaltatoSecondoNumeroDallEstrazionePrecedente)
{
    // 20 + 25 = 45 is refused; the next candidate is D[1], P[2], P[1] = 20, 14, 3.
    auto p = CalcolaPrevisioneAstrolotto(Rec({20, 25, 33, 41, 57, 68}), Rec({3, 14, 26, 36, 47, 58}), 1);
    EXPECT_EQ(p[0].Quartina, (std::array<int, 4>{6, 17, 23, 34}));
    EXPECT_EQ(p[0].Cinquina, (std::array<int, 5>{23, 29, 40, 51, 57}));
    // A triple holding 45 itself is refused too: 45 at D[2].
    auto q = CalcolaPrevisioneAstrolotto(Rec({20, 45, 33, 41, 57, 68}), Rec({3, 14, 26, 36, 47, 58}), 1);
    EXPECT_EQ(q[0], p[0]);
}

TEST(Astrolotto, AmbataRaddoppiata)
{
    struct Caso {
        int provvisoria;
        std::vector<int> esclusi;
        int atteso;
    };
    const Caso casi[] = {
        {0, {2, 3, 4, 5, 6, 7, 8, 9, 10}, 1}, // no repetition: smallest free number
        {0, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 10}, // stepping past the row's numbers
        {50, {}, 10},                         // 100 wraps to 10
        {45, {90}, 1},                        // 90 taken: 91 wraps to 1
        {40, {80, 81}, 82},
    };
    for (const auto &c : casi)
        EXPECT_EQ(AmbataDaRaddoppio(c.provvisoria, c.esclusi), c.atteso) << c.provvisoria;
}

TEST(Astrolotto, OgniRigaHaNumeriValidiSuMoltiIngressi)
{
    auto e = prova::EstrazioniCasuali(7, 200);
    for (int r = 1; r < 200; ++r)
        for (int segno = 1; segno <= 12; ++segno) {
            auto p = CalcolaPrevisioneAstrolotto(e[r].numeri, e[r - 1].numeri, segno);
            for (const auto &riga : p) {
                EXPECT_TRUE(std::is_sorted(riga.Quartina.begin(), riga.Quartina.end()));
                EXPECT_TRUE(std::is_sorted(riga.Cinquina.begin(), riga.Cinquina.end()));
                for (int n : riga.Cinquina)
                    EXPECT_TRUE(n >= 1 && n <= 90);
                EXPECT_TRUE(riga.Ambata >= 1 && riga.Ambata <= 90);
                EXPECT_EQ(std::count(riga.Quartina.begin(), riga.Quartina.end(), riga.Ambata), 0);
                EXPECT_EQ(std::count(riga.Cinquina.begin(), riga.Cinquina.end(), riga.Ambata), 0);
            }
        }
}

TEST(Astrolotto, GiocataSenzaDoppioni)
{
    RigaPrevisione r{5, {3, 5, 10, 20}, {10, 20, 30, 40, 50}};
    EXPECT_EQ(GiocataAstro(r), StringaDaValori({5, 3, 10, 20, 30, 40, 50}));
}

TEST(Astrolotto, ListaCruciverbaQuattroRigheCicliche)
{
    PrevisioneAstrolotto p;
    for (int i = 0; i < 5; ++i)
        p[i] = RigaPrevisione{1, {i + 1, 11, 12, 13}, {i + 20, 31, 32, 33, 34}};
    EXPECT_EQ(ListaCruciverbaAstro(p, 3), "4 11 12 13  23 31 32 33 34 5 11 12 13  24 31 32 33 34 "
                                          "1 11 12 13  20 31 32 33 34 2 11 12 13  21 31 32 33 34 ");
}

TEST(Astrolotto, GrigliaPrevisioneColoraLaRigaScelta)
{
    PrevisioneAstrolotto p{};
    p[2] = RigaPrevisione{7, {1, 2, 3, 4}, {5, 6, 8, 9, 10}};
    Griglia g = GrigliaPrevisioneAstro(p, 2);
    ASSERT_EQ(g.righe(), 5);
    EXPECT_EQ(g.righeFisse, 0);
    EXPECT_EQ(g.testo(2, 0), "Superenalotto");
    EXPECT_EQ(g.testo(2, 2), "7 ");
    EXPECT_EQ(g.testo(2, 3), "1 2 3 4 ");
    EXPECT_EQ(g.testo(2, 4), "5 6 8 9 10 ");
    EXPECT_EQ(*g.cella(2, 0).sfondo, colori::Rosso);
    EXPECT_EQ(*g.cella(2, 1).sfondo, colori::CianoChiaro);
    EXPECT_EQ(*g.cella(2, 2).sfondo, colori::Giallo);
    EXPECT_EQ(*g.cella(2, 3).sfondo, Lime);
    EXPECT_EQ(*g.cella(2, 4).sfondo, Fucsia);
    EXPECT_EQ(*g.cella(1, 3).sfondo, colori::Bianco);
}

// The play 1..10 (ambata 1): draw 6 scores 3, draw 7 two, draw 8 five plus the jolly, draw 9 four.
std::vector<archivio::Estrazione> ArchivioEsiti()
{
    std::vector<std::vector<int>> righe;
    for (int i = 0; i < 6; ++i)
        righe.push_back({41 + i, 51, 52, 53, 54, 55, 56});
    righe.push_back({1, 2, 3, 60, 61, 62, 63});
    righe.push_back({1, 2, 70, 60, 61, 62, 63});
    righe.push_back({1, 2, 3, 4, 5, 62, 6});
    righe.push_back({7, 8, 9, 10, 61, 62, 63});
    righe.push_back({1, 2, 3, 4, 5, 6, 63});
    return prova::EstrazioniDaNumeri(righe);
}

TEST(Astrolotto, EsitiRegistranoOgniEventoUnaVolta)
{
    auto e = ArchivioEsiti();
    Colonna giocata = StringaDaValori({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    auto r = RicercaEsiti(giocata, e, 5, Direzione::Avanti, StileEsiti::Astro);
    const Griglia &g = r.griglia;
    ASSERT_EQ(g.righe(), 4);
    EXPECT_EQ(g.testo(0, 3), "P.3");
    EXPECT_EQ(g.testo(0, 5), "P>4");
    EXPECT_EQ(g.testo(1, 0), archivio::TestoListaDate(e[6].data));
    EXPECT_EQ(g.testo(1, 1), "Su");
    EXPECT_EQ(g.testo(1, 2), "1");
    EXPECT_EQ(g.testo(1, 3), "1 2 3 ");
    EXPECT_EQ(*g.cella(1, 3).sfondo, colori::Giallo);
    // Five plus the jolly: the five numbers and "+", yellow, and a beep.
    EXPECT_EQ(g.testo(2, 2), "3");
    EXPECT_EQ(g.testo(2, 5), "1 2 3 4 5 +");
    EXPECT_EQ(*g.cella(2, 5).sfondo, colori::Giallo);
    EXPECT_TRUE(r.segnale);
    EXPECT_EQ(g.testo(3, 2), "4");
    EXPECT_EQ(g.testo(3, 4), "7 8 9 10 ");
    EXPECT_EQ(*g.cella(3, 4).sfondo, Lime);
    // The six of draw 10 comes after all three events: never reached.
    EXPECT_EQ(r.estrazioni, (std::vector<int>{6, 8, 9}));

    // Backwards from draw 9: draw 8 (five plus jolly), draw 7 none, draw 6 three.
    auto b = RicercaEsiti(giocata, e, 9, Direzione::Indietro, StileEsiti::Astro);
    EXPECT_EQ(b.griglia.testo(1, 2), "-1");
    EXPECT_EQ(b.griglia.testo(2, 2), "-3");
    EXPECT_EQ(b.griglia.testo(2, 3), "1 2 3 ");
    EXPECT_TRUE(b.griglia.testo(3, 0).empty()); // the four never occurs before draw 9
}

TEST(Astrolotto, ArmoniaContaSoloINumeriSenzaPiu)
{
    auto e = ArchivioEsiti();
    Colonna giocata = StringaDaValori({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    auto r = RicercaEsiti(giocata, e, 5, Direzione::Avanti, StileEsiti::Armonia);
    EXPECT_EQ(r.griglia.testo(0, 3), "P3");
    EXPECT_EQ(r.griglia.testo(2, 5), "1 2 3 4 5 ");
    EXPECT_EQ(*r.griglia.cella(2, 5).sfondo, Fucsia);
    EXPECT_FALSE(r.segnale);
}

TEST(Astrolotto, EstrazionePiuVecchiaRipiegaSullaSeconda)
{
    auto e = ArchivioEsiti();
    auto r = CalcolaAstro(e, 0, 3, 0);
    EXPECT_TRUE(r.ripiegato);
    EXPECT_EQ(r.record, 1);
    EXPECT_EQ(r.previsione, CalcolaPrevisioneAstrolotto(e[1].numeri, e[0].numeri, 3));
    EXPECT_FALSE(CalcolaAstro(e, 2, 3, 0).ripiegato);
}

TEST(Astrolotto, TitoloSegno)
{
    EXPECT_EQ(TitoloSegno(1), "Ariete-21 Marzo - 20 Aprile");
    EXPECT_STREQ(SegniZodiacali()[10].immagine, "hor001.bmp");
}

} // namespace
