#include "app/Testo.h"
#include "cli/Cli.h"
#include "support/CliProva.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

using namespace sestina;

namespace {

prova::Esito Esegui(const std::string &dir, std::vector<std::string> args) { return prova::EseguiCli(dir, std::move(args)); }

class CliArchivio : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = prova::EstrazioniCasuali(11, 40);
        estrazioni[39] = prova::Estr(10, 3, 2011, 42, {5, 17, 29, 46, 65, 88}, 12, 74);
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    prova::CartellaTemporanea t;
    std::vector<archivio::Estrazione> estrazioni;
};

} // namespace

TEST_F(CliArchivio, Info)
{
    auto e = Esegui(t.dir(), {"info"});
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.out, "estrazioni;40;\r\nprima;04/01/2000;\r\nultima;10/03/2011;\r\n");
}

TEST_F(CliArchivio, EstrazioniComeLaTabellaInWindows1252)
{
    auto e = Esegui(t.dir(), {"estrazioni"});
    EXPECT_EQ(e.stato, 0);
    std::istringstream righe(e.out);
    std::string r0, r1;
    std::getline(righe, r0);
    std::getline(righe, r1);
    EXPECT_EQ(r0, "Data;n\xB0;I;II;III;IV;V;VI;J;S;\r");
    EXPECT_EQ(r1, "10/3/2011  Gioved\xEC;42;5;17;29;46;65;88;12;74;\r");
    // The cursor as "N. Estr" or as a date.
    auto perNumero = Esegui(t.dir(), {"estrazioni", "--cursore", "20"});
    auto d = estrazioni[19].data;
    auto perData = Esegui(t.dir(), {"estrazioni", "--cursore", Formato("%02d/%02d/%04d", d.giorno, d.mese, d.anno)});
    EXPECT_EQ(perNumero.stato, 0);
    EXPECT_EQ(perNumero.out, perData.out);
    EXPECT_NE(perNumero.out.find(";" + std::to_string(d.concorso) + ";"), std::string::npos);
}

TEST_F(CliArchivio, ErroriEUso)
{
    auto e = Esegui(t.dir(), {"estrazioni", "--cursore", "41"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("inesistente"), std::string::npos);
    EXPECT_EQ(Esegui(t.dir(), {"estrazioni", "--cursore", "01/01/1990"}).stato, 1);
    EXPECT_EQ(Esegui(t.dir(), {"estrazioni", "--cursore"}).stato, 2);
    EXPECT_EQ(Esegui(t.dir(), {"estrazioni", "--sconosciuta"}).stato, 2);
    EXPECT_EQ(Esegui(t.dir(), {"nessuno"}).stato, 2);
    EXPECT_EQ(Esegui(t.dir(), {}).stato, 2);
    prova::CartellaTemporanea vuota;
    auto m = Esegui(vuota.dir(), {"info"});
    EXPECT_EQ(m.stato, 1);
    EXPECT_NE(m.err.find("ggmeanno1.cxz"), std::string::npos);
}

TEST_F(CliArchivio, EsportaEImportaCSV)
{
    const std::string csv = t.percorso("archivio.csv");
    ASSERT_EQ(Esegui(t.dir(), {"esporta-csv", csv}).stato, 0);
    prova::CartellaTemporanea altra;
    ASSERT_EQ(Esegui(altra.dir(), {"importa-csv", csv}).stato, 0);
    EXPECT_EQ(prova::LeggiByte(altra.percorso("Superena.cxz")), prova::LeggiByte(t.percorso("Superena.cxz")));
    EXPECT_EQ(prova::LeggiByte(altra.percorso("ggmeanno1.cxz")), prova::LeggiByte(t.percorso("ggmeanno1.cxz")));
}

TEST_F(CliArchivio, UnCSVNonValidoNonToccaLArchivio)
{
    const std::string prima = prova::LeggiByte(t.percorso("Superena.cxz"));
    const std::string date = prova::LeggiByte(t.percorso("ggmeanno1.cxz"));
    const std::string csv = t.percorso("rotto.csv");
    prova::ScriviByte(csv, "data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar\n"
                           "03/12/1997;87;20;36;39;41;72;76;88;0\n"
                           "06/12/1997;88;2;4;25;29;30;52;24\n");
    auto e = Esegui(t.dir(), {"importa-csv", csv});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("riga 3"), std::string::npos);
    EXPECT_EQ(prova::LeggiByte(t.percorso("Superena.cxz")), prima);
    EXPECT_EQ(prova::LeggiByte(t.percorso("ggmeanno1.cxz")), date);
    EXPECT_EQ(Esegui(t.dir(), {"importa-csv", t.percorso("manca.csv")}).stato, 1);
}

TEST(CliBinario, StatiDiUscitaEStandardError)
{
    prova::CartellaTemporanea t;
    auto esegui = [](const std::string &comando) {
        std::array<char, 512> buf{};
        std::string out;
        FILE *p = popen(comando.c_str(), "r");
        while (fgets(buf.data(), buf.size(), p))
            out += buf.data();
        int stato = pclose(p);
        return std::make_pair(WEXITSTATUS(stato), out);
    };
    // The real binary on the bundled archive of real draws.
    auto info = esegui(std::string(SESTINA_CLI) + " info");
    EXPECT_EQ(info.first, 0);
    EXPECT_EQ(info.second, "estrazioni;4252;\r\nprima;03/12/1997;\r\nultima;20/08/2026;\r\n");
    auto errore = esegui(std::string(SESTINA_CLI) + " --dir " + t.dir() + " info 2>&1 >/dev/null");
    EXPECT_EQ(errore.first, 1);
    EXPECT_NE(errore.second.find("ggmeanno1.cxz"), std::string::npos);
    EXPECT_EQ(esegui(std::string(SESTINA_CLI) + " comando-che-non-esiste 2>/dev/null").first, 2);
}
