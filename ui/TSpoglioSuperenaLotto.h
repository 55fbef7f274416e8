#pragma once

#include "app/Colonna.h"
#include "app/StatoCondiviso.h"
#include "systems/Spoglio.h"

#include <QDialog>

#include <vector>

class ExtStringGrid;
class ModelloVincite;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QToolBar;

// "Spoglio Superenalotto": the columns of the last system checked against the
// draws from a chosen start, the winning rows, the prize summary and the system's data.
class TSpoglioSuperenaLotto : public QDialog {
    Q_OBJECT
public:
    TSpoglioSuperenaLotto(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    // The columns to check, the start draw (InizioSpoglio) and the slip page's quotas.
    void Imposta(std::vector<sestina::Colonna> colonne, int inizio, int quote);
    // The check; the window stays responsive and "Interrompi" stops it.
    void Spoglia();
    void Naviga(sestina::sistemi::MossaSpoglio m);
    void Ferma() { m_stop = true; }
    void OrdinaPer(int colonna);
    // "Stampa": the checking report Treportspoglio in its preview.
    void Stampa();

    int inizio() const { return m_inizio; }
    bool inCorso() const { return m_inCorso; }
    ModelloVincite *modello() const { return m_modello; }
    QTableView *tabella() const { return m_tabella; }

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void AggiornaInizio();
    void Occupato(bool si);

    sestina::StatoCondiviso &m_stato;
    std::vector<sestina::Colonna> m_colonne;
    int m_inizio = 0;
    int m_quote = 1;
    bool m_stop = false;
    bool m_inCorso = false;
    ExtStringGrid *m_boxInizio; // ExtStringGrid5
    QToolBar *m_navigazione;
    QSpinBox *m_limite; // SpinEditwheel1
    QProgressBar *m_barra;
    QPushButton *m_ferma;
    QTableView *m_tabella; // ExtAnalisivincite
    ModelloVincite *m_modello;
    ExtStringGrid *m_riepilogo;   // grigliariepilogo
    ExtStringGrid *m_datiSistema; // GRIGLIADATISISTEMA
};
