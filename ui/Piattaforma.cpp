#include "ui/Piattaforma.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace Piattaforma {

namespace {
std::function<bool(const QString &)> g_apri;
std::function<bool(const QString &)> g_avvia;
} // namespace

bool ApriDocumento(const QString &percorso)
{
    if (g_apri)
        return g_apri(percorso);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
}

bool AvviaProgramma(const QString &percorso)
{
    if (g_avvia)
        return g_avvia(percorso);
    return QProcess::startDetached(percorso, {});
}

void SostituisciApriDocumento(std::function<bool(const QString &)> f) { g_apri = std::move(f); }
void SostituisciAvviaProgramma(std::function<bool(const QString &)> f) { g_avvia = std::move(f); }

} // namespace Piattaforma
