// The window's start-up: the settings load whatever the archive's state, a save
// never writes over values it did not load, an interrupted archive change is
// finished or undone and the user is told.
#include "FinestraProva.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "archive/Archivio.h"
#include "support/CartellaProgramma.h"
#include "support/MessaggiProva.h"
#include "ui/Dialoghi.h"
#include "ui/Pagina.h"
#include "ui/TForm1.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>

using namespace sestina;

class TestAvvioSicuro : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;

    std::string percorso(const char *f) const { return m_dir->filePath(QString::fromLatin1(f)).toStdString(); }
    QString testo(const char *nome) const { return m_form->findChild<QLineEdit *>(QString::fromLatin1(nome))->text(); }
    // A program folder with user settings, damaged as `guasta` says, then the window.
    void apri(const std::function<void(const std::string &dir)> &guasta)
    {
        m_dir = std::make_unique<QTemporaryDir>();
        const std::string dir = m_dir->path().toStdString() + "/";
        prova::PreparaCartellaProgramma(dir, m_estrazioni);
        prova::ScriviByte(dir + "Utente.DAT", "Mario\r\nRossi\r\nLa Fortuna\r\n42\r\nVia Roma 1\r\nBari\r\n1\r\n");
        std::string importi;
        for (int i = 0; i < 60; ++i)
            importi += std::to_string(i + 1) + "\r\n";
        prova::ScriviByte(dir + "ImportiVincite.DAT", importi + "0,50\r\n8\r\n");
        guasta(dir);
        Dialoghi::ModalitaTest(true);
        Dialoghi::PulisciMessaggi();
        m_form = std::make_unique<TForm1>(m_dir->path());
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void salva()
    {
        auto *b = m_form->findChild<QAbstractButton *>(QStringLiteral("SpeedButton8"));
        QVERIFY(b);
        b->click();
    }

private Q_SLOTS:
    void init() { m_estrazioni = prova::EstrazioniCasuali(31, 20); }
    void cleanup()
    {
        m_form.reset();
        m_dir.reset();
    }

    void leImpostazioniSiCaricanoConLArchivioGuasto_data()
    {
        QTest::addColumn<int>("guasto");
        QTest::newRow("data non valida") << 0;
        QTest::newRow("file mancante") << 1;
        QTest::newRow("lunghezze diverse") << 2;
    }
    void leImpostazioniSiCaricanoConLArchivioGuasto()
    {
        QFETCH(int, guasto);
        apri([&](const std::string &dir) {
            if (guasto == 0) {
                auto rotte = m_estrazioni;
                rotte[19].data.anno = 0;
                rotte[19].data.mese = 13;
                prova::ScriviArchivio(dir, rotte);
            } else if (guasto == 1) {
                std::filesystem::remove(dir + "Superena.cxz");
            } else {
                std::filesystem::resize_file(dir + "Superena.cxz", 10 * 8);
            }
        });
        QVERIFY(!prova::TestiMessaggi(Dialoghi::Tipo::Errore).isEmpty());
        QCOMPARE(testo("Edit1"), QStringLiteral("Mario"));
        QCOMPARE(testo("Edit6"), QStringLiteral("Bari"));
        QCOMPARE(testo("LabeledEdit1"), QStringLiteral("0,50"));
        QCOMPARE(m_form->stato().impostazioni.CostoColonna, Valuta(5000));
        QCOMPARE(m_form->stato().impostazioni.IndiceImmagine, 1);

        const std::string utente = prova::LeggiByte(percorso("Utente.DAT"));
        const std::string importi = prova::LeggiByte(percorso("ImportiVincite.DAT"));
        salva();
        QCOMPARE(prova::LeggiByte(percorso("Utente.DAT")), utente);
        QCOMPARE(prova::LeggiByte(percorso("ImportiVincite.DAT")), importi);
    }

    // A settings file that cannot be read is not replaced by the empty panel unless the user says so.
    void unFileNonLettoNonVieneSovrascritto()
    {
        apri([](const std::string &dir) { prova::ScriviByte(dir + "Utente.DAT", "Mario\r\nRossi\r\n"); });
        QVERIFY(!prova::TestiMessaggi(Dialoghi::Tipo::Errore).isEmpty());
        QCOMPARE(testo("LabeledEdit1"), QStringLiteral("0,50")); // the other file still loads
        Dialoghi::PulisciMessaggi();
        Dialoghi::PreimpostaRisposta(false);
        salva();
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Domanda).size(), 1);
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Domanda)[0].contains(QStringLiteral("Utente.DAT")));
        QCOMPARE(prova::LeggiByte(percorso("Utente.DAT")), std::string("Mario\r\nRossi\r\n"));

        Dialoghi::PreimpostaRisposta(true);
        m_form->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("Anna"));
        salva();
        QCOMPARE(prova::LeggiByte(percorso("Utente.DAT")).substr(0, 6), std::string("Anna\r\n"));
    }

    void memoriaEsauritaEdErroriImprevistiDiventanoUnMessaggio()
    {
        apri([](const std::string &) {});
        Dialoghi::PulisciMessaggi();
        QVERIFY(!EseguiAzione(m_form.get(), [] { throw std::bad_alloc(); }));
        QVERIFY(!EseguiAzione(m_form.get(), [] { throw std::out_of_range("vector::_M_range_check"); }));
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Errore),
                 (QStringList{QStringLiteral("Memoria esaurita: l'operazione è stata interrotta"),
                              QStringLiteral("Errore imprevisto: vector::_M_range_check")}));
        QVERIFY(m_form->isVisible());
    }

    void unaModificaInterrottaVieneAnnullataAllAvvio()
    {
        apri([&](const std::string &dir) {
            // The program died after shortening "Superena.cxz", before the date file.
            int n = 0;
            ImpostaOsservatoreFile([&](OperazioneFile, const std::string &) {
                if (++n >= 4)
                    throw 0;
            });
            try {
                archivio::Archivio(dir).EliminaUltima();
            } catch (int) {
            }
            ImpostaOsservatoreFile({});
        });
        const QStringList avvisi = prova::TestiMessaggi(Dialoghi::Tipo::Avviso);
        QCOMPARE(avvisi.size(), 1);
        QVERIFY2(avvisi[0].contains(QStringLiteral("eliminazione dell'ultima estrazione")) &&
                     avvisi[0].contains(QStringLiteral("annullata")),
                 qPrintable(avvisi[0]));
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Errore).isEmpty());
        QVERIFY(m_form->avvioCompleto());
        QCOMPARE(m_form->stato().UltimaEstrazione, 19);
        QCOMPARE(archivio::Archivio(m_dir->path().toStdString()).LeggiTutte(), m_estrazioni);
    }
};

QTEST_MAIN(TestAvvioSicuro)
#include "tst_avvio_sicuro.moc"
