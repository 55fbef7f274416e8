#include "reference/RiferimentoGruppi.h"

#include "archive/Archivio.h"

#include <algorithm>
#include <functional>

namespace sestina::riferimento {

using statistiche::RisultatoRitardiGruppi;
using statistiche::VoceRitardoGruppo;

RisultatoRitardiGruppi RiferimentoGruppi(const std::vector<archivio::Estrazione> &estrazioni, int k, int inizio,
                                         int fine, bool veloce)
{
    if (veloce)
        inizio = k <= 8 ? 0 : 3700;
    const int F = inizio, L = fine;
    RisultatoRitardiGruppi ris;
    ris.k = k;
    ris.inizio = F;
    ris.fine = L;
    ris.voci.resize(15);
    if (F > L)
        return ris;

    auto contiene = [](const archivio::RecordSuperenalotto &n, int x) {
        return std::find(n.numeri.begin(), n.numeri.end(), x) != n.numeri.end();
    };

    // Pass 1: last ambo of every pair, 0 = none.
    std::vector<std::vector<int>> tabella(91, std::vector<int>(91, 0));
    for (int r = F; r <= L; ++r) {
        const auto &n = estrazioni[r].numeri.numeri;
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j) {
                int a = std::min(n[i], n[j]), b = std::max(n[i], n[j]);
                tabella[a][b] = r;
            }
    }

    // Pass 2.
    int trovati = 0;
    std::vector<int> g(k);
    for (int r = F; r <= L && trovati < 15; ++r) {
        std::function<void(int, int)> estendi = [&](int i, int da) {
            for (int a = da; a <= 90 - k + i + 1 && trovati < 15; ++a) {
                bool ok = true;
                for (int j = 0; j < i && ok; ++j)
                    ok = tabella[g[j]][a] <= r;
                if (!ok)
                    continue;
                g[i] = a;
                if (i + 1 < k) {
                    estendi(i + 1, a + 1);
                    continue;
                }
                bool presente = false;
                for (int e = 0; e < trovati && !presente; ++e)
                    presente = ris.voci[e].numeri == g;
                if (presente)
                    continue;
                VoceRitardoGruppo &v = ris.voci[trovati++];
                v.numeri = g;
                v.etichetta = statistiche::EtichettaGruppo(g);
                v.ritardo = L - r;
            }
        };
        estendi(0, 1);
    }

    // Pass 3.
    for (int r = F; r <= L; ++r) {
        const auto &n = estrazioni[r].numeri;
        for (int e = 0; e < trovati; ++e) {
            VoceRitardoGruppo &v = ris.voci[e];
            int h = 0;
            for (int x : v.numeri)
                h += contiene(n, x);
            if (h >= 2) {
                ++v.frequenza;
                v.ultimaUscita = r;
                v.uscitaIl = archivio::TestoListaDate(estrazioni[r].data);
                for (int j = 0; j < 6; ++j)
                    v.estrazione[j] = n.numeri[j];
                v.estrazione[6] = n.jolly;
                v.estrazione[7] = n.superstar;
            }
            if (h >= 1)
                v.ritEstratto = L - r;
        }
    }
    return ris;
}

} // namespace sestina::riferimento
