#include "ui/UscitaGriglie.h"

#include "app/FileAtomico.h"
#include "export/render/Jpeg.h"
#include "export/render/PittoreReport.h"
#include "ui/Anteprima.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Pagina.h"
#include "ui/Qt.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

using namespace sestina;

namespace {

const QString FiltroJpg = QStringLiteral("File Jpg (*.Jpg *.jpg)");

// Files are opened by bare name in the program folder: dialogs must not move it.
void TornaAllaCartella(const StatoCondiviso &stato)
{
    QDir::setCurrent(Q(stato.DirectoryProgramma));
}

} // namespace

void SalvaGrigliaJPEG(ExtStringGrid *griglia, const std::string &percorso)
{
    resa::SalvaJPEG(griglia->grab().toImage(), resa::QualitaGriglia, percorso);
}

bool SalvaGrigliaJPEGConDialogo(QWidget *parent, ExtStringGrid *griglia, const QString &nomeProposto, QString *scelto)
{
    auto file = Dialoghi::SalvaFile(parent, nomeProposto, FiltroJpg, QStringLiteral(".jpg"));
    if (!file)
        return false;
    if (scelto)
        *scelto = *file;
    return EseguiAzione(parent, [&] { SalvaGrigliaJPEG(griglia, S(*file)); });
}

QImage FotoFinestra(QWidget *w)
{
    return w->window()->grab().toImage();
}

bool SalvaFotoFinestra(QWidget *parent, const QString &nomeProposto)
{
    const QImage foto = FotoFinestra(parent);
    auto file = Dialoghi::SalvaFile(parent, nomeProposto, FiltroJpg, QStringLiteral(".jpg"));
    if (!file)
        return false;
    return EseguiAzione(parent, [&] { resa::SalvaJPEG(foto, resa::QualitaFinestra, S(*file)); });
}

esporta::IntestazioneReport IntestazioneCorrente(QWidget *w, const StatoCondiviso &stato)
{
    DatiUtente u;
    bool trovati = true;
    // The user panel lives in the main window, also above a dialog's window.
    QWidget *cima = w;
    while (cima->parentWidget())
        cima = cima->parentWidget();
    for (size_t i = 0; i < u.campi.size(); ++i) {
        auto *e = cima->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(i + 1));
        if (!e) {
            trovati = false;
            break;
        }
        u.campi[i] = S(e->text());
    }
    if (!trovati && EsisteFile(stato.percorso(FileUtente))) {
        TExStringList l;
        l.LoadFromFile(stato.percorso(FileUtente));
        u = LeggiDatiUtente(l);
    }
    u.indiceImmagine = stato.impostazioni.IndiceImmagine;
    return esporta::IntestazioneDaUtente(u, stato.ListaImmagini, stato.DirectoryProgramma);
}

esporta::FiguraPixel FiguraDaWidget(QWidget *w)
{
    const QImage i = w->grab().toImage();
    return {std::make_shared<const esporta::Raster>(resa::RasterDaImmagine(i)), i.width(), i.height()};
}

bool StampaGriglia(QWidget *parent, const StatoCondiviso &stato, QWidget *griglia, const std::string &titolo,
                   const std::string &sottotitolo1, const std::string &sottotitolo2)
{
    return EseguiAzione(parent, [&] {
        ApriAnteprima(parent, esporta::Tmyreport(IntestazioneCorrente(parent, stato), FiguraDaWidget(griglia), titolo,
                                                 sottotitolo1, sottotitolo2));
        TornaAllaCartella(stato);
    });
}

bool StampaDueGriglie(QWidget *parent, const StatoCondiviso &stato, QWidget *sinistra, QWidget *destra,
                      const std::string &titolo, const std::string &sottotitolo1, const std::string &sottotitolo2)
{
    return EseguiAzione(parent, [&] {
        ApriAnteprima(parent,
                      esporta::Tmyreportorizzontale(IntestazioneCorrente(parent, stato), FiguraDaWidget(sinistra),
                                                    FiguraDaWidget(destra), titolo, sottotitolo1, sottotitolo2));
        TornaAllaCartella(stato);
    });
}

QMenu *MenuStampa(QToolButton *stampa, const QString &nomeReport, const QString &nomeTabulato,
                  const std::function<void()> &report, const std::function<void()> &tabulato, bool pulsanteTabulato)
{
    auto *menu = new QMenu(stampa);
    menu->setObjectName(QStringLiteral("MenuStampa") + nomeReport);
    auto *r = menu->addAction(QStringLiteral("&Report"), stampa, report);
    r->setObjectName(nomeReport);
    auto *t = menu->addAction(QStringLiteral("&Tabulato"), stampa, tabulato);
    t->setObjectName(nomeTabulato);
    stampa->setMenu(menu);
    if (pulsanteTabulato) {
        stampa->setPopupMode(QToolButton::MenuButtonPopup);
        QObject::connect(stampa, &QToolButton::clicked, stampa, tabulato);
    } else {
        stampa->setPopupMode(QToolButton::InstantPopup);
    }
    stampa->setEnabled(true);
    return menu;
}

bool StampaReport(QWidget *parent, const StatoCondiviso &stato, const std::function<esporta::Report()> &modulo,
                  bool modale)
{
    const bool fatto = EseguiAzione(parent, [&] { ApriAnteprima(parent, modulo(), modale); });
    TornaAllaCartella(stato);
    return fatto;
}
