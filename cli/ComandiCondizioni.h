#pragma once

#include "systems/Condizioni.h"

#include <optional>
#include <string>
#include <vector>

namespace sestina::cli {

class Argomenti;

// The condition options shared by `sistema` and `verifica-condizioni`.
inline const std::vector<std::string> OpzioniCondizioni = {"basi",       "condizioni",      "pari",       "bassi",
                                                           "somma",      "escursione",      "decina-max", "cadenza-max",
                                                           "figura-max", "consecutivi-max", "gruppo"};

// Conditions from --condizioni FILE.cnd (or `base`, e.g. the ".cnd" beside a
// loaded ".stm"), then each option given on the line replaces the file's value
// (groups are added). Refuses bad values with ErroreUso.
sistemi::Condizioni CondizioniDaArgomenti(const Argomenti &args, sistemi::Condizioni base = {});
// True when any condition option is on the command line.
bool CiSonoCondizioni(const Argomenti &args);

} // namespace sestina::cli
