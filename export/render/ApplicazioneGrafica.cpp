#include "export/render/ApplicazioneGrafica.h"

#include <QGuiApplication>

#include <clocale>
#include <memory>

namespace sestina::resa {

void AssicuraApplicazioneGrafica()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nome[] = "sestina-cli";
    static char *argv[] = {nome, nullptr};
    static std::unique_ptr<QGuiApplication> app;
    app = std::make_unique<QGuiApplication>(argc, argv);
    // The program's own formatting expects the C conventions whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace sestina::resa
