#pragma once

#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
#include "ui/PageControl.h"
#include "ui/TForm1.h"

#include <QTemporaryDir>
#include <QtTest>

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

// init() of a page's window test: a fresh program folder with these draws, the
// main window opened on it and the page `pagina` (its objectName) in front.
// False when the start-up or the page failed.
inline bool ApriFinestraSuPagina(std::unique_ptr<QTemporaryDir> &dir, std::unique_ptr<TForm1> &finestra,
                                 const std::vector<sestina::archivio::Estrazione> &estrazioni, const QString &pagina)
{
    dir = std::make_unique<QTemporaryDir>();
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
