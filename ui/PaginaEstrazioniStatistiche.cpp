// The draw statistics under the draws table.
#include "ui/PaginaEstrazioni.h"

#include "ui/SottopagineEstrazioni.h"

#include <QVBoxLayout>

void PaginaEstrazioni::CreaStatisticheEstrazioni(QWidget *area)
{
    auto *l = new QVBoxLayout(area);
    l->setContentsMargins(0, 0, 0, 0);
    m_sottopagine = new SottopagineEstrazioni(m_stato, m_tabella, area);
    l->addWidget(m_sottopagine);
}

void PaginaEstrazioni::AggiornaStatisticheEstrazioni()
{
    if (m_sottopagine)
        m_sottopagine->Aggiorna();
}
