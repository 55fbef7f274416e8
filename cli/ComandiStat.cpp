// Statistics commands: stat (the tables of "&Stat") and calore ("&In Calore").
#include "cli/Cli.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "stats/Calore.h"
#include "stats/Statistiche.h"

#include <ostream>

namespace sestina::cli {
namespace {

using namespace statistiche;

int Stat(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"inizio", "fine", "ordine"});
    const std::string &nome = args.posizionale(0, "la tabella (per esempio \"Numeri\" o \"Ambi Gemelli\")");
    auto tabella = TabellaDaNome(nome);
    if (!tabella) {
        std::string elenco;
        for (int i = 0; i < NumeroListeVoci; ++i)
            elenco += std::string(i ? ", " : "") + "\"" + NomeTabella(static_cast<ListaVoci>(i)) + "\"";
        throw ErroreUso{"tabella sconosciuta \"" + nome + "\"; tabelle: " + elenco};
    }
    const auto [inizio, fine] = IntervalloDaArgomenti(args, ctx.archivio);
    const int ordine = OrdineDaArgomenti(args);
    const auto estrazioni = ctx.archivio.LeggiTutte();
    // A damaged date names its draw, not only the failed comparison.
    for (int r : {inizio, fine}) {
        const auto &d = estrazioni[static_cast<size_t>(r)].data;
        if (!d.data().valida())
            throw Errore(Formato("Date incompatibili: l'estrazione N. %d (record %d del file \"%s\") ha la data non "
                                 "valida %d/%d/%d",
                                 r + 1, r, ctx.archivio.percorsoDate().c_str(), d.giorno, d.mese, d.anno));
    }
    if (!DateCompatibili(estrazioni[static_cast<size_t>(inizio)].data, estrazioni[static_cast<size_t>(fine)].data) ||
        fine < inizio)
        throw Errore("Date incompatibili");
    ctx.out << esporta::GrigliaCSV(MostraStatistica(estrazioni, inizio, fine, *tabella, ordine));
    return 0;
}

int Calore(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"estrazione", "analizzare", "minimo", "ambi", "colonna"});
    const int ultima = ctx.archivio.LeggiUltimaEstrazione();
    if (ultima < 0)
        throw Errore("L'archivio non contiene estrazioni");
    ParametriCalore p;
    p.estrazione = ultima;
    if (auto v = args.valore("estrazione"))
        p.estrazione = RecordDaArgomento(ctx.archivio, *v);
    if (auto v = args.valore("analizzare")) {
        p.analizzare = InteroDaArgomento(*v, "estrazioni da analizzare");
        const int massimo = std::max(1, std::min(ultima, MassimoAnalizzare));
        if (p.analizzare < 1 || p.analizzare > massimo)
            throw ErroreUso{"le estrazioni da analizzare vanno da 1 a " + std::to_string(massimo)};
    } else {
        p.analizzare = ValoreAnalizzare("18", ultima);
    }
    if (auto v = args.valore("minimo")) {
        p.minimo = InteroDaArgomento(*v, "frequenza minima");
        if (p.minimo < 0 || p.minimo > MassimoFrequenzaMinima)
            throw ErroreUso{"la frequenza minima va da 0 a 100"};
    }
    if (auto v = args.valore("colonna")) {
        p.colonna = InteroDaArgomento(*v, "colonna");
        if (p.colonna < 0 || p.colonna > 4)
            throw ErroreUso{"la colonna va da 0 a 4"};
    }
    p.tipo = args.flag("ambi") ? TipoCalore::Ambi : TipoCalore::Estratti;
    ctx.out << esporta::GrigliaCSV(MostraCalore(ctx.archivio, ultima, p).tabella);
    return 0;
}

const Registrazione r1({"stat",
                        "stat TABELLA [--inizio N|gg/mm/aaaa] [--fine N|gg/mm/aaaa] [--ordine 0..3]",
                        {"inizio", "fine", "ordine"},
                        Stat});
const Registrazione r2({"calore",
                        "calore [--estrazione N|gg/mm/aaaa] [--analizzare N] [--minimo M] [--ambi] [--colonna 0..4]",
                        {"estrazione", "analizzare", "minimo", "colonna"},
                        Calore});

} // namespace
} // namespace sestina::cli
