#pragma once

#include "app/Colonna.h"
#include "app/Progresso.h"

#include <functional>
#include <vector>

// Optimised reductions: the greedy system of the "Riduzioni" is far from the
// smallest one with the same guarantee; a local search shrinks it.
namespace sestina::sistemi {

// The effort when the user gives none; see OttimizzaSistema.
inline constexpr int SforzoPredefinito = 10;
inline constexpr int SforzoMassimo = 1000;

struct RisultatoOttimizzazione {
    // Every k-subset of the numbers shares at least k - r numbers with one of
    // them; each column lists its numbers in the order they were given.
    std::vector<Colonna> colonne;
    int colonneGreedy = 0; // the greedy reduction the search started from
    bool interrotta = false;
    long long passi = 0; // local-search moves made
    friend bool operator==(const RisultatoOttimizzazione &, const RisultatoOttimizzazione &) = default;
};

// The greedy reduction at level r (columns kept in the enumeration order of
// the numbers as given, each dropped when an earlier kept one shares k - r).
std::vector<Colonna> RiduzioneGreedy(const std::vector<int> &numeri, int k, int r);

// Starts from RiduzioneGreedy and searches for systems with fewer columns and
// the same guarantee. The amount of work grows with sforzo (1..SforzoMassimo)
// and never depends on the clock; the random choices are seeded from the input,
// so the same input gives the same system on any machine. progresso.Avanza gets
// the work done out of the work allowed; colonneAttuali (if given) the size of
// each better system found. Interrompi ends the search with the best system so
// far. The result is proved by VerificaGaranzia before it is returned.
// Throws Errore: numbers outside 1..90 or repeated, k outside 2..10, r outside
// 1..k-1, fewer than k numbers, more than 1,000,000 integral columns.
RisultatoOttimizzazione OttimizzaSistema(const std::vector<int> &numeri, int k, int r, int sforzo, Progresso &progresso,
                                         const std::function<void(int colonne)> &colonneAttuali = {});

} // namespace sestina::sistemi
