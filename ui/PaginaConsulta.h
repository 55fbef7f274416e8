#pragma once

#include "ui/Pagina.h"

// The "Consulta" page.
class PaginaConsulta : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaConsulta(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet2"), QStringLiteral("Consulta"), parent)
    {
    }
};
