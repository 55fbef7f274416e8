#pragma once

#include "systems/Condizioni.h"
#include "systems/Sviluppo.h"
#include "ui/Pagina.h"

#include <array>
#include <string>
#include <vector>

class ExtStringGrid;
class PannelloCondizioni;
class QBoxLayout;
class QCheckBox;
class QProgressBar;
class ModelloSviluppo;
class QTableView;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolBar;
class QToolButton;
class QTreeWidget;

// "&Sistemi" (TabSheet5): the 9 x 10 board of marked numbers, the "Inserisci"
// counters with their statistics list, the development of the system and its columns.
class PaginaSistemi : public Pagina {
    Q_OBJECT
public:
    explicit PaginaSistemi(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    // Counts the marked cells, writes the caption of GroupBox12 and enables the
    // choices and ToolBar31 when the count reaches k.
    int ContaNumeriInGioco();
    // The marked numbers in board-column order (1, 11, 21 ... 81, 2, 12 ... 90).
    std::vector<int> NumeriMarcati() const;
    void ImpostaMarcati(const std::vector<int> &numeri);
    // A click on a board cell.
    void CellaCliccata(int riga, int colonna);

    void Elabora();
    void Stop() { m_stop = true; }
    void MostraColonne();
    void Cancella();
    void SalvaSistema();
    void SalvaCSV();
    void Carica();
    void Schedine();
    void Spoglio();
    // "Stampa": the systems listing TReportSistemi of the development file.
    void Stampa();

    // Statistics of the numbers (once, at the first show) and the counters' marks.
    void StatisticheSistemi();
    void ApplicaContatori();
    void OrdinaLista(int colonna);

    int k() const;
    int livello() const;
    bool inElaborazione() const { return m_inCorso; }
    ExtStringGrid *tabellone() const { return m_tabellone; }
    QTableView *colonne() const { return m_colonne; }
    ModelloSviluppo *modelloColonne() const { return m_modelloColonne; }

    // Conditions, bases and variants, optimised reductions (PaginaSistemiCondizioni.cpp).
    PannelloCondizioni *pannelloCondizioni() const { return m_pannello; }
    QCheckBox *ottimizzata() const { return m_ottimizzata; }
    // The numbers painted as bases, in board-column order.
    std::vector<int> NumeriBase() const;
    // The panel's conditions with the board's bases; throws Errore for a bad field.
    sestina::sistemi::Condizioni CondizioniAttuali() const;
    void VerificaGaranzia();
    void VerificaStorica();

protected:
    void showEvent(QShowEvent *e) override;

private:
    // Any change of the marks: the development is gone.
    void MarcheCambiate();
    // A change of "Numeri in combinazione" or "Riduzioni".
    void SceltaCambiata(bool combinazione);
    void AbilitaRisultati(bool si);
    void RiempiLista();

    // Hooks of the conditions and of the optimiser into the page's own code.
    void CostruisciEstensioni(QBoxLayout *principale, QBoxLayout *azioni, QBoxLayout *destra);
    void RiduzioneCambiata();
    bool CondizioniAttive() const;
    void AggiornaConteggioCondizioni();
    bool SegnaBase(int riga, int colonna);
    std::optional<std::string> ControllaElabora(int n, int k);
    // Develops with conditions or the optimiser when chosen; false: the plain development.
    bool ElaboraEsteso(std::vector<sestina::Colonna> &lista, bool &fermato);
    void SalvaCondizioniSistema(const std::string &percorsoStm);
    static sestina::sistemi::Condizioni LeggiCondizioniSistema(const std::string &percorsoStm);
    void ApplicaCondizioniSistema(const sestina::sistemi::Condizioni &c);

    ExtStringGrid *m_tabellone;
    QTableView *m_colonne; // ExtStringGrid23
    ModelloSviluppo *m_modelloColonne;
    QGroupBox *m_gruppoNumeri;
    QGroupBox *m_combinazione;
    QGroupBox *m_riduzioni;
    std::array<QRadioButton *, 4> m_k{};
    std::array<QRadioButton *, 4> m_r{};
    std::array<QSpinBox *, 4> m_contatori{}; // Casuali, Ultimi Usciti, Frequenze, Ritardi
    QTreeWidget *m_lista;
    QToolBar *m_barra;
    QLabel *m_progresso;
    QPushButton *m_elabora;
    QPushButton *m_ferma;
    QPushButton *m_mostra;
    QToolButton *m_spoglio;
    QToolButton *m_stampa;
    PannelloCondizioni *m_pannello = nullptr;
    QCheckBox *m_ottimizzata = nullptr;
    QProgressBar *m_barraOttimizza = nullptr;
    QPushButton *m_garanzia = nullptr;
    std::vector<QWidget *> m_durante; // off while a development runs
    bool m_stop = false;              // StopElaborazione
    bool m_inCorso = false;
    bool m_statistiche = false;
    bool m_caricaContatori = false; // counters set by "Carica" leave the marks alone
    int m_colonnaLista = -1;
    sestina::sistemi::StatiNumeri m_statiNumeri{};
    std::vector<sestina::sistemi::RigaListView> m_righeLista;
};
