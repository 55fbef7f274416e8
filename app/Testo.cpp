#include "app/Testo.h"

#include "app/Errore.h"

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <iconv.h>
#include <vector>

namespace sestina {

namespace {

std::string Converti(std::string_view in, const char *da, const char *a)
{
    iconv_t cd = iconv_open(a, da);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw Errore(std::string("Conversione di caratteri non disponibile: ") + da + " -> " + a);
    std::string out;
    out.reserve(in.size() * 2);
    char *src = const_cast<char *>(in.data());
    size_t left = in.size();
    char buf[256];
    while (left > 0) {
        char *dst = buf;
        size_t room = sizeof buf;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, dst - buf);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // A character the target lacks, or a broken sequence: one '?' and go on.
            out.push_back('?');
            ++src;
            --left;
            // Skip UTF-8 continuation bytes of the same character.
            while (left > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80 && std::string_view(da) == "UTF-8") {
                ++src;
                --left;
            }
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string DaUtf8ACp1252(std::string_view utf8) { return Converti(utf8, "UTF-8", "CP1252"); }
std::string DaCp1252AUtf8(std::string_view cp1252) { return Converti(cp1252, "CP1252", "UTF-8"); }
std::string DaUtf8ACp850(std::string_view utf8) { return Converti(utf8, "UTF-8", "CP850"); }
std::string DaCp850AUtf8(std::string_view cp850) { return Converti(cp850, "CP850", "UTF-8"); }

std::string Trim(std::string_view s)
{
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ')
        ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ')
        --b;
    return std::string(s.substr(a, b - a));
}

std::string TrimRight(std::string_view s)
{
    size_t b = s.size();
    while (b > 0 && static_cast<unsigned char>(s[b - 1]) <= ' ')
        --b;
    return std::string(s.substr(0, b));
}

std::string Formato(const char *fmt, ...)
{
    // Only integer and string conversions are used with this helper, which no
    // locale changes; decimals go through FormatoDecimale.
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string out(n > 0 ? n : 0, '\0');
    std::vsnprintf(out.data(), out.size() + 1, fmt, ap2);
    va_end(ap2);
    return out;
}

std::string FormatoDecimale(double valore, int decimali)
{
    double scala = std::pow(10.0, decimali);
    double arrotondato = std::round(std::fabs(valore) * scala);
    long long intero = static_cast<long long>(arrotondato / scala);
    long long frazione = static_cast<long long>(arrotondato - static_cast<double>(intero) * scala + 0.5);
    if (frazione >= static_cast<long long>(scala)) {
        ++intero;
        frazione -= static_cast<long long>(scala);
    }
    std::string s = (valore < 0 && arrotondato != 0) ? "-" : "";
    s += std::to_string(intero);
    if (decimali > 0) {
        std::string f = std::to_string(frazione);
        s += ',';
        s += std::string(decimali - f.size(), '0') + f;
    }
    return s;
}

int LeggiIntero(std::string_view testo)
{
    std::string t = Trim(testo);
    size_t i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    if (i == t.size())
        throw Errore("'" + std::string(testo) + "' is not a valid integer value");
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            throw Errore("'" + std::string(testo) + "' is not a valid integer value");
        v = v * 10 + (t[i] - '0');
        if (v > 2147483648LL)
            throw Errore("'" + std::string(testo) + "' is not a valid integer value");
    }
    if (negativo)
        v = -v;
    if (v > 2147483647LL)
        throw Errore("'" + std::string(testo) + "' is not a valid integer value");
    return static_cast<int>(v);
}

int LeggiInteroOppure(std::string_view testo, int fallback)
{
    try {
        return LeggiIntero(testo);
    } catch (const Errore &) {
        return fallback;
    }
}

Valuta LeggiValuta(std::string_view testo)
{
    auto errore = [&] { return Errore("'" + std::string(testo) + "' is not a valid floating point value"); };
    std::string t = Trim(testo);
    size_t i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    long long intero = 0;
    long long frazione = 0;
    int cifreFrazione = 0;
    bool cifre = false, virgola = false;
    bool arrotonda = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            cifre = true;
            if (!virgola) {
                intero = intero * 10 + (c - '0');
                if (intero > 922337203685LL)
                    throw errore();
            } else if (cifreFrazione < 4) {
                frazione = frazione * 10 + (c - '0');
                ++cifreFrazione;
            } else if (cifreFrazione == 4) {
                arrotonda = c >= '5';
                ++cifreFrazione;
            }
        } else if (c == ',' && !virgola) {
            virgola = true;
        } else if (c == '.' && !virgola) {
            // thousands separator
        } else {
            throw errore();
        }
    }
    if (!cifre)
        throw errore();
    while (cifreFrazione < 4) {
        frazione *= 10;
        ++cifreFrazione;
    }
    Valuta v = intero * 10000 + frazione + (arrotonda ? 1 : 0);
    return negativo ? -v : v;
}

std::string FormatoValuta(Valuta v)
{
    std::string s = v < 0 ? "-" : "";
    unsigned long long a = v < 0 ? static_cast<unsigned long long>(-(v + 1)) + 1 : static_cast<unsigned long long>(v);
    s += std::to_string(a / 10000);
    unsigned long long f = a % 10000;
    if (f != 0) {
        std::string fs = std::to_string(f);
        fs = std::string(4 - fs.size(), '0') + fs;
        while (!fs.empty() && fs.back() == '0')
            fs.pop_back();
        s += ',' + fs;
    }
    return s;
}

} // namespace sestina
