#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "export/ModuliReport.h"
#include "export/render/ApplicazioneGrafica.h"
#include "export/render/PittoreReport.h"
#include "publish/render/PubblicaPDF.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <filesystem>

using namespace sestina;
using namespace sestina::pubblica;

namespace {

// A form of `righe` listing lines: more lines, more pages.
esporta::Report Elenco(int righe)
{
    resa::AssicuraApplicazioneGrafica();
    esporta::Report r;
    esporta::Banda b;
    b.tipo = esporta::TipoBanda::Elenco;
    b.altezza = 6.0;
    for (int i = 0; i < righe; ++i)
        b.righe.push_back("riga " + std::to_string(i));
    r.bande.push_back(b);
    return r;
}

int Pagine(const std::string &percorso)
{
    QPDF q;
    q.processFile(percorso.c_str());
    return static_cast<int>(QPDFPageDocumentHelper(q).getAllPages().size());
}

// Stops after `dopo` files.
class Ferma final : public Progresso {
public:
    explicit Ferma(long dopo) : m_dopo(dopo) {}
    void Avanza(long fatto, long) override { m_fatto = fatto; }
    bool Interrompi() override { return m_fatto >= m_dopo; }

private:
    long m_dopo, m_fatto = 0;
};

} // namespace

TEST(EsportaPDF, UnReportPerTuttiISuoiNomiInCartellaNuova)
{
    prova::CartellaTemporanea t;
    std::vector<GruppoPDF> piano{{{"a.pdf", "b.pdf"}, [](const PreparaGriglia &) { return Elenco(3); }},
                                 {{"c.pdf"}, [](const PreparaGriglia &) { return Elenco(100); }}};
    ProgressoNullo p;
    const auto esito = EsportaPDF(piano, t.percorso("x/y"), p);
    EXPECT_EQ(esito.scritti, (std::vector<std::string>{"a.pdf", "b.pdf", "c.pdf"}));
    EXPECT_FALSE(esito.interrotto);
    EXPECT_EQ(Pagine(t.percorso("x/y/a.pdf")), 1);
    EXPECT_EQ(prova::LeggiByte(t.percorso("x/y/a.pdf")), prova::LeggiByte(t.percorso("x/y/b.pdf")));
    EXPECT_GT(Pagine(t.percorso("x/y/c.pdf")), 1);
}

TEST(EsportaPDF, StopTraUnFileEIlSuccessivo)
{
    prova::CartellaTemporanea t;
    int creati = 0;
    std::vector<GruppoPDF> piano{{{"a.pdf"}, [&](const PreparaGriglia &) { ++creati; return Elenco(1); }},
                                 {{"b.pdf"}, [&](const PreparaGriglia &) { ++creati; return Elenco(1); }}};
    Ferma f(1);
    const auto esito = EsportaPDF(piano, t.dir(), f);
    EXPECT_TRUE(esito.interrotto);
    EXPECT_EQ(esito.scritti, std::vector<std::string>{"a.pdf"});
    EXPECT_EQ(creati, 1);
    EXPECT_FALSE(EsisteFile(t.percorso("b.pdf")));
}

TEST(EsportaPDF, ErroreDelReportLasciaIFileGiaScritti)
{
    prova::CartellaTemporanea t;
    prova::ScriviByte(t.percorso("b.pdf"), "vecchio");
    std::vector<GruppoPDF> piano{{{"a.pdf"}, [](const PreparaGriglia &) { return Elenco(1); }},
                                 {{"b.pdf"}, [](const PreparaGriglia &) -> esporta::Report {
                                      throw Errore("Impossibile leggere il logo");
                                  }}};
    ProgressoNullo p;
    EXPECT_THROW((void)EsportaPDF(piano, t.dir(), p), Errore);
    EXPECT_TRUE(EsisteFile(t.percorso("a.pdf")));
    EXPECT_EQ(prova::LeggiByte(t.percorso("b.pdf")), "vecchio");
}

TEST(CreaOpuscolo, PagineSommaDellePartiInOrdineSenzaIlVecchioOpuscolo)
{
    prova::CartellaTemporanea t;
    std::vector<GruppoPDF> piano{{{"b.pdf"}, [](const PreparaGriglia &) { return Elenco(100); }},
                                 {{"a.pdf"}, [](const PreparaGriglia &) { return Elenco(1); }},
                                 {{"c.PDF"}, [](const PreparaGriglia &) { return Elenco(1); }}};
    ProgressoNullo p;
    (void)EsportaPDF(piano, t.dir(), p);
    prova::ScriviByte(t.percorso("note.txt"), "non un pdf");
    EXPECT_EQ(PartiOpuscolo(t.dir()), (std::vector<std::string>{"a.pdf", "b.pdf", "c.PDF"}));
    const int somma = Pagine(t.percorso("a.pdf")) + Pagine(t.percorso("b.pdf")) + Pagine(t.percorso("c.PDF"));
    EXPECT_EQ(CreaOpuscolo(t.dir(), p), somma);
    EXPECT_EQ(Pagine(t.percorso("opuscolo.pdf")), somma);
    // A second run does not swallow the first booklet.
    EXPECT_EQ(CreaOpuscolo(t.dir(), p), somma);
    EXPECT_EQ(Pagine(t.percorso("opuscolo.pdf")), somma);
}

TEST(CreaOpuscolo, ParteIllegibileNominataEVecchioOpuscoloIntatto)
{
    prova::CartellaTemporanea t;
    std::vector<GruppoPDF> piano{{{"a.pdf"}, [](const PreparaGriglia &) { return Elenco(1); }}};
    ProgressoNullo p;
    (void)EsportaPDF(piano, t.dir(), p);
    ASSERT_EQ(CreaOpuscolo(t.dir(), p), 1);
    const std::string vecchio = prova::LeggiByte(t.percorso("opuscolo.pdf"));
    prova::ScriviByte(t.percorso("rotto.pdf"), "%PDF-1.4 troncato");
    try {
        (void)CreaOpuscolo(t.dir(), p);
        FAIL() << "nessun errore";
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("rotto.pdf"), std::string::npos) << e.what();
    }
    EXPECT_EQ(prova::LeggiByte(t.percorso("opuscolo.pdf")), vecchio);
}

TEST(CreaOpuscolo, CartellaSenzaPDF)
{
    prova::CartellaTemporanea t;
    ProgressoNullo p;
    EXPECT_THROW((void)CreaOpuscolo(t.dir(), p), Errore);
    EXPECT_FALSE(EsisteFile(t.percorso("opuscolo.pdf")));
}

