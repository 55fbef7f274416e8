#include "ui/PaginaInCalore.h"

#include "export/GrigliaCSV.h"
#include "export/ReportPagine.h"
#include "ui/BarraDate.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::statistiche;

namespace {

// "Estrazioni da Analizzare": an emptied box is read as 1 instead of falling back.
class SpinAnalizzare : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    void fixup(QString &testo) const override
    {
        if (testo.trimmed().isEmpty())
            testo = QStringLiteral("1");
        else
            QSpinBox::fixup(testo);
    }
};

} // namespace

PaginaInCalore::PaginaInCalore(StatoCondiviso &stato, QWidget *parent)
    : Pagina(stato, QStringLiteral("TabSheet4"), parent)
{
    auto *principale = new QVBoxLayout(this);

    // The wheel selector of the Lotto edition: never shown here.
    auto *ruote = new QToolBar(this);
    ruote->setObjectName(QStringLiteral("ToolBar13"));
    ruote->hide();
    principale->addWidget(ruote);

    auto *comandi = new QHBoxLayout;
    principale->addLayout(comandi);
    auto *campi = new QGridLayout;
    comandi->addLayout(campi);
    campi->addWidget(new QLabel(QStringLiteral("Estrazione Iniziale"), this), 0, 0);
    m_date = new QComboBox(this);
    m_date->setObjectName(QStringLiteral("ComboBox15"));
    m_date->setMaxVisibleItems(20);
    m_date->setMinimumContentsLength(11);
    campi->addWidget(m_date, 1, 0);
    connect(m_date, &QComboBox::activated, this, [this](int i) {
        m_parametri.estrazione = m_stato.UltimaEstrazione - i;
        Esegui([this] { MostraCalore(); });
    });

    campi->addWidget(new QLabel(QStringLiteral("Estrazioni da Analizzare"), this), 0, 1);
    m_analizzare = new SpinAnalizzare(this);
    m_analizzare->setObjectName(QStringLiteral("SpinEditAnalizzare"));
    m_analizzare->setRange(1, MassimoAnalizzare);
    m_analizzare->setValue(m_parametri.analizzare);
    campi->addWidget(m_analizzare, 1, 1);
    connect(m_analizzare, &QSpinBox::valueChanged, this, [this](int) { AnalizzareCambiato(); });

    campi->addWidget(new QLabel(QStringLiteral("Frequenze Minime"), this), 0, 2);
    m_minimo = new QSpinBox(this);
    m_minimo->setObjectName(QStringLiteral("SpinEditFrequenze"));
    m_minimo->setRange(0, MassimoFrequenzaMinima);
    m_minimo->setValue(m_parametri.minimo);
    campi->addWidget(m_minimo, 1, 2);
    connect(m_minimo, &QSpinBox::valueChanged, this, [this](int v) {
        m_parametri.minimo = v;
        Esegui([this] { MostraCalore(); });
    });

    auto *tipo = new QWidget(this);
    tipo->setObjectName(QStringLiteral("ToolBarTipoCalore"));
    auto *tipoLayout = new QHBoxLayout(tipo);
    tipoLayout->setContentsMargins(0, 0, 0, 0);
    auto *gruppo = new QButtonGroup(this);
    m_estratti = new QToolButton(tipo);
    m_estratti->setObjectName(QStringLiteral("TBEstratti"));
    m_estratti->setText(QStringLiteral("Estratti"));
    m_ambi = new QToolButton(tipo);
    m_ambi->setObjectName(QStringLiteral("TBAmbi"));
    m_ambi->setText(QStringLiteral("Ambi"));
    for (auto *b : {m_estratti, m_ambi}) {
        b->setCheckable(true);
        b->setMinimumWidth(70);
        gruppo->addButton(b);
        tipoLayout->addWidget(b);
    }
    m_estratti->setChecked(true);
    connect(m_estratti, &QToolButton::clicked, this, [this] { ImpostaTipo(TipoCalore::Estratti); });
    connect(m_ambi, &QToolButton::clicked, this, [this] { ImpostaTipo(TipoCalore::Ambi); });
    campi->addWidget(tipo, 1, 3);

    // The five rank colours.
    auto *colori = new QGridLayout;
    comandi->addSpacing(12);
    comandi->addLayout(colori);
    static const char *const ranghi[5] = {"Primo", "Secondo", "Terzo", "Quarto", "Quinto"};
    for (int k = 0; k < 5; ++k) {
        colori->addWidget(new QLabel(QString::fromLatin1(ranghi[k]), this), 0, k, Qt::AlignHCenter);
        auto *q = new QToolButton(this);
        q->setObjectName(QStringLiteral("ShapeCalore%1").arg(k + 1));
        q->setToolTip(QStringLiteral("Scegli il colore del %1 classificato").arg(QString::fromLatin1(ranghi[k])));
        q->setFixedSize(28, 28);
        q->setIconSize(QSize(22, 22));
        colori->addWidget(q, 1, k, Qt::AlignHCenter);
        m_quadrati[static_cast<size_t>(k)] = q;
        connect(q, &QToolButton::clicked, this, [this, k] { ScegliColore(k); });
    }
    DipingiQuadrati();

    auto *uscita = new BarraUscita(QStringLiteral("Calore"), QStringLiteral("Salva JPG"), this);
    connect(uscita, &BarraUscita::salvaCSV, this, [this] { SalvaCSV(); });
    connect(uscita, &BarraUscita::stampa, this, [this] { Stampa(); });
    connect(uscita, &BarraUscita::salvaImmagine, this, [this] { SalvaJPG(); });
    campi->addWidget(uscita, 0, 3);
    comandi->addStretch();

    auto *griglie = new QHBoxLayout;
    principale->addLayout(griglie, 1);
    m_tabella = new ExtStringGrid(this);
    m_tabella->setObjectName(QStringLiteral("ExtStringGrid8"));
    // the five columns and a vertical scroll bar, without a horizontal one
    m_tabella->setFixedWidth(40 + 64 + 64 + 50 + 64 + 24);
    griglie->addWidget(m_tabella);
    m_elenco = new ExtStringGrid(this);
    m_elenco->setObjectName(QStringLiteral("ExtStringGrid7"));
    // Every column in view ("S" included); only the draws scroll.
    m_elenco->ImpostaSempreIntera(true, false);
    griglie->addWidget(m_elenco, 1);
    connect(m_tabella, &ExtStringGrid::intestazioneCliccata, this, [this](int c) { IntestazioneCliccata(c); });
    for (ExtStringGrid *g : {m_tabella, m_elenco})
        InviaDoppioClic(g);
}

sestina::Vista PaginaInCalore::Vista()
{
    sestina::Vista v;
    v.nome = "In Calore";
    v.reimpostaCursore = [this] { m_parametri.estrazione = m_stato.UltimaEstrazione; };
    v.riempiDate = [this] { RiempiDate(); };
    v.selezionaPrimo = [this] {
        m_date->setCurrentIndex(m_date->count() > 0 ? 0 : -1);
        AnalizzareCambiato(); // the archive may now be shorter than N
    };
    v.ridisegna = [this] {
        // only a page on screen shows a result; the others recompute when shown
        if (isVisible())
            MostraCalore();
    };
    return v;
}

void PaginaInCalore::RiempiDate()
{
    m_date->clear();
    if (m_stato.UltimaEstrazione >= 0)
        ::RiempiDate(m_date, archivio::DateDecrescenti(archivio()));
}

void PaginaInCalore::DipingiQuadrati()
{
    for (int k = 0; k < 5; ++k) {
        QPixmap p(22, 22);
        p.fill(QC(m_parametri.colori[static_cast<size_t>(k)]));
        m_quadrati[static_cast<size_t>(k)]->setIcon(QIcon(p));
    }
}

void PaginaInCalore::AnalizzareCambiato()
{
    const int v = ValoreAnalizzare(S(m_analizzare->text()), m_stato.UltimaEstrazione);
    if (v != m_analizzare->value()) {
        m_analizzare->setValue(v); // runs this again with the value set back
        return;
    }
    m_parametri.analizzare = v;
    if (m_stato.UltimaEstrazione >= 0 && isVisible())
        Esegui([this] { MostraCalore(); });
}

void PaginaInCalore::MostraCalore()
{
    if (m_stato.UltimaEstrazione < 0)
        return;
    auto r = statistiche::MostraCalore(archivio(), m_stato.UltimaEstrazione, m_parametri);
    m_tabella->ImpostaGriglia(std::move(r.tabella));
    m_elenco->ImpostaGriglia(std::move(r.elenco));
}

void PaginaInCalore::ImpostaTipo(TipoCalore tipo)
{
    m_parametri.tipo = tipo;
    (tipo == TipoCalore::Ambi ? m_ambi : m_estratti)->setChecked(true);
    Esegui([this] { MostraCalore(); });
}

void PaginaInCalore::IntestazioneCliccata(int colonna)
{
    m_parametri.colonna = colonna;
    Esegui([this] { MostraCalore(); });
}

void PaginaInCalore::ScegliColore(int rango)
{
    auto &colore = m_parametri.colori[static_cast<size_t>(rango)];
    if (auto scelto = Dialoghi::ScegliColore(this, QC(colore)))
        colore = SC(*scelto);
    DipingiQuadrati();
    Esegui([this] { MostraCalore(); });
}

void PaginaInCalore::SalvaCSV()
{
    if (!SalvaGrigliaCSV(m_tabella->griglia(), QStringLiteral("Incalorelast")))
        return;
    // The draws list always goes beside the program, under its fixed name.
    Esegui([this] { esporta::SalvaCSV(m_elenco->griglia(), m_stato.percorso("IncalorelastG")); });
}

void PaginaInCalore::SalvaJPG()
{
    if (!SalvaGrigliaJPEGConDialogo(this, m_tabella, QStringLiteral("Incalorelast")))
        return;
    // As the CSV: the draws list always goes beside the program, under its fixed name.
    Esegui([this] { SalvaGrigliaJPEG(m_elenco, m_stato.percorso("GIncalorelastG")); });
}

void PaginaInCalore::Stampa()
{
    const auto t = esporta::TitoliCalore(m_parametri.tipo == TipoCalore::Ambi, S(m_date->currentText()),
                                         m_parametri.analizzare);
    StampaDueGriglie(this, m_stato, m_tabella, m_elenco, t.titolo, t.sottotitolo1, t.sottotitolo2);
}

void PaginaInCalore::showEvent(QShowEvent *e)
{
    Pagina::showEvent(e);
    DipingiQuadrati();
    if (m_stato.UltimaEstrazione >= 0)
        Esegui([this] { MostraCalore(); });
}
