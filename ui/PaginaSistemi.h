#pragma once

#include "ui/Pagina.h"

// The "Sistemi" page.
class PaginaSistemi : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaSistemi(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabSheet5"), QStringLiteral("Sistemi"), parent)
    {
    }
};
