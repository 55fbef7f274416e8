#pragma once

#include "ui/Pagina.h"

// The "Stampa" page.
class PaginaStampaLotto : public PaginaSegnaposto {
    Q_OBJECT
public:
    explicit PaginaStampaLotto(sestina::StatoCondiviso &stato, QWidget *parent = nullptr)
        : PaginaSegnaposto(stato, QStringLiteral("TabStampaLotto"), QStringLiteral("Stampa"), parent)
    {
    }
};
