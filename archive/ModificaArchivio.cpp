#include "archive/ModificaArchivio.h"

#include "app/Colonna.h"
#include "app/Data.h"
#include "app/Errore.h"
#include "app/Testo.h"

#include <algorithm>
#include <tuple>

namespace sestina::archivio {

int ValoreCella(const std::string &testo) { return LeggiInteroOppure(testo, 0); }

bool CellaNumeroAccettata(const std::string &testo)
{
    int v = ValoreCella(testo);
    return v >= 1 && v <= 90;
}

bool NumeriValidi(const std::vector<std::string> &testi)
{
    std::vector<int> valori;
    for (const auto &t : testi) {
        int v = ValoreCella(t);
        if (v <= 0 || v >= 91)
            return false;
        valori.push_back(v);
    }
    // Only the first seven values (six numbers and jolly) must differ.
    size_t distinti = std::min<size_t>(valori.size(), 7);
    for (size_t i = 0; i < distinti; ++i)
        for (size_t j = i + 1; j < distinti; ++j)
            if (valori[i] == valori[j])
                return false;
    return true;
}

bool VerificaEstrazione(const std::array<std::string, 8> &celle)
{
    std::vector<std::string> testi;
    for (const auto &c : celle)
        testi.push_back(std::to_string(ValoreCella(c)));
    return NumeriValidi(testi);
}

bool SuperstarEstratto(int giorno, int mese, int anno)
{
    return std::make_tuple(anno, mese, giorno) >= std::make_tuple(2006, 3, 28);
}

bool VerificaEstrazione(const std::array<std::string, 8> &celle, bool conSuperstar)
{
    if (conSuperstar || Trim(celle[7]).find_first_not_of('0') != std::string::npos)
        return VerificaEstrazione(celle);
    std::vector<std::string> testi;
    for (size_t i = 0; i < 7; ++i)
        testi.push_back(std::to_string(ValoreCella(celle[i])));
    return NumeriValidi(testi);
}

RecordData CostruisciRecordData(const std::string &testoData, const std::string &testoConcorso)
{
    std::string t = testoData;
    RecordData r;
    int g = EstraiNumero(t), m = EstraiNumero(t), a = EstraiNumero(t);
    if (!Data{g, m, a}.valida())
        throw Errore(MsgMancaData);
    r.giorno = static_cast<std::uint16_t>(g);
    r.mese = static_cast<std::uint16_t>(m);
    r.anno = static_cast<std::uint16_t>(a);
    r.concorso = static_cast<std::uint16_t>(LeggiIntero(Trim(testoConcorso)));
    return r;
}

RecordSuperenalotto CostruisciRecordNumeri(const std::array<std::string, 8> &celle)
{
    RecordSuperenalotto r;
    for (size_t i = 0; i < 8; ++i) {
        std::string t = celle[i];
        auto v = static_cast<std::uint8_t>(EstraiNumero(t));
        if (i < 6)
            r.numeri[i] = v;
        else if (i == 6)
            r.jolly = v;
        else
            r.superstar = v;
    }
    return r;
}

} // namespace sestina::archivio
