#pragma once

#include "app/Colonna.h"
#include "app/TExStringList.h"

#include <string>
#include <string_view>
#include <vector>

// The development file "sviluppo": one line per column, each number n one byte
// 48 + n (so 90 is byte 138, Windows-1252 single bytes), lines ended by CR LF.
// The standard slip file ".sse" has the same form.
namespace sestina::sistemi {

inline constexpr const char *NomeFileSviluppo = "sviluppo";
// The longest line a reader accepts: a column holds at most the 90 numbers.
inline constexpr std::size_t LunghezzaMassimaRigaSviluppo = 90;

// Throws Errore (naming column `riga`, from 1) when a column holds a byte outside
// 1..90 or more than LunghezzaMassimaRigaSviluppo numbers: a file of columns
// holding it could not be read back.
void ControllaColonnaDaSalvare(const Colonna &c, int riga);
// Throws as ControllaColonnaDaSalvare.
std::string CodificaSviluppo(const std::vector<Colonna> &lista);
std::string CodificaSviluppo(const TExStringList &lista);
// Lines end at LF (a CR before it is dropped); a last line without its end counts.
// A number outside 1..90 or a line longer than LunghezzaMassimaRigaSviluppo throws
// Errore with an Italian message naming `nomeFile` and the line (from 1).
std::vector<Colonna> DecodificaSviluppo(std::string_view byte, const std::string &nomeFile);

// The file in the program folder `dir` (with trailing '/').
std::string PercorsoSviluppo(const std::string &dir);
bool EsisteSviluppo(const std::string &dir);
// Writes the whole file through a temporary file and a rename; `lista` is unchanged.
void SalvaSviluppo(const std::string &dir, const std::vector<Colonna> &lista);
void SalvaSviluppo(const std::string &dir, const TExStringList &lista);
// Empties `lista` and fills it from the file when it exists (returns false when it
// does not). On a bad file throws Errore and leaves `lista` as it was.
bool CaricaSviluppo(const std::string &dir, std::vector<Colonna> &lista);
bool CaricaSviluppo(const std::string &dir, TExStringList &lista);
// Removes the file if it exists.
void CancellaSviluppo(const std::string &dir);

// Conversions between the engine's lists and the slip list.
TExStringList ListaDaColonne(const std::vector<Colonna> &colonne);
std::vector<Colonna> ColonneDaLista(const TExStringList &lista);

} // namespace sestina::sistemi
