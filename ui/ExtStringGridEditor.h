#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QValidator>

class QLineEdit;

// A number cell holds a number from `minimo` to `massimo` or nothing: digits only,
// and a text out of range is erased at once.
class ValidatoreNumeroCella : public QValidator {
    Q_OBJECT
public:
    ValidatoreNumeroCella(int minimo, int massimo, QObject *parent = nullptr);
    State validate(QString &testo, int &posizione) const override;

private:
    int m_minimo, m_massimo;
};

// Editing of the number cells of a grid, as in a spreadsheet: typing on a
// selected cell replaces its value, F2 or a double click edits the text it holds.
// Every change reaches the model at once. Enter, Tab and any typed character
// that is not a digit end the editing and are reported, so the page decides
// where the cursor goes.
class EditorNumeriCella : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit EditorNumeriCella(int minimo, int massimo, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

    // The open editor, if any.
    QLineEdit *editorAperto() const;
    // Writes the open editor's text into its cell and closes it.
    void Conferma();

Q_SIGNALS:
    // Enter in a cell (after its text reached the model).
    void invio(int riga, int colonna);
    // Tab or a typed character that is not a digit.
    void avanti(int riga, int colonna);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    int m_minimo, m_massimo;
    mutable QPointer<QLineEdit> m_editor;
    mutable QPersistentModelIndex m_indice;
    mutable QString m_originale;
};
