// "Stampa" and "Salva JPG" of every result page: the preview opens without
// blocking, the JPEG is a decodable picture of the grid as shown.
#include "FinestraProva.h"
#include "support/ArchivioProva.h"
#include "ui/Anteprima.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PaginaSistemi.h"
#include "ui/TForm1.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace sestina;

namespace {

// Every caption text of the form, in band order.
QStringList Testi(const esporta::Report &r)
{
    QStringList t;
    for (const auto &b : r.bande)
        for (const auto &e : b.etichette)
            t << QString::fromStdString(e.testo);
    return t;
}

} // namespace

class TestUscitaPagine : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    void apri(const QString &pagina)
    {
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, prova::EstrazioniCasuali(11, 80), pagina));
    }

    // The preview the last "Stampa" opened; it has painted its pages.
    TAnteprima *anteprima()
    {
        auto *a = qobject_cast<TAnteprima *>(Dialoghi::UltimaFinestraSenzaAttesa());
        if (!a)
            return nullptr;
        if (!QTest::qWaitFor([a] { return a->isVisible() && a->pagineDipinte() > 0; }))
            return nullptr;
        return a;
    }

private Q_SLOTS:
    void cleanup()
    {
        if (QDialog *d = Dialoghi::UltimaFinestraSenzaAttesa())
            d->close();
        ChiudiFinestraProva(m_form, m_dir);
    }

    void stampaApreLAnteprima_data()
    {
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<bool>("orizzontale");
        QTest::newRow("Estrazioni") << "TabSheet1"
                                    << "TBStampaEstrazione"
                                    << "" << false;
        QTest::newRow("Consulta") << "TabSheet2"
                                  << "TBStampaConsulta"
                                  << "Consultazione Superenalotto" << false;
        QTest::newRow("Stat") << "TabSheet3"
                              << "TBStampaStat"
                              << "Tabella Statistiche Numeri" << false;
        QTest::newRow("In Calore") << "TabSheet4"
                                   << "TBStampaCalore"
                                   << "Estratti In Calore Superenalotto" << true;
        QTest::newRow("Ambo") << "TabSheet11"
                              << "TBStampaAmbo"
                              << "I 15 Ambi più in ritardo su 4.005 Ruota di Superenalotto" << false;
        QTest::newRow("Numeri Spia") << "TabNumSpia"
                                     << "btn_Stampa"
                                     << "Numeri Spia" << false;
        QTest::newRow("Armonia") << "TabSheet14"
                                 << "TBStampaArmonia"
                                 << "CicloArmonia" << false;
    }

    void stampaApreLAnteprima()
    {
        QFETCH(QString, pagina);
        QFETCH(QString, pulsante);
        QFETCH(QString, didascalia);
        QFETCH(bool, orizzontale);
        apri(pagina);
        QWidget *p = m_form->findChild<QWidget *>(pagina);
        auto *b = p->findChild<QAbstractButton *>(pulsante);
        QVERIFY(b);
        QVERIFY(b->isEnabled());
        // The click returns while the preview stays open: nothing waits for it.
        QTest::mouseClick(b, Qt::LeftButton);
        TAnteprima *a = anteprima();
        QVERIFY(a);
        QVERIFY(a->isModal());
        QCOMPARE(a->windowTitle(), QStringLiteral("Anteprima"));
        QCOMPARE(a->report().orientamento == esporta::Orientamento::Orizzontale, orizzontale);
        QCOMPARE(a->pagineDipinte(), 1);
        const QStringList t = Testi(a->report());
        if (!didascalia.isEmpty())
            QVERIFY2(t.contains(didascalia), qPrintable(t.join(QLatin1Char('|'))));
        QVERIFY(Dialoghi::Messaggi().empty());
        a->close();
        QTRY_VERIFY(!Dialoghi::UltimaFinestraSenzaAttesa());
    }

    void salvaJpgScriveLaGriglia_data()
    {
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("griglia");
        QTest::newRow("Estrazioni") << "TabSheet1"
                                    << "ToolButton53"
                                    << "ExtStringGrid5";
        QTest::newRow("Consulta") << "TabSheet2"
                                  << "TBSalvaJpegConsulta"
                                  << "ExtStringGrid3";
        QTest::newRow("Stat") << "TabSheet3"
                              << "TBSalvaJpegStat"
                              << "ExtStringGrid4";
        QTest::newRow("In Calore") << "TabSheet4"
                                   << "TBSalvaJpegCalore"
                                   << "ExtStringGrid8";
        QTest::newRow("Ambo") << "TabSheet11"
                              << "TBSalvaJpegAmbo"
                              << "GrigliaRitPerAmbi";
    }

    void salvaJpgScriveLaGriglia()
    {
        QFETCH(QString, pagina);
        QFETCH(QString, pulsante);
        QFETCH(QString, griglia);
        apri(pagina);
        QWidget *p = m_form->findChild<QWidget *>(pagina);
        auto *g = p->findChild<ExtStringGrid *>(griglia);
        QVERIFY(g);
        const QString file = m_dir->filePath(QStringLiteral("scelto.jpg"));
        Dialoghi::PreimpostaPercorso(file);
        ClicPulsante(p, pulsante);
        QVERIFY(Dialoghi::Messaggi().empty());
        QImageReader r(file, "jpeg");
        const QImage i = r.read();
        QVERIFY2(!i.isNull(), qPrintable(r.errorString()));
        QCOMPARE(i.size(), g->size());
        // cancelling the dialog writes nothing
        QFile::remove(file);
        ClicPulsante(p, pulsante);
        QVERIFY(!QFile::exists(file));
    }

    void inCaloreScriveAncheIlSecondoFile()
    {
        apri(QStringLiteral("TabSheet4"));
        QWidget *p = m_form->findChild<QWidget *>(QStringLiteral("TabSheet4"));
        auto *elenco = p->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid7"));
        QDir().mkpath(m_dir->filePath(QStringLiteral("altrove")));
        Dialoghi::PreimpostaPercorso(m_dir->filePath(QStringLiteral("altrove/mio.jpg")));
        ClicPulsante(p, QStringLiteral("TBSalvaJpegCalore"));
        // the draws list goes beside the program under "G" + "IncalorelastG", whatever the chosen name
        QImageReader r(m_dir->filePath(QStringLiteral("GIncalorelastG")), "jpeg");
        const QImage i = r.read();
        QVERIFY2(!i.isNull(), qPrintable(r.errorString()));
        QCOMPARE(i.size(), elenco->size());
        QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("altrove/mio.jpg"))));
    }

    void sistemiStampaIlTabulatoESalvaLaFinestra()
    {
        apri(QStringLiteral("TabSheet5"));
        auto *sistemi = m_form->pagina<PaginaSistemi>();
        auto *stampa = sistemi->findChild<QAbstractButton *>(QStringLiteral("ToolButton64"));
        QVERIFY(!stampa->isEnabled()); // nothing developed yet
        // seven numbers in sixes: seven columns, three listing lines
        sistemi->ImpostaMarcati({1, 2, 3, 4, 5, 6, 7});
        sistemi->ContaNumeriInGioco();
        sistemi->findChild<QRadioButton *>(QStringLiteral("RadioGroup15_3"))->click();
        ClicPulsante(sistemi, QStringLiteral("BitBtn3"));
        QTRY_VERIFY(stampa->isEnabled());
        QTest::mouseClick(stampa, Qt::LeftButton);
        TAnteprima *a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Tabulato Sistemi"));
        const esporta::Banda *elenco = nullptr;
        for (const auto &b : a->report().bande)
            if (b.tipo == esporta::TipoBanda::Elenco)
                elenco = &b;
        QVERIFY(elenco);
        QCOMPARE(elenco->righe.size(), size_t(3));
        QVERIFY(QString::fromStdString(elenco->righe[0]).startsWith(QStringLiteral("C.1    : 01 02 03 04 05 06")));
        QVERIFY(Testi(a->report()).contains(QStringLiteral("Numeri in combinazione Sei")));
        a->close();
        // "Salva JGP": the window at its size
        const QString file = m_dir->filePath(QStringLiteral("sistemi.jpg"));
        Dialoghi::PreimpostaPercorso(file);
        ClicPulsante(sistemi, QStringLiteral("ToolButtonJpgSistemi"));
        const QImage i = QImageReader(file, "jpeg").read();
        QVERIFY(!i.isNull());
        QCOMPARE(i.size(), m_form->size());
    }

    // "Salva JGP" / "Salva Jpeg" of the prediction pages: the window at its size
    // under the proposed name; cancelling writes nothing. On '&Cruci' the button
    // waits for a full crossword.
    void salvaJgpScriveLaFinestra_data()
    {
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("proposto");
        QTest::addColumn<bool>("dopoIlCruciverba");
        QTest::newRow("Astro") << "TabSheet9"
                               << "TBSalvaJpegAstro"
                               << "Astrolottolast" << false;
        QTest::newRow("Metodi") << "TabSheet12"
                                << "TBSalvaJpegMetodi"
                                << "Metodilast" << false;
        QTest::newRow("Cruci") << "TabSheet13"
                               << "TBSalvaJpegCruci"
                               << "Crucilast" << true;
        QTest::newRow("Armonia") << "TabSheet14"
                                 << "TBSalvaJpegArmonia"
                                 << "Armonialast" << false;
    }

    void salvaJgpScriveLaFinestra()
    {
        QFETCH(QString, pagina);
        QFETCH(QString, pulsante);
        QFETCH(QString, proposto);
        QFETCH(bool, dopoIlCruciverba);
        apri(pagina);
        QWidget *p = m_form->findChild<QWidget *>(pagina);
        auto *b = p->findChild<QAbstractButton *>(pulsante);
        QVERIFY(b);
        if (dopoIlCruciverba) {
            QVERIFY(!b->isEnabled()); // no numbers chosen: the crossword is empty
            // "Casuali" 25: enough numbers for the 5 x 5 crossword
            auto *casuali = p->findChild<QSpinBox *>(QStringLiteral("SpinEditwheel5"));
            QVERIFY(casuali);
            casuali->setValue(25);
        }
        QTRY_VERIFY(b->isEnabled());
        ClicPulsante(p, pulsante); // no path preset: the dialog is cancelled
        QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.jpg")}).isEmpty());
        const QString file = m_dir->filePath(QStringLiteral("finestra.jpg"));
        Dialoghi::PreimpostaPercorso(file);
        ClicPulsante(p, pulsante);
        QCOMPARE(Dialoghi::UltimoNomeProposto(), proposto);
        const QImage i = QImageReader(file, "jpeg").read();
        QVERIFY(!i.isNull());
        QCOMPARE(i.size(), m_form->size());
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void unLogoMancanteFermaLaStampaConUnMessaggio()
    {
        apri(QStringLiteral("TabSheet3"));
        QFile::remove(m_dir->filePath(QStringLiteral("logo_sestina.png")));
        ClicPulsante(m_form->findChild<QWidget *>(QStringLiteral("TabSheet3")), QStringLiteral("TBStampaStat"));
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QVERIFY(Dialoghi::Messaggi().front().testo.contains(QStringLiteral("logo_sestina.png")));
        QVERIFY(!Dialoghi::UltimaFinestraSenzaAttesa());
    }
};

QTEST_MAIN(TestUscitaPagine)
#include "tst_uscita_pagine.moc"
