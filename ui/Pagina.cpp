#include "ui/Pagina.h"

#include "ui/ExtStringGrid.h"

#include "app/Errore.h"
#include "export/GrigliaCSV.h"
#include "ui/Dialoghi.h"
#include "ui/Qt.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <new>

Pagina::Pagina(sestina::StatoCondiviso &stato, const QString &nomeOggetto, QWidget *parent)
    : QWidget(parent), m_stato(stato)
{
    setObjectName(nomeOggetto);
}

bool EseguiAzione(QWidget *finestra, const std::function<void()> &azione)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString errore;
    try {
        azione();
    } catch (const sestina::Errore &e) {
        errore = Q(e.what());
    } catch (const std::bad_alloc &) {
        errore = QStringLiteral("Memoria esaurita: l'operazione è stata interrotta");
    } catch (const std::exception &e) {
        errore = QStringLiteral("Errore imprevisto: ") + Q(e.what());
    }
    QApplication::restoreOverrideCursor();
    if (!errore.isEmpty()) {
        Dialoghi::Errore(finestra, errore);
        return false;
    }
    return true;
}

bool Pagina::Esegui(const std::function<void()> &azione) { return EseguiAzione(this, azione); }

bool Pagina::SalvaGrigliaCSV(const sestina::Griglia &griglia, const QString &nomeProposto)
{
    auto file = Dialoghi::SalvaFile(this, nomeProposto, QStringLiteral("File CSV (*.CSV *.csv)"), QStringLiteral(".csv"));
    if (!file)
        return false;
    return Esegui([&] { sestina::esporta::SalvaCSV(griglia, S(*file)); });
}

PaginaSegnaposto::PaginaSegnaposto(sestina::StatoCondiviso &stato, const QString &nomeOggetto, const QString &titolo,
                                   QWidget *parent)
    : Pagina(stato, nomeOggetto, parent)
{
    auto *l = new QVBoxLayout(this);
    auto *t = new QLabel(titolo, this);
    QFont f = t->font();
    f.setPointSize(16);
    f.setBold(true);
    t->setFont(f);
    t->setAlignment(Qt::AlignCenter);
    l->addWidget(t);
}

void Pagina::InviaDoppioClic(ExtStringGrid *griglia)
{
    connect(griglia, &ExtStringGrid::cellaDoppioClic, this, [this, griglia](int r, int c) {
        if (m_stato.InvioASchedina)
            m_stato.InvioASchedina(griglia->griglia().testo(r, c));
    });
}
