#include "app/Errore.h"
#include "archive/Calendario.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::archivio;

TEST(NomeGiorno, NomiItaliani)
{
    EXPECT_EQ(NomeGiorno(10, 3, 2011), "Giovedì");
    EXPECT_EQ(NomeGiorno(1, 1, 2012), "Domenica");
    EXPECT_EQ(NomeGiorno(20, 8, 2026), "Giovedì");
    try {
        NomeGiorno(31, 2, 2011);
        FAIL();
    } catch (const Errore &e) {
        EXPECT_STREQ(e.what(), "'31/2/2011' is not a valid date");
    }
}

TEST(ProssimaDataEstrazione, DaiGiorniSpuntati)
{
    GiorniEstrazione mgs{}; // Tuesday, Thursday, Saturday
    mgs[2] = mgs[4] = mgs[6] = true;
    EXPECT_EQ(ProssimaDataEstrazione(Data{10, 3, 2011}, mgs), (Data{12, 3, 2011}));
    EXPECT_EQ(ProssimaDataEstrazione(Data{12, 3, 2011}, mgs), (Data{15, 3, 2011}));
    GiorniEstrazione giovedi{};
    giovedi[4] = true;
    EXPECT_EQ(ProssimaDataEstrazione(Data{10, 3, 2011}, giovedi), (Data{17, 3, 2011}));
    GiorniEstrazione nessuno{};
    EXPECT_EQ(ProssimaDataEstrazione(Data{31, 12, 2011}, nessuno), (Data{7, 1, 2012}));
}

TEST(GiorniEstrazione, FileDaLunediADomenica)
{
    GiorniEstrazione f{};
    f[0] = true; // Sunday
    f[2] = true; // Tuesday
    TExStringList l = ScriviGiorniEstrazione(f);
    EXPECT_EQ(l.righe(), (std::vector<std::string>{"0", "1", "0", "0", "0", "0", "1"}));
    EXPECT_EQ(LeggiGiorniEstrazione(l), f);
    // Anything but "1" is not a draw day; a short file fails at the missing line.
    EXPECT_EQ(LeggiGiorniEstrazione(TExStringList{"x", "1 ", "", "", "", "", ""}), GiorniEstrazione{});
    EXPECT_THROW(LeggiGiorniEstrazione(TExStringList{"1", "1"}), Errore);
}
