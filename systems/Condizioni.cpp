#include "systems/Condizioni.h"

#include "app/Errore.h"
#include "app/Testo.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <iterator>

namespace sestina::sistemi {
namespace {

__extension__ typedef unsigned __int128 Maschera;

Maschera Bit(int n)
{
    return Maschera{1} << n;
}

// Longest run of consecutive numbers in a set held as bits.
int CorsaPiuLunga(Maschera m)
{
    int lunghezza = 0;
    while (m) {
        m &= m >> 1;
        ++lunghezza;
    }
    return lunghezza;
}

std::string TestoLimiti(const Limiti &l)
{
    return std::to_string(l.minimo) + "-" + std::to_string(l.massimo);
}

std::string TestoLista(const std::vector<int> &numeri)
{
    std::string s;
    for (int n : numeri) {
        if (!s.empty())
            s += ' ';
        s += std::to_string(n);
    }
    return s;
}

void ControllaLimiti(const std::optional<Limiti> &l, const char *nome, int massimo)
{
    if (!l)
        return;
    if (l->minimo < 0 || l->massimo > massimo || l->minimo > l->massimo)
        throw Errore(std::string("Condizione \"") + nome + "\": minimo e massimo vanno da 0 a " +
                     std::to_string(massimo) + ", il minimo non oltre il massimo");
}

void ControllaMassimo(const std::optional<int> &m, const char *nome)
{
    if (m && (*m < 0 || *m > 10))
        throw Errore(std::string("Condizione \"") + nome + "\": il massimo va da 0 a 10");
}

void ControllaNumeri(const std::vector<int> &numeri, const std::string &dove)
{
    std::array<bool, 91> visto{};
    for (int n : numeri) {
        if (n < 1 || n > 90)
            throw Errore(dove + ": " + std::to_string(n) + " non è un numero da 1 a 90");
        if (visto[n])
            throw Errore(dove + ": il numero " + std::to_string(n) + " è ripetuto");
        visto[n] = true;
    }
}

// Incremental state of a partial column; every counter only grows as numbers are added.
struct Stato {
    int pari = 0, bassi = 0, somma = 0, minimo = 91, massimo = 0;
    std::array<std::uint8_t, 9> decine{};
    std::array<std::uint8_t, 10> cadenze{};
    std::array<std::uint8_t, 10> figure{};
    std::array<std::uint8_t, GruppiMassimi> gruppi{};
    Maschera maschera = 0;
};

// The pruned walk over the (k - bases)-subsets of the variants.
class Percorso {
public:
    Percorso(const SviluppoCondizionato &s, const Condizioni &c) : m_s(s), m_c(c)
    {
        m_bisogno = s.k - static_cast<int>(s.basi.size());
        const Limiti tutto{0, 1000};
        m_pari = c.pari.value_or(tutto);
        m_bassi = c.bassi.value_or(tutto);
        m_somma = c.somma.value_or(tutto);
        m_escursione = c.escursione.value_or(tutto);
        m_decina = c.decinaMax.value_or(1000);
        m_cadenza = c.cadenzaMax.value_or(1000);
        m_figura = c.figuraMax.value_or(1000);
        m_consecutivi = c.consecutiviMax.value_or(1000);
        for (std::size_t g = 0; g < c.gruppi.size(); ++g)
            for (int n : c.gruppi[g].numeri)
                m_gruppiDi[n] |= static_cast<std::uint16_t>(1u << g);
        m_colonna.assign(s.basi.begin(), s.basi.end());
    }

    // Walks every kept column; f(column) returning true stops. Returns true when stopped.
    template <class F> bool Percorri(F &&f)
    {
        Stato st;
        int restano = m_s.k;
        for (int n : m_s.basi)
            if (!Aggiungi(st, n, --restano))
                return false;
        if (m_bisogno == 0)
            return Foglia(st) ? f(m_colonna) : false;
        return Scendi(st, 0, 0, f);
    }

private:
    // Adds n; false when no completion with `restano` more numbers can meet the conditions.
    bool Aggiungi(Stato &st, int n, int restano) const
    {
        st.pari += (n % 2 == 0);
        st.bassi += (n <= 45);
        st.somma += n;
        st.minimo = std::min(st.minimo, n);
        st.massimo = std::max(st.massimo, n);
        st.maschera |= Bit(n);
        if (st.pari > m_pari.massimo || st.pari + restano < m_pari.minimo)
            return false;
        if (st.bassi > m_bassi.massimo || st.bassi + restano < m_bassi.minimo)
            return false;
        if (st.somma > m_somma.massimo || st.massimo - st.minimo > m_escursione.massimo)
            return false;
        if (++st.decine[DecinaDi(n)] > m_decina || ++st.cadenze[CadenzaDi(n)] > m_cadenza ||
            ++st.figure[FiguraDi(n)] > m_figura)
            return false;
        for (std::uint16_t g = m_gruppiDi[n]; g; g &= g - 1)
            ++st.gruppi[std::countr_zero(g)];
        for (std::size_t g = 0; g < m_c.gruppi.size(); ++g) {
            const auto &l = m_c.gruppi[g].limiti;
            if (st.gruppi[g] > l.massimo || st.gruppi[g] + restano < l.minimo)
                return false;
        }
        if (m_consecutivi < 1000 && CorsaPiuLunga(st.maschera) > m_consecutivi)
            return false;
        return true;
    }

    // The conditions that only a whole column can settle.
    bool Foglia(const Stato &st) const
    {
        return st.somma >= m_somma.minimo && st.massimo - st.minimo >= m_escursione.minimo;
    }

    template <class F> bool Scendi(const Stato &st, int da, int profondita, F &f)
    {
        const int nv = static_cast<int>(m_s.varianti.size());
        const int restano = m_bisogno - profondita - 1;
        for (int j = da; j <= nv - (restano + 1); ++j) {
            Stato figlio = st;
            const int n = m_s.varianti[j];
            if (!Aggiungi(figlio, n, restano))
                continue;
            m_colonna.push_back(n);
            bool stop = false;
            if (restano == 0)
                stop = Foglia(figlio) && f(m_colonna);
            else
                stop = Scendi(figlio, j + 1, profondita + 1, f);
            m_colonna.pop_back();
            if (stop)
                return true;
        }
        return false;
    }

    const SviluppoCondizionato &m_s;
    const Condizioni &m_c;
    int m_bisogno = 0;
    Limiti m_pari, m_bassi, m_somma, m_escursione;
    int m_decina, m_cadenza, m_figura, m_consecutivi;
    std::array<std::uint16_t, 91> m_gruppiDi{};
    std::vector<int> m_colonna;
};

std::vector<int> NumeriDistinti(const std::vector<int> &numeri)
{
    std::vector<int> v;
    for (int n : numeri)
        if (std::find(v.begin(), v.end(), n) == v.end())
            v.push_back(n);
    return v;
}

} // namespace

bool Condizioni::Filtrano() const
{
    return pari || bassi || somma || escursione || decinaMax || cadenzaMax || figuraMax || consecutiviMax ||
           !gruppi.empty();
}

void ControllaCondizioni(const Condizioni &c)
{
    ControllaLimiti(c.pari, "pari", 10);
    ControllaLimiti(c.bassi, "bassi", 10);
    ControllaLimiti(c.somma, "somma", 900);
    ControllaLimiti(c.escursione, "escursione", 89);
    ControllaMassimo(c.decinaMax, "decina-max");
    ControllaMassimo(c.cadenzaMax, "cadenza-max");
    ControllaMassimo(c.figuraMax, "figura-max");
    ControllaMassimo(c.consecutiviMax, "consecutivi-max");
    if (c.gruppi.size() > GruppiMassimi)
        throw Errore("Al massimo " + std::to_string(GruppiMassimi) + " gruppi di numeri");
    for (std::size_t g = 0; g < c.gruppi.size(); ++g) {
        const std::string nome = "Gruppo " + std::to_string(g + 1);
        if (c.gruppi[g].numeri.empty())
            throw Errore(nome + ": nessun numero");
        ControllaNumeri(c.gruppi[g].numeri, nome);
        const auto &l = c.gruppi[g].limiti;
        if (l.minimo < 0 || l.massimo > 10 || l.minimo > l.massimo)
            throw Errore(nome + ": minimo e massimo vanno da 0 a 10, il minimo non oltre il massimo");
    }
    ControllaNumeri(c.basi, "Basi");
}

bool RispettaCondizioni(const Condizioni &c, const std::vector<int> &numeri)
{
    auto dentro = [](const std::optional<Limiti> &l, int v) { return !l || (v >= l->minimo && v <= l->massimo); };
    int pari = 0, bassi = 0, somma = 0;
    std::array<int, 9> decine{};
    std::array<int, 10> cadenze{}, figure{};
    Maschera m = 0;
    for (int n : numeri) {
        pari += n % 2 == 0;
        bassi += n <= 45;
        somma += n;
        ++decine[DecinaDi(n)];
        ++cadenze[CadenzaDi(n)];
        ++figure[FiguraDi(n)];
        m |= Bit(n);
    }
    const auto [mn, mx] = std::minmax_element(numeri.begin(), numeri.end());
    const int escursione = numeri.empty() ? 0 : *mx - *mn;
    auto massimo = [](const std::optional<int> &lim, const auto &conteggi) {
        return !lim || *std::max_element(conteggi.begin(), conteggi.end()) <= *lim;
    };
    if (!dentro(c.pari, pari) || !dentro(c.bassi, bassi) || !dentro(c.somma, somma) ||
        !dentro(c.escursione, escursione))
        return false;
    if (!massimo(c.decinaMax, decine) || !massimo(c.cadenzaMax, cadenze) || !massimo(c.figuraMax, figure))
        return false;
    if (c.consecutiviMax && CorsaPiuLunga(m) > *c.consecutiviMax)
        return false;
    for (const auto &g : c.gruppi) {
        int dentroGruppo = 0;
        for (int n : numeri)
            dentroGruppo += std::find(g.numeri.begin(), g.numeri.end(), n) != g.numeri.end();
        if (dentroGruppo < g.limiti.minimo || dentroGruppo > g.limiti.massimo)
            return false;
    }
    return true;
}

std::vector<VoceCondizione> VociCondizioni(const Condizioni &c)
{
    std::vector<VoceCondizione> voci;
    auto aggiungi = [&](std::string nome, Condizioni sola) {
        voci.push_back({std::move(nome), [sola](const std::vector<int> &n) { return RispettaCondizioni(sola, n); }});
    };
    auto limiti = [&](const std::optional<Limiti> &l, const char *nome, std::optional<Limiti> Condizioni::*campo) {
        if (!l)
            return;
        Condizioni sola;
        sola.*campo = l;
        aggiungi(std::string(nome) + " " + TestoLimiti(*l), sola);
    };
    auto massimo = [&](const std::optional<int> &m, const char *nome, std::optional<int> Condizioni::*campo) {
        if (!m)
            return;
        Condizioni sola;
        sola.*campo = m;
        aggiungi(std::string(nome) + " al massimo " + std::to_string(*m), sola);
    };
    limiti(c.pari, "Pari", &Condizioni::pari);
    limiti(c.bassi, "Da 1 a 45", &Condizioni::bassi);
    limiti(c.somma, "Somma", &Condizioni::somma);
    limiti(c.escursione, "Escursione", &Condizioni::escursione);
    massimo(c.decinaMax, "Per decina", &Condizioni::decinaMax);
    massimo(c.cadenzaMax, "Per cadenza", &Condizioni::cadenzaMax);
    massimo(c.figuraMax, "Per figura", &Condizioni::figuraMax);
    massimo(c.consecutiviMax, "Consecutivi", &Condizioni::consecutiviMax);
    for (std::size_t g = 0; g < c.gruppi.size(); ++g) {
        Condizioni sola;
        sola.gruppi = {c.gruppi[g]};
        aggiungi("Gruppo " + std::to_string(g + 1) + " (" + TestoLista(c.gruppi[g].numeri) + ") " +
                     TestoLimiti(c.gruppi[g].limiti),
                 sola);
    }
    return voci;
}

SviluppoCondizionato PreparaSviluppo(const std::vector<int> &numeriInGioco, int k, const Condizioni &c)
{
    ControllaCondizioni(c);
    SviluppoCondizionato s;
    s.k = k;
    const auto numeri = NumeriDistinti(numeriInGioco);
    for (int b : c.basi)
        if (std::find(numeri.begin(), numeri.end(), b) == numeri.end())
            throw Errore("La base " + std::to_string(b) + " non è tra i numeri in gioco");
    if (static_cast<int>(c.basi.size()) >= k && k > 0)
        throw Errore("Le basi devono essere meno dei numeri in combinazione (" + std::to_string(k) + ")");
    for (int n : numeri) {
        if (std::find(c.basi.begin(), c.basi.end(), n) != c.basi.end())
            s.basi.push_back(n);
        else
            s.varianti.push_back(n);
    }
    s.integrali = Combinazioni(static_cast<int>(s.varianti.size()), k - static_cast<int>(s.basi.size()));
    return s;
}

std::optional<std::string> ControllaSviluppoCondizionato(const std::vector<int> &numeriInGioco, int k,
                                                         const Condizioni &c)
{
    const auto s = PreparaSviluppo(numeriInGioco, k, c);
    if (s.integrali > LimiteColonne)
        return std::string(MsgTroppeColonne);
    if (static_cast<int>(s.basi.size() + s.varianti.size()) < k)
        return std::string(MsgSviluppoImpossibile);
    return std::nullopt;
}

std::uint64_t ContaColonneCondizionate(const std::vector<int> &numeriInGioco, int k, const Condizioni &c)
{
    const auto s = PreparaSviluppo(numeriInGioco, k, c);
    if (!c.Filtrano())
        return s.integrali;
    std::uint64_t n = 0;
    Percorso p(s, c);
    (void)p.Percorri([&](const std::vector<int> &) {
        ++n;
        return false;
    });
    return n;
}

bool PercorriColonneCondizionate(const std::vector<int> &numeriInGioco, int k, const Condizioni &c,
                                 const std::function<bool(const std::vector<int> &)> &colonna)
{
    const auto s = PreparaSviluppo(numeriInGioco, k, c);
    Percorso p(s, c);
    return p.Percorri(colonna);
}

std::string TestoConteggio(std::uint64_t integrali, std::uint64_t tenute)
{
    return "Colonne: " + SeparaMigliaia(std::to_string(integrali)) + " \u2192 " +
           SeparaMigliaia(std::to_string(tenute));
}

EsitoSviluppo SviluppaSistemaCondizionato(const std::vector<int> &numeriInGioco, int k, int livello,
                                          const Condizioni &c, std::vector<Colonna> &lista, Progresso *progresso)
{
    lista.clear();
    const auto s = PreparaSviluppo(numeriInGioco, k, c);
    if (s.integrali > LimiteColonne)
        throw Errore(MsgTroppeColonne);
    EsitoSviluppo e;
    e.elaborate = static_cast<long>(s.integrali);
    Percorso p(s, c);
    e.interrotto = p.Percorri([&](const std::vector<int> &col) {
        lista.push_back(StringaDaValori(col));
        if (progresso && lista.size() % 4096 == 1) {
            progresso->Avanza(e.elaborate, static_cast<long>(lista.size()));
            return progresso->Interrompi();
        }
        return false;
    });
    if (!e.interrotto && livello > 0)
        e.interrotto = RiduciColonne(livello, lista, progresso);
    e.ridotte = static_cast<long>(lista.size());
    if (progresso && !e.interrotto)
        progresso->Avanza(e.elaborate, e.ridotte);
    return e;
}

std::string TestoPercentuale(int parte, int totale)
{
    if (totale <= 0)
        return "";
    const long long decimi = (2000LL * parte + totale) / (2LL * totale); // rounded half up
    return std::to_string(decimi / 10) + "," + std::to_string(decimi % 10) + " %";
}

std::vector<EsitoStorico> VerificaStorica(const Condizioni &c, const std::vector<archivio::Estrazione> &archivio)
{
    ControllaCondizioni(c);
    auto voci = VociCondizioni(c);
    if (voci.size() > 1)
        voci.push_back({"Tutte le condizioni", [c](const std::vector<int> &n) { return RispettaCondizioni(c, n); }});
    std::vector<EsitoStorico> esiti(voci.size());
    for (std::size_t i = 0; i < voci.size(); ++i) {
        esiti[i].nome = voci[i].nome;
        esiti[i].estrazioni = static_cast<int>(archivio.size());
    }
    std::vector<int> sei(6);
    for (const auto &e : archivio) {
        for (int i = 0; i < 6; ++i)
            sei[i] = e.numeri.numeri[i];
        std::sort(sei.begin(), sei.end());
        for (std::size_t i = 0; i < voci.size(); ++i) {
            if (voci[i].rispettata(sei))
                ++esiti[i].rispettata;
            else
                esiti[i].ultimaMancata = e.data; // oldest first: the last one read is the latest
        }
    }
    return esiti;
}

Griglia GrigliaVerificaStorica(const std::vector<EsitoStorico> &esiti)
{
    Griglia g(static_cast<int>(esiti.size()) + 1, 5);
    g.righeFisse = 1;
    const char *intestazioni[] = {"Condizione", "Rispettata", "Estrazioni", "Percentuale", "Ultima mancata"};
    const int larghezze[] = {260, 80, 80, 90, 100};
    for (int x = 0; x < 5; ++x) {
        g.ImpostaTesto(0, x, intestazioni[x]);
        g.ImpostaLarghezza(x, larghezze[x]);
    }
    for (std::size_t i = 0; i < esiti.size(); ++i) {
        const int y = static_cast<int>(i) + 1;
        const auto &e = esiti[i];
        g.ImpostaTesto(y, 0, e.nome);
        g.ImpostaTesto(y, 1, std::to_string(e.rispettata));
        g.ImpostaTesto(y, 2, std::to_string(e.estrazioni));
        g.ImpostaTesto(y, 3, TestoPercentuale(e.rispettata, e.estrazioni));
        std::string data = "mai";
        if (e.ultimaMancata) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", e.ultimaMancata->giorno % 100, e.ultimaMancata->mese % 100,
                          e.ultimaMancata->anno % 10000);
            data = buf;
        }
        g.ImpostaTesto(y, 4, data);
        for (int x = 1; x < 5; ++x)
            g.cella(y, x).allineamento = Allineamento::Destra;
    }
    return g;
}

RisultatoGaranzia VerificaGaranziaCondizionata(const std::vector<Colonna> &colonne,
                                               const std::vector<int> &numeriInGioco, int k, const Condizioni &c)
{
    if (colonne.empty())
        throw Errore("Nessuna colonna da verificare");
    if (k < 1 || k > EstrattiMassimi)
        throw Errore("I numeri estratti vanno da 1 a " + std::to_string(EstrattiMassimi));
    auto numeri = NumeriDistinti(numeriInGioco);
    std::sort(numeri.begin(), numeri.end());
    const int n = static_cast<int>(numeri.size());
    std::array<int, 91> posizione;
    posizione.fill(-1);
    for (int i = 0; i < n; ++i)
        posizione[numeri[i]] = i;
    // Binomials for colex ranks of subsets of positions.
    std::vector<std::array<std::uint64_t, EstrattiMassimi + 2>> C(n + 1);
    for (int i = 0; i <= n; ++i) {
        C[i].fill(0);
        C[i][0] = 1;
        for (int j = 1; j <= EstrattiMassimi + 1 && j <= i; ++j)
            C[i][j] = C[i - 1][j - 1] + (j <= i - 1 ? C[i - 1][j] : 0);
    }
    const int livelli = std::min(k, n);
    constexpr std::uint64_t BitMassimi = std::uint64_t{1} << 29;
    for (int h = 1; h <= livelli; ++h)
        if (C[n][h] > BitMassimi)
            throw Errore("Troppe combinazioni da verificare: riduci i numeri in gioco o le colonne");
    // segnati[h]: every h-subset of the numbers in play that some column holds.
    std::vector<std::vector<std::uint64_t>> segnati(livelli + 1);
    for (int h = 1; h <= livelli; ++h)
        segnati[h].assign((C[n][h] + 63) / 64, 0);
    std::vector<int> pos;
    for (const auto &col : colonne) {
        pos.clear();
        for (unsigned char b : col)
            if (b <= 90 && posizione[b] >= 0 && std::find(pos.begin(), pos.end(), posizione[b]) == pos.end())
                pos.push_back(posizione[b]);
        std::sort(pos.begin(), pos.end());
        const int l = static_cast<int>(pos.size());
        for (int h = 1; h <= std::min(l, livelli); ++h) {
            std::function<void(int, int, std::uint64_t)> marca = [&](int da, int i, std::uint64_t rango) {
                if (i == h) {
                    segnati[h][rango >> 6] |= std::uint64_t{1} << (rango & 63);
                    return;
                }
                for (int j = da; j <= l - (h - i); ++j)
                    marca(j + 1, i + 1, rango + C[pos[j]][i + 1]);
            };
            marca(0, 0, 0);
        }
    }
    RisultatoGaranzia r;
    r.numeri = numeri;
    r.k = k;
    RigaGaranzia riga;
    riga.estratti = k;
    riga.conteggi.assign(k + 1, 0);
    if (n >= k) {
        std::vector<int> s;
        (void)PercorriColonneCondizionate(numeriInGioco, k, c, [&](const std::vector<int> &sub) {
            s.clear();
            for (int x : sub)
                s.push_back(posizione[x]);
            std::sort(s.begin(), s.end());
            int meglio = 0;
            for (int h = k; h >= 1 && meglio == 0; --h) {
                bool trovato = false;
                std::function<void(int, int, std::uint64_t)> cerca = [&](int da, int i, std::uint64_t rango) {
                    if (trovato)
                        return;
                    if (i == h) {
                        trovato = segnati[h][rango >> 6] >> (rango & 63) & 1;
                        return;
                    }
                    for (int j = da; j <= k - (h - i) && !trovato; ++j)
                        cerca(j + 1, i + 1, rango + C[s[j]][i + 1]);
                };
                cerca(0, 0, 0);
                if (trovato)
                    meglio = h;
            }
            ++riga.combinazioni;
            ++riga.conteggi[meglio];
            return false;
        });
    }
    riga.garanzia = 0;
    while (riga.garanzia < k && riga.conteggi[riga.garanzia] == 0)
        ++riga.garanzia;
    r.righe.push_back(std::move(riga));
    r.garanzia = n >= k && r.righe.front().combinazioni > 0 ? r.righe.front().garanzia : -1;
    return r;
}

// --- ".cnd" ---

std::string PercorsoCondizioni(const std::string &percorsoStm)
{
    const auto punto = percorsoStm.find_last_of('.');
    const auto barra = percorsoStm.find_last_of("/\\");
    if (punto == std::string::npos || (barra != std::string::npos && punto < barra))
        return percorsoStm + ".cnd";
    return percorsoStm.substr(0, punto) + ".cnd";
}

TExStringList RigheCondizioni(const Condizioni &c)
{
    TExStringList r;
    for (const auto &l : CondizioniLimiti)
        if (const auto &v = c.*l.campo)
            r.Add(std::string(l.nome) + "=" + TestoLimiti(*v));
    for (const auto &m : CondizioniMassimi)
        if (const auto &v = c.*m.campo)
            r.Add(std::string(m.nome) + "=" + std::to_string(*v));
    for (const auto &g : c.gruppi)
        r.Add("gruppo=" + TestoLista(g.numeri) + ":" + TestoLimiti(g.limiti));
    if (!c.basi.empty())
        r.Add("basi=" + TestoLista(c.basi));
    return r;
}

std::optional<std::vector<int>> LeggiListaNumeri(const std::string &testo)
{
    std::vector<int> numeri;
    std::string cifre;
    auto chiudi = [&]() -> bool {
        if (cifre.empty())
            return true;
        if (cifre.size() > 2)
            return false;
        numeri.push_back(std::stoi(cifre));
        cifre.clear();
        return true;
    };
    for (char ch : testo) {
        if (ch >= '0' && ch <= '9')
            cifre += ch;
        else if (ch == ' ' || ch == ',' || ch == '\t') {
            if (!chiudi())
                return std::nullopt;
        } else
            return std::nullopt;
    }
    if (!chiudi())
        return std::nullopt;
    return numeri;
}

std::optional<Limiti> LeggiLimiti(const std::string &testo)
{
    const std::string t = Trim(testo);
    const auto trattino = t.find('-');
    if (trattino == std::string::npos || trattino == 0 || trattino + 1 >= t.size())
        return std::nullopt;
    const std::string a = Trim(t.substr(0, trattino)), b = Trim(t.substr(trattino + 1));
    auto tutteCifre = [](const std::string &s) {
        return !s.empty() && s.size() <= 4 &&
               std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    };
    if (!tutteCifre(a) || !tutteCifre(b))
        return std::nullopt;
    return Limiti{std::stoi(a), std::stoi(b)};
}

std::optional<GruppoNumeri> LeggiGruppo(const std::string &testo)
{
    const auto duepunti = testo.rfind(':');
    if (duepunti == std::string::npos)
        return std::nullopt;
    auto numeri = LeggiListaNumeri(testo.substr(0, duepunti));
    auto limiti = LeggiLimiti(testo.substr(duepunti + 1));
    if (!numeri || numeri->empty() || !limiti)
        return std::nullopt;
    std::sort(numeri->begin(), numeri->end());
    return GruppoNumeri{*numeri, *limiti};
}

Condizioni CondizioniDaRighe(const TExStringList &righe, const std::string &nomeFile)
{
    Condizioni c;
    for (int i = 0; i < righe.Count(); ++i) {
        const std::string riga = Trim(righe[i]);
        const std::string dove =
            (nomeFile.empty() ? std::string("Condizioni") : nomeFile) + ", riga " + std::to_string(i + 1);
        if (riga.empty())
            continue;
        const auto uguale = riga.find('=');
        if (uguale == std::string::npos)
            throw Errore(dove + ": manca \"=\" (per esempio pari=3-3): \"" + riga + "\"", nomeFile);
        const std::string nome = Trim(riga.substr(0, uguale));
        const std::string valore = Trim(riga.substr(uguale + 1));
        auto errato = [&](const std::string &atteso) {
            return Errore(dove + ": valore non valido per \"" + nome + "\" (" + atteso + "): \"" + valore + "\"",
                          nomeFile);
        };
        auto unico = [&](bool presente) {
            if (presente)
                throw Errore(dove + ": \"" + nome + "\" è già indicato", nomeFile);
        };
        auto limiti = [&](std::optional<Limiti> &campo) {
            unico(campo.has_value());
            campo = LeggiLimiti(valore);
            if (!campo)
                throw errato("minimo-massimo, per esempio 2-4");
        };
        auto massimo = [&](std::optional<int> &campo) {
            unico(campo.has_value());
            const int v = LeggiInteroOppure(valore, -1);
            if (v < 0 || valore.empty() ||
                !std::all_of(valore.begin(), valore.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
                throw errato("un numero");
            campo = v;
        };
        const auto l = std::find_if(std::begin(CondizioniLimiti), std::end(CondizioniLimiti),
                                    [&](const CondizioneLimiti &x) { return nome == x.nome; });
        const auto m = std::find_if(std::begin(CondizioniMassimi), std::end(CondizioniMassimi),
                                    [&](const CondizioneMassimo &x) { return nome == x.nome; });
        if (l != std::end(CondizioniLimiti))
            limiti(c.*l->campo);
        else if (m != std::end(CondizioniMassimi))
            massimo(c.*m->campo);
        else if (nome == "gruppo") {
            auto g = LeggiGruppo(valore);
            if (!g)
                throw errato("numeri:minimo-massimo, per esempio 5 17 23 42:1-2");
            c.gruppi.push_back(*g);
        } else if (nome == "basi") {
            unico(!c.basi.empty());
            auto b = LeggiListaNumeri(valore);
            if (!b || b->empty())
                throw errato("numeri separati da spazi");
            c.basi = *b;
        } else {
            throw Errore(dove + ": condizione sconosciuta \"" + nome + "\"", nomeFile);
        }
        try {
            ControllaCondizioni(c);
        } catch (const Errore &e) {
            throw Errore(dove + ": " + e.what(), nomeFile);
        }
    }
    return c;
}

void SalvaCondizioni(const std::string &percorso, const Condizioni &c)
{
    ControllaCondizioni(c);
    RigheCondizioni(c).SaveToFile(percorso);
}

Condizioni CaricaCondizioni(const std::string &percorso)
{
    TExStringList l;
    l.LoadFromFile(percorso);
    const auto barra = percorso.find_last_of("/\\");
    return CondizioniDaRighe(l, barra == std::string::npos ? percorso : percorso.substr(barra + 1));
}

} // namespace sestina::sistemi
