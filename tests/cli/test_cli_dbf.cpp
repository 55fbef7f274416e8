#include "cli/Cli.h"

#include "app/FileAtomico.h"
#include "archive/ScambioDBF.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

using namespace sestina;
using namespace sestina::archivio;

namespace {

struct Esecuzione {
    int codice;
    std::string out, err;
};

Esecuzione Cli(const std::string &dir, std::vector<std::string> args)
{
    std::ostringstream out, err;
    int c = cli::EseguiCli(args, out, err, dir);
    return {c, out.str(), err.str()};
}

} // namespace

TEST(CliDbf, EsportaPoiImporta)
{
    prova::CartellaTemporanea programma, esportazione, altro;
    const auto estrazioni = prova::EstrazioniCasuali(11, 40);
    prova::ScriviArchivio(programma.dir(), estrazioni);

    auto r = Cli(programma.dir(), {"esporta-dbf", esportazione.dir()});
    ASSERT_EQ(r.codice, 0) << r.err;
    const std::string file = esportazione.percorso("Enalotto.dbf");
    EXPECT_EQ(LeggiEstrazioniScambio(LeggiFile(file)), estrazioni);

    prova::ScriviArchivio(altro.dir(), prova::EstrazioniCasuali(12, 3));
    r = Cli(altro.dir(), {"importa-dbf", file});
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(r.out, "estrazioni;40;\r\n");
    EXPECT_EQ(LeggiFile(Archivio(altro.dir()).percorsoDate()), LeggiFile(Archivio(programma.dir()).percorsoDate()));
    EXPECT_EQ(LeggiFile(Archivio(altro.dir()).percorsoNumeri()),
              LeggiFile(Archivio(programma.dir()).percorsoNumeri()));
}

TEST(CliDbf, EsportaNonSovrascriveSenzaOpzione)
{
    prova::CartellaTemporanea programma, esportazione;
    prova::ScriviArchivio(programma.dir(), prova::EstrazioniCasuali(13, 5));
    const std::string file = esportazione.percorso("Enalotto.dbf");
    prova::ScriviByte(file, "di un altro");

    auto r = Cli(programma.dir(), {"esporta-dbf", esportazione.dir()});
    EXPECT_EQ(r.codice, 1);
    EXPECT_NE(r.err.find("esiste già"), std::string::npos) << r.err;
    EXPECT_EQ(LeggiFile(file), "di un altro");

    r = Cli(programma.dir(), {"esporta-dbf", esportazione.dir(), "--sovrascrivi"});
    EXPECT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(LeggiEstrazioniScambio(LeggiFile(file)).size(), 5u);
}

TEST(CliDbf, ErroriDiUsoEDiImportazione)
{
    prova::CartellaTemporanea programma;
    prova::ScriviArchivio(programma.dir(), prova::EstrazioniCasuali(14, 8));
    const Archivio a(programma.dir());
    const std::string date = LeggiFile(a.percorsoDate());

    struct Caso {
        std::vector<std::string> args;
        int codice;
        std::string errore;
    };
    std::string guasto = TabellaScambio(prova::EstrazioniCasuali(15, 4));
    guasto.resize(guasto.size() - 10); // cut inside the last record
    prova::ScriviByte(programma.percorso("guasto.dbf"), guasto);
    const std::vector<Caso> casi = {
        {{"esporta-dbf"}, 2, "manca la cartella di esportazione"},
        {{"importa-dbf"}, 2, "manca il file DBF da importare"},
        {{"importa-dbf", programma.percorso("x.dbf"), "--forza"}, 2, "opzione sconosciuta --forza"},
        {{"importa-dbf", programma.percorso("x.dbf")}, 1, "Non esite il file da importare"},
        {{"importa-dbf", programma.percorso("guasto.dbf")}, 1, "il record 4 è incompleto"},
        {{"esporta-dbf", programma.percorso("manca/")}, 1, "Errore di I/O"},
    };
    for (const Caso &c : casi) {
        auto r = Cli(programma.dir(), c.args);
        EXPECT_EQ(r.codice, c.codice) << c.args[0] << ": " << r.err;
        EXPECT_NE(r.err.find(c.errore), std::string::npos) << r.err;
    }
    EXPECT_EQ(LeggiFile(a.percorsoDate()), date);
}

TEST(CliDbf, IlProgrammaVeroEsceConUno)
{
    prova::CartellaTemporanea programma;
    prova::ScriviArchivio(programma.dir(), prova::EstrazioniCasuali(16, 3));
    prova::ScriviByte(programma.percorso("rotto.dbf"), "non una tabella");
    const std::string comando = std::string(SESTINA_CLI) + " --dir '" + programma.dir() + "' importa-dbf '" +
                                programma.percorso("rotto.dbf") + "' 2>'" + programma.percorso("err.txt") + "'";
    int stato = std::system(comando.c_str());
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 1);
    EXPECT_EQ(LeggiFile(programma.percorso("err.txt")),
              "file di importazione non valido: DBF file header is incorrect; l'archivio non è stato modificato\n");

    const std::string esporta = std::string(SESTINA_CLI) + " --dir '" + programma.dir() + "' esporta-dbf '" +
                                programma.dir() + "' 2>/dev/null";
    stato = std::system(esporta.c_str());
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0);
    EXPECT_EQ(LeggiEstrazioniScambio(LeggiFile(programma.percorso("Enalotto.dbf"))),
              Archivio(programma.dir()).LeggiTutte());
}
