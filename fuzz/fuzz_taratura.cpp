// The printer calibration "Taraturase.DAT": values that read are written and read
// again the same, and they turn into printer boxes on common printers.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "app/TExStringList.h"
#include "app/Testo.h"
#include "slips/StampaSchedine.h"

using namespace sestina;
using namespace sestina::schedine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    TExStringList righe;
    righe.SetText(DaCp1252AUtf8(fuzz::Testo(dati, dimensione)));
    ValoriTaratura v;
    try {
        v = LeggiTaratura(righe);
    } catch (const Errore &) {
        return 0;
    }
    TExStringList riletto;
    riletto.SetText(DaCp1252AUtf8(DaUtf8ACp1252(ScriviTaratura(v).Text())));
    FUZZ_VERIFICA(LeggiTaratura(riletto) == v);

    for (const auto &[x, y, finestra] :
         {std::array{300, 300, 96}, std::array{1200, 1200, 96}, std::array{600, 1200, 72}}) {
        const GeometriaStampa g = assegnadati(v, x, y, finestra);
        FUZZ_VERIFICA(CaselleProva(g).size() == 180);
    }
    (void)PosizioneMarcatori(ValoriTaratura{}, v);
    return 0;
}
