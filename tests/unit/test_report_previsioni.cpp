// The report forms of '&Astro', 'Metodi', '&Cruci' and the completion window as
// data: texts at their places, pictures kept in their room, listing and pages.
#include "export/ReportAstrolotto.h"
#include "export/ReportCruci.h"
#include "export/ReportMetodi.h"
#include "methods/DatiReport.h"
#include "support/ReportProva.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sestina;
using namespace sestina::esporta;

namespace {

using prova::FiguraDi;
using prova::Pixel;

const Etichetta *Testo(const Banda &b, const std::string &testo)
{
    for (const auto &e : b.etichette)
        if (e.testo == testo)
            return &e;
    return nullptr;
}

const Banda *BandaDi(const Report &r, TipoBanda tipo)
{
    for (const auto &b : r.bande)
        if (b.tipo == tipo)
            return &b;
    return nullptr;
}

// Where a label must be, in mm from the title band's corner.
struct Posto {
    std::string testo;
    double x, y;
};

void ControllaPosti(const Report &r, const std::vector<Posto> &posti)
{
    const Banda &t = r.bande.front();
    for (const Posto &p : posti) {
        const Etichetta *e = Testo(t, p.testo);
        ASSERT_TRUE(e) << r.titolo << ": manca \"" << p.testo << "\"";
        EXPECT_DOUBLE_EQ(e->x, p.x) << p.testo;
        EXPECT_DOUBLE_EQ(e->y, p.y) << p.testo;
    }
}

std::vector<std::string> Pezzi(int n)
{
    std::vector<Colonna> c;
    for (int i = 0; i < n; ++i)
        c.push_back(Colonna({1, 2, 3, 4, 5, static_cast<char>(10 + i % 80)}));
    return metodi::TabulatoSviluppo(c);
}

IntestazioneReport Intestazione()
{
    IntestazioneReport i;
    i.titoloProgramma = "Sestina";
    i.logoProgramma = "/programma/logo_sestina.png";
    i.logoUtente = "/programma/logo_ricevitoria.png";
    i.righeUtente = {"Mario Rossi", "Via Roma 1 - Località Milano", "Ricevitoria Quadrifoglio n.77"};
    return i;
}

DatiReportMetodi Metodo()
{
    DatiReportMetodi d;
    metodi::ParametriMetodo p;
    p.posizioni = "1 2";
    p.operazioni = "+";
    p.tipoCalcolo = 0;
    p.tipoPrev = 1;
    p.nAmbate = 2;
    p.nra = 3;
    p.forma = 4;
    p.nratq = 5;
    p.pLung = 6;
    p.nPrevisioni = 30;
    p.passo = 7;
    p.limVerifica = 12;
    metodi::TestiReportMetodo(d, p, "Somma primo e secondo", "10/3/2011 ");
    d.previsioniGriglia = Pixel(300, 30, "prev");
    d.ritardi = Pixel(500, 400, "rit"); // taller than its room
    d.esiti = Pixel(900, 60, "esiti");  // wider than the page
    d.numeriInGioco = Pixel(261, 181, "gioco");
    d.cruciverba = Pixel(150, 100, "cruci");
    d.tabulato = Pezzi(7);
    return d;
}

DatiReportCruci Cruci(int livello, int k)
{
    DatiReportCruci d;
    metodi::ScelteReportCruci(d, livello, k);
    d.data = "10/12/2026";
    d.casuali = 1;
    d.ultimi = 2;
    d.frequenze = 3;
    d.ritardi = 4;
    d.numeriInGioco = Pixel(261, 181, "gioco");
    d.cruciverba = Pixel(150, 100, "cruci");
    d.tabulato = Pezzi(7);
    return d;
}

} // namespace

TEST(TReportastrolotto, GriglieAlteRestanoSopraLaDidascaliaSeguente)
{
    // grids as tall as a large window shows them
    DatiReportAstrolotto d;
    metodi::TestiReportAstro(d, 1, 0, "4/1/2011 ", "");
    d.numeriInGioco = Pixel(261, 400, "gioco");
    d.previsioni = Pixel(300, 400, "prev");
    d.ritardi = Pixel(300, 400, "rit");
    d.cruciverba = Pixel(200, 900, "cruci");
    d.esiti = Pixel(300, 900, "esiti");
    const Report r = TReportastrolotto(Intestazione(), d);
    const Banda &t = r.bande.front();
    struct Caso {
        const char *figura;
        const char *seguente; // the caption below it
        double proporzione;   // width / height in pixels
    } casi[] = {{"gioco", "Cruciverba", 261.0 / 400}, {"prev", "Ritardi", 300.0 / 400}, {"rit", "Esiti", 300.0 / 400}};
    for (const Caso &c : casi) {
        const Figura *f = FiguraDi(t, c.figura);
        const Etichetta *e = Testo(t, c.seguente);
        ASSERT_TRUE(f && e) << c.figura;
        EXPECT_LE(f->y + f->altezza, e->y) << c.figura;
        EXPECT_NEAR(f->larghezza / f->altezza, c.proporzione, 1e-9) << c.figura;
    }
    // the lowest pictures end above the publisher's line
    for (const char *nome : {"cruci", "esiti"}) {
        const Figura *f = FiguraDi(t, nome);
        ASSERT_TRUE(f);
        EXPECT_LE(f->y + f->altezza, 269.9) << nome;
    }
    EXPECT_EQ(Testo(t, "Conc. n.1 del 4/1/2011 ")->y, 80.7);
}

TEST(TReportastrotabulato, IlSegnoIlConcorsoLeFigureEIlTabulato)
{
    DatiReportAstrolotto d;
    metodi::TestiReportAstro(d, 5, 9, "1/2/2011 ", "/programma/");
    d.numeriInGioco = Pixel(261, 181, "gioco");
    d.cruciverba = Pixel(900, 700, "cruci"); // larger than the room above "Tabulato"
    d.tabulato = Pezzi(7);
    const Report r = TReportastrotabulato(Intestazione(), d);
    EXPECT_EQ(r.titolo, "Tabulato Astrolotto");
    ASSERT_EQ(r.bande.size(), 3u);
    EXPECT_DOUBLE_EQ(r.bande[0].altezza, 163.8);
    ControllaPosti(r, {{"ASTROLOTTO", 57.9, 50.8},
                       {"Leone", 137.1, 51.6},
                       {"SUPERENALOTTO", 5.3, 67.5},
                       {"Conc. n.10 del 1/2/2011 ", 92.3, 71.2},
                       {"Numeri in Gioco", 5.3, 84.7},
                       {"Cruciverba", 92.3, 84.7},
                       {"Tabulato", 66.4, 152.1}});
    // the sign's picture (Leone: hor007.bmp) in the header's right place
    const Figura *segno = FiguraDi(r.bande[0], "/programma/hor007.bmp");
    ASSERT_TRUE(segno);
    EXPECT_DOUBLE_EQ(segno->x, 148.8);
    // the numbers stretched into their box; the crossword at most down to "Tabulato"
    const Figura *gioco = FiguraDi(r.bande[0], "gioco");
    ASSERT_TRUE(gioco);
    EXPECT_DOUBLE_EQ(gioco->x, 11.9);
    EXPECT_DOUBLE_EQ(gioco->y, 98.2);
    EXPECT_DOUBLE_EQ(gioco->larghezza, 52.9);
    EXPECT_DOUBLE_EQ(gioco->altezza, 48.9);
    const Figura *cruci = FiguraDi(r.bande[0], "cruci");
    ASSERT_TRUE(cruci);
    EXPECT_DOUBLE_EQ(cruci->x, 92.3);
    EXPECT_LE(cruci->y + cruci->altezza, 152.1);
    EXPECT_LE(cruci->x + cruci->larghezza, r.larghezzaUtile() + 1e-9);
    EXPECT_NEAR(cruci->larghezza / cruci->altezza, 900.0 / 700.0, 1e-9);
    // seven combinations: two full lines and one with one piece
    const Banda *elenco = BandaDi(r, TipoBanda::Elenco);
    ASSERT_TRUE(elenco);
    ASSERT_EQ(elenco->righe.size(), 3u);
    EXPECT_EQ(elenco->righe[2], "C.7    : 01 02 03 04 05 16    - ");
    EXPECT_TRUE(BandaDi(r, TipoBanda::PiePagina));
}

TEST(TReportmetodi, LeQuattroRigheDelMetodoEIGrigliaNelloSpazioLoro)
{
    const DatiReportMetodi d = Metodo();
    const Report r = TReportmetodi(Intestazione(), d);
    EXPECT_EQ(r.titolo, "Anteprima Metodi");
    ASSERT_EQ(r.bande.size(), 1u);
    EXPECT_DOUBLE_EQ(r.bande[0].altezza, 276.5);
    ControllaPosti(r, {{"Metodo : Somma primo e secondo Superenalotto ", 5.3, 51.1},
                       // the list's trailing blank is not part of the date
                       {"Data 10/3/2011, Analisi di 30 previsioni a passo 7 Limite Verifica 12", 5.3, 64.6},
                       {"Ambate 2 Ruotato 3, Forma Lunghetta 4 Ruotato 5, Esito Lunghetta 6", 5.3, 73.3},
                       {"Posizioni 1 2, Operazioni +, Calcolo STANDARD, Previsione Somma ", 5.3, 80.2},
                       {"Previsioni", 2.4, 94.7},
                       {"Ritardi", 2.4, 116.2},
                       {"Esiti", 2.4, 147.4},
                       {"Numeri in Gioco", 3.7, 180.2},
                       {"Cruciverba", 114.3, 180.2},
                       {RigaEditore, 0, 269.9}});
    const Banda &t = r.bande[0];
    // a picture that fits keeps its own size at screen resolution
    const Figura *prev = FiguraDi(t, "prev");
    ASSERT_TRUE(prev);
    EXPECT_DOUBLE_EQ(prev->x, 34.7);
    EXPECT_DOUBLE_EQ(prev->y, 94.7);
    EXPECT_NEAR(prev->larghezza, 300 * 25.4 / 96, 1e-9);
    // the tall delays grid stops above "Esiti", the wide outcomes grid at the page's edge
    const Figura *rit = FiguraDi(t, "rit");
    ASSERT_TRUE(rit);
    EXPECT_LE(rit->y + rit->altezza, 147.4);
    EXPECT_NEAR(rit->larghezza / rit->altezza, 500.0 / 400.0, 1e-9);
    const Figura *esiti = FiguraDi(t, "esiti");
    ASSERT_TRUE(esiti);
    EXPECT_LE(esiti->x + esiti->larghezza, r.larghezzaUtile() + 1e-9);
    EXPECT_LE(esiti->y + esiti->altezza, 180.2);
    const Figura *gioco = FiguraDi(t, "gioco"), *cruci = FiguraDi(t, "cruci");
    ASSERT_TRUE(gioco && cruci);
    EXPECT_DOUBLE_EQ(gioco->y, 197.1);
    EXPECT_LT(gioco->x + gioco->larghezza, cruci->x);
    EXPECT_DOUBLE_EQ(cruci->x, 114.3);
}

TEST(TReportmetoditabulato, ImpaginaUnoSviluppoLungo)
{
    DatiReportMetodi d = Metodo();
    d.tabulato = Pezzi(60); // 20 lines: 7 under the 184.7 mm title band, 13 on the next page
    const Report r = TReportmetoditabulato(Intestazione(), d);
    EXPECT_EQ(r.titolo, "Tabulato Metodi");
    EXPECT_DOUBLE_EQ(r.bande[0].altezza, 184.7);
    ControllaPosti(r, {{"Metodo : Somma primo e secondo Superenalotto ", 5.6, 51.9},
                       {"Data 10/3/2011, Analisi di 30 previsioni a passo 7 Limite Verifica 12", 5.3, 67.5},
                       {"Ambate 2 Ruotato 3, Forma Lunghetta 4 Ruotato 5, Esito Lunghetta 6", 5.6, 78.1},
                       {"Posizioni 1 2, Operazioni +, Calcolo STANDARD, Previsione Somma ", 5.6, 88.1},
                       {"Numeri in Gioco", 5.3, 97.4},
                       {"Cruciverba", 92.3, 97.4},
                       {"Tabulato", 71.7, 175.2}});
    const Figura *gioco = FiguraDi(r.bande[0], "gioco");
    ASSERT_TRUE(gioco);
    EXPECT_DOUBLE_EQ(gioco->x, 11.9);
    EXPECT_DOUBLE_EQ(gioco->y, 110.9);
    EXPECT_DOUBLE_EQ(gioco->larghezza, 63.5);
    EXPECT_TRUE(gioco->mantieniProporzioni);
    // the right place holds the user's logo: a method has no sign
    EXPECT_TRUE(FiguraDi(r.bande[0], "/programma/logo_ricevitoria.png"));
    const auto pagine = Impagina(r);
    ASSERT_EQ(pagine.size(), 2u);
    auto righe = [](const PaginaReport &p) {
        int n = 0;
        for (const auto &e : p.elementi)
            if (const auto *x = std::get_if<Etichetta>(&e.elemento); x && x->testo.rfind("C.", 0) == 0)
                ++n;
        return n;
    };
    EXPECT_EQ(righe(pagine[0]), 7);
    EXPECT_EQ(righe(pagine[1]), 13);
}

TEST(TReportCruci, LeSceltePaginaELiberoSenzaDimensione)
{
    struct Caso {
        int livello, k;
        std::string riduzione, combinazione;
    } casi[] = {
        {0, 6, "Tipo di riduzione Nessuna", "Numeri in combinazione Libero"}, // whole lines: no size
        {1, 3, "Tipo di riduzione n-1", "Numeri in combinazione Tre"},
        {3, 6, "Tipo di riduzione n-3", "Numeri in combinazione Sei"},
        {2, 0, "Tipo di riduzione n-2", "Numeri in combinazione Libero"}, // no size chosen
    };
    for (const Caso &c : casi) {
        const Report r = TReportCruci(Intestazione(), Cruci(c.livello, c.k));
        EXPECT_EQ(r.titolo, "Anteprima Cruciverba");
        ASSERT_EQ(r.bande.size(), 1u);
        EXPECT_DOUBLE_EQ(r.bande[0].altezza, 276.5);
        ControllaPosti(r, {{"Cruciverba - Concorso : Superenalotto Elaborato il 10/12/2026 ", 5.3, 51.1},
                           {c.riduzione, 5.3, 64.6},
                           {"Casuali 1 Ultimi 2, Frequenze 3 Ritardi 4", 5.3, 73.3},
                           {c.combinazione, 5.3, 80.2},
                           {"Numeri in Gioco", 5.3, 87.0},
                           {"Cruciverba", 116.2, 87.0}});
    }
    const Report r = TReportCruci(Intestazione(), Cruci(0, 0));
    const Figura *gioco = FiguraDi(r.bande[0], "gioco"), *cruci = FiguraDi(r.bande[0], "cruci");
    ASSERT_TRUE(gioco && cruci);
    EXPECT_DOUBLE_EQ(gioco->x, 6.1);
    EXPECT_DOUBLE_EQ(gioco->y, 100.5);
    EXPECT_DOUBLE_EQ(cruci->x, 116.2);
    EXPECT_DOUBLE_EQ(cruci->y, 104.0);
    EXPECT_NEAR(cruci->larghezza, 150 * 25.4 / 96, 1e-9);
}

TEST(TReportcrucitabulato, PostiDelTabulato)
{
    const Report r = TReportcrucitabulato(Intestazione(), Cruci(1, 4));
    EXPECT_EQ(r.titolo, "Tabulato Cruciverba");
    EXPECT_DOUBLE_EQ(r.bande[0].altezza, 184.7);
    ControllaPosti(r, {{"Cruciverba - Concorso : Superenalotto elaborato il 10/12/2026 ", 5.6, 51.9},
                       {"Tipo di riduzione n-1", 5.3, 67.5},
                       {"Casuali 1 Ultimi 2, Frequenze 3 Ritardi 4", 5.6, 78.1},
                       {"Numeri in combinazione Quattro", 5.6, 88.1},
                       {"Numeri in Gioco", 5.3, 97.4},
                       {"Cruciverba", 92.3, 97.4},
                       {"Tabulato", 71.7, 175.2}});
    const Figura *cruci = FiguraDi(r.bande[0], "cruci");
    ASSERT_TRUE(cruci);
    EXPECT_DOUBLE_EQ(cruci->x, 92.3);
    EXPECT_DOUBLE_EQ(cruci->y, 110.9);
    EXPECT_DOUBLE_EQ(cruci->altezza, 63.5);
    ASSERT_TRUE(BandaDi(r, TipoBanda::Elenco));
    EXPECT_EQ(BandaDi(r, TipoBanda::Elenco)->righe.size(), 3u);
}

TEST(TReportcompl90tabulato, IlLogoDelModuloEIValoriDiCruci)
{
    const Report r = TReportcompl90tabulato(Intestazione(), Cruci(0, 3));
    EXPECT_EQ(r.titolo, "Report Completamento 90");
    EXPECT_DOUBLE_EQ(r.bande[0].altezza, 197.4);
    ControllaPosti(r, {{"Cruciverba - Concorso : Superenalotto 10/12/2026 ", 5.6, 51.9},
                       {"Tipo di riduzione Nessuna", 5.3, 67.5},
                       {"Numeri in combinazione Libero", 60.6, 67.5},
                       {"Casuali 1, Ultimi 2, Frequenze, 3 Ritardi 4", 111.4, 67.5},
                       {"Cruciverba", 72.8, 78.1},
                       {"Tabulato", 81.8, 187.9},
                       {"Mario Rossi", 45.0, 24.9}});
    const Banda &t = r.bande[0];
    // no picture file is read for the two logo places: the form's own logo
    int proprie = 0;
    for (const auto &f : t.figure) {
        const auto *s = std::get_if<std::string>(&f.sorgente);
        EXPECT_TRUE(!s || s->empty() || *s == "cruci") << (s ? *s : "");
        proprie += s && s->empty();
    }
    EXPECT_EQ(proprie, 2);
    const Figura *cruci = FiguraDi(t, "cruci");
    ASSERT_TRUE(cruci);
    EXPECT_DOUBLE_EQ(cruci->x, 47.1);
    EXPECT_DOUBLE_EQ(cruci->y, 91.5);
    EXPECT_DOUBLE_EQ(cruci->larghezza, 95.2);
    EXPECT_DOUBLE_EQ(cruci->altezza, 95.2);
    EXPECT_TRUE(cruci->mantieniProporzioni);
}

TEST(BandaTabulato, RigheLungheUsanoUnCarattereMinoreSenzaUscireDallaBanda)
{
    // three pieces of six numbers keep the 11-pixel font
    const Banda corta = BandaTabulato(Pezzi(7));
    EXPECT_EQ(corta.fontRighe.pixel, 11);
    EXPECT_DOUBLE_EQ(corta.altezza, 12.7);
    // whole lines of a 19 x 5 completion: 19 numbers a piece
    std::vector<Colonna> lunghe(3, Colonna());
    for (Colonna &c : lunghe)
        for (int n = 1; n <= 19; ++n)
            c.push_back(static_cast<char>(n));
    const Banda b = BandaTabulato(metodi::TabulatoSviluppo(lunghe));
    ASSERT_EQ(b.righe.size(), 1u);
    EXPECT_EQ(b.righe[0].size(), 3u * (2 + 5 + 2 + 57 + 3));
    EXPECT_LT(b.fontRighe.pixel, 11);
    EXPECT_GE(b.fontRighe.pixel, 5);
    const double larghezzaMm =
        static_cast<double>(b.righe[0].size()) * LarghezzaCarattereMono * b.fontRighe.pixel * MmPerPixel;
    EXPECT_LE(larghezzaMm, 190.0);
}
