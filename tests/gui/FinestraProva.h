#pragma once

#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PageControl.h"
#include "ui/TForm1.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

// The main window on a fresh program folder holding these draws, shown, with
// every dialog in test mode and no message recorded yet.
inline std::unique_ptr<TForm1> ApriFinestraProva(const QTemporaryDir &dir,
                                                 const std::vector<sestina::archivio::Estrazione> &estrazioni)
{
    Dialoghi::ModalitaTest(true);
    Dialoghi::PulisciMessaggi();
    sestina::prova::PreparaCartellaProgramma(dir.path().toStdString() + "/", estrazioni);
    auto finestra = std::make_unique<TForm1>(dir.path());
    finestra->show();
    (void)QTest::qWaitForWindowExposed(finestra.get());
    return finestra;
}

// init() of a page's window test: a fresh program folder with these draws (and
// what `prepara` puts there first), the main window opened on it and the page
// `pagina` (its objectName) in front. False when the preparation, the start-up
// or the page failed.
inline bool ApriFinestraSuPagina(std::unique_ptr<QTemporaryDir> &dir, std::unique_ptr<TForm1> &finestra,
                                 const std::vector<sestina::archivio::Estrazione> &estrazioni, const QString &pagina,
                                 const std::function<bool(const QTemporaryDir &)> &prepara = {})
{
    dir = std::make_unique<QTemporaryDir>();
    if (prepara && !prepara(*dir))
        return false;
    finestra = ApriFinestraProva(*dir, estrazioni);
    QWidget *p = finestra->findChild<QWidget *>(pagina);
    if (!finestra->avvioCompleto() || !p)
        return false;
    finestra->pageControl()->setCurrentWidget(p);
    return QTest::qWaitFor([p] { return p->isVisible(); });
}

// cleanup(): the window closes before its folder goes.
inline void ChiudiFinestraProva(std::unique_ptr<TForm1> &finestra, std::unique_ptr<QTemporaryDir> &dir)
{
    finestra.reset();
    dir.reset();
}

// A user's click on the button named `nome` inside `dove`.
inline void ClicPulsante(QWidget *dove, const QString &nome)
{
    auto *b = dove->findChild<QAbstractButton *>(nome);
    QVERIFY2(b, qPrintable(nome));
    QTest::mouseClick(b, Qt::LeftButton);
}

// A click on the header (fixed row) of a grid's column.
inline void ClicIntestazione(ExtStringGrid *griglia, int colonna)
{
    QHeaderView *h = griglia->horizontalHeader();
    const QPoint p(h->sectionViewportPosition(colonna) + h->sectionSize(colonna) / 2, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, p);
}

// The user picks item `indice` of a date list.
inline void ScegliVoce(QComboBox *combo, int indice)
{
    combo->setCurrentIndex(indice);
    Q_EMIT combo->activated(indice);
}
