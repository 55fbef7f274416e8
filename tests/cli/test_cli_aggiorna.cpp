// sestina-cli aggiorna FILE|URL, with a local HTTP server started by the test.
#include "archive/ArchivioCSV.h"
#include "support/ArchivioProva.h"
#include "support/CliProva.h"
#include "support/ServerHttpProva.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <sys/wait.h>

using namespace sestina;
using namespace sestina::prova;

namespace {

using Lista = std::vector<archivio::Estrazione>;


class CliAggiorna : public ::testing::Test {
protected:
    void SetUp() override
    {
        ScriviArchivio(t.dir(), ParteReali(0, 30));
        date = LeggiByte(t.percorso("ggmeanno1.cxz"));
        numeri = LeggiByte(t.percorso("Superena.cxz"));
    }
    // The archive files are byte for byte what SetUp wrote.
    void Intatto() const
    {
        EXPECT_EQ(LeggiByte(t.percorso("ggmeanno1.cxz")), date);
        EXPECT_EQ(LeggiByte(t.percorso("Superena.cxz")), numeri);
    }
    CartellaTemporanea t;
    std::string date, numeri;
};

std::string Ultima()
{
    return "Aggiunte 10 estrazioni (ultima: " + UltimeReali()[39].data.data().breve() + ")\n";
}

} // namespace

TEST_F(CliAggiorna, DaUnIndirizzoAggiungeLeNuove)
{
    const std::string csv = archivio::ScriviArchivioCSV(ParteReali(20, 40));
    ServerHttpProva server([&](const std::string &) { return RispostaHttp{csv}; });
    auto e = EseguiCli(t.dir(), {"aggiorna", server.indirizzo()});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, Ultima());
    EXPECT_EQ(archivio::Archivio(t.dir()).LeggiTutte(), UltimeReali());

    auto ancora = EseguiCli(t.dir(), {"aggiorna", server.indirizzo()});
    EXPECT_EQ(ancora.stato, 0);
    EXPECT_EQ(ancora.out, "Archivio già aggiornato\n");
}

TEST_F(CliAggiorna, DaUnFile)
{
    ScriviByte(t.percorso("nuove.csv"), archivio::ScriviArchivioCSV(ParteReali(25, 40)));
    auto e = EseguiCli(t.dir(), {"aggiorna", t.percorso("nuove.csv")});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.out, Ultima());
    auto manca = EseguiCli(t.dir(), {"aggiorna", t.percorso("nessuno.csv")});
    EXPECT_EQ(manca.stato, 1);
    EXPECT_NE(manca.err.find("nessuno.csv"), std::string::npos);
}

// Every broken or refused download leaves the archive as it was and names the reason.
TEST_F(CliAggiorna, ScaricamentiRifiutatiNonToccanoLArchivio)
{
    const std::string buono = archivio::ScriviArchivioCSV(ParteReali(20, 40));
    Lista diversa = ParteReali(20, 40);
    diversa[5].numeri.superstar = static_cast<std::uint8_t>(diversa[5].numeri.superstar % 90 + 1);
    struct Caso {
        const char *nome;
        RispostaHttp risposta;
        std::string motivo;
    };
    const Caso casi[] = {
        {"ServerMuto", RispostaHttp{buono, 200, true, -1, true}, "non risponde"},
        {"TroncatoConLunghezza", RispostaHttp{buono, 200, true, static_cast<long long>(buono.size() / 2)},
         "incompleto"},
        // cut inside the superstar of the last draw: the line still has ten fields
        {"TroncatoSenzaLunghezza", RispostaHttp{buono, 200, false, static_cast<long long>(buono.size() - 3)},
         "incompleto"},
        {"EstrazionePassataDiversa", RispostaHttp{archivio::ScriviArchivioCSV(diversa)},
         UltimeReali()[25].data.data().breve()},
        {"NonTrovato", RispostaHttp{"non c'è", 404}, "404"},
        {"NonUnCSV", RispostaHttp{"<html>pagina</html>\n"}, "intestazione"},
    };
    for (const Caso &c : casi) {
        SCOPED_TRACE(c.nome);
        ServerHttpProva server([&](const std::string &) { return c.risposta; });
        const auto inizio = std::chrono::steady_clock::now();
        auto e = EseguiCli(t.dir(), {"aggiorna", server.indirizzo(), "--attesa", "1"});
        EXPECT_EQ(e.stato, 1);
        EXPECT_EQ(e.out, "");
        EXPECT_NE(e.err.find(c.motivo), std::string::npos) << e.err;
        Intatto();
        // The one-second wait for a silent server is kept, not the default half minute.
        EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(15));
    }
}

TEST_F(CliAggiorna, ErroriDUso)
{
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{"aggiorna"},
                                               {"aggiorna", "x.csv", "--attesa", "0"},
                                               {"aggiorna", "x.csv", "--attesa", "molto"},
                                               {"aggiorna", "x.csv", "--sconosciuta"}}) {
        auto e = EseguiCli(t.dir(), args);
        EXPECT_EQ(e.stato, 2) << e.err;
        EXPECT_NE(e.err.find("uso: aggiorna FILE|URL"), std::string::npos) << e.err;
    }
    Intatto();
}

TEST_F(CliAggiorna, IlProgrammaVeroEsceConUnoELaRagione)
{
    ServerHttpProva server([](const std::string &) { return RispostaHttp{"", 500}; });
    auto esegui = [](const std::string &comando, std::string &uscita) {
        FILE *p = popen(comando.c_str(), "r");
        char buf[512];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
            uscita.append(buf, n);
        return WEXITSTATUS(pclose(p));
    };
    std::string err;
    const std::string base = std::string(SESTINA_CLI) + " --dir " + t.dir() + " aggiorna ";
    EXPECT_EQ(esegui(base + server.indirizzo() + " 2>&1 >/dev/null", err), 1);
    EXPECT_NE(err.find("500"), std::string::npos) << err;
    Intatto();

    ScriviByte(t.percorso("nuove.csv"), archivio::ScriviArchivioCSV(ParteReali(29, 40)));
    std::string out;
    EXPECT_EQ(esegui(base + t.percorso("nuove.csv"), out), 0);
    EXPECT_EQ(out, Ultima());
    std::string uso;
    EXPECT_EQ(esegui(base + " 2>&1", uso), 2);
}
