#pragma once

#include "app/StatoCondiviso.h"
#include "export/ModuliReport.h"

#include <QImage>
#include <QString>

#include <functional>
#include <string>

class ExtStringGrid;
class QMenu;
class QToolButton;
class QWidget;

// The grid outputs of the result pages: JPEG of a grid or of the window and the
// one-grid and two-grid reports. Every function shows its own errors over
// `parent` and returns false when cancelled or failed.

// SalvaGrigliaJPEG: the grid as shown on screen, at quality 100.
void SalvaGrigliaJPEG(ExtStringGrid *griglia, const std::string &percorso);
// "Salva JPG" of a grid: the save dialog with the proposed name (empty: the
// dialog's last one), then the file. The chosen path in `scelto` when given.
bool SalvaGrigliaJPEGConDialogo(QWidget *parent, ExtStringGrid *griglia, const QString &nomeProposto,
                                QString *scelto = nullptr);
// FotoFinestra: the window that holds `w`, as shown.
QImage FotoFinestra(QWidget *w);
// "Salva JGP": the window at quality 90 under the name chosen in the dialog.
bool SalvaFotoFinestra(QWidget *parent, const QString &nomeProposto);

// The header of the forms from the user panel's fields (the saved "Utente.DAT"
// when the panel is not there) and the chosen logo.
sestina::esporta::IntestazioneReport IntestazioneCorrente(QWidget *w, const sestina::StatoCondiviso &stato);
// A grid widget's picture as shown on screen, with its size in pixels.
sestina::esporta::FiguraPixel FiguraDaWidget(QWidget *w);

// StampaGriglia / StampaDueGriglie: fill Tmyreport / Tmyreportorizzontale and open the preview.
bool StampaGriglia(QWidget *parent, const sestina::StatoCondiviso &stato, QWidget *griglia, const std::string &titolo,
                   const std::string &sottotitolo1, const std::string &sottotitolo2);
bool StampaDueGriglie(QWidget *parent, const sestina::StatoCondiviso &stato, QWidget *sinistra, QWidget *destra,
                      const std::string &titolo, const std::string &sottotitolo1, const std::string &sottotitolo2);

// "Stampa" of the prediction pages: the drop-down menu "&Report" / "&Tabulato"
// (its actions named `nomeReport` / `nomeTabulato`) on the button. With
// `pulsanteTabulato` the button itself prints the listing and its arrow opens the menu.
QMenu *MenuStampa(QToolButton *stampa, const QString &nomeReport, const QString &nomeTabulato,
                  const std::function<void()> &report, const std::function<void()> &tabulato, bool pulsanteTabulato);
// Opens the preview of a page's form (modal unless `modale` is false) and puts the
// program folder back as the current one.
bool StampaReport(QWidget *parent, const sestina::StatoCondiviso &stato,
                  const std::function<sestina::esporta::Report()> &modulo, bool modale = true);
