#include "ui/PaginaEstrazioni.h"

#include "app/Colonna.h"
#include "app/Data.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Edizione.h"
#include "archive/ModificaArchivio.h"
#include "archive/Navigazione.h"
#include "archive/TabellaEstrazioni.h"
#include "export/GrigliaCSV.h"
#include "ui/AggiornamentoArchivio.h"
#include "export/ReportPagine.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/ExtStringGridEditor.h"
#include "ui/FinestraGuida.h"
#include "ui/PannelloUtente.h"
#include "ui/Qt.h"
#include "ui/TFormprivata.h"
#include "ui/UscitaGriglie.h"

#include <QApplication>
#include <QAction>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::archivio;

namespace {
// The date column's text is this many pixels below the grid font.
constexpr int RiduzioneFontData = 3;

// Column widths of the draws table for a grid font: the longest date with its
// weekday fits column 0, and the others keep the model's 100/30 proportion.
std::pair<int, int> LarghezzeTabella(const QString &famiglia, int fontPixel)
{
    QFont f(famiglia);
    f.setBold(true);
    f.setPixelSize(fontPixel - RiduzioneFontData);
    const int data = QFontMetrics(f).horizontalAdvance(QStringLiteral("30/12/2026  Mercoledì")) + 12;
    return {data, (data * 30 + 50) / 100};
}
} // namespace

PaginaEstrazioni::PaginaEstrazioni(StatoCondiviso &stato, QWidget *parent)
    : Pagina(stato, QStringLiteral("TabSheet1"), parent)
{
    // Tool bars across the page; under them the table on the left, its statistics
    // on the right with the draw days, the calendar and the page's buttons below them.
    auto *pagina = new QVBoxLayout(this);
    CostruisciBarre(pagina);
    auto *principale = new QHBoxLayout;
    pagina->addLayout(principale, 1);
    auto *colonna = new QVBoxLayout;
    m_colonnaTabella = colonna;
    principale->addLayout(colonna, 0);
    m_destra = new QVBoxLayout;
    principale->addLayout(m_destra, 1);

    m_tabella = new ExtStringGrid(this);
    m_tabella->setObjectName(QStringLiteral("ExtStringGrid5"));
    m_tabella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabella->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabella->installEventFilter(this);
    // Row 1, columns 2..9, while a draw is added or modified.
    m_editore = new EditorNumeriCella(1, 90, m_tabella);
    m_tabella->setItemDelegate(m_editore);
    m_tabella->adapter()->ImpostaModificabile(
        [this](int r, int c) { return m_digitazione && r == 1 && c >= 2 && c <= 9; });
    m_tabella->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    connect(m_editore, &EditorNumeriCella::invio, this, [this](int, int c) { InvioInCella(c); });
    connect(m_editore, &EditorNumeriCella::avanti, this,
            [this](int, int c) { SpostaSuColonna(c >= 9 || c < 2 ? 2 : c + 1); });
    // The table takes the height the statistics under it leave; its rows follow (AdattaRighe).
    m_tabella->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    colonna->addWidget(m_tabella, 1);

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
    m_destra->addWidget(m_areaStatistiche, 0);
    CreaStatisticheEstrazioni(m_areaStatistiche);

    auto *lato = new QHBoxLayout;
    m_destra->addLayout(lato);
    CostruisciLatoDestro(lato);
    m_destra->addStretch(1);

    m_pannello = new PannelloUtente(m_stato, this);
    m_pannello->hide();

    m_tabella->ImpostaGriglia(TabellaEstrazioniVuota());
    ImpostaAltezzaRighe(m_altezzaRiga);
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

void PaginaEstrazioni::CostruisciLatoDestro(QHBoxLayout *lato)
{
    m_giorni = new QGroupBox(QStringLiteral("Giorni in cui si effettuano le estrazioni"), this);
    m_giorni->setObjectName(QStringLiteral("GroupBox4"));
    auto *gl = new QGridLayout(m_giorni);
    gl->setVerticalSpacing(2);
    const char *const nomi[7] = {"CBLunedi", "CBMartedi", "CBMercoledi", "CBGIOvedi",
                                 "CBVenerdi", "CBSabato", "cbDomenica"};
    const char *const testi[7] = {"Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato", "Domenica"};
    for (size_t i = 0; i < 7; ++i) {
        auto *c = new QCheckBox(Q(testi[i]), m_giorni);
        c->setObjectName(QString::fromLatin1(nomi[i]));
        gl->addWidget(c, static_cast<int>(i % 4), static_cast<int>(i / 4));
        m_caselleGiorni[i] = c;
        connect(c, &QCheckBox::clicked, this, [this] { Esegui([this] { SalvaGiorniEstrazione(); }); });
    }
    lato->addWidget(m_giorni, 0, Qt::AlignTop);
    auto *pulsanti = new QVBoxLayout;
    pulsanti->setSpacing(4);

    m_calendario = new QCalendarWidget(this);
    m_calendario->setObjectName(QStringLiteral("MonthCalendar1"));
    m_calendario->setFirstDayOfWeek(Qt::Monday);
    m_calendario->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    m_calendario->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendario->hide();
    m_calendario->installEventFilter(this);
    connect(m_calendario, &QCalendarWidget::clicked, this, [this](const QDate &d) { DataScelta(d); });
    connect(m_calendario, &QCalendarWidget::activated, this, [this](const QDate &d) { DataScelta(d); });
    auto bottone = [this, pulsanti](const char *nome, const QString &testo) {
        auto *b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        pulsanti->addWidget(b);
        return b;
    };
    connect(bottone("spd_Utente", QStringLiteral("Utente")), &QPushButton::clicked, this, [this] {
        m_pannello->setGeometry(rect());
        m_pannello->show();
        m_pannello->raise();
    });
    connect(bottone("SpeedButton7", QStringLiteral("Guida In Linea")), &QPushButton::clicked, this,
            [this] { GuidaInLinea(); });
    // The update runs inside the program: no restart, so no second line asking for one.
    auto *aggiorna = bottone("SpeedButton1", QStringLiteral("AGGIORNA TRAMITE INTERNET"));
    aggiorna->setMinimumHeight(44);
    connect(aggiorna, &QPushButton::clicked, this, [this] { AggiornaTramiteInternet(); });
    auto *cambia = new QAction(QStringLiteral("Cambia indirizzo di aggiornamento..."), aggiorna);
    cambia->setObjectName(QStringLiteral("AzioneCambiaIndirizzo"));
    aggiorna->addAction(cambia);
    aggiorna->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(cambia, &QAction::triggered, this,
            [this] { Esegui([this] { (void)AggiornamentoArchivio::CambiaIndirizzo(this, m_stato); }); });
    connect(bottone("btn_TestEsporta", QStringLiteral("Test Esporta")), &QPushButton::clicked, this,
            [this] { TestEsporta(); });
    connect(bottone("Button5", QStringLiteral("Tronca i file")), &QPushButton::clicked, this,
            [this] { TroncaIFile(); });
    pulsanti->addStretch();
    lato->addLayout(pulsanti);
    lato->addWidget(m_calendario, 0, Qt::AlignTop);
    lato->addStretch();
}

void PaginaEstrazioni::resizeEvent(QResizeEvent *e)
{
    Pagina::resizeEvent(e);
    AdattaRighe();
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
    // The wished height; a shorter window gets rows down to AltezzaRigaMinima.
    m_tabella->setMinimumHeight(2 * m_tabella->frameWidth() + (AltezzaRigaMinima + 10) + 15 * AltezzaRigaMinima);
    m_altezzaRigaVoluta = std::max(altezza, AltezzaRigaMinima);
    AdattaRighe();
}

void PaginaEstrazioni::AdattaRighe()
{
    // The column's height divided among the header (10 pixels taller) and fifteen
    // rows; the table then ends at its last row.
    const int colonna = m_colonnaTabella->geometry().height();
    const int disponibile = (colonna > 0 ? colonna : m_tabella->height()) - 2 * m_tabella->frameWidth() - 10;
    const int altezza = std::max(m_tabella->isVisible() ? disponibile / 16 : m_altezzaRigaVoluta, AltezzaRigaMinima);
    m_tabella->setMaximumHeight(2 * m_tabella->frameWidth() + 10 + 16 * altezza);
    // Taller rows take a larger font, as long as the statistics keep their room beside the table.
    const int spazio = width() - m_destra->minimumSize().width() - 40;
    int font = std::max(16, altezza * 2 / 3);
    const QString famiglia = Q(m_tabella->griglia().fontFamiglia);
    while (font > 16) {
        auto [data, numero] = LarghezzeTabella(famiglia, font);
        if (data + 9 * numero + 2 * m_tabella->frameWidth() <= spazio)
            break;
        --font;
    }
    if (altezza == m_altezzaRiga && font == m_fontTabella)
        return;
    m_altezzaRiga = altezza;
    m_fontTabella = font;
    ApplicaMisureTabella(m_tabella->modifica());
    m_tabella->Aggiorna();
    AdattaLarghezzaTabella();
}

void PaginaEstrazioni::ApplicaMisureTabella(Griglia &g) const
{
    g.altezzaRigaPredefinita = m_altezzaRiga;
    for (int r = 1; r < g.righe(); ++r)
        g.ImpostaAltezza(r, m_altezzaRiga);
    if (g.righe() > 0)
        g.ImpostaAltezza(0, m_altezzaRiga + 10);
    g.fontPixel = m_fontTabella;
    for (int r = 1; r < g.righe(); ++r)
        for (int c = 0; c < 2 && c < g.colonne(); ++c)
            g.cella(r, c).dimensioneFont = m_fontTabella - RiduzioneFontData;
    auto [data, numero] = LarghezzeTabella(Q(g.fontFamiglia), m_fontTabella);
    for (int c = 0; c < g.colonne(); ++c)
        g.ImpostaLarghezza(c, c == 0 ? data : numero);
}

void PaginaEstrazioni::AdattaLarghezzaTabella()
{
    int w = 2 * m_tabella->frameWidth();
    for (int c = 0; c < m_tabella->griglia().colonne(); ++c)
        w += m_tabella->griglia().larghezza(c);
    m_tabella->setFixedWidth(w);
}

void PaginaEstrazioni::MostraEstrazioni()
{
    Griglia g = TabellaEstrazioniVuota();
    try {
        g = archivio::MostraEstrazioni(archivio(), m_stato.UltimaEstrazione, m_cursore);
    } catch (...) {
        m_cursore = ClampCursore(m_cursore, m_stato.UltimaEstrazione);
        ApplicaMisureTabella(g);
        m_tabella->ImpostaGriglia(g);
        throw;
    }
    ApplicaMisureTabella(g);
    // Superstar 0: a draw from before the SuperStar, shown without one.
    for (int r = 1; r < g.righe(); ++r)
        if (g.testo(r, 9) == "0")
            g.ImpostaTesto(r, 9, std::string());
    m_tabella->ImpostaGriglia(std::move(g));
    AdattaLarghezzaTabella();
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
    if (navigazione && m_editore->editorAperto())
        Q_EMIT m_editore->closeEditor(m_editore->editorAperto(), QAbstractItemDelegate::NoHint);
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
    m_editore->Conferma();
    auto celle = CelleRiga1();
    if (!VerificaRiga1())
        return;
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

bool PaginaEstrazioni::VerificaRiga1()
{
    auto celle = CelleRiga1();
    std::string testoData = m_tabella->griglia().testo(1, 0);
    const int g = EstraiNumero(testoData), m = EstraiNumero(testoData), a = EstraiNumero(testoData);
    // Without a picked date the draw is a new one: the superstar is required.
    const bool conSuperstar = !Data{g, m, a}.valida() || SuperstarEstratto(g, m, a);
    if (!VerificaEstrazione(celle, conSuperstar)) {
        Dialoghi::Avviso(this, Q(MsgEstrazioneNonValida));
        return false;
    }
    return true;
}

void PaginaEstrazioni::InvioInCella(int colonna)
{
    if (colonna == 9 && !m_tabella->griglia().testo(1, 9).empty()) {
        if (!VerificaRiga1())
            return;
        Salva();
        Ultimo();
        return;
    }
    SpostaSuColonna(colonna >= 9 || colonna < 2 ? 2 : colonna + 1);
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
    if (o == m_tabella && e->type() == QEvent::Resize)
        AdattaRighe();
    // The calendar widens the column beside the table: the table's font follows once the layout has.
    if (o == m_calendario && (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent))
        QMetaObject::invokeMethod(this, [this] { AdattaRighe(); }, Qt::QueuedConnection);
    if (o == m_tabella && e->type() == QEvent::KeyPress && m_digitazione)
        return TastoInTabella(static_cast<QKeyEvent *>(e));
    return Pagina::eventFilter(o, e);
}

// Keys that reach the table itself while typing is on: a digit opens the cell
// (replacing its value), F2 opens it on its text; the open cell takes its own keys.
bool PaginaEstrazioni::TastoInTabella(QKeyEvent *k)
{
    if (QLineEdit *editor = m_editore->editorAperto(); editor && editor->isVisible()) {
        QApplication::sendEvent(editor, k);
        return true;
    }
    QModelIndex corrente = m_tabella->currentIndex();
    const bool inRiga = corrente.isValid() && corrente.row() == 1 && corrente.column() >= 2;
    const int colonna = inRiga ? corrente.column() : 2;
    if (!inRiga)
        SpostaSuColonna(2);
    const QString t = k->text();
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        InvioInCella(colonna);
        return true;
    }
    if (k->key() == Qt::Key_F2)
        return false;
    if (k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Delete) {
        m_tabella->adapter()->ImpostaTestoCella(1, colonna, std::string());
        return true;
    }
    if (k->key() == Qt::Key_Left || k->key() == Qt::Key_Right) {
        SpostaSuColonna(k->key() == Qt::Key_Left ? (colonna <= 2 ? 9 : colonna - 1) : (colonna >= 9 ? 2 : colonna + 1));
        return true;
    }
    if (t.size() == 1 && t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('9'))
        return false;
    if (!t.isEmpty() || k->key() == Qt::Key_Tab) {
        SpostaSuColonna(colonna >= 9 ? 2 : colonna + 1);
        return true;
    }
    return false;
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
    // The contents of the guide, in the program's own help window.
    FinestraGuida::Apri(window(), Q(m_stato.DirectoryProgramma), QStringLiteral("indice.html"));
}

void PaginaEstrazioni::AggiornaTramiteInternet()
{
    if (m_statoModifica != Stato::Navigazione) {
        Dialoghi::Avviso(this, QStringLiteral("Salvare o annullare l'estrazione in corso prima di aggiornare l'archivio"));
        return;
    }
    Esegui([this] { AggiornamentoArchivio::Aggiorna(this, m_stato); });
}

void PaginaEstrazioni::TestEsporta()
{
    TFormprivata pannello(m_stato, this);
    Dialoghi::EseguiModale(&pannello);
}
