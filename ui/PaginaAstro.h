#pragma once

#include "ui/Pagina.h"

// The "Astro" page.
class PaginaAstro : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaAstro(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet9"), QStringLiteral("Astro"), parent)
    {
    }
};
