#include "export/ModuliReport.h"

#include "app/Edizione.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"

#include <algorithm>

namespace sestina::esporta {

namespace {

using namespace colori_report;

// The scale that brings w x h mm inside the box, never enlarging.
double Scala(double w, double h, double maxW, double maxH)
{
    double s = 1.0;
    if (w > maxW)
        s = maxW / w;
    if (h * s > maxH)
        s = maxH / h;
    return s;
}

struct Misura {
    double larghezza, altezza;
};

// A grid picture's size in mm, scaled down to fit the box.
Misura InRiquadro(const FiguraPixel &f, double maxW, double maxH)
{
    const double w = f.larghezza * MmPerPixel, h = f.altezza * MmPerPixel;
    const double s = Scala(w, h, maxW, maxH);
    return {w * s, h * s};
}

// Where the pieces of a form's header stand: the program title, its logo, the
// box with the user's three lines and the picture on the right.
struct PostiTestata {
    double xTitolo, yTitolo, larghezzaTitolo;
    Allineamento allineamentoTitolo;
    Riquadro logo, riquadro, figuraDestra;
    double xRighe, larghezzaRighe;
    std::array<double, 3> yRighe;
};

// clang-format off
// Title x, y, width and alignment; program logo; box of the user's lines; picture
// on the right; the lines' x, width and y.
constexpr PostiTestata TestataAnteprima{5.8, 1.1, 177.3, Allineamento::Centro,
    {5.8, 16.9, 32.5, 32.3}, {42.3, 16.9, 106.4, 32.5}, {150.3, 16.9, 32.8, 32.3}, 45.0, 102.0, {24.6, 29.9, 34.4}};
constexpr PostiTestata TestataOrizzontale{64.6, -4.5, 0, Allineamento::Sinistra,
    {3.7, 2.4, 32.5, 32.3}, {64.6, 13.0, 106.4, 25.4}, {205.3, 2.4, 32.8, 32.3}, 67.5, 102.0, {21.2, 26.5, 31.0}};
constexpr PostiTestata TestataComune{41.0, 1.3, 0, Allineamento::Sinistra,
    {5.3, 17.2, 33.1, 33.1}, {42.3, 16.9, 97.6, 32.5}, {148.8, 17.2, 33.1, 33.1}, 45.0, 93.0, {24.9, 30.7, 38.1}};
// clang-format on

Banda Testata(const PostiTestata &p, const IntestazioneReport &intestazione, const SorgenteFigura &figuraDestra,
              double altezza)
{
    Banda t;
    t.tipo = TipoBanda::Titolo;
    t.altezza = altezza;
    t.etichette.push_back(Testo(p.xTitolo, p.yTitolo, intestazione.titoloProgramma, Font(48, true, true), Verde,
                                p.larghezzaTitolo, p.allineamentoTitolo));
    t.figure.push_back(
        Immagine(p.logo.x, p.logo.y, p.logo.larghezza, p.logo.altezza, intestazione.logoProgramma, true));
    t.riquadri.push_back(p.riquadro);
    for (size_t k = 0; k < 3; ++k)
        t.etichette.push_back(
            Testo(p.xRighe, p.yRighe[k], intestazione.righeUtente[k], Font(13), colori::Nero, p.larghezzaRighe));
    const Riquadro &d = p.figuraDestra;
    t.figure.push_back(Immagine(d.x, d.y, d.larghezza, d.altezza, figuraDestra, true));
    return t;
}

// The caption of the one- and two-grid forms (red, centred on the page) and the
// two subtitles beside each other below it.
void Didascalie(Banda &d, double larghezza, double yTitolo, double ySottotitoli, double x1, double x2,
                const std::string &titolo, const std::string &sottotitolo1, const std::string &sottotitolo2)
{
    d.etichette.push_back(Testo(0, yTitolo, titolo, Font(21, true), Rosso, larghezza, Allineamento::Centro));
    d.etichette.push_back(Testo(x1, ySottotitoli, sottotitolo1, Font(16, true, true), BluNotte, x2 - x1 - 1.0));
    d.etichette.push_back(Testo(x2, ySottotitoli, sottotitolo2, Font(16, true, true), BluNotte));
}

std::string Pezzo(const char *formato, const std::string &a, const std::string &b)
{
    return Formato(formato, a.c_str(), b.c_str());
}

std::vector<std::string> TrePerRiga(const std::vector<std::string> &pezzi)
{
    std::vector<std::string> righe;
    std::string riga;
    int n = 0;
    for (const std::string &p : pezzi) {
        riga += p;
        if (++n == 3) {
            righe.push_back(std::move(riga));
            riga.clear();
            n = 0;
        }
    }
    if (n > 0)
        righe.push_back(std::move(riga));
    return righe;
}

} // namespace

FontReport Font(int pixel, bool grassetto, bool corsivo)
{
    FontReport f;
    f.pixel = pixel;
    f.grassetto = grassetto;
    f.corsivo = corsivo;
    return f;
}

Etichetta Testo(double x, double y, std::string testo, FontReport f, Colore c, double larghezza, Allineamento a)
{
    Etichetta e;
    e.x = x;
    e.y = y;
    e.larghezza = larghezza;
    e.testo = std::move(testo);
    e.font = f;
    e.colore = c;
    e.allineamento = a;
    return e;
}

Figura Immagine(double x, double y, double w, double h, SorgenteFigura s, bool proporzioni)
{
    Figura f;
    f.mantieniProporzioni = proporzioni;
    f.x = x;
    f.y = y;
    f.larghezza = w;
    f.altezza = h;
    f.sorgente = std::move(s);
    return f;
}

Figura ImmagineInRiquadro(double x, double y, const FiguraPixel &f, double larghezzaMassima, double altezzaMassima)
{
    const Misura m = InRiquadro(f, larghezzaMassima, altezzaMassima);
    return Immagine(x, y, m.larghezza, m.altezza, f.sorgente);
}

Banda PiePagina()
{
    Banda b;
    b.tipo = TipoBanda::PiePagina;
    b.altezza = 12.7;
    b.etichette.push_back(Testo(0, 3.0, RigaEditore, Font(16, false, true), Rosso));
    return b;
}

Banda BandaTabulato(std::vector<std::string> righe)
{
    Banda elenco;
    elenco.tipo = TipoBanda::Elenco;
    elenco.altezza = 12.7;
    // Three pieces of six numbers fit the band at 11 pixels; longer lines (whole
    // lines of a large crossword) get a smaller font rather than lose their ends.
    size_t caratteri = 0;
    for (const std::string &r : righe)
        caratteri = std::max(caratteri, r.size());
    const double larghezza = (210.0 - 20.0) / MmPerPixel;
    int pixel = 11;
    while (pixel > 5 && static_cast<double>(caratteri) * LarghezzaCarattereMono * pixel > larghezza)
        --pixel;
    elenco.fontRighe = Font(pixel);
    elenco.fontRighe.famiglia = "Liberation Mono";
    elenco.righe = std::move(righe);
    return elenco;
}

IntestazioneReport IntestazioneDaUtente(const DatiUtente &utente, const TExStringList &listaImmagini,
                                        const std::string &dir)
{
    IntestazioneReport i;
    i.titoloProgramma = TitoloProdotto;
    i.logoProgramma = dir + FileLogoProgramma;
    const auto &c = utente.campi;
    i.righeUtente[0] = c[0] + " " + c[1];
    i.righeUtente[1] = "Via " + c[4] + " - Località " + c[5];
    i.righeUtente[2] = "Ricevitoria " + c[2] + " n." + c[3];
    if (!listaImmagini.empty()) {
        std::string logo = listaImmagini[utente.indiceImmagine];
        if (!logo.empty() && logo.front() != '/')
            logo = dir + logo;
        i.logoUtente = logo;
    }
    return i;
}

IntestazioneReport IntestazioneDaCartella(const std::string &dir)
{
    DatiUtente u;
    if (EsisteFile(dir + FileUtente)) {
        TExStringList l;
        l.LoadFromFile(dir + FileUtente);
        u = LeggiDatiUtente(l);
    }
    TExStringList immagini;
    immagini.LoadFromFile(dir + FileListaLoghi);
    return IntestazioneDaUtente(u, immagini, dir);
}

int LarghezzaGriglia(const Griglia &g)
{
    int w = 1;
    for (int c = 0; c < g.colonne(); ++c)
        w += g.larghezza(c);
    return w;
}

int AltezzaGriglia(const Griglia &g)
{
    int h = 1;
    for (int r = 0; r < g.righe(); ++r)
        h += g.altezza(r);
    return h;
}

FiguraPixel FiguraDaGriglia(const Griglia &g)
{
    return {g, LarghezzaGriglia(g), AltezzaGriglia(g)};
}

Report Tmyreport(const IntestazioneReport &intestazione, const FiguraPixel &figura, const std::string &titolo,
                 const std::string &sottotitolo1, const std::string &sottotitolo2)
{
    Report r;
    r.titolo = "Anteprima";
    r.bande.push_back(Testata(TestataAnteprima, intestazione, intestazione.logoUtente, 50.3));

    const double larghezza = r.larghezzaUtile();
    const Banda piede = PiePagina();
    Banda d;
    d.tipo = TipoBanda::Dettaglio;
    Didascalie(d, larghezza, 1.6, 16.4, 31.8, 111.7, titolo, sottotitolo1, sottotitolo2);
    const double cima = 22.5;
    const Misura m = InRiquadro(figura, larghezza, r.altezzaUtile() - 50.3 - piede.altezza - cima - 1.0);
    d.figure.push_back(Immagine((larghezza - m.larghezza) / 2, cima, m.larghezza, m.altezza, figura.sorgente));
    d.altezza = std::max(83.9, cima + m.altezza + 1.0);
    r.bande.push_back(std::move(d));
    r.bande.push_back(piede);
    return r;
}

Report Tmyreportorizzontale(const IntestazioneReport &intestazione, const FiguraPixel &sinistra,
                            const FiguraPixel &destra, const std::string &titolo, const std::string &sottotitolo1,
                            const std::string &sottotitolo2)
{
    Report r;
    r.titolo = "Anteprima";
    r.orientamento = Orientamento::Orizzontale;
    const Banda t = Testata(TestataOrizzontale, intestazione, intestazione.logoUtente, 41.0);
    r.bande.push_back(t);

    const double larghezza = r.larghezzaUtile();
    const Banda piede = PiePagina();
    Banda d;
    d.tipo = TipoBanda::Dettaglio;
    // The caption gets its own line above the subtitles, so the three never overlap.
    Didascalie(d, larghezza, 0.5, 7.2, 6.3, 173.0, titolo, sottotitolo1, sottotitolo2);
    const double cima = 14.1;
    const double wl = sinistra.larghezza * MmPerPixel, wr = destra.larghezza * MmPerPixel;
    const double w = wl + wr;
    const double h = std::max(sinistra.altezza, destra.altezza) * MmPerPixel;
    const double s = Scala(w, h, larghezza, r.altezzaUtile() - t.altezza - piede.altezza - cima - 1.0);
    const double x0 = (larghezza - w * s) / 2;
    d.figure.push_back(Immagine(x0, cima, wl * s, sinistra.altezza * MmPerPixel * s, sinistra.sorgente));
    d.figure.push_back(Immagine(x0 + wl * s, cima, wr * s, destra.altezza * MmPerPixel * s, destra.sorgente));
    d.altezza = cima + h * s + 1.0;
    r.bande.push_back(std::move(d));
    r.bande.push_back(piede);
    return r;
}

Banda IntestazioneComune(const IntestazioneReport &intestazione, const SorgenteFigura &figuraDestra, double altezza)
{
    return Testata(TestataComune, intestazione, figuraDestra, altezza);
}

namespace {

// Where the four lines of a title band stand, and their fonts and colours.
struct PostoRiga {
    double x, y;
    int pixel;
    bool grassetto, corsivo;
    Colore colore;
};

Banda TestataRighe(const IntestazioneReport &intestazione, double altezza, const std::array<PostoRiga, 4> &posti,
                   const std::array<std::string, 4> &righe)
{
    Banda t = IntestazioneComune(intestazione, intestazione.logoUtente, altezza);
    for (size_t k = 0; k < 4; ++k) {
        const PostoRiga &p = posti[k];
        t.etichette.push_back(Testo(p.x, p.y, righe[k], Font(p.pixel, p.grassetto, p.corsivo), p.colore));
    }
    return t;
}

} // namespace

Banda TestataAnteprimaRighe(const IntestazioneReport &intestazione, const std::array<std::string, 4> &righe)
{
    return TestataRighe(intestazione, 276.5,
                        {{{5.3, 51.1, 24, true, false, Blu},
                          {5.3, 64.6, 19, false, true, Rosso},
                          {5.3, 73.3, 16, true, false, Porpora},
                          {5.3, 80.2, 16, true, false, Porpora}}},
                        righe);
}

Banda TestataTabulato(const IntestazioneReport &intestazione, const std::array<std::string, 4> &righe)
{
    return TestataRighe(intestazione, 184.7,
                        {{{5.6, 51.9, 24, true, false, Blu},
                          {5.3, 67.5, 19, false, true, Rosso},
                          {5.6, 78.1, 16, true, false, Porpora},
                          {5.6, 88.1, 16, true, false, Porpora}}},
                        righe);
}

Etichetta EditoreInFondo()
{
    return Testo(0, 269.9, RigaEditore, Font(16, true), Rosso);
}

void ChiudiTabulato(Report &r, Banda testata, double x, double y, std::vector<std::string> righe)
{
    testata.etichette.push_back(Testo(x, y, "Tabulato", Font(24, true), BluNotte));
    r.bande.push_back(std::move(testata));
    r.bande.push_back(BandaTabulato(std::move(righe)));
    r.bande.push_back(PiePagina());
}

std::string RigaInserimenti(int casuali, int ultimi, int frequenze, int ritardi)
{
    return Formato("Casuali %d Ultimi %d, Frequenze %d Ritardi %d", casuali, ultimi, frequenze, ritardi);
}

std::string RigaCombinazione(const std::string &combinazione)
{
    return "Numeri in combinazione " + (combinazione.empty() ? std::string("Libero") : combinazione);
}

Colonna NumeriInGioco(const std::vector<Colonna> &colonne)
{
    Colonna tutti;
    for (const Colonna &c : colonne)
        tutti += c;
    return TogliDoppioni(tutti);
}

Report Treportspoglio(const IntestazioneReport &intestazione, const DatiReportSpoglio &d)
{
    Report r;
    r.titolo = "Report Spoglio";
    r.bande.push_back(IntestazioneComune(intestazione, intestazione.logoUtente, 52.0));
    const double larghezza = r.larghezzaUtile();
    const Banda piede = PiePagina();

    Banda dati;
    dati.tipo = TipoBanda::Dettaglio;
    dati.etichette.push_back(Testo(5.3, 0, "Sistema " + d.nomeSistema, Font(24, true), Blu));
    dati.etichette.push_back(
        Testo(5.3, 8.0, "Concorso " + NomiRuote[IndiceRuotaConsulta], Font(19, false, true), Rosso));
    dati.etichette.push_back(Testo(120.0, 8.0, "del " + d.data, Font(19, false, true), Rosso));
    dati.etichette.push_back(Testo(5.3, 15.0, "Numeri in gioco " + d.numeriInGioco, Font(16, true), Porpora));
    // The two summaries side by side, each in half the band.
    const double cima = 30.0, meta = larghezza / 2 - 4;
    dati.etichette.push_back(Testo(5.3, 23.0, "Riepilogo Colonne", Font(16, true), Rosso));
    dati.etichette.push_back(Testo(larghezza / 2 + 2, 23.0, "Riepilogo Vincite", Font(16, true), Rosso));
    double basso = cima;
    auto riquadro = [&](const FiguraPixel &f, double x) {
        const Misura m = InRiquadro(f, meta, 60.0);
        dati.figure.push_back(Immagine(x, cima, m.larghezza, m.altezza, f.sorgente));
        basso = std::max(basso, cima + m.altezza);
    };
    riquadro(d.datiSistema, 5.3);
    riquadro(d.riepilogo, larghezza / 2 + 2);
    dati.altezza = basso + 2.0;
    r.bande.push_back(std::move(dati));

    Banda analisi;
    analisi.tipo = TipoBanda::Dettaglio;
    analisi.etichette.push_back(Testo(0, 0, "Analisi ", Font(16, true), Rosso, larghezza, Allineamento::Centro));
    const Misura m = InRiquadro(d.analisi, larghezza, 120.0);
    analisi.figure.push_back(Immagine((larghezza - m.larghezza) / 2, 6.0, m.larghezza, m.altezza, d.analisi.sorgente));
    analisi.altezza = 6.0 + m.altezza + 3.0;
    r.bande.push_back(std::move(analisi));

    Banda elenco;
    elenco.tipo = TipoBanda::Elenco;
    elenco.altezza = 6.35;
    elenco.fontRighe = Font(11); // 99 characters a line fit the band
    elenco.fontRighe.famiglia = "Liberation Mono";
    elenco.righe = RigheSpoglio(d.colonne);
    r.bande.push_back(std::move(elenco));
    r.bande.push_back(piede);
    return r;
}

Report TReportSistemi(const IntestazioneReport &intestazione, const DatiReportSistemi &d)
{
    Report r;
    r.titolo = "Tabulato Sistemi";
    Banda t = TestataTabulato(
        intestazione, {"Sistema - Concorso : " + NomiRuote[IndiceRuotaConsulta] + " elaborato il " + d.data + " ",
                       "Tipo di riduzione " + d.riduzione, RigaInserimenti(d.casuali, d.ultimi, d.frequenze, d.ritardi),
                       RigaCombinazione(d.combinazione)});
    t.etichette.push_back(Testo(54.0, 97.4, "Numeri in Gioco", Font(24, true), Rosso));
    t.figure.push_back(Immagine(54.0, 110.9, 63.5, 63.5, d.numeriInGioco.sorgente, true));
    ChiudiTabulato(r, std::move(t), 71.7, 175.2, d.tabulato);
    return r;
}

std::vector<std::string> RigheTabulato(int righe, const std::function<std::pair<std::string, std::string>(int)> &riga)
{
    std::vector<std::string> pezzi;
    pezzi.reserve(static_cast<size_t>(std::max(0, righe)));
    for (int r = 0; r < righe; ++r) {
        const auto [numero, numeri] = riga(r);
        pezzi.push_back(Pezzo("C.%-5s: %-20s - ", numero, numeri));
    }
    return TrePerRiga(pezzi);
}

std::vector<std::string> RigheTabulato(const Griglia &sviluppo)
{
    return RigheTabulato(sviluppo.righe() - 1, [&sviluppo](int r) {
        return std::pair{sviluppo.testo(r + 1, 0), sviluppo.colonne() > 1 ? sviluppo.testo(r + 1, 1) : std::string()};
    });
}

std::vector<std::string> RigheSpoglio(const std::vector<Colonna> &colonne)
{
    std::vector<std::string> pezzi;
    for (size_t i = 0; i < colonne.size(); ++i)
        pezzi.push_back(Formato("C.%.5d: %-20s - ", static_cast<int>(i + 1), FormattaColonna(colonne[i]).c_str()));
    return TrePerRiga(pezzi);
}

} // namespace sestina::esporta
