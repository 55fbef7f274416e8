#pragma once

#include "app/Griglia.h"
#include "ui/GrigliaAdapter.h"

#include <QImage>
#include <QTableView>

// The grid component: shows a Griglia with its colours, fonts, widths and heights.
// Clicks on fixed rows are header clicks.
class ExtStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit ExtStringGrid(QWidget *parent = nullptr);

    void ImpostaGriglia(sestina::Griglia g);
    const sestina::Griglia &griglia() const { return m_adapter->griglia(); }
    // Change the model in place, then call Aggiorna().
    sestina::Griglia &modifica() { return m_adapter->modifica(); }
    void Aggiorna();
    GrigliaAdapter *adapter() const { return m_adapter; }

    // The grid painted as shown on screen.
    QImage Immagine();
    // Applies the model's widths and heights to the view; fixed rows and columns
    // go to the headers so they stay in view.
    void ApplicaMisure();
    // Where a cell (fixed or not) lies, in the grid's own coordinates.
    QRect RettangoloCella(int riga, int colonna) const;
    // The layout never makes the grid narrower (lower) than its columns (rows):
    // every column (row) stays in view without a scroll bar.
    void ImpostaSempreIntera(bool colonne, bool righe);

Q_SIGNALS:
    void cellaCliccata(int riga, int colonna);
    void cellaDoppioClic(int riga, int colonna);
    void intestazioneCliccata(int colonna);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    GrigliaAdapter *m_adapter;
    QWidget *m_angolo = nullptr;
    bool m_interaColonne = false, m_interaRighe = false;
};

// Shared grid routines.
// Width := 4 line widths + sum of (column width + line width); clipped to the parent with a scroll bar.
void AdattaLarghezza(ExtStringGrid *g);
// Height := 4 line widths + sum of (row height + line width).
void AdattaAltezza(ExtStringGrid *g);
// Every column as wide as its widest text plus 5 pixels.
void AdattaColonne(ExtStringGrid *g);
