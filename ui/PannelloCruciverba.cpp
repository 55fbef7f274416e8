#include "ui/PannelloCruciverba.h"

#include "systems/FileSviluppo.h"
#include "systems/Sviluppo.h"
#include "ui/Controlli.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/GrigliaNumeri.h"
#include "ui/Pagina.h"
#include "ui/PaginaStampa.h"
#include "ui/Qt.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::metodi;

PannelloCruciverba::PannelloCruciverba(StatoCondiviso &stato, const Nomi &nomi, Modo modo, QWidget *parent)
    : QWidget(parent), m_stato(stato), m_modo(modo)
{
    auto *principale = new QHBoxLayout(this);
    principale->setContentsMargins(0, 0, 0, 0);

    auto *sinistra = new QVBoxLayout;
    principale->addLayout(sinistra);
    auto *misure = new QGridLayout;
    sinistra->addLayout(misure);
    auto combo = [this, misure](const char *nome, const QString &titolo, int da, int a, int valore, int colonna) {
        misure->addWidget(new QLabel(titolo, this), 0, colonna);
        auto *c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(nome));
        for (int v = da; v <= a; ++v)
            c->addItem(QString::number(v));
        c->setCurrentIndex(valore - da);
        misure->addWidget(c, 1, colonna);
        return c;
    };
    m_righe = combo(nomi[0], QStringLiteral("Righe"), MinimoLato, MassimoLato, 5, 0);
    m_colonne = combo(nomi[1], QStringLiteral("Colonne"), MinimoLato, MassimoLato, 5, 1);
    m_capo1 = combo(nomi[2], QStringLiteral("1°Capogioco"), 0, 90, 0, 2);
    m_capo2 = combo(nomi[3], QStringLiteral("2°Capogioco"), 0, 90, 0, 3);
    auto cambiato = [this] {
        if (m_modo == Modo::Cruci)
            Q_EMIT dimensioniCambiate();
        else
            Riempi();
    };
    for (QComboBox *c : {m_righe, m_colonne, m_capo1})
        connect(c, &QComboBox::activated, this, cambiato);
    connect(m_capo2, &QComboBox::activated, this, [this, cambiato](int i) {
        if (m_modo == Modo::AstroMetodi && i != 0 &&
            !SecondoCapogiocoAmmesso(m_righe->currentIndex() + MinimoLato, m_colonne->currentIndex() + MinimoLato)) {
            Dialoghi::Avviso(this, Q(MsgSecondoCapogioco));
            m_capo2->setCurrentIndex(0);
            return;
        }
        cambiato();
    });

    auto *boxCruci = new QGroupBox(QStringLiteral("Cruciverba"), this);
    auto *lc = new QVBoxLayout(boxCruci);
    m_gCruciverba = new ExtStringGrid(boxCruci);
    m_gCruciverba->setObjectName(QString::fromLatin1(nomi[4]));
    lc->addWidget(m_gCruciverba);
    sinistra->addWidget(boxCruci, 1);

    m_boxNumeri = new QGroupBox(Q(DidascaliaNumeriInGioco(0)), this);
    auto *ln = new QVBoxLayout(m_boxNumeri);
    m_gNumeri = new ExtStringGrid(m_boxNumeri);
    m_gNumeri->setObjectName(QString::fromLatin1(nomi[5]));
    if (modo == Modo::Cruci)
        m_gNumeri->setToolTip(QStringLiteral("E' consigliato modificare un solo numero per volta"));
    ln->addWidget(m_gNumeri);
    sinistra->addWidget(m_boxNumeri);
    connect(m_gNumeri, &ExtStringGrid::cellaCliccata, this, [this](int r, int c) { NumeroCliccato(r, c); });

    auto *destra = new QVBoxLayout;
    principale->addLayout(destra, 1);
    m_riduzioni = GruppoRadio(this, destra, nomi[7], QStringLiteral("Riduzioni"), {"Nessuna", "n-1", "n-2", "n-3"},
                              true, &m_boxRiduzioni);
    m_dimensione = GruppoRadio(this, destra, nomi[8], QStringLiteral("Numeri in combinazione"),
                               {"Tre", "Quattro", "Cinque", "Sei"}, true, &m_boxDimensione);
    connect(m_riduzioni, &QButtonGroup::idClicked, this, [this](int) {
        AggiornaScelte();
        Sviluppa();
    });
    connect(m_dimensione, &QButtonGroup::idClicked, this, [this](int) { Sviluppa(); });
    m_gSviluppo = new ExtStringGrid(this);
    m_gSviluppo->setObjectName(QString::fromLatin1(nomi[6]));
    destra->addWidget(m_gSviluppo, 1);
    m_gSviluppo->ImpostaGriglia(sistemi::GrigliaSviluppo({}));
    AdattaColonne(m_gSviluppo);

    std::vector<std::string> testi;
    for (int n = 1; n <= 90; ++n)
        testi.push_back(std::to_string(n));
    grigliaNumeri::Fissa(m_gNumeri, grigliaNumeri::Crea(9, 10, 26, 20, testi));
    AggiornaScelte();
}

int PannelloCruciverba::livello() const
{
    return std::max(0, m_riduzioni->checkedId());
}

int PannelloCruciverba::dimensione() const
{
    if (livello() == 0)
        return 0;
    return m_modo == Modo::AstroMetodi ? DimensioneAstroMetodi(livello()) : m_dimensione->checkedId() + 3;
}

void PannelloCruciverba::AggiornaScelte()
{
    // The size counts only with a reduction; '&Astro' and 'Metodi' offer only "Sei".
    const bool riduzione = livello() > 0;
    m_boxDimensione->setEnabled(riduzione);
    if (m_modo == Modo::AstroMetodi) {
        for (int i = 0; i < 3; ++i)
            m_dimensione->button(i)->setEnabled(false);
        m_dimensione->button(3)->setChecked(true);
    }
}

void PannelloCruciverba::ImpostaLista(std::vector<int> lista)
{
    m_lista = std::move(lista);
    Riempi();
}

void PannelloCruciverba::ImpostaSelezione(std::vector<int> selezionati)
{
    m_selezione = std::move(selezionati);
    m_lista = sistemi::OrdineTabellone(m_selezione);
    Riempi();
}

void PannelloCruciverba::Riempi()
{
    const int righe = m_righe->currentIndex() + MinimoLato;
    const int colonne = m_colonne->currentIndex() + MinimoLato;
    m_cruciverba = RiempiCruciverba(righe, colonne, m_capo1->currentIndex(), m_capo2->currentIndex(), m_lista,
                                    m_modo == Modo::Cruci ? FineLista::Ferma : FineLista::Ricomincia);
    // '&Cruci': the selection is the board; the other pages highlight the crossword's numbers.
    if (m_modo == Modo::Cruci && m_cruciverba.completo)
        m_selezione = m_cruciverba.Numeri();
    const bool utilizzabile = m_modo == Modo::AstroMetodi || m_cruciverba.completo;
    m_boxRiduzioni->setEnabled(utilizzabile);
    m_boxDimensione->setEnabled(utilizzabile && livello() > 0);
    Mostra();
    if (utilizzabile) {
        Sviluppa();
    } else {
        m_sviluppo.clear();
        m_pronto = false;
        m_gSviluppo->ImpostaGriglia(sistemi::GrigliaSviluppo({}));
        AdattaColonne(m_gSviluppo);
        Q_EMIT sviluppoCambiato(false);
    }
}

void PannelloCruciverba::Mostra()
{
    m_gCruciverba->ImpostaGriglia(GrigliaCruciverba(m_cruciverba));
    const std::vector<int> evidenziati = m_modo == Modo::Cruci ? m_selezione : m_cruciverba.Numeri();
    Griglia &g = m_gNumeri->modifica();
    for (int n = 1; n <= 90; ++n) {
        bool si = std::find(evidenziati.begin(), evidenziati.end(), n) != evidenziati.end();
        g.cella((n - 1) / 10, (n - 1) % 10).sfondo = si ? colori::Marcatura : colori::Bianco;
    }
    m_gNumeri->Aggiorna();
    m_boxNumeri->setTitle(Q(DidascaliaNumeriInGioco(static_cast<int>(evidenziati.size()))));
}

void PannelloCruciverba::Sviluppa()
{
    auto s = SviluppaCruciverba(m_cruciverba, dimensione(), livello());
    if (s.messaggio) {
        Dialoghi::Avviso(this, Q(*s.messaggio));
        if (m_modo == Modo::Cruci)
            m_dimensione->button(3)->setChecked(true);
    }
    m_sviluppo = std::move(s.colonne);
    m_pronto = !s.messaggio;
    EseguiAzione(this, [this] { sistemi::SalvaSviluppo(m_stato.DirectoryProgramma, m_sviluppo); });
    m_gSviluppo->ImpostaGriglia(sistemi::GrigliaSviluppo(m_sviluppo));
    AdattaColonne(m_gSviluppo);
    Q_EMIT sviluppoCambiato(m_pronto);
}

void PannelloCruciverba::NumeroCliccato(int riga, int colonna)
{
    const int n = riga * 10 + colonna + 1;
    if (n < 1 || n > 90)
        return;
    if (m_modo == Modo::Cruci) {
        Q_EMIT numeroCliccato(n);
        return;
    }
    CambiaNumeroCruciverba(m_cruciverba, n);
    Mostra();
    Sviluppa();
}

void SchedineDaSviluppo(QWidget *pagina)
{
    if (auto *p = pagina->window()->findChild<PaginaStampa *>())
        p->RiceviSistema();
}

void SpoglioDaSviluppo(QWidget *pagina)
{
    if (auto *p = pagina->window()->findChild<PaginaStampa *>())
        p->Spoglio();
}
