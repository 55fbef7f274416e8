// report PAGINA --pdf FILE: the page's form exported to PDF.
#include "support/ArchivioProva.h"
#include "support/CartellaProgramma.h"
#include "support/CliProva.h"
#include "support/ComandoProva.h"
#include "systems/FileSviluppo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace sestina;

namespace {

using prova::Comando;

class CliReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto e = prova::EstrazioniCasuali(9, 40);
        e.back() = prova::Estr(10, 3, 2011, 40, {11, 17, 29, 46, 65, 88}, 22, 33);
        e[0] = prova::Estr(4, 1, 2011, 1, {1, 2, 3, 4, 5, 6}, 7, 8);
        prova::PreparaCartellaProgramma(t.dir(), e);
        prova::ScriviByte(t.percorso("Utente.DAT"),
                          "Mario\r\nRossi\r\nQuadrifoglio\r\n77\r\nRoma 1\r\nMilano\r\n1\r\n");
    }
    std::string Testo(const std::string &pdf) { return Comando("pdftotext -layout '" + t.percorso(pdf) + "' -"); }
    std::string Info(const std::string &pdf) { return Comando("pdfinfo '" + t.percorso(pdf) + "'"); }
    prova::CartellaTemporanea t;
};

} // namespace

TEST_F(CliReport, OgniPaginaDaLaSuaDidascaliaELIntestazione)
{
    struct Caso {
        std::vector<std::string> argomenti;
        std::vector<std::string> testi;
        bool orizzontale;
    } casi[] = {
        {{"estrazioni"}, {"10/3/2011", "Giovedì", "88"}, false},
        {{"consulta"}, {"Consultazione Superenalotto", "Estrazione del: 10/3/2011"}, false},
        {{"stat", "--tabella", "Numeri", "--inizio", "1"},
         {"Tabella Statistiche Numeri", "Inizio Ricerca: 4/1/2011", "Fine Ricerca: 10/3/2011"},
         false},
        {{"calore", "--analizzare", "12", "--ambi"},
         {"Ambi In Calore Superenalotto", "Analisi del: 10/3/2011", "Analizzate[12]"},
         true},
        {{"ambo", "--k", "3"}, {"Ruota di Superenalotto", "Terzine", "Inizio Ricerca: 4/1/2011"}, false},
    };
    for (const auto &c : casi) {
        auto args = c.argomenti;
        args.insert(args.begin(), "report");
        args.insert(args.end(), {"--pdf", t.percorso("r.pdf")});
        const auto e = prova::EseguiCli(t.dir(), args);
        ASSERT_EQ(e.stato, 0) << c.argomenti[0] << ": " << e.err;
        const std::string testo = Testo("r.pdf");
        for (const std::string &atteso : c.testi)
            EXPECT_NE(testo.find(atteso), std::string::npos) << c.argomenti[0] << " " << atteso << "\n" << testo;
        for (const char *intestazione :
             {"Mario Rossi", "Via Roma 1 - Località Milano", "Ricevitoria Quadrifoglio n.77"})
            EXPECT_NE(testo.find(intestazione), std::string::npos) << c.argomenti[0] << " " << intestazione;
        const std::string info = Info("r.pdf");
        EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
        // A4: 595 x 842 points, turned for the two-grid form
        EXPECT_NE(info.find(c.orizzontale ? "842 x 595 pts" : "595 x 842 pts"), std::string::npos) << info;
    }
}

TEST_F(CliReport, ErroriChiari)
{
    auto e = prova::EseguiCli(t.dir(), {"report", "astro", "--pdf", t.percorso("x.pdf")});
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find("pagina sconosciuta"), std::string::npos) << e.err;
    e = prova::EseguiCli(t.dir(), {"report", "stat"});
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find("--pdf"), std::string::npos) << e.err;
    // A missing logo stops before anything is written.
    std::remove(t.percorso("logo_ricevitoria.png").c_str());
    e = prova::EseguiCli(t.dir(), {"report", "stat", "--pdf", t.percorso("x.pdf")});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("logo_ricevitoria.png"), std::string::npos) << e.err;
    EXPECT_FALSE(std::ifstream(t.percorso("x.pdf")).good());
}

TEST_F(CliReport, SistemiDalFileSviluppo)
{
    // without a development there is nothing to list
    auto e = prova::EseguiCli(t.dir(), {"report", "sistemi", "--pdf", t.percorso("s.pdf")});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("sviluppo"), std::string::npos) << e.err;
    // seven columns: three listing lines, the last with one piece
    std::vector<Colonna> sette;
    for (int i = 0; i < 7; ++i)
        sette.push_back(Colonna({1, 2, 3, 4, 5, static_cast<char>(10 + i)}));
    sistemi::SalvaSviluppo(t.dir(), sette);
    e = prova::EseguiCli(t.dir(), {"report", "sistemi", "--k", "6", "--riduzione", "1", "--pdf", t.percorso("s.pdf")});
    ASSERT_EQ(e.stato, 0) << e.err;
    const std::string testo = Testo("s.pdf");
    for (const char *atteso : {"Sistema - Concorso : Superenalotto elaborato il", "Tipo di riduzione n-1",
                               "Numeri in combinazione Sei", "Tabulato", "01 02 03 04 05 10", "01 02 03 04 05 16"})
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso << "\n" << testo;
}

TEST(CliReportBinario, EsceConZeroEScriveIlFile)
{
    prova::CartellaTemporanea t;
    const std::string comando = std::string(SESTINA_CLI) + " --dir " + SESTINA_PROGRAM_DIR + " report calore --pdf " +
                                t.percorso("c.pdf") + " 2>&1; echo \"stato=$?\"";
    const std::string out = Comando(comando);
    EXPECT_EQ(out, "stato=0\n");
    EXPECT_GT(prova::LeggiByte(t.percorso("c.pdf")).size(), 1000u);
}
