#include "FinestraSistemi.h"
#include "app/FileAtomico.h"
#include "support/ArchivioProva.h"
#include "support/MessaggiProva.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PageControl.h"
#include "ui/PaginaSistemi.h"
#include "ui/PaginaStampa.h"
#include "ui/TForm1.h"

#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace sestina;

class TestPaginaSistemi : public QObject, FinestraSistemi {
    Q_OBJECT

    QTableView *colonne() const { return w<QTableView>("ExtStringGrid23"); }
    QAbstractItemModel *modelloColonne() const { return colonne()->model(); }
    QString intestazioneColonne(int c) const { return modelloColonne()->headerData(c, Qt::Horizontal).toString(); }
    QString didascalia() const { return w<QGroupBox>("GroupBox12")->title(); }
    QString progresso() const { return w<QLabel>("Label70")->text(); }
    bool abilitato(const char *nome) const { return w<QWidget>(nome)->isEnabled(); }
    std::string sviluppo() const { return prova::LeggiByte(m_dir->filePath(QStringLiteral("sviluppo")).toStdString()); }
    bool esisteSviluppo() const { return QFile::exists(m_dir->filePath(QStringLiteral("sviluppo"))); }

    using FinestraSistemi::segna;
    void segna(std::initializer_list<int> numeri)
    {
        for (int n : numeri)
            segna(n);
    }
    std::vector<int> marcati() const
    {
        std::vector<int> v = pagina()->NumeriMarcati();
        std::sort(v.begin(), v.end());
        return v;
    }
    std::vector<std::string> righeColonne() const
    {
        std::vector<std::string> v;
        const QAbstractItemModel *m = modelloColonne();
        for (int r = 0; r < m->rowCount(); ++r)
            v.push_back(m->index(r, 0).data().toString().toStdString() + "|" +
                        m->index(r, 1).data().toString().toStdString());
        return v;
    }

private Q_SLOTS:
    void init() { QVERIFY(apri()); }

    void cleanup() { chiudi(); }

    void apreConLaTavolaVuota()
    {
        const Griglia &g = tabellone()->griglia();
        QCOMPARE(g.righe(), 9);
        QCOMPARE(g.colonne(), 10);
        QCOMPARE(g.righeFisse, 0);
        QCOMPARE(g.testo(0, 0), std::string("1"));
        QCOMPARE(g.testo(3, 7), std::string("38"));
        QCOMPARE(g.testo(8, 9), std::string("90"));
        QCOMPARE(tabellone()->toolTip(), QStringLiteral("E' consigliato modificare un solo numero per volta"));
        QCOMPARE(didascalia(), QStringLiteral("Numeri in gioco 0 Integrali 0"));
        QVERIFY(!abilitato("RadioGroup15"));
        QVERIFY(!abilitato("RadioGroup14"));
        QVERIFY(!abilitato("ToolBar31"));
        QVERIFY(!abilitato("BitBtn4"));
        QVERIFY(!abilitato("BitBtn5"));
        QVERIFY(!abilitato("SpeedButton20"));
        QVERIFY(!abilitato("ToolButton64"));
        QVERIFY(!w<QToolBar>("ToolBar32")->isVisible());
        QCOMPARE(w<QPushButton>("BitBtn3")->text(), QStringLiteral("Elabora"));
        QCOMPARE(intestazioneColonne(0), QStringLiteral("Scheda "));
        QCOMPARE(intestazioneColonne(1), QStringLiteral("Sviluppo"));
        QCOMPARE(modelloColonne()->rowCount(), 0);
        const char *contatori[] = {"SpinEditwheel11", "SpinEditwheel8", "SpinEditwheel9", "SpinEditwheel10"};
        for (const char *c : contatori) {
            QCOMPARE(w<QSpinBox>(c)->value(), 0);
            QCOMPARE(w<QSpinBox>(c)->maximum(), 90);
        }
    }

    // Board-column order: 1, 11, 2, 12 gives (01 11 02), (01 11 12), (01 02 12), (11 02 12).
    void quattroNumeriTreElaboraEMostraColonne()
    {
        segna({1, 2, 11, 12});
        QCOMPARE(didascalia(), QStringLiteral("Numeri in gioco 4 Integrali 4"));
        QVERIFY(abilitato("RadioGroup15") && abilitato("ToolBar31"));
        clic("BitBtn3");
        QCOMPARE(progresso(), QStringLiteral("Elaborate 4 Ridotte 4"));
        // Each number n is the byte 48 + n: 11 is ';', 12 is '<'.
        QCOMPARE(sviluppo(), std::string("1;2\r\n1;<\r\n12<\r\n;2<\r\n"));
        QVERIFY(abilitato("BitBtn5"));
        QVERIFY(abilitato("SpeedButton20"));
        QVERIFY(!abilitato("BitBtn4"));
        clic("BitBtn5");
        QCOMPARE(intestazioneColonne(0), QStringLiteral("Scheda n."));
        QCOMPARE(colonne()->columnWidth(0), 56);
        QCOMPARE(colonne()->columnWidth(1), 200);
        const std::vector<std::string> attese = {"1|01 02 11 ", "2|01 11 12 ", "3|01 02 12 ", "4|02 11 12 "};
        QCOMPARE(righeColonne(), attese);
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void riduzioneNMenoUno_data()
    {
        QTest::addColumn<QList<int>>("numeri");
        QTest::addColumn<QString>("etichetta");
        QTest::addColumn<QStringList>("colonne");
        QTest::newRow("1..5") << QList<int>{1, 2, 3, 4, 5} << QStringLiteral("Elaborate 6 Ridotte 2")
                              << QStringList{QStringLiteral("01 02 03 "), QStringLiteral("01 04 05 ")};
        // The board order 1, 11, 21, 2, 12 decides which columns survive.
        QTest::newRow("ordine tavola") << QList<int>{1, 2, 11, 12, 21} << QStringLiteral("Elaborate 6 Ridotte 2")
                                       << QStringList{QStringLiteral("01 11 21 "), QStringLiteral("01 02 12 ")};
        QTest::newRow("1..4") << QList<int>{1, 2, 3, 4} << QStringLiteral("Elaborate 1 Ridotte 1")
                              << QStringList{QStringLiteral("01 02 03 ")};
    }

    void riduzioneNMenoUno()
    {
        QFETCH(QList<int>, numeri);
        QFETCH(QString, etichetta);
        QFETCH(QStringList, colonne);
        for (int n : numeri)
            segna(n);
        scegli("RadioGroup14", 1);
        clic("BitBtn3");
        clic("BitBtn5");
        QStringList viste;
        for (const auto &r : righeColonne())
            viste << QString::fromStdString(r.substr(r.find('|') + 1));
        QCOMPARE(viste, colonne);
        // The label shows the figures at the last kept column.
        QCOMPARE(progresso(), etichetta);
    }

    // 32 numbers, "Sei": 906,192 columns developed and listed, the last in board order.
    void trentaduNumeriSei()
    {
        for (int n = 1; n <= 32; ++n)
            segna(n);
        scegli("RadioGroup15", 3);
        QCOMPARE(didascalia(), QStringLiteral("Numeri in gioco 32 Integrali 906192"));
        clic("BitBtn3");
        QVERIFY(Dialoghi::Messaggi().empty());
        QCOMPARE(progresso(), QStringLiteral("Elaborate 906192 Ridotte 906192"));
        QCOMPARE(sviluppo().size(), size_t(906192) * 8);
        clic("BitBtn5");
        QAbstractItemModelTester tester(modelloColonne(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(modelloColonne()->rowCount(), 906192);
        // Board order ends 9, 19, 29, 10, 20, 30: the last column.
        const QAbstractItemModel *m = modelloColonne();
        QCOMPARE(m->index(906191, 0).data().toString(), QStringLiteral("906192"));
        QCOMPARE(m->index(906191, 1).data().toString(), QStringLiteral("09 10 19 20 29 30 "));
        QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("01 02 11 12 21 31 "));
    }

    void cinqueNumeriConSeiNonSiSviluppa()
    {
        segna({1, 2, 3, 4, 5, 6});
        scegli("RadioGroup15", 3);
        segna(6);
        QCOMPARE(didascalia(), QStringLiteral("Numeri in gioco 5 Integrali 0"));
        QVERIFY(!abilitato("RadioGroup15"));
        clic("BitBtn3");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Sviluppo Impossibile")});
        QVERIFY(!esisteSviluppo());
        QVERIFY(!abilitato("BitBtn5"));
    }

    void troppeColonne()
    {
        for (int n = 1; n <= 33; ++n)
            segna(n);
        scegli("RadioGroup15", 3);
        QCOMPARE(didascalia(), QStringLiteral("Numeri in gioco 33 Integrali 1107568"));
        scegli("RadioGroup14", 3); // the limit is on the integral count
        clic("BitBtn3");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Troppe colonne da sviluppare")});
        QVERIFY(!esisteSviluppo());
        QVERIFY(!abilitato("SpeedButton20"));
    }

    // "Stop" pressed while a large development runs: empty file, result buttons off.
    void stopLasciaSviluppoVuoto()
    {
        segna({1, 2, 3, 4});
        clic("BitBtn3"); // a finished development first: its buttons are on
        QVERIFY(abilitato("SpeedButton20"));
        for (int n = 5; n <= 32; ++n)
            segna(n);
        scegli("RadioGroup15", 3);
        scegli("RadioGroup14", 1);
        bool fermaAttivo = false;
        QTimer::singleShot(0, this, [&] {
            fermaAttivo = abilitato("BitBtn4") && pagina()->inElaborazione();
            clic("BitBtn4");
        });
        clic("BitBtn3");
        QVERIFY(fermaAttivo);
        QVERIFY(esisteSviluppo());
        QCOMPARE(sviluppo(), std::string());
        QVERIFY(!abilitato("BitBtn5"));
        QVERIFY(!abilitato("SpeedButton20"));
        QVERIFY(!abilitato("BitBtn4"));
        QVERIFY(abilitato("BitBtn3"));
        // The page works on: a small development after the stop.
        segna(32);
        scegli("RadioGroup14", 0);
        for (int n = 7; n <= 31; ++n)
            segna(n);
        clic("BitBtn3");
        QCOMPARE(progresso(), QStringLiteral("Elaborate 1 Ridotte 1"));
        QCOMPARE(sviluppo(), std::string("123456\r\n"));
    }

    void segnoAManoCancellaLoSviluppo()
    {
        segna({1, 2, 3});
        clic("BitBtn3");
        clic("BitBtn5");
        QCOMPARE(righeColonne().size(), size_t(1));
        segna(4);
        QVERIFY(!esisteSviluppo());
        QCOMPARE(modelloColonne()->rowCount(), 0);
        QCOMPARE(intestazioneColonne(0), QStringLiteral("Scheda "));
        QVERIFY(progresso().isEmpty());
        QVERIFY(!abilitato("BitBtn5"));
        QVERIFY(!abilitato("SpeedButton20"));
        pagina()->MostraColonne(); // as the button would, were it enabled
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Non hai sviluppato alcun sistema")});
    }

    void sceltaCambiataDisabilitaMostraColonne()
    {
        segna({1, 2, 3, 4});
        clic("BitBtn3");
        clic("BitBtn5");
        scegli("RadioGroup14", 2);
        QVERIFY(!abilitato("BitBtn5"));
        QCOMPARE(intestazioneColonne(0), QStringLiteral("Scheda "));
        QCOMPARE(modelloColonne()->rowCount(), 0);
        QVERIFY(progresso().isEmpty());
        // The file stays: "Spoglio" still checks it.
        QVERIFY(esisteSviluppo());
        QVERIFY(abilitato("SpeedButton20"));
    }

    void contatori()
    {
        segna(90);
        w<QSpinBox>("SpinEditwheel11")->setValue(3);
        QCOMPARE(marcati(), (std::vector<int>{37, 67, 88}));
        // The last draw opens with 5; the hand-made 90 is gone.
        w<QSpinBox>("SpinEditwheel8")->setValue(1);
        QCOMPARE(marcati(), (std::vector<int>{5, 37, 67, 88}));
        QCOMPARE(didascalia(), QStringLiteral("Numeri in gioco 4 Integrali 4"));
        clic("SpeedButton21");
        QVERIFY(marcati().empty());
        QCOMPARE(w<QSpinBox>("SpinEditwheel11")->value(), 0);
        QCOMPARE(w<QSpinBox>("SpinEditwheel8")->value(), 0);
    }

    void listaStatistiche()
    {
        auto *l = w<QTreeWidget>("ListView2");
        QCOMPARE(l->topLevelItemCount(), 90);
        auto riga = [l](const QString &num) {
            for (int i = 0; i < l->topLevelItemCount(); ++i)
                if (l->topLevelItem(i)->text(0) == num)
                    return l->topLevelItem(i);
            return static_cast<QTreeWidgetItem *>(nullptr);
        };
        // Read back from the last draw (5 70 71 72 73 74): 5 ranks first, then 70..74; 1 shows up
        // in the third and the fourth draw from the end.
        QCOMPARE(riga(QStringLiteral("05"))->text(1), QStringLiteral("01"));
        QCOMPARE(riga(QStringLiteral("05"))->text(2), QStringLiteral("02"));
        QCOMPARE(riga(QStringLiteral("05"))->text(3), QStringLiteral("000"));
        QCOMPARE(riga(QStringLiteral("74"))->text(1), QStringLiteral("06"));
        QCOMPARE(riga(QStringLiteral("01"))->text(2), QStringLiteral("02"));
        QCOMPARE(riga(QStringLiteral("01"))->text(3), QStringLiteral("001"));
        QCOMPARE(riga(QStringLiteral("60"))->text(3), QStringLiteral("002"));
        QCOMPARE(l->topLevelItem(0)->background(1).color(), QColor(215, 255, 255));
        QCOMPARE(l->topLevelItem(0)->background(2).color(), QColor(255, 202, 202));
        QCOMPARE(l->topLevelItem(0)->background(3).color(), QColor(159, 255, 159));
        // "FRE" descending: the numbers drawn twice first; its cells grey.
        QHeaderView *h = l->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(2) + 5, h->height() / 2));
        QCOMPARE(l->topLevelItem(0)->text(2), QStringLiteral("02"));
        QCOMPARE(l->topLevelItem(89)->text(2), QStringLiteral("00"));
        QCOMPARE(l->topLevelItem(0)->background(2).color(), QColor(192, 192, 192));
        QCOMPARE(l->topLevelItem(0)->background(1).color(), QColor(215, 255, 255));
        // "ORD" ascending.
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(1) + 5, h->height() / 2));
        QCOMPARE(l->topLevelItem(0)->text(1), QStringLiteral("00"));
        QCOMPARE(l->topLevelItem(89)->text(1), QStringLiteral("22"));
        QCOMPARE(l->topLevelItem(89)->text(0), QStringLiteral("06"));
    }

    void salvaECaricaSistema()
    {
        segna({1, 2, 11});
        scegli("RadioGroup14", 2);
        const QString file = m_dir->filePath(QStringLiteral("prova.stm"));
        Dialoghi::PreimpostaPercorso(file);
        pagina()->findChild<QAction *>(QStringLiteral("SalvaSistemiSISTEMA"))->trigger();
        const std::string b = prova::LeggiByte(file.toStdString());
        QCOMPARE(b.size(), size_t(192));
        QCOMPARE(int(b[0]), 9);
        QCOMPARE(b.substr(1, 9), std::string("01 11 02 "));
        QCOMPARE(b.substr(184, 4), std::string("\0\0\0\0", 4));
        QCOMPARE(b.substr(188, 4), std::string("\2\0\0\0", 4));

        scegli("RadioGroup14", 0);
        w<QSpinBox>("SpinEditwheel11")->setValue(5);
        Dialoghi::PreimpostaPercorso(file);
        ClicPulsante(pagina(), QStringLiteral("ToolButtonCaricaSistemi"));
        QCOMPARE(marcati(), (std::vector<int>{1, 2, 11}));
        for (const char *c : {"SpinEditwheel11", "SpinEditwheel8", "SpinEditwheel9", "SpinEditwheel10"})
            QCOMPARE(w<QSpinBox>(c)->value(), 0);
        QVERIFY(w<QRadioButton>("RadioGroup14_2")->isChecked());
        QVERIFY(w<QRadioButton>("RadioGroup15_0")->isChecked());
        QCOMPARE(didascalia(), QStringLiteral("Numeri in gioco 3 Integrali 1"));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void sistemaDiPiuDiSessantaNumeriRifiutato()
    {
        for (int n = 1; n <= 61; ++n)
            segna(n);
        const QString file = m_dir->filePath(QStringLiteral("grande.stm"));
        Dialoghi::PreimpostaPercorso(file);
        pagina()->findChild<QAction *>(QStringLiteral("SalvaSistemiSISTEMA"))->trigger();
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QVERIFY(!QFile::exists(file));
        Dialoghi::PreimpostaPercorso(std::nullopt);
    }

    void caricaFileCortoNonCambiaLaTavola()
    {
        segna({7, 8, 9});
        const QString file = m_dir->filePath(QStringLiteral("corto.stm"));
        prova::ScriviByte(file.toStdString(), std::string("\x03"
                                                          "01 02 03 ",
                                                          10));
        Dialoghi::PreimpostaPercorso(file);
        ClicPulsante(pagina(), QStringLiteral("ToolButtonCaricaSistemi"));
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QVERIFY(Dialoghi::Messaggi().front().testo.contains(QStringLiteral("corto.stm")));
        QCOMPARE(marcati(), (std::vector<int>{7, 8, 9}));
    }

    void salvaCSVDelleColonne()
    {
        segna({1, 2, 3});
        clic("BitBtn3");
        clic("BitBtn5");
        const QString file = m_dir->filePath(QStringLiteral("colonne.csv"));
        Dialoghi::PreimpostaPercorso(file);
        pagina()->findChild<QAction *>(QStringLiteral("SalvaSistemiCSV"))->trigger();
        QCOMPARE(prova::LeggiByte(file.toStdString()), std::string("Scheda n.;Sviluppo;\r\n1;01 02 03 ;\r\n"));
    }

    void schedineEAvanti()
    {
        segna({1, 2, 11, 12});
        clic("BitBtn3");
        ClicPulsante(pagina(), QStringLiteral("ToolButtonSchedineSistemi"));
        auto *stampa = m_form->pagina<PaginaStampa>();
        QTRY_VERIFY(stampa->isVisible());
        auto *contatore = stampa->findChild<QLabel *>(QStringLiteral("Label27"));
        auto *numeri = stampa->findChild<QLabel *>(QStringLiteral("Label28"));
        QCOMPARE(contatore->text(), QStringLiteral("Schedina n. 1/2"));
        QCOMPARE(numeri->text(), QStringLiteral("01 11 02 "));
        ClicPulsante(stampa, QStringLiteral("ToolButtonAvanti"));
        QCOMPARE(contatore->text(), QStringLiteral("Schedina n. 2/2"));
        QCOMPARE(numeri->text(), QStringLiteral("01 02 12 "));
        const Griglia &b = stampa->findChild<ExtStringGrid *>(QStringLiteral("Grigliaschedinasepannellob"))->griglia();
        // Panel B of slip 2 holds 11 2 12: row 0 cells 2, 11, 12.
        int segnate = 0;
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 15; ++c)
                segnate += b.sfondoEffettivo(r, c) == colori::Marcatura;
        QCOMPARE(segnate, 3);
        QCOMPARE(b.sfondoEffettivo(0, 10), colori::Marcatura);
        QCOMPARE(b.sfondoEffettivo(0, 1), colori::Marcatura);
    }
};

QTEST_MAIN(TestPaginaSistemi)
#include "tst_pagina_sistemi.moc"
