#include "ui/PaginaStat.h"

#include "archive/Navigazione.h"
#include "export/ReportPagine.h"
#include "stats/Statistiche.h"
#include "ui/BarraDate.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

using namespace sestina;
using namespace sestina::statistiche;

namespace {

// The date of a list entry "%d/%d/%d ".
archivio::RecordData DataDaVoce(const QString &voce)
{
    int g = 0, m = 0, a = 0;
    std::sscanf(S(voce).c_str(), "%d/%d/%d", &g, &m, &a);
    return archivio::RecordData{static_cast<std::uint16_t>(g), static_cast<std::uint16_t>(m),
                                static_cast<std::uint16_t>(a), 0};
}

} // namespace

PaginaStat::PaginaStat(StatoCondiviso &stato, QWidget *parent) : Pagina(stato, QStringLiteral("TabSheet3"), parent)
{
    auto *principale = new QHBoxLayout(this);

    // The table buttons: one down at a time.
    auto *tabelle = new QToolBar(this);
    tabelle->setObjectName(QStringLiteral("ToolBarTabelleStat"));
    tabelle->setOrientation(Qt::Vertical);
    auto *gruppo = new QButtonGroup(this);
    gruppo->setExclusive(true);
    for (int i = 0; i < NumeroListeVoci; ++i) {
        const auto l = static_cast<ListaVoci>(i);
        auto *b = new QToolButton(tabelle);
        QString nome = Q(NomeTabella(l));
        b->setText(nome);
        b->setObjectName(QStringLiteral("TBStat") + nome.remove(QLatin1Char(' ')));
        b->setCheckable(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        tabelle->addWidget(b);
        gruppo->addButton(b);
        m_pulsanti[static_cast<size_t>(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, l] { ScegliTabella(l); });
    }
    m_pulsanti[0]->setChecked(true);
    principale->addWidget(tabelle);

    auto *colonna = new QVBoxLayout;
    principale->addLayout(colonna, 1);

    // The wheel selector of the Lotto edition: never shown here.
    auto *ruote = new QToolBar(this);
    ruote->setObjectName(QStringLiteral("ToolBar4"));
    ruote->hide();
    colonna->addWidget(ruote);

    auto barraDate = [this, colonna](const QString &titolo, const QString &prefisso, const QString &nomeCombo,
                                     bool inizio) {
        auto *barra = new BarraDate(titolo, nomeCombo, prefisso, this);
        connect(barra, &BarraDate::mossa, this,
                [this, inizio](BarraDate::Mossa m) { inizio ? NavigaInizio(m) : NavigaFine(m); });
        connect(barra, &BarraDate::scelta, this,
                [this, inizio](int i) { inizio ? InizioCambiato(i) : FineCambiato(i); });
        colonna->addWidget(barra);
        return barra->combo();
    };
    m_inizio =
        barraDate(QStringLiteral("Inizio Ricerca"), QStringLiteral("StatInizio"), QStringLiteral("ComboBox2"), true);
    m_fine = barraDate(QStringLiteral("Fine Ricerca"), QStringLiteral("StatFine"), QStringLiteral("ComboBox3"), false);

    auto *uscita = new BarraUscita(QStringLiteral("Stat"), QStringLiteral("Salva Jpeg"), this);
    connect(uscita, &BarraUscita::salvaCSV, this, [this] { SalvaCSV(); });
    connect(uscita, &BarraUscita::stampa, this, [this] { Stampa(); });
    connect(uscita, &BarraUscita::salvaImmagine, this,
            [this] { SalvaGrigliaJPEGConDialogo(this, m_griglia, QString()); });
    colonna->addWidget(uscita);

    m_griglia = new ExtStringGrid(this);
    m_griglia->setObjectName(QStringLiteral("ExtStringGrid4"));
    colonna->addWidget(m_griglia, 1);
    connect(m_griglia, &ExtStringGrid::intestazioneCliccata, this, [this](int c) { IntestazioneCliccata(c); });
    connect(m_griglia, &ExtStringGrid::cellaDoppioClic, this, [this](int r, int c) {
        if (m_stato.InvioASchedina)
            m_stato.InvioASchedina(m_griglia->griglia().testo(r, c));
    });
}

sestina::Vista PaginaStat::Vista()
{
    sestina::Vista v;
    v.nome = "Stat";
    v.reimpostaCursore = [this] {
        m_stato.InizioRicerca = 0;
        m_stato.FineRicerca = m_stato.UltimaEstrazione;
    };
    v.riempiDate = [this] { RiempiDate(); };
    v.selezionaPrimo = [this] {
        m_inizio->setCurrentIndex(m_inizio->count() > 0 ? 0 : -1);
        m_fine->setCurrentIndex(m_fine->count() > 0 ? 0 : -1);
    };
    v.ridisegna = [this] {
        m_tabella = ListaVoci::Numeri;
        m_pulsanti[0]->setChecked(true);
        MostraStatistica();
    };
    return v;
}

void PaginaStat::RiempiDate()
{
    m_inizio->clear();
    m_fine->clear();
    if (m_stato.UltimaEstrazione >= 0)
        RiempiDateIntervallo(m_inizio, m_fine, archivio::DateCrescenti(archivio()));
}

void PaginaStat::MostraStatistica()
{
    if (m_stato.UltimaEstrazione < 0)
        return;
    const auto estrazioni = archivio().LeggiTutte();
    m_griglia->ImpostaGriglia(
        statistiche::MostraStatistica(estrazioni, m_stato.InizioRicerca, m_stato.FineRicerca, m_tabella, m_ordine));
}

void PaginaStat::ScegliTabella(ListaVoci l)
{
    m_tabella = l;
    m_pulsanti[static_cast<size_t>(l)]->setChecked(true);
    Esegui([this] { MostraStatistica(); });
}

void PaginaStat::IntestazioneCliccata(int colonna)
{
    m_ordine = OrdineDaIntestazione(colonna, m_ordine);
    Esegui([this] { MostraStatistica(); });
}

bool PaginaStat::DateSelezionateCompatibili() const
{
    return DateCompatibili(DataDaVoce(m_inizio->currentText()), DataDaVoce(m_fine->currentText()));
}

void PaginaStat::InizioCambiato(int indice)
{
    if (indice < 0)
        return;
    m_stato.InizioRicerca = indice;
    if (DateSelezionateCompatibili()) {
        Esegui([this] { MostraStatistica(); });
        return;
    }
    Dialoghi::Avviso(this, QStringLiteral("Date incompatibili"));
    const int fine = m_stato.UltimaEstrazione - m_fine->currentIndex();
    m_inizio->setCurrentIndex(fine);
    m_stato.InizioRicerca = fine;
}

void PaginaStat::FineCambiato(int indice)
{
    if (indice < 0)
        return;
    m_stato.FineRicerca = m_stato.UltimaEstrazione - indice;
    if (DateSelezionateCompatibili()) {
        Esegui([this] { MostraStatistica(); });
        return;
    }
    Dialoghi::Avviso(this, QStringLiteral("Date incompatibili"));
    const int inizio = m_inizio->currentIndex();
    m_fine->setCurrentIndex(m_stato.UltimaEstrazione - inizio);
    m_stato.FineRicerca = inizio;
}

void PaginaStat::NavigaInizio(Mossa m)
{
    const int u = m_stato.UltimaEstrazione;
    if (u < 0)
        return;
    int r = m_inizio->currentIndex();
    if (!Esegui([&] { r = archivio::MuoviRecord(archivio(), u, r, m); }))
        return;
    m_inizio->setCurrentIndex(r);
    InizioCambiato(r);
}

void PaginaStat::NavigaFine(Mossa m)
{
    const int u = m_stato.UltimaEstrazione;
    if (u < 0)
        return;
    int r = u - m_fine->currentIndex();
    if (!Esegui([&] { r = archivio::MuoviRecord(archivio(), u, r, m); }))
        return;
    m_fine->setCurrentIndex(u - r);
    FineCambiato(u - r);
}

void PaginaStat::Stampa()
{
    const auto t = esporta::TitoliStat(NomeTabella(m_tabella), S(m_inizio->currentText()), S(m_fine->currentText()));
    StampaGriglia(this, m_stato, m_griglia, t.titolo, t.sottotitolo1, t.sottotitolo2);
}

void PaginaStat::SalvaCSV()
{
    // The dialog keeps the name it had last.
    SalvaGrigliaCSV(m_griglia->griglia(), QString());
}
