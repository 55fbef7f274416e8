// sistema and spoglio: the "&Sistemi" page's development and the checking window.
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Impostazioni.h"
#include "support/ArchivioProva.h"
#include "support/CliProva.h"
#include "systems/FileSistema.h"
#include "systems/FileSviluppo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

using namespace sestina;

namespace {

// The three grids of spoglio, split at the bare CR LF between them.
std::vector<std::vector<std::string>> Griglie(const std::string &out)
{
    std::vector<std::vector<std::string>> g(1);
    for (const auto &r : prova::RigheCRLF(out)) {
        if (r.empty())
            g.emplace_back();
        else
            g.back().push_back(r);
    }
    return g;
}

class CliSistemi : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Draws 1..3; the last one holds 1 2 3 4 5 40 with jolly 6.
        estrazioni = prova::EstrazioniDaNumeri(
            {{10, 20, 30, 40, 50, 60, 70, 80}, {1, 2, 3, 50, 60, 70, 80, 7}, {1, 2, 3, 4, 5, 40, 6, 9}},
            Data{14, 2, 2009}, 2);
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    std::string Sviluppo() const { return prova::LeggiByte(t.percorso("sviluppo")); }
    prova::CartellaTemporanea t;
    std::vector<archivio::Estrazione> estrazioni;
};

} // namespace

TEST_F(CliSistemi, SistemaNellOrdineDelTabellone)
{
    auto e = prova::EseguiCli(t.dir(), {"sistema", "--numeri", "12,2,11,1,2", "--k", "3"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "Scheda n.;Sviluppo;\r\n1;01 02 11 ;\r\n2;01 11 12 ;\r\n3;01 02 12 ;\r\n4;02 11 12 ;\r\n");
    EXPECT_EQ(e.err, "Elaborate 4 Ridotte 4\n");
    // Stored in enumeration order: (01 11 02), (01 11 12), (01 02 12), (11 02 12).
    EXPECT_EQ(Sviluppo(), "1;2\r\n1;<\r\n12<\r\n;2<\r\n");
}

TEST_F(CliSistemi, SistemaRidotto)
{
    auto e = prova::EseguiCli(t.dir(), {"sistema", "--numeri", "1,2,11,12,21", "--k", "3", "--riduzione", "1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, "Scheda n.;Sviluppo;\r\n1;01 11 21 ;\r\n2;01 02 12 ;\r\n");
    EXPECT_EQ(e.err, "Elaborate 6 Ridotte 2\n");
}

TEST_F(CliSistemi, RifiutiLascianoLoSviluppo)
{
    prova::ScriviByte(t.percorso("sviluppo"), "123\r\n");
    std::string trentatre;
    for (int n = 1; n <= 33; ++n)
        trentatre += std::to_string(n) + (n < 33 ? "," : "");
    struct Caso {
        std::vector<std::string> args;
        int stato;
        std::string errore;
    };
    const std::vector<Caso> casi{
        {{"sistema", "--numeri", trentatre, "--k", "6"}, 1, "Troppe colonne da sviluppare\n"},
        {{"sistema", "--numeri", "1,2,3,4,5", "--k", "6"}, 1, "Sviluppo Impossibile\n"},
        {{"sistema", "--numeri", "1,2,91", "--k", "3"}, 2, "91"},
        {{"sistema", "--numeri", "1,x", "--k", "3"}, 2, "\"x\""},
        {{"sistema", "--numeri", "1,2,3", "--k", "7"}, 2, "--k va da 3 a 6"},
        {{"sistema", "--numeri", "1,2,3", "--k", "3", "--riduzione", "4"}, 2, "--riduzione va da 0 a 3"},
        {{"sistema", "--numeri", "1,2,3"}, 2, "--k"},
        {{"sistema", "--k", "3"}, 2, "--numeri"},
        {{"sistema", "--carica", "x.stm", "--k", "3"}, 2, "--carica"},
        {{"sistema", "--carica", t.percorso("manca.stm")}, 1, "manca.stm"},
    };
    for (const Caso &c : casi) {
        auto e = prova::EseguiCli(t.dir(), c.args);
        EXPECT_EQ(e.stato, c.stato) << c.args[2] << " " << e.err;
        EXPECT_NE(e.err.find(c.errore), std::string::npos) << e.err;
        EXPECT_EQ(e.out, "");
        EXPECT_EQ(Sviluppo(), "123\r\n");
    }
}

TEST_F(CliSistemi, SalvaECaricaIlFileSistema)
{
    const std::string stm = t.percorso("mio.stm");
    auto e =
        prova::EseguiCli(t.dir(), {"sistema", "--numeri", "1,2,11", "--k", "3", "--riduzione", "2", "--salva", stm});
    ASSERT_EQ(e.stato, 0) << e.err;
    const std::string b = prova::LeggiByte(stm);
    ASSERT_EQ(b.size(), 192u);
    EXPECT_EQ(b.substr(0, 10), "\x09"
                               "01 11 02 ");
    EXPECT_EQ(b[184], 0);
    EXPECT_EQ(b[188], 2);
    prova::ScriviByte(t.percorso("sviluppo"), "");
    auto c = prova::EseguiCli(t.dir(), {"sistema", "--carica", stm});
    ASSERT_EQ(c.stato, 0) << c.err;
    EXPECT_EQ(c.out, e.out);
    EXPECT_EQ(c.err, e.err);
    EXPECT_EQ(Sviluppo(), "1;2\r\n");

    // More than sixty numbers cannot be stored: refused, nothing written.
    std::string sessantuno;
    for (int n = 1; n <= 61; ++n)
        sessantuno += std::to_string(n) + (n < 61 ? "," : "");
    auto r =
        prova::EseguiCli(t.dir(), {"sistema", "--numeri", sessantuno, "--k", "3", "--salva", t.percorso("no.stm")});
    EXPECT_EQ(r.stato, 1);
    EXPECT_NE(r.err.find("60"), std::string::npos) << r.err;
    EXPECT_FALSE(EsisteFile(t.percorso("no.stm")));
    EXPECT_EQ(Sviluppo(), "1;2\r\n");
}

TEST_F(CliSistemi, SpoglioDelloSviluppo)
{
    sistemi::SalvaSviluppo(t.dir(), std::vector<Colonna>{{1, 2, 3, 4, 5, 6}, {7, 8, 9}, {1, 2, 3}});
    auto e = prova::EseguiCli(t.dir(), {"spoglio", "--costo", "0,50", "--quote", "2"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto g = Griglie(e.out);
    ASSERT_EQ(g.size(), 3u);
    // Only the last draw by default: column 1 scores "5+1", column 3 scores 3.
    EXPECT_EQ(g[0], (std::vector<std::string>{"Estrazione;I;II;III;IV;V;VI;J;S;N.Cl;Colonna;3;4;5;5+1;6;Colpo;",
                                              "18/2/2009 ;1;2;3;4;5;40;6;9;1;01 02 03 04 05 06 ;;;;7;;0;",
                                              "18/2/2009 ;1;2;3;4;5;40;6;9;3;01 02 03 ;3;;;;;0;"}));
    EXPECT_EQ(g[1], (std::vector<std::string>{"P 3;1;", "P 4;0;", "P 5;0;", "P 5+1;1;", "P 6;0;"}));
    EXPECT_EQ(g[2], (std::vector<std::string>{"Colonne;3;", "Lunghezza 3;2;", "Lunghezza 6;1;", "Costo sistema;1,5;",
                                              "Quote 2;0,75;"}));
    EXPECT_EQ(e.err, "");
}

TEST_F(CliSistemi, SpoglioDaUnaDataConLimite)
{
    sistemi::SalvaSviluppo(t.dir(), std::vector<Colonna>{{1, 2, 3}});
    auto tutte = prova::EseguiCli(t.dir(), {"spoglio", "--inizio", "1"});
    ASSERT_EQ(tutte.stato, 0) << tutte.err;
    auto g = Griglie(tutte.out);
    ASSERT_EQ(g[0].size(), 3u);
    EXPECT_EQ(g[0][1], "16/2/2009 ;1;2;3;50;60;70;80;7;1;01 02 03 ;3;;;;;1;");
    EXPECT_EQ(g[0][2], "18/2/2009 ;1;2;3;4;5;40;6;9;1;01 02 03 ;3;;;;;2;");
    auto una = prova::EseguiCli(t.dir(), {"spoglio", "--inizio", "16/02/2009", "--limite", "1"});
    ASSERT_EQ(una.stato, 0) << una.err;
    g = Griglie(una.out);
    ASSERT_EQ(g[0].size(), 2u);
    EXPECT_EQ(g[0][1], "16/2/2009 ;1;2;3;50;60;70;80;7;1;01 02 03 ;3;;;;;0;");
    // Default cost 0 without the settings file.
    EXPECT_EQ(g[2][2], "Costo sistema;0;");
}

TEST_F(CliSistemi, SpoglioSenzaSviluppoEConCostoDalleImpostazioni)
{
    ImportiVincite v;
    v.costoColonna = "1,25";
    v.percentualeRitenuta = "0";
    ScriviImportiVincite(v).SaveToFile(t.percorso("ImportiVincite.DAT"));
    auto e = prova::EseguiCli(t.dir(), {"spoglio"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto g = Griglie(e.out);
    EXPECT_EQ(g[0], (std::vector<std::string>{"Estrazione;I;II;III;IV;V;VI;J;S;N.Cl;Colonna;3;4;5;5+1;6;Colpo;",
                                              ";;;;;;;;;;;;;;;;;"}));
    EXPECT_EQ(g[2], (std::vector<std::string>{"Colonne;0;", "Costo sistema;0;", "Quote 1;0;"}));
    sistemi::SalvaSviluppo(t.dir(), std::vector<Colonna>{{1, 2}, {3, 4}});
    e = prova::EseguiCli(t.dir(), {"spoglio", "--quote", "3"});
    g = Griglie(e.out);
    EXPECT_EQ(g[2][2], "Costo sistema;2,5;");
    EXPECT_EQ(g[2][3], "Quote 3;0,8333;");
}

TEST_F(CliSistemi, SpoglioDiFileDiSchedine)
{
    prova::ScriviByte(t.percorso("mie.csv"), "1;2;3;4;5;40;\r\n\r\n");
    auto e = prova::EseguiCli(t.dir(), {"spoglio", "--file", t.percorso("mie.csv")});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto g = Griglie(e.out);
    EXPECT_EQ(g[0][1], "18/2/2009 ;1;2;3;4;5;40;6;9;1;01 02 03 04 05 40 ;;;;;6;0;");
    EXPECT_EQ(g[2][0], "Colonne;2;");
    prova::ScriviByte(t.percorso("mie.sse"), "123\r\n");
    e = prova::EseguiCli(t.dir(), {"spoglio", "--file", t.percorso("mie.sse")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(Griglie(e.out)[1][0], "P 3;1;");
    // A damaged slip file: exit 1, the file and line named.
    prova::ScriviByte(t.percorso("rotta.csv"), "1;2;\r\n95;\r\n");
    e = prova::EseguiCli(t.dir(), {"spoglio", "--file", t.percorso("rotta.csv")});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("rotta.csv"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("riga 2"), std::string::npos) << e.err;
}

TEST_F(CliSistemi, SpoglioOpzioniSbagliate)
{
    for (const auto &args : std::vector<std::vector<std::string>>{{"spoglio", "--limite", "10001"},
                                                                  {"spoglio", "--quote", "0"},
                                                                  {"spoglio", "--quote", "1001"},
                                                                  {"spoglio", "--costo", "tanto"},
                                                                  {"spoglio", "--costo", "-1"},
                                                                  {"spoglio", "--colonne", "3"}}) {
        auto e = prova::EseguiCli(t.dir(), args);
        EXPECT_EQ(e.stato, 2) << args[1] << " " << e.err;
    }
    auto e = prova::EseguiCli(t.dir(), {"spoglio", "--inizio", "9"});
    EXPECT_EQ(e.stato, 1);
    prova::ScriviByte(t.percorso("sviluppo"), "1\xF0\r\n");
    e = prova::EseguiCli(t.dir(), {"spoglio"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("sviluppo"), std::string::npos) << e.err;
}

TEST_F(CliSistemi, ProgrammaVeroStatiDiUscita)
{
    auto esegui = [&](const std::string &args) {
        const std::string comando = std::string(SESTINA_CLI) + " --dir '" + t.dir() + "' " + args + " >'" +
                                    t.percorso("out.txt") + "' 2>'" + t.percorso("err.txt") + "'";
        const int stato = std::system(comando.c_str());
        EXPECT_TRUE(WIFEXITED(stato));
        return WEXITSTATUS(stato);
    };
    EXPECT_EQ(esegui("sistema --numeri 1,2,3,4,5 --k 3 --riduzione 1"), 0);
    EXPECT_EQ(LeggiFile(t.percorso("err.txt")), "Elaborate 6 Ridotte 2\n");
    EXPECT_EQ(LeggiFile(t.percorso("out.txt")), "Scheda n.;Sviluppo;\r\n1;01 02 03 ;\r\n2;01 04 05 ;\r\n");
    EXPECT_EQ(esegui("sistema --numeri 1,2,3,4,5 --k 6"), 1);
    EXPECT_EQ(LeggiFile(t.percorso("err.txt")), "Sviluppo Impossibile\n");
    EXPECT_EQ(LeggiFile(t.percorso("out.txt")), "");
    EXPECT_EQ(esegui("spoglio --limite -1"), 2);
    EXPECT_EQ(esegui("spoglio --limite 0"), 0);
    EXPECT_EQ(LeggiFile(t.percorso("out.txt")).substr(0, 11), "Estrazione;");
}
