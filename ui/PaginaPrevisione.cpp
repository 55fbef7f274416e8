#include "ui/PaginaPrevisione.h"

#include "archive/Archivio.h"
#include "ui/BarraDate.h"
#include "ui/ExtStringGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

using namespace sestina;

PaginaPrevisione::PaginaPrevisione(StatoCondiviso &stato, const QString &nomeOggetto, bool dateCrescenti,
                                   QWidget *parent)
    : Pagina(stato, nomeOggetto, parent), m_dateCrescenti(dateCrescenti)
{
}

sestina::Vista PaginaPrevisione::VistaPrevisione(const char *nome, std::function<void()> ridisegna)
{
    sestina::Vista v;
    v.nome = nome;
    v.reimpostaCursore = [this] { m_record = m_stato.UltimaEstrazione; };
    v.riempiDate = [this] { RiempiDate(); };
    v.ridisegna = [this, ridisegna = std::move(ridisegna)] {
        if (isVisible())
            ridisegna();
    };
    return v;
}

void PaginaPrevisione::RiempiDate()
{
    m_date->clear();
    if (m_stato.UltimaEstrazione < 0)
        return;
    const archivio::Archivio a(m_stato.DirectoryProgramma);
    ::RiempiDate(m_date, m_dateCrescenti ? archivio::DateCrescenti(a) : archivio::DateDecrescenti(a));
}

void PaginaPrevisione::showEvent(QShowEvent *e)
{
    Pagina::showEvent(e);
    if (m_date->count() == 0)
        RiempiDate();
    if (m_record < 0 || m_record > m_stato.UltimaEstrazione)
        m_record = m_stato.UltimaEstrazione;
}

ExtStringGrid *PaginaPrevisione::GrigliaRisultato(QGridLayout *griglie, const char *nome, const QString &titolo,
                                                  int colonna, int altezzaMinima)
{
    griglie->addWidget(new QLabel(titolo, this), 0, colonna);
    auto *g = new ExtStringGrid(this);
    g->setObjectName(QString::fromLatin1(nome));
    g->setMinimumHeight(altezzaMinima);
    griglie->addWidget(g, 1, colonna);
    InviaDoppioClic(g);
    return g;
}
