#pragma once

#include "app/StatoCondiviso.h"

#include <QMainWindow>

class PageControl;
class Pagina;
class PaginaEstrazioni;

// The main window: one page control holding every function of the program.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // dir: the program folder (DirectoryProgramma).
    explicit TForm1(const QString &dir, QWidget *parent = nullptr);
    ~TForm1() override;

    sestina::StatoCondiviso &stato() { return m_stato; }
    PageControl *pageControl() const { return m_pagine; }
    PaginaEstrazioni *paginaEstrazioni() const { return m_estrazioni; }
    template <class T> T *pagina() const { return findChild<T *>(); }

    // Makes the slip page ("Stampa", TabSheet10) the active page.
    void MostraPaginaStampa();
    // The window's size at start on a screen with this free area: it always fits
    // (title bar included), and a large screen gives the grids more room.
    static QSize DimensioneIniziale(const QRect &disponibile);
    // True when FormCreate ran to its end.
    bool avvioCompleto() const { return m_avvioCompleto; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    void FormCreate();
    void ApplicaLayoutEdizione();
    void RegistraViste();
    void RiempiListaDate();

    sestina::StatoCondiviso m_stato;
    PageControl *m_pagine;
    PaginaEstrazioni *m_estrazioni;
    std::vector<Pagina *> m_elenco;
    bool m_avvioCompleto = false;
};
