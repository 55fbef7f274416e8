#include "systems/Spoglio.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "archive/Calendario.h"
#include "archive/Navigazione.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <ostream>
#include <thread>

namespace sestina::sistemi {

int ContaPunti(const Colonna &colonna, const archivio::RecordSuperenalotto &estrazione)
{
    int h = 0;
    bool jolly = false;
    for (char x : colonna) {
        const auto n = static_cast<std::uint8_t>(x);
        for (std::uint8_t e : estrazione.numeri)
            if (n == e) {
                ++h;
                break;
            }
        if (n == estrazione.jolly)
            jolly = true;
    }
    return h == 5 && jolly ? 7 : h;
}

namespace {

// One step of the hits count: the counters of a prefix plus the bitset of the next
// number, word by word. The count per draw is a 3-bit counter held in three words
// (at most six hits). Plain loops over arrays, so the compiler vectorizes them; an
// AVX2 copy is picked at run time where the processor has it.
__attribute__((target_clones("avx2", "default"))) void Somma(const std::uint64_t *__restrict prima,
                                                             const std::uint64_t *__restrict x, std::size_t parole,
                                                             std::uint64_t *__restrict dopo)
{
    const std::uint64_t *p0 = prima, *p1 = prima + parole, *p2 = prima + 2 * parole;
    std::uint64_t *d0 = dopo, *d1 = dopo + parole, *d2 = dopo + 2 * parole;
    for (std::size_t w = 0; w < parole; ++w) {
        const std::uint64_t t0 = p0[w] & x[w];
        d0[w] = p0[w] ^ x[w];
        const std::uint64_t t1 = p1[w] & t0;
        d1[w] = p1[w] ^ t0;
        d2[w] = p2[w] | t1;
    }
}

typedef std::uint64_t V4 __attribute__((vector_size(32)));

// The last additions of a column, kept in registers four words at a time: from the
// prefix sums `base` (nullptr: zero) add the bitsets xs[0..nx); write the counters
// and the words of the draws with at least three hits (c2 | c1 & c0) to `out`.
__attribute__((target_clones("avx2", "default"))) void Finale(const std::uint64_t *base, const std::uint64_t *const *xs,
                                                              int nx, std::size_t parole, std::uint64_t *__restrict out)
{
    std::size_t w = 0;
    for (; w + 4 <= parole; w += 4) {
        V4 c0{}, c1{}, c2{};
        if (base) {
            std::memcpy(&c0, base + w, sizeof c0);
            std::memcpy(&c1, base + parole + w, sizeof c1);
            std::memcpy(&c2, base + 2 * parole + w, sizeof c2);
        }
        for (int i = 0; i < nx; ++i) {
            V4 x;
            std::memcpy(&x, xs[i] + w, sizeof x);
            const V4 t0 = c0 & x;
            c0 ^= x;
            const V4 t1 = c1 & t0;
            c1 ^= t0;
            c2 |= t1;
        }
        const V4 v = c2 | (c1 & c0);
        std::memcpy(out + w, &c0, sizeof c0);
        std::memcpy(out + parole + w, &c1, sizeof c1);
        std::memcpy(out + 2 * parole + w, &c2, sizeof c2);
        std::memcpy(out + 3 * parole + w, &v, sizeof v);
    }
    for (; w < parole; ++w) {
        std::uint64_t c0 = base ? base[w] : 0, c1 = base ? base[parole + w] : 0, c2 = base ? base[2 * parole + w] : 0;
        for (int i = 0; i < nx; ++i) {
            const std::uint64_t x = xs[i][w];
            const std::uint64_t t0 = c0 & x;
            c0 ^= x;
            const std::uint64_t t1 = c1 & t0;
            c1 ^= t0;
            c2 |= t1;
        }
        out[w] = c0;
        out[parole + w] = c1;
        out[2 * parole + w] = c2;
        out[3 * parole + w] = c2 | (c1 & c0);
    }
}

// Per number, the draws of the span that hold it, as a bitset (one bit per draw):
// the 90 bitsets of a whole archive fit in the first-level caches. A column's hits
// are the sum of its numbers' bitsets. The sums of the prefix it shares with the
// next column are kept, so the columns of a development (which share their first
// numbers) cost about one addition each; the rest is added in registers.
class Motore {
public:
    Motore(const std::vector<Colonna> &colonne, const std::vector<archivio::RecordSuperenalotto> &numeri, int primo,
           int ultimo)
        : m_colonne(colonne), m_numeri(numeri), m_primo(primo), m_ultimo(ultimo),
          m_parole(static_cast<std::size_t>(ultimo - primo + 1 + 63) / 64), m_presenze(91 * m_parole, 0)
    {
        for (int e = primo; e <= ultimo; ++e) {
            const auto d = static_cast<std::size_t>(e - primo);
            for (std::uint8_t x : numeri[static_cast<std::size_t>(e)].numeri)
                if (x >= 1 && x <= 90)
                    m_presenze[x * m_parole + d / 64] |= std::uint64_t{1} << (d & 63); // a repeat counts once
        }
    }

    // Columns [da, a) in order, appended to `out`; stops early when `stop` is set.
    // `fatte` counts the columns done.
    // `stima`: the columns whose rows `out` should make room for after a first sample.
    void Esegui(std::size_t da, std::size_t a, std::size_t stima, std::vector<Vincita> &out, std::atomic<bool> &stop,
                std::atomic<long> &fatte, Progresso *progresso, long totale) const
    {
        const std::size_t blocco = 3 * m_parole;  // c0, c1, c2 of one prefix length
        std::vector<std::uint64_t> somme(blocco); // grows with the longest column
        Colonna precedente;                       // the column whose prefix sums are in `somme`
        std::size_t validi = 0;                   // levels 1..validi of `somme` hold them
        std::vector<std::uint64_t> finale(4 * m_parole);
        const std::uint64_t *righe[90];
        for (std::size_t c = da; c < a; ++c) {
            if ((c - da) % 4096 == 4095) {
                fatte += 4096;
                if (progresso) {
                    progresso->Avanza(fatte.load(), totale);
                    if (progresso->Interrompi())
                        stop = true;
                }
                if (stop)
                    return;
                if (c - da == 4095) // a first estimate of the room the rows need
                    out.reserve(out.size() * stima / 4096 + out.size() / 4 + 1024);
            }
            const Colonna &col = m_colonne[c];
            // Distinct numbers 1..90 are counted on the bitsets; anything else draw by draw.
            std::uint64_t maschera[2] = {0, 0};
            bool adatta = col.size() <= 90;
            for (std::size_t i = 0; adatta && i < col.size(); ++i) {
                const int n = static_cast<std::uint8_t>(col[i]);
                adatta = n >= 1 && n <= 90 && !(maschera[n >> 6] >> (n & 63) & 1);
                if (adatta)
                    maschera[n >> 6] |= std::uint64_t{1} << (n & 63);
            }
            if (!adatta) {
                for (int e = m_primo; e <= m_ultimo; ++e) {
                    const int p = ContaPunti(col, m_numeri[static_cast<std::size_t>(e)]);
                    if (p >= 3)
                        out.push_back({static_cast<std::uint32_t>(c), static_cast<std::uint16_t>(e),
                                       static_cast<std::uint8_t>(p)});
                }
                continue;
            }
            const std::size_t m = col.size();
            if (m < 3)
                continue;
            if (somme.size() < (m + 1) * blocco)
                somme.resize((m + 1) * blocco, 0);
            std::size_t comune = 0;
            while (comune + 1 < m && comune < validi && col[comune] == precedente[comune])
                ++comune;
            std::size_t prossimo = 0;
            if (c + 1 < a) {
                const Colonna &dopo = m_colonne[c + 1];
                while (prossimo + 1 < m && prossimo < dopo.size() && col[prossimo] == dopo[prossimo])
                    ++prossimo;
            }
            const std::size_t base = std::max(comune, prossimo);
            for (std::size_t i = comune; i < base; ++i)
                Somma(&somme[i * blocco], &m_presenze[static_cast<std::uint8_t>(col[i]) * m_parole], m_parole,
                      &somme[(i + 1) * blocco]);
            precedente = col;
            validi = base;
            for (std::size_t i = base; i < m; ++i)
                righe[i - base] = &m_presenze[static_cast<std::uint8_t>(col[i]) * m_parole];
            Finale(base > 0 ? &somme[base * blocco] : nullptr, righe, static_cast<int>(m - base), m_parole,
                   finale.data());
            const std::uint64_t *c0v = finale.data(), *c1v = c0v + m_parole, *c2v = c1v + m_parole,
                                *vv = c2v + m_parole;
            // The words holding winners, found without a branch per word (they are few and scattered).
            for (std::size_t gruppo = 0; gruppo < m_parole; gruppo += 64) {
                const std::size_t fineGruppo = std::min(m_parole, gruppo + 64);
                std::uint64_t parole = 0;
                for (std::size_t w = gruppo; w < fineGruppo; ++w)
                    parole |= static_cast<std::uint64_t>(vv[w] != 0) << (w - gruppo);
                while (parole) {
                    const std::size_t w = gruppo + static_cast<std::size_t>(__builtin_ctzll(parole));
                    parole &= parole - 1;
                    std::uint64_t vincenti = vv[w];
                    const std::uint64_t c0 = c0v[w], c1 = c1v[w], c2 = c2v[w];
                    while (vincenti) {
                        const int b = __builtin_ctzll(vincenti);
                        vincenti &= vincenti - 1;
                        int p = static_cast<int>((c0 >> b) & 1) + 2 * static_cast<int>((c1 >> b) & 1) +
                                4 * static_cast<int>((c2 >> b) & 1);
                        const int e = m_primo + static_cast<int>(w * 64) + b;
                        if (p == 5) {
                            const int j = m_numeri[static_cast<std::size_t>(e)].jolly;
                            if (j <= 90 && (maschera[j >> 6] >> (j & 63) & 1))
                                p = 7;
                        }
                        out.push_back({static_cast<std::uint32_t>(c), static_cast<std::uint16_t>(e),
                                       static_cast<std::uint8_t>(p)});
                    }
                }
            }
        }
        fatte += static_cast<long>((a - da) % 4096);
    }

private:
    const std::vector<Colonna> &m_colonne;
    const std::vector<archivio::RecordSuperenalotto> &m_numeri;
    int m_primo, m_ultimo;
    std::size_t m_parole;
    std::vector<std::uint64_t> m_presenze; // number n: words n * m_parole ..
};

} // namespace

RisultatoSpoglio Spoglia(const std::vector<Colonna> &colonne, const std::vector<archivio::RecordSuperenalotto> &numeri,
                         int inizio, int limite, Progresso *progresso)
{
    RisultatoSpoglio r;
    const int ultima = static_cast<int>(numeri.size()) - 1;
    if (inizio < 0 || inizio > ultima)
        throw Errore(
            Formato("Estrazione di partenza %d inesistente: l'archivio ne contiene %d", inizio + 1, ultima + 1));
    if (ultima > 65535)
        throw Errore(Formato("L'archivio contiene %d estrazioni: lo spoglio ne gestisce al massimo 65536", ultima + 1));
    r.inizio = inizio;
    r.fine = limite >= 1 ? std::min(ultima, inizio + limite - 1) : ultima;
    Motore motore(colonne, numeri, r.inizio, r.fine);
    std::atomic<bool> stop{false};
    std::atomic<long> fatte{0};
    const long totale = static_cast<long>(colonne.size());
    const bool dueFili = colonne.size() >= 20000 && std::thread::hardware_concurrency() >= 2;
    if (!dueFili) {
        motore.Esegui(0, colonne.size(), colonne.size(), r.vincite, stop, fatte, progresso, totale);
    } else {
        // The caller's thread takes the first half (and talks to the Progresso); a worker the second.
        const std::size_t meta = colonne.size() / 2;
        std::vector<Vincita> seconda;
        std::exception_ptr erroreLavoratore;
        std::thread t([&] {
            try {
                motore.Esegui(meta, colonne.size(), colonne.size() - meta, seconda, stop, fatte, nullptr, totale);
            } catch (...) {
                erroreLavoratore = std::current_exception();
                stop = true;
            }
        });
        // The first half makes room for both, so the second is appended without a copy of the first.
        try {
            motore.Esegui(0, meta, colonne.size(), r.vincite, stop, fatte, progresso, totale);
        } catch (...) {
            stop = true;
            t.join();
            throw;
        }
        t.join(); // after a stop the worker ends at its next block
        if (erroreLavoratore)
            std::rethrow_exception(erroreLavoratore);

        r.vincite.insert(r.vincite.end(), seconda.begin(), seconda.end());
    }
    r.interrotto = stop;
    for (const Vincita &v : r.vincite)
        ++r.categorie[v.punti];
    if (progresso && !r.interrotto)
        progresso->Avanza(totale, totale);
    return r;
}

RisultatoSpoglio Spoglia(const std::vector<Colonna> &colonne, const std::vector<archivio::Estrazione> &estrazioni,
                         int inizio, int limite, Progresso *progresso)
{
    std::vector<archivio::RecordSuperenalotto> numeri;
    numeri.reserve(estrazioni.size());
    for (const auto &e : estrazioni)
        numeri.push_back(e.numeri);
    return Spoglia(colonne, numeri, inizio, limite, progresso);
}

// --- ExtAnalisivincite ---

namespace {
constexpr const char *Intestazioni[TabellaVincite::NumeroColonne] = {
    "Estrazione", "I", "II", "III", "IV", "V", "VI", "J", "S", "N.Cl", "Colonna", "3", "4", "5", "5+1", "6", "Colpo"};
constexpr int Larghezze[TabellaVincite::NumeroColonne] = {100, 30,  30, 30, 30, 30, 30, 30, 30,
                                                          60,  200, 30, 30, 30, 30, 30, 40};

// The grid column of a category: 3, 4, 5 under their headers, 7 under "5+1", 6 under "6".
int ColonnaCategoria(int punti)
{
    switch (punti) {
    case 3:
        return TabellaVincite::Punti3;
    case 4:
        return TabellaVincite::Punti4;
    case 5:
        return TabellaVincite::Punti5;
    case 7:
        return TabellaVincite::Punti5piu1;
    case 6:
        return TabellaVincite::Punti6;
    default:
        return -1;
    }
}

std::optional<Colore> ColoreCategoria(int punti)
{
    switch (punti) {
    case 3:
        return Colore{255, 255, 0};
    case 4:
        return Colore{0, 255, 0};
    case 5:
        return Colore{255, 0, 255};
    case 6:
        return Colore{255, 202, 202};
    case 7:
        return Colore{215, 255, 255};
    default:
        return std::nullopt;
    }
}

constexpr Colore Rosa{255, 202, 202};
} // namespace

const char *TabellaVincite::Intestazione(int colonna)
{
    return Intestazioni[colonna];
}
int TabellaVincite::Larghezza(int colonna)
{
    return Larghezze[colonna];
}

TabellaVincite::TabellaVincite(std::vector<Colonna> colonne, std::vector<archivio::Estrazione> estrazioni,
                               RisultatoSpoglio r)
    : m_colonne(std::move(colonne)), m_estrazioni(std::move(estrazioni)), m_r(std::move(r))
{
}

std::string TabellaVincite::testo(int riga, int colonna) const
{
    if (colonna < 0 || colonna >= NumeroColonne || riga < 0 || riga >= righe())
        return {};
    if (riga == 0)
        return Intestazione(colonna);
    if (m_r.vincite.empty())
        return {};
    const Vincita &v = vincita(riga);
    const auto &e = m_estrazioni[v.estrazione];
    switch (colonna) {
    case Estrazione:
        return archivio::TestoListaDate(e.data);
    case Jolly:
        return std::to_string(e.numeri.jolly);
    case Superstar:
        return std::to_string(e.numeri.superstar);
    case NCl:
        return std::to_string(v.colonna + 1);
    case ColonnaSistema:
        return FormattaColonna(m_colonne[v.colonna]);
    case Colpo:
        return std::to_string(static_cast<long>(v.estrazione) - m_r.inizio);
    default:
        if (colonna >= PrimoNumero && colonna < Jolly)
            return std::to_string(e.numeri.numeri[static_cast<std::size_t>(colonna - PrimoNumero)]);
        return ColonnaCategoria(v.punti) == colonna ? std::to_string(v.punti) : std::string();
    }
}

Cella TabellaVincite::cella(int riga, int colonna) const
{
    Cella c;
    c.testo = testo(riga, colonna);
    if (colonna < 0 || colonna >= NumeroColonne || riga < 0 || riga >= righe())
        return c;
    if (riga == 0) {
        if (colonna == m_ordinata)
            c.sfondo = colori::Giallo;
        return c;
    }
    if (colonna <= Superstar)
        c.sfondo = colori::CianoChiaro;
    if (m_r.vincite.empty())
        return c;
    const Vincita &v = vincita(riga);
    if (colonna >= PrimoNumero && colonna <= Superstar) {
        const auto &e = m_estrazioni[v.estrazione].numeri;
        const int n = colonna == Jolly       ? e.jolly
                      : colonna == Superstar ? e.superstar
                                             : e.numeri[static_cast<std::size_t>(colonna - PrimoNumero)];
        // The number as "%.2d" found in the column's text, as the window paints it.
        if (FormattaColonna(m_colonne[v.colonna]).find(Formato("%.2d", n)) != std::string::npos)
            c.sfondo = Rosa;
    } else if (colonna == ColonnaCategoria(v.punti)) {
        c.sfondo = ColoreCategoria(v.punti);
    }
    return c;
}

void TabellaVincite::Ordina(int colonna)
{
    if (colonna < 0 || colonna >= NumeroColonne)
        return;
    m_ordinata = colonna;
    auto &v = m_r.vincite;
    if (v.size() < 2)
        return;
    // A key per record, then a stable counting sort (or a stable sort for wide keys).
    std::vector<std::uint32_t> chiave(v.size());
    std::uint32_t massimo = 0;
    if (colonna == Estrazione) {
        // Dates ascending: the rank of each draw's date.
        std::vector<std::uint32_t> ordine(m_estrazioni.size());
        for (std::uint32_t i = 0; i < ordine.size(); ++i)
            ordine[i] = i;
        std::stable_sort(ordine.begin(), ordine.end(), [&](std::uint32_t a, std::uint32_t b) {
            return m_estrazioni[a].data.data() < m_estrazioni[b].data.data();
        });
        std::vector<std::uint32_t> rango(m_estrazioni.size());
        for (std::uint32_t i = 0; i < ordine.size(); ++i)
            rango[ordine[i]] = i > 0 && m_estrazioni[ordine[i]].data.data() == m_estrazioni[ordine[i - 1]].data.data()
                                   ? rango[ordine[i - 1]]
                                   : i;
        for (std::size_t i = 0; i < v.size(); ++i)
            chiave[i] = rango[v[i].estrazione];
    } else if (colonna >= PrimoNumero && colonna <= Superstar) {
        for (std::size_t i = 0; i < v.size(); ++i) {
            const auto &e = m_estrazioni[v[i].estrazione].numeri;
            chiave[i] = colonna == Jolly       ? e.jolly
                        : colonna == Superstar ? e.superstar
                                               : e.numeri[static_cast<std::size_t>(colonna - PrimoNumero)];
        }
    } else if (colonna == NCl) {
        for (std::size_t i = 0; i < v.size(); ++i)
            chiave[i] = v[i].colonna + 1;
    } else if (colonna == ColonnaSistema) {
        // The text as an integer: only a one-number column reads as one; others count 0.
        std::vector<std::uint32_t> valore(m_colonne.size(), 0);
        for (std::size_t c = 0; c < m_colonne.size(); ++c)
            valore[c] = static_cast<std::uint32_t>(std::max(0, LeggiInteroOppure(FormattaColonna(m_colonne[c]), 0)));
        for (std::size_t i = 0; i < v.size(); ++i)
            chiave[i] = valore[v[i].colonna];
    } else {
        // Descending: the key is turned around.
        std::uint32_t tetto = 0;
        for (std::size_t i = 0; i < v.size(); ++i) {
            chiave[i] = colonna == Colpo ? v[i].estrazione - static_cast<std::uint32_t>(m_r.inizio)
                        : ColonnaCategoria(v[i].punti) == colonna ? v[i].punti
                                                                  : 0u;
            tetto = std::max(tetto, chiave[i]);
        }
        for (auto &k : chiave)
            k = tetto - k;
    }
    for (std::uint32_t k : chiave)
        massimo = std::max(massimo, k);
    std::vector<Vincita> ordinate(v.size());
    if (massimo < (1u << 24)) {
        std::vector<std::uint32_t> conta(static_cast<std::size_t>(massimo) + 2, 0);
        for (std::uint32_t k : chiave)
            ++conta[k + 1];
        for (std::size_t i = 1; i < conta.size(); ++i)
            conta[i] += conta[i - 1];
        for (std::size_t i = 0; i < v.size(); ++i)
            ordinate[conta[chiave[i]]++] = v[i];
    } else {
        std::vector<std::uint32_t> indici(v.size());
        for (std::uint32_t i = 0; i < indici.size(); ++i)
            indici[i] = i;
        std::stable_sort(indici.begin(), indici.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return chiave[a] < chiave[b]; });
        for (std::size_t i = 0; i < v.size(); ++i)
            ordinate[i] = v[indici[i]];
    }
    v.swap(ordinate);
}

Griglia TabellaVincite::GrigliaCompleta() const
{
    Griglia g(righe(), NumeroColonne);
    g.righeFisse = 1;
    for (int c = 0; c < NumeroColonne; ++c)
        g.ImpostaLarghezza(c, Larghezza(c));
    for (int r = 0; r < righe(); ++r)
        for (int c = 0; c < NumeroColonne; ++c)
            g.cella(r, c) = cella(r, c);
    return g;
}

void TabellaVincite::ScriviCSV(std::ostream &out) const
{
    // Every text is ASCII, so the Windows-1252 bytes are the same.
    std::string riga;
    for (int r = 0; r < righe(); ++r) {
        riga.clear();
        for (int c = 0; c < NumeroColonne; ++c) {
            riga += testo(r, c);
            riga += ';';
        }
        riga += "\r\n";
        out << riga;
    }
}

// --- The summaries ---

Griglia GrigliaRiepilogo(const RisultatoSpoglio &r)
{
    Griglia g(5, 2);
    g.righeFisse = 0;
    static constexpr const char *nomi[5] = {"P 3", "P 4", "P 5", "P 5+1", "P 6"};
    static constexpr int punti[5] = {3, 4, 5, 7, 6};
    static constexpr Colore sfondi[4] = {{0, 255, 0}, {255, 0, 255}, {255, 202, 202}, {215, 255, 255}};
    for (int i = 0; i < 5; ++i) {
        g.ImpostaTesto(i, 0, nomi[i]);
        g.ImpostaTesto(i, 1, std::to_string(r.categorie[static_cast<std::size_t>(punti[i])]));
        if (i < 4)
            for (int c = 0; c < 2; ++c)
                g.cella(i, c).sfondo = sfondi[i];
    }
    return g;
}

Valuta DividiValuta(Valuta costo, int quote)
{
    if (quote < 1)
        throw Errore(Formato("Quote %d: le quote vanno da 1 a 1000", quote));
    const bool negativo = costo < 0;
    const auto a = static_cast<unsigned long long>(negativo ? -costo : costo);
    const auto q = static_cast<unsigned long long>(quote);
    unsigned long long risultato = a / q;
    const unsigned long long resto = a % q;
    if (2 * resto > q || (2 * resto == q && (risultato & 1)))
        ++risultato;
    return negativo ? -static_cast<Valuta>(risultato) : static_cast<Valuta>(risultato);
}

Griglia GrigliaDatiSistema(const std::vector<Colonna> &colonne, Valuta costoColonna, int quote)
{
    std::array<long, 11> perLunghezza{};
    for (const Colonna &c : colonne)
        if (c.size() >= 1 && c.size() <= 10)
            ++perLunghezza[c.size()];
    std::vector<std::pair<std::string, std::string>> righe;
    righe.emplace_back("Colonne", std::to_string(colonne.size()));
    for (int n = 1; n <= 10; ++n)
        if (perLunghezza[static_cast<std::size_t>(n)] > 0)
            righe.emplace_back("Lunghezza " + std::to_string(n),
                               std::to_string(perLunghezza[static_cast<std::size_t>(n)]));
    const Valuta costo = static_cast<Valuta>(colonne.size()) * costoColonna;
    righe.emplace_back("Costo sistema", FormatoValuta(costo));
    righe.emplace_back("Quote " + std::to_string(quote), FormatoValuta(DividiValuta(costo, quote)));
    Griglia g(static_cast<int>(righe.size()), 2);
    g.righeFisse = 0;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        g.ImpostaTesto(static_cast<int>(i), 0, righe[i].first);
        g.ImpostaTesto(static_cast<int>(i), 1, righe[i].second);
    }
    return g;
}

Griglia GrigliaInizioSpoglio(const std::vector<archivio::RecordData> &date, int inizio)
{
    Griglia g(4, 2);
    g.righeFisse = 0;
    g.ImpostaTesto(0, 0, "Data");
    g.ImpostaTesto(1, 0, "Indice");
    g.ImpostaTesto(2, 0, "Indice Annuo");
    g.ImpostaTesto(3, 0, "Indice Mensile");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c)
            g.cella(r, c).sfondo = Colore{225, 225, 225};
    if (inizio < 0 || inizio >= static_cast<int>(date.size()))
        return g;
    const auto &d = date[static_cast<std::size_t>(inizio)];
    std::string giorno;
    try {
        giorno = archivio::NomeGiorno(d.giorno, d.mese, d.anno);
    } catch (const Errore &) {
        // A broken date shows without its weekday.
    }
    g.ImpostaTesto(0, 1, archivio::TestoListaDate(d) + giorno);
    g.ImpostaTesto(1, 1, Formato("%d / %d ", inizio + 1, static_cast<int>(date.size())));
    int annuo = 0, mensile = 0;
    for (int i = inizio; i >= 0 && date[static_cast<std::size_t>(i)].anno == d.anno; --i)
        ++annuo;
    for (int i = inizio;
         i >= 0 && date[static_cast<std::size_t>(i)].anno == d.anno && date[static_cast<std::size_t>(i)].mese == d.mese;
         --i)
        ++mensile;
    g.ImpostaTesto(2, 1, Formato("%d ", annuo));
    g.ImpostaTesto(3, 1, Formato("%d ", mensile));
    return g;
}

int MuoviInizioSpoglio(const archivio::Archivio &a, int ultima, int inizio, MossaSpoglio m)
{
    switch (m) {
    case MossaSpoglio::Primo:
        return 0;
    case MossaSpoglio::Ultimo:
        return ultima;
    case MossaSpoglio::Prec:
        return inizio > 0 ? inizio - 1 : inizio;
    case MossaSpoglio::Succ:
        return inizio < ultima ? inizio + 1 : inizio;
    case MossaSpoglio::MesePrec: {
        const int r = archivio::MesePrecedente(a, ultima, inizio);
        return r > 0 ? r : inizio;
    }
    case MossaSpoglio::AnnoPrec: {
        const int r = archivio::AnnoPrecedente(a, ultima, inizio);
        return r > 0 ? r : inizio;
    }
    case MossaSpoglio::MeseSucc: {
        const int r = archivio::MeseSuccessivo(a, ultima, inizio);
        return r < ultima ? r : inizio;
    }
    case MossaSpoglio::AnnoSucc: {
        const int r = archivio::AnnoSuccessivo(a, ultima, inizio);
        return r < ultima ? r : inizio;
    }
    }
    return inizio;
}

} // namespace sestina::sistemi
