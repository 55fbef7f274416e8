#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The system file ".stm" of the "&Sistemi" page: one record of 192 bytes holding
// the marked numbers ("%.2d " each, board-column order), the item index of
// "Numeri in combinazione" (k - 3) and of "Riduzioni".
namespace sestina::sistemi {

inline constexpr int DimensioneFileSistema = 192;
inline constexpr int NumeriMassimiFileSistema = 60; // 181 characters hold sixty "%.2d " numbers
inline constexpr const char *FiltroFileSistema = "File Sistema|*.stm";

struct FileSistema {
    std::string testo;                 // the numbers text, "%.2d " per number
    std::int32_t indiceNumeri = 0;     // k - 3
    std::int32_t livelloRiduzione = 0; // 0..3

    // The numbers whose "%.2d " occurs in the text, in text order.
    std::vector<int> Numeri() const;
    friend bool operator==(const FileSistema &, const FileSistema &) = default;
};

// From the marked numbers (any order: they are put in board-column order).
// Throws Errore when more than 60 numbers are marked, or k or the level is out of range.
FileSistema SistemaDaNumeri(const std::vector<int> &numeri, int k, int livello);

// Throws Errore when the text is longer than 181 characters.
std::array<std::uint8_t, DimensioneFileSistema> CodificaFileSistema(const FileSistema &s);
// Throws Errore (naming `nomeFile`) for a short record, a length above 181, a text
// that is not "%.2d " numbers 1..90, or indexes out of range. Extra bytes after the
// record are ignored.
FileSistema DecodificaFileSistema(std::string_view byte, const std::string &nomeFile);

// Whole-file overloads (the write goes through a temporary file and a rename).
void SalvaFileSistema(const std::string &percorso, const FileSistema &s);
FileSistema CaricaFileSistema(const std::string &percorso);

} // namespace sestina::sistemi
