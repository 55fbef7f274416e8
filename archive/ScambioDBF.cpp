#include "archive/ScambioDBF.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"

#include <array>
#include <filesystem>
#include <cmath>

namespace sestina::archivio {

namespace {

constexpr std::array<const char *, 8> CampiNumeri = {"ES1", "ES2", "ES3", "ES4", "ES5", "ES6", "ES7", "SST"};

std::string NonValido(const std::string &dettaglio)
{
    return std::string(TestoImportazioneNonValida) + ": " + dettaglio + "; l'archivio non è stato modificato";
}

std::string InRecord(int record, const char *campo, const std::string &dettaglio)
{
    return NonValido(Formato("record %d, campo \"%s\": ", record, campo) + dettaglio);
}

std::string NumeroEstrazione(size_t i, const Estrazione &e)
{
    return Formato("estrazione N. %zu del %d/%d/%d", i + 1, e.data.giorno, e.data.mese, e.data.anno);
}

// Number fields are rounded; text fields must hold a plain decimal integer.
long long Intero(const TDBaseTable &t, const TDBaseTable::Campo &c, int record, const char *nome)
{
    if (t.Nullo(nome))
        throw Errore(InRecord(record, nome, "valore mancante"));
    try {
        return *t.ComeIntero(nome);
    } catch (const Errore &) {
        const char *cosa = c.tipo == TDBaseTable::Tipo::Testo ? "un numero intero" : "un numero";
        throw Errore(InRecord(record, nome, "\"" + t.ComeTesto(nome) + "\" non è " + cosa));
    }
}

} // namespace

std::string PercorsoEsportazione(const std::string &cartella)
{
    std::string p = cartella;
    if (!p.empty() && p.back() != '/')
        p.push_back('/');
    return p + NomeFileScambio;
}

std::string TabellaScambio(const std::vector<Estrazione> &estrazioni, std::optional<Data> aggiornamento)
{
    TDBaseTable t;
    t.DefinisciCampo("DATA", TDBaseTable::Tipo::Data);
    t.DefinisciCampo("CONC", TDBaseTable::Tipo::Testo, 4);
    for (const char *nome : CampiNumeri)
        t.DefinisciCampo(nome, TDBaseTable::Tipo::Testo, 2);
    if (aggiornamento)
        t.ImpostaDataAggiornamento(*aggiornamento);
    t.ApriByte(t.ByteNuovaTabella());
    for (size_t i = 0; i < estrazioni.size(); ++i) {
        const Estrazione &e = estrazioni[i];
        // The fields are 4 and 2 characters wide: a longer value would be cut, and
        // the table would no longer give back the archive.
        if (!e.data.data().valida())
            throw Errore("Impossibile esportare l'" + NumeroEstrazione(i, e) + ": la data non è valida");
        if (e.data.concorso > 9999)
            throw Errore(Formato("Impossibile esportare l'%s: il concorso %u non entra nei 4 caratteri del campo "
                                 "\"CONC\"",
                                 NumeroEstrazione(i, e).c_str(), static_cast<unsigned>(e.data.concorso)));
        std::array<std::uint8_t, 8> v;
        for (size_t k = 0; k < 6; ++k)
            v[k] = e.numeri.numeri[k];
        v[6] = e.numeri.jolly;
        v[7] = e.numeri.superstar;
        for (size_t k = 0; k < 8; ++k)
            if (v[k] > 99)
                throw Errore(Formato("Impossibile esportare l'%s: il valore %u non entra nei 2 caratteri del campo "
                                     "\"%s\"",
                                     NumeroEstrazione(i, e).c_str(), static_cast<unsigned>(v[k]), CampiNumeri[k]));
        t.Aggiungi();
        t.ImpostaData("DATA", e.data.data());
        t.ImpostaIntero("CONC", e.data.concorso);
        for (size_t k = 0; k < 8; ++k)
            t.ImpostaIntero(CampiNumeri[k], v[k]);
        t.Registra();
    }
    t.Chiudi();
    return t.Byte();
}

void EsportaDBF(const Archivio &archivio, const std::string &percorsoFile, bool sovrascrivi)
{
    if (!sovrascrivi && EsisteFile(percorsoFile))
        throw Errore("Il file di esportazione \"" + percorsoFile + "\" esiste già", percorsoFile);
    ScriviFileAtomico(percorsoFile, TabellaScambio(archivio.LeggiTutte()));
}

TDBaseTable ApriTabellaImportazioneByte(std::string byte)
{
    TDBaseTable t;
    t.ImpostaSolaLettura(true);
    try {
        t.ApriByte(std::move(byte));
    } catch (const Errore &e) {
        throw Errore(NonValido(e.what()));
    }
    return t;
}

TDBaseTable ApriTabellaImportazione(const std::string &percorso)
{
    TDBaseTable t = ApriTabellaImportazioneByte(LeggiFile(percorso));
    return t;
}

std::vector<Estrazione> LeggiEstrazioniScambio(TDBaseTable &t)
{
    if (t.NumeroCampi() != CampiTabellaScambio)
        throw Errore(TestoImportazioneNonValida);
    std::array<const TDBaseTable::Campo *, 8> numeri{};
    const TDBaseTable::Campo *data = t.TrovaCampo("DATA");
    const TDBaseTable::Campo *conc = t.TrovaCampo("CONC");
    for (size_t k = 0; k < 8; ++k)
        numeri[k] = t.TrovaCampo(CampiNumeri[k]);
    auto manca = [](const char *nome) { return Errore(NonValido(Formato("manca il campo \"%s\"", nome))); };
    if (!data)
        throw manca("DATA");
    if (data->tipo != TDBaseTable::Tipo::Data)
        throw Errore(NonValido("il campo \"DATA\" non è un campo data"));
    if (!conc)
        throw manca("CONC");
    if (conc->tipo == TDBaseTable::Tipo::Data)
        throw Errore(NonValido("il campo \"CONC\" è un campo data"));
    for (size_t k = 0; k < 8; ++k) {
        if (!numeri[k])
            throw manca(CampiNumeri[k]);
        if (numeri[k]->tipo == TDBaseTable::Tipo::Data)
            throw Errore(NonValido(Formato("il campo \"%s\" è un campo data", CampiNumeri[k])));
    }
    // A wrong header length shifts every record: that, not a cut file, is the fault.
    if (!t.IntestazioneCoerente())
        throw Errore(NonValido(Formato("la lunghezza dell'intestazione scritta nel file (%d byte) non corrisponde "
                                       "ai suoi %d campi (%d byte)",
                                       t.LunghezzaIntestazione(), t.NumeroCampi(), 32 * t.NumeroCampi() + 33)));
    if (t.CodaIncompleta() || t.ContaRecord() > static_cast<std::uint32_t>(t.RecordPresenti())) {
        if (t.CodaIncompleta())
            throw Errore(NonValido(Formato("il record %d è incompleto (file troncato)", t.RecordPresenti() + 1)));
        throw Errore(NonValido(Formato("l'intestazione dichiara %u record ma il file ne contiene solo %d (file "
                                       "troncato)",
                                       t.ContaRecord(), t.RecordPresenti())));
    }

    std::vector<Estrazione> out;
    out.reserve(static_cast<size_t>(t.RecordPresenti()));
    for (t.Primo(); !t.FineDati(); t.Successivo()) {
        const int record = t.NumeroRecord() + 1;
        Estrazione e;
        std::optional<Data> d;
        try {
            d = t.ComeData("DATA");
        } catch (const Errore &) {
            throw Errore(InRecord(record, "DATA", "\"" + t.ComeTesto("DATA") + "\" non è una data valida"));
        }
        if (!d)
            throw Errore(InRecord(record, "DATA", "data mancante"));
        e.data.giorno = static_cast<std::uint16_t>(d->giorno);
        e.data.mese = static_cast<std::uint16_t>(d->mese);
        e.data.anno = static_cast<std::uint16_t>(d->anno);
        long long c = Intero(t, *conc, record, "CONC");
        if (c < 0 || c > 65535)
            throw Errore(InRecord(record, "CONC", Formato("il concorso %lld non è compreso fra 0 e 65535", c)));
        e.data.concorso = static_cast<std::uint16_t>(c);
        for (size_t k = 0; k < 8; ++k) {
            long long v = Intero(t, *numeri[k], record, CampiNumeri[k]);
            if (v < 0 || v > 90)
                throw Errore(InRecord(record, CampiNumeri[k], Formato("il valore %lld non è compreso fra 0 e 90", v)));
            auto b = static_cast<std::uint8_t>(v);
            if (k < 6)
                e.numeri.numeri[k] = b;
            else if (k == 6)
                e.numeri.jolly = b;
            else
                e.numeri.superstar = b;
        }
        out.push_back(e);
    }
    if (out.empty())
        throw Errore(NonValido("la tabella non contiene estrazioni"));
    return out;
}

std::vector<Estrazione> LeggiEstrazioniScambio(std::string_view byte)
{
    TDBaseTable t = ApriTabellaImportazioneByte(std::string(byte));
    return LeggiEstrazioniScambio(t);
}

std::vector<Estrazione> LeggiFileScambio(const std::string &percorso)
{
    std::error_code ec;
    // A device or a folder exists too: LeggiFile then says what it is.
    if (!std::filesystem::exists(percorso, ec))
        throw Errore("Non esite il file da importare: " + percorso, percorso);
    TDBaseTable t = ApriTabellaImportazione(percorso);
    auto estrazioni = LeggiEstrazioniScambio(t);
    t.Chiudi();
    return estrazioni;
}

int ImportaDBF(Archivio &archivio, const std::string &percorso)
{
    auto estrazioni = LeggiFileScambio(percorso);
    archivio.Sostituisci(estrazioni);
    return static_cast<int>(estrazioni.size());
}

} // namespace sestina::archivio
