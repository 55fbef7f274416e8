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

} // namespace

Report TabulatoCruciverba(const std::string &titolo, const IntestazioneReport &intestazione,
                          const std::array<std::string, 4> &righe, const FiguraPixel &numeriInGioco,
                          const FiguraPixel &cruciverba, std::vector<std::string> tabulato)
{
    Report r;
    r.titolo = titolo;
    Banda t = TestataTabulato(intestazione, righe);
    t.etichette.push_back(Testo(5.3, 97.4, "Numeri in Gioco", Font(24, true), Rosso));
    t.figure.push_back(Immagine(11.9, 110.9, 63.5, 63.5, numeriInGioco.sorgente, true));
    t.etichette.push_back(Testo(92.3, 97.4, "Cruciverba", Font(24, true), Rosso));
    t.figure.push_back(Immagine(92.3, 110.9, 63.5, 63.5, cruciverba.sorgente, true));
    ChiudiTabulato(r, std::move(t), 71.7, 175.2, std::move(tabulato));
    return r;
}

Report TReportCruci(const IntestazioneReport &intestazione, const DatiReportCruci &d)
{
    Report r;
    r.titolo = "Anteprima Cruciverba";
    Banda t = TestataAnteprimaRighe(
        intestazione,
        {"Cruciverba - Concorso : " + Ruota() + " Elaborato il " + d.data + " ", "Tipo di riduzione " + d.riduzione,
         RigaInserimenti(d.casuali, d.ultimi, d.frequenze, d.ritardi), RigaCombinazione(d.combinazione)});
    t.etichette.push_back(Testo(5.3, 87.0, "Numeri in Gioco", Font(35, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(6.1, 100.5, d.numeriInGioco, 116.2 - 6.1 - 2.0, 269.9 - 100.5 - 1.0));
    t.etichette.push_back(Testo(116.2, 87.0, "Cruciverba", Font(35, true), Rosso));
    t.figure.push_back(ImmagineInRiquadro(116.2, 104.0, d.cruciverba, 190.0 - 116.2, 269.9 - 104.0 - 1.0));
    t.etichette.push_back(EditoreInFondo());
    r.bande.push_back(std::move(t));
    return r;
}

Report TReportcrucitabulato(const IntestazioneReport &intestazione, const DatiReportCruci &d)
{
    return TabulatoCruciverba(
        "Tabulato Cruciverba", intestazione,
        {"Cruciverba - Concorso : " + Ruota() + " elaborato il " + d.data + " ", "Tipo di riduzione " + d.riduzione,
         RigaInserimenti(d.casuali, d.ultimi, d.frequenze, d.ritardi), RigaCombinazione(d.combinazione)},
        d.numeriInGioco, d.cruciverba, d.tabulato);
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
    t.etichette.push_back(
        Testo(60.6, 67.5, RigaCombinazione(d.combinazione), Font(13, false, true), Rosso, 111.4 - 60.6 - 1.0));
    t.etichette.push_back(
        Testo(111.4, 67.5,
              Formato("Casuali %d, Ultimi %d, Frequenze, %d Ritardi %d", d.casuali, d.ultimi, d.frequenze, d.ritardi),
              Font(13, false, true), Rosso));
    t.etichette.push_back(Testo(72.8, 78.1, "Cruciverba", Font(35, true), Rosso));
    t.figure.push_back(Immagine(47.1, 91.5, 95.2, 95.2, d.cruciverba.sorgente, true));
    ChiudiTabulato(r, std::move(t), 81.8, 187.9, d.tabulato);
    return r;
}

} // namespace sestina::esporta
