// The consultation grid: consulta.
#include "cli/Cli.h"

#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "stats/Consultazione.h"

#include <ostream>

namespace sestina::cli {
namespace {

statistiche::InterruttoriClassi ClassiDaLista(const std::string &lista)
{
    statistiche::InterruttoriClassi attive{};
    size_t inizio = 0;
    while (inizio <= lista.size()) {
        size_t fine = lista.find(',', inizio);
        if (fine == std::string::npos)
            fine = lista.size();
        const std::string nome = Trim(lista.substr(inizio, fine - inizio));
        if (!nome.empty()) {
            auto k = statistiche::IndiceClasseConsulta(nome);
            if (!k) {
                std::string elenco;
                for (const auto &c : statistiche::ClassiConsulta())
                    elenco += (elenco.empty() ? "" : ", ") + c.nome;
                throw ErroreUso{"classe sconosciuta \"" + nome + "\"; le classi sono: " + elenco};
            }
            attive[static_cast<size_t>(*k)] = true;
        }
        inizio = fine + 1;
    }
    return attive;
}

// CSV carries no colour: the second block repeats the grid with each cell's background.
Griglia Sfondi(const Griglia &g)
{
    Griglia s = g;
    for (int r = 0; r < g.righe(); ++r)
        for (int c = 0; c < g.colonne(); ++c) {
            const Colore k = g.sfondoEffettivo(r, c);
            s.ImpostaTesto(r, c, std::to_string(k.r) + "," + std::to_string(k.g) + "," + std::to_string(k.b));
        }
    return s;
}

int Consulta(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"posizione", "classi"});
    const int ultima = ctx.archivio.LeggiUltimaEstrazione();
    int posizione = ultima;
    if (auto v = args.valore("posizione"))
        posizione = RecordDaArgomento(ctx.archivio, *v);
    statistiche::InterruttoriClassi attive{};
    if (auto v = args.valore("classi"))
        attive = ClassiDaLista(*v);
    const Griglia g = statistiche::DisegnaConsulta(ctx.archivio, ultima, posizione, attive);
    ctx.out << esporta::GrigliaCSV(g) << "\r\n" << esporta::GrigliaCSV(Sfondi(g));
    return 0;
}

const Registrazione r1({"consulta", "consulta [--posizione N|gg/mm/aaaa] [--classi Pari,Primi,Ambi Vertibili,...]",
                        {"posizione", "classi"}, Consulta});

} // namespace
} // namespace sestina::cli
