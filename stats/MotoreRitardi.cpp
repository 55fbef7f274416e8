#include "stats/MotoreRitardi.h"

#include "app/Errore.h"
#include "app/Testo.h"

#include <algorithm>
#include <array>
#include <bit>

namespace sestina::statistiche {

namespace {

std::vector<Voce> CreaVoci(ListaVoci l)
{
    std::vector<Voce> v;
    auto ambi = [&](ListaAmbi a) {
        for (const Ambo &x : Ambi(a))
            v.push_back({x.Membri(), 2});
    };
    auto gruppi = [&](Partizione p) {
        for (const Gruppo &g : Gruppi(p))
            v.push_back({g.membri, 2});
    };
    switch (l) {
    case ListaVoci::Numeri:
        for (int n = 1; n <= 90; ++n) {
            Voce x;
            x.membri.Aggiungi(n);
            x.minimo = 1;
            v.push_back(x);
        }
        break;
    case ListaVoci::AmbiGemelli:
        ambi(ListaAmbi::Gemelli);
        break;
    case ListaVoci::AmbiVertibili:
        ambi(ListaAmbi::Vertibili);
        break;
    case ListaVoci::AmbiFigure:
        gruppi(Partizione::Figure);
        break;
    case ListaVoci::AmbiQuartineRadicali:
        gruppi(Partizione::QuartineRadicali);
        break;
    case ListaVoci::AmbiTerzineSimmetriche:
        gruppi(Partizione::TerzineSimmetriche);
        break;
    case ListaVoci::AmbiConsecutivi:
        ambi(ListaAmbi::Consecutivi);
        break;
    case ListaVoci::AmbiDecine:
        gruppi(Partizione::Decine);
        break;
    case ListaVoci::AmbiCadenze:
        gruppi(Partizione::Cadenze);
        break;
    case ListaVoci::AmbiComplementari:
        ambi(ListaAmbi::Complementari);
        break;
    case ListaVoci::AmbiDiametrali:
        ambi(ListaAmbi::Diametrali);
        break;
    case ListaVoci::AmbiCinquinaPentagonale:
        gruppi(Partizione::CinquinePentagonali);
        break;
    case ListaVoci::AmbiSestinaEsagonale:
        gruppi(Partizione::SestineEsagonali);
        break;
    case ListaVoci::AmbiAlternati:
        ambi(ListaAmbi::Alternati);
        break;
    }
    return v;
}

void ControllaRecord(const std::vector<archivio::Estrazione> &archivio, int n)
{
    if (n < 0 || n >= static_cast<int>(archivio.size()))
        throw Errore(Formato("L'estrazione n. %d non è presente nell'archivio", n + 1));
}

} // namespace

const std::vector<Voce> &VociDi(ListaVoci l)
{
    static const std::array<std::vector<Voce>, NumeroListeVoci> liste = [] {
        std::array<std::vector<Voce>, NumeroListeVoci> a;
        for (int i = 0; i < NumeroListeVoci; ++i)
            a[static_cast<size_t>(i)] = CreaVoci(static_cast<ListaVoci>(i));
        return a;
    }();
    return liste[static_cast<size_t>(l)];
}

RisultatoRitardi AnalisiRitardi(const std::vector<archivio::Estrazione> &archivio, int F, int L,
                                const std::vector<Voce> &voci)
{
    ControllaRecord(archivio, F);
    if (L > F)
        ControllaRecord(archivio, L);
    const int ultimo = std::max(F, L); // draw F is examined even when F > L

    // Which items each value belongs to, so a draw only touches the items of its
    // seven values instead of testing every item.
    std::array<int, 97> inizio{};
    std::vector<int> elenco;
    {
        std::array<int, 96> conta{};
        for (const Voce &v : voci)
            for (int m : v.membri.Membri())
                ++conta[static_cast<size_t>(m)];
        for (int x = 0; x < 96; ++x)
            inizio[static_cast<size_t>(x) + 1] = inizio[static_cast<size_t>(x)] + conta[static_cast<size_t>(x)];
        elenco.resize(static_cast<size_t>(inizio[96]));
        std::array<int, 96> pos{};
        for (int x = 0; x < 96; ++x)
            pos[static_cast<size_t>(x)] = inizio[static_cast<size_t>(x)];
        for (size_t i = 0; i < voci.size(); ++i)
            for (int m : voci[i].membri.Membri())
                elenco[static_cast<size_t>(pos[static_cast<size_t>(m)]++)] = static_cast<int>(i);
    }

    const size_t n = voci.size();
    std::vector<int> contatore(n, 0);
    std::vector<int> ultimaPresenza(n, F - 1);
    RisultatoRitardi r;
    r.voci.assign(n, RecordRitardo{});
    std::vector<int> toccate;
    toccate.reserve(64);

    for (int d = F; d <= ultimo; ++d) {
        const archivio::RecordSuperenalotto &s = archivio[static_cast<size_t>(d)].numeri;
        const std::array<int, 7> valori{s.numeri[0], s.numeri[1], s.numeri[2], s.numeri[3],
                                        s.numeri[4], s.numeri[5], s.jolly};
        toccate.clear();
        for (int v : valori) {
            if (v < 0 || v > 95)
                continue;
            for (int k = inizio[static_cast<size_t>(v)]; k < inizio[static_cast<size_t>(v) + 1]; ++k) {
                const int i = elenco[static_cast<size_t>(k)];
                if (contatore[static_cast<size_t>(i)]++ == 0)
                    toccate.push_back(i);
                if (contatore[static_cast<size_t>(i)] == voci[static_cast<size_t>(i)].minimo) {
                    RecordRitardo &x = r.voci[static_cast<size_t>(i)];
                    ++x.Frequenza;
                    x.RitardoMassimo = std::max(x.RitardoMassimo, d - ultimaPresenza[static_cast<size_t>(i)] - 1);
                    ultimaPresenza[static_cast<size_t>(i)] = d;
                }
            }
        }
        for (int i : toccate)
            contatore[static_cast<size_t>(i)] = 0;
    }

    for (size_t i = 0; i < n; ++i) {
        RecordRitardo &x = r.voci[i];
        x.RitardoAttuale = ultimo - ultimaPresenza[i];
        x.RitardoMassimo = std::max(x.RitardoMassimo, x.RitardoAttuale);
        r.MassimoAttuale = std::max(r.MassimoAttuale, x.RitardoAttuale);
        r.MassimoRitardo = std::max(r.MassimoRitardo, x.RitardoMassimo);
        r.MassimoFrequenza = std::max(r.MassimoFrequenza, x.Frequenza);
    }
    return r;
}

int IndiceAmbo(int a, int b)
{
    // pairs (1,2)..(1,90) come first: 89 of them, then 88 starting with 2, ...
    return (a - 1) * 89 - (a - 1) * (a - 2) / 2 + (b - a - 1);
}

int FinestraCalore(int E, int N)
{
    return std::min(N, E + 1);
}

std::vector<RecordCalore> AnalisiCalore(const std::vector<archivio::Estrazione> &archivio, int E, int N,
                                        TipoCalore tipo)
{
    ControllaRecord(archivio, E);
    if (N < 1)
        throw Errore("Il numero di estrazioni da analizzare deve essere almeno 1");
    const int finestra = FinestraCalore(E, N);

    std::vector<RecordCalore> r;
    if (tipo == TipoCalore::Estratti) {
        r.resize(90);
        for (int k = 0; k < 90; ++k)
            r[static_cast<size_t>(k)].primo = k + 1;
    } else {
        r.reserve(4005);
        for (int a = 1; a <= 90; ++a)
            for (int b = a + 1; b <= 90; ++b)
                r.push_back({a, b, 0, 0, 0, 0, 0.0});
    }

    auto presente = [](RecordCalore &x, int s) {
        ++x.Frequenza;
        if (x.PrimaUscita == 0)
            x.PrimaUscita = s;
        x.UltimaUscita = s;
    };

    for (int s = 1; s <= finestra; ++s) {
        const auto &numeri = archivio[static_cast<size_t>(E - finestra + s)].numeri.numeri;
        // distinct numbers 1..90 of the draw, ascending: a repeated value is one presence
        Insieme visti;
        for (int v : numeri)
            if (v >= 1 && v <= 90)
                visti.Aggiungi(v);
        int valori[6];
        int m = 0;
        for (std::uint64_t b = visti.basso; b; b &= b - 1)
            valori[m++] = std::countr_zero(b);
        for (std::uint64_t b = visti.alto; b; b &= b - 1)
            valori[m++] = 64 + std::countr_zero(b);
        if (tipo == TipoCalore::Estratti) {
            for (int i = 0; i < m; ++i)
                presente(r[static_cast<size_t>(valori[i] - 1)], s);
        } else {
            for (int i = 0; i < m; ++i)
                for (int j = i + 1; j < m; ++j)
                    presente(r[static_cast<size_t>(IndiceAmbo(valori[i], valori[j]))], s);
        }
    }

    for (RecordCalore &x : r) {
        x.Ritardo = finestra - x.UltimaUscita;
        if (x.Frequenza > 0)
            x.Media = static_cast<double>(x.UltimaUscita - x.PrimaUscita) / x.Frequenza;
    }
    return r;
}

} // namespace sestina::statistiche
