#include "app/Errore.h"
#include "archive/ArchivioCSV.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::archivio;

TEST(ArchivioCSV, IlFileRealeDelProgetto)
{
    auto reali = prova::EstrazioniReali();
    ASSERT_EQ(reali.size(), 4252u);
    EXPECT_EQ(reali.front().data, (RecordData{3, 12, 1997, 87}));
    EXPECT_EQ(reali.back().numeri.superstar, 49);
    // Written and read back unchanged.
    EXPECT_EQ(LeggiArchivioCSV(ScriviArchivioCSV(reali)), reali);
}

TEST(ArchivioCSV, FormatoScritto)
{
    std::string s = ScriviArchivioCSV({prova::Estr(3, 12, 1997, 87, {20, 36, 39, 41, 72, 76}, 88, 0)});
    EXPECT_EQ(s, "data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar\r\n03/12/1997;87;20;36;39;41;72;76;88;0\r\n");
}

TEST(ArchivioCSV, RigheNonValideNominate)
{
    const std::string h = "data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar\n";
    const std::string buona = "03/12/1997;87;20;36;39;41;72;76;88;0\n";
    struct Caso {
        std::string testo, frammento;
    } casi[] = {
        {"", "vuoto"},
        {"x;y\n" + buona, "riga 1"},
        {h + buona + "31/02/1998;88;1;2;3;4;5;6;7;0\n", "riga 3: data non valida"},
        {h + buona + "01/12/1997;88;1;2;3;4;5;6;7;0\n", "riga 3: la data"},
        {h + buona + "06/12/1997;88;1;2;3;4;5;91;7;0\n", "riga 3: numero non valido \"91\""},
        {h + buona + "06/12/1997;88;1;2;3;4;5;6;7\n", "riga 3: attesi 10 campi, trovati 9"},
        {h + "06/12/1997;x;1;2;3;4;5;6;7;0\n", "riga 2: numero di concorso"},
    };
    for (const auto &c : casi) {
        try {
            LeggiArchivioCSV(c.testo);
            FAIL() << c.frammento;
        } catch (const Errore &e) {
            EXPECT_NE(std::string(e.what()).find(c.frammento), std::string::npos) << e.what();
        }
    }
    // Our own CSV lines end with ';' and CR LF.
    EXPECT_EQ(LeggiArchivioCSV(h + "03/12/1997;87;20;36;39;41;72;76;88;0;\r\n").size(), 1u);
}

TEST(ArchivioCSV, SenzaEstrazioniEConByteOrderMark)
{
    const std::string h = std::string(IntestazioneCSV) + "\r\n";
    for (const std::string &vuoto : {h, h + "\r\n \r\n", std::string(" \r\n\r\n"), "\xEF\xBB\xBF" + h}) {
        try {
            LeggiArchivioCSV(vuoto);
            ADD_FAILURE() << vuoto;
        } catch (const Errore &e) {
            EXPECT_NE(std::string(e.what()).find("non contiene estrazioni"), std::string::npos) << e.what();
        }
    }
    const std::string riga = "03/12/1997;87;20;36;39;41;72;76;88;0\r\n";
    EXPECT_EQ(LeggiArchivioCSV("\xEF\xBB\xBF" + h + riga).size(), 1u);
    EXPECT_EQ(LeggiArchivioCSVByte("\xEF\xBB\xBF" + h + riga).size(), 1u);
    EXPECT_EQ(LeggiArchivioCSVByte(h + riga).size(), 1u);
}
