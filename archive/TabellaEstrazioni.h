#pragma once

#include "app/Griglia.h"
#include "archive/Archivio.h"

namespace sestina::archivio {

// The clamp of the draws table: above the last draw stays on it, below 0 becomes
// 0, and 0 becomes 14 (or the last draw with fewer than fifteen draws).
int ClampCursore(int cursore, int ultima);

// The draws table ExtStringGrid5: fifteen draws from the (clamped) cursor down,
// newest at the top. The cursor is clamped in place.
Griglia MostraEstrazioni(const Archivio &a, int ultima, int &cursore);
// Header row and layout of the draws table, with no draw.
Griglia TabellaEstrazioniVuota();
// Writes one draw into row r of the draws table.
void ScriviRigaEstrazione(Griglia &g, int riga, const Estrazione &e);

// The draw list of the hot-numbers page: b draws from record a down.
Griglia ElencoEstrazioni(const Archivio &a, int ultima, int a_, int b);

} // namespace sestina::archivio
