#pragma once

#include "ui/Pagina.h"

// The "Cruci" page.
class PaginaCruci : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaCruci(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet13"), QStringLiteral("Cruci"), parent)
    {
    }
};
