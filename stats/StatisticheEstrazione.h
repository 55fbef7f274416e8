#pragma once

#include "app/Griglia.h"

#include <array>
#include <bitset>
#include <string>
#include <vector>

// The three grids under the draws table of "Estrazioni". They read only the texts
// of the draws table (ExtStringGrid5: six numbers in columns 2..7, jolly 8,
// superstar 9, one draw per row 1..15), so they describe what the table shows.
namespace sestina::statistiche {

inline constexpr int RigheTabellaEstrazioni = 15;

// The two positions (1..6) of the pair of each distance column 1..15.
struct CoppiaPosizioni {
    int p, q;
};
const std::array<CoppiaPosizioni, 15> &CoppieDistanze();

// ---- "Distanze / Somme" -----------------------------------------------------

enum class ModoDistanze { Ciclometriche, Matematica, Pondometrica };
// The items of "Mostra", in order.
const std::array<std::string, 3> &VociMostraDistanze();

// Which feature painted a cell of the distances grid.
enum class Evidenza : unsigned char { Nessuna, Selezione, AmbiPosizione, AmbiRipetuti, AmbiUniti };

struct OpzioniDistanze {
    ModoDistanze modo = ModoDistanze::Ciclometriche;
    bool selezione = false;
    bool ambiPosizione = false;
    bool ambiRipetuti = false;
    bool ambiUniti = false;
    std::bitset<91> valoriSelezionati; // ValoriSelezionati, values 1..90
    Colore coloreSelezione{255, 255, 168};   // Shape1
    Colore colorePosizione{255, 202, 149};   // Shape2
    Colore coloreRipetuti{215, 215, 255};    // Shape3
    Colore coloreUniti{203, 245, 197};       // Shape7

    Colore ColoreDi(Evidenza e) const;
};

struct RisultatoDistanze {
    Griglia griglia;                                  // ExtStringGrid1
    std::array<std::array<Evidenza, 16>, 16> evidenze{}; // per cell, what painted it last
};

// The value of a pair of numbers in a mode.
int ValoreDistanza(ModoDistanze modo, int g, int h);
// AggiornaDistanze, first part: the grid with its highlights.
RisultatoDistanze GrigliaDistanze(const Griglia &tabella, const OpzioniDistanze &opzioni);
// AggiornaDistanze, last part: every number cell of the draws table back to white,
// then the numbers of every highlighted pair in the colour of its highlight.
void EvidenziaTabellaEstrazioni(Griglia &tabella, const RisultatoDistanze &distanze, const OpzioniDistanze &opzioni);
// A click on a distances cell while "Selezione" is ticked: toggles its value in
// ValoriSelezionati. False when the cell holds no value 1..90 (nothing changes).
bool CommutaSelezione(OpzioniDistanze &opzioni, const Griglia &distanze, int riga, int colonna);

// ---- "Decine/Cadenze/Figure/..." --------------------------------------------

enum class ClassiEstrazione { Decine, Cadenze, Figure, Radicali, Pentagoni, Esagoni };
// The items of ComboBox5, in order.
const std::array<std::string, 6> &VociClassiEstrazione();

// ExtStringGrid2: the group index of every value of every draw row. A value in
// no group of the partition, or a cell without a draw, is left empty.
Griglia GrigliaClassi(const Griglia &tabella, ClassiEstrazione classi);
// The legend lines "D 01 = 90,1,2,..."; the first five characters are shown in red.
std::vector<std::string> LegendaClassi(ClassiEstrazione classi);

// ---- "Pari/Dispari/Minimo/..." ----------------------------------------------

// ExtStringGrid6, "Dati Statistici".
Griglia GrigliaDatiStatistici(const Griglia &tabella);

// The eight values of draw row r of the draws table (columns 2..9); empty cells read as 0.
std::array<int, 8> ValoriRiga(const Griglia &tabella, int riga);
// Whether row r of the draws table holds anything in its number cells.
bool RigaConDati(const Griglia &tabella, int riga);

} // namespace sestina::statistiche
