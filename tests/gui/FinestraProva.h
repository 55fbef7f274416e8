#pragma once

#include "support/CartellaProgramma.h"
#include "ui/Dialoghi.h"
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
