#pragma once

#include "ui/Pagina.h"

// The "Armonia" page.
class PaginaArmonia : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaArmonia(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet14"), QStringLiteral("Armonia"), parent)
    {
    }
};
