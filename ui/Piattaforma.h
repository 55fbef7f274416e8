#pragma once

#include <QString>

#include <functional>

// The few desktop services the program asks for: opening a document with the
// desktop's default viewer and starting an outside program. Tests replace them.
namespace Piattaforma {

// True when a viewer was started.
bool ApriDocumento(const QString &percorso);
// Starts a program detached, no parameters; true when it started.
bool AvviaProgramma(const QString &percorso);

void SostituisciApriDocumento(std::function<bool(const QString &)> f);
void SostituisciAvviaProgramma(std::function<bool(const QString &)> f);

} // namespace Piattaforma
