#pragma once

#include "archive/Archivio.h"
#include "archive/Calendario.h"
#include "ui/Pagina.h"

#include <QDate>

#include <array>
#include <map>

class ExtStringGrid;
class PannelloUtente;
class QButtonGroup;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QToolBar;
class QToolButton;

// "&Estrazioni" (TabSheet1): the draws table, its navigation and search, the
// editing of the archive, the draw days and the user-data panel.
class PaginaEstrazioni : public Pagina {
    Q_OBJECT
public:
    enum class Stato { Navigazione, Aggiunta, Modifica };

    explicit PaginaEstrazioni(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    int CursoreEstrazioni() const { return m_cursore; }
    void ImpostaCursore(int cursore) { m_cursore = cursore; }
    Stato stato() const { return m_statoModifica; }
    bool InAggiunta() const { return m_statoModifica == Stato::Aggiunta; }
    ExtStringGrid *tabella() const { return m_tabella; }
    PannelloUtente *pannello() const { return m_pannello; }

    // Redraws the table from the cursor (clamped), then the sub-pages under it.
    void MostraEstrazioni();
    // Row height of the table, set once at start by the edition layout.
    void ImpostaAltezzaRighe(int altezza);

    // Navigation (ToolBar8).
    void Primo();
    void AnnoPr();
    void MesePr();
    void Prec();
    void Suc();
    void MeseSuc();
    void AnnoSuc();
    void Ultimo();
    void CercaEstrazione();

    // Editing (ToolBar9).
    void Aggiungi();
    void Modifica();
    void Salva();
    void NonSalvare();
    void EliminaUltima();
    void TroncaIFile();
    void TroncaTuttiIFile();
    void DataScelta(const QDate &data);

    // Draw days (GroupBox4).
    void CaricaGiorniEstrazione();
    void SalvaGiorniEstrazione();

    void ImpostaStatoControlli(Stato s);
    void SalvaCSV();
    void Stampa();
    void GuidaInLinea();
    void AggiornaTramiteInternet();
    void TestEsporta();

    // DBF exchange ("Esporta", "Importa").
    void EsportaDBF();
    void ImportaDBF();

Q_SIGNALS:
    // After every redraw of the draws table.
    void tabellaRidisegnata();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void CostruisciBarre(class QVBoxLayout *colonna);
    void CostruisciLatoDestro(class QHBoxLayout *lato);
    void Naviga(int nuovoCursore);
    void SpostaSuColonna(int colonna);
    bool TastoInTabella(class QKeyEvent *k);
    // Enter in a cell of row 1: on a filled superstar it checks and saves, elsewhere it moves on.
    void InvioInCella(int colonna);
    // The draw of row 1 checked for its date; false after the warning.
    bool VerificaRiga1();
    std::array<std::string, 8> CelleRiga1() const;
    sestina::archivio::Archivio archivio() const { return sestina::archivio::Archivio(m_stato.DirectoryProgramma); }
    // The draw statistics under the table, built by the statistics pages.
    void CreaStatisticheEstrazioni(QWidget *area);
    void AggiornaStatisticheEstrazioni();

    int m_cursore = 0;
    // Rows below this clip the table's 16-pixel bold font.
    static constexpr int AltezzaRigaMinima = 19;
    void AdattaRighe();
    void AdattaLarghezzaTabella();
    int m_altezzaRiga = 24;
    int m_altezzaRigaVoluta = 24;
    Stato m_statoModifica = Stato::Navigazione;
    bool m_digitazione = false;
    bool m_caricamentoGiorni = false;

    ExtStringGrid *m_tabella;
    class QVBoxLayout *m_destra;
    class QVBoxLayout *m_colonnaTabella;
    int m_fontTabella = 16;
    // Font, widths and heights of the draws table for its rows' height.
    void ApplicaMisureTabella(sestina::Griglia &g) const;
    class EditorNumeriCella *m_editore;
    QToolBar *m_barraNavigazione;
    QButtonGroup *m_gruppoNavigazione;
    std::map<QString, QToolButton *> m_pulsanti;
    QComboBox *m_cerca;
    QCalendarWidget *m_calendario;
    QGroupBox *m_giorni;
    std::array<QCheckBox *, 7> m_caselleGiorni{}; // Monday .. Sunday
    QWidget *m_areaStatistiche;
    PannelloUtente *m_pannello;
    class SottopagineEstrazioni *m_sottopagine = nullptr;
};
