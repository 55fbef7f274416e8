// Systems: sistema (the "&Sistemi" page's "Elabora" and "Mostra colonne") and
// spoglio (the checking window).
#include "cli/Cli.h"
#include "cli/ComandiCondizioni.h"
#include "cli/ComandiGaranzia.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Impostazioni.h"
#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "slips/FileSchedine.h"
#include "systems/FileSistema.h"
#include "systems/FileSviluppo.h"
#include "systems/Spoglio.h"
#include "systems/Sviluppo.h"

#include <filesystem>
#include <ostream>

namespace sestina::cli {
namespace {

using namespace sistemi;

std::vector<int> NumeriDaLista(const std::string &lista)
{
    std::vector<int> numeri;
    std::size_t inizio = 0;
    while (inizio <= lista.size()) {
        std::size_t fine = lista.find(',', inizio);
        if (fine == std::string::npos)
            fine = lista.size();
        const std::string parte = Trim(lista.substr(inizio, fine - inizio));
        int n = 0;
        try {
            n = LeggiIntero(parte);
        } catch (const Errore &) {
            throw ErroreUso{"--numeri: \"" + parte +
                            "\" non è un numero (LISTA: numeri da 1 a 90 separati da virgole)"};
        }
        if (n < 1 || n > 90)
            throw ErroreUso{"--numeri: " + std::to_string(n) + " non è un numero da 1 a 90"};
        numeri.push_back(n);
        inizio = fine + 1;
    }
    return numeri;
}

int Intervallo(const Argomenti &args, const std::string &nome, int minimo, int massimo, int predefinito,
               const std::string &cosa)
{
    auto v = args.valore(nome);
    if (!v)
        return predefinito;
    const int x = InteroDaArgomento(*v, cosa);
    if (x < minimo || x > massimo)
        throw ErroreUso{"--" + nome + " va da " + std::to_string(minimo) + " a " + std::to_string(massimo)};
    return x;
}

void CancellaFileSeEsiste(const std::string &percorso)
{
    std::error_code ec;
    std::filesystem::remove(percorso, ec);
    if (ec)
        throw Errore::diFile("cancellare", percorso, ec.value());
}

int Sistema(const Argomenti &args, Contesto &ctx)
{
    std::vector<std::string> ammesse = {"numeri", "k", "riduzione", "carica", "salva", "ottimizza", "sforzo"};
    ammesse.insert(ammesse.end(), OpzioniCondizioni.begin(), OpzioniCondizioni.end());
    args.ControllaOpzioni(ammesse);
    std::vector<int> numeri;
    int k = 0, livello = 0;
    Condizioni condizioniDelFile;
    if (auto file = args.valore("carica")) {
        if (args.valore("numeri") || args.valore("k") || args.valore("riduzione"))
            throw ErroreUso{"--carica prende numeri, --k e --riduzione dal file sistema: non vanno indicati"};
        const FileSistema s = CaricaFileSistema(*file);
        numeri = s.Numeri();
        k = s.indiceNumeri + 3;
        livello = s.livelloRiduzione;
        // Conditions and bases travel beside the system file.
        if (EsisteFile(PercorsoCondizioni(*file)))
            condizioniDelFile = CaricaCondizioni(PercorsoCondizioni(*file));
    } else {
        auto lista = args.valore("numeri");
        if (!lista)
            throw ErroreUso{"manca --numeri LISTA (oppure --carica FILE.stm)"};
        if (!args.valore("k"))
            throw ErroreUso{"manca --k (da 3 a 6)"};
        numeri = NumeriDaLista(*lista);
        k = Intervallo(args, "k", 3, 6, 0, "numeri in combinazione");
        livello = Intervallo(args, "riduzione", 0, 3, 0, "riduzione");
    }
    const std::vector<int> inGioco = OrdineTabellone(numeri);
    // Every refusal comes before any file is written.
    std::optional<FileSistema> daSalvare;
    if (args.valore("salva"))
        daSalvare = SistemaDaNumeri(inGioco, k, livello);
    const Condizioni condizioni = CondizioniDaArgomenti(args, condizioniDelFile);
    const bool condizionato = condizioni.Filtrano() || !condizioni.basi.empty();
    // Bases shrink the integral count the limit applies to.
    if (auto rifiuto = condizionato ? ControllaSviluppoCondizionato(inGioco, k, condizioni)
                                    : ControllaSviluppo(static_cast<int>(inGioco.size()), k))
        throw Errore(*rifiuto);
    if (args.valore("sforzo") && !args.flag("ottimizza"))
        throw ErroreUso{"--sforzo va con --ottimizza"};
    if (condizionato && args.flag("ottimizza"))
        throw ErroreUso{"--ottimizza non va con condizioni o basi"};
    std::vector<Colonna> lista;
    if (condizionato) {
        const auto integrali = PreparaSviluppo(inGioco, k, condizioni).integrali;
        ctx.err << TestoConteggio(integrali, ContaColonneCondizionate(inGioco, k, condizioni)) << "\n";
        const EsitoSviluppo e = SviluppaSistemaCondizionato(inGioco, k, livello, condizioni, lista);
        ctx.err << TestoAvanzamento(e.elaborate, e.ridotte) << "\n";
    } else if (args.flag("ottimizza")) {
        lista = SistemaOttimizzato(args, inGioco, k, livello, ctx.err);
    } else {
        const EsitoSviluppo e = SviluppaSistema(TestoNumeriInGioco(inGioco), k, livello, lista);
        ctx.err << TestoAvanzamento(e.elaborate, e.ridotte) << "\n";
    }
    SalvaSviluppo(ctx.dir, lista);
    if (daSalvare) {
        const std::string stm = *args.valore("salva");
        SalvaFileSistema(stm, *daSalvare);
        // A stale ".cnd" beside the system would condition it at the next load.
        if (condizionato)
            SalvaCondizioni(PercorsoCondizioni(stm), condizioni);
        else
            CancellaFileSeEsiste(PercorsoCondizioni(stm));
    }
    ScriviCSVSviluppo(lista, ctx.out);
    return 0;
}

// "Costo Colonna Superenalotto": line 61 of "ImportiVincite.DAT" when the file exists.
Valuta CostoPredefinito(const std::string &dir)
{
    const std::string percorso = dir + FileImportiVincite;
    if (!EsisteFile(percorso))
        return 0;
    try {
        TExStringList l;
        l.LoadFromFile(percorso);
        return LeggiValuta(LeggiImportiVincite(l).costoColonna);
    } catch (const Errore &e) {
        throw Errore(std::string(FileImportiVincite) + ": costo della colonna non leggibile (" + e.what() +
                         "); indicalo con --costo",
                     percorso);
    }
}

int Spoglio(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"inizio", "limite", "quote", "costo", "file"});
    const int ultima = ctx.archivio.LeggiUltimaEstrazione();
    if (ultima < 0)
        throw Errore("L'archivio non contiene estrazioni");
    int inizio = ultima;
    if (auto v = args.valore("inizio"))
        inizio = RecordDaArgomento(ctx.archivio, *v);
    const int limite = Intervallo(args, "limite", 0, LimiteMassimoSpoglio, 0, "limite");
    const int quote = Intervallo(args, "quote", 1, 1000, 1, "quote");
    Valuta costo = 0;
    if (auto v = args.valore("costo")) {
        try {
            costo = LeggiValuta(*v);
        } catch (const Errore &) {
            throw ErroreUso{"--costo: \"" + *v + "\" non è un importo (per esempio 0,50)"};
        }
        if (costo < 0)
            throw ErroreUso{"--costo non può essere negativo"};
    } else {
        costo = CostoPredefinito(ctx.dir);
    }
    std::vector<Colonna> colonne;
    if (auto f = args.valore("file"))
        colonne = ColonneDaLista(schedine::CaricaSchedine(*f));
    else
        (void)CaricaSviluppo(ctx.dir, colonne);
    auto estrazioni = ctx.archivio.LeggiTutte();
    RisultatoSpoglio r = Spoglia(colonne, estrazioni, inizio, limite);
    const Griglia riepilogo = GrigliaRiepilogo(r);
    const Griglia dati = GrigliaDatiSistema(colonne, costo, quote);
    TabellaVincite tabella(std::move(colonne), std::move(estrazioni), std::move(r));
    tabella.ScriviCSV(ctx.out);
    ctx.out << "\r\n" << esporta::GrigliaCSV(riepilogo) << "\r\n" << esporta::GrigliaCSV(dati);
    return 0;
}

const Registrazione r1({"sistema",
                        "sistema (--numeri LISTA --k 3..6 [--riduzione 0..3] | --carica FILE.stm) [--salva FILE.stm] "
                        "[--ottimizza [--sforzo 1..1000]] [--basi LISTA] [--condizioni FILE.cnd] [--pari A-B] [--bassi A-B] "
                        "[--somma A-B] [--escursione A-B] [--decina-max N] [--cadenza-max N] [--figura-max N] "
                        "[--consecutivi-max N] [--gruppo \"LISTA:A-B\"]...",
                        {"numeri", "k", "riduzione", "carica", "salva", "sforzo", "basi", "condizioni", "pari",
                         "bassi", "somma", "escursione", "decina-max", "cadenza-max", "figura-max",
                         "consecutivi-max", "gruppo"},
                        Sistema});
const Registrazione r2({"spoglio",
                        "spoglio [--inizio N|gg/mm/aaaa] [--limite 0..10000] [--quote 1..1000] [--costo 0,50] "
                        "[--file FILE.sse|FILE.csv]",
                        {"inizio", "limite", "quote", "costo", "file"},
                        Spoglio});

} // namespace
} // namespace sestina::cli
