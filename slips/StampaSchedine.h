#pragma once

#include "app/TExStringList.h"
#include "slips/Schedine.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Slip printing as numbers: the places of a slip's marks on the paper form and
// the black boxes they become with the printer calibration.
namespace sestina::schedine {

inline const char *const FileTaratura = "Taraturase.DAT";
inline const char *const MsgTaratura = "Devi effettuare la taratura";
inline const char *const MsgNessunaColonna = "Non ci sono colonne da stampare";

// The six values of the calibration window, in screen pixels, in the file's order.
struct ValoriTaratura {
    int larghezzaSegno = 12;      // H, box extent along y
    int altezzaSegno = 8;         // W, box extent along x
    int distanzaOrizzontale = 20; // DX, step between lines
    int distanzaVerticale = 18;   // DY, step between positions
    int verticale = 81;           // Y0
    int orizzontale = 10;         // X0
    friend bool operator==(const ValoriTaratura &, const ValoriTaratura &) = default;
};

// The bound of every calibration value, as the window's spin edits have it: far
// beyond any form, and small enough that printer coordinates cannot overflow.
inline constexpr int ValoreMassimoTaratura = 100000;

// "Taraturase.DAT": six lines, each a decimal integer. A short file, a line that
// is not a whole number or a value beyond ValoreMassimoTaratura (either sign) throws Errore
// naming the file and the line. ScriviTaratura refuses the values the reader refuses.
ValoriTaratura LeggiTaratura(const TExStringList &righe);
TExStringList ScriviTaratura(const ValoriTaratura &v);
// nullopt when the program folder `dir` has no calibration file.
std::optional<ValoriTaratura> CaricaTaratura(const std::string &dir);
void SalvaTaratura(const std::string &dir, const ValoriTaratura &v);

// The printer geometry in device pixels (assegnadati): each value times the
// printer's dots per inch divided (integer division) by the window's.
struct GeometriaStampa {
    int X0 = 0, Y0 = 0, DX = 0, DY = 0, W = 0, H = 0;
    int rapportoOrizzontale = 1, rapportoVerticale = 1;
};
GeometriaStampa assegnadati(const ValoriTaratura &v, int dpiStampanteX, int dpiStampanteY, int dpiFinestra);

// A place of the form: line L (along x) and position P (along y).
struct Posto {
    int L = 0, P = 0;
    friend bool operator==(const Posto &, const Posto &) = default;
};
// A filled box, corners included as the printer draws them.
struct Casella {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const Casella &, const Casella &) = default;
};

// Every mark of a slip in printing order: panel A, panel B, SuperStar A and B,
// the additional play, the subscription, the reduction, the bases.
std::vector<Posto> PostiSchedina(const tdatischedinaSE &s);
Casella CasellaDi(Posto p, const GeometriaStampa &g);

// StampaSchedina: the boxes of one slip and its caption "schedina.<n>" (n = the
// panel-A index div 2, plus 1) at (X0 + 3 DX, 34 DY).
struct PaginaSchedina {
    std::vector<Casella> caselle;
    std::string didascalia;
    int xDidascalia = 0, yDidascalia = 0;
};
PaginaSchedina StampaSchedina(const tdatischedinaSE &s, int indice, const GeometriaStampa &g);
// The test page of the calibration: every number place of both panels (180 boxes).
std::vector<Casella> CaselleProva(const GeometriaStampa &g);

// The slips a command prints, as (record, panel-A index). The page-wide marks
// (SuperStar, additional play, subscription, reduction, bases) come from `segni`.
// "&Tutte le Schedine": every slip; "&Selezione Manuale": slips da..a (from 1,
// clamped to the list). Throws Errore MsgNessunaColonna for an empty list.
using SchedinaDaStampare = std::pair<tdatischedinaSE, int>;
std::vector<SchedinaDaStampare> SchedineDaStampare(const TExStringList &lista, int da, int a,
                                                   const tdatischedinaSE &segni);
std::vector<SchedinaDaStampare> TutteLeSchedine(const TExStringList &lista, const tdatischedinaSE &segni);

// The four markers of the calibration picture (left, top): their reset places
// moved by the change of the values from `riferimento` (the values at the last reset or load).
using Marcatori = std::array<std::pair<int, int>, 4>;
Marcatori PosizioneMarcatori(const ValoriTaratura &riferimento, const ValoriTaratura &attuali);

} // namespace sestina::schedine
