#pragma once

#include "app/StatoCondiviso.h"
#include "methods/AnalisiMetodo.h"

#include <QDialog>

class ExtStringGrid;
class PaginaMetodi;
class QComboBox;
class QPlainTextEdit;
class QSpinBox;

// "Analisi Metodi": the back-test of the method selected on 'Metodi'.
class TFormAnalisiMetodi : public QDialog {
    Q_OBJECT
public:
    TFormAnalisiMetodi(sestina::StatoCondiviso &stato, PaginaMetodi *pagina);

    // Sets the controls from the page's method and draw, then analyses.
    void Apri(int record);
    void AnalizzaMetodo();
    void CreaTXT();
    void SalvaTXT();
    // "Stampa TXT": the text through the print dialog, document "Stampa Metodo".
    void StampaTXT();
    void CreaHTML();
    void CopiaInMemoria();

    const sestina::metodi::RisultatoAnalisi &risultato() const { return m_risultato; }
    QPlainTextEdit *testo() const { return m_testo; }

private:
    sestina::StatoCondiviso &m_stato;
    PaginaMetodi *m_pagina;
    bool m_apertura = false;
    sestina::metodi::RisultatoAnalisi m_risultato;
    QComboBox *m_inizio, *m_passo;
    QSpinBox *m_previsioni, *m_limite;
    QPlainTextEdit *m_testo;
    ExtStringGrid *m_griglia, *m_riepilogo;
};
