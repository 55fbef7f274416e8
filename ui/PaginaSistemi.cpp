#include "ui/PaginaSistemi.h"

#include "app/Colonna.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Griglia.h"
#include "app/TExStringList.h"
#include "export/ModuliReport.h"
#include "ui/Anteprima.h"
#include "systems/FileSistema.h"
#include "systems/FileSviluppo.h"
#include "systems/Sviluppo.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/GrigliaNumeri.h"
#include "ui/ModelloSviluppo.h"
#include "ui/PaginaStampa.h"
#include "ui/PannelloCondizioni.h"
#include "ui/ProgressoFinestra.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QApplication>
#include <QDir>
#include <QButtonGroup>
#include <QDate>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace sestina;

namespace {

constexpr int RigheTabellone = 9;
constexpr int ColonneTabellone = 10;

int NumeroCella(int riga, int colonna)
{
    return 10 * riga + colonna + 1;
}

QToolButton *PulsanteBarra(QToolBar *barra, const QString &nome, const QString &testo)
{
    auto *b = Pulsante(barra, nome, testo);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    barra->addWidget(b);
    return b;
}

} // namespace

PaginaSistemi::PaginaSistemi(StatoCondiviso &stato, QWidget *parent)
    : Pagina(stato, QStringLiteral("TabSheet5"), parent)
{
    auto *principale = new QHBoxLayout(this);
    auto *sinistra = new QVBoxLayout;
    principale->addLayout(sinistra);

    // The archive choice of the Lotto edition: never shown here.
    auto *archivi = new QToolBar(this);
    archivi->setObjectName(QStringLiteral("ToolBar32"));
    archivi->hide();
    sinistra->addWidget(archivi);

    // The board: the cells are the marks.
    m_gruppoNumeri = new QGroupBox(this);
    m_gruppoNumeri->setObjectName(QStringLiteral("GroupBox12"));
    auto *lg = new QVBoxLayout(m_gruppoNumeri);
    m_tabellone = new ExtStringGrid(m_gruppoNumeri);
    m_tabellone->setObjectName(QStringLiteral("ExtStringGrid27"));
    m_tabellone->setToolTip(QStringLiteral("E' consigliato modificare un solo numero per volta"));
    m_tabellone->setSelectionMode(QAbstractItemView::NoSelection);
    m_tabellone->setFocusPolicy(Qt::NoFocus);
    {
        std::vector<std::string> numeri;
        for (int n = 1; n <= 90; ++n)
            numeri.push_back(std::to_string(n));
        grigliaNumeri::Fissa(m_tabellone,
                             grigliaNumeri::Crea(RigheTabellone, ColonneTabellone, 34, 26, numeri, colori::Nero, 15));
    }
    lg->addWidget(m_tabellone, 0, Qt::AlignCenter);
    sinistra->addWidget(m_gruppoNumeri);
    connect(m_tabellone, &ExtStringGrid::cellaCliccata, this, [this](int r, int c) { CellaCliccata(r, c); });

    // The four counters and their statistics.
    auto *inserisci = new QGroupBox(QStringLiteral("Inserisci"), this);
    inserisci->setObjectName(QStringLiteral("GroupBox10"));
    auto *li = new QGridLayout(inserisci);
    const char *nomi[] = {"SpinEditwheel11", "SpinEditwheel8", "SpinEditwheel9", "SpinEditwheel10"};
    const char *titoli[] = {"Casuali", "Ultimi Usciti", "Frequenze Attuali", "Ritardi Attuali"};
    for (int i = 0; i < 4; ++i) {
        auto *s = new QSpinBox(inserisci);
        s->setObjectName(Q(nomi[i]));
        s->setRange(0, 90);
        s->setAccelerated(true);
        auto *l = new QLabel(Q(titoli[i]), inserisci);
        l->setBuddy(s);
        li->addWidget(l, i, 0);
        li->addWidget(s, i, 1);
        m_contatori[static_cast<size_t>(i)] = s;
        connect(s, &QSpinBox::valueChanged, this, [this] {
            if (!m_caricaContatori)
                ApplicaContatori();
        });
    }
    auto *cancella = new QPushButton(QStringLiteral("&Cancella"), inserisci);
    cancella->setObjectName(QStringLiteral("SpeedButton21"));
    li->addWidget(cancella, 4, 0, 1, 2);
    connect(cancella, &QPushButton::clicked, this, [this] { Cancella(); });
    sinistra->addWidget(inserisci);

    m_lista = new QTreeWidget(this);
    m_lista->setObjectName(QStringLiteral("ListView2"));
    m_lista->setRootIsDecorated(false);
    m_lista->setUniformRowHeights(true);
    m_lista->setHeaderLabels(
        {QStringLiteral("Num"), QStringLiteral("ORD"), QStringLiteral("FRE"), QStringLiteral("RIT")});
    m_lista->header()->setSectionsClickable(true);
    m_lista->header()->setSortIndicatorShown(false);
    for (int c = 0; c < 4; ++c)
        m_lista->setColumnWidth(c, 48);
    m_lista->setMinimumWidth(4 * 48 + 30);
    connect(m_lista->header(), &QHeaderView::sectionClicked, this, [this](int c) { OrdinaLista(c); });
    sinistra->addWidget(m_lista, 1);

    // Right: the choices, the actions and the columns.
    auto *destra = new QVBoxLayout;
    principale->addLayout(destra, 1);
    auto *scelte = new QHBoxLayout;
    destra->addLayout(scelte);
    auto gruppoRadio = [this, scelte](const char *nome, const QString &titolo, const char *voci[], auto &pulsanti,
                                      bool combinazione) {
        auto *g = new QGroupBox(titolo, this);
        g->setObjectName(Q(nome));
        auto *l = new QVBoxLayout(g);
        auto *esclusivi = new QButtonGroup(g);
        for (int i = 0; i < 4; ++i) {
            auto *b = new QRadioButton(Q(voci[i]), g);
            b->setObjectName(Q(nome) + QStringLiteral("_") + QString::number(i));
            l->addWidget(b);
            esclusivi->addButton(b, i);
            pulsanti[static_cast<size_t>(i)] = b;
        }
        pulsanti[0]->setChecked(true);
        connect(esclusivi, &QButtonGroup::idClicked, this, [this, combinazione] { SceltaCambiata(combinazione); });
        scelte->addWidget(g);
        return g;
    };
    const char *vociK[] = {"Tre", "Quattro", "Cinque", "Sei"};
    const char *vociR[] = {"Nessuna", "n-1", "n-2", "n-3"};
    m_combinazione = gruppoRadio("RadioGroup15", QStringLiteral("Numeri in combinazione"), vociK, m_k, true);
    m_riduzioni = gruppoRadio("RadioGroup14", QStringLiteral("Riduzioni"), vociR, m_r, false);

    auto *azioni = new QVBoxLayout;
    scelte->addLayout(azioni);
    m_elabora = new QPushButton(QStringLiteral("Elabora"), this);
    m_elabora->setObjectName(QStringLiteral("BitBtn3"));
    m_ferma = new QPushButton(QStringLiteral("Stop"), this);
    m_ferma->setObjectName(QStringLiteral("BitBtn4"));
    m_mostra = new QPushButton(QStringLiteral("Mostra colonne"), this);
    m_mostra->setObjectName(QStringLiteral("BitBtn5"));
    for (auto *b : {m_elabora, m_ferma, m_mostra})
        azioni->addWidget(b);
    m_ferma->setEnabled(false);
    m_mostra->setEnabled(false);
    connect(m_elabora, &QPushButton::clicked, this, [this] { Elabora(); });
    connect(m_ferma, &QPushButton::clicked, this, [this] { Stop(); });
    connect(m_mostra, &QPushButton::clicked, this, [this] { MostraColonne(); });
    scelte->addStretch(1);

    m_progresso = new QLabel(this);
    m_progresso->setObjectName(QStringLiteral("Label70"));
    QFont fp = m_progresso->font();
    fp.setBold(true);
    m_progresso->setFont(fp);
    destra->addWidget(m_progresso);

    m_barra = new QToolBar(this);
    m_barra->setObjectName(QStringLiteral("ToolBar31"));
    m_stampa = PulsanteBarra(m_barra, QStringLiteral("ToolButton64"), QStringLiteral("Stampa"));
    connect(m_stampa, &QToolButton::clicked, this, [this] { Stampa(); });
    auto *salva = PulsanteBarra(m_barra, QStringLiteral("ToolButtonSalvaSistemi"), QStringLiteral("Salva"));
    auto *menu = new QMenu(salva);
    menu->setObjectName(QStringLiteral("PopupMenuSistemisalva"));
    auto *csv = menu->addAction(QStringLiteral("CSV"));
    csv->setObjectName(QStringLiteral("SalvaSistemiCSV"));
    auto *sistema = menu->addAction(QStringLiteral("SISTEMA"));
    sistema->setObjectName(QStringLiteral("SalvaSistemiSISTEMA"));
    connect(csv, &QAction::triggered, this, [this] { SalvaCSV(); });
    connect(sistema, &QAction::triggered, this, [this] { SalvaSistema(); });
    salva->setMenu(menu);
    salva->setPopupMode(QToolButton::InstantPopup);
    auto *jpg = PulsanteBarra(m_barra, QStringLiteral("ToolButtonJpgSistemi"), QStringLiteral("Salva JGP"));
    connect(jpg, &QToolButton::clicked, this, [this] { SalvaFotoFinestra(this, QStringLiteral("Sistemilast")); });
    auto *schedine = PulsanteBarra(m_barra, QStringLiteral("ToolButtonSchedineSistemi"), QStringLiteral("Schedine"));
    connect(schedine, &QToolButton::clicked, this, [this] { Schedine(); });
    m_spoglio = PulsanteBarra(m_barra, QStringLiteral("SpeedButton20"), QStringLiteral("Spoglio"));
    connect(m_spoglio, &QToolButton::clicked, this, [this] { Spoglio(); });
    auto *riga = new QHBoxLayout;
    riga->addWidget(m_barra);
    // Loading a system must work on an empty board, so it stays outside ToolBar31.
    auto *carica = new QToolButton(this);
    carica->setObjectName(QStringLiteral("ToolButtonCaricaSistemi"));
    carica->setText(QStringLiteral("Carica"));
    connect(carica, &QToolButton::clicked, this, [this] { Carica(); });
    riga->addWidget(carica);
    riga->addStretch(1);
    destra->addLayout(riga);

    m_modelloColonne = new ModelloSviluppo(this);
    m_colonne = new QTableView(this);
    m_colonne->setObjectName(QStringLiteral("ExtStringGrid23"));
    m_colonne->setModel(m_modelloColonne);
    m_colonne->setWordWrap(false);
    m_colonne->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_colonne->verticalHeader()->hide();
    // Fixed row heights keep a million columns cheap to scroll.
    m_colonne->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_colonne->verticalHeader()->setDefaultSectionSize(20);
    m_colonne->horizontalHeader()->setHighlightSections(false);
    m_colonne->setColumnWidth(0, 56);
    m_colonne->setColumnWidth(1, 200);
    destra->addWidget(m_colonne, 1);

    CostruisciEstensioni(principale, azioni, destra);

    m_modelloColonne->Vuota("Scheda ");
    AbilitaRisultati(false);
    ContaNumeriInGioco();
    m_durante = {m_gruppoNumeri, inserisci, m_lista, m_elabora, m_mostra, carica, m_colonne, m_pannello, m_garanzia};
}

int PaginaSistemi::k() const
{
    for (int i = 0; i < 4; ++i)
        if (m_k[static_cast<size_t>(i)]->isChecked())
            return i + 3;
    return 3;
}

int PaginaSistemi::livello() const
{
    for (int i = 0; i < 4; ++i)
        if (m_r[static_cast<size_t>(i)]->isChecked())
            return i;
    return 0;
}

std::vector<int> PaginaSistemi::NumeriMarcati() const
{
    std::vector<int> numeri;
    const Griglia &g = m_tabellone->griglia();
    for (int c = 0; c < ColonneTabellone; ++c)
        for (int r = 0; r < RigheTabellone; ++r)
            if (g.sfondoEffettivo(r, c) == colori::Marcatura || g.sfondoEffettivo(r, c) == ColoreBase)
                numeri.push_back(NumeroCella(r, c));
    return numeri;
}

void PaginaSistemi::ImpostaMarcati(const std::vector<int> &numeri)
{
    Griglia &g = m_tabellone->modifica();
    for (int r = 0; r < RigheTabellone; ++r)
        for (int c = 0; c < ColonneTabellone; ++c) {
            const bool marcato = std::find(numeri.begin(), numeri.end(), NumeroCella(r, c)) != numeri.end();
            g.cella(r, c).sfondo = marcato ? colori::Marcatura : colori::Bianco;
        }
    m_tabellone->Aggiorna();
}

int PaginaSistemi::ContaNumeriInGioco()
{
    const int n = static_cast<int>(NumeriMarcati().size());
    m_gruppoNumeri->setTitle(Q(sistemi::DidascaliaNumeriInGioco(n, k())));
    const bool abilita = n >= k();
    m_combinazione->setEnabled(abilita);
    m_riduzioni->setEnabled(abilita);
    m_barra->setEnabled(abilita);
    AggiornaConteggioCondizioni();
    return n;
}

void PaginaSistemi::CellaCliccata(int riga, int colonna)
{
    if (m_inCorso || riga < 0 || riga >= RigheTabellone || colonna < 0 || colonna >= ColonneTabellone)
        return;
    if (!SegnaBase(riga, colonna)) {
        Cella &c = m_tabellone->modifica().cella(riga, colonna);
        c.sfondo = c.sfondo == colori::Bianco ? colori::Marcatura : colori::Bianco;
        m_tabellone->Aggiorna();
    }
    MarcheCambiate();
}

void PaginaSistemi::MarcheCambiate()
{
    ContaNumeriInGioco();
    if (m_combinazione->isEnabled())
        SceltaCambiata(true);
    m_modelloColonne->Taglia();
    m_progresso->clear();
    Esegui([this] { sistemi::CancellaSviluppo(m_stato.DirectoryProgramma); });
    AbilitaRisultati(false);
}

void PaginaSistemi::SceltaCambiata(bool combinazione)
{
    m_modelloColonne->Vuota("Scheda ");
    m_progresso->clear();
    m_mostra->setEnabled(false);
    if (combinazione)
        ContaNumeriInGioco();
    RiduzioneCambiata(); // "Ottimizzata" depends on both choices
}

void PaginaSistemi::AbilitaRisultati(bool si)
{
    m_mostra->setEnabled(si);
    m_spoglio->setEnabled(si);
    m_stampa->setEnabled(si);
}

void PaginaSistemi::showEvent(QShowEvent *e)
{
    Pagina::showEvent(e);
    if (e->spontaneous())
        return;
    if (!m_statistiche && m_stato.UltimaEstrazione >= 0) {
        m_statistiche = true;
        StatisticheSistemi();
    }
    m_modelloColonne->Vuota("Scheda ");
    m_mostra->setEnabled(false);
}

void PaginaSistemi::Elabora()
{
    if (m_inCorso)
        return;
    m_spoglio->setEnabled(false);
    m_stampa->setEnabled(false);
    const int n = ContaNumeriInGioco();
    const int kk = k();
    std::optional<std::string> rifiuto;
    if (!Esegui([&] { rifiuto = ControllaElabora(n, kk); }))
        return;
    if (rifiuto) {
        Dialoghi::Avviso(this, Q(*rifiuto));
        return;
    }
    m_stop = false;
    m_inCorso = true;
    // While the development runs only "Stop" is heard.
    for (QWidget *x : m_durante)
        x->setEnabled(false);
    for (QWidget *x :
         {static_cast<QWidget *>(m_combinazione), static_cast<QWidget *>(m_riduzioni), static_cast<QWidget *>(m_barra)})
        x->setEnabled(false);
    m_ferma->setEnabled(true);
    const std::string testo = sistemi::TestoNumeriInGioco(NumeriMarcati());
    std::vector<Colonna> lista;
    bool fermato = false;
    const bool ok = Esegui([&] {
        // The label follows the development; the window repaints and "Stop" is heard meanwhile.
        ProgressoFinestra progresso([this] { return m_stop; },
                                    [this](long elaborate, long ridotte) {
                                        m_progresso->setText(Q(sistemi::TestoAvanzamento(elaborate, ridotte)));
                                    });
        if (!ElaboraEsteso(lista, fermato)) {
            const auto esito = sistemi::SviluppaSistema(testo, kk, livello(), lista, &progresso);
            if (esito.ridotte > 0)
                m_progresso->setText(Q(sistemi::TestoAvanzamento(esito.elaborate, esito.ridotte)));
            fermato = m_stop || esito.interrotto;
            if (fermato)
                lista.clear();
        }
        sistemi::SalvaSviluppo(m_stato.DirectoryProgramma, lista);
    });
    m_inCorso = false;
    m_ferma->setEnabled(false);
    for (QWidget *x : m_durante)
        x->setEnabled(true);
    ContaNumeriInGioco();
    AbilitaRisultati(ok && !fermato);
    m_stop = false;
}

void PaginaSistemi::MostraColonne()
{
    if (!sistemi::EsisteSviluppo(m_stato.DirectoryProgramma)) {
        Dialoghi::Avviso(this, QStringLiteral("Non hai sviluppato alcun sistema"));
        return;
    }
    Esegui([this] {
        std::vector<Colonna> lista;
        (void)sistemi::CaricaSviluppo(m_stato.DirectoryProgramma, lista);
        m_modelloColonne->Imposta(std::move(lista));
    });
}

void PaginaSistemi::Cancella()
{
    {
        const QSignalBlocker b0(m_contatori[0]), b1(m_contatori[1]), b2(m_contatori[2]), b3(m_contatori[3]);
        for (auto *s : m_contatori)
            s->setValue(0);
    }
    ImpostaMarcati({});
    ContaNumeriInGioco();
}

void PaginaSistemi::StatisticheSistemi()
{
    Esegui([this] {
        m_statiNumeri =
            sistemi::StatisticheSistemi(archivio::Archivio(m_stato.DirectoryProgramma), m_stato.UltimaEstrazione);
        m_righeLista = sistemi::RigheListView2(m_statiNumeri);
        m_colonnaLista = -1;
        RiempiLista();
    });
    ApplicaContatori();
}

void PaginaSistemi::RiempiLista()
{
    m_lista->clear();
    for (const auto &riga : m_righeLista) {
        auto *it = new QTreeWidgetItem(m_lista);
        for (int c = 0; c < 4; ++c) {
            it->setText(c, Q(riga.testi[static_cast<size_t>(c)]));
            it->setBackground(c, QC(sistemi::ColoreListView(c, m_colonnaLista)));
        }
    }
}

void PaginaSistemi::OrdinaLista(int colonna)
{
    if (colonna < 0 || colonna > 3)
        return;
    m_colonnaLista = colonna;
    sistemi::OrdinaListView(m_righeLista, colonna);
    RiempiLista();
}

void PaginaSistemi::ApplicaContatori()
{
    std::array<int, 4> v{};
    for (size_t i = 0; i < 4; ++i)
        v[i] = m_contatori[i]->value();
    ImpostaMarcati(sistemi::SelezionaNumeri(m_statiNumeri, v[0], v[1], v[2], v[3]));
    ContaNumeriInGioco();
}

void PaginaSistemi::SalvaSistema()
{
    // The refusal of more than 60 numbers comes before the dialog: nothing to lose.
    sistemi::FileSistema sistema;
    if (!Esegui([&] {
            sistema = sistemi::SistemaDaNumeri(NumeriMarcati(), k(), livello());
            (void)CondizioniAttuali();
        }))
        return;
    auto file = Dialoghi::SalvaFile(this, QString(), QStringLiteral("File Sistema (*.stm)"), QStringLiteral(".stm"));
    if (!file)
        return;
    Esegui([&] {
        sistemi::SalvaFileSistema(S(*file), sistema);
        SalvaCondizioniSistema(S(*file));
    });
}

void PaginaSistemi::SalvaCSV()
{
    auto file = Dialoghi::SalvaFile(this, QStringLiteral("SviluppoSistemilast"),
                                    QStringLiteral("File CSV (*.CSV *.csv)"), QStringLiteral(".csv"));
    if (!file)
        return;
    // Written from the columns, row by row: no grid of a million rows is built.
    Esegui([&] { ScriviFileAtomico(S(*file), m_modelloColonne->CSV()); });
}

void PaginaSistemi::Carica()
{
    auto file = Dialoghi::ApriFile(this, QStringLiteral("Carica"), QStringLiteral("File Sistema (*.stm)"));
    if (!file)
        return;
    Esegui([&] {
        const auto s = sistemi::CaricaFileSistema(S(*file));
        const auto condizioni = LeggiCondizioniSistema(S(*file));
        m_r[static_cast<size_t>(std::clamp<int>(s.livelloRiduzione, 0, 3))]->setChecked(true);
        SceltaCambiata(false);
        m_k[static_cast<size_t>(std::clamp<int>(s.indiceNumeri, 0, 3))]->setChecked(true);
        SceltaCambiata(true);
        ImpostaMarcati(s.Numeri());
        m_caricaContatori = true;
        for (auto *c : m_contatori)
            c->setValue(0);
        m_caricaContatori = false;
        ApplicaCondizioniSistema(condizioni);
        ContaNumeriInGioco();
        SceltaCambiata(true);
    });
}

void PaginaSistemi::Schedine()
{
    if (auto *p = window()->findChild<PaginaStampa *>())
        p->RiceviSistema();
}

void PaginaSistemi::Spoglio()
{
    if (auto *p = window()->findChild<PaginaStampa *>())
        p->Spoglio();
}

void PaginaSistemi::Stampa()
{
    Esegui([this] {
        std::vector<Colonna> lista;
        (void)sistemi::CaricaSviluppo(m_stato.DirectoryProgramma, lista);
        esporta::DatiReportSistemi d;
        d.data = S(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        for (size_t i = 0; i < 4; ++i) {
            if (m_r[i]->isChecked())
                d.riduzione = S(m_r[i]->text());
            if (m_k[i]->isChecked())
                d.combinazione = S(m_k[i]->text());
        }
        d.casuali = m_contatori[0]->value();
        d.ultimi = m_contatori[1]->value();
        d.frequenze = m_contatori[2]->value();
        d.ritardi = m_contatori[3]->value();
        d.numeriInGioco = FiguraDaWidget(m_tabellone);
        d.tabulato = esporta::RigheTabulato(static_cast<int>(lista.size()), [&lista](int i) {
            return std::pair{sistemi::TestoSviluppo(lista, i + 1, 0), sistemi::TestoSviluppo(lista, i + 1, 1)};
        });
        ApriAnteprima(this, esporta::TReportSistemi(IntestazioneCorrente(this, m_stato), d));
        QDir::setCurrent(Q(m_stato.DirectoryProgramma));
    });
}
