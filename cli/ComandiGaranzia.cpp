// "Verifica garanzia" (garanzia) and the optimised reductions of `sistema`.
#include "cli/ComandiGaranzia.h"

#include "cli/Cli.h"

#include "app/Errore.h"
#include "export/GrigliaCSV.h"
#include "slips/FileSchedine.h"
#include "systems/FileSviluppo.h"
#include "systems/Garanzia.h"
#include "systems/Ottimizzatore.h"

#include <ostream>

namespace sestina::cli {

std::vector<Colonna> SistemaOttimizzato(const Argomenti &args, const std::vector<int> &inGioco, int k, int livello,
                                        std::ostream &err)
{
    if (livello < 1 || livello > 3)
        throw ErroreUso{"--ottimizza vale per le riduzioni 1, 2 e 3 (n-1, n-2, n-3)"};
    int sforzo = sistemi::SforzoPredefinito;
    if (auto v = args.valore("sforzo")) {
        sforzo = InteroDaArgomento(*v, "sforzo");
        if (sforzo < 1 || sforzo > sistemi::SforzoMassimo)
            throw ErroreUso{"--sforzo va da 1 a " + std::to_string(sistemi::SforzoMassimo)};
    }
    ProgressoNullo nessuno;
    const auto ris = sistemi::OttimizzaSistema(inGioco, k, livello, sforzo, nessuno);
    err << "Greedy " << ris.colonneGreedy << " Ottimizzate " << ris.colonne.size() << "\n";
    return ris.colonne;
}

namespace {

int Garanzia(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"file", "k"});
    int k = 6;
    if (auto v = args.valore("k")) {
        k = InteroDaArgomento(*v, "k");
        if (k < 1 || k > sistemi::EstrattiMassimi)
            throw ErroreUso{"--k va da 1 a " + std::to_string(sistemi::EstrattiMassimi)};
    }
    std::vector<Colonna> colonne;
    if (auto f = args.valore("file")) {
        colonne = sistemi::ColonneDaLista(schedine::CaricaSchedine(*f));
    } else if (!sistemi::CaricaSviluppo(ctx.dir, colonne)) {
        throw Errore("Non hai sviluppato alcun sistema");
    }
    const auto r = sistemi::VerificaGaranzia(colonne, k);
    ctx.err << "Garanzia " << sistemi::EsitoGaranzia(r) << "\n";
    ctx.out << esporta::GrigliaCSV(sistemi::GrigliaGaranzia(r));
    return 0;
}

const Registrazione r({"garanzia", "garanzia [--file FILE.sse|FILE.csv] [--k 1..10]", {"file", "k"}, Garanzia});

} // namespace
} // namespace sestina::cli
