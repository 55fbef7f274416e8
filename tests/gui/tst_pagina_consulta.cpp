#include "archive/Archivio.h"
#include "export/GrigliaCSV.h"
#include "stats/Consultazione.h"
#include "support/ArchivioProva.h"
#include "FinestraProva.h"
#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PageControl.h"
#include "ui/PaginaConsulta.h"
#include "ui/TForm1.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <memory>
#include <sstream>

using namespace sestina;

class TestPaginaConsulta : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;

    PaginaConsulta *pagina() const { return m_form->pagina<PaginaConsulta>(); }
    ExtStringGrid *griglia() const { return m_form->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid3")); }
    QComboBox *date() const { return m_form->findChild<QComboBox *>(QStringLiteral("ComboBox4")); }
    QString cella(int r, int c) const { return QString::fromStdString(griglia()->griglia().testo(r, c)); }
    Colore sfondo(int r, int c) const { return griglia()->griglia().sfondoEffettivo(r, c); }
    int ultima() const { return m_form->stato().UltimaEstrazione; }
    void clic(const char *nome) { ClicPulsante(pagina(), QString::fromLatin1(nome)); }

    // As a user double-clicks: the first click, then the second one.
    void doppioClic(int riga, int colonna)
    {
        const QPoint p = griglia()->visualRect(griglia()->model()->index(riga, colonna)).center();
        QTest::mouseClick(griglia()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(griglia()->viewport(), Qt::LeftButton, {}, p);
    }

private Q_SLOTS:
    void init()
    {
        m_estrazioni = prova::EstrazioniCasuali(7, 60);
        // The last draw, Thursday 10 March 2011: 2 even and prime, 30 and 60 complementary, jolly 12 and 21.
        m_estrazioni.back() = prova::Estr(10, 3, 2011, 61, {2, 4, 30, 60, 21, 87}, 12, 45);
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, m_estrazioni, QStringLiteral("TabSheet2")));
    }

    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    // The draws of the bundled archive before 28/03/2006 have superstar 0: no
    // superstar. It is shown empty and forms no class and no pair with the others.
    void superstarZeroNonFormaCoppie()
    {
        ChiudiFinestraProva(m_form, m_dir);
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, prova::EstrazioniReali(), QStringLiteral("TabSheet2")));
        auto colore = [](const char *classe) {
            const auto k = static_cast<size_t>(*statistiche::IndiceClasseConsulta(classe));
            return statistiche::ClassiConsulta()[k].colore;
        };
        // 7/2/1998: 8 9 23 34 64 89, jolly 1. Its record (19) heads the page.
        ScegliVoce(date(), date()->findText(QStringLiteral("7/2/1998 ")));
        QCOMPARE(cella(1, 0), QStringLiteral("20"));
        QCOMPARE(cella(1, 9), QStringLiteral("1"));
        QCOMPARE(cella(1, 10), QString());
        clic("TBAmbiConsecutivi");
        QCOMPARE(sfondo(1, 3), colore("AmbiConsecutivi")); // 8 beside 9
        QCOMPARE(sfondo(1, 9), colori::Bianco);            // 1 has no 0 beside it
        QCOMPARE(sfondo(1, 10), colori::Bianco);
        clic("TBAmbiConsecutivi");
        // 3/1/1998 (record 9, row 9 of the first page): 2 29 36 72 82 90, jolly 71.
        ScegliVoce(date(), date()->findText(QStringLiteral("3/1/1998 ")));
        QCOMPARE(cella(9, 0), QStringLiteral("10"));
        QCOMPARE(cella(9, 8), QStringLiteral("90"));
        clic("TBAmbiComplementari");
        QCOMPARE(sfondo(9, 8), colori::Bianco); // 90 has no partner in 0
        clic("TBAmbiComplementari");
        // Not even a class: the empty superstar is never even, a "Numeretto" or a figure.
        for (const char *b : {"TBPari", "TBNumeretti", "TBAmbiFigura", "TBAmbiinCadenza"})
            clic(b);
        for (int r = 1; r <= 18; ++r) {
            QCOMPARE(cella(r, 10), QString());
            QCOMPARE(sfondo(r, 10), colori::Bianco);
        }
        // From 28/03/2006 on the superstar takes part as before: 68 is even.
        ScegliVoce(date(), date()->findText(QStringLiteral("28/3/2006 ")));
        QCOMPARE(cella(1, 10), QStringLiteral("68"));
        QVERIFY(sfondo(1, 10) != colori::Bianco);
    }

    void apreSullUltimaEstrazione()
    {
        QCOMPARE(pagina()->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(pagina()->PosizioneConsulta(), 59);
        QCOMPARE(date()->count(), 60);
        QCOMPARE(date()->currentIndex(), 0);
        QCOMPARE(date()->itemText(0), QStringLiteral("10/3/2011 "));
        QCOMPARE(griglia()->griglia().righe(), 19);
        QCOMPARE(cella(1, 0), QStringLiteral("60"));
        QCOMPARE(cella(1, 2), QStringLiteral("10/3/2011 Giovedì"));
        QCOMPARE(cella(18, 0), QStringLiteral("43"));
        for (int c = 3; c <= 10; ++c)
            QCOMPARE(sfondo(1, c), colori::Bianco);
        // The buttons, top to bottom, with their captions.
        auto *numeri = pagina()->findChild<QWidget *>(QStringLiteral("ToolBarRicercaNumeri"));
        QVERIFY(numeri);
        QList<QToolButton *> b = numeri->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly);
        QStringList testi;
        for (auto *x : b)
            if (x->objectName().startsWith(QStringLiteral("TB")))
                testi << x->text().trimmed();
        QCOMPARE(testi, (QStringList{QStringLiteral("&Zerati"), QStringLiteral("&Numeretti"),
                                     QStringLiteral("&Gemelli"), QStringLiteral("&Primi"),
                                     QStringLiteral("&Vertibili"), QStringLiteral("&Pari"),
                                     QStringLiteral("&Dispari")}));
    }

    void pulsantiDelleClassi()
    {
        clic("TBPari");
        QCOMPARE(sfondo(1, 3), (Colore{255, 255, 0})); // 2
        QCOMPARE(sfondo(1, 4), (Colore{255, 255, 0})); // 4
        QCOMPARE(sfondo(1, 7), colori::Bianco);        // 21
        clic("TBPrimi");
        QCOMPARE(sfondo(1, 3), (Colore{254, 236, 192})); // Primi comes later
        QCOMPARE(sfondo(1, 4), (Colore{255, 255, 0}));
        clic("TBAmbiComplementari");
        QCOMPARE(sfondo(1, 5), (Colore{225, 198, 198})); // 30
        QCOMPARE(sfondo(1, 6), (Colore{225, 198, 198})); // 60
        QCOMPARE(sfondo(1, 10), colori::Bianco);         // a lone superstar 45
        clic("TBAmbiVertibili");
        QCOMPARE(sfondo(1, 7), (Colore{149, 255, 149})); // 21 with the jolly 12
        QCOMPARE(sfondo(1, 9), (Colore{149, 255, 149}));
        // Switching off takes the colour away again.
        clic("TBAmbiVertibili");
        clic("TBPari");
        QCOMPARE(sfondo(1, 9), colori::Bianco);
        QCOMPARE(sfondo(1, 4), colori::Bianco);
        QCOMPARE(sfondo(1, 3), (Colore{254, 236, 192}));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void navigazioneEListaDate()
    {
        clic("ConsultaPrec");
        QCOMPARE(pagina()->PosizioneConsulta(), 58);
        QCOMPARE(date()->currentIndex(), 1);
        QCOMPARE(cella(1, 0), QStringLiteral("59"));
        clic("ConsultaPrimo");
        QCOMPARE(pagina()->PosizioneConsulta(), 0);
        QCOMPARE(date()->currentIndex(), 59);
        QCOMPARE(cella(1, 0), QStringLiteral("18")); // never fewer than eighteen draws
        QCOMPARE(cella(18, 0), QStringLiteral("1"));
        clic("ConsultaPagSuc");
        QCOMPARE(pagina()->PosizioneConsulta(), 18);
        clic("ConsultaUltimo");
        clic("ConsultaPagSuc"); // past the end: stays
        QCOMPARE(pagina()->PosizioneConsulta(), 59);
        clic("ConsultaPagPr");
        QCOMPARE(pagina()->PosizioneConsulta(), 41);
        // Choosing a date, as a user does with the list.
        date()->setCurrentIndex(10);
        Q_EMIT date()->activated(10);
        QCOMPARE(pagina()->PosizioneConsulta(), 49);
        QCOMPARE(cella(1, 0), QStringLiteral("50"));
    }

    void aggiornaVisteDopoUnaNuovaEstrazione()
    {
        clic("ConsultaPrimo");
        archivio::Archivio a(m_dir->path().toStdString());
        a.Scrivi(60, prova::Estr(12, 3, 2011, 62, {1, 2, 3, 4, 5, 6}, 7, 8));
        m_form->stato().UltimaEstrazione = 60;
        m_form->stato().AggiornaViste();
        QCOMPARE(pagina()->PosizioneConsulta(), 60);
        QCOMPARE(date()->count(), 61);
        QCOMPARE(date()->currentIndex(), 0);
        QCOMPARE(date()->itemText(0), QStringLiteral("12/3/2011 "));
        QCOMPARE(cella(1, 0), QStringLiteral("61"));
    }

    void doppioClicESalvaCSV()
    {
        std::string inviato;
        m_form->stato().InvioASchedina = [&](const std::string &t) { inviato = t; };
        doppioClic(2, 5);
        QCOMPARE(QString::fromStdString(inviato), cella(2, 5));
        m_form->stato().InvioASchedina = nullptr;
        doppioClic(2, 5); // no slip page: nothing happens

        const QString file = m_dir->filePath(QStringLiteral("consulta.csv"));
        Dialoghi::PreimpostaPercorso(file);
        clic("TBSalvaCSVConsulta");
        std::ifstream f(file.toStdString(), std::ios::binary);
        std::stringstream letto;
        letto << f.rdbuf();
        QCOMPARE(letto.str(), esporta::GrigliaCSV(griglia()->griglia()));
        QVERIFY(Dialoghi::Messaggi().empty());
    }
};

QTEST_MAIN(TestPaginaConsulta)
#include "tst_pagina_consulta.moc"
