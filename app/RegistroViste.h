#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sestina {

// What a view does when the archive's length changes. Each step may be empty.
struct Vista {
    std::string nome;
    std::function<void()> reimpostaCursore; // put the page cursor back (on the last draw, or 0 for a span start)
    std::function<void()> riempiDate;       // refill the date lists
    std::function<void()> selezionaPrimo;   // select the first item of each date list
    std::function<void()> ridisegna;        // redraw / run the page's first action
};

// The registry behind AggiornaViste: views run each step in registration order.
class RegistroViste {
public:
    void Registra(Vista v) { m_viste.push_back(std::move(v)); }
    // Between the date lists and the first selections the shared ListaDate is rebuilt.
    void ImpostaRicostruzioneListaDate(std::function<void()> f) { m_listaDate = std::move(f); }

    // Every cursor reset, every date list refilled then ListaDate, every first
    // item selected, every view redrawn.
    void AggiornaViste() const;

    const std::vector<Vista> &viste() const { return m_viste; }

private:
    std::vector<Vista> m_viste;
    std::function<void()> m_listaDate;
};

} // namespace sestina
