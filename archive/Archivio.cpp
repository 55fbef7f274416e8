#include "archive/Archivio.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Impostazioni.h"
#include "app/Testo.h"
#include "archive/GiornaleArchivio.h"
#include "archive/RecordFile.h"

#include <algorithm>
#include <filesystem>
#include <limits>

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

namespace {

using Accesso = RecordFile::Accesso;

// The journal entry of a file before a change: its count and the records from `inizio` on.
VoceGiornale Voce(const std::string &dir, int indice, int inizio, int fine)
{
    const int dim = DimensioneRecord(indice);
    RecordFile f(dir + TabellaFileArchivio.at(static_cast<size_t>(indice)), dim);
    VoceGiornale v;
    v.indiceFile = indice;
    v.conta = f.ContaRecord();
    v.inizio = std::max(0, std::min(inizio, v.conta));
    const int quanti = std::min(fine, v.conta) - v.inizio;
    if (quanti > 0) {
        auto b = f.LeggiBlocco(v.inizio, quanti);
        v.salvati.assign(reinterpret_cast<const char *>(b.data()), b.size());
    }
    f.Chiudi();
    return v;
}

void ScriviRecord(const std::string &percorso, int n, const std::array<std::uint8_t, 8> &b)
{
    RecordFile f(percorso, 8, Accesso::Scrittura);
    f.Scrivi(n, b.data());
    f.Chiudi();
}

int TroncaFile(const std::string &percorso, int dimensione, int n)
{
    RecordFile f(percorso, dimensione, Accesso::Scrittura);
    f.Tronca(n);
    int conta = f.ContaRecord();
    f.Chiudi();
    return conta;
}

} // namespace

std::optional<std::string> Archivio::Ripristina() const { return RipristinaArchivio(m_dir); }

void Archivio::Scrivi(int n, const Estrazione &e)
{
    Ripristina();
    Giornale g;
    g.voci.push_back(Voce(m_dir, IndiceFileDate, n, n + 1));
    g.voci.push_back(Voce(m_dir, IndiceSuperenalotto, n, n + 1));
    if (n < 0 || n > g.voci[0].conta)
        throw Errore("Errore di I/O: scrittura oltre la fine del file \"" + percorsoDate() + "\"", percorsoDate());
    g.operazione = n == g.voci[0].conta ? OperazioneGiornale::Aggiunta : OperazioneGiornale::Modifica;
    // The date first, then the numbers; a failure between them is undone.
    EseguiConGiornale(m_dir, g, [&] {
        ScriviRecord(percorsoDate(), n, e.data.Codifica());
        ScriviRecord(percorsoNumeri(), n, e.numeri.Codifica());
    });
}

int Archivio::EliminaUltima()
{
    Ripristina();
    Giornale g;
    g.operazione = OperazioneGiornale::Eliminazione;
    const int contaNumeri = RecordFile::ContaRecordDi(percorsoNumeri(), RecordSuperenalotto::Dimensione);
    const int contaDate = RecordFile::ContaRecordDi(percorsoDate(), RecordData::Dimensione);
    if (contaDate == 0)
        throw Errore("L'archivio non contiene estrazioni da eliminare");
    g.voci.push_back(Voce(m_dir, IndiceSuperenalotto, contaNumeri - 1, contaNumeri));
    g.voci.push_back(Voce(m_dir, IndiceFileDate, contaDate - 1, contaDate));
    int conta = 0;
    EseguiConGiornale(m_dir, g, [&] {
        TroncaFile(percorsoNumeri(), RecordSuperenalotto::Dimensione, contaNumeri - 1);
        conta = TroncaFile(percorsoDate(), RecordData::Dimensione, contaDate - 1);
    });
    return conta - 1;
}

int Archivio::Tronca(int n)
{
    Ripristina();
    n = std::max(n, 0);
    Giornale g;
    g.operazione = OperazioneGiornale::Troncamento;
    g.voci.push_back(Voce(m_dir, IndiceSuperenalotto, n, std::numeric_limits<int>::max()));
    g.voci.push_back(Voce(m_dir, IndiceFileDate, n, std::numeric_limits<int>::max()));
    int conta = 0;
    EseguiConGiornale(m_dir, g, [&] {
        TroncaFile(percorsoNumeri(), RecordSuperenalotto::Dimensione, n);
        conta = TroncaFile(percorsoDate(), RecordData::Dimensione, n);
    });
    return conta - 1;
}

int Archivio::TroncaTutti(int n)
{
    Ripristina();
    n = std::max(n, 0);
    // Every file is opened before any is cut: a missing one stops the operation untouched.
    Giornale g;
    g.operazione = OperazioneGiornale::Troncamento;
    for (int i = 0; i < static_cast<int>(TabellaFileArchivio.size()); ++i)
        g.voci.push_back(Voce(m_dir, i, n, std::numeric_limits<int>::max()));
    EseguiConGiornale(m_dir, g, [&] {
        for (int i = 0; i < static_cast<int>(TabellaFileArchivio.size()); ++i)
            TroncaFile(percorso(i), DimensioneRecord(i), n);
    });
    return LeggiUltimaEstrazione();
}

void Archivio::Sostituisci(const std::vector<Estrazione> &estrazioni)
{
    Ripristina();
    std::string date, numeri;
    date.reserve(estrazioni.size() * 8);
    numeri.reserve(estrazioni.size() * 8);
    for (const auto &e : estrazioni) {
        auto d = e.data.Codifica();
        auto s = e.numeri.Codifica();
        date.append(reinterpret_cast<const char *>(d.data()), d.size());
        numeri.append(reinterpret_cast<const char *>(s.data()), s.size());
    }
    SostituisciConGiornale(m_dir, date, numeri);
}

int EstrazioniPresenti(const Archivio &a)
{
    try {
        return a.LeggiUltimaEstrazione() + 1;
    } catch (const Errore &) {
        return 0;
    }
}

bool RiduzioneDaConfermare(int presenti, size_t nuove)
{
    return static_cast<long long>(nuove) < static_cast<long long>(presenti) - CaloSenzaConferma;
}

std::string TestoRiduzione(int presenti, size_t nuove)
{
    return Formato("L'importazione ridurrebbe l'archivio da %d a %zu estrazioni.", presenti, nuove);
}

bool FileDelProgramma(const std::string &directory, const std::string &percorso)
{
    namespace fs = std::filesystem;
    std::vector<std::string> nomi(TabellaFileArchivio.begin(), TabellaFileArchivio.end());
    for (const char *n : {FileUtente, FileImportiVincite, FileDatiPrivati, FileListaLoghi, NomeFileGiornale})
        nomi.emplace_back(n);
    nomi.push_back(FileGiorniEstrazione);
    std::error_code ec;
    const fs::path bersaglio = fs::weakly_canonical(fs::absolute(percorso, ec), ec);
    for (const auto &n : nomi) {
        const fs::path proprio = fs::path(directory) / n;
        std::error_code e1, e2;
        // The same file under another name (a link) counts too.
        if (fs::exists(proprio, e1) && fs::exists(percorso, e2) && fs::equivalent(proprio, percorso, e1))
            return true;
        if (!ec && fs::weakly_canonical(fs::absolute(proprio, e1), e1) == bersaglio)
            return true;
    }
    return false;
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
