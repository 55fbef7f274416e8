// "Esporta" and "Importa" of the draws page, through the window.
#include "FinestraProva.h"
#include "app/FileAtomico.h"
#include "archive/Archivio.h"
#include "archive/ScambioDBF.h"
#include "support/CartellaProgramma.h"
#include "support/MessaggiProva.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/TForm1.h"

#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace sestina;

class TestImportaDbf : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir, m_altro;
    std::unique_ptr<TForm1> m_form;
    std::vector<archivio::Estrazione> m_estrazioni;
    std::string m_date, m_numeri;

    archivio::Archivio archivio() const { return archivio::Archivio(m_dir->path().toStdString()); }
    std::string altro(const char *f) const { return m_altro->filePath(QString::fromLatin1(f)).toStdString(); }
    QString cella(int r, int c) const
    {
        auto *t = m_form->findChild<ExtStringGrid *>(QStringLiteral("ExtStringGrid5"));
        return QString::fromStdString(t->griglia().testo(r, c));
    }
    void clic(const char *nome)
    {
        auto *b = m_form->findChild<QToolButton *>(QString::fromLatin1(nome));
        QVERIFY2(b, nome);
        QVERIFY2(b->isEnabled(), nome);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    bool archivioIntatto() const
    {
        return LeggiFile(archivio().percorsoDate()) == m_date && LeggiFile(archivio().percorsoNumeri()) == m_numeri;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_altro = std::make_unique<QTemporaryDir>();
        m_estrazioni = prova::EstrazioniCasuali(21, 12);
        m_form = ApriFinestraProva(*m_dir, m_estrazioni);
        m_date = LeggiFile(archivio().percorsoDate());
        m_numeri = LeggiFile(archivio().percorsoNumeri());
        QVERIFY(m_form->avvioCompleto());
        Dialoghi::PulisciMessaggi();
    }

    void cleanup()
    {
        m_form.reset();
        m_dir.reset();
        m_altro.reset();
    }

    void importaUnaTabellaValida()
    {
        auto nuove = prova::EstrazioniCasuali(22, 25);
        nuove.back() = prova::Estr(10, 3, 2011, 41, {5, 17, 29, 46, 65, 88}, 12, 74);
        const std::string file = altro("nuovo.dbf");
        prova::ScriviByte(file, archivio::TabellaScambio(nuove));
        prova::CartellaTemporanea attese;
        prova::ScriviArchivio(attese.dir(), nuove);

        Dialoghi::PreimpostaPercorso(QString::fromStdString(file));
        clic("tbtImporta");

        QTRY_COMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Informazione),
                     QStringList{QStringLiteral("fine importazione")});
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Errore).isEmpty());
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Avviso).isEmpty());
        QCOMPARE(LeggiFile(archivio().percorsoDate()), LeggiFile(attese.percorso("ggmeanno1.cxz")));
        QCOMPARE(LeggiFile(archivio().percorsoNumeri()), LeggiFile(attese.percorso("Superena.cxz")));
        // Every view starts again from the imported archive's last draw.
        QCOMPARE(m_form->stato().UltimaEstrazione, 24);
        QCOMPARE(m_form->paginaEstrazioni()->CursoreEstrazioni(), 24);
        QCOMPARE(m_form->stato().ListaDate.Count(), 25);
        QCOMPARE(m_form->stato().ListaDate[0], std::string("10/3/2011 "));
        QCOMPARE(cella(1, 1), QStringLiteral("41"));
        QCOMPARE(cella(1, 9), QStringLiteral("74"));
    }

    void importaUnaTabellaDiUndiciCampi()
    {
        archivio::TDBaseTable t;
        t.DefinisciCampo("DATA", archivio::TDBaseTable::Tipo::Data);
        t.DefinisciCampo("CONC", archivio::TDBaseTable::Tipo::Testo, 4);
        for (const char *n : {"ES1", "ES2", "ES3", "ES4", "ES5", "ES6", "ES7", "SST", "NOTE"})
            t.DefinisciCampo(n, archivio::TDBaseTable::Tipo::Testo, 2);
        const std::string file = altro("undici.dbf");
        prova::ScriviByte(file, t.ByteNuovaTabella());

        Dialoghi::PreimpostaPercorso(QString::fromStdString(file));
        clic("tbtImporta");

        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Avviso),
                 QStringList{QStringLiteral("file di importazione non valido")});
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Informazione).isEmpty());
        QVERIFY(archivioIntatto());
        QCOMPARE(m_form->stato().UltimaEstrazione, 11);
    }

    void importaUnaTabellaTroncata()
    {
        std::string b = archivio::TabellaScambio(prova::EstrazioniCasuali(23, 8));
        b.resize(353 + 29 * 6 + 3);
        const std::string file = altro("troncato.dbf");
        prova::ScriviByte(file, b);

        Dialoghi::PreimpostaPercorso(QString::fromStdString(file));
        clic("tbtImporta");

        const QStringList errori = prova::TestiMessaggi(Dialoghi::Tipo::Errore);
        QCOMPARE(errori.size(), 1);
        QVERIFY2(errori[0].contains(QStringLiteral("il record 7 è incompleto")), qPrintable(errori[0]));
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Informazione).isEmpty());
        QVERIFY(archivioIntatto());
    }

    // 12 draws in the archive: a table of 5 asks first, a table of 10 does not.
    void unImportazioneCheRiduceLArchivioChiedePrima()
    {
        const auto poche = prova::EstrazioniCasuali(24, 5);
        const std::string file = altro("poche.dbf");
        prova::ScriviByte(file, archivio::TabellaScambio(poche));

        Dialoghi::PreimpostaPercorso(QString::fromStdString(file));
        Dialoghi::PreimpostaRisposta(false);
        clic("tbtImporta");
        const QStringList domande = prova::TestiMessaggi(Dialoghi::Tipo::Domanda);
        QCOMPARE(domande.size(), 1);
        QVERIFY2(domande[0].startsWith(QStringLiteral("L'importazione ridurrebbe l'archivio da 12 a 5 estrazioni.")),
                 qPrintable(domande[0]));
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Informazione).isEmpty());
        QVERIFY(archivioIntatto());
        QCOMPARE(m_form->stato().UltimaEstrazione, 11);

        Dialoghi::PulisciMessaggi();
        Dialoghi::PreimpostaPercorso(QString::fromStdString(file));
        Dialoghi::PreimpostaRisposta(true);
        clic("tbtImporta");
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Informazione), QStringList{QStringLiteral("fine importazione")});
        QCOMPARE(archivio().LeggiTutte(), poche);
        QCOMPARE(m_form->stato().UltimaEstrazione, 4);

        // Back to twelve, then ten: a few draws less are imported without a question.
        prova::ScriviByte(file, archivio::TabellaScambio(m_estrazioni));
        Dialoghi::PulisciMessaggi();
        Dialoghi::PreimpostaPercorso(QString::fromStdString(file));
        clic("tbtImporta");
        const auto dieci = std::vector<archivio::Estrazione>(m_estrazioni.begin(), m_estrazioni.begin() + 10);
        prova::ScriviByte(file, archivio::TabellaScambio(dieci));
        Dialoghi::PreimpostaPercorso(QString::fromStdString(file));
        clic("tbtImporta");
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Domanda).isEmpty());
        QCOMPARE(archivio().LeggiTutte(), dieci);
    }

    void importaUnFileInesistente()
    {
        const QString file = m_altro->filePath(QStringLiteral("manca.dbf"));
        Dialoghi::PreimpostaPercorso(file);
        clic("tbtImporta");
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Avviso),
                 QStringList{QStringLiteral("Non esite il file da importare:\r\n\r\n") + file});
        QVERIFY(archivioIntatto());
    }

    void annullaNonFaNulla()
    {
        clic("tbtImporta");
        clic("tbtEsporta");
        QVERIFY(Dialoghi::Messaggi().empty());
        QVERIFY(archivioIntatto());
    }

    void esportaESovrascrive()
    {
        const QString cartella = m_altro->path();
        const std::string file = altro("Enalotto.dbf");
        Dialoghi::PreimpostaPercorso(cartella);
        clic("tbtEsporta");
        QVERIFY(Dialoghi::Messaggi().empty()); // no message at the end
        QCOMPARE(archivio::LeggiEstrazioniScambio(LeggiFile(file)), m_estrazioni);

        // The overwrite question: No leaves the file, Yes replaces it.
        prova::ScriviByte(file, "un altro file");
        Dialoghi::PreimpostaPercorso(cartella);
        Dialoghi::PreimpostaRisposta(false);
        clic("tbtEsporta");
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Domanda),
                 QStringList{QStringLiteral("il file di esportazione esite già\r\n\r\nvuoi sovrascriverlo?")});
        QCOMPARE(LeggiFile(file), std::string("un altro file"));

        Dialoghi::PulisciMessaggi();
        Dialoghi::PreimpostaPercorso(cartella);
        Dialoghi::PreimpostaRisposta(true);
        clic("tbtEsporta");
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Domanda).size(), 1);
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Errore).isEmpty());
        QCOMPARE(archivio::LeggiEstrazioniScambio(LeggiFile(file)), m_estrazioni);
        QVERIFY(archivioIntatto());
    }
};

QTEST_MAIN(TestImportaDbf)
#include "tst_importa_dbf.moc"
