#pragma once

#include "app/Griglia.h"
#include "systems/Condizioni.h"

#include <QGroupBox>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The second marking colour of the systems board: a base, in every column.
inline constexpr sestina::Colore ColoreBase{255, 196, 120};

// "Condizioni" beside the systems board: the min/max of each condition, the
// user's groups, the bases switch with its legend, and the live count of the
// integral columns the conditions keep. An empty field means "no limit".
class PannelloCondizioni : public QGroupBox {
    Q_OBJECT
public:
    explicit PannelloCondizioni(QWidget *parent = nullptr);

    // The conditions of the fields (bases left empty). Throws Errore for a group
    // whose numbers cannot be read.
    sestina::sistemi::Condizioni condizioni() const;
    // Fills the fields (bases are the board's business); emits no change.
    void ImpostaCondizioni(const sestina::sistemi::Condizioni &c);
    // Empties every field.
    void Azzera();
    // While ticked, a click on the board makes a base of a number.
    bool segnaBasi() const;
    // Rewrites the line "Colonne: a → b" for the numbers in play, the bases and k.
    void AggiornaConteggio(const std::vector<int> &inGioco, const std::vector<int> &basi, int k);
    QString testoConteggio() const;

Q_SIGNALS:
    void cambiate();
    void verificaStorica();

private:
    struct Campo {
        QSpinBox *minimo = nullptr;
        QSpinBox *massimo = nullptr;
    };
    Campo m_pari, m_bassi, m_somma, m_escursione;
    QSpinBox *m_decina, *m_cadenza, *m_figura, *m_consecutivi;
    std::array<QLineEdit *, sestina::sistemi::GruppiMassimi> m_gruppi{};
    std::array<Campo, sestina::sistemi::GruppiMassimi> m_limitiGruppi{};
    QCheckBox *m_basi;
    QLabel *m_conteggio;
    QPushButton *m_storica;
    bool m_inImpostazione = false;
};
