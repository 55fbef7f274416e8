// The draw-days file: read, written and read again gives the same days; the
// next draw date is always within a week.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "app/TExStringList.h"
#include "app/Testo.h"
#include "archive/Calendario.h"

using namespace sestina;
using namespace sestina::archivio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    TExStringList righe;
    righe.SetText(DaCp1252AUtf8(fuzz::Testo(dati, dimensione)));
    GiorniEstrazione g;
    try {
        g = LeggiGiorniEstrazione(righe);
    } catch (const Errore &) {
        return 0;
    }
    TExStringList scritto;
    scritto.SetText(ScriviGiorniEstrazione(g).Text());
    FUZZ_VERIFICA(LeggiGiorniEstrazione(scritto) == g);
    const Data oggi{10, 12, 2026};
    const Data prossima = ProssimaDataEstrazione(oggi, g);
    FUZZ_VERIFICA(prossima.valida() && oggi < prossima);
    return 0;
}
