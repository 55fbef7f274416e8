#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "app/Progresso.h"
#include "app/TExStringList.h"
#include "archive/Record.h"
#include "systems/Garanzia.h"
#include "systems/Sviluppo.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Conditioned systems and "basi e varianti": rules every kept column must meet,
// numbers fixed in every column, and what the archive says of the rules.
namespace sestina::sistemi {

inline constexpr int GruppiMassimi = 10;

struct Limiti {
    int minimo = 0;
    int massimo = 0;
    friend bool operator==(const Limiti &, const Limiti &) = default;
};

struct GruppoNumeri {
    std::vector<int> numeri; // distinct, 1..90, ascending
    Limiti limiti;
    friend bool operator==(const GruppoNumeri &, const GruppoNumeri &) = default;
};

// An absent condition does not filter. The "max" conditions are per group of a
// partition: decades 1-10 .. 81-90, cadenze (last digit), figure (digital root).
struct Condizioni {
    std::optional<Limiti> pari;       // even numbers in the column
    std::optional<Limiti> bassi;      // numbers 1..45
    std::optional<Limiti> somma;      // sum of the numbers
    std::optional<Limiti> escursione; // largest minus smallest
    std::optional<int> decinaMax;
    std::optional<int> cadenzaMax;
    std::optional<int> figuraMax;
    std::optional<int> consecutiviMax; // longest run of consecutive numbers
    std::vector<GruppoNumeri> gruppi;  // up to GruppiMassimi
    std::vector<int> basi;             // numbers in every column
    bool Filtrano() const;             // any condition other than the bases
    friend bool operator==(const Condizioni &, const Condizioni &) = default;
};

// The conditions with a name of their own, as the .cnd file and sestina-cli's
// options call them, in the order the file lists them.
struct CondizioneLimiti {
    const char *nome;
    std::optional<Limiti> Condizioni::*campo;
};
inline constexpr CondizioneLimiti CondizioniLimiti[] = {
    {"pari", &Condizioni::pari},
    {"bassi", &Condizioni::bassi},
    {"somma", &Condizioni::somma},
    {"escursione", &Condizioni::escursione},
};
struct CondizioneMassimo {
    const char *nome;
    std::optional<int> Condizioni::*campo;
};
inline constexpr CondizioneMassimo CondizioniMassimi[] = {
    {"decina-max", &Condizioni::decinaMax},
    {"cadenza-max", &Condizioni::cadenzaMax},
    {"figura-max", &Condizioni::figuraMax},
    {"consecutivi-max", &Condizioni::consecutiviMax},
};

// Throws Errore with an Italian message for limits out of order or out of range,
// too many groups, numbers outside 1..90 or repeated.
void ControllaCondizioni(const Condizioni &c);

// Index of the decade (0..8), cadenza (0..9) and figura (1..9) of n.
inline int DecinaDi(int n)
{
    return (n - 1) / 10;
}
inline int CadenzaDi(int n)
{
    return n % 10;
}
inline int FiguraDi(int n)
{
    return 1 + (n - 1) % 9;
}

// One condition of the verdict and its caption ("Pari 3-3", "Gruppo 1 (5 17 23):1-2").
struct VoceCondizione {
    std::string nome;
    std::function<bool(const std::vector<int> &numeri)> rispettata;
};
std::vector<VoceCondizione> VociCondizioni(const Condizioni &c);

// True when the column (distinct numbers) meets every condition (bases excluded).
bool RispettaCondizioni(const Condizioni &c, const std::vector<int> &numeri);

// The integral development under bases and conditions: bases in every column,
// the other numbers in play (variants, in the given order) developed in groups
// of k - bases. Throws Errore when the bases are not among the numbers in play
// or are k or more.
struct SviluppoCondizionato {
    std::vector<int> basi;     // bases in the order of the numbers in play
    std::vector<int> varianti; // the other numbers in play, same order
    int k = 0;
    std::uint64_t integrali = 0; // C(variants, k - bases)
};
SviluppoCondizionato PreparaSviluppo(const std::vector<int> &numeriInGioco, int k, const Condizioni &c);

// The refusal of "Elabora" with conditions or bases, if any: MsgTroppeColonne
// when the bases and variants give more than LimiteColonne columns, then
// MsgSviluppoImpossibile when fewer numbers than k are in play. Throws Errore
// for bad conditions or bases.
std::optional<std::string> ControllaSviluppoCondizionato(const std::vector<int> &numeriInGioco, int k,
                                                         const Condizioni &c);

// How many integral columns the conditions keep (pruned enumeration).
std::uint64_t ContaColonneCondizionate(const std::vector<int> &numeriInGioco, int k, const Condizioni &c);

// Calls `colonna` with every kept column in enumeration order (bases first, then
// the variants in position order); a true return stops the walk (returns true).
bool PercorriColonneCondizionate(const std::vector<int> &numeriInGioco, int k, const Condizioni &c,
                                 const std::function<bool(const std::vector<int> &)> &colonna);

// "Colonne: 906.192 → 41.310".
std::string TestoConteggio(std::uint64_t integrali, std::uint64_t tenute);

// The development of "Elabora" with conditions: the kept columns in enumeration
// order, then the greedy reduction at `livello` (RiduciColonne). Progress:
// Avanza(examined, kept) during the walk. `interrotto` when stopped.
EsitoSviluppo SviluppaSistemaCondizionato(const std::vector<int> &numeriInGioco, int k, int livello,
                                          const Condizioni &c, std::vector<Colonna> &lista,
                                          Progresso *progresso = nullptr);

// "Verifica storica": per condition (and all together), the draws whose six
// numbers meet it, the percentage and the last date it failed.
struct EsitoStorico {
    std::string nome;
    int rispettata = 0;
    int estrazioni = 0;
    std::optional<archivio::RecordData> ultimaMancata;
};
std::vector<EsitoStorico> VerificaStorica(const Condizioni &c, const std::vector<archivio::Estrazione> &archivio);
// Grid "Condizione", "Rispettata", "Estrazioni", "Percentuale", "Ultima mancata" ("mai").
Griglia GrigliaVerificaStorica(const std::vector<EsitoStorico> &esiti);
// "97,3 %" from an exact count, rounded to tenths.
std::string TestoPercentuale(int parte, int totale);

// The guarantee of `colonne` over the k-subsets of the numbers in play that
// contain the bases and meet the conditions (one row, m = k).
RisultatoGaranzia VerificaGaranziaCondizionata(const std::vector<Colonna> &colonne,
                                               const std::vector<int> &numeriInGioco, int k, const Condizioni &c);

// The ".cnd" file beside a ".stm": "nome=valore" lines (pari=3-3, decina-max=2,
// gruppo=5 17 23 42:1-2, basi=5 17). Empty lines are ignored.
std::string PercorsoCondizioni(const std::string &percorsoStm);
TExStringList RigheCondizioni(const Condizioni &c);
// Throws Errore naming the line for a bad line.
Condizioni CondizioniDaRighe(const TExStringList &righe, const std::string &nomeFile = {});
void SalvaCondizioni(const std::string &percorso, const Condizioni &c);
Condizioni CaricaCondizioni(const std::string &percorso);

// "A-B" and "LISTA:A-B" of the command line and of the file; std::nullopt when malformed.
std::optional<Limiti> LeggiLimiti(const std::string &testo);
std::optional<GruppoNumeri> LeggiGruppo(const std::string &testo);
std::optional<std::vector<int>> LeggiListaNumeri(const std::string &testo);

} // namespace sestina::sistemi
