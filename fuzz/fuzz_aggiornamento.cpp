// The archive update: a downloaded (or chosen) CSV file merged into a small
// archive. The merge either refuses with a message and leaves the archive as it
// was, or appends to it exactly the file's draws that come after it.
#include "fuzz/CartellaFuzz.h"
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "archive/Aggiornamento.h"
#include "archive/Archivio.h"
#include "archive/ArchivioCSV.h"
#include "archive/GiornaleArchivio.h"

#include <filesystem>

using namespace sestina;
using namespace sestina::archivio;

namespace {

// The first three draws of the seeds' CSV files.
const std::vector<Estrazione> &ArchivioIniziale()
{
    static const std::vector<Estrazione> a{
        {{3, 12, 1997, 87}, {{20, 36, 39, 41, 72, 76}, 88, 0}},
        {{6, 12, 1997, 88}, {{2, 4, 25, 29, 30, 52}, 24, 0}},
        {{10, 12, 1997, 89}, {{1, 2, 14, 23, 78, 88}, 40, 0}},
    };
    return a;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    const std::string_view byte = fuzz::Testo(dati, dimensione);
    const auto &iniziale = ArchivioIniziale();

    std::vector<Estrazione> nuove;
    bool rifiutato = false;
    try {
        nuove = EstrazioniNuove(iniziale, LeggiArchivioCSVByte(byte));
    } catch (const Errore &) {
        rifiutato = true;
    }
    std::vector<Estrazione> attese = iniziale;
    attese.insert(attese.end(), nuove.begin(), nuove.end());
    for (size_t i = iniziale.size(); i < attese.size(); ++i) {
        FUZZ_VERIFICA(attese[i - 1].data.data() < attese[i].data.data());
        FUZZ_VERIFICA(attese[i].numeri.jolly >= 1 && attese[i].numeri.jolly <= 90);
    }

    const std::string &dir = fuzz::CartellaFuzz();
    for (const char *avanzo : {"ggmeanno1.cxz.nuovo", "Superena.cxz.nuovo", "ggmeanno1.cxz.vecchio",
                               "Superena.cxz.vecchio", NomeFileGiornale})
        std::filesystem::remove(dir + avanzo);
    Archivio a(dir);
    a.Sostituisci(iniziale);
    try {
        const EsitoAggiornamento esito = AggiornaArchivioDaCSV(a, byte);
        FUZZ_VERIFICA(!rifiutato);
        FUZZ_VERIFICA(esito.aggiunte == static_cast<int>(nuove.size()));
        FUZZ_VERIFICA(esito.ultima == attese.back().data);
        (void)MessaggioEsito(esito);
    } catch (const Errore &) {
        FUZZ_VERIFICA(rifiutato);
    }
    FUZZ_VERIFICA(a.LeggiTutte() == (rifiutato ? iniziale : attese));
    return 0;
}
