// "AGGIORNA TRAMITE INTERNET" on the draws page, against a local HTTP server.
#include "FinestraProva.h"
#include "archive/Aggiornamento.h"
#include "archive/ArchivioCSV.h"
#include "support/MessaggiProva.h"
#include "support/ServerHttpProva.h"
#include "ui/PaginaEstrazioni.h"

#include <QAction>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

using namespace sestina;
using namespace sestina::prova;

namespace {
using Lista = std::vector<archivio::Estrazione>;
} // namespace

class TestAggiornamento : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    int m_aggiornaViste = 0;

    std::string dir() const { return m_form->stato().DirectoryProgramma; }
    void clicAggiorna() { ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("SpeedButton1")); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_form = ApriFinestraProva(*m_dir, ParteReali(0, 30));
        QVERIFY(m_form->avvioCompleto());
        m_aggiornaViste = 0;
        m_form->stato().viste.Registra({"sonda", nullptr, nullptr, nullptr, [this] { ++m_aggiornaViste; }});
    }
    void cleanup() { ChiudiFinestraProva(m_form, m_dir); }

    void primaVoltaChiedeLIndirizzoPoiAggiungeSenzaRiavvio()
    {
        auto *b = m_form->paginaEstrazioni()->findChild<QPushButton *>(QStringLiteral("SpeedButton1"));
        QCOMPARE(b->text(), QStringLiteral("AGGIORNA TRAMITE INTERNET"));
        const std::string csv = archivio::ScriviArchivioCSV(ParteReali(25, 40));
        ServerHttpProva server([&](const std::string &) { return RispostaHttp{csv}; });
        Dialoghi::PreimpostaTesto(QString::fromStdString(server.indirizzo()));
        clicAggiorna();
        // The question explains the format.
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Richiesta).size(), 1);
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Richiesta)[0].contains(
            QStringLiteral("data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar")));
        QCOMPARE(archivio::LeggiIndirizzoAggiornamento(dir()), server.indirizzo());
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Informazione),
                 QStringList{QString::fromStdString(
                     "Aggiunte 10 estrazioni (ultima: " + UltimeReali()[39].data.data().breve() + ")")});
        QCOMPARE(m_form->stato().UltimaEstrazione, 39);
        QCOMPARE(m_aggiornaViste, 1);
        QCOMPARE(m_form->paginaEstrazioni()->CursoreEstrazioni(), 39);
        QVERIFY(m_form->isVisible());
        QCOMPARE(archivio::Archivio(dir()).LeggiTutte(), UltimeReali());

        // The saved address is used without asking again.
        Dialoghi::PulisciMessaggi();
        clicAggiorna();
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Richiesta).size(), 0);
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Informazione),
                 QStringList{QStringLiteral("Archivio già aggiornato")});
        QCOMPARE(m_aggiornaViste, 1);
    }

    void annullareLaRichiestaNonFaNulla()
    {
        clicAggiorna();
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Richiesta).size(), 1);
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Informazione).isEmpty());
        QVERIFY(!std::filesystem::exists(dir() + archivio::FileAggiornamento));
    }

    void unRifiutoLasciaLArchivioComEra()
    {
        Lista diversa = ParteReali(20, 40);
        diversa[3].numeri.jolly = static_cast<std::uint8_t>(diversa[3].numeri.jolly % 90 + 1);
        const std::string csv = archivio::ScriviArchivioCSV(diversa);
        ServerHttpProva server([&](const std::string &) { return RispostaHttp{csv}; });
        archivio::ScriviIndirizzoAggiornamento(dir(), server.indirizzo());
        const std::string prima = LeggiByte(dir() + "Superena.cxz");
        clicAggiorna();
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Errore).size(), 1);
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Errore)[0].contains(
            QString::fromStdString(UltimeReali()[23].data.data().breve())));
        QCOMPARE(LeggiByte(dir() + "Superena.cxz"), prima);
        QCOMPARE(m_form->stato().UltimaEstrazione, 29);
        QCOMPARE(m_aggiornaViste, 0);
    }

    void ilPulsanteInterrompiFermaLoScaricamento()
    {
        const std::string csv = archivio::ScriviArchivioCSV(ParteReali(25, 40));
        ServerHttpProva server([&](const std::string &) { return RispostaHttp{csv, 200, true, -1, false, 20, 200}; });
        archivio::ScriviIndirizzoAggiornamento(dir(), server.indirizzo());
        bool visto = false;
        QTimer::singleShot(300, m_form.get(), [&] {
            if (auto *p = m_form->findChild<QProgressDialog *>(QStringLiteral("ProgressoAggiornamento"))) {
                visto = p->isVisible();
                p->cancel();
            }
        });
        clicAggiorna();
        QVERIFY(visto);
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Errore).size(), 1);
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Errore)[0].contains(QStringLiteral("interrotto")));
        QCOMPARE(m_form->stato().UltimaEstrazione, 29);
    }

    void ilMenuCambiaLIndirizzoEUnFileVaBene()
    {
        const std::string file = dir() + "nuove.csv";
        ScriviByte(file, archivio::ScriviArchivioCSV(ParteReali(28, 32)));
        archivio::ScriviIndirizzoAggiornamento(dir(), "http://127.0.0.1:1/vecchio.csv");
        auto *b = m_form->paginaEstrazioni()->findChild<QPushButton *>(QStringLiteral("SpeedButton1"));
        auto *azione = b->findChild<QAction *>(QStringLiteral("AzioneCambiaIndirizzo"));
        QVERIFY(azione);
        QVERIFY(b->actions().contains(azione));
        Dialoghi::PreimpostaTesto(QString::fromStdString(file));
        azione->trigger();
        QCOMPARE(archivio::LeggiIndirizzoAggiornamento(dir()), file);
        clicAggiorna();
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Informazione),
                 QStringList{QString::fromStdString(
                     "Aggiunte 2 estrazioni (ultima: " + UltimeReali()[31].data.data().breve() + ")")});
    }

    void nonDuranteLInserimentoDiUnEstrazione()
    {
        ClicPulsante(m_form->paginaEstrazioni(), QStringLiteral("ToolButtonAggiungi"));
        QCOMPARE(m_form->paginaEstrazioni()->stato(), PaginaEstrazioni::Stato::Aggiunta);
        archivio::ScriviIndirizzoAggiornamento(dir(), "http://127.0.0.1:1/x.csv");
        clicAggiorna();
        QCOMPARE(prova::TestiMessaggi(Dialoghi::Tipo::Avviso).size(), 1);
        QVERIFY(prova::TestiMessaggi(Dialoghi::Tipo::Avviso)[0].contains(QStringLiteral("prima di aggiornare")));
    }
};

QTEST_MAIN(TestAggiornamento)
#include "tst_aggiornamento.moc"
