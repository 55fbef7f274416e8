#pragma once

#include "app/Griglia.h"
#include "archive/Archivio.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The "Consulta" page: eighteen draws, every value painted in the colour of the
// active classes it belongs to.
namespace sestina::statistiche {

inline constexpr int NumeroClassiConsulta = 20;
inline constexpr int RigheConsulta = 18;

struct ClasseConsulta {
    std::string didascalia; // the button caption, "&" and centring blanks included
    std::string nome;       // the caption without "&" and blanks: "Pari", "Ambi Vertibili"
    Colore colore;
};

// The twenty classes in the order their colours are applied (a later one wins).
const std::array<ClasseConsulta, NumeroClassiConsulta> &ClassiConsulta();
// Index of a class by its name, "&" and surrounding blanks ignored, letters folded.
std::optional<int> IndiceClasseConsulta(std::string_view nome);

using InterruttoriClassi = std::array<bool, NumeroClassiConsulta>;

// The eight values of a draw row: six numbers, jolly, superstar.
using RigaConsulta = std::array<int, 8>;
RigaConsulta RigaDaEstrazione(const archivio::RecordSuperenalotto &r);

// Whether the value at position i (0..7) of the row belongs to class k: a
// membership for the first seven classes, the row test for the others.
bool ValoreNellaClasse(int k, const RigaConsulta &riga, int i);
// The background of a value cell: white, or the colour of the last active class it matches.
Colore ColoreValore(const InterruttoriClassi &attive, const RigaConsulta &riga, int i);

// The newest record shown for position P: never earlier than record 17, never
// past the last draw.
int InizioConsulta(int posizione, int ultima);

// The grid ExtStringGrid3 for draws listed newest first, the first being record
// `primoRecord`.
Griglia GrigliaConsulta(const std::vector<archivio::Estrazione> &estrazioni, int primoRecord,
                        const InterruttoriClassi &attive);
// DisegnaConsulta: reads the draws of position P (clamped) from the archive.
Griglia DisegnaConsulta(const archivio::Archivio &a, int ultima, int posizione, const InterruttoriClassi &attive);

enum class MossaConsulta { Primo, AnnoPr, PagPr, Prec, Succ, PagSuc, AnnoSuc, Ultimo };
// The new PosizioneConsulta after a navigation button.
int NavigaConsulta(const archivio::Archivio &a, int ultima, int posizione, MossaConsulta mossa);

} // namespace sestina::statistiche
