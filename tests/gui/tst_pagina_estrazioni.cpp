#include "app/Edizione.h"
#include "archive/Archivio.h"
#include "FinestraProva.h"
#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGuida.h"
#include "ui/PageControl.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/Piattaforma.h"
#include "ui/TForm1.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace sestina;

class TestPaginaEstrazioni : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;
    int m_aggiornamenti = 0;

    std::string percorso(const char *f) const { return m_dir->filePath(QString::fromLatin1(f)).toStdString(); }
    ExtStringGrid *tabella() const { return m_form->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid5")); }
    QString cella(int r, int c) const { return QString::fromStdString(tabella()->griglia().testo(r, c)); }
    void clic(const char *nome)
    {
        // Names are looked up on the draws page: other windows may reuse them.
        auto *b = m_form->paginaEstrazioni()->findChild<QAbstractButton *>(QString::fromLatin1(nome));
        QVERIFY2(b, nome);
        QVERIFY2(b->isEnabled(), nome);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // A user's click on a cell of the draws table.
    void clicCella(int r, int c)
    {
        const QPoint p = tabella()->visualRect(tabella()->model()->index(r, c)).center();
        QTest::mouseClick(tabella()->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(tabella()->currentIndex(), tabella()->model()->index(r, c));
    }
    // The cell editor open on the table, if any.
    QLineEdit *editor() const
    {
        // A closed editor lingers until the event loop deletes it.
        for (auto *e : tabella()->findChildren<QLineEdit *>(QStringLiteral("EditorCella")))
            if (e->isVisible())
                return e;
        return nullptr;
    }
    // Keys as the keyboard delivers them: to the open cell editor, else to the table.
    void digita(const QString &testo)
    {
        for (QChar ch : testo) {
            QWidget *dove = editor() ? static_cast<QWidget *>(editor()) : tabella();
            QTest::keyClick(dove, ch.toLatin1());
        }
    }
    qint64 dimensione(const char *f) const { return static_cast<qint64>(std::filesystem::file_size(percorso(f))); }
    int cursore() const { return m_form->paginaEstrazioni()->CursoreEstrazioni(); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_estrazioni = prova::EstrazioniCasuali(5, 30);
        // The last draw: Thursday 10 March 2011, contest 41.
        m_estrazioni.back() = prova::Estr(10, 3, 2011, 41, {5, 17, 29, 46, 65, 88}, 12, 74);
        m_form = ApriFinestraProva(*m_dir, m_estrazioni);
        QVERIFY(m_form->avvioCompleto());
        m_aggiornamenti = 0;
        m_form->stato().viste.Registra({"sonda", nullptr, nullptr, nullptr, [this] { ++m_aggiornamenti; }});
    }

    void cleanup()
    {
        m_form.reset();
        m_dir.reset();
        Piattaforma::SostituisciApriDocumento(nullptr);
        Piattaforma::SostituisciAvviaProgramma(nullptr);
    }

    void finestraPrincipale()
    {
        QVERIFY(m_form->windowTitle().startsWith(QStringLiteral("Sestina")));
        PageControl *pc = m_form->pageControl();
        QCOMPARE(pc->objectName(), QStringLiteral("PageControl1"));
        QCOMPARE(pc->count(), 13);
        QCOMPARE(pc->numeroSchedeVisibili(), 12);
        const char *const nomi[] = {"TabSheet1", "TabNumSpia", "TabSheet2", "TabSheet3", "TabSheet4",
                                  "TabSheet5", "TabSheet9", "TabSheet10", "TabStampaLotto", "TabSheet11",
                                  "TabSheet12", "TabSheet13", "TabSheet14"};
        const char *const titoli[] = {"&Estrazioni", "Numeri Spia", "&Consulta", "&Stat", "&In Calore",
                                    "&Sistemi", "&Astro", "Stampa", "Stampa", "Ambo", "Metodi", "&Cruci", "Armonia"};
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(pc->pagina(i)->objectName(), QString::fromLatin1(nomi[i]));
            QCOMPARE(pc->titolo(i), QString::fromUtf8(titoli[i]));
            QCOMPARE(pc->paginaVisibile(i), std::string(nomi[i]) != "TabStampaLotto");
        }
        QCOMPARE(pc->currentIndex(), 0);
        for (const char *barra : {"ToolBar1", "ToolBar4", "ToolBar13", "ToolBar32", "ToolBar20", "ToolBar27"})
            if (auto *w = m_form->findChild<QWidget *>(QString::fromLatin1(barra)))
                QVERIFY2(!w->isVisible(), barra);
        // Opens on the last draw; ListaDate newest first.
        QCOMPARE(cursore(), 29);
        QCOMPARE(cella(1, 0), QStringLiteral("10/3/2011  Giovedì"));
        QCOMPARE(m_form->stato().ListaDate.Count(), 30);
        QCOMPARE(QString::fromStdString(m_form->stato().ListaDate[0]), QStringLiteral("10/3/2011 "));
        QCOMPARE(m_form->findChild<QAbstractButton *>(QStringLiteral("ToolButtonSalva"))->isEnabled(), false);
        QCOMPARE(m_form->findChild<QAbstractButton *>(QStringLiteral("TBEliminaUtima"))->isEnabled(), true);
        // The draw days of the bundled file: Tuesday, Thursday, Friday, Saturday.
        const auto &f = m_form->stato().FlagGiorniEstrazione;
        QCOMPARE(f, (std::array<bool, 7>{false, false, true, false, true, true, true}));
    }

    void aggiungiUnaEstrazione()
    {
        const qint64 date = dimensione("ggmeanno1.cxz"), numeri = dimensione("Superena.cxz");
        clic("ToolButtonAggiungi");
        QVERIFY(m_form->paginaEstrazioni()->InAggiunta());
        QCOMPARE(cella(1, 1), QStringLiteral("42"));
        QCOMPARE(cella(2, 0), QStringLiteral("10/3/2011  Giovedì"));
        auto *cal = m_form->findChild<QCalendarWidget *>(QStringLiteral("MonthCalendar1"));
        QVERIFY(cal->isVisible());
        QCOMPARE(cal->selectedDate(), QDate(2011, 3, 11)); // Friday is ticked
        QVERIFY(!m_form->findChild<QWidget *>(QStringLiteral("ToolBar8"))->isEnabled());
        // The user picks Saturday 12 March in the calendar.
        cal->setSelectedDate(QDate(2011, 3, 12));
        QTest::keyClick(cal->findChild<QTableView *>(), Qt::Key_Return);
        QCOMPARE(cella(1, 0), QStringLiteral("12/03/2011 Sabato"));
        QVERIFY(!cal->isVisible());
        // Typing: a non-digit moves to the next cell; 0 and 91 are erased.
        QTest::keyClicks(tabella(), QStringLiteral("91"));
        QCOMPARE(cella(1, 2), QString());
        QTest::keyClicks(tabella(), QStringLiteral(" 0"));
        QCOMPARE(cella(1, 3), QString());
        tabella()->setCurrentIndex(tabella()->model()->index(1, 2));
        QTest::keyClicks(tabella(), QStringLiteral("5 17 29 46 65 88 12 7"));
        QCOMPARE(cella(1, 2), QStringLiteral("5"));
        QCOMPARE(cella(1, 9), QStringLiteral("7"));
        Dialoghi::PreimpostaRisposta(true);
        QTest::keyClick(tabella(), Qt::Key_Return);
        QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Vuoi salvare ?"));
        QCOMPARE(dimensione("ggmeanno1.cxz"), date + 8);
        QCOMPARE(dimensione("Superena.cxz"), numeri + 8);
        archivio::Archivio a(m_dir->path().toStdString());
        QCOMPARE(a.Leggi(30).data.Codifica(), (std::array<std::uint8_t, 8>{12, 0, 3, 0, 0xDB, 0x07, 42, 0}));
        QCOMPARE(a.Leggi(30).numeri.Codifica(), (std::array<std::uint8_t, 8>{5, 17, 29, 46, 65, 88, 12, 7}));
        // Every view was reset to the new last draw.
        QCOMPARE(m_form->stato().UltimaEstrazione, 30);
        QCOMPARE(cursore(), 30);
        QCOMPARE(m_form->stato().ListaDate.Count(), 31);
        QVERIFY(m_aggiornamenti >= 1);
        QVERIFY(!m_form->paginaEstrazioni()->InAggiunta());
        QCOMPARE(cella(1, 0), QStringLiteral("12/3/2011  Sabato"));
        QVERIFY(m_form->findChild<QWidget *>(QStringLiteral("ToolBar8"))->isEnabled());
    }

    void estrazioneRifiutata()
    {
        const std::string prima = prova::LeggiByte(percorso("Superena.cxz"));
        const std::string date = prova::LeggiByte(percorso("ggmeanno1.cxz"));
        clic("ToolButtonAggiungi");
        auto *cal = m_form->findChild<QCalendarWidget *>(QStringLiteral("MonthCalendar1"));
        QTest::keyClick(cal->findChild<QTableView *>(), Qt::Key_Return);
        // The jolly equals one of the six numbers.
        QTest::keyClicks(tabella(), QStringLiteral("5 17 29 46 65 88 5 7"));
        Dialoghi::PreimpostaRisposta(true);
        QTest::keyClick(tabella(), Qt::Key_Return);
        QCOMPARE(Dialoghi::Messaggi().back().testo,
                 QStringLiteral("Estrazione non valida: controllare i numeri inseriti"));
        clic("ToolButtonSalva");
        QCOMPARE(Dialoghi::Messaggi().back().tipo, Dialoghi::Tipo::Avviso);
        QVERIFY(m_form->paginaEstrazioni()->InAggiunta());
        QCOMPARE(prova::LeggiByte(percorso("Superena.cxz")), prima);
        QCOMPARE(prova::LeggiByte(percorso("ggmeanno1.cxz")), date);
        clic("ToolButtonNONsalvare");
        QVERIFY(!m_form->paginaEstrazioni()->InAggiunta());
        QCOMPARE(cella(1, 0), QStringLiteral("10/3/2011  Giovedì"));
    }

    void salvaSenzaDataRifiutato()
    {
        const std::string prima = prova::LeggiByte(percorso("Superena.cxz"));
        clic("ToolButtonAggiungi");
        QTest::keyClicks(tabella(), QStringLiteral("5 17 29 46 65 88 12 7"));
        Dialoghi::PreimpostaRisposta(true);
        clic("ToolButtonSalva");
        QVERIFY(Dialoghi::Messaggi().back().testo.contains(QStringLiteral("calendario")));
        QCOMPARE(prova::LeggiByte(percorso("Superena.cxz")), prima);
        QVERIFY(m_form->paginaEstrazioni()->InAggiunta());
    }

    void salvaConNoNonScrive()
    {
        const std::string prima = prova::LeggiByte(percorso("Superena.cxz"));
        clic("ToolButtonAggiungi");
        auto *cal = m_form->findChild<QCalendarWidget *>(QStringLiteral("MonthCalendar1"));
        QTest::keyClick(cal->findChild<QTableView *>(), Qt::Key_Return);
        QTest::keyClicks(tabella(), QStringLiteral("5 17 29 46 65 88 12 7"));
        Dialoghi::PreimpostaRisposta(false);
        clic("ToolButtonSalva");
        QCOMPARE(prova::LeggiByte(percorso("Superena.cxz")), prima);
        QVERIFY(!m_form->paginaEstrazioni()->InAggiunta());
        QCOMPARE(cursore(), 29);
    }

    void modificaIlJolly()
    {
        clic("ToolButton67"); // "Prec": the draw at cursor 28
        QCOMPARE(cursore(), 28);
        clic("ToolButtonModifica");
        // The top row keeps the draw; the jolly cell is emptied and retyped.
        tabella()->setCurrentIndex(tabella()->model()->index(1, 8));
        QTest::keyClick(tabella(), Qt::Key_Backspace);
        QTest::keyClick(tabella(), Qt::Key_Backspace);
        QCOMPARE(cella(1, 8), QString());
        int jolly = 1;
        while (std::find(m_estrazioni[28].numeri.numeri.begin(), m_estrazioni[28].numeri.numeri.end(), jolly) !=
               m_estrazioni[28].numeri.numeri.end())
            ++jolly;
        QTest::keyClicks(tabella(), QString::number(jolly));
        Dialoghi::PreimpostaRisposta(true);
        clic("ToolButtonSalva");
        archivio::Archivio a(m_dir->path().toStdString());
        QCOMPARE(a.LeggiUltimaEstrazione(), 29);
        QCOMPARE(int(a.Leggi(28).numeri.jolly), jolly);
        QCOMPARE(a.Leggi(28).numeri.numeri, m_estrazioni[28].numeri.numeri);
        QCOMPARE(a.Leggi(28).data, m_estrazioni[28].data);
    }

    // Typing on a selected cell replaces its value: each of the eight cells,
    // corrected by typing over it, saves exactly the typed value.
    void correzioneDigitandoSopra_data()
    {
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("digitato");
        // The last draw: 5 17 29 46 65 88, jolly 12, superstar 74.
        QTest::newRow("I 5 -> 3") << 2 << QStringLiteral("3");
        QTest::newRow("II 17 -> 21") << 3 << QStringLiteral("21");
        QTest::newRow("III 29 -> 2") << 4 << QStringLiteral("2");
        QTest::newRow("IV 46 -> 40") << 5 << QStringLiteral("40");
        QTest::newRow("V 65 -> 6") << 6 << QStringLiteral("6");
        QTest::newRow("VI 88 -> 89") << 7 << QStringLiteral("89");
        QTest::newRow("J 12 -> 1") << 8 << QStringLiteral("1");
        QTest::newRow("S 74 -> 3") << 9 << QStringLiteral("3");
    }
    void correzioneDigitandoSopra()
    {
        QFETCH(int, colonna);
        QFETCH(QString, digitato);
        clic("ToolButtonModifica");
        clicCella(1, colonna);
        digita(digitato);
        QVERIFY(editor());
        QCOMPARE(editor()->text(), digitato);
        QCOMPARE(cella(1, colonna), digitato);
        Dialoghi::PreimpostaRisposta(true);
        // The button takes the value still in the open cell.
        clic("ToolButtonSalva");
        QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Vuoi salvare ?"));
        archivio::Archivio a(m_dir->path().toStdString());
        auto atteso = m_estrazioni[29].numeri.Codifica();
        atteso[static_cast<size_t>(colonna - 2)] = static_cast<std::uint8_t>(digitato.toInt());
        QCOMPARE(a.Leggi(29).numeri.Codifica(), atteso);
        QCOMPARE(a.Leggi(29).data, m_estrazioni[29].data);
        QCOMPARE(a.LeggiUltimaEstrazione(), 29);
    }

    // F2 and a double click open the cell on its text; Esc puts the value back.
    void f2EDoppioClicModificanoIlTesto()
    {
        clic("ToolButtonModifica");
        clicCella(1, 8); // jolly 12
        QTest::keyClick(tabella(), Qt::Key_F2);
        QVERIFY(editor());
        QCoreApplication::processEvents();
        QCOMPARE(editor()->text(), QStringLiteral("12"));
        QVERIFY(!editor()->hasSelectedText());
        QTest::keyClick(editor(), Qt::Key_Backspace);
        digita(QStringLiteral("5"));
        QCOMPARE(cella(1, 8), QStringLiteral("15"));
        // A typed non-digit ends the cell and moves on, as Enter does.
        digita(QStringLiteral(" "));
        QVERIFY(!editor());
        QCOMPARE(tabella()->currentIndex().column(), 9);
        const QPoint p = tabella()->visualRect(tabella()->model()->index(1, 9)).center();
        // As a user double-clicks: the first click, then the second one.
        QTest::mouseClick(tabella()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(tabella()->viewport(), Qt::LeftButton, {}, p);
        QVERIFY(editor());
        QCoreApplication::processEvents();
        QCOMPARE(editor()->text(), QStringLiteral("74"));
        digita(QStringLiteral("0")); // a third digit is not taken
        QCOMPARE(editor()->text(), QStringLiteral("74"));
        QTest::keyClick(editor(), Qt::Key_Backspace);
        digita(QStringLiteral("9"));
        QCOMPARE(cella(1, 9), QStringLiteral("79"));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QVERIFY(!editor());
        QCOMPARE(cella(1, 9), QStringLiteral("74"));
        Dialoghi::PreimpostaRisposta(true);
        clic("ToolButtonSalva");
        archivio::Archivio a(m_dir->path().toStdString());
        QCOMPARE(int(a.Leggi(29).numeri.jolly), 15);
        QCOMPARE(int(a.Leggi(29).numeri.superstar), 74);
    }

    // Before 28/03/2006 there was no SuperStar: those draws keep superstar 0 and
    // are corrected and saved without one; from that date on it stays required.
    void estrazioniSenzaSuperstar()
    {
        m_form.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_estrazioni = prova::EstrazioniReali();
        m_form = ApriFinestraProva(*m_dir, m_estrazioni);
        QVERIFY(m_form->avvioCompleto());
        const auto &lista = m_form->stato().ListaDate;
        auto record = [&](const char *data) {
            for (int i = 0; i < lista.Count(); ++i)
                if (lista[i] == data)
                    return m_form->stato().UltimaEstrazione - i;
            return -1;
        };
        // 7/2/1998: 8 9 23 34 64 89, jolly 1, no superstar.
        const int r = record("7/2/1998 ");
        QVERIFY(r > 0);
        QCOMPARE(int(m_estrazioni[static_cast<size_t>(r)].numeri.superstar), 0);
        m_form->paginaEstrazioni()->ImpostaCursore(r);
        m_form->paginaEstrazioni()->MostraEstrazioni();
        QVERIFY(cella(1, 0).startsWith(QStringLiteral("7/2/1998")));
        QCOMPARE(cella(1, 8), QStringLiteral("1"));
        QCOMPARE(cella(1, 9), QString()); // shown empty
        // Correcting the jolly saves the draw with superstar 0, no superstar invented.
        clic("ToolButtonModifica");
        clicCella(1, 8);
        digita(QStringLiteral("2"));
        Dialoghi::PreimpostaRisposta(true);
        clic("ToolButtonSalva");
        QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Vuoi salvare ?"));
        archivio::Archivio a(m_dir->path().toStdString());
        auto atteso = m_estrazioni[static_cast<size_t>(r)].numeri;
        atteso.jolly = 2;
        QCOMPARE(a.Leggi(r).numeri.Codifica(), atteso.Codifica());
        QCOMPARE(a.LeggiUltimaEstrazione(), m_form->stato().UltimaEstrazione);
        const std::string prima = prova::LeggiByte(percorso("Superena.cxz"));
        // 28/03/2006, the first SuperStar (68): emptying it is refused.
        const int s = record("28/3/2006 ");
        QVERIFY(s > r);
        m_form->paginaEstrazioni()->ImpostaCursore(s);
        m_form->paginaEstrazioni()->MostraEstrazioni();
        QCOMPARE(cella(1, 9), QStringLiteral("68"));
        clic("ToolButtonModifica");
        clicCella(1, 9);
        QTest::keyClick(tabella(), Qt::Key_Delete);
        QCOMPARE(cella(1, 9), QString());
        clic("ToolButtonSalva");
        QCOMPARE(Dialoghi::Messaggi().back().testo,
                 QStringLiteral("Estrazione non valida: controllare i numeri inseriti"));
        clic("ToolButtonNONsalvare");
        QCOMPARE(prova::LeggiByte(percorso("Superena.cxz")), prima);
    }

    void eliminaUltimaETronca()
    {
        Dialoghi::PreimpostaRisposta(true);
        clic("TBEliminaUtima");
        QCOMPARE(Dialoghi::Messaggi().back().testo, QStringLiteral("Vuoi eliminare l' ultima Estrazione?"));
        QCOMPARE(dimensione("Superena.cxz"), 29 * 8);
        QCOMPARE(dimensione("ggmeanno1.cxz"), 29 * 8);
        QCOMPARE(m_form->stato().UltimaEstrazione, 28);
        QCOMPARE(cursore(), 28);
        QVERIFY(m_aggiornamenti >= 1);
        // "No" keeps the archive.
        clic("TBEliminaUtima");
        QCOMPARE(dimensione("Superena.cxz"), 29 * 8);
        // "Tronca i file" at cursor 20 keeps records 0..19.
        m_form->paginaEstrazioni()->ImpostaCursore(20);
        m_form->paginaEstrazioni()->MostraEstrazioni();
        clic("Button5");
        QCOMPARE(dimensione("Superena.cxz"), 20 * 8);
        QCOMPARE(dimensione("ggmeanno1.cxz"), 20 * 8);
        QCOMPARE(m_form->stato().UltimaEstrazione, 19);
        QCOMPARE(m_form->stato().ListaDate.Count(), 20);
    }

    void troncaTuttiConIlTastoDestro()
    {
        m_form->paginaEstrazioni()->ImpostaCursore(20);
        m_form->paginaEstrazioni()->MostraEstrazioni();
        // Without the Lotto wheel files the first missing file stops it: nothing is truncated.
        Dialoghi::PreimpostaRisposta(true);
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), m_form->paginaEstrazioni()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(m_form->paginaEstrazioni(), &e);
        QCOMPARE(Dialoghi::Messaggi().at(Dialoghi::Messaggi().size() - 2).testo, QStringLiteral("Vuoi troncare i file?"));
        QCOMPARE(Dialoghi::Messaggi().back().tipo, Dialoghi::Tipo::Errore);
        QVERIFY(Dialoghi::Messaggi().back().testo.contains(QStringLiteral("Bari.cxz")));
        QCOMPARE(dimensione("Superena.cxz"), 30 * 8);
    }

    void navigazione()
    {
        clic("ToolButton49"); // "Primo"
        QCOMPARE(cursore(), 14);
        QCOMPARE(cella(15, 1), QString::number(m_estrazioni[0].data.concorso));
        clic("ToolButton68"); // "Suc"
        QCOMPARE(cursore(), 15);
        clic("tbt_Ultimo");
        QCOMPARE(cursore(), 29);
        clic("ToolButton68");
        QCOMPARE(cursore(), 29); // stays on the last draw
        m_form->paginaEstrazioni()->ImpostaCursore(1);
        clic("ToolButton67"); // "Prec" from 1 gives 0, shown as 14..0
        QCOMPARE(cursore(), 14);
        auto *primo = m_form->findChild<QToolButton *>(QStringLiteral("ToolButton49"));
        clic("ToolButton49");
        QVERIFY(primo->isChecked());
        // Search by date: the third item is two draws before the last.
        clic("tbt_Ultimo");
        clic("SpeedButton6");
        auto *cerca = m_form->paginaEstrazioni()->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QVERIFY(cerca->isVisible());
        QCOMPARE(cerca->count(), 30);
        QCOMPARE(cerca->currentIndex(), 0);
        Q_EMIT cerca->activated(2);
        QCOMPARE(cursore(), 27);
        QVERIFY(!cerca->isVisible());
    }

    void giorniDiEstrazione()
    {
        auto *dom = m_form->findChild<QCheckBox *>(QStringLiteral("cbDomenica"));
        dom->click();
        QVERIFY(dom->isChecked());
        QCOMPARE(prova::LeggiByte(percorso("GiorniEstrazione1.DAT")), std::string("0\r\n1\r\n0\r\n1\r\n1\r\n1\r\n1\r\n"));
        QVERIFY(m_form->stato().FlagGiorniEstrazione[0]);
    }

    void datiUtente()
    {
        clic("spd_Utente");
        auto *pannello = m_form->findChild<QWidget *>(QStringLiteral("Panel10"));
        QVERIFY(pannello->isVisible());
        m_form->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("Mario"));
        m_form->findChild<QLineEdit *>(QStringLiteral("Edit6"))->setText(QStringLiteral("Città"));
        auto *costo = m_form->findChild<QLineEdit *>(QStringLiteral("LabeledEdit1"));
        costo->clear();
        QTest::keyClicks(costo, QStringLiteral("0.50")); // "." enters ","
        QCOMPARE(costo->text(), QStringLiteral("0,50"));
        // "Esci" saves nothing.
        clic("SpeedButton22");
        QVERIFY(!pannello->isVisible());
        QVERIFY(!std::filesystem::exists(percorso("Utente.DAT")));
        clic("spd_Utente");
        clic("SpinButton1Su");
        QCOMPARE(m_form->stato().impostazioni.IndiceImmagine, 1);
        clic("SpinButton1Su"); // the list has two images
        QCOMPARE(m_form->stato().impostazioni.IndiceImmagine, 1);
        clic("SpeedButton8");
        QVERIFY(!pannello->isVisible());
        QCOMPARE(prova::LeggiByte(percorso("Utente.DAT")), std::string("Mario\r\n\r\n\r\n\r\n\r\nCitt\xE0\r\n1\r\n"));
        TExStringList importi;
        importi.LoadFromFile(percorso("ImportiVincite.DAT"));
        QCOMPARE(importi.Count(), 62);
        QCOMPARE(importi[60], std::string("0,50"));
        QCOMPARE(m_form->stato().impostazioni.CostoColonna, Valuta(5000));
        // A restart reads them back.
        m_form = std::make_unique<TForm1>(m_dir->path());
        QCOMPARE(m_form->findChild<QLineEdit *>(QStringLiteral("Edit6"))->text(), QStringLiteral("Città"));
        QCOMPARE(m_form->stato().impostazioni.IndiceImmagine, 1);
        QCOMPARE(m_form->stato().impostazioni.CostoColonna, Valuta(5000));
    }

    void immagineGiuAllIndiceZero()
    {
        clic("spd_Utente");
        clic("SpinButton1Giu");
        QCOMPARE(m_form->stato().impostazioni.IndiceImmagine, 0);
        QVERIFY(!m_form->findChild<QLabel *>(QStringLiteral("Image5"))->pixmap().isNull());
    }

    void guidaInLinea()
    {
        // The guide opens in the program's own window, the program stays open.
        clic("SpeedButton7");
        auto *guida = m_form->findChild<FinestraGuida *>(QStringLiteral("FinestraGuida"));
        QVERIFY(guida);
        QTRY_VERIFY(guida->isVisible());
        QCOMPARE(guida->sezioneCorrente(), QStringLiteral("indice.html"));
        QVERIFY(m_form->isVisible());
    }

    void salvaCSV()
    {
        const QString file = m_dir->filePath(QStringLiteral("tabella.csv"));
        Dialoghi::PreimpostaPercorso(file);
        clic("ToolButton54");
        const std::string csv = prova::LeggiByte(file.toStdString());
        QVERIFY(csv.rfind("Data;n\xB0;I;II;III;IV;V;VI;J;S;\r\n10/3/2011  Gioved\xEC;41;5;17;29;46;65;88;12;74;\r\n", 0) == 0);
        // Cancelling writes nothing.
        clic("ToolButton54");
    }

    void avvioSenzaListaLoghi()
    {
        m_form.reset();
        std::filesystem::remove(percorso("listaloghi.DAT"));
        Dialoghi::PulisciMessaggi();
        m_form = std::make_unique<TForm1>(m_dir->path());
        m_form->show();
        QVERIFY(!m_form->avvioCompleto());
        QCOMPARE(Dialoghi::Messaggi().back().tipo, Dialoghi::Tipo::Errore);
        QVERIFY(Dialoghi::Messaggi().back().testo.contains(QStringLiteral("listaloghi.DAT")));
        QCOMPARE(m_form->pageControl()->count(), 13);
    }
};

QTEST_MAIN(TestPaginaEstrazioni)
#include "tst_pagina_estrazioni.moc"
