#include "ui/PaginaArmonia.h"

#include "export/GrigliaCSV.h"
#include "methods/Astrolotto.h"
#include "ui/BarraDate.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGuida.h"
#include "ui/ProgressoFinestra.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::metodi;

PaginaArmonia::PaginaArmonia(StatoCondiviso &stato, QWidget *parent)
    : PaginaPrevisione(stato, QStringLiteral("TabSheet14"), false, parent)
{
    auto *principale = new QVBoxLayout(this);
    auto *alto = new QHBoxLayout;
    principale->addLayout(alto);

    auto *date = new QVBoxLayout;
    alto->addLayout(date);
    auto *riga1 = new QHBoxLayout;
    date->addLayout(riga1);
    m_date = new QComboBox(this);
    m_date->setObjectName(QStringLiteral("ComboBox23"));
    m_date->setMaxVisibleItems(20);
    m_date->setMinimumContentsLength(11);
    connect(m_date, &QComboBox::activated, this, [this](int i) { ScegliRecord(m_stato.UltimaEstrazione - i, true); });
    riga1->addWidget(m_date);
    m_numero = new QLabel(this);
    m_numero->setObjectName(QStringLiteral("LabelNumeroArmonia"));
    riga1->addWidget(m_numero);
    auto *nav = new QToolBar(this);
    nav->setObjectName(QStringLiteral("ToolBar29"));
    const std::pair<const char *, const char *> mosse[4] = {{"ToolButtonArmoniaPrima", "|<"},
                                                            {"ToolButtonArmoniaIndietro", "<"},
                                                            {"ToolButtonArmoniaAvanti", ">"},
                                                            {"ToolButtonArmoniaUltima", ">|"}};
    for (int m = 0; m < 4; ++m) {
        auto *b = Pulsante(nav, QString::fromLatin1(mosse[m].first), QString::fromLatin1(mosse[m].second));
        nav->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, m] {
            const int primo = std::min(PrimoRecordArmonia, m_stato.UltimaEstrazione);
            int r = m_record;
            if (m == 0)
                r = primo;
            else if (m == 1)
                r = std::max(r - passo(), primo);
            else if (m == 2)
                r = std::min(r + passo(), m_stato.UltimaEstrazione);
            else
                r = m_stato.UltimaEstrazione;
            ScegliRecord(r, false);
        });
    }
    date->addWidget(nav);
    auto *righe = new QHBoxLayout;
    date->addLayout(righe);
    auto *succ = Pulsante(this, QStringLiteral("SpeedButton17"), QStringLiteral("Riga successiva"));
    auto *prec = Pulsante(this, QStringLiteral("SpeedButton18"), QStringLiteral("Riga precedente"));
    connect(succ, &QToolButton::clicked, this, [this] { ScegliRiga(m_riga + 1); });
    connect(prec, &QToolButton::clicked, this, [this] {
        if (m_riga > 0)
            ScegliRiga(m_riga - 1);
    });
    righe->addWidget(succ);
    righe->addWidget(prec);

    m_modo = GruppoRadio(this, alto, "RadioGroup13", QStringLiteral("Previsione in"), {"Somma", "Distanza"}, false);
    connect(m_modo, &QButtonGroup::idClicked, this, [this](int) { Esegui([this] { Ricalcola(); }); });
    m_selezione = GruppoRadio(this, alto, "RadioGroup12", QStringLiteral("Selezione"),
                              {"Estratto", "Ambo in quartina", "Ambo in cinquina"}, false);

    auto *ciclo = new QGridLayout;
    alto->addLayout(ciclo);
    ciclo->addWidget(new QLabel(QStringLiteral("N. Previsioni"), this), 0, 0);
    m_previsioni = new QSpinBox(this);
    m_previsioni->setObjectName(QStringLiteral("SpinEditwheel6"));
    m_previsioni->setRange(1, 100000);
    m_previsioni->setValue(10);
    ciclo->addWidget(m_previsioni, 1, 0);
    ciclo->addWidget(new QLabel(QStringLiteral("Passo"), this), 0, 1);
    m_passo = new QSpinBox(this);
    m_passo->setObjectName(QStringLiteral("SpinEditwheel7"));
    m_passo->setRange(1, 100);
    m_passo->setValue(10);
    ciclo->addWidget(m_passo, 1, 1);
    m_elabora = new QPushButton(QStringLiteral("ELABORA"), this);
    m_elabora->setObjectName(QStringLiteral("BitBtn1"));
    connect(m_elabora, &QPushButton::clicked, this, [this] { Esegui([this] { Elabora(); }); });
    ciclo->addWidget(m_elabora, 2, 0);
    m_annulla = new QPushButton(QStringLiteral("Calcolo in corso. Clicca qui per annullare"), this);
    m_annulla->setObjectName(QStringLiteral("BitBtn2"));
    m_annulla->hide();
    connect(m_annulla, &QPushButton::clicked, this, [this] { Annulla(); });
    ciclo->addWidget(m_annulla, 2, 1);
    m_progresso = new QProgressBar(this);
    m_progresso->setObjectName(QStringLiteral("ProgressBarArmonia"));
    m_progresso->hide();
    ciclo->addWidget(m_progresso, 3, 0, 1, 2);
    auto *colpiBox = new QGroupBox(QStringLiteral("Limita Analisi a Colpi"), this);
    auto *lc = new QVBoxLayout(colpiBox);
    m_colpi = new QListWidget(colpiBox);
    m_colpi->setObjectName(QStringLiteral("CheckListBox1"));
    for (int c = 1; c <= 10; ++c) {
        auto *it = new QListWidgetItem(QString::number(c), m_colpi);
        it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
        it->setCheckState(Qt::Checked);
    }
    m_colpi->setMaximumHeight(120);
    lc->addWidget(m_colpi);
    alto->addWidget(colpiBox);

    auto *uscita = new QToolBar(this);
    uscita->setObjectName(QStringLiteral("ToolBar30"));
    auto *stampa = Pulsante(uscita, QStringLiteral("TBStampaArmonia"), QStringLiteral("Stampa"));
    auto *jpeg = Pulsante(uscita, QStringLiteral("TBSalvaJpegArmonia"), QStringLiteral("Salva Jpeg"));
    connect(stampa, &QToolButton::clicked, this, [this] { Stampa(); });
    connect(jpeg, &QToolButton::clicked, this, [this] { SalvaFotoFinestra(this, QStringLiteral("Armonialast")); });
    auto *riep = Pulsante(uscita, QStringLiteral("TBRiepilogoArmonia"), QStringLiteral("Riepilogo"));
    connect(riep, &QToolButton::clicked, this, [this] { Riepilogo(); });
    for (auto *b : {stampa, jpeg, riep})
        uscita->addWidget(b);
    alto->addWidget(uscita);
    alto->addStretch();

    auto *valori = new QGridLayout;
    principale->addLayout(valori);
    m_data1 = new QLabel(QStringLiteral("Ambi Ruota 1 "), this);
    m_data1->setObjectName(QStringLiteral("LabelAmbiRuota1"));
    m_data2 = new QLabel(QStringLiteral("Ambi Ruota 2"), this);
    m_data2->setObjectName(QStringLiteral("LabelAmbiRuota2"));
    valori->addWidget(m_data1, 0, 0);
    valori->addWidget(m_data2, 1, 0);
    for (int i = 0; i < 8; ++i)
        for (int r = 0; r < 2; ++r) {
            auto *e = new QLineEdit(this);
            e->setObjectName(QStringLiteral("edt_Ambo%1r%2_arm").arg(i + 1).arg(r + 1));
            e->setReadOnly(true);
            e->setMaximumWidth(40);
            e->setAlignment(Qt::AlignCenter);
            valori->addWidget(e, r, i + 1);
            (r == 0 ? m_valori1 : m_valori2)[static_cast<size_t>(i)] = e;
        }
    valori->setColumnStretch(9, 1);

    auto *griglie = new QGridLayout;
    principale->addLayout(griglie, 1);
    auto griglia = [this, griglie](const char *nome, const QString &titolo, int riga, int colonna) {
        griglie->addWidget(new QLabel(titolo, this), riga * 2, colonna);
        auto *g = new ExtStringGrid(this);
        g->setObjectName(QString::fromLatin1(nome));
        griglie->addWidget(g, riga * 2 + 1, colonna);
        InviaDoppioClic(g);
        return g;
    };
    m_armonie = griglia("grigliaprevisioniarmonia", QStringLiteral("Previsioni"), 0, 0);
    m_gCiclo = griglia("Grigliacicloarmonia1", QStringLiteral("Ciclo"), 0, 1);
    m_ritardo = griglia("ExtStringGrid24", QStringLiteral("Ritardo"), 1, 0);
    m_esiti = griglia("ExtStringGrid25", QStringLiteral("Esiti"), 1, 1);
    connect(m_armonie, &ExtStringGrid::cellaCliccata, this, [this](int r, int) {
        if (r != m_riga)
            ScegliRiga(r);
    });
}

sestina::Vista PaginaArmonia::Vista()
{
    return VistaPrevisione("Armonia", [this] { Esegui([this] { Ricalcola(); }); });
}

void PaginaArmonia::showEvent(QShowEvent *e)
{
    PaginaPrevisione::showEvent(e);
    if (!m_inCorso)
        Esegui([this] { Ricalcola(); });
}

ModoArmonia PaginaArmonia::modo() const
{
    return m_modo->checkedId() == 1 ? ModoArmonia::Distanza : ModoArmonia::Somma;
}

int PaginaArmonia::passo() const
{
    return m_passo->value();
}

void PaginaArmonia::ScegliRecord(int record, bool primaRiga)
{
    m_record = record;
    if (primaRiga)
        m_riga = 0;
    Esegui([this] { Ricalcola(); });
}

void PaginaArmonia::ScegliRiga(int riga)
{
    m_riga = std::max(0, riga);
    Esegui([this] { Ricalcola(); });
}

void PaginaArmonia::Ricalcola()
{
    // Ten draws before it are needed; the list may still offer older ones.
    if (m_stato.UltimaEstrazione < 10)
        return;
    m_record = std::clamp(m_record, 10, m_stato.UltimaEstrazione);
    const auto e = archivio::Archivio(m_stato.DirectoryProgramma).LeggiTutte();
    auto r = CalcolaArmonia(e, m_record, modo(), m_riga);
    m_riga = r.riga;
    m_date->setCurrentIndex(m_stato.UltimaEstrazione - m_record);
    m_numero->setText(QString::number(m_record + 1));
    m_armonie->ImpostaGriglia(std::move(r.previsioni));
    AdattaColonne(m_armonie);
    m_ritardo->ImpostaGriglia(std::move(r.ritardo));
    AdattaColonne(m_ritardo);
    m_esiti->ImpostaGriglia(std::move(r.esiti));
    AdattaColonne(m_esiti);
    for (int i = 0; i < 8; ++i) {
        const bool evidenza = i + 1 == r.pos1 || i + 1 == r.pos2;
        for (auto *e2 : {m_valori1[static_cast<size_t>(i)], m_valori2[static_cast<size_t>(i)]})
            e2->setStyleSheet(evidenza ? QStringLiteral("background: #00ffff") : QStringLiteral("background: white"));
        m_valori1[static_cast<size_t>(i)]->setText(Q(r.valori1[static_cast<size_t>(i)]));
        m_valori2[static_cast<size_t>(i)]->setText(Q(r.valori2[static_cast<size_t>(i)]));
    }
    m_data1->setText(QStringLiteral("Ambi Ruota 1 ") + Q(r.data1));
    m_data2->setText(QStringLiteral("Ambi Ruota 2") + QStringLiteral(" ") + Q(r.data2));
}

void PaginaArmonia::Elabora()
{
    if (m_inCorso || m_stato.UltimaEstrazione < 0)
        return;
    ParametriCiclo p;
    p.record = m_record;
    p.modo = modo();
    p.riga = m_riga;
    p.selezione = static_cast<SelezioneArmonia>(std::max(0, m_selezione->checkedId()));
    p.previsioni = m_previsioni->value();
    p.passo = passo();
    for (int c = 0; c < 10; ++c)
        p.colpi[static_cast<size_t>(c)] = m_colpi->item(c)->checkState() == Qt::Checked;
    m_stop = false;
    m_inCorso = true;
    m_elabora->setEnabled(false);
    m_annulla->show();
    m_progresso->setRange(0, p.previsioni);
    m_progresso->setValue(0);
    m_progresso->show();
    const auto e = archivio::Archivio(m_stato.DirectoryProgramma).LeggiTutte();
    ProgressoFinestra progresso([this] { return m_stop; },
                                [this](long fatto, long) {
                                    m_progresso->setValue(static_cast<int>(fatto));
                                    if (dopoPrevisione)
                                        dopoPrevisione(static_cast<int>(fatto));
                                },
                                0);
    try {
        m_ciclo = CicloArmonia(e, p, &progresso);
    } catch (...) {
        m_inCorso = false;
        m_elabora->setEnabled(true);
        m_annulla->hide();
        m_progresso->hide();
        throw;
    }
    m_inCorso = false;
    m_elabora->setEnabled(true);
    m_annulla->hide();
    m_progresso->hide();
    if (m_ciclo.ciclo.righe() > 0) {
        m_gCiclo->ImpostaGriglia(m_ciclo.ciclo);
        AdattaColonne(m_gCiclo);
    }
    if (m_riepilogo)
        m_riepilogo->Imposta(m_ciclo.riepilogo);
    if (m_ciclo.messaggio)
        Dialoghi::Avviso(this, Q(*m_ciclo.messaggio));
    Ricalcola();
}

void PaginaArmonia::Riepilogo()
{
    if (!m_riepilogo)
        m_riepilogo = new TFRiepilogoArmonia(m_stato, window());
    m_riepilogo->Imposta(m_ciclo.riepilogo);
    Dialoghi::EseguiModale(m_riepilogo);
}

TFRiepilogoArmonia::TFRiepilogoArmonia(StatoCondiviso &, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRiepilogoArmonia"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(QStringLiteral("Riepilogo Cicloarmonia"));
    resize(900, 500);
    auto *l = new QVBoxLayout(this);
    auto *csv = new QPushButton(QStringLiteral("Salva CSV"), this);
    csv->setObjectName(QStringLiteral("BitBtnCSVArmonia"));
    csv->setAutoDefault(false);
    l->addWidget(csv, 0, Qt::AlignLeft);
    m_griglia = new ExtStringGrid(this);
    m_griglia->setObjectName(QStringLiteral("GrigliaRiepilogoArmonia"));
    l->addWidget(m_griglia, 1);
    connect(csv, &QPushButton::clicked, this, [this] {
        auto file = Dialoghi::SalvaFile(this, QStringLiteral("Armonia"), QStringLiteral("File Csv (*.csv)"),
                                        QStringLiteral(".csv"));
        if (file)
            EseguiAzione(this, [this, f = *file] { esporta::SalvaCSV(m_griglia->griglia(), S(f)); });
    });
}

void TFRiepilogoArmonia::Imposta(Griglia g)
{
    m_griglia->ImpostaGriglia(std::move(g));
    AdattaColonne(m_griglia);
}

void PaginaArmonia::Stampa()
{
    if (m_record < 0)
        return;
    const auto sotto = QStringLiteral("Estrazione n. %1 del %2 Da Analizzare %3 Passo %4")
                           .arg(m_record + 1)
                           .arg(m_date->currentText())
                           .arg(m_previsioni->value())
                           .arg(m_passo->value());
    StampaGriglia(this, m_stato, this, "CicloArmonia", S(sotto), "");
}
