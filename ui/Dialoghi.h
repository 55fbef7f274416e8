#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

class QWidget;
class QDialog;
class QPrinter;

// Every message box, question, file or folder dialog and colour chooser goes
// through here, so a test can preset the next answers and nothing blocks.
namespace Dialoghi {

enum class Tipo { Avviso, Informazione, Errore, Domanda, Richiesta };

struct Messaggio {
    Tipo tipo;
    QString testo;
};

void Avviso(QWidget *parent, const QString &testo);       // warning, OK
void Informazione(QWidget *parent, const QString &testo); // information, OK
void Errore(QWidget *parent, const QString &testo,
            const QString &titolo = QStringLiteral("Errore")); // error, OK
bool Domanda(QWidget *parent, const QString &testo);      // confirmation, Yes / No

std::optional<QString> ApriFile(QWidget *parent, const QString &titolo, const QString &filtro);
std::optional<QString> SalvaFile(QWidget *parent, const QString &nomeProposto, const QString &filtro,
                                 const QString &estensione);
// The folder chooser opens at `iniziale` (the toolkit's default place when empty).
std::optional<QString> ScegliCartella(QWidget *parent, const QString &titolo, const QString &iniziale = QString());
std::optional<QColor> ScegliColore(QWidget *parent, const QColor &iniziale);
// Input box: a line of text under an explanation; nullopt when cancelled. In test
// mode it takes the next preset text, or answers its initial text when none is left.
std::optional<QString> ChiediTesto(QWidget *parent, const QString &titolo, const QString &spiegazione,
                                   const QString &iniziale);
// Modal window; in test mode it is only shown and closed at once.
void EseguiModale(QDialog *finestra);
// Modal window that does not wait (print previews): shown at once, deleted when
// closed; the last one stays reachable for tests. Not `modale`: it stays open
// beside the main window, which keeps working.
void MostraSenzaAttendere(QDialog *finestra, bool modale = true);
QDialog *UltimaFinestraSenzaAttesa();
// The print dialog: false when cancelled. In test mode the next preset path is a
// PDF file the printer writes to (cancel when none is left).
bool ScegliStampante(QWidget *parent, QPrinter &stampante);

// Test mode: questions take the preset answers (No when none is left), file and
// folder dialogs the preset paths (cancel when none is left); every message is recorded.
void ModalitaTest(bool attiva);
bool InModalitaTest();
void PreimpostaRisposta(bool si);
void PreimpostaPercorso(const std::optional<QString> &percorso);
void PreimpostaColore(const std::optional<QColor> &colore);
void PreimpostaTesto(const std::optional<QString> &testo); // input boxes; nullopt presets a cancel
const std::deque<Messaggio> &Messaggi();
void PulisciMessaggi();
// The name the last save dialog proposed.
QString UltimoNomeProposto();
// The folder the last folder chooser opened at.
QString UltimaCartellaIniziale();

} // namespace Dialoghi
