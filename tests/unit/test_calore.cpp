#include "stats/Calore.h"

#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::statistiche;
using archivio::Estrazione;

namespace {

std::vector<Estrazione> Archivio(const std::vector<std::vector<int>> &righe) { return prova::EstrazioniDaNumeri(righe); }

RecordCalore Rec(int n, int fre, int rit, int prima, int ultima, double media)
{
    return {n, 0, fre, rit, prima, ultima, media};
}

std::vector<std::string> Colonna(const Griglia &g, int c)
{
    std::vector<std::string> v;
    for (int r = 1; r < g.righe(); ++r)
        v.push_back(g.testo(r, c));
    return v;
}

TEST(Calore, TestiEFiltro)
{
    std::vector<RecordCalore> rec{Rec(1, 3, 5, 2, 20, 6.0), Rec(2, 1, 0, 25, 25, 0.0), Rec(3, 0, 25, 0, 0, 0.0)};
    Griglia g = TabellaCalore(rec, TipoCalore::Estratti, 1, 0);
    ASSERT_EQ(g.righe(), 3);
    ASSERT_EQ(g.colonne(), 5);
    EXPECT_EQ(Colonna(g, 0), (std::vector<std::string>{"1 ", "2 "}));
    EXPECT_EQ(g.testo(1, 1), "3");
    EXPECT_EQ(g.testo(1, 2), "5");
    EXPECT_EQ(g.testo(1, 3), "2-20");
    EXPECT_EQ(g.testo(1, 4), "6,00");
    EXPECT_EQ(g.testo(0, 0), "Num");
    EXPECT_EQ(g.testo(0, 4), "Med");
    EXPECT_EQ(g.larghezza(0), 40);
    EXPECT_EQ(g.larghezza(3), 50);
    EXPECT_EQ(g.sfondoEffettivo(0, 1), g.sfondoEffettivo(0, 2)); // natural order: no header marked
    EXPECT_EQ(TabellaCalore(rec, TipoCalore::Estratti, 0, 0).righe(), 4);

    // minimum above every frequency: header and one empty row
    Griglia vuota = TabellaCalore(rec, TipoCalore::Estratti, 4, 1);
    ASSERT_EQ(vuota.righe(), 2);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(vuota.testo(1, c), "");

    std::vector<RecordCalore> ambi{{3, 17, 2, 0, 1, 1, 0.0}};
    Griglia p = TabellaCalore(ambi, TipoCalore::Ambi, 1, 1);
    EXPECT_EQ(p.testo(0, 0), "Ambi");
    EXPECT_EQ(p.testo(1, 0), "3-17");
}

TEST(Calore, Ordinamenti)
{
    std::vector<RecordCalore> rec{Rec(1, 4, 3, 10, 18, 2.0), Rec(2, 2, 7, 9, 18, 4.5), Rec(3, 4, 1, 1, 50, 12.25),
                                  Rec(4, 8, 0, 2, 80, 9.75), Rec(5, 2, 2, 3, 28, 12.5)};
    struct Caso {
        int colonna;
        std::vector<std::string> numeri;
    };
    const Caso casi[] = {
        {0, {"1 ", "2 ", "3 ", "4 ", "5 "}},
        {1, {"4 ", "1 ", "3 ", "2 ", "5 "}}, // integers, descending
        {2, {"2 ", "1 ", "5 ", "3 ", "4 "}},
        {3, {"2 ", "5 ", "4 ", "1 ", "3 "}}, // as text: 9-18 > 3-28 > 2-80 > 10-18 > 1-50
        {4, {"5 ", "3 ", "4 ", "2 ", "1 "}}, // numeric: 12,50 > 12,25 > 9,75 > 4,50
    };
    for (const Caso &c : casi) {
        Griglia g = TabellaCalore(rec, TipoCalore::Estratti, 0, c.colonna);
        EXPECT_EQ(Colonna(g, 0), c.numeri) << c.colonna;
        for (int k = 0; k < 5; ++k) {
            const bool giallo = g.sfondoEffettivo(0, k) == colori::Giallo;
            EXPECT_EQ(giallo, k == c.colonna && k != 0) << c.colonna << " " << k;
        }
    }
}

TEST(Calore, ElencoSenzaSuperstarPrimaDel2006)
{
    prova::CartellaTemporanea dir;
    // The middle draw has superstar 0: no superstar, shown empty like on the draws table.
    prova::ScriviArchivio(
        dir.dir(),
        Archivio({{5, 9, 20, 30, 40, 50, 1, 2}, {5, 21, 31, 41, 51, 61, 9, 0}, {9, 5, 22, 32, 42, 52, 7, 5}}));
    archivio::Archivio a(dir.dir());
    ParametriCalore p;
    p.estrazione = 2;
    p.analizzare = 3;
    auto r = MostraCalore(a, 2, p);
    ASSERT_EQ(r.elenco.righe(), 4);
    EXPECT_EQ(r.elenco.testo(1, 10), "5");
    EXPECT_EQ(r.elenco.testo(2, 10), "");
    EXPECT_EQ(r.elenco.testo(2, 9), "9");
    EXPECT_EQ(r.elenco.testo(3, 10), "2");
}

TEST(Calore, ColoriSoloSuiSeiNumeri)
{
    prova::CartellaTemporanea dir;
    // 5 and 9 both among the six numbers of draws 0 and 2; in draw 1 the 9 is only the jolly
    prova::ScriviArchivio(
        dir.dir(),
        Archivio({{5, 9, 20, 30, 40, 50, 1, 2}, {5, 21, 31, 41, 51, 61, 9, 3}, {9, 5, 22, 32, 42, 52, 7, 5}}));
    archivio::Archivio a(dir.dir());
    ParametriCalore p;
    p.estrazione = 2;
    p.analizzare = 3;
    p.minimo = 2;
    p.tipo = TipoCalore::Ambi;
    p.colonna = 1;
    auto r = MostraCalore(a, 2, p);
    ASSERT_EQ(r.tabella.righe(), 2);
    EXPECT_EQ(r.tabella.testo(1, 0), "5-9");
    ASSERT_EQ(r.elenco.righe(), 4);
    const Colore primo = ColoriCaloreIniziali[0];
    // row 1 = draw 2 (9, 5 at columns 3, 4); row 2 = draw 1 (jolly 9); row 3 = draw 0
    EXPECT_EQ(r.elenco.sfondoEffettivo(1, 3), primo);
    EXPECT_EQ(r.elenco.sfondoEffettivo(1, 4), primo);
    EXPECT_EQ(r.elenco.sfondoEffettivo(2, 3), colori::Bianco); // 5 alone: the pair is not painted
    EXPECT_EQ(r.elenco.sfondoEffettivo(2, 9), colori::Bianco);
    EXPECT_EQ(r.elenco.sfondoEffettivo(3, 3), primo);
    EXPECT_EQ(r.elenco.sfondoEffettivo(3, 4), primo);
    EXPECT_EQ(r.elenco.sfondoEffettivo(1, 10), colori::Bianco); // superstar 5 never painted

    // numbers: 5 first (three times), painted in every draw; the superstar 5 is not
    p.tipo = TipoCalore::Estratti;
    p.colori[0] = Colore{1, 2, 3};
    auto n = MostraCalore(a, 2, p);
    EXPECT_EQ(n.tabella.testo(1, 0), "5 ");
    EXPECT_EQ(n.elenco.sfondoEffettivo(1, 4), (Colore{1, 2, 3}));
    EXPECT_EQ(n.elenco.sfondoEffettivo(2, 3), (Colore{1, 2, 3}));
    EXPECT_EQ(n.elenco.sfondoEffettivo(1, 10), colori::Bianco);
    // 9, second rank: two draws among the six numbers, not as jolly
    EXPECT_EQ(n.tabella.testo(2, 0), "9 ");
    EXPECT_EQ(n.elenco.sfondoEffettivo(1, 3), ColoriCaloreIniziali[1]);
    EXPECT_EQ(n.elenco.sfondoEffettivo(2, 9), colori::Bianco);
}

TEST(Calore, UnaSolaEstrazione)
{
    prova::CartellaTemporanea dir;
    prova::ScriviArchivio(dir.dir(), Archivio({{1, 2, 3, 4, 5, 6, 7, 8}, {11, 12, 13, 14, 15, 16, 17, 18}}));
    archivio::Archivio a(dir.dir());
    ParametriCalore p;
    p.estrazione = 1;
    p.analizzare = 1;
    auto r = MostraCalore(a, 1, p);
    EXPECT_EQ(r.elenco.righe(), 2);
    EXPECT_EQ(r.tabella.righe(), 2);
    EXPECT_EQ(r.tabella.testo(1, 0), "");
    p.minimo = 1;
    r = MostraCalore(a, 1, p);
    ASSERT_EQ(r.tabella.righe(), 7);
    EXPECT_EQ(r.tabella.testo(1, 3), "1-1");
    EXPECT_EQ(r.tabella.testo(1, 4), "0,00");
    p.tipo = TipoCalore::Ambi;
    r = MostraCalore(a, 1, p);
    EXPECT_EQ(r.tabella.righe(), 16);
    // a window before the first draw is clipped to it
    p.analizzare = 5;
    r = MostraCalore(a, 1, p);
    EXPECT_EQ(r.elenco.righe(), 3);
}

TEST(Calore, LimitiDiEstrazioniDaAnalizzare)
{
    struct Caso {
        const char *testo;
        int ultima, atteso;
    };
    const Caso casi[] = {
        {"", 4251, 1},  {"18", 4251, 18}, {"4252", 4251, 4251}, {"9999", 4251, 4251}, {"9999", 6000, 5000},
        {"0", 4251, 1}, {"-3", 4251, 1},  {"abc", 100, 1},      {" 7 ", 100, 7},
    };
    for (const Caso &c : casi)
        EXPECT_EQ(ValoreAnalizzare(c.testo, c.ultima), c.atteso) << "'" << c.testo << "'";
}

} // namespace
