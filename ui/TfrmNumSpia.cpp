#include "ui/TfrmNumSpia.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"
#include "archive/Archivio.h"
#include "export/ReportPagine.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Pagina.h"
#include "ui/Qt.h"
#include "ui/UscitaGriglie.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <sys/stat.h>

using namespace sestina;
using namespace sestina::statistiche;

namespace {

constexpr Colore Scelto{0, 255, 255};

// Shows a long loop's progress in the window's bar and keeps the window painting.
class ProgressoBarra final : public Progresso {
public:
    explicit ProgressoBarra(QProgressBar *barra) : m_barra(barra) {}
    void Avanza(long fatto, long totale) override
    {
        m_barra->setMaximum(static_cast<int>(std::max(totale, 1L)));
        m_barra->setValue(static_cast<int>(std::min(fatto, totale)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    bool Interrompi() override { return false; }

private:
    QProgressBar *m_barra;
};

const char *const NomiMesi[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
const char *const NomiLunghe[] = {"Terzine", "Quartine", "Cinquine", "Sestine",
                                  "Settine", "Ottine",   "Novine",   "Decine"};

QLabel *Etichetta(const QString &testo, QWidget *parent, bool grassetto = true)
{
    auto *l = new QLabel(testo, parent);
    QFont f = l->font();
    f.setBold(grassetto);
    l->setFont(f);
    return l;
}

} // namespace

TfrmNumSpia::TfrmNumSpia(StatoCondiviso &stato, QWidget *parent) : QWidget(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("frmNumSpia"));
    setWindowTitle(QStringLiteral("LOTTO SPIE - QUANDO ESCE"));
    CostruisciInterfaccia();
}

void TfrmNumSpia::CostruisciInterfaccia()
{
    auto *radice = new QVBoxLayout(this);
    radice->setContentsMargins(4, 4, 4, 4);
    auto *titolo = Etichetta(windowTitle(), this);
    titolo->setObjectName(QStringLiteral("lbTitolo"));
    titolo->setAlignment(Qt::AlignCenter);
    radice->addWidget(titolo);
    auto *corpo = new QHBoxLayout;
    radice->addLayout(corpo, 1);

    // Inputs
    m_pannelloInput = new QWidget(this);
    auto *sx = new QVBoxLayout(m_pannelloInput);
    sx->setContentsMargins(0, 0, 0, 0);
    sx->addWidget(Etichetta(QStringLiteral("Numeri spia (max 20)"), m_pannelloInput));
    m_sceNum = new ExtStringGrid(m_pannelloInput);
    m_sceNum->setObjectName(QStringLiteral("SceNum"));
    ImpostaGrigliaNumeri();
    sx->addWidget(m_sceNum);
    connect(m_sceNum, &ExtStringGrid::cellaCliccata, this, [this](int r, int c) { ToggleNumero(10 * r + c + 1); });

    auto *date = new QGridLayout;
    m_data1 = new QComboBox(m_pannelloInput);
    m_data1->setObjectName(QStringLiteral("ComboBox1"));
    m_data2 = new QComboBox(m_pannelloInput);
    m_data2->setObjectName(QStringLiteral("ComboBox2"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    m_data1->setFont(mono);
    m_data2->setFont(mono);
    date->addWidget(Etichetta(QStringLiteral("Estrazione iniziale"), m_pannelloInput, false), 0, 0);
    date->addWidget(m_data1, 0, 1);
    date->addWidget(Etichetta(QStringLiteral("Estrazione finale  "), m_pannelloInput, false), 1, 0);
    date->addWidget(m_data2, 1, 1);
    date->addWidget(Etichetta(QStringLiteral("Analisi per estrazione"), m_pannelloInput, false), 2, 0);
    m_colpi = new QSpinBox(m_pannelloInput);
    m_colpi->setObjectName(QStringLiteral("AnalisiEstra"));
    m_colpi->setRange(1, 30);
    m_colpi->setValue(5);
    date->addWidget(m_colpi, 2, 1);
    sx->addLayout(date);

    auto *modi = new QHBoxLayout;
    auto *rgModo = new QGroupBox(QStringLiteral("Modalità elaborazione"), m_pannelloInput);
    rgModo->setObjectName(QStringLiteral("rgModo"));
    auto *lm = new QVBoxLayout(rgModo);
    m_rbSpia = new QRadioButton(QStringLiteral("Numeri Spia"), rgModo);
    m_rbSpia->setObjectName(QStringLiteral("rbNumeriSpia"));
    m_rbQuando = new QRadioButton(QStringLiteral("Quando Esce"), rgModo);
    m_rbQuando->setObjectName(QStringLiteral("rbQuandoEsce"));
    m_rbSpia->setChecked(true);
    lm->addWidget(m_rbSpia);
    lm->addWidget(m_rbQuando);
    auto *radioAna = new QGroupBox(QStringLiteral("Analisi uscite"), m_pannelloInput);
    radioAna->setObjectName(QStringLiteral("RadioAna"));
    auto *la = new QVBoxLayout(radioAna);
    m_rbEstratti = new QRadioButton(QStringLiteral("Estratti"), radioAna);
    m_rbEstratti->setObjectName(QStringLiteral("rbEstratti"));
    m_rbAmbi = new QRadioButton(QStringLiteral("Ambi"), radioAna);
    m_rbAmbi->setObjectName(QStringLiteral("rbAmbi"));
    m_rbEstratti->setChecked(true);
    la->addWidget(m_rbEstratti);
    la->addWidget(m_rbAmbi);
    modi->addWidget(rgModo);
    modi->addWidget(radioAna);
    sx->addLayout(modi);

    auto *gbMesi = new QGroupBox(QStringLiteral("Mesi da Considerare"), m_pannelloInput);
    gbMesi->setObjectName(QStringLiteral("gbMesi"));
    auto *lmesi = new QGridLayout(gbMesi);
    lmesi->setVerticalSpacing(2);
    for (int m = 0; m < 12; ++m) {
        m_mesi[m] = new QCheckBox(QString::fromUtf8(NomiMesi[m]), gbMesi);
        m_mesi[m]->setObjectName(QStringLiteral("cb") + QString::fromUtf8(NomiMesi[m]));
        m_mesi[m]->setChecked(true);
        lmesi->addWidget(m_mesi[m], m / 3, m % 3);
        connect(m_mesi[m], &QCheckBox::toggled, this, [this] {
            InputCambiato(true);
            if (std::none_of(m_mesi.begin(), m_mesi.end(), [](QCheckBox *c) { return c->isChecked(); }))
                Dialoghi::Errore(this, QStringLiteral("Nessun Mese Selezionato !"), QStringLiteral("Attenzione !!"));
        });
    }
    sx->addWidget(gbMesi);

    auto *pulsanti = new QGridLayout;
    m_elabora = new QPushButton(QStringLiteral("Elabora"), m_pannelloInput);
    m_elabora->setObjectName(QStringLiteral("encElab"));
    m_cancella = new QPushButton(QStringLiteral("Cancella"), m_pannelloInput);
    m_cancella->setObjectName(QStringLiteral("btCancella"));
    m_salva = new QPushButton(QStringLiteral("Salva CSV"), m_pannelloInput);
    m_salva->setObjectName(QStringLiteral("btVideo"));
    m_stampa = new QPushButton(QStringLiteral("Stampa"), m_pannelloInput);
    m_stampa->setObjectName(QStringLiteral("btn_Stampa"));
    pulsanti->addWidget(m_elabora, 0, 0);
    pulsanti->addWidget(m_cancella, 0, 1);
    pulsanti->addWidget(m_salva, 1, 0);
    pulsanti->addWidget(m_stampa, 1, 1);
    sx->addLayout(pulsanti);
    sx->addStretch(1);
    corpo->addWidget(m_pannelloInput);

    // Spy results
    auto *centro = new QGridLayout;
    centro->addWidget(Etichetta(QStringLiteral("Numeri più usciti"), this), 0, 0);
    centro->addWidget(Etichetta(QStringLiteral("Ambi più usciti"), this), 0, 1);
    m_gridNum = new ExtStringGrid(this);
    m_gridNum->setObjectName(QStringLiteral("GridNum"));
    m_gridNum->setFixedWidth(110);
    m_gridAmb = new ExtStringGrid(this);
    m_gridAmb->setObjectName(QStringLiteral("GridAmb"));
    m_gridAmb->setFixedWidth(140);
    centro->addWidget(m_gridNum, 1, 0);
    centro->addWidget(m_gridAmb, 1, 1);
    m_gridRu = new ExtStringGrid(this);
    m_gridRu->setObjectName(QStringLiteral("GridRu"));
    m_gridRu->setFixedSize(196, 80);
    centro->addWidget(m_gridRu, 2, 0, 1, 2);
    corpo->addLayout(centro);

    // Lunghette
    auto *dx = new QVBoxLayout;
    m_titoloLunghe = Etichetta(Q(AggiornaDescrizione(0)), this);
    m_titoloLunghe->setObjectName(QStringLiteral("lbTitoloLunghette"));
    dx->addWidget(m_titoloLunghe);
    auto *bl = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        m_lunghe[i] = new QPushButton(QString::fromUtf8(NomiLunghe[i]), this);
        m_lunghe[i]->setObjectName(QStringLiteral("LEDButton%1").arg(i + 5));
        m_lunghe[i]->setStyleSheet(QStringLiteral("QPushButton:focus { color: red; text-decoration: underline; }"));
        bl->addWidget(m_lunghe[i], i / 4, i % 4);
        const int k = i + 3;
        connect(m_lunghe[i], &QPushButton::clicked, this, [this, k] { ElaboraLunghette(k); });
    }
    dx->addLayout(bl);
    m_usaSpia = new QCheckBox(QStringLiteral("Usa Num. Spia"), this);
    m_usaSpia->setObjectName(QStringLiteral("cbUsaNumSpy"));
    m_usaSpia->setEnabled(false);
    dx->addWidget(m_usaSpia);
    m_gridLunghe = new ExtStringGrid(this);
    m_gridLunghe->setObjectName(QStringLiteral("GrigliaLunghe2"));
    // The twenty lunghette with every column, "Rit. Att." included.
    m_gridLunghe->ImpostaSempreIntera(true, true);
    dx->addWidget(m_gridLunghe, 1);
    corpo->addLayout(dx, 1);

    m_progresso = new QProgressBar(this);
    m_progresso->setObjectName(QStringLiteral("ProgressBar1"));
    m_progresso->setRange(0, 1);
    m_progresso->setValue(0);
    m_progresso->setTextVisible(false);
    m_progresso->setFixedHeight(14);
    radice->addWidget(m_progresso);

    PulisciRisultatiSpia();
    PulisciLunghette();

    connect(m_elabora, &QPushButton::clicked, this, &TfrmNumSpia::ElaboraSpia);
    connect(m_cancella, &QPushButton::clicked, this, &TfrmNumSpia::Cancella);
    connect(m_salva, &QPushButton::clicked, this, &TfrmNumSpia::SalvaRiepilogo);
    connect(m_stampa, &QPushButton::clicked, this, &TfrmNumSpia::Stampa);
    connect(m_data1, &QComboBox::currentIndexChanged, this, [this] { InputCambiato(false); });
    connect(m_data2, &QComboBox::currentIndexChanged, this, [this] { InputCambiato(false); });
    connect(m_colpi, &QSpinBox::valueChanged, this, [this] { InputCambiato(true); });
    connect(m_rbSpia, &QRadioButton::toggled, this, [this] { InputCambiato(m_usaSpia->isChecked()); });
    connect(m_rbEstratti, &QRadioButton::toggled, this, [this] { InputCambiato(m_usaSpia->isChecked()); });
    connect(m_usaSpia, &QCheckBox::toggled, this, [this] {
        m_statAmbi.reset();
        if (m_kLunghette > 0)
            ElaboraLunghette(m_kLunghette);
    });
    for (QWidget *w : {static_cast<QWidget *>(m_data1), static_cast<QWidget *>(m_data2),
                       static_cast<QWidget *>(m_colpi)})
        w->installEventFilter(this);
}

void TfrmNumSpia::ImpostaGrigliaNumeri()
{
    Griglia g(9, 10);
    g.righeFisse = 0;
    g.colonneFisse = 0;
    g.fontPixel = 13;
    g.fontGrassetto = true;
    g.altezzaRigaPredefinita = 22;
    for (int c = 0; c < 10; ++c)
        g.ImpostaLarghezza(c, 26);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 10; ++c) {
            Cella &x = g.cella(r, c);
            int n = 10 * r + c + 1;
            x.testo = std::to_string(n);
            x.allineamento = Allineamento::Centro;
            x.sfondo = m_scelti[n] ? Scelto : colori::Bianco;
        }
    m_sceNum->ImpostaGriglia(std::move(g));
    m_sceNum->setFixedSize(10 * 26 + 2 * m_sceNum->frameWidth() + 2, 9 * 22 + 2 * m_sceNum->frameWidth() + 2);
    m_sceNum->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The choice is the cell colour; the view's own selection would hide it.
    m_sceNum->setSelectionMode(QAbstractItemView::NoSelection);
    m_sceNum->setFocusPolicy(Qt::NoFocus);
    m_sceNum->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool TfrmNumSpia::Prova(const std::function<void()> &azione) { return EseguiAzione(this, azione); }

void TfrmNumSpia::CaricaArchivio(bool forza)
{
    archivio::Archivio a(m_stato.DirectoryProgramma);
    struct stat st {};
    std::optional<long long> orario;
    if (::stat(a.percorsoDate().c_str(), &st) == 0)
        orario = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    if (!forza && orario && m_orarioDate == orario && !m_archivio.empty())
        return;
    m_archivio = LeggiArchivioSpia(a);
    m_orarioDate = orario;
    RiempiDate();
}

void TfrmNumSpia::RiempiDate()
{
    const QSignalBlocker b1(m_data1), b2(m_data2);
    m_data1->clear();
    m_data2->clear();
    QStringList voci;
    voci.reserve(static_cast<int>(m_archivio.size()));
    for (const auto &e : m_archivio)
        voci << Q(TestoDataSpia(e.data));
    m_data1->addItems(voci);
    m_data2->addItems(voci);
    const int n = static_cast<int>(m_archivio.size());
    if (n > 0) {
        m_data1->setCurrentIndex(std::min(313, n - 1));
        m_data2->setCurrentIndex(n - 1);
    }
    InputCambiato(true);
}

void TfrmNumSpia::Mostra()
{
    Prova([this] { CaricaArchivio(false); });
    m_scelti.fill(false);
    ImpostaGrigliaNumeri();
    PulisciRisultatiSpia();
    m_usaSpia->setEnabled(false);
    m_kLunghette = 0;
    PulisciLunghette();
    m_titoloLunghe->setText(Q(AggiornaDescrizione(0)));
    if (m_data2->count() > 0) {
        const QSignalBlocker b(m_data2);
        m_data2->setCurrentIndex(m_data2->count() - 1);
    }
}

void TfrmNumSpia::Ricarica()
{
    Prova([this] { CaricaArchivio(true); });
}

std::vector<int> TfrmNumSpia::NumeriScelti() const
{
    std::vector<int> out;
    for (int n = 1; n <= 90; ++n)
        if (m_scelti[n])
            out.push_back(n);
    return out;
}

void TfrmNumSpia::ToggleNumero(int numero)
{
    if (numero < 1 || numero > 90)
        return;
    if (!m_scelti[numero] && static_cast<int>(NumeriScelti().size()) >= MaxNumeriSpia) {
        Dialoghi::Avviso(this, QStringLiteral("troppi numeri! (Max 20)"));
        return;
    }
    m_scelti[numero] = !m_scelti[numero];
    m_sceNum->modifica().cella((numero - 1) / 10, (numero - 1) % 10).sfondo = m_scelti[numero] ? Scelto : colori::Bianco;
    m_sceNum->Aggiorna();
}

ParametriSpia TfrmNumSpia::Parametri() const
{
    ParametriSpia p;
    p.numeri = NumeriScelti();
    p.inizio = m_data1->currentIndex();
    p.fine = m_data2->currentIndex();
    p.colpi = m_colpi->value();
    p.modo = m_rbQuando->isChecked() ? ModoSpia::QuandoEsce : ModoSpia::NumeriSpia;
    p.ambi = m_rbAmbi->isChecked();
    for (int m = 0; m < 12; ++m)
        p.mesi[m] = m_mesi[m]->isChecked();
    return p;
}

void TfrmNumSpia::InputCambiato(bool pulisciLunghette)
{
    PulisciRisultatiSpia();
    m_statAmbi.reset();
    m_usaSpia->setEnabled(false);
    if (pulisciLunghette)
        PulisciLunghette();
}

void TfrmNumSpia::PulisciRisultatiSpia()
{
    m_spia.reset();
    RisultatoSpia vuoto = RisultatoSpiaVuoto();
    m_gridNum->ImpostaGriglia(std::move(vuoto.numeri));
    m_gridAmb->ImpostaGriglia(std::move(vuoto.ambi));
    m_gridRu->ImpostaGriglia(std::move(vuoto.totali));
}

void TfrmNumSpia::PulisciLunghette() { m_gridLunghe->ImpostaGriglia(GrigliaLunghetteVuota()); }

void TfrmNumSpia::AbilitaInput(bool si)
{
    m_pannelloInput->setEnabled(si);
    for (auto *b : m_lunghe)
        b->setEnabled(si);
    if (!si)
        m_usaSpia->setEnabled(false);
}

void TfrmNumSpia::ElaboraSpia()
{
    ParametriSpia p = Parametri();
    try {
        ControllaParametri(p, EntrateArchivio() - 1);
    } catch (const Errore &e) {
        Dialoghi::Avviso(this, Q(e.what()));
        return;
    }
    AbilitaInput(false);
    ProgressoBarra barra(m_progresso);
    bool ok = Prova([&] {
        RisultatoSpia r = statistiche::ElaboraSpia(m_archivio, p, barra);
        ScriviFileAtomico(m_stato.percorso(NomeFileLavoro(p.modo)), r.fileLavoro);
        m_gridNum->ImpostaGriglia(r.numeri);
        m_gridAmb->ImpostaGriglia(r.ambi);
        m_gridRu->ImpostaGriglia(r.totali);
        m_spia = std::move(r);
    });
    AbilitaInput(true);
    m_progresso->setValue(0);
    if (!ok)
        return;
    // The marks of this analysis replace those the pair statistics may have used.
    m_statAmbi.reset();
    m_usaSpia->setEnabled(true);
    if (m_usaSpia->isChecked())
        PulisciLunghette();
}

void TfrmNumSpia::ElaboraLunghette(int k)
{
    m_kLunghette = k;
    m_gridLunghe->ImpostaGriglia(GrigliaLunghetteVuota());
    m_titoloLunghe->setText(Q(AggiornaDescrizione(k)));
    ProgressoBarra barra(m_progresso);
    AbilitaInput(false);
    const bool filtro = m_usaSpia->isChecked() && m_spia.has_value();
    Prova([&] {
        if (m_archivio.empty())
            throw Errore("L'archivio non contiene estrazioni");
        if (!m_statAmbi) {
            ParametriSpia p = Parametri();
            m_statAmbi = ElaboraStatistica(m_archivio, p.inizio, p.fine, p.mesi, filtro ? &m_spia->analizzata : nullptr,
                                           barra);
        }
        m_gridLunghe->ImpostaGriglia(statistiche::ElaboraLunghette(*m_statAmbi, k, barra).griglia);
    });
    AbilitaInput(true);
    m_usaSpia->setEnabled(m_spia.has_value());
    m_progresso->setValue(0);
}

void TfrmNumSpia::Cancella()
{
    PulisciRisultatiSpia();
    m_statAmbi.reset();
    m_usaSpia->setEnabled(false);
    m_scelti.fill(false);
    ImpostaGrigliaNumeri();
    PulisciLunghette();
}

QString TfrmNumSpia::TitoloLunghette() const { return m_titoloLunghe->text(); }

void TfrmNumSpia::SalvaRiepilogo()
{
    DatiRiepilogo d;
    d.parametri = Parametri();
    d.testoInizio = S(m_data1->currentText());
    d.testoFine = S(m_data2->currentText());
    d.spia = m_spia ? &*m_spia : nullptr;
    d.kLunghette = m_kLunghette;
    d.filtroSpia = m_usaSpia->isChecked();
    d.lunghette = m_gridLunghe->griglia();
    const std::string testo = DaUtf8ACp1252(TestoRiepilogo(d));
    auto percorso = Dialoghi::SalvaFile(this, QString(), QStringLiteral("Excel CSV (*.csv)"), QStringLiteral("CSV"));
    if (percorso && !Prova([&] { ScriviFileAtomico(S(*percorso), testo); }))
        return;
    QImage foto = grab().toImage();
    QApplication::clipboard()->setImage(foto);
    auto bitmap = Dialoghi::SalvaFile(this, QString(), QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("bmp"));
    if (bitmap)
        Prova([&] {
            if (!foto.save(*bitmap, "BMP"))
                throw Errore("Impossibile scrivere il file " + S(*bitmap));
        });
}

void TfrmNumSpia::Stampa()
{
    // The report holds a picture of the whole window.
    const auto t = esporta::TitoliNumeriSpia();
    StampaGriglia(this, m_stato, this, t.titolo, t.sottotitolo1, t.sottotitolo2);
}

bool TfrmNumSpia::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            focusNextChild();
            return true;
        case Qt::Key_Up:
            focusPreviousChild();
            return true;
        case Qt::Key_Escape:
        case Qt::Key_F10:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(o, e);
}
