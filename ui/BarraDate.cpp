#include "ui/BarraDate.h"

#include "ui/Qt.h"

#include <QComboBox>
#include <QLabel>
#include <QMetaMethod>
#include <QToolButton>

#include <algorithm>

BarraDate::BarraDate(const QString &titolo, const QString &nomeCombo, const QString &prefisso, QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar") + prefisso);
    auto *etichetta = new QLabel(titolo, this);
    etichetta->setMinimumWidth(90);
    addWidget(etichetta);
    m_combo = new QComboBox(this);
    m_combo->setObjectName(nomeCombo);
    m_combo->setMaxVisibleItems(20);
    m_combo->setMinimumContentsLength(11);
    addWidget(m_combo);
    struct Voce {
        const char *testo;
        Mossa mossa;
    };
    const Voce voci[] = {{"Primo", Mossa::Primo}, {"Anno Pr", Mossa::AnnoPr},   {"Prec", Mossa::Prec},
                         {"Succ", Mossa::Succ},   {"Anno Suc", Mossa::AnnoSuc}, {"Ultimo", Mossa::Ultimo}};
    for (const Voce &v : voci) {
        auto *b = new QToolButton(this);
        QString nome = QString::fromLatin1(v.testo);
        b->setObjectName(prefisso + nome.remove(QLatin1Char(' ')));
        b->setText(QString::fromLatin1(v.testo));
        addWidget(b);
        const Mossa m = v.mossa;
        connect(b, &QToolButton::clicked, this, [this, m] { Q_EMIT mossa(m); });
    }
    connect(m_combo, &QComboBox::activated, this, [this](int i) { Q_EMIT scelta(i); });
}

void BarraDate::Riempi(const std::vector<std::string> &date) { RiempiDate(m_combo, date); }

void RiempiDate(QComboBox *combo, const std::vector<std::string> &date)
{
    QStringList voci;
    voci.reserve(static_cast<int>(date.size()));
    for (const auto &d : date)
        voci << Q(d);
    combo->setUpdatesEnabled(false);
    combo->clear();
    combo->addItems(voci);
    combo->setCurrentIndex(voci.isEmpty() ? -1 : 0);
    combo->setUpdatesEnabled(true);
}

void RiempiDateIntervallo(QComboBox *inizio, QComboBox *fine, std::vector<std::string> crescenti)
{
    RiempiDate(inizio, crescenti);
    std::reverse(crescenti.begin(), crescenti.end());
    RiempiDate(fine, crescenti);
}

BarraUscita::BarraUscita(const QString &suffisso, const QString &testoImmagine, QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBarStampa") + suffisso);
    auto pulsante = [this](const QString &nome, const QString &testo) {
        auto *b = new QToolButton(this);
        b->setObjectName(nome);
        b->setText(testo);
        addWidget(b);
        return b;
    };
    m_stampa = pulsante(QStringLiteral("TBStampa") + suffisso, QStringLiteral("Stampa"));
    auto *csv = pulsante(QStringLiteral("TBSalvaCSV") + suffisso, QStringLiteral("Salva CSV"));
    m_immagine = pulsante(QStringLiteral("TBSalvaJpeg") + suffisso, testoImmagine);
    for (auto *b : {m_stampa, m_immagine})
        b->setEnabled(false);
    connect(csv, &QToolButton::clicked, this, [this] { Q_EMIT salvaCSV(); });
    connect(m_stampa, &QToolButton::clicked, this, [this] { Q_EMIT stampa(); });
    connect(m_immagine, &QToolButton::clicked, this, [this] { Q_EMIT salvaImmagine(); });
}

void BarraUscita::connectNotify(const QMetaMethod &segnale)
{
    QToolBar::connectNotify(segnale);
    if (segnale == QMetaMethod::fromSignal(&BarraUscita::stampa))
        m_stampa->setEnabled(true);
    else if (segnale == QMetaMethod::fromSignal(&BarraUscita::salvaImmagine))
        m_immagine->setEnabled(true);
}
