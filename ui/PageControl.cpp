#include "ui/PageControl.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

PageControl::PageControl(QWidget *parent) : QWidget(parent)
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(2, 2, 2, 2);
    l->setSpacing(0);
    m_barra = new QWidget(this);
    m_griglia = new QGridLayout(m_barra);
    m_griglia->setContentsMargins(0, 0, 0, 0);
    m_griglia->setSpacing(1);
    m_gruppo = new QButtonGroup(this);
    m_gruppo->setExclusive(true);
    m_stack = new QStackedWidget(this);
    m_stack->setFrameShape(QFrame::StyledPanel);
    l->addWidget(m_barra);
    l->addWidget(m_stack, 1);
    setStyleSheet(QStringLiteral(
        "QToolButton[scheda=\"true\"] { border: 1px solid #9a9a9a; border-bottom: none; border-top-left-radius: 4px;"
        " border-top-right-radius: 4px; background: #e4e4e4; padding: 0 4px; text-align: left; }"
        "QToolButton[scheda=\"true\"]:hover { background: #cfe3ff; color: #0040a0; }"
        "QToolButton[scheda=\"true\"]:checked { background: #ffffff; font-weight: bold; }"));
}

int PageControl::AggiungiPagina(QWidget *pagina, const QString &titolo, const QIcon &icona)
{
    const int i = count();
    auto *b = new QToolButton(m_barra);
    b->setObjectName(QStringLiteral("Scheda_") + pagina->objectName());
    b->setProperty("scheda", true);
    b->setText(titolo);
    b->setIcon(icona);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setCheckable(true);
    b->setFixedSize(LarghezzaScheda, AltezzaScheda);
    m_gruppo->addButton(b, i);
    connect(b, &QToolButton::clicked, this, [this, i] { setCurrentIndex(i); });
    m_pagine.push_back(pagina);
    m_schede.push_back(b);
    m_visibili.push_back(true);
    m_stack->addWidget(pagina);
    DisponiSchede();
    if (m_indice < 0)
        setCurrentIndex(i);
    return i;
}

int PageControl::indiceDi(const QWidget *pagina) const
{
    for (int i = 0; i < count(); ++i)
        if (m_pagine[static_cast<size_t>(i)] == pagina)
            return i;
    return -1;
}

QString PageControl::titolo(int i) const { return m_schede.at(static_cast<size_t>(i))->text(); }

void PageControl::ImpostaPaginaVisibile(int i, bool visibile)
{
    m_visibili.at(static_cast<size_t>(i)) = visibile;
    DisponiSchede();
}

bool PageControl::paginaVisibile(int i) const { return m_visibili.at(static_cast<size_t>(i)); }

int PageControl::numeroSchedeVisibili() const
{
    int n = 0;
    for (bool v : m_visibili)
        n += v ? 1 : 0;
    return n;
}

QWidget *PageControl::currentWidget() const { return m_indice >= 0 ? m_pagine[static_cast<size_t>(m_indice)] : nullptr; }

void PageControl::setCurrentIndex(int i)
{
    if (i < 0 || i >= count() || i == m_indice)
        return;
    m_indice = i;
    m_schede[static_cast<size_t>(i)]->setChecked(true);
    m_stack->setCurrentIndex(i);
    Q_EMIT currentChanged(i);
}

void PageControl::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    int perRiga = std::max(1, (width() - 4) / (LarghezzaScheda + 1));
    if (perRiga != m_perRiga)
        DisponiSchede();
}

void PageControl::DisponiSchede()
{
    m_perRiga = std::max(1, (width() - 4) / (LarghezzaScheda + 1));
    for (auto *b : m_schede)
        m_griglia->removeWidget(b);
    int k = 0;
    for (size_t i = 0; i < m_schede.size(); ++i) {
        m_schede[i]->setVisible(m_visibili[i]);
        if (!m_visibili[i])
            continue;
        m_griglia->addWidget(m_schede[i], k / m_perRiga, k % m_perRiga, Qt::AlignLeft);
        ++k;
    }
    m_griglia->setColumnStretch(m_perRiga, 1);
}
