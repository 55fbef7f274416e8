#pragma once

#include "export/ReportMetodi.h"
#include "methods/Metodo.h"
#include "ui/PaginaPrevisione.h"

#include <vector>

class ExtStringGrid;
class PannelloCruciverba;
class QComboBox;
class QLabel;
class TFormAnalisiMetodi;

// "Metodi" (TabSheet12): the methods of the "*.mts" files applied to a draw, the
// outcomes of their lunghetta, the crossword and the "&Previsione" report.
class PaginaMetodi : public PaginaPrevisione {
    Q_OBJECT
public:
    explicit PaginaMetodi(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    void CaricaMetodi();
    void ScegliMetodo(int riga); // 1.. data rows
    void ScegliRecord(int record);
    void Indietro();
    void Avanti();
    void Ricalcola();
    void EsportaPrevisioni();
    void AnalisiMetodi();
    // "Stampa" → "&Report" / "&Tabulato".
    void StampaReport();
    void StampaTabulato();

    int rigaMetodo() const { return m_riga; }
    ExtStringGrid *griglia() const { return m_metodi; }
    PannelloCruciverba *cruciverba() const { return m_cruci; }
    TFormAnalisiMetodi *finestraAnalisi() const { return m_analisi; }
    // The selected method's record and name ("Passo" shared with the analysis window).
    sestina::metodi::ParametriMetodo parametri() const;
    std::string nomeMetodo() const;
    void ImpostaPasso(int passo);

protected:
    void showEvent(QShowEvent *e) override;

private:
    sestina::esporta::DatiReportMetodi DatiReport();
    sestina::archivio::Archivio archivio() const { return sestina::archivio::Archivio(m_stato.DirectoryProgramma); }

    int m_riga = 1;
    ExtStringGrid *m_metodi, *m_previsione, *m_rit, *m_es;
    QLabel *m_numero;
    PannelloCruciverba *m_cruci;
    TFormAnalisiMetodi *m_analisi = nullptr;
};
