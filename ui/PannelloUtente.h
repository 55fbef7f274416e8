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
    // Each file is loaded on its own; a file that cannot be read leaves its
    // controls as they were and the errors of all of them are thrown together.
    void CaricaImpostazioni();
    // "Salva Dati Utente": hides the panel, writes "ImportiVincite.DAT" and "Utente.DAT".
    // A file whose loading failed is written only when the user confirms, so
    // values never shown in the panel are not replaced by empty ones.
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
    // Whether "ImportiVincite.DAT" and "Utente.DAT" were read (or are missing).
    bool m_importiCaricati = false;
    bool m_utenteCaricato = false;
};
