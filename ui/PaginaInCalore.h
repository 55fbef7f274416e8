#pragma once

#include "ui/Pagina.h"

// The "In Calore" page.
class PaginaInCalore : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaInCalore(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet4"), QStringLiteral("In Calore"), parent)
    {
    }
};
