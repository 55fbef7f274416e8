#include "slips/StampaSchedine.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"

#include <algorithm>

namespace sestina::schedine {

ValoriTaratura LeggiTaratura(const TExStringList &righe)
{
    std::array<int, 6> v{};
    for (int i = 0; i < 6; ++i) {
        if (i >= righe.Count())
            throw Errore(std::string("Il file ") + FileTaratura + " è incompleto: mancano le righe da " +
                             std::to_string(i + 1) + " a 6. Ripeti la taratura e salva i dati.",
                         FileTaratura);
        int n = 0;
        try {
            n = LeggiIntero(righe[i]);
        } catch (const Errore &) {
            throw Errore(std::string("Il file ") + FileTaratura + " non è valido: la riga " + std::to_string(i + 1) +
                             " (\"" + righe[i] + "\") non è un numero intero. Ripeti la taratura e salva i dati.",
                         FileTaratura);
        }
        if (n < -ValoreMassimoTaratura || n > ValoreMassimoTaratura)
            throw Errore(std::string("Il file ") + FileTaratura + " non è valido: la riga " + std::to_string(i + 1) +
                             " vale " + std::to_string(n) + ", fuori dai limiti da -" +
                             std::to_string(ValoreMassimoTaratura) + " a " + std::to_string(ValoreMassimoTaratura) +
                             ". Ripeti la taratura e salva i dati.",
                         FileTaratura);
        v[static_cast<size_t>(i)] = n;
    }
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

TExStringList ScriviTaratura(const ValoriTaratura &v)
{
    TExStringList l;
    int riga = 0;
    for (int x :
         {v.larghezzaSegno, v.altezzaSegno, v.distanzaOrizzontale, v.distanzaVerticale, v.verticale, v.orizzontale}) {
        ++riga;
        if (x < -ValoreMassimoTaratura || x > ValoreMassimoTaratura)
            throw Errore("Taratura non salvata: il valore " + std::to_string(x) + " (riga " + std::to_string(riga) +
                         ") è fuori dai limiti da -" + std::to_string(ValoreMassimoTaratura) + " a " +
                         std::to_string(ValoreMassimoTaratura));
        l.Add(std::to_string(x));
    }
    return l;
}

std::optional<ValoriTaratura> CaricaTaratura(const std::string &dir)
{
    const std::string percorso = dir + FileTaratura;
    if (!EsisteFile(percorso))
        return std::nullopt;
    TExStringList l;
    l.LoadFromFile(percorso);
    return LeggiTaratura(l);
}

void SalvaTaratura(const std::string &dir, const ValoriTaratura &v)
{
    ScriviTaratura(v).SaveToFile(dir + FileTaratura);
}

GeometriaStampa assegnadati(const ValoriTaratura &v, int dpiStampanteX, int dpiStampanteY, int dpiFinestra)
{
    GeometriaStampa g;
    const int finestra = std::max(1, dpiFinestra);
    g.rapportoOrizzontale = dpiStampanteX / finestra;
    g.rapportoVerticale = dpiStampanteY / finestra;
    g.H = v.larghezzaSegno * g.rapportoOrizzontale;
    g.W = v.altezzaSegno * g.rapportoOrizzontale;
    g.DX = v.distanzaOrizzontale * g.rapportoOrizzontale;
    g.DY = v.distanzaVerticale * g.rapportoVerticale;
    g.Y0 = v.verticale * g.rapportoVerticale;
    g.X0 = v.orizzontale * g.rapportoOrizzontale;
    return g;
}

std::vector<Posto> PostiSchedina(const tdatischedinaSE &s)
{
    std::vector<Posto> p;
    auto pannello = [&p](const Colonna &c, int primaLinea) {
        for (unsigned char n : c)
            if (n >= 1 && n <= 90)
                p.push_back({primaLinea - (n - 1) / 15, (n - 1) % 15});
    };
    pannello(s.pannelloA, 12);
    pannello(s.pannelloB, 5);
    if (s.superstarA)
        p.push_back({8, 17});
    if (s.superstarB)
        p.push_back({1, 17});
    switch (s.giocataAggiuntiva / 10000) {
    case 1:
        p.push_back({10, 25});
        break;
    case 2:
        p.push_back({11, 23});
        break;
    case 5:
        p.push_back({10, 22});
        break;
    case 10:
        p.push_back({9, 24});
        break;
    default:
        break;
    }
    switch (s.abbonamento) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        p.push_back({6, 21 + s.abbonamento - 2});
        break;
    case 9:
        p.push_back({5, 22});
        break;
    case 12:
        p.push_back({5, 23});
        break;
    case 15:
        p.push_back({5, 24});
        break;
    default:
        break;
    }
    if (s.riduzione >= 1 && s.riduzione <= 3)
        p.push_back({2, 21 + s.riduzione});
    if (s.basi >= 1 && s.basi <= 5)
        p.push_back({0, 20 + s.basi});
    return p;
}

Casella CasellaDi(Posto p, const GeometriaStampa &g)
{
    const int x = g.X0 + p.L * g.DX, y = g.Y0 + p.P * g.DY;
    return {x, y, x + g.W, y + g.H};
}

PaginaSchedina StampaSchedina(const tdatischedinaSE &s, int indice, const GeometriaStampa &g)
{
    PaginaSchedina p;
    for (Posto q : PostiSchedina(s))
        p.caselle.push_back(CasellaDi(q, g));
    p.didascalia = "schedina." + std::to_string(indice / 2 + 1);
    p.xDidascalia = g.X0 + 3 * g.DX;
    p.yDidascalia = 34 * g.DY;
    return p;
}

std::vector<Casella> CaselleProva(const GeometriaStampa &g)
{
    std::vector<Casella> c;
    for (int L = 0; L <= 12; ++L) {
        if (L == 6)
            continue;
        for (int P = 0; P <= 14; ++P)
            c.push_back(CasellaDi({L, P}, g));
    }
    return c;
}

namespace {
SchedinaDaStampare Schedina(const TExStringList &lista, int indice, const tdatischedinaSE &segni)
{
    tdatischedinaSE s = segni;
    // As LeggiSchedina reads the panels: numbers ascending, each once.
    s.pannelloA = TogliDoppioni(OrdinaColonna(lista[indice]));
    s.pannelloB = indice + 1 < lista.Count() ? TogliDoppioni(OrdinaColonna(lista[indice + 1])) : Colonna();
    return {s, indice};
}
} // namespace

std::vector<SchedinaDaStampare> SchedineDaStampare(const TExStringList &lista, int da, int a,
                                                   const tdatischedinaSE &segni)
{
    if (lista.empty())
        throw Errore(MsgNessunaColonna);
    const int n = NumeroSchedine(lista);
    da = std::clamp(da, 1, n);
    a = std::clamp(a, da, n);
    std::vector<SchedinaDaStampare> v;
    for (int i = da; i <= a; ++i)
        v.push_back(Schedina(lista, 2 * (i - 1), segni));
    return v;
}

std::vector<SchedinaDaStampare> TutteLeSchedine(const TExStringList &lista, const tdatischedinaSE &segni)
{
    return SchedineDaStampare(lista, 1, NumeroSchedine(lista), segni);
}

Marcatori PosizioneMarcatori(const ValoriTaratura &r, const ValoriTaratura &v)
{
    Marcatori m{{{40, 80}, {120, 290}, {152, 80}, {232, 290}}};
    const int dX0 = v.orizzontale - r.orizzontale;
    const int dY0 = v.verticale - r.verticale;
    const int dDX = v.distanzaOrizzontale - r.distanzaOrizzontale;
    const int dDY = v.distanzaVerticale - r.distanzaVerticale;
    for (auto &[x, y] : m) {
        x += dX0;
        y += dY0;
    }
    m[1].second += 15 * dDY;
    m[3].second += 15 * dDY;
    m[1].first += 5 * dDX;
    m[2].first += 7 * dDX;
    return m;
}

} // namespace sestina::schedine
