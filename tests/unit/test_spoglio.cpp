// Checking a system against the draws: points, the fast check against the literal
// one, the results grid read on demand, its sorting and the summaries.
#include "systems/Spoglio.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "reference/RiferimentoSistemi.h"
#include "support/ArchivioProva.h"
#include "support/ColonnaProva.h"
#include "systems/Sviluppo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>

using namespace sestina;
using namespace sestina::sistemi;
using archivio::Estrazione;
using archivio::RecordSuperenalotto;

namespace {

using prova::C;

RecordSuperenalotto R(std::array<int, 6> n, int jolly, int superstar = 0)
{
    RecordSuperenalotto r;
    for (int i = 0; i < 6; ++i)
        r.numeri[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n[static_cast<std::size_t>(i)]);
    r.jolly = static_cast<std::uint8_t>(jolly);
    r.superstar = static_cast<std::uint8_t>(superstar);
    return r;
}

std::vector<RecordSuperenalotto> Numeri(const std::vector<Estrazione> &e)
{
    std::vector<RecordSuperenalotto> v;
    for (const auto &x : e)
        v.push_back(x.numeri);
    return v;
}

void UgualeAlRiferimento(const std::vector<Colonna> &colonne, const std::vector<RecordSuperenalotto> &numeri,
                         int inizio, int limite)
{
    const auto veloce = Spoglia(colonne, numeri, inizio, limite);
    const auto rif = riferimento::RiferimentoSpoglia(colonne, numeri, inizio, limite);
    ASSERT_EQ(veloce.vincite.size(), rif.vincite.size()) << inizio << " " << limite;
    ASSERT_TRUE(veloce.vincite == rif.vincite) << inizio << " " << limite;
    EXPECT_EQ(veloce.categorie, rif.categorie);
    EXPECT_EQ(veloce.inizio, inizio);
    EXPECT_EQ(veloce.fine, rif.fine);
    EXPECT_FALSE(veloce.interrotto);
}

} // namespace

TEST(ContaPunti, EsempiDelleCategorie)
{
    struct Caso {
        Colonna colonna;
        RecordSuperenalotto estrazione;
        int punti;
    };
    const std::vector<Caso> casi{
        {C({1, 2, 3, 4, 5, 6}), R({1, 2, 3, 4, 5, 40}, 6), 7},
        {C({1, 2, 3, 4, 5, 6}), R({1, 2, 3, 4, 5, 6}, 7), 6},
        {C({1, 2, 3, 4, 5, 6}), R({1, 2, 3, 4, 40, 41}, 6), 4}, // the jolly counts only with five
        {C({10, 20, 30}), R({30, 1, 20, 2, 10, 3}, 4), 3},
        {C({1, 2, 3, 4, 5, 6}), R({1, 2, 3, 4, 5, 40}, 41, 6), 5}, // never the superstar
        {C({1, 2, 3, 4, 5, 6}), R({7, 8, 9, 10, 11, 12}, 1), 0},
        {C({6, 5, 4, 3, 2, 1, 7}), R({1, 2, 3, 4, 5, 40}, 7), 7},
    };
    for (const Caso &c : casi) {
        EXPECT_EQ(ContaPunti(c.colonna, c.estrazione), c.punti) << FormattaColonna(c.colonna);
        EXPECT_EQ(riferimento::RiferimentoContaPunti(c.colonna, c.estrazione), c.punti);
    }
}

TEST(SpoglioVeloce, ComeIlControlloColonnaPerColonna)
{
    std::mt19937 rng(8);
    const auto numeri = Numeri(prova::EstrazioniCasuali(21, 400));
    for (int prova = 0; prova < 40; ++prova) {
        std::vector<Colonna> colonne;
        const int quante = std::uniform_int_distribution<int>(0, 300)(rng);
        for (int i = 0; i < quante; ++i) {
            Colonna c;
            const int lunghezza = std::uniform_int_distribution<int>(0, 10)(rng);
            // Mostly distinct numbers in 1..20 (many wins); a few columns with repeats, 0 or 91+.
            const bool strana = std::uniform_int_distribution<int>(0, 20)(rng) == 0;
            std::vector<int> urna(20);
            std::iota(urna.begin(), urna.end(), 1);
            std::shuffle(urna.begin(), urna.end(), rng);
            for (int j = 0; j < lunghezza; ++j)
                c.push_back(static_cast<char>(strana ? std::uniform_int_distribution<int>(0, 95)(rng)
                                                     : urna[static_cast<std::size_t>(j)] * (1 + prova % 4)));
            colonne.push_back(c);
        }
        const int inizio = std::uniform_int_distribution<int>(0, 399)(rng);
        const int limite = prova % 3 == 0 ? 0 : prova % 3 == 1 ? 1 : std::uniform_int_distribution<int>(1, 500)(rng);
        UgualeAlRiferimento(colonne, numeri, inizio, limite);
    }
}

TEST(SpoglioVeloce, ArchiviConNumeriFuoriPostoComeIlRiferimento)
{
    // A damaged archive: repeated numbers, 0 and 91+ in a draw, jolly among the six.
    std::mt19937 rng(4);
    std::vector<RecordSuperenalotto> numeri;
    for (int i = 0; i < 300; ++i) {
        RecordSuperenalotto r;
        for (auto &x : r.numeri)
            x = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 12)(rng));
        r.jolly = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 12)(rng));
        numeri.push_back(r);
    }
    std::vector<Colonna> colonne;
    std::vector<Colonna> sviluppo;
    (void)SviluppaColonne("01 02 03 04 05 06 07 08 09 10 ", 6, sviluppo);
    colonne.insert(colonne.end(), sviluppo.begin(), sviluppo.end());
    colonne.push_back(C({1, 1, 2, 3}));
    colonne.push_back(C({0, 1, 2, 3, 4, 5}));
    colonne.push_back(C({1, 2, 3, 200, 255, 4})); // bytes no number can be
    for (auto &r : numeri)
        if (r.numeri[0] == 4)
            r.jolly = 250;
    UgualeAlRiferimento(colonne, numeri, 0, 0);
}

TEST(SpoglioVeloce, MoltiColonneSuDueFili)
{
    // Enough columns for the two-thread split; the rows must stay in check order.
    std::vector<Colonna> colonne;
    (void)SviluppaColonne(
        TestoNumeriInGioco({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}), 4,
        colonne);
    ASSERT_GE(colonne.size(), 10000u);
    const auto numeri = Numeri(prova::EstrazioniCasuali(2, 150));
    UgualeAlRiferimento(colonne, numeri, 0, 0);
}

TEST(SpoglioVeloce, SistemaIntegraleSecondoLaFormulaChiusa)
{
    // With m of a draw's numbers among the n in play, C(m,h) C(n-m,6-h) columns have h
    // hits; of the five-hit ones, those whose sixth number is the jolly score 7.
    std::vector<int> inGioco;
    for (int n = 1; n <= 90; n += 3)
        inGioco.push_back(n); // 30 numbers
    std::vector<Colonna> colonne;
    (void)SviluppaColonne(TestoNumeriInGioco(inGioco), 6, colonne);
    const auto numeri = Numeri(prova::EstrazioniCasuali(9, 40));
    const auto r = Spoglia(colonne, numeri, 0, 0);
    auto inSistema = [&](int x) { return std::find(inGioco.begin(), inGioco.end(), x) != inGioco.end(); };
    std::array<std::int64_t, 8> attese{};
    for (const auto &e : numeri) {
        int m = 0;
        for (auto x : e.numeri)
            m += inSistema(x);
        const std::int64_t jolly = inSistema(e.jolly) ? 1 : 0;
        auto c = [](int n, int k) { return static_cast<std::int64_t>(Combinazioni(n, k)); };
        attese[3] += c(m, 3) * c(30 - m, 3);
        attese[4] += c(m, 4) * c(30 - m, 2);
        attese[5] += c(m, 5) * (c(30 - m, 1) - jolly);
        attese[7] += c(m, 5) * jolly;
        attese[6] += c(m, 6);
    }
    EXPECT_EQ(r.categorie, attese);
    std::int64_t totale = 0;
    for (auto x : attese)
        totale += x;
    EXPECT_EQ(static_cast<std::int64_t>(r.vincite.size()), totale);
}

TEST(Spoglio, LimitiEColpi)
{
    const auto estrazioni = prova::EstrazioniDaNumeri({{1, 2, 3, 7, 8, 9}, {1, 2, 3, 10, 11, 12}, {1, 2, 3, 4, 5, 6}});
    const auto numeri = Numeri(estrazioni);
    const std::vector<Colonna> colonne{C({1, 2, 3})};
    auto r = Spoglia(colonne, numeri, 1, 1);
    ASSERT_EQ(r.vincite.size(), 1u);
    EXPECT_EQ(r.vincite[0].estrazione, 1u);
    EXPECT_EQ(r.fine, 1);
    r = Spoglia(colonne, numeri, 1, 0);
    EXPECT_EQ(r.vincite.size(), 2u);
    EXPECT_EQ(r.fine, 2);
    r = Spoglia(colonne, numeri, 0, 2);
    EXPECT_EQ(r.vincite.size(), 2u);
    EXPECT_EQ(r.fine, 1);
    TabellaVincite t(colonne, estrazioni, Spoglia(colonne, numeri, 1, 0));
    EXPECT_EQ(t.testo(1, TabellaVincite::Colpo), "0");
    EXPECT_EQ(t.testo(2, TabellaVincite::Colpo), "1");
    EXPECT_THROW(Spoglia(colonne, numeri, 3, 0), Errore);
    // By default only the last draw is examined.
    EXPECT_EQ(Spoglia(colonne, numeri, 2, 0).vincite.size(), 1u);
}

TEST(Spoglio, ListaVuota)
{
    const auto estrazioni = prova::EstrazioniDaNumeri({{1, 2, 3, 4, 5, 6}});
    const auto r = Spoglia({}, Numeri(estrazioni), 0, 0);
    EXPECT_TRUE(r.vincite.empty());
    TabellaVincite t({}, estrazioni, r);
    EXPECT_EQ(t.righe(), 2);
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(t.testo(1, c), "");
    Griglia riepilogo = GrigliaRiepilogo(r);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(riepilogo.testo(i, 1), "0");
    Griglia dati = GrigliaDatiSistema({}, 5000, 1);
    ASSERT_EQ(dati.righe(), 3);
    EXPECT_EQ(dati.testo(0, 0), "Colonne");
    EXPECT_EQ(dati.testo(0, 1), "0");
    EXPECT_EQ(dati.testo(1, 1), "0");
}

TEST(TabellaVincite, TestiEColoriDiUnaVincita)
{
    // Column 2 (01 02 03 04 05 06) against 1 2 3 4 5 40, jolly 6, superstar 3: "5+1".
    const auto estrazioni = prova::EstrazioniDaNumeri({{40, 5, 4, 3, 2, 1, 6, 3}}, Data{14, 2, 2009});
    const std::vector<Colonna> colonne{C({70, 71, 72}), C({1, 2, 3, 4, 5, 6})};
    TabellaVincite t(colonne, estrazioni, Spoglia(colonne, Numeri(estrazioni), 0, 0));
    ASSERT_EQ(t.righe(), 2);
    const std::vector<std::string> attesi{"14/2/2009 ",         "40", "5", "4", "3", "2", "1", "6", "3", "2",
                                          "01 02 03 04 05 06 ", "",   "",  "",  "7", "",  "0"};
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(t.testo(1, c), attesi[static_cast<std::size_t>(c)]) << c;
    const std::vector<std::string> intestazioni{"Estrazione", "I",       "II", "III", "IV", "V",   "VI", "J",    "S",
                                                "N.Cl",       "Colonna", "3",  "4",   "5",  "5+1", "6",  "Colpo"};
    const std::vector<int> larghezze{100, 30, 30, 30, 30, 30, 30, 30, 30, 60, 200, 30, 30, 30, 30, 30, 40};
    for (int c = 0; c < 17; ++c) {
        EXPECT_EQ(t.testo(0, c), intestazioni[static_cast<std::size_t>(c)]);
        EXPECT_EQ(TabellaVincite::Larghezza(c), larghezze[static_cast<std::size_t>(c)]);
    }
    const Colore rosa{255, 202, 202};
    EXPECT_EQ(t.cella(1, 0).sfondo, colori::CianoChiaro);
    EXPECT_EQ(t.cella(1, 1).sfondo, colori::CianoChiaro); // 40 not in the column
    EXPECT_EQ(t.cella(1, 2).sfondo, rosa);
    EXPECT_EQ(t.cella(1, 7).sfondo, rosa); // the jolly 6
    EXPECT_EQ(t.cella(1, 8).sfondo, rosa); // the superstar 3 is in the column's text
    EXPECT_EQ(t.cella(1, 9).sfondo, std::nullopt);
    EXPECT_EQ(t.cella(1, 14).sfondo, (Colore{215, 255, 255}));
    EXPECT_EQ(t.cella(1, 13).sfondo, std::nullopt);
    EXPECT_EQ(t.cella(0, 3).sfondo, std::nullopt);
}

TEST(TabellaVincite, ColoriDelleCategorie)
{
    const auto estrazioni = prova::EstrazioniDaNumeri({{1, 2, 3, 4, 5, 6}}, Data{1, 3, 2011}, 1, 90);
    const std::vector<Colonna> colonne{C({1, 2, 3, 80}), C({1, 2, 3, 4, 80}), C({1, 2, 3, 4, 5, 80}),
                                       C({1, 2, 3, 4, 5, 6})};
    TabellaVincite t(colonne, estrazioni, Spoglia(colonne, Numeri(estrazioni), 0, 0));
    ASSERT_EQ(t.righe(), 5);
    EXPECT_EQ(t.cella(1, TabellaVincite::Punti3).sfondo, colori::Giallo);
    EXPECT_EQ(t.cella(2, TabellaVincite::Punti4).sfondo, (Colore{0, 255, 0}));
    EXPECT_EQ(t.cella(3, TabellaVincite::Punti5).sfondo, (Colore{255, 0, 255}));
    EXPECT_EQ(t.cella(4, TabellaVincite::Punti6).sfondo, (Colore{255, 202, 202}));
    EXPECT_EQ(t.testo(4, TabellaVincite::Punti6), "6");
    const Griglia r = GrigliaRiepilogo(t.risultato());
    const std::vector<std::string> nomi{"P 3", "P 4", "P 5", "P 5+1", "P 6"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r.testo(i, 0), nomi[static_cast<std::size_t>(i)]);
        EXPECT_EQ(r.testo(i, 1), i == 3 ? "0" : "1");
    }
    EXPECT_EQ(r.cella(0, 0).sfondo, (Colore{0, 255, 0}));
    EXPECT_EQ(r.cella(1, 1).sfondo, (Colore{255, 0, 255}));
    EXPECT_EQ(r.cella(2, 0).sfondo, (Colore{255, 202, 202}));
    EXPECT_EQ(r.cella(3, 1).sfondo, (Colore{215, 255, 255}));
    EXPECT_EQ(r.cella(4, 0).sfondo, std::nullopt);
}

TEST(TabellaVincite, OrdinamentoPerIntestazione)
{
    const auto estrazioni = prova::EstrazioniDaNumeri(
        {{1, 2, 3, 10, 11, 12}, {1, 2, 3, 4, 13, 14}, {5, 6, 7, 1, 2, 3}, {50, 51, 52, 53, 54, 55}});
    const std::vector<Colonna> colonne{C({1, 2, 3, 4}), C({5, 6, 7}), C({9})};
    TabellaVincite t(colonne, estrazioni, Spoglia(colonne, Numeri(estrazioni), 0, 0));
    // Check order: column 1 at draws 0 (3), 1 (4), 2 (3); column 2 at draw 2 (3).
    auto righe = [&](int colonna) {
        std::vector<std::string> v;
        for (int r = 1; r < t.righe(); ++r)
            v.push_back(t.testo(r, colonna));
        return v;
    };
    EXPECT_EQ(righe(TabellaVincite::Colpo), (std::vector<std::string>{"0", "1", "2", "2"}));
    t.Ordina(TabellaVincite::Colpo); // descending, equal keys in their order
    EXPECT_EQ(righe(TabellaVincite::Colpo), (std::vector<std::string>{"2", "2", "1", "0"}));
    EXPECT_EQ(righe(TabellaVincite::NCl), (std::vector<std::string>{"1", "2", "1", "1"}));
    EXPECT_EQ(t.colonnaOrdinata(), TabellaVincite::Colpo);
    EXPECT_EQ(t.cella(0, TabellaVincite::Colpo).sfondo, colori::Giallo);
    EXPECT_EQ(t.cella(0, TabellaVincite::NCl).sfondo, std::nullopt);
    t.Ordina(TabellaVincite::Estrazione); // dates ascending
    EXPECT_EQ(righe(TabellaVincite::Colpo), (std::vector<std::string>{"0", "1", "2", "2"}));
    t.Ordina(TabellaVincite::Punti4); // descending: the 4 first
    EXPECT_EQ(righe(TabellaVincite::Punti4)[0], "4");
    t.Ordina(TabellaVincite::NCl);
    EXPECT_EQ(righe(TabellaVincite::NCl), (std::vector<std::string>{"1", "1", "1", "2"}));
    t.Ordina(TabellaVincite::PrimoNumero); // "I" ascending as integers: 1, 1, 5, 5
    EXPECT_EQ(righe(TabellaVincite::PrimoNumero), (std::vector<std::string>{"1", "1", "5", "5"}));
    t.Ordina(TabellaVincite::Punti3);
    EXPECT_EQ(righe(TabellaVincite::Punti3), (std::vector<std::string>{"3", "3", "3", ""}));
}

TEST(TabellaVincite, OrdinaPerColonnaLeggeIlTestoComeIntero)
{
    // "07 " is the integer 7; "01 02 03 " is no integer and counts 0.
    const auto estrazioni = prova::EstrazioniDaNumeri({{1, 2, 3, 4, 5, 6}});
    const std::vector<Colonna> colonne{C({7}), C({1, 2, 3}), C({4, 5, 6})};
    std::vector<Colonna> tutte = colonne;
    RisultatoSpoglio r;
    r.vincite = {{0, 0, 3}, {1, 0, 3}, {2, 0, 3}};
    TabellaVincite t(colonne, estrazioni, r);
    t.Ordina(TabellaVincite::ColonnaSistema);
    EXPECT_EQ(t.testo(1, TabellaVincite::NCl), "2");
    EXPECT_EQ(t.testo(2, TabellaVincite::NCl), "3");
    EXPECT_EQ(t.testo(3, TabellaVincite::NCl), "1");
}

TEST(TabellaVincite, GrigliaCompletaECSV)
{
    const auto estrazioni = prova::EstrazioniCasuali(12, 80);
    std::vector<Colonna> colonne;
    (void)SviluppaColonne("01 02 03 04 05 06 07 08 09 10 11 12 ", 4, colonne);
    TabellaVincite t(colonne, estrazioni, Spoglia(colonne, estrazioni, 0, 0));
    t.Ordina(TabellaVincite::Punti4);
    const Griglia g = t.GrigliaCompleta();
    ASSERT_EQ(g.righe(), t.righe());
    ASSERT_GT(g.righe(), 10);
    for (int r = 0; r < g.righe(); r += 7)
        for (int c = 0; c < 17; ++c) {
            EXPECT_EQ(g.testo(r, c), t.testo(r, c));
            EXPECT_EQ(g.cella(r, c).sfondo, t.cella(r, c).sfondo);
        }
    EXPECT_EQ(g.larghezza(10), 200);
    std::ostringstream csv;
    t.ScriviCSV(csv);
    EXPECT_EQ(csv.str(), esporta::GrigliaCSV(g));
}

TEST(DatiSistema, CostiEQuote)
{
    const std::vector<Colonna> colonne{C({1, 2, 3}), C({4, 5, 6}), C({7, 8, 9, 10})};
    const Griglia g = GrigliaDatiSistema(colonne, LeggiValuta("0,50"), 2);
    ASSERT_EQ(g.righe(), 5);
    const std::vector<std::pair<std::string, std::string>> attese{
        {"Colonne", "3"}, {"Lunghezza 3", "2"}, {"Lunghezza 4", "1"}, {"Costo sistema", "1,5"}, {"Quote 2", "0,75"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(g.testo(i, 0), attese[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(g.testo(i, 1), attese[static_cast<std::size_t>(i)].second);
    }
    // Half to even at the fourth decimal.
    EXPECT_EQ(DividiValuta(5, 2), 2);
    EXPECT_EQ(DividiValuta(15, 2), 8);
    EXPECT_EQ(DividiValuta(10000, 3), 3333);
    EXPECT_EQ(DividiValuta(20000, 3), 6667);
    EXPECT_EQ(DividiValuta(-15, 2), -8);
    EXPECT_THROW(DividiValuta(1, 0), Errore);
    EXPECT_EQ(GrigliaDatiSistema(colonne, 10000, 3).testo(4, 1), "1");
    EXPECT_EQ(GrigliaDatiSistema(colonne, 10000, 7).testo(4, 1), "0,4286");
}

TEST(Spoglio, RiquadroDiInizio)
{
    // 3/1/2009 is a Saturday; the box counts back within the year and the month.
    const auto e = prova::EstrazioniDaNumeri(
        {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}}, Data{30, 12, 2008}, 2);
    std::vector<archivio::RecordData> date;
    for (const auto &x : e)
        date.push_back(x.data);
    const Griglia g = GrigliaInizioSpoglio(date, 2); // 3/1/2009
    EXPECT_EQ(g.testo(0, 0), "Data");
    EXPECT_EQ(g.testo(0, 1), "3/1/2009 Sabato");
    EXPECT_EQ(g.testo(1, 1), "3 / 4 ");
    EXPECT_EQ(g.testo(2, 1), "2 ");
    EXPECT_EQ(g.testo(3, 1), "2 ");
    EXPECT_EQ(g.testo(3, 0), "Indice Mensile");
    EXPECT_EQ(g.cella(2, 0).sfondo, (Colore{225, 225, 225}));
    EXPECT_EQ(GrigliaInizioSpoglio(date, 0).testo(2, 1), "1 ");
}

TEST(Spoglio, ProgressoEStop)
{
    struct Stop : Progresso {
        int chiamate = 0;
        long ultimo = -1;
        void Avanza(long fatto, long) override { ultimo = fatto; }
        bool Interrompi() override { return ++chiamate >= 1; }
    } stop;
    std::vector<Colonna> colonne;
    (void)SviluppaColonne("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 ", 4, colonne); // 1820
    std::vector<Colonna> molte;
    for (int i = 0; i < 10; ++i)
        molte.insert(molte.end(), colonne.begin(), colonne.end());
    const auto numeri = Numeri(prova::EstrazioniCasuali(1, 50));
    const auto r = Spoglia(molte, numeri, 0, 0, &stop);
    EXPECT_TRUE(r.interrotto);
    EXPECT_GE(stop.chiamate, 1);
    const auto completo = Spoglia(molte, numeri, 0, 0);
    EXPECT_LT(r.vincite.size(), completo.vincite.size());
}

TEST(TabellaVincite, OrdinamentiComeSuiTesti)
{
    // Every header, one after the other, against the sort on the cell texts.
    std::mt19937 rng(6);
    const auto estrazioni = prova::EstrazioniCasuali(30, 300);
    std::vector<Colonna> colonne;
    (void)SviluppaColonne("03 13 23 33 43 53 63 73 83 04 14 24 34 ", 5, colonne);
    colonne.push_back(C({7})); // a one-number column reads as an integer
    TabellaVincite t(colonne, estrazioni, Spoglia(colonne, estrazioni, 0, 0));
    ASSERT_GT(t.righe(), 100);
    for (int prova = 0; prova < 40; ++prova) {
        const int colonna = std::uniform_int_distribution<int>(0, 16)(rng);
        const auto attese = riferimento::RiferimentoOrdina(t, colonna);
        t.Ordina(colonna);
        ASSERT_TRUE(t.risultato().vincite == attese) << "colonna " << colonna;
    }
}
