#pragma once

#include "archive/Archivio.h"
#include "archive/Record.h"

#include <string>
#include <string_view>
#include <vector>

// Bringing new draws into the archive from a CSV source (a file or a download),
// in the form that importa-csv reads.
namespace sestina::archivio {

// The setting that holds the update address (or file), one line.
inline const char *const FileAggiornamento = "Aggiornamento.DAT";

// The draws of `sorgente` that come after the archive. Every archive draw that the
// source covers must be in it, identical, and the source may not skip a draw of its
// range nor leave a hole after the archive (contest numbers run on by one within a
// year and restart at 1); otherwise throws Errore naming the first draw that differs.
std::vector<Estrazione> EstrazioniNuove(const std::vector<Estrazione> &archivio,
                                        const std::vector<Estrazione> &sorgente);

struct EsitoAggiornamento {
    int aggiunte = 0;
    RecordData ultima; // the archive's last draw after the update
};

// Merges and, when there is something new, writes both files in one safe
// replacement; on any refusal or error the archive is left untouched.
EsitoAggiornamento AggiornaArchivio(Archivio &a, const std::vector<Estrazione> &sorgente);
// The same from the bytes of a CSV file (Windows-1252).
EsitoAggiornamento AggiornaArchivioDaCSV(Archivio &a, std::string_view byteCSV);

// "Aggiunte N estrazioni (ultima: gg/mm/aaaa)" or "Archivio già aggiornato".
std::string MessaggioEsito(const EsitoAggiornamento &e);

// True for an http:// or https:// address; anything else is a file path.
bool IndirizzoInternet(std::string_view indirizzo);

// The saved address of the program folder `dir` (trailing '/'); empty when none.
std::string LeggiIndirizzoAggiornamento(const std::string &dir);
void ScriviIndirizzoAggiornamento(const std::string &dir, const std::string &indirizzo);

} // namespace sestina::archivio
