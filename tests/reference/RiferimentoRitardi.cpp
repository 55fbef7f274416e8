#include "reference/RiferimentoRitardi.h"

#include <algorithm>

namespace sestina::riferimento {

using statistiche::ListaVoci;
using statistiche::RecordCalore;
using statistiche::RecordRitardo;
using statistiche::RisultatoRitardi;
using statistiche::TipoCalore;

namespace {

VoceRiferimento Ambo(int a, int b)
{
    return {TipoVoce::Ambo, {a, b}};
}
VoceRiferimento Gruppo(std::vector<int> m)
{
    return {TipoVoce::Gruppo, std::move(m)};
}

bool Presente(const VoceRiferimento &v, const std::vector<int> &valori)
{
    switch (v.tipo) {
    case TipoVoce::Numero:
        return std::find(valori.begin(), valori.end(), v.membri[0]) != valori.end();
    case TipoVoce::Ambo: {
        int c = 0;
        for (int x : valori)
            if (x == v.membri[0] || x == v.membri[1])
                ++c;
        return c >= 2;
    }
    case TipoVoce::Gruppo: {
        int c = 0;
        for (int x : valori)
            if (std::find(v.membri.begin(), v.membri.end(), x) != v.membri.end())
                ++c;
        return c >= 2;
    }
    }
    return false;
}

} // namespace

std::vector<VoceRiferimento> VociRiferimento(ListaVoci l)
{
    std::vector<VoceRiferimento> v;
    switch (l) {
    case ListaVoci::Numeri:
        for (int n = 1; n <= 90; ++n)
            v.push_back({TipoVoce::Numero, {n}});
        break;
    case ListaVoci::AmbiGemelli:
        for (int a = 1; a <= 8; ++a)
            for (int b = a + 1; b <= 8; ++b)
                v.push_back(Ambo(11 * a, 11 * b));
        break;
    case ListaVoci::AmbiVertibili:
        for (int d = 1; d <= 8; ++d)
            for (int u = d + 1; u <= 8; ++u)
                v.push_back(Ambo(10 * d + u, 10 * u + d));
        v.back() = Ambo(87, 78);
        break;
    case ListaVoci::AmbiFigure:
        for (int k = 1; k <= 9; ++k) {
            std::vector<int> m;
            for (int n = 1; n <= 90; ++n) {
                int f = n;
                while (f > 9)
                    f = f / 10 + f % 10;
                if (f == k)
                    m.push_back(n);
            }
            v.push_back(Gruppo(m));
        }
        break;
    case ListaVoci::AmbiQuartineRadicali:
        for (int k = 1; k <= 8; ++k)
            v.push_back(Gruppo({k, 10 * k, 11 * k, 10 * k + 9}));
        break;
    case ListaVoci::AmbiTerzineSimmetriche:
        for (int k = 1; k <= 30; ++k)
            v.push_back(Gruppo({k, k + 30, k + 60}));
        break;
    case ListaVoci::AmbiConsecutivi:
        for (int k = 1; k <= 89; ++k)
            v.push_back(Ambo(k, k + 1));
        v.push_back(Ambo(1, 90));
        break;
    case ListaVoci::AmbiDecine:
        v.push_back(Gruppo({90, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        for (int k = 2; k <= 9; ++k) {
            std::vector<int> m;
            for (int n = 10 * (k - 1); n <= 10 * (k - 1) + 9; ++n)
                m.push_back(n);
            v.push_back(Gruppo(m));
        }
        break;
    case ListaVoci::AmbiCadenze:
        for (int k = 0; k <= 9; ++k) {
            std::vector<int> m;
            for (int n = 1; n <= 90; ++n)
                if (n % 10 == k)
                    m.push_back(n);
            v.push_back(Gruppo(m));
        }
        break;
    case ListaVoci::AmbiComplementari:
        for (int k = 1; k <= 44; ++k)
            v.push_back(Ambo(k, 90 - k));
        break;
    case ListaVoci::AmbiDiametrali:
        for (int k = 1; k <= 45; ++k)
            v.push_back(Ambo(k, k + 45));
        break;
    case ListaVoci::AmbiCinquinaPentagonale:
        for (int k = 1; k <= 18; ++k)
            v.push_back(Gruppo({k, k + 18, k + 36, k + 54, k + 72}));
        break;
    case ListaVoci::AmbiSestinaEsagonale:
        for (int k = 1; k <= 15; ++k)
            v.push_back(Gruppo({k, k + 15, k + 30, k + 45, k + 60, k + 75}));
        break;
    case ListaVoci::AmbiAlternati:
        for (int k = 1; k <= 88; ++k)
            v.push_back(Ambo(k, k + 2));
        v.push_back(Ambo(89, 1));
        v.push_back(Ambo(90, 2));
        break;
    }
    return v;
}

RisultatoRitardi AnalisiRitardi(const std::vector<archivio::Estrazione> &archivio, int F, int L,
                                const std::vector<VoceRiferimento> &voci)
{
    RisultatoRitardi r;
    r.voci.assign(voci.size(), RecordRitardo{});
    int maxAttuale = 0, maxRitardo = 0, maxFrequenza = 0;
    int d = F;
    do {
        const auto &s = archivio.at(static_cast<size_t>(d)).numeri;
        std::vector<int> valori(s.numeri.begin(), s.numeri.end());
        valori.push_back(s.jolly);
        maxAttuale = 0;
        for (size_t i = 0; i < voci.size(); ++i) {
            RecordRitardo &x = r.voci[i];
            if (Presente(voci[i], valori)) {
                x.RitardoAttuale = 0;
                ++x.Frequenza;
                maxFrequenza = std::max(maxFrequenza, x.Frequenza);
            } else {
                ++x.RitardoAttuale;
                x.RitardoMassimo = std::max(x.RitardoMassimo, x.RitardoAttuale);
                maxRitardo = std::max(maxRitardo, x.RitardoAttuale);
                maxAttuale = std::max(maxAttuale, x.RitardoAttuale);
            }
        }
        ++d;
    } while (d <= L);
    r.MassimoAttuale = maxAttuale;
    r.MassimoRitardo = maxRitardo;
    r.MassimoFrequenza = maxFrequenza;
    return r;
}

std::vector<RecordCalore> AnalisiCalore(const std::vector<archivio::Estrazione> &archivio, int E, int N,
                                        TipoCalore tipo)
{
    std::vector<RecordCalore> r;
    if (tipo == TipoCalore::Estratti) {
        for (int n = 1; n <= 90; ++n)
            r.push_back({n, 0, 0, 0, 0, 0, 0.0});
    } else {
        for (int a = 1; a <= 90; ++a)
            for (int b = a + 1; b <= 90; ++b)
                r.push_back({a, b, 0, 0, 0, 0, 0.0});
    }
    const int n = std::min(N, E + 1); // same clip as the program: never before record 0
    for (int s = 1; s <= n; ++s) {
        const auto &numeri = archivio.at(static_cast<size_t>(E - n + s)).numeri.numeri;
        auto estratto = [&](int x) { return std::find(numeri.begin(), numeri.end(), x) != numeri.end(); };
        for (RecordCalore &x : r) {
            bool presente = tipo == TipoCalore::Estratti ? estratto(x.primo) : estratto(x.primo) && estratto(x.secondo);
            if (presente) {
                ++x.Frequenza;
                if (x.PrimaUscita == 0)
                    x.PrimaUscita = s;
                x.UltimaUscita = s;
                x.Ritardo = 0;
                x.Media = static_cast<double>(x.UltimaUscita - x.PrimaUscita) / x.Frequenza;
            } else {
                ++x.Ritardo;
            }
        }
    }
    return r;
}

} // namespace sestina::riferimento
