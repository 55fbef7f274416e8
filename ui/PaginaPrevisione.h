#pragma once

#include "ui/Pagina.h"

#include <functional>

class ExtStringGrid;
class QComboBox;
class QGridLayout;

// A prediction page (Astro, Metodi, Armonia): a list of the draw dates and a
// cursor on the draw the forecast starts from.
class PaginaPrevisione : public Pagina {
    Q_OBJECT
public:
    int record() const { return m_record; }

protected:
    // `dateCrescenti`: the list shows the oldest draw first (item i is record i);
    // otherwise the newest first.
    PaginaPrevisione(sestina::StatoCondiviso &stato, const QString &nomeOggetto, bool dateCrescenti, QWidget *parent);

    // The steps of AggiornaViste: the cursor back on the last draw, the list
    // refilled, then `ridisegna` while the page is shown.
    sestina::Vista VistaPrevisione(const char *nome, std::function<void()> ridisegna);
    void RiempiDate();
    // A result grid under its caption, in column `colonna` of `griglie`; a
    // double click sends its cell to the slips.
    ExtStringGrid *GrigliaRisultato(QGridLayout *griglie, const char *nome, const QString &titolo, int colonna,
                                    int altezzaMinima);
    // Fills the list on the first show and puts an out-of-range cursor on the last draw.
    void showEvent(QShowEvent *e) override;

    int m_record = -1;
    QComboBox *m_date = nullptr;

private:
    bool m_dateCrescenti;
};
