// Method files ("*.mts"): a method that reads is written and read again the same,
// and it computes on a small archive without failing other than with a message.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "app/TExStringList.h"
#include "app/Testo.h"
#include "methods/Metodo.h"

using namespace sestina;
using namespace sestina::metodi;

namespace {

const std::vector<archivio::Estrazione> &Archivio()
{
    static const std::vector<archivio::Estrazione> a = [] {
        std::vector<archivio::Estrazione> v;
        for (int i = 0; i < 12; ++i) {
            archivio::Estrazione e;
            e.data = {static_cast<std::uint16_t>(1 + 2 * i), 3, 2026, static_cast<std::uint16_t>(20 + i)};
            for (int k = 0; k < 6; ++k)
                e.numeri.numeri[static_cast<size_t>(k)] = static_cast<std::uint8_t>(1 + (i * 7 + k * 13) % 90);
            e.numeri.jolly = static_cast<std::uint8_t>(1 + (i * 11 + 83) % 90);
            e.numeri.superstar = static_cast<std::uint8_t>(i % 3 == 0 ? 0 : 1 + (i * 29) % 90);
            v.push_back(e);
        }
        return v;
    }();
    return a;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    TExStringList righe;
    righe.SetText(DaCp1252AUtf8(fuzz::Testo(dati, dimensione)));
    Metodo m;
    try {
        m = LeggiMetodo(righe, "prova.mts");
    } catch (const Errore &) {
        return 0;
    }
    FUZZ_VERIFICA(m.nome == "prova");
    // Saved as the program saves a text file (Windows-1252), then loaded again.
    TExStringList riletto;
    riletto.SetText(DaCp1252AUtf8(DaUtf8ACp1252(ScriviMetodo(m.parametri).Text())));
    FUZZ_VERIFICA(LeggiMetodo(riletto, "prova.mts").parametri == m.parametri);

    const auto &e = Archivio();
    if (m.parametri.estrSucc <= static_cast<int>(e.size())) {
        const int ultima = static_cast<int>(e.size()) - 1;
        try {
            const RisultatoMetodo r = CalcolaPaginaMetodo(e, ultima, m.parametri, m.nome);
            for (unsigned char n : r.previsione.Ambate)
                FUZZ_VERIFICA(n <= 90);
            for (unsigned char n : r.previsione.Lunghetta)
                FUZZ_VERIFICA(n >= 1 && n <= 90);
        } catch (const Errore &) {
        }
    }
    return 0;
}
