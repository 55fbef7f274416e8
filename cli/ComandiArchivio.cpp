// Commands on the archive itself: info, estrazioni, importa-csv, esporta-csv.
#include "cli/Cli.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"
#include "archive/ArchivioCSV.h"
#include "archive/TabellaEstrazioni.h"
#include "export/GrigliaCSV.h"

#include <filesystem>
#include <ostream>

namespace sestina::cli {
namespace {

int Info(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({});
    int ultima = ctx.archivio.LeggiUltimaEstrazione();
    std::string out = "estrazioni;" + std::to_string(ultima + 1) + ";\r\n";
    if (ultima >= 0) {
        out += "prima;" + ctx.archivio.LeggiData(0).data().breve() + ";\r\n";
        out += "ultima;" + ctx.archivio.LeggiData(ultima).data().breve() + ";\r\n";
    } else {
        out += "prima;;\r\nultima;;\r\n";
    }
    ctx.out << out;
    return 0;
}

int Estrazioni(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"cursore"});
    int ultima = ctx.archivio.LeggiUltimaEstrazione();
    int cursore = ultima;
    if (auto v = args.valore("cursore"))
        cursore = RecordDaArgomento(ctx.archivio, *v);
    ctx.out << esporta::GrigliaCSV(archivio::MostraEstrazioni(ctx.archivio, ultima, cursore));
    return 0;
}

int ImportaCSV(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"sostituisci"});
    const std::string &file = args.posizionale(0, "il file CSV da importare");
    auto estrazioni = archivio::LeggiFileArchivioCSV(file);
    ControllaRiduzione(args, ctx.archivio, estrazioni.size());
    ctx.archivio.Sostituisci(estrazioni);
    return 0;
}

int EsportaCSV(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"sovrascrivi"});
    const std::string &file = args.posizionale(0, "il file CSV da scrivere");
    if (archivio::FileDelProgramma(ctx.dir, file))
        throw Errore("Impossibile esportare su \"" + file + "\": è un file dell'archivio o delle impostazioni", file);
    if (!args.flag("sovrascrivi") && std::filesystem::exists(file))
        throw Errore("Il file di esportazione \"" + file + "\" esiste già: per sovrascriverlo usare --sovrascrivi",
                     file);
    ScriviFileAtomico(file, archivio::ScriviArchivioCSV(ctx.archivio.LeggiTutte()));
    return 0;
}

const Registrazione r1({"info", "info", {}, Info});
const Registrazione r2({"estrazioni", "estrazioni [--cursore N|gg/mm/aaaa]", {"cursore"}, Estrazioni});
const Registrazione r3({"importa-csv", "importa-csv FILE [--sostituisci]", {}, ImportaCSV});
const Registrazione r4({"esporta-csv", "esporta-csv FILE [--sovrascrivi]", {}, EsportaCSV});

} // namespace
} // namespace sestina::cli
