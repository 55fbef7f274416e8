#include "ui/PaginaMetodi.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "methods/DatiReport.h"
#include "ui/BarraDate.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PannelloCruciverba.h"
#include "ui/Qt.h"
#include "ui/TFormAnalisiMetodi.h"
#include "ui/UscitaGriglie.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::metodi;

PaginaMetodi::PaginaMetodi(StatoCondiviso &stato, QWidget *parent)
    : PaginaPrevisione(stato, QStringLiteral("TabSheet12"), true, parent)
{
    auto *principale = new QVBoxLayout(this);
    auto *alto = new QHBoxLayout;
    principale->addLayout(alto, 1);
    m_metodi = new ExtStringGrid(this);
    m_metodi->setObjectName(QStringLiteral("ESGmetodi"));
    m_metodi->adapter()->ImpostaModificabile([](int r, int c) { return r >= 1 && c >= 2; });
    m_metodi->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    alto->addWidget(m_metodi, 1);
    connect(m_metodi, &ExtStringGrid::cellaCliccata, this, [this](int r, int) {
        if (r >= 1)
            ScegliMetodo(r);
    });
    // An edited cell is part of the record at once.
    connect(m_metodi->adapter(), &GrigliaAdapter::testoModificato, this, [this](int r, int) {
        if (r == m_riga)
            Esegui([this] { Ricalcola(); });
    });

    auto *comandi = new QVBoxLayout;
    alto->addLayout(comandi);
    auto *scorri = new QHBoxLayout;
    comandi->addLayout(scorri);
    auto *prec = Pulsante(this, QStringLiteral("SpeedButton10"), QStringLiteral("Precedente"));
    auto *succ = Pulsante(this, QStringLiteral("SpeedButton11"), QStringLiteral("Successivo"));
    connect(prec, &QToolButton::clicked, this, [this] {
        if (m_riga > 1)
            ScegliMetodo(m_riga - 1);
    });
    connect(succ, &QToolButton::clicked, this, [this] {
        if (m_riga < m_metodi->griglia().righe() - 1)
            ScegliMetodo(m_riga + 1);
    });
    scorri->addWidget(prec);
    scorri->addWidget(succ);

    auto *date = new QHBoxLayout;
    comandi->addLayout(date);
    m_date = new QComboBox(this);
    m_date->setObjectName(QStringLiteral("ComboBox18"));
    m_date->setMaxVisibleItems(20);
    m_date->setMinimumContentsLength(11);
    connect(m_date, &QComboBox::activated, this, [this](int i) { ScegliRecord(i); });
    date->addWidget(m_date);
    m_numero = new QLabel(this);
    m_numero->setObjectName(QStringLiteral("LabelNumeroMetodi"));
    date->addWidget(m_numero);
    auto *nav = new QToolBar(this);
    nav->setObjectName(QStringLiteral("ToolBar25"));
    auto *primo = Pulsante(nav, QStringLiteral("ToolButtonMetodiPrima"), QStringLiteral("|<"));
    auto *indietro = Pulsante(nav, QStringLiteral("ToolButtonMetodiIndietro"), QStringLiteral("<"));
    auto *avanti = Pulsante(nav, QStringLiteral("ToolButtonMetodiAvanti"), QStringLiteral(">"));
    auto *ultimo = Pulsante(nav, QStringLiteral("ToolButtonMetodiUltima"), QStringLiteral(">|"));
    for (auto *b : {primo, indietro, avanti, ultimo})
        nav->addWidget(b);
    connect(primo, &QToolButton::clicked, this, [this] { ScegliRecord(0); });
    connect(indietro, &QToolButton::clicked, this, [this] { Esegui([this] { Indietro(); }); });
    connect(avanti, &QToolButton::clicked, this, [this] { Esegui([this] { Avanti(); }); });
    connect(ultimo, &QToolButton::clicked, this, [this] { ScegliRecord(m_stato.UltimaEstrazione); });
    comandi->addWidget(nav);

    auto *uscita = new BarraUscita(QStringLiteral("Metodi"), QStringLiteral("Salva JGP"), this);
    uscita->setObjectName(QStringLiteral("ToolBar26"));
    connect(uscita, &BarraUscita::salvaImmagine, this,
            [this] { SalvaFotoFinestra(this, QStringLiteral("Metodilast")); });
    // "Salva CSV" offers the development and the forecast report.
    disconnect(uscita, &BarraUscita::salvaCSV, nullptr, nullptr);
    if (auto *csv = uscita->findChild<QToolButton *>(QStringLiteral("TBSalvaCSVMetodi"))) {
        auto *menu = new QMenu(csv);
        menu->setObjectName(QStringLiteral("MenuSalvaMetodi"));
        menu->addAction(QStringLiteral("&Sviluppo"), this, [this] {
            SalvaGrigliaCSV(m_cruci->grigliaSviluppo()->griglia(), QStringLiteral("Sviluppometodilast"));
        });
        menu->addAction(QStringLiteral("&Previsione"), this, [this] { Esegui([this] { EsportaPrevisioni(); }); });
        csv->setMenu(menu);
        csv->setPopupMode(QToolButton::InstantPopup);
    }
    MenuStampa(
        uscita->findChild<QToolButton *>(QStringLiteral("TBStampaMetodi")), QStringLiteral("Report2"),
        QStringLiteral("abulato2"), [this] { StampaReport(); }, [this] { StampaTabulato(); }, false);
    auto *schedine = Pulsante(uscita, QStringLiteral("ToolButtonSchedineMetodi"), QStringLiteral("Schedine"));
    uscita->addWidget(schedine);
    connect(schedine, &QToolButton::clicked, this, [this] { SchedineDaSviluppo(this); });
    comandi->addWidget(uscita);
    auto *azioni = new QHBoxLayout;
    comandi->addLayout(azioni);
    auto *spoglio = Pulsante(this, QStringLiteral("SpeedButton12"), QStringLiteral("Spoglio"));
    connect(spoglio, &QToolButton::clicked, this, [this] { SpoglioDaSviluppo(this); });
    auto *analisi = Pulsante(this, QStringLiteral("SpeedButton13"), QStringLiteral("Analisi Metodi"));
    connect(analisi, &QToolButton::clicked, this, [this] { AnalisiMetodi(); });
    azioni->addWidget(spoglio);
    azioni->addWidget(analisi);
    comandi->addStretch();

    auto *griglie = new QGridLayout;
    principale->addLayout(griglie);
    auto griglia = [this, griglie](const char *nome, const QString &titolo, int colonna) {
        return GrigliaRisultato(griglie, nome, titolo, colonna, 70);
    };
    m_previsione = griglia("grigliaprevisionimetodi", QStringLiteral("Previsione"), 0);
    m_rit = griglia("ExtStringGrid16", QStringLiteral("Rit"), 1);
    m_es = griglia("ExtStringGrid17", QStringLiteral("Es"), 2);

    m_cruci = new PannelloCruciverba(m_stato,
                                     {"ComboBox13", "ComboBox14", "ComboBox16", "ComboBox17", "ExtStringGrid19",
                                      "ExtStringGrid20", "ExtStringGrid18", "RadioGroup6", "RadioGroup8"},
                                     PannelloCruciverba::Modo::AstroMetodi, this);
    InviaDoppioClic(m_cruci->grigliaSviluppo());
    principale->addWidget(m_cruci, 2);
    m_metodi->ImpostaGriglia(GrigliaMetodi({}));
}

sestina::Vista PaginaMetodi::Vista()
{
    return VistaPrevisione("Metodi", [this] { Esegui([this] { Ricalcola(); }); });
}

void PaginaMetodi::showEvent(QShowEvent *e)
{
    PaginaPrevisione::showEvent(e);
    CaricaMetodi();
}

void PaginaMetodi::CaricaMetodi()
{
    auto c = metodi::CaricaMetodi(m_stato.DirectoryProgramma);
    m_metodi->ImpostaGriglia(GrigliaMetodi(c.metodi));
    AdattaColonne(m_metodi);
    if (!c.errori.empty()) {
        QString testo = QStringLiteral("Metodi non caricati:");
        for (const auto &e : c.errori)
            testo += QStringLiteral("\n") + Q(e);
        Dialoghi::Avviso(this, testo);
    }
    m_riga = std::clamp(m_riga, 1, std::max(1, m_metodi->griglia().righe() - 1));
    if (!c.metodi.empty())
        Esegui([this] { Ricalcola(); });
}

ParametriMetodo PaginaMetodi::parametri() const
{
    return ParametriDaRiga(m_metodi->griglia(), m_riga);
}

std::string PaginaMetodi::nomeMetodo() const
{
    return m_metodi->griglia().testo(m_riga, 0);
}

void PaginaMetodi::ImpostaPasso(int passo)
{
    m_metodi->adapter()->ImpostaTestoCella(m_riga, 11, std::to_string(passo));
}

void PaginaMetodi::ScegliMetodo(int riga)
{
    m_riga = riga;
    Esegui([this] { Ricalcola(); });
}

void PaginaMetodi::ScegliRecord(int record)
{
    m_record = std::clamp(record, 0, std::max(0, m_stato.UltimaEstrazione));
    Esegui([this] { Ricalcola(); });
}

void PaginaMetodi::Indietro()
{
    m_record = PassoIndietro(archivio(), m_stato.UltimaEstrazione, m_record, parametri().passo);
    Ricalcola();
}

void PaginaMetodi::Avanti()
{
    m_record = PassoAvanti(archivio(), m_stato.UltimaEstrazione, m_record, parametri().passo);
    Ricalcola();
}

void PaginaMetodi::Ricalcola()
{
    Griglia &g = m_metodi->modifica();
    EvidenziaMetodo(g, m_riga);
    m_metodi->Aggiorna();
    if (m_stato.UltimaEstrazione < 0 || nomeMetodo().empty())
        return;
    m_record = std::clamp(m_record, 0, m_stato.UltimaEstrazione);
    m_date->setCurrentIndex(m_record);
    m_numero->setText(QString::number(m_record + 1));
    const auto e = archivio().LeggiTutte();
    auto r = CalcolaPaginaMetodo(e, m_record, parametri(), nomeMetodo());
    m_previsione->ImpostaGriglia(std::move(r.previsioneGriglia));
    AdattaColonne(m_previsione);
    m_rit->ImpostaGriglia(std::move(r.rit));
    AdattaColonne(m_rit);
    m_es->ImpostaGriglia(std::move(r.es));
    AdattaColonne(m_es);
    m_cruci->ImpostaLista(std::move(r.listaCruciverba));
}

void PaginaMetodi::EsportaPrevisioni()
{
    const auto t = Dialoghi::ChiediTesto(this, QStringLiteral("Esporta Previsioni txt"),
                                         QStringLiteral("Quante ne esporti?"), QStringLiteral("10"));
    // A value that is not a positive number writes nothing but still offers to save.
    const int n = t ? LeggiInteroOppure(S(*t), 0) : 0;
    TExStringList righe;
    if (n > 0 && !nomeMetodo().empty())
        righe = RelazionePrevisioni(archivio(), archivio().LeggiTutte(), m_record, parametri(), nomeMetodo(), n);
    auto file = Dialoghi::SalvaFile(this, QStringLiteral("RelazioneMetodi"), QStringLiteral("Testo (*.txt)"),
                                    QStringLiteral(".txt"));
    if (file)
        righe.SaveToFile(S(*file));
}

void PaginaMetodi::AnalisiMetodi()
{
    if (nomeMetodo().empty())
        return;
    if (!m_analisi)
        m_analisi = new TFormAnalisiMetodi(m_stato, this);
    m_analisi->Apri(m_record);
    Dialoghi::EseguiModale(m_analisi);
}

esporta::DatiReportMetodi PaginaMetodi::DatiReport()
{
    esporta::DatiReportMetodi d;
    TestiReportMetodo(d, parametri(), nomeMetodo(), S(m_date->currentText()));
    d.previsioniGriglia = FiguraDaWidget(m_previsione);
    d.ritardi = FiguraDaWidget(m_rit);
    d.esiti = FiguraDaWidget(m_es);
    d.numeriInGioco = FiguraDaWidget(m_cruci->grigliaNumeri());
    d.cruciverba = FiguraDaWidget(m_cruci->grigliaCruciverba());
    d.tabulato = TabulatoSviluppo(m_cruci->sviluppo());
    return d;
}

void PaginaMetodi::StampaReport()
{
    if (nomeMetodo().empty()) {
        Dialoghi::Avviso(this, QStringLiteral("Nessun metodo da stampare"));
        return;
    }
    ::StampaReport(this, m_stato,
                   [this] { return esporta::TReportmetodi(IntestazioneCorrente(this, m_stato), DatiReport()); });
}

void PaginaMetodi::StampaTabulato()
{
    if (nomeMetodo().empty()) {
        Dialoghi::Avviso(this, QStringLiteral("Nessun metodo da stampare"));
        return;
    }
    ::StampaReport(this, m_stato, [this] {
        return esporta::TReportmetoditabulato(IntestazioneCorrente(this, m_stato), DatiReport());
    });
}
