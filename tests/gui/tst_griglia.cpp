#include "app/Griglia.h"
#include "ui/ExtStringGrid.h"
#include "ui/GrigliaAdapter.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

using namespace sestina;

class TestGriglia : public QObject {
    Q_OBJECT

    static Griglia Esempio()
    {
        Griglia g(3, 4);
        g.righeFisse = 1;
        g.colonneFisse = 1;
        g.ImpostaTesto(0, 1, "Freq");
        g.ImpostaTesto(1, 1, "12");
        g.ImpostaTesto(2, 1, "3,50");
        g.ImpostaTesto(2, 2, "Lunedì");
        g.cella(1, 2).sfondo = colori::Giallo;
        g.cella(1, 2).colore = colori::Rosso;
        g.cella(1, 2).grassetto = true;
        g.cella(1, 2).allineamento = Allineamento::Centro;
        g.cella(2, 3).dimensioneFont = 9;
        g.ImpostaLarghezza(2, 77);
        return g;
    }

private Q_SLOTS:
    void adapterRispettaIlContratto()
    {
        GrigliaAdapter a;
        QAbstractItemModelTester tester(&a, QAbstractItemModelTester::FailureReportingMode::QtTest);
        a.Imposta(Esempio());
        a.Imposta(Griglia(0, 0));
        a.Imposta(Esempio());
        a.ImpostaModificabile([](int r, int) { return r == 2; });
        QVERIFY(a.setData(a.index(2, 3), QStringLiteral("x")));
        a.Aggiorna();
    }

    void ruoliDalleCelle()
    {
        GrigliaAdapter a;
        a.Imposta(Esempio());
        QCOMPARE(a.rowCount(), 3);
        QCOMPARE(a.columnCount(), 4);
        QCOMPARE(a.data(a.index(2, 2)).toString(), QStringLiteral("Lunedì"));
        QCOMPARE(a.data(a.index(1, 2), Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 0));
        QCOMPARE(a.data(a.index(1, 2), Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
        QVERIFY(a.data(a.index(1, 2), Qt::FontRole).value<QFont>().bold());
        QCOMPARE(a.data(a.index(2, 3), Qt::FontRole).value<QFont>().pixelSize(), 9);
        QCOMPARE(Qt::Alignment(a.data(a.index(1, 2), Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        // Fixed cells without a colour get the fixed face, others white.
        QCOMPARE(a.data(a.index(0, 3), Qt::BackgroundRole).value<QBrush>().color(), QColor(240, 240, 240));
        QCOMPARE(a.data(a.index(2, 3), Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 255));
        // Values for sorting: integers and decimals with the comma are numbers.
        QCOMPARE(a.data(a.index(1, 1), GrigliaAdapter::RuoloValore).toLongLong(), 12);
        QCOMPARE(a.data(a.index(2, 1), GrigliaAdapter::RuoloValore).toDouble(), 3.5);
        QCOMPARE(a.data(a.index(2, 2), GrigliaAdapter::RuoloValore).toString(), QStringLiteral("Lunedì"));
        QVERIFY(!(a.flags(a.index(1, 1)) & Qt::ItemIsEditable));
        QVERIFY(!(a.flags(a.index(0, 1)) & Qt::ItemIsSelectable));
    }

    void vistaConRigheEColonneFisseNeiTitoli()
    {
        ExtStringGrid v;
        v.resize(400, 200);
        v.ImpostaGriglia(Esempio());
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QCOMPARE(v.columnWidth(2), 77);
        QVERIFY(v.isRowHidden(0));
        QVERIFY(v.isColumnHidden(0));
        QVERIFY(v.horizontalHeader()->isVisible());
        QCOMPARE(v.horizontalHeader()->height(), 20);
        QSignalSpy intestazione(&v, &ExtStringGrid::intestazioneCliccata);
        QSignalSpy cella(&v, &ExtStringGrid::cellaCliccata);
        QTest::mouseClick(v.horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(v.horizontalHeader()->sectionViewportPosition(2) + 5, 5));
        QCOMPARE(intestazione.count(), 1);
        QCOMPARE(intestazione.at(0).at(0).toInt(), 2);
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, v.visualRect(v.model()->index(2, 3)).center());
        QCOMPARE(cella.count(), 1);
        QCOMPARE(cella.at(0).at(0).toInt(), 2);
        QCOMPARE(cella.at(0).at(1).toInt(), 3);
        // The picture holds the yellow cell where the screen shows it.
        QImage img = v.Immagine();
        QRect r = v.RettangoloCella(1, 2);
        QCOMPARE(QColor(img.pixel(r.left() + 3, r.top() + 3)), QColor(255, 255, 0));
        QRect f = v.RettangoloCella(0, 0);
        QCOMPARE(QColor(img.pixel(f.left() + 3, f.top() + 3)), QColor(240, 240, 240));
    }
};

QTEST_MAIN(TestGriglia)
#include "tst_griglia.moc"
