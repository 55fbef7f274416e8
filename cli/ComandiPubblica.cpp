// pubblica: the HTML pages, the PDF files and the booklet with the folders and
// switches of "Datipvt.DAT", for a retailer's scheduled job.
#include "cli/Cli.h"

#include "app/Errore.h"
#include "app/Impostazioni.h"
#include "export/render/ApplicazioneGrafica.h"
#include "publish/Pubblicazione.h"
#include "publish/render/PubblicaPDF.h"

#include <ostream>
#include <sstream>

namespace sestina::cli {
namespace {

using namespace pubblica;

// "2024,2025" or "tutti".
void AnniDaArgomento(const std::string &testo, SceltaHTML &s)
{
    if (testo == "tutti" || testo == "Tutti") {
        s.tutti = true;
        return;
    }
    std::stringstream in(testo);
    std::string voce;
    while (std::getline(in, voce, ',')) {
        if (voce.empty())
            continue;
        const int anno = InteroDaArgomento(voce, "anno");
        if (anno < 1000 || anno > 9999)
            throw ErroreUso{"anno non valido \"" + voce + "\""};
        s.anni.push_back(anno);
    }
    if (s.anni.empty())
        throw ErroreUso{"--anni vuole un elenco di anni (2024,2025) o \"tutti\""};
}

int Pubblica(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"html", "pdf", "opuscolo", "anni", "testa-e-coda"});
    bool html = args.flag("html"), pdf = args.flag("pdf"), opuscolo = args.flag("opuscolo");
    if (!html && !pdf && !opuscolo)
        html = pdf = opuscolo = true;
    DatiPrivati d = CaricaDatiPrivati(ctx.dir);
    if (d.paginaHTML.empty())
        d.paginaHTML = std::string(NomeRuotaSE) + ".html";
    ProgressoNullo progresso;

    if (html) {
        SceltaHTML s;
        for (size_t i = 0; i < s.voci.size(); ++i)
            s.voci[i] = d.flagEsportazione[i];
        s.testaECoda = args.flag("testa-e-coda");
        if (auto v = args.valore("anni")) {
            AnniDaArgomento(*v, s);
            s.voci[HtmlAnni] = true;
        } else if (s.voci[HtmlAnni]) {
            // Unattended: the newest year, the one a new draw changes.
            const auto anni = AnniArchivio(ctx.dir);
            if (!anni.empty())
                s.anni.push_back(anni.front());
        }
        const auto scritti = EsportaHTML(ctx.dir, d.cartellaHTML, d.paginaHTML, s, AnnoCorrente(), progresso);
        if (scritti.empty())
            ctx.out << "HTML: Nessuna Selezione\n";
        else
            ctx.out << "HTML: " << scritti.size() << " pagine in " << d.cartellaHTML << "\n";
    }
    if (pdf || opuscolo)
        resa::AssicuraApplicazioneGrafica();
    if (pdf) {
        std::array<bool, 6> voci{};
        for (size_t i = 0; i < voci.size(); ++i)
            voci[i] = d.flagEsportazione[7 + i];
        const auto esito = EsportaPDF(PianoPDF(ctx.dir, voci), d.cartellaPDF, progresso);
        if (esito.scritti.empty())
            ctx.out << "PDF: nessun gruppo scelto\n";
        else
            ctx.out << "PDF: " << esito.scritti.size() << " file in " << d.cartellaPDF << "\n";
    }
    if (opuscolo) {
        const int pagine = CreaOpuscolo(d.cartellaPDF, progresso);
        ctx.out << "Opuscolo creato! (" << pagine << " pagine)\n";
    }
    return 0;
}

const Registrazione r1({"pubblica",
                        "pubblica [--html] [--pdf] [--opuscolo] [--anni LISTA|tutti] [--testa-e-coda]  (cartelle e "
                        "scelte di \"Datipvt.DAT\"; senza --html/--pdf/--opuscolo esegue tutto)",
                        {"anni"},
                        Pubblica});

} // namespace
} // namespace sestina::cli
