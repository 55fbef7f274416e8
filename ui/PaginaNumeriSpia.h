#pragma once

#include "ui/Pagina.h"

// The "Numeri Spia" page.
class PaginaNumeriSpia : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaNumeriSpia(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabNumSpia"), QStringLiteral("Numeri Spia"), parent)
    {
    }
};
