#include "reference/RiferimentoSistemi.h"

#include "app/Data.h"
#include "app/Testo.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace sestina::riferimento {

namespace {

int Comuni(const Colonna &a, const Colonna &b)
{
    int n = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            if (a[i] == b[j])
                n = n + 1;
    return n;
}

// Every position tuple p1 < ... < pk in lexicographic order, first position slowest.
template <class F> void Enumera(int n, int k, F f)
{
    if (k < 1 || k > n)
        return;
    std::vector<int> p(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        p[static_cast<std::size_t>(i)] = i;
    while (true) {
        f(p);
        int i = k - 1;
        while (i >= 0 && p[static_cast<std::size_t>(i)] == n - k + i)
            i = i - 1;
        if (i < 0)
            return;
        p[static_cast<std::size_t>(i)] = p[static_cast<std::size_t>(i)] + 1;
        for (int j = i + 1; j < k; ++j)
            p[static_cast<std::size_t>(j)] = p[static_cast<std::size_t>(j - 1)] + 1;
    }
}

} // namespace

bool RiferimentoColonnaCoperta(int r, const Colonna &candidata, const std::vector<Colonna> &lista)
{
    for (std::size_t i = 0; i < lista.size(); ++i)
        if (Comuni(candidata, lista[i]) >= static_cast<int>(candidata.size()) - r)
            return true;
    return false;
}

SviluppoRiferimento RiferimentoSviluppaSistema(const std::string &testo, int k, int livello)
{
    SviluppoRiferimento s;
    const Colonna numeri = ColonnaDaTesto(testo);
    long esaminati = 0;
    Enumera(static_cast<int>(numeri.size()), k, [&](const std::vector<int> &p) {
        Colonna c;
        for (int x : p)
            c.push_back(numeri[static_cast<std::size_t>(x)]);
        esaminati = esaminati + 1;
        if (!RiferimentoColonnaCoperta(livello, c, s.lista)) {
            s.lista.push_back(c);
            s.elaborate = esaminati;
            s.ridotte = static_cast<long>(s.lista.size());
        }
    });
    return s;
}

std::vector<Colonna> SviluppaSistemaMaschere(const std::string &testo, int k, int livello)
{
    const Colonna numeri = ColonnaDaTesto(testo);
    std::vector<std::uint64_t> tenute;
    std::vector<Colonna> lista;
    Enumera(static_cast<int>(numeri.size()), k, [&](const std::vector<int> &p) {
        std::uint64_t m = 0;
        for (int x : p)
            m |= std::uint64_t{1} << x;
        for (std::uint64_t t : tenute)
            if (std::popcount(m & t) >= k - livello)
                return;
        tenute.push_back(m);
        Colonna c;
        for (int x : p)
            c.push_back(numeri[static_cast<std::size_t>(x)]);
        lista.push_back(c);
    });
    return lista;
}

void RiferimentoRiduciColonne(int r, std::vector<Colonna> &lista)
{
    if (lista.size() < 2)
        return;
    const int L = static_cast<int>(lista[1].size());
    std::size_t i = 0;
    while (i + 1 < lista.size()) {
        std::size_t j = i + 1;
        while (j < lista.size()) {
            if (Comuni(lista[i], lista[j]) >= L - r)
                lista.erase(lista.begin() + static_cast<long>(j));
            else
                j = j + 1;
        }
        i = i + 1;
    }
}

int RiferimentoContaPunti(const Colonna &colonna, const archivio::RecordSuperenalotto &e)
{
    int punti = 0;
    for (std::size_t i = 0; i < colonna.size(); ++i)
        for (int j = 0; j < 6; ++j)
            if (static_cast<std::uint8_t>(colonna[i]) == e.numeri[static_cast<std::size_t>(j)]) {
                punti = punti + 1;
                break;
            }
    if (punti == 5)
        for (std::size_t i = 0; i < colonna.size(); ++i)
            if (static_cast<std::uint8_t>(colonna[i]) == e.jolly)
                return 7;
    return punti;
}

sistemi::RisultatoSpoglio RiferimentoSpoglia(const std::vector<Colonna> &colonne,
                                             const std::vector<archivio::RecordSuperenalotto> &numeri, int inizio,
                                             int limite)
{
    sistemi::RisultatoSpoglio r;
    const int ultima = static_cast<int>(numeri.size()) - 1;
    r.inizio = inizio;
    r.fine = inizio;
    for (std::size_t c = 0; c < colonne.size(); ++c) {
        for (int colpo = 0;; colpo = colpo + 1) {
            const int p = RiferimentoContaPunti(colonne[c], numeri[static_cast<std::size_t>(inizio + colpo)]);
            if (p >= 3) {
                r.categorie[static_cast<std::size_t>(p)] += 1;
                r.vincite.push_back({static_cast<std::uint32_t>(c), static_cast<std::uint16_t>(inizio + colpo),
                                     static_cast<std::uint8_t>(p)});
            }
            r.fine = inizio + colpo;
            if (inizio + colpo + 1 > ultima || (limite >= 1 && colpo + 1 == limite))
                break;
        }
    }
    if (colonne.empty())
        r.fine = limite >= 1 ? std::min(ultima, inizio + limite - 1) : ultima;
    return r;
}

std::vector<sistemi::Vincita> RiferimentoOrdina(const sistemi::TabellaVincite &t, int colonna)
{
    std::vector<int> righe;
    for (int r = 1; r < t.righe(); ++r)
        righe.push_back(r);
    if (t.risultato().vincite.empty())
        return {};
    auto data = [&](int r) { return LeggiDataOErrore(Trim(t.testo(r, colonna))); };
    auto intero = [&](int r) { return LeggiInteroOppure(t.testo(r, colonna), 0); };
    if (colonna == 0)
        std::stable_sort(righe.begin(), righe.end(), [&](int a, int b) { return data(a) < data(b); });
    else if (colonna <= 10)
        std::stable_sort(righe.begin(), righe.end(), [&](int a, int b) { return intero(a) < intero(b); });
    else
        std::stable_sort(righe.begin(), righe.end(), [&](int a, int b) { return intero(a) > intero(b); });
    std::vector<sistemi::Vincita> out;
    for (int r : righe)
        out.push_back(t.vincita(r));
    return out;
}

} // namespace sestina::riferimento
