#include "FinestraPrevisione.h"
#include "methods/Astrolotto.h"
#include "support/ArchivioProva.h"
#include "support/MessaggiProva.h"
#include "ui/PaginaAstro.h"
#include "ui/PannelloCruciverba.h"

#include <QFile>
#include <QLabel>
#include <QToolButton>

#include "slips/Schedine.h"
#include "systems/FileSviluppo.h"

using namespace sestina;
using namespace sestina::metodi;

class TestPaginaAstro : public QObject, FinestraPrevisione<PaginaAstro> {
    Q_OBJECT

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
    bool mostra(int record, int segno, int riga) const
    {
        auto r = CalcolaAstro(m_e, record, segno, riga);
        return uguali(griglia("ExtStringGrid12")->griglia(), r.previsioneGriglia) &&
               uguali(griglia("ExtStringGrid13")->griglia(), r.ritardo) &&
               uguali(griglia("ExtStringGrid14")->griglia(), r.esiti);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(apri(21, 150, QStringLiteral("TabSheet9"), [](const QTemporaryDir &dir) {
            for (int n = 1; n <= 12; ++n) {
                const QString nome = QStringLiteral("hor%1.bmp").arg(n, 3, 10, QLatin1Char('0'));
                if (!QFile::copy(QStringLiteral(SESTINA_SOURCE_DIR "/data/segni/") + nome, dir.filePath(nome)))
                    return false;
            }
            return true;
        }));
    }

    void cleanup() { chiudi(); }

    void apreSullUltimaEstrazioneConIlPrimoSegno()
    {
        QCOMPARE(pagina()->record(), 149);
        QVERIFY(mostra(149, 1, 0));
        QCOMPARE(pagina()->findChild<QLabel *>(QStringLiteral("LabelSegno"))->text(),
                 QStringLiteral("Ariete-21 Marzo - 20 Aprile"));
        QVERIFY(!pagina()->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().isNull());
    }

    void segnoRicalcolaLeTreGriglie()
    {
        ClicPulsante(pagina(), QStringLiteral("ToolButtonAstro7"));
        QCOMPARE(pagina()->segno(), 7);
        QVERIFY(mostra(149, 7, 0));
        QCOMPARE(pagina()->findChild<QLabel *>(QStringLiteral("LabelSegno"))->text(),
                 QStringLiteral("Bilancia-23 Settembre - 23 Ottobre"));
        // The crossword holds the four rows' numbers and its development was written.
        const auto &c = pagina()->cruciverba()->cruciverba();
        QCOMPARE(c.righe, 5);
        QVERIFY(c.completo);
        QVERIFY(!pagina()->cruciverba()->sviluppo().empty());
        std::vector<Colonna> file;
        QVERIFY(sistemi::CaricaSviluppo(m_dir->path().toStdString() + "/", file));
        QCOMPARE(file, pagina()->cruciverba()->sviluppo());
    }

    void immagineMancanteLasciaIlSegno()
    {
        QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("hor004.bmp")))); // Toro
        ClicPulsante(pagina(), QStringLiteral("ToolButtonAstro2"));
        QCOMPARE(pagina()->segno(), 1);
        QCOMPARE(prova::TestiMessaggi().size(), 1);
        QVERIFY(prova::TestiMessaggi()[0].contains(QStringLiteral("hor004.bmp")));
        QVERIFY(pagina()->findChild<QToolButton *>(QStringLiteral("ToolButtonAstro1"))->isChecked());
    }

    void estrazionePiuVecchiaRipiega()
    {
        auto *date = pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox9"));
        ScegliVoce(date, date->count() - 1);
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Calcolo Impossibile")});
        QCOMPARE(pagina()->record(), 1);
        QCOMPARE(date->currentIndex(), date->count() - 2);
        QVERIFY(mostra(1, 1, 0));
        ClicPulsante(pagina(), QStringLiteral("ToolButtonAstroSucc"));
        QCOMPARE(pagina()->record(), 2);
    }

    void rigaGiuESu()
    {
        ClicPulsante(pagina(), QStringLiteral("SpeedButton2"));
        ClicPulsante(pagina(), QStringLiteral("SpeedButton2"));
        QCOMPARE(pagina()->riga(), 2);
        QVERIFY(mostra(149, 1, 2));
        QCOMPARE(griglia("ExtStringGrid12")->griglia().sfondoEffettivo(2, 0), colori::Rosso);
        QCOMPARE(griglia("ExtStringGrid12")->griglia().sfondoEffettivo(0, 0), colori::Bianco);
        ClicPulsante(pagina(), QStringLiteral("SpeedButton3"));
        QCOMPARE(pagina()->riga(), 1);
    }

    void secondoCapogiocoSoloSuPari()
    {
        auto *capo2 = pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox10"));
        auto *righe = pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox6"));
        ScegliVoce(capo2, 9);
        QCOMPARE(capo2->currentIndex(), 0);
        QCOMPARE(prova::TestiMessaggi().size(), 1);
        QVERIFY(prova::TestiMessaggi()[0].startsWith(QStringLiteral("Non puoi inserire il secondo capogioco")));
        auto *colonne = pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox7"));
        ScegliVoce(righe, 1);   // 4
        ScegliVoce(colonne, 1); // 4
        ScegliVoce(capo2, 9);
        QCOMPARE(pagina()->cruciverba()->cruciverba().capo2, 9);
        QCOMPARE(pagina()->cruciverba()->cruciverba().at(0, 3), 9);
    }

    void doppioClicInviaAllaSchedina()
    {
        auto *g = griglia("ExtStringGrid12");
        const std::string testo = g->griglia().testo(0, 4);
        Dialoghi::PreimpostaRisposta(true);
        const QPoint p = g->visualRect(g->model()->index(0, 4)).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(m_form->stato().ListaColonne.Count(), 1);
        QCOMPARE(m_form->stato().ListaColonne[0], *schedine::ValidaInvio(testo));
    }
};

QTEST_MAIN(TestPaginaAstro)
#include "tst_pagina_astro.moc"
