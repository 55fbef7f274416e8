#include "methods/AnalisiMetodo.h"

#include "app/Errore.h"
#include "app/Testo.h"
#include "archive/Navigazione.h"
#include "export/TabellaHTML.h"
#include "methods/Esiti.h"
#include "stats/Classi.h"

#include <algorithm>

namespace sestina::metodi {

using statistiche::Fuori90;

const std::vector<std::string> &VociPasso()
{
    static const std::vector<std::string> voci = [] {
        std::vector<std::string> v;
        for (int i = 1; i <= 30; ++i)
            v.push_back(std::to_string(i));
        for (const char *s :
             {"Prima del Mese", "Seconda del Mese", "Terza del Mese", "Quarta del Mese", "Quinta del Mese",
              "Sesta del Mese", "Settima del Mese", "Ottava del Mese", "Nona del Mese", "Decima del Mese",
              "Undicesima del Mese", "Dodicesima del Mese", "Tredicesima del Mese", "Quattordiceseima del mese"})
            v.emplace_back(s);
        return v;
    }();
    return voci;
}

std::string TestoPasso(int passo)
{
    const auto &v = VociPasso();
    return passo >= 1 && passo <= static_cast<int>(v.size()) ? v[static_cast<size_t>(passo - 1)]
                                                             : std::to_string(passo);
}

namespace {

const char *NomiSorte[] = {"Ambata Lunghetta", "Ambo Lunghetta", "Terno Lunghetta", "Quaterna Lunghetta",
                           ">= Cinquina Lunghetta"};

// Kind 1 has no colour of its own in the program; a pale pink keeps it readable.
Colore ColoreSorte(int colpiti)
{
    switch (colpiti) {
    case 1:
        return {255, 202, 202};
    case 2:
        return colori::Giallo;
    case 3:
        return Lime;
    case 4:
        return colori::Aqua;
    case 5:
        return {169, 169, 169};
    default:
        return {217, 114, 183};
    }
}

std::string Valori8(const archivio::Estrazione &x)
{
    std::string s;
    for (int n : x.numeri.numeri)
        s += Formato("%d ", n);
    s += Formato("%d %d ", x.numeri.jolly, x.numeri.superstar);
    return s;
}

void Spiegazione(RisultatoAnalisi &r, const std::vector<archivio::Estrazione> &e, const std::string &nome,
                 const ParametriMetodo &p, const ParametriAnalisi &q)
{
    auto &s = r.spiegazione;
    const int d = q.inizio;
    s.push_back(Formato("Analisi della Previsione ottenuta con il Metodo : %s effettuata sulla Ruota di %s",
                        nome.c_str(), "Superenalotto"));
    s.push_back(Formato("Il periodo di riferimento parte dal %s e propone %d previsioni ",
                        archivio::TestoListaDate(e[static_cast<size_t>(d)].data).c_str(), q.previsioni));
    s.push_back(Formato("ottenute a passo %s e limitando la ricerca degli esiti positivi a %d estrazioni successive",
                        TestoPasso(q.passo).c_str(), q.limite));
    s.push_back(Formato("Sono stati utilizati il Tipo di Calcolo : %s e il Tipo di Previsione : %s ",
                        NomeTipoCalcolo(p.tipoCalcolo), NomeTipoPrev(p.tipoPrev)));
    s.push_back(Formato("prendendo in considerazione le Posizioni : %s", p.posizioni.c_str()));
    s.push_back(Formato("calcolate sugli estratti di %d estrazione/i", p.estrSucc));
    s.push_back("Questi i dati principali del metodo:");
    std::string esempio;
    for (int x = 0; x < p.estrSucc && d - x >= 0; ++x)
        esempio += "Estr. del " + archivio::TestoListaDate(e[static_cast<size_t>(d - x)].data) + " " +
                   Valori8(e[static_cast<size_t>(d - x)]) + "-";
    const auto valori = DisponiEstrazioni(e, d, p.estrSucc, 6);
    const PrevisioneMetodo pm = CalcolaMetodoDaValori(valori, p);
    const auto pos = ListaPosizioni(p.posizioni);
    if (p.tipoCalcolo >= 1 && p.tipoCalcolo <= 6) {
        const auto &w = pm.lavoro;
        s.push_back(Formato("Esito Atteso Lunghetta: %d", p.pLung));
        s.push_back(Formato("Esempio : %s ", esempio.c_str()));
        s.push_back("Calcolo : ");
        for (size_t i = 0; i < pos.size(); ++i)
            s.push_back(Formato("Posizione %d (%d)", pos[i], pm.elementi[i]));
        s.push_back(" Calcolo Quartina ");
        s.push_back(Formato(" Fuori Novanta(%d + %d) = %d /  Fuori Novanta(%d + %d) = %d ", w[0], w[1], w[3], w[0],
                            w[2], w[4]));
        s.push_back(Formato(" Fuori Novanta(%d - %d) = %d /  Fuori Novanta(%d - %d) = %d ", w[0], w[1], w[5], w[0],
                            w[2], w[6]));
        s.push_back(" Calcolo Cinquina ");
        s.push_back(Formato(" Fuori Novanta(%d + %d) = %d /  Fuori Novanta(%d + %d) = %d /  Fuori Novanta(%d + %d) = "
                            "%d / ",
                            w[3], w[4], w[7], w[3], w[5], w[8], w[3], w[6], w[9]));
        s.push_back(Formato(" Fuori Novanta(%d + %d) = %d /  Fuori Novanta(%d + %d) = %d /  Fuori Novanta(%d + %d) = "
                            "%d / ",
                            w[4], w[5], w[10], w[4], w[6], w[11], w[5], w[6], w[12]));
        s.push_back("La sorte per Ambata è data dal numero ripetuto ");
        s.push_back("Nota: se nella sestina ci sono più numeri uguali la previsione non è valida");
        s.push_back(Formato(" Lunghetta %s ", FormattaColonna(pm.Lunghetta).c_str()));
        return;
    }
    s.push_back(Formato("Operazioni : %s", p.operazioni.c_str()));
    s.push_back(Formato("Forma Lunghetta : %d", p.forma));
    s.push_back(Formato("Esito Atteso Lunghetta: %d", p.pLung));
    s.push_back(Formato("Esempio : %s ", esempio.c_str()));
    s.push_back("Calcolo : ");
    for (size_t i = 0; i < pos.size(); ++i) {
        std::string op = i + 1 == pos.size() ? "=" : i < p.operazioni.size() ? std::string(1, p.operazioni[i]) : "";
        s.push_back(Formato("Posizione %d (%d) %s", pos[i], pm.elementi[i], op.c_str()));
    }
    s.push_back(Formato("Fuorinovanta (%lld)= Base", pm.baseGrezza));
    s.push_back(Formato("La lunghetta si ottiene prendendo il numero BASE %d", pm.base));
    if (p.tipoPrev == 0 || p.tipoPrev == 1)
        s.push_back(Formato("Sommando ad esso il Numero da Ruotare %d per %d volte", p.nratq,
                            p.tipoPrev == 0 ? p.forma / 2 : p.forma));
    if (p.tipoPrev == 0 || p.tipoPrev == 2)
        s.push_back(Formato("Sottraendo ad esso il Numero da Ruotare %d per %d volte", p.nratq,
                            p.tipoPrev == 0 ? p.forma / 2 : p.forma));
    s.push_back(Formato("Lunghetta: %s ", FormattaColonna(pm.Lunghetta).c_str()));
}

int Presenti(const Colonna &c, const archivio::RecordSuperenalotto &r)
{
    return ContaEstratti(c, r);
}

void Larghezze(Griglia &g)
{
    for (int c = 0; c < g.colonne(); ++c) {
        size_t w = 0;
        for (int r = 0; r < g.righe(); ++r)
            w = std::max(w, g.testo(r, c).size());
        g.ImpostaLarghezza(c, static_cast<int>(w) * 7 + 5);
    }
}

} // namespace

RisultatoAnalisi AnalizzaMetodo(const archivio::Archivio &a, const std::vector<archivio::Estrazione> &e,
                                const std::string &nome, const ParametriMetodo &p, const ParametriAnalisi &q,
                                Progresso *progresso)
{
    RisultatoAnalisi r;
    const int s = q.inizio;
    const int ultima = static_cast<int>(e.size()) - 1;
    if (s < 0 || s > ultima || q.previsioni >= s) {
        r.messaggio = MsgDataNonAnalizzabile;
        return r;
    }
    ParametriMetodo m = p;
    m.passo = q.passo;
    ControllaMetodo(m, nome, 6);
    Spiegazione(r, e, nome, m, q);
    const int L = std::max(q.limite, 0);
    const int N = std::max(q.previsioni, 0);

    Griglia &rg = r.riepilogo;
    rg.Dimensiona(6, L + 2);
    rg.righeFisse = 1;
    rg.colonneFisse = 1;
    rg.ImpostaTesto(0, 0, "N. Colpi");
    for (int k = 0; k < 5; ++k)
        rg.ImpostaTesto(k + 1, 0, NomiSorte[k]);
    for (int c = 1; c <= L; ++c)
        rg.ImpostaTesto(0, c, std::to_string(c));
    rg.ImpostaTesto(0, L + 1, "Tot");
    std::vector<std::vector<int>> conta(5, std::vector<int>(static_cast<size_t>(L + 1), 0));

    Griglia &g = r.previsioni;
    g.Dimensiona(N + 1, 14);
    g.righeFisse = 1;
    const char *testata[] = {"N .prev", "Data Estr", "Ruota", "Posizioni", "Elementi", "Lunghetta", "Esito",
                             "Data",    "n1",        "n2",    "n3",        "n4",       "n5",        "n6"};
    for (int c = 0; c < 14; ++c)
        g.ImpostaTesto(0, c, testata[c]);
    for (int k = 1; k <= N; ++k)
        g.cella(k, 5).sfondo = Colore{3, 255, 0};

    const int minimo = std::max(m.pLung, 1);
    int pos = m.passo <= 30 ? s + m.passo : s;
    for (int k = 0; k < N; ++k) {
        if (progresso) {
            progresso->Avanza(k, N);
            if (progresso->Interrompi())
                break;
        }
        pos = PassoIndietro(a, ultima, pos, m.passo);
        if (pos < 1 || pos < m.estrSucc - 1) {
            r.messaggio = MsgPassoNonAnalizzabile;
            break;
        }
        const PrevisioneMetodo pm = CalcolaMetodoDaValori(DisponiEstrazioni(e, pos, m.estrSucc, 6), m);
        int colpo = 0, colpiti = 0;
        for (int x = pos + 1; x <= std::min(pos + L, ultima); ++x) {
            int c = Presenti(pm.Lunghetta, e[static_cast<size_t>(x)].numeri);
            if (c >= minimo) {
                colpo = x - pos;
                colpiti = c;
                break;
            }
        }
        const int riga = k + 1;
        g.ImpostaTesto(riga, 0, std::to_string(k));
        g.ImpostaTesto(riga, 1, archivio::TestoListaDate(e[static_cast<size_t>(pos)].data));
        g.ImpostaTesto(riga, 2, "Su");
        g.ImpostaTesto(riga, 3, m.posizioni);
        g.ImpostaTesto(riga, 4, FormattaColonna(StringaDaValori(pm.elementi)));
        g.ImpostaTesto(riga, 5, FormattaColonna(pm.Lunghetta));
        g.ImpostaTesto(riga, 6, std::to_string(colpo));
        if (colpo > 0) {
            const auto &esito = e[static_cast<size_t>(pos + colpo)];
            g.ImpostaTesto(riga, 7, archivio::TestoListaDate(esito.data));
            for (int i = 0; i < 6; ++i) {
                int n = esito.numeri.numeri[static_cast<size_t>(i)];
                bool dentro = pm.Lunghetta.find(static_cast<char>(n)) != std::string::npos;
                g.ImpostaTesto(riga, 8 + i, dentro ? Formato("(%d)", n) : std::to_string(n));
                if (dentro)
                    g.cella(riga, 8 + i).sfondo = ColoreSorte(colpiti);
            }
            const int sorte = std::min(colpiti, 5) - 1;
            ++conta[static_cast<size_t>(sorte)][static_cast<size_t>(colpo)];
            rg.cella(sorte + 1, colpo).sfondo = ColoreSorte(colpiti);
        } else {
            for (int i = 0; i < 6; ++i)
                g.ImpostaTesto(riga, 8 + i, "0");
        }
        r.analizzate = k + 1;
    }
    for (int k = 0; k < 5; ++k) {
        int tot = 0;
        for (int c = 1; c <= L; ++c) {
            rg.ImpostaTesto(k + 1, c, std::to_string(conta[static_cast<size_t>(k)][static_cast<size_t>(c)]));
            tot += conta[static_cast<size_t>(k)][static_cast<size_t>(c)];
        }
        rg.ImpostaTesto(k + 1, L + 1, std::to_string(tot));
    }
    Larghezze(g);
    Larghezze(rg);
    return r;
}

std::vector<std::string> RigheTXT(const RisultatoAnalisi &r)
{
    std::vector<std::string> out{"", " Tabella Esiti "};
    const Griglia &g = r.previsioni;
    const int w = g.righe() > 0 && g.colonne() > 13 ? static_cast<int>(g.testo(g.righe() - 1, 13).size()) : 0;
    // The lunghetta keeps its whole text: a fixed five characters would cut it.
    int wl = 5;
    for (int riga = 0; riga < g.righe(); ++riga)
        if (g.colonne() > 5)
            wl = std::max(wl, static_cast<int>(g.testo(riga, 5).size()));
    const int larghezze[21] = {5, 10, 5, 10, 15, wl, 5, 10, 4, 4, 4, 4, 4, w, 5, 10, 4, 4, 4, 4, 4};
    for (int riga = 0; riga < g.righe(); ++riga) {
        std::string s;
        for (int c = 0; c < 21; ++c) {
            std::string t = c < g.colonne() ? g.testo(riga, c) : std::string();
            s += Formato("%-*.*s ", larghezze[c], larghezze[c], t.c_str());
        }
        out.push_back(s);
    }
    out.emplace_back();
    const Griglia &rg = r.riepilogo;
    for (int riga = 0; riga < rg.righe(); ++riga) {
        std::string s = Formato("%-20.20s ", rg.testo(riga, 0).c_str());
        for (int c = 1; c < rg.colonne(); ++c)
            s += Formato("%-3.3s ", rg.testo(riga, c).c_str());
        out.push_back(s);
    }
    return out;
}

TExStringList PaginaAnalisiHTML(const RisultatoAnalisi &r, const TExStringList &testa, const TExStringList &coda)
{
    TExStringList out = testa;
    const std::string titolo = "<title> ANALISI METODO  </title>";
    if (out.Count() >= 4)
        out.Insert(4, titolo);
    else
        out.Add(titolo);
    out.Add("<p class=s61>");
    for (const auto &riga : r.spiegazione)
        out.Add(riga + "<br>");
    out.Add("</p>");
    auto blocco = [&](const std::string &s1, const Griglia &g) {
        for (auto &x : esporta::IntestazioneHTML(s1, "", "", ""))
            out.Add(std::move(x));
        for (auto &x : esporta::TabellaHTML(g))
            out.Add(std::move(x));
    };
    blocco(" TABELLA ESITI ", r.previsioni);
    blocco(" RIEPILOGO VINCITE PER ESTRAZIONE E SORTE ", r.riepilogo);
    for (const auto &x : coda)
        out.Add(x);
    return out;
}

} // namespace sestina::metodi
