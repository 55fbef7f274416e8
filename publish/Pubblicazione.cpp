#include "publish/Pubblicazione.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "archive/Archivio.h"
#include "archive/TabellaEstrazioni.h"
#include "export/ModuliReport.h"
#include "export/PagineHTML.h"
#include "export/ReportAstrolotto.h"
#include "export/ReportPagine.h"
#include "methods/Astrolotto.h"
#include "methods/Cruciverba.h"
#include "methods/DatiReport.h"
#include "stats/Calore.h"
#include "stats/Consultazione.h"
#include "stats/RitardiGruppi.h"
#include "stats/Statistiche.h"
#include "stats/StatisticheEstrazione.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>

namespace sestina::pubblica {
namespace {

using namespace statistiche;
namespace fs = std::filesystem;

// The archive read once per run, shared by the reports of the plan.
struct Dati {
    explicit Dati(const std::string &d) : dir(d), archivio(d)
    {
        ultima = archivio.LeggiUltimaEstrazione();
        if (ultima < 0)
            throw Errore("L'archivio non contiene estrazioni");
        estrazioni = archivio.LeggiTutte();
        date = archivio::DateCrescenti(archivio);
    }
    std::string dir;
    archivio::Archivio archivio;
    int ultima = -1;
    std::vector<archivio::Estrazione> estrazioni;
    std::vector<std::string> date;
};

// The statistics tables in the order of both exports, with the '&Stat' button captions.
struct TabellaPubblicata {
    ListaVoci lista;
    const char *suffissoHTML;
    const char *suffissoPDF;
    const char *pulsante;
};
const std::array<TabellaPubblicata, 14> &TabellePubblicate()
{
    static const std::array<TabellaPubblicata, 14> t{{
        {ListaVoci::Numeri, "_numeri", "_numeri.pdf", "Numeri"},
        {ListaVoci::AmbiGemelli, "_ambigemelli", "_ambigemelli.pdf", "Ambi Gemelli"},
        {ListaVoci::AmbiVertibili, "_ambivertibili", "_ambivertibili.pdf", "Ambi Vertibili"},
        {ListaVoci::AmbiFigure, "_ambifigure", "_ambifigure.pdf", "Ambi Figure"},
        {ListaVoci::AmbiQuartineRadicali, "_ambiquartineradicali", "_ambiquartineradicali.pdf",
         "Ambi Quartine Radicali"},
        {ListaVoci::AmbiTerzineSimmetriche, "_ambiterzinesimmetriche", "_ambiterzinesimetriche.pdf",
         "Ambi Terzine Simmetriche"},
        {ListaVoci::AmbiConsecutivi, "_ambiconsecutivi", "_ambiconsecutivi.pdf", "Ambi Consecutivi"},
        {ListaVoci::AmbiDecine, "_ambidecina", "_ambiindecina.pdf", "Ambi Decine"},
        {ListaVoci::AmbiCadenze, "_ambicadenze", "_ambicadenze.pdf", "Ambi Cadenze"},
        {ListaVoci::AmbiComplementari, "_ambicomplementari", "_ambicomplementari.pdf", "Ambi Complementari"},
        {ListaVoci::AmbiDiametrali, "_ambidiametrali", "_ambidiametrali.pdf", "Ambi Diametrali"},
        {ListaVoci::AmbiCinquinaPentagonale, "_ambi5pentagonali", "_ambi5pentagonali.pdf", "Ambi Cinquina Pentagonale"},
        {ListaVoci::AmbiSestinaEsagonale, "_ambi6esagonali", "_ambi6esagonali.pdf", "Ambi Sestina Esagonale"},
        {ListaVoci::AmbiAlternati, "_ambiALTERNATI", "_ambialternati.pdf", "Ambi Alternati"},
    }};
    return t;
}

// The consultation classes in the order of the files: class name, HTML suffix, PDF suffix.
struct ClassePubblicata {
    const char *nome;
    const char *suffissoHTML;
    const char *suffissoPDF;
};
const std::array<ClassePubblicata, 20> &ClassiPubblicate()
{
    static const std::array<ClassePubblicata, 20> c{{
        {"Zerati", "_zerati", "_zerati.pdf"},
        {"Numeretti", "_numeretti", "_numeretti.pdf"},
        {"Gemelli", "_gemelli", "_gemelli.pdf"},
        {"Vertibili", "_vertibili", "_vertibili.pdf"},
        {"Primi", "_primi", "_primi.pdf"},
        {"Pari", "_pari", "_pari.pdf"},
        {"Dispari", "_dispari", "_dispari.pdf"},
        {"Ambi Gemelli", "_ambigemelli", "_ambigemelli.pdf"},
        {"Ambi Vertibili", "_ambivertibili", "_ambivertibili.pdf"},
        {"Ambi Figura", "_ambifigura", "_ambifigura.pdf"},
        {"Ambi Quartine Radicali", "_ambiinquartinaradicale", "_ambiquartinaradicale.pdf"},
        {"Ambi Terzine Simmetriche", "_ambiinterzinesimmetriche", "_ambiinterzinesimmetriche.pdf"},
        {"AmbiConsecutivi", "_ambiconsecutivi", "_ambiconsecutivi.pdf"},
        {"Ambi in Decina", "_ambiindecina", "_ambiindecina.pdf"},
        {"Ambi in Cadenza", "_ambiincadenza", "_ambiincadenza.pdf"},
        {"Ambi Complementari", "_ambicomplementari", "_ambicomplementari.pdf"},
        {"Ambi Diametrali", "_ambidiametrali", "_ambidiametrali.pdf"},
        {"Ambi Cinquine Pentagonali", "_ambi5pentagonali", "_ambi5pentagonali.pdf"},
        {"Ambi Sestine Esagonali", "_ambi6esagonali", "_ambi6esagonali.pdf"},
        {"Ambi Alternati", "_ambialternati", "_ambialternati.pdf"},
    }};
    return c;
}

// Only the named class switched on, as the export turns on one switch at a time.
InterruttoriClassi SolaClasse(const char *nome)
{
    const auto k = IndiceClasseConsulta(nome);
    if (!k)
        throw Errore(std::string("Classe di consultazione sconosciuta: ") + nome);
    InterruttoriClassi a{};
    a[static_cast<size_t>(*k)] = true;
    return a;
}

ParametriCalore ParametriPagina(const Dati &d, bool ambi)
{
    ParametriCalore p;
    p.estrazione = d.ultima;
    p.analizzare = ValoreAnalizzare("18", d.ultima);
    p.tipo = ambi ? TipoCalore::Ambi : TipoCalore::Estratti;
    return p;
}

// The '&Astro' page on the newest draw, first row, with its crossword.
struct PaginaAstro {
    metodi::RisultatoAstro r;
    metodi::Cruciverba cruciverba;
};
PaginaAstro CalcolaPaginaAstro(const Dati &d, int segno)
{
    if (d.ultima < 1)
        throw Errore("L'Astrolotto richiede almeno due estrazioni");
    PaginaAstro p;
    p.r = metodi::CalcolaAstro(d.estrazioni, d.ultima, segno, 0);
    p.cruciverba = metodi::RiempiCruciverba(5, 5, 0, 0, metodi::NumeriDaLista(p.r.listaCruciverba),
                                            metodi::FineLista::Ricomincia);
    return p;
}

RisultatoRitardiGruppi RitardiPagina(const Dati &d, int k, int &inizio)
{
    inizio = 0;
    return CercaRitardiGruppi(d.estrazioni, k, inizio, d.ultima, false);
}

// The grid as the painter draws it, after the renderer has fitted its columns to the texts.
esporta::FiguraPixel Figura(Griglia g, const PreparaGriglia &prepara)
{
    if (prepara)
        prepara(g);
    return esporta::FiguraDaGriglia(g);
}

} // namespace

void CreaCartella(const std::string &cartella)
{
    std::error_code ec;
    fs::create_directories(fs::path(cartella), ec);
    if (ec || !fs::is_directory(fs::path(cartella)))
        throw Errore("Impossibile creare la cartella \"" + cartella + "\": " +
                     (ec ? ec.message() : std::string("esiste un file con questo nome")));
}

std::string PercorsoInCartella(const std::string &cartella, const std::string &nome)
{
    if (!cartella.empty() && (cartella.back() == '/' || cartella.back() == '\\'))
        return cartella + nome;
    return cartella + "/" + nome;
}

const std::array<std::string, 12> &NomiRuote()
{
    static const std::array<std::string, 12> n{"Bari",   "Cagliari", "Firenze", "Genova",   "Milano",    "Napoli",
                                               "Palermo", "Roma",    "Torino",  "Venezia",  "Nazionale", "Superenalotto"};
    return n;
}

int AnnoCorrente()
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_year + 1900;
}

std::vector<int> AnniArchivio(const std::string &dir)
{
    archivio::Archivio a(dir);
    const int ultima = a.LeggiUltimaEstrazione();
    std::vector<int> anni;
    if (ultima < 0)
        return anni;
    int precedente = -1;
    const auto date = a.LeggiDate(0, ultima);
    for (auto it = date.rbegin(); it != date.rend(); ++it)
        if (it->anno != precedente) {
            precedente = it->anno;
            anni.push_back(it->anno);
        }
    return anni;
}

std::vector<std::string> EsportaHTML(const std::string &dir, const std::string &cartella,
                                     const std::string &paginaHTML, const SceltaHTML &s, int annoCorrente,
                                     Progresso &progresso)
{
    std::vector<std::string> scritti;
    bool qualcosa = false;
    for (bool v : s.voci)
        qualcosa = qualcosa || v;
    if (!qualcosa)
        return scritti;
    // ScriviPaginaHTML reads the head template even without "testa e coda".
    const esporta::ModelliHTML m = esporta::CaricaModelliHTML(dir, s.testaECoda);
    const Dati d(dir);
    CreaCartella(cartella);
    // The head template links the program's style sheet: ship it beside the pages
    // unless the site already has its own.
    const std::string stile = PercorsoInCartella(cartella, esporta::FileStileHTML);
    if (s.testaECoda && EsisteFile(dir + esporta::FileStileHTML) && !EsisteFile(stile))
        ScriviFileAtomico(stile, LeggiFile(dir + esporta::FileStileHTML));
    const std::string w = NomeRuotaSE;
    auto salva = [&](const std::string &nome, const std::vector<std::string> &righe) {
        esporta::SalvaPaginaHTML(righe, PercorsoInCartella(cartella, nome));
        scritti.push_back(nome);
        progresso.Avanza(static_cast<long>(scritti.size()), 0);
        if (progresso.Interrompi())
            throw Errore("Esportazione interrotta");
    };
    auto pagina = [&](const std::string &nome, const std::string &s1, const std::string &s2, const std::string &s3,
                      const std::string &s4, const Griglia &g) { salva(nome, esporta::PaginaHTML(m, s1, s2, s3, s4, g)); };

    int cursore = d.ultima;
    const Griglia tabella = archivio::MostraEstrazioni(d.archivio, d.ultima, cursore);
    if (s.voci[HtmlTabelle]) {
        const char *distanze[3][2] = {{"distanzaCiclometrica", "Distanza Ciclometrica"},
                                      {"distanzaMatematica", "Distanza Matematica"},
                                      {"distanzaPodometrica", "Distanza Podometrica"}};
        for (int k = 0; k < 3; ++k) {
            OpzioniDistanze o;
            o.modo = static_cast<ModoDistanze>(k);
            pagina(std::string("StatisticheEstrazioni_") + distanze[k][0] + ".html",
                   std::string("Statistiche Estrazioni - Distanze/Somme - ") + distanze[k][1], "", "", "",
                   GrigliaDistanze(tabella, o).griglia);
        }
        for (size_t k = 0; k < VociClassiEstrazione().size(); ++k) {
            const std::string &voce = VociClassiEstrazione()[k];
            pagina("StatisticheEstrazioni_DecineCadenzeFigure_" + voce + ".html",
                   "Statistiche Estrazioni - Decine/Cadenze/Figure - " + voce, "", "", "",
                   GrigliaClassi(tabella, static_cast<ClassiEstrazione>(k)));
        }
        pagina("StatisticheEstrazioni_PariDispariMinimo.html",
               "Statistiche Estrazioni - Pari/Dispari/Minimo - Dati Statistici", "", "", "",
               GrigliaDatiStatistici(tabella));
    }
    if (s.voci[HtmlAnni]) {
        std::vector<esporta::RigaAnnoHTML> righe;
        righe.reserve(d.estrazioni.size());
        for (const auto &e : d.estrazioni) {
            esporta::RigaAnnoHTML r{e.data.giorno, e.data.mese, e.data.anno, {}};
            for (int i = 0; i < 6; ++i)
                r.numeri[static_cast<size_t>(i)] = e.numeri.numeri[static_cast<size_t>(i)];
            r.numeri[6] = e.numeri.jolly;
            r.numeri[7] = e.numeri.superstar;
            righe.push_back(r);
        }
        const std::vector<int> anni = s.tutti ? AnniArchivio(dir) : s.anni;
        for (int anno : anni) {
            auto p = esporta::PaginaAnnoHTML(m, anno, s.tutti ? esporta::VarianteAnno::B : esporta::VarianteAnno::A,
                                             annoCorrente, paginaHTML, righe, righe.front().anno);
            salva(p.nomeFile, p.righe);
        }
    }
    if (s.voci[HtmlRitardi]) {
        for (int k = GruppoMinimo; k <= GruppoMassimo; ++k) {
            int inizio = 0;
            const auto r = RitardiPagina(d, k, inizio);
            pagina("Ritardixambi_" + w + "_" + NomeGruppo(k) + ".html", "  " + w,
                   "Inizio Ricerca " + d.date[static_cast<size_t>(inizio)], TitoloRitardiGruppi(k),
                   "Fine Ricerca " + d.date[static_cast<size_t>(d.ultima)], GrigliaRitPerAmbi(r, 1));
        }
    }
    if (s.voci[HtmlEstrazione]) {
        int c = d.ultima;
        for (int i = 1; i <= 4; ++i) {
            pagina(w + "_Estrazione" + std::to_string(i) + ".html", "", "", "", "",
                   archivio::MostraEstrazioni(d.archivio, d.ultima, c));
            c = archivio::ClampCursore(c - 1, d.ultima);
        }
    }
    if (s.voci[HtmlConsultazione]) {
        for (const auto &c : ClassiPubblicate()) {
            const std::string nome = c.nome;
            pagina("consultazione_" + w + c.suffissoHTML + ".html",
                   (nome == "Numeretti" ? "Consutazione  " : "Consultazione  ") + nome,
                   "Estrazione del " + d.date[static_cast<size_t>(d.ultima)], "", "",
                   DisegnaConsulta(d.archivio, d.ultima, d.ultima, SolaClasse(c.nome)));
        }
    }
    if (s.voci[HtmlTabelle]) {
        for (const auto &t : TabellePubblicate())
            pagina("tabellestatistiche_" + w + t.suffissoHTML + ".html", "Tabelle Statistiche - " + w,
                   NomeTabella(t.lista), "Inizio Ricerca" + d.date.front(), "Fine Ricerca" + d.date.back(),
                   MostraStatistica(d.estrazioni, 0, d.ultima, t.lista, 1));
    }
    if (s.voci[HtmlCalore]) {
        for (bool ambi : {false, true}) {
            const auto p = ParametriPagina(d, ambi);
            const auto r = MostraCalore(d.archivio, d.ultima, p);
            pagina((ambi ? "AmbiIncalore_" : "NumeriIncalore_") + w + ".html",
                   (ambi ? "Ambi In Calore  " : "Numeri In Calore  ") + w,
                   "Estrazione del " + d.date[static_cast<size_t>(p.estrazione)] + "Analizzate:" +
                       std::to_string(p.analizzare),
                   "", "", r.tabella);
        }
    }
    if (s.voci[HtmlAstrolotto]) {
        for (int segno = 1; segno <= 12; ++segno) {
            const auto p = CalcolaPaginaAstro(d, segno);
            const auto &z = metodi::SegniZodiacali()[static_cast<size_t>(segno - 1)];
            esporta::TabelleAstro t{metodi::GrigliaCruciverba(p.cruciverba), p.r.previsioneGriglia, p.r.ritardo,
                                    p.r.esiti};
            salva("astro_" + w + "_" + z.nome + ".html",
                  esporta::PaginaAstroHTML(m, "Astrolotto ",
                                           w + " - Previsione del " + d.date[static_cast<size_t>(p.r.record)],
                                           z.nome, z.periodo, t));
        }
    }
    return scritti;
}

std::vector<GruppoPDF> PianoPDF(const std::string &dir, const std::array<bool, 6> &voci)
{
    std::vector<GruppoPDF> piano;
    // Built at the first report and shared by all of them.
    auto dati = std::make_shared<std::unique_ptr<Dati>>();
    auto leggi = [dir, dati]() -> const Dati & {
        if (!*dati)
            *dati = std::make_unique<Dati>(dir);
        return **dati;
    };
    auto testata = std::make_shared<std::unique_ptr<esporta::IntestazioneReport>>();
    auto intestazione = [dir, testata]() -> const esporta::IntestazioneReport & {
        if (!*testata)
            *testata = std::make_unique<esporta::IntestazioneReport>(esporta::IntestazioneDaCartella(dir));
        return **testata;
    };
    auto unaGriglia = [intestazione](const Griglia &g, const esporta::TitoliReport &t, const PreparaGriglia &f) {
        return esporta::Tmyreport(intestazione(), Figura(g, f), t.titolo, t.sottotitolo1, t.sottotitolo2);
    };
    const auto &ruote = NomiRuote();

    if (voci[PdfEstrazione])
        piano.push_back({{"lastestrazione.pdf"}, [=](const PreparaGriglia &f) {
                             const Dati &d = leggi();
                             int c = d.ultima;
                             return unaGriglia(archivio::MostraEstrazioni(d.archivio, d.ultima, c),
                                               esporta::TitoliEstrazioni(), f);
                         }});
    if (voci[PdfConsultazione])
        for (const auto &c : ClassiPubblicate()) {
            GruppoPDF g;
            for (const auto &w : ruote)
                g.nomi.push_back("lastconsultazione_" + w + c.suffissoPDF);
            g.crea = [=](const PreparaGriglia &f) {
                const Dati &d = leggi();
                return unaGriglia(DisegnaConsulta(d.archivio, d.ultima, d.ultima, SolaClasse(c.nome)),
                                  esporta::TitoliConsulta(d.date[static_cast<size_t>(d.ultima)]), f);
            };
            piano.push_back(std::move(g));
        }
    if (voci[PdfTabelle])
        for (const auto &t : TabellePubblicate()) {
            GruppoPDF g;
            for (const auto &w : ruote)
                g.nomi.push_back("lasttabstat_" + w + t.suffissoPDF);
            g.crea = [=](const PreparaGriglia &f) {
                const Dati &d = leggi();
                return unaGriglia(MostraStatistica(d.estrazioni, 0, d.ultima, t.lista, 1),
                                  esporta::TitoliStat(t.pulsante, d.date.front(), d.date.back()), f);
            };
            piano.push_back(std::move(g));
        }
    if (voci[PdfCalore])
        for (bool ambi : {false, true}) {
            GruppoPDF g;
            for (const auto &w : ruote)
                g.nomi.push_back((ambi ? "lastincaloreAmbi_" : "lastincalore_") + w + ".pdf");
            g.crea = [=](const PreparaGriglia &f) {
                const Dati &d = leggi();
                const auto p = ParametriPagina(d, ambi);
                const auto r = MostraCalore(d.archivio, d.ultima, p);
                const auto t = esporta::TitoliCalore(ambi, d.date[static_cast<size_t>(p.estrazione)], p.analizzare);
                return esporta::Tmyreportorizzontale(intestazione(), Figura(r.tabella, f),
                                                     Figura(r.elenco, f), t.titolo, t.sottotitolo1,
                                                     t.sottotitolo2);
            };
            piano.push_back(std::move(g));
        }
    if (voci[PdfAstrolotto])
        for (int segno = 1; segno <= 12; ++segno) {
            const auto &z = metodi::SegniZodiacali()[static_cast<size_t>(segno - 1)];
            GruppoPDF g;
            g.nomi.push_back(std::string("lastastrosuperenalotto_") + z.nome + ".pdf");
            g.crea = [=](const PreparaGriglia &f) {
                const Dati &d = leggi();
                const auto p = CalcolaPaginaAstro(d, segno);
                esporta::DatiReportAstrolotto a;
                metodi::TestiReportAstro(a, segno, p.r.record, d.date[static_cast<size_t>(p.r.record)], d.dir);
                a.numeriInGioco = Figura(metodi::GrigliaNumeriInGioco(p.cruciverba.Numeri()), f);
                a.previsioni = Figura(p.r.previsioneGriglia, f);
                a.ritardi = Figura(p.r.ritardo, f);
                a.cruciverba = Figura(metodi::GrigliaCruciverba(p.cruciverba), f);
                a.esiti = Figura(p.r.esiti, f);
                return esporta::TReportastrolotto(intestazione(), a);
            };
            piano.push_back(std::move(g));
        }
    if (voci[PdfRitardi]) {
        // Outer loop on the wheel names: the same thirteen reports for each.
        for (int k = GruppoMinimo; k <= GruppoMassimo; ++k) {
            GruppoPDF g;
            g.crea = [=](const PreparaGriglia &f) {
                const Dati &d = leggi();
                int inizio = 0;
                const auto r = RitardiPagina(d, k, inizio);
                return unaGriglia(GrigliaRitPerAmbi(r, 1),
                                  esporta::TitoliAmbo(TitoloRitardiGruppi(k), d.date[static_cast<size_t>(inizio)],
                                                      d.date[static_cast<size_t>(d.ultima)]),
                                  f);
            };
            for (const auto &w : ruote)
                g.nomi.push_back("Ritardixambi_" + w + "_" + NomeGruppo(k) + ".pdf");
            piano.push_back(std::move(g));
        }
    }
    return piano;
}

std::vector<std::string> NomiFilePDF(const std::string &dir, const std::array<bool, 6> &voci)
{
    std::vector<std::string> nomi;
    const auto piano = PianoPDF(dir, voci);
    const size_t gruppiRitardi = voci[PdfRitardi] ? GruppoMassimo - GruppoMinimo + 1 : 0;
    const size_t primoRitardi = piano.size() - gruppiRitardi;
    for (size_t i = 0; i < primoRitardi; ++i)
        nomi.insert(nomi.end(), piano[i].nomi.begin(), piano[i].nomi.end());
    // The group delays run wheel by wheel.
    for (size_t w = 0; w < NomiRuote().size() && gruppiRitardi; ++w)
        for (size_t i = primoRitardi; i < piano.size(); ++i)
            nomi.push_back(piano[i].nomi[w]);
    return nomi;
}

} // namespace sestina::pubblica
