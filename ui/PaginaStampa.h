#pragma once

#include "ui/Pagina.h"

#include <string>
#include <vector>

class ExtStringGrid;
class ModuloSchedinaSE;
class QLabel;
class QSpinBox;
class QToolBar;
class QToolButton;
class TSpoglioSuperenaLotto;
class TTaraturaSE;

namespace sestina::schedine {
struct tdatischedinaSE;
}

// "Stampa" (TabSheet10): the slips of ListaColonne one at a time on the replica
// of the paper form; composing, saving, loading and checking them.
class PaginaStampa : public Pagina {
    Q_OBJECT
public:
    explicit PaginaStampa(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    void MostraSchedina(int a);
    void Avanti();
    void Indietro();
    void NuovaGiocata();
    // "Sal&va Schedina"; from a click on panel A an empty panel is passed over quietly.
    void SalvaSchedina(bool dalPannello = false);
    void AggiungiSchedina();
    void CancellaSchedina();
    // "Schedine" of the pages that develop a system.
    void RiceviSistema();
    // A double click on a result cell of any page.
    void InvioASchedina(const std::string &testo);
    // "Spoglio" (ToolButton143): checks the development file's columns.
    void Spoglio();
    // "Verifica garanzia" of the slip list (draws of six).
    void VerificaGaranzia();
    void SalvaSistema(bool csv);
    void CaricaSistema(bool csv);
    sestina::schedine::tdatischedinaSE LeggiSchedina() const;
    // "S&tampa Schedine": false when nothing was printed (refused, cancelled, failed).
    bool StampaTutte();
    bool StampaAttiva();
    bool StampaSelezione(int da, int a); // slips da..a, from 1
    bool StampaSelezioneManuale();
    // "&Taratura": the calibration window, loaded from "Taraturase.DAT".
    void ApriTaratura();
    TTaraturaSE *finestraTaratura() const { return m_taratura; }

    int indice() const { return m_indice; }
    int quote() const;
    ModuloSchedinaSE *modulo() const { return m_modulo; }
    TSpoglioSuperenaLotto *finestraSpoglio() const { return m_finestraSpoglio; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    void PulisciPannelli();
    void PannelloCliccato(ExtStringGrid *g, int riga, int colonna, bool pannelloA);
    void PiccolaCliccata(ExtStringGrid *g, int riga, int colonna);
    bool StampaSchedine(const std::vector<int> &indici, bool attiva);

    int m_indice = 0; // IndiceColonnaCorrente
    ModuloSchedinaSE *m_modulo;
    QLabel *m_contatore; // Label27
    QLabel *m_colonna;   // Label28
    QSpinBox *m_quote;
    TSpoglioSuperenaLotto *m_finestraSpoglio = nullptr;
    TTaraturaSE *m_taratura = nullptr;
};
