#pragma once

#include "archive/Archivio.h"
#include "stats/Calore.h"
#include "ui/Pagina.h"

#include <array>

class ExtStringGrid;
class QComboBox;
class QSpinBox;
class QToolButton;

// "&In Calore" (TabSheet4): hot numbers or pairs of the N draws up to the draw
// chosen in ComboBox15, and those draws coloured where the five best appear.
class PaginaInCalore : public Pagina {
    Q_OBJECT
public:
    explicit PaginaInCalore(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    void MostraCalore();
    void ScegliColore(int rango); // 0..4
    void IntestazioneCliccata(int colonna);
    void ImpostaTipo(sestina::statistiche::TipoCalore tipo);
    void SalvaCSV();
    void SalvaJPG();
    void Stampa();

    const sestina::statistiche::ParametriCalore &parametri() const { return m_parametri; }
    ExtStringGrid *tabella() const { return m_tabella; }
    ExtStringGrid *elenco() const { return m_elenco; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    void RiempiDate();
    void DipingiQuadrati();
    void AnalizzareCambiato();
    sestina::archivio::Archivio archivio() const { return sestina::archivio::Archivio(m_stato.DirectoryProgramma); }

    sestina::statistiche::ParametriCalore m_parametri;
    ExtStringGrid *m_tabella;
    ExtStringGrid *m_elenco;
    QComboBox *m_date;
    QSpinBox *m_analizzare;
    QSpinBox *m_minimo;
    QToolButton *m_estratti;
    QToolButton *m_ambi;
    std::array<QToolButton *, 5> m_quadrati{};
};
