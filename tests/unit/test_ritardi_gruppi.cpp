#include "stats/RitardiGruppi.h"

#include "app/Data.h"
#include "app/Errore.h"
#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "reference/RiferimentoGruppi.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <functional>
#include <map>
#include <set>

using namespace sestina;
using namespace sestina::statistiche;
using sestina::archivio::Estrazione;
using sestina::prova::Estr;

namespace {

// Draws on consecutive days from 1/1/2020 with the given numbers (jolly 90, superstar 1).
std::vector<Estrazione> Archivio(const std::vector<std::vector<int>> &numeri)
{
    std::vector<Estrazione> e;
    Data d{1, 1, 2020};
    for (size_t i = 0; i < numeri.size(); ++i) {
        e.push_back(Estr(d.giorno, d.mese, d.anno, static_cast<int>(i) + 1, numeri[i], 90, 1));
        d = d.piuGiorni(1);
    }
    return e;
}

std::vector<std::vector<int>> PassoPasso(const std::vector<Estrazione> &e, int k, int inizio, int fine);

void ConfrontaConRiferimento(const std::vector<Estrazione> &e, int k, int inizio, int fine, bool veloce)
{
    SCOPED_TRACE(testing::Message() << "k=" << k << " span " << inizio << ".." << fine << " veloce=" << veloce
                                    << " draws=" << e.size());
    auto veloceRis = CercaRitardiGruppi(e, k, inizio, fine, veloce);
    auto rif = riferimento::RiferimentoGruppi(e, k, inizio, fine, veloce);
    ASSERT_EQ(veloceRis.voci.size(), 15u);
    EXPECT_EQ(veloceRis.inizio, rif.inizio);
    for (size_t i = 0; i < 15; ++i)
        EXPECT_EQ(veloceRis.voci[i], rif.voci[i])
            << "entry " << i << ": " << veloceRis.voci[i].etichetta << " vs " << rif.voci[i].etichetta;
    // The step-by-step checker of the whole archives agrees with the literal search too.
    if (!veloce) {
        std::vector<std::vector<int>> gruppi;
        for (const auto &v : rif.voci)
            if (!v.numeri.empty())
                gruppi.push_back(v.numeri);
        EXPECT_EQ(PassoPasso(e, k, inizio, fine), gruppi);
    }
    for (int colonna : {1, 0, 3})
        EXPECT_EQ(esporta::GrigliaCSV(GrigliaRitPerAmbi(veloceRis, colonna)),
                  esporta::GrigliaCSV(GrigliaRitPerAmbi(rif, colonna)));
}

// Last ambo of every pair, computed directly (-1 none).
std::map<std::pair<int, int>, int> UltimiAmbi(const std::vector<Estrazione> &e, int inizio, int fine)
{
    std::map<std::pair<int, int>, int> u;
    for (int a = 1; a <= 90; ++a)
        for (int b = a + 1; b <= 90; ++b)
            u[{a, b}] = -1;
    for (int r = inizio; r <= fine; ++r) {
        auto n = e[r].numeri.numeri;
        std::sort(n.begin(), n.end());
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j)
                u[{n[i], n[j]}] = r;
    }
    return u;
}

// The literal step-by-step search (every step lists all the groups of the
// step's graph again) with bit sets and a colouring bound: fast enough for
// whole archives, so it checks the incremental merge where the literal one cannot.
using Bit90 = std::bitset<90>;

int ColoriGreedy(Bit90 resto, const std::array<Bit90, 90> &adj)
{
    int colori = 0;
    while (resto.any()) {
        ++colori;
        Bit90 classe = resto;
        for (int v = 0; v < 90; ++v)
            if (classe.test(v)) {
                resto.reset(v);
                classe &= ~adj[v];
            }
    }
    return colori;
}

bool CliquesInOrdine(const Bit90 &cand, int manca, std::vector<int> &prefisso, const std::array<Bit90, 90> &adj,
                     const std::function<bool(const std::vector<int> &)> &emetti)
{
    if (manca == 0)
        return emetti(prefisso);
    if (static_cast<int>(cand.count()) < manca || ColoriGreedy(cand, adj) < manca)
        return true;
    for (int v = 0; v < 90; ++v) {
        if (!cand.test(v))
            continue;
        Bit90 sopra = cand & adj[v];
        for (int w = 0; w <= v; ++w)
            sopra.reset(w);
        prefisso.push_back(v + 1);
        bool avanti = CliquesInOrdine(sopra, manca - 1, prefisso, adj, emetti);
        prefisso.pop_back();
        if (!avanti)
            return false;
    }
    return true;
}

std::vector<std::vector<int>> PassoPasso(const std::vector<Estrazione> &e, int k, int inizio, int fine)
{
    std::vector<std::vector<std::pair<int, int>>> perPasso(fine - inizio + 1);
    for (auto &[coppia, u] : UltimiAmbi(e, inizio, fine))
        perPasso[std::max(inizio, u) - inizio].push_back(coppia);
    std::array<Bit90, 90> adj{};
    std::vector<std::vector<int>> trovati;
    std::set<std::vector<int>> visti;
    for (int r = inizio; r <= fine && trovati.size() < 15; ++r) {
        for (auto [a, b] : perPasso[r - inizio]) {
            adj[a - 1].set(b - 1);
            adj[b - 1].set(a - 1);
        }
        if (perPasso[r - inizio].empty())
            continue;
        std::vector<int> prefisso;
        Bit90 tutti;
        tutti.set();
        CliquesInOrdine(tutti, k, prefisso, adj, [&](const std::vector<int> &g) {
            if (visti.insert(g).second)
                trovati.push_back(g);
            return trovati.size() < 15;
        });
    }
    return trovati;
}

} // namespace

// The incremental search gives the literal search's grid, entry by entry. The
// literal search takes seconds for twelve numbers or more on spans longer
// than about 110 draws, so those spans are left to the shorter archives.
TEST(RitardiGruppi, UgualeAlRiferimentoSuArchiviCasuali)
{
    struct Caso {
        unsigned seme;
        int estrazioni;
    } casi[] = {{1, 30},  {2, 45},  {3, 60},  {4, 75},  {5, 90},   {6, 100}, {7, 110},
                {8, 130}, {9, 150}, {10, 85}, {11, 95}, {12, 105}, {13, 108}};
    for (const Caso &c : casi) {
        auto e = prova::EstrazioniCasuali(c.seme, c.estrazioni);
        const int ultima = c.estrazioni - 1;
        const std::pair<int, int> intervalli[] = {
            {0, ultima}, {ultima / 3, ultima - ultima / 4}, {ultima - 5, ultima}, {ultima, ultima}};
        for (int k = 2; k <= 14; ++k) {
            for (auto [inizio, fine] : intervalli)
                if (k < 12 || fine - inizio < 110)
                    ConfrontaConRiferimento(e, k, inizio, fine, false);
            if (k < 12 || ultima < 110)
                ConfrontaConRiferimento(e, k, ultima / 2, ultima, true);
        }
    }
}

// Whole archives, where the literal search takes seconds: the same groups as
// the step-by-step search, in the same order.
TEST(RitardiGruppi, UgualeAllaRicercaPassoPassoSuArchiviInteri)
{
    struct Caso {
        std::vector<Estrazione> estrazioni;
        int inizio;
    };
    const auto reali = prova::EstrazioniReali();
    const int ultimaReale = static_cast<int>(reali.size()) - 1;
    const Caso casi[] = {{reali, 0},
                         {reali, ultimaReale - 300},
                         {prova::EstrazioniCasuali(41, 1500), 0},
                         {prova::EstrazioniCasuali(42, 800), 400}};
    for (const Caso &c : casi) {
        const int fine = static_cast<int>(c.estrazioni.size()) - 1;
        for (int k = 2; k <= 14; ++k) {
            SCOPED_TRACE(testing::Message() << "k=" << k << " span " << c.inizio << ".." << fine);
            EXPECT_EQ(GruppiPiuInRitardo(c.estrazioni, k, c.inizio, fine), PassoPasso(c.estrazioni, k, c.inizio, fine));
        }
    }
}

// A span starting at the "Ricerca veloce" record of the large groups.
TEST(RitardiGruppi, RicercaVeloceSuArchivioLungo)
{
    auto e = prova::EstrazioniCasuali(11, 3790);
    for (int k = 9; k <= 14; ++k)
        ConfrontaConRiferimento(e, k, 0, 3789, true);
    ConfrontaConRiferimento(e, 3, 3650, 3789, false);
}

// Dense spans where most pairs already came out: the search runs through many draws.
TEST(RitardiGruppi, UgualeAlRiferimentoConMoltiAmbi)
{
    auto e = prova::EstrazioniCasuali(21, 700);
    for (int k = 2; k <= 6; ++k)
        ConfrontaConRiferimento(e, k, 0, 699, false);
    for (int k = 7; k <= 11; ++k)
        ConfrontaConRiferimento(e, k, 580, 699, false);
}

// No limit on the archive's length.
TEST(RitardiGruppi, ArchivioDiVentimilaEstrazioni)
{
    auto e = prova::EstrazioniCasuali(7, 20000);
    ConfrontaConRiferimento(e, 2, 0, 19999, false);
    ConfrontaConRiferimento(e, 3, 12000, 19999, false);
    for (int k = 4; k <= 14; ++k) {
        auto r = CercaRitardiGruppi(e, k, 0, 19999, false);
        std::set<std::vector<int>> diversi;
        for (size_t i = 0; i < 15; ++i) {
            const auto &v = r.voci[i];
            ASSERT_EQ(v.numeri.size(), static_cast<size_t>(k));
            diversi.insert(v.numeri);
            if (i > 0) {
                EXPECT_LE(v.ritardo, r.voci[i - 1].ritardo);
            }
            EXPECT_GT(v.frequenza, 0);
            EXPECT_GE(v.ultimaUscita, 0);
            EXPECT_EQ(v.ritardo, 19999 - v.ultimaUscita);
        }
        EXPECT_EQ(diversi.size(), 15u);
    }
}

// k = 2 on a span where every pair came out: the pairs with the oldest last ambo.
TEST(RitardiGruppi, AmbiTuttiUsciti)
{
    auto e = prova::EstrazioniCasuali(3, 4000);
    auto ultimi = UltimiAmbi(e, 0, 3999);
    std::vector<std::pair<int, std::pair<int, int>>> ordinati;
    for (auto &[coppia, r] : ultimi) {
        ASSERT_GE(r, 0) << "the fixture must hold every pair";
        ordinati.push_back({r, coppia});
    }
    std::sort(ordinati.begin(), ordinati.end());
    auto ris = CercaRitardiGruppi(e, 2, 0, 3999, false);
    for (size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(ris.voci[i].numeri, (std::vector<int>{ordinati[i].second.first, ordinati[i].second.second}));
        EXPECT_EQ(ris.voci[i].ritardo, 3999 - ordinati[i].first);
        if (i > 0) {
            EXPECT_LE(ris.voci[i].ritardo, ris.voci[i - 1].ritardo);
        }
    }
}

TEST(RitardiGruppi, TerzineEAmbiNonRipetonoCoppie)
{
    auto e = prova::EstrazioniCasuali(8, 300);
    auto terzine = CercaRitardiGruppi(e, 3, 0, 299, false);
    auto ambi = CercaRitardiGruppi(e, 2, 0, 299, false);
    std::set<std::string> etichette;
    for (const auto &v : ambi.voci) {
        EXPECT_EQ(v.numeri.size(), 2u);
        etichette.insert(v.etichetta);
    }
    EXPECT_EQ(etichette.size(), 15u);
    for (const auto &v : terzine.voci)
        EXPECT_EQ(v.numeri.size(), 3u);
}

// 1 and 2 come out only apart; the pair 01.02 never makes an ambo.
TEST(RitardiGruppi, GruppoMaiUscitoInAmbo)
{
    std::vector<std::vector<int>> n;
    for (int i = 0; i < 20; ++i)
        n.push_back({10 + i, 30 + i, 50 + i, 70 + (i % 5), 80 + (i % 5), i == 6 ? 1 : (i == 13 ? 2 : 5)});
    auto e = Archivio(n);
    auto r = CercaRitardiGruppi(e, 2, 2, 17, false);
    ASSERT_EQ(r.voci[0].etichetta, "01.02");
    const VoceRitardoGruppo &v = r.voci[0];
    EXPECT_EQ(v.ritardo, 17 - 2);
    EXPECT_EQ(v.frequenza, 0);
    EXPECT_EQ(v.uscitaIl, "Mai uscita");
    EXPECT_EQ(v.ritEstratto, 17 - 13);
    auto g = GrigliaRitPerAmbi(r, 0);
    int riga = 0;
    for (int i = 1; i <= 15; ++i)
        if (g.testo(i, 0) == "01.02")
            riga = i;
    ASSERT_GT(riga, 0);
    EXPECT_EQ(g.testo(riga, 3), "Mai uscita");
    EXPECT_EQ(g.testo(riga, 2), "0");
    for (int c = 4; c <= 11; ++c)
        EXPECT_EQ(g.testo(riga, c), "00");
    EXPECT_EQ(g.testo(riga, 1), "15");
    EXPECT_EQ(g.testo(riga, 12), "4");
}

// Five numbers of the group and the jolly in one draw count as one ambo.
TEST(RitardiGruppi, CinqueNumeriDelGruppoContanoUnaVolta)
{
    auto e = Archivio({{1, 2, 3, 4, 5, 50}, {20, 30, 40, 60, 70, 80}, {1, 7, 8, 9, 10, 11}});
    e[0].numeri.jolly = 6;
    auto ris = CompletaRitardiGruppi(e, 6, 0, 2, {{1, 2, 3, 4, 5, 6}});
    const VoceRitardoGruppo &v = ris.voci[0];
    EXPECT_EQ(v.frequenza, 1);
    EXPECT_EQ(v.ultimaUscita, 0);
    EXPECT_EQ(v.uscitaIl, "1/1/2020 ");
    EXPECT_EQ(v.estrazione, (std::array<int, 8>{1, 2, 3, 4, 5, 50, 6, 1}));
    EXPECT_EQ(v.ritardo, 2);
    EXPECT_EQ(v.ritEstratto, 0); // 1 came out again in the last draw
    auto g = GrigliaRitPerAmbi(ris, 1);
    for (int c = 4; c <= 8; ++c)
        EXPECT_EQ(g.cella(1, c).sfondo, colori::Giallo) << c;
    EXPECT_EQ(g.cella(1, 9).sfondo, colori::Bianco);  // 50 is not in the group
    EXPECT_EQ(g.cella(1, 10).sfondo, colori::Bianco); // nor is the jolly marked
}

TEST(RitardiGruppi, RicercaVeloceSuArchivioCortoDaQuindiciVociVuote)
{
    auto e = prova::EstrazioniCasuali(4, 100);
    auto r = CercaRitardiGruppi(e, 9, 0, 99, true);
    EXPECT_EQ(r.inizio, 3700);
    auto g = GrigliaRitPerAmbi(r, 1);
    ASSERT_EQ(g.righe(), 16);
    for (int i = 1; i <= 15; ++i) {
        EXPECT_EQ(g.testo(i, 0), "");
        EXPECT_EQ(g.testo(i, 1), "0");
        EXPECT_EQ(g.testo(i, 2), "0");
        EXPECT_EQ(g.testo(i, 3), "Mai uscita");
        EXPECT_EQ(g.testo(i, 4), "00");
        EXPECT_EQ(g.testo(i, 12), "0");
    }
    // Below nine numbers "Ricerca veloce" searches the whole archive.
    EXPECT_EQ(CercaRitardiGruppi(e, 8, 50, 99, true).inizio, 0);
}

TEST(RitardiGruppi, TitoliConCombinazioni)
{
    const std::pair<int, const char *> casi[] = {
        {2, "I 15 Ambi più in ritardo su 4.005"},
        {3, "Le 15 Terzine più in ritardo su 117.480"},
        {4, "Le 15 Quartine più in ritardo su 2.555.190"},
        {5, "Le 15 Cinquine più in ritardo su 43.949.268"},
        {6, "Le 15 Sestine più in ritardo su 622.614.630"},
        {7, "Le 15 Settine più in ritardo su 7.471.375.560"},
        {8, "Le 15 Ottine più in ritardo su 77.515.521.435"},
        {9, "Le 15 Novine più in ritardo su 706.252.528.630"},
        {10, "Le 15 Decine più in ritardo su 5.720.645.481.903"},
        {11, "Le 15 Undicine più in ritardo su 41.604.694.413.840"},
        {12, "Le 15 Dodicine più in ritardo su 273.897.571.557.780"},
        {13, "Le 15 Tredicine più in ritardo su 1.643.385.429.346.680"},
        {14, "Le 15 Quattordicine più in ritardo su 9.038.619.861.406.740"},
    };
    for (auto [k, titolo] : casi)
        EXPECT_EQ(TitoloRitardiGruppi(k), titolo);
}

TEST(RitardiGruppi, GrigliaIntestazioniLarghezzeEColori)
{
    auto e = prova::EstrazioniCasuali(5, 150);
    auto g = GrigliaRitPerAmbi(CercaRitardiGruppi(e, 4, 0, 149, false), 1);
    ASSERT_EQ(g.righe(), 16);
    ASSERT_EQ(g.colonne(), 13);
    const char *intestazioni[] = {"Lunghetta", "Ritardo", "Frequenza", "Uscita il", "I", "II",          "III",
                                  "IV",        "V",       "VI",        "J",         "S", "Rit Estratto"};
    for (int c = 0; c < 13; ++c)
        EXPECT_EQ(g.testo(0, c), intestazioni[c]);
    EXPECT_EQ(g.larghezza(0), 350);
    EXPECT_EQ(g.larghezza(1), g.larghezzaColonnaPredefinita);
    EXPECT_EQ(g.larghezza(2), 90);
    EXPECT_EQ(g.larghezza(3), 80);
    EXPECT_EQ(g.larghezza(10), 30);
    EXPECT_EQ(g.larghezza(12), 40);
    EXPECT_EQ(g.cella(0, 1).sfondo, colori::Giallo);
    EXPECT_NE(g.cella(0, 2).sfondo, colori::Giallo);
    EXPECT_EQ(g.cella(3, 0).sfondo, colori::CianoChiaro);
    EXPECT_EQ(g.cella(3, 1).sfondo, (Colore{255, 202, 202}));
    EXPECT_EQ(g.cella(3, 3).sfondo, (Colore{159, 255, 159}));
    EXPECT_EQ(g.cella(3, 12).sfondo, (Colore{159, 255, 159}));
}

TEST(RitardiGruppi, OrdinamentoDellaGriglia)
{
    auto e = prova::EstrazioniCasuali(6, 3000);
    auto r = CercaRitardiGruppi(e, 3, 0, 2999, false);
    ASSERT_TRUE(OrdinabilePerData(r));
    struct Caso {
        int colonna;
        std::function<bool(const std::string &, const std::string &)> nonCrescente;
    } casi[] = {
        {0, [](const std::string &a, const std::string &b) { return a >= b; }},
        {1, [](const std::string &a, const std::string &b) { return std::stoi(a) >= std::stoi(b); }},
        {2, [](const std::string &a, const std::string &b) { return std::stoi(a) >= std::stoi(b); }},
        {12, [](const std::string &a, const std::string &b) { return std::stoi(a) >= std::stoi(b); }},
        {3, [](const std::string &a, const std::string &b) { return *LeggiData(Trim(a)) >= *LeggiData(Trim(b)); }},
    };
    for (const Caso &c : casi) {
        auto g = GrigliaRitPerAmbi(r, c.colonna);
        EXPECT_EQ(g.cella(0, c.colonna).sfondo, colori::Giallo);
        std::set<std::string> etichette;
        for (int i = 1; i <= 15; ++i) {
            etichette.insert(g.testo(i, 0));
            if (i > 1) {
                EXPECT_TRUE(c.nonCrescente(g.testo(i - 1, c.colonna), g.testo(i, c.colonna)))
                    << "column " << c.colonna << " row " << i;
            }
        }
        EXPECT_EQ(etichette.size(), 15u);
    }
    // A column of numbers of the draw keeps the search order.
    auto g = GrigliaRitPerAmbi(r, 5);
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(g.testo(i, 0), r.voci[i - 1].etichetta);
}

// Dates cannot be compared with "Mai uscita": the delay decides instead.
TEST(RitardiGruppi, DataConMaiUscitaOrdinaPerRitardo)
{
    auto e = prova::EstrazioniCasuali(9, 50);
    auto r = CercaRitardiGruppi(e, 5, 0, 49, false);
    ASSERT_FALSE(OrdinabilePerData(r));
    auto g = GrigliaRitPerAmbi(r, 3);
    EXPECT_EQ(g.cella(0, 1).sfondo, colori::Giallo);
    EXPECT_NE(g.cella(0, 3).sfondo, colori::Giallo);
    EXPECT_EQ(esporta::GrigliaCSV(g), esporta::GrigliaCSV(GrigliaRitPerAmbi(r, 1)));
}

TEST(RitardiGruppi, RichiesteNonValide)
{
    auto e = prova::EstrazioniCasuali(1, 10);
    EXPECT_THROW(CercaRitardiGruppi(e, 1, 0, 9, false), Errore);
    EXPECT_THROW(CercaRitardiGruppi(e, 15, 0, 9, false), Errore);
    EXPECT_THROW(CercaRitardiGruppi(e, 3, 0, 10, false), Errore);
    EXPECT_THROW(CercaRitardiGruppi(e, 3, -1, 5, false), Errore);
    // An empty archive gives fifteen empty entries.
    auto vuoto = CercaRitardiGruppi({}, 3, 0, -1, false);
    EXPECT_EQ(vuoto.voci.size(), 15u);
    EXPECT_TRUE(vuoto.voci[0].numeri.empty());
}
