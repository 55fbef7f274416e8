#pragma once

#include "cli/Cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace sestina::prova {

struct Esito {
    int stato;
    std::string out, err;
};

// Runs sestina-cli in-process on the program folder dir.
inline Esito EseguiCli(const std::string &dir, std::vector<std::string> args)
{
    std::ostringstream out, err;
    args.insert(args.begin(), {"--dir", dir});
    int stato = cli::EseguiCli(args, out, err, "/nonesiste");
    return {stato, out.str(), err.str()};
}

// The lines of an output split at LF (each keeps its CR).
inline std::vector<std::string> RigheLF(const std::string &testo)
{
    std::vector<std::string> v;
    std::istringstream s(testo);
    for (std::string r; std::getline(s, r);)
        v.push_back(r);
    return v;
}

// The lines of an output ended by CR LF (a last piece without its CR LF is dropped).
inline std::vector<std::string> RigheCRLF(const std::string &t)
{
    std::vector<std::string> out;
    for (size_t p = 0, q; (q = t.find("\r\n", p)) != std::string::npos; p = q + 2)
        out.push_back(t.substr(p, q - p));
    return out;
}

} // namespace sestina::prova
