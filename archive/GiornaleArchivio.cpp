#include "archive/GiornaleArchivio.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"
#include "archive/Record.h"
#include "archive/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

namespace sestina::archivio {

namespace {

constexpr const char *Intestazione = "SESTINA GIORNALE 1";
constexpr const char *NomiOperazioni[] = {"aggiunta", "modifica", "eliminazione", "troncamento", "importazione"};
constexpr const char *DescrizioniOperazioni[] = {"aggiunta di un'estrazione", "modifica di un'estrazione",
                                                 "eliminazione dell'ultima estrazione", "troncamento dei file",
                                                 "importazione"};

Errore NonValido(const std::string &motivo)
{
    return Errore("Giornale dell'archivio non valido: " + motivo);
}

std::vector<std::string_view> Dividi(std::string_view s, char separatore)
{
    std::vector<std::string_view> out;
    for (;;) {
        size_t j = s.find(separatore);
        out.push_back(s.substr(0, j));
        if (j == std::string_view::npos)
            return out;
        s.remove_prefix(j + 1);
    }
}

int Intero(std::string_view s, const char *cosa)
{
    int v = 0;
    auto [fine, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || fine != s.data() + s.size() || v < 0)
        throw NonValido(std::string(cosa) + " \"" + std::string(s) + "\" non è un numero");
    return v;
}

bool Bit(std::string_view s, const char *cosa)
{
    if (s != "0" && s != "1")
        throw NonValido(std::string(cosa) + " deve valere 0 o 1");
    return s == "1";
}

std::string Esadecimale(std::string_view byte)
{
    static const char cifre[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(byte.size() * 2);
    for (unsigned char c : byte) {
        out.push_back(cifre[c >> 4]);
        out.push_back(cifre[c & 15]);
    }
    return out;
}

std::string DaEsadecimale(std::string_view s)
{
    auto valore = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        throw NonValido("record salvati non esadecimali");
    };
    if (s.size() % 2 != 0)
        throw NonValido("record salvati di lunghezza dispari");
    std::string out;
    out.reserve(s.size() / 2);
    for (size_t i = 0; i < s.size(); i += 2)
        out.push_back(static_cast<char>(valore(s[i]) * 16 + valore(s[i + 1])));
    return out;
}

std::string Percorso(const std::string &dir, int indice)
{
    return dir + TabellaFileArchivio.at(static_cast<size_t>(indice));
}

std::string PercorsoGiornale(const std::string &dir)
{
    return dir + NomeFileGiornale;
}

// Puts every file back as the journal saw it: the saved records rewritten from
// `inizio`, then the file cut to its old count. Only what differs is written, so
// a file the failed change never touched needs no writing, and doing it twice
// changes nothing.
void AnnullaRecord(const std::string &dir, const Giornale &g)
{
    for (const auto &v : g.voci) {
        const int dim = DimensioneRecord(v.indiceFile);
        const std::string percorso = Percorso(dir, v.indiceFile);
        const int salvati = static_cast<int>(v.salvati.size()) / dim;
        bool uguale;
        {
            RecordFile f(percorso, dim);
            const int conta = f.ContaRecord();
            uguale = conta == v.conta;
            if (uguale && salvati > 0) {
                auto b = f.LeggiBlocco(v.inizio, salvati);
                uguale = std::equal(b.begin(), b.end(), v.salvati.begin(), v.salvati.end(),
                                    [](std::uint8_t x, char y) { return x == static_cast<std::uint8_t>(y); });
            }
        }
        if (uguale)
            continue;
        RecordFile f(percorso, dim, RecordFile::Accesso::Scrittura);
        if (f.ContaRecord() < v.inizio)
            throw Errore("Impossibile ripristinare \"" + percorso +
                             "\": il file è più corto di quanto il giornale "
                             "dell'archivio si aspetti",
                         percorso);
        for (int k = 0; k < salvati; ++k)
            f.Scrivi(v.inizio + k, reinterpret_cast<const std::uint8_t *>(v.salvati.data()) + k * dim);
        if (f.ContaRecord() < v.conta)
            throw Errore("Impossibile ripristinare \"" + percorso + "\": mancano dei record", percorso);
        f.Tronca(v.conta);
        f.Chiudi();
    }
}

struct CoppiaImportazione {
    std::string file, nuovo, vecchio;
    bool esisteva;
};

std::vector<CoppiaImportazione> Coppie(const std::string &dir, const Giornale &g)
{
    const std::string pd = Percorso(dir, IndiceFileDate), pn = Percorso(dir, IndiceSuperenalotto);
    return {{pn, PercorsoNuovo(pn), PercorsoVecchio(pn), g.esistevaNumeri},
            {pd, PercorsoNuovo(pd), PercorsoVecchio(pd), g.esistevaDate}};
}

// Only files that are there are removed: nothing is written when nothing is left over.
void Cancella(const std::string &percorso)
{
    if (EsisteFile(percorso) && !CancellaFile(percorso))
        throw Errore::diFile("impossibile cancellare", percorso, errno);
}

// Renames what is still waiting; true when anything was left to rename.
bool CompletaImportazione(const std::string &dir, const Giornale &g)
{
    bool fatto = false;
    for (const auto &c : Coppie(dir, g))
        if (EsisteFile(c.nuovo)) {
            RinominaFile(c.nuovo, c.file);
            fatto = true;
        }
    SincronizzaCartella(dir + ".");
    for (const auto &c : Coppie(dir, g))
        Cancella(c.vecchio);
    return fatto;
}

void AnnullaImportazione(const std::string &dir, const Giornale &g)
{
    for (const auto &c : Coppie(dir, g)) {
        if (EsisteFile(c.vecchio))
            RinominaFile(c.vecchio, c.file);
        else if (!c.esisteva)
            Cancella(c.file);
    }
    for (const auto &c : Coppie(dir, g))
        Cancella(c.nuovo);
    SincronizzaCartella(dir + ".");
}

std::string ContaEstrazioni(const std::string &dir)
{
    try {
        int n = RecordFile::ContaRecordDi(Percorso(dir, IndiceFileDate), RecordData::Dimensione);
        return n == 1 ? "1 estrazione" : std::to_string(n) + " estrazioni";
    } catch (const Errore &) {
        return "archivio vuoto";
    }
}

} // namespace

std::string ScriviGiornale(const Giornale &g)
{
    std::string out = std::string(Intestazione) + "\r\n";
    out += std::string("operazione;") + NomiOperazioni[static_cast<int>(g.operazione)] + "\r\n";
    out += std::string("completare;") + (g.completare ? "1" : "0") + "\r\n";
    out += "estrazioni;" + std::to_string(g.estrazioni) + "\r\n";
    out += std::string("esistevano;") + (g.esistevaDate ? "1" : "0") + ";" + (g.esistevaNumeri ? "1" : "0") + "\r\n";
    for (const auto &v : g.voci)
        out += "file;" + std::to_string(v.indiceFile) + ";" + std::to_string(v.conta) + ";" + std::to_string(v.inizio) +
               ";" + Esadecimale(v.salvati) + "\r\n";
    out += "fine\r\n";
    return out;
}

Giornale LeggiGiornale(std::string_view testo)
{
    std::vector<std::string_view> righe = Dividi(testo, '\n');
    // Every line ends in CR LF, the last one included.
    if (righe.empty() || !righe.back().empty())
        throw NonValido("il file è incompleto");
    righe.pop_back();
    for (auto &r : righe) {
        if (r.empty() || r.back() != '\r')
            throw NonValido("righe non terminate da CR LF");
        r.remove_suffix(1);
    }
    if (righe.size() < 6 || righe[0] != Intestazione || righe.back() != "fine")
        throw NonValido("intestazione o chiusura mancante");
    Giornale g;
    auto campi = [&](size_t i, const char *nome, size_t quanti) {
        auto c = Dividi(righe[i], ';');
        if (c.size() != quanti || c[0] != nome)
            throw NonValido(Formato("riga %zu: attesa \"%s\"", i + 1, nome));
        return c;
    };
    auto op = campi(1, "operazione", 2);
    bool trovata = false;
    for (int i = 0; i < 5; ++i)
        if (op[1] == NomiOperazioni[i]) {
            g.operazione = static_cast<OperazioneGiornale>(i);
            trovata = true;
        }
    if (!trovata)
        throw NonValido("operazione sconosciuta \"" + std::string(op[1]) + "\"");
    g.completare = Bit(campi(2, "completare", 2)[1], "completare");
    g.estrazioni = Intero(campi(3, "estrazioni", 2)[1], "estrazioni");
    auto es = campi(4, "esistevano", 3);
    g.esistevaDate = Bit(es[1], "esistevano");
    g.esistevaNumeri = Bit(es[2], "esistevano");
    for (size_t i = 5; i + 1 < righe.size(); ++i) {
        auto c = campi(i, "file", 5);
        VoceGiornale v;
        v.indiceFile = Intero(c[1], "indice del file");
        if (v.indiceFile >= static_cast<int>(TabellaFileArchivio.size()))
            throw NonValido("indice del file fuori tabella");
        v.conta = Intero(c[2], "numero di record");
        v.inizio = Intero(c[3], "primo record");
        v.salvati = DaEsadecimale(c[4]);
        const size_t dim = static_cast<size_t>(DimensioneRecord(v.indiceFile));
        if (v.salvati.size() % dim != 0)
            throw NonValido("record salvati incompleti");
        if (v.inizio > v.conta || static_cast<size_t>(v.conta - v.inizio) < v.salvati.size() / dim)
            throw NonValido("record salvati fuori dal file");
        g.voci.push_back(std::move(v));
    }
    return g;
}

std::string PercorsoNuovo(const std::string &percorso)
{
    return percorso + ".nuovo";
}
std::string PercorsoVecchio(const std::string &percorso)
{
    return percorso + ".vecchio";
}

void EseguiConGiornale(const std::string &dir, const Giornale &g, const std::function<void()> &modifica)
{
    const std::string giornale = PercorsoGiornale(dir);
    ScriviFileAtomico(giornale, ScriviGiornale(g));
    try {
        modifica();
        Cancella(giornale);
    } catch (...) {
        try {
            AnnullaRecord(dir, g);
            Cancella(giornale);
        } catch (...) {
            // The journal stays: the next start finishes the undo.
        }
        throw;
    }
    SincronizzaCartella(giornale);
}

void SostituisciConGiornale(const std::string &dir, const std::string &date, const std::string &numeri)
{
    Giornale g;
    g.operazione = OperazioneGiornale::Importazione;
    g.completare = true;
    g.estrazioni = static_cast<int>(date.size() / RecordData::Dimensione);
    g.esistevaDate = EsisteFile(Percorso(dir, IndiceFileDate));
    g.esistevaNumeri = EsisteFile(Percorso(dir, IndiceSuperenalotto));
    const auto coppie = Coppie(dir, g);
    const std::string giornale = PercorsoGiornale(dir);
    auto pulisci = [&] {
        try {
            for (const auto &c : coppie) {
                CancellaFile(c.nuovo);
                CancellaFile(c.vecchio);
            }
        } catch (...) {
        }
    };
    try {
        for (const auto &c : coppie) {
            Cancella(c.nuovo);
            Cancella(c.vecchio);
        }
        ScriviFileCompleto(coppie[0].nuovo, numeri, coppie[0].file);
        ScriviFileCompleto(coppie[1].nuovo, date, coppie[1].file);
        // The old files stay reachable until the new ones are both in place.
        for (const auto &c : coppie)
            if (c.esisteva)
                CollegaFile(c.file, c.vecchio);
        SincronizzaCartella(giornale);
        ScriviFileAtomico(giornale, ScriviGiornale(g));
    } catch (...) {
        pulisci();
        throw;
    }
    try {
        for (const auto &c : coppie)
            RinominaFile(c.nuovo, c.file);
        SincronizzaCartella(giornale);
    } catch (...) {
        // A failure here is reported: the old archive comes back. Should that fail
        // too, the journal says which way the next start has to go.
        try {
            Giornale annulla = g;
            annulla.completare = false;
            ScriviFileAtomico(giornale, ScriviGiornale(annulla));
            AnnullaImportazione(dir, annulla);
            Cancella(giornale);
        } catch (...) {
        }
        throw;
    }
    // The import is complete; leftovers are only tidied by the next start.
    try {
        for (const auto &c : coppie)
            Cancella(c.vecchio);
        Cancella(giornale);
        SincronizzaCartella(giornale);
    } catch (...) {
    }
}

std::optional<std::string> RipristinaArchivio(const std::string &dir)
{
    const std::string giornale = PercorsoGiornale(dir);
    Cancella(giornale + ".tmp");
    if (!EsisteFile(giornale)) {
        // Side files without a journal: an import stopped before its new files
        // were complete. The archive itself was never touched.
        Giornale g;
        bool avanzi = false;
        for (const auto &c : Coppie(dir, g)) {
            avanzi = avanzi || EsisteFile(c.nuovo);
            Cancella(c.nuovo);
            Cancella(c.vecchio);
        }
        if (!avanzi)
            return std::nullopt;
        return "Un'importazione interrotta prima della fine è stata annullata: l'archivio è rimasto quello di prima (" +
               ContaEstrazioni(dir) + ").";
    }
    Giornale g;
    try {
        g = LeggiGiornale(LeggiFile(giornale));
    } catch (const Errore &e) {
        throw Errore(std::string(e.what()) + " (\"" + giornale +
                         "\"): l'archivio non può essere ripristinato automaticamente; per usarlo così com'è "
                         "spostare altrove quel file",
                     giornale);
    }
    std::string messaggio;
    if (g.operazione == OperazioneGiornale::Importazione) {
        if (g.completare) {
            bool fatto = CompletaImportazione(dir, g);
            for (const auto &c : Coppie(dir, g))
                Cancella(c.nuovo);
            if (fatto)
                messaggio = "L'importazione interrotta è stata completata: l'archivio contiene le estrazioni "
                            "importate (" +
                            ContaEstrazioni(dir) + ").";
        } else {
            AnnullaImportazione(dir, g);
            messaggio = "L'importazione interrotta è stata annullata: l'archivio è tornato quello di prima (" +
                        ContaEstrazioni(dir) + ").";
        }
    } else {
        AnnullaRecord(dir, g);
        messaggio = std::string("L'operazione sull'archivio interrotta (") +
                    DescrizioniOperazioni[static_cast<int>(g.operazione)] +
                    ") è stata annullata: l'archivio è tornato com'era prima (" + ContaEstrazioni(dir) + ").";
    }
    Cancella(giornale);
    SincronizzaCartella(giornale);
    if (messaggio.empty())
        return std::nullopt;
    return messaggio;
}

} // namespace sestina::archivio
