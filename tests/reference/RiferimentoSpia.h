#pragma once

#include "archive/Record.h"
#include "stats/NumeriSpia.h"

#include <array>
#include <string>
#include <vector>

namespace sestina::riferimento {

// The spy analysis step by step as the window describes it, with plain arrays
// and selection sorts; ranked rows as (count, number) and (count, a, b).
struct RisultatoSpiaRif {
    std::vector<std::array<int, 2>> numeri;
    std::vector<std::array<int, 3>> ambi;
    int spie = 0, somma = 0, media = 0;
    std::vector<bool> spia, analizzata;
    std::string file;
};
RisultatoSpiaRif RiferimentoSpia(const std::vector<archivio::Estrazione> &estrazioni,
                                 const statistiche::ParametriSpia &p);

// The pair statistics with the delay of every unseen pair counted draw by draw.
statistiche::StatisticheAmbi RiferimentoStatistica(const std::vector<archivio::Estrazione> &estrazioni, int inizio,
                                                   int fine, const std::array<bool, 12> &mesi,
                                                   const std::vector<bool> *filtro);

// The pruned lunghette search with every partial sum recomputed from the pair
// table and a plain 20-entry list.
std::vector<statistiche::Lunghetta> RiferimentoLunghette(const statistiche::StatisticheAmbi &stat, int k);

} // namespace sestina::riferimento
