#include "app/RegistroViste.h"

namespace sestina {

void RegistroViste::AggiornaViste() const
{
    for (const auto &v : m_viste)
        if (v.reimpostaCursore)
            v.reimpostaCursore();
    for (const auto &v : m_viste)
        if (v.riempiDate)
            v.riempiDate();
    if (m_listaDate)
        m_listaDate();
    for (const auto &v : m_viste)
        if (v.selezionaPrimo)
            v.selezionaPrimo();
    for (const auto &v : m_viste)
        if (v.ridisegna)
            v.ridisegna();
}

} // namespace sestina
