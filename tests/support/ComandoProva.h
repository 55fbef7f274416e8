#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace sestina::prova {

// Runs a shell command (pdfinfo, pdftotext, pdftoppm...) and returns what it wrote
// on stdout; empty when it cannot start.
inline std::string Comando(const std::string &c)
{
    std::string out;
    FILE *f = popen(c.c_str(), "r");
    if (!f)
        return out;
    std::array<char, 4096> b{};
    size_t n;
    while ((n = fread(b.data(), 1, b.size(), f)) > 0)
        out.append(b.data(), n);
    pclose(f);
    return out;
}

// The page count pdfinfo reads in a PDF file; -1 when it gives none.
inline int PaginePDF(const std::string &file)
{
    const std::string info = Comando("pdfinfo '" + file + "'");
    const auto p = info.find("Pages:");
    return p == std::string::npos ? -1 : std::atoi(info.c_str() + p + 6);
}

} // namespace sestina::prova
