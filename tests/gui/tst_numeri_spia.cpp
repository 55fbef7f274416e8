#include "FinestraProva.h"
#include "app/FileAtomico.h"
#include "archive/Archivio.h"
#include "stats/NumeriSpia.h"
#include "support/ArchivioProva.h"
#include "support/CartellaProgramma.h"
#include "support/MessaggiProva.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PageControl.h"
#include "ui/PaginaNumeriSpia.h"
#include "ui/TForm1.h"
#include "ui/TfrmNumSpia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace sestina;

class TestNumeriSpia : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;

    // Names like ComboBox1 also exist on other pages: look inside the window.
    template <class T> T *trova(const char *nome) const
    {
        return m_form->findChild<TfrmNumSpia *>()->findChild<T *>(QString::fromLatin1(nome));
    }
    ExtStringGrid *griglia(const char *nome) const { return trova<ExtStringGrid>(nome); }
    void clic(const char *nome)
    {
        auto *b = trova<QAbstractButton>(nome);
        QVERIFY2(b, nome);
        QVERIFY2(b->isEnabled(), nome);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void clicNumero(int n)
    {
        ExtStringGrid *g = griglia("SceNum");
        QRect r = g->visualRect(g->model()->index((n - 1) / 10, (n - 1) % 10));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    }
    bool scelto(int n) const
    {
        return griglia("SceNum")->griglia().sfondoEffettivo((n - 1) / 10, (n - 1) % 10) == Colore{0, 255, 255};
    }

private Q_SLOTS:
    void init()
    {
        m_estrazioni = prova::EstrazioniCasuali(9, 500);
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, m_estrazioni, QStringLiteral("TabNumSpia")));
        m_form->resize(1280, 860);
    }

    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    void finestraNellaPagina()
    {
        auto *f = m_form->findChild<TfrmNumSpia *>();
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("LOTTO SPIE - QUANDO ESCE"));
        QCOMPARE(f->EntrateArchivio(), 500);
        auto *c1 = trova<QComboBox>("ComboBox1");
        auto *c2 = trova<QComboBox>("ComboBox2");
        QCOMPARE(c1->count(), 500);
        QCOMPARE(c1->currentIndex(), 313);
        QCOMPARE(c2->currentIndex(), 499);
        // The whole contest number, right-aligned.
        QCOMPARE(c2->currentText(), QString::fromStdString(statistiche::TestoDataSpia(m_estrazioni[499].data)));
        QVERIFY(c2->currentText().endsWith(QStringLiteral(" 500")));
        QVERIFY(!trova<QCheckBox>("cbUsaNumSpy")->isEnabled());
        QCOMPARE(trova<QLabel>("lbTitoloLunghette")->text(), QStringLiteral("Le 20 combinazioni piu' frequenti per ambo"));
        QCOMPARE(trova<QSpinBox>("AnalisiEstra")->value(), 5);
    }

    void archivioCambiato()
    {
        archivio::Archivio a(m_dir->path().toStdString() + "/");
        a.Scrivi(500, prova::Estr(20, 10, 2004, 501, {1, 2, 3, 4, 5, 6}, 7, 8));
        m_form->stato().UltimaEstrazione = 500;
        m_form->stato().AggiornaViste();
        auto *c2 = trova<QComboBox>("ComboBox2");
        QCOMPARE(c2->count(), 501);
        QCOMPARE(c2->currentText(), QStringLiteral("20/10/2004 501"));
        // Showing the page again clears the choice.
        clicNumero(33);
        QVERIFY(scelto(33));
        m_form->pageControl()->setCurrentIndex(0);
        m_form->pageControl()->setCurrentWidget(m_form->findChild<PaginaNumeriSpia *>());
        QTRY_VERIFY(!scelto(33));
    }

    void tastiSpostanoIlFuoco()
    {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        auto *c1 = trova<QComboBox>("ComboBox1");
        auto *c2 = trova<QComboBox>("ComboBox2");
        auto *n = trova<QSpinBox>("AnalisiEstra");
        c1->setFocus();
        QTRY_VERIFY(c1->hasFocus());
        QTest::keyClick(c1, Qt::Key_Down);
        QTRY_VERIFY(c2->hasFocus());
        QCOMPARE(c1->currentIndex(), 313); // the list did not move
        QTest::keyClick(c2, Qt::Key_Return);
        QTRY_VERIFY(n->hasFocus());
        QTest::keyClick(n, Qt::Key_Up);
        QTRY_VERIFY(c2->hasFocus());
        QCOMPARE(n->value(), 5);
    }

    void elaboraConDueNumeriRiempieLeTreGriglie()
    {
        clicNumero(5);
        clicNumero(17);
        QVERIFY(scelto(5) && scelto(17) && !scelto(6));
        clic("encElab");
        QTRY_VERIFY(griglia("GridNum")->griglia().righe() > 1);
        statistiche::ParametriSpia p;
        p.numeri = {5, 17};
        p.inizio = 313;
        p.fine = 499;
        ProgressoNullo nullo;
        auto atteso = statistiche::ElaboraSpia(m_estrazioni, p, nullo);
        QCOMPARE(griglia("GridNum")->griglia().righe(), atteso.numeri.righe());
        QCOMPARE(griglia("GridNum")->griglia().testo(1, 1), atteso.numeri.testo(1, 1));
        QCOMPARE(griglia("GridAmb")->griglia().righe(), atteso.ambi.righe());
        QVERIFY(griglia("GridAmb")->griglia().righe() > 1);
        QCOMPARE(griglia("GridRu")->griglia().testo(0, 1), atteso.totali.testo(0, 1));
        QVERIFY(atteso.estrazioniSpia > 0);
        QCOMPARE(griglia("GridRu")->griglia().testo(2, 1), atteso.totali.testo(2, 1));
        QVERIFY(trova<QCheckBox>("cbUsaNumSpy")->isEnabled());
        QVERIFY(prova::TestiMessaggi().isEmpty());
        // The working file in the program folder.
        std::string file = LeggiFile(m_dir->filePath(QStringLiteral("NSpie_BA.csv")).toStdString());
        QCOMPARE(file, atteso.fileLavoro);

        // A changed input clears the results and lapses "Usa Num. Spia".
        trova<QSpinBox>("AnalisiEstra")->setValue(6);
        QCOMPARE(griglia("GridNum")->griglia().righe(), 1);
        QVERIFY(!trova<QCheckBox>("cbUsaNumSpy")->isEnabled());
    }

    void rifiuti()
    {
        clic("encElab");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Indicare almeno un numero!")});
        Dialoghi::PulisciMessaggi();
        for (int n = 1; n <= 21; ++n)
            clicNumero(n);
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("troppi numeri! (Max 20)")});
        QCOMPARE(m_form->findChild<TfrmNumSpia *>()->NumeriScelti().size(), size_t{20});
        QVERIFY(scelto(20));
        QVERIFY(!scelto(21));
        // A second click unchooses.
        clicNumero(20);
        QVERIFY(!scelto(20));
        Dialoghi::PulisciMessaggi();
        clic("btCancella");
        QVERIFY(m_form->findChild<TfrmNumSpia *>()->NumeriScelti().empty());
        clicNumero(9);
        trova<QRadioButton>("rbAmbi")->setChecked(true);
        clic("encElab");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Indicare almeno due numeri per Ambo!")});
        Dialoghi::PulisciMessaggi();
        for (const char *m : {"cbGennaio", "cbFebbraio", "cbMarzo", "cbAprile", "cbMaggio", "cbGiugno", "cbLuglio",
                              "cbAgosto", "cbSettembre", "cbOttobre", "cbNovembre", "cbDicembre"})
            trova<QCheckBox>(m)->setChecked(false);
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Nessun Mese Selezionato !")});
        QCOMPARE(Dialoghi::Messaggi().front().tipo, Dialoghi::Tipo::Errore);
    }

    void lunghetteEFiltro()
    {
        clic("LEDButton10"); // "Ottine"
        auto tutte = griglia("GrigliaLunghe2")->griglia();
        QCOMPARE(tutte.righe(), 22);
        QVERIFY(!tutte.testo(21, 0).empty());
        QCOMPARE(std::count(tutte.testo(2, 0).begin(), tutte.testo(2, 0).end(), '.'), 7);
        QCOMPARE(trova<QLabel>("lbTitoloLunghette")->text(),
                 QStringLiteral("Le 20 ottine    piu' frequenti per ambo su 77.515.521.435"));
        clicNumero(5);
        clicNumero(17);
        clic("encElab");
        QTRY_VERIFY(trova<QCheckBox>("cbUsaNumSpy")->isEnabled());
        // Ticking the filter runs the last lunghette again on the analysed draws only.
        trova<QCheckBox>("cbUsaNumSpy")->setChecked(true);
        auto filtrate = griglia("GrigliaLunghe2")->griglia();
        QVERIFY(!filtrate.testo(2, 0).empty());
        QVERIFY(filtrate.testo(2, 1) != tutte.testo(2, 1) || filtrate.testo(2, 0) != tutte.testo(2, 0));

        Dialoghi::PreimpostaPercorso(m_dir->filePath(QStringLiteral("riepilogo.csv")));
        Dialoghi::PreimpostaPercorso(m_dir->filePath(QStringLiteral("finestra.bmp")));
        clic("btVideo");
        std::string csv = LeggiFile(m_dir->filePath(QStringLiteral("riepilogo.csv")).toStdString());
        QVERIFY(csv.rfind("Modalit\xE0;Numeri Spia;\r\nruota;Bari;\r\n", 0) == 0);
        QVERIFY(csv.find("Numeri scelti;;5;17;\r\n") != std::string::npos);
        QVERIFY(csv.find("\r\nottine;Filtro N.Spie;\r\n") != std::string::npos);
        QVERIFY(QImage(m_dir->filePath(QStringLiteral("finestra.bmp"))).width() > 100);
    }
};

QTEST_MAIN(TestNumeriSpia)
#include "tst_numeri_spia.moc"
