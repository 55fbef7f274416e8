#pragma once

#include "app/Griglia.h"

#include <QAbstractTableModel>

#include <functional>

// The one Qt adapter of the grid model: cell attributes become display,
// background, foreground, font and alignment roles.
class GrigliaAdapter : public QAbstractTableModel {
    Q_OBJECT
public:
    // The cell's text for sorting: integer, decimal or text as the column holds.
    static constexpr int RuoloValore = Qt::UserRole + 1;

    explicit GrigliaAdapter(QObject *parent = nullptr);

    void Imposta(sestina::Griglia g);
    const sestina::Griglia &griglia() const { return m_griglia; }
    // Change cells in place, then Aggiorna() repaints.
    sestina::Griglia &modifica() { return m_griglia; }
    void Aggiorna();
    void ImpostaTestoCella(int riga, int colonna, const std::string &testo);

    // Which cells the user may type into (none by default).
    void ImpostaModificabile(std::function<bool(int, int)> f) { m_modificabile = std::move(f); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    void testoModificato(int riga, int colonna);

private:
    sestina::Griglia m_griglia;
    std::function<bool(int, int)> m_modificabile;
};
