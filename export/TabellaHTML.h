#pragma once

#include "app/Griglia.h"

#include <string>
#include <vector>

// The pieces of the program's HTML pages: a grid as a table and the header block.
namespace sestina::esporta {

// "c_1" .. "c_5" for the highlight colours of the pages, "" for any other colour.
std::string ClasseColoreHTML(const Colore &c);
// TabellaHTML: the grid as the lines of an HTML table (texts unescaped).
std::vector<std::string> TabellaHTML(const Griglia &g);
// The header block of a page: s1 (title), s2, s3, s4.
std::vector<std::string> IntestazioneHTML(const std::string &s1, const std::string &s2, const std::string &s3,
                                          const std::string &s4);

} // namespace sestina::esporta
