#include "stats/Calore.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "archive/TabellaEstrazioni.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace sestina::statistiche {

namespace {

// Case-insensitive text order (only ASCII letters fold).
int ConfrontaTesto(const std::string &a, const std::string &b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int x = std::tolower(static_cast<unsigned char>(a[i]));
        int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

double LeggiDecimale(const std::string &t)
{
    std::string s = t;
    std::replace(s.begin(), s.end(), ',', '.');
    return std::strtod(s.c_str(), nullptr);
}

} // namespace

int ValoreAnalizzare(const std::string &testo, int ultima)
{
    const std::string t = Trim(testo);
    int v = t.empty() ? 1 : LeggiInteroOppure(t, 1);
    v = std::min({v, ultima, MassimoAnalizzare});
    return std::max(v, 1);
}

Griglia TabellaCalore(const std::vector<RecordCalore> &record, TipoCalore tipo, int minimo, int colonna)
{
    std::vector<const RecordCalore *> righe;
    for (const RecordCalore &r : record)
        if (r.Frequenza >= minimo)
            righe.push_back(&r);

    Griglia g(1 + std::max<int>(1, static_cast<int>(righe.size())), 5);
    g.righeFisse = 1;
    g.colonneFisse = 0;
    g.ImpostaLarghezza(0, 40);
    g.ImpostaLarghezza(3, 50);
    const char *intestazioni[5] = {tipo == TipoCalore::Estratti ? "Num" : "Ambi", "Fre", "Rit", "Rng", "Med"};
    for (int c = 0; c < 5; ++c) {
        g.ImpostaTesto(0, c, intestazioni[c]);
        for (int r = 0; r < g.righe(); ++r)
            g.cella(r, c).allineamento = Allineamento::Centro;
    }

    std::vector<std::array<std::string, 5>> testi;
    testi.reserve(righe.size());
    for (const RecordCalore *r : righe)
        testi.push_back(
            {tipo == TipoCalore::Estratti ? Formato("%d ", r->primo) : Formato("%d-%d", r->primo, r->secondo),
             Formato("%d", r->Frequenza), Formato("%d", r->Ritardo), Formato("%d-%d", r->PrimaUscita, r->UltimaUscita),
             FormatoDecimale(r->Media, 2)});

    if (colonna >= 1 && colonna <= 4) {
        const size_t c = static_cast<size_t>(colonna);
        // ties keep the natural order
        std::stable_sort(testi.begin(), testi.end(), [c](const auto &a, const auto &b) {
            switch (c) {
            case 1:
            case 2:
                return LeggiInteroOppure(a[c], 0) > LeggiInteroOppure(b[c], 0);
            case 3:
                return ConfrontaTesto(a[c], b[c]) > 0;
            default:
                return LeggiDecimale(a[c]) > LeggiDecimale(b[c]);
            }
        });
        g.cella(0, colonna).sfondo = colori::Giallo;
    }
    for (size_t i = 0; i < testi.size(); ++i)
        for (int c = 0; c < 5; ++c)
            g.ImpostaTesto(static_cast<int>(i) + 1, c, testi[i][static_cast<size_t>(c)]);
    return g;
}

void ColoraElenco(Griglia &elenco, const Griglia &tabella, TipoCalore tipo, const std::array<Colore, 5> &colori)
{
    for (int s = 1; s <= 5; ++s) {
        if (s >= tabella.righe())
            break;
        const std::string voce = Trim(tabella.testo(s, 0));
        if (voce.empty())
            continue;
        std::string primo = voce, secondo;
        if (tipo == TipoCalore::Ambi) {
            const size_t t = voce.find('-');
            if (t == std::string::npos)
                continue;
            primo = voce.substr(0, t);
            secondo = voce.substr(t + 1);
        }
        const Colore colore = colori[static_cast<size_t>(s - 1)];
        for (int r = 1; r < elenco.righe(); ++r) {
            int cp = -1, cs = -1;
            for (int c = 3; c <= 8 && c < elenco.colonne(); ++c) {
                if (cp < 0 && elenco.testo(r, c) == primo)
                    cp = c;
                if (tipo == TipoCalore::Ambi && cs < 0 && elenco.testo(r, c) == secondo)
                    cs = c;
            }
            if (tipo == TipoCalore::Estratti) {
                if (cp >= 0)
                    elenco.cella(r, cp).sfondo = colore;
            } else if (cp >= 0 && cs >= 0) {
                elenco.cella(r, cp).sfondo = colore;
                elenco.cella(r, cs).sfondo = colore;
            }
        }
    }
}

RisultatoCalore MostraCalore(const archivio::Archivio &a, int ultima, const ParametriCalore &p)
{
    if (ultima < 0)
        throw Errore("L'archivio non contiene estrazioni");
    const int E = std::clamp(p.estrazione, 0, ultima);
    const int N = std::max(1, p.analizzare);
    const auto estrazioni = a.LeggiTutte();
    RisultatoCalore r;
    r.tabella = TabellaCalore(AnalisiCalore(estrazioni, E, N, p.tipo), p.tipo, p.minimo, p.colonna);
    r.elenco = archivio::ElencoEstrazioni(a, ultima, E, FinestraCalore(E, N));
    // A draw from before the SuperStar shows none, as on the draws table.
    for (int riga = 1; riga < r.elenco.righe() && r.elenco.colonne() > 10; ++riga)
        if (r.elenco.testo(riga, 10) == "0")
            r.elenco.ImpostaTesto(riga, 10, std::string());
    ColoraElenco(r.elenco, r.tabella, p.tipo, p.colori);
    return r;
}

} // namespace sestina::statistiche
