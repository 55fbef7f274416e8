#pragma once

#include "app/StatoCondiviso.h"
#include "stats/NumeriSpia.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class ExtStringGrid;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "LOTTO SPIE - QUANDO ESCE": the spy numbers and the lunghette of the most
// frequent pairs, on the window's own copy of the archive.
class TfrmNumSpia : public QWidget {
    Q_OBJECT
public:
    explicit TfrmNumSpia(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    // Showing the page: reload the archive copy if the date file changed, reset the choice and the results.
    void Mostra();
    // After an archive change: reload the copy and refill the date lists.
    void Ricarica();

    void ElaboraSpia();
    void ElaboraLunghette(int k);
    void Cancella();
    void SalvaRiepilogo();
    void Stampa();
    void ToggleNumero(int numero);

    std::vector<int> NumeriScelti() const;
    int EntrateArchivio() const { return static_cast<int>(m_archivio.size()); }
    QString TitoloLunghette() const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void CostruisciInterfaccia();
    void CaricaArchivio(bool forza);
    void RiempiDate();
    void ImpostaGrigliaNumeri();
    sestina::statistiche::ParametriSpia Parametri() const;
    // The inputs changed: spy results, pair statistics and "Usa Num. Spia" lapse.
    void InputCambiato(bool pulisciLunghette);
    void PulisciRisultatiSpia();
    void PulisciLunghette();
    void AbilitaInput(bool si);
    bool Prova(const std::function<void()> &azione);

    sestina::StatoCondiviso &m_stato;
    std::vector<sestina::archivio::Estrazione> m_archivio;
    std::optional<long long> m_orarioDate; // date file modification time, nanoseconds
    std::array<bool, 91> m_scelti{};
    std::optional<sestina::statistiche::RisultatoSpia> m_spia;
    std::optional<sestina::statistiche::StatisticheAmbi> m_statAmbi;
    int m_kLunghette = 0;

    ExtStringGrid *m_sceNum;
    QComboBox *m_data1, *m_data2;
    QSpinBox *m_colpi;
    std::array<QCheckBox *, 12> m_mesi{};
    QRadioButton *m_rbSpia, *m_rbQuando, *m_rbEstratti, *m_rbAmbi;
    QCheckBox *m_usaSpia;
    QPushButton *m_elabora, *m_cancella, *m_salva, *m_stampa;
    std::array<QPushButton *, 8> m_lunghe{};
    ExtStringGrid *m_gridNum, *m_gridAmb, *m_gridRu, *m_gridLunghe;
    QLabel *m_titoloLunghe;
    QProgressBar *m_progresso;
    QWidget *m_pannelloInput;
};
