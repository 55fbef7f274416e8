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

std::vector<std::string> Righe(const std::string &testo)
{
    std::vector<std::string> r;
    size_t i = 0;
    while (i < testo.size()) {
        size_t f = testo.find("\r\n", i);
        if (f == std::string::npos)
            f = testo.size();
        r.push_back(testo.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

class CliConsulta : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = prova::EstrazioniCasuali(5, 30);
        // Record 29: 30 and 60 complementary, superstar 2 (even and prime).
        estrazioni[29] = prova::Estr(10, 3, 2011, 77, {30, 4, 60, 45, 21, 87}, 12, 2);
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    prova::CartellaTemporanea t;
    std::vector<archivio::Estrazione> estrazioni;
};

} // namespace

TEST_F(CliConsulta, GridThenBackgrounds)
{
    auto e = Esegui(t.dir(), {"consulta", "--posizione", "30", "--classi", "Pari,Primi,Ambi Vertibili"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const auto r = Righe(e.out);
    ASSERT_EQ(r.size(), 19u + 1 + 19);
    EXPECT_EQ(r[0], "N. Estr;Conc;Data;I;II;III;IV;V;VI;J;S;");
    EXPECT_EQ(r[1], "30;77;10/3/2011 Gioved\xEC;30;4;60;45;21;87;12;2;");
    EXPECT_EQ(r[18].substr(0, 3), "13;"); // eighteen draws: records 29 down to 12
    EXPECT_EQ(r[19], "");
    // 30, 4, 60 even; 21 and 12 vertibili of each other; 87 vertibile without 78; superstar 2 prime.
    EXPECT_EQ(r[21], "215,255,255;255,255,255;215,255,255;255,255,0;255,255,0;255,255,0;255,255,255;"
                     "149,255,149;255,255,255;149,255,149;254,236,192;");
}

TEST_F(CliConsulta, PositionByDateAndDefaults)
{
    auto perData = Esegui(t.dir(), {"consulta", "--posizione", "10/03/2011"});
    auto ultima = Esegui(t.dir(), {"consulta"});
    ASSERT_EQ(perData.stato, 0) << perData.err;
    EXPECT_EQ(perData.out, ultima.out);
    // Without classes every value cell is white.
    const auto r = Righe(ultima.out);
    EXPECT_EQ(r[22], "215,255,255;255,255,255;215,255,255;255,255,255;255,255,255;255,255,255;255,255,255;"
                     "255,255,255;255,255,255;255,255,255;255,255,255;");
    // An early position still shows eighteen draws.
    auto presto = Righe(Esegui(t.dir(), {"consulta", "--posizione", "3"}).out);
    EXPECT_EQ(presto[1].substr(0, 3), "18;");
    EXPECT_EQ(presto[18].substr(0, 2), "1;");
}

TEST_F(CliConsulta, BadInput)
{
    auto classe = Esegui(t.dir(), {"consulta", "--classi", "Pari,Rossi"});
    EXPECT_EQ(classe.stato, 2);
    EXPECT_NE(classe.err.find("classe sconosciuta \"Rossi\""), std::string::npos) << classe.err;
    EXPECT_TRUE(classe.out.empty());
    auto oltre = Esegui(t.dir(), {"consulta", "--posizione", "31"});
    EXPECT_EQ(oltre.stato, 1);
    EXPECT_NE(oltre.err.find("inesistente"), std::string::npos) << oltre.err;
}

TEST(CliConsultaBinario, BundledArchiveAndExitCodes)
{
    auto esegui = [](const std::string &comando) {
        std::string out;
        std::array<char, 4096> buf{};
        FILE *p = popen(comando.c_str(), "r");
        while (fgets(buf.data(), static_cast<int>(buf.size()), p))
            out += buf.data();
        int stato = pclose(p);
        return std::make_pair(WEXITSTATUS(stato), out);
    };
    // The real binary on the bundled archive of real draws: the newest is draw 4252.
    auto ok = esegui(std::string(SESTINA_CLI) + " consulta --classi Gemelli");
    EXPECT_EQ(ok.first, 0);
    EXPECT_EQ(ok.second.substr(ok.second.find('\n') + 1, 5), "4252;");
    auto errore = esegui(std::string(SESTINA_CLI) + " consulta --classi Nulla 2>&1 >/dev/null");
    EXPECT_EQ(errore.first, 2);
    EXPECT_NE(errore.second.find("Nulla"), std::string::npos);
}
