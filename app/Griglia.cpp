#include "app/Griglia.h"

#include "app/Errore.h"

namespace sestina {

void Griglia::Dimensiona(int righe, int colonne)
{
    if (righe < 0 || colonne < 0)
        throw Errore("Dimensioni di griglia non valide");
    std::vector<Cella> nuove(static_cast<size_t>(righe) * static_cast<size_t>(colonne));
    for (int r = 0; r < std::min(righe, m_righe); ++r)
        for (int c = 0; c < std::min(colonne, m_colonne); ++c)
            nuove[static_cast<size_t>(r) * colonne + c] = std::move(m_celle[static_cast<size_t>(r) * m_colonne + c]);
    m_celle = std::move(nuove);
    m_larghezze.resize(static_cast<size_t>(colonne), -1);
    m_altezze.resize(static_cast<size_t>(righe), -1);
    m_righe = righe;
    m_colonne = colonne;
}

Cella &Griglia::cella(int riga, int colonna)
{
    if (riga < 0 || riga >= m_righe || colonna < 0 || colonna >= m_colonne)
        throw Errore("Grid index out of range");
    return m_celle[static_cast<size_t>(riga) * m_colonne + colonna];
}

const Cella &Griglia::cella(int riga, int colonna) const
{
    return const_cast<Griglia *>(this)->cella(riga, colonna);
}

void Griglia::PulisciRiga(int riga)
{
    for (int c = 0; c < m_colonne; ++c)
        cella(riga, c).testo.clear();
}

Colore Griglia::sfondoEffettivo(int riga, int colonna) const
{
    const Cella &c = cella(riga, colonna);
    if (c.sfondo)
        return *c.sfondo;
    return fissa(riga, colonna) ? colori::FondoFisso : colori::Bianco;
}

int Griglia::larghezza(int colonna) const
{
    int w = m_larghezze.at(static_cast<size_t>(colonna));
    return w < 0 ? larghezzaColonnaPredefinita : w;
}

void Griglia::ImpostaLarghezza(int colonna, int pixel) { m_larghezze.at(static_cast<size_t>(colonna)) = pixel; }

int Griglia::altezza(int riga) const
{
    int h = m_altezze.at(static_cast<size_t>(riga));
    return h < 0 ? altezzaRigaPredefinita : h;
}

void Griglia::ImpostaAltezza(int riga, int pixel) { m_altezze.at(static_cast<size_t>(riga)) = pixel; }

} // namespace sestina
