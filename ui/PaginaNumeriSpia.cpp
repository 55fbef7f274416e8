#include "ui/PaginaNumeriSpia.h"

#include "ui/TfrmNumSpia.h"

#include <QShowEvent>
#include <QVBoxLayout>

PaginaNumeriSpia::PaginaNumeriSpia(sestina::StatoCondiviso &stato, QWidget *parent)
    : Pagina(stato, QStringLiteral("TabNumSpia"), parent)
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    m_finestra = new TfrmNumSpia(stato, this);
    m_finestra->setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
    l->addWidget(m_finestra);
}

sestina::Vista PaginaNumeriSpia::Vista()
{
    sestina::Vista v;
    v.nome = "Numeri Spia";
    // The window keeps its own copy of the archive: after a change of length it
    // is read again and the date lists refilled.
    v.riempiDate = [this] { m_finestra->Ricarica(); };
    return v;
}

void PaginaNumeriSpia::showEvent(QShowEvent *e)
{
    Pagina::showEvent(e);
    if (!e->spontaneous())
        m_finestra->Mostra();
}
