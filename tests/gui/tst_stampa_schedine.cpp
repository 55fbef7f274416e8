// "S&tampa Schedine" and "&Taratura" of the slip page, and the checking report.
#include "FinestraProva.h"
#include "export/render/PittoreReport.h"
#include "slips/StampaSchedine.h"
#include "support/ArchivioProva.h"
#include "support/ComandoProva.h"
#include "support/MessaggiProva.h"
#include "systems/FileSviluppo.h"
#include "ui/Anteprima.h"
#include "ui/Dialoghi.h"
#include "ui/PaginaStampa.h"
#include "ui/TForm1.h"
#include "ui/TSpoglioSuperenaLotto.h"
#include "ui/TTaraturaSE.h"
#include "ui/Tselezioneschedine.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace sestina;

namespace {

using prova::Comando;

int Pagine(const QString &pdf)
{
    return prova::PaginePDF(pdf.toStdString());
}

} // namespace

class TestStampaSchedine : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    PaginaStampa *pagina() const { return m_form->pagina<PaginaStampa>(); }
    TExStringList &lista() const { return m_form->stato().ListaColonne; }
    QString pdf() const { return m_dir->filePath(QStringLiteral("schedine.pdf")); }
    void imposta(std::initializer_list<std::string> voci)
    {
        lista().Clear();
        for (const auto &v : voci)
            lista().Add(v);
        pagina()->MostraSchedina(0);
    }
    void tarata() { schedine::SalvaTaratura(m_form->stato().DirectoryProgramma, schedine::ValoriTaratura{}); }
    // The menu command of "S&tampa Schedine" whose caption is `voce`.
    void comando(const QString &voce)
    {
        auto *b = pagina()->findChild<QToolButton *>(QStringLiteral("ToolButtonStampaSchedine"));
        QVERIFY(b && b->isEnabled() && b->menu());
        for (QAction *a : b->menu()->actions())
            if (a->text() == voce) {
                a->trigger();
                return;
            }
        QFAIL(qPrintable(voce));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, prova::EstrazioniCasuali(5, 30), QStringLiteral("TabSheet10")));
    }
    void cleanup()
    {
        if (QDialog *d = Dialoghi::UltimaFinestraSenzaAttesa())
            d->close();
        ChiudiFinestraProva(m_form, m_dir);
    }

    void senzaTaraturaNienteStampa()
    {
        imposta({Colonna({1, 2}), Colonna({3})});
        Dialoghi::PreimpostaPercorso(pdf());
        comando(QStringLiteral("&Tutte le Schedine"));
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Devi effettuare la taratura")});
        QVERIFY(!QFile::exists(pdf()));
        lista().Clear();
        Dialoghi::PulisciMessaggi();
        tarata();
        comando(QStringLiteral("Schedina &Attiva"));
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Non ci sono colonne da stampare")});
    }

    void tutteLeSchedineUnaPaginaCiascuna()
    {
        tarata();
        imposta({Colonna({1, 90}), Colonna({5}), Colonna({17})});
        Dialoghi::PreimpostaPercorso(pdf());
        comando(QStringLiteral("&Tutte le Schedine"));
        QVERIFY2(prova::TestiMessaggi().isEmpty(), qPrintable(prova::TestiMessaggi().join(QLatin1Char('|'))));
        QCOMPARE(Pagine(pdf()), 2);
        const std::string testo = Comando("pdftotext '" + pdf().toStdString() + "' -");
        QVERIFY(testo.find("schedina.1") != std::string::npos);
        QVERIFY(testo.find("schedina.2") != std::string::npos);
        // the page shows the last slip printed
        QCOMPARE(pagina()->findChild<QLabel *>(QStringLiteral("Label27"))->text(), QStringLiteral("Schedina n. 2/2"));
    }

    void selezioneEAttivaConISegniDellaPagina()
    {
        tarata();
        imposta({Colonna({1}), Colonna(), Colonna({2}), Colonna(), Colonna({3})});
        Dialoghi::PreimpostaPercorso(pdf());
        QVERIFY(pagina()->StampaSelezione(2, 2));
        QCOMPARE(Pagine(pdf()), 1);
        std::string testo = Comando("pdftotext '" + pdf().toStdString() + "' -");
        QVERIFY(testo.find("schedina.2") != std::string::npos);
        QVERIFY(testo.find("schedina.1") == std::string::npos);

        // "Schedina &Attiva" prints the marks on screen: the SuperStar of panel A at line 8, position 17.
        QFile::remove(pdf());
        pagina()->MostraSchedina(0);
        pagina()->findChild<QCheckBox *>(QStringLiteral("CheckBox3"))->setChecked(true);
        Dialoghi::PreimpostaPercorso(pdf());
        comando(QStringLiteral("Schedina &Attiva"));
        QCOMPARE(Pagine(pdf()), 1);
        // 1200 dpi printer: ratio 1200 / window dpi; the box centre rendered at 100 dpi.
        const int r = 1200 / pagina()->logicalDpiX();
        const QString png = m_dir->filePath(QStringLiteral("a"));
        Comando("pdftoppm -r 100 -png '" + pdf().toStdString() + "' '" + png.toStdString() + "'");
        const QImage p(png + QStringLiteral("-1.png"));
        QVERIFY(!p.isNull());
        auto nero = [&](int L, int P) {
            const int x = (10 * r + L * 20 * r + 4 * r) * 100 / 1200, y = (81 * r + P * 18 * r + 6 * r) * 100 / 1200;
            return qGray(p.pixel(x, y)) < 80;
        };
        QVERIFY(nero(8, 17));  // SuperStar A
        QVERIFY(nero(12, 0));  // number 1
        QVERIFY(!nero(1, 17)); // no SuperStar B
        testo = Comando("pdftotext '" + pdf().toStdString() + "' -");
        QVERIFY(testo.find("schedina.1") != std::string::npos);
    }

    void finestraDiSelezione()
    {
        Tselezioneschedine s(5);
        QCOMPARE(s.windowTitle(), QStringLiteral("Selezione Schedine"));
        QCOMPARE(s.da(), 1);
        QCOMPARE(s.a(), 5);
        QCOMPARE(s.spinA()->maximum(), 5);
        s.spinDa()->setValue(4);
        s.spinA()->setValue(3); // "A Schedina" below "Da Schedina": Da is lowered to it
        QCOMPARE(s.da(), 3);
        s.spinDa()->setValue(5);
        QCOMPARE(s.da(), 3);
        s.show();
        QTest::mouseClick(s.findChild<QPushButton *>(QStringLiteral("BitBtnAccetta")), Qt::LeftButton);
        QCOMPARE(s.result(), int(QDialog::Accepted));
        // in test mode the modal window closes unaccepted: nothing is printed
        tarata();
        Dialoghi::PreimpostaPercorso(pdf());
        comando(QStringLiteral("&Selezione Manuale"));
        QVERIFY(!QFile::exists(pdf()));
    }

    void taraturaApreLaFinestra()
    {
        ClicPulsante(pagina(), QStringLiteral("ToolButtonTaratura"));
        QVERIFY(pagina()->finestraTaratura());
        QCOMPARE(pagina()->finestraTaratura()->windowTitle(), QStringLiteral("Taratura Stampante"));
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Devi effettuare la taratura")});
        // with a saved file the window shows its values
        schedine::SalvaTaratura(m_form->stato().DirectoryProgramma, schedine::ValoriTaratura{1, 2, 3, 4, 5, 6});
        Dialoghi::PulisciMessaggi();
        ClicPulsante(pagina(), QStringLiteral("ToolButtonTaratura"));
        QVERIFY(prova::TestiMessaggi().isEmpty());
        QCOMPARE(pagina()->finestraTaratura()->spin(3)->value(), 4);
    }

    void ilReportDelloSpoglio()
    {
        const std::string dir = m_form->stato().DirectoryProgramma;
        sistemi::SalvaSviluppo(dir, std::vector<Colonna>{Colonna({1, 2, 3, 4, 5, 6}), Colonna({7, 8, 9}),
                                                         Colonna({1, 10, 20}), Colonna({90})});
        pagina()->Spoglio();
        TSpoglioSuperenaLotto *s = pagina()->finestraSpoglio();
        QVERIFY(s);
        s->show();
        QTRY_VERIFY(!s->inCorso());
        auto *b = s->findChild<QPushButton *>(QStringLiteral("BitBtnStampaSpoglio"));
        QVERIFY(b && b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
        auto *a = qobject_cast<TAnteprima *>(Dialoghi::UltimaFinestraSenzaAttesa());
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Report Spoglio"));
        QTRY_VERIFY(a->pagineDipinte() > 0);
        const QByteArray pdfReport = resa::ReportPDF(a->report());
        const QString file = m_dir->filePath(QStringLiteral("spoglio.pdf"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pdfReport);
        f.close();
        const std::string testo = Comando("pdftotext -layout '" + file.toStdString() + "' -");
        for (const char *atteso :
             {"Sistema Noname", "Concorso Superenalotto", "Numeri in gioco 01 02 03 04 05 06 07 08 09 10 20 90",
              "Riepilogo Colonne", "Riepilogo Vincite", "Analisi", "C.00001: 01 02 03 04 05 06", "C.00002: 07 08 09",
              "C.00004: 90"})
            QVERIFY2(testo.find(atteso) != std::string::npos, atteso);
        a->close();
        s->close();
    }
};

QTEST_MAIN(TestStampaSchedine)
#include "tst_stampa_schedine.moc"
