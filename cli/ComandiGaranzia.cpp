// "Verifica garanzia" (garanzia) and the optimised reductions of `sistema`.
#include "cli/ComandiGaranzia.h"

#include "cli/Cli.h"
#include "cli/ComandiCondizioni.h"

#include "app/Errore.h"
#include "export/GrigliaCSV.h"
#include "slips/FileSchedine.h"
#include "systems/FileSviluppo.h"
#include "systems/Garanzia.h"
#include "systems/Ottimizzatore.h"

#include <algorithm>
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

sistemi::RisultatoGaranzia GaranziaCondizionata(const std::vector<Colonna> &colonne, int k,
                                                const sistemi::Condizioni &c)
{
    std::vector<int> numeri;
    for (const auto &col : colonne)
        for (unsigned char b : col)
            if (std::find(numeri.begin(), numeri.end(), b) == numeri.end())
                numeri.push_back(b);
    std::sort(numeri.begin(), numeri.end());
    return sistemi::VerificaGaranziaCondizionata(colonne, numeri, k, c);
}

int Garanzia(const Argomenti &args, Contesto &ctx)
{
    std::vector<std::string> ammesse = {"file", "k"};
    ammesse.insert(ammesse.end(), OpzioniCondizioni.begin(), OpzioniCondizioni.end());
    args.ControllaOpzioni(ammesse);
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
    // With conditions or bases: the guarantee for the draws that meet them.
    const auto r = CiSonoCondizioni(args) ? GaranziaCondizionata(colonne, k, CondizioniDaArgomenti(args))
                                          : sistemi::VerificaGaranzia(colonne, k);
    ctx.err << "Garanzia " << sistemi::EsitoGaranzia(r) << "\n";
    ctx.out << esporta::GrigliaCSV(sistemi::GrigliaGaranzia(r));
    return 0;
}

const Registrazione r({"garanzia",
                       "garanzia [--file FILE.sse|FILE.csv] [--k 1..10] [--basi LISTA] [--condizioni FILE.cnd] "
                       "[--pari A-B] ... (le condizioni di sistema)",
                       {"file", "k", "basi", "condizioni", "pari", "bassi", "somma", "escursione", "decina-max",
                        "cadenza-max", "figura-max", "consecutivi-max", "gruppo"},
                       Garanzia});

} // namespace
} // namespace sestina::cli
