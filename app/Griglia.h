#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sestina {

struct Colore {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colore &, const Colore &) = default;
};

namespace colori {
inline constexpr Colore Bianco{255, 255, 255};
inline constexpr Colore Nero{0, 0, 0};
inline constexpr Colore Giallo{255, 255, 0};       // maxima, sorted column header
inline constexpr Colore CianoChiaro{215, 255, 255}; // fixed index columns
inline constexpr Colore Aqua{0, 255, 255};
inline constexpr Colore Verde{0, 128, 0};
inline constexpr Colore Rosso{255, 0, 0};
inline constexpr Colore Marcatura{171, 203, 250};   // ColoreMarcatura
inline constexpr Colore FondoFisso{240, 240, 240};  // fixed cells without a colour of their own
} // namespace colori

enum class Allineamento { Sinistra, Centro, Destra };

struct Cella {
    std::string testo;
    std::optional<Colore> sfondo;   // none: white, or the fixed-cell face in fixed rows/columns
    Colore colore = colori::Nero;   // font colour
    bool grassetto = false;
    int dimensioneFont = 0;         // pixels; 0: the grid's font size
    Allineamento allineamento = Allineamento::Sinistra;
    bool bloccata = false;          // a click does not mark it
    bool sottolineato = false;
};

// The Qt-free result grid that every analysis fills and every output reads:
// cells with text and look, fixed rows and columns, widths and heights.
class Griglia {
public:
    Griglia() = default;
    Griglia(int righe, int colonne) { Dimensiona(righe, colonne); }

    // Keeps the cells that still fit; new cells are empty.
    void Dimensiona(int righe, int colonne);
    int righe() const { return m_righe; }
    int colonne() const { return m_colonne; }

    int righeFisse = 1;
    int colonneFisse = 0;
    std::string fontFamiglia = "Arial";
    int fontPixel = 13;
    bool fontGrassetto = false;
    int altezzaRigaPredefinita = 20;
    int larghezzaColonnaPredefinita = 64;

    Cella &cella(int riga, int colonna);
    const Cella &cella(int riga, int colonna) const;
    const std::string &testo(int riga, int colonna) const { return cella(riga, colonna).testo; }
    void ImpostaTesto(int riga, int colonna, std::string t) { cella(riga, colonna).testo = std::move(t); }
    // Empties a row's texts, keeping their look.
    void PulisciRiga(int riga);
    bool fissa(int riga, int colonna) const { return riga < righeFisse || colonna < colonneFisse; }
    Colore sfondoEffettivo(int riga, int colonna) const;

    int larghezza(int colonna) const;
    void ImpostaLarghezza(int colonna, int pixel);
    int altezza(int riga) const;
    void ImpostaAltezza(int riga, int pixel);

private:
    int m_righe = 0;
    int m_colonne = 0;
    std::vector<Cella> m_celle;
    std::vector<int> m_larghezze; // -1: default
    std::vector<int> m_altezze;
};

} // namespace sestina
