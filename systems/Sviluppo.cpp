#include "systems/Sviluppo.h"

#include "app/Errore.h"
#include "app/Testo.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <ostream>
#include <unordered_map>
#include <unordered_set>

namespace sestina::sistemi {

int NumeriComuni(const Colonna &a, const Colonna &b)
{
    int n = 0;
    for (char x : a)
        for (char y : b)
            if (x == y)
                ++n;
    return n;
}

std::uint64_t Combinazioni(int n, int k)
{
    if (k < 0 || n < k || n < 0)
        return 0;
    k = std::min(k, n - k);
    // c * (n - i) stays exact as long as it fits; saturate past 64 bits.
    unsigned long long c = 1;
    for (int i = 0; i < k; ++i) {
        const auto m = static_cast<unsigned long long>(n - i);
        if (c > std::numeric_limits<unsigned long long>::max() / m)
            return std::numeric_limits<std::uint64_t>::max();
        c = c * m / static_cast<unsigned long long>(i + 1);
    }
    return c;
}

std::string TestoAvanzamento(long elaborate, long ridotte)
{
    return Formato("Elaborate %ld Ridotte %ld", elaborate, ridotte);
}

namespace {

// Binomial table for the subset ranks: C(m, s) for m < 257, s <= 16.
class TabellaBinomi {
public:
    TabellaBinomi()
    {
        for (int m = 0; m < Righe; ++m)
            for (int s = 0; s < Colonne; ++s)
                m_c[m][s] = Combinazioni(m, s);
    }
    std::uint64_t operator()(int m, int s) const { return m_c[m][s]; }
    static constexpr int Righe = 257;
    static constexpr int Colonne = 17;

private:
    std::uint64_t m_c[Righe][Colonne];
};

const TabellaBinomi &Binomi()
{
    static const TabellaBinomi t;
    return t;
}

bool NumeriDistinti(const Colonna &c)
{
    bool visto[256] = {};
    for (unsigned char x : c) {
        if (visto[x])
            return false;
        visto[x] = true;
    }
    return true;
}

// The set of covered t-subsets, by combinatorial rank: a bitset while it stays
// small, a hash set for the rare huge spaces (long columns of many numbers).
class InsiemeSottoinsiemi {
public:
    explicit InsiemeSottoinsiemi(std::uint64_t dimensione)
    {
        if (dimensione <= (std::uint64_t{1} << 28))
            m_bit.assign(static_cast<std::size_t>((dimensione + 63) / 64), 0);
        else
            m_hash = true;
    }
    bool contiene(std::uint64_t r) const
    {
        if (!m_hash)
            return (m_bit[r >> 6] >> (r & 63)) & 1;
        return m_set.count(r) != 0;
    }
    void aggiungi(std::uint64_t r)
    {
        if (!m_hash)
            m_bit[r >> 6] |= std::uint64_t{1} << (r & 63);
        else
            m_set.insert(r);
    }

private:
    bool m_hash = false;
    std::vector<std::uint64_t> m_bit;
    std::unordered_set<std::uint64_t> m_set;
};

// Calls the caller's progress at a kept column: at the first one, then after every
// few thousand examined candidates. Returns true when asked to stop.
class Avvisi {
public:
    explicit Avvisi(Progresso *p) : m_p(p) {}
    bool aUnaScelta(long elaborate, long ridotte)
    {
        if (!m_p || (ridotte != 1 && elaborate - m_ultimo < Passo))
            return false;
        m_ultimo = elaborate;
        m_p->Avanza(elaborate, ridotte);
        return m_p->Interrompi();
    }
    void finale(long elaborate, long ridotte)
    {
        if (m_p)
            m_p->Avanza(elaborate, ridotte);
    }
    static constexpr long Passo = 4096;

private:
    Progresso *m_p;
    long m_ultimo = 0;
};

__extension__ typedef unsigned __int128 Maschera128; // up to 128 numbers in play

// For each (t-1)-subset Q of positions (by rank), the positions c such that Q + c
// lies inside a kept column: a t-subset Q + c is covered exactly when bit c is set.
template <class Maschera> class MappaMaschere {
public:
    explicit MappaMaschere(std::uint64_t dimensione)
    {
        if (dimensione <= (std::uint64_t{1} << 22))
            m_vettore.assign(static_cast<std::size_t>(dimensione), 0);
        else
            m_grande = true;
    }
    Maschera operator[](std::uint64_t r) const
    {
        if (!m_grande)
            return m_vettore[r];
        auto it = m_mappa.find(r);
        return it == m_mappa.end() ? 0 : it->second;
    }
    void Aggiungi(std::uint64_t r, Maschera m)
    {
        if (!m_grande)
            m_vettore[r] |= m;
        else
            m_mappa[r] |= m;
    }

private:
    bool m_grande = false;
    std::vector<Maschera> m_vettore;
    std::unordered_map<std::uint64_t, Maschera> m_mappa;
};

// The pruned greedy development. Positions 0..n-1 stand for the numbers in play.
// Before choosing the element at depth d, the positions that would complete a
// covered t-subset with the prefix are known at once from the masks of its
// (t-1)-subsets: they are skipped with their whole subtree. After a keep every
// sibling below depth t shares the kept column's first t positions (covered), so
// the walk returns to depth t.
template <class Maschera> class SviluppoPotato {
public:
    static constexpr int MassimoK = 10;
    static constexpr int MassimoN = 128;
    static constexpr int MassimoSottoinsiemi = 128; // C(9, s) for any s

    SviluppoPotato(const Colonna &numeri, int k, int t, std::vector<Colonna> &lista, Progresso *p)
        : m_C(Binomi()), m_numeri(numeri), m_n(static_cast<int>(numeri.size())), m_k(k), m_t(t), m_lista(lista),
          m_maschere(m_C(m_n, t - 1)), m_avvisi(p)
    {
    }

    EsitoSviluppo Esegui()
    {
        Esplora(0);
        m_avvisi.finale(m_esito.elaborate, m_esito.ridotte);
        return m_esito;
    }

private:
    // Ranks (sums of C(q_i, i)) of the s-subsets of the prefix whose largest element
    // is the one at index j: each (s-1)-subset of the earlier elements plus it.
    void Nuovi(int j, int s)
    {
        const int p = m_pos[j];
        std::uint64_t *out = m_nuovi[j][s];
        int quanti = 0;
        if (s == 1) {
            out[quanti++] = m_C(p, 1);
        } else {
            const std::uint64_t base = m_C(p, s);
            for (int i = 0; i < j; ++i) {
                const std::uint64_t *in = m_nuovi[i][s - 1];
                for (int x = 0, fine = m_quanti[i][s - 1]; x < fine; ++x)
                    out[quanti++] = in[x] + base;
            }
        }
        m_quanti[j][s] = quanti;
    }

    // Positions that complete a covered t-subset with the prefix of length d.
    Maschera Vietati(int d) const
    {
        if (d < m_t - 1)
            return 0;
        if (m_t == 1)
            return m_maschere[0];
        Maschera m = 0;
        for (int j = 0; j < d; ++j)
            for (int x = 0, fine = m_quanti[j][m_t - 1]; x < fine; ++x)
                m |= m_maschere[m_nuovi[j][m_t - 1][x]];
        return m;
    }

    // Chooses the element at index d; returns true when a column was kept below
    // (or the run was stopped), so that levels d >= t give up their siblings.
    bool Esplora(int d)
    {
        const int ultimoP = m_n - m_k + d;
        const int p0 = d == 0 ? 0 : m_pos[d - 1] + 1;
        const int lunghezza = d + 1;
        const int restanti = m_k - lunghezza;
        Maschera vietati = Vietati(d);
        // Only the free positions are visited; the skipped ones count their whole
        // subtrees: sum over p in [a, b] of C(n-1-p, r) = C(n-a, r+1) - C(n-1-b, r+1).
        auto saltati = [&](int a, int b) {
            if (a <= b)
                m_esaminati += static_cast<long>(m_C(m_n - a, restanti + 1) - m_C(m_n - 1 - b, restanti + 1));
        };
        const Maschera campo =
            (ultimoP + 1 >= static_cast<int>(8 * sizeof(Maschera)) ? ~Maschera{0}
                                                                   : (Maschera{1} << (ultimoP + 1)) - 1) &
            ~((Maschera{1} << p0) - 1);
        Maschera liberi = ~vietati & campo;
        int prossimo = p0;
        while (liberi) {
            const int p = Primo(liberi);
            saltati(prossimo, p - 1);
            prossimo = p + 1;
            m_pos[d] = p;
            bool scelta;
            if (restanti == 0) {
                scelta = Tieni();
            } else {
                for (int s = 1; s < m_t && s <= lunghezza; ++s)
                    Nuovi(d, s);
                scelta = Esplora(lunghezza);
            }
            if (m_esito.interrotto)
                return true;
            if (scelta) {
                if (d >= m_t) {
                    // Every later sibling at this depth holds the kept first t positions.
                    m_esaminati += static_cast<long>(m_C(m_n - 1 - p, m_k - d));
                    return true;
                }
                vietati = Vietati(d); // the keep added masks
            }
            liberi = prossimo > ultimoP ? Maschera{0} : ~vietati & campo & ~((Maschera{1} << prossimo) - 1);
        }
        saltati(prossimo, ultimoP);
        return false;
    }

    static int Primo(Maschera m)
    {
        if constexpr (sizeof(Maschera) == 8) {
            return __builtin_ctzll(m);
        } else {
            const auto basso = static_cast<std::uint64_t>(m);
            return basso ? __builtin_ctzll(basso) : 64 + __builtin_ctzll(static_cast<std::uint64_t>(m >> 64));
        }
    }

    bool Tieni()
    {
        ++m_esaminati;
        m_esito.elaborate = m_esaminati;
        ++m_esito.ridotte;
        Maschera colonna = 0;
        for (int i = 0; i < m_k; ++i)
            colonna |= Maschera{1} << m_pos[i];
        if (m_t == 1) {
            m_maschere.Aggiungi(0, colonna);
        } else {
            Nuovi(m_k - 1, m_t - 1);
            for (int j = 0; j < m_k; ++j)
                for (int x = 0; x < m_quanti[j][m_t - 1]; ++x)
                    m_maschere.Aggiungi(m_nuovi[j][m_t - 1][x], colonna);
        }
        Colonna c(static_cast<std::size_t>(m_k), '\0');
        for (int i = 0; i < m_k; ++i)
            c[static_cast<std::size_t>(i)] = m_numeri[static_cast<std::size_t>(m_pos[i])];
        m_lista.push_back(std::move(c));
        if (m_avvisi.aUnaScelta(m_esito.elaborate, m_esito.ridotte))
            m_esito.interrotto = true;
        return true;
    }

    const TabellaBinomi &m_C;
    const Colonna &m_numeri;
    const int m_n, m_k, m_t;
    std::vector<Colonna> &m_lista;
    MappaMaschere<Maschera> m_maschere;
    Avvisi m_avvisi;
    EsitoSviluppo m_esito;
    long m_esaminati = 0;
    int m_pos[MassimoK] = {};
    std::uint64_t m_nuovi[MassimoK][MassimoK + 1][MassimoSottoinsiemi];
    int m_quanti[MassimoK][MassimoK + 1] = {};
};

// Walks the k-combinations of n positions in lexicographic order; f(pos) returns
// false to stop.
template <class F> void PerOgniCombinazione(int n, int k, F f)
{
    if (k <= 0 || k > n)
        return;
    std::vector<int> pos(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        pos[static_cast<std::size_t>(i)] = i;
    for (;;) {
        if (!f(pos))
            return;
        int i = k - 1;
        while (i >= 0 && pos[static_cast<std::size_t>(i)] == n - k + i)
            --i;
        if (i < 0)
            return;
        ++pos[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            pos[static_cast<std::size_t>(j)] = pos[static_cast<std::size_t>(j - 1)] + 1;
    }
}

Colonna ColonnaDaPosizioni(const Colonna &numeri, const std::vector<int> &pos)
{
    Colonna c(pos.size(), '\0');
    for (std::size_t i = 0; i < pos.size(); ++i)
        c[i] = numeri[static_cast<std::size_t>(pos[i])];
    return c;
}

// Every candidate against every kept column: for numbers in play that repeat a
// number, where subsets of positions are not subsets of numbers.
EsitoSviluppo SviluppoConfronti(const Colonna &numeri, int k, int livello, std::vector<Colonna> &lista, Progresso *p)
{
    EsitoSviluppo esito;
    Avvisi avvisi(p);
    long esaminati = 0;
    PerOgniCombinazione(static_cast<int>(numeri.size()), k, [&](const std::vector<int> &pos) {
        Colonna c = ColonnaDaPosizioni(numeri, pos);
        ++esaminati;
        if (ColonnaCoperta(livello, c, lista))
            return true;
        lista.push_back(std::move(c));
        esito.elaborate = esaminati;
        ++esito.ridotte;
        if (avvisi.aUnaScelta(esito.elaborate, esito.ridotte))
            esito.interrotto = true;
        return !esito.interrotto;
    });
    avvisi.finale(esito.elaborate, esito.ridotte);
    return esito;
}

} // namespace

// The numbers in play of a text; a text without digits has none (ColonnaDaTesto
// would give the byte 0, which is no number and could not be written to "sviluppo").
Colonna NumeriDelTesto(const std::string &testo)
{
    if (testo.find_first_of("0123456789") == std::string::npos)
        return {};
    return ColonnaDaTesto(testo);
}

bool SviluppaColonne(const std::string &testo, int k, std::vector<Colonna> &lista, Progresso *stop)
{
    const Colonna numeri = NumeriDelTesto(testo);
    const int n = static_cast<int>(numeri.size());
    if (k == 0) {
        lista.push_back(numeri);
        return false;
    }
    if (k == 1) {
        for (char x : numeri)
            lista.push_back(Colonna(1, x));
        return false;
    }
    bool interrotto = false;
    long contatore = 0;
    int primo = -1;
    PerOgniCombinazione(n, k, [&](const std::vector<int> &pos) {
        // The stop request is read once per first position and every few thousand columns.
        if (stop && k >= 3 && (pos[0] != primo || ++contatore % 4096 == 0)) {
            primo = pos[0];
            if (stop->Interrompi()) {
                interrotto = true;
                return false;
            }
        }
        lista.push_back(ColonnaDaPosizioni(numeri, pos));
        return true;
    });
    return interrotto;
}

EsitoSviluppo SviluppaSistema(const std::string &testo, int k, int livello, std::vector<Colonna> &lista,
                              Progresso *progresso)
{
    lista.clear();
    const Colonna numeri = NumeriDelTesto(testo);
    const int n = static_cast<int>(numeri.size());
    if (k <= 0 || k > n)
        return {};
    const int t = k - livello;
    if (!NumeriDistinti(numeri) || k > 10 || n > 128)
        return SviluppoConfronti(numeri, k, livello, lista, progresso);
    if (t <= 0) {
        // The first column covers every other one.
        Avvisi avvisi(progresso);
        std::vector<int> pos(static_cast<std::size_t>(k));
        for (int i = 0; i < k; ++i)
            pos[static_cast<std::size_t>(i)] = i;
        lista.push_back(ColonnaDaPosizioni(numeri, pos));
        EsitoSviluppo e{1, 1, avvisi.aUnaScelta(1, 1)};
        avvisi.finale(1, 1);
        return e;
    }
    if (t >= k) {
        // No reduction: every candidate is kept.
        EsitoSviluppo esito;
        Avvisi avvisi(progresso);
        lista.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(Combinazioni(n, k), LimiteColonne)));
        PerOgniCombinazione(n, k, [&](const std::vector<int> &pos) {
            lista.push_back(ColonnaDaPosizioni(numeri, pos));
            ++esito.elaborate;
            ++esito.ridotte;
            esito.interrotto = avvisi.aUnaScelta(esito.elaborate, esito.ridotte);
            return !esito.interrotto;
        });
        avvisi.finale(esito.elaborate, esito.ridotte);
        return esito;
    }
    // About 100 KB of subset ranks: on the heap, whatever thread runs this.
    if (n <= 64)
        return std::make_unique<SviluppoPotato<std::uint64_t>>(numeri, k, t, lista, progresso)->Esegui();
    return std::make_unique<SviluppoPotato<Maschera128>>(numeri, k, t, lista, progresso)->Esegui();
}

bool ColonnaCoperta(int r, const Colonna &candidata, const std::vector<Colonna> &lista)
{
    const int soglia = static_cast<int>(candidata.size()) - r;
    for (const Colonna &c : lista)
        if (NumeriComuni(candidata, c) >= soglia)
            return true;
    return false;
}

namespace {

// The pass exactly as described, for lists the subset index cannot take.
std::vector<Colonna> RiduciConfrontando(int r, const std::vector<Colonna> &lista, Progresso *stop, bool &interrotto)
{
    const int soglia = static_cast<int>(lista[1].size()) - r;
    std::vector<Colonna> tenute;
    for (std::size_t j = 0; j < lista.size(); ++j) {
        if (stop && j % 256 == 0) {
            stop->Avanza(static_cast<long>(j), static_cast<long>(lista.size()));
            if (stop->Interrompi()) {
                interrotto = true;
                return {};
            }
        }
        bool coperta = false;
        for (const Colonna &k : tenute)
            if (NumeriComuni(k, lista[j]) >= soglia) {
                coperta = true;
                break;
            }
        if (!coperta)
            tenute.push_back(lista[j]);
    }
    return tenute;
}

} // namespace

bool RiduciColonne(int r, std::vector<Colonna> &lista, Progresso *stop)
{
    if (lista.size() < 2)
        return false;
    const int L = static_cast<int>(lista[1].size());
    const int t = L - r;
    bool uniforme = L < TabellaBinomi::Righe;
    for (const Colonna &c : lista)
        if (static_cast<int>(c.size()) != L || !NumeriDistinti(c)) {
            uniforme = false;
            break;
        }
    bool interrotto = false;
    std::vector<Colonna> tenute;
    if (uniforme && t <= 0) {
        tenute.push_back(lista[0]);
    } else if (uniforme && t > L) {
        return false; // nothing covers anything
    } else if (uniforme && t <= 16 && Combinazioni(L, t) <= 4096) {
        // Numbers become indexes 0..u-1 in order of appearance.
        int indice[256];
        std::fill(std::begin(indice), std::end(indice), -1);
        int u = 0;
        for (const Colonna &c : lista)
            for (unsigned char x : c)
                if (indice[x] < 0)
                    indice[x] = u++;
        const TabellaBinomi &C = Binomi();
        InsiemeSottoinsiemi insieme(C(u, t));
        std::vector<std::uint64_t> ranghi;
        std::vector<int> q(static_cast<std::size_t>(L));
        for (std::size_t j = 0; j < lista.size(); ++j) {
            if (stop && j % 4096 == 0) {
                stop->Avanza(static_cast<long>(j), static_cast<long>(lista.size()));
                if (stop->Interrompi())
                    return true;
            }
            for (int i = 0; i < L; ++i)
                q[static_cast<std::size_t>(i)] =
                    indice[static_cast<unsigned char>(lista[j][static_cast<std::size_t>(i)])];
            std::sort(q.begin(), q.end());
            ranghi.clear();
            bool coperta = false;
            PerOgniCombinazione(L, t, [&](const std::vector<int> &pos) {
                std::uint64_t rango = 0;
                for (int i = 0; i < t; ++i)
                    rango += C(q[static_cast<std::size_t>(pos[static_cast<std::size_t>(i)])], i + 1);
                if (insieme.contiene(rango)) {
                    coperta = true;
                    return false;
                }
                ranghi.push_back(rango);
                return true;
            });
            if (coperta)
                continue;
            for (std::uint64_t rango : ranghi)
                insieme.aggiungi(rango);
            tenute.push_back(lista[j]);
        }
    } else {
        tenute = RiduciConfrontando(r, lista, stop, interrotto);
        if (interrotto)
            return true;
    }
    lista = std::move(tenute);
    return false;
}

// --- The "&Sistemi" page ---

std::vector<int> OrdineTabellone(const std::vector<int> &numeriSegnati)
{
    bool segnato[91] = {};
    for (int n : numeriSegnati)
        if (n >= 1 && n <= 90)
            segnato[n] = true;
    std::vector<int> out;
    for (int colonna = 0; colonna < 10; ++colonna)
        for (int riga = 0; riga < 9; ++riga)
            if (segnato[10 * riga + colonna + 1])
                out.push_back(10 * riga + colonna + 1);
    return out;
}

std::string TestoNumeriInGioco(const std::vector<int> &numeriInOrdineTabellone)
{
    std::string s;
    for (int n : numeriInOrdineTabellone)
        s += Formato("%.2d ", n);
    return s;
}

std::string DidascaliaNumeriInGioco(int numeri, int k)
{
    return Formato("Numeri in gioco %d Integrali %llu", numeri,
                   static_cast<unsigned long long>(Combinazioni(numeri, k)));
}

std::optional<std::string> ControllaSviluppo(int n, int k)
{
    if (Combinazioni(n, k) > LimiteColonne)
        return std::string(MsgTroppeColonne);
    if (n < k)
        return std::string(MsgSviluppoImpossibile);
    return std::nullopt;
}

const std::array<int, 90> &SequenzaCasuale()
{
    static const std::array<int, 90> s{67, 88, 37, 25, 13, 64, 59, 55, 56, 31, 42, 77, 50, 89, 78, 24, 76, 5,
                                       22, 34, 6,  30, 38, 60, 61, 15, 7,  10, 29, 39, 44, 19, 2,  82, 81, 9,
                                       66, 4,  23, 28, 86, 72, 18, 14, 16, 63, 68, 47, 51, 35, 36, 69, 12, 17,
                                       58, 83, 45, 74, 73, 65, 49, 1,  41, 21, 52, 3,  33, 71, 84, 32, 75, 62,
                                       20, 40, 57, 54, 85, 8,  79, 11, 87, 46, 80, 48, 70, 53, 27, 43, 26, 90};
    return s;
}

StatiNumeri StatisticheSistemi(const std::vector<archivio::RecordSuperenalotto> &numeri, int ultima)
{
    StatiNumeri s{};
    int rango = 0;
    ultima = std::min(ultima, static_cast<int>(numeri.size()) - 1);
    for (int d = 1; ultima - (d - 1) >= 0 && rango < 90; ++d) {
        const auto &e = numeri[static_cast<std::size_t>(ultima - (d - 1))];
        for (std::uint8_t x : e.numeri) {
            if (x < 1 || x > 90)
                continue;
            StatoNumero &st = s[x - 1];
            ++st.Frequenza;
            if (st.UltimaPresenza == 0)
                st.UltimaPresenza = d;
            if (st.OrdineUscita == 0)
                st.OrdineUscita = ++rango;
        }
    }
    return s;
}

StatiNumeri StatisticheSistemi(const archivio::Archivio &a, int ultima)
{
    // Reads back in blocks: usually a few dozen draws give every number its rank.
    std::vector<archivio::RecordSuperenalotto> letti;
    StatiNumeri s{};
    for (int fine = ultima; fine >= 0;) {
        const int inizio = std::max(0, fine - 255);
        auto blocco = a.LeggiNumeri(inizio, fine);
        letti.insert(letti.begin(), blocco.begin(), blocco.end());
        // The block is prefixed, so record r sits at index r - inizio.
        s = StatisticheSistemi(letti, static_cast<int>(letti.size()) - 1);
        bool completo = true;
        for (const auto &st : s)
            completo = completo && st.OrdineUscita != 0;
        if (completo)
            break;
        fine = inizio - 1;
    }
    return s;
}

std::vector<int> SelezionaNumeri(const StatiNumeri &stati, int casuali, int ultimi, int frequenze, int ritardi)
{
    bool segnato[91] = {};
    casuali = std::clamp(casuali, 0, 90);
    for (int i = 0; i < casuali; ++i)
        segnato[SequenzaCasuale()[static_cast<std::size_t>(i)]] = true;
    ultimi = std::clamp(ultimi, 0, 90);
    for (int i = 1; i <= ultimi; ++i)
        for (int n = 1; n <= 90; ++n)
            if (stati[static_cast<std::size_t>(n - 1)].OrdineUscita == i)
                segnato[n] = true;
    auto perSoglie = [&](int richiesti, int sogliaIniziale, int StatoNumero::*campo) {
        int presi = 0;
        for (int soglia = sogliaIniziale; soglia >= 1 && presi < richiesti; --soglia)
            for (int n = 1; n <= 90 && presi < richiesti; ++n)
                if (stati[static_cast<std::size_t>(n - 1)].*campo == soglia) {
                    segnato[n] = true;
                    ++presi;
                }
    };
    perSoglie(frequenze, 100, &StatoNumero::Frequenza);
    perSoglie(ritardi, 200, &StatoNumero::UltimaPresenza);
    std::vector<int> out;
    for (int n = 1; n <= 90; ++n)
        if (segnato[n])
            out.push_back(n);
    return out;
}

std::vector<RigaListView> RigheListView2(const StatiNumeri &stati)
{
    std::vector<RigaListView> righe;
    for (int n = 1; n <= 90; ++n) {
        const StatoNumero &s = stati[static_cast<std::size_t>(n - 1)];
        righe.push_back({{Formato("%.2d", n), Formato("%.2d", s.OrdineUscita), Formato("%.2d", s.Frequenza),
                          Formato("%.3d", s.UltimaPresenza - 1)}});
    }
    return righe;
}

void OrdinaListView(std::vector<RigaListView> &righe, int colonna)
{
    if (colonna < 0 || colonna > 3)
        return;
    const auto c = static_cast<std::size_t>(colonna);
    if (colonna <= 1)
        std::stable_sort(righe.begin(), righe.end(),
                         [c](const RigaListView &a, const RigaListView &b) { return a.testi[c] < b.testi[c]; });
    else
        std::stable_sort(righe.begin(), righe.end(),
                         [c](const RigaListView &a, const RigaListView &b) { return a.testi[c] > b.testi[c]; });
}

Colore ColoreListView(int colonna, int colonnaOrdinata)
{
    if (colonna == colonnaOrdinata)
        return {192, 192, 192};
    switch (colonna) {
    case 1:
        return {215, 255, 255};
    case 2:
        return {255, 202, 202};
    case 3:
        return {159, 255, 159};
    default:
        return colori::Bianco;
    }
}

Griglia GrigliaSviluppoVuota()
{
    Griglia g(2, 2);
    g.righeFisse = 1;
    g.ImpostaLarghezza(0, 56);
    g.ImpostaLarghezza(1, 200);
    g.ImpostaTesto(0, 0, "Scheda ");
    g.ImpostaTesto(0, 1, "Sviluppo");
    return g;
}

Griglia GrigliaSviluppo(const std::vector<Colonna> &lista)
{
    Griglia g(1 + std::max<int>(1, static_cast<int>(lista.size())), 2);
    g.righeFisse = 1;
    g.ImpostaLarghezza(0, 56);
    g.ImpostaLarghezza(1, 200);
    g.ImpostaTesto(0, 0, "Scheda n.");
    g.ImpostaTesto(0, 1, "Sviluppo");
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g.ImpostaTesto(r, 0, std::to_string(r));
        g.ImpostaTesto(r, 1, FormattaColonna(OrdinaColonna(lista[i])));
    }
    return g;
}

std::string TestoSviluppo(const std::vector<Colonna> &lista, int riga, int colonna)
{
    if (riga == 0)
        return colonna == 0 ? "Scheda n." : "Sviluppo";
    if (riga < 1 || riga > static_cast<int>(lista.size()))
        return {};
    return colonna == 0 ? std::to_string(riga)
                        : FormattaColonna(OrdinaColonna(lista[static_cast<std::size_t>(riga - 1)]));
}

void ScriviCSVSviluppo(const std::vector<Colonna> &lista, std::ostream &out)
{
    // The texts are ASCII: the same bytes as the grid's CSV.
    out << "Scheda n.;Sviluppo;\r\n";
    if (lista.empty())
        out << ";;\r\n";
    std::string riga;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        riga = std::to_string(i + 1);
        riga += ';';
        riga += FormattaColonna(OrdinaColonna(lista[i]));
        riga += ";\r\n";
        out << riga;
    }
}

} // namespace sestina::sistemi
