// Spy numbers and lunghette: spia, lunghette.
#include "cli/Cli.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "stats/NumeriSpia.h"

#include <algorithm>
#include <ostream>

namespace sestina::cli {
namespace {

using namespace statistiche;

const std::vector<std::string> OpzioniSelezione = {"numeri", "inizio", "fine", "colpi", "quando-esce", "ambi", "mesi"};

ParametriSpia Selezione(const Argomenti &args, Contesto &ctx, int ultima, bool dateObbligatorie)
{
    ParametriSpia p;
    if (auto v = args.valore("numeri"))
        p.numeri = ListaInteri(*v, 1, 90, "numeri spia");
    auto inizio = args.valore("inizio"), fine = args.valore("fine");
    if (dateObbligatorie && !inizio)
        throw ErroreUso{"manca --inizio (estrazione iniziale)"};
    if (dateObbligatorie && !fine)
        throw ErroreUso{"manca --fine (estrazione finale)"};
    // The window's defaults: the 314th draw and the last one.
    p.inizio = inizio ? RecordDaArgomento(ctx.archivio, *inizio) : std::min(313, std::max(ultima, 0));
    p.fine = fine ? RecordDaArgomento(ctx.archivio, *fine) : ultima;
    if (auto v = args.valore("colpi"))
        p.colpi = InteroDaArgomento(*v, "colpi");
    p.modo = args.flag("quando-esce") ? ModoSpia::QuandoEsce : ModoSpia::NumeriSpia;
    p.ambi = args.flag("ambi");
    if (auto v = args.valore("mesi")) {
        p.mesi.fill(false);
        for (int m : ListaInteri(*v, 1, 12, "mesi"))
            p.mesi[m - 1] = true;
    }
    return p;
}

// The two-line header of the totals would break the CSV line.
Griglia TotaliSuUnaRiga(Griglia g)
{
    for (int r = 0; r < g.righe(); ++r)
        for (int c = 0; c < g.colonne(); ++c)
            std::replace(g.cella(r, c).testo.begin(), g.cella(r, c).testo.end(), '\n', ' ');
    return g;
}

int Spia(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(OpzioniSelezione);
    auto archivio = LeggiArchivioSpia(ctx.archivio);
    ParametriSpia p = Selezione(args, ctx, static_cast<int>(archivio.size()) - 1, true);
    ProgressoNullo nullo;
    RisultatoSpia r = ElaboraSpia(archivio, p, nullo);
    ctx.out << esporta::GrigliaCSV(r.numeri) << "\r\n"
            << esporta::GrigliaCSV(r.ambi) << "\r\n"
            << esporta::GrigliaCSV(TotaliSuUnaRiga(r.totali)) << "\r\n";
    return 0;
}

int Lunghette(const Argomenti &args, Contesto &ctx)
{
    auto ammesse = OpzioniSelezione;
    ammesse.push_back("usa-spia");
    args.ControllaOpzioni(ammesse);
    int k = InteroDaArgomento(args.posizionale(0, "la lunghezza K (da 3 a 10)"), "K");
    if (k < 3 || k > 10)
        throw ErroreUso{"K deve essere da 3 (terzine) a 10 (decine)"};
    auto archivio = LeggiArchivioSpia(ctx.archivio);
    ParametriSpia p = Selezione(args, ctx, static_cast<int>(archivio.size()) - 1, false);
    if (std::none_of(p.mesi.begin(), p.mesi.end(), [](bool m) { return m; }))
        throw Errore("Nessun Mese Selezionato !");
    ProgressoNullo nullo;
    RisultatoSpia spia;
    const std::vector<bool> *filtro = nullptr;
    if (args.flag("usa-spia")) {
        spia = ElaboraSpia(archivio, p, nullo);
        filtro = &spia.analizzata;
    }
    auto stat = ElaboraStatistica(archivio, p.inizio, p.fine, p.mesi, filtro, nullo);
    ctx.out << esporta::GrigliaCSV(ElaboraLunghette(stat, k, nullo).griglia);
    return 0;
}

const Registrazione r1({"spia",
                        "spia --numeri LISTA --inizio A --fine B [--colpi N] [--quando-esce] [--ambi] [--mesi LISTA]",
                        {"numeri", "inizio", "fine", "colpi", "mesi"}, Spia});
const Registrazione r2({"lunghette",
                        "lunghette K [--numeri LISTA] [--inizio A] [--fine B] [--colpi N] [--quando-esce] [--ambi] "
                        "[--mesi LISTA] [--usa-spia]",
                        {"numeri", "inizio", "fine", "colpi", "mesi"}, Lunghette});

} // namespace
} // namespace sestina::cli
