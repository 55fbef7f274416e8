#include "ui/TForm1.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "archive/Archivio.h"
#include "ui/Dialoghi.h"
#include "ui/FinestraGuida.h"
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
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>

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
    // F1: the guide at the section of the page in front.
    auto *f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] {
        QWidget *davanti = m_estrazioni->pannello()->isVisible() ? m_estrazioni->pannello() : m_pagine->currentWidget();
        FinestraGuida::Apri(this, Q(m_stato.DirectoryProgramma),
                            FinestraGuida::SezionePerPagina(davanti ? davanti->objectName() : QString()));
    });
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
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        resize(DimensioneIniziale(s->availableGeometry()));
        move(s->availableGeometry().center() - rect().center());
    }
    setWindowTitle(Q(TitoloProdotto));
    RegistraViste();
    // The archive, the settings and the draw days are loaded each on its own: a
    // fault in one (an invalid date, a missing file) must not leave the others
    // empty, or a later save would write the empty values over the user's files.
    bool archivioPronto = false, impostazioniPronte = false;
    try {
        // Archive and settings files are opened by their bare names in the program folder.
        if (::chdir(m_stato.DirectoryProgramma.c_str()) != 0)
            throw Errore::diFile("impossibile entrare nella cartella", m_stato.DirectoryProgramma, errno);
        archivio::Archivio archivio(m_stato.DirectoryProgramma);
        if (auto nota = archivio.Ripristina())
            Dialoghi::Avviso(this, Q(*nota));
        m_stato.UltimaEstrazione = archivio.LeggiUltimaEstrazione();
        m_stato.ListaColonne.Clear();
        m_stato.ListaDate.Clear();
        m_stato.AggiornaViste();
        // The slip list starts as one empty slip.
        findChild<PaginaStampa *>()->NuovaGiocata();
        archivioPronto = true;
    } catch (const Errore &e) {
        // The window still opens.
        Dialoghi::Errore(this, Q(e.what()));
    }
    std::string erroriImpostazioni;
    try {
        m_stato.ListaImmagini.LoadFromFile(m_stato.percorso(FileListaLoghi));
    } catch (const Errore &e) {
        erroriImpostazioni = e.what();
    }
    try {
        m_estrazioni->pannello()->CaricaImpostazioni();
    } catch (const Errore &e) {
        erroriImpostazioni += (erroriImpostazioni.empty() ? "" : "\n") + std::string(e.what());
    }
    // One message for every settings file that could not be read.
    if (erroriImpostazioni.empty())
        impostazioniPronte = true;
    else
        Dialoghi::Errore(this, Q(erroriImpostazioni));
    try {
        m_estrazioni->CaricaGiorniEstrazione();
    } catch (const Errore &e) {
        Dialoghi::Errore(this, Q(e.what()));
    }
    m_estrazioni->ImpostaStatoControlli(PaginaEstrazioni::Stato::Navigazione);
    ApplicaLayoutEdizione();
    if (archivioPronto) {
        try {
            m_estrazioni->ImpostaCursore(m_stato.UltimaEstrazione);
            m_estrazioni->MostraEstrazioni();
        } catch (const Errore &e) {
            Dialoghi::Errore(this, Q(e.what()));
            archivioPronto = false;
        }
    }
    m_avvioCompleto = archivioPronto && impostazioniPronte;
}

QSize TForm1::DimensioneIniziale(const QRect &disponibile)
{
    // 1020 x 750 by default; never larger than the screen less the title bar, and
    // nearly the whole screen where that is larger.
    const int titolo = 40;
    const int w = std::max(1020, disponibile.width() * 19 / 20);
    const int h = std::max(750, (disponibile.height() - titolo) * 9 / 10);
    return QSize(std::max(652, std::min(w, disponibile.width())),
                 std::max(492, std::min(h, disponibile.height() - titolo)));
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
