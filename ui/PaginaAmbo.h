#pragma once

#include "ui/Pagina.h"

// The "Ambo" page.
class PaginaAmbo : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaAmbo(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet11"), QStringLiteral("Ambo"), parent)
    {
    }
};
