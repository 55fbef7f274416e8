// The archive's journal: read, written and read again gives the same journal.
// A journal that reads is then used to repair a small archive: the repair either
// refuses with a message or leaves every file with the count the journal saved.
#include "fuzz/CartellaFuzz.h"
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "archive/Archivio.h"
#include "archive/GiornaleArchivio.h"

#include "app/Edizione.h"

#include <filesystem>
#include <map>

using namespace sestina;
using namespace sestina::archivio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    Giornale g;
    try {
        g = LeggiGiornale(fuzz::Testo(dati, dimensione));
    } catch (const Errore &) {
        return 0;
    }
    FUZZ_VERIFICA(LeggiGiornale(ScriviGiornale(g)) == g);

    const std::string &dir = fuzz::CartellaFuzz();
    for (const char *avanzo :
         {"ggmeanno1.cxz.nuovo", "Superena.cxz.nuovo", "ggmeanno1.cxz.vecchio", "Superena.cxz.vecchio"})
        std::filesystem::remove(dir + avanzo);
    std::string cinque(40, '\0');
    for (size_t i = 0; i < 40; i += 8)
        cinque[i] = static_cast<char>(1 + i / 8), cinque[i + 2] = 1, cinque[i + 4] = static_cast<char>(0xD0),
        cinque[i + 5] = 7;
    fuzz::ScriviSemplice(dir + "ggmeanno1.cxz", cinque);
    fuzz::ScriviSemplice(dir + "Superena.cxz", std::string(40, '\x05'));
    fuzz::ScriviSemplice(dir + NomeFileGiornale, fuzz::Testo(dati, dimensione));
    try {
        RipristinaArchivio(dir);
        FUZZ_VERIFICA(!std::filesystem::exists(dir + NomeFileGiornale));
        if (g.operazione != OperazioneGiornale::Importazione) {
            std::map<int, int> conta;
            for (const auto &v : g.voci)
                conta[v.indiceFile] = v.conta;
            for (const auto &[indice, n] : conta)
                FUZZ_VERIFICA(std::filesystem::file_size(dir + TabellaFileArchivio[static_cast<size_t>(indice)]) ==
                              static_cast<std::uintmax_t>(n) * static_cast<std::uintmax_t>(DimensioneRecord(indice)));
        }
    } catch (const Errore &) {
    }
    std::filesystem::remove(dir + NomeFileGiornale);
    return 0;
}
