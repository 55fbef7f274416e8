#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "archive/Record.h"

#include <array>
#include <string>
#include <vector>

// The '&Astro' page: a forecast of five rows for a zodiac sign from a draw and
// the draw before it.
namespace sestina::metodi {

struct SegnoZodiacale {
    const char *nome;
    const char *periodo;
    const char *immagine;
    int i, j, k; // starting positions: i, j in the draw, k in the draw before it
};
// Signs 1..12 at index 0..11.
const std::array<SegnoZodiacale, 12> &SegniZodiacali();
// "Ariete-21 Marzo - 20 Aprile".
std::string TitoloSegno(int segno);

// An ambata, four numbers and five numbers, each ascending.
struct RigaPrevisione {
    int Ambata = 0;
    std::array<int, 4> Quartina{};
    std::array<int, 5> Cinquina{};
    friend bool operator==(const RigaPrevisione &, const RigaPrevisione &) = default;
};
using PrevisioneAstrolotto = std::array<RigaPrevisione, 5>;

// The final ambata from a provisional one: double it, wrap into 1..90 and step
// past the row's own numbers.
int AmbataDaRaddoppio(int provvisoria, const std::vector<int> &esclusi);

// Record d (positions 1..8 of draw r) and p (of draw r - 1).
PrevisioneAstrolotto CalcolaPrevisioneAstrolotto(const archivio::RecordSuperenalotto &d,
                                                 const archivio::RecordSuperenalotto &p, int segno);

// Ambata, Quartina, Cinquina, repeats removed (first occurrence stays).
Colonna GiocataAstro(const RigaPrevisione &riga);

// ExtStringGrid12: five rows, no header; the selected row coloured.
Griglia GrigliaPrevisioneAstro(const PrevisioneAstrolotto &p, int rigaSelezionata);
// The crossword's list: four rows from the selected one on, cyclically, each
// its Quartina text, a space, its Cinquina text ("%d " per number).
std::string ListaCruciverbaAstro(const PrevisioneAstrolotto &p, int rigaSelezionata);

inline constexpr const char *MsgCalcoloImpossibile = "Calcolo Impossibile";

struct RisultatoAstro {
    int record = 0;         // the record computed (1 when the oldest was asked)
    bool ripiegato = false; // the oldest draw was asked: "Calcolo Impossibile"
    PrevisioneAstrolotto previsione;
    Griglia previsioneGriglia; // ExtStringGrid12
    Griglia ritardo;           // ExtStringGrid13
    Griglia esiti;             // ExtStringGrid14
    bool segnale = false;      // beep
    std::string listaCruciverba;
};

// The whole recompute of the page for record r (0 .. last), sign 1..12 and row 0..4.
// Throws Errore with an empty archive or only one draw.
RisultatoAstro CalcolaAstro(const std::vector<archivio::Estrazione> &estrazioni, int r, int segno, int riga);

} // namespace sestina::metodi
