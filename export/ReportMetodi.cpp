#include "export/ReportMetodi.h"

#include "app/Edizione.h"
#include "app/Testo.h"

namespace sestina::esporta {
namespace {

using namespace colori_report;

// Room of the pictures of the full-page form: each stays above the next caption.
constexpr double DestraPagina = 190.0;
constexpr double Editore = 269.9;

} // namespace

std::string RigaMetodo(const DatiReportMetodi &d)
{
    return "Metodo : " + d.nome + " " + NomiRuote[IndiceRuotaConsulta] + " ";
}

std::string RigaAnalisiMetodo(const DatiReportMetodi &d)
{
    return Formato("Data %s, Analisi di %d previsioni a passo %d Limite Verifica %d", d.data.c_str(), d.previsioni,
                   d.passo, d.limiteVerifica);
}

std::string RigaImportiMetodo(const DatiReportMetodi &d)
{
    return Formato("Ambate %d Ruotato %d, Forma Lunghetta %d Ruotato %d, Esito Lunghetta %d", d.ambate, d.nra, d.forma,
                   d.nratq, d.esitoLunghetta);
}

std::string RigaRicettaMetodo(const DatiReportMetodi &d)
{
    return Formato("Posizioni %s, Operazioni %s, Calcolo %s, Previsione %s ", d.posizioni.c_str(), d.operazioni.c_str(),
                   d.calcolo.c_str(), d.previsione.c_str());
}

Report TReportmetodi(const IntestazioneReport &intestazione, const DatiReportMetodi &d)
{
    Report r;
    r.titolo = "Anteprima Metodi";
    Banda t = IntestazioneComune(intestazione, intestazione.logoUtente, 276.5);
    t.etichette.push_back(Testo(5.3, 51.1, RigaMetodo(d), Font(24, true), Blu));
    t.etichette.push_back(Testo(5.3, 64.6, RigaAnalisiMetodo(d), Font(19, false, true), Rosso));
    t.etichette.push_back(Testo(5.3, 73.3, RigaImportiMetodo(d), Font(16, true), Porpora));
    t.etichette.push_back(Testo(5.3, 80.2, RigaRicettaMetodo(d), Font(16, true), Porpora));
    t.etichette.push_back(Testo(2.4, 94.7, "Previsioni", Font(24, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(34.7, 94.7, d.previsioniGriglia, DestraPagina - 34.7, 116.2 - 94.7 - 1.0));
    t.etichette.push_back(Testo(2.4, 116.2, "Ritardi", Font(24, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(34.7, 116.2, d.ritardi, DestraPagina - 34.7, 147.4 - 116.2 - 1.0));
    t.etichette.push_back(Testo(2.4, 147.4, "Esiti", Font(24, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(34.7, 147.4, d.esiti, DestraPagina - 34.7, 180.2 - 147.4 - 1.0));
    t.etichette.push_back(Testo(3.7, 180.2, "Numeri in Gioco", Font(35, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(3.7, 197.1, d.numeriInGioco, 114.3 - 3.7 - 2.0, Editore - 197.1 - 1.0));
    t.etichette.push_back(Testo(114.3, 180.2, "Cruciverba", Font(35, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(114.3, 197.1, d.cruciverba, DestraPagina - 114.3, Editore - 197.1 - 1.0));
    t.etichette.push_back(Testo(0, Editore, RigaEditore, Font(16, true), Rosso));
    r.bande.push_back(std::move(t));
    return r;
}

Report TReportmetoditabulato(const IntestazioneReport &intestazione, const DatiReportMetodi &d)
{
    Report r;
    r.titolo = "Tabulato Metodi";
    Banda t = IntestazioneComune(intestazione, intestazione.logoUtente, 184.7);
    t.etichette.push_back(Testo(5.6, 51.9, RigaMetodo(d), Font(24, true), Blu));
    t.etichette.push_back(Testo(5.3, 67.5, RigaAnalisiMetodo(d), Font(19, false, true), Rosso));
    t.etichette.push_back(Testo(5.6, 78.1, RigaImportiMetodo(d), Font(16, true), Porpora));
    t.etichette.push_back(Testo(5.6, 88.1, RigaRicettaMetodo(d), Font(16, true), Porpora));
    t.etichette.push_back(Testo(5.3, 97.4, "Numeri in Gioco", Font(24, true), Rosso));
    t.figure.push_back(Immagine(11.9, 110.9, 63.5, 63.5, d.numeriInGioco.sorgente, true));
    t.etichette.push_back(Testo(92.3, 97.4, "Cruciverba", Font(24, true), Rosso));
    t.figure.push_back(Immagine(92.3, 110.9, 63.5, 63.5, d.cruciverba.sorgente, true));
    t.etichette.push_back(Testo(71.7, 175.2, "Tabulato", Font(24, true), BluNotte));
    r.bande.push_back(std::move(t));
    r.bande.push_back(BandaTabulato(d.tabulato));
    r.bande.push_back(PiePagina());
    return r;
}

} // namespace sestina::esporta
