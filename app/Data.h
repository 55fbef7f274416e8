#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sestina {

// A calendar date. Day numbers count from 1/1/1 (proleptic Gregorian), so adding
// days and weekdays need no platform calendar.
struct Data {
    int giorno = 0;
    int mese = 0;
    int anno = 0;

    bool valida() const;
    long numeroGiorno() const; // requires valida()
    static Data daNumeroGiorno(long n);
    // 0 Sunday .. 6 Saturday.
    int giornoSettimana() const;
    Data piuGiorni(long n) const { return daNumeroGiorno(numeroGiorno() + n); }

    // "dd/mm/yyyy", the short date format of the program.
    std::string breve() const;
    // "%d/%d/%d" without leading zeros.
    std::string senzaZeri() const;

    friend bool operator==(const Data &, const Data &) = default;
    friend auto operator<=>(const Data &a, const Data &b)
    {
        if (auto c = a.anno <=> b.anno; c != 0)
            return c;
        if (auto c = a.mese <=> b.mese; c != 0)
            return c;
        return a.giorno <=> b.giorno;
    }
};

int GiorniNelMese(int mese, int anno);

// Reads a date with the short date format: day/month/year (one or two digits for
// day and month, two- or four-digit year). nullopt when it is not a valid date.
std::optional<Data> LeggiData(std::string_view testo);
// As LeggiData but throws Errore "'%s' is not a valid date".
Data LeggiDataOErrore(std::string_view testo);

} // namespace sestina
