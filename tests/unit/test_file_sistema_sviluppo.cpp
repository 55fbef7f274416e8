// The development file "sviluppo": one byte 48 + n per number, CR LF per column.
#include "systems/FileSviluppo.h"

#include "app/Errore.h"
#include "support/ArchivioProva.h"
#include "support/ColonnaProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::sistemi;

namespace {
using prova::C;
} // namespace

TEST(FileSviluppo, Codifica)
{
    EXPECT_EQ(DecodificaSviluppo(":Z", "sviluppo"), (std::vector<Colonna>{C({10, 42})}));
    const std::string b = CodificaSviluppo(std::vector<Colonna>{C({1, 2, 3, 4, 5, 6}), C({7, 42, 90}), {}});
    EXPECT_EQ(b, std::string("123456\r\n7Z\x8A\r\n\r\n"));
    EXPECT_EQ(static_cast<unsigned char>(b[10]), 138);
    EXPECT_EQ(DecodificaSviluppo(b, "sviluppo"), (std::vector<Colonna>{C({1, 2, 3, 4, 5, 6}), C({7, 42, 90}), {}}));
    // LF alone and a last line without its end read the same.
    EXPECT_EQ(DecodificaSviluppo("12\n34", "sviluppo"), (std::vector<Colonna>{C({1, 2}), C({3, 4})}));
    EXPECT_TRUE(DecodificaSviluppo("", "sviluppo").empty());
    // Every number 1..90 goes through.
    Colonna tutti;
    for (int n = 1; n <= 90; ++n)
        tutti.push_back(static_cast<char>(n));
    EXPECT_EQ(DecodificaSviluppo(CodificaSviluppo(std::vector<Colonna>{tutti}), "s"), std::vector<Colonna>{tutti});
    // A number that could not be read back is refused on writing.
    EXPECT_THROW((void)CodificaSviluppo(std::vector<Colonna>{C({0})}), Errore);
    EXPECT_THROW((void)CodificaSviluppo(std::vector<Colonna>{C({91})}), Errore);
    // So is a column of more than 90 numbers: its line would be too long to read.
    EXPECT_THROW((void)CodificaSviluppo(std::vector<Colonna>{Colonna(91, '\x05')}), Errore);
}

TEST(FileSviluppo, ByteNonValidiConRigaEFile)
{
    struct Caso {
        std::string byte;
        const char *riga;
    };
    const std::vector<Caso> casi{
        {"123\r\n0\r\n", "riga 2"},                           // code 48: number 0
        {"12\r\n34\r\n5\x8B\r\n", "riga 3"},                  // code 139: 91
        {"1\r2\r\n", "riga 1"},                               // a lone CR
        {std::string("1\0", 2), "riga 1"},                    // a NUL byte
        {"12\r\n" + std::string(91, '1') + "\r\n", "riga 2"}, // over-long line
        {std::string(5000000, 'A'), "riga 1"},                // a huge line without an end
    };
    for (const Caso &c : casi) {
        try {
            (void)DecodificaSviluppo(c.byte, "sviluppo");
            ADD_FAILURE() << c.riga;
        } catch (const Errore &e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("sviluppo"), std::string::npos) << m;
            EXPECT_NE(m.find(c.riga), std::string::npos) << m;
        }
    }
}

TEST(FileSviluppo, SalvaCaricaCancella)
{
    prova::CartellaTemporanea dir;
    std::vector<Colonna> lista{C({9})};
    EXPECT_FALSE(EsisteSviluppo(dir.dir()));
    EXPECT_FALSE(CaricaSviluppo(dir.dir(), lista));
    EXPECT_TRUE(lista.empty()); // emptied when there is no file
    const std::vector<Colonna> sistema{C({1, 11, 2}), C({90, 89, 1})};
    SalvaSviluppo(dir.dir(), sistema);
    EXPECT_EQ(prova::LeggiByte(dir.percorso("sviluppo")), "1;2\r\n\x8A\x89"
                                                          "1\r\n");
    SalvaSviluppo(dir.dir(), sistema); // twice: the same file
    EXPECT_EQ(prova::LeggiByte(dir.percorso("sviluppo")), "1;2\r\n\x8A\x89"
                                                          "1\r\n");
    EXPECT_TRUE(CaricaSviluppo(dir.dir(), lista));
    EXPECT_EQ(lista, sistema);
    TExStringList slip;
    EXPECT_TRUE(CaricaSviluppo(dir.dir(), slip));
    EXPECT_EQ(ColonneDaLista(slip), sistema);

    // A damaged file: an error, and the list already loaded stays.
    prova::ScriviByte(dir.percorso("sviluppo"), "12\r\n\xFF\r\n");
    EXPECT_THROW(CaricaSviluppo(dir.dir(), lista), Errore);
    EXPECT_EQ(lista, sistema);
    EXPECT_THROW(CaricaSviluppo(dir.dir(), slip), Errore);
    EXPECT_EQ(slip.Count(), 2);

    SalvaSviluppo(dir.dir(), std::vector<Colonna>{});
    EXPECT_TRUE(EsisteSviluppo(dir.dir()));
    EXPECT_EQ(prova::LeggiByte(dir.percorso("sviluppo")), "");
    CancellaSviluppo(dir.dir());
    EXPECT_FALSE(EsisteSviluppo(dir.dir()));
    CancellaSviluppo(dir.dir()); // nothing to delete
}
