#include "stats/RitardiGruppi.h"

#include "app/Colonna.h"
#include "app/Data.h"
#include "app/Errore.h"
#include "app/Testo.h"
#include "archive/Archivio.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

namespace sestina::statistiche {
namespace {

constexpr int N = 90;

// Without a popcount instruction in the target std::popcount is a library call.
inline int Bit(std::uint64_t x)
{
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

// A set of the numbers 1..90, number n at bit n - 1.
struct Insieme {
    std::uint64_t w[2]{0, 0};

    void aggiungi(int b) { w[b >> 6] |= std::uint64_t{1} << (b & 63); }
    bool contiene(int b) const { return (w[b >> 6] >> (b & 63)) & 1; }
    bool vuoto() const { return (w[0] | w[1]) == 0; }
    int conta() const { return Bit(w[0]) + Bit(w[1]); }
    // At least two elements, without counting them.
    bool almenoDue() const { return (w[0] & (w[0] - 1)) || (w[1] & (w[1] - 1)) || (w[0] && w[1]); }
    int primo() const { return w[0] ? std::countr_zero(w[0]) : 64 + std::countr_zero(w[1]); }
    int ultimo() const { return w[1] ? 127 - std::countl_zero(w[1]) : 63 - std::countl_zero(w[0]); }
    void togli(int b) { w[b >> 6] &= ~(std::uint64_t{1} << (b & 63)); }
    friend Insieme operator&(const Insieme &a, const Insieme &b) { return {{a.w[0] & b.w[0], a.w[1] & b.w[1]}}; }
    friend Insieme operator|(const Insieme &a, const Insieme &b) { return {{a.w[0] | b.w[0], a.w[1] | b.w[1]}}; }
    // The bits above b.
    static Insieme Sopra(int b)
    {
        Insieme s;
        if (b < 63) {
            s.w[0] = ~std::uint64_t{0} << (b + 1);
            s.w[1] = ~std::uint64_t{0};
        } else {
            s.w[1] = b == 63 ? ~std::uint64_t{0} : ~std::uint64_t{0} << (b - 63);
        }
        return s;
    }
    static Insieme Tutti()
    {
        Insieme s;
        s.w[0] = ~std::uint64_t{0};
        s.w[1] = (std::uint64_t{1} << (N - 64)) - 1;
        return s;
    }
};

using Gruppo = std::vector<int>;

// The graph of the pairs whose last ambo is not later than the current step.
// Cliques are listed in lexicographic order; a greedy colouring of the
// candidates' suffixes bounds the clique that can still be completed.
class Grafo {
public:
    void Collega(int a, int b)
    {
        m_adj[a].aggiungi(b);
        m_adj[b].aggiungi(a);
    }
    const Insieme &vicini(int a) const { return m_adj[a]; }

    // Calls emetti(prefisso + clique) for every clique of `mancanti` vertices
    // inside candidati, in lexicographic order, until emetti returns false.
    template <class F> bool Cliques(Insieme candidati, int mancanti, Gruppo &prefisso, F &emetti) const
    {
        if (mancanti == 0)
            return emetti(prefisso);
        if (candidati.conta() < mancanti)
            return true;
        if (mancanti == 1) {
            for (Insieme c = candidati; !c.vuoto();) {
                int v = c.primo();
                c.togli(v);
                prefisso.push_back(v);
                bool avanti = emetti(prefisso);
                prefisso.pop_back();
                if (!avanti)
                    return false;
            }
            return true;
        }
        // Colours of the suffixes {>= v}: vertices coloured from the highest down,
        // so the classes used so far colour exactly the suffix.
        std::array<std::uint8_t, N> coloriSuffisso{};
        {
            std::array<Insieme, N> classi;
            int usate = 0;
            for (Insieme c = candidati; !c.vuoto();) {
                int v = c.ultimo();
                c.togli(v);
                int k = 0;
                while (k < usate && !(classi[k] & m_adj[v]).vuoto())
                    ++k;
                if (k == usate)
                    classi[usate++] = Insieme{};
                classi[k].aggiungi(v);
                coloriSuffisso[v] = static_cast<std::uint8_t>(usate);
            }
        }
        for (Insieme c = candidati; !c.vuoto();) {
            int v = c.primo();
            c.togli(v);
            if (coloriSuffisso[v] < mancanti)
                break; // no clique of that size in {>= v}, nor in any later suffix
            prefisso.push_back(v);
            bool avanti = Cliques(candidati & m_adj[v] & Insieme::Sopra(v), mancanti - 1, prefisso, emetti);
            prefisso.pop_back();
            if (!avanti)
                return false;
        }
        return true;
    }

private:
    std::array<Insieme, N> m_adj;
};

// Distinct numbers 1..90 of a draw's six, as bit indexes.
Insieme NumeriEstrazione(const archivio::RecordSuperenalotto &n)
{
    Insieme s;
    for (auto x : n.numeri)
        if (x >= 1 && x <= N)
            s.aggiungi(x - 1);
    return s;
}

Insieme InsiemeGruppo(const Gruppo &g)
{
    Insieme s;
    for (int x : g)
        s.aggiungi(x - 1);
    return s;
}

void ControllaK(int k)
{
    if (k < GruppoMinimo || k > GruppoMassimo)
        throw Errore(
            Formato("Lunghezza del gruppo non valida: %d (ammesse da %d a %d)", k, GruppoMinimo, GruppoMassimo));
}

void ControllaIntervallo(const std::vector<archivio::Estrazione> &e, int inizio, int fine)
{
    const int ultima = static_cast<int>(e.size()) - 1;
    if (inizio < 0 || fine > ultima)
        throw Errore(Formato("Intervallo di ricerca non valido: %d - %d (estrazioni da 0 a %d)", inizio, fine, ultima));
}

long ChiaveData(const std::string &testo)
{
    auto d = LeggiData(Trim(testo));
    return d ? (static_cast<long>(d->anno) * 10000 + d->mese * 100 + d->giorno) : -1;
}

// Calls f(x, y) for every pair x < y of the set, in lexicographic order.
template <class F> void PerOgniCoppia(Insieme s, F f)
{
    for (Insieme a = s; !a.vuoto();) {
        int x = a.primo();
        a.togli(x);
        for (Insieme b = s & Insieme::Sopra(x); !b.vuoto();) {
            int y = b.primo();
            b.togli(y);
            f(x, y);
        }
    }
}

} // namespace

int InizioRicercaVeloce(int k)
{
    return k <= 8 ? 0 : InizioVeloceGruppiGrandi;
}

std::vector<std::vector<int>> GruppiPiuInRitardo(const std::vector<archivio::Estrazione> &estrazioni, int k, int inizio,
                                                 int fine)
{
    ControllaK(k);
    std::vector<Gruppo> risultato;
    if (inizio > fine)
        return risultato;
    ControllaIntervallo(estrazioni, inizio, fine);

    std::vector<Insieme> numeri(fine - inizio + 1);
    for (int r = inizio; r <= fine; ++r)
        numeri[r - inizio] = NumeriEstrazione(estrazioni[r].numeri);

    // Last ambo of every pair in the span, -1 for none.
    std::vector<int> ultimo(N * N, -1);
    for (int r = inizio; r <= fine; ++r)
        PerOgniCoppia(numeri[r - inizio], [&](int x, int y) { ultimo[x * N + y] = r; });

    Grafo grafo;
    for (int x = 0; x < N; ++x)
        for (int y = x + 1; y < N; ++y)
            if (ultimo[x * N + y] <= inizio)
                grafo.Collega(x, y);

    auto inNumeri = [](const Gruppo &g) {
        Gruppo n(g.size());
        std::transform(g.begin(), g.end(), n.begin(), [](int b) { return b + 1; });
        return n;
    };

    // Step F: every clique of the first graph, already in lexicographic order.
    {
        Gruppo prefisso;
        auto emetti = [&](const Gruppo &g) {
            risultato.push_back(inNumeri(g));
            return static_cast<int>(risultato.size()) < VociRitardiGruppi;
        };
        grafo.Cliques(Insieme::Tutti(), k, prefisso, emetti);
    }

    // Later steps: only the pairs whose last ambo is draw r add edges, and every
    // new group holds one of them.
    std::vector<Gruppo> passo;
    for (int r = inizio + 1; r <= fine && static_cast<int>(risultato.size()) < VociRitardiGruppi; ++r) {
        std::array<std::pair<int, int>, 15> nuovi;
        int quanti = 0;
        PerOgniCoppia(numeri[r - inizio], [&](int x, int y) {
            if (ultimo[x * N + y] == r) {
                nuovi[quanti++] = {x, y};
                grafo.Collega(x, y);
            }
        });
        if (quanti == 0)
            continue;
        const int servono = VociRitardiGruppi - static_cast<int>(risultato.size());
        passo.clear();
        for (int i = 0; i < quanti; ++i) {
            // Plain variables: Clang 14 cannot capture structured bindings in a lambda.
            const int x = nuovi[i].first, y = nuovi[i].second;
            Insieme comuni = grafo.vicini(x) & grafo.vicini(y);
            if (comuni.conta() < k - 2)
                continue;
            // Within one pair the groups come in the order of the rest of the
            // group, so its first `servono` are all it can contribute.
            int presi = 0;
            Gruppo prefisso;
            auto emetti = [&](const Gruppo &resto) {
                Gruppo g = resto;
                g.insert(std::upper_bound(g.begin(), g.end(), x), x);
                g.insert(std::upper_bound(g.begin(), g.end(), y), y);
                passo.push_back(std::move(g));
                return ++presi < servono;
            };
            grafo.Cliques(comuni, k - 2, prefisso, emetti);
        }
        std::sort(passo.begin(), passo.end());
        passo.erase(std::unique(passo.begin(), passo.end()), passo.end());
        for (int i = 0; i < static_cast<int>(passo.size()) && i < servono; ++i)
            risultato.push_back(inNumeri(passo[i]));
    }
    return risultato;
}

RisultatoRitardiGruppi CompletaRitardiGruppi(const std::vector<archivio::Estrazione> &estrazioni, int k, int inizio,
                                             int fine, const std::vector<std::vector<int>> &gruppi)
{
    ControllaK(k);
    RisultatoRitardiGruppi ris;
    ris.k = k;
    ris.inizio = inizio;
    ris.fine = fine;
    ris.voci.resize(VociRitardiGruppi);
    if (inizio > fine)
        return ris;
    ControllaIntervallo(estrazioni, inizio, fine);

    const int quanti = std::min<int>(VociRitardiGruppi, static_cast<int>(gruppi.size()));
    std::vector<Insieme> insiemi;
    for (int i = 0; i < quanti; ++i) {
        VoceRitardoGruppo &v = ris.voci[i];
        v.numeri = gruppi[i];
        v.etichetta = EtichettaGruppo(v.numeri);
        insiemi.push_back(InsiemeGruppo(v.numeri));
    }
    // max(F, last ambo) of each group, from the last ambo of each pair.
    std::vector<int> t(quanti, inizio);
    Insieme tutti;
    for (const Insieme &g : insiemi)
        tutti = tutti | g;
    for (int r = inizio; r <= fine; ++r) {
        Insieme s = NumeriEstrazione(estrazioni[r].numeri) & tutti;
        if (s.vuoto())
            continue;
        for (int i = 0; i < quanti; ++i) {
            Insieme comuni = s & insiemi[i];
            if (comuni.vuoto())
                continue;
            VoceRitardoGruppo &v = ris.voci[i];
            v.ritEstratto = fine - r;
            if (comuni.almenoDue()) {
                ++v.frequenza;
                v.ultimaUscita = r;
                t[i] = r;
            }
        }
    }
    for (int i = 0; i < quanti; ++i) {
        VoceRitardoGruppo &v = ris.voci[i];
        v.ritardo = fine - t[i];
        if (v.ultimaUscita >= 0) {
            const archivio::Estrazione &e = estrazioni[v.ultimaUscita];
            v.uscitaIl = archivio::TestoListaDate(e.data);
            for (int j = 0; j < 6; ++j)
                v.estrazione[j] = e.numeri.numeri[j];
            v.estrazione[6] = e.numeri.jolly;
            v.estrazione[7] = e.numeri.superstar;
        }
    }
    return ris;
}

RisultatoRitardiGruppi CercaRitardiGruppi(const std::vector<archivio::Estrazione> &estrazioni, int k, int inizio,
                                          int fine, bool veloce)
{
    ControllaK(k);
    if (veloce)
        inizio = InizioRicercaVeloce(k);
    return CompletaRitardiGruppi(estrazioni, k, inizio, fine, GruppiPiuInRitardo(estrazioni, k, inizio, fine));
}

std::string EtichettaGruppo(const std::vector<int> &numeri)
{
    std::string s;
    for (size_t i = 0; i < numeri.size(); ++i) {
        if (i)
            s += '.';
        s += Formato("%.2d", numeri[i]);
    }
    return s;
}

std::string CombinazioniGruppo(int k)
{
    ControllaK(k);
    // 90 * 89 * ... * (90 - k + 1) / k! in extended precision, then rounded.
    long double prodotto = 1, fattoriale = 1;
    for (int i = 0; i < k; ++i) {
        prodotto *= 90 - i;
        fattoriale *= i + 1;
    }
    return SeparaMigliaia(std::to_string(std::llround(prodotto / fattoriale)));
}

std::string NomeGruppo(int k)
{
    static const char *const nomi[] = {"Ambi",     "Terzine",   "Quartine",     "Cinquine", "Sestine",
                                       "Settine",  "Ottine",    "Novine",       "Decine",   "Undicine",
                                       "Dodicine", "Tredicine", "Quattordicine"};
    ControllaK(k);
    return nomi[k - GruppoMinimo];
}

std::string TitoloRitardiGruppi(int k)
{
    const std::string articolo = k == 2 ? "I 15 " : "Le 15 ";
    return articolo + NomeGruppo(k) + " più in ritardo su " + CombinazioniGruppo(k);
}

bool OrdinabilePerData(const RisultatoRitardiGruppi &r)
{
    return std::none_of(r.voci.begin(), r.voci.end(), [](const VoceRitardoGruppo &v) { return v.ultimaUscita < 0; });
}

Griglia GrigliaRitPerAmbi(const RisultatoRitardiGruppi &r, int colonnaOrdine)
{
    static const char *const intestazioni[13] = {
        "Lunghetta", "Ritardo", "Frequenza", "Uscita il", "I", "II", "III", "IV", "V", "VI", "J", "S", "Rit Estratto"};
    constexpr Colore Rosa{255, 202, 202};
    constexpr Colore VerdeChiaro{159, 255, 159};
    const std::optional<Colore> sfondi[13] = {colori::CianoChiaro, Rosa,           colori::CianoChiaro, VerdeChiaro,
                                              colori::Bianco,      colori::Bianco, colori::Bianco,      colori::Bianco,
                                              colori::Bianco,      colori::Bianco, colori::Bianco,      colori::Bianco,
                                              VerdeChiaro};
    const int larghezze[13] = {350, -1, 90, 80, 30, 30, 30, 30, 30, 30, 30, 30, 40};

    Griglia g(VociRitardiGruppi + 1, 13);
    g.righeFisse = 1;
    g.colonneFisse = 0;
    for (int c = 0; c < 13; ++c) {
        g.ImpostaTesto(0, c, intestazioni[c]);
        if (larghezze[c] > 0)
            g.ImpostaLarghezza(c, larghezze[c]);
    }

    if (colonnaOrdine == 3 && !OrdinabilePerData(r))
        colonnaOrdine = 1;
    std::vector<int> ordine(r.voci.size());
    std::iota(ordine.begin(), ordine.end(), 0);
    auto perChiave = [&](auto chiave) {
        std::stable_sort(ordine.begin(), ordine.end(),
                         [&](int a, int b) { return chiave(r.voci[b]) < chiave(r.voci[a]); });
    };
    switch (colonnaOrdine) {
    case 0:
        perChiave([](const VoceRitardoGruppo &v) { return v.etichetta; });
        break;
    case 1:
        perChiave([](const VoceRitardoGruppo &v) { return v.ritardo; });
        break;
    case 2:
        perChiave([](const VoceRitardoGruppo &v) { return v.frequenza; });
        break;
    case 3:
        perChiave([](const VoceRitardoGruppo &v) { return ChiaveData(v.uscitaIl); });
        break;
    case 12:
        perChiave([](const VoceRitardoGruppo &v) { return v.ritEstratto; });
        break;
    default:
        break;
    }

    for (int i = 0; i < static_cast<int>(ordine.size()) && i < VociRitardiGruppi; ++i) {
        const VoceRitardoGruppo &v = r.voci[ordine[i]];
        const int riga = i + 1;
        g.ImpostaTesto(riga, 0, v.etichetta);
        g.ImpostaTesto(riga, 1, std::to_string(v.ritardo));
        g.ImpostaTesto(riga, 2, std::to_string(v.frequenza));
        g.ImpostaTesto(riga, 3, v.uscitaIl);
        for (int j = 0; j < 8; ++j)
            g.ImpostaTesto(riga, 4 + j, Formato("%.2d", v.estrazione[j]));
        g.ImpostaTesto(riga, 12, std::to_string(v.ritEstratto));
        for (int c = 0; c < 13; ++c)
            g.cella(riga, c).sfondo = sfondi[c];
        // The numbers of the group that made the last ambo.
        for (int j = 0; j < 6; ++j)
            if (v.estrazione[j] != 0 && std::find(v.numeri.begin(), v.numeri.end(), v.estrazione[j]) != v.numeri.end())
                g.cella(riga, 4 + j).sfondo = colori::Giallo;
    }
    if (colonnaOrdine >= 0 && colonnaOrdine < 13)
        g.cella(0, colonnaOrdine).sfondo = colori::Giallo;
    return g;
}

} // namespace sestina::statistiche
