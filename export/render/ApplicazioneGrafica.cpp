#include "export/render/ApplicazioneGrafica.h"

#include <QDir>
#include <QGuiApplication>

#include <clocale>

#include <sys/stat.h>
#include <unistd.h>

namespace sestina::resa {

namespace {
QGuiApplication *g_app = nullptr;
} // namespace

void ChiudiApplicazioneGrafica()
{
    delete g_app;
    g_app = nullptr;
}

void AssicuraApplicazioneGrafica()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // A private folder, so Qt does not warn on standard error about a missing one.
        const QByteArray d = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
        ::mkdir(d.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", d);
    }
    static int argc = 1;
    static char nome[] = "sestina-cli";
    static char *argv[] = {nome, nullptr};
    g_app = new QGuiApplication(argc, argv);
    // The program's own formatting expects the C conventions whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace sestina::resa
