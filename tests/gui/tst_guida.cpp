// "Guida In Linea" and F1: the guide in the program's own window.
#include "FinestraProva.h"
#include "ui/Anteprima.h"
#include "ui/FinestraGuida.h"
#include "ui/PaginaArmonia.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/PaginaMetodi.h"
#include "ui/PannelloUtente.h"
#include "ui/TFCompl90.h"
#include "ui/TFormAnalisiMetodi.h"
#include "ui/TFormprivata.h"
#include "ui/TSpoglioSuperenaLotto.h"
#include "ui/TTaraturaSE.h"
#include "ui/Tselezioneschedine.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextBrowser>

#include <filesystem>

using namespace sestina;

namespace {

QString Sorgenti()
{
    return QStringLiteral(SESTINA_SOURCE_DIR "/doc/guida");
}

QString Leggi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestGuida : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    FinestraGuida *guida() const { return m_form->findChild<FinestraGuida *>(QStringLiteral("FinestraGuida")); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        // The guide of the build, with its screenshots, as the program folder's own.
        std::filesystem::create_directory_symlink(SESTINA_PROGRAM_DIR "/guida",
                                                  m_dir->filePath(QStringLiteral("guida")).toStdString());
        m_form = ApriFinestraProva(*m_dir, prova::EstrazioniCasuali(2, 40));
        QVERIFY(m_form->avvioCompleto());
    }
    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    void guidaInLineaApreIlSommario()
    {
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("SpeedButton7"));
        QVERIFY(guida());
        QTRY_VERIFY(guida()->isVisible());
        QCOMPARE(guida()->sezioneCorrente(), QStringLiteral("indice.html"));
        auto *testo = guida()->findChild<QTextBrowser *>(QStringLiteral("TestoGuida"));
        QVERIFY(testo->toPlainText().contains(QStringLiteral("Sommario")));
        QVERIFY(m_form->isVisible());
        // A second request reuses the same window.
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("SpeedButton7"));
        QCOMPARE(m_form->findChildren<FinestraGuida *>().size(), 1);
    }

    // Every visible page has a section of its own that names it, opened by F1.
    void f1ApreLaSezioneDellaPaginaDavanti()
    {
        PageControl *pc = m_form->pageControl();
        for (int i = 0; i < pc->count(); ++i) {
            if (!pc->paginaVisibile(i))
                continue;
            pc->setCurrentIndex(i);
            const QString nome = pc->pagina(i)->objectName();
            QTest::keyClick(m_form.get(), Qt::Key_F1);
            QVERIFY2(guida() && guida()->isVisible(), qPrintable(nome));
            const QString sezione = FinestraGuida::SezionePerPagina(nome);
            QVERIFY2(sezione != QStringLiteral("indice.html"), qPrintable(nome));
            QCOMPARE(guida()->sezioneCorrente(), sezione);
            const QString testo = Leggi(Sorgenti() + QLatin1Char('/') + sezione);
            QVERIFY2(!testo.isEmpty(), qPrintable(sezione));
            QString titolo = pc->titolo(i);
            titolo.remove(QLatin1Char('&'));
            QVERIFY2(testo.contains(titolo), qPrintable(sezione + QStringLiteral(" non nomina ") + titolo));
            QVERIFY2(testo.contains(QStringLiteral("immagini/") + nome + QStringLiteral(".png")), qPrintable(sezione));
        }
        // The user panel, when shown, covers its page: F1 opens its own part.
        pc->setCurrentIndex(0);
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("spd_Utente"));
        QTest::keyClick(m_form.get(), Qt::Key_F1);
        QCOMPARE(guida()->sezioneCorrente(), QStringLiteral("estrazioni.html"));
    }

    // Every window opened from a page has its own part of the guide, which names it by its caption.
    void ogniFinestraHaLaSuaParte_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("spoglio") << "SpoglioSuperenaLotto" << "Spoglio Superenalotto";
        QTest::newRow("taratura") << "TaraturaSE" << "Taratura Stampante";
        QTest::newRow("selezione") << "selezioneschedine" << "Selezione Schedine";
        QTest::newRow("anteprima") << "Anteprima" << "Anteprima";
        QTest::newRow("privato") << "Formprivata" << "Pannello Privato";
        QTest::newRow("analisi") << "FormAnalisiMetodi" << "Analisi Metodi";
        QTest::newRow("completamento") << "FCompl90" << "Completamento 90";
        QTest::newRow("riepilogo") << "FRiepilogoArmonia" << "Riepilogo Cicloarmonia";
    }
    void ogniFinestraHaLaSuaParte()
    {
        QFETCH(QString, finestra);
        QFETCH(QString, titolo);
        const QString sezione = FinestraGuida::SezionePerPagina(finestra);
        QVERIFY2(sezione != QStringLiteral("indice.html"), qPrintable(finestra));
        const QString testo = Leggi(Sorgenti() + QLatin1Char('/') + sezione.section(QLatin1Char('#'), 0, 0));
        QVERIFY2(!testo.isEmpty(), qPrintable(sezione));
        // The part starts at its anchor (or the page's title), and its heading names the window.
        int inizio = testo.indexOf(QStringLiteral("<h1>"));
        if (sezione.contains(QLatin1Char('#')))
            inizio = testo.indexOf(QStringLiteral("<h2><a name=\"") + sezione.section(QLatin1Char('#'), 1) +
                                   QStringLiteral("\"></a>"));
        QVERIFY2(inizio >= 0, qPrintable(sezione));
        const int fine = testo.indexOf(QStringLiteral("</h"), inizio);
        QVERIFY2(testo.mid(inizio, fine - inizio).contains(titolo), qPrintable(sezione));
        // The contents list the section.
        QVERIFY(Leggi(Sorgenti() + QStringLiteral("/indice.html"))
                    .contains(QStringLiteral("href=\"") + sezione.section(QLatin1Char('#'), 0, 0)));
    }

    // F1 in a window of its own opens its part, in a guide window that belongs to it.
    void f1InUnaFinestraApreLaSuaParte()
    {
        QDialog finestra(m_form.get());
        finestra.setObjectName(QStringLiteral("FCompl90"));
        FinestraGuida::ScorciatoiaF1(&finestra);
        auto *campo = new QLineEdit(&finestra);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        campo->setFocus();
        QTest::keyClick(campo, Qt::Key_F1);
        auto *g = finestra.findChild<FinestraGuida *>(QStringLiteral("FinestraGuida"));
        QVERIFY(g);
        QVERIFY(g->isVisible());
        QCOMPARE(g->sezioneCorrente(), QStringLiteral("cruci.html"));
        auto *testo = g->findChild<QTextBrowser *>(QStringLiteral("TestoGuida"));
        QVERIFY(testo->toPlainText().contains(QStringLiteral("Completamento 90")));
        // A window with no part of its own leaves F1 alone.
        QDialog altra(m_form.get());
        altra.setObjectName(QStringLiteral("SenzaGuida"));
        FinestraGuida::ScorciatoiaF1(&altra);
        altra.show();
        QTest::keyClick(&altra, Qt::Key_F1);
        QVERIFY(!altra.findChild<FinestraGuida *>());
    }

    // Every window opened from a page carries its own F1, with the part that names it.
    void f1DelleFinestreSecondarie_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("sezione");
        QTest::newRow("Spoglio") << "SpoglioSuperenaLotto"
                                 << "spoglio.html";
        QTest::newRow("Taratura") << "TaraturaSE"
                                  << "stampa.html";
        QTest::newRow("Selezione") << "selezioneschedine"
                                   << "stampa.html";
        QTest::newRow("Anteprima") << "Anteprima"
                                   << "stampa.html";
        QTest::newRow("Pubblicazione") << "Formprivata"
                                       << "pubblicazione.html";
        QTest::newRow("Analisi") << "FormAnalisiMetodi"
                                 << "metodi.html";
        QTest::newRow("Completamento") << "FCompl90"
                                       << "cruci.html";
        QTest::newRow("Riepilogo") << "FRiepilogoArmonia"
                                   << "armonia.html";
    }
    void f1DelleFinestreSecondarie()
    {
        QFETCH(QString, finestra);
        QFETCH(QString, sezione);
        StatoCondiviso &stato = m_form->stato();
        QWidget *f1 = m_form.get();
        std::unique_ptr<QWidget> w;
        if (finestra == QLatin1String("SpoglioSuperenaLotto"))
            w = std::make_unique<TSpoglioSuperenaLotto>(stato, f1);
        else if (finestra == QLatin1String("TaraturaSE"))
            w = std::make_unique<TTaraturaSE>(stato, f1);
        else if (finestra == QLatin1String("selezioneschedine"))
            w = std::make_unique<Tselezioneschedine>(3, f1);
        else if (finestra == QLatin1String("Anteprima"))
            w = std::make_unique<TAnteprima>(esporta::Report{}, std::make_unique<QPrinter>(), f1);
        else if (finestra == QLatin1String("Formprivata"))
            w = std::make_unique<TFormprivata>(stato, f1);
        else if (finestra == QLatin1String("FormAnalisiMetodi"))
            w = std::make_unique<TFormAnalisiMetodi>(stato, m_form->pagina<PaginaMetodi>());
        else if (finestra == QLatin1String("FCompl90"))
            w = std::make_unique<TFCompl90>(stato, f1);
        else
            w = std::make_unique<TFRiepilogoArmonia>(stato, f1);
        QCOMPARE(w->objectName(), finestra);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());
        QTest::keyClick(w.get(), Qt::Key_F1);
        auto *g = w->findChild<FinestraGuida *>(QStringLiteral("FinestraGuida"));
        QVERIFY(g);
        QCOMPARE(g->sezioneCorrente(), sezione);
    }

    void laRicercaFiltraLeSezioni()
    {
        FinestraGuida *g = FinestraGuida::Apri(m_form.get(), QString::fromStdString(m_form->stato().DirectoryProgramma),
                                               QStringLiteral("indice.html"));
        auto *cerca = g->findChild<QLineEdit *>(QStringLiteral("CercaGuida"));
        auto *elenco = g->findChild<QListWidget *>(QStringLiteral("ElencoSezioni"));
        const int tutte = g->sezioniVisibili();
        QVERIFY(tutte >= 15);
        QTest::keyClicks(cerca, QStringLiteral("superstar"));
        QVERIFY(g->sezioniVisibili() > 0);
        QVERIFY(g->sezioniVisibili() < tutte);
        for (int i = 0; i < elenco->count(); ++i) {
            const QString file = elenco->item(i)->data(Qt::UserRole).toString();
            const bool contiene =
                Leggi(Sorgenti() + QLatin1Char('/') + file).contains(QStringLiteral("superstar"), Qt::CaseInsensitive);
            QCOMPARE(!elenco->item(i)->isHidden(), contiene);
        }
        // Enter shows the first section found, with the word selected.
        QTest::keyClick(cerca, Qt::Key_Return);
        auto *testo = g->findChild<QTextBrowser *>(QStringLiteral("TestoGuida"));
        QCOMPARE(testo->textCursor().selectedText().toLower(), QStringLiteral("superstar"));
        // Enter again on the section already shown selects the word once more.
        testo->moveCursor(QTextCursor::End);
        QTest::keyClick(cerca, Qt::Key_Return);
        QCOMPARE(testo->textCursor().selectedText().toLower(), QStringLiteral("superstar"));
        // Case and accents do not matter; a word found nowhere empties the list.
        cerca->setText(QStringLiteral("CITTA"));
        QVERIFY(g->sezioniVisibili() > 0);
        cerca->setText(QStringLiteral("parolachenonce"));
        QCOMPARE(g->sezioniVisibili(), 0);
        QVERIFY(
            g->findChild<QLabel *>(QStringLiteral("RisultatiRicerca"))->text().startsWith(QStringLiteral("Nessuna")));
        cerca->clear();
        QCOMPARE(g->sezioniVisibili(), tutte);
        // Choosing a section in the contents shows it.
        elenco->setCurrentRow(3);
        QCOMPARE(g->sezioneCorrente(), elenco->item(3)->data(Qt::UserRole).toString());
    }

    // Every link and picture of the guide is there.
    void collegamentiEImmaginiEsistono()
    {
        const QRegularExpression rif(QStringLiteral(R"((?:href|src)="([^"#:]+)(?:#[^"]*)?")"));
        const QStringList pagine = QDir(Sorgenti()).entryList({QStringLiteral("*.html")});
        QVERIFY(pagine.size() >= 16);
        for (const QString &p : pagine) {
            auto it = rif.globalMatch(Leggi(Sorgenti() + QLatin1Char('/') + p));
            while (it.hasNext()) {
                const QString f = it.next().captured(1);
                QVERIFY2(QFile::exists(QStringLiteral(SESTINA_PROGRAM_DIR "/guida/") + f),
                         qPrintable(p + QStringLiteral(": ") + f));
            }
        }
    }
};

QTEST_MAIN(TestGuida)
#include "tst_guida.moc"
