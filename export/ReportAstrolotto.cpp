#include "export/ReportAstrolotto.h"

namespace sestina::esporta {
namespace {

using namespace colori_report;

Etichetta Grassetto(double x, double y, const std::string &t, int pixel, Colore c, bool corsivo = false)
{
    return Testo(x, y, t, Font(pixel, true, corsivo), c);
}

// The sign and the game, shared by the report and the listing.
Banda Testata(const IntestazioneReport &intestazione, const DatiReportAstrolotto &d, double altezza)
{
    Banda t = IntestazioneComune(intestazione, d.figuraSegno, altezza);
    t.etichette.push_back(Grassetto(57.9, 50.8, "ASTROLOTTO", 35, Blu));
    t.etichette.push_back(Grassetto(137.1, 51.6, d.segno, 35, Rosso));
    // Centred on 137.8 mm.
    Etichetta periodo = Grassetto(117.8, 64.8, d.periodo, 19, Rosso, true);
    periodo.larghezza = 40.0;
    periodo.allineamento = Allineamento::Centro;
    t.etichette.push_back(periodo);
    t.etichette.push_back(Grassetto(5.3, 67.5, "SUPERENALOTTO", 27, Verde));
    return t;
}

} // namespace

Report TReportastrolotto(const IntestazioneReport &intestazione, const DatiReportAstrolotto &d)
{
    Report r;
    r.titolo = "Anteprima Astrolotto";
    Banda t = Testata(intestazione, d, 276.5);
    t.etichette.push_back(Grassetto(5.3, 80.7, d.concorso, 16, Porpora));
    t.etichette.push_back(Grassetto(10.6, 95.2, "Numeri in Gioco", 35, Rosso));
    // Each grid at its own size, shrunk to its column and to the room above the
    // next caption so that no picture runs into another.
    t.figure.push_back(ImmagineInRiquadro(11.9, 107.2, d.numeriInGioco, 84.7 - 11.9 - 2.0, 157.4 - 107.2 - 1.0));
    t.etichette.push_back(Grassetto(91.3, 95.2, "Previsioni", 35, Rosso));
    t.figure.push_back(ImmagineInRiquadro(84.7, 108.5, d.previsioni, 190.0 - 84.7, 147.6 - 108.5 - 1.0));
    t.etichette.push_back(Grassetto(91.3, 147.6, "Ritardi", 35, Rosso));
    t.figure.push_back(ImmagineInRiquadro(84.7, 161.0, d.ritardi, 190.0 - 84.7, 191.3 - 161.0 - 1.0));
    t.etichette.push_back(Grassetto(11.1, 157.4, "Cruciverba", 35, Rosso));
    t.figure.push_back(ImmagineInRiquadro(10.6, 175.9, d.cruciverba, 84.7 - 10.6 - 2.0, 269.9 - 175.9 - 1.0));
    t.etichette.push_back(Grassetto(91.3, 191.3, "Esiti", 35, Rosso));
    t.figure.push_back(ImmagineInRiquadro(84.7, 207.7, d.esiti, 190.0 - 84.7, 269.9 - 207.7 - 1.0));
    t.etichette.push_back(EditoreInFondo());
    r.bande.push_back(std::move(t));
    return r;
}

Report TReportastrotabulato(const IntestazioneReport &intestazione, const DatiReportAstrolotto &d)
{
    Report r;
    r.titolo = "Tabulato Astrolotto";
    Banda t = Testata(intestazione, d, 163.8);
    t.etichette.push_back(Grassetto(92.3, 71.2, d.concorso, 16, Porpora));
    t.etichette.push_back(Grassetto(5.3, 84.7, "Numeri in Gioco", 35, Rosso));
    t.figure.push_back(Immagine(11.9, 98.2, 52.9, 48.9, d.numeriInGioco.sorgente));
    t.etichette.push_back(Grassetto(92.3, 84.7, "Cruciverba", 35, Rosso));
    // Its own size, kept above "Tabulato".
    t.figure.push_back(ImmagineInRiquadro(92.3, 98.2, d.cruciverba, 190.0 - 92.3, 152.1 - 98.2 - 1.0));
    ChiudiTabulato(r, std::move(t), 66.4, 152.1, d.tabulato);
    return r;
}

} // namespace sestina::esporta
