#pragma once

#include "systems/Spoglio.h"

#include <QAbstractTableModel>

// The results of a check as the table reads them: the compact winning pairs of
// TabellaVincite turned into text and colours only for the rows on screen, so
// millions of rows cost no cells. The header row becomes the horizontal header.
class ModelloVincite : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloVincite(QObject *parent = nullptr);

    void Imposta(sestina::sistemi::TabellaVincite t);
    // Sorts by a header's column as the window does on a header click.
    void Ordina(int colonna);
    const sestina::sistemi::TabellaVincite &tabella() const { return m_tabella; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    sestina::sistemi::TabellaVincite m_tabella;
};
