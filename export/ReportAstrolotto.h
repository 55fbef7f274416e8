#pragma once

#include "export/ModuliReport.h"

#include <string>
#include <vector>

namespace sestina::esporta {

// What the Astrolotto forms show of the '&Astro' page.
struct DatiReportAstrolotto {
    std::string segno;       // sign name
    std::string periodo;     // the sign's date range
    std::string figuraSegno; // picture file of the sign
    std::string concorso;    // "Conc. n." + number + " del " + date
    FiguraPixel numeriInGioco;
    FiguraPixel previsioni;
    FiguraPixel ritardi;
    FiguraPixel cruciverba;
    FiguraPixel esiti;
    std::vector<std::string> tabulato; // listing lines of the development (RigheTabulato)
};
// TReportastrolotto ("Anteprima Astrolotto"): one full-page title band; grid
// pictures at their own on-screen size.
Report TReportastrolotto(const IntestazioneReport &intestazione, const DatiReportAstrolotto &d);
// TReportastrotabulato ("Tabulato Astrolotto"): the sign, the draw, the numbers
// in play and the crossword, then the listing of the development.
Report TReportastrotabulato(const IntestazioneReport &intestazione, const DatiReportAstrolotto &d);

} // namespace sestina::esporta
