#include "ui/GrigliaNumeri.h"

#include "ui/ExtStringGrid.h"

#include <QHeaderView>

using namespace sestina;

namespace grigliaNumeri {

Griglia Crea(int righe, int colonne, int w, int h, const std::vector<std::string> &testi, Colore inchiostro,
             int fontPixel)
{
    Griglia g(righe, colonne);
    g.righeFisse = 0;
    g.colonneFisse = 0;
    g.fontPixel = fontPixel;
    g.fontGrassetto = true;
    g.larghezzaColonnaPredefinita = w;
    g.altezzaRigaPredefinita = h;
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c) {
            Cella &cella = g.cella(r, c);
            const size_t i = static_cast<size_t>(r * colonne + c);
            cella.testo = i < testi.size() ? testi[i] : std::string();
            cella.sfondo = colori::Bianco;
            cella.colore = inchiostro;
            cella.allineamento = Allineamento::Centro;
        }
    return g;
}

void Fissa(ExtStringGrid *vista, Griglia g)
{
    int w = 0, h = 0;
    for (int c = 0; c < g.colonne(); ++c)
        w += g.larghezza(c);
    for (int r = 0; r < g.righe(); ++r)
        h += g.altezza(r);
    vista->ImpostaGriglia(std::move(g));
    vista->horizontalHeader()->hide();
    vista->verticalHeader()->hide();
    vista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista->setSelectionMode(QAbstractItemView::NoSelection);
    vista->setFocusPolicy(Qt::NoFocus);
    vista->setFixedSize(w + 2 * vista->frameWidth(), h + 2 * vista->frameWidth());
}

bool Marcata(const ExtStringGrid *vista, int riga, int colonna)
{
    return vista->griglia().sfondoEffettivo(riga, colonna) == colori::Marcatura;
}

void Marca(ExtStringGrid *vista, int riga, int colonna, bool si)
{
    Cella &c = vista->modifica().cella(riga, colonna);
    if (c.bloccata)
        return;
    c.sfondo = si ? colori::Marcatura : colori::Bianco;
    vista->Aggiorna();
}

void Pulisci(ExtStringGrid *vista)
{
    Griglia &g = vista->modifica();
    for (int r = 0; r < g.righe(); ++r)
        for (int c = 0; c < g.colonne(); ++c)
            if (!g.cella(r, c).bloccata)
                g.cella(r, c).sfondo = colori::Bianco;
    vista->Aggiorna();
}

std::vector<std::pair<int, int>> Marcate(const ExtStringGrid *vista)
{
    std::vector<std::pair<int, int>> v;
    const Griglia &g = vista->griglia();
    for (int r = 0; r < g.righe(); ++r)
        for (int c = 0; c < g.colonne(); ++c)
            if (g.sfondoEffettivo(r, c) == colori::Marcatura)
                v.emplace_back(r, c);
    return v;
}

} // namespace grigliaNumeri
