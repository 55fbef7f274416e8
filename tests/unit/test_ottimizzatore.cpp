#include "systems/Ottimizzatore.h"

#include "app/Errore.h"
#include "reference/RiferimentoGaranzia.h"
#include "systems/Sviluppo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>
#include <random>
#include <set>

using namespace sestina;
using namespace sestina::sistemi;

namespace {

std::vector<int> Da1A(int n)
{
    std::vector<int> v(n);
    std::iota(v.begin(), v.end(), 1);
    return v;
}

Colonna Col(std::initializer_list<int> numeri)
{
    Colonna c;
    for (int x : numeri)
        c.push_back(static_cast<char>(x));
    return c;
}

// The reduction as described: enumerate in order, keep a candidate unless an
// earlier kept column shares at least k - r numbers with it.
std::vector<Colonna> GreedyLetterale(const std::vector<int> &numeri, int k, int r)
{
    std::vector<Colonna> kept;
    const int n = static_cast<int>(numeri.size());
    std::vector<int> p(k);
    std::iota(p.begin(), p.end(), 0);
    while (true) {
        Colonna c;
        for (int i : p)
            c.push_back(static_cast<char>(numeri[i]));
        bool coperta = false;
        for (const auto &q : kept) {
            int comuni = 0;
            for (char x : c)
                comuni += static_cast<int>(std::count(q.begin(), q.end(), x));
            if (comuni >= k - r) {
                coperta = true;
                break;
            }
        }
        if (!coperta)
            kept.push_back(c);
        int i = k - 1;
        while (i >= 0 && p[i] == n - k + i)
            --i;
        if (i < 0)
            return kept;
        ++p[i];
        for (int j = i + 1; j < k; ++j)
            p[j] = p[j - 1] + 1;
    }
}

// Proves the result with the literal definition and checks its shape.
void ControllaSistema(const RisultatoOttimizzazione &ris, const std::vector<int> &numeri, int k, int r)
{
    const std::set<int> inGioco(numeri.begin(), numeri.end());
    ASSERT_FALSE(ris.colonne.empty());
    for (const auto &c : ris.colonne) {
        ASSERT_EQ(static_cast<int>(c.size()), k);
        const std::set<int> distinti(c.begin(), c.end());
        ASSERT_EQ(static_cast<int>(distinti.size()), k);
        for (int x : distinti)
            ASSERT_TRUE(inGioco.count(x)) << x;
    }
    const auto prova = riferimento::RiferimentoGaranzia(ris.colonne, numeri, k);
    EXPECT_GE(prova.garanzia, k - r);
    EXPECT_LE(static_cast<int>(ris.colonne.size()), ris.colonneGreedy);
}

// Stops after a number of questions, or once the given share of the work is done.
class Interruttore final : public Progresso {
public:
    explicit Interruttore(int dopo, double quota = 2) : m_dopo(dopo), m_quota(quota) {}
    void Avanza(long fatto, long totale) override
    {
        EXPECT_GE(fatto, m_ultimo);
        EXPECT_LE(fatto, totale);
        m_ultimo = fatto;
        m_totale = totale;
        ++chiamate;
    }
    bool Interrompi() override
    {
        return ++m_domande > m_dopo || (m_totale > 0 && static_cast<double>(m_ultimo) >= m_quota * m_totale);
    }
    int chiamate = 0;

private:
    int m_dopo;
    double m_quota;
    int m_domande = 0;
    long m_ultimo = 0;
    long m_totale = 0;
};

} // namespace

TEST(RiduzioneGreedy, EsempiDellaRiduzione)
{
    EXPECT_EQ(RiduzioneGreedy({1, 2, 3, 4, 5}, 3, 1), (std::vector<Colonna>{Col({1, 2, 3}), Col({1, 4, 5})}));
    // The order of the numbers decides which columns survive.
    EXPECT_EQ(RiduzioneGreedy({1, 11, 21, 2, 12}, 3, 1), (std::vector<Colonna>{Col({1, 11, 21}), Col({1, 2, 12})}));
    EXPECT_EQ(RiduzioneGreedy({1, 2, 3, 4}, 3, 1), (std::vector<Colonna>{Col({1, 2, 3})}));
}

TEST(RiduzioneGreedy, UgualeAllaRiduzioneLetterale)
{
    std::mt19937 gen(7);
    for (int prova = 0; prova < 40; ++prova) {
        const int k = 3 + static_cast<int>(gen() % 4);
        const int n = k + 1 + static_cast<int>(gen() % 6);
        const int r = 1 + static_cast<int>(gen() % (k - 1));
        auto numeri = Da1A(90);
        std::shuffle(numeri.begin(), numeri.end(), gen);
        numeri.resize(n);
        SCOPED_TRACE(std::to_string(n) + " " + std::to_string(k) + " " + std::to_string(r));
        EXPECT_EQ(RiduzioneGreedy(numeri, k, r), GreedyLetterale(numeri, k, r));
    }
}

// The search starts from the very system the "&Sistemi" page develops.
TEST(RiduzioneGreedy, UgualeAlloSviluppoDellaPagina)
{
    const auto numeri = sistemi::OrdineTabellone({3, 12, 45, 7, 21, 33, 68, 90, 11, 2, 54});
    for (int k = 3; k <= 6; ++k)
        for (int r = 1; r <= 3 && r < k; ++r) {
            std::vector<Colonna> pagina;
            (void)sistemi::SviluppaSistema(sistemi::TestoNumeriInGioco(numeri), k, r, pagina);
            EXPECT_EQ(RiduzioneGreedy(numeri, k, r), pagina) << k << " " << r;
        }
}

// Random numbers in random order, every level: the returned system always
// proves its guarantee by the literal definition.
TEST(OttimizzaSistema, OgniSistemaHaLaGaranziaSuInputCasuali)
{
    std::mt19937 gen(42);
    for (int prova = 0; prova < 24; ++prova) {
        const int k = 2 + static_cast<int>(gen() % 5);
        const int n = k + 1 + static_cast<int>(gen() % (k <= 3 ? 8 : 5));
        const int r = 1 + static_cast<int>(gen() % (k - 1));
        auto numeri = Da1A(90);
        std::shuffle(numeri.begin(), numeri.end(), gen);
        numeri.resize(n);
        SCOPED_TRACE(std::to_string(n) + " " + std::to_string(k) + " " + std::to_string(r));
        ProgressoNullo p;
        const auto ris = OttimizzaSistema(numeri, k, r, 1, p);
        ControllaSistema(ris, numeri, k, r);
        EXPECT_EQ(ris.colonneGreedy, static_cast<int>(RiduzioneGreedy(numeri, k, r).size()));
        EXPECT_FALSE(ris.interrotta);
    }
}

// Sizes reasoned out independently: 13 numbers, "n-3", need two columns (one
// column leaves seven numbers outside it, a draw among them scores 0) and two
// disjoint ones suffice; seven numbers need one column at any level; ten
// numbers "n-1": the classic system has 14 columns, the greedy 18.
TEST(OttimizzaSistema, RaggiungeSistemiPiccoliNoti)
{
    ProgressoNullo p;
    const auto tredici = OttimizzaSistema(Da1A(13), 6, 3, 2, p);
    EXPECT_EQ(tredici.colonne.size(), 2u);
    ControllaSistema(tredici, Da1A(13), 6, 3);

    const auto sette = OttimizzaSistema(Da1A(7), 6, 1, 1, p);
    EXPECT_EQ(sette.colonne.size(), 1u);

    const auto dieci = OttimizzaSistema(Da1A(10), 6, 1, 2, p);
    EXPECT_EQ(dieci.colonneGreedy, 18);
    EXPECT_LE(dieci.colonne.size(), 15u);
    ControllaSistema(dieci, Da1A(10), 6, 1);
}

// Sixteen numbers, five per column, "n-1": seven whole orbits of the rotation
// of the sixteen positions, 112 columns, cover every draw (the published best
// has 132); the search over orbits must find them even at the lowest effort.
TEST(OttimizzaSistema, SistemaDiOrbiteDellaRotazione)
{
    ProgressoNullo p;
    const auto ris = OttimizzaSistema(Da1A(16), 5, 1, 1, p);
    ControllaSistema(ris, Da1A(16), 5, 1);
    EXPECT_LE(ris.colonne.size(), 112u);
}

// Beyond 64 numbers the search holds columns in two words. Sizes reasoned out:
// at "n-1" with two per column every pair must meet a column, so at most one
// number stays outside them all and 70 numbers need 35 columns; with three
// per column at "n-2" at most two stay outside, so 23 columns.
TEST(OttimizzaSistema, PiuDi64Numeri)
{
    ProgressoNullo p;
    const auto coppie = OttimizzaSistema(Da1A(70), 2, 1, 1, p);
    ControllaSistema(coppie, Da1A(70), 2, 1);
    EXPECT_EQ(coppie.colonne.size(), 35u);

    std::vector<int> numeri = Da1A(90);
    std::mt19937 gen(7);
    std::shuffle(numeri.begin(), numeri.end(), gen);
    numeri.resize(70);
    const auto terne = OttimizzaSistema(numeri, 3, 2, 1, p);
    ControllaSistema(terne, numeri, 3, 2);
    EXPECT_EQ(terne.colonne.size(), 23u);
}

TEST(OttimizzaSistema, StessoInputStessoSistema)
{
    const std::vector<int> numeri{5, 17, 23, 42, 61, 70, 88, 3, 9, 14, 33};
    ProgressoNullo p;
    const auto a = OttimizzaSistema(numeri, 5, 1, 2, p);
    const auto b = OttimizzaSistema(numeri, 5, 1, 2, p);
    EXPECT_EQ(a, b);
    // Columns list their numbers in the order the numbers were given.
    for (const auto &c : a.colonne)
        for (std::size_t i = 1; i < c.size(); ++i)
            EXPECT_LT(std::find(numeri.begin(), numeri.end(), c[i - 1]), std::find(numeri.begin(), numeri.end(), c[i]));
}

TEST(OttimizzaSistema, StopTieneUnSistemaValido)
{
    const auto numeri = Da1A(12);
    // Early questions at the highest effort; then shares of the work that, at
    // the usual effort, fall in the search over orbits and in the tabu search.
    struct Caso {
        int dopo;
        double quota;
        int sforzo;
    };
    constexpr int Mai = std::numeric_limits<int>::max();
    const std::vector<Caso> quando{{0, 2, SforzoMassimo},
                                   {3, 2, SforzoMassimo},
                                   {40, 2, SforzoMassimo},
                                   {Mai, 0.3, SforzoPredefinito},
                                   {Mai, 0.45, SforzoPredefinito}};
    for (const auto &[dopo, quota, sforzo] : quando) {
        SCOPED_TRACE(std::to_string(dopo) + " " + std::to_string(quota));
        Interruttore stop(dopo, quota);
        std::vector<int> trovati;
        const auto ris = OttimizzaSistema(numeri, 6, 1, sforzo, stop, [&](int c) { trovati.push_back(c); });
        EXPECT_TRUE(ris.interrotta);
        ControllaSistema(ris, numeri, 6, 1);
        // Each better system is smaller than the one before; the result is the last of them.
        for (std::size_t i = 1; i < trovati.size(); ++i)
            EXPECT_LT(trovati[i], trovati[i - 1]);
        if (!trovati.empty())
            EXPECT_EQ(static_cast<int>(ris.colonne.size()), trovati.back());
        else
            EXPECT_EQ(static_cast<int>(ris.colonne.size()), ris.colonneGreedy);
    }
}

TEST(OttimizzaSistema, IngressiNonValidi)
{
    ProgressoNullo p;
    EXPECT_THROW(OttimizzaSistema(Da1A(10), 6, 0, 1, p), Errore);
    EXPECT_THROW(OttimizzaSistema(Da1A(10), 6, 6, 1, p), Errore);
    EXPECT_THROW(OttimizzaSistema(Da1A(5), 6, 1, 1, p), Errore);
    EXPECT_THROW(OttimizzaSistema({1, 2, 3, 4, 5, 5, 6}, 6, 1, 1, p), Errore);
    EXPECT_THROW(OttimizzaSistema({1, 2, 3, 4, 5, 91}, 3, 1, 1, p), Errore);
    EXPECT_THROW(OttimizzaSistema(Da1A(33), 6, 1, 1, p), Errore); // 1,107,568 integral columns
    EXPECT_THROW(OttimizzaSistema(Da1A(10), 6, 1, 0, p), Errore);
    EXPECT_THROW(OttimizzaSistema(Da1A(10), 6, 1, SforzoMassimo + 1, p), Errore);
    EXPECT_THROW(RiduzioneGreedy(Da1A(10), 1, 1), Errore);
}
