#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "archive/Archivio.h"
#include "archive/RecordFile.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace sestina;
using namespace sestina::archivio;

TEST(Edizione, TabelleDiQuestaEdizione)
{
    EXPECT_EQ(ModoGioco, 1);
    EXPECT_EQ(TabellaFileArchivio[13], "ggmeanno1.cxz");
    EXPECT_EQ(TabellaFileArchivio[IndiceRuotaConsulta], "Superena.cxz");
    EXPECT_EQ(NomiRuote[IndiceRuotaCalore], "Superenalotto");
    EXPECT_EQ(FileGiorniEstrazione, "GiorniEstrazione1.DAT");
}

TEST(Record, LayoutDeiRecord)
{
    const std::uint8_t data[] = {0x0A, 0x00, 0x03, 0x00, 0xDB, 0x07, 0x2A, 0x00};
    RecordData d = RecordData::Decodifica(data);
    EXPECT_EQ(d, (RecordData{10, 3, 2011, 42}));
    EXPECT_EQ(d.Codifica(), (std::array<std::uint8_t, 8>{0x0A, 0x00, 0x03, 0x00, 0xDB, 0x07, 0x2A, 0x00}));

    const std::uint8_t numeri[] = {0x05, 0x11, 0x1D, 0x2E, 0x41, 0x58, 0x0C, 0x4A};
    RecordSuperenalotto s = RecordSuperenalotto::Decodifica(numeri);
    EXPECT_EQ(s.numeri, (std::array<std::uint8_t, 6>{5, 17, 29, 46, 65, 88}));
    EXPECT_EQ(s.jolly, 12);
    EXPECT_EQ(s.superstar, 74);

    const std::uint8_t ruota[] = {33, 122, 40, 50, 60};
    RecordRuotaLotto r = RecordRuotaLotto::Decodifica(ruota);
    EXPECT_EQ(r.numeri[0], 1);
    EXPECT_EQ(r.numeri[1], 90);
    EXPECT_EQ(r.Codifica()[1], 122);
}

TEST(RecordFile, ConteggioLetturaETroncamento)
{
    prova::CartellaTemporanea t;
    const std::string f = t.percorso("ggmeanno1.cxz");
    prova::ScriviByte(f, std::string(1224, '\x01'));
    EXPECT_EQ(RecordFile::ContaRecordDi(f, 8), 153);
    EXPECT_EQ(Archivio(t.dir()).LeggiUltimaEstrazione(), 152);

    RecordFile rf(f, 8, RecordFile::Accesso::Scrittura);
    rf.Tronca(150);
    EXPECT_EQ(rf.ContaRecord(), 150);
    std::uint8_t b[8];
    EXPECT_THROW(rf.Leggi(150, b), Errore); // past the end
    EXPECT_NO_THROW(rf.Leggi(149, b));
    rf.Tronca(0);
    EXPECT_EQ(rf.ContaRecord(), 0);
    rf.Chiudi();
    EXPECT_EQ(std::filesystem::file_size(f), 0u);
}

TEST(RecordFile, FileMancante)
{
    prova::CartellaTemporanea t;
    try {
        RecordFile f(t.percorso("Superena.cxz"), 8);
        FAIL();
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("Superena.cxz"), std::string::npos);
    }
}

class ArchivioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = prova::EstrazioniCasuali(7, 500);
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    prova::CartellaTemporanea t;
    std::vector<Estrazione> estrazioni;
};

TEST_F(ArchivioTest, LetturaDelleEstrazioni)
{
    Archivio a(t.dir());
    EXPECT_EQ(a.LeggiUltimaEstrazione(), 499);
    EXPECT_EQ(a.LeggiTutte(), estrazioni);
    EXPECT_EQ(a.Leggi(200), estrazioni[200]);
    auto date = DateDecrescenti(a);
    ASSERT_EQ(date.size(), 500u);
    EXPECT_EQ(date[0], TestoListaDate(estrazioni[499].data));
    EXPECT_EQ(TestoListaDate(RecordData{10, 3, 2011, 1}), "10/3/2011 ");
}

TEST_F(ArchivioTest, ScritturaInCodaEModifica)
{
    Archivio a(t.dir());
    Estrazione nuova = prova::Estr(1, 1, 2030, 9, {1, 2, 3, 4, 5, 6}, 7, 8);
    a.Scrivi(500, nuova);
    EXPECT_EQ(a.LeggiUltimaEstrazione(), 500);
    EXPECT_EQ(a.Leggi(500), nuova);
    a.Scrivi(200, nuova);
    EXPECT_EQ(a.Leggi(200), nuova);
    EXPECT_EQ(a.LeggiUltimaEstrazione(), 500);
    EXPECT_EQ(a.Leggi(199), estrazioni[199]);
}

TEST_F(ArchivioTest, UnaScritturaFallitaNonLasciaIFileDisallineati)
{
    Archivio a(t.dir());
    std::string dateIniziali = prova::LeggiByte(a.percorsoDate());
    // The numbers file cannot be opened for writing: the date write is undone.
    std::filesystem::rename(a.percorsoNumeri(), t.percorso("spostato"));
    std::filesystem::create_directory(a.percorsoNumeri());
    EXPECT_THROW(a.Scrivi(500, prova::Estr(1, 1, 2030, 9, {1, 2, 3, 4, 5, 6}, 7, 8)), Errore);
    EXPECT_EQ(prova::LeggiByte(a.percorsoDate()), dateIniziali);
    EXPECT_THROW(a.Scrivi(10, prova::Estr(1, 1, 2030, 9, {1, 2, 3, 4, 5, 6}, 7, 8)), Errore);
    EXPECT_EQ(prova::LeggiByte(a.percorsoDate()), dateIniziali);
}

TEST_F(ArchivioTest, EliminaETronca)
{
    Archivio a(t.dir());
    EXPECT_EQ(a.EliminaUltima(), 498);
    EXPECT_EQ(std::filesystem::file_size(a.percorsoNumeri()), 499u * 8);
    EXPECT_EQ(a.Tronca(480), 479);
    EXPECT_EQ(std::filesystem::file_size(a.percorsoNumeri()), 480u * 8);
    EXPECT_EQ(std::filesystem::file_size(a.percorsoDate()), 480u * 8);
    EXPECT_EQ(a.LeggiTutte(), std::vector<Estrazione>(estrazioni.begin(), estrazioni.begin() + 480));
}

TEST_F(ArchivioTest, TroncaTuttiSiFermaAlPrimoFileMancante)
{
    Archivio a(t.dir());
    // Without the Lotto files nothing is truncated.
    EXPECT_THROW(a.TroncaTutti(100), Errore);
    EXPECT_EQ(a.LeggiUltimaEstrazione(), 499);
    EXPECT_EQ(std::filesystem::file_size(a.percorsoNumeri()), 500u * 8);
    for (int i = 0; i <= 12; ++i)
        if (i != IndiceSuperenalotto)
            prova::ScriviByte(a.percorso(i), std::string(static_cast<size_t>(DimensioneRecord(i)) * 500, '\x21'));
    EXPECT_EQ(a.TroncaTutti(100), 99);
    EXPECT_EQ(std::filesystem::file_size(a.percorso(0)), 100u * 5);
    EXPECT_EQ(std::filesystem::file_size(a.percorso(12)), 100u * 20);
}

TEST_F(ArchivioTest, SostituisciRimpiazzaEntrambiIFile)
{
    Archivio a(t.dir());
    auto altre = prova::EstrazioniCasuali(8, 30);
    a.Sostituisci(altre);
    EXPECT_EQ(a.LeggiTutte(), altre);
    EXPECT_FALSE(std::filesystem::exists(a.percorsoNumeri() + ".vecchio"));
    EXPECT_FALSE(std::filesystem::exists(a.percorsoDate() + ".nuovo"));
}

TEST_F(ArchivioTest, SostituisciFallitoLasciaLArchivioComEra)
{
    Archivio a(t.dir());
    const std::string numeri = prova::LeggiByte(a.percorsoNumeri());
    // The date file cannot be replaced: the numbers file already replaced goes back.
    std::filesystem::rename(a.percorsoDate(), t.percorso("date"));
    std::filesystem::create_directories(a.percorsoDate() + "/occupata");
    EXPECT_THROW(a.Sostituisci(prova::EstrazioniCasuali(8, 30)), Errore);
    EXPECT_EQ(prova::LeggiByte(a.percorsoNumeri()), numeri);
    EXPECT_FALSE(std::filesystem::exists(a.percorsoNumeri() + ".vecchio"));
    EXPECT_FALSE(std::filesystem::exists(a.percorsoDate() + ".nuovo"));
}

TEST_F(ArchivioTest, EliminaUltimaConUnFileNonScrivibileNonAccorciaLAltro)
{
    Archivio a(t.dir());
    const std::string numeri = prova::LeggiByte(a.percorsoNumeri());
    // The date file cannot be opened for writing (here: a folder in its place).
    std::filesystem::rename(a.percorsoDate(), t.percorso("spostato"));
    std::filesystem::create_directory(a.percorsoDate());
    EXPECT_THROW(a.EliminaUltima(), Errore);
    EXPECT_EQ(prova::LeggiByte(a.percorsoNumeri()), numeri);
    EXPECT_THROW(a.Tronca(100), Errore);
    EXPECT_EQ(prova::LeggiByte(a.percorsoNumeri()), numeri);
}

TEST_F(ArchivioTest, EliminaUltimaFallitaAMetaVieneAnnullata)
{
    Archivio a(t.dir());
    const std::string numeri = prova::LeggiByte(a.percorsoNumeri());
    const std::string date = prova::LeggiByte(a.percorsoDate());
    // "Superena.cxz" is shortened, then the date file cannot be: the first cut is undone.
    ImpostaOsservatoreFile([&](OperazioneFile op, const std::string &p) {
        if (op == OperazioneFile::Troncamento && p == a.percorsoDate())
            throw Errore::diFile("impossibile troncare", p, EIO);
    });
    EXPECT_THROW(a.EliminaUltima(), Errore);
    ImpostaOsservatoreFile({});
    EXPECT_EQ(prova::LeggiByte(a.percorsoNumeri()), numeri);
    EXPECT_EQ(prova::LeggiByte(a.percorsoDate()), date);
    EXPECT_EQ(a.Ripristina(), std::nullopt);
}

// A read-only installation (files and folder the user cannot write) still shows its draws.
TEST_F(ArchivioTest, UnaInstallazioneDiSolaLetturaMostraLeEstrazioni)
{
    namespace fs = std::filesystem;
    for (const auto &f : {t.percorso("ggmeanno1.cxz"), t.percorso("Superena.cxz")})
        fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(t.dir(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                 fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    // The superuser ignores permissions: the reading runs as an ordinary user.
    pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        int esito = 1;
        try {
            Archivio a(t.dir());
            if (a.Ripristina() == std::nullopt && a.LeggiTutte().size() == 500 && a.Leggi(7).data.anno >= 2000)
                esito = 0;
            try {
                a.EliminaUltima();
                esito = 2; // writing must still be refused
            } catch (const Errore &) {
            }
        } catch (...) {
            esito = 1;
        }
        ::_exit(esito);
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    fs::permissions(t.dir(), fs::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0) << "1: lettura rifiutata, 2: scrittura accettata, 3: utente non cambiato";
}
