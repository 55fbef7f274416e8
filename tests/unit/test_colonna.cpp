#include "app/Colonna.h"

#include <gtest/gtest.h>

using namespace sestina;

TEST(EstraiNumero, ConsumaIlNumeroEIlCarattereCheLoChiude)
{
    std::string t = "12/03/2011 Lunedì";
    EXPECT_EQ(EstraiNumero(t), 12);
    EXPECT_EQ(t, "03/2011 Lunedì");
    EXPECT_EQ(EstraiNumero(t), 3);
    EXPECT_EQ(EstraiNumero(t), 2011);
    EXPECT_EQ(t, "Lunedì");
    EXPECT_EQ(EstraiNumero(t), 0);
    EXPECT_TRUE(t.empty());
}

TEST(EstraiNumero, CasiLimite)
{
    struct Caso {
        std::string testo;
        int valore;
        std::string resto;
    } casi[] = {
        {"senza cifre", 0, ""},
        {"", 0, ""},
        {"-5", 5, ""},      // signs are not recognised
        {"3.7", 3, "7"},    // nor decimal points
        {"  42  x", 42, " x"},
        {"007", 7, ""},
        {"99999999999999999999 1", 2147483647, "1"}, // a long run saturates
    };
    for (const auto &c : casi) {
        std::string t = c.testo;
        EXPECT_EQ(EstraiNumero(t), c.valore) << c.testo;
        EXPECT_EQ(t, c.resto) << c.testo;
    }
}

TEST(ColonnaDaTesto, UnNumeroPerCarattere)
{
    EXPECT_EQ(ColonnaDaTesto("5 17 90"), Colonna({5, 17, 90}));
    EXPECT_EQ(ColonnaDaTesto(""), Colonna(1, '\0'));
    EXPECT_EQ(ColonnaDaTesto("5 x"), Colonna({5, 0}));
}

TEST(Colonna, FormatoElencoEOrdinamento)
{
    EXPECT_EQ(FormattaColonna(Colonna({5, 12})), "05 12 ");
    EXPECT_EQ(ElencoInteri({3, 40}), "3 40 ");
    EXPECT_EQ(StringaDaValori({1, 256 + 2}), Colonna({1, 2}));
    EXPECT_EQ(TogliDoppioni(Colonna({7, 12, 7, 90, 12})), Colonna({7, 12, 90}));
    EXPECT_EQ(OrdinaColonna(Colonna({90, 7, 12, 1})), Colonna({1, 7, 12, 90}));
}

TEST(SeparaMigliaia, GruppiDiTreDaDestra)
{
    EXPECT_EQ(SeparaMigliaia("999"), "999");
    EXPECT_EQ(SeparaMigliaia("1000"), "1.000");
    EXPECT_EQ(SeparaMigliaia("123456"), "123.456");
    EXPECT_EQ(SeparaMigliaia("43949268"), "43.949.268");
}
