#pragma once

#include "stats/Consultazione.h"
#include "ui/Pagina.h"

#include <array>

class ExtStringGrid;
class QComboBox;
class QToolButton;

// "&Consulta" (TabSheet2): eighteen draws with the values of the active classes
// painted in their colours, a navigation bar and the date list ComboBox4.
class PaginaConsulta : public Pagina {
    Q_OBJECT
public:
    explicit PaginaConsulta(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    int PosizioneConsulta() const { return m_posizione; }
    const sestina::statistiche::InterruttoriClassi &classiAttive() const { return m_attive; }
    ExtStringGrid *griglia() const { return m_griglia; }

    // Fills the grid for the current position (clamped).
    void DisegnaConsulta();
    void Naviga(sestina::statistiche::MossaConsulta mossa);
    void SalvaCSV();
    void Stampa();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void RiempiDate();
    void SelezionaData();
    sestina::archivio::Archivio archivio() const { return sestina::archivio::Archivio(m_stato.DirectoryProgramma); }

    int m_posizione = 0;
    sestina::statistiche::InterruttoriClassi m_attive{};
    std::array<QToolButton *, sestina::statistiche::NumeroClassiConsulta> m_pulsantiClassi{};
    ExtStringGrid *m_griglia;
    QComboBox *m_date;
};
