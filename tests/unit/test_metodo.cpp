#include "methods/Metodo.h"

#include "app/Errore.h"
#include "support/ArchivioProva.h"
#include "systems/Sviluppo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "app/Testo.h"

using namespace sestina;
using namespace sestina::metodi;

namespace {

ParametriMetodo Standard(std::string posizioni, std::string operazioni, int nAmbate, int tipoPrev, int nra,
                         int forma = 1, int nratq = 0)
{
    ParametriMetodo p;
    p.posizioni = std::move(posizioni);
    p.operazioni = std::move(operazioni);
    p.nAmbate = nAmbate;
    p.tipoPrev = tipoPrev;
    p.nra = nra;
    p.forma = forma;
    p.nratq = nratq;
    return p;
}

std::vector<int> Numeri(const Colonna &c)
{
    return std::vector<int>(c.begin(), c.end());
}

TEST(Metodo, AmbataDallaSommaDeiPrimiDue)
{
    auto e = prova::EstrazioniDaNumeri({{1, 2, 3, 4, 5, 6}, {60, 50, 3, 4, 5, 6, 7, 8}});
    auto r = CalcolaMetodo(e, 1, Standard("1 2", "+", 1, 1, 0));
    EXPECT_EQ(Numeri(r.Ambate), (std::vector<int>{20}));
}

TEST(Metodo, BaseFuoriNovanta)
{
    struct Caso {
        std::vector<int> valori;
        const char *op;
        int base;
    };
    const Caso casi[] = {{{60, 50}, "+", 20},
                         {{10, 30}, "-", 70},
                         {{0, 7}, "*", 90},
                         {{5, 7, 3}, "*-", 32},
                         {{5, 7, 3}, "+x", 12}}; // an unknown operator leaves the base as it is
    for (const auto &c : casi) {
        auto r = CalcolaMetodoDaValori(c.valori, Standard(c.valori.size() == 3 ? "1,2,3" : "1-2", c.op, 1, 1, 0));
        EXPECT_EQ(r.base, c.base) << c.op;
        EXPECT_EQ(Numeri(r.Ambate), (std::vector<int>{c.base}));
    }
}

TEST(Metodo, AmbatePerNumeroETipoPrevisione)
{
    // v = 40, NRA = 7.
    struct Caso {
        int n, tipo;
        std::vector<int> attese;
    };
    const Caso casi[] = {{1, 0, {47}},         {1, 1, {47}},         {1, 2, {33}},
                         {2, 0, {33, 47}},     {2, 1, {40, 47}},     {2, 2, {33, 40}},
                         {3, 0, {33, 40, 47}}, {3, 1, {40, 47, 54}}, {3, 2, {26, 33, 40}}};
    for (const auto &c : casi) {
        auto r = CalcolaMetodoDaValori({40}, Standard("1", "", c.n, c.tipo, 7));
        EXPECT_EQ(Numeri(r.Ambate), c.attese) << c.n << " " << c.tipo;
    }
}

TEST(Metodo, AmbateUgualiLascianoLaLunghettaVuota)
{
    // NRA 45, three ambate upwards: 40, 85, 130 -> 40 again: kept unsorted, no lunghetta.
    auto r = CalcolaMetodoDaValori({40}, Standard("1", "", 3, 1, 45, 5, 1));
    EXPECT_EQ(Numeri(r.Ambate), (std::vector<int>{40, 85, 40}));
    EXPECT_TRUE(r.Lunghetta.empty());
}

TEST(Metodo, Lunghette)
{
    struct Caso {
        int v, tipo, forma, passo;
        std::vector<int> attesa;
    };
    const Caso casi[] = {
        {85, 0, 5, 10, {5, 15, 65, 75, 85}}, // odd: v, two up, two down, around 90
        {40, 0, 4, 10, {20, 30, 50, 60}},    // even: without v
        {40, 2, 3, 5, {30, 35, 40}},         // downwards
        {40, 1, 4, 30, {}},                  // 40 70 10 40: a repeat empties it
        {17, 1, 1, 3, {17}},                 // one number
    };
    for (const auto &c : casi) {
        auto r = CalcolaMetodoDaValori({c.v}, Standard("1", "", 1, c.tipo, 1, c.forma, c.passo));
        EXPECT_EQ(Numeri(r.Lunghetta), c.attesa) << c.v << " " << c.tipo << " " << c.forma;
    }
    auto uno = CalcolaMetodoDaValori({17}, Standard("1", "", 1, 1, 1, 1, 3));
    EXPECT_EQ(GrigliaPrevisioneMetodo(uno).testo(0, 2), "17 ");
}

ParametriMetodo Astro(int tipo)
{
    ParametriMetodo p;
    p.posizioni = "1 2 3";
    p.tipoCalcolo = tipo;
    return p;
}

TEST(Metodo, TipiAstro)
{
    // A, B, C = 10, 20, 35: S1 30, S2 45, D1 80, D2 65; six values 75 20 5 35 20 55 (one pair: 20).
    struct Caso {
        int tipo;
        std::vector<int> ambate, lunghetta;
    };
    const Caso casi[] = {
        {1, {20}, {30, 45, 65, 80}},
        {2, {20}, {5, 20, 35, 55, 75}},
        {3, {20}, {5, 20, 30, 35, 45, 55, 65, 75, 80}},
        {4, {0}, {30, 45, 65, 80}},
        {5, {0}, {5, 20, 35, 55, 75}},
        {6, {0}, {5, 20, 30, 35, 45, 55, 65, 75, 80}},
        {7, {}, {}}, // unknown type: nothing
    };
    for (const auto &c : casi) {
        auto r = CalcolaMetodoDaValori({10, 20, 35}, Astro(c.tipo));
        EXPECT_EQ(Numeri(r.Ambate), c.ambate) << c.tipo;
        EXPECT_EQ(Numeri(r.Lunghetta), c.lunghetta) << c.tipo;
    }
    auto r = CalcolaMetodoDaValori({10, 20, 35}, Astro(4));
    EXPECT_EQ(GrigliaPrevisioneMetodo(r).testo(0, 1), "00 ");
    EXPECT_EQ(r.lavoro, (std::array<int, 13>{10, 20, 35, 30, 45, 80, 65, 75, 20, 5, 35, 20, 55}));
}

TEST(Metodo, AstroConDueCoppieUguali)
{
    // 1, 1, 44: S1 2, S2 45, D1 90, D2 47; six 47 2 49 45 2 47: pairs (1st, 6th) = 47, then
    // (2nd, 5th) = 2: the last pair found gives the ambata; not valid, no lunghetta.
    auto r = CalcolaMetodoDaValori({1, 1, 44}, Astro(2));
    EXPECT_EQ(Numeri(r.Ambate), (std::vector<int>{2}));
    EXPECT_TRUE(r.Lunghetta.empty());
}

TEST(Metodo, AstroTreTiene63)
{
    // 1, 1, 28: S1 2, S2 29, D1 90, D2 63; six 31 2 65 29 2 63.
    auto r = CalcolaMetodoDaValori({1, 1, 28}, Astro(3));
    EXPECT_EQ(Numeri(r.Lunghetta), (std::vector<int>{2, 29, 31, 63, 65, 90}));
}

TEST(Metodo, PosizioniSuPiuEstrazioni)
{
    // Position 9 is the first number of the draw before, 16 its superstar.
    auto e = prova::EstrazioniDaNumeri({{11, 12, 13, 14, 15, 16, 17, 18}, {21, 22, 23, 24, 25, 26, 27, 28}});
    ParametriMetodo p = Standard("1 9 16", "++", 1, 1, 0);
    p.estrSucc = 2;
    auto r = CalcolaMetodo(e, 1, p);
    EXPECT_EQ(r.elementi, (std::vector<int>{21, 11, 18}));
    EXPECT_EQ(r.base, 50);
    // The method needs the draw before: not available for the first draw.
    EXPECT_THROW(CalcolaMetodo(e, 0, p), Errore);
}

TExStringList FileValido()
{
    return {"11", "1 2", "+", "1", "0", "10", "1", "5", "2", "0", "1", "0", "10", "5", "1"};
}

TEST(Metodo, LetturaFile)
{
    Metodo m = LeggiMetodo(FileValido(), "Somma.mts");
    EXPECT_EQ(m.nome, "Somma");
    EXPECT_EQ(m.parametri.posizioni, "1 2");
    EXPECT_EQ(m.parametri.nratq, 10);
    EXPECT_EQ(m.parametri.forma, 5);
    EXPECT_EQ(m.parametri.estrSucc, 1);
    EXPECT_EQ(ScriviMetodo(m.parametri).righe(), FileValido().righe());
}

TEST(Metodo, CampiTagliatiACaratteriNonAByte)
{
    // "Posizioni" keeps 20 characters: a Windows-1252 letter at the cut is kept
    // whole, so the method saved and loaded again is the same method.
    TExStringList f = FileValido();
    f[1] = "1 2" + std::string(16, ' ') + "\u00FF\u00FF";
    f[2] = "+\u00E8\u00E8\u00E8\u00E8";
    const Metodo m = LeggiMetodo(f, "Taglio.mts");
    EXPECT_EQ(m.parametri.posizioni, "1 2" + std::string(16, ' ') + "\u00FF");
    EXPECT_EQ(m.parametri.operazioni, "+\u00E8\u00E8\u00E8");
    prova::CartellaTemporanea dir;
    ScriviMetodo(m.parametri).SaveToFile(dir.percorso("Taglio.mts"));
    TExStringList riletto;
    riletto.LoadFromFile(dir.percorso("Taglio.mts"));
    EXPECT_EQ(LeggiMetodo(riletto, "Taglio.mts").parametri, m.parametri);
    // The same cut for a row of the method grid; "€" is three bytes.
    Griglia g = GrigliaMetodi({m});
    g.ImpostaTesto(1, 2, "\u20AC" + std::string(18, '1') + "\u20AC\u20AC");
    g.ImpostaTesto(1, 3, "\u20AC\u20AC\u20AC\u20AC\u20AC");
    const ParametriMetodo r = ParametriDaRiga(g, 1);
    EXPECT_EQ(r.posizioni, "\u20AC" + std::string(18, '1') + "\u20AC");
    EXPECT_EQ(r.operazioni, "\u20AC\u20AC\u20AC\u20AC");
}

TEST(Metodo, FileRifiutatiConCampoENome)
{
    struct Caso {
        int riga; // 0-based line changed, -1: file cut to 14 lines
        const char *valore;
        const char *campo;
    };
    const Caso casi[] = {
        {7, "0", "Forma"},    {14, "0", "Estr. Succ"}, {-1, "", "Estr. Succ"},
        {4, "abc", "NRA"},    {1, "1 9", "Posizioni"}, {1, "", "Posizioni"},
        {6, "4", "N Ambate"}, {10, "0", "Passo"},      {0, "x", "Ruota"},
    };
    for (const auto &c : casi) {
        TExStringList f = FileValido();
        if (c.riga < 0)
            f.Delete(14);
        else
            f[c.riga] = c.valore;
        try {
            LeggiMetodo(f, "Rotto.mts");
            ADD_FAILURE() << c.campo << " accepted";
        } catch (const Errore &e) {
            std::string m = e.what();
            EXPECT_NE(m.find("Rotto.mts"), std::string::npos) << m;
            EXPECT_NE(m.find(std::string("\"") + c.campo + "\""), std::string::npos) << m;
        }
    }
    // Two draws lay out 16 positions: 16 is fine, 17 is not.
    TExStringList f = FileValido();
    f[14] = "2";
    f[1] = "16";
    EXPECT_NO_THROW(LeggiMetodo(f, "Due.mts"));
    f[1] = "17";
    EXPECT_THROW(LeggiMetodo(f, "Due.mts"), Errore);
}

TEST(Metodo, CaricaMetodiSaltaIFileRotti)
{
    prova::CartellaTemporanea dir;
    FileValido().SaveToFile(dir.percorso("B buono.mts"));
    TExStringList rotto = FileValido();
    rotto[7] = "0";
    rotto.SaveToFile(dir.percorso("A rotto.mts"));
    FileValido().SaveToFile(dir.percorso("C altro.txt"));
    TExStringList corto{"11", "1"};
    corto.SaveToFile(dir.percorso("D corto.mts"));
    FileValido().SaveToFile(dir.percorso("E.mts"));
    auto c = CaricaMetodi(dir.dir());
    ASSERT_EQ(c.metodi.size(), 2u);
    EXPECT_EQ(c.metodi[0].nome, "B buono");
    EXPECT_EQ(c.metodi[1].nome, "E");
    ASSERT_EQ(c.errori.size(), 2u);
    EXPECT_NE(c.errori[0].find("A rotto.mts"), std::string::npos);
    EXPECT_NE(c.errori[1].find("D corto.mts"), std::string::npos);
}

TEST(Metodo, GrigliaERigaModificata)
{
    Griglia g = GrigliaMetodi({LeggiMetodo(FileValido(), "Somma.mts")});
    ASSERT_EQ(g.righe(), 2);
    ASSERT_EQ(g.colonne(), 16);
    EXPECT_EQ(g.testo(0, 12), "Tipo Calcolo");
    EXPECT_EQ(g.testo(1, 0), "Somma");
    EXPECT_EQ(g.testo(1, 1), "Su");
    ParametriMetodo p = ParametriDaRiga(g, 1);
    EXPECT_EQ(p, LeggiMetodo(FileValido(), "Somma.mts").parametri);
    g.ImpostaTesto(1, 5, "boh");
    EXPECT_EQ(ParametriDaRiga(g, 1).nra, 0);
    EvidenziaMetodo(g, 1);
    EXPECT_EQ(*g.cella(1, 1).sfondo, colori::Aqua);
    EXPECT_EQ(*g.cella(1, 0).sfondo, colori::Bianco);
    // No files: header and one empty row.
    EXPECT_EQ(GrigliaMetodi({}).righe(), 2);
}

TEST(Metodo, ListaCruciverba)
{
    PrevisioneMetodo p;
    p.Ambate = StringaDaValori({67});
    p.Lunghetta = StringaDaValori({5, 88});
    auto v = ListaCruciverbaMetodo(p);
    ASSERT_EQ(v.size(), 90u);
    // 67 first, then the lunghetta, then SequenzaCasuale without 67 and 88: 37, 25, ...
    EXPECT_EQ(std::vector<int>(v.begin(), v.begin() + 5), (std::vector<int>{67, 5, 88, 37, 25}));
    p.Ambate = StringaDaValori({0});
    EXPECT_EQ(ListaCruciverbaMetodo(p)[0], 5);
}

TEST(Metodo, EsitiDellaLunghetta)
{
    auto e = prova::EstrazioniDaNumeri(
        {{1, 2, 3, 40, 41, 42}, {50, 51, 52, 53, 54, 55}, {1, 2, 3, 4, 60, 61}, {1, 2, 3, 4, 5, 6}});
    ParametriMetodo p = Standard("1", "", 1, 1, 0, 6, 1); // lunghetta 50..55
    auto r = CalcolaPaginaMetodo(e, 1, p, "Prova");
    EXPECT_EQ(r.es.testo(0, 6), "P 6");
    EXPECT_TRUE(r.es.testo(1, 0).empty()); // 50..55 never comes back
    p.tipoPrev = 2;                        // 50, 49, ... 45
    auto s = CalcolaPaginaMetodo(e, 1, p, "Prova");
    EXPECT_TRUE(s.rit.testo(1, 0).empty());
    // From draw 0 the lunghetta is 1..6: four of them in draw 2, all six in draw 3.
    auto t = CalcolaPaginaMetodo(e, 0, Standard("1", "", 1, 1, 0, 6, 1), "Prova");
    EXPECT_EQ(t.es.testo(1, 2), "2");
    EXPECT_EQ(t.es.testo(1, 4), "1 2 3 4 ");
    EXPECT_EQ(t.es.testo(1, 1), "Superenalotto");
    EXPECT_EQ(t.es.testo(2, 2), "3");
    EXPECT_EQ(t.es.testo(2, 6), "1 2 3 4 5 6 ");
}

TEST(Metodo, RelazionePrevisione)
{
    auto e = prova::EstrazioniDaNumeri({{1, 2, 3, 40, 41, 42}, {50, 51, 52, 53, 54, 55}, {1, 2, 3, 4, 60, 61}});
    RisultatoMetodo r = CalcolaPaginaMetodo(e, 2, Standard("1", "", 1, 1, 0, 2, 1), "Prova");
    auto righe = RighePrevisione(r, 2, archivio::TestoListaDate(e[2].data));
    ASSERT_EQ(righe.size(), 17u);
    EXPECT_EQ(righe[0], "Concorso n. 3 del 3/3/2011 ");
    EXPECT_EQ(righe[2], "Previsione Su Ambata 01  Lunghetta 01 02 ");
    EXPECT_EQ(righe[4], "Ritardi");
    EXPECT_EQ(righe[5].substr(0, 16), "Estrazione      ");
    EXPECT_EQ(righe[5].size(), 7u * 16);
    EXPECT_EQ(righe[10], "Esiti");
    EXPECT_EQ(righe[16], "");
}

} // namespace

namespace {

TEST(MetodiDistribuiti, CaricanoEMostranoOgniTipo)
{
    auto c = CaricaMetodi(std::string(SESTINA_SOURCE_DIR) + "/data/metodi/");
    EXPECT_TRUE(c.errori.empty()) << (c.errori.empty() ? "" : c.errori[0]);
    std::set<int> calcoli, prev;
    auto e = prova::EstrazioniCasuali(3, 60);
    for (const auto &m : c.metodi) {
        calcoli.insert(m.parametri.tipoCalcolo);
        if (m.parametri.tipoCalcolo == 0)
            prev.insert(m.parametri.tipoPrev);
        EXPECT_NO_THROW(CalcolaMetodo(e, 59, m.parametri, m.nome)) << m.nome;
        EXPECT_NO_THROW(ControllaMetodo(m.parametri, m.nome, 6)) << m.nome; // the analysis lays out six
    }
    EXPECT_EQ(calcoli, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(prev, (std::set<int>{0, 1, 2}));
}

TEST(MetodiDistribuiti, DodiciImmaginiDeiSegni)
{
    for (int n = 1; n <= 12; ++n) {
        std::string byte = prova::LeggiByte(Formato("%s/data/segni/hor%03d.bmp", SESTINA_SOURCE_DIR, n));
        ASSERT_GT(byte.size(), 54u) << n;
        EXPECT_EQ(byte.substr(0, 2), "BM") << n;
    }
}

} // namespace
