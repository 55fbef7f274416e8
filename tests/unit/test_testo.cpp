#include "app/Data.h"
#include "app/Errore.h"
#include "app/TExStringList.h"
#include "app/Testo.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace sestina;

TEST(TExStringList, ConfrontoCheRipiegaSoloLeLettereAscii)
{
    TExStringList l{"xyz", "ABC", "àbc"};
    EXPECT_EQ(l.IndexOf("abc"), 1);
    EXPECT_EQ(l.IndexOf("ÀBC"), -1); // accented letters are not folded
    EXPECT_EQ(ConfrontaTesti("ab", "abc"), -1);
    EXPECT_EQ(ConfrontaTesti("B", "a"), 1);
    l.Sort();
    EXPECT_EQ(l[0], "ABC");
    EXPECT_EQ(l[1], "xyz");
}

TEST(TExStringList, IndiceFuoriDallaLista)
{
    TExStringList l{"a"};
    try {
        (void)l[3];
        FAIL();
    } catch (const Errore &e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (3)");
    }
}

TEST(TExStringList, FileInWindows1252ConCrLf)
{
    prova::CartellaTemporanea t;
    TExStringList l{"Lunedì", "", "Città"};
    l.SaveToFile(t.percorso("x.DAT"));
    EXPECT_EQ(prova::LeggiByte(t.percorso("x.DAT")), std::string("Luned\xEC\r\n\r\nCitt\xE0\r\n"));
    TExStringList r;
    r.LoadFromFile(t.percorso("x.DAT"));
    EXPECT_EQ(r.righe(), l.righe());
    // Lines ended by a bare LF read the same.
    prova::ScriviByte(t.percorso("y.DAT"), "a\nb\n");
    r.LoadFromFile(t.percorso("y.DAT"));
    EXPECT_EQ(r.righe(), (std::vector<std::string>{"a", "b"}));
}

TEST(TExStringList, FileMancanteDaErroreConIlNome)
{
    TExStringList l;
    try {
        l.LoadFromFile("/nonesiste/listaloghi.DAT");
        FAIL();
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("listaloghi.DAT"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("inesistente"), std::string::npos);
    }
}

TEST(Valuta, LettaConLaVirgolaEScrittaInFormaBreve)
{
    EXPECT_EQ(LeggiValuta("0,50"), 5000);
    EXPECT_EQ(LeggiValuta("1.234,5"), 12345000);
    EXPECT_EQ(LeggiValuta("105"), 1050000);
    EXPECT_EQ(LeggiValuta("-2,25"), -22500);
    EXPECT_EQ(FormatoValuta(15000), "1,5");
    EXPECT_EQ(FormatoValuta(1050000), "105");
    EXPECT_EQ(FormatoValuta(5000), "0,5");
    for (const char *sbagliato : {"", "abc", "1,2,3", "1e5"}) {
        try {
            LeggiValuta(sbagliato);
            FAIL() << sbagliato;
        } catch (const Errore &e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(sbagliato) + "' is not a valid floating point value");
        }
    }
}

TEST(Testo, DecimaliConLaVirgolaQualunqueSiaIlLocale)
{
    // A machine locale with the decimal comma must not change the program's own formatting.
    std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    EXPECT_EQ(FormatoDecimale(6.0, 2), "6,00");
    EXPECT_EQ(FormatoDecimale(2.345, 2), "2,35");
    EXPECT_EQ(FormatoDecimale(-0.5, 1), "-0,5");
    EXPECT_EQ(FormatoDecimale(0.004, 2), "0,00");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(Testo, InteriComeLiLeggeIlProgramma)
{
    EXPECT_EQ(LeggiIntero(" 42 "), 42);
    EXPECT_EQ(LeggiIntero("-7"), -7);
    EXPECT_EQ(LeggiInteroOppure("7a", 0), 0);
    EXPECT_EQ(LeggiInteroOppure("99999999999", -1), -1);
    try {
        LeggiIntero("x1");
        FAIL();
    } catch (const Errore &e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
    }
}

TEST(Data, FormatoBreveEGiorniDellaSettimana)
{
    auto d = LeggiData("05/03/2012");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->giorno, 5);
    EXPECT_EQ(d->mese, 3);
    EXPECT_EQ(d->breve(), "05/03/2012");
    EXPECT_EQ(d->senzaZeri(), "5/3/2012");
    EXPECT_EQ((Data{10, 3, 2011}.giornoSettimana()), 4); // Thursday
    EXPECT_EQ((Data{1, 1, 2012}.giornoSettimana()), 0);  // Sunday
    EXPECT_EQ((Data{28, 2, 2012}.piuGiorni(2)), (Data{1, 3, 2012}));
    EXPECT_FALSE(LeggiData("31/2/2011"));
    EXPECT_FALSE(LeggiData("0/0/0"));
    EXPECT_FALSE(LeggiData("10-3-2011"));
    for (long n : {1L, 700000L, 730000L, 740000L})
        EXPECT_EQ(Data::daNumeroGiorno(n).numeroGiorno(), n);
}
