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
    const double w = f.larghezza * MmPerPixel, h = f.altezza * MmPerPixel;
    const double s = Scala(w, h, larghezzaMassima, altezzaMassima);
    return Immagine(x, y, w * s, h * s, f.sorgente);
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
    Banda t;
    t.tipo = TipoBanda::Titolo;
    t.altezza = 50.3;
    t.etichette.push_back(
        Testo(5.8, 1.1, intestazione.titoloProgramma, Font(48, true, true), Verde, 177.3, Allineamento::Centro));
    t.figure.push_back(Immagine(5.8, 16.9, 32.5, 32.3, intestazione.logoProgramma, true));
    t.riquadri.push_back({42.3, 16.9, 106.4, 32.5});
    const double righe[3] = {24.6, 29.9, 34.4};
    for (int k = 0; k < 3; ++k)
        t.etichette.push_back(
            Testo(45.0, righe[k], intestazione.righeUtente[static_cast<size_t>(k)], Font(13), colori::Nero, 102.0));
    t.figure.push_back(Immagine(150.3, 16.9, 32.8, 32.3, intestazione.logoUtente, true));
    r.bande.push_back(std::move(t));

    const double larghezza = r.larghezzaUtile();
    const Banda piede = PiePagina();
    Banda d;
    d.tipo = TipoBanda::Dettaglio;
    d.etichette.push_back(Testo(0, 1.6, titolo, Font(21, true), Rosso, larghezza, Allineamento::Centro));
    d.etichette.push_back(Testo(31.8, 16.4, sottotitolo1, Font(16, true, true), BluNotte, 111.7 - 31.8 - 1.0));
    d.etichette.push_back(Testo(111.7, 16.4, sottotitolo2, Font(16, true, true), BluNotte));
    const double cima = 22.5;
    const double w = figura.larghezza * MmPerPixel, h = figura.altezza * MmPerPixel;
    const double s = Scala(w, h, larghezza, r.altezzaUtile() - 50.3 - piede.altezza - cima - 1.0);
    d.figure.push_back(Immagine((larghezza - w * s) / 2, cima, w * s, h * s, figura.sorgente));
    d.altezza = std::max(83.9, cima + h * s + 1.0);
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
    Banda t;
    t.tipo = TipoBanda::Titolo;
    t.altezza = 41.0;
    t.etichette.push_back(Testo(64.6, -4.5, intestazione.titoloProgramma, Font(48, true, true), Verde));
    t.figure.push_back(Immagine(3.7, 2.4, 32.5, 32.3, intestazione.logoProgramma, true));
    t.riquadri.push_back({64.6, 13.0, 106.4, 25.4});
    const double righe[3] = {21.2, 26.5, 31.0};
    for (int k = 0; k < 3; ++k)
        t.etichette.push_back(
            Testo(67.5, righe[k], intestazione.righeUtente[static_cast<size_t>(k)], Font(13), colori::Nero, 102.0));
    t.figure.push_back(Immagine(205.3, 2.4, 32.8, 32.3, intestazione.logoUtente, true));
    r.bande.push_back(std::move(t));

    const double larghezza = r.larghezzaUtile();
    const Banda piede = PiePagina();
    Banda d;
    d.tipo = TipoBanda::Dettaglio;
    // The caption gets its own line above the subtitles, so the three never overlap.
    d.etichette.push_back(Testo(0, 0.5, titolo, Font(21, true), Rosso, larghezza, Allineamento::Centro));
    d.etichette.push_back(Testo(6.3, 7.2, sottotitolo1, Font(16, true, true), BluNotte, 173.0 - 6.3 - 1.0));
    d.etichette.push_back(Testo(173.0, 7.2, sottotitolo2, Font(16, true, true), BluNotte));
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
    Banda t;
    t.tipo = TipoBanda::Titolo;
    t.altezza = altezza;
    t.etichette.push_back(Testo(41.0, 1.3, intestazione.titoloProgramma, Font(48, true, true), Verde));
    t.figure.push_back(Immagine(5.3, 17.2, 33.1, 33.1, intestazione.logoProgramma, true));
    t.riquadri.push_back({42.3, 16.9, 97.6, 32.5});
    const double righe[3] = {24.9, 30.7, 38.1};
    for (int k = 0; k < 3; ++k)
        t.etichette.push_back(
            Testo(45.0, righe[k], intestazione.righeUtente[static_cast<size_t>(k)], Font(13), colori::Nero, 93.0));
    t.figure.push_back(Immagine(148.8, 17.2, 33.1, 33.1, figuraDestra, true));
    return t;
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
        const double w = f.larghezza * MmPerPixel, h = f.altezza * MmPerPixel;
        const double s = Scala(w, h, meta, 60.0);
        dati.figure.push_back(Immagine(x, cima, w * s, h * s, f.sorgente));
        basso = std::max(basso, cima + h * s);
    };
    riquadro(d.datiSistema, 5.3);
    riquadro(d.riepilogo, larghezza / 2 + 2);
    dati.altezza = basso + 2.0;
    r.bande.push_back(std::move(dati));

    Banda analisi;
    analisi.tipo = TipoBanda::Dettaglio;
    analisi.etichette.push_back(Testo(0, 0, "Analisi ", Font(16, true), Rosso, larghezza, Allineamento::Centro));
    {
        const double w = d.analisi.larghezza * MmPerPixel, h = d.analisi.altezza * MmPerPixel;
        const double s = Scala(w, h, larghezza, 120.0);
        analisi.figure.push_back(Immagine((larghezza - w * s) / 2, 6.0, w * s, h * s, d.analisi.sorgente));
        analisi.altezza = 6.0 + h * s + 3.0;
    }
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
    Banda t = IntestazioneComune(intestazione, intestazione.logoUtente, 184.7);
    const std::string &ruota = NomiRuote[IndiceRuotaConsulta];
    t.etichette.push_back(
        Testo(5.6, 51.9, "Sistema - Concorso : " + ruota + " elaborato il " + d.data + " ", Font(24, true), Blu));
    t.etichette.push_back(Testo(5.3, 67.5, "Tipo di riduzione " + d.riduzione, Font(19, false, true), Rosso));
    t.etichette.push_back(
        Testo(5.6, 78.1,
              Formato("Casuali %d Ultimi %d, Frequenze %d Ritardi %d", d.casuali, d.ultimi, d.frequenze, d.ritardi),
              Font(16, true), Porpora));
    t.etichette.push_back(Testo(5.6, 88.1,
                                "Numeri in combinazione " + (d.combinazione.empty() ? "Libero" : d.combinazione),
                                Font(16, true), Porpora));
    t.etichette.push_back(Testo(54.0, 97.4, "Numeri in Gioco", Font(24, true), Rosso));
    Figura numeri = Immagine(54.0, 110.9, 63.5, 63.5, d.numeriInGioco.sorgente, true);
    t.figure.push_back(std::move(numeri));
    t.etichette.push_back(Testo(71.7, 175.2, "Tabulato", Font(24, true), BluNotte));
    r.bande.push_back(std::move(t));

    r.bande.push_back(BandaTabulato(d.tabulato));
    r.bande.push_back(PiePagina());
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
