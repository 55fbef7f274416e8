#pragma once

#include "ui/Pagina.h"

class TfrmNumSpia;

// The "Numeri Spia" page (TabNumSpia): it holds the spy-number window, borderless, filling the page.
class PaginaNumeriSpia : public Pagina {
    Q_OBJECT
public:
    explicit PaginaNumeriSpia(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;
    TfrmNumSpia *finestra() const { return m_finestra; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    TfrmNumSpia *m_finestra;
};
