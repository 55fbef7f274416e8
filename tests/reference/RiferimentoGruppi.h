#pragma once

#include "archive/Record.h"
#include "stats/RitardiGruppi.h"

#include <vector>

namespace sestina::riferimento {

// The group-delay search done literally: a 91 x 91 table of last ambos, then
// for every draw of the span a full lexicographic enumeration of the groups
// whose pairs are all no later than that draw. Seconds for the large groups on
// a whole archive; the tests use it on short ones.
statistiche::RisultatoRitardiGruppi RiferimentoGruppi(const std::vector<archivio::Estrazione> &estrazioni, int k,
                                                      int inizio, int fine, bool veloce);

} // namespace sestina::riferimento
