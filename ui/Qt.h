#pragma once

#include "app/Griglia.h"

#include <QColor>
#include <QString>

#include <string>

// Conversions between the libraries' UTF-8 strings and colours and Qt's.
inline QString Q(const std::string &s) { return QString::fromStdString(s); }
inline std::string S(const QString &s) { return s.toStdString(); }
inline QColor QC(const sestina::Colore &c) { return QColor(c.r, c.g, c.b); }
inline sestina::Colore SC(const QColor &c)
{
    return sestina::Colore{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                           static_cast<std::uint8_t>(c.blue())};
}
