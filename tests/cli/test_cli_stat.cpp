#include "cli/Cli.h"
#include "support/CliProva.h"
#include "export/GrigliaCSV.h"
#include "stats/Calore.h"
#include "stats/Statistiche.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace sestina;

namespace {

prova::Esito Esegui(const std::string &dir, std::vector<std::string> args) { return prova::EseguiCli(dir, std::move(args)); }

std::vector<std::string> Righe(const std::string &csv) { return prova::RigheLF(csv); }

class CliStat : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = prova::EstrazioniCasuali(5, 60);
        // the last draw: 11 among the numbers, 22 as jolly, 33 as superstar
        estrazioni[59] = prova::Estr(10, 3, 2011, 42, {11, 17, 29, 46, 65, 88}, 22, 33);
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    prova::CartellaTemporanea t;
    std::vector<archivio::Estrazione> estrazioni;
};

} // namespace

TEST_F(CliStat, NumeriComeLaTabella)
{
    auto e = Esegui(t.dir(), {"stat", "Numeri"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto atteso = statistiche::MostraStatistica(estrazioni, 0, 59, statistiche::ListaVoci::Numeri, 1);
    EXPECT_EQ(e.out, esporta::GrigliaCSV(atteso));
    auto r = Righe(e.out);
    ASSERT_EQ(r.size(), 19u);
    EXPECT_EQ(r[0].substr(0, 17), "N.;R.At;R.Mx;Freq");
}

TEST_F(CliStat, AmbiGemelliSullUltimaEstrazioneInOrdineNaturale)
{
    auto e = Esegui(t.dir(), {"stat", "Ambi Gemelli", "--inizio", "60", "--fine", "10/03/2011", "--ordine", "0"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto r = Righe(e.out);
    ASSERT_EQ(r.size(), 15u);
    EXPECT_EQ(r[0], "Ambi Gemelli;R.At.;R.MX;Frq;Ambi Gemelli;R.At.;R.MX;Frq;\r");
    EXPECT_EQ(r[1].substr(0, 13), "11, 22;0;0;1;"); // number and jolly
    EXPECT_EQ(r[2].substr(0, 13), "11, 33;1;1;0;"); // the superstar never counts
}

TEST_F(CliStat, ErroriDiStat)
{
    struct Caso {
        std::vector<std::string> args;
        int stato;
        const char *messaggio;
    };
    const Caso casi[] = {
        {{"stat", "Ambi"}, 2, "tabella sconosciuta"},
        {{"stat"}, 2, "manca la tabella"},
        {{"stat", "Numeri", "--ordine", "4"}, 2, "ordine"},
        {{"stat", "Numeri", "--inizio", "30", "--fine", "10"}, 1, "Date incompatibili"},
        {{"stat", "Numeri", "--inizio", "61"}, 1, "inesistente"},
    };
    for (const Caso &c : casi) {
        auto e = Esegui(t.dir(), c.args);
        EXPECT_EQ(e.stato, c.stato) << c.args.back();
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        EXPECT_TRUE(e.out.empty());
    }
}

TEST_F(CliStat, CaloreComeLaPagina)
{
    auto e = Esegui(t.dir(), {"calore", "--estrazione", "60", "--analizzare", "30", "--minimo", "1", "--colonna", "4"});
    ASSERT_EQ(e.stato, 0) << e.err;
    archivio::Archivio a(t.dir());
    statistiche::ParametriCalore p;
    p.estrazione = 59;
    p.analizzare = 30;
    p.minimo = 1;
    p.colonna = 4;
    EXPECT_EQ(e.out, esporta::GrigliaCSV(statistiche::MostraCalore(a, 59, p).tabella));
    EXPECT_EQ(Righe(e.out)[0], "Num;Fre;Rit;Rng;Med;\r");

    auto ambi = Esegui(t.dir(), {"calore", "--analizzare", "1", "--minimo", "1", "--ambi", "--colonna", "0"});
    ASSERT_EQ(ambi.stato, 0) << ambi.err;
    auto r = Righe(ambi.out);
    ASSERT_EQ(r.size(), 16u); // the 15 pairs of the last draw
    EXPECT_EQ(r[0], "Ambi;Fre;Rit;Rng;Med;\r");
    EXPECT_EQ(r[1], "11-17;1;0;1-1;0,00;\r");
}

TEST_F(CliStat, ErroriDiCalore)
{
    struct Caso {
        std::vector<std::string> args;
        const char *messaggio;
    };
    const Caso casi[] = {
        {{"calore", "--analizzare", "60"}, "da 1 a 59"},
        {{"calore", "--analizzare", "0"}, "da 1 a 59"},
        {{"calore", "--minimo", "101"}, "frequenza minima"},
        {{"calore", "--colonna", "5"}, "colonna"},
        {{"calore", "--analizzare", "x"}, "non è un numero intero"},
    };
    for (const Caso &c : casi) {
        auto e = Esegui(t.dir(), c.args);
        EXPECT_EQ(e.stato, 2);
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
    }
}
