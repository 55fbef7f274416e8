// aggiorna FILE|URL: the archive update for a scheduled job.
#include "cli/Cli.h"

#include "app/FileAtomico.h"
#include "archive/Aggiornamento.h"
#include "archive/rete/Scaricamento.h"

#include <ostream>

namespace sestina::cli {
namespace {

int Aggiorna(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"attesa"});
    const std::string &sorgente = args.posizionale(0, "il file o l'indirizzo delle estrazioni");
    rete::OpzioniScaricamento opzioni;
    if (auto v = args.valore("attesa")) {
        int secondi = InteroDaArgomento(*v, "--attesa");
        if (secondi < 1)
            throw ErroreUso{"--attesa: almeno 1 secondo"};
        opzioni.silenzioMassimoMs = secondi * 1000;
    }
    std::string byte;
    if (archivio::IndirizzoInternet(sorgente)) {
        ProgressoNullo nessuno;
        byte = rete::Scarica(sorgente, nessuno, opzioni);
    } else {
        byte = LeggiFile(sorgente);
    }
    auto esito = archivio::AggiornaArchivioDaCSV(ctx.archivio, byte);
    ctx.out << archivio::MessaggioEsito(esito) << "\n";
    return 0;
}

const Registrazione r({"aggiorna", "aggiorna FILE|URL [--attesa SECONDI]", {"attesa"}, Aggiorna});

} // namespace
} // namespace sestina::cli
