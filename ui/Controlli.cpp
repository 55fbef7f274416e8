#include "ui/Controlli.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>

QToolButton *Pulsante(QWidget *parent, const QString &nome, const QString &testo)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(nome);
    b->setText(testo);
    return b;
}

QButtonGroup *GruppoRadio(QWidget *parent, QBoxLayout *dove, const char *nome, const QString &titolo,
                          std::initializer_list<const char *> voci, bool orizzontale, QGroupBox **box)
{
    auto *riquadro = new QGroupBox(titolo, parent);
    riquadro->setObjectName(QString::fromLatin1(nome));
    QBoxLayout *l = orizzontale ? static_cast<QBoxLayout *>(new QHBoxLayout(riquadro))
                                : static_cast<QBoxLayout *>(new QVBoxLayout(riquadro));
    auto *g = new QButtonGroup(riquadro);
    int i = 0;
    for (const char *v : voci) {
        auto *b = new QRadioButton(QString::fromUtf8(v), riquadro);
        b->setObjectName(QString::fromLatin1(nome) + QString::number(i));
        g->addButton(b, i++);
        l->addWidget(b);
    }
    g->button(0)->setChecked(true);
    dove->addWidget(riquadro);
    if (box)
        *box = riquadro;
    return g;
}
