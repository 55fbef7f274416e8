#pragma once

#include "app/Data.h"
#include "app/Griglia.h"
#include "app/Progresso.h"
#include "archive/Archivio.h"
#include "archive/Record.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Spy numbers ("Numeri Spia" / "Quando Esce") and the lunghette of the most
// frequent pairs. Record numbers run from 0; every analysis reads the archive
// as a vector of draws and plain inputs.
namespace sestina::statistiche {

enum class ModoSpia { NumeriSpia, QuandoEsce };

inline constexpr int MaxNumeriSpia = 20;
inline constexpr int NumeroAmbi = 4005;

struct ParametriSpia {
    std::vector<int> numeri;   // the chosen spy numbers, 1..90
    int inizio = 0;            // record of "Estrazione iniziale"
    int fine = 0;              // record of "Estrazione finale"
    int colpi = 5;             // "Analisi per estrazione" (N)
    ModoSpia modo = ModoSpia::NumeriSpia;
    bool ambi = false;         // "Analisi uscite": "Ambi" instead of "Estratti"
    std::array<bool, 12> mesi{true, true, true, true, true, true, true, true, true, true, true, true};
};

struct RisultatoSpia {
    Griglia numeri;             // GridNum, "Numeri più usciti"
    Griglia ambi;               // GridAmb, "Ambi più usciti"
    Griglia totali;             // GridRu
    int estrazioniSpia = 0;     // totals row 0
    int sommaVincenti = 0;      // totals row 1
    int mediaVenti = 0;         // totals row 2
    std::vector<bool> spia;        // per record
    std::vector<bool> analizzata;  // per record: the draws whose values were counted
    std::string fileLavoro;        // the working CSV file, Windows-1252, CR LF
};

// (89 - a)(a - 1) + a(a - 1)/2 + b - 1: the pairs numbered 1..4005 in
// lexicographic order; the arguments may come in either order. (Its own
// namespace: the delay engine has a 0-based pair index of the same name.)
namespace spia {
int IndiceAmbo(int a, int b);
}

// "NSpie_BA.csv" or "QEsce_BA.csv".
std::string NomeFileLavoro(ModoSpia modo);

// Throws Errore with the window's message when the spy numbers, the span or
// the months cannot be analysed.
void ControllaParametri(const ParametriSpia &p, int ultimaEstrazione);

// The three result grids with their headings and no rows yet.
RisultatoSpia RisultatoSpiaVuoto();
RisultatoSpia ElaboraSpia(const std::vector<archivio::Estrazione> &archivio, const ParametriSpia &p,
                          Progresso &progresso);

// Pair statistics of the lunghette, indexed by spia::IndiceAmbo (entry 0 unused).
struct StatisticaAmbo {
    int frequenza = 0;
    int ritardo = 0;
    Data ultima;      // last appearance; the start date when never seen
    bool vista = false;
};
using StatisticheAmbi = std::vector<StatisticaAmbo>;

// ElaboraStatistica over the end record and the earlier records of ticked
// months down to (not including) the start; with `filtro`, only the records it marks.
StatisticheAmbi ElaboraStatistica(const std::vector<archivio::Estrazione> &archivio, int inizio, int fine,
                                  const std::array<bool, 12> &mesi, const std::vector<bool> *filtro,
                                  Progresso &progresso);

struct Lunghetta {
    std::vector<int> numeri; // in the order the search added them; empty for an unused entry
    std::vector<int> somme;  // S[1..k] as somme[0..k-1]
    int totale() const { return somme.empty() ? 0 : somme.back(); }
};

// The 20 lunghette of k numbers (3..10) of the pruned search over the pair frequencies.
std::vector<Lunghetta> CercaLunghette(const StatisticheAmbi &stat, int k, Progresso &progresso);

// GrigliaLunghe2 of a list: heading row, column row, 20 rows.
Griglia GrigliaLunghette(const std::vector<Lunghetta> &lista, const StatisticheAmbi &stat, int k);
Griglia GrigliaLunghetteVuota();

// Title above the lunghette grid; k = 0 before any search.
std::string AggiornaDescrizione(int k);
// The group name in the title ("terzine", "decine"; "combinazioni" for k = 0).
std::string NomeLunghette(int k);

struct RisultatoLunghette {
    std::vector<Lunghetta> lista;
    Griglia griglia;
    std::string titolo;
};

RisultatoLunghette ElaboraLunghette(const StatisticheAmbi &stat, int k, Progresso &progresso);

// The window's copy of the archive; "Errore Lunghezze RHV: " and the file name
// when the date file and "Superena.cxz" hold different numbers of records.
std::vector<archivio::Estrazione> LeggiArchivioSpia(const archivio::Archivio &a);

// The date list text of the window: "%2d/%2d/%4d %3d" with the whole contest number.
std::string TestoDataSpia(const archivio::RecordData &d);

// What "Salva CSV" writes: the window's inputs and results.
struct DatiRiepilogo {
    ParametriSpia parametri;
    std::string testoInizio, testoFine; // the two date list texts
    const RisultatoSpia *spia = nullptr; // none: empty result grids
    int kLunghette = 0;                  // size of the shown lunghette, 0 for none
    bool filtroSpia = false;
    Griglia lunghette;
};
// The summary lines (UTF-8, CR LF).
std::string TestoRiepilogo(const DatiRiepilogo &d);

} // namespace sestina::statistiche
