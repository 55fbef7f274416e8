#include "ui/ModelloSviluppo.h"

#include "systems/Sviluppo.h"
#include "ui/Qt.h"

#include <QFont>

#include <sstream>

using namespace sestina;

ModelloSviluppo::ModelloSviluppo(QObject *parent) : QAbstractTableModel(parent) {}

void ModelloSviluppo::Vuota(const std::string &prima)
{
    beginResetModel();
    m_lista.clear();
    m_prima = prima;
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 1);
}

void ModelloSviluppo::Taglia()
{
    beginResetModel();
    m_lista.clear();
    endResetModel();
}

void ModelloSviluppo::Imposta(std::vector<Colonna> lista)
{
    beginResetModel();
    m_lista = std::move(lista);
    m_prima = sistemi::TestoSviluppo(m_lista, 0, 0);
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 1);
}

std::string ModelloSviluppo::CSV() const
{
    if (m_lista.empty())
        return m_prima + ";Sviluppo;\r\n";
    std::ostringstream out;
    sistemi::ScriviCSVSviluppo(m_lista, out);
    return out.str();
}

int ModelloSviluppo::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lista.size());
}

int ModelloSviluppo::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ModelloSviluppo::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount())
        return {};
    return Q(sistemi::TestoSviluppo(m_lista, index.row() + 1, index.column()));
}

QVariant ModelloSviluppo::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section > 1)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return section == 0 ? Q(m_prima) : QStringLiteral("Sviluppo");
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
