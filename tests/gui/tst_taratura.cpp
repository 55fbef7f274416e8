// The calibration window "Taratura Stampante".
#include "app/Errore.h"
#include "slips/StampaSchedine.h"
#include "support/ArchivioProva.h"
#include "support/ComandoProva.h"
#include "ui/Dialoghi.h"
#include "ui/TTaraturaSE.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace sestina;

namespace {

using prova::Comando;

} // namespace

class TestTaratura : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    StatoCondiviso m_stato;
    std::unique_ptr<TTaraturaSE> m_finestra;

    std::string file(const char *nome) const { return m_stato.percorso(nome); }
    QPoint posto(int i) const { return m_finestra->marcatore(i)->pos(); }

private Q_SLOTS:
    void init()
    {
        Dialoghi::ModalitaTest(true);
        Dialoghi::PulisciMessaggi();
        m_dir = std::make_unique<QTemporaryDir>();
        m_stato.DirectoryProgramma = m_dir->path().toStdString() + "/";
        m_finestra = std::make_unique<TTaraturaSE>(m_stato);
        m_finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_finestra.get()));
    }
    void cleanup()
    {
        m_finestra.reset();
        m_dir.reset();
    }

    void senzaFileChiedeLaTaratura()
    {
        QVERIFY(!m_finestra->caricadatitaraturase());
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QCOMPARE(Dialoghi::Messaggi().front().testo, QStringLiteral("Devi effettuare la taratura"));
    }

    void datiDefaultESalvaDati()
    {
        m_finestra->spin(0)->setValue(30);
        m_finestra->spin(5)->setValue(-4);
        QTest::mouseClick(m_finestra->findChild<QAbstractButton *>(QStringLiteral("Panel1")), Qt::LeftButton);
        QTest::mouseClick(m_finestra->findChild<QAbstractButton *>(QStringLiteral("ToolButton2")), Qt::LeftButton);
        QCOMPARE(prova::LeggiByte(file("Taraturase.DAT")), std::string("12\r\n8\r\n20\r\n18\r\n81\r\n10\r\n"));
        // and the file is read back into the six boxes
        m_finestra->spin(2)->setValue(99);
        QVERIFY(m_finestra->caricadatitaraturase());
        QCOMPARE(m_finestra->spin(2)->value(), 20);
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    // The boxes stop where the file reader does: both extremes are saved and read back.
    void iLimitiDelleCaselleSonoQuelliDelFile()
    {
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(m_finestra->spin(i)->maximum(), schedine::ValoreMassimoTaratura);
            QCOMPARE(m_finestra->spin(i)->minimum(), -schedine::ValoreMassimoTaratura);
        }
        m_finestra->spin(0)->setValue(schedine::ValoreMassimoTaratura + 1); // clamped by the box
        m_finestra->spin(5)->setValue(-schedine::ValoreMassimoTaratura);
        QTest::mouseClick(m_finestra->findChild<QAbstractButton *>(QStringLiteral("ToolButton2")), Qt::LeftButton);
        QVERIFY(Dialoghi::Messaggi().empty());
        m_finestra->spin(0)->setValue(1);
        m_finestra->spin(5)->setValue(1);
        QVERIFY(m_finestra->caricadatitaraturase());
        QCOMPARE(m_finestra->spin(0)->value(), schedine::ValoreMassimoTaratura);
        QCOMPARE(m_finestra->spin(5)->value(), -schedine::ValoreMassimoTaratura);
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void iMarcatoriSeguonoIValori()
    {
        QCOMPARE(posto(0), QPoint(40, 80));
        QCOMPARE(posto(1), QPoint(120, 290));
        QCOMPARE(posto(2), QPoint(152, 80));
        QCOMPARE(posto(3), QPoint(232, 290));
        QCOMPARE(m_finestra->marcatore(0)->size(), QSize(12, 12));
        // "Distanza Orizzontale" 20 -> 22: Ln2 10 pixels and Ln3 14 pixels to the right
        m_finestra->spin(2)->setValue(22);
        QCOMPARE(posto(1), QPoint(130, 290));
        QCOMPARE(posto(2), QPoint(166, 80));
        QCOMPARE(posto(0), QPoint(40, 80));
        // "Verticale" one down moves all four
        m_finestra->spin(4)->setValue(82);
        QCOMPARE(posto(3), QPoint(232, 291));
        // a save puts them back
        QTest::mouseClick(m_finestra->findChild<QAbstractButton *>(QStringLiteral("ToolButton2")), Qt::LeftButton);
        QCOMPARE(posto(1), QPoint(120, 290));
    }

    void unClicSullImmagineMostraLaPosizione()
    {
        QWidget *immagine = m_finestra->findChild<QWidget *>(QStringLiteral("Image1"));
        QTest::mouseClick(immagine, Qt::LeftButton, {}, QPoint(17, 33));
        QCOMPARE(m_finestra->toolTip(), QStringLiteral("X=17 Y:=33"));
        // over a marker the place is still the picture's
        QTest::mouseClick(m_finestra->marcatore(0), Qt::LeftButton, {}, QPoint(2, 3));
        QCOMPARE(m_finestra->toolTip(), QStringLiteral("X=42 Y:=83"));
    }

    void unFileRovinatoDaUnErroreChiaro()
    {
        prova::ScriviByte(file("Taraturase.DAT"), "12\r\notto\r\n");
        try {
            m_finestra->caricadatitaraturase();
            QFAIL("nessun errore");
        } catch (const Errore &e) {
            QVERIFY(std::string(e.what()).find("riga 2") != std::string::npos);
        }
    }

    void stampaProvaDisegnaICentottantaPosti()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("prova.pdf"));
        Dialoghi::PreimpostaPercorso(pdf);
        QTest::mouseClick(m_finestra->findChild<QAbstractButton *>(QStringLiteral("ToolButton1")), Qt::LeftButton);
        QVERIFY(Dialoghi::Messaggi().empty());
        QVERIFY(QFile::exists(pdf));
        QVERIFY(Comando("pdfinfo '" + pdf.toStdString() + "'").find("Pages:           1") != std::string::npos);
        // The printer writes at 1200 dpi: ratio 1200 / window dpi. Rendered at 100 dpi,
        // the box of panel A number 1 (line 12, position 0) covers its middle pixel.
        const int r = 1200 / m_finestra->logicalDpiX();
        const QString png = m_dir->filePath(QStringLiteral("p"));
        Comando("pdftoppm -r 100 -png '" + pdf.toStdString() + "' '" + png.toStdString() + "'");
        QImage pagina(png + QStringLiteral("-1.png"));
        QVERIFY(!pagina.isNull());
        auto centro = [&](int L, int P) {
            const double x = (10 * r + L * 20 * r + 4 * r) / 12.0, y = (81 * r + P * 18 * r + 6 * r) / 12.0;
            return qGray(pagina.pixel(static_cast<int>(x), static_cast<int>(y))) < 80;
        };
        QVERIFY(centro(12, 0));
        QVERIFY(centro(0, 14));
        QVERIFY(centro(7, 7));
        QVERIFY(!centro(6, 7)); // between the panels
        QVERIFY(!centro(12, 15));
        // cancelling the print dialog prints nothing
        QFile::remove(pdf);
        QTest::mouseClick(m_finestra->findChild<QAbstractButton *>(QStringLiteral("ToolButton1")), Qt::LeftButton);
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestTaratura)
#include "tst_taratura.moc"
