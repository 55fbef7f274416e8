#pragma once

#include "app/StatoCondiviso.h"
#include "stats/StatisticheEstrazione.h"

#include <QTabWidget>

#include <array>

class ExtStringGrid;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QTextEdit;

// The three sub-pages under the draws table: "Distanze / Somme",
// "Decine/Cadenze/Figure/..." and "Pari/Dispari/Minimo/...". They read the texts
// of the draws table and paint the distance highlights back onto it.
class SottopagineEstrazioni : public QTabWidget {
    Q_OBJECT
public:
    SottopagineEstrazioni(sestina::StatoCondiviso &stato, ExtStringGrid *tabella, QWidget *parent = nullptr);

    // After every redraw of the draws table.
    void Aggiorna();
    void AggiornaDistanze();
    void AggiornaClassi();
    void AggiornaDatiStatistici();
    // Repaints the four colour squares with the stored colours.
    void RidipingiQuadrati();

    const sestina::statistiche::OpzioniDistanze &opzioni() const { return m_opzioni; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QWidget *CreaDistanze();
    QWidget *CreaClassi();
    QWidget *CreaDatiStatistici();
    void CellaDistanzeCliccata(int riga, int colonna);
    void ScegliColore(int quadrato);
    void Esegui(const std::function<void()> &azione);
    void InviaCella(ExtStringGrid *g, int riga, int colonna);

    sestina::StatoCondiviso &m_stato;
    ExtStringGrid *m_tabella;
    sestina::statistiche::OpzioniDistanze m_opzioni;

    ExtStringGrid *m_distanze;
    QButtonGroup *m_mostra;
    QCheckBox *m_selezione;
    QCheckBox *m_posizione;
    QCheckBox *m_ripetuti;
    QCheckBox *m_uniti;
    std::array<QPushButton *, 4> m_quadrati{}; // Shape1, Shape2, Shape3, Shape7

    ExtStringGrid *m_classi;
    QComboBox *m_sceltaClassi;
    QTextEdit *m_legenda;

    ExtStringGrid *m_dati;
};
