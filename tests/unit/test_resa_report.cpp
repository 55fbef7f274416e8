// The render library: JPEG files, the report painter on pictures and PDF files.
#include "app/Errore.h"
#include "export/ModuliReport.h"
#include "export/render/Jpeg.h"
#include "export/render/PittoreReport.h"
#include "support/AmbienteGui.h"
#include "support/ArchivioProva.h"
#include "support/ComandoProva.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

#include <jpeglib.h>

using namespace sestina;
using namespace sestina::esporta;

namespace {

const auto *const g_ambiente = ::testing::AddGlobalTestEnvironment(new prova::AmbienteGui("test_resa_report"));

struct LettoJPEG {
    int larghezza = 0, altezza = 0;
    int primaQuantizzazione = 0; // first entry of the luminance table
    int massimaQuantizzazione = 0;
    int campionamentoCroma = 0; // h sampling factor of the first component
    QImage immagine;
};

// Decodes with libjpeg itself, reading the quantisation the file carries.
LettoJPEG LeggiJPEG(const std::string &byte)
{
    jpeg_decompress_struct c;
    jpeg_error_mgr e;
    c.err = jpeg_std_error(&e);
    jpeg_create_decompress(&c);
    jpeg_mem_src(&c, reinterpret_cast<const unsigned char *>(byte.data()), byte.size());
    jpeg_read_header(&c, TRUE);
    LettoJPEG l;
    l.larghezza = static_cast<int>(c.image_width);
    l.altezza = static_cast<int>(c.image_height);
    l.primaQuantizzazione = c.quant_tbl_ptrs[0]->quantval[0];
    for (int k = 0; k < DCTSIZE2; ++k)
        l.massimaQuantizzazione = std::max<int>(l.massimaQuantizzazione, c.quant_tbl_ptrs[0]->quantval[k]);
    l.campionamentoCroma = c.comp_info[0].h_samp_factor;
    c.out_color_space = JCS_RGB;
    jpeg_start_decompress(&c);
    l.immagine = QImage(l.larghezza, l.altezza, QImage::Format_RGB888);
    while (c.output_scanline < c.output_height) {
        JSAMPROW riga = l.immagine.scanLine(static_cast<int>(c.output_scanline));
        jpeg_read_scanlines(&c, &riga, 1);
    }
    jpeg_finish_decompress(&c);
    jpeg_destroy_decompress(&c);
    return l;
}

using prova::PaginePDF;

Griglia GrigliaProva()
{
    Griglia g(3, 3);
    g.ImpostaTesto(0, 0, "Numero");
    g.ImpostaTesto(0, 1, "Frequenza");
    g.ImpostaTesto(0, 2, "Ritardo");
    g.ImpostaTesto(1, 0, "17");
    g.ImpostaTesto(1, 1, "243");
    g.ImpostaTesto(2, 0, "88");
    g.cella(1, 2).sfondo = colori::Giallo;
    return g;
}

IntestazioneReport Intestazione(const std::string &dir)
{
    DatiUtente u;
    u.campi = {"Mario", "Rossi", "Quadrifoglio", "77", "Roma 1", "Milano"};
    u.indiceImmagine = 1;
    return IntestazioneDaUtente(u, TExStringList{"logo_sestina.png", "logo_ricevitoria.png"}, dir);
}

const std::string DirDati = std::string(SESTINA_SOURCE_DIR) + "/data/";

} // namespace

TEST(JPEG, QualitaCentoSenzaSottocampionamentoENovantaPerLeFinestre)
{
    QImage i(123, 45, QImage::Format_RGB32);
    i.fill(QColor(200, 30, 40));
    const LettoJPEG cento = LeggiJPEG(resa::CodificaJPEG(i, resa::QualitaGriglia));
    EXPECT_EQ(cento.larghezza, 123);
    EXPECT_EQ(cento.altezza, 45);
    // libjpeg's quality scaling: 100 gives every quantiser 1, 90 gives 16 * 20 / 100 -> 3.
    EXPECT_EQ(cento.massimaQuantizzazione, 1);
    EXPECT_EQ(cento.campionamentoCroma, 1);
    const QColor c = cento.immagine.pixelColor(60, 20);
    EXPECT_NEAR(c.red(), 200, 3);
    EXPECT_NEAR(c.green(), 30, 3);
    EXPECT_NEAR(c.blue(), 40, 3);
    const LettoJPEG novanta = LeggiJPEG(resa::CodificaJPEG(i, resa::QualitaFinestra));
    EXPECT_EQ(novanta.primaQuantizzazione, 3);
    EXPECT_EQ(novanta.larghezza, 123);
}

TEST(JPEG, GliErroriDiLibjpegDiventanoErrore)
{
    // Wider than JPEG allows: libjpeg's own handler would end the process.
    QImage largo(70000, 1, QImage::Format_RGB32);
    largo.fill(Qt::white);
    EXPECT_THROW(resa::CodificaJPEG(largo, 100), Errore);
    EXPECT_THROW(resa::CodificaJPEG(QImage(), 100), Errore);
    // and the encoder still works afterwards
    QImage piccolo(8, 8, QImage::Format_RGB32);
    piccolo.fill(Qt::black);
    EXPECT_EQ(LeggiJPEG(resa::CodificaJPEG(piccolo, 100)).larghezza, 8);
}

TEST(JPEG, IlFileVieneScrittoInteroOppureNiente)
{
    prova::CartellaTemporanea d;
    QImage i(10, 10, QImage::Format_RGB32);
    i.fill(Qt::blue);
    resa::SalvaJPEG(i, 100, d.percorso("g.jpg"));
    EXPECT_EQ(LeggiJPEG(prova::LeggiByte(d.percorso("g.jpg"))).larghezza, 10);
    EXPECT_THROW(resa::SalvaJPEG(i, 100, d.percorso("manca/g.jpg")), Errore);
}

TEST(Pittore, IlRiquadroDellIntestazioneCadeAlPostoGiusto)
{
    Report r = Tmyreport(Intestazione(DirDati), FiguraDaGriglia(GrigliaProva()), "Didascalia", "uno", "due");
    resa::CaricaFigure(r);
    // 254 dpi: ten pixels per millimetre. The box is at 42.3, 16.9 of the title band,
    // whose corner is the 10 mm margin: 52.3, 26.9 mm on the paper, 106.4 mm wide.
    const QImage p = resa::ImmaginePagina(r, 0, 254);
    EXPECT_EQ(p.width(), 2100);
    EXPECT_EQ(p.height(), 2970);
    auto scuro = [&](int x, int y) { return qGray(p.pixel(x, y)) < 128; };
    EXPECT_TRUE(scuro(800, 269));
    EXPECT_TRUE(scuro(523, 300));
    EXPECT_TRUE(scuro(523 + 1064, 300));
    EXPECT_FALSE(scuro(800, 280));
    EXPECT_FALSE(scuro(800, 264));
    // the yellow cell of the grid is painted somewhere on the page
    bool giallo = false;
    for (int y = 900; y < 1600 && !giallo; y += 2)
        for (int x = 0; x < 2100 && !giallo; x += 2)
            giallo = p.pixelColor(x, y) == QColor(255, 255, 0);
    EXPECT_TRUE(giallo);
}

TEST(Pittore, UnaGrigliaInUnRiquadroTieneLeSueProporzioni)
{
    // a strip of four yellow cells, 201 x 21 pixels, fitted into a 100 x 100 mm box
    Griglia g(1, 4);
    g.righeFisse = 0;
    for (int c = 0; c < 4; ++c) {
        g.cella(0, c).sfondo = colori::Giallo;
        g.ImpostaLarghezza(c, 50);
    }
    Report r;
    Banda d;
    d.tipo = TipoBanda::Dettaglio;
    d.altezza = 120;
    d.figure.push_back(Immagine(10, 10, 100, 100, g, true));
    r.bande = {d};
    // 254 dpi: the box runs from 200 to 1200 pixels both ways
    const QImage p = resa::ImmaginePagina(r, 0, 254);
    int alto = p.height(), basso = -1, sinistra = p.width(), destra = -1;
    for (int y = 150; y < 1250; ++y)
        for (int x = 150; x < 1250; ++x)
            if (p.pixelColor(x, y) == QColor(255, 255, 0)) {
                alto = std::min(alto, y);
                basso = std::max(basso, y);
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
            }
    ASSERT_GE(basso, 0);
    // the whole width, 100 * 21 / 201 = 10.4 mm high, centred on the box's middle
    // (700); the cells' lines take a few pixels off the yellow
    EXPECT_NEAR(sinistra, 200, 10);
    EXPECT_NEAR(destra, 1200, 10);
    EXPECT_NEAR(basso - alto, 104, 10);
    EXPECT_NEAR((alto + basso) / 2.0, 700, 5);
}

TEST(Pittore, UnLogoMancanteFermaPrimaDellaStampa)
{
    Report r = Tmyreport(Intestazione("/non/esiste/"), FiguraDaGriglia(GrigliaProva()), "", "", "");
    try {
        resa::CaricaFigure(r);
        FAIL() << "nessun errore";
    } catch (const Errore &e) {
        EXPECT_EQ(e.file(), "/non/esiste/logo_sestina.png");
    }
}

TEST(Pittore, IlPDFPortaLeDidascalieEIlTabulatoVaSuPiuPagine)
{
    prova::CartellaTemporanea d;
    Report r = Tmyreport(Intestazione(DirDati), FiguraDaGriglia(GrigliaProva()), "Tabella Statistiche Numeri",
                         "Inizio Ricerca: 1/3/2011 ", "Fine Ricerca: 10/3/2011 ");
    resa::CaricaFigure(r);
    resa::EsportaPDF(r, d.percorso("uno.pdf"));
    EXPECT_EQ(PaginePDF(d.percorso("uno.pdf")), 1);
    const std::string testo = prova::Comando("pdftotext -layout '" + d.percorso("uno.pdf") + "' -");
    for (const char *atteso :
         {"Tabella Statistiche Numeri", "Inizio Ricerca: 1/3/2011", "Fine Ricerca: 10/3/2011", "Mario Rossi",
          "Via Roma 1 - Località Milano", "Ricevitoria Quadrifoglio n.77", "Frequenza", "243", RigaEditore})
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso << "\n" << testo;

    // 60 listing lines of 12.7 mm after a 50 mm title band: 17 + 21 + 21 + 1.
    Banda elenco;
    elenco.tipo = TipoBanda::Elenco;
    elenco.altezza = 12.7;
    for (int k = 1; k <= 60; ++k)
        elenco.righe.push_back("C." + std::to_string(k));
    Report lungo;
    Banda titolo;
    titolo.tipo = TipoBanda::Titolo;
    titolo.altezza = 50;
    lungo.bande = {titolo, elenco};
    resa::EsportaPDF(lungo, d.percorso("lungo.pdf"));
    EXPECT_EQ(PaginePDF(d.percorso("lungo.pdf")), 4);
    const std::string t2 = prova::Comando("pdftotext -f 4 -l 4 '" + d.percorso("lungo.pdf") + "' -");
    EXPECT_NE(t2.find("C.60"), std::string::npos);
    EXPECT_EQ(t2.find("C.59"), std::string::npos);
}

TEST(Pittore, UnPDFNonScrivibileNonLasciaFile)
{
    prova::CartellaTemporanea d;
    Report r;
    EXPECT_THROW(resa::EsportaPDF(r, d.percorso("manca/x.pdf")), Errore);
}
