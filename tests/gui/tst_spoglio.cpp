#include "FinestraProva.h"
#include "support/ArchivioProva.h"
#include "systems/FileSviluppo.h"
#include "systems/Sviluppo.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/ModelloVincite.h"
#include "ui/PageControl.h"
#include "ui/PaginaSistemi.h"
#include "ui/PaginaStampa.h"
#include "ui/TForm1.h"
#include "ui/TSpoglioSuperenaLotto.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace sestina;

class TestSpoglio : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    PaginaStampa *stampa() const { return m_form->pagina<PaginaStampa>(); }
    TSpoglioSuperenaLotto *finestra() const { return stampa()->finestraSpoglio(); }
    template <class T> T *w(const char *nome) const { return finestra()->findChild<T *>(QString::fromLatin1(nome)); }
    QAbstractItemModel *modello() const { return w<QTableView>("ExtAnalisivincite")->model(); }
    QString cella(int riga, int colonna) const { return modello()->index(riga, colonna).data().toString(); }
    QString intestazione(int colonna) const { return modello()->headerData(colonna, Qt::Horizontal).toString(); }
    // The second column of the row of a small grid whose first column reads `voce`.
    std::string valore(const char *griglia, const std::string &voce) const
    {
        const Griglia &g = w<ExtStringGrid>(griglia)->griglia();
        for (int r = 0; r < g.righe(); ++r)
            if (g.testo(r, 0) == voce)
                return g.testo(r, 1);
        return "<" + voce + " assente>";
    }
    void scriviSviluppo(const std::vector<Colonna> &colonne)
    {
        sistemi::SalvaSviluppo(m_dir->path().toStdString() + "/", colonne);
    }
    void naviga(const char *nome) { ClicPulsante(finestra(), QString::fromLatin1(nome)); }

private Q_SLOTS:
    void init()
    {
        // Oldest first; draw dates a week apart from 1/3/2011: the last is 29/3/2011.
        const std::vector<std::vector<int>> righe = {
            {1, 2, 3, 4, 5, 6, 7, 9},       // 6
            {1, 2, 3, 4, 5, 40, 6, 9},      // 5 + jolly 6: "5+1"
            {1, 2, 3, 4, 40, 41, 6, 9},     // 4: the jolly counts only with five
            {10, 20, 30, 40, 50, 60, 1, 9}, // 0
            {1, 2, 3, 4, 5, 40, 6, 6},      // "5+1"; the superstar never counts
        };
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, prova::EstrazioniDaNumeri(righe, Data{1, 3, 2011}, 7),
                                     QStringLiteral("TabSheet5")));
    }

    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    // From the systems page: one column 01..06 against the last draw.
    void colonnaVincenteSottoLaSuaCategoria()
    {
        auto *sistemi = m_form->pagina<PaginaSistemi>();
        sistemi->ImpostaMarcati({1, 2, 3, 4, 5, 6});
        sistemi->ContaNumeriInGioco();
        sistemi->findChild<QRadioButton *>(QStringLiteral("RadioGroup15_3"))->click();
        ClicPulsante(sistemi, QStringLiteral("BitBtn3"));
        ClicPulsante(sistemi, QStringLiteral("SpeedButton20"));
        QVERIFY(finestra());
        QCOMPARE(finestra()->windowTitle(), QStringLiteral("Spoglio Superenalotto"));
        QCOMPARE(finestra()->inizio(), 4);
        QCOMPARE(modello()->rowCount(), 1);
        QCOMPARE(cella(0, 0), QStringLiteral("29/3/2011 "));
        QCOMPARE(cella(0, 6), QStringLiteral("40"));
        QCOMPARE(cella(0, 7), QStringLiteral("6"));
        QCOMPARE(cella(0, 9), QStringLiteral("1"));
        QCOMPARE(cella(0, 10), QStringLiteral("01 02 03 04 05 06 "));
        QCOMPARE(intestazione(14), QStringLiteral("5+1"));
        QCOMPARE(cella(0, 14), QStringLiteral("7"));
        QCOMPARE(cella(0, 15), QString());
        QCOMPARE(cella(0, 16), QStringLiteral("0"));
        QCOMPARE(valore("grigliariepilogo", "P 5+1"), std::string("1"));
        QCOMPARE(valore("grigliariepilogo", "P 6"), std::string("0"));
        QCOMPARE(valore("GRIGLIADATISISTEMA", "Colonne"), std::string("1"));
        QCOMPARE(valore("ExtStringGrid5", "Indice"), std::string("5 / 5 "));
        // The slip list now holds the development file's column.
        QCOMPARE(m_form->stato().ListaColonne.Count(), 1);
    }

    void navigazioneELimite()
    {
        scriviSviluppo({Colonna("\1\2\3\4\5\6")});
        stampa()->Spoglio();
        QAbstractItemModelTester tester(modello(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        naviga("SpoglioPrimo");
        QCOMPARE(finestra()->inizio(), 0);
        QCOMPARE(valore("ExtStringGrid5", "Indice"), std::string("1 / 5 "));
        QCOMPARE(modello()->rowCount(), 4);
        // Check order: the draws from the start; "Colpo" counts from 0.
        QStringList colpi, punti;
        for (int r = 0; r < 4; ++r) {
            colpi << cella(r, 16);
            for (int c = 11; c <= 15; ++c)
                if (!cella(r, c).isEmpty())
                    punti << intestazione(c) + QLatin1Char('=') + cella(r, c);
        }
        QCOMPARE(colpi.join(QLatin1Char(' ')), QStringLiteral("0 1 2 4"));
        QCOMPARE(punti.join(QLatin1Char(' ')), QStringLiteral("6=6 5+1=7 4=4 5+1=7"));
        QCOMPARE(valore("grigliariepilogo", "P 6"), std::string("1"));
        QCOMPARE(valore("grigliariepilogo", "P 5+1"), std::string("2"));
        QCOMPARE(valore("grigliariepilogo", "P 4"), std::string("1"));
        QCOMPARE(valore("grigliariepilogo", "P 3"), std::string("0"));

        w<QSpinBox>("SpinEditwheel1")->setValue(1);
        QCOMPARE(modello()->rowCount(), 1);
        QCOMPARE(cella(0, 15), QStringLiteral("6"));
        w<QSpinBox>("SpinEditwheel1")->setValue(2);
        QCOMPARE(modello()->rowCount(), 2);
        naviga("SpoglioSuc");
        naviga("SpoglioSuc");
        QCOMPARE(finestra()->inizio(), 2);
        QCOMPARE(modello()->rowCount(), 1); // draws 3 and 4: only the four
        QCOMPARE(cella(0, 12), QStringLiteral("4"));
        naviga("SpoglioUltimo");
        QCOMPARE(finestra()->inizio(), 4);
        naviga("SpoglioPrec");
        QCOMPARE(finestra()->inizio(), 3);
        // No winning row: one empty row stays.
        w<QSpinBox>("SpinEditwheel1")->setValue(1);
        QCOMPARE(modello()->rowCount(), 1);
        QCOMPARE(cella(0, 0), QString());
        QCOMPARE(valore("grigliariepilogo", "P 3"), std::string("0"));
    }

    void ordinaPerIntestazione()
    {
        scriviSviluppo({Colonna("\1\2\3\4\5\6"), Colonna("\1\2\3\50\51\52")});
        stampa()->Spoglio();
        naviga("SpoglioPrimo");
        const int righe = modello()->rowCount();
        QCOMPARE(righe, 8); // column 2 scores 3, 4, 5 and 4 on draws 1, 2, 3 and 5
        QHeaderView *h = w<QTableView>("ExtAnalisivincite")->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(16) + 5, h->height() / 2));
        QCOMPARE(cella(0, 16), QStringLiteral("4"));
        QCOMPARE(cella(righe - 1, 16), QStringLiteral("0"));
        QCOMPARE(modello()->headerData(16, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(255, 255, 0));
        QVERIFY(modello()->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color() !=
                QColor(255, 255, 0));
        // "N.Cl" ascending as integers.
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(9) + 5, h->height() / 2));
        QCOMPARE(cella(0, 9), QStringLiteral("1"));
        QCOMPARE(cella(righe - 1, 9), QStringLiteral("2"));
    }

    void costoEQuote()
    {
        m_form->stato().impostazioni.CostoColonna = 5000; // 0,50
        scriviSviluppo({Colonna("\1\2\3"), Colonna("\4\5\6"), Colonna("\7\10\11")});
        stampa()->findChild<QSpinBox *>(QStringLiteral("spinquote"))->setValue(2);
        ClicPulsante(stampa(), QStringLiteral("ToolButton143"));
        QCOMPARE(valore("GRIGLIADATISISTEMA", "Colonne"), std::string("3"));
        QCOMPARE(valore("GRIGLIADATISISTEMA", "Lunghezza 3"), std::string("3"));
        QCOMPARE(valore("GRIGLIADATISISTEMA", "Costo sistema"), std::string("1,5"));
        QCOMPARE(valore("GRIGLIADATISISTEMA", "Quote 2"), std::string("0,75"));
        // The column of three numbers all drawn scores 3 on the last draw.
        QCOMPARE(valore("grigliariepilogo", "P 3"), std::string("1"));
    }

    // A check of tens of thousands of columns: progress bar and stop button while it
    // runs, the stop heard, the window usable afterwards.
    void controlloGrandeSiFerma()
    {
        std::vector<Colonna> colonne;
        QVERIFY(!sistemi::SviluppaColonne(
            sistemi::TestoNumeriInGioco({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}), 6,
            colonne));
        QCOMPARE(colonne.size(), size_t(54264));
        scriviSviluppo(colonne);
        bool visibili = false;
        QTimer::singleShot(0, this, [&] {
            visibili = w<QProgressBar>("ProgressBarSpoglio")->isVisible() &&
                       w<QPushButton>("BitBtnFermaSpoglio")->isVisible() && finestra()->inCorso() &&
                       !w<QToolBar>("ToolBarSpoglio")->isEnabled();
            ClicPulsante(finestra(), QStringLiteral("BitBtnFermaSpoglio"));
        });
        stampa()->Spoglio();
        QVERIFY(visibili);
        QVERIFY(!finestra()->inCorso());
        QVERIFY(!w<QProgressBar>("ProgressBarSpoglio")->isVisible());
        QVERIFY(Dialoghi::Messaggi().size() == 1);
        QCOMPARE(Dialoghi::Messaggi().front().testo, QStringLiteral("Spoglio interrotto: i risultati sono parziali"));
        QVERIFY(w<QToolBar>("ToolBarSpoglio")->isEnabled());
        // A whole run afterwards: every column holding 1..5 with one of 6, 40 scores on the last draw.
        Dialoghi::PulisciMessaggi();
        finestra()->Spoglia();
        QVERIFY(Dialoghi::Messaggi().empty());
        QCOMPARE(valore("grigliariepilogo", "P 5+1"), std::string("1")); // 1..5 with 6 (jolly); 40 is not in play
        QCOMPARE(valore("grigliariepilogo", "P 5"), std::string("15"));  // 1..5 with 7..21
        QCOMPARE(valore("GRIGLIADATISISTEMA", "Colonne"), std::string("54264"));
        // One table row per winning pair, read from the compact result.
        int vincite = 0;
        for (const char *p : {"P 3", "P 4", "P 5", "P 5+1", "P 6"})
            vincite += std::stoi(valore("grigliariepilogo", p));
        QCOMPARE(modello()->rowCount(), vincite);
    }
};

QTEST_MAIN(TestSpoglio)
#include "tst_spoglio.moc"
