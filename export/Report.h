#pragma once

#include "app/Griglia.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

// A report form as data: an A4 page of bands in millimetres holding labels,
// pictures and rectangles, plus a paginated band of text lines. One painter in
// the render library lays it out on any paint device.
namespace sestina::esporta {

// Screen pixels per inch: the forms give font sizes and grid pictures in screen pixels.
inline constexpr double PixelPerPollice = 96.0;
inline constexpr double MmPerPixel = 25.4 / PixelPerPollice;

struct FontReport {
    std::string famiglia = "Arial";
    int pixel = 13; // screen pixels, as the forms give them
    bool grassetto = false;
    bool corsivo = false;
    double altezzaMm() const { return pixel * MmPerPixel; }
};

// Pixels of a decoded picture, 0xAARRGGBB, row by row.
struct Raster {
    int larghezza = 0;
    int altezza = 0;
    std::vector<std::uint32_t> pixel;
    bool vuoto() const { return larghezza <= 0 || altezza <= 0; }
};

// Where a picture comes from: decoded pixels, a grid drawn by the painter, or a
// picture file that is loaded before the report is laid out (a missing file
// stops the action there).
using SorgenteFigura = std::variant<std::shared_ptr<const Raster>, Griglia, std::string>;

struct Etichetta {
    double x = 0, y = 0;  // mm from the band's corner
    double larghezza = 0; // mm of the box the text is aligned in; 0: to the band's right edge
    std::string testo;
    FontReport font;
    Colore colore = colori::Nero;
    Allineamento allineamento = Allineamento::Sinistra;
};

struct Figura {
    double x = 0, y = 0;
    double larghezza = 0, altezza = 0; // mm; 0 x 0: the picture's own size at screen resolution
    SorgenteFigura sorgente;
    bool mantieniProporzioni = false; // fit inside the box, centred, instead of stretching
};

struct Riquadro {
    double x = 0, y = 0, larghezza = 0, altezza = 0;
};

enum class TipoBanda { Titolo, Dettaglio, Elenco, PiePagina };

struct Banda {
    TipoBanda tipo = TipoBanda::Dettaglio;
    double altezza = 0; // mm; for Elenco the height of one line
    std::vector<Etichetta> etichette;
    std::vector<Figura> figure;
    std::vector<Riquadro> riquadri;
    // Elenco: one line per text, as many pages as needed.
    std::vector<std::string> righe;
    FontReport fontRighe;
    Colore coloreRighe = colori::Nero;
    Allineamento allineamentoRighe = Allineamento::Centro;
};

enum class Orientamento { Verticale, Orizzontale };

struct Report {
    std::string titolo; // the preview window's caption
    Orientamento orientamento = Orientamento::Verticale;
    double margine = 10.0;
    std::vector<Banda> bande; // printed top to bottom in this order

    double larghezzaPagina() const { return orientamento == Orientamento::Verticale ? 210.0 : 297.0; }
    double altezzaPagina() const { return orientamento == Orientamento::Verticale ? 297.0 : 210.0; }
    double larghezzaUtile() const { return larghezzaPagina() - 2 * margine; }
    double altezzaUtile() const { return altezzaPagina() - 2 * margine; }
};

// Every element of a page at its place on the paper (mm from the paper's corner).
struct ElementoPagina {
    std::variant<Etichetta, Figura, Riquadro> elemento;
};
struct PaginaReport {
    std::vector<ElementoPagina> elementi;
};

// The pagination: title band once at the top of the first page, detail bands
// once, one line per text of an Elenco band (a new page when the next line does
// not fit), the footer at the bottom of the last page. Never returns no page.
std::vector<PaginaReport> Impagina(const Report &r);

} // namespace sestina::esporta
