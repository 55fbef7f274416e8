#pragma once

#include "app/Colonna.h"
#include "app/TExStringList.h"
#include "systems/FileSviluppo.h"

#include <string>
#include <string_view>
#include <vector>

// Slip files: the standard form (".sse", the encoding of "sviluppo") and the CSV
// form (each number in decimal followed by ";", one line per entry).
namespace sestina::schedine {

inline constexpr const char *FiltroSalvaSchedine =
    "Sistema Lotto|*.slt|Sistema Superenalotto|*.sse|Sistema 10 e Lotto|*.s10|CSV|*.csv";
inline constexpr const char *FiltroCaricaSchedine = "Sistema Lotto|*.slt|Sistema Superenalotto|*.sse|CSV|*.csv";
// The longest CSV line a reader accepts (ninety numbers and their separators fit easily).
inline constexpr std::size_t LunghezzaMassimaRigaCSV = 1024;
// The numbers a column may hold in either form (the standard form's reader
// takes lines of at most LunghezzaMassimaRigaSviluppo, one byte per number).
inline constexpr std::size_t NumeriMassimiColonna = sistemi::LunghezzaMassimaRigaSviluppo;

// Both writers throw Errore as sistemi::ControllaColonnaDaSalvare (a file that
// could not be read back is never written).
std::string CodificaSchedineStandard(const TExStringList &lista);
TExStringList DecodificaSchedineStandard(std::string_view byte, const std::string &nomeFile);

std::string CodificaSchedineCSV(const TExStringList &lista);
// Any run of non-digits separates numbers; an empty line (or one without digits)
// is an empty entry. A number outside 1..90, more than NumeriMassimiColonna
// numbers or an over-long line throws Errore naming the file and the line.
TExStringList DecodificaSchedineCSV(std::string_view byte, const std::string &nomeFile);

// True for a ".csv" path (any case).
bool PercorsoCSV(const std::string &percorso);
// Whole files; the form is chosen by the extension. Writes go through a temporary
// file and a rename; a failed read throws and returns nothing.
void SalvaSchedine(const std::string &percorso, const TExStringList &lista);
TExStringList CaricaSchedine(const std::string &percorso);

} // namespace sestina::schedine
