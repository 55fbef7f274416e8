#pragma once

#include "app/Griglia.h"

#include <string>
#include <string_view>
#include <vector>

// The pieces of the program's HTML pages: a grid as a table and the header block.
namespace sestina::esporta {

// "c_1" .. "c_5" for the highlight colours of the pages, "" for any other colour.
std::string ClasseColoreHTML(const Colore &c);
// A cell text made safe for a page: "<", ">" and "&" as entities, so no text of
// the archive or of a method file can open a tag.
std::string TestoHTML(std::string_view t);
// TabellaHTML: the grid as the lines of an HTML table, cell texts escaped.
std::vector<std::string> TabellaHTML(const Griglia &g);
// The header block of a page: s1 (title), s2, s3, s4.
std::vector<std::string> IntestazioneHTML(const std::string &s1, const std::string &s2, const std::string &s3,
                                          const std::string &s4);

} // namespace sestina::esporta
