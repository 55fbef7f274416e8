#pragma once

#include "app/Griglia.h"

#include <array>
#include <string>
#include <vector>

// The pages of the HTML export: a result page, the Astrolotto page and the
// draws page of one year. Each builds its lines; SalvaPaginaHTML writes them.
namespace sestina::esporta {

inline const char *const FileTestaHTML = "testahtml.slt";
inline const char *const FileCodaHTML = "codahtml.slt";
// The program's style sheet, linked by the head template.
inline const char *const FileStileHTML = "sestina.css";

// The head and tail templates as read from the program folder, and whether
// the pages are wrapped in them ("testa e coda").
struct ModelliHTML {
    std::vector<std::string> testa;
    std::vector<std::string> coda;
    bool testaECoda = false;
};
// Reads both templates from the program folder `dir` (trailing separator); a
// missing one raises the file error naming it.
ModelliHTML CaricaModelliHTML(const std::string &dir, bool testaECoda);

// ScriviPaginaHTML: header block s1..s4, the grid's table.
std::vector<std::string> PaginaHTML(const ModelliHTML &m, const std::string &s1, const std::string &s2,
                                    const std::string &s3, const std::string &s4, const Griglia &g);

// The four tables of the Astrolotto page, in page order.
struct TabelleAstro {
    Griglia cruciverba;
    Griglia previsione;
    Griglia ritardi;
    Griglia esiti;
};
std::vector<std::string> PaginaAstroHTML(const ModelliHTML &m, const std::string &s1, const std::string &s2,
                                         const std::string &s3, const std::string &s4, const TabelleAstro &t);

// One draw of the year page.
struct RigaAnnoHTML {
    int giorno = 0, mese = 0, anno = 0;
    std::array<int, 8> numeri{}; // six numbers in stored order, jolly, superstar
};
// Variant A: the years ticked one by one; B: "Tutti".
enum class VarianteAnno { A, B };
struct PaginaAnno {
    std::string nomeFile;
    std::vector<std::string> righe;
};
// PaginaAnnoHTML: year `anno` with its draws oldest first; `annoCorrente` names
// the current year, whose page is `paginaHTML`. No year before `primoAnno` has a
// page, so the first year of the archive gets no dead "Anno Precedente" link.
PaginaAnno PaginaAnnoHTML(const ModelliHTML &m, int anno, VarianteAnno variante, int annoCorrente,
                          const std::string &paginaHTML, const std::vector<RigaAnnoHTML> &estrazioni,
                          int primoAnno = 1940);

// The page as a file: Windows-1252, CR LF, replacing `percorso` only once complete.
void SalvaPaginaHTML(const std::vector<std::string> &righe, const std::string &percorso);

} // namespace sestina::esporta
