#pragma once

#include "app/Impostazioni.h"
#include "app/RegistroViste.h"
#include "app/TExStringList.h"

#include <array>
#include <functional>
#include <string>

namespace sestina {

// The program-wide state, owned by the main window and handed to every page,
// window and the CLI that needs it.
struct StatoCondiviso {
    std::string DirectoryProgramma; // with a trailing '/'
    int UltimaEstrazione = -1;      // record number of the last draw
    TExStringList ListaDate;        // "%d/%d/%d " newest first: item x is record UltimaEstrazione - x
    std::array<bool, 7> FlagGiorniEstrazione{}; // 0 Sunday .. 6 Saturday
    Impostazioni impostazioni;
    TExStringList ListaImmagini;    // lines of "listaloghi.DAT"
    TExStringList ListaColonne;     // the slip list: entries 2i, 2i+1 are panels A and B of slip i+1
    int InizioRicerca = 0;          // span shared by the statistics and pairs pages
    int FineRicerca = 0;
    RegistroViste viste;
    // Sends the numbers of a grid cell (a Colonna) to the slip list; set by the slip page.
    std::function<void(const std::string &colonna)> InvioASchedina;

    std::string percorso(const std::string &nomeFile) const { return DirectoryProgramma + nomeFile; }
    void AggiornaViste() { viste.AggiornaViste(); }
};

} // namespace sestina
