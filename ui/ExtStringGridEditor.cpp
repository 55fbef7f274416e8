#include "ui/ExtStringGridEditor.h"

#include <QKeyEvent>
#include <QLineEdit>

ValidatoreNumeroCella::ValidatoreNumeroCella(int minimo, int massimo, QObject *parent)
    : QValidator(parent), m_minimo(minimo), m_massimo(massimo)
{
}

QValidator::State ValidatoreNumeroCella::validate(QString &testo, int &posizione) const
{
    if (testo.isEmpty())
        return Acceptable;
    for (QChar c : testo)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    bool ok = false;
    const int v = testo.toInt(&ok);
    if (!ok || v < m_minimo || v > m_massimo) {
        // Erased rather than refused: the next digit starts a new number.
        testo.clear();
        posizione = 0;
    }
    return Acceptable;
}

EditorNumeriCella::EditorNumeriCella(int minimo, int massimo, QObject *parent)
    : QStyledItemDelegate(parent), m_minimo(minimo), m_massimo(massimo)
{
}

QWidget *EditorNumeriCella::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("EditorCella"));
    e->setFrame(false);
    e->setAlignment(Qt::AlignCenter);
    e->setValidator(new ValidatoreNumeroCella(m_minimo, m_massimo, e));
    e->setMaxLength(QString::number(m_massimo).size());
    QFont f = index.data(Qt::FontRole).value<QFont>();
    e->setFont(f);
    auto *self = const_cast<EditorNumeriCella *>(this);
    // The cell follows every keystroke, so a button pressed while typing sees the typed value.
    connect(e, &QLineEdit::textEdited, self, [self, e] { Q_EMIT self->commitData(e); });
    // F2 and a double click keep the text to edit it; a typed digit has already replaced it.
    QMetaObject::invokeMethod(
        e,
        [e] {
            if (e->hasSelectedText() && e->selectedText() == e->text()) {
                e->deselect();
                e->end(false);
            }
        },
        Qt::QueuedConnection);
    m_editor = e;
    m_indice = index;
    m_originale = index.data(Qt::EditRole).toString();
    return e;
}

void EditorNumeriCella::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *e = static_cast<QLineEdit *>(editor);
    const QString testo = index.data(Qt::EditRole).toString().trimmed();
    if (e->text() != testo)
        e->setText(testo);
}

void EditorNumeriCella::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *e = static_cast<QLineEdit *>(editor);
    if (model->data(index, Qt::EditRole).toString() != e->text())
        model->setData(index, e->text(), Qt::EditRole);
}

void EditorNumeriCella::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    // Closed by the view (another cell, a redraw) or by us: no longer the open one.
    if (editor == m_editor.data())
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

QLineEdit *EditorNumeriCella::editorAperto() const
{
    return m_editor.data();
}

void EditorNumeriCella::Conferma()
{
    if (QLineEdit *e = m_editor.data()) {
        Q_EMIT commitData(e);
        Q_EMIT closeEditor(e, QAbstractItemDelegate::NoHint);
    }
}

bool EditorNumeriCella::eventFilter(QObject *o, QEvent *ev)
{
    auto *e = qobject_cast<QLineEdit *>(o);
    if (e && e == m_editor.data() && ev->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(ev);
        const int riga = m_indice.row(), colonna = m_indice.column();
        const QString t = k->text();
        const bool invioPremuto = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        const bool tab = k->key() == Qt::Key_Tab;
        const bool carattere =
            t.size() == 1 && t[0].isPrint() && !(t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('9'));
        if (k->key() == Qt::Key_Escape) {
            // The cell already follows the keystrokes: Esc puts back what it held.
            if (auto *m = const_cast<QAbstractItemModel *>(m_indice.model()); m && m_indice.isValid())
                m->setData(m_indice, m_originale, Qt::EditRole);
            Q_EMIT closeEditor(e, QAbstractItemDelegate::NoHint);
            return true;
        }
        if (invioPremuto || tab || carattere) {
            Conferma();
            if (invioPremuto)
                Q_EMIT invio(riga, colonna);
            else
                Q_EMIT avanti(riga, colonna);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(o, ev);
}
