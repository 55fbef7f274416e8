// Slip files: the standard form (".sse") and the CSV form each read, written and
// read again give the same slips, and a list moves between the two forms intact.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "slips/FileSchedine.h"

using namespace sestina;
using namespace sestina::schedine;

namespace {

void VerificaLista(const TExStringList &l)
{
    const std::string standard = CodificaSchedineStandard(l);
    const std::string csv = CodificaSchedineCSV(l);
    FUZZ_VERIFICA(DecodificaSchedineStandard(standard, "prova.sse").righe() == l.righe());
    FUZZ_VERIFICA(DecodificaSchedineCSV(csv, "prova.csv").righe() == l.righe());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    const std::string_view byte = fuzz::Testo(dati, dimensione);
    for (const bool csv : {false, true}) {
        TExStringList l;
        try {
            l = csv ? DecodificaSchedineCSV(byte, "prova.csv") : DecodificaSchedineStandard(byte, "prova.sse");
        } catch (const Errore &) {
            continue;
        }
        for (const Colonna &c : l)
            for (unsigned char n : c)
                FUZZ_VERIFICA(n >= 1 && n <= 90);
        VerificaLista(l);
    }
    return 0;
}
