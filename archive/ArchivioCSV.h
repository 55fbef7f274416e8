#pragma once

#include "archive/Record.h"

#include <string>
#include <string_view>
#include <vector>

// The archive as a CSV file with the header
// data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar (superstar 0 where a draw had none).
namespace sestina::archivio {

inline const char *const IntestazioneCSV = "data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar";

// Checks the whole text first and returns every draw; a bad line throws Errore
// naming the line and what is wrong with it, a file without draws is refused.
std::vector<Estrazione> LeggiArchivioCSV(std::string_view testo);
// The bytes of a CSV file: Windows-1252, or UTF-8 when it begins with the byte-order mark.
std::vector<Estrazione> LeggiArchivioCSVByte(std::string_view byte);
std::vector<Estrazione> LeggiFileArchivioCSV(const std::string &percorso);
// CR LF lines, dates dd/mm/yyyy.
std::string ScriviArchivioCSV(const std::vector<Estrazione> &estrazioni);

} // namespace sestina::archivio
