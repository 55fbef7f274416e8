#include "ui/ExtStringGrid.h"

#include "ui/Qt.h"

#include <QFontMetrics>
#include <QHeaderView>

ExtStringGrid::ExtStringGrid(QWidget *parent) : QTableView(parent), m_adapter(new GrigliaAdapter(this))
{
    setModel(m_adapter);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #a0a0a0; }"
                                 "QTableView::item:selected { background: rgb(0,120,215); color: white; }"));
    connect(this, &QTableView::clicked, this, [this](const QModelIndex &i) {
        if (i.row() < griglia().righeFisse)
            Q_EMIT intestazioneCliccata(i.column());
        else
            Q_EMIT cellaCliccata(i.row(), i.column());
    });
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { Q_EMIT cellaDoppioClic(i.row(), i.column()); });
}

void ExtStringGrid::ImpostaGriglia(sestina::Griglia g)
{
    m_adapter->Imposta(std::move(g));
    ApplicaMisure();
}

void ExtStringGrid::Aggiorna()
{
    m_adapter->Aggiorna();
    ApplicaMisure();
}

void ExtStringGrid::ApplicaMisure()
{
    const sestina::Griglia &g = griglia();
    for (int c = 0; c < g.colonne(); ++c)
        if (columnWidth(c) != g.larghezza(c))
            setColumnWidth(c, g.larghezza(c));
    for (int r = 0; r < g.righe(); ++r)
        if (rowHeight(r) != g.altezza(r))
            setRowHeight(r, g.altezza(r));
}

QImage ExtStringGrid::Immagine() { return grab().toImage(); }

void AdattaLarghezza(ExtStringGrid *g)
{
    const int linea = 1;
    int w = 4 * linea;
    for (int c = 0; c < g->griglia().colonne(); ++c)
        w += g->griglia().larghezza(c) + linea;
    if (QWidget *p = g->parentWidget(); p && g->x() + w > p->width() && p->width() > 0) {
        w = p->width() - g->x() - 10;
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    g->setFixedWidth(w);
}

void AdattaAltezza(ExtStringGrid *g)
{
    const int linea = 1;
    int h = 4 * linea;
    for (int r = 0; r < g->griglia().righe(); ++r)
        h += g->griglia().altezza(r) + linea;
    g->setFixedHeight(h);
}

void AdattaColonne(ExtStringGrid *g)
{
    sestina::Griglia &m = g->modifica();
    for (int c = 0; c < m.colonne(); ++c) {
        int w = 0;
        for (int r = 0; r < m.righe(); ++r) {
            QFont f = g->adapter()->data(g->adapter()->index(r, c), Qt::FontRole).value<QFont>();
            w = std::max(w, QFontMetrics(f).horizontalAdvance(Q(m.testo(r, c))));
        }
        m.ImpostaLarghezza(c, w + 5);
    }
    g->Aggiorna();
}
