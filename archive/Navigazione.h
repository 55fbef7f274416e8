#pragma once

#include "archive/Archivio.h"

// Moves through the archive by calendar. Each takes a record number r and the
// current UltimaEstrazione, reads the date file and returns a record number.
namespace sestina::archivio {

int AnnoSuccessivo(const Archivio &a, int ultima, int r);
int AnnoPrecedente(const Archivio &a, int ultima, int r);
int MeseSuccessivo(const Archivio &a, int ultima, int r);
int MesePrecedente(const Archivio &a, int ultima, int r);
// The n-th draw (n >= 1) of the month of record r; 0 when the month has fewer.
int EstrazioneDelMese(const Archivio &a, int ultima, int r, int n);

// The buttons of a date list's navigation bar.
enum class MossaData { Primo, AnnoPr, Prec, Succ, AnnoSuc, Ultimo };
// Record number after a move from record r: Primo 0, Ultimo the last draw,
// Prec/Succ one draw within the archive, Anno Pr/Anno Suc by calendar.
int MuoviRecord(const Archivio &a, int ultima, int r, MossaData m);

} // namespace sestina::archivio
