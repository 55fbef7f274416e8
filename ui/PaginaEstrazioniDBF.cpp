// "Esporta" and "Importa": the archive's exchange with a dBASE table.
#include "ui/PaginaEstrazioni.h"

#include "ui/Dialoghi.h"

void PaginaEstrazioni::EsportaDBF()
{
    Dialoghi::Avviso(this, QStringLiteral("Esportazione DBF non ancora disponibile"));
}

void PaginaEstrazioni::ImportaDBF()
{
    Dialoghi::Avviso(this, QStringLiteral("Importazione DBF non ancora disponibile"));
}
