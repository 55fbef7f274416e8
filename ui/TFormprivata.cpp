#include "ui/TFormprivata.h"

#include "app/Errore.h"
#include "export/render/PittoreReport.h"
#include "publish/Pubblicazione.h"
#include "publish/render/PubblicaPDF.h"
#include "ui/Dialoghi.h"
#include "ui/FinestraGuida.h"
#include "ui/Pagina.h"
#include "ui/ProgressoFinestra.h"
#include "ui/Qt.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sestina;

namespace {

QPushButton *Bottone(QWidget *parent, const char *nome, const QString &testo)
{
    auto *b = new QPushButton(testo, parent);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

QCheckBox *Casella(QWidget *parent, const char *nome, const QString &testo)
{
    auto *c = new QCheckBox(testo, parent);
    c->setObjectName(QString::fromLatin1(nome));
    return c;
}

// The folder as the settings keep it: no trailing separator.
QString SenzaSeparatore(QString s)
{
    while (s.size() > 1 && (s.endsWith(QLatin1Char('/')) || s.endsWith(QLatin1Char('\\'))))
        s.chop(1);
    return s;
}

} // namespace

TFormprivata::TFormprivata(StatoCondiviso &stato, QWidget *parent) : QDialog(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("Formprivata"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(QStringLiteral("Pannello Privato"));
    auto *l = new QVBoxLayout(this);

    auto *cartelle = new QGridLayout;
    m_cartellaPDF = new QLineEdit(this);
    m_cartellaPDF->setObjectName(QStringLiteral("Edit7"));
    m_cartellaHTML = new QLineEdit(this);
    m_cartellaHTML->setObjectName(QStringLiteral("Edit8"));
    for (QLineEdit *e : {m_cartellaPDF, m_cartellaHTML}) {
        e->setMinimumWidth(320);
        e->installEventFilter(this);
    }
    auto *cambiaPDF = Bottone(this, "SpeedButton5", QStringLiteral("CAMBIA DIRECTORY PDF"));
    auto *cambiaHTML = Bottone(this, "SpeedButton6", QStringLiteral("CAMBIA DIRECTORY HTML"));
    cartelle->addWidget(m_cartellaPDF, 0, 0);
    cartelle->addWidget(cambiaPDF, 0, 1);
    cartelle->addWidget(m_cartellaHTML, 1, 0);
    cartelle->addWidget(cambiaHTML, 1, 1);
    auto *etichetta = new QLabel(QStringLiteral("Nome ultimo file Concorso"), this);
    m_paginaHTML = new QLineEdit(this);
    m_paginaHTML->setObjectName(QStringLiteral("LabeledEdit1"));
    etichetta->setBuddy(m_paginaHTML);
    cartelle->addWidget(etichetta, 2, 0, 1, 2);
    cartelle->addWidget(m_paginaHTML, 3, 0);
    l->addLayout(cartelle);
    connect(cambiaPDF, &QPushButton::clicked, this, [this] { CambiaCartella(true); });
    connect(cambiaHTML, &QPushButton::clicked, this, [this] { CambiaCartella(false); });

    auto *gruppi = new QHBoxLayout;
    auto *pdf = new QGroupBox(QStringLiteral("PDF"), this);
    pdf->setObjectName(QStringLiteral("GroupBoxPDF"));
    auto *lp = new QVBoxLayout(pdf);
    const char *nomiPDF[6] = {"CBExpPDFEstrazione", "CBExpPDFConsultazione", "CBExpPDFTAbellestatistiche",
                              "CBExpPDFincalore",   "CBExpPDFastrolotto",    "cbexppdfRitxambi"};
    const QString voci[7] = {QStringLiteral("Esporta Estrazione"),          QStringLiteral("Esporta Consultazione"),
                             QStringLiteral("Esporta Tabelle Statistiche"), QStringLiteral("Esporta In Calore"),
                             QStringLiteral("Esporta Astrolotto"),          QStringLiteral("Esporta Ritardi per Ambi"),
                             QStringLiteral("Esporta Estrazioni per Anno")};
    for (size_t i = 0; i < 6; ++i) {
        m_pdf[i] = Casella(pdf, nomiPDF[i], voci[i]);
        lp->addWidget(m_pdf[i]);
    }
    auto *esportaPDF = Bottone(pdf, "SpeedButton1", QStringLiteral("Esporta"));
    lp->addWidget(esportaPDF);
    auto *opuscolo = Bottone(pdf, "SpeedButton4", QStringLiteral("Crea Opuscolo PDF"));
    lp->addWidget(opuscolo);
    lp->addStretch();
    gruppi->addWidget(pdf);

    auto *html = new QGroupBox(QStringLiteral("HTML"), this);
    html->setObjectName(QStringLiteral("GroupBoxHTML"));
    auto *lh = new QVBoxLayout(html);
    const char *nomiHTML[7] = {"CBexpHTMLestrazione", "CBexpHTMLconsultazione", "CBexpHTMLtabellestatistiche",
                               "CBexpHTMLInCalore",   "CBexpHTMLAstrolotto",    "cbexpHTMLritxambi",
                               "cbexpHTMLest_x_anno"};
    for (size_t i = 0; i < 7; ++i) {
        m_html[i] = Casella(html, nomiHTML[i], voci[i]);
        lh->addWidget(m_html[i]);
    }
    m_testaECoda = Casella(html, "CheckBox5", QStringLiteral("testa e coda"));
    lh->addWidget(m_testaECoda);
    auto *esportaHTML = Bottone(html, "SpeedButton2", QStringLiteral("Esporta"));
    lh->addWidget(esportaHTML);
    gruppi->addWidget(html);

    m_anni = new QListWidget(this);
    m_anni->setObjectName(QStringLiteral("CheckListBox1"));
    m_anni->setMaximumWidth(120);
    gruppi->addWidget(m_anni);
    l->addLayout(gruppi);

    auto *basso = new QHBoxLayout;
    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("ProgressBar1"));
    m_barra->setValue(0);
    m_stop = Bottone(this, "btn_Stop", QStringLiteral("Stop"));
    m_stop->setEnabled(false);
    auto *salva = Bottone(this, "SpeedButton3", QStringLiteral("Salva Dati Personali"));
    basso->addWidget(m_barra, 1);
    basso->addWidget(m_stop);
    basso->addWidget(salva);
    l->addLayout(basso);

    connect(esportaPDF, &QPushButton::clicked, this, [this] { EsportaPDF(); });
    connect(esportaHTML, &QPushButton::clicked, this, [this] { EsportaHTML(); });
    connect(opuscolo, &QPushButton::clicked, this, [this] { CreaOpuscolo(); });
    connect(salva, &QPushButton::clicked, this, [this] { SalvaDatiPersonali(); });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_fermato = true; });
}

void TFormprivata::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    const auto &imp = m_stato.impostazioni;
    m_cartellaPDF->setText(Q(imp.CartellaPDF));
    m_cartellaHTML->setText(Q(imp.CartellaHTML));
    m_paginaHTML->setText(Q(imp.PaginaHTML));
    for (size_t i = 0; i < 7; ++i)
        m_html[i]->setChecked(imp.FlagEsportazione[i]);
    for (size_t i = 0; i < 6; ++i)
        m_pdf[i]->setChecked(imp.FlagEsportazione[7 + i]);
    EseguiAzione(this, [this] { RiempiAnni(); });
}

bool TFormprivata::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease)
        if (auto *edit = qobject_cast<QLineEdit *>(o))
            edit->setToolTip(edit->text());
    return QDialog::eventFilter(o, e);
}

void TFormprivata::RiempiAnni()
{
    m_anni->clear();
    auto aggiungi = [this](const QString &t) {
        auto *v = new QListWidgetItem(t, m_anni);
        v->setFlags(v->flags() | Qt::ItemIsUserCheckable);
        v->setCheckState(Qt::Unchecked);
    };
    aggiungi(QStringLiteral("Tutti"));
    for (int anno : pubblica::AnniArchivio(m_stato.DirectoryProgramma))
        aggiungi(QString::number(anno));
}

void TFormprivata::CambiaCartella(bool pdf)
{
    // Open where the pages go now; a folder not chosen yet, or gone, gives the program folder.
    const QString attuale = (pdf ? m_cartellaPDF : m_cartellaHTML)->text();
    const QString iniziale = !attuale.isEmpty() && QDir(attuale).exists() ? attuale : Q(m_stato.DirectoryProgramma);
    auto scelta = Dialoghi::ScegliCartella(
        this, pdf ? QStringLiteral("CAMBIA DIRECTORY PDF") : QStringLiteral("CAMBIA DIRECTORY HTML"), iniziale);
    QDir::setCurrent(Q(m_stato.DirectoryProgramma));
    if (!scelta)
        return;
    const QString cartella = SenzaSeparatore(QDir::toNativeSeparators(*scelta));
    (pdf ? m_cartellaPDF : m_cartellaHTML)->setText(cartella);
    (pdf ? m_stato.impostazioni.CartellaPDF : m_stato.impostazioni.CartellaHTML) = S(cartella);
}

Progresso &TFormprivata::Avvia(long totale)
{
    m_fermato = false;
    m_stop->setEnabled(true);
    m_barra->setRange(0, static_cast<int>(std::max(1L, totale)));
    m_barra->setValue(0);
    m_progresso = std::make_unique<ProgressoFinestra>([this] { return m_fermato; },
                                                      [this](long fatto, long tot) {
                                                          if (tot > 0)
                                                              m_barra->setRange(0, static_cast<int>(tot));
                                                          m_barra->setValue(static_cast<int>(fatto));
                                                      });
    return *m_progresso;
}

void TFormprivata::Termina()
{
    m_stop->setEnabled(false);
    m_progresso.reset();
}

void TFormprivata::EsportaHTML()
{
    pubblica::SceltaHTML s;
    bool qualcosa = false;
    for (size_t i = 0; i < 7; ++i) {
        s.voci[i] = m_html[i]->isChecked();
        qualcosa = qualcosa || s.voci[i];
    }
    if (!qualcosa) {
        Dialoghi::Informazione(this, QStringLiteral("Nessuna Selezione"));
        return;
    }
    s.testaECoda = m_testaECoda->isChecked();
    for (int i = 0; i < m_anni->count(); ++i) {
        const auto *v = m_anni->item(i);
        if (v->checkState() != Qt::Checked)
            continue;
        if (i == 0)
            s.tutti = true;
        else
            s.anni.push_back(v->text().toInt());
    }
    bool completa = false;
    Progresso &p = Avvia(0);
    EseguiAzione(this, [&] {
        const auto &imp = m_stato.impostazioni;
        (void)pubblica::EsportaHTML(m_stato.DirectoryProgramma, imp.CartellaHTML, imp.PaginaHTML, s,
                                    pubblica::AnnoCorrente(), p);
        completa = true;
    });
    Termina();
    if (completa)
        Dialoghi::Informazione(this, QStringLiteral("Esportazione Eseguita"));
}

void TFormprivata::EsportaPDF()
{
    std::array<bool, 6> voci{};
    bool qualcosa = false;
    for (size_t i = 0; i < 6; ++i) {
        voci[i] = m_pdf[i]->isChecked();
        qualcosa = qualcosa || voci[i];
    }
    if (!qualcosa)
        return;
    const auto piano = pubblica::PianoPDF(m_stato.DirectoryProgramma, voci);
    bool completa = false, interrotta = false;
    Progresso &p = Avvia(static_cast<long>(pubblica::NomiFilePDF(m_stato.DirectoryProgramma, voci).size()));
    EseguiAzione(this, [&] {
        const auto esito = pubblica::EsportaPDF(piano, m_stato.impostazioni.CartellaPDF, p);
        interrotta = esito.interrotto;
        completa = !esito.interrotto;
    });
    Termina();
    if (interrotta)
        Dialoghi::Avviso(this, QStringLiteral("Esportazione interrotta: non tutti i file sono stati scritti"));
    else if (completa)
        Dialoghi::Informazione(this, QStringLiteral("Esportazione eseguita"));
}

void TFormprivata::CreaOpuscolo()
{
    bool creato = false;
    Progresso &p = Avvia(0);
    EseguiAzione(this, [&] {
        (void)pubblica::CreaOpuscolo(m_stato.impostazioni.CartellaPDF, p);
        creato = true;
    });
    Termina();
    if (creato)
        Dialoghi::Informazione(this, QStringLiteral("Opuscolo creato!"));
}

void TFormprivata::SalvaDatiPersonali()
{
    EseguiAzione(this, [this] {
        DatiPrivati d;
        d.cartellaPDF = S(m_cartellaPDF->text());
        d.cartellaHTML = S(m_cartellaHTML->text());
        d.paginaHTML = S(m_paginaHTML->text());
        for (size_t i = 0; i < 7; ++i)
            d.flagEsportazione[i] = m_html[i]->isChecked();
        for (size_t i = 0; i < 6; ++i)
            d.flagEsportazione[7 + i] = m_pdf[i]->isChecked();
        ScriviDatiPrivati(d).SaveToFile(m_stato.percorso(FileDatiPrivati));
    });
}
