#include "ui/PannelloCondizioni.h"

#include "app/Errore.h"
#include "systems/Sviluppo.h"
#include "ui/Qt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace sestina;
using namespace sestina::sistemi;

namespace {

// -1 shows empty: no limit on that side.
QSpinBox *Casella(QWidget *parent, const QString &nome, int massimo)
{
    auto *s = new QSpinBox(parent);
    s->setObjectName(nome);
    s->setRange(-1, massimo);
    s->setSpecialValueText(QStringLiteral(" "));
    s->setValue(-1);
    s->setAccelerated(true);
    s->setMaximumWidth(58);
    return s;
}

QLabel *Campione(QWidget *parent, const Colore &c, const QString &testo)
{
    auto *l = new QLabel(testo, parent);
    l->setAutoFillBackground(true);
    l->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid gray; padding: 1px 4px;").arg(QC(c).name()));
    return l;
}

std::optional<Limiti> LimitiDi(const QSpinBox *minimo, const QSpinBox *massimo, int alto)
{
    if (minimo->value() < 0 && massimo->value() < 0)
        return std::nullopt;
    return Limiti{std::max(0, minimo->value()), massimo->value() < 0 ? alto : massimo->value()};
}

std::optional<int> MassimoDi(const QSpinBox *s)
{
    if (s->value() < 0)
        return std::nullopt;
    return s->value();
}

} // namespace

PannelloCondizioni::PannelloCondizioni(QWidget *parent) : QGroupBox(QStringLiteral("Condizioni"), parent)
{
    setObjectName(QStringLiteral("PannelloCondizioni"));
    auto *l = new QVBoxLayout(this);
    auto *g = new QGridLayout;
    l->addLayout(g);
    g->addWidget(new QLabel(QStringLiteral("min"), this), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("max"), this), 0, 2);
    int riga = 1;
    auto intervallo = [&](const QString &titolo, const QString &nome, int alto, Campo &campo) {
        campo.minimo = Casella(this, QStringLiteral("Cond%1Min").arg(nome), alto);
        campo.massimo = Casella(this, QStringLiteral("Cond%1Max").arg(nome), alto);
        auto *et = new QLabel(titolo, this);
        et->setBuddy(campo.minimo);
        g->addWidget(et, riga, 0);
        g->addWidget(campo.minimo, riga, 1);
        g->addWidget(campo.massimo, riga, 2);
        ++riga;
    };
    auto massimo = [&](const QString &titolo, const QString &nome) {
        auto *s = Casella(this, QStringLiteral("Cond%1Max").arg(nome), 10);
        auto *et = new QLabel(titolo, this);
        et->setBuddy(s);
        g->addWidget(et, riga, 0);
        g->addWidget(s, riga, 2);
        ++riga;
        return s;
    };
    intervallo(QStringLiteral("Pari"), QStringLiteral("Pari"), 10, m_pari);
    intervallo(QStringLiteral("Da 1 a 45"), QStringLiteral("Bassi"), 10, m_bassi);
    intervallo(QStringLiteral("Somma"), QStringLiteral("Somma"), 900, m_somma);
    intervallo(QStringLiteral("Escursione"), QStringLiteral("Escursione"), 89, m_escursione);
    m_decina = massimo(QStringLiteral("Per decina"), QStringLiteral("Decina"));
    m_cadenza = massimo(QStringLiteral("Per cadenza"), QStringLiteral("Cadenza"));
    m_figura = massimo(QStringLiteral("Per figura"), QStringLiteral("Figura"));
    m_consecutivi = massimo(QStringLiteral("Consecutivi"), QStringLiteral("Consecutivi"));

    auto *gg = new QGridLayout;
    l->addLayout(gg);
    gg->addWidget(new QLabel(QStringLiteral("Gruppi (numeri)"), this), 0, 0);
    gg->addWidget(new QLabel(QStringLiteral("min"), this), 0, 1);
    gg->addWidget(new QLabel(QStringLiteral("max"), this), 0, 2);
    for (int i = 0; i < GruppiMassimi; ++i) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("CondGruppo%1").arg(i + 1));
        e->setPlaceholderText(QStringLiteral("Gruppo %1").arg(i + 1));
        e->setMinimumWidth(120);
        m_gruppi[static_cast<std::size_t>(i)] = e;
        auto &c = m_limitiGruppi[static_cast<std::size_t>(i)];
        c.minimo = Casella(this, QStringLiteral("CondGruppo%1Min").arg(i + 1), 10);
        c.massimo = Casella(this, QStringLiteral("CondGruppo%1Max").arg(i + 1), 10);
        gg->addWidget(e, i + 1, 0);
        gg->addWidget(c.minimo, i + 1, 1);
        gg->addWidget(c.massimo, i + 1, 2);
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (!m_inImpostazione)
                Q_EMIT cambiate();
        });
    }
    for (QSpinBox *s : findChildren<QSpinBox *>())
        connect(s, &QSpinBox::valueChanged, this, [this] {
            if (!m_inImpostazione)
                Q_EMIT cambiate();
        });

    m_basi = new QCheckBox(QStringLiteral("Segna basi"), this);
    m_basi->setObjectName(QStringLiteral("CondSegnaBasi"));
    m_basi->setToolTip(QStringLiteral("Con la spunta, un clic sul tabellone fa di un numero una base"));
    l->addWidget(m_basi);
    auto *legenda = new QHBoxLayout;
    legenda->addWidget(Campione(this, colori::Marcatura, QStringLiteral("Variante")));
    legenda->addWidget(Campione(this, ColoreBase, QStringLiteral("Base (in ogni colonna)")));
    legenda->addStretch(1);
    l->addLayout(legenda);

    m_conteggio = new QLabel(this);
    m_conteggio->setObjectName(QStringLiteral("LabelColonneCondizioni"));
    QFont f = m_conteggio->font();
    f.setBold(true);
    m_conteggio->setFont(f);
    m_conteggio->setWordWrap(true);
    l->addWidget(m_conteggio);
    m_storica = new QPushButton(QStringLiteral("Verifica storica"), this);
    m_storica->setObjectName(QStringLiteral("BottoneVerificaStorica"));
    connect(m_storica, &QPushButton::clicked, this, [this] { Q_EMIT verificaStorica(); });
    l->addWidget(m_storica);
    l->addStretch(1);
}

Condizioni PannelloCondizioni::condizioni() const
{
    Condizioni c;
    c.pari = LimitiDi(m_pari.minimo, m_pari.massimo, 10);
    c.bassi = LimitiDi(m_bassi.minimo, m_bassi.massimo, 10);
    c.somma = LimitiDi(m_somma.minimo, m_somma.massimo, 900);
    c.escursione = LimitiDi(m_escursione.minimo, m_escursione.massimo, 89);
    c.decinaMax = MassimoDi(m_decina);
    c.cadenzaMax = MassimoDi(m_cadenza);
    c.figuraMax = MassimoDi(m_figura);
    c.consecutiviMax = MassimoDi(m_consecutivi);
    for (int i = 0; i < GruppiMassimi; ++i) {
        const std::string testo = S(m_gruppi[static_cast<std::size_t>(i)]->text().trimmed());
        if (testo.empty())
            continue;
        auto numeri = LeggiListaNumeri(testo);
        if (!numeri || numeri->empty())
            throw Errore("Gruppo " + std::to_string(i + 1) + ": scrivi i numeri separati da spazi");
        std::sort(numeri->begin(), numeri->end());
        const auto &campo = m_limitiGruppi[static_cast<std::size_t>(i)];
        const Limiti l = LimitiDi(campo.minimo, campo.massimo, 10).value_or(Limiti{0, 10});
        c.gruppi.push_back({*numeri, l});
    }
    ControllaCondizioni(c);
    return c;
}

void PannelloCondizioni::ImpostaCondizioni(const Condizioni &c)
{
    m_inImpostazione = true;
    Azzera();
    auto intervallo = [](Campo &campo, const std::optional<Limiti> &l) {
        campo.minimo->setValue(l ? l->minimo : -1);
        campo.massimo->setValue(l ? l->massimo : -1);
    };
    intervallo(m_pari, c.pari);
    intervallo(m_bassi, c.bassi);
    intervallo(m_somma, c.somma);
    intervallo(m_escursione, c.escursione);
    m_decina->setValue(c.decinaMax.value_or(-1));
    m_cadenza->setValue(c.cadenzaMax.value_or(-1));
    m_figura->setValue(c.figuraMax.value_or(-1));
    m_consecutivi->setValue(c.consecutiviMax.value_or(-1));
    for (std::size_t i = 0; i < c.gruppi.size() && i < m_gruppi.size(); ++i) {
        QStringList numeri;
        for (int n : c.gruppi[i].numeri)
            numeri << QString::number(n);
        m_gruppi[i]->setText(numeri.join(QLatin1Char(' ')));
        intervallo(m_limitiGruppi[i], c.gruppi[i].limiti);
    }
    m_inImpostazione = false;
}

void PannelloCondizioni::Azzera()
{
    const bool prima = m_inImpostazione;
    m_inImpostazione = true;
    for (QSpinBox *s : findChildren<QSpinBox *>())
        s->setValue(-1);
    for (auto *e : m_gruppi)
        e->clear();
    m_inImpostazione = prima;
}

bool PannelloCondizioni::segnaBasi() const
{
    return m_basi->isChecked();
}

void PannelloCondizioni::AggiornaConteggio(const std::vector<int> &inGioco, const std::vector<int> &basi, int k)
{
    QString testo;
    QString colore;
    try {
        Condizioni c = condizioni();
        c.basi = basi;
        const auto s = PreparaSviluppo(inGioco, k, c);
        if (static_cast<int>(inGioco.size()) < k)
            testo = Q(TestoConteggio(0, 0));
        else if (s.integrali > LimiteColonne)
            testo = Q(TestoConteggio(s.integrali, s.integrali)) + QStringLiteral(" (troppe da sviluppare)");
        else
            testo = Q(TestoConteggio(s.integrali, ContaColonneCondizionate(inGioco, k, c)));
    } catch (const Errore &e) {
        testo = Q(e.what());
        colore = QStringLiteral("color: #b00000;");
    }
    m_conteggio->setText(testo);
    m_conteggio->setStyleSheet(colore);
}

QString PannelloCondizioni::testoConteggio() const
{
    return m_conteggio->text();
}
