// The system file ".stm": a record that reads is written and read again the
// same, and its numbers rebuild a system the "&Sistemi" page can save again.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "systems/FileSistema.h"

#include <algorithm>

using namespace sestina;
using namespace sestina::sistemi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    FileSistema s;
    try {
        s = DecodificaFileSistema(fuzz::Testo(dati, dimensione), "prova.stm");
    } catch (const Errore &) {
        return 0;
    }
    const auto record = CodificaFileSistema(s);
    const std::string_view byte(reinterpret_cast<const char *>(record.data()), record.size());
    FUZZ_VERIFICA(DecodificaFileSistema(byte, "prova.stm") == s);

    // What the page does on load: mark the numbers, set k and the reduction, save again.
    std::vector<int> numeri = s.Numeri();
    FUZZ_VERIFICA(numeri.size() <= static_cast<size_t>(NumeriMassimiFileSistema));
    const FileSistema rifatto = SistemaDaNumeri(numeri, s.indiceNumeri + 3, s.livelloRiduzione);
    std::vector<int> riletti = rifatto.Numeri();
    std::sort(numeri.begin(), numeri.end());
    std::sort(riletti.begin(), riletti.end());
    FUZZ_VERIFICA(riletti == numeri);
    (void)CodificaFileSistema(rifatto);
    return 0;
}
