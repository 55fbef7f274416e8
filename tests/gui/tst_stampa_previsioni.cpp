// "Stampa" of '&Astro', 'Metodi', '&Cruci' and the completion window: the menus
// "&Report" / "&Tabulato", the forms in the preview, and the completion's "Salva JGP".
#include "FinestraProva.h"
#include "export/ModuliReport.h"
#include "methods/Astrolotto.h"
#include "support/ArchivioProva.h"
#include "ui/Anteprima.h"
#include "ui/PaginaAstro.h"
#include "ui/PaginaCruci.h"
#include "ui/PaginaMetodi.h"
#include "ui/PannelloCruciverba.h"
#include "ui/TFCompl90.h"

#include <QAction>
#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace sestina;

namespace {

QStringList Testi(const esporta::Report &r)
{
    QStringList t;
    for (const auto &b : r.bande)
        for (const auto &e : b.etichette)
            t << QString::fromStdString(e.testo);
    return t;
}

std::vector<std::string> Elenco(const esporta::Report &r)
{
    for (const auto &b : r.bande)
        if (b.tipo == esporta::TipoBanda::Elenco)
            return b.righe;
    return {};
}

} // namespace

class TestStampaPrevisioni : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    // The program folder with the sign pictures and the method files, the page in front.
    void apri(const QString &pagina, bool conMetodi = true)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir segni(QStringLiteral(SESTINA_SOURCE_DIR "/data/segni"));
        for (const QString &f : segni.entryList({QStringLiteral("*.bmp")}))
            QVERIFY(QFile::copy(segni.filePath(f), m_dir->filePath(f)));
        QDir metodi(QStringLiteral(SESTINA_SOURCE_DIR "/data/metodi"));
        for (const QString &f : metodi.entryList({QStringLiteral("*.mts")}))
            QVERIFY(!conMetodi || QFile::copy(metodi.filePath(f), m_dir->filePath(f)));
        m_form = ApriFinestraProva(*m_dir, prova::EstrazioniCasuali(13, 120));
        QVERIFY(m_form->avvioCompleto());
        QWidget *p = m_form->findChild<QWidget *>(pagina);
        QVERIFY(p);
        m_form->pageControl()->setCurrentWidget(p);
        QTRY_VERIFY(p->isVisible());
    }

    // The preview the last action opened, once it has painted its pages.
    TAnteprima *anteprima()
    {
        auto *a = qobject_cast<TAnteprima *>(Dialoghi::UltimaFinestraSenzaAttesa());
        if (!a || !QTest::qWaitFor([a] { return a->isVisible() && a->pagineDipinte() > 0; }))
            return nullptr;
        return a;
    }

    void chiudi(TAnteprima *a)
    {
        a->close();
        QTRY_VERIFY(!Dialoghi::UltimaFinestraSenzaAttesa());
    }

    // "Stampa" of a page: its menu holds "&Report" and "&Tabulato" with these names.
    QToolButton *stampaConMenu(QWidget *pagina, const char *pulsante, const char *report, const char *tabulato)
    {
        auto *b = pagina->findChild<QToolButton *>(QString::fromLatin1(pulsante));
        if (!b || !b->menu())
            return nullptr;
        const auto azioni = b->menu()->actions();
        if (azioni.size() != 2 || azioni[0]->objectName() != QLatin1String(report) ||
            azioni[0]->text() != QStringLiteral("&Report") || azioni[1]->objectName() != QLatin1String(tabulato) ||
            azioni[1]->text() != QStringLiteral("&Tabulato"))
            return nullptr;
        return b;
    }

    QAction *azione(QToolButton *b, const char *nome)
    {
        for (QAction *a : b->menu()->actions())
            if (a->objectName() == QLatin1String(nome))
                return a;
        return nullptr;
    }

private Q_SLOTS:
    void cleanup()
    {
        if (QDialog *d = Dialoghi::UltimaFinestraSenzaAttesa())
            d->close();
        ChiudiFinestraProva(m_form, m_dir);
    }

    void astroReportETabulato()
    {
        apri(QStringLiteral("TabSheet9"));
        auto *pagina = m_form->pagina<PaginaAstro>();
        pagina->ScegliSegno(5);
        QToolButton *b = stampaConMenu(pagina, "TBStampaAstro", "Report1", "abulato1");
        QVERIFY(b);
        QVERIFY(b->isEnabled());
        QCOMPARE(b->popupMode(), QToolButton::InstantPopup);

        azione(b, "Report1")->trigger();
        TAnteprima *a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Anteprima Astrolotto"));
        QVERIFY(a->isModal());
        QCOMPARE(a->pagineDipinte(), 1);
        QStringList t = Testi(a->report());
        const QString concorso = QStringLiteral("Conc. n.%1 del ").arg(pagina->record() + 1);
        for (const QString &atteso : {QStringLiteral("ASTROLOTTO"), QStringLiteral("Leone"),
                                      QStringLiteral("23 Luglio - 22 Agosto"), QStringLiteral("Esiti")})
            QVERIFY2(t.contains(atteso), qPrintable(atteso));
        QVERIFY(std::any_of(t.begin(), t.end(), [&](const QString &x) { return x.startsWith(concorso); }));
        QVERIFY(Dialoghi::Messaggi().empty());
        chiudi(a);

        azione(b, "abulato1")->trigger();
        a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Tabulato Astrolotto"));
        // the listing is the development shown in ExtStringGrid11
        const auto righe = esporta::RigheTabulato(pagina->cruciverba()->grigliaSviluppo()->griglia());
        QVERIFY(!righe.empty());
        QCOMPARE(Elenco(a->report()), righe);
        QCOMPARE(QDir::currentPath(), QDir(m_dir->path()).absolutePath());
        chiudi(a);
    }

    void metodiReportETabulato()
    {
        apri(QStringLiteral("TabSheet12"));
        auto *pagina = m_form->pagina<PaginaMetodi>();
        QVERIFY(!pagina->nomeMetodo().empty());
        QToolButton *b = stampaConMenu(pagina, "TBStampaMetodi", "Report2", "abulato2");
        QVERIFY(b);
        QVERIFY(b->isEnabled());

        azione(b, "Report2")->trigger();
        TAnteprima *a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Anteprima Metodi"));
        QCOMPARE(a->pagineDipinte(), 1);
        const QString metodo =
            QStringLiteral("Metodo : %1 Superenalotto ").arg(QString::fromStdString(pagina->nomeMetodo()));
        QVERIFY2(Testi(a->report()).contains(metodo), qPrintable(Testi(a->report()).join(QLatin1Char('|'))));
        chiudi(a);

        azione(b, "abulato2")->trigger();
        a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Tabulato Metodi"));
        QVERIFY(Testi(a->report()).contains(metodo));
        QCOMPARE(Elenco(a->report()), esporta::RigheTabulato(pagina->cruciverba()->grigliaSviluppo()->griglia()));
        chiudi(a);
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void metodiSenzaMetodoNonStampa()
    {
        apri(QStringLiteral("TabSheet12"), false);
        auto *pagina = m_form->pagina<PaginaMetodi>();
        QToolButton *b = stampaConMenu(pagina, "TBStampaMetodi", "Report2", "abulato2");
        QVERIFY(b);
        for (const char *nome : {"Report2", "abulato2"}) {
            Dialoghi::PulisciMessaggi();
            azione(b, nome)->trigger();
            QVERIFY(!Dialoghi::UltimaFinestraSenzaAttesa());
            QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
            QCOMPARE(Dialoghi::Messaggi().front().testo, QStringLiteral("Nessun metodo da stampare"));
        }
    }

    void cruciStampaIlTabulatoEIlMenuIlReport()
    {
        apri(QStringLiteral("TabSheet13"));
        auto *pagina = m_form->pagina<PaginaCruci>();
        QToolButton *b = stampaConMenu(pagina, "TBStampaCruci", "Report3", "abulato3");
        QVERIFY(b);
        QCOMPARE(b->popupMode(), QToolButton::MenuButtonPopup);
        // nothing to print while the crossword is not full
        QVERIFY(!b->isEnabled());
        for (int n = 1; n <= 25; ++n)
            pagina->NumeroCliccato(n);
        QVERIFY(pagina->cruciverba()->cruciverba().completo);
        QVERIFY(b->isEnabled());

        // the button itself prints the listing
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
        TAnteprima *a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Tabulato Cruciverba"));
        const QStringList t = Testi(a->report());
        QVERIFY2(t.contains(QStringLiteral("Tipo di riduzione Nessuna")), qPrintable(t.join(QLatin1Char('|'))));
        QVERIFY(t.contains(QStringLiteral("Numeri in combinazione Libero")));
        QVERIFY(t.contains(QStringLiteral("Casuali 0 Ultimi 0, Frequenze 0 Ritardi 0")));
        // 5 x 5 whole lines: ten combinations, four listing lines
        QCOMPARE(Elenco(a->report()).size(), size_t(4));
        chiudi(a);

        // "&Report" stays open beside the main window
        pagina->findChild<QRadioButton *>(QStringLiteral("RadioGroup111"))->click();
        azione(b, "Report3")->trigger();
        a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Anteprima Cruciverba"));
        QVERIFY(!a->isModal());
        QVERIFY(Testi(a->report()).contains(QStringLiteral("Tipo di riduzione n-1")));
        QVERIFY(Testi(a->report()).contains(QStringLiteral("Numeri in combinazione Tre")));
        chiudi(a);
    }

    void completamentoStampaESalvaJgp()
    {
        apri(QStringLiteral("TabSheet13"));
        auto *pagina = m_form->pagina<PaginaCruci>();
        for (int n = 1; n <= 25; ++n)
            pagina->NumeroCliccato(n);
        pagina->Completamento90();
        TFCompl90 *c = pagina->finestraCompletamento();
        QVERIFY(c);
        c->show();
        QVERIFY(QTest::qWaitForWindowExposed(c));
        auto *stampa = c->findChild<QToolButton *>(QStringLiteral("TBStampaCompl90"));
        QVERIFY(stampa);
        QVERIFY(stampa->isEnabled());
        QTest::mouseClick(stampa, Qt::LeftButton);
        TAnteprima *a = anteprima();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QStringLiteral("Report Completamento 90"));
        QCOMPARE(Elenco(a->report()), esporta::RigheTabulato(c->grigliaSviluppo()->griglia()));
        QVERIFY(Testi(a->report()).contains(QStringLiteral("Casuali 0, Ultimi 0, Frequenze, 0 Ritardi 0")));
        chiudi(a);

        // "Salva JGP": the completion window as shown, under "Compl90last"; cancelling writes nothing
        ClicPulsante(c, QStringLiteral("TBSalvaJpegCompl90"));
        QCOMPARE(Dialoghi::UltimoNomeProposto(), QStringLiteral("Compl90last"));
        QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.jpg")}).isEmpty());
        const QString file = m_dir->filePath(QStringLiteral("completamento.jpg"));
        Dialoghi::PreimpostaPercorso(file);
        ClicPulsante(c, QStringLiteral("TBSalvaJpegCompl90"));
        QImageReader r(file, "jpeg");
        const QImage i = r.read();
        QVERIFY2(!i.isNull(), qPrintable(r.errorString()));
        QCOMPARE(i.size(), c->size());
        QVERIFY(Dialoghi::Messaggi().empty());
        c->hide();
    }
};

QTEST_MAIN(TestStampaPrevisioni)
#include "tst_stampa_previsioni.moc"
