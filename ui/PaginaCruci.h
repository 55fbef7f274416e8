#pragma once

#include "export/ReportCruci.h"
#include "systems/Sviluppo.h"
#include "ui/Pagina.h"

#include <array>
#include <vector>

class PannelloCruciverba;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class TFCompl90;

// "&Cruci" (TabSheet13): a crossword of the numbers chosen on the board or by the
// "Inserisci" counters, its development and the completion to 90.
class PaginaCruci : public Pagina {
    Q_OBJECT
public:
    explicit PaginaCruci(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    void Statistiche();
    void ApplicaContatori();
    void NumeroCliccato(int numero);
    void CancellaNumeri();
    void OrdinaLista(int colonna);
    void Completamento90();
    // "Stampa": the listing; its menu "&Report" / "&Tabulato".
    void StampaReport();
    void StampaTabulato();

    PannelloCruciverba *cruciverba() const { return m_cruci; }
    TFCompl90 *finestraCompletamento() const { return m_completamento; }
    QTreeWidget *lista() const { return m_lista; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    void RiempiLista();
    void DimensioniCambiate();
    void AbilitaUscite(bool si);
    sestina::esporta::DatiReportCruci DatiReport();
    std::array<int, 4> Inserimenti() const; // Casuali, Ultimi, Frequenze, Ritardi

    sestina::sistemi::StatiNumeri m_stati{};
    std::vector<sestina::sistemi::RigaListView> m_righe;
    int m_colonnaLista = -1;
    bool m_statistiche = false;
    std::array<QSpinBox *, 4> m_contatori{}; // Ultimi, Frequenze, Ritardi, Casuali
    QTreeWidget *m_lista;
    PannelloCruciverba *m_cruci;
    std::vector<QWidget *> m_uscite;
    TFCompl90 *m_completamento = nullptr;
};
