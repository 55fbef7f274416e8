#pragma once

#include "ui/Pagina.h"

// The "Stampa" page.
class PaginaStampa : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaStampa(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet10"), QStringLiteral("Stampa"), parent)
    {
    }
};
