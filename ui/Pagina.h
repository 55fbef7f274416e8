#pragma once

#include "app/Griglia.h"
#include "app/StatoCondiviso.h"

#include <QWidget>

#include <functional>

class ExtStringGrid;

// Runs a user action with the wait cursor; an error is shown in a message box
// over `finestra`, which stays usable. False when the action failed.
bool EseguiAzione(QWidget *finestra, const std::function<void()> &azione);

// A page of the main window: it reads its controls, calls the logic and shows the
// grid it gets back. Pages hand AggiornaViste what they do on an archive change.
class Pagina : public QWidget {
    Q_OBJECT
public:
    Pagina(sestina::StatoCondiviso &stato, const QString &nomeOggetto, QWidget *parent = nullptr);

    // The page's steps of AggiornaViste; an empty Vista by default.
    virtual sestina::Vista Vista() { return {}; }

    // Runs a user action with the wait cursor; an error is shown in a message box
    // and the page stays usable. False when the action failed.
    bool Esegui(const std::function<void()> &azione);

    // "Salva CSV" of a result grid: the save dialog with the proposed name
    // (empty: the dialog's last name), then the CSV file. False when cancelled or failed.
    bool SalvaGrigliaCSV(const sestina::Griglia &griglia, const QString &nomeProposto);

    // A double click on a cell of the grid sends its text to the slip list.
    void InviaDoppioClic(ExtStringGrid *griglia);

protected:
    sestina::StatoCondiviso &m_stato;
};

// A page whose functions come later: it shows only its title.
class PaginaSegnaposto : public Pagina {
    Q_OBJECT
public:
    PaginaSegnaposto(sestina::StatoCondiviso &stato, const QString &nomeOggetto, const QString &titolo,
                     QWidget *parent = nullptr);
};
