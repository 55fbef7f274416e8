#include "ui/SottopagineEstrazioni.h"

#include "app/Errore.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Qt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::statistiche;

namespace {

// The sub-page grids are small: they must fit under the draws table.
void Compatta(Griglia &g)
{
    g.fontPixel = 11;
    g.altezzaRigaPredefinita = 15;
}

ExtStringGrid *NuovaGriglia(const char *nome, QWidget *parent)
{
    auto *g = new ExtStringGrid(parent);
    g->setObjectName(QString::fromLatin1(nome));
    return g;
}

// Every row and column in view: the fifteen draws of the table, without scroll bars.
void LarghezzaPiena(ExtStringGrid *g)
{
    g->ImpostaSempreIntera(true, true);
    g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    g->setFixedSize(g->minimumSize());
}

QString HtmlLegenda(const std::vector<std::string> &righe)
{
    QString html = QStringLiteral("<div style=\"white-space: pre; font-family: monospace;\">");
    for (const std::string &r : righe) {
        const QString riga = Q(r);
        html += QStringLiteral("<span style=\"color: #ff0000;\">") + riga.left(5).toHtmlEscaped() +
                QStringLiteral("</span>") + riga.mid(5).toHtmlEscaped() + QStringLiteral("<br>");
    }
    return html + QStringLiteral("</div>");
}

} // namespace

SottopagineEstrazioni::SottopagineEstrazioni(StatoCondiviso &stato, ExtStringGrid *tabella, QWidget *parent)
    : QTabWidget(parent), m_stato(stato), m_tabella(tabella)
{
    setObjectName(QStringLiteral("PageControlStatisticheEstrazioni"));
    // As high as the grids: the draws table above takes the rest of the page.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    addTab(CreaDistanze(), QStringLiteral("Distanze / Somme"));
    addTab(CreaClassi(), QStringLiteral("Decine/Cadenze/Figure/..."));
    addTab(CreaDatiStatistici(), QStringLiteral("Pari/Dispari/Minimo/..."));
    connect(this, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 1)
            Esegui([this] { AggiornaClassi(); });
        else if (i == 2)
            Esegui([this] { AggiornaDatiStatistici(); });
    });
    RidipingiQuadrati();
}

QWidget *SottopagineEstrazioni::CreaDistanze()
{
    auto *pagina = new QWidget(this);
    pagina->setObjectName(QStringLiteral("TabSheetDistanze"));
    auto *l = new QHBoxLayout(pagina);
    l->setContentsMargins(4, 4, 4, 4);
    m_distanze = NuovaGriglia("ExtStringGrid1", pagina);
    m_distanze->installEventFilter(this);
    l->addWidget(m_distanze);
    connect(m_distanze, &ExtStringGrid::cellaCliccata, this,
            [this](int r, int c) { CellaDistanzeCliccata(r, c); });
    connect(m_distanze, &ExtStringGrid::cellaDoppioClic, this,
            [this](int r, int c) { InviaCella(m_distanze, r, c); });

    auto *lato = new QVBoxLayout;
    lato->setSpacing(2);
    l->addLayout(lato);
    auto *mostra = new QGroupBox(QStringLiteral("Mostra"), pagina);
    mostra->setObjectName(QStringLiteral("RadioGroup1"));
    auto *ml = new QVBoxLayout(mostra);
    ml->setContentsMargins(6, 2, 6, 2);
    ml->setSpacing(0);
    m_mostra = new QButtonGroup(this);
    const auto &voci = VociMostraDistanze();
    for (size_t i = 0; i < voci.size(); ++i) {
        auto *r = new QRadioButton(Q(voci[i]), mostra);
        r->setObjectName(QStringLiteral("RadioMostra%1").arg(i));
        m_mostra->addButton(r, static_cast<int>(i));
        ml->addWidget(r);
    }
    m_mostra->button(0)->setChecked(true);
    connect(m_mostra, &QButtonGroup::idClicked, this, [this](int id) {
        m_opzioni.modo = static_cast<ModoDistanze>(id);
        Esegui([this] { AggiornaDistanze(); });
    });
    lato->addWidget(mostra);

    struct Voce {
        const char *nome, *testo, *quadrato;
        bool OpzioniDistanze::*opzione;
    };
    const Voce caselle[] = {{"CBSelezione", "Selezione", "Shape1", &OpzioniDistanze::selezione},
                            {"CBAmbiPosizione", "Ambi Posizione", "Shape2", &OpzioniDistanze::ambiPosizione},
                            {"CBAmbiRipetuti", "Ambi Ripetuti", "Shape3", &OpzioniDistanze::ambiRipetuti},
                            {"CBAmbiUniti", "Ambi Uniti", "Shape7", &OpzioniDistanze::ambiUniti}};
    std::array<QCheckBox *, 4> cb{};
    auto *griglia = new QGridLayout;
    griglia->setSpacing(2);
    lato->addLayout(griglia);
    for (size_t i = 0; i < 4; ++i) {
        const Voce &v = caselle[i];
        auto *riga = new QHBoxLayout;
        auto *q = new QPushButton(pagina);
        q->setObjectName(QString::fromLatin1(v.quadrato));
        q->setFixedSize(18, 18);
        q->setFlat(true);
        q->setToolTip(QStringLiteral("Clicca per cambiare il colore"));
        m_quadrati[i] = q;
        connect(q, &QPushButton::clicked, this, [this, i] { ScegliColore(static_cast<int>(i)); });
        auto *c = new QCheckBox(Q(v.testo), pagina);
        c->setObjectName(QString::fromLatin1(v.nome));
        cb[i] = c;
        auto opzione = v.opzione;
        connect(c, &QCheckBox::toggled, this, [this, opzione](bool si) {
            m_opzioni.*opzione = si;
            Esegui([this] { AggiornaDistanze(); });
        });
        riga->addWidget(q);
        riga->addWidget(c);
        riga->addStretch();
        // One column under "Mostra": the grid beside keeps its full width.
        griglia->addLayout(riga, static_cast<int>(i), 0);
    }
    m_selezione = cb[0];
    m_selezione->setToolTip(QStringLiteral("Clicca sulla tabella per  selezionare un dato"));
    m_posizione = cb[1];
    m_ripetuti = cb[2];
    m_uniti = cb[3];
    lato->addStretch();

    Griglia vuota = GrigliaDistanze(Griglia(), m_opzioni).griglia;
    Compatta(vuota);
    m_distanze->ImpostaGriglia(vuota);
    LarghezzaPiena(m_distanze);
    return pagina;
}

QWidget *SottopagineEstrazioni::CreaClassi()
{
    auto *pagina = new QWidget(this);
    pagina->setObjectName(QStringLiteral("TabSheetClassi"));
    auto *l = new QHBoxLayout(pagina);
    // The choice sits above the legend, so the grid alone sets the page's height.
    auto *destra = new QVBoxLayout;
    auto *scelta = new QHBoxLayout;
    scelta->addWidget(new QLabel(QStringLiteral("Mostra "), pagina));
    m_sceltaClassi = new QComboBox(pagina);
    m_sceltaClassi->setObjectName(QStringLiteral("ComboBox5"));
    for (const auto &v : VociClassiEstrazione())
        m_sceltaClassi->addItem(Q(v));
    m_sceltaClassi->setCurrentIndex(0);
    connect(m_sceltaClassi, &QComboBox::currentIndexChanged, this, [this] { Esegui([this] { AggiornaClassi(); }); });
    scelta->addWidget(m_sceltaClassi);
    scelta->addStretch();
    destra->addLayout(scelta);
    m_classi = NuovaGriglia("ExtStringGrid2", pagina);
    connect(m_classi, &ExtStringGrid::cellaDoppioClic, this, [this](int r, int c) { InviaCella(m_classi, r, c); });
    l->addWidget(m_classi, 0, Qt::AlignTop);
    l->addLayout(destra, 1);
    l->setContentsMargins(4, 4, 4, 4);

    m_legenda = new QTextEdit(pagina);
    m_legenda->setObjectName(QStringLiteral("RichEdit1"));
    m_legenda->setReadOnly(true);
    m_legenda->setStyleSheet(QStringLiteral("QTextEdit { background: rgb(215,255,255); }"));
    destra->addWidget(m_legenda, 1);

    Griglia vuota = GrigliaClassi(Griglia(), ClassiEstrazione::Decine);
    Compatta(vuota);
    m_classi->ImpostaGriglia(vuota);
    LarghezzaPiena(m_classi);
    return pagina;
}

QWidget *SottopagineEstrazioni::CreaDatiStatistici()
{
    auto *pagina = new QWidget(this);
    pagina->setObjectName(QStringLiteral("TabSheetDatiStatistici"));
    auto *l = new QHBoxLayout(pagina);
    l->setContentsMargins(4, 4, 4, 4);
    m_dati = NuovaGriglia("ExtStringGrid6", pagina);
    connect(m_dati, &ExtStringGrid::cellaDoppioClic, this, [this](int r, int c) { InviaCella(m_dati, r, c); });
    l->addWidget(m_dati, 0, Qt::AlignTop);
    l->addWidget(new QLabel(QStringLiteral("Dati Statistici"), pagina), 1, Qt::AlignTop);
    Griglia vuota = GrigliaDatiStatistici(Griglia());
    Compatta(vuota);
    m_dati->ImpostaGriglia(vuota);
    LarghezzaPiena(m_dati);
    return pagina;
}

void SottopagineEstrazioni::Aggiorna()
{
    AggiornaDistanze();
    AggiornaClassi();
    AggiornaDatiStatistici();
}

void SottopagineEstrazioni::AggiornaDistanze()
{
    RisultatoDistanze d = GrigliaDistanze(m_tabella->griglia(), m_opzioni);
    Compatta(d.griglia);
    EvidenziaTabellaEstrazioni(m_tabella->modifica(), d, m_opzioni);
    m_tabella->Aggiorna();
    m_distanze->ImpostaGriglia(std::move(d.griglia));
}

void SottopagineEstrazioni::AggiornaClassi()
{
    const auto scelta = static_cast<ClassiEstrazione>(std::max(0, m_sceltaClassi->currentIndex()));
    Griglia g = GrigliaClassi(m_tabella->griglia(), scelta);
    Compatta(g);
    m_classi->ImpostaGriglia(std::move(g));
    m_legenda->clear();
    m_legenda->setHtml(HtmlLegenda(LegendaClassi(scelta)));
}

void SottopagineEstrazioni::AggiornaDatiStatistici()
{
    Griglia g = GrigliaDatiStatistici(m_tabella->griglia());
    Compatta(g);
    m_dati->ImpostaGriglia(std::move(g));
}

void SottopagineEstrazioni::CellaDistanzeCliccata(int riga, int colonna)
{
    if (!m_opzioni.selezione)
        return;
    if (CommutaSelezione(m_opzioni, m_distanze->griglia(), riga, colonna))
        Esegui([this] { AggiornaDistanze(); });
}

void SottopagineEstrazioni::ScegliColore(int quadrato)
{
    Colore *colori[] = {&m_opzioni.coloreSelezione, &m_opzioni.colorePosizione, &m_opzioni.coloreRipetuti,
                        &m_opzioni.coloreUniti};
    Colore &c = *colori[quadrato];
    auto scelto = Dialoghi::ScegliColore(this, QC(c));
    if (!scelto)
        return;
    // Used from the next refresh of the grid.
    c = SC(*scelto);
    RidipingiQuadrati();
}

void SottopagineEstrazioni::RidipingiQuadrati()
{
    const Colore colori[] = {m_opzioni.coloreSelezione, m_opzioni.colorePosizione, m_opzioni.coloreRipetuti,
                             m_opzioni.coloreUniti};
    for (size_t i = 0; i < 4; ++i)
        m_quadrati[i]->setStyleSheet(QStringLiteral("QPushButton { background: rgb(%1,%2,%3); border: 1px solid gray; }")
                                         .arg(colori[i].r)
                                         .arg(colori[i].g)
                                         .arg(colori[i].b));
}

void SottopagineEstrazioni::InviaCella(ExtStringGrid *g, int riga, int colonna)
{
    if (m_stato.InvioASchedina)
        m_stato.InvioASchedina(g->griglia().testo(riga, colonna));
}

void SottopagineEstrazioni::Esegui(const std::function<void()> &azione)
{
    try {
        azione();
    } catch (const Errore &e) {
        Dialoghi::Errore(this, Q(e.what()));
    } catch (const std::exception &e) {
        Dialoghi::Errore(this, QStringLiteral("Errore imprevisto: ") + Q(e.what()));
    }
}

bool SottopagineEstrazioni::eventFilter(QObject *o, QEvent *e)
{
    // Leaving the grid clears its cell selection highlight.
    if (o == m_distanze && e->type() == QEvent::Leave)
        m_distanze->clearSelection();
    return QTabWidget::eventFilter(o, e);
}
