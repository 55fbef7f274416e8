#include "archive/Navigazione.h"

#include "archive/RecordFile.h"

namespace sestina::archivio {

namespace {

class LettoreDate {
public:
    explicit LettoreDate(const Archivio &a) : m_file(a.percorsoDate(), RecordData::Dimensione) {}
    RecordData operator()(int n)
    {
        std::uint8_t b[8];
        m_file.Leggi(n, b);
        return RecordData::Decodifica(b);
    }

private:
    RecordFile m_file;
};

// Forward walk from r to the first record whose field equals the target.
template <class Campo> int AvantiFino(const Archivio &a, int ultima, int r, Campo campo, int (*obiettivo)(int))
{
    LettoreDate leggi(a);
    int t = obiettivo(campo(leggi(r)));
    int n = r;
    for (;;) {
        if (campo(leggi(n)) == t)
            return n;
        if (n + 1 > ultima)
            return n;
        ++n;
    }
}

// Backward walk from r to the first record whose field equals the target; the
// record after it is the result, 0 when none is found.
template <class Campo> int IndietroFino(const Archivio &a, int r, Campo campo, int (*obiettivo)(int))
{
    LettoreDate leggi(a);
    int t = obiettivo(campo(leggi(r)));
    for (int n = r; n >= 0; --n)
        if (campo(leggi(n)) == t)
            return n + 1;
    return 0;
}

int Anno(const RecordData &d) { return d.anno; }
int Mese(const RecordData &d) { return d.mese; }

} // namespace

int AnnoSuccessivo(const Archivio &a, int ultima, int r)
{
    return AvantiFino(a, ultima, r, Anno, [](int y) { return y + 1; });
}

int MeseSuccessivo(const Archivio &a, int ultima, int r)
{
    return AvantiFino(a, ultima, r, Mese, [](int m) { return m == 12 ? 1 : m + 1; });
}

int AnnoPrecedente(const Archivio &a, int, int r)
{
    return IndietroFino(a, r, Anno, [](int y) { return y - 2; });
}

int MesePrecedente(const Archivio &a, int, int r)
{
    return IndietroFino(a, r, Mese, [](int m) { return m == 1 ? 11 : m == 2 ? 12 : m - 2; });
}

int EstrazioneDelMese(const Archivio &a, int ultima, int r, int n)
{
    LettoreDate leggi(a);
    int mese = leggi(r).mese;
    int s = r;
    while (s > 0 && leggi(s - 1).mese == mese)
        --s;
    int letti = 0;
    int ultimo = s;
    for (int k = s; k <= s + n - 1 && k <= ultima; ++k) {
        ultimo = k;
        ++letti;
    }
    if (letti == n && leggi(ultimo).mese == mese)
        return ultimo;
    return 0;
}

int MuoviRecord(const Archivio &a, int ultima, int r, MossaData m)
{
    switch (m) {
    case MossaData::Primo:
        return 0;
    case MossaData::AnnoPr:
        return AnnoPrecedente(a, ultima, r);
    case MossaData::Prec:
        return r > 0 ? r - 1 : 0;
    case MossaData::Succ:
        return r < ultima ? r + 1 : ultima;
    case MossaData::AnnoSuc:
        return AnnoSuccessivo(a, ultima, r);
    case MossaData::Ultimo:
        return ultima;
    }
    return r;
}

} // namespace sestina::archivio
