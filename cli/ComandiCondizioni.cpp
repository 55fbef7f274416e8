// Conditioned systems: the condition options and `verifica-condizioni`.
#include "cli/ComandiCondizioni.h"

#include "cli/Cli.h"

#include "app/Errore.h"
#include "export/GrigliaCSV.h"

#include <ostream>

namespace sestina::cli {

using namespace sistemi;

bool CiSonoCondizioni(const Argomenti &args)
{
    for (const auto &o : OpzioniCondizioni)
        if (args.valore(o))
            return true;
    return false;
}

Condizioni CondizioniDaArgomenti(const Argomenti &args, Condizioni c)
{
    if (auto f = args.valore("condizioni"))
        c = CaricaCondizioni(*f);
    auto limiti = [&](const char *nome, std::optional<Limiti> &campo) {
        if (auto v = args.valore(nome)) {
            campo = LeggiLimiti(*v);
            if (!campo)
                throw ErroreUso{std::string("--") + nome + ": \"" + *v + "\" non è un intervallo (per esempio 2-4)"};
        }
    };
    auto massimo = [&](const char *nome, std::optional<int> &campo) {
        if (auto v = args.valore(nome))
            campo = InteroDaArgomento(*v, nome);
    };
    for (const auto &l : CondizioniLimiti)
        limiti(l.nome, c.*l.campo);
    for (const auto &m : CondizioniMassimi)
        massimo(m.nome, c.*m.campo);
    for (const auto &g : args.valori("gruppo")) {
        auto gruppo = LeggiGruppo(g);
        if (!gruppo)
            throw ErroreUso{"--gruppo: \"" + g + "\" non è LISTA:A-B (per esempio \"5,17,23,42:1-2\")"};
        c.gruppi.push_back(*gruppo);
    }
    if (auto b = args.valore("basi")) {
        auto basi = LeggiListaNumeri(*b);
        if (!basi || basi->empty())
            throw ErroreUso{"--basi: \"" + *b + "\" non è una lista di numeri"};
        c.basi = *basi;
    }
    try {
        ControllaCondizioni(c);
    } catch (const Errore &e) {
        throw ErroreUso{e.what()};
    }
    return c;
}

namespace {

int VerificaCondizioni(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(OpzioniCondizioni);
    const Condizioni c = CondizioniDaArgomenti(args);
    if (!c.Filtrano())
        throw ErroreUso{"nessuna condizione da verificare (per esempio --pari 2-4)"};
    if (ctx.archivio.LeggiUltimaEstrazione() < 0)
        throw Errore("L'archivio non contiene estrazioni");
    ctx.out << esporta::GrigliaCSV(GrigliaVerificaStorica(VerificaStorica(c, ctx.archivio.LeggiTutte())));
    return 0;
}

const Registrazione r({"verifica-condizioni",
                       "verifica-condizioni [--condizioni FILE.cnd] [--pari A-B] [--bassi A-B] [--somma A-B] "
                       "[--escursione A-B] [--decina-max N] [--cadenza-max N] [--figura-max N] "
                       "[--consecutivi-max N] [--gruppo \"LISTA:A-B\"]...",
                       OpzioniCondizioni, VerificaCondizioni});

} // namespace
} // namespace sestina::cli
