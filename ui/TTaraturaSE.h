#pragma once

#include "app/StatoCondiviso.h"
#include "slips/StampaSchedine.h"

#include <QDialog>

#include <array>

class QLabel;
class QSpinBox;

// "Taratura Stampante": the six calibration values, the markers on the form's
// picture, the test print and "Taraturase.DAT".
class TTaraturaSE : public QDialog {
    Q_OBJECT
public:
    TTaraturaSE(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    // caricadatitaraturase: false (after "Devi effettuare la taratura") without a
    // calibration file; a bad file throws sestina::Errore.
    bool caricadatitaraturase();
    sestina::schedine::ValoriTaratura Valori() const;
    void ImpostaValori(const sestina::schedine::ValoriTaratura &v);
    // The markers Ln1..Ln4 back on their places for the values now shown.
    void AzzeraMarcatori();

    void StampaProva();
    void SalvaDati();
    void DatiDefault();

    QLabel *marcatore(int i) const { return m_marcatori[static_cast<size_t>(i)]; }
    QSpinBox *spin(int i) const { return m_spin[static_cast<size_t>(i)]; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void MuoviMarcatori();

    sestina::StatoCondiviso &m_stato;
    std::array<QSpinBox *, 6> m_spin{};
    std::array<QLabel *, 4> m_marcatori{};
    QLabel *m_immagine;
    QLabel *m_suggerimento;
    sestina::schedine::ValoriTaratura m_riferimento;
    bool m_impostazione = false;
};
