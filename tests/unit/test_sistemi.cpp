// The combination engine and the "&Sistemi" page's logic: orders, worked reductions,
// limits, captions, the "Inserisci" counters and the list view.
#include "systems/Sviluppo.h"

#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "reference/RiferimentoSistemi.h"
#include "support/ArchivioProva.h"
#include "support/ColonnaProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <sstream>

using namespace sestina;
using namespace sestina::sistemi;

namespace {

using prova::C;

std::string Testo(const std::vector<int> &numeri)
{
    return TestoNumeriInGioco(numeri);
}

// Records every call of the progress interface; stops at the n-th Interrompi when asked.
struct Registro : Progresso {
    std::vector<std::pair<long, long>> avanza;
    int interrompiDopo = -1;
    int chiamate = 0;
    void Avanza(long a, long b) override { avanza.emplace_back(a, b); }
    bool Interrompi() override { return ++chiamate == interrompiDopo; }
};

} // namespace

TEST(Sviluppo, NumeriComuniContaOgniByteDelPrimo)
{
    EXPECT_EQ(NumeriComuni(C({1, 2, 3}), C({3, 4, 1})), 2);
    EXPECT_EQ(NumeriComuni(C({1, 1}), C({1})), 2);
    EXPECT_EQ(NumeriComuni(C({1}), C({1, 1})), 2);
    EXPECT_EQ(NumeriComuni({}, C({1})), 0);
}

TEST(Sviluppo, Combinazioni)
{
    struct Caso {
        int n, k;
        std::uint64_t atteso;
    };
    for (const Caso &c : std::vector<Caso>{{32, 6, 906192},
                                           {33, 6, 1107568},
                                           {5, 6, 0},
                                           {5, 0, 1},
                                           {90, 6, 622614630},
                                           {90, 10, 5720645481903ULL},
                                           {4, 3, 4},
                                           {0, 0, 1},
                                           {3, -1, 0}})
        EXPECT_EQ(Combinazioni(c.n, c.k), c.atteso) << c.n << " " << c.k;
}

TEST(Sviluppo, LimiteEDidascalia)
{
    EXPECT_EQ(ControllaSviluppo(32, 6), std::nullopt);
    EXPECT_EQ(ControllaSviluppo(33, 6), std::optional<std::string>("Troppe colonne da sviluppare"));
    EXPECT_EQ(ControllaSviluppo(5, 6), std::optional<std::string>("Sviluppo Impossibile"));
    EXPECT_EQ(ControllaSviluppo(6, 6), std::nullopt);
    // The limit is on the integral count even with 90 numbers and Tre (117,480 columns).
    EXPECT_EQ(ControllaSviluppo(90, 3), std::nullopt);
    EXPECT_EQ(ControllaSviluppo(90, 4), std::optional<std::string>("Troppe colonne da sviluppare"));
    EXPECT_EQ(DidascaliaNumeriInGioco(5, 6), "Numeri in gioco 5 Integrali 0");
    EXPECT_EQ(DidascaliaNumeriInGioco(32, 6), "Numeri in gioco 32 Integrali 906192");
}

TEST(Sviluppo, OrdineDelTabelloneEPerColonna)
{
    EXPECT_EQ(OrdineTabellone({12, 2, 11, 1}), (std::vector<int>{1, 11, 2, 12}));
    EXPECT_EQ(OrdineTabellone({90, 81, 10, 1, 1, 21}), (std::vector<int>{1, 21, 81, 10, 90}));
    std::vector<int> tutti(90);
    std::iota(tutti.begin(), tutti.end(), 1);
    auto o = OrdineTabellone(tutti);
    ASSERT_EQ(o.size(), 90u);
    EXPECT_EQ((std::vector<int>(o.begin(), o.begin() + 11)),
              (std::vector<int>{1, 11, 21, 31, 41, 51, 61, 71, 81, 2, 12}));
    EXPECT_EQ(o.back(), 90);
    EXPECT_EQ(TestoNumeriInGioco({3, 12, 45}), "03 12 45 ");
}

TEST(Sviluppo, QuattroNumeriTreSenzaRiduzione)
{
    std::vector<Colonna> lista;
    auto e = SviluppaSistema(Testo(OrdineTabellone({1, 2, 11, 12})), 3, 0, lista);
    EXPECT_EQ(lista, (std::vector<Colonna>{C({1, 11, 2}), C({1, 11, 12}), C({1, 2, 12}), C({11, 2, 12})}));
    EXPECT_EQ(e.elaborate, 4);
    EXPECT_EQ(e.ridotte, 4);
    EXPECT_FALSE(e.interrotto);
    Griglia g = GrigliaSviluppo(lista);
    ASSERT_EQ(g.righe(), 5);
    EXPECT_EQ(g.testo(0, 0), "Scheda n.");
    EXPECT_EQ(g.testo(0, 1), "Sviluppo");
    EXPECT_EQ(g.larghezza(0), 56);
    EXPECT_EQ(g.larghezza(1), 200);
    const char *attese[] = {"01 02 11 ", "01 11 12 ", "01 02 12 ", "02 11 12 "};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g.testo(i + 1, 0), std::to_string(i + 1));
        EXPECT_EQ(g.testo(i + 1, 1), attese[i]);
    }
    for (int r = 0; r < g.righe(); ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(TestoSviluppo(lista, r, c), g.testo(r, c));
    std::ostringstream csv;
    ScriviCSVSviluppo(lista, csv);
    EXPECT_EQ(csv.str(), esporta::GrigliaCSV(g));
    Griglia vuota = GrigliaSviluppoVuota();
    EXPECT_EQ(vuota.testo(0, 0), "Scheda ");
    EXPECT_EQ(vuota.testo(0, 1), "Sviluppo");
}

TEST(Sviluppo, RiduzioniDegliEsempi)
{
    struct Caso {
        std::vector<int> segnati;
        int k, r;
        std::vector<Colonna> attese;
        long elaborate, ridotte;
    };
    const std::vector<Caso> casi{
        {{1, 2, 3, 4, 5}, 3, 1, {C({1, 2, 3}), C({1, 4, 5})}, 6, 2},
        // Board order 1, 11, 21, 2, 12: a value order would give 01 02 11 and 01 12 21.
        {{1, 2, 11, 12, 21}, 3, 1, {C({1, 11, 21}), C({1, 2, 12})}, 6, 2},
        {{1, 2, 3, 4}, 3, 1, {C({1, 2, 3})}, 1, 1},
        // n-3 with Tre: the first column covers everything.
        {{5, 6, 7, 8}, 3, 3, {C({5, 6, 7})}, 1, 1},
    };
    for (const Caso &c : casi) {
        std::vector<Colonna> lista{C({9})}; // emptied first
        auto e = SviluppaSistema(Testo(OrdineTabellone(c.segnati)), c.k, c.r, lista);
        EXPECT_EQ(lista, c.attese);
        EXPECT_EQ(TestoAvanzamento(e.elaborate, e.ridotte),
                  Formato("Elaborate %ld Ridotte %ld", c.elaborate, c.ridotte));
    }
}

TEST(Sviluppo, NessunaRiduzioneEIlSistemaIntegrale)
{
    // Independent enumeration: every 4-subset of 7 numbers by nested loops.
    const std::vector<int> numeri{7, 17, 8, 28, 9, 19, 90};
    std::vector<Colonna> attese;
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b)
            for (int c = b + 1; c < 7; ++c)
                for (int d = c + 1; d < 7; ++d)
                    attese.push_back(C({numeri[a], numeri[b], numeri[c], numeri[d]}));
    std::vector<Colonna> lista, integrale;
    auto e = SviluppaSistema(Testo(numeri), 4, 0, lista);
    EXPECT_EQ(lista, attese);
    EXPECT_EQ(e.elaborate, 35);
    EXPECT_EQ(e.ridotte, 35);
    EXPECT_FALSE(SviluppaColonne(Testo(numeri), 4, integrale));
    EXPECT_EQ(integrale, attese);
}

TEST(Sviluppo, SviluppaColonneCasiPiccoli)
{
    std::vector<Colonna> l{C({1})}; // appends
    EXPECT_FALSE(SviluppaColonne("05 07 09 ", 0, l));
    EXPECT_FALSE(SviluppaColonne("05 07 09 ", 1, l));
    EXPECT_FALSE(SviluppaColonne("05 07 09 ", 2, l));
    EXPECT_EQ(l, (std::vector<Colonna>{C({1}), C({5, 7, 9}), C({5}), C({7}), C({9}), C({5, 7}), C({5, 9}), C({7, 9})}));
    std::vector<Colonna> nessuna;
    EXPECT_FALSE(SviluppaColonne("05 07 ", 3, nessuna));
    EXPECT_FALSE(SviluppaColonne("", 1, nessuna));
    EXPECT_TRUE(nessuna.empty());
    // No numbers in play: no byte 0 (which "sviluppo" cannot hold).
    EXPECT_FALSE(SviluppaColonne("", 0, nessuna));
    EXPECT_EQ(nessuna, std::vector<Colonna>{Colonna{}});
}

TEST(Sviluppo, TrentadueNumeriSeiNMenoUno)
{
    std::vector<int> numeri;
    for (int n = 1; n <= 32; ++n)
        numeri.push_back(n);
    std::vector<Colonna> lista;
    auto e = SviluppaSistema(Testo(OrdineTabellone(numeri)), 6, 1, lista);
    // 906,192 candidates, 28,336 kept.
    EXPECT_EQ(lista.size(), 28336u);
    EXPECT_EQ(e.ridotte, 28336);
    EXPECT_LE(e.elaborate, 906192);
    EXPECT_FALSE(e.interrotto);
}

TEST(Sviluppo, GaranziaDellaRiduzione)
{
    // Every k-subset of the numbers in play shares at least k - r numbers with a kept column.
    std::mt19937 rng(7);
    for (int prova = 0; prova < 30; ++prova) {
        const int n = std::uniform_int_distribution<int>(6, 11)(rng);
        const int k = std::uniform_int_distribution<int>(3, 6)(rng);
        const int r = std::uniform_int_distribution<int>(1, 3)(rng);
        std::vector<int> urna(90);
        std::iota(urna.begin(), urna.end(), 1);
        std::shuffle(urna.begin(), urna.end(), rng);
        const std::vector<int> numeri(urna.begin(), urna.begin() + n);
        std::vector<Colonna> lista, integrale;
        (void)SviluppaSistema(Testo(numeri), k, r, lista);
        (void)SviluppaColonne(Testo(numeri), k, integrale);
        for (const Colonna &s : integrale) {
            int migliore = 0;
            for (const Colonna &t : lista)
                migliore = std::max(migliore, NumeriComuni(s, t));
            ASSERT_GE(migliore, k - r);
        }
        EXPECT_LE(lista.size(), integrale.size());
    }
}

TEST(Sviluppo, ProgressoEStop)
{
    std::vector<int> numeri;
    for (int n = 1; n <= 20; ++n)
        numeri.push_back(n);
    Registro reg;
    std::vector<Colonna> lista;
    auto e = SviluppaSistema(Testo(numeri), 5, 0, lista, &reg);
    // First kept column, then the final figures.
    ASSERT_GE(reg.avanza.size(), 2u);
    EXPECT_EQ(reg.avanza.front(), std::make_pair(1L, 1L));
    EXPECT_EQ(reg.avanza.back(), std::make_pair(15504L, 15504L));
    EXPECT_EQ(e.elaborate, 15504);

    // Stop at the first look: the development ends at once.
    for (int livello : {0, 1, 2}) {
        Registro stop;
        stop.interrompiDopo = 1;
        std::vector<Colonna> parziale;
        auto s = SviluppaSistema(Testo(numeri), 5, livello, parziale, &stop);
        EXPECT_TRUE(s.interrotto) << livello;
        EXPECT_EQ(parziale.size(), 1u) << livello;
    }
    Registro stop;
    stop.interrompiDopo = 2;
    std::vector<Colonna> integrale;
    EXPECT_TRUE(SviluppaColonne(Testo(numeri), 5, integrale, &stop));
    EXPECT_LT(integrale.size(), 15504u);
}

TEST(Sviluppo, NumeriRipetutiNelTestoSeguonoIConfronti)
{
    // Not produced by the page, but the result must still be the literal one.
    for (int r = 0; r <= 3; ++r) {
        const std::string testo = "01 02 01 03 04 02 ";
        std::vector<Colonna> lista;
        auto e = SviluppaSistema(testo, 3, r, lista);
        auto rif = riferimento::RiferimentoSviluppaSistema(testo, 3, r);
        EXPECT_EQ(lista, rif.lista) << r;
        EXPECT_EQ(e.elaborate, rif.elaborate);
        EXPECT_EQ(e.ridotte, rif.ridotte);
    }
}

TEST(Riduci, ListaVuotaOUnaColonnaInvariate)
{
    std::vector<Colonna> vuota;
    EXPECT_FALSE(RiduciColonne(1, vuota));
    EXPECT_TRUE(vuota.empty());
    std::vector<Colonna> una{C({1, 2, 3})};
    EXPECT_FALSE(RiduciColonne(3, una));
    EXPECT_EQ(una, (std::vector<Colonna>{C({1, 2, 3})}));
}

TEST(Riduci, CopertaELivelli)
{
    const std::vector<Colonna> lista{C({1, 2, 3, 4}), C({5, 6, 7, 8})};
    EXPECT_TRUE(ColonnaCoperta(1, C({4, 3, 2, 9}), lista));
    EXPECT_FALSE(ColonnaCoperta(1, C({1, 2, 9, 10}), lista));
    EXPECT_TRUE(ColonnaCoperta(2, C({1, 2, 9, 10}), lista));
    EXPECT_FALSE(ColonnaCoperta(0, C({1, 2, 3, 9}), lista));
    EXPECT_TRUE(ColonnaCoperta(0, C({8, 7, 6, 5}), lista));
    EXPECT_FALSE(ColonnaCoperta(3, C({1}), {}));
}

TEST(Riduci, StopLasciaLaListaComEra)
{
    std::vector<Colonna> lista;
    (void)SviluppaColonne("01 02 03 04 05 06 07 08 09 10 ", 4, lista);
    const auto prima = lista;
    Registro stop;
    stop.interrompiDopo = 1;
    EXPECT_TRUE(RiduciColonne(1, lista, &stop));
    EXPECT_EQ(lista, prima);
}

TEST(Casuali, SequenzaCasualeEUnaPermutazione)
{
    const auto &s = SequenzaCasuale();
    EXPECT_EQ(s[0], 67);
    EXPECT_EQ(s[1], 88);
    EXPECT_EQ(s[2], 37);
    EXPECT_EQ(s[89], 90);
    std::set<int> visti(s.begin(), s.end());
    EXPECT_EQ(visti.size(), 90u);
    EXPECT_EQ(*visti.begin(), 1);
    EXPECT_EQ(*visti.rbegin(), 90);
}

namespace {
// Three draws, the last one last: 1..6 (oldest), 1 2 7 8 9 10, 11 12 13 14 15 16 (newest).
std::vector<archivio::RecordSuperenalotto> TreEstrazioni()
{
    std::vector<archivio::RecordSuperenalotto> v;
    for (const auto &e : prova::EstrazioniDaNumeri({{1, 2, 3, 4, 5, 6}, {1, 2, 7, 8, 9, 10}, {11, 12, 13, 14, 15, 16}}))
        v.push_back(e.numeri);
    return v;
}
} // namespace

TEST(StatisticheSistemi, RanghiFrequenzeEPresenze)
{
    const auto s = StatisticheSistemi(TreEstrazioni(), 2);
    // Read backwards: 11..16 get ranks 1..6, then 1, 2, 7, 8, 9, 10 ranks 7..12, then 3..6.
    EXPECT_EQ(s[10].OrdineUscita, 1);
    EXPECT_EQ(s[15].OrdineUscita, 6);
    EXPECT_EQ(s[0].OrdineUscita, 7);
    EXPECT_EQ(s[9].OrdineUscita, 12);
    EXPECT_EQ(s[2].OrdineUscita, 13);
    EXPECT_EQ(s[0].Frequenza, 2);
    EXPECT_EQ(s[2].Frequenza, 1);
    EXPECT_EQ(s[0].UltimaPresenza, 2);
    EXPECT_EQ(s[10].UltimaPresenza, 1);
    EXPECT_EQ(s[2].UltimaPresenza, 3);
    EXPECT_EQ(s[89].OrdineUscita, 0);
    EXPECT_EQ(s[89].UltimaPresenza, 0);
    // From the middle draw: the last one is not read.
    EXPECT_EQ(StatisticheSistemi(TreEstrazioni(), 1)[10].Frequenza, 0);
}

TEST(StatisticheSistemi, DaArchivioSuFileComeInMemoria)
{
    prova::CartellaTemporanea dir;
    const auto estrazioni = prova::EstrazioniCasuali(3, 700);
    prova::ScriviArchivio(dir.dir(), estrazioni);
    std::vector<archivio::RecordSuperenalotto> numeri;
    for (const auto &e : estrazioni)
        numeri.push_back(e.numeri);
    archivio::Archivio a(dir.dir());
    for (int ultima : {699, 400, 10}) {
        auto daFile = StatisticheSistemi(a, ultima);
        auto inMemoria = StatisticheSistemi(numeri, ultima);
        for (int n = 0; n < 90; ++n) {
            EXPECT_EQ(daFile[n].OrdineUscita, inMemoria[n].OrdineUscita);
            EXPECT_EQ(daFile[n].Frequenza, inMemoria[n].Frequenza);
            EXPECT_EQ(daFile[n].UltimaPresenza, inMemoria[n].UltimaPresenza);
        }
    }
}

TEST(Inserisci, ContatoriCumulativi)
{
    const auto s = StatisticheSistemi(TreEstrazioni(), 2);
    EXPECT_EQ(SelezionaNumeri(s, 3, 0, 0, 0), (std::vector<int>{37, 67, 88}));
    // "Ultimi Usciti" 1 adds the number ranked first: the first number of the last draw.
    EXPECT_EQ(SelezionaNumeri(s, 3, 1, 0, 0), (std::vector<int>{11, 37, 67, 88}));
    // "Frequenze Attuali" 2: 1 and 2 came out twice.
    EXPECT_EQ(SelezionaNumeri(s, 0, 0, 2, 0), (std::vector<int>{1, 2}));
    // 3: then the numbers seen once, ascending: 3.
    EXPECT_EQ(SelezionaNumeri(s, 0, 0, 3, 0), (std::vector<int>{1, 2, 3}));
    // "Ritardi Attuali" 4: UltimaPresenza 3 first (3, 4, 5, 6).
    EXPECT_EQ(SelezionaNumeri(s, 0, 0, 0, 4), (std::vector<int>{3, 4, 5, 6}));
    // Fewer qualify than asked: the selection ends after threshold 1 (16 numbers seen).
    EXPECT_EQ(SelezionaNumeri(s, 0, 0, 0, 90).size(), 16u);
    EXPECT_EQ(SelezionaNumeri(s, 0, 0, 90, 0).size(), 16u);
    // A number taken by two steps is simply marked.
    EXPECT_EQ(SelezionaNumeri(s, 0, 1, 0, 0), SelezionaNumeri(s, 0, 1, 0, 0));
    EXPECT_EQ(SelezionaNumeri(s, 90, 90, 90, 90).size(), 90u);
    EXPECT_TRUE(SelezionaNumeri(s, 0, 0, 0, 0).empty());
}

TEST(ListView2, RigheOrdinamentoEColori)
{
    auto righe = RigheListView2(StatisticheSistemi(TreEstrazioni(), 2));
    ASSERT_EQ(righe.size(), 90u);
    EXPECT_EQ(righe[0].testi, (std::array<std::string, 4>{"01", "07", "02", "001"}));
    EXPECT_EQ(righe[10].testi, (std::array<std::string, 4>{"11", "01", "01", "000"}));
    OrdinaListView(righe, 2); // FRE descending
    EXPECT_EQ(righe[0].testi[0], "01");
    EXPECT_EQ(righe[1].testi[0], "02");
    OrdinaListView(righe, 1); // ORD ascending: the unseen (00) first, then rank 01
    EXPECT_EQ(righe[0].testi[1], "00");
    EXPECT_EQ(righe[74].testi[0], "11");
    OrdinaListView(righe, 3); // RIT descending
    EXPECT_EQ(righe[0].testi[3], "002");
    OrdinaListView(righe, 0);
    EXPECT_EQ(righe[0].testi[0], "01");
    EXPECT_EQ(righe[89].testi[0], "90");
    EXPECT_EQ(ColoreListView(2, 2), (Colore{192, 192, 192}));
    EXPECT_EQ(ColoreListView(1, 2), (Colore{215, 255, 255}));
    EXPECT_EQ(ColoreListView(2, -1), (Colore{255, 202, 202}));
    EXPECT_EQ(ColoreListView(3, 0), (Colore{159, 255, 159}));
    EXPECT_EQ(ColoreListView(0, 1), colori::Bianco);
}
