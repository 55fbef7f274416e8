// Prediction methods: astro, cruci, completamento, metodo, analisi-metodo, armonia, ciclo-armonia.
#include "cli/ComandiMetodi.h"

#include "app/Errore.h"
#include "app/TExStringList.h"
#include "app/Testo.h"
#include "export/GrigliaCSV.h"
#include "methods/AnalisiMetodo.h"
#include "methods/Armonia.h"
#include "methods/Astrolotto.h"
#include "methods/Completamento90.h"
#include "methods/Cruciverba.h"
#include "methods/Metodo.h"
#include "systems/FileSviluppo.h"
#include "systems/Sviluppo.h"

#include <filesystem>
#include <ostream>

namespace sestina::cli {

using namespace metodi;

int InteroIn(const Argomenti &args, const std::string &nome, int predefinito, int minimo, int massimo)
{
    auto v = args.valore(nome);
    if (!v)
        return predefinito;
    int n = InteroDaArgomento(*v, nome);
    if (n < minimo || n > massimo)
        throw ErroreUso{Formato("--%s deve essere da %d a %d", nome.c_str(), minimo, massimo)};
    return n;
}

int RecordRichiesto(const Argomenti &args, Contesto &ctx, const std::string &nome)
{
    auto v = args.valore(nome);
    if (!v)
        throw ErroreUso{"manca --" + nome};
    return RecordDaArgomento(ctx.archivio, *v);
}

const std::vector<std::string> OpzioniCruciverba = {"numeri", "righe", "colonne", "capo1", "capo2", "riduzione", "k"};

OpzioniCruci LeggiOpzioniCruci(const Argomenti &args)
{
    OpzioniCruci o;
    auto v = args.valore("numeri");
    if (!v)
        throw ErroreUso{"manca --numeri (elenco di numeri da 1 a 90)"};
    o.numeri = ListaInteri(*v, 1, 90, "numeri");
    o.righe = InteroIn(args, "righe", 5, MinimoLato, MassimoLato);
    o.colonne = InteroIn(args, "colonne", 5, MinimoLato, MassimoLato);
    o.capo1 = InteroIn(args, "capo1", 0, 0, 90);
    o.capo2 = InteroIn(args, "capo2", 0, 0, 90);
    o.livello = InteroIn(args, "riduzione", 0, 0, 3);
    o.k = InteroIn(args, "k", 0, 0, 6);
    if (o.k == 1 || o.k == 2)
        throw ErroreUso{"--k deve essere 0 (linee intere) oppure da 3 a 6"};
    return o;
}

Metodo MetodoDaFile(const std::string &percorso)
{
    TExStringList righe;
    righe.LoadFromFile(percorso);
    return LeggiMetodo(righe, std::filesystem::path(percorso).filename().string());
}

namespace {

std::vector<archivio::Estrazione> Tutte(Contesto &ctx)
{
    auto e = ctx.archivio.LeggiTutte();
    if (e.empty())
        throw Errore("L'archivio non contiene estrazioni");
    return e;
}

void Stampa(Contesto &ctx, std::initializer_list<const Griglia *> griglie)
{
    bool primo = true;
    for (const Griglia *g : griglie) {
        if (!primo)
            ctx.out << "\r\n";
        ctx.out << esporta::GrigliaCSV(*g);
        primo = false;
    }
}

int Astro(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"segno", "estrazione", "riga"});
    if (!args.valore("segno"))
        throw ErroreUso{"manca --segno (da 1 a 12)"};
    const int segno = InteroIn(args, "segno", 1, 1, 12);
    const int riga = InteroIn(args, "riga", 0, 0, 4);
    const int r = RecordRichiesto(args, ctx, "estrazione");
    auto e = Tutte(ctx);
    auto ris = CalcolaAstro(e, r, segno, riga);
    if (ris.ripiegato)
        ctx.err << MsgCalcoloImpossibile << "\n";
    Stampa(ctx, {&ris.previsioneGriglia, &ris.ritardo, &ris.esiti});
    return 0;
}

void StampaCruci(Contesto &ctx, const Cruciverba &c, const SviluppoCruci &s, bool sviluppato)
{
    if (s.messaggio)
        ctx.err << *s.messaggio << "\n";
    if (sviluppato)
        sistemi::SalvaSviluppo(ctx.dir, s.colonne);
    Griglia g = GrigliaCruciverba(c);
    Griglia sv = sistemi::GrigliaSviluppo(sviluppato ? s.colonne : std::vector<Colonna>{});
    Stampa(ctx, {&g, &sv});
}

int Cruci(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(OpzioniCruciverba);
    auto o = LeggiOpzioniCruci(args);
    auto r = CalcolaCruci(o.numeri, o.righe, o.colonne, o.capo1, o.capo2, o.livello, o.k);
    StampaCruci(ctx, r.cruciverba, r.sviluppo, r.sviluppato);
    return 0;
}

int Completamento(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(OpzioniCruciverba);
    auto o = LeggiOpzioniCruci(args);
    auto r = CalcolaCruci(o.numeri, o.righe, o.colonne, o.capo1, o.capo2, o.livello, o.k);
    auto c = Completamento90(o.numeri, r.cruciverba);
    if (c.messaggio) {
        ctx.err << *c.messaggio << "\n";
        return 0;
    }
    auto s = SviluppaCruciverba(c.griglia, o.livello > 0 ? o.k : 0, o.livello);
    StampaCruci(ctx, c.griglia, s, !s.messaggio);
    return 0;
}

int MetodoCmd(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"estrazione"});
    const Metodo m = MetodoDaFile(args.posizionale(0, "il file del metodo (.mts)"));
    const int d = RecordRichiesto(args, ctx, "estrazione");
    auto e = Tutte(ctx);
    auto r = CalcolaPaginaMetodo(e, d, m.parametri, m.nome);
    Stampa(ctx, {&r.previsioneGriglia, &r.rit, &r.es});
    return 0;
}

int AnalisiMetodoCmd(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"inizio", "previsioni", "passo", "limite", "html"});
    const Metodo m = MetodoDaFile(args.posizionale(0, "il file del metodo (.mts)"));
    ParametriAnalisi q;
    q.inizio = RecordRichiesto(args, ctx, "inizio");
    q.previsioni = InteroIn(args, "previsioni", m.parametri.nPrevisioni, 1, 100000);
    q.passo = InteroIn(args, "passo", m.parametri.passo, 1, static_cast<int>(VociPasso().size()));
    q.limite = InteroIn(args, "limite", m.parametri.limVerifica, 1, 1000);
    auto e = Tutte(ctx);
    auto r = AnalizzaMetodo(ctx.archivio, e, m.nome, m.parametri, q);
    if (r.messaggio)
        ctx.err << *r.messaggio << "\n";
    if (auto html = args.valore("html"); html && !r.spiegazione.empty()) {
        TExStringList testa, coda;
        testa.LoadFromFile(ctx.dir + "testahtml.slt");
        coda.LoadFromFile(ctx.dir + "codahtml.slt");
        PaginaAnalisiHTML(r, testa, coda).SaveToFile(*html);
    }
    if (!r.spiegazione.empty())
        Stampa(ctx, {&r.previsioni, &r.riepilogo});
    return 0;
}

ModoArmonia Modo(const Argomenti &args)
{
    return args.flag("distanza") ? ModoArmonia::Distanza : ModoArmonia::Somma;
}

int ArmoniaCmd(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"estrazione", "distanza", "riga"});
    const int r = RecordRichiesto(args, ctx, "estrazione");
    const int riga = InteroIn(args, "riga", 0, 0, 1000);
    auto e = Tutte(ctx);
    auto ris = CalcolaArmonia(e, r, Modo(args), riga);
    Stampa(ctx, {&ris.previsioni, &ris.ritardo, &ris.esiti});
    return 0;
}

int CicloArmoniaCmd(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"estrazione", "distanza", "riga", "selezione", "previsioni", "passo"});
    ParametriCiclo p;
    p.record = RecordRichiesto(args, ctx, "estrazione");
    p.modo = Modo(args);
    p.riga = InteroIn(args, "riga", 0, 0, 1000);
    p.selezione = static_cast<SelezioneArmonia>(InteroIn(args, "selezione", 0, 0, 2));
    p.previsioni = InteroIn(args, "previsioni", 10, 1, 100000);
    p.passo = InteroIn(args, "passo", 10, 1, 100);
    auto e = Tutte(ctx);
    auto r = CicloArmonia(e, p);
    if (r.messaggio)
        ctx.err << *r.messaggio << "\n";
    if (r.ciclo.righe() > 0)
        Stampa(ctx, {&r.ciclo, &r.riepilogo});
    return 0;
}

const Registrazione r1({"astro", "astro --segno S --estrazione E [--riga R]", {"segno", "estrazione", "riga"}, Astro});
const Registrazione
    r2({"cruci", "cruci --numeri LISTA [--righe R] [--colonne C] [--capo1 X] [--capo2 Y] [--riduzione L] [--k K]",
        OpzioniCruciverba, Cruci});
const Registrazione r3({"completamento",
                        "completamento --numeri LISTA [--righe R] [--colonne C] [--capo1 X] [--capo2 Y] "
                        "[--riduzione L] [--k K]",
                        OpzioniCruciverba, Completamento});
const Registrazione r4({"metodo", "metodo FILE.mts --estrazione E", {"estrazione"}, MetodoCmd});
const Registrazione r5({"analisi-metodo",
                        "analisi-metodo FILE.mts --inizio E [--previsioni N] [--passo P] [--limite L] [--html FILE]",
                        {"inizio", "previsioni", "passo", "limite", "html"},
                        AnalisiMetodoCmd});
const Registrazione
    r6({"armonia", "armonia --estrazione E [--distanza] [--riga R]", {"estrazione", "riga"}, ArmoniaCmd});
const Registrazione r7({"ciclo-armonia",
                        "ciclo-armonia --estrazione E [--distanza] [--riga R] [--selezione 0..2] [--previsioni N] "
                        "[--passo P]",
                        {"estrazione", "riga", "selezione", "previsioni", "passo"},
                        CicloArmoniaCmd});

} // namespace
} // namespace sestina::cli
