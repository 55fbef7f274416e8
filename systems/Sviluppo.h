#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "app/Progresso.h"
#include "archive/Archivio.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The combination engine of the "&Sistemi" page and of every page that develops
// numbers: integral developments, reduced developments and the reduction pass.
namespace sestina::sistemi {

// The integral count above which "Elabora" refuses (also when a reduction is chosen).
inline constexpr std::uint64_t LimiteColonne = 1000000;
inline constexpr const char *MsgTroppeColonne = "Troppe colonne da sviluppare";
inline constexpr const char *MsgSviluppoImpossibile = "Sviluppo Impossibile";
inline constexpr const char *MsgNessunSviluppo = "Non hai sviluppato alcun sistema";

// For every byte of a, the number of equal bytes of b, summed.
int NumeriComuni(const Colonna &a, const Colonna &b);
// n! / (k! (n-k)!) truncated to 64 bits; 0 when n < k or k < 0.
std::uint64_t Combinazioni(int n, int k);

// How a development went. `elaborate` and `ridotte` are the figures of the
// progress label after the last kept column ("Elaborate %d Ridotte %d").
struct EsitoSviluppo {
    long elaborate = 0;
    long ridotte = 0;
    bool interrotto = false;
};
std::string TestoAvanzamento(long elaborate, long ridotte); // "Elaborate %d Ridotte %d"

// Progress of SviluppaSistema goes through Progresso: Avanza(elaborate, ridotte)
// (the label's two figures, not a fraction), then Interrompi(). It is called at the
// first kept column, then about every few thousand examined candidates, and once
// more with the final figures; a true Interrompi() stops the development.
//
// SviluppaColonne: appends the integral development of the numbers of `testo`
// ("%.2d " each, read with ColonnaDaTesto) in enumeration order: k = 0 one column
// of all numbers, k = 1 one per number, k = 2..10 every combination (a text without
// digits holds no numbers: k = 0 then gives one empty column). Returns true
// when `stop` asked to stop (the list then holds what was appended so far).
[[nodiscard]] bool SviluppaColonne(const std::string &testo, int k, std::vector<Colonna> &lista,
                                   Progresso *stop = nullptr);

// The development of the "&Sistemi" page (k = 3..10, livello 0..3): `lista` is
// emptied, then filled with every candidate that no column kept before it covers
// (shares at least k - livello numbers). Same kept list as the column-by-column
// comparison, computed on a bitset of the (k - livello)-subsets. When stopped,
// `lista` holds the columns kept so far; the page then empties it.
EsitoSviluppo SviluppaSistema(const std::string &testo, int k, int livello, std::vector<Colonna> &lista,
                              Progresso *progresso = nullptr);

// True when some column of `lista` shares at least L(candidata) - r numbers with it.
bool ColonnaCoperta(int r, const Colonna &candidata, const std::vector<Colonna> &lista);

// The reduction pass over a finished list: keeps, in list order, every column that
// no earlier kept column covers (NumeriComuni >= L - r, L the length of the second
// column). Lists whose columns all have one length and distinct numbers use the
// fast subset index; any other list (mixed lengths, repeated numbers) is compared
// column by column exactly as the pass describes. Progresso gets Avanza(done,
// total) and Interrompi(); when stopped, the list is left as it was and the
// function returns true.
[[nodiscard]] bool RiduciColonne(int r, std::vector<Colonna> &lista, Progresso *stop = nullptr);

// --- The "&Sistemi" page ---

// The board cell of number n: column (n - 1) % 10, row (n - 1) / 10.
// Marked numbers in the board's column order: 1, 11, 21 .. 81, 2, 12 .. 90 (each once).
std::vector<int> OrdineTabellone(const std::vector<int> &numeriSegnati);
// "%.2d " per number, in the given order.
std::string TestoNumeriInGioco(const std::vector<int> &numeriInOrdineTabellone);
// Caption of GroupBox12: "Numeri in gioco %d Integrali %d" (count, Combinazioni(count, k)).
std::string DidascaliaNumeriInGioco(int numeri, int k);
// The refusal of "Elabora" for n marked numbers and column size k, if any:
// MsgTroppeColonne when Combinazioni(n, k) > LimiteColonne, else MsgSviluppoImpossibile when n < k.
std::optional<std::string> ControllaSviluppo(int n, int k);

// The fixed permutation of 1..90 of the "Casuali" counter.
const std::array<int, 90> &SequenzaCasuale();

struct StatoNumero {
    int OrdineUscita = 0;   // rank of first appearance reading backwards from the last draw
    int Frequenza = 0;      // appearances in the draws read
    int UltimaPresenza = 0; // 1 = the last draw; 0 = not seen
};
using StatiNumeri = std::array<StatoNumero, 90>; // index n - 1

// Reads back from draw `ultima` until every number has its rank, or to the first draw.
StatiNumeri StatisticheSistemi(const std::vector<archivio::RecordSuperenalotto> &numeri, int ultima);
StatiNumeri StatisticheSistemi(const archivio::Archivio &a, int ultima);

// The "Inserisci" counters: the marked numbers, ascending, each once.
std::vector<int> SelezionaNumeri(const StatiNumeri &stati, int casuali, int ultimi, int frequenze, int ritardi);

// ListView2: one row per number 1..90: "Num", "ORD", "FRE" ("%.2d"), "RIT" ("%.3d" of UltimaPresenza - 1).
struct RigaListView {
    std::array<std::string, 4> testi;
};
std::vector<RigaListView> RigheListView2(const StatiNumeri &stati);
// Sorts by a header's column: "Num" and "ORD" ascending, "FRE" and "RIT" descending, as text.
void OrdinaListView(std::vector<RigaListView> &righe, int colonna);
// Background of a cell of column `colonna` when `colonnaOrdinata` (-1: none) was sorted last.
Colore ColoreListView(int colonna, int colonnaOrdinata);

// ExtStringGrid23: header "Scheda n." / "Sviluppo" (widths 56, 200), then row i:
// i and FormattaColonna of the column sorted.
Griglia GrigliaSviluppo(const std::vector<Colonna> &lista);
// Its reset state after a change of the radio groups: header "Scheda " / "Sviluppo" only.
Griglia GrigliaSviluppoVuota();
// A cell of GrigliaSviluppo(lista) without building the grid (for a view over a
// million columns): row 0 the header, row i >= 1 column i - 1.
std::string TestoSviluppo(const std::vector<Colonna> &lista, int riga, int colonna);
// The CSV of GrigliaSviluppo(lista), written row by row (a million columns need no grid).
void ScriviCSVSviluppo(const std::vector<Colonna> &lista, std::ostream &out);

} // namespace sestina::sistemi
