// report: the "Stampa" form of a page, exported to PDF by the same painter as the preview.
#include "cli/ComandiMetodi.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "archive/TabellaEstrazioni.h"
#include "export/ModuliReport.h"
#include "export/ReportPagine.h"
#include "export/render/ApplicazioneGrafica.h"
#include "export/render/PittoreReport.h"
#include "methods/Astrolotto.h"
#include "methods/Completamento90.h"
#include "methods/Cruciverba.h"
#include "methods/DatiReport.h"
#include "stats/Calore.h"
#include "stats/Consultazione.h"
#include "stats/RitardiGruppi.h"
#include "stats/Statistiche.h"
#include "systems/FileSviluppo.h"
#include "systems/Sviluppo.h"

#include <QDate>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <utility>

namespace sestina::cli {
namespace {

using namespace statistiche;

int UltimaOErrore(const archivio::Archivio &a)
{
    const int u = a.LeggiUltimaEstrazione();
    if (u < 0)
        throw Errore("L'archivio non contiene estrazioni");
    return u;
}

std::string DataDi(const archivio::Archivio &a, int record)
{
    return archivio::DateCrescenti(a)[static_cast<size_t>(record)];
}

// The grid as the painter draws it, every text whole.
esporta::FiguraPixel Figura(Griglia g)
{
    resa::AllargaColonne(g);
    return esporta::FiguraDaGriglia(g);
}

esporta::Report UnaGriglia(const std::string &dir, const Griglia &g, const esporta::TitoliReport &t)
{
    return esporta::Tmyreport(esporta::IntestazioneDaCartella(dir), Figura(g), t.titolo, t.sottotitolo1,
                              t.sottotitolo2);
}

esporta::Report ReportEstrazioni(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"estrazione", "pdf"});
    const int ultima = UltimaOErrore(ctx.archivio);
    int cursore = ultima;
    if (auto v = args.valore("estrazione"))
        cursore = RecordDaArgomento(ctx.archivio, *v);
    return UnaGriglia(ctx.dir, archivio::MostraEstrazioni(ctx.archivio, ultima, cursore), esporta::TitoliEstrazioni());
}

esporta::Report ReportConsulta(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"posizione", "pdf"});
    const int ultima = UltimaOErrore(ctx.archivio);
    int posizione = ultima;
    if (auto v = args.valore("posizione"))
        posizione = RecordDaArgomento(ctx.archivio, *v);
    return UnaGriglia(ctx.dir, DisegnaConsulta(ctx.archivio, ultima, posizione, {}),
                      esporta::TitoliConsulta(DataDi(ctx.archivio, posizione)));
}

esporta::Report ReportStat(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"tabella", "inizio", "fine", "ordine", "pdf"});
    const std::string nome = args.valore("tabella").value_or("Numeri");
    auto tabella = TabellaDaNome(nome);
    if (!tabella)
        throw ErroreUso{"tabella sconosciuta \"" + nome + "\""};
    const auto [inizio, fine] = IntervalloDaArgomenti(args, ctx.archivio);
    const int ordine = OrdineDaArgomenti(args);
    const auto estrazioni = ctx.archivio.LeggiTutte();
    if (fine < inizio ||
        !DateCompatibili(estrazioni[static_cast<size_t>(inizio)].data, estrazioni[static_cast<size_t>(fine)].data))
        throw Errore("Date incompatibili");
    return UnaGriglia(
        ctx.dir, MostraStatistica(estrazioni, inizio, fine, *tabella, ordine),
        esporta::TitoliStat(NomeTabella(*tabella), DataDi(ctx.archivio, inizio), DataDi(ctx.archivio, fine)));
}

esporta::Report ReportCalore(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"estrazione", "analizzare", "minimo", "ambi", "pdf"});
    const int ultima = UltimaOErrore(ctx.archivio);
    ParametriCalore p;
    p.estrazione = ultima;
    if (auto v = args.valore("estrazione"))
        p.estrazione = RecordDaArgomento(ctx.archivio, *v);
    p.analizzare = ValoreAnalizzare("18", ultima);
    if (auto v = args.valore("analizzare")) {
        p.analizzare = InteroDaArgomento(*v, "estrazioni da analizzare");
        const int massimo = std::max(1, std::min(ultima, MassimoAnalizzare));
        if (p.analizzare < 1 || p.analizzare > massimo)
            throw ErroreUso{"le estrazioni da analizzare vanno da 1 a " + std::to_string(massimo)};
    }
    if (auto v = args.valore("minimo")) {
        p.minimo = InteroDaArgomento(*v, "frequenza minima");
        if (p.minimo < 0 || p.minimo > MassimoFrequenzaMinima)
            throw ErroreUso{"la frequenza minima va da 0 a 100"};
    }
    p.tipo = args.flag("ambi") ? TipoCalore::Ambi : TipoCalore::Estratti;
    const auto r = MostraCalore(ctx.archivio, ultima, p);
    const auto t = esporta::TitoliCalore(p.tipo == TipoCalore::Ambi, DataDi(ctx.archivio, p.estrazione), p.analizzare);
    return esporta::Tmyreportorizzontale(esporta::IntestazioneDaCartella(ctx.dir), Figura(r.tabella), Figura(r.elenco),
                                         t.titolo, t.sottotitolo1, t.sottotitolo2);
}

esporta::Report ReportAmbo(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"k", "inizio", "fine", "pdf"});
    int k = 2;
    if (auto v = args.valore("k"))
        k = InteroDaArgomento(*v, "lunghezza");
    if (k < GruppoMinimo || k > GruppoMassimo)
        throw ErroreUso{"la lunghezza dei gruppi va da 2 (Ambi) a 14 (Quattordicine)"};
    const auto [inizio, fine] = IntervalloDaArgomenti(args, ctx.archivio);
    if (fine < inizio)
        throw Errore("Date incompatibili");
    const auto r = CercaRitardiGruppi(ctx.archivio.LeggiTutte(), k, inizio, fine, false);
    return UnaGriglia(
        ctx.dir, GrigliaRitPerAmbi(r, 1),
        esporta::TitoliAmbo(TitoloRitardiGruppi(k), DataDi(ctx.archivio, inizio), DataDi(ctx.archivio, fine)));
}

// The board of "&Sistemi": 1..90 in ten columns, the numbers in play marked.
Griglia Tabellone(const Colonna &numeri)
{
    Griglia g(9, 10);
    g.righeFisse = 0;
    for (int n = 1; n <= 90; ++n) {
        Cella &c = g.cella((n - 1) / 10, (n - 1) % 10);
        c.testo = std::to_string(n);
        c.allineamento = Allineamento::Centro;
        c.grassetto = true;
        if (numeri.find(static_cast<char>(n)) != std::string::npos)
            c.sfondo = colori::Marcatura;
    }
    for (int c = 0; c < 10; ++c)
        g.ImpostaLarghezza(c, 24);
    return g;
}

esporta::Report ReportSistemi(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni({"k", "riduzione", "pdf"});
    static const char *const combinazioni[] = {"Tre", "Quattro", "Cinque", "Sei"};
    static const char *const riduzioni[] = {"Nessuna", "n-1", "n-2", "n-3"};
    std::vector<Colonna> lista;
    if (!sistemi::CaricaSviluppo(ctx.dir, lista) || lista.empty())
        throw Errore("Non c'è un sistema sviluppato: manca il file \"sviluppo\"");
    esporta::DatiReportSistemi d;
    d.data = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    d.riduzione = riduzioni[0];
    if (auto v = args.valore("riduzione")) {
        const int r = InteroDaArgomento(*v, "riduzione");
        if (r < 0 || r > 3)
            throw ErroreUso{"la riduzione va da 0 (Nessuna) a 3 (n-3)"};
        d.riduzione = riduzioni[r];
    }
    if (auto v = args.valore("k")) {
        const int k = InteroDaArgomento(*v, "numeri in combinazione");
        if (k < 3 || k > 6)
            throw ErroreUso{"i numeri in combinazione vanno da 3 a 6"};
        d.combinazione = combinazioni[k - 3];
    }
    d.numeriInGioco = Figura(Tabellone(esporta::NumeriInGioco(lista)));
    d.tabulato = esporta::RigheTabulato(static_cast<int>(lista.size()), [&lista](int i) {
        return std::pair{sistemi::TestoSviluppo(lista, i + 1, 0), sistemi::TestoSviluppo(lista, i + 1, 1)};
    });
    return esporta::TReportSistemi(esporta::IntestazioneDaCartella(ctx.dir), d);
}

std::string Oggi()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
}

// The crossword block of '&Astro' and 'Metodi' filled from the page's list: the
// list starts again when used up, "Sei" only with a reduction.
metodi::RisultatoCruci CruciverbaPagina(const Argomenti &args, const std::vector<int> &lista)
{
    const int righe = InteroIn(args, "righe", 5, metodi::MinimoLato, metodi::MassimoLato);
    const int colonne = InteroIn(args, "colonne", 5, metodi::MinimoLato, metodi::MassimoLato);
    const int capo1 = InteroIn(args, "capo1", 0, 0, 90);
    const int capo2 = InteroIn(args, "capo2", 0, 0, 90);
    const int livello = InteroIn(args, "riduzione", 0, 0, 3);
    if (capo2 != 0 && !metodi::SecondoCapogiocoAmmesso(righe, colonne))
        throw ErroreUso{metodi::MsgSecondoCapogioco};
    return metodi::CalcolaCruciverba(lista, metodi::FineLista::Ricomincia, righe, colonne, capo1, capo2, livello,
                                     metodi::DimensioneAstroMetodi(livello));
}

// The board of the numbers in play with the page's cells (26 x 20 pixels).
esporta::FiguraPixel FiguraNumeri(const std::vector<int> &numeri)
{
    Griglia g = metodi::GrigliaNumeriInGioco(numeri);
    g.larghezzaColonnaPredefinita = 26;
    g.altezzaRigaPredefinita = 20;
    return esporta::FiguraDaGriglia(g);
}

// The listing of the page's development. An impossible development stops the
// listing with its message; the full-page form only warns of it, as the page does.
std::vector<std::string> Tabulato(const Argomenti &args, Contesto &ctx, const metodi::SviluppoCruci &s)
{
    if (s.messaggio) {
        if (args.flag("tabulato"))
            throw Errore(*s.messaggio);
        ctx.err << *s.messaggio << "\n";
    }
    return metodi::TabulatoSviluppo(s.messaggio ? std::vector<Colonna>{} : s.colonne);
}

const std::vector<std::string> OpzioniCruciverbaPagina = {"righe", "colonne", "capo1", "capo2", "riduzione"};

std::vector<std::string> Con(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The draw of --estrazione, else the last one.
int EstrazioneScelta(const Argomenti &args, Contesto &ctx)
{
    int record = UltimaOErrore(ctx.archivio);
    if (args.valore("estrazione"))
        record = RecordRichiesto(args, ctx, "estrazione");
    return record;
}

// The crossword's pictures and listing that Astro, Metodi and Cruci print, then
// their full-page form or, with --tabulato, their listing form.
template <class Dati>
esporta::Report ConCruciverba(const Argomenti &args, Contesto &ctx, Dati d, const metodi::RisultatoCruci &c,
                              esporta::Report (*pagina)(const esporta::IntestazioneReport &, const Dati &),
                              esporta::Report (*tabulato)(const esporta::IntestazioneReport &, const Dati &))
{
    d.numeriInGioco = FiguraNumeri(c.cruciverba.Numeri());
    d.cruciverba = Figura(metodi::GrigliaCruciverba(c.cruciverba));
    d.tabulato = Tabulato(args, ctx, c.sviluppo);
    const auto intestazione = esporta::IntestazioneDaCartella(ctx.dir);
    return args.flag("tabulato") ? tabulato(intestazione, d) : pagina(intestazione, d);
}

esporta::Report ReportAstro(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(Con({"segno", "estrazione", "riga", "tabulato", "pdf"}, OpzioniCruciverbaPagina));
    if (!args.valore("segno"))
        throw ErroreUso{"manca --segno (da 1 a 12)"};
    const int segno = InteroIn(args, "segno", 1, 1, 12);
    const int riga = InteroIn(args, "riga", 0, 0, 4);
    const int record = EstrazioneScelta(args, ctx);
    const auto ris = metodi::CalcolaAstro(ctx.archivio.LeggiTutte(), record, segno, riga);
    if (ris.ripiegato)
        ctx.err << metodi::MsgCalcoloImpossibile << "\n";
    const auto c = CruciverbaPagina(args, metodi::NumeriDaLista(ris.listaCruciverba));
    esporta::DatiReportAstrolotto d;
    metodi::TestiReportAstro(d, segno, ris.record, DataDi(ctx.archivio, ris.record), ctx.dir);
    d.previsioni = Figura(ris.previsioneGriglia);
    d.ritardi = Figura(ris.ritardo);
    d.esiti = Figura(ris.esiti);
    return ConCruciverba(args, ctx, std::move(d), c, esporta::TReportastrolotto, esporta::TReportastrotabulato);
}

esporta::Report ReportMetodi(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(Con({"estrazione", "tabulato", "pdf"}, OpzioniCruciverbaPagina));
    const metodi::Metodo m = MetodoDaFile(args.posizionale(1, "il file del metodo (.mts)"));
    const int record = EstrazioneScelta(args, ctx);
    auto ris = metodi::CalcolaPaginaMetodo(ctx.archivio.LeggiTutte(), record, m.parametri, m.nome);
    const auto c = CruciverbaPagina(args, ris.listaCruciverba);
    esporta::DatiReportMetodi d;
    metodi::TestiReportMetodo(d, m.parametri, m.nome, DataDi(ctx.archivio, record));
    d.previsioniGriglia = Figura(ris.previsioneGriglia);
    d.ritardi = Figura(ris.rit);
    d.esiti = Figura(ris.es);
    return ConCruciverba(args, ctx, std::move(d), c, esporta::TReportmetodi, esporta::TReportmetoditabulato);
}

esporta::DatiReportCruci DatiCruci(const OpzioniCruci &o)
{
    esporta::DatiReportCruci d;
    metodi::ScelteReportCruci(d, o.livello, o.k);
    d.data = Oggi();
    return d;
}

esporta::Report ReportCruci(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(Con(OpzioniCruciverba, {"tabulato", "pdf"}));
    const auto o = LeggiOpzioniCruci(args);
    const auto c = metodi::CalcolaCruci(o.numeri, o.righe, o.colonne, o.capo1, o.capo2, o.livello, o.k);
    if (!c.cruciverba.completo)
        throw Errore("Numeri insufficienti per riempire il cruciverba " + std::to_string(o.righe) + " x " +
                     std::to_string(o.colonne));
    return ConCruciverba(args, ctx, DatiCruci(o), c, esporta::TReportCruci, esporta::TReportcrucitabulato);
}

esporta::Report ReportCompl90(const Argomenti &args, Contesto &ctx)
{
    args.ControllaOpzioni(Con(OpzioniCruciverba, {"tabulato", "pdf"}));
    const auto o = LeggiOpzioniCruci(args);
    const auto c = metodi::CalcolaCruci(o.numeri, o.righe, o.colonne, o.capo1, o.capo2, o.livello, o.k);
    const auto completamento = metodi::Completamento90(o.numeri, c.cruciverba);
    if (completamento.messaggio)
        throw Errore(*completamento.messaggio);
    const auto s = metodi::SviluppaCruciverba(completamento.griglia, o.livello > 0 ? o.k : 0, o.livello);
    if (s.messaggio)
        throw Errore(*s.messaggio);
    esporta::DatiReportCruci d = DatiCruci(o);
    d.cruciverba = Figura(metodi::GrigliaCruciverba(completamento.griglia));
    d.tabulato = metodi::TabulatoSviluppo(s.colonne);
    return esporta::TReportcompl90tabulato(esporta::IntestazioneDaCartella(ctx.dir), d);
}

// The pages `report` prints, in the order the usage lists them.
struct PaginaReport {
    const char *nome;
    esporta::Report (*modulo)(const Argomenti &, Contesto &);
};
const PaginaReport PagineReport[] = {
    {"estrazioni", ReportEstrazioni}, {"consulta", ReportConsulta}, {"stat", ReportStat},
    {"calore", ReportCalore},         {"ambo", ReportAmbo},         {"sistemi", ReportSistemi},
    {"astro", ReportAstro},           {"metodi", ReportMetodi},     {"cruci", ReportCruci},
    {"compl90", ReportCompl90},
};

std::string ElencoPagine()
{
    std::string elenco;
    for (const PaginaReport &p : PagineReport)
        elenco += (elenco.empty() ? "" : ", ") + std::string(p.nome);
    return elenco;
}

int Report(const Argomenti &args, Contesto &ctx)
{
    const std::string &pagina = args.posizionale(0, "la pagina (" + ElencoPagine() + ")");
    const auto pdf = args.valore("pdf");
    if (!pdf)
        throw ErroreUso{"manca --pdf FILE"};
    const auto p = std::find_if(std::begin(PagineReport), std::end(PagineReport),
                                [&](const PaginaReport &x) { return pagina == x.nome; });
    resa::AssicuraApplicazioneGrafica();
    if (p == std::end(PagineReport))
        throw ErroreUso{"pagina sconosciuta \"" + pagina + "\"; pagine: " + ElencoPagine()};
    esporta::Report r = p->modulo(args, ctx);
    resa::CaricaFigure(r);
    resa::EsportaPDF(r, *pdf);
    return 0;
}

const Registrazione r1({"report",
                        "report PAGINA [opzioni della pagina] --pdf FILE  (estrazioni [--estrazione N]; consulta "
                        "[--posizione N]; stat [--tabella NOME] [--inizio N] [--fine N] [--ordine 0..3]; calore "
                        "[--estrazione N] [--analizzare N] [--minimo M] [--ambi]; ambo [--k 2..14] [--inizio N] "
                        "[--fine N]; sistemi [--k 3..6] [--riduzione 0..3], dal file \"sviluppo\"; astro --segno "
                        "1..12 [--estrazione N] [--riga 0..4] [CRUCIVERBA] [--tabulato]; metodi FILE.mts "
                        "[--estrazione N] [CRUCIVERBA] [--tabulato]; cruci --numeri LISTA [CRUCIVERBA] [--k K] "
                        "[--tabulato]; compl90 --numeri LISTA [CRUCIVERBA] [--k K]; CRUCIVERBA: [--righe R] "
                        "[--colonne C] [--capo1 X] [--capo2 Y] [--riduzione 0..3])",
                        {"pdf", "estrazione", "posizione", "tabella", "inizio", "fine", "ordine", "analizzare",
                         "minimo", "k", "riduzione", "segno", "riga", "numeri", "righe", "colonne", "capo1", "capo2"},
                        Report});

} // namespace
} // namespace sestina::cli
