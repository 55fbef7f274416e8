#pragma once

#include "ui/Pagina.h"

// The "Stat" page.
class PaginaStat : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaStat(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet3"), QStringLiteral("Stat"), parent)
    {
    }
};
