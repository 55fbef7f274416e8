#include "methods/AnalisiMetodo.h"

#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

using namespace sestina;
using namespace sestina::metodi;

namespace {

// The first number v of the draw, lunghetta v, v + 1, expected hit 1.
ParametriMetodo PrimoEstratto(int forma = 2)
{
    ParametriMetodo p;
    p.posizioni = "1";
    p.nAmbate = 1;
    p.tipoPrev = 1;
    p.forma = forma;
    p.nratq = 1;
    p.pLung = 1;
    return p;
}

class AnalisiMetodo_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::vector<int>> righe(8, std::vector<int>{80, 81, 82, 83, 84, 85});
        righe.push_back({50, 70, 71, 72, 73, 74}); // 8: 50 51 never again
        righe.push_back({40, 65, 66, 67, 68, 69}); // 9: 40 41 both in draw 11
        righe.push_back({30, 60, 61, 62, 63, 64}); // 10: 30 31, 31 in draw 11
        righe.push_back({31, 40, 41, 2, 3, 4});    // 11
        e = prova::EstrazioniDaNumeri(righe, Data{1, 3, 2011}, 7);
        prova::ScriviArchivio(dir.dir(), e);
    }
    RisultatoAnalisi Analizza(int s, int n, int passo, int limite, ParametriMetodo p = PrimoEstratto())
    {
        return AnalizzaMetodo(archivio::Archivio(dir.dir()), e, "Primo", p, {s, n, passo, limite});
    }
    prova::CartellaTemporanea dir;
    std::vector<archivio::Estrazione> e;
};

TEST_F(AnalisiMetodo_, PrevisioniEsitiERiepilogo)
{
    auto r = Analizza(10, 3, 1, 2);
    ASSERT_FALSE(r.messaggio);
    const Griglia &g = r.previsioni;
    ASSERT_EQ(g.righe(), 4);
    EXPECT_EQ(g.testo(0, 0), "N .prev");
    // First forecast on the start draw itself.
    EXPECT_EQ(g.testo(1, 0), "0");
    EXPECT_EQ(g.testo(1, 1), archivio::TestoListaDate(e[10].data));
    EXPECT_EQ(g.testo(1, 2), "Su");
    EXPECT_EQ(g.testo(1, 4), "30 ");
    EXPECT_EQ(g.testo(1, 5), "30 31 ");
    EXPECT_EQ(*g.cella(1, 5).sfondo, (Colore{3, 255, 0}));
    EXPECT_EQ(g.testo(1, 6), "1");
    EXPECT_EQ(g.testo(1, 7), archivio::TestoListaDate(e[11].data));
    EXPECT_EQ(g.testo(1, 8), "(31)");
    EXPECT_EQ(g.testo(1, 9), "40");
    // Two lunghetta numbers two draws later: an ambo, yellow.
    EXPECT_EQ(g.testo(2, 6), "2");
    EXPECT_EQ(g.testo(2, 9), "(40)");
    EXPECT_EQ(g.testo(2, 10), "(41)");
    EXPECT_EQ(*g.cella(2, 9).sfondo, colori::Giallo);
    EXPECT_EQ(g.testo(3, 6), "0");
    EXPECT_EQ(g.testo(3, 8), "0");
    EXPECT_TRUE(g.testo(3, 7).empty());

    const Griglia &s = r.riepilogo;
    ASSERT_EQ(s.colonne(), 4); // labels, colpo 1, colpo 2, Tot
    EXPECT_EQ(s.testo(0, 0), "N. Colpi");
    EXPECT_EQ(s.testo(0, 3), "Tot");
    EXPECT_EQ(s.testo(1, 0), "Ambata Lunghetta");
    EXPECT_EQ(s.testo(1, 1), "1");
    EXPECT_EQ(s.testo(2, 2), "1");
    EXPECT_EQ(*s.cella(2, 2).sfondo, colori::Giallo);
    EXPECT_EQ(s.testo(1, 3), "1");
    EXPECT_EQ(s.testo(2, 3), "1");
    EXPECT_EQ(s.testo(5, 3), "0");
}

TEST_F(AnalisiMetodo_, LimiteVerificaContaLeEstrazioni)
{
    // L = 1: only the next draw is searched, the ambo two draws later is not seen.
    auto r = Analizza(10, 3, 1, 1);
    EXPECT_EQ(r.previsioni.testo(1, 6), "1");
    EXPECT_EQ(r.previsioni.testo(2, 6), "0");
    EXPECT_EQ(r.riepilogo.testo(2, 2), "0");
}

TEST_F(AnalisiMetodo_, DataEPassoNonAnalizzabili)
{
    EXPECT_EQ(Analizza(3, 3, 1, 2).messaggio.value_or(""), MsgDataNonAnalizzabile);
    // 10, 8, 6, 4, 2, then 0: five rows stay.
    auto r = Analizza(10, 9, 2, 2);
    EXPECT_EQ(r.messaggio.value_or(""), MsgPassoNonAnalizzabile);
    EXPECT_EQ(r.analizzate, 5);
    EXPECT_EQ(r.previsioni.testo(5, 0), "4");
    EXPECT_TRUE(r.previsioni.testo(6, 0).empty());
}

TEST_F(AnalisiMetodo_, PassoDelMesePartedalMesePrecedente)
{
    // Weekly draws from 1/3/2011: draw 10 is 10/5/2011; "Prima del Mese" gives the first
    // draw of April (5/4/2011, draw 5), then of March (draw 0 -> refused).
    auto r = Analizza(10, 2, 31, 3);
    EXPECT_EQ(r.previsioni.testo(1, 1), "5/4/2011 ");
    EXPECT_EQ(r.messaggio.value_or(""), MsgPassoNonAnalizzabile);
    EXPECT_EQ(r.analizzate, 1);
}

TEST_F(AnalisiMetodo_, CinqueOSeiSonoCinquinaOPiu)
{
    std::vector<std::vector<int>> righe(6, std::vector<int>{80, 81, 82, 83, 84, 85});
    righe.push_back({20, 1, 2, 3, 4, 5});
    righe.push_back({20, 21, 22, 23, 24, 25});
    e = prova::EstrazioniDaNumeri(righe);
    prova::ScriviArchivio(dir.dir(), e);
    auto r = Analizza(6, 1, 1, 3, PrimoEstratto(6));
    EXPECT_EQ(r.previsioni.testo(1, 5), "20 21 22 23 24 25 ");
    EXPECT_EQ(r.riepilogo.testo(5, 0), ">= Cinquina Lunghetta");
    EXPECT_EQ(r.riepilogo.testo(5, 1), "1");
    EXPECT_EQ(*r.previsioni.cella(1, 8).sfondo, (Colore{217, 114, 183}));
}

TEST_F(AnalisiMetodo_, SpiegazioneTestoEHTML)
{
    auto r = Analizza(10, 3, 1, 2);
    ASSERT_GE(r.spiegazione.size(), 10u);
    EXPECT_EQ(r.spiegazione[0],
              "Analisi della Previsione ottenuta con il Metodo : Primo effettuata sulla Ruota di Superenalotto");
    EXPECT_EQ(r.spiegazione[2], "ottenute a passo 1 e limitando la ricerca degli esiti positivi a 2 estrazioni "
                                "successive");
    EXPECT_EQ(r.spiegazione[3], "Sono stati utilizati il Tipo di Calcolo : STANDARD e il Tipo di Previsione : Somma ");
    EXPECT_EQ(r.spiegazione.back(), "Lunghetta: 30 31  ");

    auto txt = RigheTXT(r);
    EXPECT_EQ(txt[1], " Tabella Esiti ");
    EXPECT_EQ(txt[2].substr(0, 17), "N .pr Data Estr  ");
    // The lunghetta column keeps its whole text.
    EXPECT_NE(txt[3].find("30 31 "), std::string::npos);
    EXPECT_EQ(txt.back().substr(0, 21), ">= Cinquina Lunghetta"s.substr(0, 20) + " ");

    TExStringList testa{"<html>", "<head>", "<meta>", "<link>", "</head>", "<body>"};
    TExStringList coda{"</body>", "</html>"};
    auto html = PaginaAnalisiHTML(r, testa, coda);
    EXPECT_EQ(html[4], "<title> ANALISI METODO  </title>");
    EXPECT_EQ(html[5], "</head>");
    EXPECT_EQ(html[7], "<p class=s61>");
    EXPECT_NE(html.IndexOf("          <TD><p class=s1> TABELLA ESITI </p></td>"), -1);
    EXPECT_NE(html.IndexOf("          <TD><p class=s1> RIEPILOGO VINCITE PER ESTRAZIONE E SORTE </p></td>"), -1);
    EXPECT_NE(html.IndexOf("<td><p class=\"c_1\">1</p></td>"), -1); // the yellow summary cell
    EXPECT_EQ(html[html.Count() - 1], "</html>");
}

} // namespace
