#include "methods/Esiti.h"

#include "app/Testo.h"
#include "archive/Archivio.h"
#include "systems/Spoglio.h"

#include <algorithm>

namespace sestina::metodi {

namespace {

bool NeiSei(int n, const archivio::RecordSuperenalotto &r)
{
    return std::find(r.numeri.begin(), r.numeri.end(), n) != r.numeri.end();
}

} // namespace

int ContaEstratti(const Colonna &giocata, const archivio::RecordSuperenalotto &r)
{
    int p = 0;
    for (unsigned char n : giocata)
        if (n != 0 && NeiSei(n, r))
            ++p;
    return p;
}

RisultatoEsiti RicercaEsiti(const Colonna &giocata, const std::vector<archivio::Estrazione> &estrazioni, int r,
                            Direzione direzione, StileEsiti stile)
{
    std::vector<std::string> testata;
    switch (stile) {
    case StileEsiti::Astro:
        testata = {"Estrazione", "Ruota", "Colpo", "P.3", "P.4", "P>4"};
        break;
    case StileEsiti::Armonia:
        testata = {"Estrazione", "Ruota", "Colpo", "P3", "P4", "P>4"};
        break;
    case StileEsiti::Metodo:
        testata = {"Estrazione", "Ruota", "Colpo", "P 3", "P 4", "P 5", "P 6"};
        break;
    }
    const int eventi = static_cast<int>(testata.size()) - 3;
    RisultatoEsiti ris;
    Griglia &g = ris.griglia;
    g.Dimensiona(eventi + 1, static_cast<int>(testata.size()));
    g.righeFisse = 1;
    for (int c = 0; c < g.colonne(); ++c)
        g.ImpostaTesto(0, c, testata[c]);

    std::vector<bool> visto(eventi, false);
    int riga = 1;
    const int ultima = static_cast<int>(estrazioni.size()) - 1;
    const int passo = direzione == Direzione::Avanti ? 1 : -1;
    for (int d = r + passo; d >= 0 && d <= ultima && riga <= eventi; d += passo) {
        const auto &num = estrazioni[d].numeri;
        int p = stile == StileEsiti::Astro ? sistemi::ContaPunti(giocata, num) : ContaEstratti(giocata, num);
        int evento = -1;
        if (stile == StileEsiti::Metodo) {
            if (p >= 3 && p <= 6)
                evento = p - 3;
        } else if (p == 3) {
            evento = 0;
        } else if (p == 4) {
            evento = 1;
        } else if (p > 4) {
            evento = 2;
        }
        if (evento < 0 || visto[evento])
            continue;
        visto[evento] = true;
        ris.estrazioni.push_back(d);
        g.ImpostaTesto(riga, 0, archivio::TestoListaDate(estrazioni[d].data));
        g.ImpostaTesto(riga, 1, stile == StileEsiti::Metodo ? "Superenalotto" : "Su");
        g.cella(riga, 1).sfondo = colori::Rosso;
        g.ImpostaTesto(riga, 2, std::to_string(d - r));
        std::string numeri;
        for (unsigned char n : giocata)
            if (n != 0 && NeiSei(n, num))
                numeri += std::to_string(n) + ' ';
        Cella &c = g.cella(riga, 3 + evento);
        c.testo = numeri;
        if (stile == StileEsiti::Metodo)
            c.sfondo = Lime;
        else
            c.sfondo = evento == 0 ? colori::Giallo : evento == 1 ? Lime : Fucsia;
        if (stile == StileEsiti::Astro && (p == 6 || p == 7)) {
            c.testo += "+";
            c.sfondo = colori::Giallo;
            ris.segnale = true;
        }
        ++riga;
    }
    return ris;
}

} // namespace sestina::metodi
