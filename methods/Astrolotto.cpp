#include "methods/Astrolotto.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "methods/Esiti.h"
#include "stats/Classi.h"

#include <algorithm>

namespace sestina::metodi {

using statistiche::Fuori90;

const std::array<SegnoZodiacale, 12> &SegniZodiacali()
{
    static const std::array<SegnoZodiacale, 12> segni{{
        {"Ariete", "21 Marzo - 20 Aprile", "hor003.bmp", 1, 2, 1},
        {"Toro", "21 Aprile - 20 Maggio", "hor004.bmp", 1, 2, 6},
        {"Gemelli", "21 Maggio - 21 Giugno", "hor005.bmp", 1, 3, 5},
        {"Cancro", "22 Giugno - 22 Luglio", "hor006.bmp", 1, 4, 4},
        {"Leone", "23 Luglio - 22 Agosto", "hor007.bmp", 1, 5, 3},
        {"Vergine", "23 Agosto - 22 Settembre", "hor008.bmp", 1, 6, 2},
        {"Bilancia", "23 Settembre - 23 Ottobre", "hor009.bmp", 2, 3, 1},
        {"Scoprione", "24 Ottobre - 21 Novembre", "hor010.bmp", 2, 3, 6},
        {"Sagittario", "22 Novembre - 21 Dicembre", "hor011.bmp", 2, 4, 5},
        {"Capricorno", "22 Dicembre - 20 Gennaio", "hor012.bmp", 2, 5, 4},
        {"Acquario", "21 Gennaio - 19 Febbraio", "hor001.bmp", 2, 6, 3},
        {"Pesci", "20 Febbraio - 20 Marzo", "hor002.bmp", 3, 4, 2},
    }};
    return segni;
}

std::string TitoloSegno(int segno)
{
    const auto &s = SegniZodiacali().at(segno - 1);
    return std::string(s.nome) + "-" + s.periodo;
}

namespace {

// Positions 1..8 of a record; anything beyond reads 0.
std::array<int, 10> Posizioni(const archivio::RecordSuperenalotto &r)
{
    std::array<int, 10> v{};
    for (int i = 0; i < 6; ++i)
        v[i + 1] = r.numeri[i];
    v[7] = r.jolly;
    v[8] = r.superstar;
    return v;
}

int A(const std::array<int, 10> &v, int pos)
{
    return pos >= 1 && pos <= 8 ? v[pos] : 0;
}

bool Valido(int a, int b, int c)
{
    if (a == b || a == c || b == c)
        return false;
    for (int s : {a + b, a + c, b + c})
        if (s == 45 || s == 90)
            return false;
    return a != 45 && b != 45 && c != 45;
}

int CoppieUguali(const std::array<int, 6> &s)
{
    int n = 0;
    for (int x = 0; x < 5; ++x)
        for (int y = x + 1; y < 6; ++y)
            if (s[x] == s[y])
                ++n;
    return n;
}

// One row from the three numbers; returns the provisional ambata in `provvisoria`.
RigaPrevisione RigaDaTerna(int a0, int b0, int c0, int &provvisoria)
{
    std::array<int, 3> t{a0, b0, c0};
    std::sort(t.begin(), t.end());
    const int a = t[0], b = t[1], c = t[2];
    RigaPrevisione r;
    r.Quartina = {c - a, c - b, Fuori90(c + a), Fuori90(c + b)};
    std::sort(r.Quartina.begin(), r.Quartina.end());
    const auto &q = r.Quartina;
    std::array<int, 6> s{Fuori90(q[0] + q[1]), Fuori90(q[0] + q[2]), Fuori90(q[0] + q[3]),
                         Fuori90(q[1] + q[2]), Fuori90(q[1] + q[3]), Fuori90(q[2] + q[3])};
    std::sort(s.begin(), s.end());
    // Every pass brings in a value not yet among the first five; the guard only
    // keeps a malformed input from spinning.
    for (int giro = 0; giro < 200 && CoppieUguali(s) >= 2; ++giro) {
        int f = 1;
        while (std::find(s.begin(), s.begin() + 5, f) != s.begin() + 5)
            ++f;
        for (int x = 0; x < 5; ++x)
            for (int y = x + 1; y < 6; ++y)
                if (s[x] == s[y])
                    s[y] = f;
        std::sort(s.begin(), s.end());
    }
    provvisoria = 0;
    bool trovato = false;
    for (int x = 0; x < 5; ++x) {
        for (int y = x + 1; y < 6 && !trovato; ++y) {
            if (s[y] == s[x]) {
                provvisoria = s[x];
                s[x] = 91;
                trovato = true;
            }
        }
        std::sort(s.begin(), s.end());
    }
    std::copy(s.begin(), s.begin() + 5, r.Cinquina.begin());
    return r;
}

} // namespace

int AmbataDaRaddoppio(int provvisoria, const std::vector<int> &esclusi)
{
    int x = 2 * provvisoria;
    // At most nine numbers are excluded, so a free one is met within a lap.
    for (int giro = 0; giro < 200; ++giro) {
        if (x < 1)
            x = 1;
        if (x > 90)
            x -= 90;
        if (std::find(esclusi.begin(), esclusi.end(), x) == esclusi.end())
            break;
        ++x;
    }
    return x;
}

PrevisioneAstrolotto CalcolaPrevisioneAstrolotto(const archivio::RecordSuperenalotto &rd,
                                                 const archivio::RecordSuperenalotto &rp, int segno)
{
    if (segno < 1 || segno > 12)
        throw Errore(Formato("Segno zodiacale %d inesistente", segno));
    const auto D = Posizioni(rd), P = Posizioni(rp);
    const auto &sg = SegniZodiacali()[segno - 1];
    int i = sg.i, j = sg.j, k = sg.k;
    PrevisioneAstrolotto prev;
    std::array<int, 5> provvisorie{};
    for (int t = 0; t < 5; ++t) {
        int a = A(D, i), b = A(D, j), c = A(P, k);
        for (;;) {
            if (i > 6) {
                i = 1;
                ++j;
                if (j > 6) {
                    j = 1;
                    ++k;
                }
            }
            const bool valido = Valido(a, b, c);
            if (!valido) {
                a = A(D, i);
                b = A(P, j);
                c = A(P, k);
            }
            ++i;
            if (valido || k > 6)
                break;
        }
        prev[t] = RigaDaTerna(a, b, c, provvisorie[t]);
    }
    for (int t = 0; t < 5; ++t) {
        std::vector<int> esclusi(prev[t].Quartina.begin(), prev[t].Quartina.end());
        esclusi.insert(esclusi.end(), prev[t].Cinquina.begin(), prev[t].Cinquina.end());
        prev[t].Ambata = AmbataDaRaddoppio(provvisorie[t], esclusi);
    }
    return prev;
}

Colonna GiocataAstro(const RigaPrevisione &riga)
{
    std::vector<int> v{riga.Ambata};
    v.insert(v.end(), riga.Quartina.begin(), riga.Quartina.end());
    v.insert(v.end(), riga.Cinquina.begin(), riga.Cinquina.end());
    return TogliDoppioni(StringaDaValori(v));
}

namespace {

template <size_t N> std::string Testo(const std::array<int, N> &v)
{
    return ElencoInteri(std::vector<int>(v.begin(), v.end()));
}

} // namespace

Griglia GrigliaPrevisioneAstro(const PrevisioneAstrolotto &p, int sel)
{
    Griglia g(5, 5);
    g.righeFisse = 0;
    for (int r = 0; r < 5; ++r) {
        g.ImpostaTesto(r, 0, "Superenalotto");
        g.ImpostaTesto(r, 2, ElencoInteri({p[r].Ambata}));
        g.ImpostaTesto(r, 3, Testo(p[r].Quartina));
        g.ImpostaTesto(r, 4, Testo(p[r].Cinquina));
        const Colore sfondi[5] = {colori::Rosso, colori::CianoChiaro, colori::Giallo, Lime, Fucsia};
        for (int c = 0; c < 5; ++c)
            g.cella(r, c).sfondo = r == sel ? sfondi[c] : colori::Bianco;
    }
    return g;
}

std::string ListaCruciverbaAstro(const PrevisioneAstrolotto &p, int sel)
{
    std::string s;
    for (int n = 0; n < 4; ++n) {
        const auto &r = p[(sel + n) % 5];
        s += Testo(r.Quartina) + " " + Testo(r.Cinquina);
    }
    return s;
}

RisultatoAstro CalcolaAstro(const std::vector<archivio::Estrazione> &e, int r, int segno, int riga)
{
    if (e.size() < 2)
        throw Errore("L'archivio non ha abbastanza estrazioni per il calcolo");
    RisultatoAstro ris;
    r = std::clamp(r, 0, static_cast<int>(e.size()) - 1);
    riga = std::clamp(riga, 0, 4);
    if (r == 0) {
        ris.ripiegato = true;
        r = 1;
    }
    ris.record = r;
    ris.previsione = CalcolaPrevisioneAstrolotto(e[r].numeri, e[r - 1].numeri, segno);
    ris.previsioneGriglia = GrigliaPrevisioneAstro(ris.previsione, riga);
    ris.listaCruciverba = ListaCruciverbaAstro(ris.previsione, riga);
    const Colonna giocata = GiocataAstro(ris.previsione[riga]);
    auto rit = RicercaEsiti(giocata, e, r, Direzione::Indietro, StileEsiti::Astro);
    auto es = RicercaEsiti(giocata, e, r, Direzione::Avanti, StileEsiti::Astro);
    ris.ritardo = std::move(rit.griglia);
    ris.esiti = std::move(es.griglia);
    ris.segnale = rit.segnale || es.segnale;
    return ris;
}

} // namespace sestina::metodi
