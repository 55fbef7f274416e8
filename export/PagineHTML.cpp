#include "export/PagineHTML.h"

#include "app/TExStringList.h"
#include "export/TabellaHTML.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace sestina::esporta {
namespace {

const std::string RigaImmagine7 =
    "    <TD colSpan=37><IMG height=7 src=\"estrazioni_superenalotto_x1.gif\" width=\"100%\"></td>";

std::vector<std::string> Righe(const TExStringList &l)
{
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(l.Count()));
    for (int i = 0; i < l.Count(); ++i)
        out.push_back(l[i]);
    return out;
}

void Aggiungi(std::vector<std::string> &a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
}

// The head template with the title line at `indice` (at the end when the template is shorter).
void Testa(std::vector<std::string> &out, const ModelliHTML &m, const std::string &titolo, size_t indice)
{
    if (!m.testaECoda)
        return;
    std::vector<std::string> t = m.testa;
    t.insert(t.begin() + static_cast<long>(std::min(indice, t.size())), "<title>" + titolo + " </title>");
    Aggiungi(out, t);
}

void Coda(std::vector<std::string> &out, const ModelliHTML &m)
{
    if (m.testaECoda)
        Aggiungi(out, m.coda);
}

std::string Minuscolo(std::string s)
{
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Due(int v)
{
    char b[16];
    std::snprintf(b, sizeof b, "%.2d", v);
    return b;
}

} // namespace

ModelliHTML CaricaModelliHTML(const std::string &dir, bool testaECoda)
{
    TExStringList testa, coda;
    testa.LoadFromFile(dir + FileTestaHTML);
    coda.LoadFromFile(dir + FileCodaHTML);
    return {Righe(testa), Righe(coda), testaECoda};
}

std::vector<std::string> PaginaHTML(const ModelliHTML &m, const std::string &s1, const std::string &s2,
                                    const std::string &s3, const std::string &s4, const Griglia &g)
{
    std::vector<std::string> out;
    Testa(out, m, TestoHTML(s1), 4);
    Aggiungi(out, IntestazioneHTML(TestoHTML(s1), TestoHTML(s2), TestoHTML(s3), TestoHTML(s4)));
    Aggiungi(out, TabellaHTML(g));
    out.push_back(RigaImmagine7);
    Coda(out, m);
    return out;
}

std::vector<std::string> PaginaAstroHTML(const ModelliHTML &m, const std::string &s1, const std::string &s2,
                                         const std::string &s3, const std::string &s4, const TabelleAstro &t)
{
    std::vector<std::string> out;
    Testa(out, m, TestoHTML(s1), 4);
    Aggiungi(out, IntestazioneHTML(TestoHTML(s1), TestoHTML(s2), TestoHTML(s3), TestoHTML(s4)));
    out.emplace_back("<p class=s3> Cruciverba </p>");
    Aggiungi(out, TabellaHTML(t.cruciverba));
    out.emplace_back("<p class=s3> Previsione </p>");
    Aggiungi(out, TabellaHTML(t.previsione));
    out.emplace_back("<p class=s3> Ritardi </p>");
    Aggiungi(out, TabellaHTML(t.ritardi));
    out.emplace_back("<p class=s3> Esiti </p>");
    Aggiungi(out, TabellaHTML(t.esiti));
    out.push_back(RigaImmagine7);
    Coda(out, m);
    return out;
}

PaginaAnno PaginaAnnoHTML(const ModelliHTML &m, int anno, VarianteAnno variante, int annoCorrente,
                          const std::string &paginaHTML, const std::vector<RigaAnnoHTML> &estrazioni,
                          int primoAnno)
{
    const std::string w = "Superenalotto";
    const bool a = variante == VarianteAnno::A;
    const std::string radice = a ? "superenalotto-" : w + "-";
    const std::string titolo = a ? "ESTRAZIONI SUPERENALOTTO ANNO " + std::to_string(anno)
                                 : "ESTRAZIONI " + w + " ANNO " + std::to_string(anno);
    const std::string parola = a ? "superenalotto" : w;
    const std::string figura = a ? "estrazioni_superenalotto_x1.gif" : "estrazioni_" + w + "_x1.gif";

    PaginaAnno p;
    p.nomeFile = anno == annoCorrente ? paginaHTML : radice + std::to_string(anno) + ".html";
    auto &out = p.righe;

    if (m.testaECoda) {
        size_t indice = 4;
        for (size_t i = 3; i <= 10 && i < m.testa.size(); ++i)
            if (Minuscolo(m.testa[i]).find("<head>") != std::string::npos) {
                indice = i;
                break;
            }
        Testa(out, m, titolo, indice);
    }

    std::string precedente, successivo;
    if (anno >= 1940 && anno > primoAnno)
        precedente = "<A HREF=\"" + radice + std::to_string(anno - 1) + ".html\">Anno Precedente = Estrazioni " +
                     std::to_string(anno - 1) + " " + parola + " </a>";
    if (anno < annoCorrente) {
        const std::string bersaglio =
            anno == annoCorrente - 1 ? paginaHTML : radice + std::to_string(anno + 1) + ".html";
        successivo = "<A HREF=\"" + bersaglio + "\">Anno Successivo = Estrazioni " + std::to_string(anno + 1) +
                     " " + parola + " </a>";
    }
    const std::vector<std::string> navigazione{
        "    <TABLE class=top_panel cellSpacing=0 cellPadding=0 width=\"100%\" border=0>",
        "      <TBODY>",
        "        <TR>",
        "          <TD><p class=s3>" + precedente + "</p></td>",
        "          <TD><p class=s2>" + successivo + "</p></td>",
        "        </TR>",
        "    </TABLE>"};
    Aggiungi(out, navigazione);

    const std::string img = "<IMG height=7 src=\"" + figura + "\" width=\"100%\">";
    Aggiungi(out, {"<DIV class=t1>", "<TABLE cellSpacing=1 cellPadding=2 width=\"100%\" border=0>", "  <TBODY>",
                   "  <TR>", "    <TD colSpan=31>" + img,
                   "      <H1>Estrazioni &nbsp;" + std::to_string(anno) + " Superenalotto</H1><IMG height=3 src=\"" +
                       figura + "\" width=\"100%\"> </TD>",
                   "</TR>"});
    Aggiungi(out, {"<tr class=p1t>", "<td>Data</td>", "<td>&nbsp;</td>", "<td>1\xC2\xB0</td>", "<td>2\xC2\xB0</td>",
                   "<td>3\xC2\xB0</td>", "<td>4\xC2\xB0</td>", "<td>5\xC2\xB0</td>", "<td>6\xC2\xB0</td>",
                   "<td>JOLLY</td>", "<td>SuperStar</td>", "</tr>"});
    for (auto it = estrazioni.rbegin(); it != estrazioni.rend(); ++it) {
        if (it->anno != anno)
            continue;
        out.emplace_back("<tr class=p1>");
        char data[64];
        std::snprintf(data, sizeof data, "<td>%.2d\\%.2d\\%.2d</td>", it->giorno, it->mese, it->anno);
        out.emplace_back(data);
        out.emplace_back("<TD>&nbsp;</TD>");
        for (int v : it->numeri)
            out.push_back("<td>" + Due(v) + "</td>");
        out.emplace_back("</tr>");
    }
    out.emplace_back("</TBODY></TABLE>");
    Aggiungi(out, navigazione);
    out.push_back(img);
    Coda(out, m);
    return p;
}

void SalvaPaginaHTML(const std::vector<std::string> &righe, const std::string &percorso)
{
    TExStringList l;
    for (const auto &r : righe)
        l.Add(r);
    l.SaveToFile(percorso);
}

} // namespace sestina::esporta
