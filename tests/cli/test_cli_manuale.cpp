// The manual page follows the commands: every registered command, each option of
// its usage line and each page of `report` is described in doc/sestina-cli.1.
#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace sestina;

namespace {

std::vector<std::string> RighePagina()
{
    std::ifstream f(SESTINA_SOURCE_DIR "/doc/sestina-cli.1");
    EXPECT_TRUE(f.good());
    std::vector<std::string> righe;
    for (std::string r; std::getline(f, r);)
        righe.push_back(r);
    return righe;
}

// A troff line as read: "\-" is "-", font changes dropped.
std::string Piano(const std::string &riga)
{
    std::string out;
    for (size_t i = 0; i < riga.size(); ++i) {
        if (riga[i] == '\\' && i + 1 < riga.size()) {
            if (riga[i + 1] == '-') {
                out.push_back('-');
                ++i;
                continue;
            }
            if (riga[i + 1] == 'f' && i + 2 < riga.size()) {
                i += 2;
                continue;
            }
        }
        out.push_back(riga[i]);
    }
    return out;
}

// The first word of an entry's heading (".B name ...", ".BI name ...", ".I name").
std::string PrimaParola(const std::string &riga)
{
    std::istringstream s(Piano(riga));
    std::string macro, parola;
    s >> macro >> parola;
    return macro.size() >= 2 && macro[0] == '.' ? parola : std::string{};
}

struct Titoli {
    std::set<std::string> principali; // entries outside any .RS block
    std::set<std::string> report;     // entries inside the block of `report`
};

Titoli TitoliVoci(const std::vector<std::string> &righe)
{
    Titoli t;
    int rientro = 0;
    std::string voceCorrente;
    for (size_t i = 1; i < righe.size(); ++i) {
        if (righe[i] == ".RS")
            ++rientro;
        else if (righe[i] == ".RE")
            --rientro;
        if (righe[i - 1] != ".TP" && righe[i - 1] != ".TQ")
            continue;
        const std::string parola = PrimaParola(righe[i]);
        if (rientro == 0) {
            t.principali.insert(parola);
            voceCorrente = parola;
        } else if (voceCorrente == "report") {
            t.report.insert(parola);
        }
    }
    return t;
}

// The "--name" options of a usage line.
std::set<std::string> OpzioniDellUso(const std::string &uso)
{
    std::set<std::string> v;
    static const std::regex opzione("--([a-z][a-z0-9-]*)");
    for (auto it = std::sregex_iterator(uso.begin(), uso.end(), opzione); it != std::sregex_iterator(); ++it)
        v.insert((*it)[1]);
    return v;
}

} // namespace

TEST(CliManuale, OgniComandoHaLaSuaVoce)
{
    const auto titoli = TitoliVoci(RighePagina());
    ASSERT_FALSE(cli::Comandi().empty());
    for (const auto &[nome, c] : cli::Comandi())
        EXPECT_TRUE(titoli.principali.count(nome)) << "il comando \"" << nome << "\" manca nella pagina di manuale";
}

TEST(CliManuale, OgniOpzioneDellUsoCompare)
{
    std::string pagina;
    for (const auto &r : RighePagina())
        pagina += Piano(r) + "\n";
    for (const auto &[nome, c] : cli::Comandi()) {
        std::set<std::string> opzioni = OpzioniDellUso(c.uso);
        opzioni.insert(c.opzioniConValore.begin(), c.opzioniConValore.end());
        for (const auto &o : opzioni)
            EXPECT_NE(pagina.find("--" + o), std::string::npos)
                << "l'opzione --" << o << " di \"" << nome << "\" manca nella pagina di manuale";
    }
}

TEST(CliManuale, OgniPaginaDiReportHaLaSuaVoce)
{
    const auto &comandi = cli::Comandi();
    ASSERT_TRUE(comandi.count("report"));
    // The pages named in the usage line: "(estrazioni [...]; consulta [...]; ...)".
    const std::string uso = comandi.at("report").uso;
    static const std::regex pagina("(?:\\(|; )([a-z0-9]+) ");
    std::set<std::string> pagine;
    for (auto it = std::sregex_iterator(uso.begin(), uso.end(), pagina); it != std::sregex_iterator(); ++it)
        pagine.insert((*it)[1]);
    ASSERT_GE(pagine.size(), size_t{10}) << uso;
    const auto titoli = TitoliVoci(RighePagina());
    for (const auto &p : pagine)
        EXPECT_TRUE(titoli.report.count(p)) << "la pagina \"" << p << "\" di report manca nella pagina di manuale";
}

// The check itself: a page without an entry is caught.
TEST(CliManuale, UnaVoceMancanteSiVede)
{
    const std::vector<std::string> righe = {".SH COMANDI",   ".TP",
                                            ".B info",       "testo",
                                            ".TP",           ".BI \\-\\-dir \" CARTELLA\"",
                                            ".TP",           ".B report \\fIPAGINA\\fR",
                                            ".RS",           ".TP",
                                            ".B estrazioni", ".TQ",
                                            ".B stat \\fR[", ".RE"};
    const auto t = TitoliVoci(righe);
    EXPECT_EQ(t.principali, (std::set<std::string>{"info", "--dir", "report"}));
    EXPECT_EQ(t.report, (std::set<std::string>{"estrazioni", "stat"}));
}
