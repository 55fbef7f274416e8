#include "stats/Statistiche.h"

#include "app/Errore.h"

#include <algorithm>
#include <array>

namespace sestina::statistiche {

namespace {

enum class TipoTabella { Numeri, Ambi, Gruppi };

struct Tabella {
    const char *nome;
    TipoTabella tipo;
    int colonne, righe; // with the header row
    int righePerBlocco;
    std::array<const char *, 4> intestazioni;
    int larghezza;     // default column width
    int larghezzaVoce; // item columns
    int larghezzaFreq; // frequency columns
    ListaAmbi ambi;    // for pair tables
    Partizione gruppi; // for group tables
};

constexpr ListaAmbi NA = ListaAmbi::Gemelli;
constexpr Partizione NP = Partizione::Decine;

// clang-format off
const Tabella tabelle[NumeroListeVoci] = {
    {"Numeri", TipoTabella::Numeri, 20, 19, 18, {"N.", "R.At", "R.Mx", "Freq"}, 37, 37, 37, NA, NP},
    {"Ambi Gemelli", TipoTabella::Ambi, 8, 15, 14, {"Ambi Gemelli", "R.At.", "R.MX", "Frq"}, 50, 220, 50,
     ListaAmbi::Gemelli, NP},
    {"Ambi Vertibili", TipoTabella::Ambi, 8, 15, 14, {"Ambi Vertibili", "R.At.", "R.MX", "Frq"}, 50, 220, 50,
     ListaAmbi::Vertibili, NP},
    {"Ambi Figure", TipoTabella::Gruppi, 4, 10, 9, {"Ambi Figure", "Rit.At.", "Rit.MX", "Freq"}, 50, 220, 50, NA,
     Partizione::Figure},
    {"Ambi Quartine Radicali", TipoTabella::Gruppi, 4, 9, 8, {"Ambi Quartine Radicali", "Rit.At.", "Rit.MX", "Freq"},
     50, 220, 50, NA, Partizione::QuartineRadicali},
    {"Ambi Terzine Simmetriche", TipoTabella::Gruppi, 8, 16, 15, {"Ambi Terzine Simmetriche", "R.At.", "R.MX", "Frq"},
     50, 220, 50, NA, Partizione::TerzineSimmetriche},
    {"Ambi Consecutivi", TipoTabella::Ambi, 20, 19, 18, {"Ambi", "R.At.", "R.MX", "Frq"}, 40, 45, 28,
     ListaAmbi::Consecutivi, NP},
    {"Ambi Decine", TipoTabella::Gruppi, 4, 10, 9, {"Ambi Decina", "Rit.At.", "Rit.MX", "Freq"}, 50, 220, 50, NA,
     Partizione::Decine},
    {"Ambi Cadenze", TipoTabella::Gruppi, 4, 11, 10, {"Ambi Cadenze", "Rit.At.", "Rit.MX", "Freq"}, 50, 220, 50, NA,
     Partizione::Cadenze},
    {"Ambi Complementari", TipoTabella::Ambi, 16, 12, 11, {"Ambi", "R.At.", "R.MX", "Frq"}, 50, 50, 50,
     ListaAmbi::Complementari, NP},
    {"Ambi Diametrali", TipoTabella::Ambi, 12, 16, 15, {"Ambi Dmtrl", "R.At.", "R.Mx", "Frq"}, 50, 110, 50,
     ListaAmbi::Diametrali, NP},
    {"Ambi Cinquina Pentagonale", TipoTabella::Gruppi, 4, 19, 18, {"Ambi Pentagonali", "R.At.", "R.Mx", "Frq"}, 50,
     220, 50, NA, Partizione::CinquinePentagonali},
    {"Ambi Sestina Esagonale", TipoTabella::Gruppi, 4, 16, 15, {"Ambi Esagonali", "Rit.At.", "Rit.MX", "Freq"}, 50,
     220, 50, NA, Partizione::SestineEsagonali},
    {"Ambi Alternati", TipoTabella::Ambi, 20, 19, 18, {"Ambi", "R.At.", "R.MX", "Frq"}, 40, 45, 28,
     ListaAmbi::Alternati, NP},
};
// clang-format on

const Tabella &TabellaDi(ListaVoci l)
{
    return tabelle[static_cast<int>(l)];
}

} // namespace

const char *NomeTabella(ListaVoci l)
{
    return TabellaDi(l).nome;
}

std::optional<ListaVoci> TabellaDaNome(const std::string &nome)
{
    for (int i = 0; i < NumeroListeVoci; ++i)
        if (nome == tabelle[i].nome)
            return static_cast<ListaVoci>(i);
    return std::nullopt;
}

std::string TestoVoce(ListaVoci l, size_t indice)
{
    const Tabella &t = TabellaDi(l);
    switch (t.tipo) {
    case TipoTabella::Numeri:
        return std::to_string(indice + 1);
    case TipoTabella::Ambi:
        return Ambi(t.ambi).at(indice).Testo();
    case TipoTabella::Gruppi:
        return Gruppi(t.gruppi).at(indice).etichetta;
    }
    return {};
}

std::vector<size_t> OrdineVisualizzazione(const RisultatoRitardi &r, int ordine)
{
    std::vector<size_t> v(r.voci.size());
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = i;
    auto chiave = [&](size_t i) {
        const RecordRitardo &x = r.voci[i];
        switch (ordine) {
        case 1:
            return x.RitardoAttuale;
        case 2:
            return x.Frequenza;
        case 3:
            return x.RitardoMassimo;
        default:
            return 0;
        }
    };
    if (ordine >= 1 && ordine <= 3)
        std::stable_sort(v.begin(), v.end(), [&](size_t a, size_t b) { return chiave(a) > chiave(b); });
    return v;
}

int OrdineDaIntestazione(int colonna, int ordineAttuale)
{
    if (colonna < 0 || colonna > 15)
        return ordineAttuale;
    static const int chiavi[4] = {0, 1, 3, 2};
    return chiavi[colonna % 4];
}

Griglia GrigliaStatistica(ListaVoci l, const RisultatoRitardi &r, int ordine)
{
    const Tabella &t = TabellaDi(l);
    Griglia g(t.righe, t.colonne);
    g.righeFisse = 1;
    g.colonneFisse = 0;
    g.larghezzaColonnaPredefinita = t.larghezza;
    const std::array<Colore, 4> sfondi{colori::Bianco, coloristat::RitardoAttuale, coloristat::RitardoMassimo,
                                       coloristat::Frequenza};
    for (int c = 0; c < t.colonne; ++c) {
        const int k = c % 4;
        g.ImpostaLarghezza(c, k == 0 ? t.larghezzaVoce : (k == 3 ? t.larghezzaFreq : t.larghezza));
        Cella &h = g.cella(0, c);
        h.testo = t.intestazioni[static_cast<size_t>(k)];
        h.allineamento = Allineamento::Centro;
        for (int riga = 1; riga < t.righe; ++riga) {
            Cella &x = g.cella(riga, c);
            x.sfondo = sfondi[static_cast<size_t>(k)];
            // group labels carry their own leading blanks for alignment
            x.allineamento = (k == 0 && t.tipo == TipoTabella::Gruppi) ? Allineamento::Sinistra : Allineamento::Centro;
        }
    }

    const auto ordineVoci = OrdineVisualizzazione(r, ordine);
    int blocco = 0, riga = 1;
    for (size_t i : ordineVoci) {
        if (4 * blocco + 3 >= t.colonne)
            throw Errore("Troppe voci per la tabella");
        const RecordRitardo &x = r.voci[i];
        const int c = 4 * blocco;
        g.ImpostaTesto(riga, c, TestoVoce(l, i));
        const std::array<std::pair<int, int>, 3> valori{std::pair{x.RitardoAttuale, r.MassimoAttuale},
                                                        std::pair{x.RitardoMassimo, r.MassimoRitardo},
                                                        std::pair{x.Frequenza, r.MassimoFrequenza}};
        for (int k = 0; k < 3; ++k) {
            Cella &cella = g.cella(riga, c + 1 + k);
            cella.testo = std::to_string(valori[static_cast<size_t>(k)].first);
            cella.sfondo = valori[static_cast<size_t>(k)].first == valori[static_cast<size_t>(k)].second
                               ? colori::Giallo
                               : sfondi[static_cast<size_t>(k) + 1];
        }
        if (++riga > t.righePerBlocco) {
            riga = 1;
            ++blocco;
        }
    }
    return g;
}

Griglia MostraStatistica(const std::vector<archivio::Estrazione> &archivio, int inizio, int fine, ListaVoci l,
                         int ordine)
{
    return GrigliaStatistica(l, AnalisiRitardi(archivio, inizio, fine, VociDi(l)), ordine);
}

bool DateCompatibili(const archivio::RecordData &inizio, const archivio::RecordData &fine)
{
    return fine.data() >= inizio.data();
}

} // namespace sestina::statistiche
