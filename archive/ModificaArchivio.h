#pragma once

#include "archive/Record.h"

#include <array>
#include <string>
#include <vector>

// Checks and record building for a draw typed into row 1 of the draws table.
namespace sestina::archivio {

inline const char *const MsgEstrazioneNonValida = "Estrazione non valida: controllare i numeri inseriti";
inline const char *const MsgVuoiSalvare = "Vuoi salvare ?";
inline const char *const MsgVuoiEliminare = "Vuoi eliminare l' ultima Estrazione?";
inline const char *const MsgVuoiTroncare = "Vuoi troncare i file?";
inline const char *const MsgMancaData = "Scegliere la data dell'estrazione dal calendario prima di salvare";

// Integer value of a typed cell, 0 when it is not a number.
int ValoreCella(const std::string &testo);
// A number cell keeps only 1..90: anything else is erased.
bool CellaNumeroAccettata(const std::string &testo);

// The six numbers and the jolly in 1..90 and all seven different; the
// superstar in 1..90, free to repeat any of them (it has its own urn).
bool NumeriValidi(const std::vector<std::string> &testi);
// VerificaEstrazione on the eight texts of columns 2..9.
bool VerificaEstrazione(const std::array<std::string, 8> &celle);

// The SuperStar was first drawn on 28/03/2006: earlier draws store 0, "none".
bool SuperstarEstratto(int giorno, int mese, int anno);
// VerificaEstrazione for a draw of a date with or without the SuperStar: without
// it the superstar may stay empty (or 0) and is then stored as 0.
bool VerificaEstrazione(const std::array<std::string, 8> &celle, bool conSuperstar);

// Date and contest number from row 1, columns 0 and 1. The date must be a real
// date (one picked from the calendar); throws Errore otherwise, or with the
// integer conversion error for the contest number.
RecordData CostruisciRecordData(const std::string &testoData, const std::string &testoConcorso);
RecordSuperenalotto CostruisciRecordNumeri(const std::array<std::string, 8> &celle);

} // namespace sestina::archivio
