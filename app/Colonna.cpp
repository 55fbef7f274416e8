#include "app/Colonna.h"

#include "app/Testo.h"

#include <algorithm>
#include <climits>

namespace sestina {

int EstraiNumero(std::string &testo)
{
    long long valore = 0;
    bool trovato = false;
    size_t i = 0;
    for (; i < testo.size(); ++i) {
        char c = testo[i];
        if (c >= '0' && c <= '9') {
            trovato = true;
            if (valore < INT_MAX)
                valore = std::min<long long>(valore * 10 + (c - '0'), INT_MAX);
        } else if (trovato) {
            ++i; // the character that ended the number goes too
            break;
        }
    }
    testo.erase(0, i);
    return static_cast<int>(valore);
}

Colonna ColonnaDaTesto(std::string testo)
{
    Colonna c;
    c.push_back(static_cast<char>(EstraiNumero(testo)));
    while (!testo.empty())
        c.push_back(static_cast<char>(EstraiNumero(testo)));
    return c;
}

std::string FormattaColonna(const Colonna &c)
{
    std::string s;
    for (unsigned char n : c)
        s += Formato("%.2d ", n);
    return s;
}

std::string ElencoInteri(const std::vector<int> &valori)
{
    std::string s;
    for (int v : valori)
        s += std::to_string(v) + ' ';
    return s;
}

Colonna StringaDaValori(const std::vector<int> &valori)
{
    Colonna c;
    for (int v : valori)
        c.push_back(static_cast<char>(v & 0xFF));
    return c;
}

Colonna TogliDoppioni(const Colonna &c)
{
    Colonna out;
    bool visto[256] = {};
    for (unsigned char n : c) {
        if (!visto[n]) {
            visto[n] = true;
            out.push_back(static_cast<char>(n));
        }
    }
    return out;
}

Colonna OrdinaColonna(Colonna c)
{
    std::sort(c.begin(), c.end(), [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); });
    return c;
}

std::string SeparaMigliaia(const std::string &cifre)
{
    if (cifre.size() < 4)
        return cifre;
    std::string out;
    size_t n = cifre.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.push_back('.');
        out.push_back(cifre[i]);
    }
    return out;
}

} // namespace sestina
