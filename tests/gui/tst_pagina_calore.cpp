#include "archive/Archivio.h"
#include "export/GrigliaCSV.h"
#include "stats/Calore.h"
#include "FinestraProva.h"
#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PageControl.h"
#include "ui/PaginaInCalore.h"
#include "ui/TForm1.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace sestina;
using namespace sestina::statistiche;

class TestPaginaCalore : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;

    PaginaInCalore *pagina() const { return m_form->pagina<PaginaInCalore>(); }
    ExtStringGrid *tabella() const { return pagina()->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid8")); }
    ExtStringGrid *elenco() const { return pagina()->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid7")); }
    QComboBox *date() const { return pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox15")); }
    QSpinBox *analizzare() const { return pagina()->findChild<QSpinBox *>(QStringLiteral("SpinEditAnalizzare")); }
    QSpinBox *minimo() const { return pagina()->findChild<QSpinBox *>(QStringLiteral("SpinEditFrequenze")); }
    const Griglia &t() const { return tabella()->griglia(); }
    const Griglia &e() const { return elenco()->griglia(); }
    void clic(const char *nome) { ClicPulsante(pagina(), QString::fromLatin1(nome)); }
    void clicIntestazione(int colonna) { ClicIntestazione(tabella(), colonna); }
    // What the page should show for these inputs.
    RisultatoCalore atteso(int E, int N, int minimo, TipoCalore tipo, int colonna,
                           std::array<Colore, 5> colori = ColoriCaloreIniziali) const
    {
        ParametriCalore p;
        p.estrazione = E;
        p.analizzare = N;
        p.minimo = minimo;
        p.tipo = tipo;
        p.colonna = colonna;
        p.colori = colori;
        return MostraCalore(archivio::Archivio(m_dir->path().toStdString() + "/"), 79, p);
    }
    static bool uguali(const Griglia &x, const Griglia &y)
    {
        if (x.righe() != y.righe() || x.colonne() != y.colonne())
            return false;
        for (int r = 0; r < x.righe(); ++r)
            for (int c = 0; c < x.colonne(); ++c)
                if (x.testo(r, c) != y.testo(r, c) || x.sfondoEffettivo(r, c) != y.sfondoEffettivo(r, c))
                    return false;
        return true;
    }
    bool mostra(const RisultatoCalore &r) const { return uguali(t(), r.tabella) && uguali(e(), r.elenco); }

private Q_SLOTS:
    void init()
    {
        m_estrazioni = prova::EstrazioniCasuali(33, 80);
        // 7 and 8 together in the last two draws; in the third last the 8 is only the jolly
        m_estrazioni[79] = prova::Estr(10, 3, 2011, 80, {7, 8, 20, 31, 42, 53}, 64, 7);
        m_estrazioni[78] = prova::Estr(8, 3, 2011, 79, {8, 7, 21, 32, 43, 54}, 65, 1);
        m_estrazioni[77] = prova::Estr(5, 3, 2011, 78, {7, 22, 33, 44, 55, 66}, 8, 2);
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, m_estrazioni, QStringLiteral("TabSheet4")));
    }

    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    void apreSullUltimaEstrazione()
    {
        QCOMPARE(pagina()->objectName(), QStringLiteral("TabSheet4"));
        QCOMPARE(date()->count(), 80);
        QCOMPARE(date()->currentIndex(), 0);
        QCOMPARE(date()->itemText(0), QStringLiteral("10/3/2011 "));
        QCOMPARE(analizzare()->value(), 18);
        QCOMPARE(minimo()->value(), 2);
        QVERIFY(pagina()->findChild<QToolButton *>(QStringLiteral("TBEstratti"))->isChecked());
        QVERIFY(mostra(atteso(79, 18, 2, TipoCalore::Estratti, 1)));
        QCOMPARE(e().righe(), 19);
        QCOMPARE(e().testo(1, 0), std::string("80"));
        QCOMPARE(t().sfondoEffettivo(0, 1), colori::Giallo);
        auto *barra = m_form->findChild<QWidget *>(QStringLiteral("ToolBar13"));
        QVERIFY(barra && !barra->isVisible());
    }

    void ambiEColoriDelleCoppie()
    {
        clic("TBAmbi");
        QVERIFY(pagina()->findChild<QToolButton *>(QStringLiteral("TBAmbi"))->isChecked());
        QCOMPARE(t().testo(0, 0), std::string("Ambi"));
        QVERIFY(mostra(atteso(79, 18, 2, TipoCalore::Ambi, 1)));
        QCOMPARE(t().testo(1, 0), std::string("7-8")); // among the six numbers of the last two draws
        QCOMPARE(t().testo(1, 1), std::string("2"));
        const Colore primo = ColoriCaloreIniziali[0];
        QCOMPARE(e().sfondoEffettivo(1, 3), primo);
        QCOMPARE(e().sfondoEffettivo(1, 4), primo);
        // a lower rank sharing a number may paint over it, never leave it white
        QVERIFY(e().sfondoEffettivo(2, 3) != colori::Bianco);
        QVERIFY(e().sfondoEffettivo(2, 4) != colori::Bianco);
        // draw 77: 7 among the numbers, 8 only the jolly: the pair is not painted there
        QVERIFY(e().sfondoEffettivo(3, 3) != primo);
        QCOMPARE(e().sfondoEffettivo(3, 9), colori::Bianco);
        QCOMPARE(e().sfondoEffettivo(1, 10), colori::Bianco); // superstar 7
    }

    void ordinamentoDallIntestazione()
    {
        clicIntestazione(4);
        QCOMPARE(pagina()->parametri().colonna, 4);
        QVERIFY(mostra(atteso(79, 18, 2, TipoCalore::Estratti, 4)));
        QCOMPARE(t().sfondoEffettivo(0, 4), colori::Giallo);
        QVERIFY(t().sfondoEffettivo(0, 1) != colori::Giallo);
        for (int r = 2; r < t().righe(); ++r) {
            auto v = [&](int riga) {
                return std::stod(QString::fromStdString(t().testo(riga, 4))
                                     .replace(QLatin1Char(','), QLatin1Char('.'))
                                     .toStdString());
            };
            QVERIFY(v(r - 1) >= v(r));
        }
        clicIntestazione(3);
        QVERIFY(mostra(atteso(79, 18, 2, TipoCalore::Estratti, 3)));
        clicIntestazione(0);
        QCOMPARE(t().testo(1, 0).back(), ' ');
        QVERIFY(mostra(atteso(79, 18, 2, TipoCalore::Estratti, 0)));
    }

    void limitiDegliSpin()
    {
        analizzare()->setValue(500); // the archive holds 80 draws: UltimaEstrazione is 79
        QCOMPARE(analizzare()->value(), 79);
        QVERIFY(mostra(atteso(79, 79, 2, TipoCalore::Estratti, 1)));
        QCOMPARE(e().righe(), 80);
        // typing a larger value sets it back
        analizzare()->selectAll();
        QTest::keyClicks(analizzare(), QStringLiteral("95"));
        QCOMPARE(analizzare()->value(), 79);
        // an emptied box means 1
        analizzare()->setValue(30);
        analizzare()->selectAll();
        QTest::keyClick(analizzare(), Qt::Key_Delete);
        QTest::keyClick(analizzare(), Qt::Key_Return);
        QCOMPARE(analizzare()->value(), 1);
        QCOMPARE(e().righe(), 2);
        minimo()->setValue(1);
        QCOMPARE(t().righe(), 7);
        QCOMPARE(t().testo(1, 3), std::string("1-1"));
        QCOMPARE(t().testo(1, 4), std::string("0,00"));
        QCOMPARE(e().righe(), 2);
        QCOMPARE(minimo()->maximum(), 100);
        QCOMPARE(minimo()->minimum(), 0);
        QCOMPARE(analizzare()->minimum(), 1);
        minimo()->setValue(100);
        QCOMPARE(t().righe(), 2);
        QCOMPARE(t().testo(1, 0), std::string(""));
    }

    void dataIniziale()
    {
        date()->setCurrentIndex(5);
        Q_EMIT date()->activated(5);
        QCOMPARE(pagina()->parametri().estrazione, 74);
        QVERIFY(mostra(atteso(74, 18, 2, TipoCalore::Estratti, 1)));
        QCOMPARE(e().testo(1, 0), std::string("75"));
    }

    void sceltaDelColore()
    {
        Dialoghi::PreimpostaColore(QColor(10, 20, 30));
        clic("ShapeCalore1");
        QCOMPARE(pagina()->parametri().colori[0], (Colore{10, 20, 30}));
        auto colori = ColoriCaloreIniziali;
        colori[0] = Colore{10, 20, 30};
        QVERIFY(mostra(atteso(79, 18, 2, TipoCalore::Estratti, 1, colori)));
        // cancelled: the colour stays
        Dialoghi::PreimpostaColore(std::nullopt);
        clic("ShapeCalore1");
        QCOMPARE(pagina()->parametri().colori[0], (Colore{10, 20, 30}));
    }

    void salvaCSVScriveAncheLElenco()
    {
        const QString file = m_dir->filePath(QStringLiteral("scelto.csv"));
        Dialoghi::PreimpostaPercorso(file);
        clic("TBSalvaCSVCalore");
        QCOMPARE(prova::LeggiByte(file.toStdString()), esporta::GrigliaCSV(t()));
        // The draws list goes to the fixed name beside the program, whatever the chosen name.
        QCOMPARE(prova::LeggiByte(m_dir->filePath(QStringLiteral("IncalorelastG")).toStdString()),
                 esporta::GrigliaCSV(e()));
    }
};

QTEST_MAIN(TestPaginaCalore)
#include "tst_pagina_calore.moc"
