#pragma once

#include "export/ModuliReport.h"

#include <string>
#include <variant>

// Pictures of the report forms by name: the forms' tests give each grid picture
// a file name, never loaded, to find it again among the band's pictures.
namespace sestina::prova {

// A picture of w x h screen pixels called `nome`.
inline esporta::FiguraPixel Pixel(int w, int h, const std::string &nome)
{
    return {esporta::SorgenteFigura{nome}, w, h};
}

// The picture called `nome` in the band; null when it is not there.
inline const esporta::Figura *FiguraDi(const esporta::Banda &b, const std::string &nome)
{
    for (const auto &f : b.figure)
        if (const auto *s = std::get_if<std::string>(&f.sorgente); s && *s == nome)
            return &f;
    return nullptr;
}

} // namespace sestina::prova
