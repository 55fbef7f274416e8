#include "ArchivioProva.h"

#include "app/FileAtomico.h"
#include "archive/ArchivioCSV.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace sestina::prova {

CartellaTemporanea::CartellaTemporanea()
{
    std::string modello = (std::filesystem::temp_directory_path() / "sestina-prova-XXXXXX").string();
    if (!::mkdtemp(modello.data()))
        throw std::runtime_error("mkdtemp");
    m_dir = modello + "/";
}

CartellaTemporanea::~CartellaTemporanea()
{
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
}

archivio::Estrazione Estr(int g, int m, int a, int concorso, std::vector<int> numeri, int jolly, int superstar)
{
    archivio::Estrazione e;
    e.data = {static_cast<std::uint16_t>(g), static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(a),
              static_cast<std::uint16_t>(concorso)};
    for (size_t i = 0; i < 6 && i < numeri.size(); ++i)
        e.numeri.numeri[i] = static_cast<std::uint8_t>(numeri[i]);
    e.numeri.jolly = static_cast<std::uint8_t>(jolly);
    e.numeri.superstar = static_cast<std::uint8_t>(superstar);
    return e;
}

std::vector<archivio::Estrazione> EstrazioniDaNumeri(const std::vector<std::vector<int>> &righe, Data inizio,
                                                     int passo, int jolly, int superstar)
{
    std::vector<archivio::Estrazione> out;
    Data d = inizio;
    int concorso = 1;
    for (const auto &r : righe) {
        std::vector<int> sei(r.begin(), r.begin() + static_cast<long>(std::min<size_t>(r.size(), 6)));
        out.push_back(Estr(d.giorno, d.mese, d.anno, concorso++, sei, r.size() > 6 ? r[6] : jolly,
                           r.size() > 7 ? r[7] : superstar));
        d = d.piuGiorni(passo);
    }
    return out;
}

std::vector<archivio::Estrazione> EstrazioniCasuali(unsigned seme, int n)
{
    std::mt19937 rng(seme);
    std::vector<archivio::Estrazione> out;
    Data d{4, 1, 2000};
    int concorso = 1;
    for (int i = 0; i < n; ++i) {
        std::vector<int> urna(90);
        for (int k = 0; k < 90; ++k)
            urna[static_cast<size_t>(k)] = k + 1;
        std::shuffle(urna.begin(), urna.end(), rng);
        int superstar = std::uniform_int_distribution<int>(1, 90)(rng);
        if (d.anno > 9000)
            d = Data{4, 1, 2000};
        out.push_back(Estr(d.giorno, d.mese, d.anno, concorso++, {urna.begin(), urna.begin() + 6}, urna[6], superstar));
        d = d.piuGiorni(i % 2 == 0 ? 3 : 4);
    }
    return out;
}

std::vector<archivio::Estrazione> EstrazioniReali()
{
    return archivio::LeggiArchivioCSV(LeggiFile(std::string(SESTINA_SOURCE_DIR) + "/data/superenalotto.csv"));
}

const std::vector<archivio::Estrazione> &UltimeReali()
{
    static const std::vector<archivio::Estrazione> r = [] {
        std::vector<archivio::Estrazione> tutte = EstrazioniReali();
        return std::vector<archivio::Estrazione>(tutte.end() - 40, tutte.end());
    }();
    return r;
}

std::vector<archivio::Estrazione> ParteReali(std::size_t da, std::size_t a)
{
    return std::vector<archivio::Estrazione>(UltimeReali().begin() + static_cast<long>(da),
                                             UltimeReali().begin() + static_cast<long>(a));
}

void ScriviArchivio(const std::string &dir, const std::vector<archivio::Estrazione> &estrazioni)
{
    archivio::Archivio(dir).Sostituisci(estrazioni);
}

std::string LeggiByte(const std::string &percorso) { return LeggiFile(percorso); }

void ScriviByte(const std::string &percorso, const std::string &byte)
{
    std::ofstream f(percorso, std::ios::binary | std::ios::trunc);
    f << byte;
}

} // namespace sestina::prova
