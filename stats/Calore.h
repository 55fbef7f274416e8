#pragma once

// The hot-numbers page: AnalisiCalore filtered and sorted into the hot table,
// and the analysed draws coloured where the five best items appear.

#include "app/Griglia.h"
#include "archive/Archivio.h"
#include "stats/MotoreRitardi.h"

#include <array>
#include <string>
#include <vector>

namespace sestina::statistiche {

inline constexpr std::array<Colore, 5> ColoriCaloreIniziali{Colore{255, 255, 0}, Colore{0, 255, 0}, Colore{0, 255, 255},
                                                            Colore{169, 169, 169}, Colore{217, 114, 183}};

struct ParametriCalore {
    int estrazione = 0;  // E, the newest draw analysed
    int analizzare = 18; // N
    int minimo = 2;      // "Frequenze Minime"
    TipoCalore tipo = TipoCalore::Estratti;
    int colonna = 1; // ColonnaCalore 0..4
    std::array<Colore, 5> colori = ColoriCaloreIniziali;
};

// Limits of the two spin boxes.
inline constexpr int MassimoAnalizzare = 5000;
inline constexpr int MassimoFrequenzaMinima = 100;

// The value "Estrazioni da Analizzare" keeps for a typed text: empty becomes 1,
// anything above UltimaEstrazione (or 5000) is set back to it, never below 1.
int ValoreAnalizzare(const std::string &testo, int ultima);

// The hot table ExtStringGrid8: the records with Frequenza >= minimo, sorted by
// `colonna` (1..4 descending; 0 natural order), header of the sorted column yellow.
Griglia TabellaCalore(const std::vector<RecordCalore> &record, TipoCalore tipo, int minimo, int colonna);

// Paints, in the draws list, the six number cells where the items of the first
// five data rows of the hot table appear (a pair only where both numbers are).
void ColoraElenco(Griglia &elenco, const Griglia &tabella, TipoCalore tipo, const std::array<Colore, 5> &colori);

struct RisultatoCalore {
    Griglia tabella; // ExtStringGrid8
    Griglia elenco;  // ExtStringGrid7
};

// MostraCalore: E is clamped into the archive; a window reaching before the
// first draw is clipped to it.
RisultatoCalore MostraCalore(const archivio::Archivio &a, int ultima, const ParametriCalore &p);

} // namespace sestina::statistiche
