// An exported page opened by a real browser (Debian's chromium, headless): the
// shipped templates and style sheet must paint the table with its colours.
#include "export/PagineHTML.h"
#include "support/ArchivioProva.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace sestina;

namespace {

int Conta(const QImage &img, QRgb colore)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == (colore & 0xFFFFFF))
                ++n;
    return n;
}

} // namespace

TEST(PaginaNelBrowser, TabellaConIColoriDelleClassi)
{
    ASSERT_EQ(std::system("command -v chromium >/dev/null 2>&1"), 0)
        << "chromium manca: scripts/installa-dipendenze.sh lo installa";
    prova::CartellaTemporanea t;
    const std::string dati = std::string(SESTINA_SOURCE_DIR) + "/data/";
    for (const char *f : {"testahtml.slt", "codahtml.slt", "sestina.css"})
        std::filesystem::copy_file(dati + f, t.percorso(f));

    Griglia g(6, 4);
    for (int c = 0; c < 4; ++c)
        g.ImpostaTesto(0, c, "Col " + std::to_string(c));
    for (int r = 1; r < 6; ++r)
        for (int c = 0; c < 4; ++c)
            g.ImpostaTesto(r, c, std::to_string(r * 10 + c));
    g.cella(1, 1).sfondo = Colore{0, 255, 0};   // c_2
    g.cella(2, 2).sfondo = Colore{255, 255, 0}; // c_1
    g.cella(3, 3).sfondo = Colore{0, 255, 255}; // c_3
    g.ImpostaTesto(4, 0, "<b style=\"background:#ff00ff\">x</b> & y");
    const auto m = esporta::CaricaModelliHTML(t.dir(), true);
    esporta::SalvaPaginaHTML(esporta::PaginaHTML(m, "Prova", "due", "tre", "quattro", g), t.percorso("p.html"));

    const std::string comando =
        "cd '" + t.dir() + "' && chromium --headless --no-sandbox --disable-gpu --disable-background-networking "
        "--disable-component-update --disable-sync --no-first-run --user-data-dir='" + t.percorso("profilo") +
        "' --window-size=900,600 --screenshot='" + t.percorso("schermo.png") + "' 'file://" + t.percorso("p.html") +
        "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(comando.c_str()), 0);
    QImage img(QString::fromStdString(t.percorso("schermo.png")));
    ASSERT_FALSE(img.isNull());
    // Each class cell is a filled box of its colour, not just a thin line.
    EXPECT_GT(Conta(img, qRgb(0, 255, 0)), 300);
    EXPECT_GT(Conta(img, qRgb(255, 255, 0)), 300);
    EXPECT_GT(Conta(img, qRgb(0, 255, 255)), 300);
    // The header row of the style sheet.
    EXPECT_GT(Conta(img, qRgb(0x1f, 0x5f, 0xa8)), 2000);
    // A cell text is shown as text: its markup paints nothing.
    EXPECT_EQ(Conta(img, qRgb(255, 0, 255)), 0);
}
