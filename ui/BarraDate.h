#pragma once

#include "archive/Navigazione.h"

#include <QToolBar>

#include <string>
#include <vector>

class QComboBox;
class QToolButton;

// A date list with its navigation buttons, as the pages with a span or a
// cursor show it: a caption, the combo box of dates and Primo .. Ultimo.
class BarraDate : public QToolBar {
    Q_OBJECT
public:
    using Mossa = sestina::archivio::MossaData;

    // Buttons are named prefisso + caption without blanks (e.g. "StatInizioAnnoPr").
    BarraDate(const QString &titolo, const QString &nomeCombo, const QString &prefisso, QWidget *parent);

    QComboBox *combo() const { return m_combo; }
    // Refills the list as one batch, leaving item 0 selected.
    void Riempi(const std::vector<std::string> &date);

Q_SIGNALS:
    void mossa(BarraDate::Mossa m);
    // The user picked item `indice` of the list.
    void scelta(int indice);

private:
    QComboBox *m_combo;
};

// Refills a date list as one batch, leaving item 0 selected.
void RiempiDate(QComboBox *combo, const std::vector<std::string> &date);
// Fills a span's two lists: the start oldest first, the end newest first.
void RiempiDateIntervallo(QComboBox *inizio, QComboBox *fine, std::vector<std::string> crescenti);

// The output tool bar of a result page: "Stampa", "Salva CSV" and the picture
// button (TBStampa<suffisso>, TBSalvaCSV<suffisso>, TBSalvaJpeg<suffisso>).
// "Stampa" and the picture button are enabled once the page connects them.
class BarraUscita : public QToolBar {
    Q_OBJECT
public:
    BarraUscita(const QString &suffisso, const QString &testoImmagine, QWidget *parent);

Q_SIGNALS:
    void salvaCSV();
    void stampa();
    void salvaImmagine();

protected:
    void connectNotify(const QMetaMethod &segnale) override;

private:
    QToolButton *m_stampa;
    QToolButton *m_immagine;
};
