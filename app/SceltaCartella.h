#pragma once

#include <string>
#include <vector>

namespace sestina {

// The installed first-start files, relative to the folder of the executable.
inline const char *const DatiInstallati = "../share/sestina";
// The user's data folder of an installed program, under the XDG data home.
inline const char *const NomeCartellaDati = "Sestina";

struct SceltaCartella {
    std::string dir;                  // DirectoryProgramma, with a trailing '/'
    bool installato = false;          // true when it is the user's data folder
    std::vector<std::string> copiati; // files seeded by this start
};

// The program folder for an executable that lies in `dirEseguibile`:
// - that folder itself when it holds the archive and can be written (a build or
//   an unpacked folder keeps working in place);
// - otherwise, when <dirEseguibile>/../share/sestina holds the archive, the user's
//   data folder ($XDG_DATA_HOME, else ~/.local/share, then "Sestina"), into which
//   every installed file it lacks is copied;
// - otherwise the executable's folder (the start then reports what is missing).
SceltaCartella ScegliDirectoryProgramma(const std::string &dirEseguibile);

// $XDG_DATA_HOME/Sestina or ~/.local/share/Sestina, trailing '/'; Errore when neither is known.
std::string CartellaDatiUtente();

// Copies into `destinazione` (created when missing) every plain file of `sorgente`
// that it lacks, each through a temporary file. The two archive files go as a pair,
// only into a folder without a date file, and never over a numbers file of the
// user's own. Returns the names copied.
std::vector<std::string> SeminaCartella(const std::string &sorgente, const std::string &destinazione);

} // namespace sestina
