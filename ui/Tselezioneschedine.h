#pragma once

#include <QDialog>

class QSpinBox;

// "Selezione Schedine": the slips from "Da Schedina " to "A Schedina" for
// "&Selezione Manuale". "A Schedina" starts at the number of slips, its maximum.
class Tselezioneschedine : public QDialog {
    Q_OBJECT
public:
    Tselezioneschedine(int numeroSchedine, QWidget *parent = nullptr);

    int da() const;
    int a() const;
    QSpinBox *spinDa() const { return m_da; }
    QSpinBox *spinA() const { return m_a; }

private:
    void Controlla();

    QSpinBox *m_da; // Daschedina
    QSpinBox *m_a;  // Aschedina
};
