#include "export/PagineHTML.h"
#include "export/TabellaHTML.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sestina;
using namespace sestina::esporta;

namespace {

Griglia DueRighe(const std::string &testo, Colore sfondo)
{
    Griglia g(2, 2);
    g.ImpostaTesto(0, 0, testo);
    g.ImpostaTesto(0, 1, "B");
    g.ImpostaTesto(1, 0, testo);
    g.ImpostaTesto(1, 1, "x");
    g.cella(0, 0).sfondo = sfondo;
    g.cella(1, 0).sfondo = sfondo;
    return g;
}

ModelliHTML Modelli(bool testaECoda)
{
    return {{"<!DOCTYPE x>", "<html>", "<head>", "<meta a>", "<link b>", "</head>", "<body>"},
            {"</body>", "</html>"},
            testaECoda};
}

size_t Indice(const std::vector<std::string> &righe, const std::string &riga)
{
    return static_cast<size_t>(std::find(righe.begin(), righe.end(), riga) - righe.begin());
}

RigaAnnoHTML Riga(int g, int m, int a, std::array<int, 8> n)
{
    return {g, m, a, n};
}

} // namespace

TEST(TabellaHTML, ClassiDaiColoriDiSfondo)
{
    struct Caso {
        Colore c;
        std::string classe;
    };
    const Caso casi[] = {{{255, 255, 0}, "c_1"},   {{127, 146, 201}, "c_1"}, {{245, 82, 73}, "c_1"},
                         {{0, 255, 0}, "c_2"},     {{0, 255, 255}, "c_3"},   {{169, 169, 169}, "c_4"},
                         {{217, 114, 183}, "c_5"}, {{0, 254, 0}, ""},        {{255, 255, 255}, ""}};
    for (const auto &c : casi)
        EXPECT_EQ(ClasseColoreHTML(c.c), c.classe) << int(c.c.r) << "," << int(c.c.g) << "," << int(c.c.b);
}

TEST(TabellaHTML, RigheDellaTabella)
{
    const auto righe = TabellaHTML(DueRighe("7", {0, 255, 0}));
    const std::vector<std::string> attese{"<DIV class=t1>",
                                          "<TABLE border=0 cellPadding=2 cellSpacing=1 width=100%>",
                                          "      <TBODY>",
                                          "<tr class=p1t>",
                                          "<td>7</td>", // first row: plain text whatever its colour
                                          "<td>B</td>",
                                          "</tr>",
                                          "<tr class=p1>",
                                          "<td><p class=\"c_2\">7</p></td>",
                                          "<td><p>x</p></td>",
                                          "</tr>",
                                          "</tbody> </table>",
                                          "</DIV>"};
    EXPECT_EQ(righe, attese);
}

TEST(TabellaHTML, TestiDelleCelleNonApronoTag)
{
    const auto righe = TabellaHTML(DueRighe("<script>a&b</script>", {1, 2, 3}));
    EXPECT_EQ(righe[4], "<td>&lt;script&gt;a&amp;b&lt;/script&gt;</td>");
    EXPECT_EQ(righe[8], "<td><p>&lt;script&gt;a&amp;b&lt;/script&gt;</p></td>");
}

TEST(PaginaHTML, SenzaTestaECodaIniziaConLaTabellaDiTestata)
{
    const auto righe = PaginaHTML(Modelli(false), "Titolo", "due", "tre", "quattro", DueRighe("1", {}));
    EXPECT_EQ(righe.front(), "    <TABLE class=top_panel cellSpacing=0 cellPadding=0 width=\"100%\" border=0>");
    EXPECT_EQ(righe[4], "          <TD><p class=s1>Titolo</p></td>");
    EXPECT_EQ(righe[8], "          <TD><p class=s2>quattro</p></td>");
    for (const auto &r : righe) {
        EXPECT_EQ(r.find("<head>"), std::string::npos);
        EXPECT_EQ(r.find("<body>"), std::string::npos);
    }
    EXPECT_EQ(righe.back(), "    <TD colSpan=37><IMG height=7 src=\"estrazioni_superenalotto_x1.gif\" width=\"100%\"></td>");
}

TEST(PaginaHTML, TestaECodaConIlTitoloAllaQuintaRiga)
{
    const auto righe = PaginaHTML(Modelli(true), "Titolo", "", "", "", DueRighe("1", {}));
    EXPECT_EQ(righe[4], "<title>Titolo </title>");
    EXPECT_EQ(righe[3], "<meta a>");
    EXPECT_EQ(righe[5], "<link b>");
    EXPECT_EQ(righe[righe.size() - 2], "</body>");
    EXPECT_EQ(righe.back(), "</html>");
}

TEST(PaginaAstroHTML, QuattroTabelleConDidascalia)
{
    TabelleAstro t{DueRighe("c", {}), DueRighe("p", {}), DueRighe("r", {}), DueRighe("e", {})};
    const auto righe = PaginaAstroHTML(Modelli(false), "Astrolotto ", "a", "Ariete", "b", t);
    const size_t cruci = Indice(righe, "<p class=s3> Cruciverba </p>");
    const size_t prev = Indice(righe, "<p class=s3> Previsione </p>");
    const size_t rit = Indice(righe, "<p class=s3> Ritardi </p>");
    const size_t esiti = Indice(righe, "<p class=s3> Esiti </p>");
    ASSERT_LT(esiti, righe.size());
    EXPECT_LT(cruci, prev);
    EXPECT_LT(prev, rit);
    EXPECT_LT(rit, esiti);
    EXPECT_EQ(righe[cruci + 5], "<td>c</td>");
    EXPECT_EQ(righe[esiti + 5], "<td>e</td>");
}

TEST(PaginaAnnoHTML, AnnoPrecedenteAlCorrenteRimandaAllaPaginaPrincipale)
{
    const std::vector<RigaAnnoHTML> e{Riga(3, 1, 2025, {1, 2, 3, 4, 5, 6, 7, 8}),
                                      Riga(28, 12, 2025, {10, 20, 30, 40, 50, 60, 70, 80}),
                                      Riga(2, 1, 2026, {11, 12, 13, 14, 15, 16, 17, 18})};
    const auto p = PaginaAnnoHTML(Modelli(false), 2025, VarianteAnno::A, 2026, "Superenalotto.html", e);
    EXPECT_EQ(p.nomeFile, "superenalotto-2025.html");
    EXPECT_EQ(p.righe[3], "          <TD><p class=s3><A HREF=\"superenalotto-2024.html\">Anno Precedente = Estrazioni "
                          "2024 superenalotto </a></p></td>");
    EXPECT_EQ(p.righe[4], "          <TD><p class=s2><A HREF=\"Superenalotto.html\">Anno Successivo = Estrazioni 2026 "
                          "superenalotto </a></p></td>");
    // Draws of the year only, newest first, day\month\year.
    const size_t prima = Indice(p.righe, "<td>28\\12\\2025</td>");
    const size_t seconda = Indice(p.righe, "<td>03\\01\\2025</td>");
    ASSERT_LT(seconda, p.righe.size());
    EXPECT_LT(prima, seconda);
    EXPECT_EQ(Indice(p.righe, "<td>02\\01\\2026</td>"), p.righe.size());
    EXPECT_EQ(p.righe[seconda + 2], "<td>01</td>");
    EXPECT_EQ(p.righe[seconda + 9], "<td>08</td>");
    EXPECT_EQ(p.righe[seconda + 10], "</tr>");
}

TEST(PaginaAnnoHTML, AnnoCorrenteEVarianteTutti)
{
    const std::vector<RigaAnnoHTML> e{Riga(2, 1, 2026, {11, 12, 13, 14, 15, 16, 17, 18})};
    const auto corrente = PaginaAnnoHTML(Modelli(false), 2026, VarianteAnno::B, 2026, "casa.html", e);
    EXPECT_EQ(corrente.nomeFile, "casa.html");
    EXPECT_EQ(corrente.righe[3], "          <TD><p class=s3><A HREF=\"Superenalotto-2025.html\">Anno Precedente = "
                                 "Estrazioni 2025 Superenalotto </a></p></td>");
    EXPECT_EQ(corrente.righe[4], "          <TD><p class=s2></p></td>"); // no next year
    EXPECT_NE(Indice(corrente.righe, "<IMG height=7 src=\"estrazioni_Superenalotto_x1.gif\" width=\"100%\">"),
              corrente.righe.size());
    const auto vecchio = PaginaAnnoHTML(Modelli(false), 2010, VarianteAnno::B, 2026, "casa.html", e);
    EXPECT_EQ(vecchio.nomeFile, "Superenalotto-2010.html");
    EXPECT_EQ(vecchio.righe[4], "          <TD><p class=s2><A HREF=\"Superenalotto-2011.html\">Anno Successivo = "
                                "Estrazioni 2011 Superenalotto </a></p></td>");
    const auto antico = PaginaAnnoHTML(Modelli(false), 1939, VarianteAnno::A, 2026, "casa.html", e);
    EXPECT_EQ(antico.righe[3], "          <TD><p class=s3></p></td>");
    // The archive's first year: no page before it to link to.
    const auto primo = PaginaAnnoHTML(Modelli(false), 2010, VarianteAnno::B, 2026, "casa.html", e, 2010);
    EXPECT_EQ(primo.righe[3], "          <TD><p class=s3></p></td>");
    const auto secondo = PaginaAnnoHTML(Modelli(false), 2011, VarianteAnno::B, 2026, "casa.html", e, 2010);
    EXPECT_NE(secondo.righe[3].find("Superenalotto-2010.html"), std::string::npos);
}

TEST(PaginaAnnoHTML, TitoloNellaRigaDellaTestaConHead)
{
    ModelliHTML m = Modelli(true);
    m.testa = {"a", "b", "c", "d", "e", "<HTML><HEAD>", "f"};
    const auto p = PaginaAnnoHTML(m, 2025, VarianteAnno::A, 2026, "x.html", {});
    EXPECT_EQ(p.righe[5], "<title>ESTRAZIONI SUPERENALOTTO ANNO 2025 </title>");
    EXPECT_EQ(p.righe[6], "<HTML><HEAD>");
    m.testa = {"<head>", "b", "c", "d", "e", "f"}; // only before index 3: the fifth line
    const auto q = PaginaAnnoHTML(m, 2025, VarianteAnno::A, 2026, "x.html", {});
    EXPECT_EQ(q.righe[4], "<title>ESTRAZIONI SUPERENALOTTO ANNO 2025 </title>");
}

TEST(SalvaPaginaHTML, Windows1252ConCrLf)
{
    prova::CartellaTemporanea t;
    SalvaPaginaHTML({"<td>1\xC2\xB0</td>", "Citt\xC3\xA0"}, t.percorso("p.html"));
    EXPECT_EQ(prova::LeggiByte(t.percorso("p.html")), "<td>1\xB0</td>\r\nCitt\xE0\r\n");
}

TEST(CaricaModelliHTML, TestaMancanteNominaIlFile)
{
    prova::CartellaTemporanea t;
    try {
        (void)CaricaModelliHTML(t.dir(), false);
        FAIL() << "nessun errore";
    } catch (const std::exception &e) {
        EXPECT_NE(std::string(e.what()).find("testahtml.slt"), std::string::npos) << e.what();
    }
}
