#include "archive/Archivio.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"
#include "archive/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace sestina::archivio {

Archivio::Archivio(std::string directory) : m_dir(std::move(directory))
{
    if (!m_dir.empty() && m_dir.back() != '/')
        m_dir.push_back('/');
}

std::string Archivio::percorso(int indiceFile) const { return m_dir + TabellaFileArchivio.at(static_cast<size_t>(indiceFile)); }
std::string Archivio::percorsoDate() const { return percorso(IndiceFileDate); }
std::string Archivio::percorsoNumeri() const { return percorso(IndiceSuperenalotto); }

int Archivio::LeggiUltimaEstrazione() const
{
    return RecordFile::ContaRecordDi(percorsoDate(), RecordData::Dimensione) - 1;
}

RecordData Archivio::LeggiData(int n) const
{
    RecordFile f(percorsoDate(), RecordData::Dimensione);
    std::uint8_t b[8];
    f.Leggi(n, b);
    f.Chiudi();
    return RecordData::Decodifica(b);
}

RecordSuperenalotto Archivio::LeggiNumeri(int n) const
{
    RecordFile f(percorsoNumeri(), RecordSuperenalotto::Dimensione);
    std::uint8_t b[8];
    f.Leggi(n, b);
    f.Chiudi();
    return RecordSuperenalotto::Decodifica(b);
}

Estrazione Archivio::Leggi(int n) const { return Estrazione{LeggiData(n), LeggiNumeri(n)}; }

std::vector<RecordData> Archivio::LeggiDate(int primo, int ultimo) const
{
    std::vector<RecordData> out;
    if (ultimo < primo)
        return out;
    RecordFile f(percorsoDate(), RecordData::Dimensione);
    auto byte = f.LeggiBlocco(primo, ultimo - primo + 1);
    f.Chiudi();
    out.reserve(static_cast<size_t>(ultimo - primo + 1));
    for (size_t i = 0; i < byte.size(); i += 8)
        out.push_back(RecordData::Decodifica(&byte[i]));
    return out;
}

std::vector<RecordSuperenalotto> Archivio::LeggiNumeri(int primo, int ultimo) const
{
    std::vector<RecordSuperenalotto> out;
    if (ultimo < primo)
        return out;
    RecordFile f(percorsoNumeri(), RecordSuperenalotto::Dimensione);
    auto byte = f.LeggiBlocco(primo, ultimo - primo + 1);
    f.Chiudi();
    out.reserve(static_cast<size_t>(ultimo - primo + 1));
    for (size_t i = 0; i < byte.size(); i += 8)
        out.push_back(RecordSuperenalotto::Decodifica(&byte[i]));
    return out;
}

std::vector<Estrazione> Archivio::LeggiTutte() const
{
    int ultima = LeggiUltimaEstrazione();
    auto date = LeggiDate(0, ultima);
    auto numeri = LeggiNumeri(0, ultima);
    std::vector<Estrazione> out(date.size());
    for (size_t i = 0; i < date.size(); ++i)
        out[i] = Estrazione{date[i], numeri[i]};
    return out;
}

void Archivio::Scrivi(int n, const Estrazione &e)
{
    RecordData vecchiaData;
    bool aggiunta;
    {
        RecordFile date(percorsoDate(), RecordData::Dimensione);
        int conta = date.ContaRecord();
        aggiunta = n == conta;
        if (!aggiunta) {
            std::uint8_t b[8];
            date.Leggi(n, b);
            vecchiaData = RecordData::Decodifica(b);
        }
        auto b = e.data.Codifica();
        date.Scrivi(n, b.data());
        date.Chiudi();
    }
    try {
        RecordFile numeri(percorsoNumeri(), RecordSuperenalotto::Dimensione);
        auto b = e.numeri.Codifica();
        numeri.Scrivi(n, b.data());
        numeri.Chiudi();
    } catch (const Errore &) {
        // Undo the date write so both files keep the same length and content.
        try {
            RecordFile date(percorsoDate(), RecordData::Dimensione);
            if (aggiunta) {
                date.Tronca(n);
            } else {
                auto b = vecchiaData.Codifica();
                date.Scrivi(n, b.data());
            }
            date.Chiudi();
        } catch (const Errore &) {
        }
        throw;
    }
}

int Archivio::EliminaUltima()
{
    {
        RecordFile numeri(percorsoNumeri(), RecordSuperenalotto::Dimensione);
        numeri.Tronca(numeri.ContaRecord() - 1);
        numeri.Chiudi();
    }
    RecordFile date(percorsoDate(), RecordData::Dimensione);
    date.Tronca(date.ContaRecord() - 1);
    int ultima = date.ContaRecord() - 1;
    date.Chiudi();
    return ultima;
}

int Archivio::Tronca(int n)
{
    {
        RecordFile numeri(percorsoNumeri(), RecordSuperenalotto::Dimensione);
        numeri.Tronca(n);
        numeri.Chiudi();
    }
    RecordFile date(percorsoDate(), RecordData::Dimensione);
    date.Tronca(n);
    int ultima = date.ContaRecord() - 1;
    date.Chiudi();
    return ultima;
}

int Archivio::TroncaTutti(int n)
{
    for (int i = 0; i < static_cast<int>(TabellaFileArchivio.size()); ++i) {
        RecordFile f(percorso(i), DimensioneRecord(i));
        f.Tronca(n);
        f.Chiudi();
    }
    return LeggiUltimaEstrazione();
}

namespace {

void ScriviTutto(const std::string &percorso, const std::vector<std::uint8_t> &dati)
{
    ScriviFileCompleto(percorso, std::string_view(reinterpret_cast<const char *>(dati.data()), dati.size()));
}

} // namespace

void Archivio::Sostituisci(const std::vector<Estrazione> &estrazioni)
{
    std::vector<std::uint8_t> date, numeri;
    date.reserve(estrazioni.size() * 8);
    numeri.reserve(estrazioni.size() * 8);
    for (const auto &e : estrazioni) {
        auto d = e.data.Codifica();
        auto s = e.numeri.Codifica();
        date.insert(date.end(), d.begin(), d.end());
        numeri.insert(numeri.end(), s.begin(), s.end());
    }
    const std::string pd = percorsoDate(), pn = percorsoNumeri();
    const std::string td = pd + ".nuovo", tn = pn + ".nuovo", bn = pn + ".vecchio";
    try {
        ScriviTutto(td, date);
        ScriviTutto(tn, numeri);
    } catch (...) {
        ::unlink(td.c_str());
        ::unlink(tn.c_str());
        throw;
    }
    // Keep the old numbers file reachable until the date file is in place too.
    ::unlink(bn.c_str());
    bool avevaNumeri = ::link(pn.c_str(), bn.c_str()) == 0;
    if (std::rename(tn.c_str(), pn.c_str()) != 0) {
        int e = errno;
        ::unlink(td.c_str());
        ::unlink(tn.c_str());
        ::unlink(bn.c_str());
        throw Errore::diFile("impossibile sostituire", pn, e);
    }
    if (std::rename(td.c_str(), pd.c_str()) != 0) {
        int e = errno;
        if (avevaNumeri)
            std::rename(bn.c_str(), pn.c_str());
        ::unlink(td.c_str());
        throw Errore::diFile("impossibile sostituire", pd, e);
    }
    ::unlink(bn.c_str());
}

std::string TestoListaDate(const RecordData &d) { return Formato("%d/%d/%d ", d.giorno, d.mese, d.anno); }

std::vector<std::string> DateCrescenti(const Archivio &a)
{
    auto date = a.LeggiDate(0, a.LeggiUltimaEstrazione());
    std::vector<std::string> out;
    out.reserve(date.size());
    for (const auto &d : date)
        out.push_back(TestoListaDate(d));
    return out;
}

std::vector<std::string> DateDecrescenti(const Archivio &a)
{
    auto out = DateCrescenti(a);
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace sestina::archivio
