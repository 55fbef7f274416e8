#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "app/Progresso.h"

#include <optional>
#include <string>
#include <vector>

// The crossword of numbers shared by the '&Astro', 'Metodi' and '&Cruci' pages and
// by the completion to 90: a grid where no number repeats in a row or column, whose
// lines are then developed into combinations.
namespace sestina::metodi {

inline constexpr int MinimoLato = 3;
inline constexpr int MassimoLato = 10;
inline constexpr const char *MsgDimensioniCruciverba = "Impossibile\n\rCambia Dimensioni Cruciverba";
inline constexpr const char *MsgSecondoCapogioco =
    "Non puoi inserire il secondo capogioco\n\nIl cruciverba deve avere Colonne e Righe composte da numeri Pari";

struct Cruciverba {
    int righe = 0;
    int colonne = 0;
    std::vector<int> celle; // row by row; 0 is an empty cell
    int capo1 = 0;          // capogioco placed on the diagonals (0: none)
    int capo2 = 0;
    bool completo = false; // every cell got a number

    int at(int r, int c) const { return celle[static_cast<size_t>(r * colonne + c)]; }
    bool CapoPosto() const { return capo1 != 0 || capo2 != 0; }
    // Active capogioco numbers, first then second.
    std::vector<int> Capigioco() const;
    // Distinct numbers in the grid, ascending.
    std::vector<int> Numeri() const;
};

// What happens when the fill has used the whole list: start again ('&Astro',
// 'Metodi') or stop ('&Cruci').
enum class FineLista { Ricomincia, Ferma };

// RiempiCruciverba. Capogioco are placed only on a square grid. With Ricomincia a
// cell that no number of the list can take stops the fill (it never loops).
Cruciverba RiempiCruciverba(int righe, int colonne, int capo1, int capo2, const std::vector<int> &lista,
                            FineLista fine);
// Numbers of a list text ("5 17 42 "), in order, repeats kept.
std::vector<int> NumeriDaLista(const std::string &testo);

// Whether the second capogioco may be set on an R x C grid ('&Astro', 'Metodi').
bool SecondoCapogiocoAmmesso(int righe, int colonne);

struct SviluppoCruci {
    std::vector<Colonna> colonne;         // sorted ascending each
    std::optional<std::string> messaggio; // MsgDimensioniCruciverba
    bool interrotto = false;
};

// SviluppoCruciverba: k = 0 whole lines, 3..6 combinations; livello 0..3 reduction.
// Columns first, then rows; the active capogioco join every combination.
SviluppoCruci SviluppaCruciverba(const Cruciverba &c, int k, int livello, Progresso *stop = nullptr);

struct RisultatoCruci {
    Cruciverba cruciverba;
    SviluppoCruci sviluppo;
    bool sviluppato = false; // a development was built (write it to "sviluppo")
};
// A page's fill and development. `k` (0 whole lines, 3..6) counts only with a
// reduction (livello > 0). With FineLista::Ferma ('&Cruci') an unfinished fill has no
// development.
RisultatoCruci CalcolaCruciverba(const std::vector<int> &lista, FineLista fine, int righe, int colonne, int capo1,
                                 int capo2, int livello, int k);
// '&Cruci': the selected numbers in board column order.
RisultatoCruci CalcolaCruci(const std::vector<int> &selezionati, int righe, int colonne, int capo1, int capo2,
                            int livello, int k);
// '&Astro' and 'Metodi' offer only "Sei" with a reduction.
inline int DimensioneAstroMetodi(int livello)
{
    return livello > 0 ? 6 : 0;
}

// The crossword grid (no header; capogioco cells light cyan).
Griglia GrigliaCruciverba(const Cruciverba &c);
// NumeriInGioco: 9 rows x 10 columns of 1..90, the given numbers highlighted.
Griglia GrigliaNumeriInGioco(const std::vector<int> &evidenziati);
// "Numeri in Gioco: %d".
std::string DidascaliaNumeriInGioco(int n);

// Manual change on '&Astro' / 'Metodi': a number already in the crossword is
// removed from every cell; any other number is written into every empty cell.
void CambiaNumeroCruciverba(Cruciverba &c, int numero);

} // namespace sestina::metodi
