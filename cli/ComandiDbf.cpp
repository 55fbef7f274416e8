// The archive's exchange with a dBASE table: esporta-dbf, importa-dbf.
#include "cli/Cli.h"

#include "archive/ScambioDBF.h"

#include <ostream>

namespace sestina::cli {
namespace {

int EsportaDbf(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"sovrascrivi"});
    const std::string &cartella = args.posizionale(0, "la cartella di esportazione");
    archivio::EsportaDBF(ctx.archivio, archivio::PercorsoEsportazione(cartella), args.flag("sovrascrivi"));
    return 0;
}

int ImportaDbf(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"sostituisci"});
    const std::string &file = args.posizionale(0, "il file DBF da importare");
    auto estrazioni = archivio::LeggiFileScambio(file);
    ControllaRiduzione(args, ctx.archivio, estrazioni.size());
    ctx.archivio.Sostituisci(estrazioni);
    ctx.out << "estrazioni;" << estrazioni.size() << ";\r\n";
    return 0;
}

const Registrazione r1({"esporta-dbf", "esporta-dbf CARTELLA [--sovrascrivi]", {}, EsportaDbf});
const Registrazione r2({"importa-dbf", "importa-dbf FILE [--sostituisci]", {}, ImportaDbf});

} // namespace
} // namespace sestina::cli
