#include "stats/StatisticheEstrazione.h"

#include "app/Testo.h"
#include "stats/Classi.h"

#include <algorithm>
#include <cstdlib>

namespace sestina::statistiche {

namespace {

// A sub-page grid: 16 rows, row numbers 1..15 in column 0, odd columns light cyan.
Griglia GrigliaSottopagina(int colonne, int larghezza)
{
    Griglia g(RigheTabellaEstrazioni + 1, colonne);
    g.righeFisse = 1;
    g.colonneFisse = 1;
    for (int c = 0; c < colonne; ++c) {
        g.ImpostaLarghezza(c, larghezza);
        g.cella(0, c).allineamento = Allineamento::Centro;
        for (int r = 1; r <= RigheTabellaEstrazioni; ++r) {
            Cella &x = g.cella(r, c);
            x.allineamento = Allineamento::Centro;
            x.sfondo = c % 2 == 1 ? colori::CianoChiaro : colori::Bianco;
        }
    }
    for (int r = 1; r <= RigheTabellaEstrazioni; ++r)
        g.ImpostaTesto(r, 0, std::to_string(r));
    return g;
}

// The columns of the pairs 1-2, 1-5, 2-3, 3-4 and 4-5.
constexpr std::array<int, 5> ColonneAmbiUniti{1, 4, 5, 8, 10};

Partizione PartizioneDi(ClassiEstrazione c)
{
    switch (c) {
    case ClassiEstrazione::Decine:
        return Partizione::Decine;
    case ClassiEstrazione::Cadenze:
        return Partizione::Cadenze;
    case ClassiEstrazione::Figure:
        return Partizione::Figure;
    case ClassiEstrazione::Radicali:
        return Partizione::QuartineRadicali;
    case ClassiEstrazione::Pentagoni:
        return Partizione::CinquinePentagonali;
    case ClassiEstrazione::Esagoni:
        return Partizione::SestineEsagonali;
    }
    return Partizione::Decine;
}

char LetteraDi(ClassiEstrazione c)
{
    static const char lettere[] = {'D', 'C', 'F', 'R', 'P', 'E'};
    return lettere[static_cast<int>(c)];
}

} // namespace

const std::array<CoppiaPosizioni, 15> &CoppieDistanze()
{
    static const std::array<CoppiaPosizioni, 15> coppie{{{1, 2},
                                                         {1, 3},
                                                         {1, 4},
                                                         {1, 5},
                                                         {2, 3},
                                                         {2, 4},
                                                         {2, 5},
                                                         {3, 4},
                                                         {3, 5},
                                                         {4, 5},
                                                         {1, 6},
                                                         {2, 6},
                                                         {3, 6},
                                                         {4, 6},
                                                         {5, 6}}};
    return coppie;
}

const std::array<std::string, 3> &VociMostraDistanze()
{
    static const std::array<std::string, 3> voci{"Distanza Ciclometriche", "Distanza Matematica",
                                                 "Somma Pondometrica"};
    return voci;
}

const std::array<std::string, 6> &VociClassiEstrazione()
{
    static const std::array<std::string, 6> voci{"Decine", "Cadenze", "Figure", "Radicali", "Pentagoni", "Esagoni"};
    return voci;
}

std::array<int, 8> ValoriRiga(const Griglia &tabella, int riga)
{
    std::array<int, 8> v{};
    if (riga < 0 || riga >= tabella.righe())
        return v;
    for (int i = 0; i < 8 && 2 + i < tabella.colonne(); ++i)
        v[static_cast<size_t>(i)] = LeggiInteroOppure(tabella.testo(riga, 2 + i), 0);
    return v;
}

bool RigaConDati(const Griglia &tabella, int riga)
{
    if (riga < 0 || riga >= tabella.righe())
        return false;
    for (int c = 2; c < 10 && c < tabella.colonne(); ++c)
        if (!Trim(tabella.testo(riga, c)).empty())
            return true;
    return false;
}

Colore OpzioniDistanze::ColoreDi(Evidenza e) const
{
    switch (e) {
    case Evidenza::Selezione:
        return coloreSelezione;
    case Evidenza::AmbiPosizione:
        return colorePosizione;
    case Evidenza::AmbiRipetuti:
        return coloreRipetuti;
    case Evidenza::AmbiUniti:
        return coloreUniti;
    case Evidenza::Nessuna:
        break;
    }
    return colori::Bianco;
}

int ValoreDistanza(ModoDistanze modo, int g, int h)
{
    const int d = std::abs(g - h);
    switch (modo) {
    case ModoDistanze::Ciclometriche:
        return d > 45 ? 90 - d : d;
    case ModoDistanze::Matematica:
        return d;
    case ModoDistanze::Pondometrica:
        return Fuori90(g + h);
    }
    return d;
}

RisultatoDistanze GrigliaDistanze(const Griglia &tabella, const OpzioniDistanze &o)
{
    RisultatoDistanze ris;
    Griglia &g = ris.griglia;
    g = GrigliaSottopagina(16, 28);
    const auto &coppie = CoppieDistanze();
    for (int c = 1; c <= 15; ++c) {
        const CoppiaPosizioni &k = coppie[static_cast<size_t>(c - 1)];
        g.ImpostaTesto(0, c, std::to_string(k.p) + "-" + std::to_string(k.q));
    }
    std::array<bool, 16> conDati{};
    for (int r = 1; r <= RigheTabellaEstrazioni; ++r) {
        conDati[static_cast<size_t>(r)] = RigaConDati(tabella, r);
        const auto v = ValoriRiga(tabella, r);
        for (int c = 1; c <= 15; ++c) {
            const CoppiaPosizioni &k = coppie[static_cast<size_t>(c - 1)];
            const int valore =
                ValoreDistanza(o.modo, v[static_cast<size_t>(k.p - 1)], v[static_cast<size_t>(k.q - 1)]);
            g.ImpostaTesto(r, c, std::to_string(valore));
            if (o.selezione && conDati[static_cast<size_t>(r)] && valore >= 1 && valore <= 90 &&
                o.valoriSelezionati.test(static_cast<size_t>(valore)))
                ris.evidenze[static_cast<size_t>(r)][static_cast<size_t>(c)] = Evidenza::Selezione;
        }
    }
    // Rows without a draw read as zeros; they take no part in the repetitions.
    auto stessaColonna = [&](int c, Evidenza e) {
        for (int r1 = 1; r1 <= RigheTabellaEstrazioni; ++r1)
            for (int r2 = r1 + 1; r2 <= RigheTabellaEstrazioni; ++r2)
                if (conDati[static_cast<size_t>(r1)] && conDati[static_cast<size_t>(r2)] &&
                    g.testo(r1, c) == g.testo(r2, c)) {
                    ris.evidenze[static_cast<size_t>(r1)][static_cast<size_t>(c)] = e;
                    ris.evidenze[static_cast<size_t>(r2)][static_cast<size_t>(c)] = e;
                }
    };
    if (o.ambiPosizione)
        for (int c = 1; c <= 15; ++c)
            stessaColonna(c, Evidenza::AmbiPosizione);
    if (o.ambiUniti)
        for (int c : ColonneAmbiUniti)
            stessaColonna(c, Evidenza::AmbiUniti);
    if (o.ambiRipetuti)
        for (int r = 1; r <= RigheTabellaEstrazioni; ++r) {
            if (!conDati[static_cast<size_t>(r)])
                continue;
            for (int c1 = 1; c1 <= 15; ++c1)
                for (int c2 = c1 + 1; c2 <= 15; ++c2)
                    if (g.testo(r, c1) == g.testo(r, c2)) {
                        ris.evidenze[static_cast<size_t>(r)][static_cast<size_t>(c1)] = Evidenza::AmbiRipetuti;
                        ris.evidenze[static_cast<size_t>(r)][static_cast<size_t>(c2)] = Evidenza::AmbiRipetuti;
                    }
        }
    for (int r = 1; r <= RigheTabellaEstrazioni; ++r)
        for (int c = 1; c <= 15; ++c)
            if (Evidenza e = ris.evidenze[static_cast<size_t>(r)][static_cast<size_t>(c)]; e != Evidenza::Nessuna)
                g.cella(r, c).sfondo = o.ColoreDi(e);
    return ris;
}

void EvidenziaTabellaEstrazioni(Griglia &tabella, const RisultatoDistanze &distanze, const OpzioniDistanze &o)
{
    const int righe = std::min(tabella.righe() - 1, RigheTabellaEstrazioni);
    const int colonne = std::min(tabella.colonne(), 10);
    for (int r = 1; r <= righe; ++r)
        for (int c = 2; c < colonne; ++c)
            tabella.cella(r, c).sfondo = colori::Bianco;
    const auto &coppie = CoppieDistanze();
    for (int r = 1; r <= righe; ++r)
        for (int c = 1; c <= 15; ++c) {
            const Evidenza e = distanze.evidenze[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (e == Evidenza::Nessuna)
                continue;
            const CoppiaPosizioni &k = coppie[static_cast<size_t>(c - 1)];
            for (int pos : {k.p, k.q})
                if (1 + pos < colonne)
                    tabella.cella(r, 1 + pos).sfondo = o.ColoreDi(e);
        }
}

bool CommutaSelezione(OpzioniDistanze &o, const Griglia &distanze, int riga, int colonna)
{
    if (riga < 1 || riga >= distanze.righe() || colonna < 1 || colonna >= distanze.colonne())
        return false;
    const int valore = LeggiInteroOppure(distanze.testo(riga, colonna), 0);
    if (valore < 1 || valore > 90)
        return false;
    // Toggled by membership, so a selected cell that a later highlight repainted can still be unselected.
    o.valoriSelezionati.flip(static_cast<size_t>(valore));
    return true;
}

Griglia GrigliaClassi(const Griglia &tabella, ClassiEstrazione classi)
{
    Griglia g = GrigliaSottopagina(9, 28);
    for (int c = 1; c <= 8; ++c)
        g.ImpostaTesto(0, c, std::to_string(c));
    const Partizione p = PartizioneDi(classi);
    for (int r = 1; r <= RigheTabellaEstrazioni; ++r) {
        if (!RigaConDati(tabella, r))
            continue;
        const auto v = ValoriRiga(tabella, r);
        for (int c = 1; c <= 8; ++c) {
            const int x = v[static_cast<size_t>(c - 1)];
            if (x < 1 || x > 90)
                continue;
            const int indice = IndiceGruppo(p, x);
            // Only the quartine leave numbers out, with index 0; cadenza 0 is a real group.
            if (indice == 0 && p == Partizione::QuartineRadicali)
                continue;
            g.ImpostaTesto(r, c, std::to_string(indice));
        }
    }
    return g;
}

std::vector<std::string> LegendaClassi(ClassiEstrazione classi)
{
    std::vector<std::string> righe;
    const char lettera = LetteraDi(classi);
    for (const Gruppo &gr : Gruppi(PartizioneDi(classi)))
        righe.push_back(Formato("%c %.2d = %s", lettera, gr.indice, gr.etichetta.c_str()));
    return righe;
}

Griglia GrigliaDatiStatistici(const Griglia &tabella)
{
    Griglia g = GrigliaSottopagina(10, 36);
    static const char *const intestazioni[] = {"", "Pa", "Di", "Mn", "Mx", "Dis", "Cic", "S90", "So", "Me"};
    for (int c = 1; c < 10; ++c)
        g.ImpostaTesto(0, c, intestazioni[c]);
    for (int r = 1; r <= RigheTabellaEstrazioni; ++r) {
        const auto tutti = ValoriRiga(tabella, r);
        // A superstar 0 (a draw from before the SuperStar) is no value: it is
        // neither even nor the minimum. A row without a draw keeps its zeros.
        std::vector<int> v;
        for (int x : tutti)
            if (x >= 1 && x <= 90)
                v.push_back(x);
        if (v.empty())
            v.assign(tutti.begin(), tutti.end());
        int pari = 0, somma = 0;
        for (int x : v) {
            pari += x % 2 == 0 ? 1 : 0;
            somma += x;
        }
        const int mn = *std::min_element(v.begin(), v.end());
        const int mx = *std::max_element(v.begin(), v.end());
        const std::string valori[] = {std::to_string(pari),
                                      std::to_string(static_cast<int>(v.size()) - pari),
                                      std::to_string(mn),
                                      std::to_string(mx),
                                      std::to_string(mx - mn),
                                      std::to_string(Riduci45(mx - mn)),
                                      std::to_string(Fuori90(somma)),
                                      std::to_string(somma),
                                      FormatoDecimale(somma / 5.0, 1)};
        for (int c = 1; c < 10; ++c)
            g.ImpostaTesto(r, c, valori[c - 1]);
    }
    return g;
}

} // namespace sestina::statistiche
