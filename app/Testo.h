#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text helpers with the program's fixed locale (decimal comma, "." thousands,
// dates dd/mm/yyyy), independent of the machine's locale. Strings in memory are
// UTF-8; files are Windows-1252.
namespace sestina {

std::string DaUtf8ACp1252(std::string_view utf8);
std::string DaCp1252AUtf8(std::string_view cp1252);
// CP850, the OEM code page of DBF text fields; characters it lacks become '?'.
std::string DaUtf8ACp850(std::string_view utf8);
std::string DaCp850AUtf8(std::string_view cp850);

// Calls f(riga, numero) for each line of testo, split at '\n' (the '\n' left
// out, a '\r' kept), numbered from 1; a last line without '\n' counts too.
template <class F> void PerOgniRiga(std::string_view testo, F &&f)
{
    std::size_t inizio = 0;
    std::size_t numero = 0;
    while (inizio < testo.size()) {
        std::size_t fine = testo.find('\n', inizio);
        if (fine == std::string_view::npos)
            fine = testo.size();
        f(testo.substr(inizio, fine - inizio), ++numero);
        inizio = fine + 1;
    }
}

std::string Trim(std::string_view s);
std::string TrimRight(std::string_view s);

// printf with the C locale whatever the process locale is.
std::string Formato(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

// A decimal with the decimal comma: FormatoDecimale(6.0, 2) == "6,00".
std::string FormatoDecimale(double valore, int decimali);

// Integer text as the program's conversions read it: optional sign, digits,
// surrounding blanks allowed. Throws Errore "'%s' is not a valid integer value".
int LeggiIntero(std::string_view testo);
// Like LeggiIntero but returns fallback instead of throwing.
int LeggiInteroOppure(std::string_view testo, int fallback);

// Money: a signed 64-bit count of ten-thousandths of a euro.
using Valuta = std::int64_t;
// Reads "1.234,5" or "0,50"; throws Errore "'%s' is not a valid floating point value".
Valuta LeggiValuta(std::string_view testo);
// Shortest decimal form with a comma: 15000 -> "1,5", 1050000 -> "105".
std::string FormatoValuta(Valuta v);

} // namespace sestina
