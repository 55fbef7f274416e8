// The exchange table against independent dBASE libraries: Debian's python3-dbfread
// reads what Sestina writes, python3-dbf writes what Sestina imports.
#include "archive/ScambioDBF.h"

#include "app/FileAtomico.h"
#include "app/Testo.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

using namespace sestina;
using namespace sestina::archivio;

namespace {

// The system interpreter: it is the one that sees the Debian packages.
constexpr const char *Python = "/usr/bin/python3";

struct Esito {
    int codice = -1;
    std::string uscita;
    std::string errori;
};

Esito EseguiPython(const prova::CartellaTemporanea &dir, const std::string &script, const std::string &argomenti)
{
    const std::string file = dir.percorso("script.py");
    prova::ScriviByte(file, script);
    const std::string errori = dir.percorso("stderr.txt");
    const std::string comando =
        "PYTHONIOENCODING=utf-8 " + std::string(Python) + " '" + file + "' " + argomenti + " 2>'" + errori + "'";
    Esito e;
    FILE *p = ::popen(comando.c_str(), "r");
    if (!p)
        return e;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        e.uscita.append(buf, n);
    int stato = ::pclose(p);
    e.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    e.errori = EsisteFile(errori) ? LeggiFile(errori) : std::string();
    return e;
}

std::string Riga(const Estrazione &e)
{
    std::string r = Formato("%04d-%02d-%02d;%d", e.data.anno, e.data.mese, e.data.giorno, e.data.concorso);
    for (auto n : e.numeri.numeri)
        r += ";" + std::to_string(n);
    r += ";" + std::to_string(e.numeri.jolly) + ";" + std::to_string(e.numeri.superstar) + "\n";
    return r;
}

const char *LetturaDbfread = R"PY(
import sys
from dbfread import DBF
t = DBF(sys.argv[1], encoding='cp850', char_decode_errors='strict')
print('campi', ' '.join('%s:%s:%d:%d' % (f.name, f.type, f.length, f.decimal_count) for f in t.fields))
print('header', t.header.numrecords, t.header.headerlen, t.header.recordlen)
for r in t:
    print('%s;%s;%s' % (r['DATA'].isoformat(), r['CONC'],
          ';'.join(r[n] for n in ['ES1', 'ES2', 'ES3', 'ES4', 'ES5', 'ES6', 'ES7', 'SST'])))
)PY";

} // namespace

TEST(InteroperabilitaDBF, LeLibrerieDiDebianCiSono)
{
    prova::CartellaTemporanea dir;
    Esito e = EseguiPython(dir, "import dbfread, dbf\nprint('ok')\n", "");
    ASSERT_EQ(e.codice, 0) << "python3-dbfread e python3-dbf servono ai test: " << e.errori;
    EXPECT_EQ(e.uscita, "ok\n");
}

TEST(InteroperabilitaDBF, DbfreadLeggeLaTabellaEsportataDalVeroArchivio)
{
    prova::CartellaTemporanea dir;
    // The real draws, written as the bundled archive is built from them.
    prova::ScriviArchivio(dir.dir(), prova::EstrazioniReali());
    Archivio a(dir.dir());
    const auto tutte = a.LeggiTutte();
    ASSERT_GT(tutte.size(), 4000u);
    const std::string file = PercorsoEsportazione(dir.dir());
    EsportaDBF(a, file, false);

    Esito e = EseguiPython(dir, LetturaDbfread, "'" + file + "'");
    ASSERT_EQ(e.codice, 0) << e.errori;
    std::istringstream righe(e.uscita);
    std::string campi, intestazione;
    std::getline(righe, campi);
    std::getline(righe, intestazione);
    EXPECT_EQ(campi, "campi DATA:D:8:0 CONC:C:4:0 ES1:C:2:0 ES2:C:2:0 ES3:C:2:0 ES4:C:2:0 ES5:C:2:0 ES6:C:2:0 "
                     "ES7:C:2:0 SST:C:2:0");
    EXPECT_EQ(intestazione, "header " + std::to_string(tutte.size()) + " 353 29");
    std::string atteso;
    for (const auto &x : tutte)
        atteso += Riga(x);
    std::string letto((std::istreambuf_iterator<char>(righe)), std::istreambuf_iterator<char>());
    EXPECT_EQ(letto, atteso);
}

TEST(InteroperabilitaDBF, SiImportaUnaTabellaScrittaDaPythonDbf)
{
    // Another field order, number fields for most numbers, lower-case names in
    // the definition, a deleted record and a record with a decimal value.
    const char *scrittura = R"PY(
import sys, datetime, dbf
t = dbf.Table(sys.argv[1],
    'SST N(2,0); es7 C(2); ES6 N(3,0); ES5 N(2,0); ES4 C(2); ES3 N(4,1); ES2 N(2,0); ES1 N(2,0); CONC N(5,0); DATA D',
    dbf_type='db3', codepage='cp850')
t.open(dbf.READ_WRITE)
t.append((0, '12', 88, 65, '46', 29.0, 17, 5, 42, datetime.date(2011, 3, 10)))
t.append((9, '1', 2, 3, '4', 5.0, 6, 7, 99, datetime.date(2011, 3, 12)))
t.append((74, '3', 90, 80, '70', 60.4, 50, 1, 43, datetime.date(2011, 3, 15)))
t.append((1, '2', 3, 4, '5', 6.6, 7, 8, 9999, datetime.date(1997, 12, 3)))
dbf.delete(t[1])
t.close()
)PY";
    prova::CartellaTemporanea dir;
    const std::string file = dir.percorso("altro.dbf");
    Esito e = EseguiPython(dir, scrittura, "'" + file + "'");
    ASSERT_EQ(e.codice, 0) << e.errori;

    Archivio a(dir.dir());
    EXPECT_EQ(ImportaDBF(a, file), 3);
    const std::vector<Estrazione> attese = {
        prova::Estr(10, 3, 2011, 42, {5, 17, 29, 46, 65, 88}, 12, 0),
        prova::Estr(15, 3, 2011, 43, {1, 50, 60, 70, 80, 90}, 3, 74),
        prova::Estr(3, 12, 1997, 9999, {8, 7, 7, 5, 4, 3}, 2, 1),
    };
    EXPECT_EQ(a.LeggiTutte(), attese);
}

TEST(InteroperabilitaDBF, TestoNonAsciiNellaCodificaOem)
{
    prova::CartellaTemporanea dir;
    const std::string nostro = dir.percorso("nostro.dbf");
    {
        TDBaseTable t(nostro);
        t.DefinisciCampo("NOTE", TDBaseTable::Tipo::Testo, 20);
        t.CreaTabella();
        t.Apri();
        t.Aggiungi();
        t.ImpostaTesto("NOTE", "Lunedì città Ñ");
        t.Registra();
        t.Chiudi();
    }
    // dbfread decodes our bytes as CP850, strictly.
    Esito letto = EseguiPython(dir, R"PY(
import sys
from dbfread import DBF
for r in DBF(sys.argv[1], encoding='cp850', char_decode_errors='strict'):
    print(r['NOTE'])
)PY",
                               "'" + nostro + "'");
    ASSERT_EQ(letto.codice, 0) << letto.errori;
    EXPECT_EQ(letto.uscita, "Lunedì città Ñ\n");

    // python3-dbf writes CP850 text that we read back as the same characters.
    const std::string loro = dir.percorso("loro.dbf");
    Esito scritto = EseguiPython(dir, R"PY(
import sys, dbf
t = dbf.Table(sys.argv[1], 'NOTE C(20)', dbf_type='db3', codepage='cp850')
t.open(dbf.READ_WRITE)
t.append(('perché è così ü',))
t.close()
)PY",
                                 "'" + loro + "'");
    ASSERT_EQ(scritto.codice, 0) << scritto.errori;
    TDBaseTable t(loro);
    t.ImpostaSolaLettura(true);
    t.Apri();
    t.Primo();
    ASSERT_FALSE(t.FineDati());
    EXPECT_EQ(t.ComeTesto("NOTE"), "perché è così ü");
    // "é" is 0x82 in CP850: the file really holds the OEM code page.
    EXPECT_NE(LeggiFile(loro).find("perch\x82"), std::string::npos);
}
