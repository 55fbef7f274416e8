#pragma once

// Literal, slow forms of AnalisiRitardi and AnalisiCalore: every item is tested
// against every draw, exactly as the algorithms are worded.

#include "archive/Record.h"
#include "stats/MotoreRitardi.h"

#include <vector>

namespace sestina::riferimento {

enum class TipoVoce { Numero, Ambo, Gruppo };

struct VoceRiferimento {
    TipoVoce tipo = TipoVoce::Numero;
    std::vector<int> membri; // the number, the two numbers of the pair, or the group
};

// The item lists of the statistics tables, written out from their rules
// independently of stats/Classi.
std::vector<VoceRiferimento> VociRiferimento(statistiche::ListaVoci l);

statistiche::RisultatoRitardi AnalisiRitardi(const std::vector<archivio::Estrazione> &archivio, int F, int L,
                                             const std::vector<VoceRiferimento> &voci);

std::vector<statistiche::RecordCalore> AnalisiCalore(const std::vector<archivio::Estrazione> &archivio, int E, int N,
                                                     statistiche::TipoCalore tipo);

} // namespace sestina::riferimento
