#include "ui/Dialoghi.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace Dialoghi {

namespace {
bool g_test = false;
std::deque<bool> g_risposte;
std::deque<std::optional<QString>> g_percorsi;
std::deque<std::optional<QColor>> g_colori;
std::deque<std::optional<QString>> g_testi;
QString g_nomeProposto;
QString g_cartellaIniziale;
std::deque<Messaggio> g_messaggi;
QPointer<QDialog> g_senzaAttesa;

void Registra(Tipo t, const QString &testo) { g_messaggi.push_back({t, testo}); }

// The program's texts break lines with CR LF; a message box wants LF alone.
QString PerSchermo(QString testo) { return testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

std::optional<QString> PercorsoPreimpostato()
{
    std::optional<QString> p;
    if (!g_percorsi.empty()) {
        p.swap(g_percorsi.front());
        g_percorsi.pop_front();
    }
    return p;
}
} // namespace

void ModalitaTest(bool attiva) { g_test = attiva; }
bool InModalitaTest() { return g_test; }
void PreimpostaRisposta(bool si) { g_risposte.push_back(si); }
void PreimpostaPercorso(const std::optional<QString> &percorso) { g_percorsi.push_back(percorso); }
void PreimpostaColore(const std::optional<QColor> &colore) { g_colori.push_back(colore); }
void PreimpostaTesto(const std::optional<QString> &testo) { g_testi.push_back(testo); }
const std::deque<Messaggio> &Messaggi() { return g_messaggi; }
void PulisciMessaggi()
{
    g_messaggi.clear();
    g_risposte.clear();
    g_percorsi.clear();
    g_colori.clear();
    g_testi.clear();
}

void Avviso(QWidget *parent, const QString &testo)
{
    Registra(Tipo::Avviso, testo);
    if (!g_test)
        QMessageBox::warning(parent, QStringLiteral("Attenzione"), PerSchermo(testo));
}

void Informazione(QWidget *parent, const QString &testo)
{
    Registra(Tipo::Informazione, testo);
    if (!g_test)
        QMessageBox::information(parent, QStringLiteral("Informazione"), PerSchermo(testo));
}

void Errore(QWidget *parent, const QString &testo, const QString &titolo)
{
    Registra(Tipo::Errore, testo);
    if (!g_test)
        QMessageBox::critical(parent, titolo, PerSchermo(testo));
}

bool Domanda(QWidget *parent, const QString &testo)
{
    Registra(Tipo::Domanda, testo);
    if (g_test) {
        if (g_risposte.empty())
            return false;
        bool r = g_risposte.front();
        g_risposte.pop_front();
        return r;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Conferma"), PerSchermo(testo), QMessageBox::NoButton, parent);
    QAbstractButton *si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == si;
}

std::optional<QString> ApriFile(QWidget *parent, const QString &titolo, const QString &filtro)
{
    if (g_test)
        return PercorsoPreimpostato();
    QString f = QFileDialog::getOpenFileName(parent, titolo, QString(), filtro);
    if (f.isEmpty())
        return std::nullopt;
    return f;
}

QString UltimoNomeProposto()
{
    return g_nomeProposto;
}

std::optional<QString> SalvaFile(QWidget *parent, const QString &nomeProposto, const QString &filtro,
                                 const QString &estensione)
{
    if (g_test) {
        g_nomeProposto = nomeProposto;
        return PercorsoPreimpostato();
    }
    QFileDialog d(parent, QStringLiteral("Salva con nome"), QString(), filtro);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(estensione.startsWith(QLatin1Char('.')) ? estensione.mid(1) : estensione);
    d.selectFile(nomeProposto);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return std::nullopt;
    return d.selectedFiles().first();
}

QString UltimaCartellaIniziale()
{
    return g_cartellaIniziale;
}

std::optional<QString> ScegliCartella(QWidget *parent, const QString &titolo, const QString &iniziale)
{
    g_cartellaIniziale = iniziale;
    if (g_test)
        return PercorsoPreimpostato();
    QString d = QFileDialog::getExistingDirectory(parent, titolo, iniziale);
    if (d.isEmpty())
        return std::nullopt;
    return d;
}

std::optional<QColor> ScegliColore(QWidget *parent, const QColor &iniziale)
{
    if (g_test) {
        if (g_colori.empty())
            return std::nullopt;
        auto c = g_colori.front();
        g_colori.pop_front();
        return c;
    }
    QColor c = QColorDialog::getColor(iniziale, parent, QStringLiteral("Scegli il colore"));
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QString> ChiediTesto(QWidget *parent, const QString &titolo, const QString &spiegazione,
                                   const QString &iniziale)
{
    Registra(Tipo::Richiesta, spiegazione);
    if (g_test) {
        std::optional<QString> t = iniziale;
        if (!g_testi.empty()) {
            t.swap(g_testi.front());
            g_testi.pop_front();
        }
        return t;
    }
    QInputDialog d(parent);
    d.setWindowTitle(titolo);
    d.setLabelText(PerSchermo(spiegazione));
    d.setTextValue(iniziale);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Annulla"));
    d.resize(640, d.sizeHint().height());
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.textValue();
}

void EseguiModale(QDialog *finestra)
{
    if (g_test) {
        finestra->show();
        finestra->close();
        return;
    }
    finestra->exec();
}

void MostraSenzaAttendere(QDialog *finestra, bool modale)
{
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowModality(modale ? Qt::ApplicationModal : Qt::NonModal);
    g_senzaAttesa = finestra;
    finestra->show();
}

QDialog *UltimaFinestraSenzaAttesa() { return g_senzaAttesa.data(); }

bool ScegliStampante(QWidget *parent, QPrinter &stampante)
{
    if (g_test) {
        auto p = PercorsoPreimpostato();
        if (!p)
            return false;
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(*p);
        return true;
    }
    QPrintDialog d(&stampante, parent);
    return d.exec() == QDialog::Accepted;
}

} // namespace Dialoghi
