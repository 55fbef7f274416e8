#include "methods/Armonia.h"
#include "methods/Astrolotto.h"

#include "app/Errore.h"
#include "stats/Classi.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::metodi;

namespace {

TEST(Armonia, PrevisioneEsempioSvolto)
{
    // 5 10 20 25 -> 20 10 25 35 -> 10 20 25 35; 20 + 25 = 45 = 10 + 35: h = 45;
    // sums 30 35 45 45 55 60, one 45 dropped; ambata 2 x 45 = 90.
    auto p = PrevisioneArmonia(10, 20, 5, 25);
    EXPECT_EQ(p.quattro, (std::array<int, 4>{10, 20, 25, 35}));
    EXPECT_EQ(p.cinque, (std::array<int, 5>{30, 35, 45, 55, 60}));
    EXPECT_EQ(p.ambata, 90);
    // The order of the four numbers does not matter.
    auto q = PrevisioneArmonia(25, 5, 20, 10);
    EXPECT_EQ(q.ambata, 90);
    EXPECT_EQ(q.cinque, p.cinque);
}

TEST(Armonia, PrevisioneEMancataPrevisione)
{
    // 1 2 3 4: values 3 1 4 6 -> 1 3 4 6; 3 + 4 = 7 = 1 + 6; sums 4 5 7 7 9 10 -> 4 5 7 9 10; 2 x 7 = 14.
    auto p = PrevisioneArmonia(1, 2, 3, 4);
    EXPECT_EQ(p.ambata, 14);
    EXPECT_EQ(p.cinque, (std::array<int, 5>{4, 5, 7, 9, 10}));
    // 1 2 3 5: values 4 1 4 7 -> 1 4 4 7; 8 = 8, but the five left 5 5 8 11 11 repeat.
    EXPECT_EQ(PrevisioneArmonia(1, 2, 3, 5).ambata, -1);
    // 1 2 3 90: values 89 1 4 2 -> 1 2 4 89; 2 + 4 = 6 against 1 + 89 = 90.
    EXPECT_EQ(PrevisioneArmonia(1, 2, 3, 90).ambata, -1);
}

std::vector<archivio::Estrazione> ArchivioArmonie()
{
    std::vector<std::vector<int>> righe;
    for (int i = 0; i < 10; ++i)
        righe.push_back({61 + i, 71 + i, 81 - i, 2 + 3 * i, 40 + 2 * i, 33});
    righe[9] = {5, 25, 81, 2, 40, 33};
    righe.push_back({10, 20, 55, 66, 77, 88});
    return prova::EstrazioniDaNumeri(righe);
}

TEST(Armonia, SommaEDistanza)
{
    auto e = ArchivioArmonie();
    auto somma = CercaArmonie(e, 10, ModoArmonia::Somma);
    auto trovata = std::find_if(somma.begin(), somma.end(),
                                [](const Armonia &a) { return a.distanza == 1 && a.pos1 == 1 && a.pos2 == 2; });
    ASSERT_NE(trovata, somma.end());
    EXPECT_EQ(trovata->precedente, 9);
    EXPECT_EQ(trovata->numeri, (std::array<int, 4>{10, 20, 5, 25}));
    EXPECT_EQ(trovata->previsione.ambata, 90);
    // Distance 10 against 20: no harmony at these positions.
    auto dist = CercaArmonie(e, 10, ModoArmonia::Distanza);
    EXPECT_TRUE(std::none_of(dist.begin(), dist.end(),
                             [](const Armonia &a) { return a.distanza == 1 && a.pos1 == 1 && a.pos2 == 2; }));
    // Every harmony listed is one by its rule and has a forecast.
    for (const auto &a : somma) {
        EXPECT_EQ(statistiche::Fuori90(a.numeri[0] + a.numeri[1]), statistiche::Fuori90(a.numeri[2] + a.numeri[3]));
        EXPECT_GE(a.previsione.ambata, 1);
    }
    EXPECT_THROW(CercaArmonie(e, 9, ModoArmonia::Somma), Errore);
}

TEST(Armonia, CalcoloPaginaValoriDelleDueEstrazioni)
{
    auto e = ArchivioArmonie();
    auto r = CalcolaArmonia(e, 10, ModoArmonia::Somma, 0);
    ASSERT_FALSE(r.armonie.empty());
    const auto &a = r.armonie[0];
    EXPECT_EQ(r.valori1[static_cast<size_t>(a.pos1 - 1)], std::to_string(a.numeri[0]));
    EXPECT_EQ(r.valori2[static_cast<size_t>(a.pos2 - 1)], std::to_string(a.numeri[3]));
    EXPECT_EQ(r.previsioni.testo(0, 0), "Superenalotto");
    EXPECT_EQ(*r.previsioni.cella(0, 0).sfondo, colori::Rosso);
    EXPECT_EQ(r.ritardo.testo(0, 4), "P4");
    // A row beyond the list is brought back to the last one.
    EXPECT_EQ(CalcolaArmonia(e, 10, ModoArmonia::Somma, 999).riga, static_cast<int>(r.armonie.size()) - 1);
}

TEST(Armonia, StatisticheDelCiclo)
{
    // Colpi of ten forecasts, newest first; colpo 5 unticked.
    std::vector<int> colpi{0, 2, 2, 0, 5, 1, 0, 0, 2, 12};
    std::array<bool, 10> spunta{};
    spunta.fill(true);
    spunta[4] = false;
    Griglia g = GrigliaCiclo(colpi, spunta);
    ASSERT_EQ(g.colonne(), 12);
    EXPECT_EQ(g.testo(0, 11), "Tot");
    // colpo 1: one hit (the sixth forecast); longest run without: the first five.
    EXPECT_EQ(g.testo(1, 1), "1");
    EXPECT_EQ(g.testo(2, 1), "10,0");
    EXPECT_EQ(g.testo(3, 1), "5");
    EXPECT_EQ(g.testo(4, 1), "5");
    // colpo 2: hits at 1, 2, 8; runs without: 1, 5, 1.
    EXPECT_EQ(g.testo(1, 2), "3");
    EXPECT_EQ(g.testo(2, 2), "30,0");
    EXPECT_EQ(g.testo(3, 2), "1");
    EXPECT_EQ(g.testo(4, 2), "5");
    // colpo 3 never: every forecast went without it.
    EXPECT_EQ(g.testo(1, 3), "0");
    EXPECT_EQ(g.testo(3, 3), "10");
    EXPECT_EQ(g.testo(4, 3), "10");
    EXPECT_EQ(g.testo(1, 5), "#");
    EXPECT_EQ(g.testo(4, 5), "#");
    // Totals: 4 hits (colpo 5 not counted, 12 beyond the ten), 40%, smallest current delay 1,
    // longest run without a counted hit: forecasts 3-4 or 6-7.
    EXPECT_EQ(g.testo(1, 11), "4");
    EXPECT_EQ(g.testo(2, 11), "40,0");
    EXPECT_EQ(g.testo(3, 11), "1");
    EXPECT_EQ(g.testo(4, 11), "2");
}

class Interrompi3 : public Progresso {
public:
    void Avanza(long fatto, long) override { m_fatto = fatto; }
    bool Interrompi() override { return m_fatto >= 3; }
    long m_fatto = 0;
};

TEST(Armonia, CicloInterrottoMostraIParziali)
{
    auto e = prova::EstrazioniCasuali(11, 400);
    ParametriCiclo p;
    p.record = 399;
    p.previsioni = 20;
    p.passo = 5;
    Interrompi3 stop;
    auto r = CicloArmonia(e, p, &stop);
    EXPECT_TRUE(r.interrotto);
    EXPECT_FALSE(r.messaggio);
    ASSERT_EQ(r.voci.size(), 3u);
    EXPECT_EQ(r.riepilogo.righe(), 4);
    int somma = 0;
    for (int c = 1; c <= 10; ++c)
        somma += std::stoi(r.ciclo.testo(1, c));
    int attese = static_cast<int>(
        std::count_if(r.voci.begin(), r.voci.end(), [](const VoceCiclo &v) { return v.colpo >= 1 && v.colpo <= 10; }));
    EXPECT_EQ(somma, attese);
    // Every analysed forecast lies Passo draws (or a multiple) before the chosen one.
    for (const auto &v : r.voci)
        EXPECT_EQ((399 - v.record) % 5, 0);
}

TEST(Armonia, CicloImpossibileEDatiInattendibili)
{
    auto e = prova::EstrazioniCasuali(11, 100);
    ParametriCiclo p;
    p.record = 99;
    p.previsioni = 10;
    p.passo = 10; // 99 - 12 < 100
    EXPECT_EQ(CicloArmonia(e, p).messaggio.value_or(""), MsgCalcoloImpossibile);
    p.passo = 8;
    p.riga = 60; // a row that hardly ever exists: the draws run out
    auto r = CicloArmonia(e, p);
    EXPECT_EQ(r.messaggio.value_or(""), MsgDatiInattendibili);
    EXPECT_LT(r.voci.size(), 10u);
}

} // namespace
