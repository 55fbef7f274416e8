// The settings files ("Utente.DAT", "ImportiVincite.DAT", "Datipvt.DAT") read
// from the same bytes; each one written and read again gives the same values.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "app/Impostazioni.h"
#include "app/TExStringList.h"
#include "app/Testo.h"

using namespace sestina;

namespace {

TExStringList Ricarica(const TExStringList &l)
{
    TExStringList r;
    r.SetText(DaCp1252AUtf8(DaUtf8ACp1252(l.Text())));
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    TExStringList righe;
    righe.SetText(DaCp1252AUtf8(fuzz::Testo(dati, dimensione)));
    try {
        DatiUtente u = LeggiDatiUtente(righe);
        DatiUtente v = LeggiDatiUtente(Ricarica(ScriviDatiUtente(u)));
        FUZZ_VERIFICA(v.campi == u.campi && v.indiceImmagine == u.indiceImmagine);
    } catch (const Errore &) {
    }
    try {
        ImportiVincite i = LeggiImportiVincite(righe);
        ImportiVincite j = LeggiImportiVincite(Ricarica(ScriviImportiVincite(i)));
        FUZZ_VERIFICA(j.celle == i.celle && j.costoColonna == i.costoColonna &&
                      j.percentualeRitenuta == i.percentualeRitenuta);
        try {
            const Valuta v = LeggiValuta(i.costoColonna);
            FUZZ_VERIFICA(LeggiValuta(FormatoValuta(v)) == v);
        } catch (const Errore &) {
        }
    } catch (const Errore &) {
    }
    try {
        DatiPrivati p = LeggiDatiPrivati(righe);
        DatiPrivati q = LeggiDatiPrivati(Ricarica(ScriviDatiPrivati(p)));
        FUZZ_VERIFICA(q.cartellaPDF == p.cartellaPDF && q.cartellaHTML == p.cartellaHTML &&
                      q.paginaHTML == p.paginaHTML && q.flagEsportazione == p.flagEsportazione);
    } catch (const Errore &) {
    }
    return 0;
}
