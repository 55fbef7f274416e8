#pragma once

#include "app/Impostazioni.h"
#include "app/Progresso.h"
#include "export/Report.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// What the publishing panel and `sestina-cli pubblica` export: the HTML pages
// of the archive and the analyses, and the PDF files of the pages' reports.
namespace sestina::pubblica {

inline constexpr const char *NomeRuotaSE = "Superenalotto";
// NomiRuote 0..11: the PDF groups write one file per name (same report in this edition).
const std::array<std::string, 12> &NomiRuote();

// The HTML switches, FlagEsportazione[0..6].
enum VoceHTML { HtmlEstrazione, HtmlConsultazione, HtmlTabelle, HtmlCalore, HtmlAstrolotto, HtmlRitardi, HtmlAnni };
// The PDF switches, FlagEsportazione[7..12].
enum VocePDF { PdfEstrazione, PdfConsultazione, PdfTabelle, PdfCalore, PdfAstrolotto, PdfRitardi };

struct SceltaHTML {
    std::array<bool, 7> voci{};
    bool tutti = false;     // "Tutti": every year, variant B
    std::vector<int> anni;  // the years ticked one by one, variant A
    bool testaECoda = false;
};

// Creates `cartella` with its parents; an Errore names it when it cannot be made
// (or a file of that name is in the way).
void CreaCartella(const std::string &cartella);
// nome inside cartella, with one separator whether or not the folder ends with one.
std::string PercorsoInCartella(const std::string &cartella, const std::string &nome);

// The years of the archive, newest first, once each (the panel's list after "Tutti").
std::vector<int> AnniArchivio(const std::string &dir);

// EsportaHTML: every page of the ticked boxes into `cartella` (created with its
// parents), in the order of the export table. Returns the files written; an
// error names the file and stops the run (pages already written stay).
// `annoCorrente` is the calendar year whose page is named `paginaHTML`.
std::vector<std::string> EsportaHTML(const std::string &dir, const std::string &cartella,
                                     const std::string &paginaHTML, const SceltaHTML &scelta, int annoCorrente,
                                     Progresso &progresso);

// The PDF files of the ticked groups: each report once, with every file name
// that holds it, in the order of the run.
// The renderer widens a grid's columns to its texts before the report takes its picture.
using PreparaGriglia = std::function<void(Griglia &)>;
struct GruppoPDF {
    std::vector<std::string> nomi;
    std::function<esporta::Report(const PreparaGriglia &)> crea;
};
std::vector<GruppoPDF> PianoPDF(const std::string &dir, const std::array<bool, 6> &voci);
// The names alone, in run order.
std::vector<std::string> NomiFilePDF(const std::string &dir, const std::array<bool, 6> &voci);

// The calendar year of today.
int AnnoCorrente();

} // namespace sestina::pubblica
