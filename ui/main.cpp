#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/SceltaCartella.h"
#include "ui/Dialoghi.h"
#include "ui/IconaProgramma.h"
#include "ui/Qt.h"
#include "ui/TForm1.h"
#include "ui/Traduzioni.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>

#include <clocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The program's own formatting never follows the machine's locale.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setApplicationName(Q(sestina::TitoloProdotto));
    // Standard dialogs in Italian; without the catalogue they stay in English.
    (void)CaricaTraduzioniItaliane(app);
    // Every window carries the program's icon; the desktop ties them to sestina.desktop.
    QApplication::setWindowIcon(IconaProgramma());
    QGuiApplication::setDesktopFileName(QStringLiteral("sestina"));

    QPixmap immagine(420, 160);
    immagine.fill(QColor(31, 78, 156));
    {
        QPainter p(&immagine);
        p.setPen(Qt::white);
        QFont f(QStringLiteral("DejaVu Sans"), 28, QFont::Bold);
        p.setFont(f);
        p.drawText(immagine.rect().adjusted(0, 0, 0, -40), Qt::AlignCenter, QStringLiteral("Sestina"));
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        p.drawText(immagine.rect().adjusted(0, 70, 0, 0), Qt::AlignCenter, QStringLiteral("SuperEnalotto"));
    }
    QSplashScreen splash(immagine);
    splash.show();
    app.processEvents();

    // Installed, the program folder is the user's data folder, seeded on first start.
    QString dir = QCoreApplication::applicationDirPath();
    try {
        dir = Q(sestina::ScegliDirectoryProgramma(S(dir)).dir);
    } catch (const sestina::Errore &e) {
        Dialoghi::Errore(nullptr, Q(e.what()));
    }
    TForm1 finestra(dir);
    finestra.show();
    splash.finish(&finestra);
    return app.exec();
}
