#include "methods/Completamento90.h"
#include "methods/Cruciverba.h"

#include "systems/Sviluppo.h"

#include <gtest/gtest.h>

#include <set>

using namespace sestina;
using namespace sestina::metodi;

namespace {

std::vector<int> Riga(const Cruciverba &c, int r)
{
    std::vector<int> v;
    for (int col = 0; col < c.colonne; ++col)
        v.push_back(c.at(r, col));
    return v;
}

void NessunaRipetizione(const Cruciverba &c)
{
    for (int r = 0; r < c.righe; ++r) {
        std::set<int> s;
        for (int col = 0; col < c.colonne; ++col)
            if (c.at(r, col)) {
                EXPECT_TRUE(s.insert(c.at(r, col)).second) << "row " << r;
            }
    }
    for (int col = 0; col < c.colonne; ++col) {
        std::set<int> s;
        for (int r = 0; r < c.righe; ++r)
            if (c.at(r, col)) {
                EXPECT_TRUE(s.insert(c.at(r, col)).second) << "column " << col;
            }
    }
}

std::vector<int> Sequenza(int da, int a)
{
    std::vector<int> v;
    for (int n = da; n <= a; ++n)
        v.push_back(n);
    return v;
}

TEST(Cruciverba, CinquePerCinqueDaUnoAVenticinque)
{
    auto lista = sistemi::OrdineTabellone(Sequenza(1, 25));
    auto c = RiempiCruciverba(5, 5, 0, 0, lista, FineLista::Ferma);
    EXPECT_TRUE(c.completo);
    EXPECT_EQ(Riga(c, 0), (std::vector<int>{1, 11, 21, 2, 12}));
    NessunaRipetizione(c);
    EXPECT_EQ(c.Numeri(), Sequenza(1, 25));
}

TEST(Cruciverba, ListaFinitaFermaIlRiempimento)
{
    auto c = RiempiCruciverba(5, 5, 0, 0, Sequenza(1, 20), FineLista::Ferma);
    EXPECT_FALSE(c.completo);
    EXPECT_EQ(Riga(c, 3), (std::vector<int>{16, 17, 18, 19, 20}));
    EXPECT_EQ(Riga(c, 4), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST(Cruciverba, ListaCiclicaRicominciaENonGiraAVuoto)
{
    // Five distinct numbers fill a 5 x 5 Latin square by starting the list again.
    auto c = RiempiCruciverba(5, 5, 0, 0, {1, 2, 3, 4, 5}, FineLista::Ricomincia);
    EXPECT_TRUE(c.completo);
    NessunaRipetizione(c);
    // Three distinct numbers cannot fill a row of five: the fill stops with the cell empty.
    auto d = RiempiCruciverba(5, 5, 0, 0, {1, 2, 3, 1, 2}, FineLista::Ricomincia);
    EXPECT_FALSE(d.completo);
    EXPECT_EQ(Riga(d, 0), (std::vector<int>{1, 2, 3, 0, 0}));
    NessunaRipetizione(d);
    EXPECT_FALSE(RiempiCruciverba(3, 3, 0, 0, {}, FineLista::Ricomincia).completo);
}

TEST(Cruciverba, CapogiocoSulleDiagonali)
{
    auto c = RiempiCruciverba(4, 4, 7, 9, Sequenza(20, 60), FineLista::Ferma);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(c.at(i, i), 7);
        EXPECT_EQ(c.at(i, 3 - i), 9);
    }
    NessunaRipetizione(c);
    EXPECT_EQ(c.Capigioco(), (std::vector<int>{7, 9}));
    Griglia g = GrigliaCruciverba(c);
    EXPECT_EQ(*g.cella(2, 2).sfondo, colori::CianoChiaro);
    EXPECT_EQ(*g.cella(0, 1).sfondo, colori::Bianco);
    // Not square: no capogioco.
    auto r = RiempiCruciverba(3, 4, 7, 9, Sequenza(20, 60), FineLista::Ferma);
    EXPECT_TRUE(r.Capigioco().empty());
    EXPECT_FALSE(SecondoCapogiocoAmmesso(5, 5));
    EXPECT_FALSE(SecondoCapogiocoAmmesso(4, 6));
    EXPECT_TRUE(SecondoCapogiocoAmmesso(4, 4));
}

TEST(Cruciverba, SviluppoConCapogioco)
{
    auto c = RiempiCruciverba(4, 4, 7, 9, Sequenza(20, 60), FineLista::Ferma);
    // "Tre" with both capogioco: each of the eight lines gives 7, 9 and one of its two others.
    auto s = SviluppaCruciverba(c, 3, 0);
    ASSERT_EQ(s.colonne.size(), 16u);
    for (const auto &col : s.colonne) {
        ASSERT_EQ(col.size(), 3u);
        EXPECT_NE(col.find(static_cast<char>(7)), std::string::npos);
        EXPECT_NE(col.find(static_cast<char>(9)), std::string::npos);
    }
    // Column 0 is 7, a, b, 9 from the top: its two combinations come first.
    EXPECT_EQ(s.colonne[0], OrdinaColonna(StringaDaValori({7, 9, c.at(1, 0)})));
    EXPECT_EQ(s.colonne[1], OrdinaColonna(StringaDaValori({7, 9, c.at(2, 0)})));
    auto sei = SviluppaCruciverba(c, 6, 1);
    EXPECT_EQ(sei.messaggio.value_or(""), MsgDimensioniCruciverba);
    EXPECT_TRUE(sei.colonne.empty());
}

TEST(Cruciverba, LineeInteroETreConRiduzione)
{
    auto c = RiempiCruciverba(3, 4, 0, 0, Sequenza(1, 12), FineLista::Ferma);
    // 1 2 3 4 / 5 6 7 8 / 9 10 11 12: four columns, then three rows.
    auto s = SviluppaCruciverba(c, 0, 0);
    ASSERT_EQ(s.colonne.size(), 7u);
    EXPECT_EQ(s.colonne[0], StringaDaValori({1, 5, 9}));
    EXPECT_EQ(s.colonne[3], StringaDaValori({4, 8, 12}));
    EXPECT_EQ(s.colonne[4], StringaDaValori({1, 2, 3, 4}));
    // "Tre" with "n-1": each column is one combination; of each row's four, the first
    // covers the other three (they share two numbers with it).
    auto t = SviluppaCruciverba(c, 3, 1);
    ASSERT_EQ(t.colonne.size(), 7u);
    EXPECT_EQ(t.colonne[4], StringaDaValori({1, 2, 3}));
    EXPECT_EQ(SviluppaCruciverba(c, 3, 0).colonne.size(), 16u);
}

TEST(Cruciverba, CambioManuale)
{
    auto c = RiempiCruciverba(3, 3, 0, 0, Sequenza(1, 9), FineLista::Ferma);
    CambiaNumeroCruciverba(c, 5);
    EXPECT_EQ(c.at(1, 1), 0);
    EXPECT_FALSE(c.completo);
    CambiaNumeroCruciverba(c, 50);
    EXPECT_EQ(c.at(1, 1), 50);
    EXPECT_TRUE(c.completo);
    Griglia g = GrigliaNumeriInGioco(c.Numeri());
    EXPECT_EQ(g.testo(4, 9), "50");
    EXPECT_EQ(*g.cella(4, 9).sfondo, colori::Marcatura);
    EXPECT_EQ(*g.cella(0, 4).sfondo, colori::Bianco);
    EXPECT_EQ(DidascaliaNumeriInGioco(9), "Numeri in Gioco: 9");
}

TEST(Completamento, Dimensioni)
{
    struct Caso {
        int b, colonne, righe;
    };
    for (const Caso &c : {Caso{45, 15, 3}, Caso{74, 16, 1}, Caso{81, 9, 1}, Caso{0, 18, 5}}) {
        auto d = DimensioniCompletamento(90 - c.b);
        ASSERT_TRUE(d) << c.b;
        EXPECT_EQ(d->first, c.colonne) << c.b;
        EXPECT_EQ(d->second, c.righe) << c.b;
    }
    EXPECT_FALSE(DimensioniCompletamento(41)); // b = 49
}

Cruciverba Pieno(int righe, int colonne, const std::vector<int> &numeri)
{
    return RiempiCruciverba(righe, colonne, 0, 0, sistemi::OrdineTabellone(numeri), FineLista::Ferma);
}

TEST(Completamento, Messaggi)
{
    auto sel49 = Sequenza(1, 49);
    EXPECT_EQ(Completamento90(sel49, Pieno(7, 7, sel49)).messaggio.value_or(""), MsgNonCostruibile);
    auto sel82 = Sequenza(1, 82);
    EXPECT_EQ(Completamento90(sel82, Pieno(9, 9, sel82)).messaggio.value_or(""), MsgPochiNumeri);
    auto sel20 = Sequenza(1, 20);
    EXPECT_EQ(Completamento90(sel20, Pieno(5, 5, sel20)).messaggio.value_or(""), MsgCompletaCruciverba);
}

TEST(Completamento, GrigliaESviluppo)
{
    auto sel = Sequenza(1, 45);
    auto esito = Completamento90(sel, Pieno(5, 9, sel));
    ASSERT_FALSE(esito.messaggio);
    const Cruciverba &g = esito.griglia;
    EXPECT_EQ(g.colonne, 15);
    EXPECT_EQ(g.righe, 3);
    // 46..90 in board column order: 51, 61, 71, 81, 52, 62, ... 46, 56, ... 90.
    EXPECT_EQ(Riga(g, 0)[0], 51);
    EXPECT_EQ(Riga(g, 0)[5], 62);
    EXPECT_EQ(g.at(2, 14), 90);
    EXPECT_EQ(g.Numeri(), Sequenza(46, 90));
    EXPECT_EQ(DidascaliaCompletamento(g), "Cruciverba Completamento 45");
    // Whole lines: one combination per column and per row.
    auto s = SviluppaCruciverba(g, 0, 0);
    EXPECT_EQ(s.colonne.size(), 18u);
    EXPECT_EQ(s.colonne[0].size(), 3u);
    EXPECT_EQ(s.colonne[15].size(), 15u);
}

} // namespace
