#pragma once

#include "app/StatoCondiviso.h"

#include <QFrame>

#include <array>

class ExtStringGrid;
class QLabel;
class QLineEdit;

// Panel10: the retailer's data, the report image, the prize table and the two
// amounts. It covers the "&Estrazioni" page while shown.
class PannelloUtente : public QFrame {
    Q_OBJECT
public:
    PannelloUtente(sestina::StatoCondiviso &stato, QWidget *parent);

    // CaricaImpostazioni: settings files into the controls and the shared values.
    // Throws sestina::Errore; the steps after a failure are skipped.
    void CaricaImpostazioni();
    // "Salva Dati Utente": hides the panel, writes "ImportiVincite.DAT" and "Utente.DAT".
    void Salva();
    // SpinButton1: steps IndiceImmagine through the list of images and shows it.
    void ImmagineSuccessiva();
    void ImmaginePrecedente();

private:
    void LayoutTabellaPremi();
    void MostraImmagine();
    bool eventFilter(QObject *o, QEvent *e) override;

    sestina::StatoCondiviso &m_stato;
    std::array<QLineEdit *, 6> m_campi{};
    QLabel *m_immagine;
    QLineEdit *m_costo;
    QLineEdit *m_ritenuta;
    ExtStringGrid *m_premi;
};
