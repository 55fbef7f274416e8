#include "ui/PaginaAmbo.h"

#include "archive/Navigazione.h"
#include "export/ReportPagine.h"
#include "ui/BarraDate.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace sestina;
using namespace sestina::statistiche;

PaginaAmbo::PaginaAmbo(StatoCondiviso &stato, QWidget *parent) : Pagina(stato, QStringLiteral("TabSheet11"), parent)
{
    auto *principale = new QHBoxLayout(this);

    // The group sizes: one down at a time, "Ambi" at start.
    auto *gruppi = new QToolBar(this);
    gruppi->setObjectName(QStringLiteral("ToolBarGruppiAmbo"));
    gruppi->setOrientation(Qt::Vertical);
    auto *esclusivi = new QButtonGroup(this);
    esclusivi->setExclusive(true);
    for (int k = GruppoMinimo; k <= GruppoMassimo; ++k) {
        auto *b = new QToolButton(gruppi);
        const QString nome = Q(NomeGruppo(k));
        b->setText(nome);
        b->setObjectName(QStringLiteral("TBAmbo") + nome);
        b->setCheckable(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        gruppi->addWidget(b);
        esclusivi->addButton(b);
        m_pulsanti[static_cast<size_t>(k - GruppoMinimo)] = b;
        connect(b, &QToolButton::clicked, this, [this, k] { ScegliLunghezza(k); });
    }
    m_pulsanti[0]->setChecked(true);
    principale->addWidget(gruppi);

    auto *colonna = new QVBoxLayout;
    principale->addLayout(colonna, 1);

    // The wheel selector of the Lotto edition: never shown here.
    auto *ruote = new QToolBar(this);
    ruote->setObjectName(QStringLiteral("ToolBar20"));
    ruote->hide();
    colonna->addWidget(ruote);

    auto barraDate = [this, colonna](const QString &titolo, const char *prefisso, const char *nomeCombo, bool inizio) {
        auto *barra = new BarraDate(titolo, Q(nomeCombo), QStringLiteral("Ambo") + Q(prefisso), this);
        connect(barra, &BarraDate::mossa, this, [this, inizio](Mossa m) { inizio ? NavigaInizio(m) : NavigaFine(m); });
        connect(barra, &BarraDate::scelta, this, [this] { DateCambiate(); });
        colonna->addWidget(barra);
        return barra->combo();
    };
    m_inizio = barraDate(QStringLiteral("Inizio Ricerca"), "Inizio", "ComboBox11", true);
    m_fine = barraDate(QStringLiteral("Fine Ricerca"), "Fine", "ComboBox12", false);

    auto *uscita = new BarraUscita(QStringLiteral("Ambo"), QStringLiteral("Salva Jpeg"), this);
    m_veloce = new QCheckBox(QStringLiteral("Ricerca veloce"), uscita);
    m_veloce->setObjectName(QStringLiteral("CheckBoxRicercaVeloce"));
    QAction *primo = uscita->actions().value(0);
    uscita->insertWidget(primo, m_veloce);
    uscita->insertSeparator(primo);
    connect(uscita, &BarraUscita::salvaCSV, this, [this] { SalvaCSV(); });
    connect(uscita, &BarraUscita::stampa, this, [this] { Stampa(); });
    connect(uscita, &BarraUscita::salvaImmagine, this,
            [this] { SalvaGrigliaJPEGConDialogo(this, m_griglia, QString()); });
    colonna->addWidget(uscita);

    m_titolo = new QLabel(this);
    m_titolo->setObjectName(QStringLiteral("LabelTitoloAmbo"));
    QFont f = m_titolo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    m_titolo->setFont(f);
    colonna->addWidget(m_titolo);

    // Every search answers at once, so the stop button of long searches stays hidden.
    m_ferma = new QPushButton(
        QStringLiteral("Ricerca in Corso\nClicca qui per Terminare\nI Dati non saranno attendibili"), this);
    m_ferma->setObjectName(QStringLiteral("SpeedButton5"));
    m_ferma->hide();
    colonna->addWidget(m_ferma);

    m_griglia = new ExtStringGrid(this);
    m_griglia->setObjectName(QStringLiteral("GrigliaRitPerAmbi"));
    colonna->addWidget(m_griglia, 1);
    connect(m_griglia, &ExtStringGrid::intestazioneCliccata, this, [this](int c) { IntestazioneCliccata(c); });
    // The slip page checks the text: a label such as 05.23 stands for 5 and 23.
    InviaDoppioClic(m_griglia);

    m_risultato.voci.resize(VociRitardiGruppi);
    m_griglia->ImpostaGriglia(GrigliaRitPerAmbi(m_risultato, m_colonna));
    m_titolo->setText(Q(TitoloRitardiGruppi(m_k)));
}

sestina::Vista PaginaAmbo::Vista()
{
    sestina::Vista v;
    v.nome = "Ambo";
    v.riempiDate = [this] { RiempiDate(); };
    v.selezionaPrimo = [this] {
        m_inizio->setCurrentIndex(m_inizio->count() > 0 ? 0 : -1);
        m_fine->setCurrentIndex(m_fine->count() > 0 ? 0 : -1);
    };
    v.ridisegna = [this] { CercaRitardiGruppi(); };
    return v;
}

void PaginaAmbo::RiempiDate()
{
    m_inizio->clear();
    m_fine->clear();
    if (m_stato.UltimaEstrazione >= 0)
        RiempiDateIntervallo(m_inizio, m_fine, archivio::DateCrescenti(archivio()));
}

void PaginaAmbo::CercaRitardiGruppi()
{
    if (m_stato.UltimaEstrazione < 0)
        return;
    Esegui([this] {
        if (m_veloce->isChecked())
            m_stato.InizioRicerca = InizioRicercaVeloce(m_k);
        const auto estrazioni = archivio().LeggiTutte();
        m_risultato =
            statistiche::CercaRitardiGruppi(estrazioni, m_k, m_stato.InizioRicerca, m_stato.FineRicerca, false);
        m_griglia->ImpostaGriglia(GrigliaRitPerAmbi(m_risultato, m_colonna));
        m_titolo->setText(Q(TitoloRitardiGruppi(m_k)));
    });
}

void PaginaAmbo::ScegliLunghezza(int k)
{
    m_k = std::clamp(k, GruppoMinimo, GruppoMassimo);
    m_pulsanti[static_cast<size_t>(m_k - GruppoMinimo)]->setChecked(true);
    CercaRitardiGruppi();
}

void PaginaAmbo::IntestazioneCliccata(int colonna)
{
    if (colonna < 0 || colonna > 12)
        return;
    if (colonna == 3 && !OrdinabilePerData(m_risultato)) {
        Dialoghi::Avviso(this, QStringLiteral("Impossibile Riordinare\n\n\rUn Dato non è Mai Uscito"));
        colonna = 1;
    }
    m_colonna = colonna;
    CercaRitardiGruppi();
}

void PaginaAmbo::DateCambiate()
{
    const int u = m_stato.UltimaEstrazione;
    if (u < 0 || m_inizio->currentIndex() < 0 || m_fine->currentIndex() < 0)
        return;
    m_stato.InizioRicerca = m_inizio->currentIndex();
    m_stato.FineRicerca = u - m_fine->currentIndex();
    if (m_stato.FineRicerca < m_stato.InizioRicerca) {
        Dialoghi::Avviso(this, QStringLiteral("Date incompatibili"));
        m_inizio->setCurrentIndex(0);
        m_fine->setCurrentIndex(0);
        m_stato.InizioRicerca = 0;
        m_stato.FineRicerca = u;
    }
    CercaRitardiGruppi();
}

void PaginaAmbo::NavigaInizio(Mossa m)
{
    const int u = m_stato.UltimaEstrazione;
    if (u < 0)
        return;
    // Each bar moves along its own list: "Ricerca veloce" moves the span, not the list.
    int r = std::clamp(m_inizio->currentIndex(), 0, u);
    if (!Esegui([&] { r = archivio::MuoviRecord(archivio(), u, r, m); }))
        return;
    m_inizio->setCurrentIndex(std::clamp(r, 0, u));
    DateCambiate();
}

void PaginaAmbo::NavigaFine(Mossa m)
{
    const int u = m_stato.UltimaEstrazione;
    if (u < 0)
        return;
    int r = u - std::clamp(m_fine->currentIndex(), 0, u);
    if (!Esegui([&] { r = archivio::MuoviRecord(archivio(), u, r, m); }))
        return;
    m_fine->setCurrentIndex(std::clamp(u - r, 0, u));
    DateCambiate();
}

void PaginaAmbo::Stampa()
{
    const auto t = esporta::TitoliAmbo(TitoloRitardiGruppi(m_k), S(m_inizio->currentText()), S(m_fine->currentText()));
    StampaGriglia(this, m_stato, m_griglia, t.titolo, t.sottotitolo1, t.sottotitolo2);
}

void PaginaAmbo::SalvaCSV()
{
    // The dialog keeps the name it had last.
    SalvaGrigliaCSV(m_griglia->griglia(), QString());
}
