#pragma once

#include "export/ReportAstrolotto.h"
#include "methods/Astrolotto.h"
#include "ui/PaginaPrevisione.h"

#include <array>
#include <vector>

class ExtStringGrid;
class PannelloCruciverba;
class QComboBox;
class QLabel;
class QToolButton;

// "&Astro" (TabSheet9): the forecast of a zodiac sign for a draw, its outcomes,
// the crossword of four forecast rows and its development.
class PaginaAstro : public PaginaPrevisione {
    Q_OBJECT
public:
    explicit PaginaAstro(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    // Selects sign 1..12 (its picture must exist) and recomputes.
    void ScegliSegno(int segno);
    void ScegliRecord(int record);
    void ScegliRiga(int riga);
    void Ricalcola();
    // "Stampa" → "&Report" / "&Tabulato".
    void StampaReport();
    void StampaTabulato();

    int segno() const { return m_segno; }
    int riga() const { return m_riga; }
    PannelloCruciverba *cruciverba() const { return m_cruci; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    sestina::esporta::DatiReportAstrolotto DatiReport();

    int m_segno = 1;
    int m_riga = 0;
    std::array<QToolButton *, 12> m_segni{};
    QLabel *m_immagine;
    QLabel *m_titolo;
    QLabel *m_concorso;
    ExtStringGrid *m_previsione, *m_ritardo, *m_esiti;
    PannelloCruciverba *m_cruci;
};
