// stampa-schedine: the slips on the official form, as a PDF with the saved calibration.
#include "cli/Cli.h"

#include "app/Errore.h"
#include "export/render/ApplicazioneGrafica.h"
#include "slips/FileSchedine.h"
#include "slips/StampaSchedine.h"
#include "slips/print/PittoreSchedine.h"
#include "systems/FileSviluppo.h"

#include <ostream>

namespace sestina::cli {
namespace {

using namespace schedine;

// The window's pixels per inch the calibration values are given in.
constexpr int DpiFinestra = 96;

int StampaSchedine(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"pdf", "tutte", "attiva", "da", "a", "file"});
    const auto pdf = args.valore("pdf");
    if (!pdf)
        throw ErroreUso{"manca --pdf FILE"};
    const bool intervallo = args.valore("da") || args.valore("a");
    if (static_cast<int>(args.flag("tutte")) + static_cast<int>(args.flag("attiva")) + static_cast<int>(intervallo) > 1)
        throw ErroreUso{"scegli una sola fra --tutte, --attiva e --da N --a M"};

    TExStringList lista;
    if (auto f = args.valore("file"))
        lista = CaricaSchedine(*f);
    else
        (void)sistemi::CaricaSviluppo(ctx.dir, lista);
    if (lista.empty())
        throw Errore(MsgNessunaColonna);
    const auto taratura = CaricaTaratura(ctx.dir);
    if (!taratura)
        throw Errore(MsgTaratura);

    const tdatischedinaSE segni; // the page-wide marks are not stored with the slips
    std::vector<SchedinaDaStampare> schedine;
    if (intervallo) {
        const int n = NumeroSchedine(lista);
        const int da = InteroDaArgomento(args.valore("da").value_or("1"), "da");
        const int a = InteroDaArgomento(args.valore("a").value_or(std::to_string(n)), "a");
        if (da < 1 || a < da || a > n)
            throw ErroreUso{"le schedine vanno da 1 a " + std::to_string(n) + ", con --da non oltre --a"};
        schedine = SchedineDaStampare(lista, da, a, segni);
    } else if (args.flag("attiva")) {
        schedine = SchedineDaStampare(lista, 1, 1, segni); // the page shows slip 1 after a load
    } else {
        schedine = TutteLeSchedine(lista, segni);
    }
    resa::AssicuraApplicazioneGrafica();
    stampaschedine::EsportaSchedinePDF(*pdf, schedine, *taratura, DpiFinestra);
    ctx.out << schedine.size() << (schedine.size() == 1 ? " schedina stampata\n" : " schedine stampate\n");
    return 0;
}

const Registrazione r1({"stampa-schedine",
                        "stampa-schedine --pdf FILE [--tutte | --attiva | --da N --a M] [--file F.sse|F.csv]",
                        {"pdf", "da", "a", "file"},
                        StampaSchedine});

} // namespace
} // namespace sestina::cli
