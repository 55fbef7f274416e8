// The development file "sviluppo": read, written and read again gives the same
// columns, whether written from the engine's lists or from the slip list.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "systems/FileSviluppo.h"

using namespace sestina;
using namespace sestina::sistemi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    std::vector<Colonna> colonne;
    try {
        colonne = DecodificaSviluppo(fuzz::Testo(dati, dimensione), NomeFileSviluppo);
    } catch (const Errore &) {
        return 0;
    }
    for (const Colonna &c : colonne) {
        FUZZ_VERIFICA(c.size() <= LunghezzaMassimaRigaSviluppo);
        for (unsigned char n : c)
            FUZZ_VERIFICA(n >= 1 && n <= 90);
    }
    const std::string scritto = CodificaSviluppo(colonne);
    FUZZ_VERIFICA(CodificaSviluppo(ListaDaColonne(colonne)) == scritto);
    FUZZ_VERIFICA(DecodificaSviluppo(scritto, NomeFileSviluppo) == colonne);
    FUZZ_VERIFICA(ColonneDaLista(ListaDaColonne(colonne)) == colonne);
    return 0;
}
