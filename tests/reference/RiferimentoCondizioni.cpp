#include "RiferimentoCondizioni.h"

#include <algorithm>
#include <functional>

namespace sestina::riferimento {

bool RiferimentoRispetta(const sistemi::Condizioni &c, std::vector<int> col)
{
    std::sort(col.begin(), col.end());
    auto tra = [](int v, const sistemi::Limiti &l) { return l.minimo <= v && v <= l.massimo; };
    if (c.pari) {
        int pari = 0;
        for (int n : col)
            if (n % 2 == 0)
                ++pari;
        if (!tra(pari, *c.pari))
            return false;
    }
    if (c.bassi) {
        int bassi = 0;
        for (int n : col)
            if (n >= 1 && n <= 45)
                ++bassi;
        if (!tra(bassi, *c.bassi))
            return false;
    }
    if (c.somma) {
        int s = 0;
        for (int n : col)
            s += n;
        if (!tra(s, *c.somma))
            return false;
    }
    if (c.escursione && !tra(col.back() - col.front(), *c.escursione))
        return false;
    // Decades 1-10, 11-20 .. 81-90 written out as ranges.
    if (c.decinaMax)
        for (int d = 0; d < 9; ++d) {
            int quanti = 0;
            for (int n : col)
                if (n >= 10 * d + 1 && n <= 10 * d + 10)
                    ++quanti;
            if (quanti > *c.decinaMax)
                return false;
        }
    if (c.cadenzaMax)
        for (int u = 0; u <= 9; ++u) {
            int quanti = 0;
            for (int n : col)
                if (n % 10 == u)
                    ++quanti;
            if (quanti > *c.cadenzaMax)
                return false;
        }
    if (c.figuraMax) {
        // The digital root by repeated digit sums.
        auto figura = [](int n) {
            while (n >= 10) {
                int s = 0;
                for (; n > 0; n /= 10)
                    s += n % 10;
                n = s;
            }
            return n;
        };
        for (int f = 1; f <= 9; ++f) {
            int quanti = 0;
            for (int n : col)
                if (figura(n) == f)
                    ++quanti;
            if (quanti > *c.figuraMax)
                return false;
        }
    }
    if (c.consecutiviMax) {
        int meglio = 0, corsa = 0;
        for (std::size_t i = 0; i < col.size(); ++i) {
            corsa = (i > 0 && col[i] == col[i - 1] + 1) ? corsa + 1 : 1;
            meglio = std::max(meglio, corsa);
        }
        if (meglio > *c.consecutiviMax)
            return false;
    }
    for (const auto &g : c.gruppi) {
        int quanti = 0;
        for (int n : col)
            for (int x : g.numeri)
                if (n == x)
                    ++quanti;
        if (!tra(quanti, g.limiti))
            return false;
    }
    return true;
}

std::vector<std::vector<int>> RiferimentoColonneCondizionate(const std::vector<int> &numeriInGioco, int k,
                                                             const sistemi::Condizioni &c)
{
    std::vector<int> basi, varianti;
    for (int n : numeriInGioco) {
        if (std::find(c.basi.begin(), c.basi.end(), n) != c.basi.end())
            basi.push_back(n);
        else
            varianti.push_back(n);
    }
    const int m = k - static_cast<int>(basi.size());
    std::vector<std::vector<int>> tenute;
    std::vector<int> col = basi;
    std::function<void(int)> scegli = [&](int da) {
        if (static_cast<int>(col.size()) == k) {
            if (RiferimentoRispetta(c, col))
                tenute.push_back(col);
            return;
        }
        for (int j = da; j < static_cast<int>(varianti.size()); ++j) {
            col.push_back(varianti[j]);
            scegli(j + 1);
            col.pop_back();
        }
    };
    if (m >= 0)
        scegli(0);
    return tenute;
}

} // namespace sestina::riferimento
