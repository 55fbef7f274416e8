#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "archive/Record.h"

#include <string>
#include <vector>

// The outcome search shared by the Astrolotto, method and harmony pages: walk the
// draws before or after a chosen one and note the first draw of each event.
namespace sestina::metodi {

inline constexpr Colore Lime{0, 255, 0};
inline constexpr Colore Fucsia{255, 0, 255};

// The plain count of the play's numbers among the six numbers.
int ContaEstratti(const Colonna &giocata, const archivio::RecordSuperenalotto &r);

enum class Direzione { Indietro, Avanti };

// Which page's variant: the Astrolotto one ("P.3", "P.4", "P>4", ContaPunti with
// the "+" of five plus jolly and six), the harmony one ("P3", "P4", "P>4", plain
// count) or the method one ("P 3" .. "P 6", plain count).
enum class StileEsiti { Astro, Armonia, Metodo };

struct RisultatoEsiti {
    Griglia griglia;             // header + one row per possible event (empty when never met)
    bool segnale = false;        // a five-plus-jolly or six was met: the page beeps
    std::vector<int> estrazioni; // record of each filled row, in row order
};

// RicercaEsiti: from record r walks to r - 1 .. 0 or r + 1 .. last draw.
RisultatoEsiti RicercaEsiti(const Colonna &giocata, const std::vector<archivio::Estrazione> &estrazioni, int r,
                            Direzione direzione, StileEsiti stile);

} // namespace sestina::metodi
