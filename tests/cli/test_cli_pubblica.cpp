// pubblica: the exports of "Datipvt.DAT" for a scheduled job.
#include "app/FileAtomico.h"
#include "support/ArchivioProva.h"
#include "support/CartellaProgramma.h"
#include "support/CliProva.h"
#include "support/ComandoProva.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace sestina;
namespace fs = std::filesystem;

namespace {

class CliPubblica : public ::testing::Test {
protected:
    void SetUp() override
    {
        prova::PreparaCartellaProgramma(t.dir(), prova::EstrazioniCasuali(3, 60));
        const std::string dati = std::string(SESTINA_SOURCE_DIR) + "/data/";
        for (const char *f : {"testahtml.slt", "codahtml.slt"})
            fs::copy_file(dati + f, t.percorso(f));
        for (const auto &e : fs::directory_iterator(dati + "segni"))
            if (e.path().extension() == ".bmp")
                fs::copy_file(e.path(), t.percorso(e.path().filename().string()));
    }
    // HTML switches then PDF switches, as the panel saves them.
    void Dati(const std::string &html, const std::string &pdf, const std::string &cartellaHTML = "")
    {
        std::string s = t.percorso("pdf") + "\r\n" + (cartellaHTML.empty() ? t.percorso("html") : cartellaHTML) +
                        "\r\nSuperenalotto.html\r\n\r\n";
        for (char c : html + pdf)
            s += std::string(1, c) + "\r\n";
        prova::ScriviByte(t.percorso("Datipvt.DAT"), s);
    }
    prova::CartellaTemporanea t;
};

} // namespace

TEST_F(CliPubblica, PDFScelteEOpuscoloConLaSommaDellePagine)
{
    Dati("0000000", "100110"); // Estrazione, In Calore, Astrolotto
    const auto e = prova::EseguiCli(t.dir(), {"pubblica", "--pdf", "--opuscolo"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_NE(e.out.find("PDF: 37 file"), std::string::npos) << e.out;
    EXPECT_FALSE(fs::exists(t.percorso("html")));
    int somma = 0, file = 0;
    for (const auto &p : fs::directory_iterator(t.percorso("pdf")))
        if (p.path().filename() != "opuscolo.pdf") {
            somma += prova::PaginePDF(p.path().string());
            ++file;
        }
    EXPECT_EQ(file, 37);
    EXPECT_EQ(prova::PaginePDF(t.percorso("pdf/opuscolo.pdf")), somma);
    EXPECT_NE(e.out.find("Opuscolo creato! (" + std::to_string(somma) + " pagine)"), std::string::npos) << e.out;
    EXPECT_TRUE(EsisteFile(t.percorso("pdf/lastastrosuperenalotto_Pesci.pdf")));
    EXPECT_TRUE(EsisteFile(t.percorso("pdf/lastincaloreAmbi_Superenalotto.pdf")));
}

TEST_F(CliPubblica, HTMLConGliAnniScelti)
{
    Dati("0001000", "000000");
    const auto e = prova::EseguiCli(t.dir(), {"pubblica", "--html", "--anni", "2000", "--testa-e-coda"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_TRUE(EsisteFile(t.percorso("html/NumeriIncalore_Superenalotto.html")));
    const std::string anno = prova::LeggiByte(t.percorso("html/superenalotto-2000.html"));
    EXPECT_NE(anno.find("<title>ESTRAZIONI SUPERENALOTTO ANNO 2000 </title>\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(t.percorso("pdf")));
}

TEST_F(CliPubblica, CartellaImpossibileDaStatoUnoENomeDellaCartella)
{
    prova::ScriviByte(t.percorso("occupato"), "x");
    Dati("1000000", "000000", t.percorso("occupato/html"));
    const auto e = prova::EseguiCli(t.dir(), {"pubblica", "--html"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("occupato/html"), std::string::npos) << e.err;
    EXPECT_EQ(e.out.find("pagine"), std::string::npos);
}

TEST_F(CliPubblica, AnniNonValidi)
{
    Dati("0000001", "000000");
    const auto e = prova::EseguiCli(t.dir(), {"pubblica", "--html", "--anni", "duemila"});
    EXPECT_NE(e.stato, 0);
    EXPECT_FALSE(e.err.empty());
}
