#include "stats/StatisticheEstrazione.h"
#include "archive/TabellaEstrazioni.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <set>

using namespace sestina;
using namespace sestina::archivio;
using namespace sestina::statistiche;

namespace {

// A draws table holding these draws in rows 1.. (the rest empty).
Griglia Tabella(const std::vector<std::array<int, 8>> &righe)
{
    Griglia g = TabellaEstrazioniVuota();
    int r = 1;
    for (const auto &v : righe) {
        ScriviRigaEstrazione(g, r, prova::Estr(10, 3, 2011, r, {v[0], v[1], v[2], v[3], v[4], v[5]}, v[6], v[7]));
        ++r;
    }
    return g;
}

// Column of the distances grid for the position pair p-q.
int Colonna(int p, int q)
{
    const auto &c = CoppieDistanze();
    for (size_t i = 0; i < c.size(); ++i)
        if (c[i].p == p && c[i].q == q)
            return static_cast<int>(i) + 1;
    ADD_FAILURE() << p << "-" << q;
    return 0;
}

const std::array<int, 8> Esempio{3, 48, 51, 77, 89, 90, 5, 2}; // sums to 365

} // namespace

TEST(Distanze, LayoutAndHeaders)
{
    const RisultatoDistanze d = GrigliaDistanze(Tabella({Esempio}), OpzioniDistanze{});
    const Griglia &g = d.griglia;
    ASSERT_EQ(g.righe(), 16);
    ASSERT_EQ(g.colonne(), 16);
    const char *intestazioni[] = {"1-2", "1-3", "1-4", "1-5", "2-3", "2-4", "2-5", "3-4",
                                  "3-5", "4-5", "1-6", "2-6", "3-6", "4-6", "5-6"};
    for (int c = 1; c <= 15; ++c) {
        EXPECT_EQ(g.testo(0, c), intestazioni[c - 1]);
        EXPECT_EQ(g.larghezza(c), 28);
        EXPECT_EQ(g.sfondoEffettivo(5, c), c % 2 ? colori::CianoChiaro : colori::Bianco);
    }
    for (int r = 1; r <= 15; ++r)
        EXPECT_EQ(g.testo(r, 0), std::to_string(r));
}

TEST(Distanze, ValuesOfTheThreeModes)
{
    struct Caso {
        ModoDistanze modo;
        int p, q;
        const char *valore;
    };
    const Caso casi[] = {
        {ModoDistanze::Ciclometriche, 1, 2, "45"}, {ModoDistanze::Ciclometriche, 1, 6, "3"},
        {ModoDistanze::Ciclometriche, 5, 6, "1"},  {ModoDistanze::Ciclometriche, 1, 5, "4"},
        {ModoDistanze::Matematica, 1, 6, "87"},    {ModoDistanze::Matematica, 2, 3, "3"},
        {ModoDistanze::Pondometrica, 5, 6, "89"},  {ModoDistanze::Pondometrica, 1, 6, "3"},
        {ModoDistanze::Pondometrica, 1, 2, "51"},
    };
    for (const Caso &c : casi) {
        OpzioniDistanze o;
        o.modo = c.modo;
        const Griglia g = GrigliaDistanze(Tabella({Esempio}), o).griglia;
        EXPECT_EQ(g.testo(1, Colonna(c.p, c.q)), c.valore) << static_cast<int>(c.modo) << " " << c.p << "-" << c.q;
    }
}

TEST(Distanze, RepeatedPairsInARowAreMirroredOntoTheDraws)
{
    // Pairs 1-2 and 3-4 both give 12 (and so 1-3 and 2-4 agree too: both 1).
    Griglia tabella = Tabella({{1, 13, 2, 14, 22, 16, 30, 40}});
    OpzioniDistanze o;
    o.ambiRipetuti = true;
    const RisultatoDistanze d = GrigliaDistanze(tabella, o);
    const std::set<int> dipinte{Colonna(1, 2), Colonna(3, 4), Colonna(1, 3), Colonna(2, 4)};
    for (int c = 1; c <= 15; ++c) {
        const bool attesa = dipinte.count(c) > 0;
        EXPECT_EQ(d.griglia.sfondoEffettivo(1, c) == o.coloreRipetuti, attesa) << c;
    }
    tabella.cella(1, 8).sfondo = Colore{1, 2, 3}; // an earlier highlight is cleared
    EvidenziaTabellaEstrazioni(tabella, d, o);
    for (int c = 2; c <= 9; ++c)
        EXPECT_EQ(tabella.sfondoEffettivo(1, c), c <= 5 ? o.coloreRipetuti : colori::Bianco) << c;
}

TEST(Distanze, SamePairAcrossRows)
{
    // Both rows: 1-2 gives 45 and 1-6 gives 3; no other column of "Ambi Uniti" agrees.
    const Griglia tabella = Tabella({Esempio, {10, 55, 20, 30, 70, 13, 1, 1}});
    OpzioniDistanze uniti;
    uniti.ambiUniti = true;
    const RisultatoDistanze u = GrigliaDistanze(tabella, uniti);
    for (int r : {1, 2}) {
        EXPECT_EQ(u.griglia.sfondoEffettivo(r, Colonna(1, 2)), uniti.coloreUniti);
        EXPECT_EQ(u.griglia.sfondoEffettivo(r, Colonna(1, 6)), colori::CianoChiaro); // position 6 is never looked at
    }
    OpzioniDistanze posizione;
    posizione.ambiPosizione = true;
    posizione.ambiUniti = true;
    const RisultatoDistanze p = GrigliaDistanze(tabella, posizione);
    for (int r : {1, 2}) {
        EXPECT_EQ(p.griglia.sfondoEffettivo(r, Colonna(1, 2)), posizione.coloreUniti); // the later step wins
        EXPECT_EQ(p.griglia.sfondoEffettivo(r, Colonna(1, 6)), posizione.colorePosizione);
    }
    EXPECT_EQ(p.griglia.sfondoEffettivo(1, Colonna(2, 3)), colori::CianoChiaro);
    EXPECT_EQ(p.griglia.sfondoEffettivo(1, Colonna(2, 6)), posizione.colorePosizione); // 42 in both rows
    Griglia t = tabella;
    EvidenziaTabellaEstrazioni(t, p, posizione);
    EXPECT_EQ(t.sfondoEffettivo(2, 7), posizione.colorePosizione); // position 6 of row 2 (13)
    EXPECT_NE(t.sfondoEffettivo(2, 2), colori::Bianco);
    EXPECT_EQ(t.sfondoEffettivo(2, 4), colori::Bianco); // position 3 is in no repeated pair
    EXPECT_EQ(t.sfondoEffettivo(3, 2), colori::Bianco);
}

TEST(Distanze, EmptyRowsTakeNoPartInRepetitions)
{
    // Two draws; rows 3..15 read as zeros and show 0, but are not repeats of each other.
    const Griglia tabella = Tabella({Esempio, {10, 55, 20, 30, 70, 13, 1, 1}});
    OpzioniDistanze o;
    o.ambiPosizione = true;
    o.ambiRipetuti = true;
    const RisultatoDistanze d = GrigliaDistanze(tabella, o);
    EXPECT_EQ(d.griglia.testo(7, 1), "0");
    for (int r = 3; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c)
            EXPECT_EQ(d.evidenze[static_cast<size_t>(r)][static_cast<size_t>(c)], Evidenza::Nessuna);
}

TEST(Distanze, SelectionTogglesValues)
{
    const Griglia tabella = Tabella({Esempio});
    OpzioniDistanze o;
    o.selezione = true;
    Griglia g = GrigliaDistanze(tabella, o).griglia;
    ASSERT_TRUE(CommutaSelezione(o, g, 1, Colonna(2, 3))); // value 3, also in 1-6
    ASSERT_TRUE(CommutaSelezione(o, g, 1, Colonna(1, 2))); // value 45
    RisultatoDistanze d = GrigliaDistanze(tabella, o);
    for (int c = 1; c <= 15; ++c) {
        const bool scelta = d.griglia.testo(1, c) == "3" || d.griglia.testo(1, c) == "45";
        EXPECT_EQ(d.griglia.sfondoEffettivo(1, c) == o.coloreSelezione, scelta) << c;
    }
    Griglia t = tabella;
    EvidenziaTabellaEstrazioni(t, d, o);
    // 45 is pair 1-2, 3 pairs 2-3 and 1-6: positions 1, 2, 3 and 6.
    const bool attese[] = {true, true, true, false, false, true, false, false};
    for (int c = 2; c <= 9; ++c)
        EXPECT_EQ(t.sfondoEffettivo(1, c) == o.coloreSelezione, attese[c - 2]) << c;

    // Clicking a selected value takes it off; a cell without a value changes nothing.
    ASSERT_TRUE(CommutaSelezione(o, d.griglia, 1, Colonna(1, 6)));
    EXPECT_FALSE(o.valoriSelezionati.test(3));
    EXPECT_TRUE(o.valoriSelezionati.test(45));
    EXPECT_FALSE(CommutaSelezione(o, d.griglia, 4, 1)); // an empty row: 0
    EXPECT_FALSE(CommutaSelezione(o, d.griglia, 0, 1)); // header
    EXPECT_FALSE(CommutaSelezione(o, d.griglia, 1, 0)); // row number

    // The marked values stay but are shown only while "Selezione" is ticked.
    o.selezione = false;
    d = GrigliaDistanze(tabella, o);
    EXPECT_EQ(d.griglia.sfondoEffettivo(1, Colonna(1, 2)), colori::CianoChiaro);
}

TEST(ClassiEstrazione, GroupIndexOfEveryValue)
{
    struct Caso {
        ClassiEstrazione classi;
        std::array<const char *, 8> attesi;
    };
    // 3, 48, 51, 77, 89, 90, jolly 5, superstar 2.
    const Caso casi[] = {
        {ClassiEstrazione::Decine, {"1", "5", "6", "8", "9", "1", "1", "1"}},
        {ClassiEstrazione::Cadenze, {"3", "8", "1", "7", "9", "0", "5", "2"}},
        {ClassiEstrazione::Figure, {"3", "3", "6", "5", "8", "9", "5", "2"}},
        {ClassiEstrazione::Radicali, {"3", "", "", "7", "8", "", "5", "2"}},
        {ClassiEstrazione::Pentagoni, {"3", "12", "15", "5", "17", "18", "5", "2"}},
        {ClassiEstrazione::Esagoni, {"3", "3", "6", "2", "14", "15", "5", "2"}},
    };
    for (const Caso &c : casi) {
        const Griglia g = GrigliaClassi(Tabella({Esempio}), c.classi);
        ASSERT_EQ(g.righe(), 16);
        ASSERT_EQ(g.colonne(), 9);
        for (int k = 1; k <= 8; ++k) {
            EXPECT_EQ(g.testo(0, k), std::to_string(k));
            EXPECT_EQ(g.testo(1, k), c.attesi[static_cast<size_t>(k - 1)]) << static_cast<int>(c.classi) << " " << k;
            EXPECT_EQ(g.testo(2, k), ""); // no draw in row 2
            EXPECT_EQ(g.sfondoEffettivo(1, k), k % 2 ? colori::CianoChiaro : colori::Bianco);
        }
    }
}

TEST(ClassiEstrazione, LegendLines)
{
    struct Caso {
        ClassiEstrazione classi;
        size_t righe;
        const char *prima;
        const char *ultima;
    };
    const Caso casi[] = {
        {ClassiEstrazione::Decine, 9, "D 01 = 90,1,2,3,4,5,6,7,8,9", "D 09 = 80,81,82,83,84,85,86,87,88,89"},
        {ClassiEstrazione::Cadenze, 10, "C 00 = 10,20,30,40,50,60,70,80,90", "C 09 = 9,19,29,39,49,59,69,79,89"},
        {ClassiEstrazione::Figure, 9, "F 01 = 1,10,19,28,37,46,55,64,73,82", "F 09 = 9,18,27,36,45,54,63,72,81,90"},
        {ClassiEstrazione::Radicali, 8, "R 01 =  1,10,11,19", "R 08 =  8,80,88,89"},
        {ClassiEstrazione::Pentagoni, 18, "P 01 = 1, 19, 37, 55, 73", "P 18 = 18, 36, 54, 72, 90"},
        {ClassiEstrazione::Esagoni, 15, "E 01 = 1, 16, 31, 46, 61, 76", "E 15 = 15, 30, 45, 60, 75, 90"},
    };
    for (const Caso &c : casi) {
        const auto l = LegendaClassi(c.classi);
        ASSERT_EQ(l.size(), c.righe);
        EXPECT_EQ(l.front(), c.prima);
        EXPECT_EQ(l.back(), c.ultima);
    }
}

TEST(DatiStatistici, CountsSumsAndMean)
{
    const Griglia g = GrigliaDatiStatistici(Tabella({Esempio}));
    ASSERT_EQ(g.righe(), 16);
    ASSERT_EQ(g.colonne(), 10);
    const char *intestazioni[] = {"Pa", "Di", "Mn", "Mx", "Dis", "Cic", "S90", "So", "Me"};
    // 48, 90 and 2 are even; the eight values sum to 365.
    const char *attesi[] = {"3", "5", "2", "90", "88", "2", "5", "365", "73,0"};
    // A row without a draw reads as eight zeros.
    const char *vuota[] = {"8", "0", "0", "0", "0", "45", "90", "0", "0,0"};
    for (int c = 1; c <= 9; ++c) {
        EXPECT_EQ(g.testo(0, c), intestazioni[c - 1]);
        EXPECT_EQ(g.testo(1, c), attesi[c - 1]) << intestazioni[c - 1];
        EXPECT_EQ(g.testo(2, c), vuota[c - 1]) << intestazioni[c - 1];
    }
    const Griglia h = GrigliaDatiStatistici(Tabella({{1, 2, 3, 4, 5, 6, 7, 1}}));
    EXPECT_EQ(h.testo(1, 9), "5,8"); // 29 / 5: divided by 5, not by 8
}

TEST(DatiStatistici, SuperstarZeroIsNoValue)
{
    // 3/1/1998: 2 29 36 72 82 90, jolly 71, no superstar. Even: 2, 36, 72, 82, 90;
    // odd: 29, 71; the smallest is 2, not the missing superstar.
    const Griglia g = GrigliaDatiStatistici(Tabella({{2, 29, 36, 72, 82, 90, 71, 0}}));
    const char *attesi[] = {"5", "2", "2", "90", "88", "2", "22", "382", "76,4"};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(g.testo(1, c), attesi[c - 1]) << g.testo(0, c);
}
