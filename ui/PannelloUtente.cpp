#include "ui/PannelloUtente.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "ui/Dialoghi.h"
#include "ui/ExtStringGrid.h"
#include "ui/Pagina.h"
#include "ui/Qt.h"

#include <QFormLayout>
#include <algorithm>
#include <functional>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace sestina;

namespace {
const char *const Etichette[6] = {"Nome", "Cognome", "Nome Ricevitoria", "Numero Ricevitoria", "Via", "Città"};
}

PannelloUtente::PannelloUtente(StatoCondiviso &stato, QWidget *parent) : QFrame(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("Panel10"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto *griglia = new QGridLayout(this);
    auto *dati = new QGroupBox(QStringLiteral("Dati Utente"), this);
    auto *form = new QFormLayout(dati);
    for (int i = 0; i < 6; ++i) {
        m_campi[static_cast<size_t>(i)] = new QLineEdit(dati);
        m_campi[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        form->addRow(Q(Etichette[i]), m_campi[static_cast<size_t>(i)]);
    }
    griglia->addWidget(dati, 0, 0);

    auto *img = new QGroupBox(QStringLiteral("Immagine per la stampa"), this);
    auto *imgl = new QGridLayout(img);
    m_immagine = new QLabel(img);
    m_immagine->setObjectName(QStringLiteral("Image5"));
    m_immagine->setFixedSize(200, 100);
    m_immagine->setAlignment(Qt::AlignCenter);
    m_immagine->setFrameShape(QFrame::Box);
    imgl->addWidget(m_immagine, 0, 0, 2, 1);
    auto *spin = new QWidget(img);
    spin->setObjectName(QStringLiteral("SpinButton1"));
    auto *spinl = new QVBoxLayout(spin);
    spinl->setContentsMargins(0, 0, 0, 0);
    auto *su = new QToolButton(spin);
    su->setObjectName(QStringLiteral("SpinButton1Su"));
    su->setArrowType(Qt::UpArrow);
    auto *giu = new QToolButton(spin);
    giu->setObjectName(QStringLiteral("SpinButton1Giu"));
    giu->setArrowType(Qt::DownArrow);
    spinl->addWidget(su);
    spinl->addWidget(giu);
    imgl->addWidget(spin, 0, 1, 2, 1);
    connect(su, &QToolButton::clicked, this, [this] { EseguiAzione(this, [this] { ImmagineSuccessiva(); }); });
    connect(giu, &QToolButton::clicked, this, [this] { EseguiAzione(this, [this] { ImmaginePrecedente(); }); });
    griglia->addWidget(img, 1, 0);

    auto *importi = new QGroupBox(QStringLiteral("Importi"), this);
    auto *formImporti = new QFormLayout(importi);
    m_costo = new QLineEdit(importi);
    m_costo->setObjectName(QStringLiteral("LabeledEdit1"));
    m_ritenuta = new QLineEdit(importi);
    m_ritenuta->setObjectName(QStringLiteral("LabeledEdit2"));
    formImporti->addRow(QStringLiteral("Costo Colonna Superenalotto"), m_costo);
    formImporti->addRow(QStringLiteral("Percentuale Ritenuta"), m_ritenuta);
    m_costo->installEventFilter(this);
    m_ritenuta->installEventFilter(this);
    // Every change of the withholding text sets the value at once; an invalid text
    // keeps the previous value and is shown in red.
    connect(m_ritenuta, &QLineEdit::textChanged, this, [this](const QString &t) {
        try {
            m_stato.impostazioni.PercentualeRitenuta = LeggiValuta(S(t));
            m_ritenuta->setStyleSheet(QString());
        } catch (const Errore &) {
            m_ritenuta->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(255,200,200); }"));
        }
    });
    griglia->addWidget(importi, 2, 0);

    auto *panel4 = new QGroupBox(QStringLiteral("Tabella Premi"), this);
    panel4->setObjectName(QStringLiteral("Panel4"));
    auto *p4l = new QVBoxLayout(panel4);
    m_premi = new ExtStringGrid(panel4);
    m_premi->setObjectName(QStringLiteral("GRIGLIAVINCITELOTTO"));
    m_premi->adapter()->ImpostaModificabile([](int r, int c) { return r >= 1 && c >= 1; });
    m_premi->setEditTriggers(QAbstractItemView::AllEditTriggers);
    // "." typed in a prize cell becomes "," as the cell is committed.
    connect(m_premi->adapter(), &GrigliaAdapter::testoModificato, this, [this](int r, int c) {
        std::string t = m_premi->griglia().testo(r, c);
        if (t.find('.') != std::string::npos) {
            std::replace(t.begin(), t.end(), '.', ',');
            m_premi->adapter()->ImpostaTestoCella(r, c, t);
        }
    });
    p4l->addWidget(m_premi);
    griglia->addWidget(panel4, 0, 1, 3, 1);
    LayoutTabellaPremi();

    auto *pulsanti = new QHBoxLayout;
    auto *esci = new QPushButton(QStringLiteral("Esci"), this);
    esci->setObjectName(QStringLiteral("SpeedButton22"));
    auto *salva = new QPushButton(QStringLiteral("Salva Dati Utente"), this);
    salva->setObjectName(QStringLiteral("SpeedButton8"));
    pulsanti->addStretch();
    pulsanti->addWidget(esci);
    pulsanti->addWidget(salva);
    griglia->addLayout(pulsanti, 3, 0, 1, 2);
    connect(esci, &QPushButton::clicked, this, &QWidget::hide);
    connect(salva, &QPushButton::clicked, this, [this] { EseguiAzione(this, [this] { Salva(); }); });
}

bool PannelloUtente::eventFilter(QObject *o, QEvent *e)
{
    // "." typed in the amounts or the prize table enters ",".
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->text() == QStringLiteral(".")) {
            if (auto *le = qobject_cast<QLineEdit *>(o)) {
                le->insert(QStringLiteral(","));
                return true;
            }
        }
    }
    return QFrame::eventFilter(o, e);
}

void PannelloUtente::LayoutTabellaPremi()
{
    Griglia g = m_premi->griglia();
    if (g.righe() != 11 || g.colonne() != 7)
        g.Dimensiona(11, 7);
    g.righeFisse = 1;
    g.colonneFisse = 1;
    static const char *const intestazioni[] = {"Numeri", "Determinato", "Estratto", "Ambo",
                                               "Terno",  "Quaterna",    "Cinquina"};
    for (int c = 0; c < 7; ++c) {
        g.ImpostaTesto(0, c, intestazioni[c]);
        g.ImpostaLarghezza(c, c == 0 ? 60 : 80);
    }
    for (int r = 1; r <= 10; ++r) {
        g.ImpostaTesto(r, 0, std::to_string(r));
        for (int c = 1; c <= 5; c += 2)
            g.cella(r, c).sfondo = colori::CianoChiaro;
    }
    m_premi->ImpostaGriglia(std::move(g));
}

void PannelloUtente::MostraImmagine()
{
    const int i = m_stato.impostazioni.IndiceImmagine;
    if (i < 0 || i >= m_stato.ListaImmagini.Count())
        throw Errore(Formato("L'immagine %d non è nell'elenco \"%s\", che ne contiene %d", i, FileListaLoghi,
                             m_stato.ListaImmagini.Count()));
    const std::string &file = m_stato.ListaImmagini[i];
    std::string percorso = file.size() > 0 && file[0] == '/' ? file : m_stato.percorso(file);
    QPixmap p;
    if (!p.load(Q(percorso)))
        throw Errore("Impossibile caricare l'immagine \"" + percorso + "\"", percorso);
    m_immagine->setPixmap(p.scaled(m_immagine->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PannelloUtente::CaricaImpostazioni()
{
    LayoutTabellaPremi();
    Impostazioni &imp = m_stato.impostazioni;
    std::string errori;
    auto passo = [&](const std::function<void()> &f) {
        try {
            f();
        } catch (const Errore &e) {
            errori += (errori.empty() ? "" : "\n") + std::string(e.what());
        }
    };
    passo([&] {
        DatiPrivati p = CaricaDatiPrivati(m_stato.DirectoryProgramma);
        imp.CartellaPDF = p.cartellaPDF;
        imp.CartellaHTML = p.cartellaHTML;
        if (!p.paginaHTML.empty())
            imp.PaginaHTML = p.paginaHTML;
        imp.FlagEsportazione = p.flagEsportazione;
    });
    passo([&] {
        const std::string percorso = m_stato.percorso(FileImportiVincite);
        m_importiCaricati = false;
        if (EsisteFile(percorso)) {
            TExStringList l;
            l.LoadFromFile(percorso);
            // Everything is read and checked before any control changes.
            ImportiVincite v = LeggiImportiVincite(l);
            const Valuta costo = LeggiValuta(v.costoColonna);
            const Valuta ritenuta = LeggiValuta(v.percentualeRitenuta);
            Griglia &g = m_premi->modifica();
            for (int i = 0; i < 60; ++i)
                g.ImpostaTesto(1 + i / 6, 1 + i % 6, v.celle[static_cast<size_t>(i)]);
            m_premi->Aggiorna();
            m_costo->setText(Q(v.costoColonna));
            m_ritenuta->setText(Q(v.percentualeRitenuta));
            imp.CostoColonna = costo;
            imp.PercentualeRitenuta = ritenuta;
        }
        m_importiCaricati = true;
    });
    passo([&] {
        const std::string percorso = m_stato.percorso(FileUtente);
        m_utenteCaricato = false;
        if (EsisteFile(percorso)) {
            TExStringList l;
            l.LoadFromFile(percorso);
            DatiUtente u = LeggiDatiUtente(l);
            for (size_t i = 0; i < 6; ++i)
                m_campi[i]->setText(Q(u.campi[i]));
            imp.IndiceImmagine = u.indiceImmagine;
        }
        m_utenteCaricato = true;
    });
    passo([&] { MostraImmagine(); });
    if (!errori.empty())
        throw Errore(errori);
}

namespace {

// A file that was not read is replaced only with the user's consent.
bool PuoiScrivere(QWidget *parent, bool caricato, const char *file)
{
    return caricato ||
           Dialoghi::Domanda(parent, QStringLiteral("Il file \"%1\" non è stato letto all'avvio: i suoi valori non "
                                                    "sono nel pannello.\r\n\r\nSovrascriverlo con i valori del "
                                                    "pannello?")
                                         .arg(Q(file)));
}

} // namespace

void PannelloUtente::Salva()
{
    hide();
    if (PuoiScrivere(this, m_importiCaricati, FileImportiVincite)) {
        ImportiVincite v;
        const Griglia &g = m_premi->griglia();
        for (int i = 0; i < 60; ++i)
            v.celle[static_cast<size_t>(i)] = g.testo(1 + i / 6, 1 + i % 6);
        // An empty amount is saved as 0, so a first save of the user data is not refused.
        if (m_costo->text().trimmed().isEmpty())
            m_costo->setText(QStringLiteral("0"));
        if (m_ritenuta->text().trimmed().isEmpty())
            m_ritenuta->setText(QStringLiteral("0"));
        v.costoColonna = S(m_costo->text());
        v.percentualeRitenuta = S(m_ritenuta->text());
        // Both amounts are read before anything is written, so a bad text leaves the file as it was.
        Valuta costo = LeggiValuta(v.costoColonna);
        Valuta ritenuta = LeggiValuta(v.percentualeRitenuta);
        ScriviImportiVincite(v).SaveToFile(m_stato.percorso(FileImportiVincite));
        m_importiCaricati = true;
        m_stato.impostazioni.CostoColonna = costo;
        m_stato.impostazioni.PercentualeRitenuta = ritenuta;
    }
    if (PuoiScrivere(this, m_utenteCaricato, FileUtente)) {
        DatiUtente u;
        for (size_t i = 0; i < 6; ++i)
            u.campi[i] = S(m_campi[i]->text());
        u.indiceImmagine = m_stato.impostazioni.IndiceImmagine;
        ScriviDatiUtente(u).SaveToFile(m_stato.percorso(FileUtente));
        m_utenteCaricato = true;
    }
}

void PannelloUtente::ImmagineSuccessiva()
{
    if (m_stato.impostazioni.IndiceImmagine < m_stato.ListaImmagini.Count() - 1)
        ++m_stato.impostazioni.IndiceImmagine;
    MostraImmagine();
}

void PannelloUtente::ImmaginePrecedente()
{
    if (m_stato.impostazioni.IndiceImmagine > 0)
        --m_stato.impostazioni.IndiceImmagine;
    MostraImmagine();
}
