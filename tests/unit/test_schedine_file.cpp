// Slip files: the standard form (".sse") and the CSV form.
#include "slips/FileSchedine.h"

#include "app/Errore.h"
#include "slips/Schedine.h"
#include "support/ArchivioProva.h"
#include "support/ColonnaProva.h"
#include "systems/FileSviluppo.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::schedine;

namespace {
using prova::C;

TExStringList DueSchedine()
{
    TExStringList l;
    l.Add(C({1, 2, 3, 4, 5, 6}));
    l.Add(C({7, 42, 90}));
    return l;
}

std::string Ripeti(const std::string &s, int volte)
{
    std::string r;
    for (int i = 0; i < volte; ++i)
        r += s;
    return r;
}
} // namespace

TEST(FileSchedine, FormaStandard)
{
    prova::CartellaTemporanea dir;
    const std::string percorso = dir.percorso("mie.sse");
    SalvaSchedine(percorso, DueSchedine());
    const std::string atteso = std::string("123456\r\n") + char(55) + char(90) + char(138) + "\r\n";
    EXPECT_EQ(prova::LeggiByte(percorso), atteso);
    SalvaSchedine(percorso, DueSchedine()); // twice in a row: the same file
    EXPECT_EQ(prova::LeggiByte(percorso), atteso);
    EXPECT_EQ(CaricaSchedine(percorso).righe(), DueSchedine().righe());
}

TEST(FileSchedine, FormaCSVERitornoAlloSviluppo)
{
    prova::CartellaTemporanea dir;
    const std::string percorso = dir.percorso("mie.csv");
    SalvaSchedine(percorso, DueSchedine());
    EXPECT_EQ(prova::LeggiByte(percorso), "1;2;3;4;5;6;\r\n7;42;90;\r\n");
    // Loading it back as the slip page does: sorted, slip 1 shown, the development file rewritten.
    TExStringList l = CaricaSchedine(percorso);
    int indice = 0;
    DopoCaricamentoCSV(l, indice);
    sistemi::SalvaSviluppo(dir.dir(), l);
    EXPECT_EQ(l.righe(), DueSchedine().righe());
    auto vista = MostraSchedina(l, indice);
    ASSERT_TRUE(vista);
    EXPECT_EQ(vista->pannelloA, C({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(vista->pannelloB, C({7, 42, 90}));
    std::vector<Colonna> sviluppo;
    EXPECT_TRUE(sistemi::CaricaSviluppo(dir.dir(), sviluppo));
    EXPECT_EQ(sviluppo, DueSchedine().righe());
    // Upper-case extension is CSV too.
    EXPECT_TRUE(PercorsoCSV("X.CSV"));
    EXPECT_FALSE(PercorsoCSV("x.sse"));
    EXPECT_FALSE(PercorsoCSV("csv"));
}

TEST(FileSchedine, NovantaNumeriPassanoDaUnaFormaAllAltra)
{
    // The longest column a CSV slip file may hold saves as ".sse" and loads again.
    const TExStringList l = DecodificaSchedineCSV(Ripeti("90;", 90) + "\r\n", "s.csv");
    ASSERT_EQ(l.Count(), 1);
    EXPECT_EQ(l[0], Colonna(90, '\x5A'));
    EXPECT_EQ(DecodificaSchedineStandard(CodificaSchedineStandard(l), "s.sse").righe(), l.righe());
    EXPECT_EQ(DecodificaSchedineCSV(CodificaSchedineCSV(l), "s.csv").righe(), l.righe());
}

TEST(FileSchedine, LetturaCSVTollerante)
{
    // Any run of non-digits separates numbers; an empty line is an empty entry.
    const auto l = DecodificaSchedineCSV("\xEF\xBB\xBF"
                                         "5;17;88;\r\n\r\n 3 , 4\t5\n12",
                                         "s.csv");
    EXPECT_EQ(l.righe(), (std::vector<Colonna>{C({5, 17, 88}), {}, C({3, 4, 5}), C({12})}));
    EXPECT_EQ(CodificaSchedineCSV(l), "5;17;88;\r\n\r\n3;4;5;\r\n12;\r\n");
}

TEST(FileSchedine, LettoriRifiutanoIDatiSbagliati)
{
    struct Caso {
        std::string byte;
        bool csv;
        const char *riga;
    };
    const std::vector<Caso> casi{
        {"1;2;\r\n91;\r\n", true, "riga 2"},
        {"0;1;\r\n", true, "riga 1"},
        {"1;\r\n2;\r\n3;99999999999999999999;\r\n", true, "riga 3"},
        {std::string(2000, ';') + "\r\n", true, "riga 1"},
        {"123\r\n\x01\r\n", false, "riga 2"},
        {std::string(100, '1'), false, "riga 1"},
        // 91 numbers: as ".sse" the column would be a line its reader refuses.
        {"1;\r\n" + Ripeti("5;", 91) + "\r\n", true, "riga 2"},
    };
    for (const Caso &c : casi) {
        try {
            (void)(c.csv ? DecodificaSchedineCSV(c.byte, "mie") : DecodificaSchedineStandard(c.byte, "mie"));
            ADD_FAILURE() << c.riga;
        } catch (const Errore &e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("mie"), std::string::npos) << m;
            EXPECT_NE(m.find(c.riga), std::string::npos) << m;
        }
    }
    TExStringList zero;
    zero.Add(C({0}));
    EXPECT_THROW((void)CodificaSchedineCSV(zero), Errore);
    // Neither form writes a column of more than 90 numbers: it could not be loaded again.
    TExStringList lunga;
    lunga.Add(Colonna(91, '\x05'));
    EXPECT_THROW((void)CodificaSchedineCSV(lunga), Errore);
    EXPECT_THROW((void)CodificaSchedineStandard(lunga), Errore);
    prova::CartellaTemporanea dir;
    EXPECT_THROW((void)CaricaSchedine(dir.percorso("manca.sse")), Errore);
}
