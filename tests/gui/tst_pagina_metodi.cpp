#include "FinestraPrevisione.h"
#include "methods/AnalisiMetodo.h"
#include "methods/Metodo.h"
#include "stats/Classi.h"
#include "support/ArchivioProva.h"
#include "support/MessaggiProva.h"
#include "ui/PaginaMetodi.h"
#include "ui/PannelloCruciverba.h"
#include "ui/TFormAnalisiMetodi.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>

using namespace sestina;
using namespace sestina::metodi;

class TestPaginaMetodi : public QObject, FinestraPrevisione<PaginaMetodi> {
    Q_OBJECT

    const Griglia &metodi() const { return griglia("ESGmetodi")->griglia(); }
    void clicCella(ExtStringGrid *g, int r, int c)
    {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(r, c)).center());
    }
    bool mostra(int record, int riga) const
    {
        auto atteso = CalcolaPaginaMetodo(m_e, record, ParametriDaRiga(metodi(), riga), metodi().testo(riga, 0));
        auto uguali = [](const Griglia &x, const Griglia &y) {
            if (x.righe() != y.righe() || x.colonne() != y.colonne())
                return false;
            for (int r = 0; r < x.righe(); ++r)
                for (int c = 0; c < x.colonne(); ++c)
                    if (x.testo(r, c) != y.testo(r, c))
                        return false;
            return true;
        };
        return uguali(griglia("grigliaprevisionimetodi")->griglia(), atteso.previsioneGriglia) &&
               uguali(griglia("ExtStringGrid16")->griglia(), atteso.rit) &&
               uguali(griglia("ExtStringGrid17")->griglia(), atteso.es);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(apri(8, 150, QStringLiteral("TabSheet12"), [](const QTemporaryDir &dir) {
            QDir sorgente(QStringLiteral(SESTINA_SOURCE_DIR "/data/metodi"));
            for (const QString &f : sorgente.entryList({QStringLiteral("*.mts")}))
                if (!QFile::copy(sorgente.filePath(f), dir.filePath(f)))
                    return false;
            for (const char *f : {"testahtml.slt", "codahtml.slt"})
                if (!QFile::copy(QStringLiteral(SESTINA_SOURCE_DIR "/data/") + QString::fromLatin1(f),
                                 dir.filePath(QString::fromLatin1(f))))
                    return false;
            TExStringList rotto{"11", "1 2", "+"};
            rotto.SaveToFile(dir.filePath(QStringLiteral("Rotto.mts")).toStdString());
            return true;
        }));
    }

    void cleanup() { chiudi(); }

    void caricaIMetodiEAvvisaDelFileRotto()
    {
        QCOMPARE(metodi().righe(), 1 + 9);
        QCOMPARE(metodi().testo(0, 12), std::string("Tipo Calcolo"));
        QCOMPARE(prova::TestiMessaggi().size(), 1);
        QVERIFY(prova::TestiMessaggi()[0].contains(QStringLiteral("Rotto.mts")));
        QCOMPARE(pagina()->record(), 149);
        QVERIFY(mostra(149, 1));
        // The page's crossword is full (the list holds every number) and developed.
        QVERIFY(pagina()->cruciverba()->cruciverba().completo);
        QVERIFY(!pagina()->cruciverba()->sviluppo().empty());
    }

    void clicSuUnaRigaRicalcola()
    {
        clicCella(griglia("ESGmetodi"), 4, 1);
        QCOMPARE(pagina()->rigaMetodo(), 4);
        QVERIFY(mostra(149, 4));
        QCOMPARE(metodi().sfondoEffettivo(4, 1), colori::Aqua);
        QCOMPARE(metodi().sfondoEffettivo(1, 1), colori::Bianco);
        ClicPulsante(pagina(), QStringLiteral("SpeedButton11"));
        QCOMPARE(pagina()->rigaMetodo(), 5);
        QVERIFY(mostra(149, 5));
    }

    void cellaModificataEntraNelCalcolo()
    {
        // Row of "Somma primo e secondo": a new NRA changes the ambate at once.
        int riga = 1;
        while (riga < metodi().righe() && metodi().testo(riga, 0) != "Somma primo e secondo")
            ++riga;
        clicCella(griglia("ESGmetodi"), riga, 1);
        auto *m = griglia("ESGmetodi")->model();
        QVERIFY(m->setData(m->index(riga, 5), QStringLiteral("1")));
        QCOMPARE(ParametriDaRiga(metodi(), riga).nra, 1);
        QVERIFY(mostra(149, riga));
        const auto &n = m_e[149].numeri.numeri;
        const int v = statistiche::Fuori90(n[0] + n[1]);
        const std::string atteso =
            FormattaColonna(OrdinaColonna(StringaDaValori({statistiche::Fuori90(v - 1), statistiche::Fuori90(v + 1)})));
        QCOMPARE(griglia("grigliaprevisionimetodi")->griglia().testo(0, 1), atteso);
    }

    void indietroPerPasso()
    {
        int riga = 1;
        while (riga < metodi().righe() && ParametriDaRiga(metodi(), riga).passo != 2)
            ++riga;
        QVERIFY(riga < metodi().righe());
        clicCella(griglia("ESGmetodi"), riga, 1);
        ClicPulsante(pagina(), QStringLiteral("ToolButtonMetodiIndietro"));
        QCOMPARE(pagina()->record(), 147);
        QVERIFY(mostra(147, riga));
        ClicPulsante(pagina(), QStringLiteral("ToolButtonMetodiPrima"));
        ClicPulsante(pagina(), QStringLiteral("ToolButtonMetodiIndietro"));
        QCOMPARE(pagina()->record(), 0);
    }

    void analisiMetodiEPaginaHTML()
    {
        Dialoghi::PulisciMessaggi();
        ClicPulsante(pagina(), QStringLiteral("SpeedButton13"));
        auto *f = pagina()->finestraAnalisi();
        QVERIFY(f);
        const auto p = pagina()->parametri();
        const auto atteso = AnalizzaMetodo(archivio::Archivio(m_dir->path().toStdString() + "/"), m_e,
                                           pagina()->nomeMetodo(), p, {149, p.nPrevisioni, p.passo, p.limVerifica});
        QCOMPARE(f->risultato().previsioni.righe(), atteso.previsioni.righe());
        QCOMPARE(f->risultato().previsioni.testo(1, 5), atteso.previsioni.testo(1, 5));
        QCOMPARE(f->testo()->toPlainText().split(QLatin1Char('\n')).size(),
                 static_cast<int>(atteso.spiegazione.size()));
        ClicPulsante(f, QStringLiteral("BitBtn1"));
        QVERIFY(f->testo()->toPlainText().contains(QStringLiteral(" Tabella Esiti ")));
        const QString html = m_dir->filePath(QStringLiteral("analisi.html"));
        Dialoghi::PreimpostaPercorso(html);
        ClicPulsante(f, QStringLiteral("BitBtn4"));
        TExStringList righe;
        righe.LoadFromFile(html.toStdString());
        QCOMPARE(righe[4], std::string("<title> ANALISI METODO  </title>"));
        QVERIFY(righe.IndexOf("          <TD><p class=s1> TABELLA ESITI </p></td>") > 0);
        // "Passo" changed in the window is the method's: the page follows.
        auto *passo = f->findChild<QComboBox *>(QStringLiteral("ComboBox2"));
        ScegliVoce(passo, 2);
        QCOMPARE(pagina()->parametri().passo, 3);
    }

    // "Stampa TXT": the explanation through the print dialog, titled "Stampa Metodo";
    // a cancelled dialog prints nothing.
    void stampaTXTStampaLaSpiegazione()
    {
        ClicPulsante(pagina(), QStringLiteral("SpeedButton13"));
        auto *f = pagina()->finestraAnalisi();
        QVERIFY(f);
        const QString pdf = m_dir->filePath(QStringLiteral("metodo.pdf"));
        ClicPulsante(f, QStringLiteral("BitBtn2"));
        QVERIFY(!QFile::exists(pdf));
        Dialoghi::PreimpostaPercorso(pdf);
        ClicPulsante(f, QStringLiteral("BitBtn2"));
        QVERIFY(QFile::exists(pdf));
        auto esegui = [](const QString &programma, const QStringList &argomenti) {
            QProcess p;
            p.start(programma, argomenti);
            p.waitForFinished();
            return QString::fromUtf8(p.readAllStandardOutput());
        };
        QVERIFY(esegui(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("Stampa Metodo")));
        const QString stampato =
            esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QStringList righe = f->testo()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!righe.isEmpty());
        for (const QString &r : {righe.first(), righe.last()})
            QVERIFY2(stampato.simplified().contains(r.simplified()), qPrintable(r));
    }

    void relazionePrevisioni()
    {
        const QString file = m_dir->filePath(QStringLiteral("relazione.txt"));
        Dialoghi::PreimpostaPercorso(file);
        pagina()->EsportaPrevisioni();
        TExStringList righe;
        righe.LoadFromFile(file.toStdString());
        QCOMPARE(righe.Count(), 10 * 17);
        QCOMPARE(righe[0], "Concorso n. 150 del " + archivio::TestoListaDate(m_e[149].data));
    }
};

QTEST_MAIN(TestPaginaMetodi)
#include "tst_pagina_metodi.moc"
