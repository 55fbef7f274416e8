#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "publish/Pubblicazione.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace sestina;
using namespace sestina::pubblica;

namespace {

constexpr std::array<bool, 6> TuttiPDF{true, true, true, true, true, true};

std::vector<archivio::Estrazione> QuattroAnni()
{
    // About a draw a week from 2005 to 2008.
    auto e = prova::EstrazioniCasuali(7, 200);
    std::vector<archivio::Estrazione> out;
    int i = 0;
    for (int anno = 2005; anno <= 2008; ++anno)
        for (int mese = 1; mese <= 12; mese += 3)
            for (int g = 1; g <= 22; g += 7) {
                auto x = e[static_cast<size_t>(i)];
                x.data = {static_cast<std::uint16_t>(g), static_cast<std::uint16_t>(mese),
                          static_cast<std::uint16_t>(anno), static_cast<std::uint16_t>(++i)};
                out.push_back(x);
            }
    return out;
}

void CopiaModelli(const prova::CartellaTemporanea &t)
{
    for (const char *f : {"testahtml.slt", "codahtml.slt", "sestina.css"})
        std::filesystem::copy_file(std::string(SESTINA_SOURCE_DIR) + "/data/" + f, t.percorso(f));
}

} // namespace

TEST(PianoPDF, NomiEConteggiDiUnaCorsaCompleta)
{
    const auto nomi = NomiFilePDF("", TuttiPDF);
    ASSERT_EQ(nomi.size(), 1u + 240 + 168 + 24 + 12 + 156);
    EXPECT_EQ(std::set<std::string>(nomi.begin(), nomi.end()).size(), nomi.size());
    EXPECT_EQ(nomi[0], "lastestrazione.pdf");
    // Consultation: class outer, wheel name inner.
    EXPECT_EQ(nomi[1], "lastconsultazione_Bari_zerati.pdf");
    EXPECT_EQ(nomi[12], "lastconsultazione_Superenalotto_zerati.pdf");
    EXPECT_EQ(nomi[13], "lastconsultazione_Bari_numeretti.pdf");
    EXPECT_EQ(nomi[240], "lastconsultazione_Superenalotto_ambialternati.pdf");
    EXPECT_EQ(nomi[241], "lasttabstat_Bari_numeri.pdf");
    EXPECT_EQ(nomi[408], "lasttabstat_Superenalotto_ambialternati.pdf");
    EXPECT_EQ(nomi[409], "lastincalore_Bari.pdf");
    EXPECT_EQ(nomi[421], "lastincaloreAmbi_Bari.pdf");
    EXPECT_EQ(nomi[433], "lastastrosuperenalotto_Ariete.pdf");
    EXPECT_EQ(nomi[444], "lastastrosuperenalotto_Pesci.pdf");
    // Group delays: wheel name outer, group size inner.
    EXPECT_EQ(nomi[445], "Ritardixambi_Bari_Ambi.pdf");
    EXPECT_EQ(nomi[446], "Ritardixambi_Bari_Terzine.pdf");
    EXPECT_EQ(nomi[457], "Ritardixambi_Bari_Quattordicine.pdf");
    EXPECT_EQ(nomi[458], "Ritardixambi_Cagliari_Ambi.pdf");
    EXPECT_EQ(nomi.back(), "Ritardixambi_Superenalotto_Quattordicine.pdf");
    const std::set<std::string> tutti(nomi.begin(), nomi.end());
    // Spelled as the published site expects them.
    for (const char *n : {"lasttabstat_Genova_ambiterzinesimetriche.pdf", "lasttabstat_Roma_ambiindecina.pdf",
                          "lastconsultazione_Milano_ambiinterzinesimmetriche.pdf",
                          "lastconsultazione_Napoli_ambiquartinaradicale.pdf", "lastincalore_Nazionale.pdf",
                          "lastastrosuperenalotto_Vergine.pdf", "Ritardixambi_Venezia_Sestine.pdf"})
        EXPECT_TRUE(tutti.count(n)) << n;
}

TEST(PianoPDF, SoloIGruppiScelti)
{
    EXPECT_TRUE(NomiFilePDF("", {}).empty());
    EXPECT_EQ(NomiFilePDF("", {false, false, false, true, false, false}).size(), 24u);
    EXPECT_EQ(NomiFilePDF("", {false, false, false, false, false, true}).size(), 156u);
}

TEST(AnniArchivio, DalPiuRecente)
{
    prova::CartellaTemporanea t;
    prova::ScriviArchivio(t.dir(), QuattroAnni());
    EXPECT_EQ(AnniArchivio(t.dir()), (std::vector<int>{2008, 2007, 2006, 2005}));
}

TEST(EsportaHTML, NessunaSceltaNonScriveNulla)
{
    prova::CartellaTemporanea t;
    ProgressoNullo p;
    EXPECT_TRUE(EsportaHTML(t.dir(), t.percorso("html"), "Superenalotto.html", {}, 2008, p).empty());
    EXPECT_FALSE(std::filesystem::exists(t.percorso("html")));
}

TEST(EsportaHTML, OgniFileDellaTabella)
{
    prova::CartellaTemporanea t;
    prova::ScriviArchivio(t.dir(), QuattroAnni());
    CopiaModelli(t);
    SceltaHTML s;
    s.voci.fill(true);
    s.tutti = true;
    s.testaECoda = true;
    ProgressoNullo p;
    const std::string cartella = t.percorso("a/b/html"); // parents created
    const auto scritti = EsportaHTML(t.dir(), cartella, "Superenalotto.html", s, 2008, p);
    // 3 distances + 6 classes + 1, 4 years, 13 group sizes, 4 draws, 20 classes, 14 tables, 2 hot, 12 signs.
    EXPECT_EQ(scritti.size(), 10u + 4 + 13 + 4 + 20 + 14 + 2 + 12);
    for (const auto &n : scritti)
        EXPECT_TRUE(EsisteFile(cartella + "/" + n)) << n;
    const std::set<std::string> tutti(scritti.begin(), scritti.end());
    for (const char *n :
         {"StatisticheEstrazioni_distanzaPodometrica.html", "StatisticheEstrazioni_PariDispariMinimo.html",
          "Superenalotto.html", "Superenalotto-2005.html", "Ritardixambi_Superenalotto_Ambi.html",
          "Superenalotto_Estrazione4.html", "consultazione_Superenalotto_ambiinquartinaradicale.html",
          "tabellestatistiche_Superenalotto_ambiALTERNATI.html", "NumeriIncalore_Superenalotto.html",
          "AmbiIncalore_Superenalotto.html", "astro_Superenalotto_Pesci.html"})
        EXPECT_TRUE(tutti.count(n)) << n;
    // Each consultation file paints its own class.
    for (const auto &[file, classe] : std::vector<std::pair<std::string, std::string>>{
             {"_pari", "Consultazione  Pari"}, {"_numeretti", "Consutazione  Numeretti"},
             {"_ambialternati", "Consultazione  Ambi Alternati"}, {"_zerati", "Consultazione  Zerati"}})
        EXPECT_NE(prova::LeggiByte(cartella + "/consultazione_Superenalotto" + file + ".html")
                      .find("<p class=s1>" + classe + "</p>"),
                  std::string::npos)
            << file;
    // The style sheet the head template links goes with the pages.
    EXPECT_EQ(prova::LeggiByte(cartella + "/sestina.css"),
              prova::LeggiByte(std::string(SESTINA_SOURCE_DIR) + "/data/sestina.css"));
    // The year before the current one links to the current year's page.
    const std::string pagina = prova::LeggiByte(cartella + "/Superenalotto-2007.html");
    EXPECT_NE(pagina.find("<A HREF=\"Superenalotto.html\">Anno Successivo = Estrazioni 2008"), std::string::npos);
    EXPECT_NE(pagina.find("<title>ESTRAZIONI Superenalotto ANNO 2007 </title>"), std::string::npos);
    EXPECT_NE(pagina.find("<A HREF=\"Superenalotto-2006.html\">Anno Precedente"), std::string::npos);
    EXPECT_EQ(prova::LeggiByte(cartella + "/Superenalotto-2005.html").find("Anno Precedente"), std::string::npos);
}

TEST(EsportaHTML, CartellaImpossibileNominataNellErrore)
{
    prova::CartellaTemporanea t;
    prova::ScriviArchivio(t.dir(), QuattroAnni());
    CopiaModelli(t);
    prova::ScriviByte(t.percorso("occupato"), "x");
    SceltaHTML s;
    s.voci[HtmlCalore] = true;
    ProgressoNullo p;
    try {
        (void)EsportaHTML(t.dir(), t.percorso("occupato/html"), "x.html", s, 2008, p);
        FAIL() << "nessun errore";
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("occupato/html"), std::string::npos) << e.what();
    }
}
