#include "archive/Calendario.h"

#include "app/Errore.h"
#include "app/Testo.h"

namespace sestina::archivio {

const std::string &NomeGiornoSettimana(int giorno)
{
    static const std::array<std::string, 7> nomi = {"Domenica", "Lunedì",  "Martedì", "Mercoledì",
                                                    "Giovedì",  "Venerdì", "Sabato"};
    return nomi.at(static_cast<size_t>(giorno));
}

std::string NomeGiorno(int giorno, int mese, int anno)
{
    std::string testo = Formato("%d/%d/%d", giorno, mese, anno);
    Data d = LeggiDataOErrore(testo);
    return NomeGiornoSettimana(d.giornoSettimana());
}

Data ProssimaDataEstrazione(const Data &d, const GiorniEstrazione &flag)
{
    for (int k = 1; k <= 6; ++k) {
        Data c = d.piuGiorni(k);
        if (flag[static_cast<size_t>(c.giornoSettimana())])
            return c;
    }
    return d.piuGiorni(7);
}

GiorniEstrazione LeggiGiorniEstrazione(const TExStringList &righe)
{
    GiorniEstrazione flag{};
    // Line i is weekday (i + 1) % 7: Monday first, Sunday last.
    for (int i = 0; i < 7; ++i)
        flag[static_cast<size_t>((i + 1) % 7)] = righe[i] == "1";
    return flag;
}

TExStringList ScriviGiorniEstrazione(const GiorniEstrazione &flag)
{
    TExStringList l;
    for (int i = 0; i < 7; ++i)
        l.Add(flag[static_cast<size_t>((i + 1) % 7)] ? "1" : "0");
    return l;
}

} // namespace sestina::archivio
