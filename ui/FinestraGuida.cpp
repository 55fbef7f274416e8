#include "ui/FinestraGuida.h"

#include "app/Errore.h"
#include "ui/Qt.h"
#include "ui/TForm1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString Piega(const QString &s)
{
    // Search ignores case and accents: "citta" finds "Città".
    QString d = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(d.size());
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toLower();
    return out;
}

QString LeggiTesto(const QString &percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// The windows opened from the pages, by objectName, and their part of the guide.
constexpr std::pair<const char *, const char *> SezioniFinestre[] = {
    {"SpoglioSuperenaLotto", "spoglio.html"},     {"TaraturaSE", "stampa.html#taratura"},
    {"selezioneschedine", "stampa.html#selezione"}, {"Anteprima", "stampa.html#anteprima"},
    {"Formprivata", "pubblicazione.html"},        {"FormAnalisiMetodi", "metodi.html#analisi"},
    {"FCompl90", "cruci.html#completamento"},     {"FRiepilogoArmonia", "armonia.html#riepilogo"}};

QString SezioneFinestra(const QString &nome)
{
    for (const auto &[finestra, sezione] : SezioniFinestre)
        if (nome == QLatin1String(finestra))
            return QString::fromLatin1(sezione);
    return {};
}

} // namespace

FinestraGuida::FinestraGuida(const QString &cartella, QWidget *parent)
    : QWidget(parent, Qt::Window), m_cartella(cartella)
{
    setObjectName(QStringLiteral("FinestraGuida"));
    setWindowTitle(QStringLiteral("Guida In Linea - Sestina"));
    resize(1000, 700);

    auto *divisore = new QSplitter(this);
    auto *sinistra = new QWidget(divisore);
    auto *ls = new QVBoxLayout(sinistra);
    ls->setContentsMargins(0, 0, 0, 0);
    ls->addWidget(new QLabel(QStringLiteral("Cerca nella guida:"), sinistra));
    m_cerca = new QLineEdit(sinistra);
    m_cerca->setObjectName(QStringLiteral("CercaGuida"));
    m_cerca->setClearButtonEnabled(true);
    m_cerca->setPlaceholderText(QStringLiteral("una o più parole"));
    ls->addWidget(m_cerca);
    m_risultati = new QLabel(sinistra);
    m_risultati->setObjectName(QStringLiteral("RisultatiRicerca"));
    ls->addWidget(m_risultati);
    m_elenco = new QListWidget(sinistra);
    m_elenco->setObjectName(QStringLiteral("ElencoSezioni"));
    ls->addWidget(m_elenco, 1);
    m_testo = new QTextBrowser(divisore);
    m_testo->setObjectName(QStringLiteral("TestoGuida"));
    m_testo->setOpenExternalLinks(true);
    m_testo->setSearchPaths({m_cartella});
    divisore->addWidget(sinistra);
    divisore->addWidget(m_testo);
    divisore->setStretchFactor(1, 1);
    divisore->setSizes({300, 700});
    m_elenco->setWordWrap(true);
    auto *l = new QHBoxLayout(this);
    l->addWidget(divisore);

    Carica();
    connect(m_cerca, &QLineEdit::textChanged, this, &FinestraGuida::Cerca);
    connect(m_cerca, &QLineEdit::returnPressed, this, [this] {
        for (int i = 0; i < m_elenco->count(); ++i)
            if (!m_elenco->item(i)->isHidden()) {
                if (m_elenco->currentRow() == i)
                    MostraSezione(m_elenco->item(i)->data(Qt::UserRole).toString());
                else
                    m_elenco->setCurrentRow(i);
                return;
            }
    });
    connect(m_elenco, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *voce) {
        if (voce)
            MostraSezione(voce->data(Qt::UserRole).toString());
    });
    connect(m_testo, &QTextBrowser::sourceChanged, this, [this](const QUrl &u) {
        const QString file = u.fileName();
        for (int i = 0; i < m_elenco->count(); ++i)
            if (m_elenco->item(i)->data(Qt::UserRole).toString() == file && m_elenco->currentRow() != i) {
                QSignalBlocker b(m_elenco);
                m_elenco->setCurrentRow(i);
            }
    });
}

void FinestraGuida::Carica()
{
    // The contents are the links of indice.html, in their order.
    const QString indice = LeggiTesto(m_cartella + QStringLiteral("/indice.html"));
    m_sezioni.push_back({QStringLiteral("indice.html"), QStringLiteral("Sommario"), {}});
    QTextDocument doc;
    doc.setHtml(indice);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QString href = f.charFormat().anchorHref();
            if (f.charFormat().isAnchor() && !href.isEmpty() && !href.contains(QLatin1Char(':')) &&
                !href.contains(QLatin1Char('#')))
                m_sezioni.push_back({href, f.text().trimmed(), {}});
        }
    for (Sezione &s : m_sezioni) {
        QTextDocument d;
        d.setHtml(LeggiTesto(m_cartella + QLatin1Char('/') + s.file));
        s.testo = Piega(d.toPlainText());
        auto *voce = new QListWidgetItem(s.titolo, m_elenco);
        voce->setData(Qt::UserRole, s.file);
    }
    Cerca(QString());
}

void FinestraGuida::MostraSezione(const QString &sezione)
{
    const QString file = sezione.section(QLatin1Char('#'), 0, 0);
    m_sezioneCorrente = file;
    const QString percorso = m_cartella + QLatin1Char('/') + file;
    if (!QFileInfo::exists(percorso)) {
        m_testo->setHtml(QStringLiteral("<h2>Guida non trovata</h2><p>Manca il file <code>%1</code>.</p>")
                             .arg(percorso.toHtmlEscaped()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(percorso);
    if (sezione.contains(QLatin1Char('#')))
        url.setFragment(sezione.section(QLatin1Char('#'), 1));
    m_testo->setSource(url);
    // With a search in progress, the first match of its first word is shown.
    const QStringList parole = m_cerca->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!parole.isEmpty()) {
        m_testo->moveCursor(QTextCursor::Start);
        (void)m_testo->find(parole.first());
    }
}

void FinestraGuida::Cerca(const QString &testo)
{
    const QStringList parole = Piega(testo).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int trovate = 0;
    for (int i = 0; i < m_elenco->count(); ++i) {
        const Sezione &s = m_sezioni[static_cast<size_t>(i)];
        bool tutte = true;
        for (const QString &p : parole)
            tutte = tutte && s.testo.contains(p);
        m_elenco->item(i)->setHidden(!tutte);
        trovate += tutte ? 1 : 0;
    }
    if (parole.isEmpty())
        m_risultati->setText(QStringLiteral("%1 sezioni").arg(m_elenco->count()));
    else if (trovate == 0)
        m_risultati->setText(QStringLiteral("Nessuna sezione contiene \"%1\"").arg(testo.trimmed()));
    else
        m_risultati->setText(trovate == 1 ? QStringLiteral("1 sezione trovata")
                                          : QStringLiteral("%1 sezioni trovate").arg(trovate));
}

QString FinestraGuida::sezioneCorrente() const
{
    return m_sezioneCorrente;
}

int FinestraGuida::sezioniVisibili() const
{
    int n = 0;
    for (int i = 0; i < m_elenco->count(); ++i)
        n += m_elenco->item(i)->isHidden() ? 0 : 1;
    return n;
}

QString FinestraGuida::SezionePerPagina(const QString &nomePagina)
{
    static const std::pair<const char *, const char *> sezioni[] = {
        {"TabSheet1", "estrazioni.html"},     {"TabNumSpia", "numeri-spia.html"}, {"TabSheet2", "consulta.html"},
        {"TabSheet3", "stat.html"},           {"TabSheet4", "in-calore.html"},    {"TabSheet5", "sistemi.html"},
        {"TabSheet9", "astro.html"},          {"TabSheet10", "stampa.html"},      {"TabSheet11", "ambo.html"},
        {"TabSheet12", "metodi.html"},        {"TabSheet13", "cruci.html"},       {"TabSheet14", "armonia.html"},
        {"Panel10", "estrazioni.html#utente"}};
    for (const auto &[pagina, sezione] : sezioni)
        if (nomePagina == QLatin1String(pagina))
            return QString::fromLatin1(sezione);
    const QString finestra = SezioneFinestra(nomePagina);
    return finestra.isEmpty() ? QStringLiteral("indice.html") : finestra;
}

QString FinestraGuida::Cartella(const QString &dirProgramma)
{
    const QString propria = QDir(dirProgramma).filePath(QStringLiteral("guida"));
    if (QFileInfo::exists(propria + QStringLiteral("/indice.html")))
        return propria;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/sestina/guida"));
}

FinestraGuida *FinestraGuida::Apri(QWidget *finestra, const QString &dirProgramma, const QString &sezione)
{
    auto *g = finestra->findChild<FinestraGuida *>(QStringLiteral("FinestraGuida"), Qt::FindDirectChildrenOnly);
    if (!g)
        g = new FinestraGuida(QDir::cleanPath(Cartella(dirProgramma)), finestra);
    g->MostraSezione(sezione);
    g->show();
    g->raise();
    g->activateWindow();
    return g;
}

void FinestraGuida::ScorciatoiaF1(QWidget *finestra)
{
    // A shortcut of the window itself: most secondary windows are modal, so the
    // main window's F1 cannot hear them.
    auto *f1 = new QShortcut(QKeySequence::HelpContents, finestra);
    QObject::connect(f1, &QShortcut::activated, finestra, [finestra] {
        const QString sezione = SezioneFinestra(finestra->objectName());
        if (sezione.isEmpty())
            return;
        QWidget *principale = finestra;
        while (principale->parentWidget())
            principale = principale->parentWidget()->window();
        QString dir = QCoreApplication::applicationDirPath();
        if (auto *form = qobject_cast<TForm1 *>(principale))
            dir = Q(form->stato().DirectoryProgramma);
        // A child of the window, so that a modal window does not block it.
        FinestraGuida::Apri(finestra, dir, sezione);
    });
}
