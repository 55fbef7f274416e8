#include "app/Errore.h"
#include "cli/Cli.h"
#include "support/CliProva.h"
#include "export/GrigliaCSV.h"
#include "stats/NumeriSpia.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

using namespace sestina;

namespace {

prova::Esito Esegui(const std::string &dir, std::vector<std::string> args) { return prova::EseguiCli(dir, std::move(args)); }

class CliSpia : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = {prova::Estr(3, 1, 2020, 1, {1, 2, 3, 4, 5, 6}, 80, 81),
                      prova::Estr(6, 1, 2020, 2, {7, 11, 12, 13, 14, 15}, 80, 81),
                      prova::Estr(9, 1, 2020, 3, {1, 2, 3, 4, 5, 6}, 20, 21),
                      prova::Estr(12, 1, 2020, 4, {40, 41, 42, 43, 44, 45}, 80, 81)};
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    prova::CartellaTemporanea t;
    std::vector<archivio::Estrazione> estrazioni;
};

} // namespace

TEST_F(CliSpia, TreGriglieSeparateDaUnaRigaVuota)
{
    auto e = Esegui(t.dir(), {"spia", "--numeri", "7", "--inizio", "1", "--fine", "4", "--colpi", "1"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto righe = prova::RigheCRLF(e.out);
    // Numbers: header + 8, empty line; pairs: header + 28, empty line; totals: 3, empty line.
    ASSERT_EQ(righe.size(), 9u + 1 + 29 + 1 + 3 + 1);
    EXPECT_EQ(righe[0], "Pr.;Nu;");
    EXPECT_EQ(righe[1], "   1;1;");
    EXPECT_EQ(righe[7], "   1;20;");
    EXPECT_EQ(righe[8], "   1;21;");
    EXPECT_EQ(righe[9], "");
    EXPECT_EQ(righe[10], "Pr.;Nu1;Nu2;");
    EXPECT_EQ(righe[11], "   1;1;2;");
    EXPECT_EQ(righe[38], "   1;20;21;");
    EXPECT_EQ(righe[39], "");
    EXPECT_EQ(righe[40], "Totali Numeri spia;     1;");
    EXPECT_EQ(righe[41], "Somme  ult. vincenti;     0;");
    EXPECT_EQ(righe[42], "Media  ult. venti;     0;");
    EXPECT_EQ(righe[43], "");
}

TEST_F(CliSpia, OpzioniComeNellaFinestra)
{
    prova::CartellaTemporanea grande;
    auto arch = prova::EstrazioniCasuali(5, 600);
    prova::ScriviArchivio(grande.dir(), arch);
    statistiche::ParametriSpia p;
    p.numeri = {3, 33, 61};
    p.inizio = 99;
    p.fine = 549;
    p.colpi = 7;
    p.modo = statistiche::ModoSpia::QuandoEsce;
    p.ambi = true;
    p.mesi.fill(false);
    p.mesi[0] = p.mesi[5] = p.mesi[11] = true;
    ProgressoNullo nullo;
    auto atteso = statistiche::ElaboraSpia(arch, p, nullo);
    auto e = Esegui(grande.dir(), {"spia", "--numeri", "61,3,33", "--inizio", "100", "--fine", "550", "--colpi", "7",
                                   "--quando-esce", "--ambi", "--mesi", "1,6,12"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out.substr(0, e.out.find("\r\n\r\n") + 2), esporta::GrigliaCSV(atteso.numeri));
    EXPECT_NE(e.out.find(esporta::GrigliaCSV(atteso.ambi)), std::string::npos);
    EXPECT_NE(e.out.find("Totali Numeri spia;" + atteso.totali.testo(0, 1) + ";"), std::string::npos);

    auto stat = statistiche::ElaboraStatistica(arch, p.inizio, p.fine, p.mesi, &atteso.analizzata, nullo);
    auto l = Esegui(grande.dir(), {"lunghette", "5", "--numeri", "61,3,33", "--inizio", "100", "--fine", "550",
                                   "--colpi", "7", "--quando-esce", "--ambi", "--mesi", "1,6,12", "--usa-spia"});
    ASSERT_EQ(l.stato, 0) << l.err;
    EXPECT_EQ(l.out, esporta::GrigliaCSV(statistiche::ElaboraLunghette(stat, 5, nullo).griglia));
    // Without the filter the spy numbers do not matter.
    auto senza = Esegui(grande.dir(), {"lunghette", "5", "--inizio", "100", "--fine", "550", "--mesi", "1,6,12"});
    auto statTutte = statistiche::ElaboraStatistica(arch, p.inizio, p.fine, p.mesi, nullptr, nullo);
    EXPECT_EQ(senza.out, esporta::GrigliaCSV(statistiche::ElaboraLunghette(statTutte, 5, nullo).griglia));
    EXPECT_NE(senza.out, l.out);
}

TEST_F(CliSpia, Lunghette)
{
    auto e = Esegui(t.dir(), {"lunghette", "3", "--inizio", "1", "--fine", "4"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto righe = prova::RigheCRLF(e.out);
    ASSERT_EQ(righe.size(), 22u);
    EXPECT_EQ(righe[0], "Superenalotto;;;;;");
    EXPECT_EQ(righe[1], "Lunghetta;Pr.;Rit. Medio;Ultima Uscita;Rit. Att.;");
    // Every pair of the examined draws 4, 3, 2 came out once. The ten triples of
    // draw 3 and then the ten of draw 2 fill the list (the last found first); the
    // triples of draw 4 only tie with the 20th total and are pruned.
    EXPECT_EQ(righe[2], "12.13.14;3;2;06/01/2020;2;");
    EXPECT_EQ(righe[21], "1.2.3;3;1;09/01/2020;1;");
    EXPECT_EQ(e.out.find("42.43"), std::string::npos);
}

TEST_F(CliSpia, ErroriEUso)
{
    struct Caso {
        std::vector<std::string> args;
        int stato;
        const char *messaggio;
    } casi[] = {
        {{"spia", "--inizio", "1", "--fine", "4"}, 1, "Indicare almeno un numero!"},
        {{"spia", "--numeri", "7", "--ambi", "--inizio", "1", "--fine", "4"}, 1,
         "Indicare almeno due numeri per Ambo!"},
        {{"spia", "--numeri", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21", "--inizio", "1", "--fine", "4"},
         1, "troppi numeri! (Max 20)"},
        {{"spia", "--numeri", "7", "--inizio", "4", "--fine", "4"}, 1, "Data iniziale successiva data finale!"},
        {{"spia", "--numeri", "7", "--inizio", "1", "--fine", "4", "--colpi", "31"}, 1, "colpi"},
        {{"spia", "--numeri", "91", "--inizio", "1", "--fine", "4"}, 2, "fuori"},
        {{"spia", "--numeri", "7", "--fine", "4"}, 2, "--inizio"},
        {{"spia", "--numeri", "7", "--inizio", "1", "--fine", "4", "--mesi", "13"}, 2, "mesi"},
        {{"spia", "--numeri", "7", "--inizio", "1", "--fine", "4", "--usa-spia"}, 2, "usa-spia"},
        {{"lunghette", "11"}, 2, "K"},
        {{"lunghette"}, 2, "K"},
        {{"lunghette", "3", "--inizio", "4", "--fine", "2"}, 1, "Data iniziale successiva data finale!"},
        {{"lunghette", "3", "--usa-spia", "--inizio", "1", "--fine", "4"}, 1, "Indicare almeno un numero!"},
    };
    for (const auto &c : casi) {
        auto e = Esegui(t.dir(), c.args);
        EXPECT_EQ(e.stato, c.stato) << c.args[1];
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        EXPECT_EQ(e.out, "");
    }
}

TEST_F(CliSpia, LunghezzeDiverseDeiDueFile)
{
    prova::ScriviByte(t.percorso("Superena.cxz"), prova::LeggiByte(t.percorso("Superena.cxz")).substr(0, 24));
    auto e = Esegui(t.dir(), {"spia", "--numeri", "7", "--inizio", "1", "--fine", "3"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("Errore Lunghezze RHV: Superena.cxz"), std::string::npos) << e.err;
}

TEST(CliSpiaProgramma, ArchivioDelProgramma)
{
    auto esegui = [](const std::string &comando) {
        std::string out;
        FILE *p = popen(comando.c_str(), "r");
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        int stato = pclose(p);
        return std::make_pair(WEXITSTATUS(stato), out);
    };
    const std::string cli = std::string(SESTINA_CLI) + " --dir " + SESTINA_PROGRAM_DIR;
    auto spia = esegui(cli + " spia --numeri 5,17 --inizio 314 --fine 01/01/2099 2>&1");
    EXPECT_EQ(spia.first, 1);
    EXPECT_NE(spia.second.find("01/01/2099"), std::string::npos);
    auto ok = esegui(cli + " spia --numeri 5,17 --inizio 314 --fine 4000 2>/dev/null");
    EXPECT_EQ(ok.first, 0);
    EXPECT_EQ(ok.second.rfind("Pr.;Nu;\r\n", 0), 0u);
    auto l = esegui(cli + " lunghette 10 2>/dev/null");
    EXPECT_EQ(l.first, 0);
    EXPECT_EQ(prova::RigheCRLF(l.second).size(), 22u);
}
