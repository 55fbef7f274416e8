#pragma once

#include "methods/Armonia.h"
#include "ui/PaginaPrevisione.h"

#include <QDialog>

#include <functional>

#include <array>

class ExtStringGrid;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class TFRiepilogoArmonia;

// "Armonia" (TabSheet14): harmonies of a draw with the ten before it, the outcomes
// of the selected forecast and the harmony cycle ("ELABORA").
class PaginaArmonia : public PaginaPrevisione {
    Q_OBJECT
public:
    explicit PaginaArmonia(sestina::StatoCondiviso &stato, QWidget *parent = nullptr);

    sestina::Vista Vista() override;

    void ScegliRecord(int record, bool primaRiga);
    void ScegliRiga(int riga);
    void Ricalcola();
    void Elabora();
    void Annulla() { m_stop = true; }
    // "Stampa": the whole page on Tmyreport.
    void Stampa();
    void Riepilogo();

    int riga() const { return m_riga; }
    bool inCorso() const { return m_inCorso; }
    const sestina::metodi::RisultatoCiclo &ciclo() const { return m_ciclo; }
    TFRiepilogoArmonia *finestraRiepilogo() const { return m_riepilogo; }
    // Called at each analysed forecast of the cycle (tests use it to press the cancel button).
    std::function<void(int)> dopoPrevisione;

protected:
    void showEvent(QShowEvent *e) override;

private:
    sestina::metodi::ModoArmonia modo() const;
    int passo() const;

    int m_riga = 0;
    bool m_stop = false;
    bool m_inCorso = false;
    sestina::metodi::RisultatoCiclo m_ciclo;
    QLabel *m_numero;
    QButtonGroup *m_modo, *m_selezione;
    QSpinBox *m_previsioni, *m_passo;
    QListWidget *m_colpi;
    ExtStringGrid *m_armonie, *m_ritardo, *m_esiti, *m_gCiclo;
    std::array<QLineEdit *, 8> m_valori1{}, m_valori2{};
    QLabel *m_data1, *m_data2;
    QPushButton *m_elabora, *m_annulla;
    QProgressBar *m_progresso;
    TFRiepilogoArmonia *m_riepilogo = nullptr;
};

// "Riepilogo Cicloarmonia": one row per analysed forecast, with its CSV.
class TFRiepilogoArmonia : public QDialog {
    Q_OBJECT
public:
    TFRiepilogoArmonia(sestina::StatoCondiviso &stato, QWidget *parent);
    void Imposta(sestina::Griglia g);
    ExtStringGrid *griglia() const { return m_griglia; }

private:
    ExtStringGrid *m_griglia;
};
