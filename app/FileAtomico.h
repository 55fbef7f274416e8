#pragma once

#include <string>
#include <string_view>

namespace sestina {

// Writes the whole file through a temporary file beside it, flushed and then
// renamed over the target, so a crash never leaves half a file.
void ScriviFileAtomico(const std::string &percorso, std::string_view contenuto);
// Creates (or empties) the file and writes all of it, flushed to disk. Errors
// name `nomeNeiMessaggi` (the path itself when empty); a failed write may leave
// the file partly written, so callers write to a temporary file first.
void ScriviFileCompleto(const std::string &percorso, std::string_view contenuto,
                        const std::string &nomeNeiMessaggi = {});
// Reads a whole file; throws Errore when it cannot be opened or read.
std::string LeggiFile(const std::string &percorso);
bool EsisteFile(const std::string &percorso);

} // namespace sestina
