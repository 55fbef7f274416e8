#pragma once

#include "app/Colonna.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

// ExtStringGrid23 of "Mostra colonne": the columns of the development read on
// demand, so a million columns cost no grid of two million cells.
class ModelloSviluppo : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloSviluppo(QObject *parent = nullptr);

    // Header only: `prima` and "Sviluppo" ("Scheda " after a change of the choices).
    void Vuota(const std::string &prima);
    // Cut back to the header it has.
    void Taglia();
    // "Scheda n." / "Sviluppo", then one row per column.
    void Imposta(std::vector<sestina::Colonna> lista);
    // The grid as "Salva" / "CSV" writes it.
    std::string CSV() const;

    const std::vector<sestina::Colonna> &lista() const { return m_lista; }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<sestina::Colonna> m_lista;
    std::string m_prima = "Scheda ";
};
