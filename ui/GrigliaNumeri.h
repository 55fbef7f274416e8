#pragma once

#include "app/Griglia.h"

#include <string>
#include <vector>

class ExtStringGrid;

// Small grids whose cells are the state (number boards, slip panels, the slip's
// little mark grids): no headers, no scroll bars, exactly as large as their cells.
namespace grigliaNumeri {

// A rows x columns grid of centred texts on white, cells w x h pixels.
sestina::Griglia Crea(int righe, int colonne, int w, int h, const std::vector<std::string> &testi,
                      sestina::Colore inchiostro = sestina::colori::Nero, int fontPixel = 13);
// Shows the grid at its exact size, without selection or headers.
void Fissa(ExtStringGrid *vista, sestina::Griglia g);
bool Marcata(const ExtStringGrid *vista, int riga, int colonna);
void Marca(ExtStringGrid *vista, int riga, int colonna, bool si);
// Every cell back to white (locked cells keep their colour).
void Pulisci(ExtStringGrid *vista);
// The marked cells in reading order, as (row, column).
std::vector<std::pair<int, int>> Marcate(const ExtStringGrid *vista);

} // namespace grigliaNumeri
