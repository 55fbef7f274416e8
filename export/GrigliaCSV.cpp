#include "export/GrigliaCSV.h"

#include "app/FileAtomico.h"
#include "app/Testo.h"

namespace sestina::esporta {

std::string GrigliaCSV(const Griglia &g)
{
    std::string out;
    for (int r = 0; r < g.righe(); ++r) {
        for (int c = 0; c < g.colonne(); ++c) {
            out += g.testo(r, c);
            out += ';';
        }
        out += "\r\n";
    }
    return DaUtf8ACp1252(out);
}

void SalvaCSV(const Griglia &g, const std::string &percorso) { ScriviFileAtomico(percorso, GrigliaCSV(g)); }

} // namespace sestina::esporta
