// The archive as CSV: read, written and read again gives the same draws.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "archive/ArchivioCSV.h"

using namespace sestina;
using namespace sestina::archivio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    std::vector<Estrazione> estrazioni;
    try {
        estrazioni = LeggiArchivioCSVByte(fuzz::Testo(dati, dimensione));
    } catch (const Errore &) {
        return 0;
    }
    FUZZ_VERIFICA(!estrazioni.empty());
    const std::string scritto = ScriviArchivioCSV(estrazioni);
    FUZZ_VERIFICA(LeggiArchivioCSVByte(scritto) == estrazioni);
    return 0;
}
