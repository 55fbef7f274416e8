#include "ui/PaginaStampa.h"

#include "app/Colonna.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "slips/FileSchedine.h"
#include "slips/Schedine.h"
#include "systems/FileSviluppo.h"
#include "systems/Garanzia.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGriglia.h"
#include "ui/GrigliaNumeri.h"
#include "ui/ModuloSchedinaSE.h"
#include "ui/Qt.h"
#include "ui/TForm1.h"
#include "ui/TSpoglioSuperenaLotto.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::schedine;

namespace {

// "Nome|*.x|Altro|*.y" as the file dialogs read it, the preselected item first.
QString FiltroDialogo(const char *filtro, int preselezionato)
{
    const QStringList parti = Q(filtro).split(QLatin1Char('|'));
    QStringList voci;
    for (int i = 0; i + 1 < parti.size(); i += 2)
        voci << parti[i] + QStringLiteral(" (") + parti[i + 1] + QStringLiteral(")");
    if (preselezionato >= 0 && preselezionato < voci.size())
        voci.move(preselezionato, 0);
    return voci.join(QStringLiteral(";;"));
}

// The numbers marked on a panel, ascending (cells in reading order).
Colonna NumeriPannello(const ExtStringGrid *g)
{
    Colonna c;
    for (const auto &[r, col] : grigliaNumeri::Marcate(g))
        c.push_back(static_cast<char>(15 * r + col + 1));
    return c;
}

void MostraPannello(ExtStringGrid *g, const Colonna &numeri)
{
    Griglia &m = g->modifica();
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 15; ++c)
            m.cella(r, c).sfondo = colori::Bianco;
    for (char x : numeri) {
        const int n = static_cast<unsigned char>(x);
        if (n >= 1 && n <= 90)
            m.cella((n - 1) / 15, (n - 1) % 15).sfondo = colori::Marcatura;
    }
    g->Aggiorna();
}

int ValoreMarcato(const ExtStringGrid *g)
{
    const auto marcate = grigliaNumeri::Marcate(g);
    return marcate.empty() ? 0 : marcate.front().second + 1;
}

QToolButton *Pulsante(QToolBar *barra, const char *nome, const QString &testo)
{
    auto *b = Pulsante(barra, Q(nome), testo);
    barra->addWidget(b);
    return b;
}

} // namespace

PaginaStampa::PaginaStampa(StatoCondiviso &stato, QWidget *parent) : Pagina(stato, QStringLiteral("TabSheet10"), parent)
{
    auto *principale = new QVBoxLayout(this);

    auto *barra18 = new QToolBar(this);
    barra18->setObjectName(QStringLiteral("ToolBar18"));
    auto *indietro = Pulsante(barra18, "ToolButtonIndietro", QStringLiteral("Indietro"));
    auto *avanti = Pulsante(barra18, "ToolButtonAvanti", QStringLiteral("Avanti"));
    barra18->addSeparator();
    auto *nuova = Pulsante(barra18, "ToolButtonNuovaGiocata", QStringLiteral("&Nuova Giocata"));
    auto *salva = Pulsante(barra18, "ToolButtonSalvaSchedina", QStringLiteral("Sal&va Schedina"));
    auto *aggiungi = Pulsante(barra18, "ToolButtonAggiungiSchedina", QStringLiteral("&Aggiungi Schedina"));
    auto *cancella = Pulsante(barra18, "ToolButtonCancellaSchedina", QStringLiteral("&Cancella Schedina"));
    connect(indietro, &QToolButton::clicked, this, [this] { Indietro(); });
    connect(avanti, &QToolButton::clicked, this, [this] { Avanti(); });
    connect(nuova, &QToolButton::clicked, this, [this] { NuovaGiocata(); });
    connect(salva, &QToolButton::clicked, this, [this] { SalvaSchedina(); });
    connect(aggiungi, &QToolButton::clicked, this, [this] { AggiungiSchedina(); });
    connect(cancella, &QToolButton::clicked, this, [this] { CancellaSchedina(); });
    principale->addWidget(barra18);

    auto *barra19 = new QToolBar(this);
    barra19->setObjectName(QStringLiteral("ToolBar19"));
    auto *stampa = Pulsante(barra19, "ToolButtonStampaSchedine", QStringLiteral("S&tampa Schedine"));
    auto *menuStampa = new QMenu(stampa);
    menuStampa->setObjectName(QStringLiteral("MenuStampaSchedine"));
    connect(menuStampa->addAction(QStringLiteral("&Tutte le Schedine")), &QAction::triggered, this,
            [this] { StampaTutte(); });
    connect(menuStampa->addAction(QStringLiteral("Schedina &Attiva")), &QAction::triggered, this,
            [this] { StampaAttiva(); });
    connect(menuStampa->addAction(QStringLiteral("&Selezione Manuale")), &QAction::triggered, this,
            [this] { StampaSelezioneManuale(); });
    stampa->setMenu(menuStampa);
    stampa->setPopupMode(QToolButton::InstantPopup);
    auto *taratura = Pulsante(barra19, "ToolButtonTaratura", QStringLiteral("&Taratura"));
    connect(taratura, &QToolButton::clicked, this, [this] { ApriTaratura(); });
    auto menuFile = [this, barra19](const char *nome, const QString &testo, const char *nomeMenu, bool salvataggio) {
        auto *b = Pulsante(barra19, nome, testo);
        auto *m = new QMenu(b);
        m->setObjectName(Q(nomeMenu));
        auto *standard = m->addAction(QStringLiteral("&Standard"));
        standard->setObjectName(Q(nomeMenu) + QStringLiteral("Standard"));
        auto *csv = m->addAction(QStringLiteral("&CSV"));
        csv->setObjectName(Q(nomeMenu) + QStringLiteral("CSV"));
        connect(standard, &QAction::triggered, this,
                [this, salvataggio] { salvataggio ? SalvaSistema(false) : CaricaSistema(false); });
        connect(csv, &QAction::triggered, this,
                [this, salvataggio] { salvataggio ? SalvaSistema(true) : CaricaSistema(true); });
        b->setMenu(m);
        b->setPopupMode(QToolButton::InstantPopup);
    };
    menuFile("ToolButtonSalvaSistema", QStringLiteral("Salva Sistema"), "PopupSalva", true);
    menuFile("ToolButtonCaricaSistema", QStringLiteral("Carica Sistema"), "Popupcarica", false);
    auto *spoglio = Pulsante(barra19, "ToolButton143", QStringLiteral("Spoglio"));
    connect(spoglio, &QToolButton::clicked, this, [this] { Spoglio(); });
    auto *garanzia = Pulsante(barra19, "ToolButtonVerificaGaranzia", QStringLiteral("Verifica garanzia"));
    connect(garanzia, &QToolButton::clicked, this, [this] { VerificaGaranzia(); });
    principale->addWidget(barra19);

    auto *info = new QHBoxLayout;
    principale->addLayout(info);
    m_contatore = new QLabel(this);
    m_contatore->setObjectName(QStringLiteral("Label27"));
    m_colonna = new QLabel(this);
    m_colonna->setObjectName(QStringLiteral("Label28"));
    QFont f = m_contatore->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 1);
    m_contatore->setFont(f);
    m_colonna->setFont(f);
    info->addWidget(m_contatore);
    info->addSpacing(20);
    info->addWidget(m_colonna, 1);
    auto *etichettaQuote = new QLabel(QStringLiteral("Quote"), this);
    m_quote = new QSpinBox(this);
    m_quote->setObjectName(QStringLiteral("spinquote"));
    m_quote->setRange(QuoteMinime, QuoteMassime);
    // Changed only by its arrows or the wheel.
    if (auto *riga = m_quote->findChild<QLineEdit *>())
        riga->setReadOnly(true);
    etichettaQuote->setBuddy(m_quote);
    info->addWidget(etichettaQuote);
    info->addWidget(m_quote);

    m_modulo = new ModuloSchedinaSE;
    auto *scorrimento = new QScrollArea(this);
    scorrimento->setObjectName(QStringLiteral("ScrollBoxSchedina"));
    scorrimento->setWidget(m_modulo);
    scorrimento->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    principale->addWidget(scorrimento, 1);

    connect(m_modulo->pannelloA, &ExtStringGrid::cellaCliccata, this,
            [this](int r, int c) { PannelloCliccato(m_modulo->pannelloA, r, c, true); });
    connect(m_modulo->pannelloB, &ExtStringGrid::cellaCliccata, this,
            [this](int r, int c) { PannelloCliccato(m_modulo->pannelloB, r, c, false); });
    for (ExtStringGrid *g : {m_modulo->abbonamento, m_modulo->riduzione, m_modulo->basi})
        connect(g, &ExtStringGrid::cellaCliccata, this, [this, g](int r, int c) { PiccolaCliccata(g, r, c); });

    // The shared state lives as long as the main window, and so does this page.
    m_stato.InvioASchedina = [this](const std::string &testo) { InvioASchedina(testo); };
}

int PaginaStampa::quote() const
{
    return m_quote->value();
}

void PaginaStampa::showEvent(QShowEvent *e)
{
    Pagina::showEvent(e);
    if (!e->spontaneous() && !m_stato.ListaColonne.empty())
        MostraSchedina(m_indice);
}

void PaginaStampa::MostraSchedina(int a)
{
    const auto vista = schedine::MostraSchedina(m_stato.ListaColonne, a);
    if (!vista)
        return;
    m_contatore->setText(Q(vista->contatore));
    m_colonna->setText(Q(vista->numeri));
    MostraPannello(m_modulo->pannelloA, vista->pannelloA);
    MostraPannello(m_modulo->pannelloB, vista->pannelloB.value_or(Colonna()));
}

void PaginaStampa::Avanti()
{
    if (schedine::Avanti(m_stato.ListaColonne, m_indice))
        MostraSchedina(m_indice);
}

void PaginaStampa::Indietro()
{
    schedine::Indietro(m_indice);
    MostraSchedina(m_indice);
}

void PaginaStampa::PulisciPannelli()
{
    grigliaNumeri::Pulisci(m_modulo->pannelloA);
    grigliaNumeri::Pulisci(m_modulo->pannelloB);
}

void PaginaStampa::NuovaGiocata()
{
    Esegui([this] { sistemi::CancellaSviluppo(m_stato.DirectoryProgramma); });
    PulisciPannelli();
    for (ExtStringGrid *g : {m_modulo->abbonamento, m_modulo->riduzione, m_modulo->basi})
        grigliaNumeri::Pulisci(g);
    schedine::NuovaGiocata(m_stato.ListaColonne, m_indice);
    MostraSchedina(m_indice);
}

void PaginaStampa::SalvaSchedina(bool dalPannello)
{
    const Colonna a = NumeriPannello(m_modulo->pannelloA);
    if (dalPannello && a.empty())
        return;
    const std::string msg =
        schedine::SalvaSchedina(m_stato.ListaColonne, m_indice, a, NumeriPannello(m_modulo->pannelloB));
    if (!msg.empty())
        Dialoghi::Avviso(this, Q(msg));
    else
        m_colonna->setText(Q(FormattaColonna(m_stato.ListaColonne[m_indice])));
}

void PaginaStampa::AggiungiSchedina()
{
    const auto esito = schedine::AggiungiSchedina(m_stato.ListaColonne, m_indice, NumeriPannello(m_modulo->pannelloA),
                                                  NumeriPannello(m_modulo->pannelloB));
    if (esito.aggiunta)
        PulisciPannelli();
    else
        MostraSchedina(m_indice);
    if (!esito.messaggio.empty())
        Dialoghi::Avviso(this, Q(esito.messaggio));
    // "Indietro" then "Avanti": the page ends on the last slip.
    Indietro();
    Avanti();
}

void PaginaStampa::CancellaSchedina()
{
    const std::string msg = schedine::CancellaSchedina(m_stato.ListaColonne, m_indice);
    if (!msg.empty()) {
        Dialoghi::Avviso(this, Q(msg));
        return;
    }
    MostraSchedina(m_indice);
}

void PaginaStampa::PannelloCliccato(ExtStringGrid *g, int riga, int colonna, bool pannelloA)
{
    if (riga < 0 || riga >= 6 || colonna < 0 || colonna >= 15)
        return;
    grigliaNumeri::Marca(g, riga, colonna, !grigliaNumeri::Marcata(g, riga, colonna));
    if (pannelloA)
        SalvaSchedina(true);
}

void PaginaStampa::PiccolaCliccata(ExtStringGrid *g, int riga, int colonna)
{
    const Griglia &m = g->griglia();
    if (riga < 0 || riga >= m.righe() || colonna < 0 || colonna >= m.colonne() || m.cella(riga, colonna).bloccata)
        return;
    const bool era = grigliaNumeri::Marcata(g, riga, colonna);
    grigliaNumeri::Pulisci(g);
    grigliaNumeri::Marca(g, riga, colonna, !era);
}

tdatischedinaSE PaginaStampa::LeggiSchedina() const
{
    tdatischedinaSE d;
    d.pannelloA = NumeriPannello(m_modulo->pannelloA);
    d.pannelloB = NumeriPannello(m_modulo->pannelloB);
    d.superstarA = m_modulo->superStarA->isChecked();
    d.superstarB = m_modulo->superStarB->isChecked();
    for (int i = 0; i < 5; ++i)
        if (m_modulo->importi[static_cast<size_t>(i)]->isChecked())
            d.giocataAggiuntiva = ImportoGiocataAggiuntiva(static_cast<GiocataAggiuntiva>(i));
    const auto abbonamento = grigliaNumeri::Marcate(m_modulo->abbonamento);
    if (!abbonamento.empty())
        d.abbonamento = ValoreAbbonamento(abbonamento.front().second, abbonamento.front().first);
    d.riduzione = ValoreMarcato(m_modulo->riduzione);
    d.basi = ValoreMarcato(m_modulo->basi);
    return d;
}

void PaginaStampa::RiceviSistema()
{
    if (!Esegui([this] { (void)sistemi::CaricaSviluppo(m_stato.DirectoryProgramma, m_stato.ListaColonne); }))
        return;
    PulisciPannelli();
    for (ExtStringGrid *g : {m_modulo->abbonamento, m_modulo->riduzione, m_modulo->basi})
        grigliaNumeri::Pulisci(g);
    m_indice = 0;
    if (auto *f = qobject_cast<TForm1 *>(window()))
        f->MostraPaginaStampa();
    MostraSchedina(0);
}

void PaginaStampa::InvioASchedina(const std::string &testo)
{
    const auto colonna = ValidaInvio(testo);
    if (!colonna) {
        Dialoghi::Avviso(this, Q(MsgDatoNonValido));
        return;
    }
    if (!Dialoghi::Domanda(this, Q(DomandaInvio(testo))))
        return;
    AppendiInvio(m_stato.ListaColonne, *colonna);
    if (auto *f = qobject_cast<TForm1 *>(window()))
        f->MostraPaginaStampa();
}

void PaginaStampa::VerificaGaranzia()
{
    sistemi::RisultatoGaranzia r;
    if (!Esegui([&] {
            std::vector<Colonna> colonne;
            for (const auto &c : m_stato.ListaColonne)
                if (!c.empty())
                    colonne.push_back(c);
            if (colonne.empty())
                throw Errore("Nessuna schedina da verificare");
            r = sistemi::VerificaGaranzia(colonne, 6);
        }))
        return;
    FinestraGriglia::Mostra(this, QStringLiteral("FinestraGaranzia"), QStringLiteral("Verifica garanzia"),
                            QStringLiteral("Garanzia: %1").arg(Q(sistemi::EsitoGaranzia(r))),
                            sistemi::GrigliaGaranzia(r));
}

void PaginaStampa::Spoglio()
{
    if (!Esegui([this] { (void)sistemi::CaricaSviluppo(m_stato.DirectoryProgramma, m_stato.ListaColonne); }))
        return;
    if (!m_finestraSpoglio)
        m_finestraSpoglio = new TSpoglioSuperenaLotto(m_stato, this);
    m_finestraSpoglio->Imposta(sistemi::ColonneDaLista(m_stato.ListaColonne), m_stato.UltimaEstrazione, quote());
    Dialoghi::EseguiModale(m_finestraSpoglio);
}

void PaginaStampa::SalvaSistema(bool csv)
{
    auto file = Dialoghi::SalvaFile(this, QString(), FiltroDialogo(FiltroSalvaSchedine, csv ? 3 : 1),
                                    csv ? QStringLiteral(".csv") : QStringLiteral(".sse"));
    if (!file)
        return;
    // The form follows the menu item, whatever extension was typed.
    Esegui([&] {
        const TExStringList &lista = m_stato.ListaColonne;
        ScriviFileAtomico(S(*file), csv ? CodificaSchedineCSV(lista) : CodificaSchedineStandard(lista));
    });
}

void PaginaStampa::CaricaSistema(bool csv)
{
    auto file =
        Dialoghi::ApriFile(this, QStringLiteral("Carica Sistema"), FiltroDialogo(FiltroCaricaSchedine, csv ? 2 : 1));
    if (!csv) {
        if (file)
            Esegui([&] {
                // Decoded whole before it replaces the list: a bad file loses nothing.
                TExStringList lista = DecodificaSchedineStandard(LeggiFile(S(*file)), S(*file));
                m_stato.ListaColonne = std::move(lista);
                m_indice = 0;
            });
        MostraSchedina(0);
        return;
    }
    if (file)
        if (!Esegui([&] { m_stato.ListaColonne = DecodificaSchedineCSV(LeggiFile(S(*file)), S(*file)); }))
            return;
    Esegui([this] {
        DopoCaricamentoCSV(m_stato.ListaColonne, m_indice);
        sistemi::SalvaSviluppo(m_stato.DirectoryProgramma, m_stato.ListaColonne);
    });
    MostraSchedina(m_indice);
}
