#include "app/Errore.h"
#include "archive/ModificaArchivio.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::archivio;

TEST(NumeriValidi, SeiNumeriEJollyDiversiSuperstarLibero)
{
    struct Caso {
        std::array<std::string, 8> celle;
        bool valida;
    } casi[] = {
        {{"5", "17", "29", "46", "65", "88", "12", "74"}, true},
        {{"5", "17", "29", "46", "65", "88", "5", "74"}, false},  // jolly equal to a number
        {{"5", "17", "29", "46", "65", "88", "12", "5"}, true},   // superstar from its own urn
        {{"5", "17", "29", "46", "65", "88", "12", "12"}, true},
        {{"5", "5", "29", "46", "65", "88", "12", "74"}, false},
        {{"5", "17", "29", "46", "65", "91", "12", "74"}, false},
        {{"0", "17", "29", "46", "65", "88", "12", "74"}, false},
        {{"5", "17", "29", "46", "65", "88", "12", ""}, false},
        {{"5", "17", "x", "46", "65", "88", "12", "74"}, false},
        {{"1", "2", "3", "4", "5", "90", "89", "90"}, true},
    };
    for (const auto &c : casi)
        EXPECT_EQ(VerificaEstrazione(c.celle), c.valida) << c.celle[0] << " " << c.celle[6] << " " << c.celle[7];
}

TEST(NumeriValidi, SuperstarDal28Marzo2006)
{
    EXPECT_FALSE(SuperstarEstratto(25, 3, 2006));
    EXPECT_FALSE(SuperstarEstratto(31, 12, 2005));
    EXPECT_FALSE(SuperstarEstratto(3, 12, 1997));
    EXPECT_TRUE(SuperstarEstratto(28, 3, 2006));
    EXPECT_TRUE(SuperstarEstratto(1, 1, 2007));
    EXPECT_TRUE(SuperstarEstratto(10, 3, 2011));
    struct Caso {
        std::array<std::string, 8> celle;
        bool conSuperstar, valida;
    } casi[] = {
        // before the SuperStar: empty (or 0), or a number as any other draw's
        {{"8", "9", "23", "34", "64", "89", "1", ""}, false, true},
        {{"8", "9", "23", "34", "64", "89", "1", "0"}, false, true},
        {{"8", "9", "23", "34", "64", "89", "1", "7"}, false, true},
        {{"8", "9", "23", "34", "64", "89", "1", "91"}, false, false},
        {{"8", "9", "23", "34", "64", "89", "9", ""}, false, false},
        {{"8", "9", "23", "34", "64", "", "1", ""}, false, false},
        {{"8", "9", "23", "34", "64", "89", "1", "x"}, false, false},
        // from it on the superstar stays required
        {{"8", "9", "23", "34", "64", "89", "1", ""}, true, false},
        {{"8", "9", "23", "34", "64", "89", "1", "7"}, true, true},
    };
    for (const auto &c : casi)
        EXPECT_EQ(VerificaEstrazione(c.celle, c.conSuperstar), c.valida)
            << c.celle[6] << " [" << c.celle[7] << "] " << c.conSuperstar;
}

TEST(CellaNumero, SoloDa1A90)
{
    for (const char *ok : {"1", "45", "90", "07"})
        EXPECT_TRUE(CellaNumeroAccettata(ok)) << ok;
    for (const char *no : {"0", "91", "", "a", "900"})
        EXPECT_FALSE(CellaNumeroAccettata(no)) << no;
}

TEST(CostruisciRecord, DallaRigaDellaTabella)
{
    RecordData d = CostruisciRecordData("12/03/2011 Sabato", " 42 ");
    EXPECT_EQ(d, (RecordData{12, 3, 2011, 42}));
    // The date as the table shows it after "Modifica".
    EXPECT_EQ(CostruisciRecordData("10/3/2011  Giovedì", "7"), (RecordData{10, 3, 2011, 7}));
    try {
        CostruisciRecordData("", "42");
        FAIL();
    } catch (const Errore &e) {
        EXPECT_STREQ(e.what(), MsgMancaData);
    }
    try {
        CostruisciRecordData("12/03/2011 Sabato", "4x");
        FAIL();
    } catch (const Errore &e) {
        EXPECT_STREQ(e.what(), "'4x' is not a valid integer value");
    }
    RecordSuperenalotto s = CostruisciRecordNumeri({"5", "17", "29", "46", "65", "88", "12", "74"});
    EXPECT_EQ(s.Codifica(), (std::array<std::uint8_t, 8>{5, 17, 29, 46, 65, 88, 12, 74}));
}
