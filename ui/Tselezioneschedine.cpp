#include "ui/Tselezioneschedine.h"

#include "ui/FinestraGuida.h"

#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

Tselezioneschedine::Tselezioneschedine(int numeroSchedine, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("selezioneschedine"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(QStringLiteral("Selezione Schedine"));
    auto *l = new QVBoxLayout(this);
    auto *f = new QFormLayout;
    l->addLayout(f);
    m_da = new QSpinBox(this);
    m_da->setObjectName(QStringLiteral("Daschedina"));
    m_da->setRange(1, 1000000);
    m_da->setValue(1);
    m_a = new QSpinBox(this);
    m_a->setObjectName(QStringLiteral("Aschedina"));
    m_a->setRange(1, std::max(1, numeroSchedine));
    m_a->setValue(std::max(1, numeroSchedine));
    f->addRow(QStringLiteral("Da Schedina "), m_da);
    f->addRow(QStringLiteral("A Schedina"), m_a);
    auto *accetta = new QPushButton(QStringLiteral("&Accetta"), this);
    accetta->setObjectName(QStringLiteral("BitBtnAccetta"));
    accetta->setDefault(true);
    l->addWidget(accetta);
    connect(accetta, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_da, &QSpinBox::valueChanged, this, [this] { Controlla(); });
    connect(m_a, &QSpinBox::valueChanged, this, [this] { Controlla(); });
}

int Tselezioneschedine::da() const
{
    return m_da->value();
}
int Tselezioneschedine::a() const
{
    return m_a->value();
}

void Tselezioneschedine::Controlla()
{
    if (m_a->value() < m_da->value())
        m_da->setValue(m_a->value());
}
