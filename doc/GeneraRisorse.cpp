// Build-time tool: the icon's PNGs of the hicolor theme, and the screenshots of
// the guide, made by the program itself offscreen on the bundled archive.
#include "app/Edizione.h"
#include "ui/AggiornamentoArchivio.h"
#include "ui/Dialoghi.h"
#include "ui/FinestraGuida.h"
#include "ui/IconaProgramma.h"
#include "ui/PageControl.h"
#include "ui/PaginaEstrazioni.h"
#include "ui/PannelloUtente.h"
#include "ui/Qt.h"
#include "ui/TForm1.h"
#include "ui/TFormprivata.h"
#include "ui/TSpoglioSuperenaLotto.h"
#include "ui/TTaraturaSE.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdio>

namespace {

constexpr int LarghezzaGuida = 640;

bool Salva(QWidget *w, const QString &cartella, const QString &nome)
{
    QCoreApplication::processEvents();
    const QString file = cartella + QLatin1Char('/') + nome + QStringLiteral(".png");
    // Scaled here, smoothly, to the width the guide shows: the help window would scale it coarsely.
    QImage img = w->grab().toImage();
    if (img.width() > LarghezzaGuida)
        img = img.scaledToWidth(LarghezzaGuida, Qt::SmoothTransformation);
    if (!img.save(file)) {
        std::fprintf(stderr, "genera-risorse: impossibile scrivere %s\n", qPrintable(file));
        return false;
    }
    return true;
}

int Icone(const QString &cartella)
{
    for (int lato : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(cartella).arg(lato);
        QDir().mkpath(dir);
        if (!ImmagineIcona(lato).save(dir + QStringLiteral("/sestina.png")))
            return 1;
    }
    return 0;
}

int Schermate(const QString &programma, const QString &guida)
{
    const QString immagini = guida + QStringLiteral("/immagini");
    QDir().mkpath(immagini);
    // A copy of the bundled program folder: the screenshots never write into the build.
    QTemporaryDir tmp;
    for (const char *f : {"Superena.cxz", "ggmeanno1.cxz", "GiorniEstrazione1.DAT", "listaloghi.DAT",
                          "logo_sestina.png", "logo_ricevitoria.png", "ssuperenalotto.jpg"})
        QFile::copy(programma + QLatin1Char('/') + QLatin1String(f), tmp.filePath(QLatin1String(f)));
    Dialoghi::ModalitaTest(true);
    TForm1 finestra(tmp.path());
    finestra.show();
    (void)QTest::qWaitForWindowExposed(&finestra);
    bool ok = true;
    PageControl *pagine = finestra.pageControl();
    for (int i = 0; i < pagine->count(); ++i) {
        if (!pagine->paginaVisibile(i))
            continue;
        pagine->setCurrentIndex(i);
        QTest::qWait(50);
        ok = Salva(&finestra, immagini, pagine->pagina(i)->objectName()) && ok;
    }
    pagine->setCurrentIndex(0);
    if (auto *b = finestra.paginaEstrazioni()->findChild<QAbstractButton *>(QStringLiteral("spd_Utente"))) {
        b->click();
        ok = Salva(&finestra, immagini, QStringLiteral("Panel10")) && ok;
        finestra.paginaEstrazioni()->pannello()->hide();
    }
    // The windows opened from the pages: a small system of seven numbers checked over
    // the last 300 draws, the calibration with its default values, the publishing panel.
    {
        TSpoglioSuperenaLotto spoglio(finestra.stato(), &finestra);
        const std::string numeri = {5, 12, 23, 34, 45, 67, 81};
        std::vector<sestina::Colonna> colonne;
        for (size_t tolto = 0; tolto < numeri.size(); ++tolto) {
            std::string c = numeri;
            c.erase(tolto, 1);
            colonne.push_back(c);
        }
        spoglio.resize(1000, 700);
        spoglio.Imposta(colonne, std::max(0, finestra.stato().UltimaEstrazione - 300), 1);
        spoglio.show();
        spoglio.Spoglia();
        ok = Salva(&spoglio, immagini, QStringLiteral("SpoglioSuperenaLotto")) && ok;
    }
    {
        TTaraturaSE taratura(finestra.stato(), &finestra);
        taratura.show();
        ok = Salva(&taratura, immagini, QStringLiteral("TaraturaSE")) && ok;
    }
    {
        TFormprivata privata(finestra.stato(), &finestra);
        privata.show();
        ok = Salva(&privata, immagini, QStringLiteral("Formprivata")) && ok;
    }
    QInputDialog indirizzo(&finestra);
    indirizzo.setWindowTitle(QStringLiteral("Indirizzo di aggiornamento"));
    indirizzo.setLabelText(
        AggiornamentoArchivio::SpiegazioneIndirizzo().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    indirizzo.setTextValue(QStringLiteral("https://www.esempio.it/superenalotto.csv"));
    indirizzo.setOkButtonText(QStringLiteral("OK"));
    indirizzo.setCancelButtonText(QStringLiteral("Annulla"));
    indirizzo.show();
    ok = Salva(&indirizzo, immagini, QStringLiteral("IndirizzoAggiornamento")) && ok;
    indirizzo.hide();
    FinestraGuida g(guida);
    g.resize(900, 600);
    g.MostraSezione(QStringLiteral("indice.html"));
    g.show();
    ok = Salva(&g, immagini, QStringLiteral("FinestraGuida")) && ok;
    return ok ? 0 : 1;
}

// A section of the guide as the help window shows it, for whoever writes the guide.
int Sezione(const QString &guida, const QString &sezione, const QString &png)
{
    FinestraGuida g(guida);
    g.resize(1000, 1400);
    g.MostraSezione(sezione);
    g.show();
    QCoreApplication::processEvents();
    return g.grab().save(png) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QStringList a = app.arguments();
    if (a.size() == 3 && a[1] == QLatin1String("icone"))
        return Icone(a[2]);
    if (a.size() == 4 && a[1] == QLatin1String("schermate"))
        return Schermate(a[2], a[3]);
    if (a.size() == 5 && a[1] == QLatin1String("sezione"))
        return Sezione(a[2], a[3], a[4]);
    std::fprintf(stderr, "uso: genera-risorse icone CARTELLA | schermate CARTELLA_PROGRAMMA CARTELLA_GUIDA | "
                         "sezione CARTELLA_GUIDA FILE.html IMMAGINE.png\n");
    return 2;
}
