#include "ui/TSpoglioSuperenaLotto.h"

#include "archive/Archivio.h"
#include "export/ModuliReport.h"
#include "ui/Anteprima.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGuida.h"
#include "ui/ModelloVincite.h"
#include "ui/Pagina.h"
#include "ui/ProgressoFinestra.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace sestina;
using sistemi::MossaSpoglio;

TSpoglioSuperenaLotto::TSpoglioSuperenaLotto(StatoCondiviso &stato, QWidget *parent) : QDialog(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("SpoglioSuperenaLotto"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(QStringLiteral("Spoglio Superenalotto"));
    setModal(true);
    resize(1000, 640);
    auto *principale = new QVBoxLayout(this);

    auto *alto = new QHBoxLayout;
    principale->addLayout(alto);
    m_boxInizio = new ExtStringGrid(this);
    m_boxInizio->setObjectName(QStringLiteral("ExtStringGrid5"));
    m_boxInizio->horizontalHeader()->hide();
    m_boxInizio->verticalHeader()->hide();
    m_boxInizio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_boxInizio->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_boxInizio->setFixedSize(262, 4 * 20 + 4);
    alto->addWidget(m_boxInizio);

    auto *comandi = new QVBoxLayout;
    alto->addLayout(comandi, 1);
    m_navigazione = new QToolBar(this);
    m_navigazione->setObjectName(QStringLiteral("ToolBarSpoglio"));
    struct Pulsante {
        const char *nome, *testo, *suggerimento;
        MossaSpoglio mossa;
    };
    const Pulsante pulsanti[] = {
        {"SpoglioPrimo", "Primo", "Prima estrazione dell'archivio", MossaSpoglio::Primo},
        {"SpoglioAnnoPrec", "Anno", "Anno precedente", MossaSpoglio::AnnoPrec},
        {"SpoglioMesePrec", "Mese", "Mese precedente", MossaSpoglio::MesePrec},
        {"SpoglioPrec", "Prec", "Estrazione precedente", MossaSpoglio::Prec},
        {"SpoglioSuc", "Suc", "Estrazione successiva", MossaSpoglio::Succ},
        {"SpoglioMeseSucc", "Mese", "Mese successivo", MossaSpoglio::MeseSucc},
        {"SpoglioAnnoSucc", "Anno", "Anno successivo", MossaSpoglio::AnnoSucc},
        {"SpoglioUltimo", "Ultimo", "Ultima estrazione dell'archivio", MossaSpoglio::Ultimo},
    };
    for (const Pulsante &p : pulsanti) {
        auto *b = new QToolButton(m_navigazione);
        b->setObjectName(Q(p.nome));
        b->setText(Q(p.testo));
        b->setToolTip(Q(p.suggerimento));
        m_navigazione->addWidget(b);
        const MossaSpoglio m = p.mossa;
        connect(b, &QToolButton::clicked, this, [this, m] { Naviga(m); });
    }
    comandi->addWidget(m_navigazione);

    auto *rigaLimite = new QHBoxLayout;
    comandi->addLayout(rigaLimite);
    auto *etichetta = new QLabel(QStringLiteral("Limita ricerca a colpi"), this);
    m_limite = new QSpinBox(this);
    m_limite->setObjectName(QStringLiteral("SpinEditwheel1"));
    m_limite->setRange(0, sistemi::LimiteMassimoSpoglio);
    etichetta->setBuddy(m_limite);
    rigaLimite->addWidget(etichetta);
    rigaLimite->addWidget(m_limite);
    connect(m_limite, &QSpinBox::valueChanged, this, [this] { Spoglia(); });
    auto *stampa = new QPushButton(QStringLiteral("Stampa"), this);
    stampa->setObjectName(QStringLiteral("BitBtnStampaSpoglio"));
    connect(stampa, &QPushButton::clicked, this, [this] { Stampa(); });
    rigaLimite->addStretch(1);
    rigaLimite->addWidget(stampa);

    auto *rigaProgresso = new QHBoxLayout;
    comandi->addLayout(rigaProgresso);
    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("ProgressBarSpoglio"));
    m_ferma = new QPushButton(QStringLiteral("Interrompi"), this);
    m_ferma->setObjectName(QStringLiteral("BitBtnFermaSpoglio"));
    rigaProgresso->addWidget(m_barra, 1);
    rigaProgresso->addWidget(m_ferma);
    connect(m_ferma, &QPushButton::clicked, this, [this] { Ferma(); });
    m_barra->hide();
    m_ferma->hide();

    auto *centro = new QHBoxLayout;
    principale->addLayout(centro, 1);
    m_modello = new ModelloVincite(this);
    m_tabella = new QTableView(this);
    m_tabella->setObjectName(QStringLiteral("ExtAnalisivincite"));
    m_tabella->setModel(m_modello);
    m_tabella->setWordWrap(false);
    m_tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->verticalHeader()->hide();
    // Fixed row heights keep millions of rows cheap to lay out and scroll.
    m_tabella->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabella->verticalHeader()->setDefaultSectionSize(20);
    m_tabella->horizontalHeader()->setSectionsClickable(true);
    m_tabella->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < sistemi::TabellaVincite::NumeroColonne; ++c)
        m_tabella->setColumnWidth(c, sistemi::TabellaVincite::Larghezza(c));
    connect(m_tabella->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) { OrdinaPer(c); });
    centro->addWidget(m_tabella, 1);

    auto *destra = new QVBoxLayout;
    centro->addLayout(destra);
    auto riquadro = [this, destra](const QString &titolo, const char *nome) {
        auto *l = new QLabel(titolo, this);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        destra->addWidget(l);
        auto *g = new ExtStringGrid(this);
        g->setObjectName(Q(nome));
        g->horizontalHeader()->hide();
        g->verticalHeader()->hide();
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        destra->addWidget(g);
        return g;
    };
    m_riepilogo = riquadro(QStringLiteral("Riepilogo Vincite"), "grigliariepilogo");
    m_datiSistema = riquadro(QStringLiteral("Riepilogo:"), "GRIGLIADATISISTEMA");
    destra->addStretch(1);
}

void TSpoglioSuperenaLotto::Imposta(std::vector<Colonna> colonne, int inizio, int quote)
{
    m_colonne = std::move(colonne);
    m_inizio = std::clamp(inizio, 0, std::max(0, m_stato.UltimaEstrazione));
    m_quote = std::max(1, quote);
}

void TSpoglioSuperenaLotto::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        Spoglia();
}

void TSpoglioSuperenaLotto::closeEvent(QCloseEvent *e)
{
    // Closing during a check stops it; the loop returns at its next report.
    m_stop = true;
    QDialog::closeEvent(e);
}

void TSpoglioSuperenaLotto::Occupato(bool si)
{
    m_inCorso = si;
    m_navigazione->setEnabled(!si);
    m_limite->setEnabled(!si);
    m_tabella->horizontalHeader()->setSectionsClickable(!si);
    m_barra->setVisible(si);
    m_ferma->setVisible(si);
    if (si)
        m_barra->setValue(0);
}

namespace {

// A small grid shown at its exact size, its columns as wide as their texts.
void MostraRiquadro(ExtStringGrid *vista, Griglia g)
{
    vista->ImpostaGriglia(std::move(g));
    AdattaColonne(vista);
    // Room for the cells' inner margins too.
    Griglia &m = vista->modifica();
    for (int c = 0; c < m.colonne(); ++c)
        m.ImpostaLarghezza(c, m.larghezza(c) + 6);
    vista->Aggiorna();
    int w = 2 * vista->frameWidth(), h = 2 * vista->frameWidth();
    for (int c = 0; c < m.colonne(); ++c)
        w += m.larghezza(c);
    for (int r = 0; r < m.righe(); ++r)
        h += m.altezza(r);
    vista->setFixedSize(std::max(w, 120), h);
}

} // namespace

void TSpoglioSuperenaLotto::AggiornaInizio()
{
    EseguiAzione(this, [this] {
        if (m_stato.UltimaEstrazione < 0)
            return;
        const auto date = archivio::Archivio(m_stato.DirectoryProgramma).LeggiDate(0, m_stato.UltimaEstrazione);
        Griglia g = sistemi::GrigliaInizioSpoglio(date, m_inizio);
        g.ImpostaLarghezza(0, 100);
        g.ImpostaLarghezza(1, 158);
        m_boxInizio->ImpostaGriglia(std::move(g));
    });
}

void TSpoglioSuperenaLotto::Spoglia()
{
    if (m_inCorso)
        return;
    AggiornaInizio();
    m_stop = false;
    Occupato(true);
    sistemi::RisultatoSpoglio r;
    std::vector<archivio::Estrazione> estrazioni;
    EseguiAzione(this, [&] {
        if (m_stato.UltimaEstrazione >= 0)
            estrazioni = archivio::Archivio(m_stato.DirectoryProgramma).LeggiTutte();
        ProgressoFinestra progresso([this] { return m_stop; },
                                    [this](long fatto, long totale) {
                                        m_barra->setMaximum(static_cast<int>(std::max(1L, totale)));
                                        m_barra->setValue(static_cast<int>(fatto));
                                    });
        r = sistemi::Spoglia(m_colonne, estrazioni, m_inizio, m_limite->value(), &progresso);
    });
    const Valuta costo = m_stato.impostazioni.CostoColonna;
    MostraRiquadro(m_riepilogo, sistemi::GrigliaRiepilogo(r));
    MostraRiquadro(m_datiSistema, sistemi::GrigliaDatiSistema(m_colonne, costo, m_quote));
    const bool interrotto = r.interrotto;
    m_modello->Imposta(sistemi::TabellaVincite(m_colonne, std::move(estrazioni), std::move(r)));
    Occupato(false);
    if (interrotto && isVisible())
        Dialoghi::Informazione(this, QStringLiteral("Spoglio interrotto: i risultati sono parziali"));
}

void TSpoglioSuperenaLotto::Naviga(MossaSpoglio m)
{
    if (m_inCorso || m_stato.UltimaEstrazione < 0)
        return;
    int nuovo = m_inizio;
    if (!EseguiAzione(this, [&] {
            nuovo = sistemi::MuoviInizioSpoglio(archivio::Archivio(m_stato.DirectoryProgramma),
                                                m_stato.UltimaEstrazione, m_inizio, m);
        }))
        return;
    m_inizio = std::clamp(nuovo, 0, m_stato.UltimaEstrazione);
    Spoglia();
}

void TSpoglioSuperenaLotto::OrdinaPer(int colonna)
{
    if (m_inCorso)
        return;
    EseguiAzione(this, [&] { m_modello->Ordina(colonna); });
}

void TSpoglioSuperenaLotto::Stampa()
{
    esporta::DatiReportSpoglio d;
    d.data = S(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    d.numeriInGioco = FormattaColonna(esporta::NumeriInGioco(m_colonne));
    d.datiSistema = FiguraDaWidget(m_datiSistema);
    d.riepilogo = FiguraDaWidget(m_riepilogo);
    d.analisi = FiguraDaWidget(m_tabella);
    d.colonne = m_colonne;
    EseguiAzione(this, [&] { ApriAnteprima(this, esporta::Treportspoglio(IntestazioneCorrente(this, m_stato), d)); });
}
