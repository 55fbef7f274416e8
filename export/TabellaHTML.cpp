#include "export/TabellaHTML.h"

#include <array>

namespace sestina::esporta {

std::string ClasseColoreHTML(const Colore &c)
{
    static const std::array<Colore, 19> c1{{{255, 255, 0},
                                            {255, 136, 136},
                                            {239, 228, 16},
                                            {225, 220, 30},
                                            {239, 71, 63},
                                            {253, 191, 49},
                                            {254, 236, 192},
                                            {149, 255, 149},
                                            {215, 255, 215},
                                            {179, 236, 196},
                                            {136, 225, 163},
                                            {203, 228, 207},
                                            {255, 121, 121},
                                            {255, 193, 193},
                                            {209, 165, 165},
                                            {225, 198, 198},
                                            {245, 82, 73},
                                            {255, 202, 202},
                                            {127, 146, 201}}};
    for (const auto &x : c1)
        if (x == c)
            return "c_1";
    if (c == Colore{0, 255, 0})
        return "c_2";
    if (c == Colore{0, 255, 255})
        return "c_3";
    if (c == Colore{169, 169, 169})
        return "c_4";
    if (c == Colore{217, 114, 183})
        return "c_5";
    return {};
}

std::string TestoHTML(std::string_view t)
{
    std::string out;
    out.reserve(t.size());
    for (char c : t) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

std::vector<std::string> TabellaHTML(const Griglia &g)
{
    std::vector<std::string> out{"<DIV class=t1>", "<TABLE border=0 cellPadding=2 cellSpacing=1 width=100%>",
                                 "      <TBODY>"};
    for (int r = 0; r < g.righe(); ++r) {
        out.emplace_back(r == 0 ? "<tr class=p1t>" : "<tr class=p1>");
        for (int c = 0; c < g.colonne(); ++c) {
            const std::string t = TestoHTML(g.testo(r, c));
            if (r == 0) {
                out.push_back("<td>" + t + "</td>");
                continue;
            }
            const auto &sf = g.cella(r, c).sfondo;
            std::string classe = sf ? ClasseColoreHTML(*sf) : std::string();
            out.push_back(classe.empty() ? "<td><p>" + t + "</p></td>"
                                         : "<td><p class=\"" + classe + "\">" + t + "</p></td>");
        }
        out.emplace_back("</tr>");
    }
    out.emplace_back("</tbody> </table>");
    out.emplace_back("</DIV>");
    return out;
}

std::vector<std::string> IntestazioneHTML(const std::string &s1, const std::string &s2, const std::string &s3,
                                          const std::string &s4)
{
    const std::string img =
        "    <TD colSpan=37><IMG height=3 src=\"estrazioni_superenalotto_x1.gif\" width=\"100%\"></td>";
    return {"    <TABLE class=top_panel cellSpacing=0 cellPadding=0 width=\"100%\" border=0>",
            "      <TBODY>",
            img,
            "        <TR>",
            "          <TD><p class=s1>" + s1 + "</p></td>",
            "          <TD><p class=s2>" + s2 + "</p></td>",
            "        </TR>",
            "          <TD><p class=s3>" + s3 + "</p></td>",
            "          <TD><p class=s2>" + s4 + "</p></td>",
            "        </TR>",
            img,
            "    </TABLE>",
            ""};
}

} // namespace sestina::esporta
