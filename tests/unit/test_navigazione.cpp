#include "archive/Navigazione.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::archivio;

namespace {

// Draws from January 2009 to March 2011, two a week; every month of 2010 has the same shape.
class NavigazioneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Data d{3, 1, 2009};
        int c = 1;
        while (d < Data{1, 4, 2011}) {
            estrazioni.push_back(prova::Estr(d.giorno, d.mese, d.anno, c++, {1, 2, 3, 4, 5, 6}, 7, 8));
            d = d.piuGiorni(estrazioni.size() % 2 ? 3 : 4);
        }
        prova::ScriviArchivio(t.dir(), estrazioni);
        ultima = static_cast<int>(estrazioni.size()) - 1;
    }
    int primoDi(int mese, int anno) const
    {
        for (size_t i = 0; i < estrazioni.size(); ++i)
            if (estrazioni[i].data.mese == mese && estrazioni[i].data.anno == anno)
                return static_cast<int>(i);
        return -1;
    }
    int ultimoDi(int mese, int anno) const
    {
        int r = -1;
        for (size_t i = 0; i < estrazioni.size(); ++i)
            if (estrazioni[i].data.mese == mese && estrazioni[i].data.anno == anno)
                r = static_cast<int>(i);
        return r;
    }
    prova::CartellaTemporanea t;
    std::vector<Estrazione> estrazioni;
    int ultima = 0;
};

} // namespace

TEST_F(NavigazioneTest, AnniPrecedentiESuccessivi)
{
    Archivio a(t.dir());
    const int giugno2010 = primoDi(6, 2010) + 2;
    EXPECT_EQ(AnnoPrecedente(a, ultima, giugno2010), 0); // no draw of 2008
    EXPECT_EQ(AnnoSuccessivo(a, ultima, giugno2010), primoDi(1, 2011));
    EXPECT_EQ(AnnoPrecedente(a, ultima, primoDi(2, 2011)), primoDi(1, 2010));
    EXPECT_EQ(AnnoSuccessivo(a, ultima, ultima), ultima);
    EXPECT_EQ(MeseSuccessivo(a, ultima, ultima), ultima);
}

TEST_F(NavigazioneTest, MesiPrecedentiESuccessivi)
{
    Archivio a(t.dir());
    // From January: November is looked for, the result is the first draw of December.
    EXPECT_EQ(MesePrecedente(a, ultima, primoDi(1, 2011) + 1), primoDi(12, 2010));
    EXPECT_EQ(MesePrecedente(a, ultima, primoDi(2, 2011)), primoDi(1, 2011));
    EXPECT_EQ(MeseSuccessivo(a, ultima, primoDi(12, 2010) + 1), primoDi(1, 2011));
    EXPECT_EQ(MesePrecedente(a, ultima, 3), 0);
}

TEST_F(NavigazioneTest, EstrazioneDelMese)
{
    Archivio a(t.dir());
    const int r = primoDi(6, 2010) + 3;
    const int n = ultimoDi(6, 2010) - primoDi(6, 2010) + 1;
    EXPECT_EQ(EstrazioneDelMese(a, ultima, r, 1), primoDi(6, 2010));
    EXPECT_EQ(EstrazioneDelMese(a, ultima, r, n), ultimoDi(6, 2010));
    EXPECT_EQ(EstrazioneDelMese(a, ultima, r, n + 1), 0);
    // The archive's first month counts from record 0.
    EXPECT_EQ(EstrazioneDelMese(a, ultima, 4, 2), 1);
    // The last month stops at the last draw.
    EXPECT_EQ(EstrazioneDelMese(a, ultima, ultima, 40), 0);
}

TEST_F(NavigazioneTest, MuoviRecordDallaBarraDelleDate)
{
    Archivio a(t.dir());
    const int r = primoDi(6, 2010) + 2;
    struct Caso {
        MossaData mossa;
        int da, atteso;
    } casi[] = {
        {MossaData::Primo, r, 0},
        {MossaData::Ultimo, r, ultima},
        {MossaData::Prec, r, r - 1},
        {MossaData::Prec, 0, 0},
        {MossaData::Succ, r, r + 1},
        {MossaData::Succ, ultima, ultima},
        {MossaData::AnnoPr, primoDi(2, 2011), primoDi(1, 2010)},
        {MossaData::AnnoSuc, r, primoDi(1, 2011)},
    };
    for (const auto &c : casi)
        EXPECT_EQ(MuoviRecord(a, ultima, c.da, c.mossa), c.atteso) << static_cast<int>(c.mossa) << " da " << c.da;
}
