#include "archive/TabellaEstrazioni.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::archivio;

TEST(ClampCursore, ComeLoMostraLaTabella)
{
    struct Caso {
        int cursore, ultima, atteso;
    } casi[] = {{499, 499, 499}, {600, 499, 499}, {0, 499, 14}, {-3, 499, 14}, {1, 499, 1},
                {3, 499, 3},     {0, 9, 9},       {14, 499, 14}, {0, 14, 14}};
    for (const auto &c : casi)
        EXPECT_EQ(ClampCursore(c.cursore, c.ultima), c.atteso) << c.cursore << " " << c.ultima;
}

class TabellaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        estrazioni = prova::EstrazioniCasuali(3, 500);
        estrazioni[499] = prova::Estr(10, 3, 2011, 42, {5, 17, 29, 46, 65, 88}, 12, 74);
        prova::ScriviArchivio(t.dir(), estrazioni);
    }
    prova::CartellaTemporanea t;
    std::vector<Estrazione> estrazioni;
};

TEST_F(TabellaTest, QuindiciEstrazioniDallaPiuRecente)
{
    int cursore = 499;
    Griglia g = MostraEstrazioni(Archivio(t.dir()), 499, cursore);
    ASSERT_EQ(g.righe(), 16);
    ASSERT_EQ(g.colonne(), 10);
    EXPECT_EQ(g.righeFisse, 1);
    EXPECT_EQ(g.colonneFisse, 2);
    EXPECT_EQ(g.larghezza(0), 100);
    EXPECT_EQ(g.larghezza(5), 30);
    const char *intestazioni[] = {"Data", "n°", "I", "II", "III", "IV", "V", "VI", "J", "S"};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(g.testo(0, c), intestazioni[c]);
    EXPECT_EQ(g.testo(1, 0), "10/3/2011  Giovedì");
    EXPECT_EQ(g.testo(1, 1), "42");
    EXPECT_EQ(g.testo(1, 2), "5");
    EXPECT_EQ(g.testo(1, 7), "88");
    EXPECT_EQ(g.testo(1, 8), "12");
    EXPECT_EQ(g.testo(1, 9), "74");
    EXPECT_EQ(g.cella(1, 8).colore, colori::Verde);
    EXPECT_EQ(g.cella(1, 9).colore, colori::Rosso);
    EXPECT_EQ(g.cella(0, 8).colore, colori::Verde);
    EXPECT_TRUE(g.cella(1, 3).grassetto);
    EXPECT_EQ(g.cella(1, 3).allineamento, Allineamento::Centro);
    // Row 15 is record 485.
    EXPECT_EQ(g.testo(15, 1), std::to_string(estrazioni[485].data.concorso));
}

TEST_F(TabellaTest, CursoreBassoLasciaRigheVuote)
{
    int cursore = 3;
    Griglia g = MostraEstrazioni(Archivio(t.dir()), 499, cursore);
    EXPECT_EQ(cursore, 3);
    EXPECT_EQ(g.testo(4, 1), std::to_string(estrazioni[0].data.concorso));
    for (int r = 5; r <= 15; ++r)
        for (int c = 0; c < 10; ++c)
            EXPECT_TRUE(g.testo(r, c).empty());
    cursore = 0; // "Primo"
    g = MostraEstrazioni(Archivio(t.dir()), 499, cursore);
    EXPECT_EQ(cursore, 14);
    EXPECT_EQ(g.testo(15, 1), std::to_string(estrazioni[0].data.concorso));
}

TEST_F(TabellaTest, ElencoEstrazioni)
{
    Griglia g = ElencoEstrazioni(Archivio(t.dir()), 499, 100, 5);
    ASSERT_EQ(g.righe(), 6);
    ASSERT_EQ(g.colonne(), 11);
    EXPECT_EQ(g.testo(0, 0), "N. Estr");
    EXPECT_EQ(g.testo(0, 2), "Data");
    EXPECT_EQ(g.testo(1, 0), "101");
    EXPECT_EQ(g.testo(5, 0), "97");
    EXPECT_EQ(g.testo(1, 3), std::to_string(estrazioni[100].numeri.numeri[0]));
    EXPECT_EQ(g.sfondoEffettivo(1, 0), colori::CianoChiaro);
    EXPECT_EQ(g.sfondoEffettivo(2, 2), colori::CianoChiaro);
    EXPECT_EQ(g.sfondoEffettivo(2, 5), colori::Bianco);
    EXPECT_EQ(g.larghezza(2), 160);
    const auto &d = estrazioni[100].data;
    EXPECT_EQ(g.testo(1, 2).rfind(std::to_string(d.giorno) + "/" + std::to_string(d.mese) + "/", 0), 0u);
}
