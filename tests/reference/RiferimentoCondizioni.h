#pragma once

#include "systems/Condizioni.h"

#include <vector>

namespace sestina::riferimento {

// Conditions read literally: develop every column (bases + each (k - bases)-
// combination of the variants, in enumeration order), sort it, compute each
// property from scratch and keep the columns that pass. Tests and benchmarks only.
std::vector<std::vector<int>> RiferimentoColonneCondizionate(const std::vector<int> &numeriInGioco, int k,
                                                             const sistemi::Condizioni &c);

// One column against the conditions, property by property, without shared code.
bool RiferimentoRispetta(const sistemi::Condizioni &c, std::vector<int> colonna);

} // namespace sestina::riferimento
