#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The archive's journal: every change of the archive files is announced in a
// small file before it starts and the file is removed when it ends, so that the
// next start (RipristinaArchivio) can tell a whole change from an interrupted one
// and bring both files back to one consistent state.
namespace sestina::archivio {

inline const char *const NomeFileGiornale = "Archivio.giornale";

enum class OperazioneGiornale { Aggiunta, Modifica, Eliminazione, Troncamento, Importazione };

// What one archive file needs to be put back: its record count before the
// change and the records from `inizio` on that the change overwrites or removes.
struct VoceGiornale {
    int indiceFile = 0; // into TabellaFileArchivio
    int conta = 0;
    int inizio = 0;
    std::string salvati; // whole records, as stored
    friend bool operator==(const VoceGiornale &, const VoceGiornale &) = default;
};

struct Giornale {
    OperazioneGiornale operazione = OperazioneGiornale::Aggiunta;
    // Record changes are always undone. An import is finished once its two new
    // files are complete, undone when it failed in the running program.
    bool completare = false;
    int estrazioni = 0; // draws of an import
    std::vector<VoceGiornale> voci;
    // Import: whether each file (date, numbers) existed before.
    bool esistevaDate = true;
    bool esistevaNumeri = true;
    friend bool operator==(const Giornale &, const Giornale &) = default;
};

// Text form of the journal (CR LF lines); reading refuses anything it did not write.
std::string ScriviGiornale(const Giornale &g);
Giornale LeggiGiornale(std::string_view testo);

// Names of the side files of an import, beside each archive file.
std::string PercorsoNuovo(const std::string &percorso);
std::string PercorsoVecchio(const std::string &percorso);

// Runs a change of record files under an undo journal: when `modifica` fails the
// files are put back at once; when the program dies the next start does it.
void EseguiConGiornale(const std::string &directory, const Giornale &g, const std::function<void()> &modifica);

// Replaces the date file and "Superena.cxz" with these bytes, both or neither as
// seen by the next start.
void SostituisciConGiornale(const std::string &directory, const std::string &date, const std::string &numeri);

// Brings the archive of `directory` back to a consistent state after an
// interrupted change: finishes or undoes it and removes the side files. Returns
// the message for the user, or nothing when there was nothing to do.
std::optional<std::string> RipristinaArchivio(const std::string &directory);

} // namespace sestina::archivio
