#include "archive/Archivio.h"
#include "stats/Statistiche.h"
#include "FinestraProva.h"
#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PageControl.h"
#include "ui/PaginaStat.h"
#include "ui/TForm1.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace sestina;
using namespace sestina::statistiche;

class TestPaginaStat : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;

    PaginaStat *pagina() const { return m_form->pagina<PaginaStat>(); }
    ExtStringGrid *griglia() const { return pagina()->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid4")); }
    QComboBox *inizio() const { return pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox2")); }
    QComboBox *fine() const { return pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox3")); }
    const Griglia &g() const { return griglia()->griglia(); }
    StatoCondiviso &stato() const { return m_form->stato(); }
    void clic(const char *nome) { ClicPulsante(pagina(), QString::fromLatin1(nome)); }
    void clicIntestazione(int colonna) { ClicIntestazione(griglia(), colonna); }
    void scegli(QComboBox *combo, int indice) { ScegliVoce(combo, indice); }
    // The grid the page should show for this span, table and order.
    Griglia attesa(int a, int b, ListaVoci l, int ordine) const
    {
        return MostraStatistica(m_estrazioni, a, b, l, ordine);
    }
    static bool uguali(const Griglia &x, const Griglia &y)
    {
        if (x.righe() != y.righe() || x.colonne() != y.colonne())
            return false;
        for (int r = 0; r < x.righe(); ++r)
            for (int c = 0; c < x.colonne(); ++c)
                if (x.testo(r, c) != y.testo(r, c) || x.sfondoEffettivo(r, c) != y.sfondoEffettivo(r, c))
                    return false;
        return true;
    }

private Q_SLOTS:
    void init()
    {
        m_estrazioni = prova::EstrazioniCasuali(21, 300); // from January 2000 to mid 2002
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, m_estrazioni, QStringLiteral("TabSheet3")));
    }

    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    void apreConNumeriSullIntervalloCompleto()
    {
        QCOMPARE(pagina()->objectName(), QStringLiteral("TabSheet3"));
        QCOMPARE(inizio()->count(), 300);
        QCOMPARE(fine()->count(), 300);
        QCOMPARE(inizio()->currentIndex(), 0);
        QCOMPARE(fine()->currentIndex(), 0);
        QCOMPARE(inizio()->itemText(0), QString::fromStdString(archivio::TestoListaDate(m_estrazioni[0].data)));
        QCOMPARE(fine()->itemText(0), QString::fromStdString(archivio::TestoListaDate(m_estrazioni[299].data)));
        QCOMPARE(stato().InizioRicerca, 0);
        QCOMPARE(stato().FineRicerca, 299);
        QCOMPARE(pagina()->OrdineStat(), 1);
        QVERIFY(uguali(g(), attesa(0, 299, ListaVoci::Numeri, 1)));
        QCOMPARE(g().testo(0, 0), std::string("N."));
        auto *numeri = pagina()->findChild<QToolButton *>(QStringLiteral("TBStatNumeri"));
        QVERIFY(numeri && numeri->isChecked());
        auto *barra = m_form->findChild<QWidget *>(QStringLiteral("ToolBar4"));
        QVERIFY(barra && !barra->isVisible());
    }

    void pulsantiDelleTabelle()
    {
        clic("TBStatAmbiGemelli");
        QCOMPARE(g().colonne(), 8);
        QCOMPARE(g().testo(0, 0), std::string("Ambi Gemelli"));
        QVERIFY(uguali(g(), attesa(0, 299, ListaVoci::AmbiGemelli, 1)));
        clic("TBStatAmbiDecine");
        QCOMPARE(g().testo(0, 0), std::string("Ambi Decina"));
        QVERIFY(pagina()->findChild<QToolButton *>(QStringLiteral("TBStatAmbiDecine"))->isChecked());
        QVERIFY(!pagina()->findChild<QToolButton *>(QStringLiteral("TBStatAmbiGemelli"))->isChecked());
    }

    void clicSulleIntestazioni()
    {
        clicIntestazione(3); // "Freq"
        QCOMPARE(pagina()->OrdineStat(), 2);
        QVERIFY(uguali(g(), attesa(0, 299, ListaVoci::Numeri, 2)));
        clicIntestazione(19); // "Freq" of the fifth block keeps the order
        QCOMPARE(pagina()->OrdineStat(), 2);
        clicIntestazione(6); // "R.Mx"
        QCOMPARE(pagina()->OrdineStat(), 3);
        QVERIFY(uguali(g(), attesa(0, 299, ListaVoci::Numeri, 3)));
        clicIntestazione(8);
        QCOMPARE(pagina()->OrdineStat(), 0);
        QCOMPARE(g().testo(1, 0), std::string("1"));
    }

    void scegliereLeDate()
    {
        scegli(inizio(), 100);
        QCOMPARE(stato().InizioRicerca, 100);
        QVERIFY(uguali(g(), attesa(100, 299, ListaVoci::Numeri, 1)));
        scegli(fine(), 50); // record 249
        QCOMPARE(stato().FineRicerca, 249);
        QVERIFY(uguali(g(), attesa(100, 249, ListaVoci::Numeri, 1)));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void dateIncompatibili()
    {
        scegli(inizio(), 200);
        const Griglia prima = g();
        scegli(fine(), 150); // record 149, before the start
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Date incompatibili"));
        QCOMPARE(stato().FineRicerca, 200);
        QCOMPARE(fine()->currentIndex(), 299 - 200);
        QVERIFY(uguali(g(), prima)); // not recomputed
        // the start after the end: the start goes back to the end
        scegli(fine(), 299 - 220);
        scegli(inizio(), 250);
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(2));
        QCOMPARE(stato().InizioRicerca, 220);
        QCOMPARE(inizio()->currentIndex(), 220);
    }

    void navigazione()
    {
        clic("StatInizioUltimo");
        // start on the last draw, end on the last draw: a span of one draw
        QCOMPARE(stato().InizioRicerca, 299);
        QVERIFY(uguali(g(), attesa(299, 299, ListaVoci::Numeri, 1)));
        clic("StatInizioPrec");
        QCOMPARE(inizio()->currentIndex(), 298);
        clic("StatInizioPrimo");
        QCOMPARE(stato().InizioRicerca, 0);
        clic("StatInizioPrec"); // stays at 0
        QCOMPARE(inizio()->currentIndex(), 0);
        clic("StatInizioAnnoSuc");
        QCOMPARE(m_estrazioni[static_cast<size_t>(stato().InizioRicerca)].data.anno, 2001);
        QCOMPARE(m_estrazioni[static_cast<size_t>(stato().InizioRicerca) - 1].data.anno, 2000);
        clic("StatFinePrec");
        QCOMPARE(fine()->currentIndex(), 1);
        QCOMPARE(stato().FineRicerca, 298);
        clic("StatFineSucc");
        clic("StatFineSucc"); // already on the last draw
        QCOMPARE(fine()->currentIndex(), 0);
        clic("StatFineAnnoPr");
        QCOMPARE(m_estrazioni[static_cast<size_t>(stato().FineRicerca)].data.anno, 2001);
        clic("StatFinePrimo"); // record 0, before the start
        QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Date incompatibili"));
        QCOMPARE(stato().FineRicerca, stato().InizioRicerca);
        QCOMPARE(fine()->currentIndex(), 299 - stato().InizioRicerca);
    }

    void doppioClicAllaSchedina()
    {
        std::string ricevuto;
        stato().InvioASchedina = [&](const std::string &t) { ricevuto = t; };
        const QRect r = griglia()->visualRect(griglia()->model()->index(2, 4));
        // as a user does it: press and release, then the second press
        QTest::mouseClick(griglia()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(griglia()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(ricevuto, g().testo(2, 4));
        stato().InvioASchedina = nullptr; // no hook: nothing happens
        QTest::mouseClick(griglia()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(griglia()->viewport(), Qt::LeftButton, {}, r.center());
    }

    void aggiornaVisteRiparteDaNumeri()
    {
        clic("TBStatAmbiGemelli");
        scegli(inizio(), 120);
        m_estrazioni.push_back(prova::Estr(1, 1, 2012, 301, {1, 2, 3, 4, 5, 6}, 7, 8));
        prova::ScriviArchivio(m_dir->path().toStdString() + "/", m_estrazioni);
        stato().UltimaEstrazione = 300;
        stato().AggiornaViste();
        QCOMPARE(inizio()->count(), 301);
        QCOMPARE(fine()->itemText(0), QStringLiteral("1/1/2012 "));
        QCOMPARE(inizio()->currentIndex(), 0);
        QCOMPARE(fine()->currentIndex(), 0);
        QCOMPARE(stato().InizioRicerca, 0);
        QCOMPARE(stato().FineRicerca, 300);
        QCOMPARE(pagina()->tabella(), ListaVoci::Numeri);
        QVERIFY(pagina()->findChild<QToolButton *>(QStringLiteral("TBStatNumeri"))->isChecked());
        QVERIFY(uguali(g(), attesa(0, 300, ListaVoci::Numeri, 1)));
    }
};

QTEST_MAIN(TestPaginaStat)
#include "tst_pagina_stat.moc"
