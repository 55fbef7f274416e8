#include "ui/PaginaCruci.h"

#include "methods/Completamento90.h"
#include "methods/DatiReport.h"
#include "ui/BarraDate.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PannelloCruciverba.h"
#include "ui/Qt.h"
#include "ui/TFCompl90.h"
#include "ui/UscitaGriglie.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::metodi;

PaginaCruci::PaginaCruci(StatoCondiviso &stato, QWidget *parent) : Pagina(stato, QStringLiteral("TabSheet13"), parent)
{
    auto *principale = new QHBoxLayout(this);
    auto *sinistra = new QVBoxLayout;
    principale->addLayout(sinistra);

    // The wheel selector of the Lotto edition: never shown here.
    auto *ruote = new QToolBar(this);
    ruote->setObjectName(QStringLiteral("ToolBar27"));
    ruote->hide();
    sinistra->addWidget(ruote);

    auto *inserisci = new QGroupBox(QStringLiteral("Inserisci"), this);
    inserisci->setObjectName(QStringLiteral("GroupBoxInserisci"));
    auto *li = new QGridLayout(inserisci);
    const std::pair<const char *, const char *> contatori[4] = {{"SpinEditwheel2", "Ultimi Usciti"},
                                                                {"SpinEditwheel3", "Frequenze Attuali"},
                                                                {"SpinEditwheel4", "Ritardi Attuali"},
                                                                {"SpinEditwheel5", "Casuali"}};
    for (int i = 0; i < 4; ++i) {
        li->addWidget(new QLabel(QString::fromLatin1(contatori[i].second), inserisci), i, 0);
        auto *s = new QSpinBox(inserisci);
        s->setObjectName(QString::fromLatin1(contatori[i].first));
        s->setRange(0, 90);
        li->addWidget(s, i, 1);
        m_contatori[static_cast<size_t>(i)] = s;
        connect(s, &QSpinBox::valueChanged, this, [this](int) { Esegui([this] { ApplicaContatori(); }); });
    }
    sinistra->addWidget(inserisci);
    auto *cancella = Pulsante(this, QStringLiteral("SpeedButton16"), QStringLiteral("&Cancella Numeri"));
    connect(cancella, &QToolButton::clicked, this, [this] { Esegui([this] { CancellaNumeri(); }); });
    sinistra->addWidget(cancella);

    m_lista = new QTreeWidget(this);
    m_lista->setObjectName(QStringLiteral("ListView1"));
    m_lista->setHeaderLabels(
        {QStringLiteral("Num"), QStringLiteral("ORD"), QStringLiteral("FRE"), QStringLiteral("RIT")});
    m_lista->setRootIsDecorated(false);
    m_lista->setMinimumWidth(200);
    for (int c = 0; c < 4; ++c)
        m_lista->setColumnWidth(c, 44);
    m_lista->header()->setSectionsClickable(true);
    connect(m_lista->header(), &QHeaderView::sectionClicked, this, [this](int c) { OrdinaLista(c); });
    sinistra->addWidget(m_lista, 1);

    auto *destra = new QVBoxLayout;
    principale->addLayout(destra, 1);
    auto *barra = new QHBoxLayout;
    destra->addLayout(barra);
    auto *uscita = new BarraUscita(QStringLiteral("Cruci"), QStringLiteral("Salva JGP"), this);
    uscita->setObjectName(QStringLiteral("ToolBar28"));
    connect(uscita, &BarraUscita::salvaImmagine, this,
            [this] { SalvaFotoFinestra(this, QStringLiteral("Crucilast")); });
    connect(uscita, &BarraUscita::salvaCSV, this,
            [this] { SalvaGrigliaCSV(m_cruci->grigliaSviluppo()->griglia(), QStringLiteral("SviluppoCrucilast")); });
    auto *stampa = uscita->findChild<QToolButton *>(QStringLiteral("TBStampaCruci"));
    MenuStampa(
        stampa, QStringLiteral("Report3"), QStringLiteral("abulato3"), [this] { StampaReport(); },
        [this] { StampaTabulato(); }, true);
    auto *schedine = Pulsante(uscita, QStringLiteral("ToolButtonSchedineCruci"), QStringLiteral("Schedine"));
    uscita->addWidget(schedine);
    connect(schedine, &QToolButton::clicked, this, [this] { SchedineDaSviluppo(this); });
    barra->addWidget(uscita);
    auto *spoglio = Pulsante(this, QStringLiteral("SpeedButton15"), QStringLiteral("Spoglio"));
    connect(spoglio, &QToolButton::clicked, this, [this] { SpoglioDaSviluppo(this); });
    barra->addWidget(spoglio);
    auto *completa = Pulsante(this, QStringLiteral("SpeedButton14"), QStringLiteral("Completamento 90"));
    connect(completa, &QToolButton::clicked, this, [this] { Esegui([this] { Completamento90(); }); });
    barra->addWidget(completa);
    barra->addStretch();
    m_uscite = {stampa,
                uscita->findChild<QToolButton *>(QStringLiteral("TBSalvaCSVCruci")),
                uscita->findChild<QToolButton *>(QStringLiteral("TBSalvaJpegCruci")),
                schedine,
                spoglio,
                completa};

    m_cruci = new PannelloCruciverba(m_stato,
                                     {"ComboBox19", "ComboBox20", "ComboBox21", "ComboBox22", "ExtStringGrid21",
                                      "ExtStringGrid15", "ExtStringGrid22", "RadioGroup11", "RadioGroup10"},
                                     PannelloCruciverba::Modo::Cruci, this);
    destra->addWidget(m_cruci, 1);
    connect(m_cruci, &PannelloCruciverba::numeroCliccato, this,
            [this](int n) { Esegui([this, n] { NumeroCliccato(n); }); });
    connect(m_cruci, &PannelloCruciverba::dimensioniCambiate, this,
            [this] { Esegui([this] { DimensioniCambiate(); }); });
    connect(m_cruci, &PannelloCruciverba::sviluppoCambiato, this,
            [this](bool) { AbilitaUscite(m_cruci->cruciverba().completo); });
    InviaDoppioClic(m_cruci->grigliaSviluppo());
    AbilitaUscite(false);
}

sestina::Vista PaginaCruci::Vista()
{
    sestina::Vista v;
    v.nome = "Cruci";
    v.ridisegna = [this] {
        m_statistiche = false;
        if (isVisible())
            Esegui([this] { Statistiche(); });
    };
    return v;
}

void PaginaCruci::showEvent(QShowEvent *e)
{
    Pagina::showEvent(e);
    if (!m_statistiche)
        Esegui([this] {
            Statistiche();
            m_cruci->ImpostaSelezione(m_cruci->selezione());
        });
}

void PaginaCruci::AbilitaUscite(bool si)
{
    for (QWidget *w : m_uscite)
        if (w)
            w->setEnabled(si);
}

void PaginaCruci::Statistiche()
{
    m_statistiche = true;
    if (m_stato.UltimaEstrazione < 0)
        return;
    m_stati = sistemi::StatisticheSistemi(archivio::Archivio(m_stato.DirectoryProgramma), m_stato.UltimaEstrazione);
    m_righe = sistemi::RigheListView2(m_stati);
    if (m_colonnaLista >= 0)
        sistemi::OrdinaListView(m_righe, m_colonnaLista);
    RiempiLista();
}

void PaginaCruci::RiempiLista()
{
    m_lista->clear();
    for (const auto &riga : m_righe) {
        auto *it = new QTreeWidgetItem(m_lista);
        for (int c = 0; c < 4; ++c) {
            it->setText(c, Q(riga.testi[static_cast<size_t>(c)]));
            it->setBackground(c, QC(sistemi::ColoreListView(c, m_colonnaLista)));
        }
    }
}

void PaginaCruci::OrdinaLista(int colonna)
{
    if (colonna < 0 || colonna > 3)
        return;
    m_colonnaLista = colonna;
    sistemi::OrdinaListView(m_righe, colonna);
    RiempiLista();
}

void PaginaCruci::ApplicaContatori()
{
    std::array<int, 4> v{};
    for (size_t i = 0; i < 4; ++i)
        v[i] = m_contatori[i]->value();
    m_cruci->ImpostaSelezione(sistemi::SelezionaNumeri(m_stati, v[3], v[0], v[1], v[2]));
}

void PaginaCruci::NumeroCliccato(int numero)
{
    std::vector<int> sel = m_cruci->selezione();
    auto it = std::find(sel.begin(), sel.end(), numero);
    if (it != sel.end())
        sel.erase(it);
    else
        sel.push_back(numero);
    std::sort(sel.begin(), sel.end());
    m_cruci->ImpostaSelezione(std::move(sel));
}

void PaginaCruci::CancellaNumeri()
{
    for (QSpinBox *s : m_contatori) {
        QSignalBlocker b(s);
        s->setValue(0);
    }
    Statistiche();
    m_cruci->ImpostaSelezione({});
}

void PaginaCruci::DimensioniCambiate()
{
    Statistiche();
    const bool contatori =
        std::any_of(m_contatori.begin(), m_contatori.end(), [](QSpinBox *s) { return s->value() > 0; });
    if (contatori)
        ApplicaContatori();
    else
        m_cruci->ImpostaSelezione(m_cruci->selezione());
}

void PaginaCruci::Completamento90()
{
    auto esito = metodi::Completamento90(m_cruci->selezione(), m_cruci->cruciverba());
    if (esito.messaggio) {
        Dialoghi::Avviso(this, Q(*esito.messaggio));
        return;
    }
    if (!m_completamento)
        m_completamento = new TFCompl90(m_stato, window());
    m_completamento->Imposta(esito.griglia, m_cruci->livello(), Inserimenti());
    Dialoghi::EseguiModale(m_completamento);
}

std::array<int, 4> PaginaCruci::Inserimenti() const
{
    return {m_contatori[3]->value(), m_contatori[0]->value(), m_contatori[1]->value(), m_contatori[2]->value()};
}

esporta::DatiReportCruci PaginaCruci::DatiReport()
{
    esporta::DatiReportCruci d;
    ScelteReportCruci(d, m_cruci->livello(), m_cruci->dimensione());
    d.data = S(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    const auto v = Inserimenti();
    d.casuali = v[0];
    d.ultimi = v[1];
    d.frequenze = v[2];
    d.ritardi = v[3];
    d.numeriInGioco = FiguraDaWidget(m_cruci->grigliaNumeri());
    d.cruciverba = FiguraDaWidget(m_cruci->grigliaCruciverba());
    d.tabulato = TabulatoSviluppo(m_cruci->sviluppo());
    return d;
}

void PaginaCruci::StampaReport()
{
    // This preview stays open beside the main window.
    ::StampaReport(
        this, m_stato, [this] { return esporta::TReportCruci(IntestazioneCorrente(this, m_stato), DatiReport()); },
        false);
}

void PaginaCruci::StampaTabulato()
{
    ::StampaReport(this, m_stato,
                   [this] { return esporta::TReportcrucitabulato(IntestazioneCorrente(this, m_stato), DatiReport()); });
}
