#pragma once

#include "app/Colonna.h"
#include "app/StatoCondiviso.h"
#include "methods/Cruciverba.h"

#include <QWidget>

#include <array>
#include <vector>

class ExtStringGrid;
class QButtonGroup;
class QComboBox;
class QGroupBox;

// The crossword block shared by '&Astro', 'Metodi' and '&Cruci': sizes, capogioco,
// the crossword, the numbers in play and the development (written to "sviluppo").
class PannelloCruciverba : public QWidget {
    Q_OBJECT
public:
    // Component names of one page, in the order righe, colonne, capo1, capo2,
    // crossword, numbers in play, development, "Riduzioni", "Numeri in combinazione".
    using Nomi = std::array<const char *, 9>;
    // '&Astro'/'Metodi': a list that starts again, "Sei" only with a reduction, the
    // second capogioco checked. '&Cruci': the numbers grid is the selection.
    enum class Modo { AstroMetodi, Cruci };

    PannelloCruciverba(sestina::StatoCondiviso &stato, const Nomi &nomi, Modo modo, QWidget *parent);

    // '&Astro'/'Metodi': the number list of the fill.
    void ImpostaLista(std::vector<int> lista);
    // '&Cruci': the selected numbers.
    void ImpostaSelezione(std::vector<int> selezionati);
    const std::vector<int> &selezione() const { return m_selezione; }

    const sestina::metodi::Cruciverba &cruciverba() const { return m_cruciverba; }
    const std::vector<sestina::Colonna> &sviluppo() const { return m_sviluppo; }
    bool sviluppoPronto() const { return m_pronto; }
    int livello() const;
    int dimensione() const; // 0 whole lines, 3..6
    ExtStringGrid *grigliaSviluppo() const { return m_gSviluppo; }
    ExtStringGrid *grigliaCruciverba() const { return m_gCruciverba; }
    ExtStringGrid *grigliaNumeri() const { return m_gNumeri; }

Q_SIGNALS:
    // '&Cruci': a size or capogioco changed / a number of the board was clicked.
    void dimensioniCambiate();
    void numeroCliccato(int numero);
    // A development was built (or emptied).
    void sviluppoCambiato(bool pronto);

private:
    void Riempi();
    void Sviluppa();
    void Mostra();
    void NumeroCliccato(int riga, int colonna);
    void AggiornaScelte();

    sestina::StatoCondiviso &m_stato;
    Modo m_modo;
    std::vector<int> m_lista;
    std::vector<int> m_selezione;
    sestina::metodi::Cruciverba m_cruciverba;
    std::vector<sestina::Colonna> m_sviluppo;
    bool m_pronto = false;
    QComboBox *m_righe, *m_colonne, *m_capo1, *m_capo2;
    ExtStringGrid *m_gCruciverba, *m_gNumeri, *m_gSviluppo;
    QGroupBox *m_boxNumeri;
    QGroupBox *m_boxRiduzioni, *m_boxDimensione;
    QButtonGroup *m_riduzioni, *m_dimensione;
};

// "Schedine" and "Spoglio" of the pages that develop: the slip page takes the
// development file from there.
void SchedineDaSviluppo(QWidget *pagina);
void SpoglioDaSviluppo(QWidget *pagina);
