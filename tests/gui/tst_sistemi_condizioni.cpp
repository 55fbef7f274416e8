// "&Sistemi": conditions, bases, optimised reductions and "Verifica garanzia".
#include "FinestraSistemi.h"
#include "app/FileAtomico.h"
#include "support/ArchivioProva.h"
#include "systems/FileSviluppo.h"
#include "systems/Garanzia.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGriglia.h"
#include "ui/PaginaSistemi.h"
#include "ui/PaginaStampa.h"
#include "ui/PannelloCondizioni.h"
#include "ui/TForm1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <sstream>

using namespace sestina;

class TestSistemiCondizioni : public QObject, FinestraSistemi {
    Q_OBJECT

    QString conteggio() const { return w<QLabel>("LabelColonneCondizioni")->text(); }
    // Types a value into a spin box as a user would.
    void scrivi(const char *nome, int valore)
    {
        auto *s = w<QSpinBox>(nome);
        s->selectAll();
        QTest::keyClicks(s, QString::number(valore));
    }
    std::vector<Colonna> sviluppo() const
    {
        std::vector<Colonna> l;
        (void)sistemi::CaricaSviluppo(m_dir->path().toStdString() + "/", l);
        return l;
    }
    // The numbers of each row of "Mostra colonne".
    std::vector<std::vector<int>> righeMostrate() const
    {
        std::vector<std::vector<int>> v;
        const QAbstractItemModel *m = w<QTableView>("ExtStringGrid23")->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            std::istringstream s(m->index(r, 1).data().toString().toStdString());
            std::vector<int> c;
            for (int x; s >> x;)
                c.push_back(x);
            v.push_back(c);
        }
        return v;
    }

private Q_SLOTS:
    void init() { QVERIFY(apri()); }

    void cleanup() { chiudi(); }

    // Twelve numbers, "Sei", "pari" 3-3: C(6,3) x C(6,3) = 400 of the 924 columns.
    void pariTreTreConConteggioDalVivo()
    {
        for (int n = 1; n <= 12; ++n)
            segna(n);
        scegli("RadioGroup15", 3);
        QCOMPARE(conteggio(), QStringLiteral("Colonne: 924 \u2192 924"));
        scrivi("CondPariMin", 3);
        QCOMPARE(conteggio(), QStringLiteral("Colonne: 924 \u2192 662")); // 3 or more evens: 400 + 225 + 36 + 1
        scrivi("CondPariMax", 3);
        QCOMPARE(conteggio(), QStringLiteral("Colonne: 924 \u2192 400"));
        clic("BitBtn3");
        clic("BitBtn5");
        const auto righe = righeMostrate();
        QCOMPARE(righe.size(), size_t(400));
        for (const auto &r : righe) {
            QCOMPARE(r.size(), size_t(6));
            QCOMPARE(std::count_if(r.begin(), r.end(), [](int x) { return x % 2 == 0; }), 3);
        }
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    // A base is in every column; the legend explains the second colour.
    void basiInOgniColonna()
    {
        for (int n = 1; n <= 8; ++n)
            segna(n);
        scegli("RadioGroup15", 0);
        QTest::mouseClick(w<QCheckBox>("CondSegnaBasi"), Qt::LeftButton, {}, QPoint(6, 6));
        QVERIFY(w<QCheckBox>("CondSegnaBasi")->isChecked());
        segna(5);
        QCOMPARE(pagina()->NumeriBase(), std::vector<int>{5});
        QCOMPARE(tabellone()->griglia().sfondoEffettivo(0, 4), ColoreBase);
        QCOMPARE(conteggio(), QStringLiteral("Colonne: 21 \u2192 21")); // C(7, 2)
        clic("BitBtn3");
        const auto l = sviluppo();
        QCOMPARE(l.size(), size_t(21));
        for (const auto &c : l)
            QVERIFY(c.find(char(5)) != std::string::npos);
        segna(5); // back to a variant
        QVERIFY(pagina()->NumeriBase().empty());
        QCOMPARE(pagina()->NumeriMarcati().size(), size_t(8));
    }

    void verificaStorica()
    {
        scrivi("CondPariMin", 3);
        scrivi("CondPariMax", 3);
        clic("BottoneVerificaStorica");
        auto *f = pagina()->findChild<FinestraGriglia *>(QStringLiteral("FinestraVerificaStorica"));
        QVERIFY(f);
        const Griglia &g = f->griglia()->griglia();
        QCOMPARE(g.testo(1, 0), std::string("Pari 3-3"));
        QCOMPARE(g.testo(1, 1), std::string("2"));
        QCOMPARE(g.testo(1, 3), std::string("50,0 %"));
        QCOMPARE(g.testo(1, 4), std::string("05/03/2011"));
    }

    void condizioniSalvateECaricateColSistema()
    {
        for (int n = 1; n <= 8; ++n)
            segna(n);
        scrivi("CondPariMin", 2);
        scrivi("CondPariMax", 3);
        w<QLineEdit>("CondGruppo1")->setText(QStringLiteral("1 3 5"));
        scrivi("CondGruppo1Min", 1);
        QTest::mouseClick(w<QCheckBox>("CondSegnaBasi"), Qt::LeftButton, {}, QPoint(6, 6));
        segna(2);
        const QString file = m_dir->filePath(QStringLiteral("prova.stm"));
        Dialoghi::PreimpostaPercorso(file);
        pagina()->findChild<QAction *>(QStringLiteral("SalvaSistemiSISTEMA"))->trigger();
        QCOMPARE(QString::fromStdString(LeggiFile(m_dir->filePath(QStringLiteral("prova.cnd")).toStdString())),
                 QStringLiteral("pari=2-3\r\ngruppo=1 3 5:1-10\r\nbasi=2\r\n"));

        pagina()->pannelloCondizioni()->Azzera();
        QTest::mouseClick(w<QCheckBox>("CondSegnaBasi"), Qt::LeftButton, {}, QPoint(6, 6));
        segna(2); // without "Segna basi" a click on a base unmarks it
        QVERIFY(pagina()->NumeriBase().empty());
        QCOMPARE(pagina()->NumeriMarcati().size(), size_t(7));
        Dialoghi::PreimpostaPercorso(file);
        clic("ToolButtonCaricaSistemi");
        QCOMPARE(w<QSpinBox>("CondPariMin")->value(), 2);
        QCOMPARE(w<QSpinBox>("CondPariMax")->value(), 3);
        QCOMPARE(w<QLineEdit>("CondGruppo1")->text(), QStringLiteral("1 3 5"));
        QCOMPARE(pagina()->NumeriBase(), std::vector<int>{2});
        QCOMPARE(pagina()->NumeriMarcati().size(), size_t(8));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    // Ten numbers, "Sei", "n-1", "Ottimizzata": at most 15 columns, proved "5 se 6".
    void ottimizzataDieciNumeri()
    {
        for (int n = 1; n <= 10; ++n)
            segna(n);
        scegli("RadioGroup15", 3);
        QVERIFY(!w<QCheckBox>("CheckBoxOttimizzata")->isEnabled());
        scegli("RadioGroup14", 1);
        QVERIFY(w<QCheckBox>("CheckBoxOttimizzata")->isEnabled());
        w<QCheckBox>("CheckBoxOttimizzata")->setChecked(true);
        clic("BitBtn3");
        const auto l = sviluppo();
        QVERIFY2(!l.empty() && l.size() <= 15, qPrintable(QString::number(l.size())));
        clic("BottoneVerificaGaranzia");
        auto *f = pagina()->findChild<FinestraGriglia *>(QStringLiteral("FinestraGaranzia"));
        QVERIFY(f);
        QCOMPARE(f->esito(), QStringLiteral("Garanzia: 5 se 6"));
        QVERIFY(Dialoghi::Messaggi().empty());

        // The slip page proves the slip list in the same way.
        clic("ToolButtonSchedineSistemi");
        auto *stampa = m_form->pagina<PaginaStampa>();
        ClicPulsante(stampa, QStringLiteral("ToolButtonVerificaGaranzia"));
        auto *fs = stampa->findChild<FinestraGriglia *>(QStringLiteral("FinestraGaranzia"));
        QVERIFY(fs);
        QCOMPARE(fs->esito(), QStringLiteral("Garanzia: 5 se 6"));
    }

    // "Ottimizzata" only where the optimiser takes the level: below the numbers
    // per column. Leaving such a combination drops the tick.
    void ottimizzataSoloSottoINumeriInCombinazione_data()
    {
        QTest::addColumn<int>("combinazione"); // 0 "Tre" .. 3 "Sei"
        QTest::addColumn<int>("riduzione");    // 0 "Nessuna" .. 3 "n-3"
        QTest::addColumn<bool>("attiva");
        const char *k[] = {"Tre", "Quattro", "Cinque", "Sei"};
        const char *r[] = {"Nessuna", "n-1", "n-2", "n-3"};
        for (int c = 0; c < 4; ++c)
            for (int l = 0; l < 4; ++l)
                QTest::addRow("%s %s", k[c], r[l]) << c << l << (l >= 1 && l < c + 3);
    }
    void ottimizzataSoloSottoINumeriInCombinazione()
    {
        QFETCH(int, combinazione);
        QFETCH(int, riduzione);
        QFETCH(bool, attiva);
        for (int n = 1; n <= 8; ++n)
            segna(n);
        auto *ottimizzata = w<QCheckBox>("CheckBoxOttimizzata");
        // From a combination that takes it, ticked, to the one of the row: in both orders.
        for (bool primaRiduzione : {false, true}) {
            scegli("RadioGroup15", 3);
            scegli("RadioGroup14", 1);
            QVERIFY(ottimizzata->isEnabled());
            ottimizzata->setChecked(true);
            if (primaRiduzione) {
                scegli("RadioGroup14", riduzione);
                scegli("RadioGroup15", combinazione);
            } else {
                scegli("RadioGroup15", combinazione);
                scegli("RadioGroup14", riduzione);
            }
            QCOMPARE(ottimizzata->isEnabled(), attiva);
            QCOMPARE(ottimizzata->isChecked(), attiva);
        }
    }

    // "Tre" and "n-3" develop without a refusal once the box has gone off.
    void treConNMenoTreNonChiedeLOttimizzatore()
    {
        for (int n = 1; n <= 6; ++n)
            segna(n);
        scegli("RadioGroup15", 0);
        scegli("RadioGroup14", 2);
        w<QCheckBox>("CheckBoxOttimizzata")->setChecked(true);
        scegli("RadioGroup14", 3);
        QVERIFY(!w<QCheckBox>("CheckBoxOttimizzata")->isChecked());
        clic("BitBtn3");
        QVERIFY(!sviluppo().empty());
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    // "Stop" during the search keeps the best system so far, which holds the guarantee.
    void stopDuranteLaRicercaTieneUnSistemaValido()
    {
        std::vector<int> numeri;
        for (int n = 1; n <= 16; ++n) {
            segna(n);
            numeri.push_back(n);
        }
        scegli("RadioGroup15", 3);
        scegli("RadioGroup14", 1);
        w<QCheckBox>("CheckBoxOttimizzata")->setChecked(true);
        bool fermaAttivo = false;
        QTimer::singleShot(0, this, [&] {
            fermaAttivo = w<QWidget>("BitBtn4")->isEnabled() && pagina()->inElaborazione();
            clic("BitBtn4");
        });
        clic("BitBtn3");
        QVERIFY(fermaAttivo);
        const auto l = sviluppo();
        QVERIFY(!l.empty());
        QCOMPARE(sistemi::VerificaGaranzia(l, numeri, 6).garanzia, 5);
        QVERIFY(w<QWidget>("BitBtn5")->isEnabled());
    }
};

QTEST_MAIN(TestSistemiCondizioni)
#include "tst_sistemi_condizioni.moc"
