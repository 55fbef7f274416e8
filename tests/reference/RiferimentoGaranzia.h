#pragma once

#include "systems/Garanzia.h"

#include <vector>

namespace sestina::riferimento {

// "Verifica garanzia" read literally: for every m-subset of the numbers in play
// (m = k down to 1), compare it with every column, count the common numbers,
// keep the best column, tally. Columns x subsets comparisons: tests only.
sistemi::RisultatoGaranzia RiferimentoGaranzia(const std::vector<Colonna> &colonne,
                                               const std::vector<int> &numeriInGioco, int k);

} // namespace sestina::riferimento
