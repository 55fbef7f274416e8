#include "export/ReportMetodi.h"

#include "export/ReportCruci.h"

#include "app/Edizione.h"
#include "app/Testo.h"

namespace sestina::esporta {
namespace {

using namespace colori_report;

// Room of the pictures of the full-page form: each stays above the next caption.
constexpr double DestraPagina = 190.0;
constexpr double Editore = 269.9;

std::array<std::string, 4> RigheMetodo(const DatiReportMetodi &d)
{
    return {RigaMetodo(d), RigaAnalisiMetodo(d), RigaImportiMetodo(d), RigaRicettaMetodo(d)};
}

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
    Banda t = TestataAnteprimaRighe(intestazione, RigheMetodo(d));
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
    t.etichette.push_back(EditoreInFondo());
    r.bande.push_back(std::move(t));
    return r;
}

Report TReportmetoditabulato(const IntestazioneReport &intestazione, const DatiReportMetodi &d)
{
    return TabulatoCruciverba("Tabulato Metodi", intestazione, RigheMetodo(d), d.numeriInGioco, d.cruciverba,
                              d.tabulato);
}

} // namespace sestina::esporta
