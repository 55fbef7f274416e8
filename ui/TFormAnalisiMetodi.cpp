#include "ui/TFormAnalisiMetodi.h"

#include "app/TExStringList.h"
#include "ui/BarraDate.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/FinestraGuida.h"
#include "ui/Pagina.h"
#include "ui/PaginaMetodi.h"
#include "ui/Qt.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

#include <memory>

using namespace sestina;
using namespace sestina::metodi;

TFormAnalisiMetodi::TFormAnalisiMetodi(StatoCondiviso &stato, PaginaMetodi *pagina)
    : QDialog(pagina), m_stato(stato), m_pagina(pagina)
{
    setObjectName(QStringLiteral("FormAnalisiMetodi"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(QStringLiteral("Analisi Metodi"));
    resize(1000, 700);
    auto *principale = new QVBoxLayout(this);
    auto *campi = new QGridLayout;
    principale->addLayout(campi);
    campi->addWidget(new QLabel(QStringLiteral("Inizio Ricerca"), this), 0, 0);
    m_inizio = new QComboBox(this);
    m_inizio->setObjectName(QStringLiteral("ComboBox1"));
    m_inizio->setMaxVisibleItems(20);
    campi->addWidget(m_inizio, 1, 0);
    campi->addWidget(new QLabel(QStringLiteral("Numero Previsioni"), this), 0, 1);
    m_previsioni = new QSpinBox(this);
    m_previsioni->setObjectName(QStringLiteral("SpinEditwheel1"));
    m_previsioni->setRange(1, 100000);
    campi->addWidget(m_previsioni, 1, 1);
    campi->addWidget(new QLabel(QStringLiteral("Passo"), this), 0, 2);
    m_passo = new QComboBox(this);
    m_passo->setObjectName(QStringLiteral("ComboBox2"));
    for (const auto &v : VociPasso())
        m_passo->addItem(Q(v));
    campi->addWidget(m_passo, 1, 2);
    campi->addWidget(new QLabel(QStringLiteral("Limite Verifica Esito"), this), 0, 3);
    m_limite = new QSpinBox(this);
    m_limite->setObjectName(QStringLiteral("SpinEditwheel3"));
    m_limite->setRange(1, 1000);
    campi->addWidget(m_limite, 1, 3);
    auto ricalcola = [this] {
        if (!m_apertura)
            EseguiAzione(this, [this] { AnalizzaMetodo(); });
    };
    connect(m_inizio, &QComboBox::activated, this, ricalcola);
    connect(m_passo, &QComboBox::activated, this, [this, ricalcola](int i) {
        m_pagina->ImpostaPasso(i + 1); // "Passo" is the method's own: the page follows
        ricalcola();
    });
    connect(m_previsioni, &QSpinBox::valueChanged, this, ricalcola);
    connect(m_limite, &QSpinBox::valueChanged, this, ricalcola);

    auto *pulsanti = new QHBoxLayout;
    principale->addLayout(pulsanti);
    auto pulsante = [this, pulsanti](const char *nome, const QString &testo) {
        auto *b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        pulsanti->addWidget(b);
        return b;
    };
    connect(pulsante("BitBtn1", QStringLiteral("Crea TXT")), &QPushButton::clicked, this, [this] { CreaTXT(); });
    connect(pulsante("BitBtn2", QStringLiteral("Stampa TXT")), &QPushButton::clicked, this,
            [this] { EseguiAzione(this, [this] { StampaTXT(); }); });
    connect(pulsante("BitBtn3", QStringLiteral("Salva TXT")), &QPushButton::clicked, this,
            [this] { EseguiAzione(this, [this] { SalvaTXT(); }); });
    connect(pulsante("BitBtn4", QStringLiteral("Crea HTML")), &QPushButton::clicked, this,
            [this] { EseguiAzione(this, [this] { CreaHTML(); }); });
    pulsanti->addStretch();

    m_testo = new QPlainTextEdit(this);
    m_testo->setObjectName(QStringLiteral("MemoAnalisiMetodi"));
    m_testo->setReadOnly(true);
    m_testo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    m_testo->setFont(mono);
    m_testo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_testo, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("&Copia In Memoria"), this, [this] { CopiaInMemoria(); });
        menu.exec(m_testo->mapToGlobal(p));
    });
    principale->addWidget(m_testo, 1);
    m_griglia = new ExtStringGrid(this);
    m_griglia->setObjectName(QStringLiteral("GrigliaAnalisiMetodi"));
    principale->addWidget(m_griglia, 2);
    m_riepilogo = new ExtStringGrid(this);
    m_riepilogo->setObjectName(QStringLiteral("GrigliaRiepilogoMetodi"));
    m_riepilogo->setMinimumHeight(150);
    principale->addWidget(m_riepilogo, 1);
}

void TFormAnalisiMetodi::Apri(int record)
{
    m_apertura = true;
    const auto p = m_pagina->parametri();
    m_inizio->clear();
    if (m_stato.UltimaEstrazione >= 0)
        RiempiDate(m_inizio, archivio::DateCrescenti(archivio::Archivio(m_stato.DirectoryProgramma)));
    m_inizio->setCurrentIndex(record);
    m_previsioni->setValue(std::max(1, p.nPrevisioni));
    m_passo->setCurrentIndex(std::clamp(p.passo, 1, m_passo->count()) - 1);
    m_limite->setValue(std::max(1, p.limVerifica));
    m_apertura = false;
    EseguiAzione(this, [this] { AnalizzaMetodo(); });
}

void TFormAnalisiMetodi::AnalizzaMetodo()
{
    m_testo->clear();
    ParametriAnalisi q{m_inizio->currentIndex(), m_previsioni->value(), m_passo->currentIndex() + 1, m_limite->value()};
    archivio::Archivio a(m_stato.DirectoryProgramma);
    m_risultato = metodi::AnalizzaMetodo(a, a.LeggiTutte(), m_pagina->nomeMetodo(), m_pagina->parametri(), q);
    for (const auto &r : m_risultato.spiegazione)
        m_testo->appendPlainText(Q(r));
    m_griglia->ImpostaGriglia(m_risultato.previsioni);
    AdattaColonne(m_griglia);
    m_riepilogo->ImpostaGriglia(m_risultato.riepilogo);
    AdattaColonne(m_riepilogo);
    if (m_risultato.messaggio)
        Dialoghi::Avviso(this, Q(*m_risultato.messaggio));
}

void TFormAnalisiMetodi::CreaTXT()
{
    for (const auto &r : RigheTXT(m_risultato))
        m_testo->appendPlainText(Q(r));
}

void TFormAnalisiMetodi::SalvaTXT()
{
    auto file = Dialoghi::SalvaFile(this, QStringLiteral("AnalisiMetodo"), QStringLiteral("Testo (*.txt)"),
                                    QStringLiteral(".txt"));
    if (!file)
        return;
    TExStringList righe;
    for (const auto &r : m_testo->toPlainText().split(QLatin1Char('\n')))
        righe.Add(S(r));
    righe.SaveToFile(S(*file));
}

void TFormAnalisiMetodi::StampaTXT()
{
    QPrinter stampante;
    stampante.setDocName(QStringLiteral("Stampa Metodo"));
    if (!Dialoghi::ScegliStampante(this, stampante))
        return;
    // A copy in a fixed-pitch font keeps the text grids in columns on paper.
    std::unique_ptr<QTextDocument> doc(m_testo->document()->clone());
    doc->setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The window shows long lines unwrapped; on paper they wrap instead of being cut.
    QTextOption opzione = doc->defaultTextOption();
    opzione.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc->setDefaultTextOption(opzione);
    doc->print(&stampante);
}

void TFormAnalisiMetodi::CreaHTML()
{
    // Both templates are read first: a missing one stops before the dialog.
    TExStringList testa, coda;
    testa.LoadFromFile(m_stato.percorso("testahtml.slt"));
    coda.LoadFromFile(m_stato.percorso("codahtml.slt"));
    auto file = Dialoghi::SalvaFile(this, QStringLiteral("AnalisiMetodo"), QStringLiteral("Pagina HTML (*.html)"),
                                    QStringLiteral(".html"));
    if (!file)
        return;
    PaginaAnalisiHTML(m_risultato, testa, coda).SaveToFile(S(*file));
}

void TFormAnalisiMetodi::CopiaInMemoria()
{
    QString t = m_testo->textCursor().selectedText();
    t.replace(QChar(0x2029), QLatin1Char('\n'));
    QApplication::clipboard()->setText(t.isEmpty() ? m_testo->toPlainText() : t);
}
