#pragma once

#include "app/Griglia.h"

#include <string>

namespace sestina::esporta {

// One line per row, every cell's text followed by ";", CR LF, Windows-1252 bytes.
std::string GrigliaCSV(const Griglia &g);
// SalvaCSV: writes the grid as CSV, replacing the file (through a temporary file).
void SalvaCSV(const Griglia &g, const std::string &percorso);

} // namespace sestina::esporta
