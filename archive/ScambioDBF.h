#pragma once

#include "archive/Archivio.h"
#include "archive/DBaseTable.h"
#include "archive/Record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The archive's exchange with a dBASE III table: ten fields DATA, CONC, ES1..ES7, SST.
namespace sestina::archivio {

inline constexpr const char *NomeFileScambio = "Enalotto.dbf";
inline constexpr int CampiTabellaScambio = 10;
inline constexpr const char *TestoImportazioneNonValida = "file di importazione non valido";

// The folder (with or without a trailing separator) + "Enalotto.dbf".
std::string PercorsoEsportazione(const std::string &cartella);

// The bytes of the exchange table holding these draws, in archive order.
// Throws when a value cannot be written without loss (a contest number of five
// digits, a number above 99, an invalid date).
std::string TabellaScambio(const std::vector<Estrazione> &estrazioni, std::optional<Data> aggiornamento = {});

// Writes every draw of the archive into the file, replacing it atomically.
// An existing file is refused unless sovrascrivi.
void EsportaDBF(const Archivio &archivio, const std::string &percorsoFile, bool sovrascrivi);

// Opens a table to import, read-only. Errors of the table's layout come back as
// "file di importazione non valido: ..."; file errors as they are.
TDBaseTable ApriTabellaImportazione(const std::string &percorso);
TDBaseTable ApriTabellaImportazioneByte(std::string byte);

// Reads and checks every live record of an open table. Nothing is returned
// unless the whole table converts: ten fields with the names above, every value
// present, a valid date, a contest number 0..65535, numbers 0..90. The error
// names the record (1-based, as stored in the file) and the field.
std::vector<Estrazione> LeggiEstrazioniScambio(TDBaseTable &tabella);
std::vector<Estrazione> LeggiEstrazioniScambio(std::string_view byte);

// Reads and checks the whole file: the draws to import.
std::vector<Estrazione> LeggiFileScambio(const std::string &percorso);
// Reads and checks the whole file, then replaces the archive with it as a whole.
// The archive is untouched when anything fails. Returns the number of draws.
int ImportaDBF(Archivio &archivio, const std::string &percorso);

} // namespace sestina::archivio
