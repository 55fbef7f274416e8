#include "reference/RiferimentoGaranzia.h"

#include <algorithm>
#include <set>

namespace sestina::riferimento {

namespace {

void Sottoinsiemi(const std::vector<int> &numeri, int m, std::size_t da, std::vector<int> &scelti,
                  std::vector<std::vector<int>> &uscita)
{
    if (static_cast<int>(scelti.size()) == m) {
        uscita.push_back(scelti);
        return;
    }
    for (std::size_t i = da; i < numeri.size(); ++i) {
        scelti.push_back(numeri[i]);
        Sottoinsiemi(numeri, m, i + 1, scelti, uscita);
        scelti.pop_back();
    }
}

} // namespace

sistemi::RisultatoGaranzia RiferimentoGaranzia(const std::vector<Colonna> &colonne,
                                               const std::vector<int> &numeriInGioco, int k)
{
    const std::set<int> inGioco(numeriInGioco.begin(), numeriInGioco.end());
    sistemi::RisultatoGaranzia r;
    r.numeri.assign(inGioco.begin(), inGioco.end());
    r.k = k;
    const int n = static_cast<int>(r.numeri.size());
    for (int m = std::min(k, n); m >= 1; --m) {
        std::vector<std::vector<int>> tutti;
        std::vector<int> scelti;
        Sottoinsiemi(r.numeri, m, 0, scelti, tutti);
        sistemi::RigaGaranzia riga;
        riga.estratti = m;
        riga.combinazioni = static_cast<long long>(tutti.size());
        riga.conteggi.assign(m + 1, 0);
        for (const auto &s : tutti) {
            int meglio = 0;
            for (const auto &c : colonne) {
                const std::set<int> numeriColonna(c.begin(), c.end());
                int comuni = 0;
                for (int x : s)
                    comuni += static_cast<int>(numeriColonna.count(x));
                meglio = std::max(meglio, comuni);
            }
            ++riga.conteggi[meglio];
        }
        riga.garanzia = 0;
        while (riga.conteggi[riga.garanzia] == 0)
            ++riga.garanzia;
        r.righe.push_back(riga);
    }
    r.garanzia = n >= k ? r.righe.front().garanzia : -1;
    return r;
}

} // namespace sestina::riferimento
