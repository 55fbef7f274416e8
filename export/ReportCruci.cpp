#include "export/ReportCruci.h"

#include "app/Edizione.h"
#include "app/Testo.h"

namespace sestina::esporta {
namespace {

using namespace colori_report;

const std::string &Ruota()
{
    return NomiRuote[IndiceRuotaConsulta];
}

std::string Combinazione(const DatiReportCruci &d)
{
    return "Numeri in combinazione " + (d.combinazione.empty() ? std::string("Libero") : d.combinazione);
}

std::string Inserimenti(const DatiReportCruci &d)
{
    return Formato("Casuali %d Ultimi %d, Frequenze %d Ritardi %d", d.casuali, d.ultimi, d.frequenze, d.ritardi);
}

} // namespace

Report TReportCruci(const IntestazioneReport &intestazione, const DatiReportCruci &d)
{
    Report r;
    r.titolo = "Anteprima Cruciverba";
    Banda t = IntestazioneComune(intestazione, intestazione.logoUtente, 276.5);
    t.etichette.push_back(
        Testo(5.3, 51.1, "Cruciverba - Concorso : " + Ruota() + " Elaborato il " + d.data + " ", Font(24, true), Blu));
    t.etichette.push_back(Testo(5.3, 64.6, "Tipo di riduzione " + d.riduzione, Font(19, false, true), Rosso));
    t.etichette.push_back(Testo(5.3, 73.3, Inserimenti(d), Font(16, true), Porpora));
    t.etichette.push_back(Testo(5.3, 80.2, Combinazione(d), Font(16, true), Porpora));
    t.etichette.push_back(Testo(5.3, 87.0, "Numeri in Gioco", Font(35, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(6.1, 100.5, d.numeriInGioco, 116.2 - 6.1 - 2.0, 269.9 - 100.5 - 1.0));
    t.etichette.push_back(Testo(116.2, 87.0, "Cruciverba", Font(35, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(116.2, 104.0, d.cruciverba, 190.0 - 116.2, 269.9 - 104.0 - 1.0));
    t.etichette.push_back(Testo(0, 269.9, RigaEditore, Font(16, true), Rosso));
    r.bande.push_back(std::move(t));
    return r;
}

Report TReportcrucitabulato(const IntestazioneReport &intestazione, const DatiReportCruci &d)
{
    Report r;
    r.titolo = "Tabulato Cruciverba";
    Banda t = IntestazioneComune(intestazione, intestazione.logoUtente, 184.7);
    t.etichette.push_back(
        Testo(5.6, 51.9, "Cruciverba - Concorso : " + Ruota() + " elaborato il " + d.data + " ", Font(24, true), Blu));
    t.etichette.push_back(Testo(5.3, 67.5, "Tipo di riduzione " + d.riduzione, Font(19, false, true), Rosso));
    t.etichette.push_back(Testo(5.6, 78.1, Inserimenti(d), Font(16, true), Porpora));
    t.etichette.push_back(Testo(5.6, 88.1, Combinazione(d), Font(16, true), Porpora));
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

Report TReportcompl90tabulato(const IntestazioneReport &intestazione, const DatiReportCruci &d)
{
    Report r;
    r.titolo = "Report Completamento 90";
    IntestazioneReport propria = intestazione;
    propria.logoProgramma.clear(); // the form's own logo, no file read
    Banda t = IntestazioneComune(propria, std::string(), 197.4);
    t.etichette.push_back(
        Testo(5.6, 51.9, "Cruciverba - Concorso : " + Ruota() + " " + d.data + " ", Font(24, true), Blu));
    // Three choices side by side on one line: the default size keeps each in its place.
    t.etichette.push_back(
        Testo(5.3, 67.5, "Tipo di riduzione " + d.riduzione, Font(13, false, true), Rosso, 60.6 - 5.3 - 1.0));
    t.etichette.push_back(Testo(60.6, 67.5, Combinazione(d), Font(13, false, true), Rosso, 111.4 - 60.6 - 1.0));
    t.etichette.push_back(
        Testo(111.4, 67.5,
              Formato("Casuali %d, Ultimi %d, Frequenze, %d Ritardi %d", d.casuali, d.ultimi, d.frequenze, d.ritardi),
              Font(13, false, true), Rosso));
    t.etichette.push_back(Testo(72.8, 78.1, "Cruciverba", Font(35, true), Rosso));
    t.figure.push_back(Immagine(47.1, 91.5, 95.2, 95.2, d.cruciverba.sorgente, true));
    t.etichette.push_back(Testo(81.8, 187.9, "Tabulato", Font(24, true), BluNotte));
    r.bande.push_back(std::move(t));
    r.bande.push_back(BandaTabulato(d.tabulato));
    r.bande.push_back(PiePagina());
    return r;
}

} // namespace sestina::esporta
