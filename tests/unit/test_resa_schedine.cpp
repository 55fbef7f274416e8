// Slip printing painted on a picture at 600 dpi: the boxes land on their exact pixels.
#include "slips/StampaSchedine.h"
#include "slips/print/PittoreSchedine.h"
#include "support/AmbienteGui.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

using namespace sestina;
using namespace sestina::schedine;

namespace {

const auto *const g_ambiente = ::testing::AddGlobalTestEnvironment(new prova::AmbienteGui("test_resa_schedine"));

} // namespace

TEST(DipingiSchedina, LeCaselleDellEsempioA600Dpi)
{
    // The default calibration on a 600 dpi printer with a 96 dpi window: ratio 6.
    const GeometriaStampa g = assegnadati(ValoriTaratura{}, 600, 600, 96);
    tdatischedinaSE s;
    s.pannelloA = Colonna({1, 90});
    s.superstarA = true;
    s.abbonamento = 12;
    s.riduzione = 2;
    s.basi = 2;
    QImage i(1700, 4000, QImage::Format_RGB32);
    i.fill(Qt::white);
    {
        QPainter p(&i);
        stampaschedine::DipingiSchedina(p, StampaSchedina(s, 0, g), 600);
    }
    auto nero = [&](int x, int y) { return i.pixel(x, y) == qRgb(0, 0, 0); };
    // panel A number 1 fills x 1500..1548, y 486..558, corners included
    for (auto [x, y] : {std::pair{1500, 486}, {1548, 486}, {1500, 558}, {1548, 558}, {1524, 522}})
        EXPECT_TRUE(nero(x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{1499, 500}, {1549, 500}, {1520, 485}, {1520, 559}})
        EXPECT_FALSE(nero(x, y)) << x << "," << y;
    // every other mark of the example: (7,14) (8,17) (5,23) (2,23) (0,22)
    for (auto [L, P] : {std::pair{7, 14}, {8, 17}, {5, 23}, {2, 23}, {0, 22}})
        EXPECT_TRUE(nero(60 + L * 120 + 24, 486 + P * 108 + 36)) << L << "," << P;
    EXPECT_FALSE(nero(60 + 6 * 120 + 24, 486 + 36)); // line 6 stays empty
    // the caption starts at (X0 + 3 DX, 34 DY) = (420, 3672): some ink just right of and below it
    bool inchiostro = false;
    for (int y = 3672; y < 3780 && !inchiostro; ++y)
        for (int x = 420; x < 900 && !inchiostro; ++x)
            inchiostro = qGray(i.pixel(x, y)) < 128;
    EXPECT_TRUE(inchiostro);
    for (int x = 380; x < 420; ++x)
        EXPECT_FALSE(nero(x, 3700));
}

TEST(DisegnoModulo, IMarcatoriCadonoSu1E90)
{
    const QImage m = stampaschedine::DisegnoModulo();
    EXPECT_EQ(m.size(), QSize(300, 360));
    // the cells under the reset markers are drawn (a border colour, not the background)
    const QRgb fondo = m.pixel(5, 200);
    for (auto [x, y] : {std::pair{40, 80}, {120, 290}, {152, 80}, {232, 290}})
        EXPECT_NE(m.pixel(x, y), fondo) << x << "," << y;
}
