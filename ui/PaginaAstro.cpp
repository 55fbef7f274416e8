#include "ui/PaginaAstro.h"

#include "app/Errore.h"
#include "methods/DatiReport.h"
#include "ui/BarraDate.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PannelloCruciverba.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::metodi;

PaginaAstro::PaginaAstro(StatoCondiviso &stato, QWidget *parent)
    : PaginaPrevisione(stato, QStringLiteral("TabSheet9"), false, parent)
{
    auto *principale = new QVBoxLayout(this);
    auto *segni = new QToolBar(this);
    segni->setObjectName(QStringLiteral("ToolBar14"));
    auto *gruppo = new QButtonGroup(this);
    for (int s = 1; s <= 12; ++s) {
        auto *b = Pulsante(segni, QStringLiteral("ToolButtonAstro%1").arg(s),
                           QString::fromLatin1(SegniZodiacali()[static_cast<size_t>(s - 1)].nome));
        b->setCheckable(true);
        gruppo->addButton(b);
        segni->addWidget(b);
        m_segni[static_cast<size_t>(s - 1)] = b;
        connect(b, &QToolButton::clicked, this, [this, s] { ScegliSegno(s); });
    }
    m_segni[0]->setChecked(true);
    principale->addWidget(segni);

    auto *alto = new QHBoxLayout;
    principale->addLayout(alto);
    m_immagine = new QLabel(this);
    m_immagine->setObjectName(QStringLiteral("Image2"));
    m_immagine->setFixedSize(100, 100);
    alto->addWidget(m_immagine);
    auto *centro = new QVBoxLayout;
    alto->addLayout(centro, 1);
    m_titolo = new QLabel(this);
    m_titolo->setObjectName(QStringLiteral("LabelSegno"));
    QFont f = m_titolo->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    m_titolo->setFont(f);
    centro->addWidget(m_titolo);

    auto *date = new QHBoxLayout;
    centro->addLayout(date);
    m_date = new QComboBox(this);
    m_date->setObjectName(QStringLiteral("ComboBox9"));
    m_date->setMaxVisibleItems(20);
    m_date->setMinimumContentsLength(11);
    date->addWidget(m_date);
    connect(m_date, &QComboBox::activated, this, [this](int i) { ScegliRecord(m_stato.UltimaEstrazione - i); });
    m_concorso = new QLabel(this);
    m_concorso->setObjectName(QStringLiteral("LabelConcorsoAstro"));
    date->addWidget(m_concorso);
    auto *nav = new QToolBar(this);
    nav->setObjectName(QStringLiteral("ToolBar17"));
    const std::pair<const char *, const char *> mosse[4] = {{"ToolButtonAstroPrima", "|<"},
                                                            {"ToolButtonAstroPrec", "<"},
                                                            {"ToolButtonAstroSucc", ">"},
                                                            {"ToolButtonAstroUltima", ">|"}};
    for (int m = 0; m < 4; ++m) {
        auto *b = Pulsante(nav, QString::fromLatin1(mosse[m].first), QString::fromLatin1(mosse[m].second));
        nav->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, m] {
            const int ultima = m_stato.UltimaEstrazione;
            int r = m_record;
            if (m == 0)
                r = 0;
            else if (m == 1)
                r = std::max(r - 1, 0);
            else if (m == 2)
                r = std::min(r + 1, ultima);
            else
                r = ultima;
            ScegliRecord(r);
        });
    }
    date->addWidget(nav);
    date->addStretch();

    auto *riga = new QHBoxLayout;
    centro->addLayout(riga);
    auto *su = Pulsante(this, QStringLiteral("SpeedButton3"), QStringLiteral("Riga su"));
    auto *giu = Pulsante(this, QStringLiteral("SpeedButton2"), QStringLiteral("Riga giù"));
    connect(su, &QToolButton::clicked, this, [this] {
        if (m_riga > 0)
            ScegliRiga(m_riga - 1);
    });
    connect(giu, &QToolButton::clicked, this, [this] {
        if (m_riga < 4)
            ScegliRiga(m_riga + 1);
    });
    riga->addWidget(su);
    riga->addWidget(giu);
    auto *uscita = new BarraUscita(QStringLiteral("Astro"), QStringLiteral("Salva JGP"), this);
    uscita->setObjectName(QStringLiteral("ToolBar16"));
    connect(uscita, &BarraUscita::salvaImmagine, this,
            [this] { SalvaFotoFinestra(this, QStringLiteral("Astrolottolast")); });
    connect(uscita, &BarraUscita::salvaCSV, this,
            [this] { SalvaGrigliaCSV(m_cruci->grigliaSviluppo()->griglia(), QStringLiteral("SviluppoAstrolast")); });
    MenuStampa(
        uscita->findChild<QToolButton *>(QStringLiteral("TBStampaAstro")), QStringLiteral("Report1"),
        QStringLiteral("abulato1"), [this] { StampaReport(); }, [this] { StampaTabulato(); }, false);
    auto *schedine = Pulsante(uscita, QStringLiteral("ToolButtonSchedineAstro"), QStringLiteral("Schedine"));
    uscita->addWidget(schedine);
    connect(schedine, &QToolButton::clicked, this, [this] { SchedineDaSviluppo(this); });
    riga->addWidget(uscita);
    auto *spoglio = Pulsante(this, QStringLiteral("SpeedButton4"), QStringLiteral("Spoglio"));
    connect(spoglio, &QToolButton::clicked, this, [this] { SpoglioDaSviluppo(this); });
    riga->addWidget(spoglio);
    riga->addStretch();

    auto *griglie = new QGridLayout;
    principale->addLayout(griglie);
    auto griglia = [this, griglie](const char *nome, const QString &titolo, int colonna) {
        return GrigliaRisultato(griglie, nome, titolo, colonna, 110);
    };
    m_previsione = griglia("ExtStringGrid12", QStringLiteral("Previsione"), 0);
    m_ritardo = griglia("ExtStringGrid13", QStringLiteral("Ritardo"), 1);
    m_esiti = griglia("ExtStringGrid14", QStringLiteral("Esiti"), 2);
    for (ExtStringGrid *g : {m_ritardo, m_esiti})
        connect(g, &ExtStringGrid::cellaCliccata, this,
                [this, g](int r, int c) { setToolTip(Q(g->griglia().testo(r, c))); });
    // A click on another row selects it; the selected row keeps its cells for a double click.
    connect(m_previsione, &ExtStringGrid::cellaCliccata, this, [this](int r, int) {
        if (r != m_riga)
            ScegliRiga(r);
    });

    m_cruci = new PannelloCruciverba(m_stato,
                                     {"ComboBox6", "ComboBox7", "ComboBox8", "ComboBox10", "ExtStringGrid10",
                                      "ExtStringGrid9", "ExtStringGrid11", "RadioGroup5", "RadioGroup4"},
                                     PannelloCruciverba::Modo::AstroMetodi, this);
    InviaDoppioClic(m_cruci->grigliaSviluppo());
    principale->addWidget(m_cruci, 1);
    m_titolo->setText(Q(TitoloSegno(1)));
}

sestina::Vista PaginaAstro::Vista()
{
    return VistaPrevisione("Astro", [this] { Esegui([this] { Ricalcola(); }); });
}

void PaginaAstro::showEvent(QShowEvent *e)
{
    PaginaPrevisione::showEvent(e);
    if (m_immagine->pixmap().isNull())
        m_immagine->setPixmap(
            QPixmap(Q(m_stato.percorso(SegniZodiacali()[static_cast<size_t>(m_segno - 1)].immagine))));
    Esegui([this] { Ricalcola(); });
}

void PaginaAstro::ScegliSegno(int segno)
{
    const QString file = Q(m_stato.percorso(SegniZodiacali()[static_cast<size_t>(segno - 1)].immagine));
    QPixmap immagine(file);
    if (immagine.isNull()) {
        // The sign stays as it was.
        Dialoghi::Errore(this, QStringLiteral("Impossibile leggere l'immagine \"%1\"").arg(file));
        m_segni[static_cast<size_t>(m_segno - 1)]->setChecked(true);
        return;
    }
    m_segno = segno;
    m_segni[static_cast<size_t>(segno - 1)]->setChecked(true);
    m_immagine->setPixmap(immagine.scaled(m_immagine->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_titolo->setText(Q(TitoloSegno(segno)));
    Esegui([this] { Ricalcola(); });
}

void PaginaAstro::ScegliRecord(int record)
{
    m_record = record;
    Esegui([this] { Ricalcola(); });
}

void PaginaAstro::ScegliRiga(int riga)
{
    m_riga = std::clamp(riga, 0, 4);
    Esegui([this] { Ricalcola(); });
}

void PaginaAstro::Ricalcola()
{
    if (m_stato.UltimaEstrazione < 1)
        return;
    const auto e = archivio::Archivio(m_stato.DirectoryProgramma).LeggiTutte();
    m_record = std::clamp(m_record, 0, static_cast<int>(e.size()) - 1);
    auto r = CalcolaAstro(e, m_record, m_segno, m_riga);
    if (r.ripiegato)
        Dialoghi::Avviso(this, Q(MsgCalcoloImpossibile));
    m_record = r.record;
    m_date->setCurrentIndex(m_stato.UltimaEstrazione - m_record);
    m_concorso->setText(QStringLiteral("Conc n. %1 del %2")
                            .arg(m_record + 1)
                            .arg(Q(archivio::TestoListaDate(e[static_cast<size_t>(m_record)].data))));
    m_previsione->ImpostaGriglia(std::move(r.previsioneGriglia));
    AdattaColonne(m_previsione);
    m_ritardo->ImpostaGriglia(std::move(r.ritardo));
    AdattaColonne(m_ritardo);
    m_esiti->ImpostaGriglia(std::move(r.esiti));
    AdattaColonne(m_esiti);
    if (r.segnale)
        QApplication::beep();
    m_cruci->ImpostaLista(NumeriDaLista(r.listaCruciverba));
}

esporta::DatiReportAstrolotto PaginaAstro::DatiReport()
{
    esporta::DatiReportAstrolotto d;
    TestiReportAstro(d, m_segno, m_record, S(m_date->currentText()), m_stato.DirectoryProgramma);
    d.numeriInGioco = FiguraDaWidget(m_cruci->grigliaNumeri());
    d.previsioni = FiguraDaWidget(m_previsione);
    d.ritardi = FiguraDaWidget(m_ritardo);
    d.cruciverba = FiguraDaWidget(m_cruci->grigliaCruciverba());
    d.esiti = FiguraDaWidget(m_esiti);
    d.tabulato = TabulatoSviluppo(m_cruci->sviluppo());
    return d;
}

void PaginaAstro::StampaReport()
{
    ::StampaReport(this, m_stato,
                   [this] { return esporta::TReportastrolotto(IntestazioneCorrente(this, m_stato), DatiReport()); });
}

void PaginaAstro::StampaTabulato()
{
    ::StampaReport(this, m_stato,
                   [this] { return esporta::TReportastrotabulato(IntestazioneCorrente(this, m_stato), DatiReport()); });
}
