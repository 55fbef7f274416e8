// Condition files (".cnd"): conditions that read are written and read again the
// same, and the development keeps exactly the columns that meet them.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "app/TExStringList.h"
#include "app/Testo.h"
#include "systems/Condizioni.h"

#include <algorithm>
#include <bit>

using namespace sestina;
using namespace sestina::sistemi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    TExStringList righe;
    righe.SetText(DaCp1252AUtf8(fuzz::Testo(dati, dimensione)));
    Condizioni c;
    try {
        c = CondizioniDaRighe(righe, "prova.cnd");
    } catch (const Errore &) {
        return 0;
    }
    ControllaCondizioni(c);
    TExStringList riletto;
    riletto.SetText(DaCp1252AUtf8(DaUtf8ACp1252(RigheCondizioni(c).Text())));
    FUZZ_VERIFICA(CondizioniDaRighe(riletto, "prova.cnd") == c);

    // The pruned count of the development against the plain test of every column:
    // ten numbers in play (the bases first), columns of six holding every base.
    const int k = 6;
    if (c.basi.size() >= static_cast<size_t>(k)) {
        try {
            (void)ContaColonneCondizionate(c.basi, k, c);
            FUZZ_VERIFICA(false);
        } catch (const Errore &) {
        }
        return 0;
    }
    std::vector<int> inGioco = c.basi;
    for (int n : {5, 17, 23, 42, 61, 88, 1, 2, 45, 46, 89, 90})
        if (inGioco.size() < 10 && std::find(inGioco.begin(), inGioco.end(), n) == inGioco.end())
            inGioco.push_back(n);
    std::uint64_t attese = 0;
    const int n = static_cast<int>(inGioco.size());
    for (unsigned maschera = 0; maschera < (1u << n); ++maschera) {
        if (std::popcount(maschera) != k)
            continue;
        std::vector<int> colonna;
        bool basi = true;
        for (int i = 0; i < n; ++i) {
            const bool dentro = maschera >> i & 1u;
            if (dentro)
                colonna.push_back(inGioco[static_cast<size_t>(i)]);
            basi = basi && (dentro || i >= static_cast<int>(c.basi.size()));
        }
        if (basi && RispettaCondizioni(c, colonna))
            ++attese;
    }
    FUZZ_VERIFICA(ContaColonneCondizionate(inGioco, k, c) == attese);
    return 0;
}
