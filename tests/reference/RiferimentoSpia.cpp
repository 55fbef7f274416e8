#include "reference/RiferimentoSpia.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace sestina::riferimento {
namespace {

int Indice(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    return (89 - a) * (a - 1) + a * (a - 1) / 2 + b - 1;
}

int Valore(const archivio::Estrazione &e, int i)
{
    return i < 6 ? e.numeri.numeri[i] : i == 6 ? e.numeri.jolly : e.numeri.superstar;
}

} // namespace

RisultatoSpiaRif RiferimentoSpia(const std::vector<archivio::Estrazione> &estrazioni,
                                 const statistiche::ParametriSpia &p)
{
    const int n = static_cast<int>(estrazioni.size());
    const int N = p.colpi;
    const bool ns = p.modo == statistiche::ModoSpia::NumeriSpia;
    const int F = ns ? p.inizio : p.inizio + N;
    const int e = p.fine;
    // Room on both sides so the windows never leave the arrays; only 0..n-1 is reported.
    std::vector<int> spia(n + 2 * N + 2, 0), analizzata(n + 2 * N + 2, 0);
    const int off = N + 1;
    RisultatoSpiaRif r;
    for (int v = F; v <= e; ++v) {
        int mese = estrazioni[v].data.mese;
        if (!p.mesi[mese - 1])
            continue;
        int h = 0;
        for (int x : p.numeri) {
            bool presente = false;
            for (int i = 0; i < 8; ++i)
                if (Valore(estrazioni[v], i) == x)
                    presente = true;
            h += presente;
        }
        bool isSpia = p.ambi ? (h >= 2 && p.numeri.size() >= 2) : h >= 1;
        if (!isSpia)
            continue;
        ++r.spie;
        for (int j = 1; j <= N; ++j)
            analizzata[off + (ns ? v + j : v - j)] = 1;
        spia[off + v] = 1;
        analizzata[off + v] = 0;
    }
    for (int v = F; v <= e; ++v)
        if (spia[off + v])
            analizzata[off + v] = 0;

    int conta[91] = {};
    int ambi[4006] = {};
    r.file = "DATA;CONC;Note;ES1;ES2;ES3;ES4;ES5;Bari;\r\n";
    for (int v = F; v <= e; ++v) {
        const auto &x = estrazioni[v];
        char buf[64];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d;%d;", x.data.giorno, x.data.mese, x.data.anno,
                      x.data.concorso);
        std::string riga = buf;
        if (spia[off + v]) {
            riga += "Spia;";
        } else if (analizzata[off + v]) {
            riga += ns ? "Post;" : "Prec;";
            for (int i = 0; i < 8; ++i) {
                int a = Valore(x, i);
                if (a < 1 || a > 90)
                    continue;
                conta[a] += 1;
                for (int j = i + 1; j < 8; ++j) {
                    int b = Valore(x, j);
                    if (b >= 1 && b <= 90 && b != a)
                        ambi[Indice(a, b)] += 1;
                }
            }
        } else {
            continue;
        }
        for (int i = 0; i < 8; ++i)
            riga += std::to_string(Valore(x, i)) + ";";
        r.file += riga + "\r\n";
    }

    // Selection of the maximum, the smallest number first among equals.
    std::vector<bool> preso(91, false);
    while (true) {
        int best = 0;
        for (int x = 1; x <= 90; ++x)
            if (!preso[x] && conta[x] > 0 && (best == 0 || conta[x] > conta[best]))
                best = x;
        if (best == 0)
            break;
        preso[best] = true;
        r.numeri.push_back({conta[best], best});
    }
    std::vector<bool> presoA(4006, false);
    while (true) {
        int ba = 0, bb = 0;
        for (int a = 1; a <= 89; ++a)
            for (int b = a + 1; b <= 90; ++b) {
                int i = Indice(a, b);
                if (!presoA[i] && ambi[i] > 0 && (ba == 0 || ambi[i] > ambi[Indice(ba, bb)])) {
                    ba = a;
                    bb = b;
                }
            }
        if (ba == 0)
            break;
        presoA[Indice(ba, bb)] = true;
        r.ambi.push_back({ambi[Indice(ba, bb)], ba, bb});
    }
    for (const auto &riga : r.numeri) {
        bool inUltima = false;
        for (int i = 0; i < 8; ++i)
            if (Valore(estrazioni[e], i) == riga[1])
                inUltima = true;
        if (inUltima)
            r.somma += riga[0];
    }
    int S = 0;
    for (size_t i = 0; i < r.numeri.size() && i < 20; ++i)
        S += r.numeri[i][0];
    r.media = (S + 1) / 20 * 5;
    for (int v = 0; v < n; ++v) {
        r.spia.push_back(spia[off + v] != 0);
        r.analizzata.push_back(analizzata[off + v] != 0);
    }
    return r;
}

statistiche::StatisticheAmbi RiferimentoStatistica(const std::vector<archivio::Estrazione> &estrazioni, int inizio,
                                                   int fine, const std::array<bool, 12> &mesi,
                                                   const std::vector<bool> *filtro)
{
    statistiche::StatisticheAmbi stat(4006);
    for (auto &s : stat) {
        s.frequenza = 0;
        s.ritardo = 0;
        s.ultima = estrazioni[inizio].data.data();
        s.vista = false;
    }
    auto esamina = [&](int v) {
        if (filtro && !(*filtro)[v])
            return;
        const auto &num = estrazioni[v].numeri.numeri;
        bool tutti = true;
        for (int i = 0; i < 5; ++i)
            if (num[i] == 0)
                tutti = false;
        if (tutti)
            for (int i = 0; i < 5; ++i)
                for (int j = i + 1; j < 5; ++j) {
                    if (num[i] == num[j] || num[i] > 90 || num[j] > 90)
                        continue;
                    auto &s = stat[Indice(num[i], num[j])];
                    s.frequenza += 1;
                    if (!s.vista) {
                        s.ultima = estrazioni[v].data.data();
                        s.vista = true;
                    }
                }
        for (int i = 1; i <= 4005; ++i)
            if (!stat[i].vista)
                stat[i].ritardo += 1;
    };
    esamina(fine);
    for (int v = fine - 1; v > inizio; --v)
        if (mesi[estrazioni[v].data.mese - 1])
            esamina(v);
    return stat;
}

namespace {

struct Voce {
    std::vector<int> numeri;
    std::vector<int> S; // S[1..k] at 1..k
};

struct Cerca {
    const statistiche::StatisticheAmbi &stat;
    int k;
    std::vector<Voce> lista;
    std::vector<int> gruppo;
    std::vector<int> S;

    int F(int a, int b) const { return stat[Indice(a, b)].frequenza; }

    void Inserisci()
    {
        std::vector<int> ordinato = gruppo;
        std::sort(ordinato.begin(), ordinato.end());
        for (const Voce &v : lista) {
            std::vector<int> o = v.numeri;
            std::sort(o.begin(), o.end());
            if (!o.empty() && o == ordinato)
                return;
        }
        for (size_t i = 0; i < lista.size(); ++i)
            if (lista[i].S[k] <= S[k]) {
                lista.insert(lista.begin() + static_cast<long>(i), Voce{gruppo, S});
                lista.pop_back();
                return;
            }
    }

    void Estendi(int d)
    {
        for (int x = 1; x <= 90; ++x) {
            if (std::find(gruppo.begin(), gruppo.end(), x) != gruppo.end())
                continue;
            int somma = S[d];
            for (int y : gruppo)
                somma += F(x, y);
            if (!(somma > lista[19].S[d + 1]))
                continue;
            gruppo.push_back(x);
            S[d + 1] = somma;
            if (d + 1 == k)
                Inserisci();
            else
                Estendi(d + 1);
            gruppo.pop_back();
        }
    }
};

} // namespace

std::vector<statistiche::Lunghetta> RiferimentoLunghette(const statistiche::StatisticheAmbi &stat, int k)
{
    Cerca c{stat, k, std::vector<Voce>(20, Voce{{}, std::vector<int>(k + 1, 0)}), {}, std::vector<int>(k + 1, 0)};
    for (int a = 1; a <= 89; ++a)
        for (int b = a + 1; b <= 90; ++b) {
            if (c.F(a, b) < c.lista[19].S[2])
                continue;
            c.gruppo = {a, b};
            std::fill(c.S.begin(), c.S.end(), 0);
            c.S[2] = c.F(a, b);
            c.Estendi(2);
        }
    std::vector<statistiche::Lunghetta> out(20);
    for (int i = 0; i < 20; ++i) {
        if (c.lista[i].numeri.empty())
            continue;
        out[i].numeri = c.lista[i].numeri;
        out[i].somme.assign(c.lista[i].S.begin() + 1, c.lista[i].S.end());
    }
    return out;
}

} // namespace sestina::riferimento
