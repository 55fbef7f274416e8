#include "methods/DatiReport.h"

#include "methods/Astrolotto.h"
#include "systems/Sviluppo.h"

#include <algorithm>

namespace sestina::metodi {

void TestiReportAstro(esporta::DatiReportAstrolotto &d, int segno, int record, const std::string &data,
                      const std::string &dir)
{
    const SegnoZodiacale &s = SegniZodiacali()[static_cast<size_t>(std::clamp(segno, 1, 12) - 1)];
    d.segno = s.nome;
    d.periodo = s.periodo;
    d.figuraSegno = dir + s.immagine;
    d.concorso = "Conc. n." + std::to_string(record + 1) + " del " + data;
}

void TestiReportMetodo(esporta::DatiReportMetodi &d, const ParametriMetodo &p, const std::string &nome,
                       const std::string &data)
{
    d.nome = nome;
    // The lists' dates end with a blank; the line reads "Data d/m/y, ...".
    d.data = data.substr(0, data.find_last_not_of(' ') + 1);
    d.previsioni = p.nPrevisioni;
    d.passo = p.passo;
    d.limiteVerifica = p.limVerifica;
    d.ambate = p.nAmbate;
    d.nra = p.nra;
    d.forma = p.forma;
    d.nratq = p.nratq;
    d.esitoLunghetta = p.pLung;
    d.posizioni = p.posizioni;
    d.operazioni = p.operazioni;
    d.calcolo = NomeTipoCalcolo(p.tipoCalcolo);
    d.previsione = NomeTipoPrev(p.tipoPrev);
}

void ScelteReportCruci(esporta::DatiReportCruci &d, int livello, int k)
{
    static const char *const riduzioni[] = {"Nessuna", "n-1", "n-2", "n-3"};
    static const char *const combinazioni[] = {"Tre", "Quattro", "Cinque", "Sei"};
    d.riduzione = riduzioni[std::clamp(livello, 0, 3)];
    d.combinazione = livello > 0 && k >= 3 && k <= 6 ? combinazioni[k - 3] : "";
}

std::vector<std::string> TabulatoSviluppo(const std::vector<Colonna> &sviluppo)
{
    return esporta::RigheTabulato(static_cast<int>(sviluppo.size()), [&sviluppo](int i) {
        return std::pair{sistemi::TestoSviluppo(sviluppo, i + 1, 0), sistemi::TestoSviluppo(sviluppo, i + 1, 1)};
    });
}

} // namespace sestina::metodi
