#include "ui/GrigliaAdapter.h"

#include "ui/Qt.h"

#include <QBrush>
#include <QFont>

GrigliaAdapter::GrigliaAdapter(QObject *parent) : QAbstractTableModel(parent) {}

void GrigliaAdapter::Imposta(sestina::Griglia g)
{
    beginResetModel();
    m_griglia = std::move(g);
    endResetModel();
}

void GrigliaAdapter::Aggiorna()
{
    if (m_griglia.righe() > 0 && m_griglia.colonne() > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_griglia.righe() - 1, m_griglia.colonne() - 1));
}

void GrigliaAdapter::ImpostaTestoCella(int riga, int colonna, const std::string &testo)
{
    m_griglia.ImpostaTesto(riga, colonna, testo);
    Q_EMIT dataChanged(index(riga, colonna), index(riga, colonna));
}

int GrigliaAdapter::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_griglia.righe(); }
int GrigliaAdapter::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_griglia.colonne();
}

QVariant GrigliaAdapter::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_griglia.righe() || index.column() >= m_griglia.colonne())
        return {};
    const sestina::Cella &c = m_griglia.cella(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Q(c.testo);
    case RuoloValore: {
        bool ok = false;
        QString t = Q(c.testo).trimmed();
        qlonglong v = t.toLongLong(&ok);
        if (ok)
            return v;
        double d = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (ok)
            return d;
        return t;
    }
    case Qt::BackgroundRole:
        return QBrush(QC(m_griglia.sfondoEffettivo(index.row(), index.column())));
    case Qt::ForegroundRole:
        return QBrush(QC(c.colore));
    case Qt::FontRole: {
        QFont f(Q(m_griglia.fontFamiglia));
        f.setPixelSize(c.dimensioneFont > 0 ? c.dimensioneFont : m_griglia.fontPixel);
        f.setBold(c.grassetto || m_griglia.fontGrassetto);
        f.setUnderline(c.sottolineato);
        return f;
    }
    case Qt::TextAlignmentRole: {
        Qt::Alignment h = c.allineamento == sestina::Allineamento::Centro   ? Qt::AlignHCenter
                          : c.allineamento == sestina::Allineamento::Destra ? Qt::AlignRight
                                                                            : Qt::AlignLeft;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

bool GrigliaAdapter::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    m_griglia.ImpostaTesto(index.row(), index.column(), S(value.toString()));
    Q_EMIT dataChanged(index, index);
    Q_EMIT testoModificato(index.row(), index.column());
    return true;
}

Qt::ItemFlags GrigliaAdapter::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled;
    bool fissa = m_griglia.fissa(index.row(), index.column());
    if (!fissa)
        f |= Qt::ItemIsSelectable;
    if (m_modificabile && m_modificabile(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}
