#pragma once

namespace sestina {

// Handed by a caller to a long loop: the loop reports how far it got and asks
// whether to stop; it knows nothing of windows.
class Progresso {
public:
    virtual ~Progresso() = default;
    virtual void Avanza(long fatto, long totale) = 0;
    [[nodiscard]] virtual bool Interrompi() = 0;
};

class ProgressoNullo final : public Progresso {
public:
    void Avanza(long, long) override {}
    [[nodiscard]] bool Interrompi() override { return false; }
};

} // namespace sestina
