#pragma once

#include "app/TExStringList.h"
#include "app/Testo.h"

#include <array>
#include <string>

namespace sestina {

// User data of "Utente.DAT" (seven lines).
struct DatiUtente {
    std::array<std::string, 6> campi; // Nome, Cognome, Nome Ricevitoria, Numero Ricevitoria, Via, Città
    int indiceImmagine = 0;
};

// "ImportiVincite.DAT": sixty cells of the prize table, row by row, then the two amounts as typed.
struct ImportiVincite {
    std::array<std::string, 60> celle;
    std::string costoColonna;
    std::string percentualeRitenuta;
};

// Export folders and switches of "Datipvt.DAT".
struct DatiPrivati {
    std::string cartellaPDF;
    std::string cartellaHTML;
    std::string paginaHTML;
    std::array<bool, 13> flagEsportazione{};
};

inline const char *const FileUtente = "Utente.DAT";
inline const char *const FileImportiVincite = "ImportiVincite.DAT";
inline const char *const FileDatiPrivati = "Datipvt.DAT";
inline const char *const FileListaLoghi = "listaloghi.DAT";

// Formats on string lists; the file functions only load and save. A short file
// raises the list's index error at the first missing line.
DatiUtente LeggiDatiUtente(const TExStringList &righe);
TExStringList ScriviDatiUtente(const DatiUtente &d);
ImportiVincite LeggiImportiVincite(const TExStringList &righe);
TExStringList ScriviImportiVincite(const ImportiVincite &d);

// Loads "Datipvt.DAT" from the program folder `dir` (with trailing separator); when
// missing, fills the default folders and writes the file with those two lines.
DatiPrivati CaricaDatiPrivati(const std::string &dir);
DatiPrivati LeggiDatiPrivati(const TExStringList &righe);
TExStringList ScriviDatiPrivati(const DatiPrivati &d);

// The values kept in memory for the run.
struct Impostazioni {
    Valuta CostoColonna = 0;
    Valuta PercentualeRitenuta = 0;
    int IndiceImmagine = 0;
    std::string CartellaPDF;
    std::string CartellaHTML;
    std::string PaginaHTML;
    std::array<bool, 13> FlagEsportazione{};
};

} // namespace sestina
