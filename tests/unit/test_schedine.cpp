// The slip list and the operations of the slip page.
#include "slips/Schedine.h"

#include "support/ColonnaProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::schedine;

namespace {
using prova::C;

TExStringList Lista(std::initializer_list<Colonna> v)
{
    TExStringList l;
    for (const auto &c : v)
        l.Add(c);
    return l;
}

std::vector<Colonna> Voci(const TExStringList &l)
{
    return l.righe();
}
} // namespace

TEST(Schedine, ContatoreEVista)
{
    const TExStringList l = Lista({C({1, 2}), C({3}), C({4, 5, 6})});
    EXPECT_EQ(NumeroSchedine(l), 2);
    EXPECT_EQ(TestoContatore(l, 0), "Schedina n. 1/2");
    EXPECT_EQ(TestoContatore(l, 2), "Schedina n. 2/2");
    auto v = MostraSchedina(l, 0);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->contatore, "Schedina n. 1/2");
    EXPECT_EQ(v->numeri, "01 02 ");
    EXPECT_EQ(v->pannelloA, C({1, 2}));
    EXPECT_EQ(v->pannelloB, C({3}));
    v = MostraSchedina(l, 2);
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->pannelloB);
    EXPECT_FALSE(MostraSchedina(l, 3));
    EXPECT_FALSE(MostraSchedina(l, -2));
    EXPECT_EQ(NumeroSchedine(TExStringList{}), 0);
}

TEST(Schedine, AggiungiDopoLAvvio)
{
    // After start-up, 1..6 on panel A and "&Aggiungi Schedina": (1..6), (), () and slip 2/2.
    TExStringList l;
    int indice = 5;
    NuovaGiocata(l, indice);
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{{}}));
    EXPECT_EQ(indice, 0);
    const auto esito = AggiungiSchedina(l, indice, C({1, 2, 3, 4, 5, 6}), {});
    EXPECT_TRUE(esito.aggiunta);
    EXPECT_EQ(esito.messaggio, "");
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1, 2, 3, 4, 5, 6}), {}, {}}));
    EXPECT_EQ(indice, 2);
    EXPECT_EQ(MostraSchedina(l, indice)->contatore, "Schedina n. 2/2");
}

TEST(Schedine, AggiungiRifiutatoConUltimaIncompleta)
{
    TExStringList l = Lista({C({1}), C({2}), C({3})});
    int indice = 0;
    const auto esito = AggiungiSchedina(l, indice, C({1}), C({2}));
    EXPECT_FALSE(esito.aggiunta);
    EXPECT_EQ(esito.messaggio, "Impossibile aggiungere colonne\n\n\rRiempi prima tutti i pannelli.");
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1}), C({2}), C({3})}));
    EXPECT_EQ(indice, 2);
    EXPECT_FALSE(MostraSchedina(l, indice)->pannelloB);
}

TEST(Schedine, AggiungiConPannelliPieniESchedinaVuota)
{
    TExStringList l = Lista({C({1}), C({2})});
    int indice = 0;
    auto esito = AggiungiSchedina(l, indice, C({1, 9}), C({2, 8}));
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1, 9}), C({2, 8}), {}, {}}));
    EXPECT_EQ(indice, 2);
    // The empty new slip on screen: the save is refused, the addition still happens.
    esito = AggiungiSchedina(l, indice, {}, {});
    EXPECT_EQ(esito.messaggio, "Non posso salvare schedine vuote");
    EXPECT_TRUE(esito.aggiunta);
    EXPECT_EQ(l.Count(), 6);
    EXPECT_EQ(indice, 4);
}

TEST(Schedine, AggiungiDaUnaSchedinaPrecedenteNonSovrascriveLUltima)
{
    // Slip 1 shown while slip 2 exists: its panels are saved at slip 1, slip 2 stays.
    TExStringList l = Lista({C({1}), C({2}), C({3}), C({4})});
    int indice = 0;
    const auto esito = AggiungiSchedina(l, indice, C({1, 5}), C({2}));
    EXPECT_TRUE(esito.aggiunta);
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1, 5}), C({2}), C({3}), C({4}), {}, {}}));
    EXPECT_EQ(indice, 4);
}

TEST(Schedine, SalvaSchedina)
{
    TExStringList l = Lista({C({1}), C({2}), C({3})});
    EXPECT_EQ(SalvaSchedina(l, 0, {}, C({5})), "Non posso salvare schedine vuote");
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1}), C({2}), C({3})}));
    // Panel B without numbers keeps the previous panel B entry.
    EXPECT_EQ(SalvaSchedina(l, 0, C({7}), {}), "");
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({7}), C({2}), C({3})}));
    // Panel B of the last slip is appended.
    EXPECT_EQ(SalvaSchedina(l, 2, C({3, 4}), C({9})), "");
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({7}), C({2}), C({3, 4}), C({9})}));
}

TEST(Schedine, CancellaSchedina)
{
    TExStringList l = Lista({C({1}), C({2})});
    int indice = 0;
    EXPECT_EQ(CancellaSchedina(l, indice), "Non puoi cancellare questa colonna");
    EXPECT_EQ(l.Count(), 2);
    l = Lista({C({1}), C({2}), C({3}), C({4}), C({5})});
    indice = 2;
    EXPECT_EQ(CancellaSchedina(l, indice), "");
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1}), C({2}), C({5})}));
    EXPECT_EQ(indice, 0);
    indice = 2; // the last slip has no panel B: only its panel A goes
    EXPECT_EQ(CancellaSchedina(l, indice), "");
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1}), C({2})}));
}

TEST(Schedine, AvantiEIndietro)
{
    const TExStringList l = Lista({C({1}), C({2}), C({3}), C({4}), C({5})});
    int indice = 0;
    EXPECT_TRUE(Avanti(l, indice));
    EXPECT_EQ(indice, 2);
    EXPECT_TRUE(Avanti(l, indice));
    EXPECT_EQ(indice, 4);
    EXPECT_FALSE(Avanti(l, indice));
    EXPECT_EQ(indice, 4);
    Indietro(indice);
    EXPECT_EQ(indice, 2);
    Indietro(indice);
    Indietro(indice);
    EXPECT_EQ(indice, 0);
    int meno = -2;
    EXPECT_TRUE(Avanti(l, meno));
    EXPECT_EQ(meno, 0);
    TExStringList vuota;
    meno = -2;
    EXPECT_FALSE(Avanti(vuota, meno));
}

TEST(Schedine, InvioASchedina)
{
    EXPECT_EQ(ValidaInvio("05 17 88"), C({5, 17, 88}));
    EXPECT_EQ(DomandaInvio("05 17 88"), "Invio 05 17 88?");
    EXPECT_EQ(ValidaInvio("7"), C({7}));
    EXPECT_EQ(ValidaInvio("01 - 90 "), C({1, 90}));
    for (const char *t : {"12/03/2008", "91", "", "0", "5 a", "Lunedì", "3\\4", "05 17 -", "99999999999", "300"})
        EXPECT_EQ(ValidaInvio(t), std::nullopt) << t;
    TExStringList l = Lista({C({1}), {}});
    AppendiInvio(l, C({5, 17, 88}));
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1}), C({5, 17, 88})}));
    TExStringList vuota;
    AppendiInvio(vuota, C({3}));
    EXPECT_EQ(Voci(vuota), (std::vector<Colonna>{C({3})}));
}

TEST(Schedine, DopoCaricamentoCSVOrdinaEMostraLaPrima)
{
    TExStringList l = Lista({C({9, 1, 5}), C({3, 2})});
    int indice = 6;
    DopoCaricamentoCSV(l, indice);
    EXPECT_EQ(Voci(l), (std::vector<Colonna>{C({1, 5, 9}), C({2, 3})}));
    EXPECT_EQ(indice, 0);
    TExStringList vuota;
    DopoCaricamentoCSV(vuota, indice);
    EXPECT_EQ(indice, -2);
}

TEST(Schedine, GiocataAggiuntivaEAbbonamento)
{
    EXPECT_EQ(ImportoGiocataAggiuntiva(GiocataAggiuntiva::Due), 20000);
    EXPECT_EQ(ImportoGiocataAggiuntiva(GiocataAggiuntiva::Uno), 10000);
    EXPECT_EQ(ImportoGiocataAggiuntiva(GiocataAggiuntiva::Dieci), 100000);
    EXPECT_EQ(ImportoGiocataAggiuntiva(GiocataAggiuntiva::Cinque), 50000);
    EXPECT_EQ(ImportoGiocataAggiuntiva(GiocataAggiuntiva::Off), 0);
    EXPECT_EQ(ValoreAbbonamento(0, 0), 2);
    EXPECT_EQ(ValoreAbbonamento(4, 0), 6);
    EXPECT_EQ(ValoreAbbonamento(1, 1), 9);
    EXPECT_EQ(ValoreAbbonamento(3, 1), 15);
    EXPECT_EQ(ValoreAbbonamento(0, 1), 0);
    EXPECT_EQ(ValoreAbbonamento(4, 1), 0);
    EXPECT_STREQ(TestiAbbonamento()[1][0], "");
}
