#pragma once

#include "app/Griglia.h"

#include <QDialog>

class ExtStringGrid;
class QLabel;

// A small window with a verdict line over a grid: "Verifica garanzia" and
// "Verifica storica". One per parent, shown again with new contents.
class FinestraGriglia : public QDialog {
    Q_OBJECT
public:
    // Finds the parent's window of that objectName or makes it, fills it, runs it (modal).
    static FinestraGriglia *Mostra(QWidget *parent, const QString &nome, const QString &titolo, const QString &esito,
                                   sestina::Griglia griglia);

    QString esito() const;
    ExtStringGrid *griglia() const { return m_griglia; }

private:
    FinestraGriglia(QWidget *parent, const QString &nome);
    QLabel *m_esito;
    ExtStringGrid *m_griglia;
};
