#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"

#include <string>
#include <vector>

// "Verifica garanzia": what a list of columns promises, proved over every
// possible outcome rather than taken from the reduction that built it.
namespace sestina::sistemi {

inline constexpr int EstrattiMassimi = 10;

// One outcome "m of the drawn numbers are among your numbers".
struct RigaGaranzia {
    int estratti = 0;                // m
    long long combinazioni = 0;      // C(n, m): the m-subsets of the numbers in play
    std::vector<long long> conteggi; // [h], h = 0..m: m-subsets whose best column holds h of them
    int garanzia = 0;                // smallest h with a non-zero count
    friend bool operator==(const RigaGaranzia &, const RigaGaranzia &) = default;
};

struct RisultatoGaranzia {
    std::vector<int> numeri;         // numbers in play, ascending
    int k = 6;                       // draw size considered
    std::vector<RigaGaranzia> righe; // m = min(k, n) down to 1
    int garanzia = -1;               // hits guaranteed when k drawn numbers are among them; -1 when n < k
    friend bool operator==(const RisultatoGaranzia &, const RisultatoGaranzia &) = default;
};

// Numbers in play: the union of the columns' numbers. Numbers repeated inside
// a column count once. Throws Errore for numbers outside 1..90, k outside
// 1..10, an empty list, or a list too large to prove.
RisultatoGaranzia VerificaGaranzia(const std::vector<Colonna> &colonne, int k = 6);
// Numbers in play given (numbers of a column outside them never count as hits).
RisultatoGaranzia VerificaGaranzia(const std::vector<Colonna> &colonne, const std::vector<int> &numeriInGioco, int k);

// "5 se 6": t hits guaranteed if k drawn numbers are among the numbers in play;
// "nessuna" when there are fewer than k numbers in play.
std::string EsitoGaranzia(const RisultatoGaranzia &r);
std::string EsitoGaranzia(const RigaGaranzia &riga);

// The table of the window: one row per outcome ("Estratti", "Combinazioni",
// "k punti" .. "0 punti", "Garanzia"), the guaranteed count in yellow.
Griglia GrigliaGaranzia(const RisultatoGaranzia &r);

// The same table as CSV lines (";" separated, LF ends) for the command line.
std::string CsvGaranzia(const RisultatoGaranzia &r);

} // namespace sestina::sistemi
