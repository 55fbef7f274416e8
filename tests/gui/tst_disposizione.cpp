#include "FinestraProva.h"
#include "support/ArchivioProva.h"
#include "ui/ExtStringGrid.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/PannelloUtente.h"
#include "ui/TForm1.h"

#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

// The window on the common screens: at 1366 x 768 it fits and every row and
// column of the result grids is in view without scrolling; a larger window
// gives the grids the room.
class TestDisposizione : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    int m_rigaPiccola = 0, m_larghezzaPiccola = 0; // the draws table at 1366 x 768

    // Every cell of the grid (or only its columns) lies inside the visible viewport,
    // and nothing of the page (below `fino`) covers or clips the grid.
    static void Intera(ExtStringGrid *g, bool ancheRighe, const QWidget *fino = nullptr)
    {
        QVERIFY2(g->isVisible(), qPrintable(g->objectName()));
        for (const QWidget *w = g; w->parentWidget() && w != fino && !w->isWindow(); w = w->parentWidget()) {
            const QWidget *p = w->parentWidget();
            QVERIFY2(p->rect().contains(w->geometry()),
                     qPrintable(w->objectName() + QStringLiteral(" esce da ") + p->objectName()));
            if (qobject_cast<const QAbstractScrollArea *>(p))
                continue;
            for (const QObject *o : p->children()) {
                auto *s = qobject_cast<const QWidget *>(o);
                if (s && s != w && s->isVisible() && !s->isWindow())
                    QVERIFY2(!s->geometry().intersects(w->geometry()),
                             qPrintable(s->objectName() + QStringLiteral(" copre ") + w->objectName()));
            }
        }
        QCOMPARE(g->horizontalScrollBar()->maximum(), 0);
        const QRect vista = g->viewport()->rect();
        const auto &m = g->griglia();
        for (int c = m.colonneFisse; c < m.colonne(); ++c) {
            const int x = g->columnViewportPosition(c);
            QVERIFY2(x >= 0 && x + g->columnWidth(c) <= vista.width(),
                     qPrintable(g->objectName() + QStringLiteral(" colonna ") + QString::number(c)));
        }
        if (!ancheRighe)
            return;
        QCOMPARE(g->verticalScrollBar()->maximum(), 0);
        for (int r = m.righeFisse; r < m.righe(); ++r) {
            const int y = g->rowViewportPosition(r);
            QVERIFY2(y >= 0 && y + g->rowHeight(r) <= vista.height(),
                     qPrintable(g->objectName() + QStringLiteral(" riga ") + QString::number(r)));
        }
    }

    ExtStringGrid *griglia(const char *nome) const
    {
        return m_form->findChild<ExtStringGrid *>(QString::fromLatin1(nome));
    }

    void Mostra(const char *pagina)
    {
        QWidget *p = m_form->findChild<QWidget *>(QString::fromLatin1(pagina));
        QVERIFY2(p, pagina);
        m_form->pageControl()->setCurrentWidget(p);
        QTRY_VERIFY(p->isVisible());
        QCoreApplication::processEvents();
    }

    // With SESTINA_FOTO set to a folder, the window is saved there to be looked at.
    void Foto(const QString &nome)
    {
        const QString cartella = qEnvironmentVariable("SESTINA_FOTO");
        if (cartella.isEmpty())
            return;
        QCoreApplication::processEvents();
        m_form->grab().save(cartella + QLatin1Char('/') + nome + QLatin1Char('_') + QString::number(m_form->width()) +
                            QStringLiteral(".png"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_form = ApriFinestraProva(*m_dir, sestina::prova::EstrazioniReali());
        QVERIFY(m_form->avvioCompleto());
    }
    void cleanupTestCase() { ChiudiFinestraProva(m_form, m_dir); }

    void dimensioneIniziale_data()
    {
        QTest::addColumn<QRect>("schermo");
        // A laptop's 1366 x 768 less a task bar; a full HD screen; a small netbook.
        QTest::newRow("1366x768") << QRect(0, 0, 1366, 728);
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040);
        QTest::newRow("1024x600") << QRect(0, 0, 1024, 560);
    }
    void dimensioneIniziale()
    {
        QFETCH(QRect, schermo);
        const QSize s = TForm1::DimensioneIniziale(schermo);
        // The title bar takes some 40 pixels above the window's contents.
        QVERIFY(s.width() <= schermo.width());
        QVERIFY(s.height() + 40 <= schermo.height());
        QVERIFY(s.width() >= std::min(1020, schermo.width()));
        if (schermo.width() > 1366)
            QVERIFY(s.width() > 1366);
    }

    void griglieIntere_data()
    {
        QTest::addColumn<QSize>("dimensione");
        QTest::newRow("1366x768") << TForm1::DimensioneIniziale(QRect(0, 0, 1366, 728));
        QTest::newRow("1920x1080") << TForm1::DimensioneIniziale(QRect(0, 0, 1920, 1040));
    }
    void griglieIntere()
    {
        QFETCH(QSize, dimensione);
        m_form->resize(dimensione);
        QTRY_COMPARE(m_form->size(), dimensione);

        Mostra("TabSheet1");
        Intera(griglia("ExtStringGrid5"), true);
        // The larger window gives the draws table taller rows and wider columns.
        const int riga = griglia("ExtStringGrid5")->rowHeight(1), larghezza = griglia("ExtStringGrid5")->width();
        if (m_rigaPiccola > 0) {
            QVERIFY(riga > m_rigaPiccola);
            QVERIFY(larghezza > m_larghezzaPiccola);
        }
        m_rigaPiccola = riga;
        m_larghezzaPiccola = larghezza;
        auto *sotto = m_form->findChild<QTabWidget *>(QStringLiteral("PageControlStatisticheEstrazioni"));
        QVERIFY(sotto);
        const char *const sottogriglie[] = {"ExtStringGrid1", "ExtStringGrid2", "ExtStringGrid6"};
        for (int i = 0; i < 3; ++i) {
            sotto->setCurrentIndex(i);
            QCoreApplication::processEvents();
            Intera(griglia(sottogriglie[i]), true);
            Foto(QStringLiteral("estrazioni%1").arg(i));
        }
        sotto->setCurrentIndex(0);
        // While a draw is edited the calendar joins the page: nothing moves over the grids.
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("ToolButtonModifica"));
        QCoreApplication::processEvents();
        QVERIFY(m_form->findChild<QWidget *>(QStringLiteral("MonthCalendar1"))->isVisible());
        Intera(griglia("ExtStringGrid5"), true);
        Intera(griglia("ExtStringGrid1"), true);
        Foto(QStringLiteral("estrazioni_modifica"));
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("ToolButtonNONsalvare"));

        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("spd_Utente"));
        QCoreApplication::processEvents();
        Intera(griglia("GRIGLIAVINCITELOTTO"), true, m_form->findChild<QWidget *>(QStringLiteral("Panel10")));
        Foto(QStringLiteral("utente"));
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("SpeedButton22"));

        Mostra("TabNumSpia");
        ClicPulsante(m_form->findChild<QWidget *>(QStringLiteral("TabNumSpia")), QStringLiteral("LEDButton5"));
        QCoreApplication::processEvents();
        Intera(griglia("GrigliaLunghe2"), true);
        Foto(QStringLiteral("spia"));

        Mostra("TabSheet2");
        Intera(griglia("ExtStringGrid3"), true);
        Foto(QStringLiteral("consulta"));

        Mostra("TabSheet3");
        Intera(griglia("ExtStringGrid4"), false);
        Foto(QStringLiteral("stat"));

        Mostra("TabSheet4");
        // The draws list is as long as the draws analysed: its rows may scroll, its columns not.
        Intera(griglia("ExtStringGrid7"), false);
        Foto(QStringLiteral("calore"));

        Mostra("TabSheet11");
        Intera(griglia("GrigliaRitPerAmbi"), true);
        Foto(QStringLiteral("ambo"));
        Mostra("TabSheet1");
    }
};

QTEST_MAIN(TestDisposizione)
#include "tst_disposizione.moc"
