// Slip printing as numbers: the places and boxes of the worked examples, the
// calibration file and the markers.
#include "app/Errore.h"
#include "slips/StampaSchedine.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sestina;
using namespace sestina::schedine;

TEST(StampaSchedina, LEsempioDelleCaselle)
{
    tdatischedinaSE s;
    s.pannelloA = Colonna({1, 90});
    s.superstarA = true;
    s.abbonamento = 12;
    s.riduzione = 2; // G4
    s.basi = 2;      // B2
    const std::vector<Posto> attesi = {{12, 0}, {7, 14}, {8, 17}, {5, 23}, {2, 23}, {0, 22}};
    EXPECT_EQ(PostiSchedina(s), attesi);

    const GeometriaStampa g{10, 81, 20, 18, 8, 12};
    const PaginaSchedina p = StampaSchedina(s, 0, g);
    EXPECT_EQ(p.didascalia, "schedina.1");
    EXPECT_EQ(p.xDidascalia, 10 + 3 * 20);
    EXPECT_EQ(p.yDidascalia, 34 * 18); // no origin term
    ASSERT_EQ(p.caselle.size(), 6u);
    EXPECT_EQ(p.caselle[0], (Casella{10 + 12 * 20, 81, 10 + 12 * 20 + 8, 81 + 12}));
    EXPECT_EQ(StampaSchedina(s, 6, g).didascalia, "schedina.4");
}

TEST(StampaSchedina, TuttiIPostiDeiSegni)
{
    struct Caso {
        const char *nome;
        tdatischedinaSE s;
        Posto atteso;
    };
    auto con = [](auto f) {
        tdatischedinaSE s;
        f(s);
        return s;
    };
    const Caso casi[] = {
        {"B 1", con([](auto &s) { s.pannelloB = Colonna({1}); }), {5, 0}},
        {"B 90", con([](auto &s) { s.pannelloB = Colonna({90}); }), {0, 14}},
        {"A 16", con([](auto &s) { s.pannelloA = Colonna({16}); }), {11, 0}},
        {"SuperStar B", con([](auto &s) { s.superstarB = true; }), {1, 17}},
        {"1 euro", con([](auto &s) { s.giocataAggiuntiva = 10000; }), {10, 25}},
        {"2 euro", con([](auto &s) { s.giocataAggiuntiva = 20000; }), {11, 23}},
        {"5 euro", con([](auto &s) { s.giocataAggiuntiva = 50000; }), {10, 22}},
        {"10 euro", con([](auto &s) { s.giocataAggiuntiva = 100000; }), {9, 24}},
        {"abb 2", con([](auto &s) { s.abbonamento = 2; }), {6, 21}},
        {"abb 6", con([](auto &s) { s.abbonamento = 6; }), {6, 25}},
        {"abb 9", con([](auto &s) { s.abbonamento = 9; }), {5, 22}},
        {"abb 15", con([](auto &s) { s.abbonamento = 15; }), {5, 24}},
        {"G5", con([](auto &s) { s.riduzione = 1; }), {2, 22}},
        {"G3", con([](auto &s) { s.riduzione = 3; }), {2, 24}},
        {"B1", con([](auto &s) { s.basi = 1; }), {0, 21}},
        {"B5", con([](auto &s) { s.basi = 5; }), {0, 25}},
    };
    for (const auto &c : casi) {
        const auto p = PostiSchedina(c.s);
        ASSERT_EQ(p.size(), 1u) << c.nome;
        EXPECT_EQ(p[0], c.atteso) << c.nome;
    }
    // nothing for bytes outside 1..90, no amount, unknown values
    tdatischedinaSE nulla;
    nulla.pannelloA = Colonna({0, 91, static_cast<char>(200)});
    nulla.abbonamento = 7;
    nulla.riduzione = 4;
    nulla.basi = 6;
    nulla.giocataAggiuntiva = 30000;
    EXPECT_TRUE(PostiSchedina(nulla).empty());
}

TEST(Taratura, RapportiEGeometria)
{
    // 600 dpi printer, 96 dpi window: ratio 6 (integer division).
    const GeometriaStampa g = assegnadati(ValoriTaratura{}, 600, 600, 96);
    EXPECT_EQ(g.rapportoOrizzontale, 6);
    EXPECT_EQ(g.X0, 60);
    EXPECT_EQ(g.Y0, 486);
    EXPECT_EQ(g.DX, 120);
    EXPECT_EQ(g.DY, 108);
    EXPECT_EQ(g.W, 48);
    EXPECT_EQ(g.H, 72);
    tdatischedinaSE s;
    s.pannelloA = Colonna({1});
    EXPECT_EQ(StampaSchedina(s, 0, g).caselle.at(0), (Casella{1500, 486, 1548, 558}));
    // 300 dpi: 300 / 96 = 3 both ways
    const GeometriaStampa g3 = assegnadati(ValoriTaratura{}, 300, 300, 96);
    EXPECT_EQ(g3.rapportoOrizzontale, 3);
    EXPECT_EQ(g3.rapportoVerticale, 3);
    // different ratios across and down: DY and Y0 follow the vertical one
    const GeometriaStampa g2 = assegnadati(ValoriTaratura{}, 600, 300, 96);
    EXPECT_EQ(g2.DY, 18 * 3);
    EXPECT_EQ(g2.Y0, 81 * 3);
    EXPECT_EQ(g2.DX, 20 * 6);
}

TEST(Taratura, CaselleDiProva)
{
    const auto c = CaselleProva(assegnadati(ValoriTaratura{}, 96, 96, 96));
    EXPECT_EQ(c.size(), 180u);
    // line 6, between the panels, holds nothing
    EXPECT_TRUE(std::none_of(c.begin(), c.end(), [](const Casella &k) { return k.x1 == 10 + 6 * 20; }));
}

TEST(Taratura, FileDatiPredefinitiEErrori)
{
    prova::CartellaTemporanea d;
    EXPECT_FALSE(CaricaTaratura(d.dir()).has_value());
    SalvaTaratura(d.dir(), ValoriTaratura{});
    EXPECT_EQ(prova::LeggiByte(d.percorso("Taraturase.DAT")), "12\r\n8\r\n20\r\n18\r\n81\r\n10\r\n");
    EXPECT_EQ(CaricaTaratura(d.dir()), ValoriTaratura{});
    ValoriTaratura v{1, 2, 3, 4, 5, -6};
    SalvaTaratura(d.dir(), v);
    EXPECT_EQ(CaricaTaratura(d.dir()), v);
    // The window's extremes save and load; one step beyond is not saved at all.
    v = {ValoreMassimoTaratura, -ValoreMassimoTaratura, 20, 18, 81, 10};
    SalvaTaratura(d.dir(), v);
    EXPECT_EQ(CaricaTaratura(d.dir()), v);
    EXPECT_THROW(SalvaTaratura(d.dir(), {12, 8, 20, 18, ValoreMassimoTaratura + 1, 10}), Errore);
    EXPECT_EQ(CaricaTaratura(d.dir()), v);

    const struct {
        const char *contenuto;
        const char *messaggio;
    } cattivi[] = {
        {"12\r\n8\r\n20\r\n", "mancano le righe da 4 a 6"},
        {"12\r\n8\r\nventi\r\n18\r\n81\r\n10\r\n", "la riga 3 (\"venti\")"},
        {"", "mancano le righe da 1 a 6"},
        {"12\r\n8\r\n20\r\n\r\n81\r\n10\r\n", "la riga 4"},
        // Times a 1200-dpi ratio these would overflow the printer coordinates.
        {"12\r\n8\r\n921220929\r\n18\r\n81\r\n10\r\n", "la riga 3 vale 921220929"},
        {"12\r\n8\r\n20\r\n18\r\n81\r\n-100001\r\n", "la riga 6 vale -100001"},
    };
    for (const auto &c : cattivi) {
        prova::ScriviByte(d.percorso("Taraturase.DAT"), c.contenuto);
        try {
            (void)CaricaTaratura(d.dir());
            ADD_FAILURE() << c.contenuto;
        } catch (const Errore &e) {
            EXPECT_NE(std::string(e.what()).find(c.messaggio), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("Taraturase.DAT"), std::string::npos);
        }
    }
}

TEST(Taratura, Marcatori)
{
    const ValoriTaratura base;
    const Marcatori reset{{{40, 80}, {120, 290}, {152, 80}, {232, 290}}};
    EXPECT_EQ(PosizioneMarcatori(base, base), reset);
    ValoriTaratura v = base;
    v.distanzaOrizzontale = 22; // 20 -> 22: Ln2 10 pixels, Ln3 14 pixels to the right
    auto m = PosizioneMarcatori(base, v);
    EXPECT_EQ(m[0], reset[0]);
    EXPECT_EQ(m[1], std::make_pair(130, 290));
    EXPECT_EQ(m[2], std::make_pair(166, 80));
    EXPECT_EQ(m[3], reset[3]);
    v = base;
    v.distanzaVerticale = 19; // Ln2 and Ln4 15 pixels down
    v.orizzontale = 7;        // everything 3 to the left
    v.verticale = 83;         // and 2 down
    m = PosizioneMarcatori(base, v);
    EXPECT_EQ(m[0], std::make_pair(37, 82));
    EXPECT_EQ(m[1], std::make_pair(117, 307));
    EXPECT_EQ(m[2], std::make_pair(149, 82));
    EXPECT_EQ(m[3], std::make_pair(229, 307));
}

TEST(SchedineDaStampare, TutteOUnIntervallo)
{
    TExStringList l{Colonna({5, 1, 5}), Colonna({9}), Colonna({2}), Colonna({3}), Colonna({4})};
    tdatischedinaSE segni;
    segni.superstarA = true;
    const auto tutte = TutteLeSchedine(l, segni);
    ASSERT_EQ(tutte.size(), 3u);
    EXPECT_EQ(tutte[0].first.pannelloA, Colonna({1, 5})); // read back ascending, once each
    EXPECT_EQ(tutte[0].first.pannelloB, Colonna({9}));
    EXPECT_TRUE(tutte[0].first.superstarA);
    EXPECT_EQ(tutte[2].second, 4);
    EXPECT_TRUE(tutte[2].first.pannelloB.empty()); // odd count: the last slip has no panel B
    const auto seconda = SchedineDaStampare(l, 2, 2, segni);
    ASSERT_EQ(seconda.size(), 1u);
    EXPECT_EQ(seconda[0].second, 2);
    EXPECT_EQ(StampaSchedina(seconda[0].first, seconda[0].second, GeometriaStampa{}).didascalia, "schedina.2");
    EXPECT_THROW(TutteLeSchedine(TExStringList{}, segni), Errore);
}
