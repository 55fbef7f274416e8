#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

// "Guida In Linea": the user's guide inside the program, with its contents on
// the left, a search over every section and the text on the right.
class FinestraGuida : public QWidget {
    Q_OBJECT
public:
    // `cartella`: the folder of the guide, holding indice.html and the sections.
    explicit FinestraGuida(const QString &cartella, QWidget *parent = nullptr);

    // Shows a section file ("estrazioni.html", optionally with "#anchor").
    void MostraSezione(const QString &sezione);
    // Keeps in the contents only the sections holding every word of `testo`.
    void Cerca(const QString &testo);
    QString sezioneCorrente() const;
    int sezioniVisibili() const;

    // The section that describes a page of the main window or a window opened from
    // one (its objectName); the contents when it has none of its own.
    static QString SezionePerPagina(const QString &nomePagina);
    // The guide's folder: <program folder>/guida, else the installed one beside the executable.
    static QString Cartella(const QString &dirProgramma);
    // Opens (or brings to the front) the one help window of `finestra` at `sezione`.
    static FinestraGuida *Apri(QWidget *finestra, const QString &dirProgramma, const QString &sezione);
    // F1 of a window opened from a page: the guide at that window's part, found
    // by its objectName; nothing for a window without one.
    static void ScorciatoiaF1(QWidget *finestra);

private:
    struct Sezione {
        QString file;
        QString titolo;
        QString testo; // plain text, folded for the search
    };
    void Carica();

    QString m_cartella;
    QString m_sezioneCorrente;
    std::vector<Sezione> m_sezioni;
    QLineEdit *m_cerca;
    QListWidget *m_elenco;
    QLabel *m_risultati;
    QTextBrowser *m_testo;
};
