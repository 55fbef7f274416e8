#include "ui/ExtStringGrid.h"

#include "ui/Qt.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

// Paints one cell of the model as the table's delegate would show it.
void DipingiCella(QPainter *p, const QRect &r, const QAbstractItemModel *m, int riga, int colonna)
{
    QModelIndex i = m->index(riga, colonna);
    p->save();
    p->fillRect(r, m->data(i, Qt::BackgroundRole).value<QBrush>());
    p->setPen(QColor(160, 160, 160));
    p->drawLine(r.topRight(), r.bottomRight());
    p->drawLine(r.bottomLeft(), r.bottomRight());
    p->setFont(m->data(i, Qt::FontRole).value<QFont>());
    p->setPen(m->data(i, Qt::ForegroundRole).value<QBrush>().color());
    auto allineamento = Qt::Alignment(m->data(i, Qt::TextAlignmentRole).toInt());
    p->drawText(r.adjusted(3, 0, -3, 0), static_cast<int>(allineamento), m->data(i, Qt::DisplayRole).toString());
    p->restore();
}

} // namespace

// The fixed rows (horizontal) or fixed columns (vertical) of the grid, painted in
// a header so they stay in view while the rest scrolls.
class IntestazioneGriglia : public QHeaderView {
public:
    IntestazioneGriglia(Qt::Orientation o, ExtStringGrid *griglia) : QHeaderView(o, griglia), m_griglia(griglia)
    {
        setSectionsClickable(true);
        setHighlightSections(false);
        setMinimumSectionSize(4);
        setSectionResizeMode(QHeaderView::Fixed);
    }
    int ultimaColonnaPremuta() const { return m_colonna; }

protected:
    void paintSection(QPainter *p, const QRect &rect, int sezione) const override
    {
        const sestina::Griglia &g = m_griglia->griglia();
        if (orientation() == Qt::Horizontal) {
            int y = rect.top();
            for (int r = 0; r < g.righeFisse && r < g.righe(); ++r) {
                DipingiCella(p, QRect(rect.left(), y, rect.width(), g.altezza(r)), model(), r, sezione);
                y += g.altezza(r);
            }
        } else {
            int x = rect.left();
            for (int c = 0; c < g.colonneFisse && c < g.colonne(); ++c) {
                DipingiCella(p, QRect(x, rect.top(), g.larghezza(c), rect.height()), model(), sezione, c);
                x += g.larghezza(c);
            }
        }
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        m_colonna = 0;
        const sestina::Griglia &g = m_griglia->griglia();
        for (int c = 0, x = 0; c < g.colonneFisse; ++c) {
            x += g.larghezza(c);
            if (e->position().x() < x) {
                m_colonna = c;
                break;
            }
            m_colonna = c;
        }
        QHeaderView::mousePressEvent(e);
    }

private:
    ExtStringGrid *m_griglia;
    int m_colonna = 0;
};

ExtStringGrid::ExtStringGrid(QWidget *parent) : QTableView(parent), m_adapter(new GrigliaAdapter(this))
{
    setModel(m_adapter);
    auto *orizzontale = new IntestazioneGriglia(Qt::Horizontal, this);
    auto *verticale = new IntestazioneGriglia(Qt::Vertical, this);
    setHorizontalHeader(orizzontale);
    setVerticalHeader(verticale);
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
    connect(orizzontale, &QHeaderView::sectionClicked, this, [this](int c) { Q_EMIT intestazioneCliccata(c); });
    connect(verticale, &QHeaderView::sectionClicked, this,
            [this, verticale](int r) { Q_EMIT cellaCliccata(r, verticale->ultimaColonnaPremuta()); });
    connect(verticale, &QHeaderView::sectionDoubleClicked, this,
            [this, verticale](int r) { Q_EMIT cellaDoppioClic(r, verticale->ultimaColonnaPremuta()); });
    // The corner holds the cells that are both in a fixed row and a fixed column.
    if (auto *angolo = findChild<QAbstractButton *>()) {
        m_angolo = angolo;
        angolo->installEventFilter(this);
        connect(angolo, &QAbstractButton::clicked, this, [this] { Q_EMIT intestazioneCliccata(0); });
    }
}

bool ExtStringGrid::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_angolo && e->type() == QEvent::Paint) {
        QPainter p(m_angolo);
        const sestina::Griglia &g = griglia();
        int y = 0;
        for (int r = 0; r < g.righeFisse && r < g.righe(); ++r) {
            int x = 0;
            for (int c = 0; c < g.colonneFisse && c < g.colonne(); ++c) {
                DipingiCella(&p, QRect(x, y, g.larghezza(c), g.altezza(r)), model(), r, c);
                x += g.larghezza(c);
            }
            y += g.altezza(r);
        }
        return true;
    }
    return QTableView::eventFilter(o, e);
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
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    if (m_angolo)
        m_angolo->update();
}

void ExtStringGrid::ApplicaMisure()
{
    const sestina::Griglia &g = griglia();
    int altezzaFisse = 0, larghezzaFisse = 0;
    for (int c = 0; c < g.colonne(); ++c) {
        if (columnWidth(c) != g.larghezza(c))
            setColumnWidth(c, g.larghezza(c));
        setColumnHidden(c, c < g.colonneFisse);
        if (c < g.colonneFisse)
            larghezzaFisse += g.larghezza(c);
    }
    for (int r = 0; r < g.righe(); ++r) {
        if (rowHeight(r) != g.altezza(r))
            setRowHeight(r, g.altezza(r));
        setRowHidden(r, r < g.righeFisse);
        if (r < g.righeFisse)
            altezzaFisse += g.altezza(r);
    }
    horizontalHeader()->setVisible(altezzaFisse > 0);
    horizontalHeader()->setFixedHeight(altezzaFisse);
    verticalHeader()->setVisible(larghezzaFisse > 0);
    verticalHeader()->setFixedWidth(larghezzaFisse);
    if (m_interaColonne) {
        int w = 2 * frameWidth();
        for (int c = 0; c < g.colonne(); ++c)
            w += g.larghezza(c);
        // Rows that may scroll need room for their bar beside the columns.
        if (!m_interaRighe)
            w += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        setMinimumWidth(w);
    }
    if (m_interaRighe) {
        int h = 2 * frameWidth();
        for (int r = 0; r < g.righe(); ++r)
            h += g.altezza(r);
        setMinimumHeight(h);
    }
}

void ExtStringGrid::ImpostaSempreIntera(bool colonne, bool righe)
{
    m_interaColonne = colonne;
    m_interaRighe = righe;
    if (colonne)
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (righe)
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ApplicaMisure();
}

QRect ExtStringGrid::RettangoloCella(int riga, int colonna) const
{
    const sestina::Griglia &g = griglia();
    int x, y;
    if (colonna < g.colonneFisse) {
        x = frameWidth();
        for (int c = 0; c < colonna; ++c)
            x += g.larghezza(c);
    } else {
        x = viewport()->x() + columnViewportPosition(colonna);
    }
    if (riga < g.righeFisse) {
        y = frameWidth();
        for (int r = 0; r < riga; ++r)
            y += g.altezza(r);
    } else {
        y = viewport()->y() + rowViewportPosition(riga);
    }
    return QRect(x, y, g.larghezza(colonna), g.altezza(riga));
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
