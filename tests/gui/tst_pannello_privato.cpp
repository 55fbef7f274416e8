#include "FinestraProva.h"
#include "app/FileAtomico.h"
#include "support/ArchivioProva.h"
#include "support/MessaggiProva.h"
#include "ui/Dialoghi.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/TFormprivata.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace sestina;

// Draws spanning 2005 to 2008.
static std::vector<archivio::Estrazione> QuattroAnni()
{
    std::vector<archivio::Estrazione> e;
    int n = 0;
    for (int anno = 2005; anno <= 2008; ++anno)
        for (int mese : {2, 9})
            e.push_back(prova::Estr(3, mese, anno, ++n, {1 + n, 20 + n, 40, 50, 60, 70}, 80, 5));
    return e;
}

class TestPannelloPrivato : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TFormprivata> m_pannello;

    std::string percorso(const char *f) const { return m_dir->filePath(QString::fromLatin1(f)).toStdString(); }
    template <class T> T *controllo(const char *nome) const
    {
        return m_pannello->findChild<T *>(QString::fromLatin1(nome));
    }
    void clic(const char *nome)
    {
        auto *b = controllo<QAbstractButton>(nome);
        QVERIFY2(b, nome);
        QTest::mouseClick(b, Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_form = ApriFinestraProva(*m_dir, QuattroAnni());
        QVERIFY(m_form->avvioCompleto());
        auto &imp = m_form->stato().impostazioni;
        imp.CartellaPDF = percorso("uscita/pdf");
        imp.CartellaHTML = percorso("uscita/html");
        imp.PaginaHTML = "casa.html";
        imp.FlagEsportazione = {};
        imp.FlagEsportazione[3] = true;  // HTML "Esporta In Calore"
        imp.FlagEsportazione[10] = true; // PDF "Esporta In Calore"
        for (const char *f : {"testahtml.slt", "codahtml.slt"})
            std::filesystem::copy_file(std::string(SESTINA_SOURCE_DIR) + "/data/" + f, percorso(f));
        m_pannello = std::make_unique<TFormprivata>(m_form->stato(), m_form.get());
        m_pannello->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pannello.get()));
        Dialoghi::PulisciMessaggi();
    }
    void cleanup()
    {
        m_pannello.reset();
        ChiudiFinestraProva(m_form, m_dir);
    }

    void controlliDalleImpostazioni()
    {
        QCOMPARE(m_pannello->windowTitle(), QStringLiteral("Pannello Privato"));
        QCOMPARE(controllo<QLineEdit>("Edit7")->text(), QString::fromStdString(percorso("uscita/pdf")));
        QCOMPARE(controllo<QLineEdit>("Edit8")->text(), QString::fromStdString(percorso("uscita/html")));
        QCOMPARE(controllo<QLineEdit>("LabeledEdit1")->text(), QStringLiteral("casa.html"));
        QVERIFY(controllo<QCheckBox>("CBexpHTMLInCalore")->isChecked());
        QVERIFY(controllo<QCheckBox>("CBExpPDFincalore")->isChecked());
        QVERIFY(!controllo<QCheckBox>("CBexpHTMLestrazione")->isChecked());
        QVERIFY(!controllo<QCheckBox>("cbexppdfRitxambi")->isChecked());
        for (const char *n : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5",
                              "SpeedButton6", "CheckBox5", "cbexpHTMLest_x_anno", "CBExpPDFTAbellestatistiche"})
            QVERIFY2(controllo<QAbstractButton>(n), n);
    }

    void elencoAnniRicostruitoAdOgniApertura()
    {
        auto *anni = controllo<QListWidget>("CheckListBox1");
        QStringList testi;
        for (int i = 0; i < anni->count(); ++i) {
            testi << anni->item(i)->text();
            QCOMPARE(anni->item(i)->checkState(), Qt::Unchecked);
        }
        QCOMPARE(testi, QStringLiteral("Tutti,2008,2007,2006,2005").split(QLatin1Char(',')));
        anni->item(1)->setCheckState(Qt::Checked);
        m_pannello->hide();
        m_pannello->show();
        QCOMPARE(anni->item(1)->checkState(), Qt::Unchecked);
    }

    void salvaDatiPersonaliNonCambiaLeCartelleInUso()
    {
        controllo<QLineEdit>("Edit7")->setText(QStringLiteral("/altrove/pdf"));
        controllo<QCheckBox>("CBExpPDFEstrazione")->setChecked(true);
        clic("SpeedButton3");
        const std::string atteso = "/altrove/pdf\r\n" + percorso("uscita/html") + "\r\ncasa.html\r\n\r\n" +
                                   "0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n" + "1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n";
        QCOMPARE(prova::LeggiByte(percorso("Datipvt.DAT")), atteso);
        QCOMPARE(m_form->stato().impostazioni.CartellaPDF, percorso("uscita/pdf"));
    }

    void cartellaSceltaOAnnullata()
    {
        Dialoghi::PreimpostaPercorso(std::nullopt);
        clic("SpeedButton5");
        QCOMPARE(controllo<QLineEdit>("Edit7")->text(), QString::fromStdString(percorso("uscita/pdf")));
        QCOMPARE(m_form->stato().impostazioni.CartellaPDF, percorso("uscita/pdf"));
        Dialoghi::PreimpostaPercorso(QString::fromStdString(percorso("nuova/")));
        clic("SpeedButton6");
        QCOMPARE(controllo<QLineEdit>("Edit8")->text(), QString::fromStdString(percorso("nuova")));
        QCOMPARE(m_form->stato().impostazioni.CartellaHTML, percorso("nuova"));
    }

    // The chooser opens at the folder chosen now; none, or one that is gone, gives the program folder.
    void laSceltaParteDallaCartellaAttuale()
    {
        const QString programma = QString::fromStdString(m_form->stato().DirectoryProgramma);
        QVERIFY(QDir().mkpath(QString::fromStdString(percorso("uscita/pdf"))));
        clic("SpeedButton5"); // no preset path: cancelled
        QCOMPARE(Dialoghi::UltimaCartellaIniziale(), QString::fromStdString(percorso("uscita/pdf")));
        clic("SpeedButton6"); // "uscita/html" does not exist
        QCOMPARE(Dialoghi::UltimaCartellaIniziale(), programma);
        controllo<QLineEdit>("Edit7")->clear();
        clic("SpeedButton5");
        QCOMPARE(Dialoghi::UltimaCartellaIniziale(), programma);
        // a folder just chosen is where the next choice starts
        QVERIFY(QDir().mkpath(QString::fromStdString(percorso("nuova"))));
        Dialoghi::PreimpostaPercorso(QString::fromStdString(percorso("nuova")));
        clic("SpeedButton6");
        clic("SpeedButton6");
        QCOMPARE(Dialoghi::UltimaCartellaIniziale(), QString::fromStdString(percorso("nuova")));
        QVERIFY(Dialoghi::Messaggi().empty());
    }

    void esportaHTMLConMessaggio()
    {
        clic("SpeedButton2");
        QVERIFY(EsisteFile(percorso("uscita/html/NumeriIncalore_Superenalotto.html")));
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Esportazione Eseguita")});
        Dialoghi::PulisciMessaggi();
        controllo<QCheckBox>("CBexpHTMLInCalore")->setChecked(false);
        clic("SpeedButton2");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Nessuna Selezione")});
    }

    void esportaHTMLFallitaNominaLaCartella()
    {
        prova::ScriviByte(percorso("uscita"), "file, non cartella");
        clic("SpeedButton2");
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QCOMPARE(Dialoghi::Messaggi().front().tipo, Dialoghi::Tipo::Errore);
        QVERIFY2(Dialoghi::Messaggi().front().testo.contains(QStringLiteral("uscita/html")),
                 qPrintable(Dialoghi::Messaggi().front().testo));
    }

    void esportaPDFEOpuscolo()
    {
        clic("SpeedButton1");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Esportazione eseguita")});
        QVERIFY(EsisteFile(percorso("uscita/pdf/lastincalore_Bari.pdf")));
        QVERIFY(EsisteFile(percorso("uscita/pdf/lastincaloreAmbi_Superenalotto.pdf")));
        Dialoghi::PulisciMessaggi();
        clic("SpeedButton4");
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Opuscolo creato!")});
        QVERIFY(EsisteFile(percorso("uscita/pdf/opuscolo.pdf")));
        // No box ticked: nothing written, nothing said.
        Dialoghi::PulisciMessaggi();
        controllo<QCheckBox>("CBExpPDFincalore")->setChecked(false);
        clic("SpeedButton1");
        QVERIFY(prova::TestiMessaggi().isEmpty());
    }

    void stopFermaLEsportazionePDF()
    {
        for (const char *n : {"CBExpPDFEstrazione", "CBExpPDFConsultazione", "CBExpPDFTAbellestatistiche",
                              "CBExpPDFincalore", "CBExpPDFastrolotto", "cbexppdfRitxambi"})
            controllo<QCheckBox>(n)->setChecked(true);
        auto *stop = controllo<QPushButton>("btn_Stop");
        QVERIFY(!stop->isEnabled());
        // Pressed while the export runs (the first progress report lets it through).
        QTimer::singleShot(0, stop, [stop] {
            QVERIFY(stop->isEnabled());
            stop->click();
        });
        clic("SpeedButton1");
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QCOMPARE(Dialoghi::Messaggi().front().tipo, Dialoghi::Tipo::Avviso);
        QVERIFY(!prova::TestiMessaggi().contains(QStringLiteral("Esportazione eseguita")));
        QVERIFY(EsisteFile(percorso("uscita/pdf/lastestrazione.pdf")));
        QVERIFY(!EsisteFile(percorso("uscita/pdf/Ritardixambi_Superenalotto_Quattordicine.pdf")));
        QVERIFY(!stop->isEnabled());
        QVERIFY(controllo<QProgressBar>("ProgressBar1")->value() >= 1);
    }

    void opuscoloSenzaFileNonDiceCreato()
    {
        clic("SpeedButton4");
        QCOMPARE(Dialoghi::Messaggi().size(), size_t(1));
        QCOMPARE(Dialoghi::Messaggi().front().tipo, Dialoghi::Tipo::Errore);
        QVERIFY(!EsisteFile(percorso("uscita/pdf/opuscolo.pdf")));
    }

    void testEsportaApreIlPannello()
    {
        struct Spia : QObject {
            int aperti = 0;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                auto *w = qobject_cast<QWidget *>(o);
                if (e->type() == QEvent::Hide && w && w->objectName() == QStringLiteral("Formprivata") &&
                    w->windowTitle() == QStringLiteral("Pannello Privato") &&
                    w->findChild<QListWidget *>(QStringLiteral("CheckListBox1"))->count() == 5)
                    ++aperti;
                return false;
            }
        } spia;
        qApp->installEventFilter(&spia);
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("btn_TestEsporta"));
        qApp->removeEventFilter(&spia);
        QCOMPARE(spia.aperti, 1);
    }

    void tooltipAlRilascioDelMouse()
    {
        auto *e = controllo<QLineEdit>("Edit8");
        QTest::mouseClick(e, Qt::LeftButton);
        QCOMPARE(e->toolTip(), e->text());
    }
};

QTEST_MAIN(TestPannelloPrivato)
#include "tst_pannello_privato.moc"
