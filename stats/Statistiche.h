#pragma once

// The fourteen tables of the statistics page: AnalisiRitardi over a span, laid
// out in blocks of four columns, sorted and with the maxima marked.

#include "app/Griglia.h"
#include "archive/Record.h"
#include "stats/MotoreRitardi.h"

#include <optional>
#include <string>
#include <vector>

namespace sestina::statistiche {

// Caption of the table's button ("Numeri", "Ambi Gemelli", ..., "Ambi Alternati").
const char *NomeTabella(ListaVoci l);
// The table of a button caption; nullopt for an unknown caption.
std::optional<ListaVoci> TabellaDaNome(const std::string &nome);

// Item text as the table writes it: the number, "a, b", or the group label.
std::string TestoVoce(ListaVoci l, size_t indice);

// Item indexes in display order for OrdineStat 0..3 (0 list order, 1 "R.At",
// 2 "Freq", 3 "R.Mx", all descending with ties in list order).
std::vector<size_t> OrdineVisualizzazione(const RisultatoRitardi &r, int ordine);

// The sort key after a click on header column c: blocks of four map to 0, 1, 3, 2;
// columns from 16 on keep the current key.
int OrdineDaIntestazione(int colonna, int ordineAttuale);

// Lays out a computed result as the grid ExtStringGrid4.
Griglia GrigliaStatistica(ListaVoci l, const RisultatoRitardi &r, int ordine);

// MostraStatistica: AnalisiRitardi over inizio..fine for the table, then its grid.
Griglia MostraStatistica(const std::vector<archivio::Estrazione> &archivio, int inizio, int fine, ListaVoci l,
                         int ordine);

// The date check of the two lists: the end on or after the start.
bool DateCompatibili(const archivio::RecordData &inizio, const archivio::RecordData &fine);

namespace coloristat {
inline constexpr Colore RitardoAttuale{215, 255, 255};
inline constexpr Colore RitardoMassimo{159, 255, 159};
inline constexpr Colore Frequenza{255, 202, 202};
} // namespace coloristat

} // namespace sestina::statistiche
