#include "ui/TForm1.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "archive/Archivio.h"
#include "ui/Dialoghi.h"
#include "ui/PageControl.h"
#include "ui/PaginaAmbo.h"
#include "ui/PaginaArmonia.h"
#include "ui/PaginaAstro.h"
#include "ui/PaginaConsulta.h"
#include "ui/PaginaCruci.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/PaginaInCalore.h"
#include "ui/PaginaMetodi.h"
#include "ui/PaginaNumeriSpia.h"
#include "ui/PaginaSistemi.h"
#include "ui/PaginaStampa.h"
#include "ui/PaginaStampaLotto.h"
#include "ui/PaginaStat.h"
#include "ui/PannelloUtente.h"
#include "ui/Qt.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <unistd.h>

using namespace sestina;

TForm1::TForm1(const QString &dir, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    QString d = QDir(dir).absolutePath();
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    m_stato.DirectoryProgramma = S(d);

    m_pagine = new PageControl(this);
    m_pagine->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(m_pagine);

    m_estrazioni = new PaginaEstrazioni(m_stato, m_pagine);
    struct Voce {
        Pagina *pagina;
        const char *titolo;
        QStyle::StandardPixmap icona;
    };
    const Voce voci[] = {
        {m_estrazioni, "&Estrazioni", QStyle::SP_FileDialogDetailedView},
        {new PaginaNumeriSpia(m_stato, m_pagine), "Numeri Spia", QStyle::SP_FileDialogContentsView},
        {new PaginaConsulta(m_stato, m_pagine), "&Consulta", QStyle::SP_FileDialogInfoView},
        {new PaginaStat(m_stato, m_pagine), "&Stat", QStyle::SP_FileDialogListView},
        {new PaginaInCalore(m_stato, m_pagine), "&In Calore", QStyle::SP_MessageBoxWarning},
        {new PaginaSistemi(m_stato, m_pagine), "&Sistemi", QStyle::SP_DirIcon},
        {new PaginaAstro(m_stato, m_pagine), "&Astro", QStyle::SP_DesktopIcon},
        {new PaginaStampa(m_stato, m_pagine), "Stampa", QStyle::SP_DialogSaveButton},
        {new PaginaStampaLotto(m_stato, m_pagine), "Stampa", QStyle::SP_DialogSaveButton},
        {new PaginaAmbo(m_stato, m_pagine), "Ambo", QStyle::SP_ArrowRight},
        {new PaginaMetodi(m_stato, m_pagine), "Metodi", QStyle::SP_FileIcon},
        {new PaginaCruci(m_stato, m_pagine), "&Cruci", QStyle::SP_FileDialogNewFolder},
        {new PaginaArmonia(m_stato, m_pagine), "Armonia", QStyle::SP_MediaPlay},
    };
    for (const Voce &v : voci) {
        m_pagine->AggiungiPagina(v.pagina, Q(v.titolo), style()->standardIcon(v.icona));
        m_elenco.push_back(v.pagina);
    }
    connect(m_estrazioni, &PaginaEstrazioni::richiestaUscita, this, &QWidget::close);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    setWindowState(Qt::WindowNoState);
    resize(1020, 750);
    setMinimumSize(652, 492);
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    setWindowTitle(Q(TitoloProdotto));
    RegistraViste();
    try {
        // Archive and settings files are opened by their bare names in the program folder.
        if (::chdir(m_stato.DirectoryProgramma.c_str()) != 0)
            throw Errore::diFile("impossibile entrare nella cartella", m_stato.DirectoryProgramma, errno);
        archivio::Archivio archivio(m_stato.DirectoryProgramma);
        m_stato.UltimaEstrazione = archivio.LeggiUltimaEstrazione();
        m_stato.ListaImmagini.LoadFromFile(m_stato.percorso(FileListaLoghi));
        m_stato.ListaColonne.Clear();
        m_stato.ListaDate.Clear();
        m_stato.UltimaEstrazione = archivio.LeggiUltimaEstrazione();
        m_stato.AggiornaViste();
        // The slip list starts as one empty slip.
        findChild<PaginaStampa *>()->NuovaGiocata();
        m_estrazioni->pannello()->CaricaImpostazioni();
        m_estrazioni->CaricaGiorniEstrazione();
        m_estrazioni->ImpostaStatoControlli(PaginaEstrazioni::Stato::Navigazione);
        ApplicaLayoutEdizione();
        m_estrazioni->ImpostaCursore(m_stato.UltimaEstrazione);
        m_estrazioni->MostraEstrazioni();
        m_avvioCompleto = true;
    } catch (const Errore &e) {
        // The window still opens; the remaining start-up steps are skipped.
        Dialoghi::Errore(this, Q(e.what()));
        ApplicaLayoutEdizione();
    }
}

void TForm1::ApplicaLayoutEdizione()
{
    setWindowTitle(Q(TitoloProdotto));
    m_estrazioni->ImpostaAltezzaRighe(24);
    m_pagine->ImpostaPaginaVisibile(m_pagine->indiceDi(findChild<PaginaStampa *>()), true);
    m_pagine->ImpostaPaginaVisibile(m_pagine->indiceDi(findChild<PaginaStampaLotto *>()), false);
    // This edition has a single archive: the archive-selection bars are hidden.
    for (const char *nome : {"ToolBar1", "ToolBar4", "ToolBar13", "ToolBar32", "ToolBar20", "ToolBar27"})
        if (QWidget *w = findChild<QWidget *>(QString::fromLatin1(nome)))
            w->hide();
    m_pagine->setCurrentIndex(0);
}

void TForm1::RegistraViste()
{
    // Registration order is the order of AggiornaViste: the statistics page first
    // (date lists and redraw), then the draws table, then the pages with date lists.
    auto registra = [this](Pagina *p) { m_stato.viste.Registra(p->Vista()); };
    registra(findChild<PaginaStat *>());
    registra(m_estrazioni);
    registra(findChild<PaginaConsulta *>());
    registra(findChild<PaginaInCalore *>());
    registra(findChild<PaginaAstro *>());
    registra(findChild<PaginaArmonia *>());
    registra(findChild<PaginaMetodi *>());
    registra(findChild<PaginaAmbo *>());
    registra(findChild<PaginaNumeriSpia *>());
    registra(findChild<PaginaSistemi *>());
    registra(findChild<PaginaStampa *>());
    registra(findChild<PaginaCruci *>());
    m_stato.viste.ImpostaRicostruzioneListaDate([this] { RiempiListaDate(); });
}

void TForm1::RiempiListaDate()
{
    m_stato.ListaDate.Clear();
    for (auto &d : archivio::DateDecrescenti(archivio::Archivio(m_stato.DirectoryProgramma)))
        m_stato.ListaDate.Add(std::move(d));
}

void TForm1::MostraPaginaStampa() { m_pagine->setCurrentWidget(findChild<PaginaStampa *>()); }

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!m_avvioCompleto || e->spontaneous())
        return;
    try {
        m_estrazioni->pannello()->CaricaImpostazioni();
    } catch (const Errore &err) {
        Dialoghi::Errore(this, Q(err.what()));
    }
}
