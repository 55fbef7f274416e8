#include "stats/NumeriSpia.h"

#include "app/Colonna.h"
#include "app/Errore.h"
#include "app/Testo.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

namespace sestina::statistiche {
namespace {

constexpr Colore VerdeChiaro{0, 255, 0};

bool NumeroValido(int n) { return n >= 1 && n <= 90; }

std::array<int, 8> Valori(const archivio::Estrazione &e)
{
    const auto &r = e.numeri;
    return {r.numeri[0], r.numeri[1], r.numeri[2], r.numeri[3], r.numeri[4], r.numeri[5], r.jolly, r.superstar};
}

std::string RigaFileLavoro(const archivio::Estrazione &e, const char *nota)
{
    std::string riga = e.data.data().breve() + ";" + std::to_string(e.data.concorso) + ";" + nota + ";";
    for (int v : Valori(e))
        riga += std::to_string(v) + ";";
    return riga + "\r\n";
}

Cella &Intestazione(Griglia &g, int c, const char *testo)
{
    Cella &h = g.cella(0, c);
    h.testo = testo;
    h.allineamento = Allineamento::Centro;
    return h;
}

} // namespace

int spia::IndiceAmbo(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    return (89 - a) * (a - 1) + a * (a - 1) / 2 + b - 1;
}

using spia::IndiceAmbo;

std::string NomeFileLavoro(ModoSpia modo)
{
    return std::string(modo == ModoSpia::NumeriSpia ? "NSpie_" : "QEsce_") + "BA" + ".csv";
}

void ControllaParametri(const ParametriSpia &p, int ultimaEstrazione)
{
    if (p.numeri.empty())
        throw Errore("Indicare almeno un numero!");
    if (p.ambi && p.numeri.size() < 2)
        throw Errore("Indicare almeno due numeri per Ambo!");
    if (p.numeri.size() > MaxNumeriSpia)
        throw Errore("troppi numeri! (Max 20)");
    for (int n : p.numeri)
        if (!NumeroValido(n))
            throw Errore("Numero spia non valido: " + std::to_string(n) + " (ammessi 1..90)");
    if (p.colpi < 1 || p.colpi > 30)
        throw Errore("Analisi per estrazione: da 1 a 30 colpi");
    if (std::none_of(p.mesi.begin(), p.mesi.end(), [](bool m) { return m; }))
        throw Errore("Nessun Mese Selezionato !");
    if (ultimaEstrazione < 0)
        throw Errore("L'archivio non contiene estrazioni");
    if (p.inizio < 0 || p.fine > ultimaEstrazione || p.fine < 0 || p.inizio > ultimaEstrazione)
        throw Errore("Estrazione fuori dall'archivio");
    int primo = p.modo == ModoSpia::NumeriSpia ? p.inizio : p.inizio + p.colpi;
    if (primo >= p.fine)
        throw Errore("Data iniziale successiva data finale!");
}

RisultatoSpia RisultatoSpiaVuoto()
{
    RisultatoSpia r;
    Griglia &gn = r.numeri;
    gn.Dimensiona(1, 2);
    gn.righeFisse = 1;
    Intestazione(gn, 0, "Pr.");
    Intestazione(gn, 1, "Nu");
    gn.ImpostaLarghezza(0, 40);
    gn.ImpostaLarghezza(1, 30);
    Griglia &ga = r.ambi;
    ga.Dimensiona(1, 3);
    ga.righeFisse = 1;
    Intestazione(ga, 0, "Pr.");
    Intestazione(ga, 1, "Nu1");
    Intestazione(ga, 2, "Nu2");
    ga.ImpostaLarghezza(0, 40);
    ga.ImpostaLarghezza(1, 30);
    ga.ImpostaLarghezza(2, 30);
    Griglia &gt = r.totali;
    gt.Dimensiona(3, 2);
    gt.righeFisse = 0;
    gt.colonneFisse = 1;
    gt.ImpostaLarghezza(0, 130);
    gt.ImpostaLarghezza(1, 60);
    gt.ImpostaAltezza(0, 34);
    gt.cella(0, 0).testo = "Totali\nNumeri spia";
    gt.cella(1, 0).testo = "Somme  ult. vincenti";
    gt.cella(2, 0).testo = "Media  ult. venti";
    return r;
}

RisultatoSpia ElaboraSpia(const std::vector<archivio::Estrazione> &archivio, const ParametriSpia &p,
                          Progresso &progresso)
{
    const int n = static_cast<int>(archivio.size());
    ControllaParametri(p, n - 1);
    const bool numeriSpia = p.modo == ModoSpia::NumeriSpia;
    const int primo = numeriSpia ? p.inizio : p.inizio + p.colpi;
    const int fine = p.fine;

    std::array<bool, 256> scelto{};
    for (int x : p.numeri)
        scelto[x] = true;

    RisultatoSpia r = RisultatoSpiaVuoto();
    r.spia.assign(n, false);
    r.analizzata.assign(n, false);

    for (int v = primo; v <= fine; ++v) {
        if ((v - primo) % 100 == 0)
            progresso.Avanza(v - primo, fine - primo + 1);
        const auto &e = archivio[v];
        const int mese = e.data.mese;
        if (mese < 1 || mese > 12 || !p.mesi[mese - 1])
            continue;
        // Distinct spy numbers: a superstar equal to one of the numbers is still one number.
        int h = 0;
        std::array<bool, 256> visto{};
        for (int x : Valori(e)) {
            h += scelto[x] && !visto[x];
            visto[x] = true;
        }
        if (h < (p.ambi ? 2 : 1))
            continue;
        ++r.estrazioniSpia;
        // The window is clipped to the archive: the draws after the last one do not exist.
        if (numeriSpia) {
            for (int w = v + 1; w <= std::min(v + p.colpi, n - 1); ++w)
                r.analizzata[w] = true;
        } else {
            for (int w = v - 1; w >= std::max(v - p.colpi, 0); --w)
                r.analizzata[w] = true;
        }
        r.spia[v] = true;
        r.analizzata[v] = false;
    }
    for (int v = primo; v <= fine; ++v)
        if (r.spia[v])
            r.analizzata[v] = false;

    std::array<int, 91> conta{};
    std::vector<int> contaAmbi(NumeroAmbi + 1, 0);
    std::string file = "DATA;CONC;Note;ES1;ES2;ES3;ES4;ES5;Bari;\r\n";
    const char *notaAnalizzata = numeriSpia ? "Post" : "Prec";
    for (int v = primo; v <= fine; ++v) {
        const auto &e = archivio[v];
        if (r.spia[v]) {
            file += RigaFileLavoro(e, "Spia");
        } else if (r.analizzata[v]) {
            file += RigaFileLavoro(e, notaAnalizzata);
            auto val = Valori(e);
            for (int i = 0; i < 8; ++i) {
                if (!NumeroValido(val[i]))
                    continue;
                ++conta[val[i]];
                // Equal values (a superstar equal to a number) are no pair.
                for (int j = i + 1; j < 8; ++j)
                    if (NumeroValido(val[j]) && val[j] != val[i])
                        ++contaAmbi[IndiceAmbo(val[i], val[j])];
            }
        }
    }
    r.fileLavoro = DaUtf8ACp1252(file);

    // "Numeri più usciti"
    std::vector<int> ordine;
    for (int x = 1; x <= 90; ++x)
        if (conta[x] > 0)
            ordine.push_back(x);
    std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) { return conta[a] > conta[b]; });
    Griglia &gn = r.numeri;
    gn.Dimensiona(1 + static_cast<int>(ordine.size()), 2);
    std::array<bool, 91> inUltima{};
    for (int x : Valori(archivio[fine]))
        if (NumeroValido(x))
            inUltima[x] = true;
    int somma20 = 0;
    for (size_t i = 0; i < ordine.size(); ++i) {
        int riga = static_cast<int>(i) + 1, x = ordine[i];
        gn.cella(riga, 0).testo = Formato("%4d", conta[x]);
        gn.cella(riga, 0).allineamento = Allineamento::Destra;
        Cella &c = gn.cella(riga, 1);
        c.testo = std::to_string(x);
        c.allineamento = Allineamento::Centro;
        if (i < 8)
            c.sfondo = colori::Giallo;
        if (inUltima[x]) {
            c.sfondo = colori::Aqua;
            r.sommaVincenti += conta[x];
        }
        if (i < 20)
            somma20 += conta[x];
    }
    // With fewer than 20 ranked numbers the sum is over those there are.
    r.mediaVenti = (somma20 + 1) / 20 * 5;

    // "Ambi più usciti"
    std::vector<std::pair<int, int>> ambi;
    for (int a = 1; a < 90; ++a)
        for (int b = a + 1; b <= 90; ++b)
            if (contaAmbi[IndiceAmbo(a, b)] > 0)
                ambi.emplace_back(a, b);
    std::stable_sort(ambi.begin(), ambi.end(), [&](const auto &x, const auto &y) {
        return contaAmbi[IndiceAmbo(x.first, x.second)] > contaAmbi[IndiceAmbo(y.first, y.second)];
    });
    Griglia &ga = r.ambi;
    ga.Dimensiona(1 + static_cast<int>(ambi.size()), 3);
    for (size_t i = 0; i < ambi.size(); ++i) {
        int riga = static_cast<int>(i) + 1;
        auto [a, b] = ambi[i];
        ga.cella(riga, 0).testo = Formato("%4d", contaAmbi[IndiceAmbo(a, b)]);
        ga.cella(riga, 0).allineamento = Allineamento::Destra;
        for (int c = 1; c <= 2; ++c) {
            Cella &x = ga.cella(riga, c);
            x.testo = std::to_string(c == 1 ? a : b);
            x.allineamento = Allineamento::Centro;
            if (i < 5)
                x.sfondo = VerdeChiaro;
        }
    }

    // Totals
    Griglia &gt = r.totali;
    const int valori[3] = {r.estrazioniSpia, r.sommaVincenti, r.mediaVenti};
    for (int i = 0; i < 3; ++i) {
        gt.cella(i, 1).testo = Formato("%6d", valori[i]);
        gt.cella(i, 1).allineamento = Allineamento::Destra;
    }
    progresso.Avanza(fine - primo + 1, fine - primo + 1);
    return r;
}

StatisticheAmbi ElaboraStatistica(const std::vector<archivio::Estrazione> &archivio, int inizio, int fine,
                                  const std::array<bool, 12> &mesi, const std::vector<bool> *filtro,
                                  Progresso &progresso)
{
    const int n = static_cast<int>(archivio.size());
    if (n == 0)
        throw Errore("L'archivio non contiene estrazioni");
    if (inizio < 0 || fine >= n || inizio > fine)
        throw Errore("Data iniziale successiva data finale!");
    StatisticheAmbi stat(NumeroAmbi + 1);
    const Data partenza = archivio[inizio].data.data();
    for (auto &s : stat)
        s.ultima = partenza;

    // A pair's delay is the number of examined draws before the first (newest)
    // one that holds it, so it is set once instead of counted draw by draw.
    int esaminate = 0;
    auto esamina = [&](int v) {
        if (filtro && (v >= static_cast<int>(filtro->size()) || !(*filtro)[v]))
            return;
        const auto &num = archivio[v].numeri.numeri;
        if (std::all_of(num.begin(), num.begin() + 5, [](std::uint8_t x) { return x != 0; })) {
            for (int i = 0; i < 5; ++i)
                for (int j = i + 1; j < 5; ++j) {
                    if (num[i] == num[j] || !NumeroValido(num[i]) || !NumeroValido(num[j]))
                        continue;
                    StatisticaAmbo &s = stat[IndiceAmbo(num[i], num[j])];
                    ++s.frequenza;
                    if (!s.vista) {
                        s.vista = true;
                        s.ultima = archivio[v].data.data();
                        s.ritardo = esaminate;
                    }
                }
        }
        ++esaminate;
    };
    esamina(fine);
    for (int v = fine - 1, passo = 1; v > inizio; --v, ++passo) {
        int mese = archivio[v].data.mese;
        if (mese >= 1 && mese <= 12 && mesi[mese - 1])
            esamina(v);
        if (passo % 10 == 0)
            progresso.Avanza(passo, fine - inizio);
    }
    for (int i = 1; i <= NumeroAmbi; ++i)
        if (!stat[i].vista)
            stat[i].ritardo = esaminate;
    return stat;
}

namespace {

// The literal search with cheap steps: the gain of every candidate number
// (the sum of its pair frequencies with the group) is kept per depth, so a
// step costs one comparison and a new depth one row addition.
class Ricerca {
public:
    Ricerca(const StatisticheAmbi &stat, int k, Progresso &progresso) : m_k(k), m_progresso(progresso)
    {
        std::memset(m_f, 0, sizeof m_f);
        for (int a = 1; a < 90; ++a)
            for (int b = a + 1; b <= 90; ++b)
                m_f[a][b] = m_f[b][a] = stat[IndiceAmbo(a, b)].frequenza;
        m_lista.resize(20);
    }

    std::vector<Lunghetta> Esegui()
    {
        int conteggio = 0;
        for (int a = 1; a < 90; ++a)
            for (int b = a + 1; b <= 90; ++b) {
                if (++conteggio % 100 == 0) {
                    m_progresso.Avanza(conteggio, NumeroAmbi);
                    if (m_progresso.Interrompi())
                        return Risultato();
                }
                if (m_f[a][b] < m_lista[19].somme[1])
                    continue;
                m_gruppo[0] = a;
                m_gruppo[1] = b;
                m_somme[0] = 0;
                m_somme[1] = m_f[a][b];
                m_dentro[a] = m_dentro[b] = true;
                for (int x = 0; x <= 90; ++x)
                    m_guadagno[2][x] = m_f[a][x] + m_f[b][x];
                Estendi(2);
                m_dentro[a] = m_dentro[b] = false;
            }
        m_progresso.Avanza(NumeroAmbi, NumeroAmbi);
        return Risultato();
    }

private:
    struct Voce {
        std::array<int, 10> numeri{};
        std::array<int, 11> somme{}; // somme[d] = S[d + 1]
        std::uint64_t m0 = 0, m1 = 0;
        bool usata = false;
    };

    void Estendi(int d)
    {
        const int *g = m_guadagno[d];
        const int sd = m_somme[d - 1];
        for (int x = 1; x <= 90; ++x) {
            if (m_dentro[x])
                continue;
            int s = sd + g[x];
            if (s <= m_lista[19].somme[d])
                continue;
            m_gruppo[d] = x;
            m_somme[d] = s;
            if (d + 1 == m_k) {
                Inserisci();
            } else {
                int *g2 = m_guadagno[d + 1];
                const int *fx = m_f[x];
                for (int y = 0; y <= 90; ++y)
                    g2[y] = g[y] + fx[y];
                m_dentro[x] = true;
                Estendi(d + 1);
                m_dentro[x] = false;
            }
        }
    }

    void Inserisci()
    {
        std::uint64_t m0 = 0, m1 = 0;
        for (int i = 0; i < m_k; ++i) {
            int x = m_gruppo[i];
            if (x < 64)
                m0 |= std::uint64_t{1} << x;
            else
                m1 |= std::uint64_t{1} << (x - 64);
        }
        for (const Voce &v : m_lista)
            if (v.usata && v.m0 == m0 && v.m1 == m1)
                return;
        const int totale = m_somme[m_k - 1];
        int pos = 0;
        while (pos < 20 && m_lista[pos].somme[m_k - 1] > totale)
            ++pos;
        if (pos == 20)
            return;
        for (int i = 19; i > pos; --i)
            m_lista[i] = m_lista[i - 1];
        Voce &v = m_lista[pos];
        v = Voce{};
        for (int i = 0; i < m_k; ++i) {
            v.numeri[i] = m_gruppo[i];
            v.somme[i] = m_somme[i];
        }
        v.m0 = m0;
        v.m1 = m1;
        v.usata = true;
    }

    std::vector<Lunghetta> Risultato() const
    {
        std::vector<Lunghetta> out(20);
        for (int i = 0; i < 20; ++i) {
            if (!m_lista[i].usata)
                continue;
            out[i].numeri.assign(m_lista[i].numeri.begin(), m_lista[i].numeri.begin() + m_k);
            out[i].somme.assign(m_lista[i].somme.begin(), m_lista[i].somme.begin() + m_k);
        }
        return out;
    }

    int m_k;
    Progresso &m_progresso;
    int m_f[91][91];
    std::vector<Voce> m_lista;
    std::array<int, 10> m_gruppo{};
    std::array<int, 11> m_somme{};
    std::array<bool, 91> m_dentro{};
    alignas(64) int m_guadagno[11][91]{};
};

} // namespace

std::vector<Lunghetta> CercaLunghette(const StatisticheAmbi &stat, int k, Progresso &progresso)
{
    if (k < 3 || k > 10)
        throw Errore("Lunghette da 3 a 10 numeri");
    if (static_cast<int>(stat.size()) != NumeroAmbi + 1)
        throw Errore("Statistiche degli ambi non valide");
    auto ricerca = std::make_unique<Ricerca>(stat, k, progresso);
    return ricerca->Esegui();
}

Griglia GrigliaLunghetteVuota()
{
    Griglia g(22, 5);
    g.righeFisse = 2;
    g.cella(0, 0).testo = "Superenalotto";
    g.cella(0, 0).grassetto = true;
    static const char *const titoli[] = {"Lunghetta", "Pr.", "Rit. Medio", "Ultima Uscita", "Rit. Att."};
    static const int larghezze[] = {230, 40, 70, 90, 60};
    for (int c = 0; c < 5; ++c) {
        g.cella(1, c).testo = titoli[c];
        g.cella(1, c).allineamento = Allineamento::Centro;
        g.ImpostaLarghezza(c, larghezze[c]);
    }
    for (int r = 2; r < 22; ++r)
        for (int c = 1; c < 5; ++c)
            g.cella(r, c).allineamento = Allineamento::Centro;
    return g;
}

Griglia GrigliaLunghette(const std::vector<Lunghetta> &lista, const StatisticheAmbi &stat, int k)
{
    Griglia g = GrigliaLunghetteVuota();
    const int coppie = k * (k - 1) / 2;
    std::vector<int> medi(lista.size(), -1);
    for (size_t i = 0; i < lista.size() && i < 20; ++i) {
        const Lunghetta &l = lista[i];
        if (l.numeri.empty())
            continue;
        std::vector<int> num = l.numeri;
        std::sort(num.begin(), num.end());
        std::vector<int> valori(num.begin(), num.end());
        std::string testo;
        for (size_t j = 0; j < num.size(); ++j)
            testo += (j ? "." : "") + std::to_string(num[j]);
        long sommaRitardi = 0;
        int minimo = 0;
        bool primo = true;
        Data ultima;
        for (size_t a = 0; a < num.size(); ++a)
            for (size_t b = a + 1; b < num.size(); ++b) {
                const StatisticaAmbo &s = stat[IndiceAmbo(num[a], num[b])];
                sommaRitardi += s.ritardo;
                if (primo || s.ritardo < minimo)
                    minimo = s.ritardo;
                if (primo || s.ultima > ultima)
                    ultima = s.ultima;
                primo = false;
            }
        int riga = static_cast<int>(i) + 2;
        medi[i] = static_cast<int>(sommaRitardi / coppie);
        g.cella(riga, 0).testo = testo;
        g.cella(riga, 1).testo = std::to_string(l.totale());
        g.cella(riga, 2).testo = std::to_string(medi[i]);
        g.cella(riga, 3).testo = ultima.breve();
        g.cella(riga, 4).testo = std::to_string(minimo);
    }
    int massimo = *std::max_element(medi.begin(), medi.end());
    if (massimo >= 0)
        for (size_t i = 0; i < medi.size() && i < 20; ++i)
            if (medi[i] == massimo)
                for (int c = 0; c < 5; ++c) {
                    Cella &x = g.cella(static_cast<int>(i) + 2, c);
                    x.colore = colori::Rosso;
                    x.grassetto = true;
                    x.sottolineato = true;
                }
    return g;
}

std::string NomeLunghette(int k)
{
    static const char *const nomi[] = {"terzine", "quartine", "cinquine", "sestine",
                                       "settine", "ottine",   "novine",   "decine"};
    if (k >= 3 && k <= 10)
        return nomi[k - 3];
    return "combinazioni";
}

std::string AggiornaDescrizione(int k)
{
    if (k < 3 || k > 10)
        return "Le 20 combinazioni piu' frequenti per ambo";
    std::string nome = NomeLunghette(k);
    nome.resize(8, ' ');
    // C(90, k) fits in 64 bits for k <= 10 (5.72e12); the running product stays exact.
    std::uint64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * static_cast<std::uint64_t>(90 - k + i) / static_cast<std::uint64_t>(i);
    return "Le 20 " + nome + " " + " piu' frequenti per ambo su " + SeparaMigliaia(std::to_string(c));
}

RisultatoLunghette ElaboraLunghette(const StatisticheAmbi &stat, int k, Progresso &progresso)
{
    RisultatoLunghette r;
    r.lista = CercaLunghette(stat, k, progresso);
    r.griglia = GrigliaLunghette(r.lista, stat, k);
    r.titolo = AggiornaDescrizione(k);
    return r;
}

std::vector<archivio::Estrazione> LeggiArchivioSpia(const archivio::Archivio &a)
{
    std::error_code ec1, ec2;
    auto date = std::filesystem::file_size(a.percorsoDate(), ec1);
    auto numeri = std::filesystem::file_size(a.percorsoNumeri(), ec2);
    if (!ec1 && !ec2 && date / archivio::RecordData::Dimensione != numeri / archivio::RecordSuperenalotto::Dimensione)
        throw Errore("Errore Lunghezze RHV: " + std::filesystem::path(a.percorsoNumeri()).filename().string());
    return a.LeggiTutte();
}

std::string TestoDataSpia(const archivio::RecordData &d)
{
    return Formato("%2d/%2d/%4d %3d", d.giorno, d.mese, d.anno, d.concorso);
}

std::string TestoRiepilogo(const DatiRiepilogo &d)
{
    const ParametriSpia &p = d.parametri;
    std::string out;
    auto riga = [&](const std::string &s) { out += s + "\r\n"; };
    riga(p.modo == ModoSpia::NumeriSpia ? "Modalità;Numeri Spia;" : "Modalità;Quando esce;");
    riga("ruota;Bari;");
    riga(p.ambi ? "selezione;Ambi;" : "selezione;Estratti;");
    riga("dal;" + d.testoInizio + ";");
    riga(" al;" + d.testoFine + ";");
    riga("colpi;" + std::to_string(p.colpi) + ";");
    std::vector<int> scelti = p.numeri;
    std::sort(scelti.begin(), scelti.end());
    std::string s = "Numeri scelti;;";
    for (int x : scelti)
        s += std::to_string(x) + ";";
    riga(s);
    static const char *const mesi[] = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu",
                                       "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};
    s = "mesi considerati;;";
    for (int m = 0; m < 12; ++m)
        if (p.mesi[m])
            s += std::string(mesi[m]) + ";";
    riga(s);
    const RisultatoSpia *r = d.spia;
    auto totale = [&](int i) { return r ? r->totali.testo(i, 1) : std::string(); };
    riga("Totali  Numeri;" + totale(0) + ";");
    riga("Somme  Vincenti;" + totale(1) + ";");
    riga("Media ult. venti;" + totale(2) + ";");
    riga("Numeri più usciti;");
    riga("Presenze;Numeri;");
    if (r)
        for (int i = 1; i < r->numeri.righe(); ++i)
            riga(r->numeri.testo(i, 0) + ";" + r->numeri.testo(i, 1) + ";");
    riga("Ambi più usciti;");
    riga("Presenze;Numero 1;Numero 2;;");
    if (r)
        for (int i = 1; i < r->ambi.righe() && i <= 90; ++i)
            riga(r->ambi.testo(i, 0) + ";" + r->ambi.testo(i, 1) + ";" + r->ambi.testo(i, 2) + ";");
    riga(NomeLunghette(d.kLunghette) + ";" + (d.filtroSpia ? "Filtro N.Spie;" : "Normale;"));
    riga("Lunghetta;Presenze;Rit Med;Ult usc;Rit att;");
    for (int i = d.lunghette.righeFisse; i < d.lunghette.righe(); ++i) {
        s.clear();
        for (int c = 0; c < d.lunghette.colonne(); ++c)
            s += d.lunghette.testo(i, c) + ";";
        std::replace(s.begin(), s.end(), '.', ' ');
        riga(s);
    }
    return out;
}

} // namespace sestina::statistiche
