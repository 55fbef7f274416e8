#pragma once

#include "export/ModuliReport.h"

#include <string>
#include <vector>

namespace sestina::esporta {

// What the method forms show of the 'Metodi' page: the selected method's values
// (its record of the method grid) and the page's pictures.
struct DatiReportMetodi {
    std::string nome; // the method's name (first cell of the selected row)
    std::string data; // the selected date
    int previsioni = 0, passo = 0, limiteVerifica = 0;
    int ambate = 0, nra = 0, forma = 0, nratq = 0, esitoLunghetta = 0;
    std::string posizioni, operazioni;
    std::string calcolo;    // name of "Tipo Calcolo"
    std::string previsione; // name of "Tipo Prev"
    FiguraPixel previsioniGriglia;
    FiguraPixel ritardi;
    FiguraPixel esiti;
    FiguraPixel numeriInGioco;
    FiguraPixel cruciverba;
    std::vector<std::string> tabulato; // listing lines of the development (RigheTabulato)
};

// The four lines that describe the method: name, analysis, amounts, recipe.
std::string RigaMetodo(const DatiReportMetodi &d);
std::string RigaAnalisiMetodo(const DatiReportMetodi &d);
std::string RigaImportiMetodo(const DatiReportMetodi &d);
std::string RigaRicettaMetodo(const DatiReportMetodi &d);

// TReportmetodi ("Anteprima Metodi"): one full-page title band.
Report TReportmetodi(const IntestazioneReport &intestazione, const DatiReportMetodi &d);
// TReportmetoditabulato ("Tabulato Metodi"): the method, its two pictures and the listing.
Report TReportmetoditabulato(const IntestazioneReport &intestazione, const DatiReportMetodi &d);

} // namespace sestina::esporta
