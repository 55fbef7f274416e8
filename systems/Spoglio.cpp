#include "systems/Spoglio.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "archive/Calendario.h"
#include "archive/Navigazione.h"

#include <algorithm>
#include <atomic>
#include <ostream>
#include <thread>

namespace sestina::sistemi {

int ContaPunti(const Colonna &colonna, const archivio::RecordSuperenalotto &estrazione)
{
    int h = 0;
    bool jolly = false;
    for (char x : colonna) {
        const auto n = static_cast<std::uint8_t>(x);
        for (std::uint8_t e : estrazione.numeri)
            if (n == e) {
                ++h;
                break;
            }
        if (n == estrazione.jolly)
            jolly = true;
    }
    return h == 5 && jolly ? 7 : h;
}

namespace {

// C(m, 2) and C(m, 3) for the rank of a triple of indexes 0..89.
constexpr int C2(int m) { return m * (m - 1) / 2; }
constexpr int C3(int m) { return m * (m - 1) * (m - 2) / 6; }
constexpr int NumeroTerne = C3(90);
inline int RangoTerna(int a, int b, int c) { return C3(c) + C2(b) + a; } // a < b < c, 0-based

// Every triple of the draws' main numbers, with the draws (0-based within the
// span, ascending) that hold it. A column with h hits in a draw meets it in
// C(h, 3) triples: 1, 4, 10, 20 for h = 3..6.
struct IndiceTerne {
    std::vector<std::uint32_t> inizio; // NumeroTerne + 1 offsets
    std::vector<std::uint16_t> estrazioni;

    IndiceTerne(const std::vector<archivio::RecordSuperenalotto> &numeri, int primo, int ultimo)
        : inizio(NumeroTerne + 1, 0)
    {
        std::vector<std::array<int, 6>> distinti;
        std::vector<int> quanti;
        for (int e = primo; e <= ultimo; ++e) {
            std::array<int, 6> v{};
            int m = 0;
            bool visto[91] = {};
            for (std::uint8_t x : numeri[static_cast<std::size_t>(e)].numeri)
                if (x >= 1 && x <= 90 && !visto[x]) {
                    visto[x] = true;
                    v[static_cast<std::size_t>(m++)] = x - 1;
                }
            for (int i = 1; i < m; ++i) // insertion sort of at most six numbers
                for (int j = i; j > 0 && v[static_cast<std::size_t>(j - 1)] > v[static_cast<std::size_t>(j)]; --j)
                    std::swap(v[static_cast<std::size_t>(j - 1)], v[static_cast<std::size_t>(j)]);
            distinti.push_back(v);
            quanti.push_back(m);
        }
        auto perTerne = [&](auto f) {
            for (std::size_t d = 0; d < distinti.size(); ++d) {
                const auto &v = distinti[d];
                const int m = quanti[d];
                for (int i = 0; i < m; ++i)
                    for (int j = i + 1; j < m; ++j)
                        for (int k = j + 1; k < m; ++k)
                            f(RangoTerna(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)],
                                         v[static_cast<std::size_t>(k)]),
                              d);
            }
        };
        perTerne([&](int r, std::size_t) { ++inizio[static_cast<std::size_t>(r) + 1]; });
        for (int r = 0; r < NumeroTerne; ++r)
            inizio[static_cast<std::size_t>(r) + 1] += inizio[static_cast<std::size_t>(r)];
        estrazioni.resize(inizio[NumeroTerne]);
        std::vector<std::uint32_t> pos(inizio.begin(), inizio.end() - 1);
        perTerne([&](int r, std::size_t d) { estrazioni[pos[static_cast<std::size_t>(r)]++] = static_cast<std::uint16_t>(d); });
    }
};

class Motore {
public:
    Motore(const std::vector<Colonna> &colonne, const std::vector<archivio::RecordSuperenalotto> &numeri, int primo,
           int ultimo)
        : m_colonne(colonne), m_numeri(numeri), m_primo(primo), m_ultimo(ultimo), m_indice(numeri, primo, ultimo)
    {
    }

    // Columns [da, a) in order, appended to `out`; stops early when `stop` is set.
    // `fatte` counts the columns done.
    void Esegui(std::size_t da, std::size_t a, std::vector<Vincita> &out, std::atomic<bool> &stop,
                std::atomic<long> &fatte, Progresso *progresso, long totale) const
    {
        const int D = m_ultimo - m_primo + 1;
        std::vector<std::uint8_t> conta(static_cast<std::size_t>(std::max(D, 0)), 0);
        std::vector<std::uint16_t> toccate;
        int v[90];
        for (std::size_t c = da; c < a; ++c) {
            if ((c - da) % 4096 == 4095) {
                fatte += 4096;
                if (progresso) {
                    progresso->Avanza(fatte.load(), totale);
                    if (progresso->Interrompi())
                        stop = true;
                }
                if (stop)
                    return;
            }
            const Colonna &col = m_colonne[c];
            // Distinct numbers 1..90 go through the triples; anything else draw by draw.
            bool adatta = col.size() <= 90;
            std::uint64_t maschera[2] = {0, 0};
            int m = 0;
            if (adatta)
                for (char x : col) {
                    const int n = static_cast<std::uint8_t>(x);
                    if (n < 1 || n > 90 || (maschera[n >> 6] >> (n & 63) & 1)) {
                        adatta = false;
                        break;
                    }
                    maschera[n >> 6] |= std::uint64_t{1} << (n & 63);
                    v[m++] = n - 1;
                }
            if (!adatta) {
                for (int e = m_primo; e <= m_ultimo; ++e) {
                    const int p = ContaPunti(col, m_numeri[static_cast<std::size_t>(e)]);
                    if (p >= 3)
                        out.push_back({static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(e),
                                       static_cast<std::uint8_t>(p)});
                }
                continue;
            }
            if (m < 3)
                continue;
            std::sort(v, v + m);
            toccate.clear();
            for (int i = 0; i < m; ++i)
                for (int j = i + 1; j < m; ++j) {
                    const int base = C2(v[j]) + v[i];
                    for (int k = j + 1; k < m; ++k) {
                        const auto r = static_cast<std::size_t>(C3(v[k]) + base);
                        for (std::uint32_t x = m_indice.inizio[r], fine = m_indice.inizio[r + 1]; x < fine; ++x) {
                            const std::uint16_t d = m_indice.estrazioni[x];
                            if (conta[d]++ == 0)
                                toccate.push_back(d);
                        }
                    }
                }
            if (toccate.empty())
                continue;
            std::sort(toccate.begin(), toccate.end());
            for (std::uint16_t d : toccate) {
                const int terne = conta[d];
                conta[d] = 0;
                int p = terne == 1 ? 3 : terne == 4 ? 4 : terne == 10 ? 5 : 6;
                const int e = m_primo + d;
                if (p == 5) {
                    const int j = m_numeri[static_cast<std::size_t>(e)].jolly;
                    if (maschera[j >> 6] >> (j & 63) & 1)
                        p = 7;
                }
                out.push_back({static_cast<std::uint32_t>(c), static_cast<std::uint32_t>(e), static_cast<std::uint8_t>(p)});
            }
        }
        fatte += static_cast<long>((a - da) % 4096);
    }

private:
    const std::vector<Colonna> &m_colonne;
    const std::vector<archivio::RecordSuperenalotto> &m_numeri;
    int m_primo, m_ultimo;
    IndiceTerne m_indice;
};

} // namespace

RisultatoSpoglio Spoglia(const std::vector<Colonna> &colonne, const std::vector<archivio::RecordSuperenalotto> &numeri,
                         int inizio, int limite, Progresso *progresso)
{
    RisultatoSpoglio r;
    const int ultima = static_cast<int>(numeri.size()) - 1;
    if (inizio < 0 || inizio > ultima)
        throw Errore(Formato("Estrazione di partenza %d inesistente: l'archivio ne contiene %d", inizio + 1, ultima + 1));
    r.inizio = inizio;
    r.fine = limite >= 1 ? std::min(ultima, inizio + limite - 1) : ultima;
    if (r.fine - r.inizio + 1 > 65536) // the index keeps draws as 16-bit offsets
        throw Errore("Troppe estrazioni da esaminare in un solo spoglio");
    Motore motore(colonne, numeri, r.inizio, r.fine);
    std::atomic<bool> stop{false};
    std::atomic<long> fatte{0};
    const long totale = static_cast<long>(colonne.size());
    const bool dueFili = colonne.size() >= 20000 && std::thread::hardware_concurrency() >= 2;
    if (!dueFili) {
        motore.Esegui(0, colonne.size(), r.vincite, stop, fatte, progresso, totale);
    } else {
        // The caller's thread takes the first half (and talks to the Progresso); a worker the second.
        const std::size_t meta = colonne.size() / 2;
        std::vector<Vincita> seconda;
        std::thread t([&] { motore.Esegui(meta, colonne.size(), seconda, stop, fatte, nullptr, totale); });
        motore.Esegui(0, meta, r.vincite, stop, fatte, progresso, totale);
        t.join(); // after a stop the worker ends at its next block

        r.vincite.insert(r.vincite.end(), seconda.begin(), seconda.end());
    }
    r.interrotto = stop;
    for (const Vincita &v : r.vincite)
        ++r.categorie[v.punti];
    if (progresso && !r.interrotto)
        progresso->Avanza(totale, totale);
    return r;
}

RisultatoSpoglio Spoglia(const std::vector<Colonna> &colonne, const std::vector<archivio::Estrazione> &estrazioni,
                         int inizio, int limite, Progresso *progresso)
{
    std::vector<archivio::RecordSuperenalotto> numeri;
    numeri.reserve(estrazioni.size());
    for (const auto &e : estrazioni)
        numeri.push_back(e.numeri);
    return Spoglia(colonne, numeri, inizio, limite, progresso);
}

// --- ExtAnalisivincite ---

namespace {
constexpr const char *Intestazioni[TabellaVincite::NumeroColonne] = {
    "Estrazione", "I", "II", "III", "IV", "V", "VI", "J", "S", "N.Cl", "Colonna", "3", "4", "5", "5+1", "6", "Colpo"};
constexpr int Larghezze[TabellaVincite::NumeroColonne] = {100, 30, 30, 30, 30, 30, 30, 30, 30,
                                                          60,  200, 30, 30, 30, 30, 30, 40};

// The grid column of a category: 3, 4, 5 under their headers, 7 under "5+1", 6 under "6".
int ColonnaCategoria(int punti)
{
    switch (punti) {
    case 3:
        return TabellaVincite::Punti3;
    case 4:
        return TabellaVincite::Punti4;
    case 5:
        return TabellaVincite::Punti5;
    case 7:
        return TabellaVincite::Punti5piu1;
    case 6:
        return TabellaVincite::Punti6;
    default:
        return -1;
    }
}

std::optional<Colore> ColoreCategoria(int punti)
{
    switch (punti) {
    case 3:
        return Colore{255, 255, 0};
    case 4:
        return Colore{0, 255, 0};
    case 5:
        return Colore{255, 0, 255};
    case 6:
        return Colore{255, 202, 202};
    case 7:
        return Colore{215, 255, 255};
    default:
        return std::nullopt;
    }
}

constexpr Colore Rosa{255, 202, 202};
} // namespace

const char *TabellaVincite::Intestazione(int colonna) { return Intestazioni[colonna]; }
int TabellaVincite::Larghezza(int colonna) { return Larghezze[colonna]; }

TabellaVincite::TabellaVincite(std::vector<Colonna> colonne, std::vector<archivio::Estrazione> estrazioni,
                               RisultatoSpoglio r)
    : m_colonne(std::move(colonne)), m_estrazioni(std::move(estrazioni)), m_r(std::move(r))
{
}

std::string TabellaVincite::testo(int riga, int colonna) const
{
    if (riga == 0)
        return Intestazione(colonna);
    if (m_r.vincite.empty())
        return {};
    const Vincita &v = vincita(riga);
    const auto &e = m_estrazioni[v.estrazione];
    switch (colonna) {
    case Estrazione:
        return archivio::TestoListaDate(e.data);
    case Jolly:
        return std::to_string(e.numeri.jolly);
    case Superstar:
        return std::to_string(e.numeri.superstar);
    case NCl:
        return std::to_string(v.colonna + 1);
    case ColonnaSistema:
        return FormattaColonna(m_colonne[v.colonna]);
    case Colpo:
        return std::to_string(static_cast<long>(v.estrazione) - m_r.inizio);
    default:
        if (colonna >= PrimoNumero && colonna < Jolly)
            return std::to_string(e.numeri.numeri[static_cast<std::size_t>(colonna - PrimoNumero)]);
        return ColonnaCategoria(v.punti) == colonna ? std::to_string(v.punti) : std::string();
    }
}

Cella TabellaVincite::cella(int riga, int colonna) const
{
    Cella c;
    c.testo = testo(riga, colonna);
    if (riga == 0) {
        if (colonna == m_ordinata)
            c.sfondo = colori::Giallo;
        return c;
    }
    if (colonna <= Superstar)
        c.sfondo = colori::CianoChiaro;
    if (m_r.vincite.empty())
        return c;
    const Vincita &v = vincita(riga);
    if (colonna >= PrimoNumero && colonna <= Superstar) {
        const auto &e = m_estrazioni[v.estrazione].numeri;
        const int n = colonna == Jolly ? e.jolly
                      : colonna == Superstar ? e.superstar
                                             : e.numeri[static_cast<std::size_t>(colonna - PrimoNumero)];
        // The number as "%.2d" found in the column's text, as the window paints it.
        if (FormattaColonna(m_colonne[v.colonna]).find(Formato("%.2d", n)) != std::string::npos)
            c.sfondo = Rosa;
    } else if (colonna == ColonnaCategoria(v.punti)) {
        c.sfondo = ColoreCategoria(v.punti);
    }
    return c;
}

void TabellaVincite::Ordina(int colonna)
{
    if (colonna < 0 || colonna >= NumeroColonne)
        return;
    m_ordinata = colonna;
    auto &v = m_r.vincite;
    if (v.size() < 2)
        return;
    // A key per record, then a stable counting sort (or a stable sort for wide keys).
    std::vector<std::uint32_t> chiave(v.size());
    std::uint32_t massimo = 0;
    if (colonna == Estrazione) {
        // Dates ascending: the rank of each draw's date.
        std::vector<std::uint32_t> ordine(m_estrazioni.size());
        for (std::uint32_t i = 0; i < ordine.size(); ++i)
            ordine[i] = i;
        std::stable_sort(ordine.begin(), ordine.end(), [&](std::uint32_t a, std::uint32_t b) {
            return m_estrazioni[a].data.data() < m_estrazioni[b].data.data();
        });
        std::vector<std::uint32_t> rango(m_estrazioni.size());
        for (std::uint32_t i = 0; i < ordine.size(); ++i)
            rango[ordine[i]] = i > 0 && m_estrazioni[ordine[i]].data.data() == m_estrazioni[ordine[i - 1]].data.data()
                                   ? rango[ordine[i - 1]]
                                   : i;
        for (std::size_t i = 0; i < v.size(); ++i)
            chiave[i] = rango[v[i].estrazione];
    } else if (colonna >= PrimoNumero && colonna <= Superstar) {
        for (std::size_t i = 0; i < v.size(); ++i) {
            const auto &e = m_estrazioni[v[i].estrazione].numeri;
            chiave[i] = colonna == Jolly       ? e.jolly
                        : colonna == Superstar ? e.superstar
                                               : e.numeri[static_cast<std::size_t>(colonna - PrimoNumero)];
        }
    } else if (colonna == NCl) {
        for (std::size_t i = 0; i < v.size(); ++i)
            chiave[i] = v[i].colonna + 1;
    } else if (colonna == ColonnaSistema) {
        // The text as an integer: only a one-number column reads as one; others count 0.
        std::vector<std::uint32_t> valore(m_colonne.size(), 0);
        for (std::size_t c = 0; c < m_colonne.size(); ++c)
            valore[c] = static_cast<std::uint32_t>(std::max(0, LeggiInteroOppure(FormattaColonna(m_colonne[c]), 0)));
        for (std::size_t i = 0; i < v.size(); ++i)
            chiave[i] = valore[v[i].colonna];
    } else {
        // Descending: the key is turned around.
        std::uint32_t tetto = 0;
        for (std::size_t i = 0; i < v.size(); ++i) {
            chiave[i] = colonna == Colpo                           ? v[i].estrazione - static_cast<std::uint32_t>(m_r.inizio)
                        : ColonnaCategoria(v[i].punti) == colonna ? v[i].punti
                                                                  : 0u;
            tetto = std::max(tetto, chiave[i]);
        }
        for (auto &k : chiave)
            k = tetto - k;
    }
    for (std::uint32_t k : chiave)
        massimo = std::max(massimo, k);
    std::vector<Vincita> ordinate(v.size());
    if (massimo < (1u << 24)) {
        std::vector<std::uint32_t> conta(static_cast<std::size_t>(massimo) + 2, 0);
        for (std::uint32_t k : chiave)
            ++conta[k + 1];
        for (std::size_t i = 1; i < conta.size(); ++i)
            conta[i] += conta[i - 1];
        for (std::size_t i = 0; i < v.size(); ++i)
            ordinate[conta[chiave[i]]++] = v[i];
    } else {
        std::vector<std::uint32_t> indici(v.size());
        for (std::uint32_t i = 0; i < indici.size(); ++i)
            indici[i] = i;
        std::stable_sort(indici.begin(), indici.end(), [&](std::uint32_t a, std::uint32_t b) { return chiave[a] < chiave[b]; });
        for (std::size_t i = 0; i < v.size(); ++i)
            ordinate[i] = v[indici[i]];
    }
    v.swap(ordinate);
}

Griglia TabellaVincite::GrigliaCompleta() const
{
    Griglia g(righe(), NumeroColonne);
    g.righeFisse = 1;
    for (int c = 0; c < NumeroColonne; ++c)
        g.ImpostaLarghezza(c, Larghezza(c));
    for (int r = 0; r < righe(); ++r)
        for (int c = 0; c < NumeroColonne; ++c)
            g.cella(r, c) = cella(r, c);
    return g;
}

void TabellaVincite::ScriviCSV(std::ostream &out) const
{
    // Every text is ASCII, so the Windows-1252 bytes are the same.
    std::string riga;
    for (int r = 0; r < righe(); ++r) {
        riga.clear();
        for (int c = 0; c < NumeroColonne; ++c) {
            riga += testo(r, c);
            riga += ';';
        }
        riga += "\r\n";
        out << riga;
    }
}

// --- The summaries ---

Griglia GrigliaRiepilogo(const RisultatoSpoglio &r)
{
    Griglia g(5, 2);
    g.righeFisse = 0;
    static constexpr const char *nomi[5] = {"P 3", "P 4", "P 5", "P 5+1", "P 6"};
    static constexpr int punti[5] = {3, 4, 5, 7, 6};
    static constexpr Colore sfondi[4] = {{0, 255, 0}, {255, 0, 255}, {255, 202, 202}, {215, 255, 255}};
    for (int i = 0; i < 5; ++i) {
        g.ImpostaTesto(i, 0, nomi[i]);
        g.ImpostaTesto(i, 1, std::to_string(r.categorie[static_cast<std::size_t>(punti[i])]));
        if (i < 4)
            for (int c = 0; c < 2; ++c)
                g.cella(i, c).sfondo = sfondi[i];
    }
    return g;
}

Valuta DividiValuta(Valuta costo, int quote)
{
    if (quote < 1)
        throw Errore(Formato("Quote %d: le quote vanno da 1 a 1000", quote));
    const bool negativo = costo < 0;
    const auto a = static_cast<unsigned long long>(negativo ? -costo : costo);
    const auto q = static_cast<unsigned long long>(quote);
    unsigned long long risultato = a / q;
    const unsigned long long resto = a % q;
    if (2 * resto > q || (2 * resto == q && (risultato & 1)))
        ++risultato;
    return negativo ? -static_cast<Valuta>(risultato) : static_cast<Valuta>(risultato);
}

Griglia GrigliaDatiSistema(const std::vector<Colonna> &colonne, Valuta costoColonna, int quote)
{
    std::array<long, 11> perLunghezza{};
    for (const Colonna &c : colonne)
        if (c.size() >= 1 && c.size() <= 10)
            ++perLunghezza[c.size()];
    std::vector<std::pair<std::string, std::string>> righe;
    righe.emplace_back("Colonne", std::to_string(colonne.size()));
    for (int n = 1; n <= 10; ++n)
        if (perLunghezza[static_cast<std::size_t>(n)] > 0)
            righe.emplace_back("Lunghezza " + std::to_string(n), std::to_string(perLunghezza[static_cast<std::size_t>(n)]));
    const Valuta costo = static_cast<Valuta>(colonne.size()) * costoColonna;
    righe.emplace_back("Costo sistema", FormatoValuta(costo));
    righe.emplace_back("Quote " + std::to_string(quote), FormatoValuta(DividiValuta(costo, quote)));
    Griglia g(static_cast<int>(righe.size()), 2);
    g.righeFisse = 0;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        g.ImpostaTesto(static_cast<int>(i), 0, righe[i].first);
        g.ImpostaTesto(static_cast<int>(i), 1, righe[i].second);
    }
    return g;
}

Griglia GrigliaInizioSpoglio(const std::vector<archivio::RecordData> &date, int inizio)
{
    Griglia g(4, 2);
    g.righeFisse = 0;
    g.ImpostaTesto(0, 0, "Data");
    g.ImpostaTesto(1, 0, "Indice");
    g.ImpostaTesto(2, 0, "Indice Annuo");
    g.ImpostaTesto(3, 0, "Indice Mensile");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c)
            g.cella(r, c).sfondo = Colore{225, 225, 225};
    if (inizio < 0 || inizio >= static_cast<int>(date.size()))
        return g;
    const auto &d = date[static_cast<std::size_t>(inizio)];
    std::string giorno;
    try {
        giorno = archivio::NomeGiorno(d.giorno, d.mese, d.anno);
    } catch (const Errore &) {
        // A broken date shows without its weekday.
    }
    g.ImpostaTesto(0, 1, archivio::TestoListaDate(d) + giorno);
    g.ImpostaTesto(1, 1, Formato("%d / %d ", inizio + 1, static_cast<int>(date.size())));
    int annuo = 0, mensile = 0;
    for (int i = inizio; i >= 0 && date[static_cast<std::size_t>(i)].anno == d.anno; --i)
        ++annuo;
    for (int i = inizio; i >= 0 && date[static_cast<std::size_t>(i)].anno == d.anno &&
                         date[static_cast<std::size_t>(i)].mese == d.mese;
         --i)
        ++mensile;
    g.ImpostaTesto(2, 1, Formato("%d ", annuo));
    g.ImpostaTesto(3, 1, Formato("%d ", mensile));
    return g;
}

int MuoviInizioSpoglio(const archivio::Archivio &a, int ultima, int inizio, MossaSpoglio m)
{
    switch (m) {
    case MossaSpoglio::Primo:
        return 0;
    case MossaSpoglio::Ultimo:
        return ultima;
    case MossaSpoglio::Prec:
        return inizio > 0 ? inizio - 1 : inizio;
    case MossaSpoglio::Succ:
        return inizio < ultima ? inizio + 1 : inizio;
    case MossaSpoglio::MesePrec: {
        const int r = archivio::MesePrecedente(a, ultima, inizio);
        return r > 0 ? r : inizio;
    }
    case MossaSpoglio::AnnoPrec: {
        const int r = archivio::AnnoPrecedente(a, ultima, inizio);
        return r > 0 ? r : inizio;
    }
    case MossaSpoglio::MeseSucc: {
        const int r = archivio::MeseSuccessivo(a, ultima, inizio);
        return r < ultima ? r : inizio;
    }
    case MossaSpoglio::AnnoSucc: {
        const int r = archivio::AnnoSuccessivo(a, ultima, inizio);
        return r < ultima ? r : inizio;
    }
    }
    return inizio;
}

} // namespace sestina::sistemi
