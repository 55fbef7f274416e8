#include "systems/Ottimizzatore.h"

#include "app/Errore.h"
#include "systems/Garanzia.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace sestina::sistemi {

namespace {

constexpr int NumeroMassimo = 90;
constexpr int KMassimo = 10;
constexpr long long IntegraliMassimi = 1'000'000;

using Binomiali = std::array<std::array<std::uint64_t, KMassimo + 2>, NumeroMassimo + 1>;

const Binomiali &Binomiale()
{
    static const Binomiali t = [] {
        Binomiali b{};
        for (int n = 0; n <= NumeroMassimo; ++n) {
            b[n][0] = 1;
            for (int m = 1; m <= KMassimo + 1; ++m)
                b[n][m] = n == 0 ? 0 : b[n - 1][m - 1] + b[n - 1][m];
        }
        return b;
    }();
    return t;
}

// xoshiro256**, seeded through splitmix64: the same stream on every machine.
class Generatore {
public:
    explicit Generatore(std::uint64_t seme)
    {
        for (auto &s : m_s) {
            seme += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seme;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            s = z ^ (z >> 31);
        }
    }
    std::uint64_t Prossimo()
    {
        const std::uint64_t r = std::rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t u = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= u;
        m_s[3] = std::rotl(m_s[3], 45);
        return r;
    }
    // Uniform in 0..n-1 (n > 0).
    std::uint32_t Sotto(std::uint32_t n) { return static_cast<std::uint32_t>(((Prossimo() >> 32) * n) >> 32); }

private:
    std::array<std::uint64_t, 4> m_s{};
};

struct Maschera {
    std::uint64_t basso = 0, alto = 0;
    void Metti(int p) { (p < 64 ? basso : alto) |= std::uint64_t{1} << (p & 63); }
    bool Ha(int p) const { return ((p < 64 ? basso : alto) >> (p & 63)) & 1; }
};

// Portable bit count: the baseline x86-64 has no popcnt instruction and the
// library call it falls back to dominates the search.
inline int Bit(std::uint64_t x)
{
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

inline int Comuni(const Maschera &a, const Maschera &b)
{
    const std::uint64_t alto = a.alto & b.alto;
    return Bit(a.basso & b.basso) + (alto ? Bit(alto) : 0);
}

struct Blocco {
    std::array<std::uint8_t, KMassimo> p{}; // positions, ascending
    Maschera m;
};

Blocco FaiBlocco(const std::uint8_t *p, int k)
{
    Blocco b;
    std::copy(p, p + k, b.p.begin());
    std::sort(b.p.begin(), b.p.begin() + k);
    for (int i = 0; i < k; ++i)
        b.m.Metti(b.p[i]);
    return b;
}

// Calls f(scelti) for every m-subset of v[0..len) in lexicographic order (v ascending).
template <class F> void PerOgniSottoinsieme(const std::uint8_t *v, int len, int m, F &&f)
{
    std::array<int, NumeroMassimo + 1> idx{};
    std::array<std::uint8_t, NumeroMassimo + 1> scelti{};
    if (m > len)
        return;
    for (int i = 0; i < m; ++i) {
        idx[i] = i;
        scelti[i] = v[i];
    }
    while (true) {
        f(scelti.data());
        int i = m - 1;
        while (i >= 0 && idx[i] == len - m + i)
            --i;
        if (i < 0)
            return;
        ++idx[i];
        scelti[i] = v[idx[i]];
        for (int j = i + 1; j < m; ++j) {
            idx[j] = idx[j - 1] + 1;
            scelti[j] = v[idx[j]];
        }
    }
}

// Ranks of k-subsets (colex) and the neighbourhood of a column: every draw
// sharing at least t numbers with it.
class Vicinato {
public:
    Vicinato(int n, int k, int t) : m_n(n), m_k(k), m_t(t), C(Binomiale()) {}

    std::uint64_t Rango(const Blocco &b) const
    {
        std::uint64_t r = 0;
        for (int i = 0; i < m_k; ++i)
            r += C[b.p[i]][i + 1];
        return r;
    }

    Blocco Da(std::uint64_t r) const
    {
        std::array<std::uint8_t, KMassimo> p{};
        int c = m_n - 1;
        for (int i = m_k; i >= 1; --i) {
            while (C[c][i] > r)
                --c;
            p[i - 1] = static_cast<std::uint8_t>(c);
            r -= C[c][i];
            --c;
        }
        return FaiBlocco(p.data(), m_k);
    }

    template <class F> void PerOgni(const Blocco &b, F &&f) const
    {
        std::array<std::uint8_t, NumeroMassimo> fuori{};
        int nf = 0;
        for (int p = 0; p < m_n; ++p)
            if (!b.m.Ha(p))
                fuori[nf++] = static_cast<std::uint8_t>(p);
        std::array<std::uint8_t, KMassimo> u{};
        for (int j = m_t; j <= m_k; ++j)
            PerOgniSottoinsieme(b.p.data(), m_k, j, [&](const std::uint8_t *dentro) {
                PerOgniSottoinsieme(fuori.data(), nf, m_k - j, [&](const std::uint8_t *resto) {
                    std::merge(dentro, dentro + j, resto, resto + (m_k - j), u.begin());
                    std::uint64_t r = 0;
                    for (int i = 0; i < m_k; ++i)
                        r += C[u[i]][i + 1];
                    f(r);
                });
            });
    }

private:
    int m_n, m_k, m_t;
    const Binomiali &C;
};

// A list of draws with each draw's place in it kept aside, so that a draw
// leaves it in constant time (the last one takes its place).
inline void Entra(std::vector<std::int32_t> &lista, std::vector<std::int32_t> &posto, std::uint64_t r)
{
    posto[r] = static_cast<std::int32_t>(lista.size());
    lista.push_back(static_cast<std::int32_t>(r));
}

inline void Esce(std::vector<std::int32_t> &lista, std::vector<std::int32_t> &posto, std::uint64_t r)
{
    const std::int32_t j = posto[r];
    const std::int32_t ultimo = lista.back();
    lista[j] = ultimo;
    posto[ultimo] = j;
    lista.pop_back();
    posto[r] = -1;
}

// Candidates weighed before a column is added, when the draw has more neighbours.
constexpr int CampioneAggiungi = 100;
// Work (draws visited) allowed per unit of effort.
constexpr long long LavoroPerSforzo = 100'000'000;
constexpr long long LavoroPerEstrazione = 50'000;
// Fresh starts from the best system when the search stops finding smaller ones.
constexpr int Tentativi = 3;

// Two-stage exchange with weights, as for dominating sets: the columns are
// vertices of the graph on k-subsets joined when they share t numbers. Each
// step drops the column whose loss weighs least and adds, near an uncovered
// draw, the column covering most weight; uncovered draws grow heavier each
// step so that the search leaves the local minima it would otherwise circle.
// Columns are held by their colex rank.
class Dominio {
public:
    Dominio(int n, int k, int t, Generatore &caso)
        : m_n(n), m_k(k), m_t(t), m_utile(n, k, t), m_caso(caso), C(Binomiale())
    {
        const std::uint64_t d = C[n][k];
        m_copertura.assign(d, 0);
        m_chi.assign(d, 0);
        m_peso.assign(d, 1);
        m_perdita.assign(d, 0);
        m_eta.assign(d, 0);
        m_indice.assign(d, -1);
        m_posizione.assign(d, -1);
        m_maschere.resize(d);
        for (std::uint64_t r = 0; r < d; ++r) {
            m_maschere[r] = m_utile.Da(r).m;
            m_posizione[r] = static_cast<std::int32_t>(r);
            m_scoperti.push_back(static_cast<std::int32_t>(r));
        }
        for (int j = t; j <= k; ++j)
            m_palla.push_back(C[k][j] * C[n - k][k - j]);
        for (auto v : m_palla)
            m_dimPalla += v;
        // Neighbour lists, built on first use, while they fit in 64 MB.
        if (d * m_dimPalla <= 16'000'000) {
            m_vicine.assign(d * m_dimPalla, 0);
            m_pronta.assign(d, 0);
        }
    }

    std::size_t Scoperti() const { return m_scoperti.size(); }
    std::uint64_t Scoperto(std::size_t j) const { return static_cast<std::uint64_t>(m_scoperti[j]); }
    const std::vector<std::uint64_t> &Blocchi() const { return m_blocchi; }
    long long lavoro = 0;

    Blocco Da(std::uint64_t r) const { return m_utile.Da(r); }
    std::uint64_t Rango(const Blocco &b) const { return m_utile.Rango(b); }

    template <class F> void Vicine(std::uint64_t v, F &&f)
    {
        if (m_vicine.empty()) {
            // Enumerating costs several times a list walk.
            lavoro += 4 * static_cast<long long>(m_dimPalla);
            m_utile.PerOgni(Da(v), std::forward<F>(f));
            return;
        }
        std::int32_t *l = m_vicine.data() + v * m_dimPalla;
        if (!m_pronta[v]) {
            std::size_t j = 0;
            m_utile.PerOgni(Da(v), [&](std::uint64_t r) { l[j++] = static_cast<std::int32_t>(r); });
            m_pronta[v] = 1;
        }
        lavoro += static_cast<long long>(m_dimPalla);
        for (std::size_t j = 0; j < m_dimPalla; ++j)
            f(static_cast<std::uint64_t>(l[j]));
    }

    void Aggiungi(std::uint64_t v, long long passo)
    {
        m_indice[v] = static_cast<std::int32_t>(m_blocchi.size());
        m_blocchi.push_back(v);
        m_perdita[v] = 0;
        Vicine(v, [&](std::uint64_t r) {
            if (m_copertura[r] == 0) {
                m_perdita[v] += m_peso[r];
                Copri(r);
            } else if (m_copertura[r] == 1) {
                m_perdita[m_chi[r]] -= m_peso[r];
            }
            ++m_copertura[r];
            m_chi[r] ^= v;
        });
        m_eta[v] = passo;
    }

    void Togli(std::uint64_t v, long long passo)
    {
        Vicine(v, [&](std::uint64_t r) {
            --m_copertura[r];
            m_chi[r] ^= v;
            if (m_copertura[r] == 1)
                m_perdita[m_chi[r]] += m_peso[r];
            else if (m_copertura[r] == 0)
                Scopri(r);
        });
        const std::int32_t i = m_indice[v];
        m_indice[m_blocchi.back()] = i;
        m_blocchi[i] = m_blocchi.back();
        m_blocchi.pop_back();
        m_indice[v] = -1;
        m_eta[v] = passo;
    }

    // The column whose loss weighs least, the oldest on ties; never the one added at the step before.
    std::uint64_t DaTogliere(long long passo) const
    {
        std::uint64_t scelta = m_blocchi.front();
        bool trovata = false;
        for (auto v : m_blocchi) {
            if (m_blocchi.size() > 1 && m_eta[v] >= passo - 1 && m_eta[v] > 0)
                continue;
            if (!trovata || m_perdita[v] < m_perdita[scelta] ||
                (m_perdita[v] == m_perdita[scelta] && m_eta[v] < m_eta[scelta])) {
                scelta = v;
                trovata = true;
            }
        }
        return scelta;
    }

    std::uint64_t Guadagno(std::uint64_t v)
    {
        std::uint64_t g = 0;
        const std::size_t u = m_scoperti.size();
        if (u < m_dimPalla) {
            const Maschera mv = m_maschere[v];
            for (std::size_t j = 0; j < u; ++j) {
                const auto w = m_scoperti[j];
                if (Comuni(m_maschere[w], mv) >= m_t)
                    g += m_peso[w];
            }
            lavoro += static_cast<long long>(u);
        } else {
            Vicine(v, [&](std::uint64_t r) {
                if (m_copertura[r] == 0)
                    g += m_peso[r];
            });
        }
        return g;
    }

    // Columns covering the draw s: all of them, or a sample when they are many.
    const std::vector<std::uint64_t> &Candidati(std::uint64_t s, int campione)
    {
        const Blocco ds = Da(s);
        std::vector<std::uint64_t> &cand = m_candidati;
        cand.clear();
        if (m_dimPalla <= static_cast<std::uint64_t>(campione)) {
            Vicine(s, [&](std::uint64_t r) { cand.push_back(r); });
            return cand;
        }
        std::array<std::uint8_t, NumeroMassimo> fuori{};
        int nf = 0;
        for (int p = 0; p < m_n; ++p)
            if (!ds.m.Ha(p))
                fuori[nf++] = static_cast<std::uint8_t>(p);
        for (int c = 0; c < campione; ++c) {
            // j numbers of s kept, with probability proportional to the count of such columns.
            std::uint64_t x = m_caso.Prossimo() % m_dimPalla;
            int j = m_t;
            while (x >= m_palla[j - m_t]) {
                x -= m_palla[j - m_t];
                ++j;
            }
            std::array<std::uint8_t, KMassimo> scelti{};
            std::array<std::uint8_t, NumeroMassimo> f = fuori;
            std::array<std::uint8_t, KMassimo> q = ds.p;
            for (int i = 0; i < j; ++i) {
                const auto z = i + m_caso.Sotto(static_cast<std::uint32_t>(m_k - i));
                std::swap(q[i], q[z]);
                scelti[i] = q[i];
            }
            for (int i = 0; i < m_k - j; ++i) {
                const auto z = i + m_caso.Sotto(static_cast<std::uint32_t>(nf - i));
                std::swap(f[i], f[z]);
                scelti[j + i] = f[i];
            }
            cand.push_back(m_utile.Rango(FaiBlocco(scelti.data(), m_k)));
        }
        return cand;
    }

    std::uint64_t Perdita(std::uint64_t v) const { return m_perdita[v]; }
    long long Eta(std::uint64_t v) const { return m_eta[v]; }
    bool Dentro(std::uint64_t v) const { return m_indice[v] >= 0; }

    // A column covering the uncovered draw s with the most weight around it;
    // not one dropped at this step.
    std::uint64_t DaAggiungere(std::uint64_t s, int campione, long long passo)
    {
        const auto &cand = Candidati(s, campione);
        std::uint64_t scelta = s;
        std::uint64_t piu = 0;
        bool trovata = false;
        for (auto v : cand) {
            if (m_indice[v] >= 0 || m_eta[v] >= passo)
                continue;
            const std::uint64_t g = Guadagno(v);
            if (!trovata || g > piu || (g == piu && m_eta[v] < m_eta[scelta])) {
                trovata = true;
                scelta = v;
                piu = g;
            }
        }
        return scelta;
    }

    // Back to equal weights: a fresh start of the same search.
    void AzzeraPesi()
    {
        std::fill(m_peso.begin(), m_peso.end(), 1);
        for (auto v : m_blocchi) {
            m_perdita[v] = 0;
            Vicine(v, [&](std::uint64_t r) {
                if (m_copertura[r] == 1)
                    m_perdita[v] += m_peso[r];
            });
        }
        lavoro += static_cast<long long>(m_peso.size());
    }

    void Appesantisci()
    {
        for (auto r : m_scoperti)
            ++m_peso[r];
        lavoro += static_cast<long long>(m_scoperti.size());
    }

private:
    void Scopri(std::uint64_t r) { Entra(m_scoperti, m_posizione, r); }
    void Copri(std::uint64_t r) { Esce(m_scoperti, m_posizione, r); }

    int m_n, m_k, m_t;
    Vicinato m_utile;
    Generatore &m_caso;
    const Binomiali &C;
    std::vector<std::uint32_t> m_copertura;
    std::vector<std::uint64_t> m_chi; // XOR of the covering columns: the one column when the count is 1
    std::vector<std::uint64_t> m_peso;
    std::vector<std::uint64_t> m_perdita;
    std::vector<long long> m_eta;
    std::vector<std::int32_t> m_indice;
    std::vector<std::int32_t> m_posizione;
    std::vector<std::int32_t> m_scoperti;
    std::vector<std::uint64_t> m_blocchi;
    std::vector<Maschera> m_maschere;
    std::vector<std::uint64_t> m_palla;
    std::uint64_t m_dimPalla = 0;
    std::vector<std::uint64_t> m_candidati;
    std::vector<std::int32_t> m_vicine;
    std::vector<std::uint8_t> m_pronta;
};


// Masks of positions for the tabu search: one word up to 64 numbers, two beyond.
struct Parola128 {
    std::uint64_t basso = 0, alto = 0;
};
inline int Conta(std::uint64_t m) { return Bit(m); }
inline int Conta(const Parola128 &m) { return Bit(m.basso) + (m.alto ? Bit(m.alto) : 0); }
inline std::uint64_t Interseca(std::uint64_t a, std::uint64_t b) { return a & b; }
inline Parola128 Interseca(const Parola128 &a, const Parola128 &b) { return {a.basso & b.basso, a.alto & b.alto}; }
inline std::uint64_t Togli(std::uint64_t a, std::uint64_t b) { return a & ~b; }
inline Parola128 Togli(const Parola128 &a, const Parola128 &b) { return {a.basso & ~b.basso, a.alto & ~b.alto}; }
inline std::uint64_t ConBit(std::uint64_t a, int p, bool v)
{
    return v ? a | (std::uint64_t{1} << p) : a & ~(std::uint64_t{1} << p);
}
inline Parola128 ConBit(Parola128 a, int p, bool v)
{
    std::uint64_t &w = p < 64 ? a.basso : a.alto;
    const std::uint64_t b = std::uint64_t{1} << (p & 63);
    w = v ? w | b : w & ~b;
    return a;
}
inline bool HaBit(std::uint64_t a, int p) { return (a >> p) & 1; }
inline bool HaBit(const Parola128 &a, int p) { return ((p < 64 ? a.basso : a.alto) >> (p & 63)) & 1; }
// Positions set in m, ascending.
inline int Posizioni(std::uint64_t m, std::uint8_t *p)
{
    int c = 0;
    for (int i = 0; m; ++i, m >>= 1)
        if (m & 1)
            p[c++] = static_cast<std::uint8_t>(i);
    return c;
}
inline int Posizioni(const Parola128 &m, std::uint8_t *p)
{
    const int c = Posizioni(m.basso, p);
    int d = Posizioni(m.alto, p + c);
    for (int i = 0; i < d; ++i)
        p[c + i] = static_cast<std::uint8_t>(p[c + i] + 64);
    return c + d;
}


// The tabu search spends its time counting common numbers; the processor's own
// bit count makes it about twice as fast where the baseline lacks it. Both
// versions count exactly, so the search is the same on every machine.
#if defined(__x86_64__) && defined(__GNUC__)
#define SESTINA_POPCNT __attribute__((target("popcnt")))
#define SESTINA_POPCNT_SCELTA 1
#else
#define SESTINA_POPCNT
#define SESTINA_POPCNT_SCELTA 0
#endif

inline int ContaHW(std::uint64_t m) { return __builtin_popcountll(m); }
inline int ContaHW(const Parola128 &m) { return __builtin_popcountll(m.basso) + __builtin_popcountll(m.alto); }

// Draws of uniche left with fewer than t numbers of nb, less the draws of
// scoperti that nb covers: what swapping a column for nb costs.
template <class M, bool HW>
long long DeltaScambio(const std::vector<std::int32_t> &uniche, const std::vector<std::int32_t> &scoperti,
                       const M *maschere, const M &nb, int t)
{
    long long delta = 0;
    for (const auto r : uniche)
        delta += (HW ? ContaHW(Interseca(maschere[r], nb)) : Conta(Interseca(maschere[r], nb))) < t;
    for (const auto r : scoperti)
        delta -= (HW ? ContaHW(Interseca(maschere[r], nb)) : Conta(Interseca(maschere[r], nb))) >= t;
    return delta;
}

template <class M, bool HW>
void ColonneVicine(const std::vector<M> &blocchi, const M &s, int quanti, std::vector<std::uint32_t> &fuori)
{
    for (std::uint32_t i = 0; i < blocchi.size(); ++i)
        if ((HW ? ContaHW(Interseca(blocchi[i], s)) : Conta(Interseca(blocchi[i], s))) == quanti)
            fuori.push_back(i);
}

template <class M>
SESTINA_POPCNT long long DeltaScambioHW(const std::vector<std::int32_t> &uniche, const std::vector<std::int32_t> &scoperti,
                                        const M *maschere, const M &nb, int t)
{
    return DeltaScambio<M, true>(uniche, scoperti, maschere, nb, t);
}

template <class M>
SESTINA_POPCNT void ColonneVicineHW(const std::vector<M> &blocchi, const M &s, int quanti,
                                    std::vector<std::uint32_t> &fuori)
{
    ColonneVicine<M, true>(blocchi, s, quanti, fuori);
}

inline bool BitCountVeloce()
{
#if SESTINA_POPCNT_SCELTA
    static const bool si = __builtin_cpu_supports("popcnt");
    return si;
#else
    return true;
#endif
}

// Work allowed to the tabu phase per unit of effort, and to one try at a
// column count (at most, and per draw for small systems).
constexpr long long LavoroTabuPerSforzo = 600'000'000;
constexpr long long LavoroTabuPerEstrazione = 120'000;
constexpr long long LavoroTabuLivello = 100'000'000;
constexpr long long LavoroTabuLivelloPerEstrazione = 30'000;
// The start from random columns: the work it is allowed.
constexpr long long LavoroTabuPartenza = 1'200'000'000;
constexpr long long LavoroTabuPartenzaPerEstrazione = 240'000;
// Failed tries at a column count before each try gets twice the work; each
// try changes the tabu tenure. Some counts yield only after billions of steps.
constexpr int LivelliFalliti = 12;
constexpr std::array<std::array<int, 2>, 3> Permanenze{{{5, 6}, {2, 3}, {1, 2}}};

// Tabu search at a fixed number of columns, then one column fewer each time it
// covers every draw. A step takes a random uncovered draw and, among the
// columns that miss it by one number, the swap of one number that leaves the
// fewest draws uncovered; the number just added to a column may not leave it
// for a few steps. The draws each column alone covers are kept in a list, so
// a swap is weighed by walking that list and the uncovered ones, never the
// whole neighbourhood; only a swap that is made walks it.
template <class M> class RicercaTabu {
public:
    RicercaTabu(int n, int k, int t, Generatore &caso) : m_n(n), m_k(k), m_t(t), m_utile(n, k, t), m_caso(caso), C(Binomiale())
    {
        const std::uint64_t d = C[n][k];
        m_maschere.resize(d);
        for (std::uint64_t r = 0; r < d; ++r) {
            const Blocco b = m_utile.Da(r);
            M m{};
            for (int i = 0; i < k; ++i)
                m = ConBit(m, b.p[i], true);
            m_maschere[r] = m;
        }
        m_copertura.assign(d, 0);
        m_chi.assign(d, 0);
        m_posizione.assign(d, -1);
        m_posUnica.assign(d, -1);
    }

    long long lavoro = 0;
    long long passi = 0;

    void Imposta(const std::vector<std::uint64_t> &ranghi)
    {
        std::fill(m_copertura.begin(), m_copertura.end(), 0);
        std::fill(m_chi.begin(), m_chi.end(), 0);
        std::fill(m_posizione.begin(), m_posizione.end(), -1);
        std::fill(m_posUnica.begin(), m_posUnica.end(), -1);
        m_scoperti.clear();
        m_blocchi.clear();
        m_uniche.assign(ranghi.size(), {});
        for (std::size_t i = 0; i < ranghi.size(); ++i) {
            m_blocchi.push_back(m_maschere[ranghi[i]]);
            Palla(ranghi[i], [&](std::uint64_t r) {
                ++m_copertura[r];
                m_chi[r] ^= static_cast<std::uint32_t>(i);
            });
        }
        for (std::uint64_t r = 0; r < m_copertura.size(); ++r) {
            if (m_copertura[r] == 0)
                Scopri(r);
            else if (m_copertura[r] == 1)
                Unica(r, m_chi[r]);
        }
        lavoro += static_cast<long long>(m_copertura.size());
        m_tabu.assign(m_blocchi.size() * static_cast<std::size_t>(m_n), 0);
    }

    std::size_t Scoperti() const { return m_scoperti.size(); }
    std::size_t Colonne() const { return m_blocchi.size(); }

    std::vector<std::uint64_t> Ranghi() const
    {
        std::vector<std::uint64_t> v;
        for (const auto &m : m_blocchi)
            v.push_back(Rango(m));
        return v;
    }

    // Drops the column that alone covers the fewest draws.
    void TogliPiuDebole()
    {
        std::size_t w = 0;
        for (std::size_t i = 1; i < m_blocchi.size(); ++i)
            if (m_uniche[i].size() < m_uniche[w].size())
                w = i;
        TogliColonna(w);
    }

    void TogliColonna(std::size_t w)
    {
        const auto ultimo = static_cast<std::uint32_t>(m_blocchi.size() - 1);
        const auto bw = static_cast<std::uint32_t>(w);
        Palla(Rango(m_blocchi[w]), [&](std::uint64_t r) { Perde(r, bw); });
        if (bw != ultimo) {
            // The last column takes the freed place.
            Palla(Rango(m_blocchi[ultimo]), [&](std::uint64_t r) { m_chi[r] ^= ultimo ^ bw; });
            m_uniche[w].swap(m_uniche[ultimo]);
            m_blocchi[w] = m_blocchi[ultimo];
            std::copy_n(m_tabu.begin() + static_cast<std::ptrdiff_t>(ultimo) * m_n, m_n,
                        m_tabu.begin() + static_cast<std::ptrdiff_t>(w) * m_n);
        }
        m_uniche.pop_back();
        m_blocchi.pop_back();
        m_tabu.resize(m_blocchi.size() * static_cast<std::size_t>(m_n));
    }

    void Passo(int permanenzaMin, int permanenzaVar, std::size_t migliorScoperti)
    {
        ++passi;
        const M s = m_maschere[m_scoperti[m_caso.Sotto(static_cast<std::uint32_t>(m_scoperti.size()))]];
        m_candidati.clear();
        if (m_veloce)
            ColonneVicineHW(m_blocchi, s, m_t - 1, m_candidati);
        else
            ColonneVicine<M, false>(m_blocchi, s, m_t - 1, m_candidati);
        if (m_candidati.empty())
            m_candidati.push_back(m_caso.Sotto(static_cast<std::uint32_t>(m_blocchi.size())));
        lavoro += static_cast<long long>(m_blocchi.size());
        const long long scoperti = static_cast<long long>(m_scoperti.size());
        long long meglio = 0;
        bool trovata = false;
        std::uint32_t scelta = 0, pari = 0;
        int sx = 0, sy = 0;
        M nuova{};
        std::array<std::uint8_t, NumeroMassimo> fuori{}, dentro{};
        for (const std::uint32_t c : m_candidati) {
            const M b = m_blocchi[c];
            const int nf = Posizioni(Togli(b, s), fuori.data());
            const int nd = Posizioni(Togli(s, b), dentro.data());
            for (int i = 0; i < nf; ++i) {
                const int x = fuori[i];
                for (int j = 0; j < nd; ++j) {
                    const int y = dentro[j];
                    const M nb = ConBit(ConBit(b, x, false), y, true);
                    const long long delta =
                        m_veloce ? DeltaScambioHW(m_uniche[c], m_scoperti, m_maschere.data(), nb, m_t)
                                 : DeltaScambio<M, false>(m_uniche[c], m_scoperti, m_maschere.data(), nb, m_t);
                    lavoro += static_cast<long long>(m_uniche[c].size() + m_scoperti.size());
                    // A tabu swap only when it beats the best count of this column count.
                    if (m_tabu[c * static_cast<std::size_t>(m_n) + x] > passi &&
                        scoperti + delta >= static_cast<long long>(migliorScoperti))
                        continue;
                    if (!trovata || delta < meglio) {
                        trovata = true;
                        meglio = delta;
                        pari = 1;
                    } else if (delta != meglio || m_caso.Sotto(++pari) != 0) {
                        continue;
                    }
                    scelta = c;
                    sx = x;
                    sy = y;
                    nuova = nb;
                }
            }
        }
        if (!trovata)
            return;
        Scambia(scelta, sx, sy);
        m_blocchi[scelta] = nuova;
        m_tabu[scelta * static_cast<std::size_t>(m_n) + sy] =
            passi + permanenzaMin + m_caso.Sotto(static_cast<std::uint32_t>(permanenzaVar));
    }

private:
    std::uint64_t Rango(const M &m) const
    {
        std::array<std::uint8_t, NumeroMassimo> p{};
        Posizioni(m, p.data());
        std::uint64_t r = 0;
        for (int i = 0; i < m_k; ++i)
            r += C[p[i]][i + 1];
        return r;
    }

    template <class F> void Palla(std::uint64_t r, F &&f)
    {
        lavoro += static_cast<long long>(4 * 64);
        m_utile.PerOgni(m_utile.Da(r), std::forward<F>(f));
    }

    // Column c trades x for y: the draws with t - 1 of its other numbers and
    // k - t outside it gain y and lose x.
    void Scambia(std::uint32_t c, int x, int y)
    {
        const M b = m_blocchi[c];
        std::array<std::uint8_t, KMassimo> resto{};
        std::array<std::uint8_t, NumeroMassimo> esterni{};
        int nr = 0, ne = 0;
        for (int p = 0; p < m_n; ++p) {
            if (HaBit(b, p)) {
                if (p != x)
                    resto[nr++] = static_cast<std::uint8_t>(p);
            } else if (p != y) {
                esterni[ne++] = static_cast<std::uint8_t>(p);
            }
        }
        std::array<std::uint8_t, KMassimo> u{};
        PerOgniSottoinsieme(resto.data(), nr, m_t - 1, [&](const std::uint8_t *a) {
            PerOgniSottoinsieme(esterni.data(), ne, m_k - m_t, [&](const std::uint8_t *e) {
                // The same draw with x (it loses c) and with y (it gains c).
                for (int lato = 0; lato < 2; ++lato) {
                    const std::uint8_t z = static_cast<std::uint8_t>(lato == 0 ? x : y);
                    int ia = 0, ie = 0, iu = 0;
                    bool messo = false;
                    while (iu < m_k) {
                        std::uint8_t v = 255;
                        int da = -1;
                        if (ia < m_t - 1 && a[ia] < v) {
                            v = a[ia];
                            da = 0;
                        }
                        if (ie < m_k - m_t && e[ie] < v) {
                            v = e[ie];
                            da = 1;
                        }
                        if (!messo && z < v) {
                            v = z;
                            da = 2;
                        }
                        u[iu++] = v;
                        if (da == 0)
                            ++ia;
                        else if (da == 1)
                            ++ie;
                        else
                            messo = true;
                    }
                    std::uint64_t r = 0;
                    for (int i = 0; i < m_k; ++i)
                        r += C[u[i]][i + 1];
                    if (lato == 0) {
                        Perde(r, c);
                    } else {
                        const std::uint32_t cc = m_copertura[r]++;
                        m_chi[r] ^= c;
                        if (cc == 0) {
                            Copri(r);
                            Unica(r, c);
                        } else if (cc == 1) {
                            NonUnica(r, m_chi[r] ^ c);
                        }
                    }
                }
                lavoro += 2 * m_k;
            });
        });
    }

    // The draw r is no longer covered by column c: it may be left uncovered,
    // or covered by one column alone.
    void Perde(std::uint64_t r, std::uint32_t c)
    {
        const std::uint32_t rimaste = --m_copertura[r];
        m_chi[r] ^= c;
        if (rimaste == 0) {
            NonUnica(r, c);
            Scopri(r);
        } else if (rimaste == 1) {
            Unica(r, m_chi[r]);
        }
    }
    void Scopri(std::uint64_t r) { Entra(m_scoperti, m_posizione, r); }
    void Copri(std::uint64_t r) { Esce(m_scoperti, m_posizione, r); }
    void Unica(std::uint64_t r, std::uint32_t c) { Entra(m_uniche[c], m_posUnica, r); }
    void NonUnica(std::uint64_t r, std::uint32_t c) { Esce(m_uniche[c], m_posUnica, r); }

    int m_n, m_k, m_t;
    Vicinato m_utile;
    Generatore &m_caso;
    const Binomiali &C;
    std::vector<M> m_maschere;
    std::vector<std::uint32_t> m_copertura;
    std::vector<std::uint32_t> m_chi; // XOR of the covering columns' places: the one place when the count is 1
    std::vector<std::int32_t> m_posizione;
    std::vector<std::int32_t> m_posUnica;
    std::vector<std::int32_t> m_scoperti;
    std::vector<std::vector<std::int32_t>> m_uniche; // per column, the draws it alone covers
    std::vector<M> m_blocchi;
    std::vector<long long> m_tabu; // per column and number: the step until which it may not leave
    std::vector<std::uint32_t> m_candidati;
    bool m_veloce = BitCountVeloce();
};

// Looks for a system smaller than record (a complete one): random columns as
// many as record's are covered afresh, since the shapes the greedy and the
// exchange search leave are hard for the tabu search to get out of (a system
// of orbits is kept instead: no random start covers at its size); then a
// descent drops one column at a time while the search keeps covering every
// draw, until the work runs out. Returns the smallest complete system found
// (record when none is smaller) and adds its moves to passi.
template <class M>
std::vector<std::uint64_t> CercaTabu(int n, int k, int t, const std::vector<std::uint64_t> &record, long long budget,
                                     Generatore &caso, Progresso &progresso, long long lavoroPrima, long long lavoroTotale,
                                     const std::function<void(int)> &colonneAttuali, bool &interrotta, long long &passi,
                                     bool partenzaCasuale)
{
    const auto estrazioni = Binomiale()[n][k];
    RicercaTabu<M> tabu(n, k, t, caso);
    const long long tetto =
        std::min(LavoroTabuLivello, static_cast<long long>(estrazioni) * LavoroTabuLivelloPerEstrazione);
    const long long tettoCasuale = std::min(LavoroTabuPartenza, static_cast<long long>(estrazioni) * LavoroTabuPartenzaPerEstrazione);

    std::vector<std::uint64_t> migliore = record;
    const auto registra = [&] {
        migliore = tabu.Ranghi();
        if (colonneAttuali && migliore.size() < record.size())
            colonneAttuali(static_cast<int>(migliore.size()));
    };
    // Searches from the columns set until every draw is covered; false when
    // the work allowed runs out first, or on Stop.
    const auto copri = [&](int permanenza, long long tettoQui) {
        std::size_t migliorScoperti = tabu.Scoperti();
        const long long inizio = tabu.lavoro;
        while (tabu.Scoperti() > 0) {
            if (tabu.lavoro - inizio > tettoQui || tabu.lavoro >= budget || interrotta)
                return false;
            if ((tabu.passi & 63) == 0) {
                progresso.Avanza(static_cast<long>((lavoroPrima + std::min(tabu.lavoro, budget)) / 1000),
                                 static_cast<long>(lavoroTotale / 1000));
                if (progresso.Interrompi()) {
                    interrotta = true;
                    return false;
                }
            }
            tabu.Passo(Permanenze[permanenza][0], Permanenze[permanenza][1], migliorScoperti);
            migliorScoperti = std::min(migliorScoperti, tabu.Scoperti());
        }
        return true;
    };
    // One column fewer at a time from the best system. A count that resists
    // is tried again from the best system less another column, with another
    // tenure; after the given number of failures in a row, with twice the work.
    const auto scendi = [&](int tentativi, bool pronto) {
        int falliti = 0;
        std::size_t permanenza = 0;
        long long tettoQui = tetto;
        while (!interrotta && tabu.lavoro < budget && migliore.size() > 1) {
            if (!pronto)
                tabu.Imposta(migliore);
            if (falliti == 0)
                tabu.TogliPiuDebole();
            else
                tabu.TogliColonna(caso.Sotto(static_cast<std::uint32_t>(migliore.size())));
            if (copri(static_cast<int>(permanenza), tettoQui)) {
                registra();
                pronto = true;
                falliti = 0;
            } else {
                pronto = false;
                // A count resisting every retry gets twice the work, while there is work left.
                if (++falliti >= tentativi) {
                    falliti = 0;
                    tettoQui *= 2;
                }
                permanenza = (permanenza + 1) % Permanenze.size();
            }
        }
    };
    const auto casuali = [&](std::size_t quante) {
        std::vector<std::uint64_t> v;
        std::vector<std::uint8_t> preso(estrazioni, 0);
        while (v.size() < std::min<std::uint64_t>(quante, estrazioni)) {
            const std::uint64_t r = caso.Prossimo() % estrazioni;
            if (!preso[r]) {
                preso[r] = 1;
                v.push_back(r);
            }
        }
        return v;
    };

    // Random columns as many as the best system's, covered afresh, descend
    // further than the best system itself; should they not cover every draw
    // in time, the descent starts from the best system.
    bool coperte = false;
    if (partenzaCasuale) {
        tabu.Imposta(casuali(record.size()));
        coperte = copri(0, tettoCasuale);
        if (coperte)
            registra();
    }
    scendi(LivelliFalliti, coperte);
    passi += tabu.passi;
    return migliore;
}

// Systems fixed by a permutation of the positions and its powers: a column
// brings its whole orbit, so the covering problem is about n times smaller and
// its good solutions often beat what the search finds column by column.
class Orbite {
public:
    Orbite(int n, int k, int t, const std::vector<std::uint8_t> &sigma) : m_utile(n, k, t)
    {
        const auto d = Binomiale()[n][k];
        m_orbita.assign(d, -1);
        for (std::uint64_t r = 0; r < d; ++r) {
            if (m_orbita[r] >= 0)
                continue;
            const auto o = static_cast<std::int32_t>(m_membri.size());
            m_membri.emplace_back();
            Blocco b = m_utile.Da(r);
            std::uint64_t q = r;
            do {
                m_orbita[q] = o;
                m_membri.back().push_back(q);
                std::array<std::uint8_t, KMassimo> p{};
                for (int i = 0; i < k; ++i)
                    p[i] = sigma[b.p[i]];
                b = FaiBlocco(p.data(), k);
                q = m_utile.Rango(b);
            } while (q != r);
        }
        // Sharing t numbers is symmetric and kept by the permutation: the
        // orbits a column's orbit covers are those that cover it.
        m_vicine.resize(m_membri.size());
        for (std::size_t o = 0; o < m_membri.size(); ++o) {
            auto &l = m_vicine[o];
            m_utile.PerOgni(m_utile.Da(m_membri[o][0]), [&](std::uint64_t q) { l.push_back(m_orbita[q]); });
            std::sort(l.begin(), l.end());
            l.erase(std::unique(l.begin(), l.end()), l.end());
        }
    }

    std::int32_t Quante() const { return static_cast<std::int32_t>(m_membri.size()); }
    const std::vector<std::int32_t> &Vicine(std::int32_t o) const { return m_vicine[o]; }
    const std::vector<std::uint64_t> &Membri(std::int32_t o) const { return m_membri[o]; }

private:
    Vicinato m_utile;
    std::vector<std::int32_t> m_orbita;
    std::vector<std::vector<std::uint64_t>> m_membri;
    std::vector<std::vector<std::int32_t>> m_vicine;
};

// The weighted exchange of Dominio over whole orbits, each costing its columns;
// starts greedily. Returns the cheapest complete choice found; continua (asked
// now and then with the work done) ends it early.
std::vector<std::int32_t> CopriOrbite(const Orbite &orb, long long budget, Generatore &caso, long long &lavoro,
                                      long long &passi, const std::function<bool()> &continua)
{
    const std::int32_t m = orb.Quante();
    std::vector<std::int64_t> costo(m), peso(m, 1), perdita(m, 0);
    std::vector<std::int32_t> copertura(m, 0), chi(m, 0), indice(m, -1), posizione(m, -1), scoperti, scelte;
    std::vector<long long> eta(m, 0);
    for (std::int32_t o = 0; o < m; ++o) {
        costo[o] = static_cast<std::int64_t>(orb.Membri(o).size());
        posizione[o] = o;
        scoperti.push_back(o);
    }
    std::int64_t totale = 0;
    const auto aggiungi = [&](std::int32_t s, long long passo) {
        indice[s] = static_cast<std::int32_t>(scelte.size());
        scelte.push_back(s);
        totale += costo[s];
        perdita[s] = 0;
        for (const auto e : orb.Vicine(s)) {
            if (copertura[e] == 0) {
                perdita[s] += peso[e];
                const auto j = posizione[e];
                scoperti[j] = scoperti.back();
                posizione[scoperti[j]] = j;
                scoperti.pop_back();
                posizione[e] = -1;
            } else if (copertura[e] == 1) {
                perdita[chi[e]] -= peso[e];
            }
            ++copertura[e];
            chi[e] ^= s;
        }
        lavoro += static_cast<long long>(orb.Vicine(s).size());
        eta[s] = passo;
    };
    const auto togli = [&](std::int32_t s, long long passo) {
        for (const auto e : orb.Vicine(s)) {
            --copertura[e];
            chi[e] ^= s;
            if (copertura[e] == 1) {
                perdita[chi[e]] += peso[e];
            } else if (copertura[e] == 0) {
                posizione[e] = static_cast<std::int32_t>(scoperti.size());
                scoperti.push_back(e);
            }
        }
        lavoro += static_cast<long long>(orb.Vicine(s).size());
        const auto i = indice[s];
        indice[scelte.back()] = i;
        scelte[i] = scelte.back();
        scelte.pop_back();
        indice[s] = -1;
        totale -= costo[s];
        eta[s] = passo;
    };
    const auto guadagno = [&](std::int32_t s) {
        std::int64_t g = 0;
        for (const auto e : orb.Vicine(s))
            if (copertura[e] == 0)
                g += peso[e];
        lavoro += static_cast<long long>(orb.Vicine(s).size());
        return g;
    };
    // Among the orbits covering the draw orbit e, the most uncovered weight for
    // the cost, the oldest on ties; none chosen or dropped at this step.
    const auto daAggiungere = [&](std::int32_t e, long long passo) {
        std::int32_t scelta = -1;
        std::int64_t g = 0;
        for (const auto s : orb.Vicine(e)) {
            if (indice[s] >= 0 || (passo > 0 && eta[s] >= passo))
                continue;
            const auto gs = guadagno(s);
            if (scelta < 0 || gs * costo[scelta] > g * costo[s] ||
                (gs * costo[scelta] == g * costo[s] && eta[s] < eta[scelta])) {
                scelta = s;
                g = gs;
            }
        }
        return scelta;
    };
    // The lightest loss for the cost, the oldest on ties; not the one added at the step before.
    const auto daTogliere = [&](long long passo) {
        std::int32_t scelta = -1;
        for (const auto s : scelte) {
            if (scelte.size() > 1 && eta[s] >= passo - 1 && eta[s] > 0)
                continue;
            if (scelta < 0 || perdita[s] * costo[scelta] < perdita[scelta] * costo[s] ||
                (perdita[s] * costo[scelta] == perdita[scelta] * costo[s] && eta[s] < eta[scelta]))
                scelta = s;
        }
        lavoro += static_cast<long long>(scelte.size());
        return scelta >= 0 ? scelta : scelte.front();
    };

    while (!scoperti.empty())
        aggiungi(daAggiungere(scoperti[caso.Sotto(static_cast<std::uint32_t>(scoperti.size()))], 0), 0);
    std::vector<std::int32_t> migliore = scelte;
    std::int64_t migliorTotale = totale;
    const long long inizio = lavoro;
    long long passo = 1;
    while (lavoro - inizio < budget && scelte.size() > 1) {
        if ((passo & 63) == 0 && !continua())
            break;
        if (scoperti.empty()) {
            if (totale < migliorTotale) {
                migliorTotale = totale;
                migliore = scelte;
            }
            togli(daTogliere(passo), passo);
            continue;
        }
        ++passo;
        togli(daTogliere(passo), passo);
        const auto s = daAggiungere(scoperti[caso.Sotto(static_cast<std::uint32_t>(scoperti.size()))], passo);
        if (s >= 0)
            aggiungi(s, passo);
        for (const auto e : scoperti)
            ++peso[e];
        lavoro += static_cast<long long>(scoperti.size());
    }
    passi += passo - 1;
    return migliore;
}

// Work for one search over orbits, per unit of effort (at most, and per draw for small systems).
constexpr long long LavoroOrbite = 30'000'000;
constexpr long long LavoroOrbitePerEstrazione = 3'000;
// Fresh searches for each permutation: their outcome varies with the start.
constexpr int RipreseOrbite = 3;
// Neighbour lists of the orbits kept in memory at most (entries).
constexpr long long VoceOrbiteMassime = 30'000'000;

// The smallest complete system made of orbits of a cyclic shift of all the
// positions, all but the last, or all but the last two; empty when none is
// worth building (neighbourhoods too large) or on Stop.
std::vector<std::uint64_t> CercaSimmetrici(int n, int k, int t, long long budgetRicerca, Generatore &caso,
                                           long long &lavoro, long long &passi,
                                           const std::function<bool()> &continua)
{
    const auto &C = Binomiale();
    std::uint64_t palla = 0;
    for (int j = t; j <= k; ++j)
        palla += C[k][j] * C[n - k][k - j];
    std::vector<std::uint64_t> migliore;
    for (int fermi = 0; fermi <= 2 && n - fermi > k; ++fermi) {
        if (static_cast<double>(C[n][k]) / (n - fermi) * static_cast<double>(palla) > VoceOrbiteMassime)
            continue;
        std::vector<std::uint8_t> sigma(n);
        for (int i = 0; i < n; ++i)
            sigma[i] = static_cast<std::uint8_t>(i < n - fermi ? (i + 1) % (n - fermi) : i);
        const Orbite orb(n, k, t, sigma);
        lavoro += static_cast<long long>(C[n][k] + orb.Quante() * palla);
        for (int ripresa = 0; ripresa < RipreseOrbite; ++ripresa) {
            const auto scelte = CopriOrbite(orb, budgetRicerca, caso, lavoro, passi, continua);
            if (!continua())
                return {};
            std::size_t colonne = 0;
            for (const auto o : scelte)
                colonne += orb.Membri(o).size();
            if (!migliore.empty() && colonne >= migliore.size())
                continue;
            migliore.clear();
            for (const auto o : scelte)
                migliore.insert(migliore.end(), orb.Membri(o).begin(), orb.Membri(o).end());
        }
    }
    return migliore;
}

std::uint64_t Seme(const std::vector<int> &numeri, int k, int r)
{
    std::uint64_t h = 1469598103934665603ULL;
    auto mescola = [&](std::uint64_t v) {
        h ^= v;
        h *= 1099511628211ULL;
    };
    mescola(static_cast<std::uint64_t>(numeri.size()));
    mescola(static_cast<std::uint64_t>(k));
    mescola(static_cast<std::uint64_t>(r));
    for (int x : numeri)
        mescola(static_cast<std::uint64_t>(x));
    return h;
}

void Controlla(const std::vector<int> &numeri, int k, int r)
{
    if (k < 2 || k > KMassimo)
        throw Errore("Numeri in combinazione non validi: " + std::to_string(k));
    if (r < 1 || r >= k)
        throw Errore("Riduzione non valida per l'ottimizzazione: " + std::to_string(r));
    std::array<bool, NumeroMassimo + 1> visto{};
    for (int x : numeri) {
        if (x < 1 || x > NumeroMassimo)
            throw Errore("Numero non valido: " + std::to_string(x) + " (ammessi da 1 a 90)");
        if (visto[x])
            throw Errore("Numero ripetuto: " + std::to_string(x));
        visto[x] = true;
    }
    if (static_cast<int>(numeri.size()) < k)
        throw Errore("Sviluppo Impossibile");
    if (Binomiale()[numeri.size()][k] > static_cast<std::uint64_t>(IntegraliMassimi))
        throw Errore("Troppe colonne da sviluppare");
}

// Lexicographic greedy on positions: a column is kept when none of its
// t-subsets lies in a column kept before it.
std::vector<Blocco> Greedy(int n, int k, int t)
{
    const auto &C = Binomiale();
    std::vector<std::uint64_t> segnati((C[n][t] + 63) / 64, 0);
    std::vector<Blocco> kept;
    std::array<std::uint8_t, KMassimo> p{};
    for (int i = 0; i < k; ++i)
        p[i] = static_cast<std::uint8_t>(i);
    while (true) {
        bool coperta = false;
        PerOgniSottoinsieme(p.data(), k, t, [&](const std::uint8_t *s) {
            if (coperta)
                return;
            std::uint64_t r = 0;
            for (int i = 0; i < t; ++i)
                r += C[s[i]][i + 1];
            coperta = (segnati[r >> 6] >> (r & 63)) & 1;
        });
        if (!coperta) {
            kept.push_back(FaiBlocco(p.data(), k));
            PerOgniSottoinsieme(p.data(), k, t, [&](const std::uint8_t *s) {
                std::uint64_t r = 0;
                for (int i = 0; i < t; ++i)
                    r += C[s[i]][i + 1];
                segnati[r >> 6] |= std::uint64_t{1} << (r & 63);
            });
        }
        int i = k - 1;
        while (i >= 0 && p[i] == n - k + i)
            --i;
        if (i < 0)
            break;
        ++p[i];
        for (int j = i + 1; j < k; ++j)
            p[j] = static_cast<std::uint8_t>(p[j - 1] + 1);
    }
    return kept;
}

std::vector<Colonna> Colonne(std::vector<Blocco> blocchi, const std::vector<int> &numeri, int k)
{
    std::sort(blocchi.begin(), blocchi.end(), [](const Blocco &a, const Blocco &b) { return a.p < b.p; });
    std::vector<Colonna> c;
    c.reserve(blocchi.size());
    for (const auto &b : blocchi) {
        Colonna col;
        for (int i = 0; i < k; ++i)
            col.push_back(static_cast<char>(numeri[b.p[i]]));
        c.push_back(std::move(col));
    }
    return c;
}

bool Garantisce(const std::vector<Colonna> &colonne, const std::vector<int> &numeri, int k, int t)
{
    return VerificaGaranzia(colonne, numeri, k).garanzia >= t;
}

} // namespace

std::vector<Colonna> RiduzioneGreedy(const std::vector<int> &numeri, int k, int r)
{
    Controlla(numeri, k, r);
    return Colonne(Greedy(static_cast<int>(numeri.size()), k, k - r), numeri, k);
}

RisultatoOttimizzazione OttimizzaSistema(const std::vector<int> &numeri, int k, int r, int sforzo, Progresso &progresso,
                                         const std::function<void(int)> &colonneAttuali)
{
    Controlla(numeri, k, r);
    if (sforzo < 1 || sforzo > SforzoMassimo)
        throw Errore("Sforzo non valido: " + std::to_string(sforzo) + " (ammesso da 1 a " +
                     std::to_string(SforzoMassimo) + ")");
    const int n = static_cast<int>(numeri.size());
    const int t = k - r;
    Generatore caso(Seme(numeri, k, r));

    RisultatoOttimizzazione ris;
    const std::vector<Blocco> greedy = Greedy(n, k, t);
    ris.colonneGreedy = static_cast<int>(greedy.size());

    // Small systems settle early: their work is bounded by their number of draws too.
    const auto estrazioni = static_cast<long long>(Binomiale()[n][k]);
    const long long budget = std::min(LavoroPerSforzo, estrazioni * LavoroPerEstrazione) * sforzo;
    const long long budgetTabu = std::min(LavoroTabuPerSforzo, estrazioni * LavoroTabuPerEstrazione) * sforzo;
    const long long budgetOrbite = std::min(LavoroOrbite, estrazioni * LavoroOrbitePerEstrazione) * sforzo;
    // Three permutations, each searched afresh a few times.
    const long long lavoroOrbite = 3 * RipreseOrbite * budgetOrbite;
    const long long totale = budget + lavoroOrbite + budgetTabu;
    Dominio dom(n, k, t, caso);
    for (const auto &b : greedy)
        dom.Aggiungi(dom.Rango(b), 0);
    std::vector<std::uint64_t> record = dom.Blocchi();
    long long passo = 1;
    long long lavoroRecord = 0;
    int tentativi = 0;
    while (record.size() > 1) {
        if (dom.Scoperti() == 0) {
            record = dom.Blocchi();
            lavoroRecord = dom.lavoro;
            if (colonneAttuali)
                colonneAttuali(static_cast<int>(record.size()));
            if (record.size() == 1)
                break;
            dom.Togli(dom.DaTogliere(passo), passo);
            continue;
        }
        if (dom.lavoro >= budget)
            break;
        if (dom.lavoro - lavoroRecord > budget / Tentativi) {
            // Stuck: start again from the best system with fresh weights; a few times, then enough.
            if (++tentativi >= Tentativi)
                break;
            while (!dom.Blocchi().empty())
                dom.Togli(dom.Blocchi().back(), passo);
            for (auto v : record)
                dom.Aggiungi(v, passo);
            dom.AzzeraPesi();
            dom.Togli(dom.DaTogliere(passo + 2), passo + 2);
            passo += 2;
            lavoroRecord = dom.lavoro;
            continue;
        }
        if ((passo & 15) == 0) {
            progresso.Avanza(static_cast<long>(std::min(dom.lavoro, budget) / 1000), static_cast<long>(totale / 1000));
            if (progresso.Interrompi()) {
                ris.interrotta = true;
                break;
            }
        }
        ++passo;
        dom.Togli(dom.DaTogliere(passo), passo);
        const std::uint64_t s = dom.Scoperto(caso.Sotto(static_cast<std::uint32_t>(dom.Scoperti())));
        dom.Aggiungi(dom.DaAggiungere(s, CampioneAggiungi, passo), passo);
        dom.Appesantisci();
    }
    ris.passi = passo - 1;

    bool daOrbite = false;
    if (!ris.interrotta && record.size() > 1) {
        long long lavoro = 0;
        const auto simmetrico = CercaSimmetrici(n, k, t, budgetOrbite, caso, lavoro, ris.passi, [&] {
            progresso.Avanza(static_cast<long>((budget + std::min(lavoro, lavoroOrbite)) / 1000),
                             static_cast<long>(totale / 1000));
            if (progresso.Interrompi())
                ris.interrotta = true;
            return !ris.interrotta;
        });
        if (!simmetrico.empty() && simmetrico.size() < record.size()) {
            record = simmetrico;
            daOrbite = true;
            if (colonneAttuali)
                colonneAttuali(static_cast<int>(record.size()));
        }
    }
    if (!ris.interrotta && record.size() > 1) {
        const long long prima = budget + lavoroOrbite;
        record = n <= 64 ? CercaTabu<std::uint64_t>(n, k, t, record, budgetTabu, caso, progresso, prima, totale,
                                                    colonneAttuali, ris.interrotta, ris.passi, !daOrbite)
                         : CercaTabu<Parola128>(n, k, t, record, budgetTabu, caso, progresso, prima, totale,
                                                colonneAttuali, ris.interrotta, ris.passi, !daOrbite);
    }
    progresso.Avanza(static_cast<long>(totale / 1000), static_cast<long>(totale / 1000));

    std::vector<Blocco> migliore;
    for (auto v : record)
        migliore.push_back(dom.Da(v));
    ris.colonne = Colonne(migliore, numeri, k);
    // The search is checked by a separate proof; should it ever fail, the greedy system holds.
    if (!Garantisce(ris.colonne, numeri, k, t))
        ris.colonne = Colonne(greedy, numeri, k);
    return ris;
}

} // namespace sestina::sistemi
