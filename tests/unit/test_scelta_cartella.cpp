// Which folder is DirectoryProgramma, and the first-start seeding of the user's data folder.
#include "app/Errore.h"
#include "app/SceltaCartella.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace sestina;
using namespace sestina::prova;
namespace fs = std::filesystem;

namespace {

// An installation under a temporary prefix: bin/ without the archive, share/sestina/ with it.
class Installazione : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(t.percorso("usr/bin"));
        fs::create_directories(t.percorso("usr/share/sestina/guida"));
        ScriviArchivio(condivisi(), EstrazioniCasuali(3, 12));
        ScriviByte(condivisi() + "GiorniEstrazione1.DAT", "0\r\n1\r\n0\r\n1\r\n1\r\n1\r\n0\r\n");
        ScriviByte(condivisi() + "listaloghi.DAT", "logo_sestina.png\r\n");
        ScriviByte(condivisi() + "guida/indice.html", "<html></html>");
        setenv("XDG_DATA_HOME", t.percorso("xdg").c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }
    std::string bin() const { return t.percorso("usr/bin"); }
    std::string condivisi() const { return t.percorso("usr/share/sestina/"); }
    std::string utente() const { return t.percorso("xdg/Sestina/"); }
    CartellaTemporanea t;
};

} // namespace

TEST_F(Installazione, IlPrimoAvvioCopiaIFileNellaCartellaDellUtente)
{
    SceltaCartella s = ScegliDirectoryProgramma(bin());
    EXPECT_TRUE(s.installato);
    EXPECT_EQ(s.dir, utente());
    EXPECT_EQ(s.copiati.size(), 4u);
    for (const char *f : {"ggmeanno1.cxz", "Superena.cxz", "GiorniEstrazione1.DAT", "listaloghi.DAT"})
        EXPECT_EQ(LeggiByte(utente() + f), LeggiByte(condivisi() + f)) << f;
    // The guide is read where it was installed, never copied.
    EXPECT_FALSE(fs::exists(utente() + "guida"));
    EXPECT_EQ(archivio::Archivio(s.dir).LeggiUltimaEstrazione(), 11);
    // No temporary file is left behind.
    for (const auto &f : fs::directory_iterator(utente()))
        EXPECT_EQ(f.path().extension().string().find("tmp"), std::string::npos) << f.path();
}

TEST_F(Installazione, IDatiDellUtenteNonVengonoMaiSovrascritti)
{
    (void)ScegliDirectoryProgramma(bin());
    ScriviArchivio(utente(), EstrazioniCasuali(5, 20)); // the user's archive grew
    ScriviByte(utente() + "GiorniEstrazione1.DAT", "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
    const std::string date = LeggiByte(utente() + "ggmeanno1.cxz");
    ScriviByte(condivisi() + "Utente.DAT", "nuovo file di un aggiornamento\r\n");

    SceltaCartella s = ScegliDirectoryProgramma(bin());
    EXPECT_EQ(s.copiati, std::vector<std::string>{"Utente.DAT"});
    EXPECT_EQ(LeggiByte(utente() + "ggmeanno1.cxz"), date);
    EXPECT_EQ(LeggiByte(utente() + "GiorniEstrazione1.DAT"), "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
}

TEST_F(Installazione, LArchivioVaInCoppia)
{
    // A start cut short after the numbers file: the next one completes the pair.
    fs::create_directories(utente());
    fs::copy_file(condivisi() + "Superena.cxz", utente() + "Superena.cxz");
    SceltaCartella s = ScegliDirectoryProgramma(bin());
    EXPECT_EQ(LeggiByte(utente() + "ggmeanno1.cxz"), LeggiByte(condivisi() + "ggmeanno1.cxz"));
    EXPECT_EQ(std::count(s.copiati.begin(), s.copiati.end(), "Superena.cxz"), 0);

    // A numbers file of the user's own without its date file is left alone.
    fs::remove(utente() + "ggmeanno1.cxz");
    ScriviByte(utente() + "Superena.cxz", "12345678");
    (void)ScegliDirectoryProgramma(bin());
    EXPECT_EQ(LeggiByte(utente() + "Superena.cxz"), "12345678");
    EXPECT_FALSE(fs::exists(utente() + "ggmeanno1.cxz"));
}

TEST_F(Installazione, UnaCartellaScrivibileConLArchivioLavoraSulPosto)
{
    ScriviArchivio(bin(), EstrazioniCasuali(4, 5));
    SceltaCartella s = ScegliDirectoryProgramma(bin());
    EXPECT_FALSE(s.installato);
    EXPECT_EQ(s.dir, bin() + "/");
    EXPECT_FALSE(fs::exists(t.percorso("xdg")));
}

TEST_F(Installazione, SenzaFileInstallatiRestaLaCartellaDellEseguibile)
{
    fs::remove_all(t.percorso("usr/share"));
    SceltaCartella s = ScegliDirectoryProgramma(bin());
    EXPECT_FALSE(s.installato);
    EXPECT_EQ(s.dir, bin() + "/");
}

TEST_F(Installazione, CartellaDatiSecondoXDG)
{
    EXPECT_EQ(CartellaDatiUtente(), utente());
    setenv("XDG_DATA_HOME", "relativa", 1); // ignored, as the base directory rules say
    const char *home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(CartellaDatiUtente(), std::string(home) + "/.local/share/Sestina/");
}

TEST_F(Installazione, UnaCartellaDatiImpossibileEUnErroreChiaro)
{
    ScriviByte(t.percorso("unfile"), "x");
    setenv("XDG_DATA_HOME", t.percorso("unfile").c_str(), 1);
    try {
        (void)ScegliDirectoryProgramma(bin());
        FAIL();
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("unfile/Sestina"), std::string::npos) << e.what();
    }
}
