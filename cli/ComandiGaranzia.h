#pragma once

#include "app/Colonna.h"

#include <iosfwd>
#include <vector>

namespace sestina::cli {

class Argomenti;

// `sistema ... --ottimizza [--sforzo N]`: the optimised system of the numbers in
// play (in the board's order) instead of the greedy one. Refuses level 0 and a
// bad --sforzo (ErroreUso); the sizes go to `err` as a progress line would.
std::vector<Colonna> SistemaOttimizzato(const Argomenti &args, const std::vector<int> &inGioco, int k, int livello,
                                        std::ostream &err);

} // namespace sestina::cli
