#pragma once

#include "app/Progresso.h"
#include "publish/Pubblicazione.h"

#include <string>
#include <vector>

// EsportaPDF and CreaOpuscolo: the PDF files of the publishing plan and the
// booklet of the PDF folder.
namespace sestina::pubblica {

inline const char *const FileOpuscolo = "opuscolo.pdf";

struct EsitoPDF {
    std::vector<std::string> scritti;
    bool interrotto = false;
};
// Writes every file of the plan into `cartella` (created with its parents):
// each report is laid out once and its bytes go to all its names; each file
// replaces the old one only once complete. Stops between files when asked.
EsitoPDF EsportaPDF(const std::vector<GruppoPDF> &piano, const std::string &cartella, Progresso &progresso);

// The PDF files the booklet joins: every "*.pdf" of the folder but the booklet, sorted by name.
std::vector<std::string> PartiOpuscolo(const std::string &cartella);
// Joins them in-process into `cartella`/opuscolo.pdf; returns the page count.
// A part that cannot be read stops the join naming it; the old booklet stays until the new one is complete.
int CreaOpuscolo(const std::string &cartella, Progresso &progresso);

} // namespace sestina::pubblica
