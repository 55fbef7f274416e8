// report PAGINA --pdf FILE: the page's form exported to PDF.
#include "support/ArchivioProva.h"
#include "support/CartellaProgramma.h"
#include "support/CliProva.h"
#include "support/ComandoProva.h"
#include "systems/FileSviluppo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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
    auto e = prova::EseguiCli(t.dir(), {"report", "luna", "--pdf", t.percorso("x.pdf")});
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

namespace {

// "1,2,...,n"
std::string PrimiNumeri(int n)
{
    std::string t;
    for (int i = 1; i <= n; ++i)
        t += (i > 1 ? "," : "") + std::to_string(i);
    return t;
}

} // namespace

TEST_F(CliReport, LePaginePrevisioniDannoIlLoroModulo)
{
    std::filesystem::copy_file(std::string(SESTINA_SOURCE_DIR) + "/data/metodi/Somma primo e secondo.mts",
                               t.percorso("Somma primo e secondo.mts"));
    for (const auto &segno : std::filesystem::directory_iterator(std::string(SESTINA_SOURCE_DIR) + "/data/segni"))
        std::filesystem::copy_file(segno.path(), t.percorso(segno.path().filename().string()));
    const std::string metodo = t.percorso("Somma primo e secondo.mts");
    const std::string venticinque = PrimiNumeri(25);
    struct Caso {
        std::vector<std::string> argomenti;
        std::string titolo; // the PDF's title: the preview's caption
        std::vector<std::string> testi;
    } casi[] = {
        {{"astro", "--segno", "5", "--estrazione", "9"},
         "Anteprima Astrolotto",
         {"ASTROLOTTO", "Leone", "23 Luglio - 22 Agosto", "SUPERENALOTTO", "Conc. n.9 del", "Numeri in Gioco",
          "Previsioni", "Ritardi", "Cruciverba", "Esiti"}},
        {{"astro", "--segno", "1", "--tabulato"},
         "Tabulato Astrolotto",
         {"ASTROLOTTO", "Ariete", "Conc. n.40 del 10/3/2011", "Tabulato", "C.1 "}},
        {{"metodi", metodo},
         "Anteprima Metodi",
         {"Metodo : Somma primo e secondo Superenalotto", "Data 10/3/2011, Analisi di", "Posizioni 1 2, Operazioni +",
          "Previsioni", "Esiti"}},
        {{"metodi", metodo, "--estrazione", "20", "--tabulato"},
         "Tabulato Metodi",
         {"Metodo : Somma primo e secondo Superenalotto", "Tabulato", "C.1 "}},
        {{"cruci", "--numeri", venticinque},
         "Anteprima Cruciverba",
         {"Cruciverba - Concorso : Superenalotto Elaborato il", "Tipo di riduzione Nessuna",
          "Casuali 0 Ultimi 0, Frequenze 0 Ritardi 0", "Numeri in combinazione Libero"}},
        {{"cruci", "--numeri", venticinque, "--riduzione", "1", "--k", "3", "--tabulato"},
         "Tabulato Cruciverba",
         {"Cruciverba - Concorso : Superenalotto elaborato il", "Tipo di riduzione n-1", "Numeri in combinazione Tre",
          "Tabulato"}},
        {{"compl90", "--numeri", venticinque},
         "Report Completamento 90",
         {"Cruciverba - Concorso : Superenalotto", "Casuali 0, Ultimi 0, Frequenze, 0 Ritardi 0", "Tabulato", "C.1 "}},
    };
    for (const auto &c : casi) {
        auto args = c.argomenti;
        args.insert(args.begin(), "report");
        args.insert(args.end(), {"--pdf", t.percorso("p.pdf")});
        const auto e = prova::EseguiCli(t.dir(), args);
        ASSERT_EQ(e.stato, 0) << c.titolo << ": " << e.err;
        const std::string testo = Testo("p.pdf");
        for (const std::string &atteso : c.testi)
            EXPECT_NE(testo.find(atteso), std::string::npos) << c.titolo << ": " << atteso << "\n" << testo;
        EXPECT_NE(testo.find("Ricevitoria Quadrifoglio n.77"), std::string::npos) << c.titolo;
        EXPECT_NE(Info("p.pdf").find("Title:           " + c.titolo), std::string::npos) << Info("p.pdf");
    }
}

TEST_F(CliReport, UnTabulatoLungoVaSullaSecondaPagina)
{
    // the development the "cruci" command writes to "sviluppo" is the one listed
    const std::vector<std::string> opzioni = {"--numeri", PrimiNumeri(36), "--righe", "6",   "--colonne",
                                              "6",        "--riduzione",   "1",       "--k", "4"};
    std::vector<std::string> args = {"cruci"};
    args.insert(args.end(), opzioni.begin(), opzioni.end());
    ASSERT_EQ(prova::EseguiCli(t.dir(), args).stato, 0);
    std::vector<Colonna> sviluppo;
    ASSERT_TRUE(sistemi::CaricaSviluppo(t.dir(), sviluppo));
    const size_t righe = (sviluppo.size() + 2) / 3;
    // 7 lines fit under the 184.7 mm title band, 21 on a page of their own
    ASSERT_GE(righe, 8u);
    ASSERT_LE(righe, 27u);
    args = {"report", "cruci"};
    args.insert(args.end(), opzioni.begin(), opzioni.end());
    args.insert(args.end(), {"--tabulato", "--pdf", t.percorso("t.pdf")});
    const auto e = prova::EseguiCli(t.dir(), args);
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(prova::PaginePDF(t.percorso("t.pdf")), 2);
    const std::string ultima = "C." + std::to_string(sviluppo.size()) + " ";
    const std::string pagina2 = Comando("pdftotext -f 2 -l 2 -layout '" + t.percorso("t.pdf") + "' -");
    EXPECT_NE(pagina2.find(ultima), std::string::npos) << pagina2;
}

TEST_F(CliReport, OpzioniSbagliateDellePaginePrevisioni)
{
    struct Caso {
        std::vector<std::string> argomenti;
        int stato;
        std::string messaggio;
    } casi[] = {
        {{"astro"}, 2, "--segno"},
        {{"astro", "--segno", "5"}, 1, "hor007.bmp"}, // the sign's picture is not in the folder
        {{"astro", "--segno", "13"}, 2, "--segno deve essere da 1 a 12"},
        {{"astro", "--segno", "2", "--riga", "5"}, 2, "--riga deve essere da 0 a 4"},
        {{"astro", "--segno", "2", "--capo2", "7"}, 2, "Non puoi inserire il secondo capogioco"},
        {{"metodi"}, 2, "il file del metodo"},
        {{"metodi", t.percorso("manca.mts")}, 1, "manca.mts"},
        {{"cruci"}, 2, "--numeri"},
        {{"cruci", "--numeri", "1,2,3"}, 1, "Numeri insufficienti"},
        {{"cruci", "--numeri", PrimiNumeri(25), "--k", "2"}, 2, "--k"},
        {{"compl90", "--numeri", PrimiNumeri(85)}, 1, "non ci sono almeno 9 numeri disponibili"},
        {{"astro", "--segno", "2", "--colore", "rosso"}, 2, "colore"},
    };
    for (const auto &c : casi) {
        auto args = c.argomenti;
        args.insert(args.begin(), "report");
        args.insert(args.end(), {"--pdf", t.percorso("x.pdf")});
        const auto e = prova::EseguiCli(t.dir(), args);
        EXPECT_EQ(e.stato, c.stato) << c.argomenti[0] << " " << c.messaggio << ": " << e.err;
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        EXPECT_FALSE(std::ifstream(t.percorso("x.pdf")).good()) << c.messaggio;
    }
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
