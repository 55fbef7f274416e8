#include "FinestraPrevisione.h"
#include "methods/Completamento90.h"
#include "support/ArchivioProva.h"
#include "support/MessaggiProva.h"
#include "systems/FileSviluppo.h"
#include "systems/Sviluppo.h"
#include "ui/PaginaCruci.h"
#include "ui/PaginaStampa.h"
#include "ui/PannelloCruciverba.h"
#include "ui/TFCompl90.h"

#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

using namespace sestina;
using namespace sestina::metodi;

class TestPaginaCruci : public QObject, FinestraPrevisione<PaginaCruci> {
    Q_OBJECT

    // A click on number n of the board.
    void clicNumero(int n)
    {
        auto *g = griglia("ExtStringGrid15");
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->model()->index((n - 1) / 10, (n - 1) % 10)).center());
    }
    bool abilitato(const char *nome) const
    {
        return pagina()->findChild<QToolButton *>(QString::fromLatin1(nome))->isEnabled();
    }

private Q_SLOTS:
    void init() { QVERIFY(apri(4, 120, QStringLiteral("TabSheet13"))); }

    void cleanup() { chiudi(); }

    void statisticheNellaLista()
    {
        auto *lista = pagina()->findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        QCOMPARE(lista->topLevelItemCount(), 90);
        auto righe = sistemi::RigheListView2(
            sistemi::StatisticheSistemi(archivio::Archivio(m_dir->path().toStdString() + "/"), 119));
        QCOMPARE(lista->topLevelItem(6)->text(2), QString::fromStdString(righe[6].testi[2]));
        QVERIFY(!abilitato("SpeedButton14"));
    }

    void selezioneRiempieIlCruciverba()
    {
        for (int n = 1; n <= 24; ++n)
            clicNumero(n);
        // 24 numbers for 25 cells: the fill stops, the outputs stay disabled.
        QVERIFY(!pagina()->cruciverba()->cruciverba().completo);
        for (const char *uscita : {"SpeedButton14", "SpeedButton15", "TBStampaCruci", "TBSalvaCSVCruci",
                                   "TBSalvaJpegCruci", "ToolButtonSchedineCruci"})
            QVERIFY2(!abilitato(uscita), uscita);
        QCOMPARE(griglia("ExtStringGrid22")->griglia().righe(), 2);
        clicNumero(25);
        const auto &c = pagina()->cruciverba()->cruciverba();
        QVERIFY(c.completo);
        const Griglia &g = griglia("ExtStringGrid21")->griglia();
        QCOMPARE(g.testo(0, 0), std::string("1"));
        QCOMPARE(g.testo(0, 1), std::string("11"));
        QCOMPARE(g.testo(0, 2), std::string("21"));
        QCOMPARE(g.testo(0, 3), std::string("2"));
        for (const char *uscita : {"SpeedButton14", "SpeedButton15", "TBStampaCruci", "TBSalvaCSVCruci",
                                   "TBSalvaJpegCruci", "ToolButtonSchedineCruci"})
            QVERIFY2(abilitato(uscita), uscita);
        // Whole lines: five columns and five rows, also in the "sviluppo" file.
        QCOMPARE(pagina()->cruciverba()->sviluppo().size(), size_t{10});
        std::vector<Colonna> file;
        QVERIFY(sistemi::CaricaSviluppo(m_dir->path().toStdString() + "/", file));
        QCOMPARE(file, pagina()->cruciverba()->sviluppo());
        QCOMPARE(griglia("ExtStringGrid15")->griglia().sfondoEffettivo(0, 0), colori::Marcatura);
        // A second click on a number takes it out again.
        clicNumero(25);
        QVERIFY(!pagina()->cruciverba()->cruciverba().completo);
        QVERIFY(!abilitato("TBSalvaJpegCruci"));
    }

    void contatoriECancella()
    {
        auto *casuali = pagina()->findChild<QSpinBox *>(QStringLiteral("SpinEditwheel5"));
        casuali->setValue(25);
        const auto &sel = pagina()->cruciverba()->selezione();
        std::vector<int> attesi(sistemi::SequenzaCasuale().begin(), sistemi::SequenzaCasuale().begin() + 25);
        std::sort(attesi.begin(), attesi.end());
        QCOMPARE(sel, attesi);
        QVERIFY(pagina()->cruciverba()->cruciverba().completo);
        ClicPulsante(pagina(), QStringLiteral("SpeedButton16"));
        QCOMPARE(casuali->value(), 0);
        QVERIFY(pagina()->cruciverba()->selezione().empty());
        QVERIFY(!pagina()->cruciverba()->cruciverba().completo);
    }

    void riduzioneConTreEDimensioniImpossibili()
    {
        pagina()->findChild<QSpinBox *>(QStringLiteral("SpinEditwheel5"))->setValue(16);
        auto *righe = pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox19"));
        auto *colonne = pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox20"));
        ScegliVoce(righe, 1);
        ScegliVoce(colonne, 1);
        QVERIFY(pagina()->cruciverba()->cruciverba().completo);
        pagina()->findChild<QRadioButton *>(QStringLiteral("RadioGroup111"))->click();
        pagina()->findChild<QRadioButton *>(QStringLiteral("RadioGroup100"))->click();
        QCOMPARE(pagina()->cruciverba()->dimensione(), 3);
        auto atteso = SviluppaCruciverba(pagina()->cruciverba()->cruciverba(), 3, 1);
        QCOMPARE(pagina()->cruciverba()->sviluppo(), atteso.colonne);
        Dialoghi::PulisciMessaggi();
        pagina()->findChild<QRadioButton *>(QStringLiteral("RadioGroup103"))->click();
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Impossibile\n\rCambia Dimensioni Cruciverba")});
        QVERIFY(pagina()->cruciverba()->sviluppo().empty());
    }

    void completamento90()
    {
        // A complete fill keeps exactly the crossword's numbers: the size comes first.
        ScegliVoce(pagina()->findChild<QComboBox *>(QStringLiteral("ComboBox20")), 6); // 9 columns
        for (int n = 1; n <= 45; ++n)
            clicNumero(n);
        QVERIFY(pagina()->cruciverba()->cruciverba().completo);
        ClicPulsante(pagina(), QStringLiteral("SpeedButton14"));
        auto *f = pagina()->finestraCompletamento();
        QVERIFY(f);
        const Griglia &g = f->grigliaCruciverba()->griglia();
        QCOMPARE(g.colonne(), 15);
        QCOMPARE(g.righe(), 3);
        QCOMPARE(f->sviluppo().size(), size_t{18});
        std::vector<Colonna> file;
        QVERIFY(sistemi::CaricaSviluppo(m_dir->path().toStdString() + "/", file));
        QCOMPARE(file, f->sviluppo());
    }

    void schedineESpoglioPrendonoLoSviluppo()
    {
        for (int n = 1; n <= 25; ++n)
            clicNumero(n);
        QVERIFY(abilitato("ToolButtonSchedineCruci"));
        ClicPulsante(pagina(), QStringLiteral("ToolButtonSchedineCruci"));
        auto *stampa = m_form->pagina<PaginaStampa>();
        QTRY_VERIFY(stampa->isVisible());
        QCOMPARE(sistemi::ColonneDaLista(m_form->stato().ListaColonne), pagina()->cruciverba()->sviluppo());
        m_form->pageControl()->setCurrentWidget(pagina());
        QTRY_VERIFY(pagina()->isVisible());
        m_form->stato().ListaColonne.Clear();
        ClicPulsante(pagina(), QStringLiteral("SpeedButton15"));
        QVERIFY(stampa->finestraSpoglio());
        QCOMPARE(sistemi::ColonneDaLista(m_form->stato().ListaColonne), pagina()->cruciverba()->sviluppo());
    }

    void completamentoRifiutato()
    {
        for (int n = 1; n <= 20; ++n)
            clicNumero(n);
        QVERIFY(!abilitato("SpeedButton14"));
        // Called directly: the page answers with the message and opens nothing.
        pagina()->Completamento90();
        QCOMPARE(prova::TestiMessaggi().last(), QStringLiteral("Completa Il Cruciverba"));
        QVERIFY(!pagina()->finestraCompletamento());
    }
};

QTEST_MAIN(TestPaginaCruci)
#include "tst_pagina_cruci.moc"
