// stampa-schedine: slips on the form, one PDF page each, with the saved calibration.
#include "slips/StampaSchedine.h"
#include "support/ArchivioProva.h"
#include "support/CliProva.h"
#include "support/ComandoProva.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

using namespace sestina;

namespace {

using prova::Comando;

class CliStampaSchedine : public ::testing::Test {
protected:
    void SetUp() override
    {
        prova::ScriviArchivio(t.dir(), prova::EstrazioniCasuali(3, 10));
        // two slips: (1 90 | 5) and (17 | -)
        prova::ScriviByte(t.percorso("mie.csv"), "1;90;\r\n5;\r\n17;\r\n");
    }
    int Pagine(const std::string &pdf) { return prova::PaginePDF(t.percorso(pdf)); }
    prova::CartellaTemporanea t;
};

} // namespace

TEST_F(CliStampaSchedine, SenzaTaraturaNonStampa)
{
    auto e =
        prova::EseguiCli(t.dir(), {"stampa-schedine", "--pdf", t.percorso("s.pdf"), "--file", t.percorso("mie.csv")});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("Devi effettuare la taratura"), std::string::npos) << e.err;
    EXPECT_FALSE(std::ifstream(t.percorso("s.pdf")).good());
}

TEST_F(CliStampaSchedine, DueSchedineDuePagineECaselleAlPosto)
{
    schedine::SalvaTaratura(t.dir(), schedine::ValoriTaratura{});
    auto e =
        prova::EseguiCli(t.dir(), {"stampa-schedine", "--pdf", t.percorso("s.pdf"), "--file", t.percorso("mie.csv")});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(Pagine("s.pdf"), 2);
    // At 600 dpi the default calibration gives ratio 6: panel A number 1 fills
    // x 1500..1548, y 486..558; number 90 sits at line 7, position 14.
    // only the top-left corner, where the panels are: a whole page would be 140 MB
    Comando("pdftoppm -r 600 -f 1 -l 1 -x 0 -y 0 -W 1800 -H 2200 -png '" + t.percorso("s.pdf") + "' '" +
            t.percorso("p") + "'");
    QImage p(QString::fromStdString(t.percorso("p-1.png")));
    ASSERT_FALSE(p.isNull());
    auto nero = [&](int x, int y) { return qGray(p.pixel(x, y)) < 64; };
    EXPECT_TRUE(nero(1502, 488));
    EXPECT_TRUE(nero(1546, 556));
    EXPECT_FALSE(nero(1495, 520));
    EXPECT_FALSE(nero(1524, 565));
    EXPECT_TRUE(nero(60 + 7 * 120 + 24, 486 + 14 * 108 + 36));
    // panel B number 5: line 5, position 4
    EXPECT_TRUE(nero(60 + 5 * 120 + 24, 486 + 4 * 108 + 36));
    // nothing on panel A number 2
    EXPECT_FALSE(nero(60 + 12 * 120 + 24, 486 + 108 + 36));
    const std::string testo = Comando("pdftotext '" + t.percorso("s.pdf") + "' -");
    EXPECT_NE(testo.find("schedina.1"), std::string::npos);
    EXPECT_NE(testo.find("schedina.2"), std::string::npos);
}

TEST_F(CliStampaSchedine, SelezioneEAttiva)
{
    schedine::SalvaTaratura(t.dir(), schedine::ValoriTaratura{});
    auto e = prova::EseguiCli(t.dir(), {"stampa-schedine", "--pdf", t.percorso("s.pdf"), "--file",
                                        t.percorso("mie.csv"), "--da", "2", "--a", "2"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(Pagine("s.pdf"), 1);
    const std::string testo = Comando("pdftotext '" + t.percorso("s.pdf") + "' -");
    EXPECT_NE(testo.find("schedina.2"), std::string::npos);
    EXPECT_EQ(testo.find("schedina.1"), std::string::npos);
    e = prova::EseguiCli(
        t.dir(), {"stampa-schedine", "--pdf", t.percorso("a.pdf"), "--file", t.percorso("mie.csv"), "--attiva"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(Pagine("a.pdf"), 1);
    e = prova::EseguiCli(t.dir(), {"stampa-schedine", "--pdf", t.percorso("x.pdf"), "--file", t.percorso("mie.csv"),
                                   "--da", "2", "--a", "3"});
    EXPECT_EQ(e.stato, 2) << e.err;
}

TEST_F(CliStampaSchedine, ErroriChiari)
{
    prova::ScriviByte(t.percorso("Taraturase.DAT"), "12\r\n8\r\n");
    auto e =
        prova::EseguiCli(t.dir(), {"stampa-schedine", "--pdf", t.percorso("s.pdf"), "--file", t.percorso("mie.csv")});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("Taraturase.DAT"), std::string::npos) << e.err;
    schedine::SalvaTaratura(t.dir(), schedine::ValoriTaratura{});
    // no "sviluppo" and no file: nothing to print
    e = prova::EseguiCli(t.dir(), {"stampa-schedine", "--pdf", t.percorso("s.pdf")});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("Non ci sono colonne da stampare"), std::string::npos) << e.err;
    EXPECT_FALSE(std::ifstream(t.percorso("s.pdf")).good());
}
