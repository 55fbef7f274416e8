#pragma once

#include "export/ModuliReport.h"

#include <array>
#include <string>
#include <vector>

namespace sestina::esporta {

// What the crossword forms show of the '&Cruci' page or of the completion window.
struct DatiReportCruci {
    std::string data;         // today, short date format
    std::string riduzione;    // the chosen item of "Riduzioni"
    std::string combinazione; // the chosen item of "Numeri in combinazione"; empty: "Libero"
    int casuali = 0, ultimi = 0, frequenze = 0, ritardi = 0; // the page's "Inserisci" values
    FiguraPixel numeriInGioco;
    FiguraPixel cruciverba;
    std::vector<std::string> tabulato; // listing lines of the development (RigheTabulato)
};

// The "Tabulato" form of Cruci and Metodi: the four lines, the numbers in play
// and the crossword side by side, then the listing.
Report TabulatoCruciverba(const std::string &titolo, const IntestazioneReport &intestazione,
                          const std::array<std::string, 4> &righe, const FiguraPixel &numeriInGioco,
                          const FiguraPixel &cruciverba, std::vector<std::string> tabulato);

// TReportCruci ("Anteprima Cruciverba"): one full-page title band.
Report TReportCruci(const IntestazioneReport &intestazione, const DatiReportCruci &d);
// TReportcrucitabulato ("Tabulato Cruciverba"): the choices, the two pictures and the listing.
Report TReportcrucitabulato(const IntestazioneReport &intestazione, const DatiReportCruci &d);
// TReportcompl90tabulato ("Report Completamento 90"): the completion crossword and
// its listing; the logo places keep the form's own logo.
Report TReportcompl90tabulato(const IntestazioneReport &intestazione, const DatiReportCruci &d);

} // namespace sestina::esporta
