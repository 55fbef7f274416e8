// The command line never loses the archive or the settings: empty or shrinking
// imports, exports over the program's own files, huge inputs, lack of memory.
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "archive/ArchivioCSV.h"
#include "archive/ScambioDBF.h"
#include "cli/Cli.h"
#include "support/ArchivioProva.h"
#include "support/CliProva.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <stdexcept>

using namespace sestina;

namespace {

// Commands that fail the way a runaway allocation or a library would.
const cli::Registrazione
    memoria({"prova-memoria", "prova-memoria", {}, [](const cli::Argomenti &, cli::Contesto &) -> int {
                 throw std::bad_alloc();
             }});
const cli::Registrazione
    imprevisto({"prova-imprevisto", "prova-imprevisto", {}, [](const cli::Argomenti &, cli::Contesto &) -> int {
                    throw std::length_error("basic_string::_M_create");
                }});

class CliDatiSicuri : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = prova::EstrazioniCasuali(11, 40);
        prova::ScriviArchivio(t.dir(), estrazioni);
        date = prova::LeggiByte(t.percorso("ggmeanno1.cxz"));
        numeri = prova::LeggiByte(t.percorso("Superena.cxz"));
    }
    bool intatto() const
    {
        return prova::LeggiByte(t.percorso("ggmeanno1.cxz")) == date &&
               prova::LeggiByte(t.percorso("Superena.cxz")) == numeri;
    }
    prova::Esito Esegui(std::vector<std::string> args) { return prova::EseguiCli(t.dir(), std::move(args)); }

    prova::CartellaTemporanea t, fuori;
    std::vector<archivio::Estrazione> estrazioni;
    std::string date, numeri;
};

const std::string Intestazione = "data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar\r\n";

} // namespace

TEST_F(CliDatiSicuri, UnCSVSenzaEstrazioniVieneRifiutato)
{
    for (const std::string &testo : {Intestazione, Intestazione + "\r\n\r\n  \r\n", std::string("\r\n\r\n")}) {
        const std::string csv = fuori.percorso("vuoto.csv");
        prova::ScriviByte(csv, testo);
        auto e = Esegui({"importa-csv", csv, "--sostituisci"});
        EXPECT_EQ(e.stato, 1) << testo;
        EXPECT_NE(e.err.find("non contiene estrazioni"), std::string::npos) << e.err;
        EXPECT_TRUE(intatto());
    }
}

TEST_F(CliDatiSicuri, UnImportazioneCheRiduceLArchivioVuoleSostituisci)
{
    const auto poche = prova::EstrazioniCasuali(12, 5);
    const std::string csv = fuori.percorso("poche.csv");
    prova::ScriviByte(csv, archivio::ScriviArchivioCSV(poche));
    const std::string dbf = fuori.percorso("poche.dbf");
    prova::ScriviByte(dbf, archivio::TabellaScambio(poche));
    for (const auto &[comando, file] : {std::pair{"importa-csv", csv}, std::pair{"importa-dbf", dbf}}) {
        auto e = Esegui({comando, file});
        EXPECT_EQ(e.stato, 1) << comando;
        EXPECT_NE(e.err.find("da 40 a 5 estrazioni"), std::string::npos) << e.err;
        EXPECT_NE(e.err.find("--sostituisci"), std::string::npos) << e.err;
        EXPECT_TRUE(intatto()) << comando;
    }
    // A few draws less (a corrected file) need no option.
    const auto quasi = std::vector<archivio::Estrazione>(estrazioni.begin(), estrazioni.begin() + 37);
    prova::ScriviByte(csv, archivio::ScriviArchivioCSV(quasi));
    EXPECT_EQ(Esegui({"importa-csv", csv}).stato, 0);
    EXPECT_EQ(archivio::Archivio(t.dir()).LeggiTutte(), quasi);
    auto e = Esegui({"importa-dbf", dbf, "--sostituisci"});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(archivio::Archivio(t.dir()).LeggiTutte(), poche);
}

TEST_F(CliDatiSicuri, EsportaCSVNonScriveSuiFileDelProgramma)
{
    prova::ScriviByte(t.percorso("Utente.DAT"), "Mario\r\n");
    for (const char *nome : {"ggmeanno1.cxz", "Superena.cxz", "Utente.DAT", "ImportiVincite.DAT", "Datipvt.DAT",
                             "GiorniEstrazione1.DAT"}) {
        const std::string percorso = t.percorso(nome);
        const bool cera = std::filesystem::exists(percorso);
        const std::string prima = cera ? prova::LeggiByte(percorso) : "";
        for (const std::string &via : {percorso, t.dir() + "./" + nome}) {
            auto e = Esegui({"esporta-csv", via, "--sovrascrivi"});
            EXPECT_EQ(e.stato, 1) << via;
            EXPECT_NE(e.err.find("file dell'archivio o delle impostazioni"), std::string::npos) << e.err;
        }
        EXPECT_EQ(std::filesystem::exists(percorso), cera) << nome;
        if (cera) {
            EXPECT_EQ(prova::LeggiByte(percorso), prima) << nome;
        }
    }
    EXPECT_TRUE(intatto());
    // Another file that exists needs --sovrascrivi.
    const std::string altro = fuori.percorso("mio.csv");
    prova::ScriviByte(altro, "mio");
    auto e = Esegui({"esporta-csv", altro});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("--sovrascrivi"), std::string::npos) << e.err;
    EXPECT_EQ(prova::LeggiByte(altro), "mio");
    EXPECT_EQ(Esegui({"esporta-csv", altro, "--sovrascrivi"}).stato, 0);
    EXPECT_EQ(archivio::LeggiFileArchivioCSV(altro), estrazioni);
}

TEST_F(CliDatiSicuri, IngressiEnormiRifiutatiPrimaDiLeggerli)
{
    const std::string grande = fuori.percorso("grande.csv");
    prova::ScriviByte(grande, Intestazione);
    std::filesystem::resize_file(grande, 1024ull * 1024 * 1024); // sparse: no disk used
    for (const char *comando : {"importa-csv", "importa-dbf"}) {
        for (const std::string &file : {grande, std::string("/dev/zero")}) {
            auto e = Esegui({comando, file, "--sostituisci"});
            EXPECT_EQ(e.stato, 1) << comando << " " << file;
            EXPECT_TRUE(e.err.find("troppo grande") != std::string::npos ||
                        e.err.find("non è un file normale") != std::string::npos)
                << e.err;
            EXPECT_TRUE(intatto());
        }
    }
}

TEST_F(CliDatiSicuri, MemoriaEsauritaEdErroriImprevistiEsconoConUno)
{
    auto m = Esegui({"prova-memoria"});
    EXPECT_EQ(m.stato, 1);
    EXPECT_EQ(m.err, std::string(cli::MessaggioMemoriaEsaurita) + "\n");
    auto i = Esegui({"prova-imprevisto"});
    EXPECT_EQ(i.stato, 1);
    EXPECT_EQ(i.err, "Errore imprevisto: basic_string::_M_create\n");
}

TEST_F(CliDatiSicuri, CSVConByteOrderMark)
{
    const std::string csv = fuori.percorso("bom.csv");
    prova::ScriviByte(csv, "\xEF\xBB\xBF" + archivio::ScriviArchivioCSV(estrazioni));
    prova::CartellaTemporanea altra;
    auto e = prova::EseguiCli(altra.dir(), {"importa-csv", csv});
    EXPECT_EQ(e.stato, 0) << e.err;
    EXPECT_EQ(archivio::Archivio(altra.dir()).LeggiTutte(), estrazioni);
}

TEST_F(CliDatiSicuri, UnaDataConAnnoZeroVieneNominata)
{
    auto rotte = estrazioni;
    rotte[39].data.anno = 0;
    prova::ScriviArchivio(t.dir(), rotte);
    auto e = Esegui({"stat", "Numeri"});
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.err.find("N. 40"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find(std::to_string(rotte[39].data.giorno) + "/" + std::to_string(rotte[39].data.mese) + "/0"),
              std::string::npos)
        << e.err;
}

TEST_F(CliDatiSicuri, UnaModificaInterrottaVieneRipristinataAllAvvio)
{
    // The program stopped after appending the date, before the numbers.
    int contate = 0;
    ImpostaOsservatoreFile([&](OperazioneFile, const std::string &) {
        if (++contate >= 4)
            throw 0;
    });
    try {
        archivio::Archivio(t.dir()).Scrivi(40, prova::Estr(1, 1, 2030, 1, {1, 2, 3, 4, 5, 6}, 7, 8));
    } catch (int) {
    }
    ImpostaOsservatoreFile({});
    ASSERT_FALSE(intatto());
    auto e = Esegui({"info"});
    EXPECT_EQ(e.stato, 0);
    EXPECT_NE(e.err.find("annullata"), std::string::npos) << e.err;
    EXPECT_EQ(e.out.substr(0, 15), "estrazioni;40;\r");
    EXPECT_TRUE(intatto());
    EXPECT_EQ(Esegui({"info"}).err, "");
}
