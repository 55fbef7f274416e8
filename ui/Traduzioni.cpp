#include "ui/Traduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CaricaTraduzioniItaliane(QCoreApplication &app)
{
    // "qtbase" holds the texts of the dialogs, message-box buttons and menus of the widgets.
    auto *traduttore = new QTranslator(&app);
    if (!traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    return QCoreApplication::installTranslator(traduttore);
}
