#pragma once

#include "ui/Pagina.h"

// The "Metodi" page.
class PaginaMetodi : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaMetodi(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet12"), QStringLiteral("Metodi"), parent)
    {
    }
};
