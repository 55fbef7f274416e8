#include "archive/ScambioDBF.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <functional>

using namespace sestina;
using namespace sestina::archivio;
using Tipo = TDBaseTable::Tipo;

namespace {

const char *const Numeri[] = {"ES1", "ES2", "ES3", "ES4", "ES5", "ES6", "ES7", "SST"};

unsigned U32(const std::string &b, size_t i)
{
    unsigned v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<unsigned char>(b[i + static_cast<size_t>(k)]);
    return v;
}

// A program folder holding an archive, whose files a failed import must leave as they are.
struct ArchivioInCartella {
    prova::CartellaTemporanea dir;
    Archivio archivio{dir.dir()};
    std::string date, numeri;

    explicit ArchivioInCartella(const std::vector<Estrazione> &e)
    {
        prova::ScriviArchivio(dir.dir(), e);
        date = LeggiFile(archivio.percorsoDate());
        numeri = LeggiFile(archivio.percorsoNumeri());
    }
    bool Intatto() const
    {
        return LeggiFile(archivio.percorsoDate()) == date && LeggiFile(archivio.percorsoNumeri()) == numeri;
    }
};

// An exchange table whose records are patched by hand after they are written.
std::string TabellaCon(const std::vector<Estrazione> &e,
                       const std::function<void(TDBaseTable &, size_t)> &ritocco = nullptr)
{
    TDBaseTable t;
    t.ApriByte(TabellaScambio(e));
    if (ritocco) {
        size_t i = 0;
        for (t.Primo(); !t.FineDati(); t.Successivo(), ++i) {
            t.Modifica();
            ritocco(t, i);
            t.Registra();
        }
    }
    t.Chiudi();
    return t.Byte();
}

} // namespace

TEST(ScambioDBF, EsportazioneDi153Estrazioni)
{
    const auto e = prova::EstrazioniCasuali(7, 153);
    const std::string b = TabellaScambio(e, Data{1, 2, 2024});
    EXPECT_EQ(b.size(), 354u + 153u * 29u);
    EXPECT_EQ(U32(b, 4), 153u);
    EXPECT_EQ(static_cast<unsigned char>(b[1]), 124u);

    TDBaseTable t;
    t.ApriByte(b);
    std::vector<std::string> nomi;
    for (const auto &c : t.Campi())
        nomi.push_back(c.nome + c.lettera + std::to_string(c.lunghezza));
    EXPECT_EQ(nomi, (std::vector<std::string>{"DATAD8", "CONCC4", "ES1C2", "ES2C2", "ES3C2", "ES4C2", "ES5C2",
                                              "ES6C2", "ES7C2", "SSTC2"}));
    t.Primo();
    EXPECT_EQ(t.ComeData("DATA"), e[0].data.data());
    EXPECT_EQ(t.ComeIntero("CONC"), e[0].data.concorso);
    EXPECT_EQ(t.ComeIntero("ES3"), e[0].numeri.numeri[2]);
    EXPECT_EQ(t.ComeIntero("SST"), e[0].numeri.superstar);
    t.Ultimo();
    EXPECT_EQ(t.ComeIntero("ES7"), e.back().numeri.jolly);
}

TEST(ScambioDBF, NumeriSenzaZeriAllineatiASinistra)
{
    const std::string b = TabellaScambio({prova::Estr(10, 3, 2011, 42, {5, 17, 29, 46, 65, 88}, 7, 0)});
    EXPECT_EQ(b.substr(353, 29), " 2011031042  5 17294665887 0 ");
    EXPECT_EQ(static_cast<unsigned char>(b.back()), 0x1Au);
}

TEST(ScambioDBF, EsportaEImportaIlVeroArchivioByteIdentico)
{
    prova::CartellaTemporanea origine, destinazione;
    // The real draws, written as the bundled archive is built from them.
    prova::ScriviArchivio(origine.dir(), prova::EstrazioniReali());
    Archivio a(origine.dir());
    ASSERT_GT(a.LeggiUltimaEstrazione(), 4000);
    const std::string file = PercorsoEsportazione(origine.dir());
    EsportaDBF(a, file, false);

    // The folder starts empty: the import is what creates the archive files.
    Archivio b(destinazione.dir());
    EXPECT_EQ(ImportaDBF(b, file), a.LeggiUltimaEstrazione() + 1);
    EXPECT_EQ(LeggiFile(b.percorsoDate()), LeggiFile(a.percorsoDate()));
    EXPECT_EQ(LeggiFile(b.percorsoNumeri()), LeggiFile(a.percorsoNumeri()));
}

TEST(ScambioDBF, EsportazioneSuFileEsistente)
{
    ArchivioInCartella a(prova::EstrazioniCasuali(1, 5));
    const std::string file = PercorsoEsportazione(a.dir.dir().substr(0, a.dir.dir().size() - 1));
    EXPECT_EQ(file, a.dir.percorso("Enalotto.dbf"));
    prova::ScriviByte(file, "vecchio");
    EXPECT_THROW(EsportaDBF(a.archivio, file, false), Errore);
    EXPECT_EQ(LeggiFile(file), "vecchio");
    EsportaDBF(a.archivio, file, true);
    EXPECT_EQ(LeggiEstrazioniScambio(LeggiFile(file)), a.archivio.LeggiTutte());
}

TEST(ScambioDBF, EsportazioneRifiutaValoriCheNonEntrano)
{
    auto e = prova::EstrazioniCasuali(3, 4);
    auto concorso = e;
    concorso[2].data.concorso = 10000;
    auto numero = e;
    numero[1].numeri.numeri[4] = 100;
    auto data = e;
    data[3].data.giorno = 31;
    data[3].data.mese = 2;
    for (const auto &caso : {concorso, numero, data})
        EXPECT_THROW((void)TabellaScambio(caso), Errore);
    try {
        (void)TabellaScambio(concorso);
    } catch (const Errore &err) {
        EXPECT_NE(std::string(err.what()).find("estrazione N. 3"), std::string::npos) << err.what();
        EXPECT_NE(std::string(err.what()).find("CONC"), std::string::npos) << err.what();
    }
    concorso[2].data.concorso = 9999;
    EXPECT_EQ(LeggiEstrazioniScambio(TabellaScambio(concorso)), concorso);
}

TEST(ScambioDBF, UndiciCampiLascianoLArchivio)
{
    ArchivioInCartella a(prova::EstrazioniCasuali(2, 20));
    TDBaseTable t;
    t.DefinisciCampo("DATA", Tipo::Data);
    t.DefinisciCampo("CONC", Tipo::Testo, 4);
    for (const char *n : Numeri)
        t.DefinisciCampo(n, Tipo::Testo, 2);
    t.DefinisciCampo("NOTE", Tipo::Testo, 10);
    t.ApriByte(t.ByteNuovaTabella());
    t.Aggiungi();
    t.ImpostaData("DATA", Data{1, 1, 2020});
    t.ImpostaIntero("CONC", 1);
    for (const char *n : Numeri)
        t.ImpostaIntero(n, 5);
    t.Registra();
    t.Chiudi();
    const std::string file = a.dir.percorso("undici.dbf");
    prova::ScriviByte(file, t.Byte());
    try {
        ImportaDBF(a.archivio, file);
        ADD_FAILURE();
    } catch (const Errore &e) {
        EXPECT_STREQ(e.what(), "file di importazione non valido");
    }
    EXPECT_TRUE(a.Intatto());
}

TEST(ScambioDBF, TabelleCheNonSiConvertonoLascianoLArchivio)
{
    ArchivioInCartella a(prova::EstrazioniCasuali(4, 30));
    const auto e = prova::EstrazioniCasuali(5, 6);
    auto raw = [](TDBaseTable &t, const char *campo, const std::string &testo) {
        // Text fields take any text; date fields only valid dates, so write those as bytes.
        t.ImpostaTesto(campo, testo);
    };
    struct Caso {
        const char *nome;
        std::string byte;
        std::vector<std::string> attesi; // parts of the message
    };
    std::vector<Caso> casi;
    casi.push_back({"testo non numerico", TabellaCon(e, [&](TDBaseTable &t, size_t i) {
                        if (i == 3)
                            raw(t, "ES3", "x7");
                    }),
                    {"record 4", "\"ES3\"", "\"x7\" non è un numero intero"}});
    casi.push_back({"valore vuoto", TabellaCon(e, [&](TDBaseTable &t, size_t i) {
                        if (i == 5)
                            t.ImpostaNullo("SST");
                    }),
                    {"record 6", "\"SST\"", "valore mancante"}});
    casi.push_back({"oltre 90", TabellaCon(e, [&](TDBaseTable &t, size_t i) {
                        if (i == 0)
                            raw(t, "ES7", "91");
                    }),
                    {"record 1", "\"ES7\"", "91"}});
    casi.push_back({"negativo", TabellaCon(e, [&](TDBaseTable &t, size_t i) {
                        if (i == 1)
                            raw(t, "ES1", "-1");
                    }),
                    {"record 2", "\"ES1\"", "-1"}});
    casi.push_back({"data vuota", TabellaCon(e, [&](TDBaseTable &t, size_t i) {
                        if (i == 2)
                            t.ImpostaNullo("DATA");
                    }),
                    {"record 3", "\"DATA\"", "data mancante"}});
    std::string dataGuasta = TabellaScambio(e);
    dataGuasta.replace(353 + 29 * 4 + 1, 8, "20230230");
    casi.push_back({"data inesistente", dataGuasta, {"record 5", "\"DATA\"", "20230230"}});
    std::string tagliata = TabellaScambio(e);
    tagliata.resize(353 + 29 * 5 + 12);
    casi.push_back({"troncata in un record", tagliata, {"record 6", "incompleto"}});
    std::string rinominata = TabellaScambio(e);
    rinominata.replace(32 + 32 * 9, 3, "SSX");
    casi.push_back({"campo mancante", rinominata, {"manca il campo \"SST\""}});
    std::string versione = TabellaScambio(e);
    versione[0] = 0x30;
    casi.push_back({"non dBASE III", versione, {"file di importazione non valido", "Invalid file format"}});
    casi.push_back({"senza estrazioni", TabellaScambio({}), {"non contiene estrazioni"}});

    TDBaseTable testo;
    testo.DefinisciCampo("DATA", Tipo::Testo, 8);
    testo.DefinisciCampo("CONC", Tipo::Testo, 4);
    for (const char *n : Numeri)
        testo.DefinisciCampo(n, Tipo::Testo, 2);
    casi.push_back({"DATA di testo", testo.ByteNuovaTabella(), {"\"DATA\" non è un campo data"}});

    TDBaseTable numeri;
    numeri.DefinisciCampo("DATA", Tipo::Data);
    numeri.DefinisciCampo("CONC", Tipo::Numero);
    for (const char *n : Numeri)
        numeri.DefinisciCampo(n, Tipo::Numero);
    numeri.ApriByte(numeri.ByteNuovaTabella());
    numeri.Aggiungi();
    numeri.ImpostaData("DATA", Data{1, 1, 2020});
    numeri.ImpostaNumero("CONC", 70000);
    for (const char *n : Numeri)
        numeri.ImpostaIntero(n, 1);
    numeri.Registra();
    numeri.Chiudi();
    casi.push_back({"concorso oltre 16 bit", numeri.Byte(), {"record 1", "\"CONC\"", "70000"}});

    for (const Caso &c : casi) {
        const std::string file = a.dir.percorso("prova.dbf");
        prova::ScriviByte(file, c.byte);
        std::string messaggio = "nessun errore";
        try {
            ImportaDBF(a.archivio, file);
        } catch (const Errore &err) {
            messaggio = err.what();
        }
        EXPECT_EQ(messaggio.rfind("file di importazione non valido", 0), 0u) << c.nome << ": " << messaggio;
        for (const auto &parte : c.attesi)
            EXPECT_NE(messaggio.find(parte), std::string::npos) << c.nome << ": " << messaggio;
        EXPECT_TRUE(a.Intatto()) << c.nome;
    }
}

TEST(ScambioDBF, ImportazioneTolleranteMaFedele)
{
    const auto e = prova::EstrazioniCasuali(6, 5);
    // "ES3" holding "7 " imports the byte 7; number fields are rounded.
    auto atteso = e;
    atteso[1].numeri.numeri[2] = 7;
    EXPECT_EQ(LeggiEstrazioniScambio(TabellaCon(e, [](TDBaseTable &t, size_t i) {
                  if (i == 1)
                      t.ImpostaTesto("ES3", "7");
              })),
              atteso);

    // Deleted records are left out.
    std::string b = TabellaScambio(e);
    b[353 + 29 * 2] = '*';
    auto senza = e;
    senza.erase(senza.begin() + 2);
    EXPECT_EQ(LeggiEstrazioniScambio(b), senza);

    // No final 0x1A, or a header count below what the file holds: every record.
    std::string senzaFine = TabellaScambio(e);
    senzaFine.pop_back();
    EXPECT_EQ(LeggiEstrazioniScambio(senzaFine), e);
    std::string conteggio = TabellaScambio(e);
    conteggio[4] = 2;
    EXPECT_EQ(LeggiEstrazioniScambio(conteggio), e);

    // Number fields, any field order, lower-case names.
    TDBaseTable t;
    t.DefinisciCampo("sst", Tipo::Numero);
    for (int k = 6; k >= 0; --k)
        t.DefinisciCampo(Numeri[k], Tipo::Numero);
    t.DefinisciCampo("CONC", Tipo::Numero);
    t.DefinisciCampo("DATA", Tipo::Data);
    t.ApriByte(t.ByteNuovaTabella());
    for (const auto &x : e) {
        t.Aggiungi();
        t.ImpostaData("DATA", x.data.data());
        t.ImpostaNumero("CONC", x.data.concorso + 0.4);
        for (size_t k = 0; k < 6; ++k)
            t.ImpostaIntero(Numeri[k], x.numeri.numeri[k]);
        t.ImpostaNumero("ES7", x.numeri.jolly - 0.3);
        t.ImpostaIntero("SST", x.numeri.superstar);
        t.Registra();
    }
    t.Chiudi();
    EXPECT_EQ(LeggiEstrazioniScambio(t.Byte()), e);
}

TEST(ScambioDBF, FileDaImportareInesistente)
{
    ArchivioInCartella a(prova::EstrazioniCasuali(8, 3));
    try {
        ImportaDBF(a.archivio, a.dir.percorso("manca.dbf"));
        ADD_FAILURE();
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("Non esite il file da importare"), std::string::npos);
    }
    EXPECT_TRUE(a.Intatto());
}

// A file cut at a record boundary still has the count of the whole table in its header.
TEST(ScambioDBF, FileTroncatoAFineRecordRifiutatoConIDueConteggi)
{
    const auto e = prova::EstrazioniCasuali(6, 40);
    std::string b = TabellaScambio(e);
    const std::string tagliato = b.substr(0, 353 + 29 * 25);
    try {
        LeggiEstrazioniScambio(tagliato);
        FAIL() << "importato solo in parte";
    } catch (const Errore &err) {
        const std::string m = err.what();
        EXPECT_NE(m.find("40"), std::string::npos) << m;
        EXPECT_NE(m.find("25"), std::string::npos) << m;
        EXPECT_NE(m.find(TestoImportazioneNonValida), std::string::npos) << m;
    }
    // The same with the end-of-data mark put back.
    EXPECT_THROW(LeggiEstrazioniScambio(tagliato + "\x1A"), Errore);
}

TEST(ScambioDBF, LunghezzaDellIntestazioneErrataNominata)
{
    const auto e = prova::EstrazioniCasuali(6, 5);
    for (int delta : {-1, +1, +7}) {
        std::string b = TabellaScambio(e);
        const int hl = 353 + delta;
        b[8] = static_cast<char>(hl & 0xFF);
        b[9] = static_cast<char>(hl >> 8);
        try {
            LeggiEstrazioniScambio(b);
            ADD_FAILURE() << delta;
        } catch (const Errore &err) {
            const std::string m = err.what();
            EXPECT_NE(m.find("lunghezza dell'intestazione"), std::string::npos) << delta << ": " << m;
            EXPECT_EQ(m.find("troncato"), std::string::npos) << delta << ": " << m;
        }
    }
}
