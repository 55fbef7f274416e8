#include "ui/PaginaConsulta.h"

#include "export/GrigliaCSV.h"
#include "export/ReportPagine.h"
#include "ui/BarraDate.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::statistiche;

namespace {

// The button's object name: "TB" and the class name without blanks ("TBAmbiVertibili").
QString NomePulsante(const ClasseConsulta &c)
{
    QString n = Q(c.nome);
    n.remove(QLatin1Char(' '));
    return QStringLiteral("TB") + n;
}

// A small square of the class colour, so the button tells what it paints.
QIcon IconaColore(const Colore &c)
{
    QPixmap p(12, 12);
    p.fill(QC(c));
    QPainter d(&p);
    d.setPen(Qt::darkGray);
    d.drawRect(0, 0, 11, 11);
    return QIcon(p);
}

} // namespace

PaginaConsulta::PaginaConsulta(StatoCondiviso &stato, QWidget *parent)
    : Pagina(stato, QStringLiteral("TabSheet2"), parent)
{
    auto *principale = new QHBoxLayout(this);

    auto *classi = new QVBoxLayout;
    principale->addLayout(classi);
    auto barraClassi = [this, classi](const char *nome, const QString &titolo, std::initializer_list<int> ordine) {
        auto *etichetta = new QLabel(titolo, this);
        QFont f = etichetta->font();
        f.setBold(true);
        etichetta->setFont(f);
        classi->addWidget(etichetta);
        // A plain column of buttons: a tool bar would fold the last ones away on a short window.
        auto *barra = new QWidget(this);
        barra->setObjectName(QString::fromLatin1(nome));
        auto *bl = new QVBoxLayout(barra);
        bl->setContentsMargins(0, 0, 0, 0);
        bl->setSpacing(0);
        for (int k : ordine) {
            const ClasseConsulta &c = ClassiConsulta()[static_cast<size_t>(k)];
            auto *b = new QToolButton(barra);
            b->setObjectName(NomePulsante(c));
            b->setText(Q(c.didascalia));
            b->setIcon(IconaColore(c.colore));
            b->setCheckable(true);
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setAutoRaise(true);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            bl->addWidget(b);
            m_pulsantiClassi[static_cast<size_t>(k)] = b;
            connect(b, &QToolButton::toggled, this, [this, k](bool giu) {
                m_attive[static_cast<size_t>(k)] = giu;
                Esegui([this] { DisegnaConsulta(); });
            });
        }
        classi->addWidget(barra);
    };
    barraClassi("ToolBarRicercaNumeri", QStringLiteral("Ricerca Numeri"), {3, 2, 4, 6, 5, 0, 1});
    barraClassi("ToolBarRicercaAmbi", QStringLiteral("Ricerca Ambi"),
                {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    classi->addStretch();

    auto *colonna = new QVBoxLayout;
    principale->addLayout(colonna, 1);

    auto *navigazione = new QToolBar(this);
    navigazione->setObjectName(QStringLiteral("ToolBarNavigazioneConsulta"));
    struct Voce {
        const char *nome, *testo;
        MossaConsulta mossa;
    };
    const Voce voci[] = {{"ConsultaPrimo", "Primo", MossaConsulta::Primo},
                         {"ConsultaAnnoPr", "Anno Pr", MossaConsulta::AnnoPr},
                         {"ConsultaPagPr", "Pag Pr", MossaConsulta::PagPr},
                         {"ConsultaPrec", "Prec", MossaConsulta::Prec},
                         {"ConsultaSucc", "Succ", MossaConsulta::Succ},
                         {"ConsultaPagSuc", "Pag Suc", MossaConsulta::PagSuc},
                         {"ConsultaAnnoSuc", "Anno Suc", MossaConsulta::AnnoSuc},
                         {"ConsultaUltimo", "Ultimo", MossaConsulta::Ultimo}};
    for (const Voce &v : voci) {
        auto *b = new QToolButton(navigazione);
        b->setObjectName(QString::fromLatin1(v.nome));
        b->setText(Q(v.testo));
        navigazione->addWidget(b);
        const MossaConsulta mossa = v.mossa;
        connect(b, &QToolButton::clicked, this, [this, mossa] { Naviga(mossa); });
    }
    navigazione->addSeparator();
    navigazione->addWidget(new QLabel(QStringLiteral(" Estrazione del "), navigazione));
    m_date = new QComboBox(navigazione);
    m_date->setObjectName(QStringLiteral("ComboBox4"));
    m_date->setMaxVisibleItems(20);
    m_date->setMinimumContentsLength(11);
    navigazione->addWidget(m_date);
    connect(m_date, &QComboBox::activated, this, [this](int i) {
        m_posizione = m_stato.UltimaEstrazione - i;
        Esegui([this] { DisegnaConsulta(); });
    });
    colonna->addWidget(navigazione);

    auto *uscita = new BarraUscita(QStringLiteral("Consulta"), QStringLiteral("Salva Jpeg"), this);
    connect(uscita, &BarraUscita::salvaCSV, this, [this] { SalvaCSV(); });
    connect(uscita, &BarraUscita::stampa, this, [this] { Stampa(); });
    connect(uscita, &BarraUscita::salvaImmagine, this,
            [this] { SalvaGrigliaJPEGConDialogo(this, m_griglia, QStringLiteral("Consultaztionelast")); });
    colonna->addWidget(uscita);

    m_griglia = new ExtStringGrid(this);
    m_griglia->setObjectName(QStringLiteral("ExtStringGrid3"));
    colonna->addWidget(m_griglia, 1);
    InviaDoppioClic(m_griglia);

    m_griglia->ImpostaGriglia(GrigliaConsulta({}, -1, m_attive));
}

sestina::Vista PaginaConsulta::Vista()
{
    sestina::Vista v;
    v.nome = "Consulta";
    v.reimpostaCursore = [this] { m_posizione = m_stato.UltimaEstrazione; };
    v.riempiDate = [this] { RiempiDate(); };
    v.selezionaPrimo = [this] { m_date->setCurrentIndex(m_date->count() > 0 ? 0 : -1); };
    v.ridisegna = [this] { DisegnaConsulta(); };
    return v;
}

void PaginaConsulta::RiempiDate()
{
    m_date->clear();
    if (m_stato.UltimaEstrazione >= 0)
        ::RiempiDate(m_date, archivio::DateDecrescenti(archivio()));
}

void PaginaConsulta::SelezionaData()
{
    const int i = m_stato.UltimaEstrazione - m_posizione;
    if (i >= 0 && i < m_date->count())
        m_date->setCurrentIndex(i);
}

void PaginaConsulta::DisegnaConsulta()
{
    const int u = m_stato.UltimaEstrazione;
    m_posizione = std::clamp(m_posizione, 0, std::max(u, 0));
    m_griglia->ImpostaGriglia(statistiche::DisegnaConsulta(archivio(), u, m_posizione, m_attive));
}

void PaginaConsulta::Naviga(MossaConsulta mossa)
{
    if (m_stato.UltimaEstrazione < 0)
        return;
    Esegui([&] {
        m_posizione = NavigaConsulta(archivio(), m_stato.UltimaEstrazione, m_posizione, mossa);
        DisegnaConsulta();
        SelezionaData();
    });
}

void PaginaConsulta::SalvaCSV() { SalvaGrigliaCSV(m_griglia->griglia(), QStringLiteral("ConsultazioneLast")); }

void PaginaConsulta::Stampa()
{
    const auto t = esporta::TitoliConsulta(S(m_date->currentText()));
    StampaGriglia(this, m_stato, m_griglia, t.titolo, t.sottotitolo1, t.sottotitolo2);
}

void PaginaConsulta::showEvent(QShowEvent *e)
{
    Pagina::showEvent(e);
    if (m_stato.UltimaEstrazione >= 0)
        Esegui([this] { DisegnaConsulta(); });
}
