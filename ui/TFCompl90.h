#pragma once

#include "app/Colonna.h"
#include "app/StatoCondiviso.h"
#include "methods/Cruciverba.h"

#include <QDialog>

#include <array>
#include <vector>

class ExtStringGrid;
class QButtonGroup;
class QGroupBox;

// "Completamento 90": the crossword of the numbers the '&Cruci' one leaves out.
class TFCompl90 : public QDialog {
    Q_OBJECT
public:
    TFCompl90(sestina::StatoCondiviso &stato, QWidget *parent);

    // The completion crossword, the page's reduction and its "Inserisci" values
    // (Casuali, Ultimi, Frequenze, Ritardi) for the listing.
    void Imposta(const sestina::metodi::Cruciverba &griglia, int livello, std::array<int, 4> inserimenti = {});
    void Sviluppa();
    // "Stampa": TReportcompl90tabulato.
    void Stampa();

    const std::vector<sestina::Colonna> &sviluppo() const { return m_sviluppo; }
    ExtStringGrid *grigliaCruciverba() const { return m_griglia; }
    ExtStringGrid *grigliaSviluppo() const { return m_gSviluppo; }

private:
    sestina::StatoCondiviso &m_stato;
    sestina::metodi::Cruciverba m_cruciverba;
    std::vector<sestina::Colonna> m_sviluppo;
    std::array<int, 4> m_inserimenti{};
    QGroupBox *m_box;
    ExtStringGrid *m_griglia, *m_gSviluppo;
    QButtonGroup *m_dimensione, *m_riduzioni;
};
