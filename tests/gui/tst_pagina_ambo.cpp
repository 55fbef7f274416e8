#include "archive/Archivio.h"
#include "export/GrigliaCSV.h"
#include "stats/RitardiGruppi.h"
#include "FinestraProva.h"
#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PageControl.h"
#include "ui/PaginaAmbo.h"
#include "ui/TForm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>

using namespace sestina;

class TestPaginaAmbo : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;

    PaginaAmbo *pagina() const { return m_form->pagina<PaginaAmbo>(); }
    ExtStringGrid *griglia() const { return pagina()->findChild<ExtStringGrid *>(QStringLiteral("GrigliaRitPerAmbi")); }
    QComboBox *inizio() const { return pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox11")); }
    QComboBox *fine() const { return pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox12")); }
    QLabel *titolo() const { return pagina()->findChild<QLabel *>(QStringLiteral("LabelTitoloAmbo")); }
    const Griglia &g() const { return griglia()->griglia(); }
    StatoCondiviso &stato() const { return m_form->stato(); }
    int ultima() const { return stato().UltimaEstrazione; }
    void clic(const QString &nome) { ClicPulsante(pagina(), nome); }
    static constexpr int AnnoPr = -10, AnnoSuc = -20;
    void clicIntestazione(int colonna) { ClicIntestazione(griglia(), colonna); }
    void scegli(QComboBox *combo, int indice) { ScegliVoce(combo, indice); }
    // The grid the engine gives for this span and size, sorted by "Ritardo".
    std::string Atteso(int k, int inizio, int fine) const
    {
        return esporta::GrigliaCSV(
            statistiche::GrigliaRitPerAmbi(statistiche::CercaRitardiGruppi(m_estrazioni, k, inizio, fine, false), 1));
    }

private Q_SLOTS:
    void init()
    {
        m_estrazioni = prova::EstrazioniCasuali(31, 400);
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, m_estrazioni, QStringLiteral("TabSheet11")));
    }

    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    void apreConGliAmbiSullIntervalloIntero()
    {
        QCOMPARE(pagina()->objectName(), QStringLiteral("TabSheet11"));
        QCOMPARE(inizio()->count(), 400);
        QCOMPARE(fine()->count(), 400);
        QCOMPARE(inizio()->currentIndex(), 0);
        QCOMPARE(fine()->currentIndex(), 0);
        QCOMPARE(inizio()->itemText(0).toStdString(), archivio::TestoListaDate(m_estrazioni.front().data));
        QCOMPARE(fine()->itemText(0).toStdString(), archivio::TestoListaDate(m_estrazioni.back().data));
        QVERIFY(pagina()->findChild<QToolButton *>(QStringLiteral("TBAmboAmbi"))->isChecked());
        QCOMPARE(titolo()->text(), QStringLiteral("I 15 Ambi più in ritardo su 4.005"));
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(2, 0, 399));
        QVERIFY(!pagina()->findChild<QToolBar *>(QStringLiteral("ToolBar20"))->isVisible());
        auto *ferma = pagina()->findChild<QPushButton *>(QStringLiteral("SpeedButton5"));
        QVERIFY(ferma);
        QCOMPARE(ferma->text(),
                 QStringLiteral("Ricerca in Corso\nClicca qui per Terminare\nI Dati non saranno attendibili"));
        QVERIFY(!pagina()->findChild<QCheckBox *>(QStringLiteral("CheckBoxRicercaVeloce"))->isChecked());
    }

    void quattordicineRiempionoQuindiciRighe()
    {
        clic(QStringLiteral("TBAmboQuattordicine"));
        QCOMPARE(pagina()->lunghezza(), 14);
        QCOMPARE(titolo()->text(), QStringLiteral("Le 15 Quattordicine più in ritardo su 9.038.619.861.406.740"));
        QCOMPARE(g().righe(), 16);
        std::set<std::string> etichette;
        for (int r = 1; r <= 15; ++r) {
            QCOMPARE(g().testo(r, 0).size(), size_t{14 * 3 - 1});
            etichette.insert(g().testo(r, 0));
        }
        QCOMPARE(etichette.size(), size_t{15});
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(14, 0, 399));
    }

    void terzineEPoiAmbi()
    {
        clic(QStringLiteral("TBAmboTerzine"));
        QCOMPARE(g().testo(1, 0).size(), size_t{8});
        clic(QStringLiteral("TBAmboAmbi"));
        std::set<std::string> coppie;
        for (int r = 1; r <= 15; ++r) {
            QCOMPARE(g().testo(r, 0).size(), size_t{5});
            coppie.insert(g().testo(r, 0));
        }
        QCOMPARE(coppie.size(), size_t{15});
    }

    void ordinaPerIntestazioneEMaiUscita()
    {
        clic(QStringLiteral("TBAmboTerzine"));
        clicIntestazione(2);
        QCOMPARE(pagina()->colonnaOrdine(), 2);
        QCOMPARE(g().cella(0, 2).sfondo, colori::Giallo);
        for (int r = 2; r <= 15; ++r)
            QVERIFY(std::stoi(g().testo(r - 1, 2)) >= std::stoi(g().testo(r, 2)));
        // Fourteen numbers on a short span: some group never made an ambo.
        int inizioCorto = 399;
        while (inizioCorto > 0 && statistiche::OrdinabilePerData(
                                      statistiche::CercaRitardiGruppi(m_estrazioni, 14, inizioCorto, 399, false)))
            --inizioCorto;
        QVERIFY(inizioCorto > 300);
        scegli(inizio(), inizioCorto);
        clic(QStringLiteral("TBAmboQuattordicine"));
        QVERIFY(!statistiche::OrdinabilePerData(pagina()->risultato()));
        QVERIFY(Dialoghi::Messaggi().empty());
        clicIntestazione(3);
        QCOMPARE(Dialoghi::Messaggi().size(), size_t{1});
        QCOMPARE(Dialoghi::Messaggi().back().testo,
                 QStringLiteral("Impossibile Riordinare\n\n\rUn Dato non è Mai Uscito"));
        QCOMPARE(pagina()->colonnaOrdine(), 1);
        QCOMPARE(g().cella(0, 1).sfondo, colori::Giallo);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(14, inizioCorto, 399));
    }

    void dateIncrociateRiportanoAllArchivioIntero()
    {
        scegli(inizio(), 300);
        QCOMPARE(stato().InizioRicerca, 300);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(2, 300, 399));
        scegli(fine(), 150); // end at record 249, before the start
        QCOMPARE(Dialoghi::Messaggi().size(), size_t{1});
        QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Date incompatibili"));
        QCOMPARE(inizio()->currentIndex(), 0);
        QCOMPARE(fine()->currentIndex(), 0);
        QCOMPARE(stato().InizioRicerca, 0);
        QCOMPARE(stato().FineRicerca, ultima());
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(2, 0, 399));
    }

    void navigazioneDelleDate()
    {
        clic(QStringLiteral("AmboInizioSucc"));
        QCOMPARE(inizio()->currentIndex(), 1);
        QCOMPARE(stato().InizioRicerca, 1);
        clic(QStringLiteral("AmboInizioPrec"));
        clic(QStringLiteral("AmboInizioPrec")); // already at the top
        QCOMPARE(inizio()->currentIndex(), 0);
        clic(QStringLiteral("AmboFinePrec"));
        QCOMPARE(fine()->currentIndex(), 1);
        QCOMPARE(stato().FineRicerca, 398);
        clic(QStringLiteral("AmboFineSucc"));
        clic(QStringLiteral("AmboFineSucc")); // already on the last draw
        QCOMPARE(fine()->currentIndex(), 0);
        // Random draws run from January 2000, about two a week: the first draw of 2001.
        clic(QStringLiteral("AmboInizioAnnoSuc"));
        const int primo2001 = inizio()->currentIndex();
        QCOMPARE(m_estrazioni[primo2001].data.anno, std::uint16_t{2001});
        QCOMPARE(m_estrazioni[primo2001 - 1].data.anno, std::uint16_t{2000});
        QCOMPARE(stato().InizioRicerca, primo2001);
        clic(QStringLiteral("AmboInizioUltimo"));
        QCOMPARE(inizio()->currentIndex(), 399);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(2, 399, 399));
        clic(QStringLiteral("AmboInizioPrimo"));
        clic(QStringLiteral("AmboFinePrimo"));
        QCOMPARE(fine()->currentIndex(), 399);
        QCOMPARE(stato().FineRicerca, 0);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(2, 0, 0));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    // Each button of both date bars moves its own list by one entry (or to the
    // year, the first or the last draw); the shared span follows the two lists.
    void ogniPulsanteDelleDueBarre_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<bool>("barraInizio");
        // The record the moved list shows; -1: the lists clash; AnnoPr, AnnoSuc: the
        // calendar's year step from the record the list showed.
        QTest::addColumn<int>("record");
        // Both lists start in the middle: start on record 100, end on record 299.
        QTest::newRow("Inizio Primo") << QStringLiteral("AmboInizioPrimo") << true << 0;
        QTest::newRow("Inizio Anno Pr") << QStringLiteral("AmboInizioAnnoPr") << true << AnnoPr;
        QTest::newRow("Inizio Prec") << QStringLiteral("AmboInizioPrec") << true << 99;
        QTest::newRow("Inizio Succ") << QStringLiteral("AmboInizioSucc") << true << 101;
        QTest::newRow("Inizio Anno Suc") << QStringLiteral("AmboInizioAnnoSuc") << true << AnnoSuc;
        QTest::newRow("Inizio Ultimo") << QStringLiteral("AmboInizioUltimo") << true << -1;
        QTest::newRow("Fine Primo") << QStringLiteral("AmboFinePrimo") << false << -1;
        QTest::newRow("Fine Anno Pr") << QStringLiteral("AmboFineAnnoPr") << false << AnnoPr;
        QTest::newRow("Fine Prec") << QStringLiteral("AmboFinePrec") << false << 298;
        QTest::newRow("Fine Succ") << QStringLiteral("AmboFineSucc") << false << 300;
        QTest::newRow("Fine Anno Suc") << QStringLiteral("AmboFineAnnoSuc") << false << AnnoSuc;
        QTest::newRow("Fine Ultimo") << QStringLiteral("AmboFineUltimo") << false << 399;
    }
    void ogniPulsanteDelleDueBarre()
    {
        QFETCH(QString, pulsante);
        QFETCH(bool, barraInizio);
        QFETCH(int, record);
        archivio::Archivio a(m_dir->path().toStdString());
        const int da = barraInizio ? 100 : 299;
        if (record == AnnoPr)
            record = archivio::AnnoPrecedente(a, 399, da);
        else if (record == AnnoSuc)
            record = archivio::AnnoSuccessivo(a, 399, da);
        QVERIFY(record != da);
        if (barraInizio ? record > 299 : (record >= 0 && record < 100))
            record = -1;
        scegli(inizio(), 100);
        scegli(fine(), 399 - 299);
        QCOMPARE(stato().InizioRicerca, 100);
        QCOMPARE(stato().FineRicerca, 299);
        // The shared span moved elsewhere (as "&Stat" may do): the bars go by their lists.
        stato().InizioRicerca = 350;
        stato().FineRicerca = 20;
        Dialoghi::PulisciMessaggi();
        clic(pulsante);
        int attesoInizio = barraInizio ? record : 100, attesoFine = barraInizio ? 299 : record;
        if (record < 0) {
            QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Date incompatibili"));
            attesoInizio = 0;
            attesoFine = 399;
            QCOMPARE(inizio()->currentIndex(), 0);
            QCOMPARE(fine()->currentIndex(), 0);
        } else {
            QVERIFY(Dialoghi::Messaggi().empty());
            QCOMPARE(inizio()->currentIndex(), attesoInizio);
            QCOMPARE(fine()->currentIndex(), 399 - attesoFine);
        }
        QCOMPARE(stato().InizioRicerca, attesoInizio);
        QCOMPARE(stato().FineRicerca, attesoFine);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(2, attesoInizio, attesoFine));
    }

    // "Ricerca veloce" moves the span's start, not the list: "Succ" goes from the
    // entry the list shows (3/12/1997) to the next one of the bundled archive.
    void ricercaVeloceNonSpostaLeBarre()
    {
        ChiudiFinestraProva(m_form, m_dir);
        m_estrazioni = prova::EstrazioniReali();
        QVERIFY(ApriFinestraSuPagina(m_dir, m_form, m_estrazioni, QStringLiteral("TabSheet11")));
        QTest::mouseClick(pagina()->findChild<QCheckBox *>(QStringLiteral("CheckBoxRicercaVeloce")), Qt::LeftButton);
        clic(QStringLiteral("TBAmboDecine"));
        QCOMPARE(stato().InizioRicerca, 3700);
        QCOMPARE(inizio()->currentText(), QStringLiteral("3/12/1997 "));
        clic(QStringLiteral("AmboInizioSucc"));
        QCOMPARE(inizio()->currentIndex(), 1);
        QCOMPARE(inizio()->currentText(), QStringLiteral("6/12/1997 "));
        QCOMPARE(stato().InizioRicerca, 3700); // the quick search's start again
        QCOMPARE(stato().FineRicerca, ultima());
        clic(QStringLiteral("AmboFinePrec"));
        QCOMPARE(fine()->currentIndex(), 1);
        QCOMPARE(stato().FineRicerca, ultima() - 1);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(10, 3700, ultima() - 1));
    }

    void ricercaVeloceSuArchivioCorto()
    {
        QTest::mouseClick(pagina()->findChild<QCheckBox *>(QStringLiteral("CheckBoxRicercaVeloce")), Qt::LeftButton);
        clic(QStringLiteral("TBAmboNovine"));
        QCOMPARE(stato().InizioRicerca, 3700);
        QCOMPARE(inizio()->currentIndex(), 0); // the list does not move
        for (int r = 1; r <= 15; ++r) {
            QCOMPARE(g().testo(r, 0), std::string());
            QCOMPARE(g().testo(r, 1), std::string("0"));
            QCOMPARE(g().testo(r, 3), std::string("Mai uscita"));
        }
        clic(QStringLiteral("TBAmboOttine"));
        QCOMPARE(stato().InizioRicerca, 0);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(8, 0, 399));
    }

    void doppioClicInviaIlTesto()
    {
        std::vector<std::string> inviati;
        stato().InvioASchedina = [&](const std::string &t) { inviati.push_back(t); };
        const QRect q = griglia()->visualRect(griglia()->model()->index(1, 0));
        QTest::mouseClick(griglia()->viewport(), Qt::LeftButton, {}, q.center());
        QTest::mouseDClick(griglia()->viewport(), Qt::LeftButton, {}, q.center());
        QCOMPARE(inviati.size(), size_t{1});
        QCOMPARE(inviati.front(), g().testo(1, 0));
        QCOMPARE(inviati.front().size(), size_t{5}); // "05.23"
        stato().InvioASchedina = nullptr;
    }

    void salvaCSV()
    {
        const QString file = m_dir->filePath(QStringLiteral("ambi.csv"));
        Dialoghi::PreimpostaPercorso(file);
        clic(QStringLiteral("TBSalvaCSVAmbo"));
        std::ifstream in(file.toStdString(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        QCOMPARE(s.str(), esporta::GrigliaCSV(g()));
        QVERIFY(s.str().find("Lunghetta;Ritardo;") == 0);
    }

    void aggiornaVisteRicalcola()
    {
        scegli(inizio(), 100);
        clic(QStringLiteral("TBAmboCinquine"));
        // One more draw: every list refilled, the whole span searched again for the chosen size.
        m_estrazioni.push_back(prova::Estr(1, 1, 2030, 401, {1, 2, 3, 4, 5, 6}, 7, 8));
        archivio::Archivio(m_dir->path().toStdString()).Scrivi(400, m_estrazioni.back());
        stato().UltimaEstrazione = 400;
        stato().AggiornaViste();
        QCOMPARE(inizio()->count(), 401);
        QCOMPARE(inizio()->currentIndex(), 0);
        QCOMPARE(fine()->itemText(0), QStringLiteral("1/1/2030 "));
        QCOMPARE(pagina()->lunghezza(), 5);
        QCOMPARE(esporta::GrigliaCSV(g()), Atteso(5, 0, 400));
    }
};

QTEST_MAIN(TestPaginaAmbo)
#include "tst_pagina_ambo.moc"
