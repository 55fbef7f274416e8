#include "FinestraProva.h"
#include "support/ArchivioProva.h"
#include "support/MessaggiProva.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/ModuloSchedinaSE.h"
#include "ui/PageControl.h"
#include "ui/PaginaStampa.h"
#include "ui/PaginaStat.h"
#include "ui/TForm1.h"

#include "slips/Schedine.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace sestina;

class TestPaginaStampa : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    PaginaStampa *pagina() const { return m_form->pagina<PaginaStampa>(); }
    template <class T> T *w(const char *nome) const { return pagina()->findChild<T *>(QString::fromLatin1(nome)); }
    ExtStringGrid *pannelloA() const { return w<ExtStringGrid>("GrigliaschedinasepannelloA"); }
    ExtStringGrid *pannelloB() const { return w<ExtStringGrid>("Grigliaschedinasepannellob"); }
    TExStringList &lista() const { return m_form->stato().ListaColonne; }
    QString contatore() const { return w<QLabel>("Label27")->text(); }
    void clic(const char *nome) { ClicPulsante(pagina(), QString::fromLatin1(nome)); }
    void clicCella(ExtStringGrid *g, int r, int c)
    {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(r, c)).center());
    }
    void segna(ExtStringGrid *pannello, std::initializer_list<int> numeri)
    {
        for (int n : numeri)
            clicCella(pannello, (n - 1) / 15, (n - 1) % 15);
    }
    // The numbers marked on a panel, ascending.
    std::string segnati(ExtStringGrid *g) const
    {
        std::string s;
        for (int n = 1; n <= 90; ++n)
            if (g->griglia().sfondoEffettivo((n - 1) / 15, (n - 1) % 15) == colori::Marcatura)
                s.push_back(static_cast<char>(n));
        return s;
    }
    void imposta(std::initializer_list<std::string> voci)
    {
        lista().Clear();
        for (const auto &v : voci)
            lista().Add(v);
        pagina()->MostraSchedina(0);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, prova::EstrazioniCasuali(5, 60), QStringLiteral("TabSheet10")));
    }

    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    void moduloDellaSchedina()
    {
        for (ExtStringGrid *g : {pannelloA(), pannelloB()}) {
            QCOMPARE(g->griglia().colonne(), 15);
            QCOMPARE(g->griglia().righe(), 6);
            QCOMPARE(g->griglia().testo(0, 0), std::string("1"));
            QCOMPARE(g->griglia().testo(1, 0), std::string("16"));
            QCOMPARE(g->griglia().testo(5, 14), std::string("90"));
        }
        const Griglia &abb = w<ExtStringGrid>("grigliaabbonamentise")->griglia();
        QCOMPARE(abb.colonne(), 5);
        QCOMPARE(abb.righe(), 2);
        const char *testi[2][5] = {{"2", "3", "4", "5", "6"}, {"", "9", "12", "15", ""}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 5; ++c)
                QCOMPARE(abb.testo(r, c), std::string(testi[r][c]));
        QCOMPARE(abb.sfondoEffettivo(1, 0), (Colore{192, 192, 192}));
        QCOMPARE(abb.sfondoEffettivo(1, 4), (Colore{192, 192, 192}));
        QCOMPARE(w<ExtStringGrid>("grigliariduzionese")->griglia().testo(0, 2), std::string("G3"));
        QCOMPARE(w<ExtStringGrid>("GrigliaBasiVariantise")->griglia().testo(0, 4), std::string("B5"));
        QVERIFY(w<QRadioButton>("RadioButton5")->isChecked());
        QCOMPARE(w<QRadioButton>("RadioButton5")->text(), QStringLiteral("OFF"));
        for (const char *c : {"CheckBox3", "CheckBox4"})
            QVERIFY(!w<QCheckBox>(c)->isChecked());
        QCOMPARE(w<QSpinBox>("spinquote")->minimum(), 1);
        QCOMPARE(w<QSpinBox>("spinquote")->maximum(), 1000);
        QVERIFY(w<QToolButton>("ToolButtonStampaSchedine")->isEnabled());
        QVERIFY(w<QToolButton>("ToolButtonTaratura")->isEnabled());
        QVERIFY(w<QToolButton>("ToolButton143")->isEnabled());
        // After start-up: "&Nuova Giocata" ran, one empty entry.
        QCOMPARE(lista().Count(), 1);
        QCOMPARE(lista()[0], std::string());
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 1/1"));

        // The picture behind the grids: paper in the panels' frame, ink in the panel tabs.
        QImage foto = pagina()->modulo()->grab().toImage();
        QCOMPARE(foto.size(), QSize(ModuloSchedinaSE::Larghezza, ModuloSchedinaSE::Altezza));
        const QPoint tab = pannelloA()->pos() + QPoint(12, -15); // left of the tab's title
        QCOMPARE(foto.pixelColor(tab), QColor(196, 18, 84));
        const QPoint cella = pannelloA()->pos() + QPoint(5, 5);
        QCOMPARE(foto.pixelColor(cella), QColor(Qt::white));
    }

    void aggiungiDopoLAvvio()
    {
        segna(pannelloA(), {1, 2, 3, 4, 5, 6});
        clic("ToolButtonAggiungiSchedina");
        QCOMPARE(lista().Count(), 3);
        QCOMPARE(lista()[0], std::string("\1\2\3\4\5\6"));
        QCOMPARE(lista()[1], std::string());
        QCOMPARE(lista()[2], std::string());
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 2/2"));
        QVERIFY(segnati(pannelloA()).empty());
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void aggiungiRifiutatoConPannelloBMancante()
    {
        imposta({"\1\2\3\4\5\6", "\7\10\11\12\13\14", "\20\21\22\23\24\25"});
        clic("ToolButtonAggiungiSchedina");
        QCOMPARE(prova::TestiMessaggi(),
                 QStringList{QStringLiteral("Impossibile aggiungere colonne\n\n\rRiempi prima tutti i pannelli.")});
        QCOMPARE(lista().Count(), 3);
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 2/2"));
        QCOMPARE(segnati(pannelloA()), std::string("\20\21\22\23\24\25"));
        QVERIFY(segnati(pannelloB()).empty());
    }

    void cancellaUnicaSchedinaRifiutato()
    {
        clic("ToolButtonCancellaSchedina");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Non puoi cancellare questa colonna")});
        imposta({"\1\2\3", "\4\5\6", "\7\10\11", "\12\13\14"});
        clic("ToolButtonAvanti");
        clic("ToolButtonCancellaSchedina");
        QCOMPARE(lista().Count(), 2);
        QCOMPARE(lista()[1], std::string("\4\5\6"));
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 1/1"));
    }

    void avantiEIndietro()
    {
        imposta({"\1\2\3", "\4\5\6", "\7\10\11"});
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 1/2"));
        QCOMPARE(w<QLabel>("Label28")->text(), QStringLiteral("01 02 03 "));
        clic("ToolButtonAvanti");
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 2/2"));
        QCOMPARE(segnati(pannelloA()), std::string("\7\10\11"));
        QVERIFY(segnati(pannelloB()).empty());
        clic("ToolButtonAvanti"); // already on the last
        QCOMPARE(pagina()->indice(), 2);
        clic("ToolButtonIndietro");
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 1/2"));
        QCOMPARE(segnati(pannelloB()), std::string("\4\5\6"));
        clic("ToolButtonIndietro");
        QCOMPARE(pagina()->indice(), 0);
    }

    void pannelloBVuotoTieneLaVoce()
    {
        imposta({"\1\2\3\4\5\6", "\7\10\11\12\13\14"});
        segna(pannelloB(), {7, 8, 9, 10, 11, 12}); // every number unmarked
        clic("ToolButtonSalvaSchedina");
        QCOMPARE(lista()[1], std::string("\7\10\11\12\13\14"));
        // A click on panel A stores the slip at once, panel B with it.
        segna(pannelloB(), {40, 41});
        segna(pannelloA(), {90});
        QCOMPARE(lista()[0], std::string("\1\2\3\4\5\6\132"));
        QCOMPARE(lista()[1], std::string("\50\51"));
        QCOMPARE(w<QLabel>("Label28")->text(), QStringLiteral("01 02 03 04 05 06 90 "));
        // Each click stores panel A; the click that empties it stores nothing and says nothing.
        segna(pannelloA(), {1, 2, 3, 4, 5, 6, 90});
        QVERIFY(Dialoghi::Messaggi().empty());
        QCOMPARE(lista()[0], std::string("\132"));
        clic("ToolButtonSalvaSchedina");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Non posso salvare schedine vuote")});
    }

    void piccoleGriglieEDatiDellaSchedina()
    {
        auto *rid = w<ExtStringGrid>("grigliariduzionese");
        auto *abb = w<ExtStringGrid>("grigliaabbonamentise");
        auto *basi = w<ExtStringGrid>("GrigliaBasiVariantise");
        clicCella(rid, 0, 0);
        clicCella(rid, 0, 1); // one mark at most: G4 replaces G5
        clicCella(abb, 1, 0); // locked
        clicCella(abb, 1, 2);
        clicCella(basi, 0, 3);
        clicCella(basi, 0, 3); // toggled off again
        segna(pannelloA(), {5, 17, 88});
        segna(pannelloB(), {1, 90});
        QTest::mouseClick(w<QCheckBox>("CheckBox4"), Qt::LeftButton, {}, QPoint(6, 6));
        w<QRadioButton>("RadioButton3")->click();
        const schedine::tdatischedinaSE d = pagina()->LeggiSchedina();
        QCOMPARE(d.pannelloA, std::string("\5\21\130"));
        QCOMPARE(d.pannelloB, std::string("\1\132"));
        QVERIFY(!d.superstarA);
        QVERIFY(d.superstarB);
        QCOMPARE(d.giocataAggiuntiva, Valuta(100000));
        QCOMPARE(d.abbonamento, 12);
        QCOMPARE(d.riduzione, 2);
        QCOMPARE(d.basi, 0);
        QCOMPARE(abb->griglia().sfondoEffettivo(1, 0), (Colore{192, 192, 192}));
        // "&Nuova Giocata": small grids and panels cleared, SuperStar and the amount kept.
        prova::ScriviByte(m_dir->filePath(QStringLiteral("sviluppo")).toStdString(), "123\r\n");
        clic("ToolButtonNuovaGiocata");
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("sviluppo"))));
        const schedine::tdatischedinaSE n = pagina()->LeggiSchedina();
        QCOMPARE(n.riduzione, 0);
        QCOMPARE(n.abbonamento, 0);
        QVERIFY(n.pannelloA.empty() && n.pannelloB.empty());
        QVERIFY(n.superstarB);
        QCOMPARE(n.giocataAggiuntiva, Valuta(100000));
        QCOMPARE(lista().Count(), 1);
    }

    void invioASchedina()
    {
        Dialoghi::PreimpostaRisposta(true);
        m_form->stato().InvioASchedina("05 17 88");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Invio 05 17 88?")});
        QCOMPARE(lista().Count(), 1);
        QCOMPARE(lista()[0], std::string("\5\21\130"));
        Dialoghi::PulisciMessaggi();
        for (const char *t : {"12/03/2008", "91", ""})
            m_form->stato().InvioASchedina(t);
        QCOMPARE(prova::TestiMessaggi(),
                 (QStringList{QStringLiteral("Dato non valido"), QStringLiteral("Dato non valido"),
                              QStringLiteral("Dato non valido")}));
        QCOMPARE(lista().Count(), 1);
        // "No": nothing appended.
        Dialoghi::PreimpostaRisposta(false);
        m_form->stato().InvioASchedina("01 02");
        QCOMPARE(lista().Count(), 1);
    }

    // A user's double click on a cell of the statistics page reaches the slip list.
    void doppioClicDallaPaginaStat()
    {
        auto *stat = m_form->pagina<PaginaStat>();
        m_form->pageControl()->setCurrentWidget(stat);
        auto *g = stat->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid4"));
        QVERIFY(g);
        int riga = g->griglia().righeFisse, colonna = -1;
        for (int c = 0; c < g->griglia().colonne() && colonna < 0; ++c)
            if (schedine::ValidaInvio(g->griglia().testo(riga, c)))
                colonna = c;
        QVERIFY(colonna >= 0);
        const std::string testo = g->griglia().testo(riga, colonna);
        Dialoghi::PreimpostaRisposta(true);
        const QPoint p = g->visualRect(g->model()->index(riga, colonna)).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(prova::TestiMessaggi(),
                 QStringList{QStringLiteral("Invio ") + QString::fromStdString(testo) + QStringLiteral("?")});
        QCOMPARE(lista().Count(), 1);
        QCOMPARE(lista()[0], ColonnaDaTesto(testo));
        QTRY_VERIFY(pagina()->isVisible());
    }

    void salvaECaricaSistema()
    {
        imposta({"\1\2\3\4\5\6", "\7\52\132"});
        const QString sse = m_dir->filePath(QStringLiteral("schedine.sse"));
        const QString csv = m_dir->filePath(QStringLiteral("schedine.csv"));
        const std::string attesoSse = "123456\r\n7Z\x8a\r\n";
        Dialoghi::PreimpostaPercorso(sse);
        pagina()->findChild<QAction *>(QStringLiteral("PopupSalvaStandard"))->trigger();
        QCOMPARE(prova::LeggiByte(sse.toStdString()), attesoSse);
        Dialoghi::PreimpostaPercorso(sse);
        pagina()->findChild<QAction *>(QStringLiteral("PopupSalvaStandard"))->trigger();
        QCOMPARE(prova::LeggiByte(sse.toStdString()), attesoSse);
        Dialoghi::PreimpostaPercorso(csv);
        pagina()->findChild<QAction *>(QStringLiteral("PopupSalvaCSV"))->trigger();
        QCOMPARE(prova::LeggiByte(csv.toStdString()), std::string("1;2;3;4;5;6;\r\n7;42;90;\r\n"));

        clic("ToolButtonNuovaGiocata");
        Dialoghi::PreimpostaPercorso(csv);
        pagina()->findChild<QAction *>(QStringLiteral("PopupcaricaCSV"))->trigger();
        QCOMPARE(lista().Count(), 2);
        QCOMPARE(segnati(pannelloA()), std::string("\1\2\3\4\5\6"));
        QCOMPARE(segnati(pannelloB()), std::string("\7\52\132"));
        QCOMPARE(prova::LeggiByte(m_dir->filePath(QStringLiteral("sviluppo")).toStdString()), attesoSse);

        clic("ToolButtonNuovaGiocata");
        Dialoghi::PreimpostaPercorso(sse);
        pagina()->findChild<QAction *>(QStringLiteral("PopupcaricaStandard"))->trigger();
        QCOMPARE(lista().Count(), 2);
        QCOMPARE(lista()[1], std::string("\7\52\132"));
        QCOMPARE(contatore(), QStringLiteral("Schedina n. 1/1"));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void fileDiSchedineGuastoNonPerdeLaLista()
    {
        imposta({"\1\2\3"});
        const QString csv = m_dir->filePath(QStringLiteral("guasto.csv"));
        prova::ScriviByte(csv.toStdString(), "1;2;3;\r\n4;95;\r\n");
        Dialoghi::PreimpostaPercorso(csv);
        pagina()->findChild<QAction *>(QStringLiteral("PopupcaricaCSV"))->trigger();
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QVERIFY(Dialoghi::Messaggi().front().testo.contains(QStringLiteral("guasto.csv")));
        QCOMPARE(lista().Count(), 1);
        QCOMPARE(lista()[0], std::string("\1\2\3"));
    }
};

QTEST_MAIN(TestPaginaStampa)
#include "tst_pagina_stampa.moc"
