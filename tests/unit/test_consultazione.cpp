#include "stats/Consultazione.h"
#include "app/Testo.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::archivio;
using namespace sestina::statistiche;

namespace {

int Classe(const char *nome)
{
    auto k = IndiceClasseConsulta(nome);
    EXPECT_TRUE(k.has_value()) << nome;
    return k.value_or(0);
}

InterruttoriClassi Attive(std::initializer_list<const char *> nomi)
{
    InterruttoriClassi a{};
    for (const char *n : nomi)
        a[static_cast<size_t>(Classe(n))] = true;
    return a;
}

Colore ColoreDi(const char *nome) { return ClassiConsulta()[static_cast<size_t>(Classe(nome))].colore; }

// Background of the value cells (columns 3..10) of the row of one draw.
std::array<Colore, 8> Sfondi(const RigaConsulta &riga, const InterruttoriClassi &attive)
{
    std::array<Colore, 8> c{};
    for (int i = 0; i < 8; ++i)
        c[static_cast<size_t>(i)] = ColoreValore(attive, riga, i);
    return c;
}

// n draws, one every 3 or 4 days from 4/1/2000; draw k holds k % 84 + 1 .. + 5, jolly +6, superstar 90.
std::vector<Estrazione> Sequenza(int n)
{
    std::vector<Estrazione> v;
    Data d{4, 1, 2000};
    for (int k = 0; k < n; ++k) {
        const int b = k % 84 + 1;
        v.push_back(prova::Estr(d.giorno, d.mese, d.anno, k + 1, {b, b + 1, b + 2, b + 3, b + 4, b + 5}, b + 6, 90));
        d = d.piuGiorni(k % 2 ? 4 : 3);
    }
    return v;
}

} // namespace

TEST(ClassiConsulta, CaptionsNamesAndColoursInApplicationOrder)
{
    const auto &c = ClassiConsulta();
    EXPECT_EQ(c[0].didascalia, "&Pari");
    EXPECT_EQ(c[2].didascalia, "        &Numeretti          ");
    EXPECT_EQ(c[3].didascalia, "                   &Zerati                   ");
    EXPECT_EQ(c[2].nome, "Numeretti");
    EXPECT_EQ(c[12].nome, "AmbiConsecutivi");
    EXPECT_EQ(c[19].nome, "Ambi Alternati");
    EXPECT_EQ(c[6].colore, (Colore{254, 236, 192}));
    EXPECT_EQ(c[16].colore, (Colore{245, 82, 73}));
    EXPECT_EQ(Classe("primi"), 6);
    EXPECT_EQ(Classe("&Zerati"), 3);
    EXPECT_EQ(Classe("  Ambi in Decina "), 13);
    EXPECT_FALSE(IndiceClasseConsulta("Ambi Rossi").has_value());
}

TEST(ClassiConsulta, LaterClassDecidesTheColour)
{
    // 2 is even and prime: Primi comes after Pari. 4 is only even.
    const RigaConsulta riga{2, 4, 9, 31, 50, 77, 61, 88};
    const auto s = Sfondi(riga, Attive({"Pari", "Primi"}));
    EXPECT_EQ(s[0], (Colore{254, 236, 192}));
    EXPECT_EQ(s[1], (Colore{255, 255, 0}));
    EXPECT_EQ(s[2], colori::Bianco);
    EXPECT_EQ(s[3], ColoreDi("Primi"));
    EXPECT_EQ(s[7], ColoreDi("Pari")); // the superstar cell is coloured like the numbers
    // Nothing active: every value white.
    for (Colore c : Sfondi(riga, InterruttoriClassi{}))
        EXPECT_EQ(c, colori::Bianco);
}

TEST(ClassiConsulta, RowTestsOnTheEightValues)
{
    struct Caso {
        const char *classe;
        RigaConsulta riga;
        std::array<bool, 8> dipinti;
    };
    const Caso casi[] = {
        // 30 and 60 are complementary; a lone 45 is not.
        {"Ambi Complementari", {30, 45, 60, 1, 2, 3, 4, 5}, {true, false, true, false, false, false, false, false}},
        // A superstar 45 pairs with the drawn 45.
        {"Ambi Complementari", {45, 10, 11, 12, 13, 14, 15, 45}, {true, false, false, false, false, false, false, true}},
        // A jolly 12 next to a drawn 21.
        {"Ambi Vertibili", {21, 40, 50, 60, 70, 80, 12, 1}, {true, false, false, false, false, false, true, false}},
        // The superstar 5 makes 5 a pair in its own decina and cadenza.
        {"Ambi in Decina", {5, 15, 20, 33, 47, 80, 16, 5}, {true, true, false, false, false, false, true, true}},
        {"Ambi in Cadenza", {5, 16, 20, 33, 48, 81, 9, 5}, {true, false, false, false, false, false, false, true}},
        // No wrap for consecutive numbers.
        {"AmbiConsecutivi", {1, 90, 30, 31, 50, 70, 8, 9}, {false, false, true, true, false, false, true, true}},
        {"Ambi Diametrali", {10, 55, 60, 33, 3, 72, 25, 26}, {true, true, false, false, false, false, false, false}},
    };
    for (const Caso &c : casi) {
        const auto s = Sfondi(c.riga, Attive({c.classe}));
        for (size_t i = 0; i < 8; ++i)
            EXPECT_EQ(s[i] == ColoreDi(c.classe), c.dipinti[i]) << c.classe << " position " << i + 1;
    }
}

TEST(Consultazione, NewestShownIsNeverBeforeRecord17)
{
    EXPECT_EQ(InizioConsulta(5, 100), 17);
    EXPECT_EQ(InizioConsulta(17, 100), 17);
    EXPECT_EQ(InizioConsulta(18, 100), 18);
    EXPECT_EQ(InizioConsulta(250, 100), 100);
    EXPECT_EQ(InizioConsulta(-3, 100), 17);
    EXPECT_EQ(InizioConsulta(5, 9), 9); // a short archive shows what it has
}

TEST(Consultazione, GridOfEighteenDraws)
{
    prova::CartellaTemporanea t;
    const auto estrazioni = Sequenza(40);
    prova::ScriviArchivio(t.dir(), estrazioni);
    const Griglia g = DisegnaConsulta(archivio::Archivio(t.dir()), 39, 5, Attive({"Dispari"}));
    ASSERT_EQ(g.righe(), 19);
    ASSERT_EQ(g.colonne(), 11);
    const char *intestazioni[] = {"N. Estr", "Conc", "Data", "I", "II", "III", "IV", "V", "VI", "J", "S"};
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(g.testo(0, c), intestazioni[c]);
    EXPECT_EQ(g.larghezza(0), 80);
    EXPECT_EQ(g.larghezza(1), 60);
    EXPECT_EQ(g.larghezza(2), 160);
    // Position 5 shows records 17 down to 0.
    for (int r = 1; r <= 18; ++r) {
        const int n = 17 - (r - 1);
        const Estrazione &e = estrazioni[static_cast<size_t>(n)];
        EXPECT_EQ(g.testo(r, 0), std::to_string(n + 1));
        EXPECT_EQ(g.testo(r, 1), std::to_string(e.data.concorso));
        EXPECT_EQ(g.testo(r, 3), std::to_string(e.numeri.numeri[0]));
        EXPECT_EQ(g.testo(r, 9), std::to_string(e.numeri.jolly));
        EXPECT_EQ(g.testo(r, 10), "90");
        EXPECT_EQ(g.sfondoEffettivo(r, 0), colori::CianoChiaro);
        EXPECT_EQ(g.sfondoEffettivo(r, 1), colori::Bianco);
        EXPECT_EQ(g.sfondoEffettivo(r, 2), colori::CianoChiaro);
        for (int c = 3; c <= 10; ++c) {
            const bool dispari = LeggiInteroOppure(g.testo(r, c), 0) % 2 == 1;
            EXPECT_EQ(g.sfondoEffettivo(r, c), dispari ? ColoreDi("Dispari") : colori::Bianco) << r << "," << c;
        }
    }
    // 4/1/2000 was a Tuesday: record 0 is the last row.
    EXPECT_EQ(g.testo(18, 2), "4/1/2000 Martedì");
}

TEST(Consultazione, ShortArchiveShowsItsDraws)
{
    prova::CartellaTemporanea t;
    prova::ScriviArchivio(t.dir(), Sequenza(5));
    const Griglia g = DisegnaConsulta(archivio::Archivio(t.dir()), 4, 4, InterruttoriClassi{});
    ASSERT_EQ(g.righe(), 6);
    EXPECT_EQ(g.testo(1, 0), "5");
    EXPECT_EQ(g.testo(5, 0), "1");
    EXPECT_EQ(DisegnaConsulta(archivio::Archivio(t.dir()), -1, 0, InterruttoriClassi{}).righe(), 1);
}

TEST(Consultazione, NavigationButtons)
{
    prova::CartellaTemporanea t;
    // 4/1/2000 .. about mid 2001: 160 draws.
    const auto estrazioni = Sequenza(160);
    prova::ScriviArchivio(t.dir(), estrazioni);
    const archivio::Archivio a(t.dir());
    const int u = 159;
    auto primoDelAnno = [&](int anno) {
        for (size_t i = 0; i < estrazioni.size(); ++i)
            if (estrazioni[i].data.anno == anno)
                return static_cast<int>(i);
        return -1;
    };
    struct Caso {
        MossaConsulta mossa;
        int da, a;
    };
    const Caso casi[] = {
        {MossaConsulta::Primo, 80, 0},
        {MossaConsulta::Ultimo, 3, u},
        {MossaConsulta::PagPr, 17, 17},
        {MossaConsulta::PagPr, 18, 0},
        {MossaConsulta::PagPr, 50, 32},
        {MossaConsulta::Prec, 0, 0},
        {MossaConsulta::Prec, 7, 6},
        {MossaConsulta::Succ, u, u},
        {MossaConsulta::Succ, 7, 8},
        {MossaConsulta::PagSuc, u - 18, u - 18},
        {MossaConsulta::PagSuc, u - 19, u - 1},
        {MossaConsulta::AnnoSuc, 10, primoDelAnno(2001)},
        {MossaConsulta::AnnoSuc, primoDelAnno(2001), u},
        {MossaConsulta::AnnoPr, u, 0}, // no draw of 1999
    };
    for (const Caso &c : casi)
        EXPECT_EQ(NavigaConsulta(a, u, c.da, c.mossa), c.a) << static_cast<int>(c.mossa) << " from " << c.da;
}
