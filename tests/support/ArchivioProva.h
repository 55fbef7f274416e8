#pragma once

#include "app/Data.h"
#include "archive/Archivio.h"

#include <random>
#include <string>
#include <vector>

namespace sestina::prova {

// A temporary program folder, removed with the object.
class CartellaTemporanea {
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea &) = delete;
    CartellaTemporanea &operator=(const CartellaTemporanea &) = delete;
    const std::string &dir() const { return m_dir; } // with trailing '/'
    std::string percorso(const std::string &nome) const { return m_dir + nome; }

private:
    std::string m_dir;
};

// A draw on date g/m/a with the given numbers.
archivio::Estrazione Estr(int g, int m, int a, int concorso, std::vector<int> numeri, int jolly, int superstar);

// Draws from rows of six numbers, optionally followed by jolly and superstar
// (missing ones take the given values); one draw every `passo` days from `inizio`,
// contest numbers 1, 2, ...
std::vector<archivio::Estrazione> EstrazioniDaNumeri(const std::vector<std::vector<int>> &righe,
                                                     Data inizio = Data{1, 3, 2011}, int passo = 1, int jolly = 0,
                                                     int superstar = 0);

// n random draws from 1/1/2000, about two a week, six different numbers and a jolly, any superstar.
std::vector<archivio::Estrazione> EstrazioniCasuali(unsigned seme, int n);
// The real draws shipped with the project (data/superenalotto.csv).
std::vector<archivio::Estrazione> EstrazioniReali();

// The last 40 real draws, and the slice [da, a) of them: the remote archive the
// update tests serve piece by piece.
const std::vector<archivio::Estrazione> &UltimeReali();
std::vector<archivio::Estrazione> ParteReali(std::size_t da, std::size_t a);

// Writes the two archive files of these draws into dir.
void ScriviArchivio(const std::string &dir, const std::vector<archivio::Estrazione> &estrazioni);
std::string LeggiByte(const std::string &percorso);
void ScriviByte(const std::string &percorso, const std::string &byte);

} // namespace sestina::prova
