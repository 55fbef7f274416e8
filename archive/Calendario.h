#pragma once

#include "app/Data.h"
#include "app/TExStringList.h"

#include <array>
#include <string>

namespace sestina::archivio {

// Weekday names by weekday 0 Sunday .. 6 Saturday.
const std::string &NomeGiornoSettimana(int giorno);
// Weekday name of a date; throws Errore "'%s' is not a valid date" with "%d/%d/%d".
std::string NomeGiorno(int giorno, int mese, int anno);

using GiorniEstrazione = std::array<bool, 7>; // FlagGiorniEstrazione: 0 Sunday .. 6 Saturday

// The draw after one held on date d: the first of the next six days that is a
// draw day, else d + 7.
Data ProssimaDataEstrazione(const Data &d, const GiorniEstrazione &flag);

// The draw-days file: seven lines Monday .. Sunday, "1" a draw day.
GiorniEstrazione LeggiGiorniEstrazione(const TExStringList &righe);
TExStringList ScriviGiorniEstrazione(const GiorniEstrazione &flag);

} // namespace sestina::archivio
