#include "ui/FinestraGriglia.h"

#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

FinestraGriglia::FinestraGriglia(QWidget *parent, const QString &nome) : QDialog(parent)
{
    setObjectName(nome);
    auto *l = new QVBoxLayout(this);
    m_esito = new QLabel(this);
    m_esito->setObjectName(nome + QStringLiteral("Esito"));
    QFont f = m_esito->font();
    f.setBold(true);
    m_esito->setFont(f);
    l->addWidget(m_esito);
    m_griglia = new ExtStringGrid(this);
    m_griglia->setObjectName(nome + QStringLiteral("Griglia"));
    l->addWidget(m_griglia, 1);
    auto *ok = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(ok, &QDialogButtonBox::rejected, this, &QDialog::reject);
    l->addWidget(ok);
}

FinestraGriglia *FinestraGriglia::Mostra(QWidget *parent, const QString &nome, const QString &titolo,
                                         const QString &esito, sestina::Griglia griglia)
{
    auto *f = parent->findChild<FinestraGriglia *>(nome, Qt::FindDirectChildrenOnly);
    if (!f)
        f = new FinestraGriglia(parent, nome);
    f->setWindowTitle(titolo);
    f->m_esito->setText(esito);
    f->m_esito->setVisible(!esito.isEmpty());
    f->m_griglia->ImpostaGriglia(std::move(griglia));
    AdattaColonne(f->m_griglia);
    f->resize(std::max(420, f->m_griglia->horizontalHeader()->length() + 60), 320);
    Dialoghi::EseguiModale(f);
    return f;
}

QString FinestraGriglia::esito() const
{
    return m_esito->text();
}
