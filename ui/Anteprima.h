#pragma once

#include "export/Report.h"

#include <QPrintPreviewDialog>

#include <memory>

class QPrinter;

// The print preview of a report form ("Anteprima"): opens zoomed to fit the page,
// modal but without waiting, and prints on the system's printers. The pages are
// painted when the preview asks for them, by the same painter as the PDF export.
class TAnteprima : public QPrintPreviewDialog {
    Q_OBJECT
public:
    TAnteprima(sestina::esporta::Report report, std::unique_ptr<QPrinter> stampante, QWidget *parent);
    ~TAnteprima() override;

    const sestina::esporta::Report &report() const { return m_report; }
    // How many pages the last painting produced (0 before the first).
    int pagineDipinte() const { return m_pagine; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    sestina::esporta::Report m_report;
    std::unique_ptr<QPrinter> m_stampante;
    int m_pagine = 0;
};

// Loads the form's pictures (a missing file throws sestina::Errore before anything
// opens) and opens its preview over `parent`, modal unless `modale` is false. The
// window deletes itself when closed.
TAnteprima *ApriAnteprima(QWidget *parent, sestina::esporta::Report report, bool modale = true);
