#pragma once

// The frequency and delay engine: AnalisiRitardi over a span of draws for any
// list of items, AnalisiCalore over the window that ends at a draw.

#include "archive/Record.h"
#include "stats/Classi.h"

#include <vector>

namespace sestina::statistiche {

// An item of AnalisiRitardi: present in a draw when at least `minimo` of the
// counted values (repeats included) fall in `membri`: 1 for a number, 2 for a
// pair or a group.
struct Voce {
    Insieme membri;
    int minimo = 1;
};

// The fourteen item lists of the statistics tables, in the order of their buttons.
enum class ListaVoci {
    Numeri,
    AmbiGemelli,
    AmbiVertibili,
    AmbiFigure,
    AmbiQuartineRadicali,
    AmbiTerzineSimmetriche,
    AmbiConsecutivi,
    AmbiDecine,
    AmbiCadenze,
    AmbiComplementari,
    AmbiDiametrali,
    AmbiCinquinaPentagonale,
    AmbiSestinaEsagonale,
    AmbiAlternati,
};
inline constexpr int NumeroListeVoci = 14;

const std::vector<Voce> &VociDi(ListaVoci l);

struct RecordRitardo {
    int RitardoAttuale = 0;
    int RitardoMassimo = 0;
    int Frequenza = 0;
    friend bool operator==(const RecordRitardo &, const RecordRitardo &) = default;
};

struct RisultatoRitardi {
    std::vector<RecordRitardo> voci; // list order
    int MassimoAttuale = 0;          // largest RitardoAttuale after the last draw
    int MassimoRitardo = 0;          // largest RitardoMassimo
    int MassimoFrequenza = 0;        // largest Frequenza
    friend bool operator==(const RisultatoRitardi &, const RisultatoRitardi &) = default;
};

// The six numbers and the jolly count; the superstar never. Draws F..L are
// examined (draw F alone when F > L). Indexes are record numbers of `archivio`;
// throws Errore when the span leaves the archive.
RisultatoRitardi AnalisiRitardi(const std::vector<archivio::Estrazione> &archivio, int F, int L,
                                const std::vector<Voce> &voci);

struct RecordCalore {
    int primo = 0;   // the number, or the pair's smaller number
    int secondo = 0; // the pair's larger number; 0 for numbers
    int Frequenza = 0;
    int Ritardo = 0;
    int PrimaUscita = 0;
    int UltimaUscita = 0;
    double Media = 0.0;
    friend bool operator==(const RecordCalore &, const RecordCalore &) = default;
};

enum class TipoCalore { Estratti, Ambi };

// Position in the 4005 pairs of lexicographic order, 0-based; a < b.
int IndiceAmbo(int a, int b);

// The N draws E-N+1 .. E, six numbers only. A window reaching before the first
// draw is clipped to it (positions then run 1..E+1). N must be at least 1.
std::vector<RecordCalore> AnalisiCalore(const std::vector<archivio::Estrazione> &archivio, int E, int N,
                                        TipoCalore tipo);

// The number of draws actually analysed for E and N (the clip above).
int FinestraCalore(int E, int N);

} // namespace sestina::statistiche
