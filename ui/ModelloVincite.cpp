#include "ui/ModelloVincite.h"

#include "ui/Qt.h"

#include <QBrush>
#include <QFont>

using namespace sestina;

ModelloVincite::ModelloVincite(QObject *parent) : QAbstractTableModel(parent) {}

void ModelloVincite::Imposta(sistemi::TabellaVincite t)
{
    beginResetModel();
    m_tabella = std::move(t);
    endResetModel();
}

void ModelloVincite::Ordina(int colonna)
{
    if (colonna < 0 || colonna >= m_tabella.colonne())
        return;
    beginResetModel();
    m_tabella.Ordina(colonna);
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_tabella.colonne() - 1);
}

int ModelloVincite::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_tabella.righe() - 1;
}

int ModelloVincite::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_tabella.colonne();
}

namespace {

QVariant Ruolo(const Cella &c, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return Q(c.testo);
    case Qt::BackgroundRole:
        return QBrush(c.sfondo ? QC(*c.sfondo) : QColor(Qt::white));
    case Qt::ForegroundRole:
        return QBrush(QC(c.colore));
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignVCenter | (c.allineamento == Allineamento::Destra   ? Qt::AlignRight
                                                    : c.allineamento == Allineamento::Centro ? Qt::AlignHCenter
                                                                                             : Qt::AlignLeft));
    default:
        return {};
    }
}

} // namespace

QVariant ModelloVincite::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() + 1 >= m_tabella.righe())
        return {};
    if (role != Qt::DisplayRole && role != Qt::BackgroundRole && role != Qt::ForegroundRole &&
        role != Qt::TextAlignmentRole)
        return {};
    return Ruolo(m_tabella.cella(index.row() + 1, index.column()), role);
}

QVariant ModelloVincite::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_tabella.colonne()) {
        if (orientation == Qt::Vertical && role == Qt::DisplayRole)
            return section + 1;
        return {};
    }
    if (role == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return Ruolo(m_tabella.cella(0, section), role);
}
