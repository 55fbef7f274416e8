#include "archive/DBaseTable.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace sestina;
using namespace sestina::archivio;
using Tipo = TDBaseTable::Tipo;

namespace {

void DefinisciScambio(TDBaseTable &t)
{
    t.DefinisciCampo("DATA", Tipo::Data);
    t.DefinisciCampo("CONC", Tipo::Testo, 4);
    for (const char *n : {"ES1", "ES2", "ES3", "ES4", "ES5", "ES6", "ES7"})
        t.DefinisciCampo(n, Tipo::Testo, 2);
    t.DefinisciCampo("SST", Tipo::Testo, 2);
}

unsigned U8(const std::string &b, size_t i) { return static_cast<unsigned char>(b[i]); }
unsigned U16(const std::string &b, size_t i) { return U8(b, i) | (U8(b, i + 1) << 8); }
unsigned U32(const std::string &b, size_t i) { return U16(b, i) | (U16(b, i + 2) << 16); }

void Metti16(std::string &b, size_t i, unsigned v)
{
    b[i] = static_cast<char>(v & 0xFF);
    b[i + 1] = static_cast<char>(v >> 8);
}

Data Oggi()
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return Data{tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
}

// A small table: a date, a text of 6 and a number field, with the given rows.
std::string TabellaPiccola(const std::vector<std::tuple<Data, std::string, double>> &righe)
{
    TDBaseTable t;
    t.DefinisciCampo("GIORNO", Tipo::Data);
    t.DefinisciCampo("NOME", Tipo::Testo, 6);
    t.DefinisciCampo("VALORE", Tipo::Numero);
    t.ApriByte(t.ByteNuovaTabella());
    for (const auto &[d, nome, v] : righe) {
        t.Aggiungi();
        t.ImpostaData("GIORNO", d);
        t.ImpostaTesto("NOME", nome);
        t.ImpostaNumero("VALORE", v);
        t.Registra();
    }
    t.Chiudi();
    return t.Byte();
}

std::vector<std::string> NomiAvanti(TDBaseTable &t)
{
    std::vector<std::string> out;
    for (t.Primo(); !t.FineDati(); t.Successivo())
        out.push_back(t.ComeTesto("NOME"));
    return out;
}

std::vector<std::string> NomiIndietro(TDBaseTable &t)
{
    std::vector<std::string> out;
    for (t.Ultimo(); !t.InizioDati(); t.Precedente()) {
        out.push_back(t.ComeTesto("NOME"));
    }
    return out;
}

} // namespace

TEST(DBaseTable, NuovaTabellaDelloScambio)
{
    TDBaseTable t;
    DefinisciScambio(t);
    t.ImpostaDataAggiornamento(Data{10, 3, 2011});
    std::string b = t.ByteNuovaTabella();
    ASSERT_EQ(b.size(), 354u);
    EXPECT_EQ(U8(b, 0), 3u);
    EXPECT_EQ(U8(b, 1), 111u);
    EXPECT_EQ(U8(b, 2), 3u);
    EXPECT_EQ(U8(b, 3), 10u);
    EXPECT_EQ(U32(b, 4), 0u);
    EXPECT_EQ(U16(b, 8), 353u);
    EXPECT_EQ(U16(b, 10), 29u);
    EXPECT_EQ(U8(b, 29), 0x26u);
    EXPECT_EQ(U8(b, 352), 0x0Du);
    EXPECT_EQ(U8(b, 353), 0x1Au);
    for (size_t i : {12u, 20u, 28u, 30u, 31u})
        EXPECT_EQ(U8(b, i), 0u) << i;
    // Descriptors: name padded with zeros, letter, zero offset, length, decimals.
    EXPECT_EQ(b.substr(32, 11), std::string("DATA\0\0\0\0\0\0\0", 11));
    EXPECT_EQ(b[32 + 11], 'D');
    EXPECT_EQ(U32(b, 32 + 12), 0u);
    EXPECT_EQ(U8(b, 32 + 16), 8u);
    EXPECT_EQ(b.substr(64, 4), "CONC");
    EXPECT_EQ(b[64 + 11], 'C');
    EXPECT_EQ(U8(b, 64 + 16), 4u);
    EXPECT_EQ(b.substr(32 * 10, 3), "SST");
    EXPECT_EQ(U8(b, 32 * 10 + 16), 2u);

    t.ApriByte(b);
    EXPECT_EQ(t.NumeroCampi(), 10);
    EXPECT_EQ(t.LunghezzaIntestazione(), 353);
    EXPECT_EQ(t.LunghezzaRecord(), 29);
    EXPECT_EQ(t.ContaRecord(), 0u);
    t.Primo();
    EXPECT_TRUE(t.FineDati());
}

TEST(DBaseTable, CampoNumeroQuindiciConQuattroDecimali)
{
    TDBaseTable t;
    t.DefinisciCampo("V", Tipo::Numero);
    t.ApriByte(t.ByteNuovaTabella());
    EXPECT_EQ(t.Campi()[0].lettera, 'N');
    EXPECT_EQ(t.Campi()[0].lunghezza, 15);
    EXPECT_EQ(t.Campi()[0].decimali, 4);
    struct Caso {
        double v;
        const char *testo;
    };
    for (const Caso &c : {Caso{12, "        12.0000"}, Caso{-3.5, "        -3.5000"}, Caso{0.00004, "         0.0000"},
                          Caso{1234567890.1234, "1234567890.1234"}}) {
        t.Aggiungi();
        t.ImpostaNumero("V", c.v);
        t.Registra();
        EXPECT_EQ(t.Byte().substr(t.Byte().size() - 16, 15), c.testo) << c.v;
    }
    // Sixteen characters would not fit: refused, not cut into a different number.
    t.Aggiungi();
    EXPECT_THROW(t.ImpostaNumero("V", 12345678901.5), Errore);
}

TEST(DBaseTable, DueRecordAggiuntiEChiusura)
{
    const Data prima = Oggi();
    TDBaseTable t;
    DefinisciScambio(t);
    t.ApriByte(t.ByteNuovaTabella());
    for (int i = 0; i < 2; ++i) {
        t.Aggiungi();
        t.ImpostaData("DATA", Data{10 + i, 3, 2011});
        t.ImpostaIntero("CONC", 42 + i);
        t.ImpostaIntero("ES1", 7);
        t.ImpostaTesto("SST", "90");
        t.Registra();
        EXPECT_TRUE(t.FineDati()); // the position rests on the new 0x1A
    }
    t.Chiudi();
    const Data dopo = Oggi();
    const std::string &b = t.Byte();
    ASSERT_EQ(b.size(), 412u);
    EXPECT_EQ(U32(b, 4), 2u);
    EXPECT_EQ(U8(b, 411), 0x1Au);
    EXPECT_EQ(b.substr(353, 29), std::string(" 20110310") + "42  " + "7 " + std::string(12, ' ') + "90");
    EXPECT_EQ(b.substr(382, 14), " 2011031143  7");
    Data intestazione{static_cast<int>(U8(b, 3)), static_cast<int>(U8(b, 2)), static_cast<int>(U8(b, 1)) + 1900};
    EXPECT_TRUE(intestazione == prima || intestazione == dopo);
}

TEST(DBaseTable, ValoriLettiDaiCampi)
{
    TDBaseTable t;
    t.DefinisciCampo("D", Tipo::Data);
    t.DefinisciCampo("T", Tipo::Testo, 2);
    t.DefinisciCampo("N", Tipo::Numero);
    t.ApriByte(t.ByteNuovaTabella());
    t.Aggiungi();
    t.Registra(); // every field null
    t.Primo();
    EXPECT_EQ(t.ComeData("D"), std::nullopt);
    EXPECT_EQ(t.ComeNumero("N"), std::nullopt);
    EXPECT_EQ(t.ComeIntero("T"), std::nullopt);
    EXPECT_EQ(t.ComeTesto("T"), "");
    EXPECT_TRUE(t.Nullo("D"));

    // Raw record bytes as another program may have written them.
    auto record = [](std::string d, std::string testo, std::string n) {
        return " " + d + testo + std::string(15 - n.size(), ' ') + n;
    };
    struct Caso {
        std::string record;
        std::optional<Data> data;
        std::string testo;
        std::optional<long long> intero;
        std::optional<double> numero;
    };
    const std::vector<Caso> casi = {
        {record("20110310", "7 ", "12.0000"), Data{10, 3, 2011}, "7", 7, 12.0},
        {record("        ", " 7", "7.5"), std::nullopt, " 7", 7, 7.5},
        {record("19991231", "-3", "-6.4999"), Data{31, 12, 1999}, "-3", -3, -6.4999},
    };
    const size_t hl = static_cast<size_t>(t.LunghezzaIntestazione());
    for (const Caso &c : casi) {
        ASSERT_EQ(c.record.size(), 26u);
        std::string b = t.Byte();
        b.replace(hl, c.record.size(), c.record);
        t.ApriByte(b);
        t.Primo();
        ASSERT_FALSE(t.FineDati());
        EXPECT_EQ(t.ComeData("D"), c.data) << c.record;
        EXPECT_EQ(t.ComeTesto("T"), c.testo) << c.record;
        EXPECT_EQ(t.ComeIntero("T"), c.intero) << c.record;
        EXPECT_EQ(t.ComeNumero("N"), c.numero) << c.record;
    }
    // Number fields round to the nearest integer.
    EXPECT_EQ(t.ComeIntero("N"), -6);
    std::string b = t.Byte();
    b.replace(hl + static_cast<size_t>(t.Campi()[2].offset), 15, "            7.5");
    t.ApriByte(b);
    t.Primo();
    EXPECT_EQ(t.ComeIntero("N"), 8);
}

TEST(DBaseTable, ConversioniSbagliate)
{
    TDBaseTable t;
    t.DefinisciCampo("D", Tipo::Data);
    t.DefinisciCampo("T", Tipo::Testo, 2);
    t.DefinisciCampo("N", Tipo::Numero);
    std::string vuota = t.ByteNuovaTabella();
    struct Caso {
        std::string record;
        const char *campo;
        std::string messaggio;
    };
    const std::vector<Caso> casi = {
        {" 20111332", "D", "'20111332' is not a valid date"},
        {" 2011 310", "D", "'2011 310' is not a valid date"},
        {"         x7", "T", "'x7' is not a valid integer value"},
        {"           1,5            ", "N", "'1,5' is not a valid floating point value"},
    };
    for (const Caso &c : casi) {
        std::string b = vuota;
        std::string record(26, ' ');
        record.replace(0, c.record.size(), c.record);
        b.insert(b.size() - 1, record);
        Metti16(b, 4, 1);
        t.ApriByte(b);
        t.Primo();
        ASSERT_FALSE(t.FineDati());
        try {
            if (std::string(c.campo) == "D")
                (void)t.ComeData(c.campo);
            else if (std::string(c.campo) == "T")
                (void)t.ComeIntero(c.campo);
            else
                (void)t.ComeNumero(c.campo);
            ADD_FAILURE() << c.record;
        } catch (const Errore &e) {
            EXPECT_EQ(e.what(), c.messaggio);
        }
    }
}

TEST(DBaseTable, RecordEliminatiSaltati)
{
    const std::string b = TabellaPiccola({{Data{1, 1, 2020}, "uno", 1},
                                          {Data{2, 1, 2020}, "due", 2},
                                          {Data{3, 1, 2020}, "tre", 3},
                                          {Data{4, 1, 2020}, "quattro", 4}});
    // Cut to the field's length, never into the next field.
    TDBaseTable t;
    t.ApriByte(b);
    EXPECT_EQ(NomiAvanti(t), (std::vector<std::string>{"uno", "due", "tre", "quattr"}));
    t.Ultimo();
    EXPECT_EQ(t.ComeTesto("NOME"), "quattr");

    // A "*" in the first byte, on the first, a middle and the last record.
    std::string c = b;
    const size_t hl = static_cast<size_t>(t.LunghezzaIntestazione()), rl = static_cast<size_t>(t.LunghezzaRecord());
    c[hl] = '*';
    c[hl + 2 * rl] = '*';
    t.ApriByte(c);
    EXPECT_EQ(NomiAvanti(t), (std::vector<std::string>{"due", "quattr"}));
    EXPECT_EQ(NomiIndietro(t), (std::vector<std::string>{"quattr", "due"}));
    c[hl + 3 * rl] = '*';
    t.ApriByte(c);
    EXPECT_EQ(NomiIndietro(t), (std::vector<std::string>{"due"}));
    c[hl + rl] = '*';
    t.ApriByte(c);
    t.Primo();
    EXPECT_TRUE(t.FineDati());
    EXPECT_EQ(t.ContaRecord(), 4u); // deleted records still count in the header

    // Delete through the table.
    t.ApriByte(b);
    t.Primo();
    t.Successivo();
    t.Elimina();
    t.Chiudi();
    EXPECT_EQ(t.Byte()[hl + rl], '*');
    t.ApriByte(t.Byte());
    EXPECT_EQ(NomiAvanti(t), (std::vector<std::string>{"uno", "tre", "quattr"}));
}

TEST(DBaseTable, ModificaDiUnRecord)
{
    TDBaseTable t;
    t.ApriByte(TabellaPiccola({{Data{1, 1, 2020}, "uno", 1}, {Data{2, 1, 2020}, "due", 2}}));
    t.Ultimo();
    t.Modifica();
    t.ImpostaTesto("NOME", "DUE");
    t.ImpostaNullo("VALORE");
    t.Registra();
    t.Chiudi();
    t.ApriByte(t.Byte());
    EXPECT_EQ(NomiAvanti(t), (std::vector<std::string>{"uno", "DUE"}));
    t.Ultimo();
    EXPECT_EQ(t.ComeNumero("VALORE"), std::nullopt);
    EXPECT_EQ(t.ContaRecord(), 2u);
}

TEST(DBaseTable, TestoNellaCodificaOem)
{
    TDBaseTable t;
    t.ApriByte(TabellaPiccola({{Data{1, 1, 2020}, "Città", 1}}));
    t.Primo();
    EXPECT_EQ(t.ComeTesto("NOME"), "Città");
    // "à" is 0x85 in CP850 (0xE0 in Windows-1252).
    const size_t inizio = static_cast<size_t>(t.LunghezzaIntestazione() + t.Campi()[1].offset);
    EXPECT_EQ(t.Byte().substr(inizio, 6), "Citt\x85 ");
}

TEST(DBaseTable, FineDatiMancanteOConteggioSbagliato)
{
    const std::string b = TabellaPiccola({{Data{1, 1, 2020}, "uno", 1}, {Data{2, 1, 2020}, "due", 2}});
    TDBaseTable t;
    t.ApriByte(b);
    const size_t hl = static_cast<size_t>(t.LunghezzaIntestazione()), rl = static_cast<size_t>(t.LunghezzaRecord());
    const std::vector<std::string> due{"uno", "due"};

    std::string senzaFine = b.substr(0, b.size() - 1);
    t.ApriByte(senzaFine);
    EXPECT_EQ(NomiAvanti(t), due);
    EXPECT_EQ(NomiIndietro(t), (std::vector<std::string>{"due", "uno"}));
    EXPECT_FALSE(t.CodaIncompleta());

    std::string conteggioAlto = b;
    Metti16(conteggioAlto, 4, 9);
    t.ApriByte(conteggioAlto);
    EXPECT_EQ(NomiAvanti(t), due);
    EXPECT_EQ(t.RecordPresenti(), 2);

    std::string conteggioBasso = b;
    Metti16(conteggioBasso, 4, 1);
    t.ApriByte(conteggioBasso);
    EXPECT_EQ(NomiAvanti(t), due);

    // Cut inside the second record: only the first is whole.
    std::string tagliato = b.substr(0, hl + rl + 5);
    t.ApriByte(tagliato);
    EXPECT_TRUE(t.CodaIncompleta());
    EXPECT_EQ(t.RecordPresenti(), 1);
    EXPECT_EQ(NomiAvanti(t), (std::vector<std::string>{"uno"}));

    // Appending to a table without its 0x1A puts the terminator back.
    t.ApriByte(senzaFine);
    t.Aggiungi();
    t.ImpostaTesto("NOME", "tre");
    t.Registra();
    t.Chiudi();
    EXPECT_EQ(t.Byte().size(), b.size() + rl);
    EXPECT_EQ(U8(t.Byte(), t.Byte().size() - 1), 0x1Au);
    EXPECT_EQ(U32(t.Byte(), 4), 3u);
}

TEST(DBaseTable, IntestazioniNonValide)
{
    TDBaseTable modello;
    modello.DefinisciCampo("NOME", Tipo::Testo, 5);
    modello.DefinisciCampo("FLAG", Tipo::Testo, 1);
    const std::string b = modello.ByteNuovaTabella();
    struct Caso {
        const char *nome;
        std::string byte;
        std::string messaggio;
    };
    std::vector<Caso> casi;
    casi.push_back({"corta", b.substr(0, 31), "DBF file header is incorrect"});
    casi.push_back({"vuota", std::string(), "DBF file header is incorrect"});
    std::string v = b;
    v[0] = 0x30;
    casi.push_back({"versione 0x30", v, "Invalid file format"});
    std::string h = b;
    Metti16(h, 8, 32);
    casi.push_back({"intestazione di 32", h, "File corrupted"});
    casi.push_back({"descrittori troncati", b.substr(0, 70), "File corrupted"});
    std::string r = b;
    Metti16(r, 10, 8);
    casi.push_back({"lunghezza record", r, "File corrupted"});
    std::string l = b;
    l[64 + 11] = 'L';
    casi.push_back({"tipo L", l, "Field type not supported in field \"FLAG\""});
    std::string m = b;
    m[32 + 11] = 'M';
    casi.push_back({"tipo M", m, "Field type not supported in field \"NOME\""});
    for (const Caso &c : casi) {
        TDBaseTable t;
        try {
            t.ApriByte(c.byte);
            ADD_FAILURE() << c.nome;
        } catch (const Errore &e) {
            EXPECT_EQ(e.what(), c.messaggio) << c.nome;
        }
        EXPECT_FALSE(t.Aperta()) << c.nome;
    }
    // "F" is read as a number field.
    std::string f = b;
    f[64 + 11] = 'F';
    TDBaseTable t;
    t.ApriByte(f);
    EXPECT_EQ(t.Campi()[1].tipo, Tipo::Numero);
}

TEST(DBaseTable, DefinizioniRifiutate)
{
    struct Caso {
        const char *nome;
        Tipo tipo;
        int dimensione;
        std::string messaggio;
    };
    const std::vector<Caso> casi = {
        {"ATTIVO", Tipo::Logico, 1, "Field type not supported in field \"ATTIVO\""},
        {"NOTE", Tipo::Memo, 10, "Field type not supported in field \"NOTE\""},
        {"NOMELUNGO123", Tipo::Testo, 4, "Field name too big in field \"NOMELUNGO123\""},
    };
    for (const Caso &c : casi) {
        TDBaseTable t;
        t.DefinisciCampo("DATA", Tipo::Data);
        t.DefinisciCampo(c.nome, c.tipo, c.dimensione);
        try {
            (void)t.ByteNuovaTabella();
            ADD_FAILURE() << c.nome;
        } catch (const Errore &e) {
            EXPECT_EQ(e.what(), c.messaggio);
        }
    }
    TDBaseTable undici;
    undici.DefinisciCampo("NOMELUNGO12", Tipo::Testo, 3);
    EXPECT_EQ(undici.ByteNuovaTabella().substr(32, 11), "NOMELUNGO12");
}

TEST(DBaseTable, StatoDiModificaESolaLettura)
{
    auto messaggio = [](auto &&f) {
        try {
            f();
        } catch (const Errore &e) {
            return std::string(e.what());
        }
        return std::string("nessun errore");
    };
    const std::string b = TabellaPiccola({{Data{1, 1, 2020}, "uno", 1}});
    TDBaseTable t;
    t.ApriByte(b);
    t.Primo();
    EXPECT_EQ(messaggio([&] { t.ImpostaTesto("NOME", "x"); }), "DataSet not in update state");
    EXPECT_EQ(messaggio([&] { t.Registra(); }), "DataSet not in update state");
    EXPECT_EQ(messaggio([&] { (void)t.ComeTesto("ALTRO"); }), "Field 'ALTRO' not found");
    EXPECT_EQ(t.ComeTesto("nome"), "uno"); // names are found whatever their case
    t.Chiudi();

    TDBaseTable sola;
    sola.ImpostaSolaLettura(true);
    sola.ApriByte(b);
    sola.Primo();
    EXPECT_EQ(messaggio([&] { sola.ImpostaTesto("NOME", "x"); }), "Field \"NOME\" is read only");
    EXPECT_EQ(messaggio([&] { sola.Aggiungi(); }), "La tabella è di sola lettura");
    EXPECT_EQ(messaggio([&] { sola.Elimina(); }), "La tabella è di sola lettura");
    EXPECT_THROW(sola.ImpostaSolaLettura(false), Errore); // only while closed
    sola.Chiudi();
    EXPECT_EQ(sola.Byte(), b);
    sola.ImpostaSolaLettura(false);
    EXPECT_FALSE(sola.SolaLettura());
}

TEST(DBaseTable, Segnalibri)
{
    TDBaseTable t;
    t.ApriByte(TabellaPiccola({{Data{1, 1, 2020}, "uno", 1}, {Data{2, 1, 2020}, "due", 2}}));
    t.Primo();
    t.Successivo();
    auto s = t.PrendiSegnalibro();
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(s.data()), 16), std::string("TDBaseTable\0\0\0\0\0", 16));
    const unsigned offset = s[16] | (s[17] << 8) | (s[18] << 16) | (static_cast<unsigned>(s[19]) << 24);
    EXPECT_EQ(offset, static_cast<unsigned>(t.LunghezzaIntestazione() + t.LunghezzaRecord()));
    t.Primo();
    EXPECT_FALSE(TDBaseTable::SegnalibriUguali(s, t.PrendiSegnalibro()));
    t.VaiASegnalibro(s);
    EXPECT_EQ(t.ComeTesto("NOME"), "due");
    EXPECT_TRUE(TDBaseTable::SegnalibriUguali(s, t.PrendiSegnalibro()));
    auto guasto = s;
    guasto[0] = 'X';
    EXPECT_FALSE(TDBaseTable::SegnalibroValido(guasto));
    EXPECT_FALSE(TDBaseTable::SegnalibriUguali(guasto, guasto));
    EXPECT_THROW(t.VaiASegnalibro(guasto), Errore);
}

TEST(DBaseTable, SuFile)
{
    prova::CartellaTemporanea dir;
    const std::string file = dir.percorso("prova.dbf");
    TDBaseTable vuoto;
    EXPECT_THROW(vuoto.Apri(), Errore);
    try {
        vuoto.CreaTabella();
        ADD_FAILURE();
    } catch (const Errore &e) {
        EXPECT_STREQ(e.what(), "Table name is blank");
    }

    TDBaseTable t(file);
    DefinisciScambio(t);
    t.CreaTabella();
    EXPECT_EQ(LeggiFile(file).size(), 354u);
    EXPECT_THROW(t.CreaTabella(), Errore); // the file already exists
    t.Apri();
    t.Aggiungi();
    t.ImpostaData("DATA", Data{10, 3, 2011});
    t.ImpostaIntero("CONC", 42);
    t.Registra();
    EXPECT_EQ(LeggiFile(file).size(), 354u); // written when the table is closed
    t.Chiudi();
    const std::string b = LeggiFile(file);
    ASSERT_EQ(b.size(), 354u + 29u);
    EXPECT_EQ(U32(b, 4), 1u);

    TDBaseTable r(file);
    r.Apri();
    r.Primo();
    EXPECT_EQ(r.ComeData("DATA"), (Data{10, 3, 2011}));
    EXPECT_EQ(r.ComeIntero("CONC"), 42);
    r.Chiudi();
    EXPECT_EQ(LeggiFile(file), b); // nothing changed, nothing rewritten

    TDBaseTable mancante(dir.percorso("non-esiste.dbf"));
    EXPECT_THROW(mancante.Apri(), Errore);
}
