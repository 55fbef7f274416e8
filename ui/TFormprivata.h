#pragma once

#include "app/Progresso.h"
#include "app/StatoCondiviso.h"

#include <QDialog>

#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

// "Pannello Privato": the folders of the exports, what to export, the HTML and
// PDF exports, the booklet and "Datipvt.DAT".
class TFormprivata : public QDialog {
    Q_OBJECT
public:
    explicit TFormprivata(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    // The year list: "Tutti", then the archive's years, newest first; nothing ticked.
    void RiempiAnni();
    void EsportaHTML();
    void EsportaPDF();
    void CreaOpuscolo();
    void SalvaDatiPersonali();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void CambiaCartella(bool pdf);
    sestina::Progresso &Avvia(long totale);
    void Termina();

    sestina::StatoCondiviso &m_stato;
    QLineEdit *m_cartellaPDF;
    QLineEdit *m_cartellaHTML;
    QLineEdit *m_paginaHTML;
    std::array<QCheckBox *, 7> m_html{};
    std::array<QCheckBox *, 6> m_pdf{};
    QCheckBox *m_testaECoda;
    QListWidget *m_anni;
    QProgressBar *m_barra;
    QPushButton *m_stop;
    bool m_fermato = false;
    std::unique_ptr<sestina::Progresso> m_progresso;
};
