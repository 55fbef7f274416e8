#include "export/ReportAstrolotto.h"
#include "support/ReportProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::esporta;

namespace {

using prova::Pixel;

const Figura *Trova(const Report &r, const std::string &nome)
{
    return prova::FiguraDi(r.bande.front(), nome);
}

} // namespace

TEST(TReportastrolotto, GriglieAllaLoroMisuraSenzaSovrapporsi)
{
    DatiReportAstrolotto d;
    d.segno = "Leone";
    d.periodo = "23 Luglio - 22 Agosto";
    d.figuraSegno = "hor005.bmp";
    d.concorso = "Conc. n.10 del 1/2/2011 ";
    d.numeriInGioco = Pixel(600, 200, "gioco"); // wider than its column
    d.cruciverba = Pixel(100, 80, "cruci");     // fits: kept at its own size
    d.previsioni = Pixel(300, 100, "prev");
    d.ritardi = Pixel(300, 60, "rit");
    d.esiti = Pixel(900, 60, "esiti");
    const Report r = TReportastrolotto({}, d);
    ASSERT_EQ(r.bande.size(), 1u);
    EXPECT_DOUBLE_EQ(r.bande.front().altezza, 276.5);
    const Figura *gioco = Trova(r, "gioco"), *cruci = Trova(r, "cruci"), *prev = Trova(r, "prev"),
                 *esiti = Trova(r, "esiti");
    ASSERT_TRUE(gioco && cruci && prev && esiti);
    EXPECT_DOUBLE_EQ(gioco->x, 11.9);
    EXPECT_DOUBLE_EQ(gioco->y, 107.2);
    EXPECT_LT(gioco->x + gioco->larghezza, prev->x);
    EXPECT_NEAR(gioco->altezza / gioco->larghezza, 200.0 / 600.0, 1e-9); // narrowed, proportions kept
    EXPECT_NEAR(cruci->larghezza, 100 * MmPerPixel, 1e-9);
    EXPECT_NEAR(prev->larghezza, 300 * MmPerPixel, 1e-9);
    EXPECT_LE(esiti->x + esiti->larghezza, r.larghezzaUtile() + 1e-9);
    bool titolo = false, segno = false;
    for (const auto &e : r.bande.front().etichette) {
        titolo = titolo || (e.testo == "ASTROLOTTO" && e.x == 57.9 && e.y == 50.8);
        segno = segno || (e.testo == "Leone" && e.x == 137.1);
    }
    EXPECT_TRUE(titolo);
    EXPECT_TRUE(segno);
}
