#include "methods/Armonia.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "archive/Archivio.h"
#include "methods/Astrolotto.h"
#include "methods/Esiti.h"
#include "stats/Classi.h"

#include <algorithm>
#include <cstdlib>

namespace sestina::metodi {

using statistiche::Fuori90;
using statistiche::Riduci45;

PrevisioneArm PrevisioneArmonia(int a, int b, int c, int d)
{
    PrevisioneArm p;
    std::array<int, 4> x{a, b, c, d};
    std::sort(x.begin(), x.end());
    std::array<int, 4> y{Fuori90(x[3] - x[0]), Fuori90(x[2] - x[1]), Fuori90(x[0] + x[2]), Fuori90(x[1] + x[3])};
    std::sort(y.begin(), y.end());
    if (Fuori90(y[1] + y[2]) != Fuori90(y[0] + y[3]))
        return p;
    const int h = Fuori90(y[0] + y[3]);
    std::array<int, 6> s{Fuori90(y[0] + y[1]), Fuori90(y[0] + y[2]), Fuori90(y[0] + y[3]),
                         Fuori90(y[1] + y[2]), Fuori90(y[1] + y[3]), Fuori90(y[2] + y[3])};
    std::sort(s.begin(), s.end());
    std::vector<int> cinque;
    bool primo = false, tolto = false;
    for (int v : s) {
        if (v == h && !tolto) {
            if (primo) {
                tolto = true;
                continue;
            }
            primo = true;
        }
        cinque.push_back(v);
    }
    if (cinque.size() != 5 || std::adjacent_find(cinque.begin(), cinque.end()) != cinque.end())
        return p;
    p.quattro = y;
    std::copy(cinque.begin(), cinque.end(), p.cinque.begin());
    std::vector<int> esclusi(y.begin(), y.end());
    esclusi.insert(esclusi.end(), cinque.begin(), cinque.end());
    p.ambata = AmbataDaRaddoppio(h, esclusi);
    return p;
}

std::vector<Armonia> CercaArmonie(const std::vector<archivio::Estrazione> &e, int r, ModoArmonia modo)
{
    if (r < 10 || r >= static_cast<int>(e.size()))
        throw Errore(Formato("L'estrazione n. %d non ha dieci estrazioni precedenti: armonie non calcolabili", r + 1));
    static const int coppie[10][2] = {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}};
    std::vector<Armonia> out;
    const auto &D = e[static_cast<size_t>(r)].numeri.numeri;
    for (int t = 1; t <= 10; ++t) {
        const auto &P = e[static_cast<size_t>(r - t)].numeri.numeri;
        for (const auto &cp : coppie) {
            const int A = D[cp[0] - 1], B = D[cp[1] - 1], A1 = P[cp[0] - 1], B1 = P[cp[1] - 1];
            const bool armonia = modo == ModoArmonia::Somma ? Fuori90(A + B) == Fuori90(A1 + B1)
                                                            : Riduci45(std::abs(A - B)) == Riduci45(std::abs(A1 - B1));
            if (!armonia)
                continue;
            PrevisioneArm p = PrevisioneArmonia(A, B, A1, B1);
            if (p.ambata < 0)
                continue;
            out.push_back({r, r - t, t, cp[0], cp[1], {A, B, A1, B1}, p});
        }
    }
    return out;
}

Colonna GiocataArmonia(const PrevisioneArm &p)
{
    std::vector<int> v{p.ambata};
    v.insert(v.end(), p.quattro.begin(), p.quattro.end());
    v.insert(v.end(), p.cinque.begin(), p.cinque.end());
    return TogliDoppioni(StringaDaValori(v));
}

namespace {

template <size_t N> std::string Testo(const std::array<int, N> &v)
{
    return ElencoInteri(std::vector<int>(v.begin(), v.end()));
}

} // namespace

Griglia GrigliaArmonie(const std::vector<Armonia> &armonie, int sel)
{
    Griglia g(std::max<int>(1, static_cast<int>(armonie.size())), 4);
    g.righeFisse = 0;
    const Colore sfondi[4] = {colori::Rosso, colori::Giallo, Lime, Fucsia};
    for (size_t i = 0; i < armonie.size(); ++i) {
        const int r = static_cast<int>(i);
        const auto &p = armonie[i].previsione;
        g.ImpostaTesto(r, 0, "Superenalotto");
        g.ImpostaTesto(r, 1, ElencoInteri({p.ambata}));
        g.ImpostaTesto(r, 2, Testo(p.quattro));
        g.ImpostaTesto(r, 3, Testo(p.cinque));
        for (int c = 0; c < 4; ++c)
            g.cella(r, c).sfondo = r == sel ? sfondi[c] : colori::Bianco;
    }
    return g;
}

RisultatoArmonia CalcolaArmonia(const std::vector<archivio::Estrazione> &e, int r, ModoArmonia modo, int riga)
{
    RisultatoArmonia ris;
    ris.armonie = CercaArmonie(e, r, modo);
    ris.riga = ris.armonie.empty() ? 0 : std::clamp(riga, 0, static_cast<int>(ris.armonie.size()) - 1);
    ris.previsioni = GrigliaArmonie(ris.armonie, ris.armonie.empty() ? -1 : ris.riga);
    Colonna giocata;
    int r2 = r - 1;
    if (!ris.armonie.empty()) {
        const Armonia &a = ris.armonie[static_cast<size_t>(ris.riga)];
        giocata = GiocataArmonia(a.previsione);
        r2 = a.precedente;
        ris.pos1 = a.pos1;
        ris.pos2 = a.pos2;
    }
    auto valori = [&](int rec, std::array<std::string, 8> &v) {
        const auto &x = e[static_cast<size_t>(rec)].numeri;
        for (int i = 0; i < 6; ++i)
            v[static_cast<size_t>(i)] = std::to_string(x.numeri[static_cast<size_t>(i)]);
        v[6] = std::to_string(x.jolly);
        v[7] = std::to_string(x.superstar);
    };
    valori(r, ris.valori1);
    valori(r2, ris.valori2);
    ris.data1 = archivio::TestoListaDate(e[static_cast<size_t>(r)].data);
    ris.data2 = archivio::TestoListaDate(e[static_cast<size_t>(r2)].data);
    ris.ritardo = RicercaEsiti(giocata, e, r, Direzione::Indietro, StileEsiti::Armonia).griglia;
    ris.esiti = RicercaEsiti(giocata, e, r, Direzione::Avanti, StileEsiti::Armonia).griglia;
    return ris;
}

int IndietroArmonia(int r, int passo)
{
    int n = r - std::max(passo, 1);
    return n >= PrimoRecordArmonia ? n : -1;
}

Griglia GrigliaCiclo(const std::vector<int> &colpi, const std::array<bool, 10> &spuntati)
{
    Griglia g(5, 12);
    g.righeFisse = 1;
    g.colonneFisse = 1;
    for (int c = 1; c <= 10; ++c)
        g.ImpostaTesto(0, c, std::to_string(c));
    g.ImpostaTesto(0, 11, "Tot");
    const char *righe[] = {"Previsioni Uscite", "% Vincita", "Rit. Attuale", "Rit. Storico"};
    for (int r = 0; r < 4; ++r)
        g.ImpostaTesto(r + 1, 0, righe[r]);
    const int n = static_cast<int>(colpi.size());
    auto vinta = [&](int k) {
        int c = colpi[static_cast<size_t>(k)];
        return c >= 1 && c <= 10 && spuntati[static_cast<size_t>(c - 1)];
    };
    int totUscite = 0;
    double totPerc = 0;
    int minAttuale = -1;
    for (int c = 1; c <= 10; ++c) {
        if (!spuntati[static_cast<size_t>(c - 1)]) {
            for (int r = 1; r <= 4; ++r)
                g.ImpostaTesto(r, c, "#");
            continue;
        }
        int uscite = 0, attuale = -1, corsa = 0, storico = 0;
        for (int k = 0; k < n; ++k) {
            if (colpi[static_cast<size_t>(k)] == c) {
                ++uscite;
                if (attuale < 0)
                    attuale = k;
                corsa = 0;
            } else {
                storico = std::max(storico, ++corsa);
            }
        }
        // No hit: every analysed forecast went without one.
        if (attuale < 0)
            attuale = n;
        const double perc = n > 0 ? 100.0 * uscite / n : 0.0;
        g.ImpostaTesto(1, c, std::to_string(uscite));
        g.ImpostaTesto(2, c, FormatoDecimale(perc, 1));
        g.ImpostaTesto(3, c, std::to_string(attuale));
        g.ImpostaTesto(4, c, std::to_string(storico));
        totUscite += uscite;
        totPerc += perc;
        minAttuale = minAttuale < 0 ? attuale : std::min(minAttuale, attuale);
    }
    int corsa = 0, storico = 0;
    for (int k = 0; k < n; ++k) {
        if (vinta(k))
            corsa = 0;
        else
            storico = std::max(storico, ++corsa);
    }
    g.ImpostaTesto(1, 11, std::to_string(totUscite));
    g.ImpostaTesto(2, 11, FormatoDecimale(totPerc, 1));
    g.ImpostaTesto(3, 11, minAttuale < 0 ? std::string("#") : std::to_string(minAttuale));
    g.ImpostaTesto(4, 11, std::to_string(storico));
    return g;
}

RisultatoCiclo CicloArmonia(const std::vector<archivio::Estrazione> &e, const ParametriCiclo &p, Progresso *progresso)
{
    RisultatoCiclo ris;
    const int ultima = static_cast<int>(e.size()) - 1;
    const long long richiesti = static_cast<long long>(p.previsioni) * p.passo;
    if (p.previsioni < 1 || p.passo < 1 || ultima - PrimoRecordArmonia < richiesti) {
        ris.messaggio = MsgCalcoloImpossibile;
        return ris;
    }
    const int col = 3 + static_cast<int>(p.selezione);
    std::vector<int> colpi;
    int r = p.record;
    while (static_cast<int>(ris.voci.size()) < p.previsioni) {
        if (progresso) {
            progresso->Avanza(static_cast<long>(ris.voci.size()), p.previsioni);
            if (progresso->Interrompi()) {
                ris.interrotto = true;
                break;
            }
        }
        r = IndietroArmonia(r, p.passo);
        if (r < 0)
            break;
        auto armonie = CercaArmonie(e, r, p.modo);
        if (p.riga < 0 || p.riga >= static_cast<int>(armonie.size()))
            continue;
        const Colonna giocata = GiocataArmonia(armonie[static_cast<size_t>(p.riga)].previsione);
        auto es = RicercaEsiti(giocata, e, r, Direzione::Avanti, StileEsiti::Armonia);
        VoceCiclo v;
        v.record = r;
        v.previsione = FormattaColonna(giocata);
        for (int riga = 1; riga < es.griglia.righe(); ++riga)
            if (!es.griglia.testo(riga, col).empty()) {
                v.colpo = std::abs(LeggiInteroOppure(es.griglia.testo(riga, 2), 0));
                v.esito = es.estrazioni[static_cast<size_t>(riga - 1)];
                v.numeri = es.griglia.testo(riga, col);
                break;
            }
        colpi.push_back(v.colpo);
        ris.voci.push_back(std::move(v));
    }
    if (!ris.interrotto && static_cast<int>(ris.voci.size()) < p.previsioni)
        ris.messaggio = MsgDatiInattendibili;
    ris.ciclo = GrigliaCiclo(colpi, p.colpi);
    ris.riepilogo = GrigliaRiepilogoCiclo(ris.voci, e, p.selezione);
    return ris;
}

Griglia GrigliaRiepilogoCiclo(const std::vector<VoceCiclo> &voci, const std::vector<archivio::Estrazione> &e,
                              SelezioneArmonia selezione)
{
    Griglia g(static_cast<int>(voci.size()) + 1, 10);
    g.righeFisse = 1;
    const char *t[] = {"N.",    "Estrazione",    "Previsione", "N.esito", "Data Esito",
                       "Ruota", "N.Progressivo", "Colpo",      "Punti",   "Numeri"};
    for (int c = 0; c < 10; ++c)
        g.ImpostaTesto(0, c, t[c]);
    const char *punti[] = {"3", "4", ">4"};
    for (size_t i = 0; i < voci.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const auto &v = voci[i];
        g.ImpostaTesto(r, 0, std::to_string(r));
        g.ImpostaTesto(r, 1, archivio::TestoListaDate(e[static_cast<size_t>(v.record)].data));
        g.ImpostaTesto(r, 2, v.previsione);
        g.ImpostaTesto(r, 5, "Su");
        g.ImpostaTesto(r, 6, std::to_string(v.record + 1));
        g.ImpostaTesto(r, 7, std::to_string(v.colpo));
        if (v.esito >= 0) {
            g.ImpostaTesto(r, 3, std::to_string(v.esito + 1));
            g.ImpostaTesto(r, 4, archivio::TestoListaDate(e[static_cast<size_t>(v.esito)].data));
            g.ImpostaTesto(r, 8, punti[static_cast<int>(selezione)]);
            g.ImpostaTesto(r, 9, v.numeri);
        }
    }
    return g;
}

} // namespace sestina::metodi
