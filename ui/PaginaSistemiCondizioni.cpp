// "&Sistemi": conditions, bases and variants, the optimised reductions and
// "Verifica garanzia" (kept apart from the page's own development code).
#include "ui/PaginaSistemi.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "archive/Archivio.h"
#include "systems/Condizioni.h"
#include "systems/FileSviluppo.h"
#include "systems/Garanzia.h"
#include "systems/Ottimizzatore.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGriglia.h"
#include "ui/PannelloCondizioni.h"
#include "ui/ProgressoFinestra.h"
#include "ui/Qt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

using namespace sestina;

void PaginaSistemi::CostruisciEstensioni(QBoxLayout *principale, QBoxLayout *azioni, QBoxLayout *destra)
{
    m_pannello = new PannelloCondizioni(this);
    principale->insertWidget(1, m_pannello);
    connect(m_pannello, &PannelloCondizioni::cambiate, this, [this] {
        SceltaCambiata(false);
        AggiornaConteggioCondizioni();
    });
    connect(m_pannello, &PannelloCondizioni::verificaStorica, this, [this] { VerificaStorica(); });

    m_ottimizzata = new QCheckBox(QStringLiteral("Ottimizzata"), m_riduzioni);
    m_ottimizzata->setObjectName(QStringLiteral("CheckBoxOttimizzata"));
    m_ottimizzata->setToolTip(QStringLiteral("Cerca un sistema con meno colonne e la stessa garanzia"));
    m_ottimizzata->setEnabled(false);
    m_riduzioni->layout()->addWidget(m_ottimizzata);

    m_garanzia = new QPushButton(QStringLiteral("Verifica garanzia"), this);
    m_garanzia->setObjectName(QStringLiteral("BottoneVerificaGaranzia"));
    connect(m_garanzia, &QPushButton::clicked, this, [this] { VerificaGaranzia(); });
    azioni->addWidget(m_garanzia);

    m_barraOttimizza = new QProgressBar(this);
    m_barraOttimizza->setObjectName(QStringLiteral("ProgressBarOttimizzata"));
    m_barraOttimizza->setRange(0, 1000);
    m_barraOttimizza->hide();
    destra->insertWidget(1, m_barraOttimizza);
}

void PaginaSistemi::RiduzioneCambiata()
{
    if (!m_ottimizzata)
        return;
    // The optimiser only takes a level below the numbers per column ("Tre" with
    // "n-3" would be refused at "Elabora"): the box goes off and loses its tick.
    const int r = livello();
    const bool ammessa = r >= 1 && r <= 3 && r < k();
    m_ottimizzata->setEnabled(ammessa);
    if (!ammessa)
        m_ottimizzata->setChecked(false);
}

std::vector<int> PaginaSistemi::NumeriBase() const
{
    std::vector<int> basi;
    const Griglia &g = m_tabellone->griglia();
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 9; ++r)
            if (g.sfondoEffettivo(r, c) == ColoreBase)
                basi.push_back(10 * r + c + 1);
    return basi;
}

sistemi::Condizioni PaginaSistemi::CondizioniAttuali() const
{
    sistemi::Condizioni c = m_pannello ? m_pannello->condizioni() : sistemi::Condizioni{};
    c.basi = NumeriBase();
    return c;
}

bool PaginaSistemi::CondizioniAttive() const
{
    try {
        const auto c = CondizioniAttuali();
        return c.Filtrano() || !c.basi.empty();
    } catch (const Errore &) {
        return true; // a bad field is reported by "Elabora"
    }
}

void PaginaSistemi::AggiornaConteggioCondizioni()
{
    if (m_pannello)
        m_pannello->AggiornaConteggio(NumeriMarcati(), NumeriBase(), k());
}

bool PaginaSistemi::SegnaBase(int riga, int colonna)
{
    if (!m_pannello || !m_pannello->segnaBasi())
        return false;
    Cella &c = m_tabellone->modifica().cella(riga, colonna);
    c.sfondo = c.sfondo == ColoreBase ? colori::Marcatura : ColoreBase;
    m_tabellone->Aggiorna();
    return true;
}

std::optional<std::string> PaginaSistemi::ControllaElabora(int n, int kk)
{
    if (!CondizioniAttive())
        return sistemi::ControllaSviluppo(n, kk);
    if (m_ottimizzata && m_ottimizzata->isChecked() && livello() > 0)
        return std::string("L'ottimizzazione non va con condizioni o basi: togli la spunta a \"Ottimizzata\"");
    return sistemi::ControllaSviluppoCondizionato(NumeriMarcati(), kk, CondizioniAttuali());
}

bool PaginaSistemi::ElaboraEsteso(std::vector<Colonna> &lista, bool &fermato)
{
    const int r = livello();
    if (CondizioniAttive()) {
        ProgressoFinestra progresso([this] { return m_stop; },
                                    [this](long elaborate, long ridotte) {
                                        m_progresso->setText(Q(sistemi::TestoAvanzamento(elaborate, ridotte)));
                                    });
        const auto esito =
            sistemi::SviluppaSistemaCondizionato(NumeriMarcati(), k(), r, CondizioniAttuali(), lista, &progresso);
        m_progresso->setText(Q(sistemi::TestoAvanzamento(esito.elaborate, esito.ridotte)));
        fermato = m_stop || esito.interrotto;
        if (fermato)
            lista.clear();
        return true;
    }
    if (!m_ottimizzata || !m_ottimizzata->isChecked() || r < 1 || r > 3)
        return false;
    // The search: the label follows the size of the best system, the bar the work done;
    // "Stop" keeps the best system found, which always holds the guarantee.
    m_barraOttimizza->setValue(0);
    m_barraOttimizza->show();
    ProgressoFinestra progresso([this] { return m_stop; },
                                [this](long fatto, long totale) {
                                    if (totale > 0)
                                        m_barraOttimizza->setValue(static_cast<int>(1000.0 * fatto / totale));
                                });
    const auto ris =
        sistemi::OttimizzaSistema(NumeriMarcati(), k(), r, sistemi::SforzoPredefinito, progresso, [this](int colonne) {
            m_progresso->setText(QStringLiteral("Colonne %1").arg(colonne));
        });
    m_barraOttimizza->hide();
    lista = ris.colonne;
    m_progresso->setText(QStringLiteral("Greedy %1 Ottimizzata %2%3")
                             .arg(ris.colonneGreedy)
                             .arg(lista.size())
                             .arg(ris.interrotta ? QStringLiteral(" (fermata)") : QString()));
    fermato = false;
    return true;
}

void PaginaSistemi::VerificaGaranzia()
{
    std::vector<Colonna> lista;
    sistemi::RisultatoGaranzia r;
    const bool ok = Esegui([&] {
        if (!sistemi::CaricaSviluppo(m_stato.DirectoryProgramma, lista) || lista.empty())
            throw Errore(sistemi::MsgNessunSviluppo);
        const auto numeri = NumeriMarcati();
        const int kk = k();
        if (CondizioniAttive()) {
            r = sistemi::VerificaGaranziaCondizionata(lista, numeri, kk, CondizioniAttuali());
            return;
        }
        // The board's numbers when the development is theirs, else the columns' own.
        bool dentro = !numeri.empty();
        for (const auto &c : lista)
            for (unsigned char x : c)
                dentro = dentro && std::find(numeri.begin(), numeri.end(), x) != numeri.end();
        r = dentro ? sistemi::VerificaGaranzia(lista, numeri, kk) : sistemi::VerificaGaranzia(lista, kk);
    });
    if (!ok)
        return;
    const QString esito = QStringLiteral("Garanzia: %1%2")
                              .arg(Q(sistemi::EsitoGaranzia(r)))
                              .arg(CondizioniAttive() ? QStringLiteral(" (per le estrazioni che rispettano le "
                                                                       "condizioni)")
                                                      : QString());
    FinestraGriglia::Mostra(this, QStringLiteral("FinestraGaranzia"), QStringLiteral("Verifica garanzia"), esito,
                            sistemi::GrigliaGaranzia(r));
}

void PaginaSistemi::VerificaStorica()
{
    Griglia g;
    const bool ok = Esegui([&] {
        const auto c = m_pannello->condizioni();
        if (!c.Filtrano())
            throw Errore("Nessuna condizione da verificare");
        const auto estrazioni = archivio::Archivio(m_stato.DirectoryProgramma).LeggiTutte();
        if (estrazioni.empty())
            throw Errore("L'archivio non contiene estrazioni");
        g = sistemi::GrigliaVerificaStorica(sistemi::VerificaStorica(c, estrazioni));
    });
    if (ok)
        FinestraGriglia::Mostra(this, QStringLiteral("FinestraVerificaStorica"), QStringLiteral("Verifica storica"),
                                QString(), std::move(g));
}

void PaginaSistemi::SalvaCondizioniSistema(const std::string &percorsoStm)
{
    const std::string cnd = sistemi::PercorsoCondizioni(percorsoStm);
    const auto c = CondizioniAttuali();
    if (c.Filtrano() || !c.basi.empty()) {
        sistemi::SalvaCondizioni(cnd, c);
        return;
    }
    // A stale ".cnd" beside the system would condition it at the next load.
    std::error_code ec;
    std::filesystem::remove(cnd, ec);
    if (ec)
        throw Errore::diFile("cancellare", cnd, ec.value());
}

sistemi::Condizioni PaginaSistemi::LeggiCondizioniSistema(const std::string &percorsoStm)
{
    const std::string cnd = sistemi::PercorsoCondizioni(percorsoStm);
    return EsisteFile(cnd) ? sistemi::CaricaCondizioni(cnd) : sistemi::Condizioni{};
}

void PaginaSistemi::ApplicaCondizioniSistema(const sistemi::Condizioni &c)
{
    if (m_pannello)
        m_pannello->ImpostaCondizioni(c);
    Griglia &g = m_tabellone->modifica();
    for (int b : c.basi)
        g.cella((b - 1) / 10, (b - 1) % 10).sfondo = ColoreBase;
    m_tabellone->Aggiorna();
}
