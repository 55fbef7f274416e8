// Spy numbers and lunghette: the engine against the literal reference, and the
// window's rules on small hand-made archives.
#include "stats/NumeriSpia.h"

#include "reference/RiferimentoSpia.h"
#include "app/Errore.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <random>

using namespace sestina;
using namespace sestina::statistiche;
using prova::Estr;
using spia::IndiceAmbo;

namespace {

ProgressoNullo nullo;

riferimento::RisultatoSpiaRif ComeRiferimento(const RisultatoSpia &r)
{
    riferimento::RisultatoSpiaRif out;
    for (int i = 1; i < r.numeri.righe(); ++i)
        out.numeri.push_back({std::stoi(r.numeri.testo(i, 0)), std::stoi(r.numeri.testo(i, 1))});
    for (int i = 1; i < r.ambi.righe(); ++i)
        out.ambi.push_back(
            {std::stoi(r.ambi.testo(i, 0)), std::stoi(r.ambi.testo(i, 1)), std::stoi(r.ambi.testo(i, 2))});
    out.spie = std::stoi(r.totali.testo(0, 1));
    out.somma = std::stoi(r.totali.testo(1, 1));
    out.media = std::stoi(r.totali.testo(2, 1));
    out.spia = r.spia;
    out.analizzata = r.analizzata;
    out.file = r.fileLavoro;
    return out;
}

void ConfrontaSpia(const riferimento::RisultatoSpiaRif &a, const riferimento::RisultatoSpiaRif &b)
{
    EXPECT_EQ(a.numeri, b.numeri);
    EXPECT_EQ(a.ambi, b.ambi);
    EXPECT_EQ(a.spie, b.spie);
    EXPECT_EQ(a.somma, b.somma);
    EXPECT_EQ(a.media, b.media);
    EXPECT_EQ(a.spia, b.spia);
    EXPECT_EQ(a.analizzata, b.analizzata);
    EXPECT_EQ(a.file, b.file);
}

ParametriSpia ParametriCasuali(std::mt19937 &rng, int n)
{
    ParametriSpia p;
    auto caso = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    p.colpi = caso(1, 30);
    p.modo = caso(0, 1) ? ModoSpia::QuandoEsce : ModoSpia::NumeriSpia;
    p.ambi = caso(0, 2) == 0;
    int quanti = caso(p.ambi ? 2 : 1, 20);
    std::vector<int> urna(90);
    for (int i = 0; i < 90; ++i)
        urna[i] = i + 1;
    std::shuffle(urna.begin(), urna.end(), rng);
    p.numeri.assign(urna.begin(), urna.begin() + quanti);
    for (auto &&m : p.mesi)
        m = caso(0, 3) != 0;
    p.mesi[caso(0, 11)] = true;
    p.fine = caso(n / 2, n - 1);
    p.inizio = caso(0, p.fine - 31 - 1);
    return p;
}

bool UgualiStat(const StatisticheAmbi &a, const StatisticheAmbi &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 1; i < a.size(); ++i)
        if (a[i].frequenza != b[i].frequenza || a[i].ritardo != b[i].ritardo || !(a[i].ultima == b[i].ultima) ||
            a[i].vista != b[i].vista)
            return false;
    return true;
}

void ConfrontaLunghette(const std::vector<Lunghetta> &a, const std::vector<Lunghetta> &b)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].numeri, b[i].numeri) << "voce " << i;
        EXPECT_EQ(a[i].somme, b[i].somme) << "voce " << i;
    }
}

// Start draw, then draws at the given numbers (jolly 80, superstar 81 unless given).
std::vector<archivio::Estrazione> Archivio(const std::vector<std::vector<int>> &righe)
{
    return prova::EstrazioniDaNumeri(righe, Data{3, 1, 2020}, 3, 80, 81);
}

// The choices of a small case: the spy numbers, N, the last draw, the mode.
ParametriSpia Parametri(std::vector<int> numeri, int colpi, int fine, bool ambi = false,
                        ModoSpia modo = ModoSpia::NumeriSpia)
{
    ParametriSpia p;
    p.numeri = std::move(numeri);
    p.colpi = colpi;
    p.fine = fine;
    p.ambi = ambi;
    p.modo = modo;
    return p;
}

} // namespace

TEST(IndiceAmbo, NumeraLeCoppieInOrdineLessicografico)
{
    int atteso = 0;
    for (int a = 1; a <= 89; ++a)
        for (int b = a + 1; b <= 90; ++b) {
            ++atteso;
            ASSERT_EQ(IndiceAmbo(a, b), atteso) << a << "-" << b;
            ASSERT_EQ(IndiceAmbo(b, a), atteso) << b << "-" << a;
        }
    EXPECT_EQ(atteso, NumeroAmbi);
}

TEST(ElaboraSpia, ComeIlRiferimentoSuArchiviCasuali)
{
    for (unsigned seme = 1; seme <= 12; ++seme) {
        auto arch = prova::EstrazioniCasuali(seme, 300 + 40 * static_cast<int>(seme));
        std::mt19937 rng(seme * 7919);
        for (int prova = 0; prova < 5; ++prova) {
            ParametriSpia p = ParametriCasuali(rng, static_cast<int>(arch.size()));
            SCOPED_TRACE(::testing::Message() << "seme " << seme << " prova " << prova);
            ConfrontaSpia(ComeRiferimento(ElaboraSpia(arch, p, nullo)), riferimento::RiferimentoSpia(arch, p));
        }
    }
}

TEST(ElaboraSpia, LaSuperstarContaPerH)
{
    // Only the superstar of record 1 is the spy number 7.
    auto arch = Archivio({{1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15, 16, 7}, {20, 21, 22, 23, 24, 25}, {30, 31, 32, 33, 34, 35}});
    ParametriSpia p = Parametri({7}, 1, 3);
    auto r = ElaboraSpia(arch, p, nullo);
    EXPECT_EQ(r.estrazioniSpia, 1);
    EXPECT_TRUE(r.spia[1]);
    EXPECT_TRUE(r.analizzata[2]);
    EXPECT_FALSE(r.analizzata[3]);
    // Eight values of record 2, each once.
    EXPECT_EQ(r.numeri.righe(), 1 + 8);
    EXPECT_EQ(r.ambi.righe(), 1 + 28);
}

TEST(ElaboraSpia, AmbiVuoleDueNumeriSpiaNellEstrazione)
{
    auto arch = Archivio({{1, 2, 3, 4, 5, 6},
                          {7, 11, 12, 13, 14, 15},     // one spy number: not a spy draw
                          {40, 41, 42, 43, 44, 45},
                          {7, 21, 22, 23, 24, 25, 80, 9}, // the superstar is the second
                          {50, 51, 52, 53, 54, 55}});
    ParametriSpia p = Parametri({7, 9}, 1, 4, true);
    auto r = ElaboraSpia(arch, p, nullo);
    EXPECT_EQ(r.estrazioniSpia, 1);
    EXPECT_FALSE(r.spia[1]);
    EXPECT_FALSE(r.analizzata[2]);
    EXPECT_TRUE(r.spia[3]);
    EXPECT_TRUE(r.analizzata[4]);
    EXPECT_EQ(r.numeri.testo(1, 1), "50");

    p.numeri = {7};
    EXPECT_THROW(
        {
            try {
                ElaboraSpia(arch, p, nullo);
            } catch (const Errore &e) {
                EXPECT_STREQ(e.what(), "Indicare almeno due numeri per Ambo!");
                throw;
            }
        },
        Errore);
}

TEST(ElaboraSpia, SuperstarUgualeAUnNumero)
{
    // Record 1 holds the spy number 7 twice (number and superstar): one spy number, no "Ambi".
    // Record 3, analysed, holds 5 twice: 5 counts twice, the equal pair is no pair.
    auto arch = Archivio({{1, 2, 3, 4, 5, 6},
                          {7, 11, 12, 13, 14, 15, 80, 7},
                          {7, 9, 22, 23, 24, 25},
                          {5, 30, 31, 32, 33, 34, 35, 5},
                          {40, 41, 42, 43, 44, 45}});
    ParametriSpia p = Parametri({7, 9}, 1, 4, true);
    auto r = ElaboraSpia(arch, p, nullo);
    EXPECT_EQ(r.estrazioniSpia, 1);
    EXPECT_FALSE(r.spia[1]);
    EXPECT_TRUE(r.spia[2]);
    EXPECT_EQ(r.numeri.testo(1, 0), "   2");
    EXPECT_EQ(r.numeri.testo(1, 1), "5");
    // 28 position pairs less the (5,5) one; (5, x) twice for the six other values.
    ASSERT_EQ(r.ambi.righe(), 1 + 27 - 6);
    for (int i = 1; i < r.ambi.righe(); ++i) {
        EXPECT_NE(r.ambi.testo(i, 1), r.ambi.testo(i, 2));
        EXPECT_NE(r.ambi.testo(i, 2), "90"); // (5,5) would land on (4,90)
        EXPECT_EQ(r.ambi.testo(i, 0), i <= 6 ? "   2" : "   1");
    }
}

TEST(ElaboraSpia, SuperstarZeroNonContaNeFaCoppia)
{
    // Draws before 28/03/2006 store superstar 0: no superstar. The analysed record 2
    // counts its six numbers and the jolly only: seven numbers, 21 pairs, no 0.
    auto arch = Archivio({{60, 61, 62, 63, 64, 65},
                          {7, 11, 12, 13, 14, 15, 80, 0},
                          {1, 2, 3, 4, 5, 6, 80, 0},
                          {40, 41, 42, 43, 44, 45, 81, 0}});
    ParametriSpia p = Parametri({7}, 1, 3);
    auto r = ElaboraSpia(arch, p, nullo);
    EXPECT_EQ(r.estrazioniSpia, 1);
    ASSERT_EQ(r.numeri.righe(), 1 + 7);
    for (int i = 1; i < r.numeri.righe(); ++i)
        EXPECT_NE(r.numeri.testo(i, 1), "0");
    ASSERT_EQ(r.ambi.righe(), 1 + 21);
    for (int i = 1; i < r.ambi.righe(); ++i) {
        EXPECT_NE(r.ambi.testo(i, 1), "0");
        EXPECT_NE(r.ambi.testo(i, 2), "0");
    }
}

TEST(ElaboraSpia, FinestreSovrapposteAnalizzateUnaVolta)
{
    // Spy draws at records 1 and 3 with N = 4: records 2, 4, 5 analysed once, 3 never.
    auto arch = Archivio({{60, 61, 62, 63, 64, 65},
                          {7, 11, 12, 13, 14, 15},
                          {1, 2, 3, 4, 5, 6},
                          {7, 21, 22, 23, 24, 25},
                          {1, 2, 3, 4, 5, 6},
                          {1, 2, 3, 4, 5, 6},
                          {70, 71, 72, 73, 74, 75},
                          {76, 77, 78, 79, 82, 83}});
    ParametriSpia p = Parametri({7}, 4, 7);
    auto r = ElaboraSpia(arch, p, nullo);
    EXPECT_EQ(r.estrazioniSpia, 2);
    std::vector<bool> attese = {false, false, true, false, true, true, true, true};
    EXPECT_EQ(r.analizzata, attese);
    // 1..6 three times (records 2, 4, 5), jolly 80 and superstar 81 five times.
    EXPECT_EQ(r.numeri.testo(1, 0), "   5");
    EXPECT_EQ(r.numeri.testo(1, 1), "80");
    EXPECT_EQ(r.numeri.testo(3, 0), "   3");
    EXPECT_EQ(r.numeri.testo(3, 1), "1");
    EXPECT_EQ(r.ambi.testo(1, 0), "   5");
    EXPECT_EQ(r.ambi.testo(1, 1), "80");
    EXPECT_EQ(r.ambi.testo(1, 2), "81");
}

TEST(ElaboraSpia, QuandoEsceGuardaLeEstrazioniPrecedenti)
{
    auto arch = Archivio({{1, 2, 3, 4, 5, 6},
                          {40, 41, 42, 43, 44, 45},
                          {50, 51, 52, 53, 54, 55},
                          {7, 11, 12, 13, 14, 15},
                          {60, 61, 62, 63, 64, 65}});
    ParametriSpia p = Parametri({7}, 2, 4, false, ModoSpia::QuandoEsce);
    auto r = ElaboraSpia(arch, p, nullo);
    EXPECT_EQ(r.estrazioniSpia, 1);
    EXPECT_EQ(r.analizzata, (std::vector<bool>{false, true, true, false, false}));
    // F = 0 + 2: record 1 is marked but lies before F, so only record 2 is counted.
    EXPECT_EQ(r.numeri.righe(), 1 + 8);
    EXPECT_EQ(r.fileLavoro, "DATA;CONC;Note;ES1;ES2;ES3;ES4;ES5;Bari;\r\n"
                            "09/01/2020;3;Prec;50;51;52;53;54;55;80;81;\r\n"
                            "12/01/2020;4;Spia;7;11;12;13;14;15;80;81;\r\n");
    EXPECT_EQ(NomeFileLavoro(p.modo), "QEsce_BA.csv");
    EXPECT_EQ(NomeFileLavoro(ModoSpia::NumeriSpia), "NSpie_BA.csv");
}

TEST(ElaboraSpia, GriglieEColori)
{
    auto arch = Archivio({{1, 2, 3, 4, 5, 6},
                          {7, 11, 12, 13, 14, 15},
                          {1, 2, 3, 4, 5, 6, 20, 21},
                          {7, 30, 31, 32, 33, 34},
                          {1, 2, 3, 40, 41, 42, 22, 23},
                          {1, 50, 51, 52, 53, 54, 55, 56}});
    ParametriSpia p = Parametri({7}, 1, 5);
    auto r = ElaboraSpia(arch, p, nullo);
    const Griglia &g = r.numeri;
    EXPECT_EQ(g.testo(0, 0), "Pr.");
    EXPECT_EQ(g.testo(0, 1), "Nu");
    // Records 2 and 4: 1, 2, 3 twice, then ten numbers once.
    ASSERT_EQ(g.righe(), 1 + 13);
    EXPECT_EQ(g.testo(1, 1), "1");
    EXPECT_EQ(g.testo(4, 1), "4");
    for (int riga = 1; riga < g.righe(); ++riga) {
        bool ultima = g.testo(riga, 1) == "1";
        auto atteso = ultima ? colori::Aqua : riga <= 8 ? colori::Giallo : colori::Bianco;
        EXPECT_EQ(g.sfondoEffettivo(riga, 1), atteso) << riga;
    }
    EXPECT_EQ(r.ambi.testo(0, 1), "Nu1");
    for (int riga = 1; riga <= 6; ++riga)
        EXPECT_EQ(r.ambi.sfondoEffettivo(riga, 1), riga <= 5 ? (Colore{0, 255, 0}) : colori::Bianco);
    EXPECT_EQ(r.totali.testo(0, 0), "Totali\nNumeri spia");
    EXPECT_EQ(r.totali.testo(1, 0), "Somme  ult. vincenti");
    EXPECT_EQ(r.totali.testo(2, 0), "Media  ult. venti");
    EXPECT_EQ(r.totali.testo(0, 1), "     2");
    EXPECT_EQ(r.totali.testo(1, 1), "     2"); // only 1 of record 5 is ranked
    // 16 counted values over 13 rows: ((16 + 1) div 20) * 5.
    EXPECT_EQ(r.totali.testo(2, 1), "     0");
}

TEST(ElaboraSpia, MessaggiDiRifiuto)
{
    auto arch = prova::EstrazioniCasuali(3, 50);
    struct Caso {
        std::vector<int> numeri;
        bool ambi;
        ModoSpia modo;
        int inizio, fine;
        const char *messaggio;
    } casi[] = {
        {{}, false, ModoSpia::NumeriSpia, 0, 49, "Indicare almeno un numero!"},
        {{5}, true, ModoSpia::NumeriSpia, 0, 49, "Indicare almeno due numeri per Ambo!"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}, false, ModoSpia::NumeriSpia, 0,
         49, "troppi numeri! (Max 20)"},
        {{5}, false, ModoSpia::NumeriSpia, 30, 30, "Data iniziale successiva data finale!"},
        {{5}, false, ModoSpia::QuandoEsce, 40, 45, "Data iniziale successiva data finale!"},
    };
    for (const auto &c : casi) {
        ParametriSpia p;
        p.numeri = c.numeri;
        p.ambi = c.ambi;
        p.modo = c.modo;
        p.inizio = c.inizio;
        p.fine = c.fine;
        try {
            ElaboraSpia(arch, p, nullo);
            ADD_FAILURE() << c.messaggio;
        } catch (const Errore &e) {
            EXPECT_STREQ(e.what(), c.messaggio);
        }
    }
    ParametriSpia p;
    p.numeri = {5};
    p.fine = 49;
    p.mesi.fill(false);
    EXPECT_THROW(ElaboraSpia(arch, p, nullo), Errore);
}

TEST(ElaboraSpia, ArchivioDiVentimilaEstrazioni)
{
    auto arch = prova::EstrazioniCasuali(20000, 20000);
    ParametriSpia p;
    p.numeri = {5, 17, 29, 41, 53, 65};
    p.fine = 19999;
    auto r = ElaboraSpia(arch, p, nullo);
    ConfrontaSpia(ComeRiferimento(r), riferimento::RiferimentoSpia(arch, p));
    ASSERT_EQ(r.analizzata.size(), 20000u);
    EXPECT_TRUE(std::find(r.analizzata.begin() + 19000, r.analizzata.end(), true) != r.analizzata.end());
    EXPECT_GT(r.estrazioniSpia, 7000); // more spy draws than the old entry limit
    auto stat = ElaboraStatistica(arch, 0, 19999, p.mesi, nullptr, nullo);
    EXPECT_TRUE(UgualiStat(stat, riferimento::RiferimentoStatistica(arch, 0, 19999, p.mesi, nullptr)));
    ConfrontaLunghette(CercaLunghette(stat, 4, nullo), riferimento::RiferimentoLunghette(stat, 4));
}

TEST(TestoDataSpia, ConcorsoIntero)
{
    archivio::RecordData d{5, 3, 2011, 300};
    EXPECT_EQ(TestoDataSpia(d), " 5/ 3/2011 300");
    d.concorso = 42;
    EXPECT_EQ(TestoDataSpia(d), " 5/ 3/2011  42");
}

TEST(ElaboraStatistica, ComeIlRiferimentoConMesiEFiltro)
{
    for (unsigned seme = 1; seme <= 6; ++seme) {
        auto arch = prova::EstrazioniCasuali(100 + seme, 400);
        std::mt19937 rng(seme);
        ParametriSpia p = ParametriCasuali(rng, 400);
        auto spia = ElaboraSpia(arch, p, nullo);
        const std::vector<bool> *filtri[] = {nullptr, &spia.analizzata};
        for (const std::vector<bool> *filtro : filtri) {
            auto veloce = ElaboraStatistica(arch, p.inizio, p.fine, p.mesi, filtro, nullo);
            auto rif = riferimento::RiferimentoStatistica(arch, p.inizio, p.fine, p.mesi, filtro);
            EXPECT_TRUE(UgualiStat(veloce, rif)) << "seme " << seme;
        }
    }
}

TEST(CercaLunghette, ComeIlRiferimentoPerOgniK)
{
    for (unsigned seme = 1; seme <= 4; ++seme) {
        auto arch = prova::EstrazioniCasuali(200 + seme, 120 + 60 * static_cast<int>(seme));
        std::mt19937 rng(seme);
        ParametriSpia p = ParametriCasuali(rng, static_cast<int>(arch.size()));
        auto spia = ElaboraSpia(arch, p, nullo);
        const std::vector<bool> *filtro = seme % 2 ? &spia.analizzata : nullptr;
        auto stat = ElaboraStatistica(arch, p.inizio, p.fine, p.mesi, filtro, nullo);
        for (int k = 3; k <= 10; ++k) {
            SCOPED_TRACE(::testing::Message() << "seme " << seme << " k " << k);
            auto veloce = CercaLunghette(stat, k, nullo);
            ConfrontaLunghette(veloce, riferimento::RiferimentoLunghette(stat, k));
            for (const auto &l : veloce) {
                if (!l.numeri.empty()) {
                    EXPECT_EQ(static_cast<int>(l.numeri.size()), k);
                }
            }
        }
    }
}

TEST(CercaLunghette, ArchivioRealeComeIlRiferimento)
{
    auto arch = prova::EstrazioniReali();
    std::array<bool, 12> mesi;
    mesi.fill(true);
    auto stat = ElaboraStatistica(arch, 0, static_cast<int>(arch.size()) - 1, mesi, nullptr, nullo);
    for (int k = 3; k <= 10; ++k)
        ConfrontaLunghette(CercaLunghette(stat, k, nullo), riferimento::RiferimentoLunghette(stat, k));
}

TEST(ElaboraLunghette, CoppiaMaiUscitaERitardoMedio)
{
    // Record 0 is the start (never examined); records 1..3 are examined newest first.
    auto arch = Archivio({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 7, 60}, {1, 2, 3, 4, 6, 61}, {1, 2, 3, 4, 5, 62}});
    std::array<bool, 12> mesi;
    mesi.fill(true);
    auto stat = ElaboraStatistica(arch, 0, 3, mesi, nullptr, nullo);
    const StatisticaAmbo &mai = stat[IndiceAmbo(5, 6)];
    EXPECT_EQ(mai.frequenza, 0);
    EXPECT_EQ(mai.ritardo, 3);
    EXPECT_EQ(mai.ultima, arch[0].data.data());
    EXPECT_EQ(stat[IndiceAmbo(1, 2)].frequenza, 3);
    EXPECT_EQ(stat[IndiceAmbo(1, 2)].ritardo, 0);
    EXPECT_EQ(stat[IndiceAmbo(4, 6)].ritardo, 1);
    EXPECT_EQ(stat[IndiceAmbo(4, 7)].ultima, arch[1].data.data());

    auto r = ElaboraLunghette(stat, 6, nullo);
    // {1,2,3,4} with 5 and 6: pairs of 1..4 three times, 5 and 6 with them once each.
    const Griglia &g = r.griglia;
    EXPECT_EQ(g.testo(0, 0), "Superenalotto");
    EXPECT_EQ(g.testo(1, 3), "Ultima Uscita");
    int riga = 2;
    while (riga < 22 && g.testo(riga, 0) != "1.2.3.4.5.6")
        ++riga;
    ASSERT_LT(riga, 22);
    EXPECT_EQ(g.testo(riga, 1), "26");
    // Delays: 1..4 and 5 at 0, 6 with 1..4 at 1, (5,6) at 3: 7 / 15.
    EXPECT_EQ(g.testo(riga, 2), "0");
    EXPECT_EQ(g.testo(riga, 3), arch[3].data.data().breve());
    EXPECT_EQ(g.testo(riga, 4), "0");
    // {1,2,3,4,5,25}: the five pairs with 25 never drawn, delay 3 each: 15 / 15.
    // The pruned search never reaches {1,2,3,4,6,7}, which would total 26 too.
    int altra = 2;
    while (altra < 22 && g.testo(altra, 0) != "1.2.3.4.5.25")
        ++altra;
    ASSERT_LT(altra, 22);
    EXPECT_EQ(g.testo(altra, 1), "22");
    EXPECT_EQ(g.testo(altra, 2), "1");
    EXPECT_EQ(g.testo(altra, 4), "0");
    EXPECT_EQ(stat[IndiceAmbo(25, 3)].ultima, arch[0].data.data());
    EXPECT_EQ(stat[IndiceAmbo(25, 3)].ritardo, 3);
    // The largest "Rit. Medio" is 1: those rows are red, bold and underlined.
    EXPECT_EQ(g.cella(altra, 0).colore, colori::Rosso);
    EXPECT_TRUE(g.cella(altra, 3).sottolineato);
    EXPECT_EQ(g.cella(riga, 0).colore, colori::Nero);
    EXPECT_FALSE(g.cella(riga, 0).grassetto);
    EXPECT_EQ(r.titolo, "Le 20 sestine   piu' frequenti per ambo su 622.614.630");
}

TEST(ElaboraLunghette, RitardoMedioMassimoInRosso)
{
    auto arch = prova::EstrazioniCasuali(77, 200);
    std::array<bool, 12> mesi;
    mesi.fill(true);
    auto stat = ElaboraStatistica(arch, 0, 199, mesi, nullptr, nullo);
    auto r = ElaboraLunghette(stat, 3, nullo);
    int massimo = -1, rossi = 0;
    for (int riga = 2; riga < 22; ++riga)
        massimo = std::max(massimo, std::stoi(r.griglia.testo(riga, 2)));
    for (int riga = 2; riga < 22; ++riga) {
        const Cella &c = r.griglia.cella(riga, 0);
        bool max = std::stoi(r.griglia.testo(riga, 2)) == massimo;
        EXPECT_EQ(c.colore == colori::Rosso && c.grassetto && c.sottolineato, max) << riga;
        rossi += max;
    }
    EXPECT_GE(rossi, 1);
    // Totals never grow down the list.
    for (int riga = 3; riga < 22; ++riga)
        EXPECT_GE(std::stoi(r.griglia.testo(riga - 1, 1)), std::stoi(r.griglia.testo(riga, 1)));
}

TEST(AggiornaDescrizione, TitoliConSeparatori)
{
    EXPECT_EQ(AggiornaDescrizione(0), "Le 20 combinazioni piu' frequenti per ambo");
    EXPECT_EQ(AggiornaDescrizione(3), "Le 20 terzine   piu' frequenti per ambo su 117.480");
    EXPECT_EQ(AggiornaDescrizione(4), "Le 20 quartine  piu' frequenti per ambo su 2.555.190");
    EXPECT_EQ(AggiornaDescrizione(10), "Le 20 decine    piu' frequenti per ambo su 5.720.645.481.903");
}

TEST(TestoRiepilogo, RigheDelFileCSV)
{
    auto arch = Archivio({{1, 2, 3, 4, 5, 6}, {7, 11, 12, 13, 14, 15}, {1, 2, 3, 4, 5, 6, 20, 21}});
    DatiRiepilogo d;
    d.parametri.numeri = {12, 7};
    d.parametri.colpi = 1;
    d.parametri.fine = 2;
    for (int m = 2; m < 12; ++m)
        d.parametri.mesi[m] = false;
    d.testoInizio = TestoDataSpia(arch[0].data);
    d.testoFine = TestoDataSpia(arch[2].data);
    RisultatoSpia r = ElaboraSpia(arch, d.parametri, nullo);
    d.spia = &r;
    d.kLunghette = 3;
    d.filtroSpia = true;
    auto stat = ElaboraStatistica(arch, 0, 2, d.parametri.mesi, &r.analizzata, nullo);
    d.lunghette = ElaboraLunghette(stat, 3, nullo).griglia;
    std::string t = TestoRiepilogo(d);
    std::vector<std::string> righe;
    for (size_t p = 0, q; (q = t.find("\r\n", p)) != std::string::npos; p = q + 2)
        righe.push_back(t.substr(p, q - p));
    ASSERT_EQ(righe.size(), 8u + 3 + 2 + 8 + 2 + 28 + 2 + 20);
    EXPECT_EQ(righe[0], "Modalità;Numeri Spia;");
    EXPECT_EQ(righe[1], "ruota;Bari;");
    EXPECT_EQ(righe[2], "selezione;Estratti;");
    EXPECT_EQ(righe[3], "dal; 3/ 1/2020   1;");
    EXPECT_EQ(righe[4], " al; 9/ 1/2020   3;");
    EXPECT_EQ(righe[5], "colpi;1;");
    EXPECT_EQ(righe[6], "Numeri scelti;;7;12;");
    EXPECT_EQ(righe[7], "mesi considerati;;Gen;Feb;");
    EXPECT_EQ(righe[8], "Totali  Numeri;     1;");
    EXPECT_EQ(righe[9], "Somme  Vincenti;     8;");
    EXPECT_EQ(righe[10], "Media ult. venti;     0;");
    EXPECT_EQ(righe[11], "Numeri più usciti;");
    EXPECT_EQ(righe[12], "Presenze;Numeri;");
    EXPECT_EQ(righe[13], "   1;1;");
    EXPECT_EQ(righe[21], "Ambi più usciti;");
    EXPECT_EQ(righe[22], "Presenze;Numero 1;Numero 2;;");
    EXPECT_EQ(righe[23], "   1;1;2;");
    EXPECT_EQ(righe[51], "terzine;Filtro N.Spie;");
    EXPECT_EQ(righe[52], "Lunghetta;Presenze;Rit Med;Ult usc;Rit att;");
    // Among equal totals the group found last comes first.
    EXPECT_EQ(righe[53], "3 4 5;3;0;09/01/2020;0;");
}
