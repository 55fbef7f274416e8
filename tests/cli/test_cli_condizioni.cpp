#include "app/FileAtomico.h"
#include "support/ArchivioProva.h"
#include "support/CartellaProgramma.h"
#include "support/CliProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace sestina;

namespace {

class CliCondizioni : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Even counts 6, 4, 3; sums 210, 186, 55.
        prova::ScriviArchivio(
            t.dir(), prova::EstrazioniDaNumeri(
                         {{10, 20, 30, 40, 50, 60, 70, 80}, {1, 2, 3, 50, 60, 70, 80, 7}, {1, 2, 3, 4, 5, 40, 6, 9}},
                         Data{14, 2, 2009}, 2));
    }
    prova::CartellaTemporanea t;
};

// The development's columns from the CSV of `sistema` (header row skipped).
std::vector<std::vector<int>> Colonne(const std::string &csv)
{
    std::vector<std::vector<int>> v;
    const auto righe = prova::RigheLF(csv);
    for (std::size_t i = 1; i < righe.size(); ++i) {
        const auto pv = righe[i].find(';');
        std::istringstream s(righe[i].substr(pv + 1));
        std::vector<int> c;
        for (int x; s >> x;)
            c.push_back(x);
        v.push_back(c);
    }
    return v;
}

} // namespace

TEST_F(CliCondizioni, SistemaConPari)
{
    auto e = prova::EseguiCli(t.dir(), {"sistema", "--numeri", "1,2,3,4,5,6,7,8", "--k", "3", "--pari", "3-3"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.err.find("Colonne: 56 \u2192 4"), std::string::npos) << e.err;
    const auto c = Colonne(e.out);
    ASSERT_EQ(c.size(), 4u); // the triples of 2 4 6 8
    for (const auto &col : c)
        EXPECT_EQ(std::count_if(col.begin(), col.end(), [](int x) { return x % 2 == 0; }), 3);
}

TEST_F(CliCondizioni, BasiEGruppiRipetuti)
{
    auto e = prova::EseguiCli(t.dir(), {"sistema", "--numeri", "1,2,3,4,5", "--k", "3", "--basi", "1,2"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(Colonne(e.out), (std::vector<std::vector<int>>{{1, 2, 3}, {1, 2, 4}, {1, 2, 5}}));
    e = prova::EseguiCli(
        t.dir(), {"sistema", "--numeri", "1,2,3,4,5,6", "--k", "3", "--gruppo", "1,2:1-1", "--gruppo", "3 4:2-2"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(Colonne(e.out), (std::vector<std::vector<int>>{{1, 3, 4}, {2, 3, 4}}));
}

TEST_F(CliCondizioni, CondizioniSalvateECaricateColSistema)
{
    const std::string stm = t.percorso("s.stm");
    auto e = prova::EseguiCli(t.dir(), {"sistema", "--numeri", "1,2,3,4,5,6,7,8", "--k", "3", "--pari", "3-3", "--basi",
                                        "2", "--salva", stm});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(LeggiFile(t.percorso("s.cnd")), "pari=3-3\r\nbasi=2\r\n");
    auto c = prova::EseguiCli(t.dir(), {"sistema", "--carica", stm});
    ASSERT_EQ(c.stato, 0) << c.err;
    EXPECT_EQ(c.out, e.out);
    EXPECT_EQ(Colonne(c.out).size(), 3u); // 2 with two of 4 6 8
    // Saved again without conditions: the old ".cnd" goes.
    e = prova::EseguiCli(t.dir(), {"sistema", "--numeri", "1,2,3,4", "--k", "3", "--salva", stm});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_FALSE(EsisteFile(t.percorso("s.cnd")));
    // A condition file given on the line.
    ScriviFileAtomico(t.percorso("c.cnd"), "\r\nbassi=0-0\r\n");
    e = prova::EseguiCli(t.dir(),
                         {"sistema", "--numeri", "40,45,46,47,48", "--k", "3", "--condizioni", t.percorso("c.cnd")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(Colonne(e.out), (std::vector<std::vector<int>>{{46, 47, 48}})); // no number up to 45
}

TEST_F(CliCondizioni, RifiutiPrimaDiScrivere)
{
    ScriviFileAtomico(t.percorso("sviluppo"), "123\r\n");
    ScriviFileAtomico(t.percorso("errato.cnd"), "pari=2-4\r\nsomma=10\r\n");
    struct Caso {
        std::vector<std::string> args;
        int stato;
        std::string messaggio;
    };
    const std::vector<Caso> casi = {
        {{"--pari", "5-3"}, 2, "pari"},
        {{"--pari", "tre"}, 2, "--pari"},
        {{"--gruppo", "1 2"}, 2, "--gruppo"},
        {{"--basi", "9"}, 1, "La base 9"},
        {{"--basi", "1,2,3"}, 1, "basi"},
        {{"--condizioni", t.percorso("errato.cnd")}, 1, "errato.cnd, riga 2"},
        {{"--pari", "1-2", "--ottimizza", "--riduzione", "1"}, 2, "--ottimizza"},
    };
    for (const auto &c : casi) {
        std::vector<std::string> a = {"sistema", "--numeri", "1,2,3,4,5", "--k", "3"};
        a.insert(a.end(), c.args.begin(), c.args.end());
        auto e = prova::EseguiCli(t.dir(), a);
        EXPECT_EQ(e.stato, c.stato) << c.args[0] << " " << e.err;
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        EXPECT_EQ(LeggiFile(t.percorso("sviluppo")), "123\r\n");
    }
}

TEST_F(CliCondizioni, VerificaCondizioni)
{
    auto e = prova::EseguiCli(t.dir(), {"verifica-condizioni", "--pari", "3-4", "--somma", "100-250"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const auto r = prova::RigheLF(e.out);
    ASSERT_EQ(r.size(), 4u) << e.out;
    EXPECT_EQ(r[0], "Condizione;Rispettata;Estrazioni;Percentuale;Ultima mancata;\r");
    EXPECT_EQ(r[1], "Pari 3-4;2;3;66,7 %;14/02/2009;\r");
    EXPECT_EQ(r[2], "Somma 100-250;2;3;66,7 %;18/02/2009;\r");
    EXPECT_EQ(r[3], "Tutte le condizioni;1;3;33,3 %;18/02/2009;\r");
    e = prova::EseguiCli(t.dir(), {"verifica-condizioni"});
    EXPECT_EQ(e.stato, 2);
}

// The guarantee of a conditioned "n-1" system holds for the conditioned draws only.
TEST_F(CliCondizioni, GaranziaCondizionata)
{
    auto e = prova::EseguiCli(
        t.dir(), {"sistema", "--numeri", "1,2,3,4,5,6,7,8,9,10", "--k", "6", "--riduzione", "1", "--pari", "3-3"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto g = prova::EseguiCli(t.dir(), {"garanzia", "--pari", "3-3"});
    ASSERT_EQ(g.stato, 0) << g.err;
    EXPECT_NE(g.err.find("Garanzia 5 se 6"), std::string::npos) << g.err;
    // 100 conditioned draws: three of the five evens and three of the five odds.
    EXPECT_NE(g.out.find(";100;"), std::string::npos) << g.out;
    auto tutte = prova::EseguiCli(t.dir(), {"garanzia"});
    ASSERT_EQ(tutte.stato, 0) << tutte.err;
    EXPECT_EQ(tutte.err.find("Garanzia 5 se 6"), std::string::npos) << tutte.err;
}
