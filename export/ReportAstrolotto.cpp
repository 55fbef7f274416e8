#include "export/ReportAstrolotto.h"

namespace sestina::esporta {
namespace {

Etichetta Testo(double x, double y, const std::string &t, int pixel, Colore c, bool corsivo = false)
{
    Etichetta e;
    e.x = x;
    e.y = y;
    e.testo = t;
    e.font.pixel = pixel;
    e.font.grassetto = true;
    e.font.corsivo = corsivo;
    e.colore = c;
    return e;
}

// The grid at its own size, narrowed to its column of the page so that the
// pictures side by side never overlap.
Figura Immagine(double x, double y, const FiguraPixel &f, double larghezzaMassima)
{
    Figura g;
    g.x = x;
    g.y = y;
    g.larghezza = f.larghezza * MmPerPixel;
    g.altezza = f.altezza * MmPerPixel;
    if (g.larghezza > larghezzaMassima && g.larghezza > 0) {
        g.altezza *= larghezzaMassima / g.larghezza;
        g.larghezza = larghezzaMassima;
    }
    g.sorgente = f.sorgente;
    return g;
}

} // namespace

Report TReportastrolotto(const IntestazioneReport &intestazione, const DatiReportAstrolotto &d)
{
    using namespace colori_report;
    Report r;
    r.titolo = "Anteprima Astrolotto";
    Banda t = IntestazioneComune(intestazione, d.figuraSegno, 276.5);
    t.etichette.push_back(Testo(57.9, 50.8, "ASTROLOTTO", 35, Blu));
    t.etichette.push_back(Testo(137.1, 51.6, d.segno, 35, Rosso));
    Etichetta periodo = Testo(117.8, 64.8, d.periodo, 19, Rosso, true);
    periodo.larghezza = 40.0;
    periodo.allineamento = Allineamento::Centro;
    t.etichette.push_back(periodo);
    t.etichette.push_back(Testo(5.3, 67.5, "SUPERENALOTTO", 27, Verde));
    t.etichette.push_back(Testo(5.3, 80.7, d.concorso, 16, Porpora));
    t.etichette.push_back(Testo(10.6, 95.2, "Numeri in Gioco", 35, Rosso));
    t.figure.push_back(Immagine(11.9, 107.2, d.numeriInGioco, 84.7 - 11.9 - 2.0));
    t.etichette.push_back(Testo(91.3, 95.2, "Previsioni", 35, Rosso));
    t.figure.push_back(Immagine(84.7, 108.5, d.previsioni, 190.0 - 84.7));
    t.etichette.push_back(Testo(91.3, 147.6, "Ritardi", 35, Rosso));
    t.figure.push_back(Immagine(84.7, 161.0, d.ritardi, 190.0 - 84.7));
    t.etichette.push_back(Testo(11.1, 157.4, "Cruciverba", 35, Rosso));
    t.figure.push_back(Immagine(10.6, 175.9, d.cruciverba, 84.7 - 10.6 - 2.0));
    t.etichette.push_back(Testo(91.3, 191.3, "Esiti", 35, Rosso));
    t.figure.push_back(Immagine(84.7, 207.7, d.esiti, 190.0 - 84.7));
    t.etichette.push_back(Testo(0, 269.9, RigaEditore, 16, Rosso));
    r.bande.push_back(std::move(t));
    return r;
}

} // namespace sestina::esporta
