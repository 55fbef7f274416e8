#pragma once

#include "export/ModuliReport.h"

#include <string>

namespace sestina::esporta {

// What TReportastrolotto ("Anteprima Astrolotto") shows of the '&Astro' page.
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
};
// One full-page title band; grid pictures at their own on-screen size.
Report TReportastrolotto(const IntestazioneReport &intestazione, const DatiReportAstrolotto &d);

} // namespace sestina::esporta
