#pragma once

#include "archive/Archivio.h"
#include "stats/MotoreRitardi.h"
#include "ui/BarraDate.h"
#include "ui/Pagina.h"

#include <array>

class ExtStringGrid;
class QComboBox;
class QToolButton;

// "&Stat" (TabSheet3): the fourteen delay and frequency tables over the span
// chosen with ComboBox2 (start, oldest first) and ComboBox3 (end, newest first).
class PaginaStat : public Pagina {
    Q_OBJECT
public:
    explicit PaginaStat(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    // The navigation moves of the two date lists.
    using Mossa = BarraDate::Mossa;

    void MostraStatistica();
    void ScegliTabella(sestina::statistiche::ListaVoci l);
    void NavigaInizio(Mossa m);
    void NavigaFine(Mossa m);
    // A new selection of either list (user or navigation): the date check.
    void InizioCambiato(int indice);
    void FineCambiato(int indice);
    void IntestazioneCliccata(int colonna);
    void SalvaCSV();
    void Stampa();

    int OrdineStat() const { return m_ordine; }
    sestina::statistiche::ListaVoci tabella() const { return m_tabella; }
    ExtStringGrid *griglia() const { return m_griglia; }

private:
    void RiempiDate();
    bool DateSelezionateCompatibili() const;
    sestina::archivio::Archivio archivio() const { return sestina::archivio::Archivio(m_stato.DirectoryProgramma); }

    int m_ordine = 1;
    sestina::statistiche::ListaVoci m_tabella = sestina::statistiche::ListaVoci::Numeri;
    std::array<QToolButton *, sestina::statistiche::NumeroListeVoci> m_pulsanti{};
    ExtStringGrid *m_griglia;
    QComboBox *m_inizio;
    QComboBox *m_fine;
};
