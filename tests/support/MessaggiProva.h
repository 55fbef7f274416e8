#pragma once

// For window tests only (it reads the ui's dialog recorder).

#include "ui/Dialoghi.h"

#include <QStringList>

#include <optional>

namespace sestina::prova {

// The texts of the messages shown since the last PulisciMessaggi, oldest first;
// with `tipo`, only those of that kind.
inline QStringList TestiMessaggi(std::optional<Dialoghi::Tipo> tipo = std::nullopt)
{
    QStringList testi;
    for (const auto &m : Dialoghi::Messaggi())
        if (!tipo || m.tipo == *tipo)
            testi << m.testo;
    return testi;
}

} // namespace sestina::prova
