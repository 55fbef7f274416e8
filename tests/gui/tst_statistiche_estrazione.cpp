#include "FinestraProva.h"
#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/SottopagineEstrazioni.h"
#include "ui/TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace sestina;

class TestStatisticheEstrazione : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    template <class T> T *trova(const char *nome) const
    {
        T *w = m_form->findChild<T *>(QString::fromLatin1(nome));
        if (!w)
            qWarning("manca %s", nome);
        return w;
    }
    ExtStringGrid *griglia(const char *nome) const { return trova<ExtStringGrid>(nome); }
    QString cella(const char *g, int r, int c) const { return QString::fromStdString(griglia(g)->griglia().testo(r, c)); }
    Colore sfondo(const char *g, int r, int c) const { return griglia(g)->griglia().sfondoEffettivo(r, c); }
    void clicCella(const char *g, int r, int c)
    {
        ExtStringGrid *x = griglia(g);
        QRect q = x->visualRect(x->model()->index(r, c));
        QTest::mouseClick(x->viewport(), Qt::LeftButton, {}, q.center());
    }
    void clic(QAbstractButton *b)
    {
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        auto estrazioni = prova::EstrazioniCasuali(3, 30);
        // Newest draw: cyclometric distances 45 (1-2), 3 (2-3 and 1-6); the eight values sum to 365.
        estrazioni.back() = prova::Estr(10, 3, 2011, 31, {3, 48, 51, 77, 89, 90}, 5, 2);
        // The draw before: pairs 1-2 and 3-4 both 12, 1-3 and 2-4 both 1.
        estrazioni[28] = prova::Estr(8, 3, 2011, 30, {1, 13, 2, 14, 22, 16}, 30, 40);
        m_form = ApriFinestraProva(*m_dir, estrazioni);
        QVERIFY(m_form->avvioCompleto());
    }

    void cleanup()
    {
        m_form.reset();
        m_dir.reset();
    }

    void treSottopagineDopoLaTabella()
    {
        auto *schede = trova<QTabWidget>("PageControlStatisticheEstrazioni");
        QVERIFY(schede);
        QCOMPARE(schede->count(), 3);
        QCOMPARE(schede->tabText(0), QStringLiteral("Distanze / Somme"));
        QCOMPARE(schede->tabText(1), QStringLiteral("Decine/Cadenze/Figure/..."));
        QCOMPARE(schede->tabText(2), QStringLiteral("Pari/Dispari/Minimo/..."));
        QCOMPARE(cella("ExtStringGrid1", 0, 15), QStringLiteral("5-6"));
        QCOMPARE(cella("ExtStringGrid1", 1, 1), QStringLiteral("45"));
        QCOMPARE(cella("ExtStringGrid1", 1, 11), QStringLiteral("3"));
        QCOMPARE(cella("ExtStringGrid1", 1, 15), QStringLiteral("1"));
        QCOMPARE(cella("ExtStringGrid6", 1, 9), QStringLiteral("73,0"));
        QCOMPARE(cella("ExtStringGrid2", 1, 6), QStringLiteral("1")); // decina of 90

        // Another draw at the top: every sub-page follows.
        clic(trova<QToolButton>("ToolButton67")); // "Prec"
        QCOMPARE(cella("ExtStringGrid5", 1, 2), QStringLiteral("1"));
        QCOMPARE(cella("ExtStringGrid1", 1, 1), QStringLiteral("12"));
        QCOMPARE(cella("ExtStringGrid6", 1, 8), QStringLiteral("138"));
        QCOMPARE(cella("ExtStringGrid2", 1, 1), QStringLiteral("1"));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void mostraEAmbiRipetuti()
    {
        clic(trova<QRadioButton>("RadioMostra2")); // "Somma Pondometrica"
        QCOMPARE(cella("ExtStringGrid1", 1, 15), QStringLiteral("89"));
        QCOMPARE(cella("ExtStringGrid1", 1, 11), QStringLiteral("3"));
        clic(trova<QRadioButton>("RadioMostra0"));
        clic(trova<QToolButton>("ToolButton67"));
        auto *ripetuti = trova<QCheckBox>("CBAmbiRipetuti");
        clic(ripetuti);
        QVERIFY(ripetuti->isChecked());
        const Colore viola{215, 215, 255};
        QCOMPARE(sfondo("ExtStringGrid1", 1, 1), viola);
        QCOMPARE(sfondo("ExtStringGrid1", 1, 8), viola);
        // Mirrored onto the four numbers of the two pairs; 22 and 16 stay white.
        for (int c = 2; c <= 5; ++c)
            QCOMPARE(sfondo("ExtStringGrid5", 1, c), viola);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 6), colori::Bianco);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 7), colori::Bianco);
        clic(ripetuti);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 2), colori::Bianco);
    }

    void selezioneConIlMouse()
    {
        const Colore giallino{255, 255, 168};
        clicCella("ExtStringGrid1", 1, 1); // "Selezione" off: nothing
        QCOMPARE(sfondo("ExtStringGrid1", 1, 1), colori::CianoChiaro);
        clic(trova<QCheckBox>("CBSelezione"));
        clicCella("ExtStringGrid1", 1, 1); // 45
        QCOMPARE(sfondo("ExtStringGrid1", 1, 1), giallino);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 2), giallino);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 3), giallino);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 4), colori::Bianco);
        // The selection stays across a redraw of the table.
        clic(trova<QToolButton>("ToolButton67"));
        clic(trova<QToolButton>("ToolButton68")); // "Suc"
        QCOMPARE(sfondo("ExtStringGrid1", 1, 1), giallino);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 2), giallino);
        clicCella("ExtStringGrid1", 1, 1);
        QCOMPARE(sfondo("ExtStringGrid1", 1, 1), colori::CianoChiaro);
        QCOMPARE(sfondo("ExtStringGrid5", 1, 2), colori::Bianco);

        // A new colour for "Selezione", used from the next refresh.
        Dialoghi::PreimpostaColore(QColor(10, 20, 30));
        clic(trova<QPushButton>("Shape1"));
        QVERIFY(trova<QPushButton>("Shape1")->styleSheet().contains(QStringLiteral("rgb(10,20,30)")));
        clicCella("ExtStringGrid1", 1, 1);
        QCOMPARE(sfondo("ExtStringGrid1", 1, 1), (Colore{10, 20, 30}));
    }

    void classiELegenda()
    {
        auto *schede = trova<QTabWidget>("PageControlStatisticheEstrazioni");
        schede->setCurrentIndex(1);
        auto *scelta = trova<QComboBox>("ComboBox5");
        QCOMPARE(scelta->count(), 6);
        QCOMPARE(scelta->currentText(), QStringLiteral("Decine"));
        auto *legenda = trova<QTextEdit>("RichEdit1");
        QVERIFY(legenda->toPlainText().startsWith(QStringLiteral("D 01 = 90,1,2,3,4,5,6,7,8,9")));
        scelta->setCurrentIndex(1); // "Cadenze"
        QCOMPARE(cella("ExtStringGrid2", 1, 6), QStringLiteral("0")); // 90
        QCOMPARE(cella("ExtStringGrid2", 1, 7), QStringLiteral("5")); // jolly 5
        QVERIFY(legenda->toPlainText().startsWith(QStringLiteral("C 00 = 10,20,30,40,50,60,70,80,90")));
        scelta->setCurrentIndex(3); // "Radicali"
        QVERIFY(legenda->toPlainText().startsWith(QStringLiteral("R 01 =  1,10,11,19")));
        QCOMPARE(cella("ExtStringGrid2", 1, 2), QString()); // 48 is in no quartina
        QVERIFY(legenda->toHtml().contains(QStringLiteral("#ff0000")));
        schede->setCurrentIndex(2);
        QCOMPARE(cella("ExtStringGrid6", 0, 1), QStringLiteral("Pa"));
        QCOMPARE(cella("ExtStringGrid6", 1, 6), QStringLiteral("2")); // Cic of 90 - 2
        QImage img = trova<QWidget>("TabSheet1")->grab().toImage();
        QVERIFY(!img.isNull());
    }

    void doppioClicInviaLaCella()
    {
        std::string inviato;
        m_form->stato().InvioASchedina = [&](const std::string &t) { inviato = t; };
        ExtStringGrid *x = griglia("ExtStringGrid1");
        QRect q = x->visualRect(x->model()->index(1, 1));
        // As a user double-clicks: the first click, then the second one.
        QTest::mouseClick(x->viewport(), Qt::LeftButton, {}, q.center());
        QTest::mouseDClick(x->viewport(), Qt::LeftButton, {}, q.center());
        QCOMPARE(QString::fromStdString(inviato), QStringLiteral("45"));
        m_form->stato().InvioASchedina = nullptr;
    }
};

QTEST_MAIN(TestStatisticheEstrazione)
#include "tst_statistiche_estrazione.moc"
