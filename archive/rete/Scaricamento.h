#pragma once

#include "app/Progresso.h"

#include <string>

namespace sestina::rete {

struct OpzioniScaricamento {
    int silenzioMassimoMs = 30000;          // no byte from the server for this long: give up
    int durataMassimaMs = 300000;           // the whole download
    long long dimensioneMassima = 16 << 20; // a draws file is a few hundred kilobytes
};

// Downloads the whole body of an http or https address. Progress is reported in
// bytes (total 0 while unknown); the stop request of `p` ends the download. Any
// failure (refused, timed out, stopped, too large, truncated, an HTTP error status)
// throws Errore with an Italian reason; nothing is returned half.
std::string Scarica(const std::string &indirizzo, Progresso &p, const OpzioniScaricamento &opzioni = {});

} // namespace sestina::rete
