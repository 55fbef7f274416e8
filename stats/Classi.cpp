#include "stats/Classi.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace sestina::statistiche {

int Insieme::Conta() const
{
    return std::popcount(basso) + std::popcount(alto);
}

std::vector<int> Insieme::Membri() const
{
    std::vector<int> v;
    for (int i = 0; i <= 95; ++i)
        if (Contiene(i))
            v.push_back(i);
    return v;
}

int Fuori90(int n)
{
    // Modular form of the repeated +/-90 loop, so huge inputs cost nothing.
    int r = n % 90;
    if (r <= 0)
        r += 90;
    return r;
}

int Riduci45(int d)
{
    while (d < 1 || d > 45) {
        if (d > 45)
            d = std::abs(d - 90);
        if (d <= 0)
            d += 45;
    }
    return d;
}

int Figura(int n)
{
    n = std::abs(n);
    while (n > 9) {
        int s = 0;
        for (; n > 0; n /= 10)
            s += n % 10;
        n = s;
    }
    return n;
}

namespace {

Insieme Da(bool (*regola)(int))
{
    Insieme s;
    for (int n = 1; n <= 90; ++n)
        if (regola(n))
            s.Aggiungi(n);
    return s;
}

bool RegolaVertibile(int n)
{
    int d = n / 10, u = n % 10;
    return n >= 10 && n <= 99 && d >= 1 && d <= 8 && u >= 1 && u <= 8 && d != u;
}

bool RegolaPrimo(int n)
{
    // The program's list of Primi includes 1 and leaves out 73.
    if (n == 1)
        return true;
    if (n == 73)
        return false;
    if (n < 2)
        return false;
    for (int k = 2; k * k <= n; ++k)
        if (n % k == 0)
            return false;
    return true;
}

struct TabelleClassi {
    Insieme classi[NumeroClassi];
    TabelleClassi()
    {
        classi[0] = Da([](int n) { return n % 2 == 0; });
        classi[1] = Da([](int n) { return n % 2 == 1; });
        classi[2] = Da([](int n) { return n <= 9; });
        classi[3] = Da([](int n) { return n % 10 == 0; });
        classi[4] = Da([](int n) { return n >= 11 && n <= 88 && n % 11 == 0; });
        classi[5] = Da(RegolaVertibile);
        classi[6] = Da(RegolaPrimo);
    }
};

const TabelleClassi &Classi()
{
    static const TabelleClassi t;
    return t;
}

std::string Unisci(const std::vector<int> &v, const char *sep, const char *formato)
{
    std::string s;
    char buf[16];
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i)
            s += sep;
        std::snprintf(buf, sizeof buf, formato, v[i]);
        s += buf;
    }
    return s;
}

Gruppo Crea(int indice, const std::vector<int> &membri, const std::string &etichetta)
{
    Gruppo g;
    g.indice = indice;
    for (int m : membri)
        g.membri.Aggiungi(m);
    g.etichetta = etichetta;
    return g;
}

std::vector<Gruppo> CreaPartizione(Partizione p)
{
    std::vector<Gruppo> gruppi;
    switch (p) {
    case Partizione::Decine:
        for (int k = 1; k <= 9; ++k) {
            std::vector<int> m;
            if (k == 1) {
                m.push_back(90); // 90 leads the first decina's label
                for (int n = 1; n <= 9; ++n)
                    m.push_back(n);
            } else {
                for (int n = 10 * (k - 1); n <= 10 * (k - 1) + 9; ++n)
                    m.push_back(n);
            }
            gruppi.push_back(Crea(k, m, Unisci(m, ",", "%d")));
        }
        break;
    case Partizione::Cadenze:
        for (int k = 0; k <= 9; ++k) {
            std::vector<int> m;
            for (int n = 1; n <= 90; ++n)
                if (n % 10 == k)
                    m.push_back(n);
            gruppi.push_back(Crea(k, m, Unisci(m, ",", "%d")));
        }
        break;
    case Partizione::Figure:
        for (int k = 1; k <= 9; ++k) {
            std::vector<int> m;
            for (int n = k; n <= 90; n += 9)
                m.push_back(n);
            gruppi.push_back(Crea(k, m, Unisci(m, ",", "%d")));
        }
        break;
    case Partizione::QuartineRadicali:
        for (int k = 1; k <= 8; ++k) {
            std::vector<int> m{k, 10 * k, 11 * k, 10 * k + 9};
            gruppi.push_back(Crea(k, m, " " + Unisci(m, ",", "%d")));
        }
        break;
    case Partizione::TerzineSimmetriche:
        for (int k = 1; k <= 30; ++k) {
            std::vector<int> m{k, k + 30, k + 60};
            gruppi.push_back(Crea(k, m, Unisci(m, ", ", "%2d")));
        }
        break;
    case Partizione::CinquinePentagonali:
        for (int k = 1; k <= 18; ++k) {
            std::vector<int> m;
            for (int n = k; n <= 90; n += 18)
                m.push_back(n);
            gruppi.push_back(Crea(k, m, Unisci(m, ", ", "%d")));
        }
        break;
    case Partizione::SestineEsagonali:
        for (int k = 1; k <= 15; ++k) {
            std::vector<int> m;
            for (int n = k; n <= 90; n += 15)
                m.push_back(n);
            gruppi.push_back(Crea(k, m, Unisci(m, ", ", "%d")));
        }
        break;
    }
    return gruppi;
}

struct TabellePartizioni {
    std::vector<Gruppo> gruppi[7];
    int indice[7][96]{}; // group index per number, -1 when none
    TabellePartizioni()
    {
        for (int p = 0; p < 7; ++p) {
            gruppi[p] = CreaPartizione(static_cast<Partizione>(p));
            for (int n = 0; n < 96; ++n) {
                indice[p][n] = -1;
                for (const Gruppo &g : gruppi[p])
                    if (g.membri.Contiene(n)) {
                        indice[p][n] = g.indice;
                        break;
                    }
            }
        }
    }
};

const TabellePartizioni &Partizioni()
{
    static const TabellePartizioni t;
    return t;
}

std::vector<Ambo> CreaAmbi(ListaAmbi l)
{
    std::vector<Ambo> v;
    switch (l) {
    case ListaAmbi::Gemelli:
        for (int a = 11; a <= 88; a += 11)
            for (int b = a + 11; b <= 88; b += 11)
                v.push_back({a, b});
        break;
    case ListaAmbi::Vertibili:
        for (int a = 1; a <= 90; ++a)
            if (RegolaVertibile(a) && a < Inversione(a))
                v.push_back({a, Inversione(a)});
        // the program writes its last pair with the larger number first
        v.back() = {v.back().secondo, v.back().primo};
        break;
    case ListaAmbi::Consecutivi:
        for (int k = 1; k <= 89; ++k)
            v.push_back({k, k + 1});
        v.push_back({1, 90});
        break;
    case ListaAmbi::Alternati:
        for (int k = 1; k <= 88; ++k)
            v.push_back({k, k + 2});
        v.push_back({89, 1});
        v.push_back({90, 2});
        break;
    case ListaAmbi::Complementari:
        for (int k = 1; k <= 44; ++k)
            v.push_back({k, 90 - k});
        break;
    case ListaAmbi::Diametrali:
        for (int k = 1; k <= 45; ++k)
            v.push_back({k, k + 45});
        break;
    }
    return v;
}

int Occorrenze(const std::vector<int> &riga, int v)
{
    int c = 0;
    for (int x : riga)
        c += x == v;
    return c;
}

// Row values, own included, that fall in the same group of p as x.
int NelGruppo(Partizione p, const std::vector<int> &riga, int x)
{
    int k = IndiceGruppo(p, x);
    if (p == Partizione::QuartineRadicali && k == 0)
        return 0;
    if (p != Partizione::QuartineRadicali && !InGruppo(p, k, x))
        return 0; // x outside 1..90
    int c = 0;
    for (int v : riga)
        c += InGruppo(p, k, v);
    return c;
}

bool AltraPosizione(const std::vector<int> &riga, int i, int v)
{
    for (std::size_t j = 0; j < riga.size(); ++j)
        if (static_cast<int>(j) != i - 1 && riga[j] == v)
            return true;
    return false;
}

} // namespace

const Insieme &MembriClasse(ClasseNumero c)
{
    return Classi().classi[static_cast<int>(c)];
}

bool InClasse(ClasseNumero c, int n)
{
    return MembriClasse(c).Contiene(n);
}

const char *NomeClasse(ClasseNumero c)
{
    static const char *nomi[NumeroClassi] = {"Pari", "Dispari", "Numeretti", "Zerati", "Gemelli", "Vertibili", "Primi"};
    return nomi[static_cast<int>(c)];
}

bool EPari(int n)
{
    return InClasse(ClasseNumero::Pari, n);
}
bool EDispari(int n)
{
    return InClasse(ClasseNumero::Dispari, n);
}
bool ENumeretto(int n)
{
    return InClasse(ClasseNumero::Numeretti, n);
}
bool EZerato(int n)
{
    return InClasse(ClasseNumero::Zerati, n);
}
bool EGemello(int n)
{
    return InClasse(ClasseNumero::Gemelli, n);
}
bool EVertibile(int n)
{
    return InClasse(ClasseNumero::Vertibili, n);
}
bool EPrimo(int n)
{
    return InClasse(ClasseNumero::Primi, n);
}

int Inversione(int n)
{
    return (n % 10) * 10 + n / 10;
}

const std::vector<Gruppo> &Gruppi(Partizione p)
{
    return Partizioni().gruppi[static_cast<int>(p)];
}

int IndiceGruppo(Partizione p, int n)
{
    if (n < 0 || n > 95)
        return 0;
    int k = Partizioni().indice[static_cast<int>(p)][n];
    return k < 0 ? 0 : k;
}

bool InGruppo(Partizione p, int indice, int n)
{
    for (const Gruppo &g : Gruppi(p))
        if (g.indice == indice)
            return g.membri.Contiene(n);
    return false;
}

const std::string &EtichettaGruppo(Partizione p, int indice)
{
    for (const Gruppo &g : Gruppi(p))
        if (g.indice == indice)
            return g.etichetta;
    throw std::out_of_range("indice di gruppo non valido");
}

int IndiceDecina(int n)
{
    return IndiceGruppo(Partizione::Decine, n);
}
int IndiceCadenza(int n)
{
    return IndiceGruppo(Partizione::Cadenze, n);
}
int IndiceFigura(int n)
{
    return IndiceGruppo(Partizione::Figure, n);
}
int IndiceQuartina(int n)
{
    return IndiceGruppo(Partizione::QuartineRadicali, n);
}
int IndiceTerzina(int n)
{
    return IndiceGruppo(Partizione::TerzineSimmetriche, n);
}
int IndicePentagonale(int n)
{
    return IndiceGruppo(Partizione::CinquinePentagonali, n);
}
int IndiceEsagonale(int n)
{
    return IndiceGruppo(Partizione::SestineEsagonali, n);
}

std::string Ambo::Testo() const
{
    return std::to_string(primo) + ", " + std::to_string(secondo);
}

Insieme Ambo::Membri() const
{
    Insieme s;
    s.Aggiungi(primo);
    s.Aggiungi(secondo);
    return s;
}

const std::vector<Ambo> &Ambi(ListaAmbi l)
{
    static const std::vector<Ambo> liste[6] = {
        CreaAmbi(ListaAmbi::Gemelli),   CreaAmbi(ListaAmbi::Vertibili),     CreaAmbi(ListaAmbi::Consecutivi),
        CreaAmbi(ListaAmbi::Alternati), CreaAmbi(ListaAmbi::Complementari), CreaAmbi(ListaAmbi::Diametrali),
    };
    return liste[static_cast<int>(l)];
}

const char *NomeTestRiga(TestRiga t)
{
    static const char *nomi[NumeroTestRiga] = {
        "Ambi Gemelli",
        "Ambi Vertibili",
        "Ambi Figura",
        "Ambi Quartine Radicali",
        "Ambi Terzine Simmetriche",
        "AmbiConsecutivi",
        "Ambi in Decina",
        "Ambi in Cadenza",
        "Ambi Complementari",
        "Ambi Diametrali",
        "Ambi Cinquine Pentagonali",
        "Ambi Sestine Esagonali",
        "Ambi Alternati",
    };
    return nomi[static_cast<int>(t)];
}

bool SuperaTestRiga(TestRiga t, const std::vector<int> &valori, int i)
{
    if (i < 1 || i > static_cast<int>(valori.size()))
        return false;
    // A 0 (the superstar of a draw from before the SuperStar) is no number: it
    // forms no pair and counts in no group, neither as x nor beside it.
    std::vector<int> riga;
    int posizione = 0;
    for (size_t k = 0; k < valori.size(); ++k) {
        if (valori[k] < 1 || valori[k] > 90)
            continue;
        riga.push_back(valori[k]);
        if (static_cast<int>(k) == i - 1)
            posizione = static_cast<int>(riga.size());
    }
    if (posizione == 0)
        return false;
    i = posizione;
    const int x = riga[static_cast<size_t>(i - 1)];
    switch (t) {
    case TestRiga::AmbiGemelli: {
        if (!EGemello(x))
            return false;
        int c = 0;
        for (int v : riga)
            c += EGemello(v);
        return c > 1;
    }
    case TestRiga::AmbiVertibili:
        return EVertibile(x) && Occorrenze(riga, Inversione(x)) > 0;
    case TestRiga::AmbiFigura:
        return NelGruppo(Partizione::Figure, riga, x) > 1;
    case TestRiga::AmbiQuartineRadicali:
        return NelGruppo(Partizione::QuartineRadicali, riga, x) > 1;
    case TestRiga::AmbiTerzineSimmetriche:
        return NelGruppo(Partizione::TerzineSimmetriche, riga, x) > 1;
    case TestRiga::AmbiConsecutivi:
        return Occorrenze(riga, x + 1) > 0 || Occorrenze(riga, x - 1) > 0;
    case TestRiga::AmbiInDecina:
        return NelGruppo(Partizione::Decine, riga, x) > 1;
    case TestRiga::AmbiInCadenza:
        return NelGruppo(Partizione::Cadenze, riga, x) > 1;
    case TestRiga::AmbiComplementari:
        return AltraPosizione(riga, i, 90 - x);
    case TestRiga::AmbiDiametrali:
        return AltraPosizione(riga, i, Fuori90(x + 45));
    case TestRiga::AmbiCinquinePentagonali:
        return NelGruppo(Partizione::CinquinePentagonali, riga, x) > 1;
    case TestRiga::AmbiSestineEsagonali:
        return NelGruppo(Partizione::SestineEsagonali, riga, x) > 1;
    case TestRiga::AmbiAlternati:
        return Occorrenze(riga, x + 2) > 0 || Occorrenze(riga, x - 2) > 0;
    }
    return false;
}

} // namespace sestina::statistiche
