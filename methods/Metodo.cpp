#include "methods/Metodo.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/Testo.h"
#include "archive/Navigazione.h"
#include "methods/Esiti.h"
#include "stats/Classi.h"
#include "systems/Sviluppo.h"

#include <algorithm>
#include <filesystem>

namespace sestina::metodi {

namespace {

// Fuori90 of a wide value (offsets in method files may be anything).
int F(long long x)
{
    return statistiche::Fuori90(static_cast<int>(x % 90));
}

// The first n characters (not bytes) of a UTF-8 field: the file counts Windows-1252
// characters, and a cut through one would not survive saving the method again.
std::string PrimiCaratteri(std::string_view utf8, std::size_t n)
{
    std::size_t fine = 0;
    for (std::size_t caratteri = 0; fine < utf8.size(); ++fine) {
        // A continuation byte belongs to the character before it.
        if ((static_cast<unsigned char>(utf8[fine]) & 0xC0) != 0x80 && caratteri++ == n)
            break;
    }
    return std::string(utf8.substr(0, fine));
}

// File line of each field, in ParametriMetodo's terms (lines 1..15).
enum Campo {
    Ruota,
    Posizioni,
    Operazioni,
    TipoPrev,
    Nra,
    Nratq,
    NAmbate,
    Forma,
    PLung,
    Considera,
    Passo,
    TipoCalcolo,
    NPrevisioni,
    LimVerifica,
    EstrSucc
};

const char *NomeCampo(int campo)
{
    return TestateMetodi()[static_cast<size_t>(campo) + 1];
}

Errore ErroreCampo(const std::string &nome, int campo, const std::string &perche)
{
    return Errore(Formato("Metodo \"%s\": il campo \"%s\" %s", nome.c_str(), NomeCampo(campo), perche.c_str()));
}

} // namespace

const std::array<const char *, 16> &TestateMetodi()
{
    static const std::array<const char *, 16> t{
        "Metodo", "Ruota",   "Posizioni", "Operazioni", "Tipo Prev",    "NRA",           "NRATQ",         "N Ambate",
        "Forma",  "P. Lung", "Considera", "Passo",      "Tipo Calcolo", "N. previsioni", "Lim. Verifica", "Estr. Succ"};
    return t;
}

const char *NomeTipoCalcolo(int t)
{
    static const char *n[] = {"STANDARD", "ASTRO A+4", "ASTRO A+5", "ASTRO A+9", "ASTRO 4", "ASTRO 5", "ASTRO 9"};
    return t >= 0 && t <= 6 ? n[t] : "";
}

const char *NomeTipoPrev(int t)
{
    static const char *n[] = {"Normale", "Somma", "Differenza"};
    return t >= 0 && t <= 2 ? n[t] : "";
}

const char *SiglaRuota(int indice)
{
    return indice >= 0 && indice < 13 ? SigleRuote[static_cast<size_t>(indice)].c_str() : "";
}

std::vector<int> ListaPosizioni(const std::string &posizioni)
{
    std::vector<int> v;
    long long n = -1;
    for (char ch : posizioni + " ") {
        if (ch >= '0' && ch <= '9') {
            n = (n < 0 ? 0 : n) * 10 + (ch - '0');
            n = std::min(n, 1000000LL);
        } else if (n >= 0) {
            v.push_back(static_cast<int>(n));
            n = -1;
        }
    }
    return v;
}

void ControllaMetodo(const ParametriMetodo &p, const std::string &nome, int perEstrazione)
{
    if (p.forma < 1)
        throw ErroreCampo(nome, Forma, Formato("vale %d: la lunghetta deve avere almeno un numero", p.forma));
    if (p.estrSucc < 1)
        throw ErroreCampo(nome, EstrSucc, Formato("vale %d: serve almeno un'estrazione", p.estrSucc));
    if (p.passo < 1)
        throw ErroreCampo(nome, Passo, Formato("vale %d: deve essere almeno 1", p.passo));
    if (p.tipoCalcolo == 0) {
        if (p.nAmbate < 1 || p.nAmbate > 3)
            throw ErroreCampo(nome, NAmbate, Formato("vale %d: deve essere 1, 2 o 3", p.nAmbate));
        if (p.tipoPrev < 0 || p.tipoPrev > 2)
            throw ErroreCampo(nome, TipoPrev, Formato("vale %d: deve essere 0, 1 o 2", p.tipoPrev));
    }
    auto pos = ListaPosizioni(p.posizioni);
    const size_t servono = p.tipoCalcolo >= 1 && p.tipoCalcolo <= 6 ? 3 : 1;
    if (pos.size() < servono)
        throw ErroreCampo(nome, Posizioni, Formato("\"%s\" ha meno di %zu posizioni", p.posizioni.c_str(), servono));
    const long long massimo = static_cast<long long>(perEstrazione) * p.estrSucc;
    for (int x : pos)
        if (x < 1 || x > massimo)
            throw ErroreCampo(nome, Posizioni,
                              Formato("contiene la posizione %d, fuori dalle %lld posizioni di %d estrazione/i", x,
                                      massimo, p.estrSucc));
}

Metodo LeggiMetodo(const TExStringList &righe, const std::string &nomeFile)
{
    std::string nome = nomeFile.size() > 4 ? nomeFile.substr(0, nomeFile.size() - 4) : nomeFile;
    if (righe.Count() < RigheFileMetodo)
        throw Errore(Formato("File \"%s\": ha %d righe invece di %d; manca il campo \"%s\"", nomeFile.c_str(),
                             righe.Count(), RigheFileMetodo, NomeCampo(righe.Count())),
                     nomeFile);
    auto intero = [&](int campo) {
        const std::string &t = righe[campo];
        try {
            return LeggiIntero(t);
        } catch (const Errore &) {
            throw Errore(Formato("File \"%s\": il campo \"%s\" (riga %d) non è un numero: \"%s\"", nomeFile.c_str(),
                                 NomeCampo(campo), campo + 1, t.c_str()),
                         nomeFile);
        }
    };
    Metodo m;
    m.nome = nome;
    ParametriMetodo &p = m.parametri;
    p.ruota = intero(Ruota);
    if (p.ruota < 0 || p.ruota > 12)
        throw Errore(Formato("File \"%s\": il campo \"Ruota\" vale %d, fuori da 0..12", nomeFile.c_str(), p.ruota),
                     nomeFile);
    p.posizioni = PrimiCaratteri(righe[Posizioni], 20);
    p.operazioni = PrimiCaratteri(righe[Operazioni], 4);
    p.tipoPrev = intero(TipoPrev);
    p.nra = intero(Nra);
    p.nratq = intero(Nratq);
    p.nAmbate = intero(NAmbate);
    p.forma = intero(Forma);
    p.pLung = intero(PLung);
    p.considera = intero(Considera);
    p.passo = intero(Passo);
    p.tipoCalcolo = intero(TipoCalcolo);
    p.nPrevisioni = intero(NPrevisioni);
    p.limVerifica = intero(LimVerifica);
    p.estrSucc = intero(EstrSucc);
    try {
        ControllaMetodo(p, nome);
    } catch (const Errore &e) {
        throw Errore(Formato("File \"%s\": ", nomeFile.c_str()) + e.what(), nomeFile);
    }
    return m;
}

TExStringList ScriviMetodo(const ParametriMetodo &p)
{
    TExStringList t;
    for (int v : {p.ruota})
        t.Add(std::to_string(v));
    t.Add(p.posizioni);
    t.Add(p.operazioni);
    for (int v : {p.tipoPrev, p.nra, p.nratq, p.nAmbate, p.forma, p.pLung, p.considera, p.passo, p.tipoCalcolo,
                  p.nPrevisioni, p.limVerifica, p.estrSucc})
        t.Add(std::to_string(v));
    return t;
}

CaricamentoMetodi CaricaMetodi(const std::string &dir)
{
    namespace fs = std::filesystem;
    CaricamentoMetodi out;
    std::vector<std::string> nomi;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), fine; !ec && it != fine; it.increment(ec)) {
        std::string n = it->path().filename().string();
        if (n.size() > 4 && it->is_regular_file(ec)) {
            std::string est = n.substr(n.size() - 4);
            std::transform(est.begin(), est.end(), est.begin(), [](unsigned char c) { return std::tolower(c); });
            if (est == ".mts")
                nomi.push_back(n);
        }
    }
    std::sort(nomi.begin(), nomi.end(),
              [](const std::string &a, const std::string &b) { return ConfrontaTesti(a, b) < 0; });
    for (const auto &n : nomi) {
        try {
            TExStringList righe;
            righe.LoadFromFile(dir + n);
            out.metodi.push_back(LeggiMetodo(righe, n));
        } catch (const Errore &e) {
            out.errori.push_back(e.what());
        }
    }
    return out;
}

std::vector<int> DisponiEstrazioni(const std::vector<archivio::Estrazione> &e, int d, int estrSucc, int perEstrazione)
{
    if (d < 0 || d >= static_cast<int>(e.size()))
        throw Errore(Formato("L'estrazione n. %d non è presente nell'archivio", d + 1));
    if (d - (estrSucc - 1) < 0)
        throw Errore(
            Formato("Il metodo usa %d estrazioni: prima dell'estrazione n. %d ce ne sono solo %d", estrSucc, d + 1, d));
    std::vector<int> v;
    v.reserve(static_cast<size_t>(estrSucc * perEstrazione));
    for (int x = 0; x < estrSucc; ++x) {
        const auto &r = e[static_cast<size_t>(d - x)].numeri;
        for (int i = 0; i < 6; ++i)
            v.push_back(r.numeri[static_cast<size_t>(i)]);
        if (perEstrazione == 8) {
            v.push_back(r.jolly);
            v.push_back(r.superstar);
        }
    }
    return v;
}

namespace {

Colonna Ordinata(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return StringaDaValori(v);
}

bool HaDoppioni(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return std::adjacent_find(v.begin(), v.end()) != v.end();
}

std::vector<int> SenzaDoppioni(const std::vector<int> &v)
{
    std::vector<int> out;
    for (int x : v)
        if (std::find(out.begin(), out.end(), x) == out.end())
            out.push_back(x);
    return out;
}

} // namespace

PrevisioneMetodo CalcolaMetodoDaValori(const std::vector<int> &valori, const ParametriMetodo &p)
{
    PrevisioneMetodo r;
    for (int pos : ListaPosizioni(p.posizioni))
        r.elementi.push_back(pos >= 1 && pos <= static_cast<int>(valori.size()) ? valori[static_cast<size_t>(pos - 1)]
                                                                                : 0);
    const auto &N = r.elementi;
    if (p.tipoCalcolo == 0) {
        if (N.empty())
            return r;
        long long v = N[0], grezzo = N[0];
        for (size_t j = 1; j < N.size() && j - 1 < p.operazioni.size(); ++j) {
            switch (p.operazioni[j - 1]) {
            case '+':
                v = F(v + N[j]);
                grezzo += N[j];
                break;
            case '-':
                v = F(v - N[j]);
                grezzo -= N[j];
                break;
            case '*':
                v = F(v * N[j]);
                grezzo *= N[j];
                break;
            default:
                break;
            }
        }
        r.base = static_cast<int>(v);
        r.baseGrezza = grezzo;
        const long long R = p.nra, S = p.nratq;
        std::vector<int> amb;
        const int t = p.tipoPrev;
        switch (p.nAmbate) {
        case 1:
            amb = {t == 2 ? F(v - R) : F(v + R)};
            break;
        case 2:
            amb = t == 0 ? std::vector<int>{F(v - R), F(v + R)} : std::vector<int>{F(v), t == 1 ? F(v + R) : F(v - R)};
            break;
        case 3:
            amb = t == 0   ? std::vector<int>{F(v), F(v - R), F(v + R)}
                  : t == 1 ? std::vector<int>{F(v), F(v + R), F(v + 2 * R)}
                           : std::vector<int>{F(v), F(v - R), F(v - 2 * R)};
            break;
        default:
            break;
        }
        if (HaDoppioni(amb)) {
            r.Ambate = StringaDaValori(amb);
            return r;
        }
        r.Ambate = Ordinata(amb);
        const long long n = p.forma;
        // More than 90 numbers must repeat one: the lunghetta is empty anyway.
        if (n < 1 || n > 90)
            return r;
        std::vector<int> lung;
        if (t == 0) {
            if (n % 2 == 1)
                lung.push_back(F(v));
            for (long long i = 1; i <= n / 2; ++i)
                lung.push_back(F(v + i * S));
            for (long long i = 1; i <= n / 2; ++i)
                lung.push_back(F(v - i * S));
        } else {
            for (long long i = 0; i < n; ++i)
                lung.push_back(t == 1 ? F(v + i * S) : F(v - i * S));
        }
        if (!HaDoppioni(lung))
            r.Lunghetta = Ordinata(lung);
        return r;
    }
    if (p.tipoCalcolo < 1 || p.tipoCalcolo > 6 || N.size() < 3)
        return r;
    const int A = N[0], B = N[1], C = N[2];
    const int S1 = F(A + B), S2 = F(A + C), D1 = F(A - B), D2 = F(A - C);
    const std::array<int, 6> sei{F(S1 + S2), F(S1 + D1), F(S1 + D2), F(S2 + D1), F(S2 + D2), F(D1 + D2)};
    r.lavoro = {A, B, C, S1, S2, D1, D2, sei[0], sei[1], sei[2], sei[3], sei[4], sei[5]};
    int uguali = 0;
    int ambata = -1;
    for (int x = 0; x < 5; ++x)
        for (int y = x + 1; y < 6; ++y)
            if (sei[x] == sei[y]) {
                ++uguali;
                ambata = sei[x];
            }
    if (ambata >= 0)
        r.Ambate = StringaDaValori({ambata});
    if (uguali > 1)
        return r;
    const std::vector<int> quattro{S1, S2, D1, D2};
    std::vector<int> seiV(sei.begin(), sei.end());
    const int tipo = (p.tipoCalcolo - 1) % 3; // 0: the four, 1: the six, 2: both
    if (tipo == 0) {
        r.Lunghetta = Ordinata(quattro);
    } else if (tipo == 1) {
        r.Lunghetta = Ordinata(SenzaDoppioni(seiV));
    } else {
        std::vector<int> tutti = quattro;
        tutti.insert(tutti.end(), seiV.begin(), seiV.end());
        r.Lunghetta = Ordinata(SenzaDoppioni(tutti));
    }
    if (p.tipoCalcolo >= 4)
        r.Ambate = StringaDaValori({0});
    return r;
}

PrevisioneMetodo CalcolaMetodo(const std::vector<archivio::Estrazione> &e, int d, const ParametriMetodo &p,
                               const std::string &nome)
{
    ControllaMetodo(p, nome, 8);
    return CalcolaMetodoDaValori(DisponiEstrazioni(e, d, p.estrSucc, 8), p);
}

Griglia GrigliaMetodi(const std::vector<Metodo> &metodi)
{
    Griglia g(1 + std::max<int>(1, static_cast<int>(metodi.size())), 16);
    g.righeFisse = 1;
    for (int c = 0; c < 16; ++c)
        g.ImpostaTesto(0, c, TestateMetodi()[static_cast<size_t>(c)]);
    for (size_t i = 0; i < metodi.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const auto &p = metodi[i].parametri;
        std::vector<std::string> t{metodi[i].nome, SiglaRuota(p.ruota), p.posizioni, p.operazioni};
        for (int v : {p.tipoPrev, p.nra, p.nratq, p.nAmbate, p.forma, p.pLung, p.considera, p.passo, p.tipoCalcolo,
                      p.nPrevisioni, p.limVerifica, p.estrSucc})
            t.push_back(std::to_string(v));
        for (int c = 0; c < 16; ++c)
            g.ImpostaTesto(r, c, t[static_cast<size_t>(c)]);
    }
    return g;
}

ParametriMetodo ParametriDaRiga(const Griglia &g, int riga)
{
    ParametriMetodo p;
    auto intero = [&](int c) { return LeggiInteroOppure(g.testo(riga, c), 0); };
    p.ruota = 11;
    p.posizioni = PrimiCaratteri(g.testo(riga, 2), 20);
    p.operazioni = PrimiCaratteri(g.testo(riga, 3), 4);
    p.tipoPrev = intero(4);
    p.nra = intero(5);
    p.nratq = intero(6);
    p.nAmbate = intero(7);
    p.forma = intero(8);
    p.pLung = intero(9);
    p.considera = intero(10);
    p.passo = intero(11);
    p.tipoCalcolo = intero(12);
    p.nPrevisioni = intero(13);
    p.limVerifica = intero(14);
    p.estrSucc = intero(15);
    return p;
}

void EvidenziaMetodo(Griglia &g, int riga)
{
    for (int r = 1; r < g.righe(); ++r)
        for (int c = 0; c < g.colonne(); ++c)
            g.cella(r, c).sfondo = (r == riga && c >= 1) ? colori::Aqua : colori::Bianco;
}

Griglia GrigliaPrevisioneMetodo(const PrevisioneMetodo &p)
{
    Griglia g(1, 3);
    g.righeFisse = 0;
    g.ImpostaTesto(0, 0, "Su");
    g.cella(0, 0).sfondo = colori::Rosso;
    g.ImpostaTesto(0, 1, FormattaColonna(p.Ambate));
    g.cella(0, 1).sfondo = colori::Giallo;
    g.ImpostaTesto(0, 2, FormattaColonna(p.Lunghetta));
    g.cella(0, 2).sfondo = Lime;
    return g;
}

std::vector<int> ListaCruciverbaMetodo(const PrevisioneMetodo &p)
{
    std::vector<int> v;
    const bool conAmbate = p.Ambate.find('\0') == std::string::npos;
    if (conAmbate)
        for (unsigned char n : p.Ambate)
            v.push_back(n);
    for (unsigned char n : p.Lunghetta)
        v.push_back(n);
    for (int n : sistemi::SequenzaCasuale())
        if (std::find(v.begin(), v.end(), n) == v.end())
            v.push_back(n);
    return v;
}

int PassoIndietro(const archivio::Archivio &a, int ultima, int d, int passo)
{
    passo = std::max(passo, 1);
    if (passo <= 30)
        return std::max(d - passo, 0);
    return archivio::EstrazioneDelMese(a, ultima, archivio::MesePrecedente(a, ultima, d), passo - 30);
}

int PassoAvanti(const archivio::Archivio &a, int ultima, int d, int passo)
{
    passo = std::max(passo, 1);
    if (passo <= 30)
        return std::min(d + passo, ultima);
    return archivio::EstrazioneDelMese(a, ultima, archivio::MeseSuccessivo(a, ultima, d), passo - 30);
}

RisultatoMetodo CalcolaPaginaMetodo(const std::vector<archivio::Estrazione> &e, int d, const ParametriMetodo &p,
                                    const std::string &nome)
{
    RisultatoMetodo r;
    ParametriMetodo q = p;
    q.ruota = 11;
    r.previsione = CalcolaMetodo(e, d, q, nome);
    r.previsioneGriglia = GrigliaPrevisioneMetodo(r.previsione);
    r.listaCruciverba = ListaCruciverbaMetodo(r.previsione);
    r.rit = RicercaEsiti(r.previsione.Lunghetta, e, d, Direzione::Indietro, StileEsiti::Metodo).griglia;
    r.es = RicercaEsiti(r.previsione.Lunghetta, e, d, Direzione::Avanti, StileEsiti::Metodo).griglia;
    return r;
}

std::vector<std::string> RighePrevisione(const RisultatoMetodo &r, int d, const std::string &data)
{
    std::vector<std::string> out;
    out.push_back(Formato("Concorso n. %s del %s", std::to_string(d + 1).c_str(), data.c_str()));
    out.emplace_back();
    const Griglia &pg = r.previsioneGriglia;
    out.push_back(Formato("Previsione %s Ambata %s Lunghetta %s", pg.testo(0, 0).c_str(), pg.testo(0, 1).c_str(),
                          pg.testo(0, 2).c_str()));
    out.emplace_back();
    auto tabella = [&](const char *titolo, const Griglia &g) {
        out.emplace_back(titolo);
        for (int riga = 0; riga < 5; ++riga) {
            std::string s;
            for (int c = 0; c < 7; ++c)
                s += Formato("%-15.15s ", riga < g.righe() && c < g.colonne() ? g.testo(riga, c).c_str() : "");
            out.push_back(s);
        }
    };
    tabella("Ritardi", r.rit);
    tabella("Esiti", r.es);
    out.emplace_back();
    return out;
}

TExStringList RelazionePrevisioni(const archivio::Archivio &a, const std::vector<archivio::Estrazione> &e, int d,
                                  const ParametriMetodo &p, const std::string &nome, int n)
{
    TExStringList out;
    const int ultima = static_cast<int>(e.size()) - 1;
    for (int i = 0; i < n; ++i) {
        // A draw without the method's earlier draws ends the report.
        if (d < p.estrSucc - 1)
            break;
        auto r = CalcolaPaginaMetodo(e, d, p, nome);
        for (auto &riga : RighePrevisione(r, d, archivio::TestoListaDate(e[static_cast<size_t>(d)].data)))
            out.Add(std::move(riga));
        int prima = PassoIndietro(a, ultima, d, p.passo);
        if (prima == d)
            break;
        d = prima;
    }
    return out;
}

} // namespace sestina::metodi
