#include "ui/TTaraturaSE.h"

#include "app/Errore.h"
#include "slips/StampaSchedine.h"
#include "slips/print/PittoreSchedine.h"
#include "ui/Dialoghi.h"
#include "ui/FinestraGuida.h"
#include "ui/Pagina.h"
#include "ui/Qt.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::schedine;

TTaraturaSE::TTaraturaSE(StatoCondiviso &stato, QWidget *parent) : QDialog(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("TaraturaSE"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(QStringLiteral("Taratura Stampante"));
    auto *principale = new QHBoxLayout(this);

    m_immagine = new QLabel(this);
    m_immagine->setObjectName(QStringLiteral("Image1"));
    m_immagine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_immagine->setPixmap(QPixmap(Q(m_stato.percorso("ssuperenalotto.jpg"))));
    m_immagine->setMinimumSize(300, 360);
    m_immagine->installEventFilter(this);
    principale->addWidget(m_immagine, 0, Qt::AlignTop);
    const char *testi[4] = {"1", "90", "1", "90"};
    for (int i = 0; i < 4; ++i) {
        auto *m = new QLabel(QString::fromLatin1(testi[i]), m_immagine);
        m->setObjectName(QStringLiteral("Ln%1").arg(i + 1));
        m->setAlignment(Qt::AlignCenter);
        m->setStyleSheet(QStringLiteral("background: black; color: white; font-size: 7px;"));
        m->setFixedSize(12, 12);
        m->installEventFilter(this);
        m_marcatori[static_cast<size_t>(i)] = m;
    }

    auto *destra = new QVBoxLayout;
    principale->addLayout(destra);
    auto *barra = new QToolBar(this);
    barra->setObjectName(QStringLiteral("ToolBarTaratura"));
    auto pulsante = [barra](const char *nome, const char *testo) {
        auto *b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(Q(testo));
        barra->addWidget(b);
        return b;
    };
    connect(pulsante("ToolButton1", "Stampa Prova"), &QToolButton::clicked, this, [this] { StampaProva(); });
    connect(pulsante("ToolButton2", "Salva Dati"), &QToolButton::clicked, this, [this] { SalvaDati(); });
    destra->addWidget(barra);

    struct Campo {
        const char *didascalia;
        int gruppo;
    };
    const Campo campi[6] = {{"Larghezza Segno", 0},    {"Altezza Segno", 0}, {"Distanza Orizzontale", 0},
                            {"Distanza Verticale", 0}, {"Verticale", 1},     {"Orizzontale", 1}};
    QFormLayout *forme[2];
    const char *gruppi[2] = {"Posizione Segni", "Posizione Schedina"};
    for (int g = 0; g < 2; ++g) {
        auto *box = new QGroupBox(QString::fromLatin1(gruppi[g]), this);
        forme[g] = new QFormLayout(box);
        destra->addWidget(box);
    }
    for (int i = 0; i < 6; ++i) {
        auto *s = new QSpinBox(this);
        s->setObjectName(QStringLiteral("SpinEditwheel%1").arg(i + 1));
        // The reader of "Taraturase.DAT" takes the same bound: whatever is typed can be saved and read back.
        s->setRange(-schedine::ValoreMassimoTaratura, schedine::ValoreMassimoTaratura);
        forme[campi[i].gruppo]->addRow(Q(campi[i].didascalia), s);
        m_spin[static_cast<size_t>(i)] = s;
        connect(s, &QSpinBox::valueChanged, this, [this] {
            if (!m_impostazione)
                MuoviMarcatori();
        });
    }
    auto *predefiniti = new QPushButton(QStringLiteral("Dati Default"), this);
    predefiniti->setObjectName(QStringLiteral("Panel1"));
    connect(predefiniti, &QPushButton::clicked, this, [this] { DatiDefault(); });
    destra->addWidget(predefiniti);
    m_suggerimento = new QLabel(this);
    m_suggerimento->setObjectName(QStringLiteral("LabelSuggerimento"));
    destra->addWidget(m_suggerimento);
    destra->addStretch();

    ImpostaValori(ValoriTaratura{});
    AzzeraMarcatori();
}

ValoriTaratura TTaraturaSE::Valori() const
{
    auto v = [this](int i) { return m_spin[static_cast<size_t>(i)]->value(); };
    return {v(0), v(1), v(2), v(3), v(4), v(5)};
}

void TTaraturaSE::ImpostaValori(const ValoriTaratura &v)
{
    m_impostazione = true;
    const int valori[6] = {v.larghezzaSegno,    v.altezzaSegno, v.distanzaOrizzontale,
                           v.distanzaVerticale, v.verticale,    v.orizzontale};
    for (int i = 0; i < 6; ++i)
        m_spin[static_cast<size_t>(i)]->setValue(valori[i]);
    m_impostazione = false;
    MuoviMarcatori();
}

bool TTaraturaSE::caricadatitaraturase()
{
    const auto v = CaricaTaratura(m_stato.DirectoryProgramma);
    if (!v) {
        Dialoghi::Avviso(this, Q(MsgTaratura));
        return false;
    }
    m_riferimento = *v;
    ImpostaValori(*v);
    return true;
}

void TTaraturaSE::AzzeraMarcatori()
{
    m_riferimento = Valori();
    MuoviMarcatori();
}

void TTaraturaSE::MuoviMarcatori()
{
    const Marcatori m = PosizioneMarcatori(m_riferimento, Valori());
    for (size_t i = 0; i < 4; ++i)
        m_marcatori[i]->move(m[i].first, m[i].second);
}

void TTaraturaSE::StampaProva()
{
    AzzeraMarcatori();
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(true);
    if (!Dialoghi::ScegliStampante(this, stampante))
        return;
    EseguiAzione(this, [&] { stampaschedine::StampaProva(stampante, Valori(), logicalDpiX()); });
}

void TTaraturaSE::SalvaDati()
{
    AzzeraMarcatori();
    EseguiAzione(this, [&] { SalvaTaratura(m_stato.DirectoryProgramma, Valori()); });
}

void TTaraturaSE::DatiDefault()
{
    ImpostaValori(ValoriTaratura{});
    AzzeraMarcatori();
}

bool TTaraturaSE::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease && (o == m_immagine || o->parent() == m_immagine)) {
        const auto *m = static_cast<QMouseEvent *>(e);
        const QPoint p = static_cast<QWidget *>(o)->mapTo(m_immagine, m->position().toPoint());
        const QString hint = QStringLiteral("X=%1 Y:=%2").arg(p.x()).arg(p.y());
        setToolTip(hint);
        m_suggerimento->setText(hint);
    }
    return QDialog::eventFilter(o, e);
}
