#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sestina {

// Every change the program makes to a file on disk goes through these few
// functions, so a test can stop the program before any one of them.
enum class OperazioneFile { Scrittura, Rinomina, Cancellazione, Collegamento, Troncamento };

// Called before each change with its kind and the path it touches; an exception
// thrown by it stops the change (and everything after it) right there. Empty: no hook.
using OsservatoreFile = std::function<void(OperazioneFile, const std::string &percorso)>;
void ImpostaOsservatoreFile(OsservatoreFile osservatore);
void PrimaDiOperazioneFile(OperazioneFile operazione, const std::string &percorso);

// Inputs larger than any real archive or settings file (50 MB) are refused before being read.
inline constexpr std::uint64_t DimensioneMassimaIngresso = 50u * 1024 * 1024;

// Writes the whole file through a temporary file beside it, flushed and then
// renamed over the target, so a crash never leaves half a file.
void ScriviFileAtomico(const std::string &percorso, std::string_view contenuto);
// Creates (or empties) the file and writes all of it, flushed to disk. Errors
// name `nomeNeiMessaggi` (the path itself when empty); a failed write may leave
// the file partly written, so callers write to a temporary file first.
void ScriviFileCompleto(const std::string &percorso, std::string_view contenuto,
                        const std::string &nomeNeiMessaggi = {});
// Reads a whole file; throws Errore when it cannot be opened or read, or when it
// is not a regular file of at most `massimo` bytes (a device, /dev/zero, a 1 GB file).
std::string LeggiFile(const std::string &percorso, std::uint64_t massimo = DimensioneMassimaIngresso);
bool EsisteFile(const std::string &percorso);

// rename(2); throws Errore naming the target.
void RinominaFile(const std::string &da, const std::string &a);
// unlink(2); a missing file is not an error. False when it could not be removed.
bool CancellaFile(const std::string &percorso);
// link(2): a second name for an existing file; throws Errore (EEXIST when `a` exists).
void CollegaFile(const std::string &da, const std::string &a);
// Flushes the folder holding `percorso`, so renames and removals in it survive a crash.
void SincronizzaCartella(const std::string &percorso);

} // namespace sestina
