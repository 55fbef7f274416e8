// The report forms as data: listing lines, pagination and the header.
#include "export/ModuliReport.h"
#include "export/ReportPagine.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::esporta;

namespace {

// A development grid: header row, then "n" and the numbers of each combination.
Griglia Sviluppo(int combinazioni)
{
    Griglia g(combinazioni + 1, 2);
    g.ImpostaTesto(0, 0, "N.");
    g.ImpostaTesto(0, 1, "Combinazione");
    for (int i = 1; i <= combinazioni; ++i) {
        g.ImpostaTesto(i, 0, std::to_string(i));
        g.ImpostaTesto(i, 1, "01 02 0" + std::to_string(i % 10));
    }
    return g;
}

std::vector<std::string> Testi(const PaginaReport &p)
{
    std::vector<std::string> t;
    for (const auto &e : p.elementi)
        if (const auto *x = std::get_if<Etichetta>(&e.elemento))
            t.push_back(x->testo);
    return t;
}

} // namespace

TEST(RigheTabulato, TrePezziPerRigaEUltimaIncompleta)
{
    const auto righe = RigheTabulato(Sviluppo(7));
    ASSERT_EQ(righe.size(), 3u);
    // "C.%-5s: %-20s - ": the number in 5 characters, the numbers in 20.
    const std::string primo = "C.1    : 01 02 01             - ";
    EXPECT_EQ(righe[0].substr(0, primo.size()), primo);
    EXPECT_EQ(righe[0].size(), 3 * primo.size());
    EXPECT_EQ(righe[1].size(), 3 * primo.size());
    EXPECT_EQ(righe[2], "C.7    : 01 02 07             - ");
}

TEST(RigheTabulato, CasiLimite)
{
    EXPECT_EQ(RigheTabulato(Sviluppo(3)).size(), 1u); // no empty line after a full one
    EXPECT_TRUE(RigheTabulato(Sviluppo(0)).empty());  // only the header
    EXPECT_EQ(RigheTabulato(Sviluppo(4)).size(), 2u);
}

TEST(RigheSpoglio, NumerateDaUnoSuCinqueCifre)
{
    const auto una = RigheSpoglio({Colonna({1, 2, 3, 4, 5, 6})});
    ASSERT_EQ(una.size(), 1u);
    EXPECT_EQ(una[0], "C.00001: 01 02 03 04 05 06    - ");
    std::vector<Colonna> molte(5, Colonna({90}));
    const auto righe = RigheSpoglio(molte);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[1], "C.00004: 90                   - C.00005: 90                   - ");
}

TEST(Impagina, LElencoVaAPaginaNuovaEIlPiedeSullUltima)
{
    Report r;
    Banda titolo;
    titolo.tipo = TipoBanda::Titolo;
    titolo.altezza = 50;
    titolo.etichette.push_back({0, 0, 0, "TITOLO", {}, colori::Nero, Allineamento::Sinistra});
    Banda elenco;
    elenco.tipo = TipoBanda::Elenco;
    elenco.altezza = 12.7;
    for (int i = 0; i < 40; ++i)
        elenco.righe.push_back("riga " + std::to_string(i));
    Banda piede;
    piede.tipo = TipoBanda::PiePagina;
    piede.altezza = 12.7;
    piede.etichette.push_back({0, 3, 0, "PIEDE", {}, colori::Nero, Allineamento::Sinistra});
    r.bande = {titolo, elenco, piede};

    // 277 mm of page: the first page holds (277 - 50) / 12.7 = 17 lines, the others 21;
    // 40 lines fill 17 + 21 and leave 2 for the third page, with the footer below them.
    const auto pagine = Impagina(r);
    ASSERT_EQ(pagine.size(), 3u);
    const auto p1 = Testi(pagine[0]);
    EXPECT_EQ(p1.front(), "TITOLO");
    EXPECT_EQ(p1.size(), 1u + 17u);
    EXPECT_EQ(Testi(pagine[1]).size(), 21u);
    const auto p3 = Testi(pagine[2]);
    ASSERT_EQ(p3.size(), 3u);
    EXPECT_EQ(p3[1], "riga 39");
    EXPECT_EQ(p3[2], "PIEDE");
    // the footer sits at the bottom margin: 297 - 10 - 12.7, plus its own offset
    const auto &ultimo = std::get<Etichetta>(pagine[2].elementi.back().elemento);
    EXPECT_NEAR(ultimo.y, 297 - 10 - 12.7 + 3, 1e-9);
    EXPECT_NEAR(ultimo.x, 10, 1e-9);
}

TEST(Tmyreport, LaFiguraStaNellaPaginaECentrata)
{
    IntestazioneReport i;
    i.titoloProgramma = "Titolo";
    // 2000 x 400 screen pixels: 529 mm wide, scaled to the 190 mm band.
    Griglia g(1, 1);
    const Report r = Tmyreport(i, FiguraPixel{g, 2000, 400}, "Didascalia", "uno", "due");
    const auto pagine = Impagina(r);
    ASSERT_EQ(pagine.size(), 1u);
    bool trovata = false;
    for (const auto &e : pagine[0].elementi)
        if (const auto *f = std::get_if<Figura>(&e.elemento); f && std::holds_alternative<Griglia>(f->sorgente)) {
            trovata = true;
            EXPECT_NEAR(f->larghezza, 190.0, 1e-9);
            EXPECT_NEAR(f->altezza, 190.0 * 400 / 2000, 1e-9);
            EXPECT_NEAR(f->x, 10.0, 1e-9);
        }
    EXPECT_TRUE(trovata);
    const auto t = Testi(pagine[0]);
    EXPECT_NE(std::find(t.begin(), t.end(), "Didascalia"), t.end());
    EXPECT_NE(std::find(t.begin(), t.end(), RigaEditore), t.end());
}

TEST(Tmyreport, UnaFiguraAltaVieneRidottaSenzaUscireDallaPagina)
{
    IntestazioneReport i;
    Griglia g(1, 1);
    const Report r = Tmyreport(i, FiguraPixel{g, 300, 3000}, "", "", "");
    const auto pagine = Impagina(r);
    ASSERT_EQ(pagine.size(), 1u);
    for (const auto &e : pagine[0].elementi)
        if (const auto *f = std::get_if<Figura>(&e.elemento)) {
            EXPECT_LE(f->y + f->altezza, 297.0 - 10.0 + 1e-9);
            EXPECT_LE(f->x + f->larghezza, 200.0 + 1e-9);
        }
}

TEST(IntestazioneDaUtente, TreRigheEIlLogoScelto)
{
    DatiUtente u;
    u.campi = {"Mario", "Rossi", "Il Quadrifoglio", "123", "Roma 1", "Milano"};
    u.indiceImmagine = 1;
    const auto i = IntestazioneDaUtente(u, TExStringList{"a.png", "b.png"}, "/prog/");
    EXPECT_EQ(i.righeUtente[0], "Mario Rossi");
    EXPECT_EQ(i.righeUtente[1], "Via Roma 1 - Località Milano");
    EXPECT_EQ(i.righeUtente[2], "Ricevitoria Il Quadrifoglio n.123");
    EXPECT_EQ(i.logoUtente, "/prog/b.png");
    EXPECT_EQ(i.logoProgramma, "/prog/logo_sestina.png");
    u.indiceImmagine = 5;
    EXPECT_ANY_THROW(IntestazioneDaUtente(u, TExStringList{"a.png"}, "/prog/"));
}

TEST(ReportPagine, Didascalie)
{
    EXPECT_EQ(TitoliCalore(false, "10/3/2011 ", 18).titolo, "Estratti In Calore Superenalotto");
    EXPECT_EQ(TitoliCalore(true, "10/3/2011 ", 18).sottotitolo2, "Analizzate[18]");
    EXPECT_EQ(TitoliCalore(true, "10/3/2011 ", 18).sottotitolo1, "Analisi del: 10/3/2011 ");
    const auto s = TitoliStat("Numeri", "1/3/2011 ", "10/3/2011 ");
    EXPECT_EQ(s.titolo.rfind("Tabella Statistiche ", 0), 0u);
    EXPECT_EQ(s.sottotitolo1, "Inizio Ricerca: 1/3/2011 ");
    EXPECT_EQ(s.sottotitolo2, "Fine Ricerca: 10/3/2011 ");
    EXPECT_NE(TitoliAmbo("I 15 Ambi", "a", "b").titolo.find(" Ruota di Superenalotto"), std::string::npos);
    EXPECT_TRUE(TitoliEstrazioni().titolo.empty());
}

TEST(TReportSistemi, SetteColonneDannoTreRigheELeScelte)
{
    DatiReportSistemi d;
    d.data = "10/12/2026";
    d.riduzione = "n-1";
    d.casuali = 3;
    d.ritardi = 2;
    d.tabulato = RigheTabulato(Sviluppo(7));
    const Report r = TReportSistemi(IntestazioneReport{}, d);
    EXPECT_EQ(r.titolo, "Tabulato Sistemi");
    const Banda *elenco = nullptr;
    for (const auto &b : r.bande)
        if (b.tipo == TipoBanda::Elenco)
            elenco = &b;
    ASSERT_TRUE(elenco);
    EXPECT_EQ(elenco->righe.size(), 3u);
    std::vector<std::string> t;
    for (const auto &e : r.bande.front().etichette)
        t.push_back(e.testo);
    for (const char *atteso :
         {"Sistema - Concorso : Superenalotto elaborato il 10/12/2026 ", "Tipo di riduzione n-1",
          "Casuali 3 Ultimi 0, Frequenze 0 Ritardi 2", "Numeri in combinazione Libero", "Tabulato", "Numeri in Gioco"})
        EXPECT_NE(std::find(t.begin(), t.end(), atteso), t.end()) << atteso;
}
