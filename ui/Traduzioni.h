#pragma once

class QCoreApplication;

// Loads the toolkit's own Italian catalogue (Debian's qt6-translations-l10n), so
// the standard dialogs, buttons and context menus speak Italian. False when the
// catalogue is not installed: the program then runs with the toolkit's English.
bool CaricaTraduzioniItaliane(QCoreApplication &app);
