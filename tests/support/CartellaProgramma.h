#pragma once

#include "support/ArchivioProva.h"

#include <string>
#include <vector>

namespace sestina::prova {

// A program folder for window tests: these draws as the archive, the draw days
// Tue/Thu/Fri/Sat, and the logo list with the program's own pictures.
void PreparaCartellaProgramma(const std::string &dir, const std::vector<archivio::Estrazione> &estrazioni);

} // namespace sestina::prova
