#include "FinestraPrevisione.h"
#include "methods/Armonia.h"
#include "support/ArchivioProva.h"
#include "support/MessaggiProva.h"
#include "ui/PaginaArmonia.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace sestina;
using namespace sestina::metodi;

class TestPaginaArmonia : public QObject, FinestraPrevisione<PaginaArmonia> {
    Q_OBJECT

    QSpinBox *spin(const char *nome) const { return pagina()->findChild<QSpinBox *>(QString::fromLatin1(nome)); }

private Q_SLOTS:
    void init() { QVERIFY(apri(17, 300, QStringLiteral("TabSheet14"))); }

    void cleanup() { chiudi(); }

    void armonieEValoriDelleDueEstrazioni()
    {
        auto atteso = CalcolaArmonia(m_e, 299, ModoArmonia::Somma, 0);
        const Griglia &g = griglia("grigliaprevisioniarmonia")->griglia();
        QCOMPARE(g.righe(), std::max<int>(1, static_cast<int>(atteso.armonie.size())));
        QCOMPARE(g.testo(0, 3), atteso.previsioni.testo(0, 3));
        QCOMPARE(griglia("ExtStringGrid25")->griglia().testo(0, 3), std::string("P3"));
        auto *e1 = pagina()->findChild<QLineEdit *>(QStringLiteral("edt_Ambo1r1_arm"));
        QCOMPARE(e1->text().toStdString(), std::to_string(m_e[299].numeri.numeri[0]));
        auto *e8 = pagina()->findChild<QLineEdit *>(QStringLiteral("edt_Ambo8r1_arm"));
        QCOMPARE(e8->text().toStdString(), std::to_string(m_e[299].numeri.superstar));
        // "Distanza" recomputes.
        pagina()->findChild<QRadioButton *>(QStringLiteral("RadioGroup131"))->click();
        auto dist = CalcolaArmonia(m_e, 299, ModoArmonia::Distanza, 0);
        QCOMPARE(griglia("grigliaprevisioniarmonia")->griglia().righe(),
                 std::max<int>(1, static_cast<int>(dist.armonie.size())));
    }

    void indietroPerPassoNonOltreLaDodicesima()
    {
        spin("SpinEditwheel7")->setValue(100);
        ClicPulsante(pagina(), QStringLiteral("ToolButtonArmoniaIndietro"));
        QCOMPARE(pagina()->record(), 199);
        ClicPulsante(pagina(), QStringLiteral("ToolButtonArmoniaIndietro"));
        ClicPulsante(pagina(), QStringLiteral("ToolButtonArmoniaIndietro"));
        QCOMPARE(pagina()->record(), 12);
        ClicPulsante(pagina(), QStringLiteral("ToolButtonArmoniaUltima"));
        QCOMPARE(pagina()->record(), 299);
    }

    void elaboraCompleto()
    {
        spin("SpinEditwheel6")->setValue(8);
        spin("SpinEditwheel7")->setValue(5);
        ClicPulsante(pagina(), QStringLiteral("BitBtn1"));
        QVERIFY(!pagina()->inCorso());
        ParametriCiclo p;
        p.record = 299;
        p.previsioni = 8;
        p.passo = 5;
        auto atteso = CicloArmonia(m_e, p);
        QCOMPARE(pagina()->ciclo().voci.size(), atteso.voci.size());
        const Griglia &g = griglia("Grigliacicloarmonia1")->griglia();
        for (int c = 0; c < g.colonne(); ++c)
            QCOMPARE(g.testo(1, c), atteso.ciclo.testo(1, c));
        QCOMPARE(pagina()->record(), 299); // back on the chosen draw
        QVERIFY(!pagina()->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->isVisible());
        ClicPulsante(pagina(), QStringLiteral("TBRiepilogoArmonia"));
        QVERIFY(pagina()->finestraRiepilogo());
        QCOMPARE(pagina()->finestraRiepilogo()->griglia()->griglia().righe(), static_cast<int>(atteso.voci.size()) + 1);
    }

    // "Salva CSV" of the summary window: its grid, one line a row, under the proposed
    // name "Armonia"; cancelling the dialog writes nothing.
    void riepilogoSalvaIlCSV()
    {
        spin("SpinEditwheel6")->setValue(8);
        spin("SpinEditwheel7")->setValue(5);
        ClicPulsante(pagina(), QStringLiteral("BitBtn1"));
        ClicPulsante(pagina(), QStringLiteral("TBRiepilogoArmonia"));
        auto *f = pagina()->finestraRiepilogo();
        QVERIFY(f);
        f->show();
        const Griglia &g = f->griglia()->griglia();
        QCOMPARE(g.righe(), 9);
        ClicPulsante(f, QStringLiteral("BitBtnCSVArmonia"));
        QCOMPARE(Dialoghi::UltimoNomeProposto(), QStringLiteral("Armonia"));
        QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.csv")}).isEmpty());
        const QString file = m_dir->filePath(QStringLiteral("riepilogo.csv"));
        Dialoghi::PreimpostaPercorso(file);
        ClicPulsante(f, QStringLiteral("BitBtnCSVArmonia"));
        const std::string csv = prova::LeggiByte(file.toStdString());
        QVERIFY(csv.rfind("N.;Estrazione;Previsione;N.esito;Data Esito;Ruota;N.Progressivo;Colpo;Punti;Numeri;\r\n", 0) ==
                0);
        std::string ultima;
        for (int c = 0; c < g.colonne(); ++c)
            ultima += g.testo(8, c) + ";";
        QVERIFY(csv.size() > ultima.size() + 2);
        QCOMPARE(csv.substr(csv.size() - ultima.size() - 2), ultima + "\r\n");
        size_t righe = 0;
        for (size_t i = csv.find("\r\n"); i != std::string::npos; i = csv.find("\r\n", i + 2))
            ++righe;
        QCOMPARE(righe, size_t(9));
        QVERIFY(prova::TestiMessaggi().isEmpty());
        f->hide();
    }

    void elaboraPoiAnnullaMostraIParziali()
    {
        spin("SpinEditwheel6")->setValue(20);
        spin("SpinEditwheel7")->setValue(5);
        bool visibile = false;
        pagina()->dopoPrevisione = [this, &visibile](int fatte) {
            auto *annulla = pagina()->findChild<QPushButton *>(QStringLiteral("BitBtn2"));
            visibile = visibile || annulla->isVisible();
            if (fatte == 3)
                QTest::mouseClick(annulla, Qt::LeftButton);
        };
        ClicPulsante(pagina(), QStringLiteral("BitBtn1"));
        pagina()->dopoPrevisione = nullptr;
        QVERIFY(visibile);
        QVERIFY(pagina()->ciclo().interrotto);
        QCOMPARE(pagina()->ciclo().voci.size(), size_t{3});
        int uscite = 0;
        for (const auto &v : pagina()->ciclo().voci)
            uscite += v.colpo >= 1 && v.colpo <= 10;
        QCOMPARE(griglia("Grigliacicloarmonia1")->griglia().testo(1, 11), std::to_string(uscite));
        QVERIFY(prova::TestiMessaggi().isEmpty());
    }

    void calcoloImpossibile()
    {
        spin("SpinEditwheel6")->setValue(100);
        spin("SpinEditwheel7")->setValue(10);
        ClicPulsante(pagina(), QStringLiteral("BitBtn1"));
        QCOMPARE(prova::TestiMessaggi(), QStringList{QStringLiteral("Calcolo Impossibile")});
    }
};

QTEST_MAIN(TestPaginaArmonia)
#include "tst_pagina_armonia.moc"
