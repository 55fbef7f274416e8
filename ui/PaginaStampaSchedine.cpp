// Slip printing of the slip page: "S&tampa Schedine" and "&Taratura".
#include "ui/PaginaStampa.h"

#include "app/Errore.h"
#include "slips/Schedine.h"
#include "slips/StampaSchedine.h"
#include "slips/print/PittoreSchedine.h"
#include "ui/Dialoghi.h"
#include "ui/Qt.h"
#include "ui/TTaraturaSE.h"
#include "ui/Tselezioneschedine.h"

#include <QPrinter>

using namespace sestina;
using namespace sestina::schedine;

bool PaginaStampa::StampaSchedine(const std::vector<int> &indici, bool attiva)
{
    if (m_stato.ListaColonne.empty()) {
        Dialoghi::Avviso(this, Q(MsgNessunaColonna));
        return false;
    }
    std::optional<ValoriTaratura> taratura;
    if (!Esegui([&] { taratura = CaricaTaratura(m_stato.DirectoryProgramma); }))
        return false;
    if (!taratura) {
        Dialoghi::Avviso(this, Q(MsgTaratura));
        return false;
    }
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(true);
    if (!Dialoghi::ScegliStampante(this, stampante))
        return false;
    std::vector<SchedinaDaStampare> elenco;
    if (attiva) {
        elenco.emplace_back(LeggiSchedina(), m_indice); // the marks on screen, saved or not
    } else {
        for (int i : indici) {
            MostraSchedina(i);
            elenco.emplace_back(LeggiSchedina(), i);
        }
    }
    return Esegui([&] { stampaschedine::StampaSchedine(stampante, elenco, *taratura, logicalDpiX()); });
}

bool PaginaStampa::StampaTutte()
{
    std::vector<int> indici;
    for (int i = 0; i < m_stato.ListaColonne.Count(); i += 2)
        indici.push_back(i);
    return StampaSchedine(indici, false);
}

bool PaginaStampa::StampaAttiva()
{
    return StampaSchedine({}, true);
}

bool PaginaStampa::StampaSelezione(int da, int a)
{
    std::vector<int> indici;
    const int n = NumeroSchedine(m_stato.ListaColonne);
    for (int i = std::max(1, da); i <= std::min(a, n); ++i)
        indici.push_back(2 * (i - 1));
    return StampaSchedine(indici, false);
}

bool PaginaStampa::StampaSelezioneManuale()
{
    if (m_stato.ListaColonne.empty()) {
        Dialoghi::Avviso(this, Q(MsgNessunaColonna));
        return false;
    }
    Tselezioneschedine selezione(NumeroSchedine(m_stato.ListaColonne), this);
    Dialoghi::EseguiModale(&selezione);
    if (selezione.result() != QDialog::Accepted)
        return false;
    return StampaSelezione(selezione.da(), selezione.a());
}

void PaginaStampa::ApriTaratura()
{
    if (!m_taratura)
        m_taratura = new TTaraturaSE(m_stato, this);
    if (!Esegui([this] { (void)m_taratura->caricadatitaraturase(); }))
        return;
    m_taratura->AzzeraMarcatori();
    Dialoghi::EseguiModale(m_taratura);
}
