#include "systems/Garanzia.h"

#include "app/Errore.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>

namespace sestina::sistemi {

namespace {

constexpr int NumeroMassimo = 90;
// The largest level is held as one byte per subset plus one bit: 50 MB at most.
constexpr long long SottoinsiemiMassimi = 50'000'000;
// Marking every m-subset of every column; beyond this a list of very long
// columns would keep the user waiting for minutes.
constexpr long long MarcatureMassime = 400'000'000;

using Binomiali = std::array<std::array<std::uint64_t, EstrattiMassimi + 2>, NumeroMassimo + 1>;

const Binomiali &TabellaBinomiali()
{
    static const Binomiali t = [] {
        Binomiali b{};
        for (int n = 0; n <= NumeroMassimo; ++n) {
            b[n][0] = 1;
            for (int m = 1; m <= EstrattiMassimi + 1; ++m)
                b[n][m] = n == 0 ? 0 : b[n - 1][m - 1] + b[n - 1][m];
        }
        return b;
    }();
    return t;
}

std::vector<int> NumeriDistinti(const std::vector<int> &numeri)
{
    std::vector<int> v = numeri;
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

void ControllaNumero(int numero)
{
    if (numero < 1 || numero > NumeroMassimo)
        throw Errore("Numero non valido nelle colonne: " + std::to_string(numero) + " (ammessi da 1 a 90)");
}

// Columns as sorted positions 0..n-1, one flat array.
struct ColonnePosizioni {
    std::vector<std::uint8_t> posizioni;
    std::vector<std::size_t> inizio{0}; // column i: posizioni[inizio[i] .. inizio[i+1])
    std::size_t size() const { return inizio.size() - 1; }
    int lunghezza(std::size_t i) const { return static_cast<int>(inizio[i + 1] - inizio[i]); }
    const std::uint8_t *operator[](std::size_t i) const { return posizioni.data() + inizio[i]; }
};

// Every m-subset of the indices 0..l-1, flat, m indices each.
class IndiciSottoinsiemi {
public:
    const std::vector<std::uint8_t> &operator()(int l, int m)
    {
        auto &v = m_tabelle[l * (EstrattiMassimi + 1) + m];
        if (v.empty())
            Riempi(v, l, m);
        return v;
    }

private:
    static void Riempi(std::vector<std::uint8_t> &v, int l, int m)
    {
        std::array<std::uint8_t, EstrattiMassimi> idx{};
        std::function<void(int, int)> scegli = [&](int da, int i) {
            if (i == m) {
                v.insert(v.end(), idx.begin(), idx.begin() + m);
                return;
            }
            for (int j = da; j <= l - (m - i); ++j) {
                idx[i] = static_cast<std::uint8_t>(j);
                scegli(j + 1, i + 1);
            }
        };
        scegli(0, 0);
    }
    std::vector<std::vector<std::uint8_t>> m_tabelle =
        std::vector<std::vector<std::uint8_t>>((NumeroMassimo + 1) * (EstrattiMassimi + 1));
};

// Columns whose subsets are few enough to walk through a table of indices.
constexpr std::uint64_t SottoinsiemiInTabella = 4096;

// The core: columns already turned into sorted positions 0..n-1.
RisultatoGaranzia Calcola(const ColonnePosizioni &colonne, std::vector<int> numeri, int k)
{
    const auto &C = TabellaBinomiali();
    const int n = static_cast<int>(numeri.size());
    const int livelli = std::min(k, n);

    long long marcature = 0;
    for (std::size_t i = 0; i < colonne.size(); ++i)
        for (int m = 1; m <= livelli && m <= colonne.lunghezza(i); ++m)
            marcature += static_cast<long long>(C[colonne.lunghezza(i)][m]);
    if (static_cast<long long>(C[n][livelli]) > SottoinsiemiMassimi || marcature > MarcatureMassime)
        throw Errore("Troppe combinazioni da verificare: riduci i numeri in gioco o le colonne");

    RisultatoGaranzia r;
    r.numeri = std::move(numeri);
    r.k = k;

    // best[rank of an (m-1)-subset in colex order] = most hits of one column on it.
    std::vector<std::uint8_t> precedente{0};
    std::vector<std::uint8_t> corrente;
    std::vector<std::uint64_t> segnati;
    std::vector<RigaGaranzia> righe;
    std::array<int, EstrattiMassimi + 1> a{};
    IndiciSottoinsiemi indiciDi;
    for (int m = 1; m <= livelli; ++m) {
        const auto totale = static_cast<std::size_t>(C[n][m]);
        // A column with h hits on S holds some h-subset of S: mark every m-subset of every column.
        segnati.assign((totale + 63) / 64, 0);
        for (std::size_t ci = 0; ci < colonne.size(); ++ci) {
            const int l = colonne.lunghezza(ci);
            if (l < m || C[l][m] > SottoinsiemiInTabella)
                continue;
            const std::uint8_t *c = colonne[ci];
            const auto &indici = indiciDi(l, m);
            for (std::size_t q = 0; q < indici.size(); q += m) {
                std::uint64_t rango = 0;
                for (int i = 0; i < m; ++i)
                    rango += C[c[indici[q + i]]][i + 1];
                segnati[rango >> 6] |= std::uint64_t{1} << (rango & 63);
            }
        }
        // Columns too long for a table of index subsets: walk their subsets directly.
        for (std::size_t ci = 0; ci < colonne.size(); ++ci) {
            const int l = colonne.lunghezza(ci);
            if (l < m || C[l][m] <= SottoinsiemiInTabella)
                continue;
            const std::uint8_t *c = colonne[ci];
            std::function<void(int, int, std::uint64_t)> marca = [&](int da, int i, std::uint64_t rango) {
                if (i == m) {
                    segnati[rango >> 6] |= std::uint64_t{1} << (rango & 63);
                    return;
                }
                for (int j = da; j <= l - (m - i); ++j)
                    marca(j + 1, i + 1, rango + C[c[j]][i + 1]);
            };
            marca(0, 0, 0);
        }

        RigaGaranzia riga;
        riga.estratti = m;
        riga.combinazioni = static_cast<long long>(totale);
        riga.conteggi.assign(m + 1, 0);
        corrente.assign(totale, 0);
        for (int i = 0; i < m; ++i)
            a[i] = i;
        for (std::size_t rango = 0; rango < totale; ++rango) {
            int meglio;
            if (segnati[rango >> 6] >> (rango & 63) & 1) {
                meglio = m;
            } else {
                // Otherwise the best column misses at least one number of S: drop each in turn.
                std::array<std::uint64_t, EstrattiMassimi + 1> suffisso{};
                for (int i = m - 1; i > 0; --i)
                    suffisso[i - 1] = suffisso[i] + C[a[i]][i];
                std::uint64_t prefisso = 0;
                meglio = 0;
                for (int j = 0; j < m && meglio < m - 1; ++j) {
                    meglio = std::max<int>(meglio, precedente[prefisso + suffisso[j]]);
                    prefisso += C[a[j]][j + 1];
                }
            }
            corrente[rango] = static_cast<std::uint8_t>(meglio);
            ++riga.conteggi[meglio];
            // Next subset in colex order.
            int i = 0;
            while (i < m - 1 && a[i] + 1 == a[i + 1])
                ++i;
            ++a[i];
            for (int j = 0; j < i; ++j)
                a[j] = j;
        }
        riga.garanzia = 0;
        while (riga.garanzia < m && riga.conteggi[riga.garanzia] == 0)
            ++riga.garanzia;
        righe.push_back(std::move(riga));
        precedente.swap(corrente);
    }
    r.righe.assign(righe.rbegin(), righe.rend());
    r.garanzia = n >= k ? r.righe.front().garanzia : -1;
    return r;
}

ColonnePosizioni Posizioni(const std::vector<Colonna> &colonne, const std::vector<int> &numeri)
{
    std::array<int, NumeroMassimo + 1> posizione;
    posizione.fill(-1);
    for (int i = 0; i < static_cast<int>(numeri.size()); ++i)
        posizione[numeri[i]] = i;
    ColonnePosizioni risultato;
    risultato.inizio.reserve(colonne.size() + 1);
    for (const auto &c : colonne) {
        // Positions as a 90-bit set: sorted and without repeats for free.
        std::array<bool, NumeroMassimo> presente{};
        for (unsigned char b : c) {
            ControllaNumero(b);
            if (posizione[b] >= 0)
                presente[posizione[b]] = true;
        }
        for (int p = 0; p < static_cast<int>(numeri.size()); ++p)
            if (presente[p])
                risultato.posizioni.push_back(static_cast<std::uint8_t>(p));
        risultato.inizio.push_back(risultato.posizioni.size());
    }
    return risultato;
}

void ControllaK(int k)
{
    if (k < 1 || k > EstrattiMassimi)
        throw Errore("Numero di estratti non valido: " + std::to_string(k) + " (ammessi da 1 a 10)");
}

std::string Migliaia(long long v)
{
    return SeparaMigliaia(std::to_string(v));
}

} // namespace

RisultatoGaranzia VerificaGaranzia(const std::vector<Colonna> &colonne, int k)
{
    ControllaK(k);
    std::vector<int> numeri;
    for (const auto &c : colonne)
        for (unsigned char b : c) {
            ControllaNumero(b);
            numeri.push_back(b);
        }
    return VerificaGaranzia(colonne, NumeriDistinti(numeri), k);
}

RisultatoGaranzia VerificaGaranzia(const std::vector<Colonna> &colonne, const std::vector<int> &numeriInGioco, int k)
{
    ControllaK(k);
    if (colonne.empty())
        throw Errore("Nessuna colonna da verificare");
    for (int x : numeriInGioco)
        ControllaNumero(x);
    auto numeri = NumeriDistinti(numeriInGioco);
    if (numeri.empty())
        throw Errore("Nessun numero in gioco da verificare");
    auto posizioni = Posizioni(colonne, numeri);
    return Calcola(posizioni, std::move(numeri), k);
}

std::string EsitoGaranzia(const RigaGaranzia &riga)
{
    return std::to_string(riga.garanzia) + " se " + std::to_string(riga.estratti);
}

std::string EsitoGaranzia(const RisultatoGaranzia &r)
{
    if (r.garanzia < 0 || r.righe.empty())
        return "nessuna";
    return EsitoGaranzia(r.righe.front());
}

Griglia GrigliaGaranzia(const RisultatoGaranzia &r)
{
    const int colonne = r.k + 4;
    Griglia g(static_cast<int>(r.righe.size()) + 1, colonne);
    g.righeFisse = 1;
    g.colonneFisse = 1;
    g.ImpostaTesto(0, 0, "Estratti");
    g.ImpostaTesto(0, 1, "Combinazioni");
    for (int h = r.k; h >= 0; --h)
        g.ImpostaTesto(0, 2 + r.k - h, std::to_string(h) + (h == 1 ? " punto" : " punti"));
    g.ImpostaTesto(0, colonne - 1, "Garanzia");
    g.ImpostaLarghezza(1, 96);
    for (int i = 0; i < static_cast<int>(r.righe.size()); ++i) {
        const auto &riga = r.righe[i];
        const int y = i + 1;
        g.ImpostaTesto(y, 0, std::to_string(riga.estratti));
        g.ImpostaTesto(y, 1, Migliaia(riga.combinazioni));
        for (int h = 0; h <= riga.estratti; ++h) {
            auto &cella = g.cella(y, 2 + r.k - h);
            cella.testo = Migliaia(riga.conteggi[h]);
            if (h == riga.garanzia)
                cella.sfondo = colori::Giallo;
        }
        g.ImpostaTesto(y, colonne - 1, EsitoGaranzia(riga));
        for (int x = 0; x < colonne; ++x)
            g.cella(y, x).allineamento = Allineamento::Destra;
    }
    return g;
}

std::string CsvGaranzia(const RisultatoGaranzia &r)
{
    std::string s = "estratti;combinazioni";
    for (int h = r.k; h >= 0; --h)
        s += ";" + std::to_string(h);
    s += ";garanzia\n";
    for (const auto &riga : r.righe) {
        s += std::to_string(riga.estratti) + ";" + std::to_string(riga.combinazioni);
        for (int h = r.k; h >= 0; --h)
            s += ";" + (h <= riga.estratti ? std::to_string(riga.conteggi[h]) : std::string());
        s += ";" + EsitoGaranzia(riga) + "\n";
    }
    return s;
}

} // namespace sestina::sistemi
