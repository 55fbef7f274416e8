#include "slips/FileSchedine.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"
#include "systems/FileSviluppo.h"

#include <algorithm>

namespace sestina::schedine {

std::string CodificaSchedineStandard(const TExStringList &lista)
{
    return sistemi::CodificaSviluppo(lista);
}

TExStringList DecodificaSchedineStandard(std::string_view byte, const std::string &nomeFile)
{
    return sistemi::ListaDaColonne(sistemi::DecodificaSviluppo(byte, nomeFile));
}

std::string CodificaSchedineCSV(const TExStringList &lista)
{
    std::string out;
    int riga = 0;
    for (const Colonna &c : lista) {
        sistemi::ControllaColonnaDaSalvare(c, ++riga);
        for (unsigned char n : c) {
            out += std::to_string(n);
            out += ';';
        }
        out += "\r\n";
    }
    return out;
}

TExStringList DecodificaSchedineCSV(std::string_view byte, const std::string &nomeFile)
{
    TExStringList lista;
    PerOgniRiga(byte, [&](std::string_view testo, std::size_t riga) {
        if (testo.size() > LunghezzaMassimaRigaCSV)
            throw Errore(Formato("File \"%s\", riga %zu: riga troppo lunga (%zu caratteri, al massimo %zu)",
                                 nomeFile.c_str(), riga, testo.size(), LunghezzaMassimaRigaCSV),
                         nomeFile);
        Colonna c;
        for (std::size_t i = 0; i < testo.size();) {
            if (testo[i] < '0' || testo[i] > '9') {
                ++i;
                continue;
            }
            std::size_t j = i;
            long valore = 0;
            while (j < testo.size() && testo[j] >= '0' && testo[j] <= '9') {
                valore = std::min(valore * 10 + (testo[j] - '0'), 1000L);
                ++j;
            }
            if (valore < 1 || valore > 90)
                throw Errore(Formato("File \"%s\", riga %zu: \"%s\" non è un numero da 1 a 90", nomeFile.c_str(), riga,
                                     std::string(testo.substr(i, j - i)).c_str()),
                             nomeFile);
            if (c.size() == NumeriMassimiColonna)
                throw Errore(Formato("File \"%s\", riga %zu: più di %zu numeri: una colonna ne può contenere al "
                                     "massimo %zu",
                                     nomeFile.c_str(), riga, NumeriMassimiColonna, NumeriMassimiColonna),
                             nomeFile);
            c.push_back(static_cast<char>(valore));
            i = j;
        }
        lista.Add(std::move(c));
    });
    return lista;
}

bool PercorsoCSV(const std::string &percorso)
{
    if (percorso.size() < 4)
        return false;
    std::string est = percorso.substr(percorso.size() - 4);
    std::transform(est.begin(), est.end(), est.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return est == ".csv";
}

void SalvaSchedine(const std::string &percorso, const TExStringList &lista)
{
    ScriviFileAtomico(percorso, PercorsoCSV(percorso) ? CodificaSchedineCSV(lista) : CodificaSchedineStandard(lista));
}

TExStringList CaricaSchedine(const std::string &percorso)
{
    const std::string byte = LeggiFile(percorso);
    return PercorsoCSV(percorso) ? DecodificaSchedineCSV(byte, percorso) : DecodificaSchedineStandard(byte, percorso);
}

} // namespace sestina::schedine
