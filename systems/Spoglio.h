#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "app/Progresso.h"
#include "app/Testo.h"
#include "archive/Archivio.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// Checking a system against the draws ("Spoglio Superenalotto").
namespace sestina::sistemi {

// Shared numbers of the column with the six main numbers; 7 ("5+1") when that is
// exactly five and the jolly is in the column. The superstar never counts.
int ContaPunti(const Colonna &colonna, const archivio::RecordSuperenalotto &estrazione);

// One winning (column, draw) pair in 8 bytes: ten million rows take 80 MB.
struct Vincita {
    std::uint32_t colonna = 0;    // index in the list (the grid shows it + 1)
    std::uint16_t estrazione = 0; // record number (archives up to 65,536 draws); "Colpo" is estrazione - inizio
    std::uint8_t punti = 0;       // 3, 4, 5, 6 or 7 ("5+1")
    friend bool operator==(const Vincita &, const Vincita &) = default;
};

struct RisultatoSpoglio {
    std::vector<Vincita> vincite;            // check order: by column, then by draw
    std::array<std::int64_t, 8> categorie{}; // count by points: [3], [4], [5], [6], [7]
    int inizio = 0;                          // first draw examined
    int fine = -1;                           // last draw examined (fine < inizio: none)
    bool interrotto = false;                 // the Progresso asked to stop: vincite is partial
};

// The draws examined from `inizio`: to the last draw, or `limite` draws when limite >= 1.
// `numeri` holds every draw of the archive by record number (read once).
// Progresso gets Avanza(columns done, columns) and may stop the run. Throws Errore
// for a start outside the archive or an archive of more than 65,536 draws.
RisultatoSpoglio Spoglia(const std::vector<Colonna> &colonne, const std::vector<archivio::RecordSuperenalotto> &numeri,
                         int inizio, int limite, Progresso *progresso = nullptr);
RisultatoSpoglio Spoglia(const std::vector<Colonna> &colonne, const std::vector<archivio::Estrazione> &estrazioni,
                         int inizio, int limite, Progresso *progresso = nullptr);

// ExtAnalisivincite read on demand from the compact result: 17 columns, header row,
// one row per winning pair (an empty row when there is none).
class TabellaVincite {
public:
    static constexpr int NumeroColonne = 17;
    enum ColonnaTabella {
        Estrazione = 0,
        PrimoNumero = 1,
        Jolly = 7,
        Superstar = 8,
        NCl = 9,
        ColonnaSistema = 10,
        Punti3 = 11,
        Punti4 = 12,
        Punti5 = 13,
        Punti5piu1 = 14,
        Punti6 = 15,
        Colpo = 16
    };
    static const char *Intestazione(int colonna); // "Estrazione", "I" .. "S", "N.Cl", "Colonna", "3" .. "6", "Colpo"
    static int Larghezza(int colonna);            // 100, 30 each, 60, 200, 30 each, 40

    TabellaVincite() = default;
    TabellaVincite(std::vector<Colonna> colonne, std::vector<archivio::Estrazione> estrazioni, RisultatoSpoglio r);

    int righe() const { return 1 + (m_r.vincite.empty() ? 1 : static_cast<int>(m_r.vincite.size())); }
    int colonne() const { return NumeroColonne; }
    std::string testo(int riga, int colonna) const;
    // Text and look of any cell (header row 0 included), computed when asked.
    Cella cella(int riga, int colonna) const;
    // The winning pair of a data row (riga >= 1), in the current order.
    const Vincita &vincita(int riga) const { return m_r.vincite[static_cast<std::size_t>(riga - 1)]; }

    // Header click: "Estrazione" ascending by date; "I" .. "Colonna" ascending as
    // integers (a text that is no integer counts 0); "3" .. "Colpo" descending.
    // Equal keys keep their order. The clicked header turns yellow.
    void Ordina(int colonna);
    int colonnaOrdinata() const { return m_ordinata; }

    const RisultatoSpoglio &risultato() const { return m_r; }
    const std::vector<Colonna> &colonneSistema() const { return m_colonne; }
    const std::vector<archivio::Estrazione> &estrazioni() const { return m_estrazioni; }

    // The whole grid as cells (for small results, printing and CSV of the window).
    Griglia GrigliaCompleta() const;
    // Its CSV (as esporta::GrigliaCSV of GrigliaCompleta) written row by row.
    void ScriviCSV(std::ostream &out) const;

private:
    std::vector<Colonna> m_colonne;
    std::vector<archivio::Estrazione> m_estrazioni;
    RisultatoSpoglio m_r;
    int m_ordinata = -1;
};

// grigliariepilogo: "P 3", "P 4", "P 5", "P 5+1", "P 6" with their counts and colours.
Griglia GrigliaRiepilogo(const RisultatoSpoglio &r);
// GRIGLIADATISISTEMA: "Colonne", "Lunghezza n" for each length 1..10 present,
// "Costo sistema" (columns x cost), "Quote N" (cost / N, half to even).
Griglia GrigliaDatiSistema(const std::vector<Colonna> &colonne, Valuta costoColonna, int quote);
// The cost of one quota: costo / quote rounded half to even to ten-thousandths.
Valuta DividiValuta(Valuta costo, int quote);

// ExtStringGrid5, the start box: "Data" (date and weekday), "Indice", "Indice Annuo", "Indice Mensile".
Griglia GrigliaInizioSpoglio(const std::vector<archivio::RecordData> &date, int inizio);

// The tool bar of the window. MesePrec/AnnoPrec move only when the result is above 0,
// MeseSucc/AnnoSucc only when it is below the last draw.
enum class MossaSpoglio { Primo, Ultimo, Prec, Succ, MesePrec, AnnoPrec, MeseSucc, AnnoSucc };
int MuoviInizioSpoglio(const archivio::Archivio &a, int ultima, int inizio, MossaSpoglio m);

inline constexpr int LimiteMassimoSpoglio = 10000; // "Limita ricerca a colpi" 0..10000

} // namespace sestina::sistemi
