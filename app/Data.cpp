#include "app/Data.h"

#include "app/Errore.h"
#include "app/Testo.h"

namespace sestina {

namespace {
bool Bisestile(int a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }
} // namespace

int GiorniNelMese(int mese, int anno)
{
    static const int giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mese < 1 || mese > 12)
        return 0;
    return mese == 2 && Bisestile(anno) ? 29 : giorni[mese - 1];
}

bool Data::valida() const
{
    return anno >= 1 && anno <= 9999 && mese >= 1 && mese <= 12 && giorno >= 1 && giorno <= GiorniNelMese(mese, anno);
}

long Data::numeroGiorno() const
{
    // Days from civil (H. Hinnant), shifted so that 1/1/1 is day 1.
    int y = anno - (mese <= 2 ? 1 : 0);
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (mese + (mese > 2 ? -3 : 9)) + 2) / 5 + giorno - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 306 + 1;
}

Data Data::daNumeroGiorno(long n)
{
    long z = n - 1 + 306;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long y = yoe + era * 400;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return Data{d, m, static_cast<int>(y + (m <= 2 ? 1 : 0))};
}

int Data::giornoSettimana() const
{
    // 1/1/1 was a Monday.
    long n = numeroGiorno();
    return static_cast<int>(((n % 7) + 7) % 7);
}

std::string Data::breve() const { return Formato("%02d/%02d/%04d", giorno, mese, anno); }
std::string Data::senzaZeri() const { return Formato("%d/%d/%d", giorno, mese, anno); }

std::optional<Data> LeggiData(std::string_view testo)
{
    std::string t = Trim(testo);
    int parti[3] = {0, 0, 0};
    int cifre[3] = {0, 0, 0};
    int k = 0;
    for (char c : t) {
        if (c >= '0' && c <= '9') {
            if (cifre[k] >= 4)
                return std::nullopt;
            parti[k] = parti[k] * 10 + (c - '0');
            ++cifre[k];
        } else if (c == '/') {
            if (++k > 2)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (k != 2 || cifre[0] == 0 || cifre[1] == 0 || cifre[2] == 0 || cifre[0] > 2 || cifre[1] > 2)
        return std::nullopt;
    int anno = parti[2];
    if (cifre[2] <= 2)
        anno += anno < 50 ? 2000 : 1900; // two-digit years as the platform's century window reads them
    Data d{parti[0], parti[1], anno};
    if (!d.valida())
        return std::nullopt;
    return d;
}

Data LeggiDataOErrore(std::string_view testo)
{
    if (auto d = LeggiData(testo))
        return *d;
    throw Errore("'" + std::string(testo) + "' is not a valid date");
}

} // namespace sestina
