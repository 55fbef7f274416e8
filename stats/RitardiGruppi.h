#pragma once

#include "app/Griglia.h"
#include "archive/Record.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Group delays: the fifteen groups of k numbers (k = 2..14) that have waited
// longest for an ambo in a span of draws.
namespace sestina::statistiche {

inline constexpr int GruppoMinimo = 2;
inline constexpr int GruppoMassimo = 14;
inline constexpr int VociRitardiGruppi = 15;
// "Ricerca veloce" starts the large groups here.
inline constexpr int InizioVeloceGruppiGrandi = 3700;

struct VoceRitardoGruppo {
    std::vector<int> numeri;             // the group, ascending; empty for an empty entry
    std::string etichetta;               // "05.23.77"
    int ritardo = 0;                     // L - max(F, last ambo)
    int frequenza = 0;                   // draws with two or more numbers of the group
    int ultimaUscita = -1;               // record of the last of those draws; -1 none
    std::string uscitaIl = "Mai uscita"; // its date as in ListaDate
    std::array<int, 8> estrazione{};     // six numbers, jolly, superstar of that draw
    int ritEstratto = 0;                 // L - last draw with any number of the group; 0 none
    friend bool operator==(const VoceRitardoGruppo &, const VoceRitardoGruppo &) = default;
};

struct RisultatoRitardiGruppi {
    int k = 2;
    int inizio = 0; // the span actually searched (after "Ricerca veloce")
    int fine = -1;
    std::vector<VoceRitardoGruppo> voci; // always 15, in the order they were found
};

// The start of the span that "Ricerca veloce" imposes for groups of k numbers.
int InizioRicercaVeloce(int k);

// The fifteen groups in increasing order of max(F, last ambo), ties in
// lexicographic order, for the span inizio..fine of the archive; empty when
// inizio > fine. Incremental clique search: never enumerates the groups.
std::vector<std::vector<int>> GruppiPiuInRitardo(const std::vector<archivio::Estrazione> &estrazioni, int k, int inizio,
                                                 int fine);

// Fills delay, frequency, last ambo and Rit Estratto of each group (the archive read once).
RisultatoRitardiGruppi CompletaRitardiGruppi(const std::vector<archivio::Estrazione> &estrazioni, int k, int inizio,
                                             int fine, const std::vector<std::vector<int>> &gruppi);

// The whole search of the "Ambo" page. With veloce the span starts at
// InizioRicercaVeloce(k). Throws Errore for k outside 2..14 or a span outside the archive.
RisultatoRitardiGruppi CercaRitardiGruppi(const std::vector<archivio::Estrazione> &estrazioni, int k, int inizio,
                                          int fine, bool veloce);

// "05.23.77"
std::string EtichettaGruppo(const std::vector<int> &numeri);
// C(90, k) as the title shows it, "." every three digits.
std::string CombinazioniGruppo(int k);
// "Ambi" .. "Quattordicine"
std::string NomeGruppo(int k);
// "Le 15 Terzine più in ritardo su 117.480"
std::string TitoloRitardiGruppi(int k);

// Whether the "Uscita il" column can be sorted (no "Mai uscita" in it).
bool OrdinabilePerData(const RisultatoRitardiGruppi &r);

// The grid GrigliaRitPerAmbi: 16 rows, 13 columns, sorted descending by
// colonnaOrdine (0 text, 1, 2, 12 integers, 3 dates; others keep the search
// order), its header yellow, the group's numbers yellow among "I".."VI".
// Dates cannot be sorted while a row shows "Mai uscita": "Ritardo" is used then.
Griglia GrigliaRitPerAmbi(const RisultatoRitardiGruppi &r, int colonnaOrdine);

} // namespace sestina::statistiche
