#pragma once

#include "app/StatoCondiviso.h"

#include <QString>

class QWidget;

// "AGGIORNA TRAMITE INTERNET": brings the newer draws into the archive from the
// saved address (or file), asking for it the first time, then resets the views.
namespace AggiornamentoArchivio {

// Errors are thrown as Errore, for the page's action handler to show.
void Aggiorna(QWidget *parent, sestina::StatoCondiviso &stato);
// Asks for the address (showing the saved one) and saves it; false when cancelled.
bool CambiaIndirizzo(QWidget *parent, sestina::StatoCondiviso &stato);

// The explanation shown with the address box.
QString SpiegazioneIndirizzo();

} // namespace AggiornamentoArchivio
