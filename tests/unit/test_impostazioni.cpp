#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Impostazioni.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;

TEST(DatiPrivati, FileMancanteCreatoConDueRighe)
{
    prova::CartellaTemporanea t;
    DatiPrivati d = CaricaDatiPrivati(t.dir());
    EXPECT_EQ(d.cartellaPDF, t.dir() + "pdf/");
    EXPECT_EQ(d.cartellaHTML, t.dir() + "html/");
    EXPECT_EQ(prova::LeggiByte(t.percorso("Datipvt.DAT")), t.dir() + "pdf/\r\n" + t.dir() + "html/\r\n");
    DatiPrivati dopo = CaricaDatiPrivati(t.dir());
    EXPECT_EQ(dopo.paginaHTML, "Superenalotto.html");
}

TEST(DatiPrivati, QuattroRigheLascianoSpentiGliInterruttori)
{
    DatiPrivati d = LeggiDatiPrivati(TExStringList{"/pdf/", "/html/", "pagina.html", ""});
    EXPECT_EQ(d.paginaHTML, "pagina.html");
    EXPECT_EQ(d.flagEsportazione, (std::array<bool, 13>{}));
}

TEST(DatiPrivati, DiciassetteRighe)
{
    DatiPrivati d;
    d.cartellaPDF = "a";
    d.cartellaHTML = "b";
    d.paginaHTML = "c.html";
    d.flagEsportazione[0] = d.flagEsportazione[7] = d.flagEsportazione[12] = true;
    TExStringList l = ScriviDatiPrivati(d);
    ASSERT_EQ(l.Count(), 17);
    EXPECT_EQ(l[3], "");
    EXPECT_EQ(l[4], "1");
    EXPECT_EQ(l[5], "0");
    EXPECT_EQ(l[16], "1");
    DatiPrivati r = LeggiDatiPrivati(l);
    EXPECT_EQ(r.flagEsportazione, d.flagEsportazione);
    l[4] = "si"; // anything but "1" is off
    EXPECT_FALSE(LeggiDatiPrivati(l).flagEsportazione[0]);
}

TEST(DatiUtente, SetteRighe)
{
    DatiUtente u{{"Mario", "Rossi", "Bar Sport", "123", "Via Roma 1", "Città"}, 1};
    TExStringList l = ScriviDatiUtente(u);
    ASSERT_EQ(l.Count(), 7);
    EXPECT_EQ(l[6], "1");
    DatiUtente r = LeggiDatiUtente(l);
    EXPECT_EQ(r.campi, u.campi);
    EXPECT_EQ(r.indiceImmagine, 1);
    l.Delete(6);
    EXPECT_THROW(LeggiDatiUtente(l), Errore);
}

TEST(ImportiVincite, SessantaCelleEDueImporti)
{
    ImportiVincite v;
    for (size_t i = 0; i < 60; ++i)
        v.celle[i] = std::to_string(i) + ",5";
    v.costoColonna = "0,50";
    v.percentualeRitenuta = "20";
    TExStringList l = ScriviImportiVincite(v);
    ASSERT_EQ(l.Count(), 62);
    EXPECT_EQ(l[0], "0,5");
    EXPECT_EQ(l[59], "59,5");
    EXPECT_EQ(l[60], "0,50");
    EXPECT_EQ(l[61], "20");
    ImportiVincite r = LeggiImportiVincite(l);
    EXPECT_EQ(r.celle, v.celle);
    EXPECT_EQ(LeggiValuta(r.costoColonna), 5000); // half a unit
}
