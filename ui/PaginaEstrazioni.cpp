#include "ui/PaginaEstrazioni.h"

#include "app/Data.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Edizione.h"
#include "archive/ModificaArchivio.h"
#include "archive/Navigazione.h"
#include "archive/TabellaEstrazioni.h"
#include "export/GrigliaCSV.h"
#include "export/ReportPagine.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/PannelloUtente.h"
#include "ui/Piattaforma.h"
#include "ui/Qt.h"
#include "ui/TFormprivata.h"
#include "ui/UscitaGriglie.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::archivio;

namespace {
// Widths of the draws table on screen: the model's 100/30 pixel proportions,
// scaled so the date, two blanks and the weekday fit the bold font.
constexpr double ScalaLarghezze = 1.7;
} // namespace

PaginaEstrazioni::PaginaEstrazioni(StatoCondiviso &stato, QWidget *parent)
    : Pagina(stato, QStringLiteral("TabSheet1"), parent)
{
    // Tool bars across the page; under them the table with its statistics, and the side panel.
    auto *pagina = new QVBoxLayout(this);
    CostruisciBarre(pagina);
    auto *principale = new QHBoxLayout;
    pagina->addLayout(principale, 1);
    auto *colonna = new QVBoxLayout;
    principale->addLayout(colonna, 1);

    m_tabella = new ExtStringGrid(this);
    m_tabella->setObjectName(QStringLiteral("ExtStringGrid5"));
    m_tabella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabella->installEventFilter(this);
    colonna->addWidget(m_tabella, 0, Qt::AlignLeft);

    m_cerca = new QComboBox(this);
    m_cerca->setObjectName(QStringLiteral("ComboBox1"));
    m_cerca->setMaxVisibleItems(20);
    m_cerca->hide();
    connect(m_cerca, &QComboBox::activated, this, [this](int x) {
        m_cursore = m_stato.UltimaEstrazione - x;
        m_cerca->hide();
        Esegui([this] { MostraEstrazioni(); });
    });

    m_areaStatistiche = new QWidget(this);
    m_areaStatistiche->setObjectName(QStringLiteral("AreaStatisticheEstrazioni"));
    colonna->addWidget(m_areaStatistiche, 1);
    CreaStatisticheEstrazioni(m_areaStatistiche);

    auto *lato = new QVBoxLayout;
    principale->addLayout(lato);
    CostruisciLatoDestro(lato);

    m_pannello = new PannelloUtente(m_stato, this);
    m_pannello->hide();

    ImpostaAltezzaRighe(m_altezzaRiga);
    m_tabella->ImpostaGriglia(TabellaEstrazioniVuota());
    ImpostaStatoControlli(Stato::Navigazione);
}

void PaginaEstrazioni::CostruisciBarre(QVBoxLayout *colonna)
{
    auto pulsante = [this](QToolBar *barra, const char *nome, const char *testo) {
        auto *b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(Q(testo));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        barra->addWidget(b);
        m_pulsanti[QString::fromLatin1(nome)] = b;
        return b;
    };

    auto *barra9 = new QToolBar(this);
    barra9->setObjectName(QStringLiteral("ToolBar9"));
    connect(pulsante(barra9, "ToolButtonModifica", "Modifica"), &QToolButton::clicked, this, [this] { Modifica(); });
    connect(pulsante(barra9, "ToolButtonAggiungi", "Aggiungi"), &QToolButton::clicked, this, [this] { Aggiungi(); });
    connect(pulsante(barra9, "TBEliminaUtima", "Elimina Utima"), &QToolButton::clicked, this,
            [this] { EliminaUltima(); });
    pulsante(barra9, "ToolButtonIncolla", "Incolla");
    connect(pulsante(barra9, "ToolButtonNONsalvare", "Non Salvare"), &QToolButton::clicked, this,
            [this] { NonSalvare(); });
    connect(pulsante(barra9, "ToolButtonSalva", "Salva"), &QToolButton::clicked, this, [this] { Salva(); });
    barra9->addSeparator();
    connect(pulsante(barra9, "TBStampaEstrazione", "Stampa"), &QToolButton::clicked, this, [this] { Stampa(); });
    connect(pulsante(barra9, "ToolButton53", "Salva JPG"), &QToolButton::clicked, this,
            [this] { SalvaGrigliaJPEGConDialogo(this, m_tabella, QStringLiteral("Estrazionilast")); });
    connect(pulsante(barra9, "ToolButton54", "Salva CSV"), &QToolButton::clicked, this, [this] { SalvaCSV(); });
    barra9->addSeparator();
    connect(pulsante(barra9, "tbtEsporta", "Esporta"), &QToolButton::clicked, this, [this] { EsportaDBF(); });
    connect(pulsante(barra9, "tbtImporta", "Importa"), &QToolButton::clicked, this, [this] { ImportaDBF(); });
    colonna->addWidget(barra9);

    m_barraNavigazione = new QToolBar(this);
    m_barraNavigazione->setObjectName(QStringLiteral("ToolBar8"));
    m_gruppoNavigazione = new QButtonGroup(this);
    m_gruppoNavigazione->setExclusive(true);
    struct Voce {
        const char *nome, *testo;
        void (PaginaEstrazioni::*azione)();
    };
    const Voce voci[] = {{"ToolButton49", "Primo", &PaginaEstrazioni::Primo},
                         {"ToolButton73", "Anno Pr", &PaginaEstrazioni::AnnoPr},
                         {"ToolButton31", "Mese Pr", &PaginaEstrazioni::MesePr},
                         {"ToolButton67", "Prec", &PaginaEstrazioni::Prec},
                         {"ToolButton68", "Suc", &PaginaEstrazioni::Suc},
                         {"ToolButton32", "Mese Suc", &PaginaEstrazioni::MeseSuc},
                         {"ToolButton74", "Anno Suc", &PaginaEstrazioni::AnnoSuc},
                         {"tbt_Ultimo", "Ultimo", &PaginaEstrazioni::Ultimo}};
    for (const Voce &v : voci) {
        auto *b = pulsante(m_barraNavigazione, v.nome, v.testo);
        b->setCheckable(true);
        m_gruppoNavigazione->addButton(b);
        auto azione = v.azione;
        connect(b, &QToolButton::clicked, this, [this, azione] { (this->*azione)(); });
    }
    m_barraNavigazione->addSeparator();
    connect(pulsante(m_barraNavigazione, "SpeedButton6", "Cerca estrazione"), &QToolButton::clicked, this,
            [this] { CercaEstrazione(); });
    colonna->addWidget(m_barraNavigazione);
}

void PaginaEstrazioni::CostruisciLatoDestro(QVBoxLayout *lato)
{
    m_giorni = new QGroupBox(QStringLiteral("Giorni in cui si effettuano le estrazioni"), this);
    m_giorni->setObjectName(QStringLiteral("GroupBox4"));
    auto *gl = new QVBoxLayout(m_giorni);
    const char *const nomi[7] = {"CBLunedi", "CBMartedi", "CBMercoledi", "CBGIOvedi",
                                 "CBVenerdi", "CBSabato", "cbDomenica"};
    const char *const testi[7] = {"Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato", "Domenica"};
    for (size_t i = 0; i < 7; ++i) {
        auto *c = new QCheckBox(Q(testi[i]), m_giorni);
        c->setObjectName(QString::fromLatin1(nomi[i]));
        gl->addWidget(c);
        m_caselleGiorni[i] = c;
        connect(c, &QCheckBox::clicked, this, [this] { Esegui([this] { SalvaGiorniEstrazione(); }); });
    }
    lato->addWidget(m_giorni);

    m_calendario = new QCalendarWidget(this);
    m_calendario->setObjectName(QStringLiteral("MonthCalendar1"));
    m_calendario->setFirstDayOfWeek(Qt::Monday);
    m_calendario->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    m_calendario->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendario->hide();
    connect(m_calendario, &QCalendarWidget::clicked, this, [this](const QDate &d) { DataScelta(d); });
    connect(m_calendario, &QCalendarWidget::activated, this, [this](const QDate &d) { DataScelta(d); });
    lato->addWidget(m_calendario);

    auto bottone = [this, lato](const char *nome, const QString &testo) {
        auto *b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        lato->addWidget(b);
        return b;
    };
    connect(bottone("spd_Utente", QStringLiteral("Utente")), &QPushButton::clicked, this, [this] {
        m_pannello->setGeometry(rect());
        m_pannello->show();
        m_pannello->raise();
    });
    connect(bottone("SpeedButton7", QStringLiteral("Guida In Linea")), &QPushButton::clicked, this,
            [this] { GuidaInLinea(); });
    // The caption is set at start (two lines, LF CR between them).
    auto *aggiorna = bottone("SpeedButton1", QString());
    aggiorna->setText(QStringLiteral("AGGIORNA TRAMITE INTERNET\n\rDopo il download riavvia il programma"));
    aggiorna->setMinimumHeight(44);
    connect(aggiorna, &QPushButton::clicked, this, [this] { AggiornaTramiteInternet(); });
    connect(bottone("btn_TestEsporta", QStringLiteral("Test Esporta")), &QPushButton::clicked, this,
            [this] { TestEsporta(); });
    connect(bottone("Button5", QStringLiteral("Tronca i file")), &QPushButton::clicked, this,
            [this] { TroncaIFile(); });
    lato->addStretch();
}

void PaginaEstrazioni::resizeEvent(QResizeEvent *e)
{
    Pagina::resizeEvent(e);
    if (m_pannello->isVisible())
        m_pannello->setGeometry(rect());
}

sestina::Vista PaginaEstrazioni::Vista()
{
    sestina::Vista v;
    v.nome = "Estrazioni";
    v.reimpostaCursore = [this] { m_cursore = m_stato.UltimaEstrazione; };
    v.ridisegna = [this] { MostraEstrazioni(); };
    return v;
}

void PaginaEstrazioni::ImpostaAltezzaRighe(int altezza)
{
    m_altezzaRiga = altezza;
    m_tabella->setFixedHeight(2 * m_tabella->frameWidth() + (altezza + 10) + 15 * altezza);
}

void PaginaEstrazioni::MostraEstrazioni()
{
    Griglia g = TabellaEstrazioniVuota();
    try {
        g = archivio::MostraEstrazioni(archivio(), m_stato.UltimaEstrazione, m_cursore);
    } catch (...) {
        m_cursore = ClampCursore(m_cursore, m_stato.UltimaEstrazione);
        g.altezzaRigaPredefinita = m_altezzaRiga;
        m_tabella->ImpostaGriglia(g);
        throw;
    }
    g.altezzaRigaPredefinita = m_altezzaRiga;
    g.ImpostaAltezza(0, m_altezzaRiga + 10);
    for (int c = 0; c < g.colonne(); ++c)
        g.ImpostaLarghezza(c, static_cast<int>(g.larghezza(c) * ScalaLarghezze));
    m_tabella->ImpostaGriglia(std::move(g));
    int w = 2 * m_tabella->frameWidth();
    for (int c = 0; c < 10; ++c)
        w += m_tabella->griglia().larghezza(c);
    m_tabella->setFixedWidth(w);
    AggiornaStatisticheEstrazioni();
    Q_EMIT tabellaRidisegnata();
}

void PaginaEstrazioni::Naviga(int nuovoCursore)
{
    m_cursore = nuovoCursore;
    MostraEstrazioni();
}

void PaginaEstrazioni::Primo()
{
    Esegui([this] { Naviga(0); });
}
void PaginaEstrazioni::AnnoPr()
{
    Esegui([this] { Naviga(AnnoPrecedente(archivio(), m_stato.UltimaEstrazione, m_cursore)); });
}
void PaginaEstrazioni::MesePr()
{
    Esegui([this] { Naviga(MesePrecedente(archivio(), m_stato.UltimaEstrazione, m_cursore)); });
}
void PaginaEstrazioni::Prec()
{
    Esegui([this] { Naviga(m_cursore - 1); });
}
void PaginaEstrazioni::Suc()
{
    Esegui([this] { Naviga(m_cursore + 1); });
}
void PaginaEstrazioni::MeseSuc()
{
    Esegui([this] { Naviga(MeseSuccessivo(archivio(), m_stato.UltimaEstrazione, m_cursore)); });
}
void PaginaEstrazioni::AnnoSuc()
{
    Esegui([this] { Naviga(AnnoSuccessivo(archivio(), m_stato.UltimaEstrazione, m_cursore)); });
}
void PaginaEstrazioni::Ultimo()
{
    Esegui([this] { Naviga(m_stato.UltimaEstrazione); });
}

void PaginaEstrazioni::CercaEstrazione()
{
    Esegui([this] {
        auto date = DateDecrescenti(archivio());
        m_cerca->clear();
        QStringList voci;
        voci.reserve(static_cast<int>(date.size()));
        for (const auto &d : date)
            voci << Q(d);
        m_cerca->addItems(voci);
        QRect cella = m_tabella->RettangoloCella(0, 4);
        QPoint alto = m_tabella->mapTo(this, cella.topLeft());
        m_cerca->setGeometry(alto.x(), alto.y(), 2 * cella.width() + 10, cella.height());
        m_cerca->setCurrentIndex(m_stato.UltimaEstrazione - m_cursore);
        m_cerca->show();
        m_cerca->raise();
    });
}

void PaginaEstrazioni::ImpostaStatoControlli(Stato s)
{
    m_statoModifica = s;
    const bool navigazione = s == Stato::Navigazione;
    m_pulsanti[QStringLiteral("ToolButtonModifica")]->setEnabled(navigazione);
    m_pulsanti[QStringLiteral("ToolButtonAggiungi")]->setEnabled(navigazione);
    m_pulsanti[QStringLiteral("TBEliminaUtima")]->setEnabled(navigazione);
    m_pulsanti[QStringLiteral("ToolButtonSalva")]->setEnabled(!navigazione);
    m_pulsanti[QStringLiteral("ToolButtonNONsalvare")]->setEnabled(!navigazione);
    m_pulsanti[QStringLiteral("ToolButtonIncolla")]->setEnabled(false);
    m_barraNavigazione->setEnabled(navigazione);
    m_digitazione = !navigazione;
    if (navigazione)
        m_calendario->hide();
}

void PaginaEstrazioni::Aggiungi()
{
    ImpostaStatoControlli(Stato::Aggiunta);
    if (!Esegui([this] {
            Naviga(m_stato.UltimaEstrazione);
            Griglia &g = m_tabella->modifica();
            for (int r = 15; r >= 2; --r)
                for (int c = 0; c < 10; ++c)
                    g.ImpostaTesto(r, c, g.testo(r - 1, c));
            g.PulisciRiga(1);
            g.ImpostaTesto(1, 1, std::to_string(LeggiInteroOppure(g.testo(2, 1), 0) + 1));
            m_tabella->Aggiorna();
            AggiornaStatisticheEstrazioni();
            Data proposta{1, 1, 2000};
            if (m_stato.UltimaEstrazione >= 0)
                proposta = ProssimaDataEstrazione(archivio().LeggiData(m_stato.UltimaEstrazione).data(),
                                                  m_stato.FlagGiorniEstrazione);
            m_calendario->setSelectedDate(QDate(proposta.anno, proposta.mese, proposta.giorno));
            m_calendario->show();
        })) {
        ImpostaStatoControlli(Stato::Navigazione);
    }
}

void PaginaEstrazioni::Modifica()
{
    ImpostaStatoControlli(Stato::Modifica);
    if (!Esegui([this] {
            MostraEstrazioni();
            Data d = LeggiDataOErrore(m_stato.ListaDate[m_stato.UltimaEstrazione - m_cursore]);
            m_calendario->setSelectedDate(QDate(d.anno, d.mese, d.giorno));
            m_calendario->show();
            SpostaSuColonna(2);
        })) {
        ImpostaStatoControlli(Stato::Navigazione);
    }
}

void PaginaEstrazioni::DataScelta(const QDate &data)
{
    if (m_statoModifica == Stato::Navigazione)
        return;
    Esegui([&] {
        std::string testo = Data{data.day(), data.month(), data.year()}.breve() + " " +
                            NomeGiorno(data.day(), data.month(), data.year());
        m_tabella->adapter()->ImpostaTestoCella(1, 0, testo);
    });
    m_calendario->hide();
    SpostaSuColonna(2);
}

void PaginaEstrazioni::SpostaSuColonna(int colonna)
{
    m_tabella->setCurrentIndex(m_tabella->model()->index(1, colonna));
    m_tabella->setFocus();
}

std::array<std::string, 8> PaginaEstrazioni::CelleRiga1() const
{
    std::array<std::string, 8> celle;
    for (int c = 2; c <= 9; ++c)
        celle[static_cast<size_t>(c - 2)] = m_tabella->griglia().testo(1, c);
    return celle;
}

void PaginaEstrazioni::Salva()
{
    if (m_statoModifica == Stato::Navigazione)
        return;
    auto celle = CelleRiga1();
    if (!VerificaEstrazione(celle)) {
        Dialoghi::Avviso(this, Q(MsgEstrazioneNonValida));
        return;
    }
    RecordData data;
    const Griglia &g = m_tabella->griglia();
    try {
        data = CostruisciRecordData(g.testo(1, 0), g.testo(1, 1));
    } catch (const Errore &e) {
        // No date picked or a bad contest number: nothing is written, editing goes on.
        Dialoghi::Avviso(this, Q(e.what()));
        return;
    }
    RecordSuperenalotto numeri = CostruisciRecordNumeri(celle);
    bool si = Dialoghi::Domanda(this, Q(MsgVuoiSalvare));
    const bool aggiunta = InAggiunta();
    if (si) {
        Esegui([&] {
            int n = aggiunta ? m_stato.UltimaEstrazione + 1 : m_cursore;
            archivio().Scrivi(n, Estrazione{data, numeri});
            if (aggiunta)
                m_stato.UltimaEstrazione = m_stato.UltimaEstrazione + 1;
        });
    }
    ImpostaStatoControlli(Stato::Navigazione);
    Esegui([this] { m_stato.AggiornaViste(); });
}

void PaginaEstrazioni::NonSalvare()
{
    Ultimo();
    ImpostaStatoControlli(Stato::Navigazione);
}

void PaginaEstrazioni::EliminaUltima()
{
    if (!Dialoghi::Domanda(this, Q(MsgVuoiEliminare)))
        return;
    Esegui([this] {
        m_stato.UltimaEstrazione = archivio().EliminaUltima();
        m_stato.AggiornaViste();
    });
}

void PaginaEstrazioni::TroncaIFile()
{
    Esegui([this] {
        m_stato.UltimaEstrazione = archivio().Tronca(m_cursore);
        m_stato.AggiornaViste();
    });
}

void PaginaEstrazioni::TroncaTuttiIFile()
{
    if (!Dialoghi::Domanda(this, Q(MsgVuoiTroncare)))
        return;
    Esegui([this] {
        m_stato.UltimaEstrazione = archivio().TroncaTutti(m_cursore);
        MostraEstrazioni();
    });
}

void PaginaEstrazioni::contextMenuEvent(QContextMenuEvent *e)
{
    e->accept();
    TroncaTuttiIFile();
}

bool PaginaEstrazioni::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_tabella && e->type() == QEvent::KeyPress && m_digitazione) {
        TastoInTabella(static_cast<QKeyEvent *>(e));
        return true;
    }
    return Pagina::eventFilter(o, e);
}

void PaginaEstrazioni::TastoInTabella(QKeyEvent *k)
{
    QModelIndex corrente = m_tabella->currentIndex();
    int colonna = corrente.isValid() && corrente.row() == 1 && corrente.column() >= 2 ? corrente.column() : 2;
    auto successiva = [&] { SpostaSuColonna(colonna >= 9 ? 2 : colonna + 1); };
    const QString t = k->text();
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        if (colonna == 9 && !m_tabella->griglia().testo(1, 9).empty()) {
            if (!VerificaEstrazione(CelleRiga1())) {
                Dialoghi::Avviso(this, Q(MsgEstrazioneNonValida));
                return;
            }
            Salva();
            Ultimo();
            return;
        }
        successiva();
        return;
    }
    if (k->key() == Qt::Key_Backspace) {
        std::string testo = m_tabella->griglia().testo(1, colonna);
        if (!testo.empty())
            testo.pop_back();
        if (!CellaNumeroAccettata(testo))
            testo.clear();
        m_tabella->adapter()->ImpostaTestoCella(1, colonna, testo);
        SpostaSuColonna(colonna);
        return;
    }
    if (k->key() == Qt::Key_Left || k->key() == Qt::Key_Right) {
        SpostaSuColonna(k->key() == Qt::Key_Left ? (colonna <= 2 ? 9 : colonna - 1) : (colonna >= 9 ? 2 : colonna + 1));
        return;
    }
    if (t.size() == 1 && t[0].isDigit() && t[0].unicode() < 128) {
        std::string testo = m_tabella->griglia().testo(1, colonna) + S(t);
        // A cell holds only a number from 1 to 90, or nothing.
        if (!CellaNumeroAccettata(testo))
            testo.clear();
        m_tabella->adapter()->ImpostaTestoCella(1, colonna, testo);
        SpostaSuColonna(colonna);
        return;
    }
    if (!t.isEmpty() || k->key() == Qt::Key_Tab) {
        successiva();
    }
}

void PaginaEstrazioni::CaricaGiorniEstrazione()
{
    const std::string percorso = m_stato.percorso(FileGiorniEstrazione);
    if (EsisteFile(percorso)) {
        TExStringList l;
        l.LoadFromFile(percorso);
        // Ticked quietly: the boxes' click saves are for the user's clicks.
        // A short file raises the list's index error at the first missing line.
        for (int i = 0; i < 7; ++i)
            m_caselleGiorni[static_cast<size_t>(i)]->setChecked(l[i] == "1");
    }
    for (int k = 0; k < 7; ++k)
        m_stato.FlagGiorniEstrazione[static_cast<size_t>((k + 1) % 7)] = m_caselleGiorni[static_cast<size_t>(k)]->isChecked();
}

void PaginaEstrazioni::SalvaGiorniEstrazione()
{
    GiorniEstrazione flag{};
    for (int k = 0; k < 7; ++k)
        flag[static_cast<size_t>((k + 1) % 7)] = m_caselleGiorni[static_cast<size_t>(k)]->isChecked();
    m_stato.FlagGiorniEstrazione = flag;
    ScriviGiorniEstrazione(flag).SaveToFile(m_stato.percorso(FileGiorniEstrazione));
}

void PaginaEstrazioni::SalvaCSV()
{
    SalvaGrigliaCSV(m_tabella->griglia(), QStringLiteral("EstrazioneLast"));
}

void PaginaEstrazioni::Stampa()
{
    const auto t = esporta::TitoliEstrazioni();
    StampaGriglia(this, m_stato, m_tabella, t.titolo, t.sottotitolo1, t.sottotitolo2);
}

void PaginaEstrazioni::GuidaInLinea()
{
    const QString guida = Q(m_stato.percorso("help.html"));
    if (!EsisteFile(S(guida))) {
        Dialoghi::Avviso(this, QStringLiteral("La guida in linea non è installata: manca il file\r\n\r\n") + guida);
        return;
    }
    if (!Piattaforma::ApriDocumento(guida))
        Dialoghi::Avviso(this, QStringLiteral("Nessun programma disponibile per aprire la guida:\r\n\r\n") + guida);
}

void PaginaEstrazioni::AggiornaTramiteInternet()
{
    // The shell's failure is not checked: the program ends either way.
    (void)Piattaforma::AvviaProgramma(Q(m_stato.percorso("aggiorna-archivio")));
    Q_EMIT richiestaUscita();
}

void PaginaEstrazioni::TestEsporta()
{
    TFormprivata pannello(m_stato, this);
    Dialoghi::EseguiModale(&pannello);
}
