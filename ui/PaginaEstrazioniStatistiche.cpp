// The draw statistics under the draws table.
#include "ui/PaginaEstrazioni.h"

void PaginaEstrazioni::CreaStatisticheEstrazioni(QWidget *) {}

void PaginaEstrazioni::AggiornaStatisticheEstrazioni() {}
