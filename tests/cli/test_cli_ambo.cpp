#include "cli/Cli.h"
#include "support/CliProva.h"
#include "export/GrigliaCSV.h"
#include "stats/RitardiGruppi.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

using namespace sestina;
using namespace sestina::statistiche;

namespace {

prova::Esito Esegui(const std::string &dir, std::vector<std::string> args) { return prova::EseguiCli(dir, std::move(args)); }

std::vector<std::string> Righe(const std::string &csv) { return prova::RigheLF(csv); }

class CliAmbo : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = prova::EstrazioniCasuali(12, 80);
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    prova::CartellaTemporanea t;
    std::vector<archivio::Estrazione> estrazioni;
};

} // namespace

TEST_F(CliAmbo, GrigliaDelleTerzine)
{
    auto e = Esegui(t.dir(), {"ambo", "3"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto righe = Righe(e.out);
    ASSERT_EQ(righe.size(), 16u);
    EXPECT_EQ(righe[0], "Lunghetta;Ritardo;Frequenza;Uscita il;I;II;III;IV;V;VI;J;S;Rit Estratto;\r");
    EXPECT_EQ(e.out, esporta::GrigliaCSV(GrigliaRitPerAmbi(CercaRitardiGruppi(estrazioni, 3, 0, 79, false), 1)));
    // Every label is a group of three two-digit numbers.
    for (size_t i = 1; i < righe.size(); ++i) {
        ASSERT_GT(righe[i].size(), 9u);
        EXPECT_EQ(righe[i][2], '.');
        EXPECT_EQ(righe[i][5], '.');
        EXPECT_EQ(righe[i][8], ';');
    }
}

TEST_F(CliAmbo, IntervalloPerNumeroEPerData)
{
    // "N. Estr" is the record + 1; a date names its draw.
    const std::string data = estrazioni[70].data.data().breve();
    auto perNumero = Esegui(t.dir(), {"ambo", "5", "--inizio", "21", "--fine", "71", "--colonna", "2"});
    auto perData = Esegui(t.dir(), {"ambo", "5", "--inizio", "21", "--fine", data, "--colonna", "2"});
    ASSERT_EQ(perNumero.stato, 0) << perNumero.err;
    EXPECT_EQ(perNumero.out, perData.out);
    EXPECT_EQ(perNumero.out,
              esporta::GrigliaCSV(GrigliaRitPerAmbi(CercaRitardiGruppi(estrazioni, 5, 20, 70, false), 2)));
}

TEST_F(CliAmbo, RicercaVeloceSuArchivioCorto)
{
    auto e = Esegui(t.dir(), {"ambo", "14", "--veloce"});
    ASSERT_EQ(e.stato, 0) << e.err;
    auto righe = Righe(e.out);
    ASSERT_EQ(righe.size(), 16u);
    for (size_t i = 1; i < righe.size(); ++i)
        EXPECT_EQ(righe[i], ";0;0;Mai uscita;00;00;00;00;00;00;00;00;0;\r");
}

TEST_F(CliAmbo, UscitaIlConMaiUscitaOrdinaPerRitardo)
{
    auto e = Esegui(t.dir(), {"ambo", "6", "--colonna", "3"});
    ASSERT_EQ(e.stato, 0);
    EXPECT_NE(e.err.find("Impossibile Riordinare"), std::string::npos);
    EXPECT_EQ(e.out, Esegui(t.dir(), {"ambo", "6"}).out);
}

TEST_F(CliAmbo, RichiesteSbagliate)
{
    struct Caso {
        std::vector<std::string> args;
        int stato;
        std::string messaggio;
    } casi[] = {
        {{"ambo"}, 2, "lunghezza"},
        {{"ambo", "1"}, 2, "da 2"},
        {{"ambo", "15"}, 2, "da 2"},
        {{"ambo", "tre"}, 2, "non è un numero intero"},
        {{"ambo", "3", "--colonna", "13"}, 2, "colonna"},
        {{"ambo", "3", "--inizio", "50", "--fine", "20"}, 1, "Date incompatibili"},
        {{"ambo", "3", "--fine", "81"}, 1, "inesistente"},
        {{"ambo", "3", "--ordine", "1"}, 2, ""},
    };
    for (const Caso &c : casi) {
        auto e = Esegui(t.dir(), c.args);
        EXPECT_EQ(e.stato, c.stato) << c.args.back();
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        EXPECT_TRUE(e.out.empty());
    }
}

// The real program on the bundled archive, the largest groups.
TEST(CliAmboProgramma, QuattordicineSulArchivioReale)
{
    const std::string comando = std::string(SESTINA_CLI) + " --dir " + SESTINA_PROGRAM_DIR + " ambo 14 2>&1";
    FILE *p = popen(comando.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    const int stato = pclose(p);
    EXPECT_EQ(WEXITSTATUS(stato), 0) << out;
    auto righe = Righe(out);
    ASSERT_EQ(righe.size(), 16u);
    for (size_t i = 1; i < righe.size(); ++i) {
        EXPECT_EQ(righe[i].find(';'), 14u * 3 - 1) << righe[i]; // fourteen "%.2d" joined by "."
        EXPECT_EQ(righe[i].find("Mai uscita"), std::string::npos);
    }
}
