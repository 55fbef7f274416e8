// garanzia and sistema --ottimizza.
#include "support/ArchivioProva.h"
#include "support/CliProva.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace sestina;

namespace {

class CliGaranzia : public ::testing::Test {
protected:
    prova::CartellaTemporanea t;
};

// The first field of each CSV line, and the line itself.
std::string RigaCon(const std::string &csv, const std::string &inizio)
{
    for (const auto &r : prova::RigheLF(csv))
        if (r.rfind(inizio, 0) == 0)
            return r;
    return {};
}

} // namespace

TEST_F(CliGaranzia, SistemaOttimizzatoEPoiLaSuaGaranzia)
{
    auto e = prova::EseguiCli(t.dir(), {"sistema", "--numeri", "1,2,3,4,5,6,7,8,9,10", "--k", "6", "--riduzione", "1",
                                        "--ottimizza", "--sforzo", "3"});
    ASSERT_EQ(e.stato, 0) << e.err;
    ASSERT_EQ(e.err.rfind("Greedy 18 Ottimizzate ", 0), 0u) << e.err;
    const int colonne = std::stoi(e.err.substr(22));
    EXPECT_LE(colonne, 15);
    EXPECT_EQ(static_cast<int>(prova::RigheLF(e.out).size()), colonne + 1); // header + columns

    auto g = prova::EseguiCli(t.dir(), {"garanzia"});
    ASSERT_EQ(g.stato, 0) << g.err;
    EXPECT_EQ(g.err, "Garanzia 5 se 6\n");
    EXPECT_EQ(RigaCon(g.out, "Estratti;"),
              "Estratti;Combinazioni;6 punti;5 punti;4 punti;3 punti;2 punti;1 punto;0 punti;Garanzia;\r");
    const std::string sei = RigaCon(g.out, "6;");
    EXPECT_EQ(sei.rfind("6;210;", 0), 0u) << sei;
    EXPECT_NE(sei.find(";0;0;0;0;0;5 se 6;"), std::string::npos) << sei;
}

// Two disjoint columns over twelve numbers: six drawn split 3+3 at worst, three drawn 2+1.
TEST_F(CliGaranzia, FileDiSchedineEDimensioneDellaGiocata)
{
    const std::string file = t.percorso("due.sse");
    prova::ScriviByte(file, "123456\r\n789:;<\r\n");
    auto e = prova::EseguiCli(t.dir(), {"garanzia", "--file", file});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(e.err, "Garanzia 3 se 6\n");
    auto tre = prova::EseguiCli(t.dir(), {"garanzia", "--file", file, "--k", "3"});
    ASSERT_EQ(tre.stato, 0) << tre.err;
    EXPECT_EQ(tre.err, "Garanzia 2 se 3\n");
    EXPECT_EQ(RigaCon(tre.out, "3;"), "3;220;40;180;0;0;2 se 3;\r");
}

TEST_F(CliGaranzia, Rifiuti)
{
    auto nessuno = prova::EseguiCli(t.dir(), {"garanzia"});
    EXPECT_EQ(nessuno.stato, 1);
    EXPECT_NE(nessuno.err.find("Non hai sviluppato alcun sistema"), std::string::npos) << nessuno.err;

    const std::vector<std::vector<std::string>> uso{
        {"garanzia", "--k", "11"},
        {"garanzia", "--k", "0"},
        {"sistema", "--numeri", "1,2,3,4,5,6,7", "--k", "6", "--ottimizza"},
        {"sistema", "--numeri", "1,2,3,4,5,6,7", "--k", "6", "--riduzione", "1", "--ottimizza", "--sforzo", "0"},
        {"sistema", "--numeri", "1,2,3,4,5,6,7", "--k", "6", "--riduzione", "1", "--sforzo", "5"},
    };
    for (const auto &a : uso) {
        auto e = prova::EseguiCli(t.dir(), a);
        EXPECT_EQ(e.stato, 2) << a.back() << ": " << e.err;
        EXPECT_FALSE(std::filesystem::exists(t.percorso("sviluppo"))) << a.back();
    }
}
