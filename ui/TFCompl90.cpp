#include "ui/TFCompl90.h"

#include "export/GrigliaCSV.h"
#include "export/ReportCruci.h"
#include "methods/Completamento90.h"
#include "methods/DatiReport.h"

#include "systems/FileSviluppo.h"
#include "systems/Sviluppo.h"
#include "ui/BarraDate.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGuida.h"
#include "ui/Pagina.h"
#include "ui/PannelloCruciverba.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QButtonGroup>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::metodi;

TFCompl90::TFCompl90(StatoCondiviso &stato, QWidget *parent) : QDialog(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("FCompl90"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(QStringLiteral("Completamento 90"));
    resize(900, 600);
    auto *principale = new QVBoxLayout(this);
    auto *barra = new QHBoxLayout;
    principale->addLayout(barra);
    auto *uscita = new BarraUscita(QStringLiteral("Compl90"), QStringLiteral("Salva JGP"), this);
    uscita->setObjectName(QStringLiteral("ToolBar28"));
    connect(uscita, &BarraUscita::salvaImmagine, this,
            [this] { SalvaFotoFinestra(this, QStringLiteral("Compl90last")); });
    connect(uscita, &BarraUscita::salvaCSV, this, [this] {
        auto file = Dialoghi::SalvaFile(this, QStringLiteral("SviluppoCompl90last"),
                                        QStringLiteral("File CSV (*.CSV *.csv)"), QStringLiteral(".csv"));
        if (file)
            EseguiAzione(this, [this, f = *file] { esporta::SalvaCSV(m_gSviluppo->griglia(), S(f)); });
    });
    connect(uscita, &BarraUscita::stampa, this, [this] { Stampa(); });
    auto *schedine = Pulsante(uscita, QStringLiteral("ToolButtonSchedineCompl90"), QStringLiteral("Schedine"));
    uscita->addWidget(schedine);
    connect(schedine, &QToolButton::clicked, this, [this] {
        SchedineDaSviluppo(parentWidget());
        accept();
    });
    barra->addWidget(uscita);
    auto *spoglio = Pulsante(this, QStringLiteral("SpeedButton15"), QStringLiteral("Spoglio"));
    connect(spoglio, &QToolButton::clicked, this, [this] {
        accept();
        SpoglioDaSviluppo(parentWidget());
    });
    barra->addWidget(spoglio);
    auto radio = [this, barra](const char *nome, const QString &titolo, std::initializer_list<const char *> voci) {
        auto *g = GruppoRadio(this, barra, nome, titolo, voci, true);
        connect(g, &QButtonGroup::idClicked, this, [this](int) { EseguiAzione(this, [this] { Sviluppa(); }); });
        return g;
    };
    m_dimensione = radio("RadioGroup10", QStringLiteral("Numeri in combinazione"), {"Tre", "Quattro", "Cinque", "Sei"});
    m_riduzioni = radio("RadioGroup11", QStringLiteral("Riduzioni"), {"Nessuna", "n-1", "n-2", "n-3"});
    barra->addStretch();

    auto *corpo = new QHBoxLayout;
    principale->addLayout(corpo, 1);
    m_box = new QGroupBox(this);
    auto *lb = new QVBoxLayout(m_box);
    m_griglia = new ExtStringGrid(m_box);
    m_griglia->setObjectName(QStringLiteral("ExtStringGrid21"));
    lb->addWidget(m_griglia);
    corpo->addWidget(m_box, 2);
    m_gSviluppo = new ExtStringGrid(this);
    m_gSviluppo->setObjectName(QStringLiteral("ExtStringGrid22"));
    corpo->addWidget(m_gSviluppo, 1);
    connect(m_gSviluppo, &ExtStringGrid::cellaDoppioClic, this, [this](int r, int c) {
        if (m_stato.InvioASchedina)
            m_stato.InvioASchedina(m_gSviluppo->griglia().testo(r, c));
    });
}

void TFCompl90::Imposta(const Cruciverba &griglia, int livello, std::array<int, 4> inserimenti)
{
    m_cruciverba = griglia;
    m_inserimenti = inserimenti;
    m_riduzioni->button(std::clamp(livello, 0, 3))->setChecked(true);
    m_griglia->ImpostaGriglia(GrigliaCruciverba(m_cruciverba));
    AdattaColonne(m_griglia);
    m_box->setTitle(Q(DidascaliaCompletamento(m_cruciverba)));
    Sviluppa();
}

void TFCompl90::Sviluppa()
{
    const int livello = m_riduzioni->checkedId();
    // Whole lines without a reduction, as on the page.
    const int k = livello > 0 ? m_dimensione->checkedId() + 3 : 0;
    auto s = SviluppaCruciverba(m_cruciverba, k, livello);
    if (s.messaggio)
        Dialoghi::Avviso(this, Q(*s.messaggio));
    m_sviluppo = std::move(s.colonne);
    sistemi::SalvaSviluppo(m_stato.DirectoryProgramma, m_sviluppo);
    m_gSviluppo->ImpostaGriglia(sistemi::GrigliaSviluppo(m_sviluppo));
    AdattaColonne(m_gSviluppo);
}

void TFCompl90::Stampa()
{
    ::StampaReport(this, m_stato, [this] {
        esporta::DatiReportCruci d;
        const int livello = m_riduzioni->checkedId();
        ScelteReportCruci(d, livello, m_dimensione->checkedId() + 3);
        d.data = S(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        d.casuali = m_inserimenti[0];
        d.ultimi = m_inserimenti[1];
        d.frequenze = m_inserimenti[2];
        d.ritardi = m_inserimenti[3];
        d.cruciverba = FiguraDaWidget(m_griglia);
        d.tabulato = TabulatoSviluppo(m_sviluppo);
        return esporta::TReportcompl90tabulato(IntestazioneCorrente(this, m_stato), d);
    });
}
