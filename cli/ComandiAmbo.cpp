// ambo: the group delays of the "Ambo" page.
#include "cli/Cli.h"

#include "app/Errore.h"
#include "export/GrigliaCSV.h"
#include "stats/RitardiGruppi.h"

#include <ostream>

namespace sestina::cli {
namespace {

using namespace statistiche;

int Ambo(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"inizio", "fine", "veloce", "colonna"});
    const int k = InteroDaArgomento(args.posizionale(0, "la lunghezza dei gruppi (da 2 a 14)"), "lunghezza");
    if (k < GruppoMinimo || k > GruppoMassimo)
        throw ErroreUso{"la lunghezza dei gruppi va da 2 (Ambi) a 14 (Quattordicine)"};
    const auto [inizio, fine] = IntervalloDaArgomenti(args, ctx.archivio);
    int colonna = 1;
    if (auto v = args.valore("colonna")) {
        colonna = InteroDaArgomento(*v, "colonna");
        if (colonna < 0 || colonna > 12)
            throw ErroreUso{"la colonna va da 0 (Lunghetta) a 12 (Rit Estratto)"};
    }
    if (fine < inizio)
        throw Errore("Date incompatibili");
    auto risultato = CercaRitardiGruppi(ctx.archivio.LeggiTutte(), k, inizio, fine, args.flag("veloce"));
    if (colonna == 3 && !OrdinabilePerData(risultato)) {
        ctx.err << "Impossibile Riordinare: un dato non è mai uscito; ordinato per Ritardo\n";
        colonna = 1;
    }
    ctx.out << esporta::GrigliaCSV(GrigliaRitPerAmbi(risultato, colonna));
    return 0;
}

const Registrazione r1({"ambo",
                        "ambo K [--inizio N|gg/mm/aaaa] [--fine N|gg/mm/aaaa] [--veloce] [--colonna C]",
                        {"inizio", "fine", "colonna"},
                        Ambo});

} // namespace
} // namespace sestina::cli
