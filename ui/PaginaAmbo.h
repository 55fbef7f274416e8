#pragma once

#include "archive/Archivio.h"
#include "archive/Navigazione.h"
#include "stats/RitardiGruppi.h"
#include "ui/Pagina.h"

#include <array>

class ExtStringGrid;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

// "Ambo" (TabSheet11): the fifteen groups of 2 to 14 numbers that have waited
// longest for an ambo, over the span shared with "&Stat", chosen here with
// ComboBox11 (start, oldest first) and ComboBox12 (end, newest first).
class PaginaAmbo : public Pagina {
    Q_OBJECT
public:
    explicit PaginaAmbo(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    using Mossa = sestina::archivio::MossaData;

    // The search for the group size whose button is down.
    void CercaRitardiGruppi();
    void ScegliLunghezza(int k);
    void NavigaInizio(Mossa m);
    void NavigaFine(Mossa m);
    // A new selection of either list: the span, the date check, the search.
    void DateCambiate();
    void IntestazioneCliccata(int colonna);
    void SalvaCSV();
    void Stampa();

    int lunghezza() const { return m_k; }
    int colonnaOrdine() const { return m_colonna; }
    const sestina::statistiche::RisultatoRitardiGruppi &risultato() const { return m_risultato; }
    ExtStringGrid *griglia() const { return m_griglia; }

private:
    void RiempiDate();
    sestina::archivio::Archivio archivio() const { return sestina::archivio::Archivio(m_stato.DirectoryProgramma); }

    int m_k = 2;
    int m_colonna = 1;
    sestina::statistiche::RisultatoRitardiGruppi m_risultato;
    std::array<QToolButton *, 13> m_pulsanti{};
    ExtStringGrid *m_griglia;
    QLabel *m_titolo;
    QComboBox *m_inizio;
    QComboBox *m_fine;
    QCheckBox *m_veloce;
    QPushButton *m_ferma;
};
