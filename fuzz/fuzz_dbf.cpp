// dBASE tables: every field of every record is read as the table viewer and the
// import read it; an importable table exported and imported again gives the same draws.
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "archive/DBaseTable.h"
#include "archive/ScambioDBF.h"

using namespace sestina;
using namespace sestina::archivio;

namespace {

void LeggiOgniCampo(std::string byte)
{
    TDBaseTable t;
    t.ImpostaSolaLettura(true);
    t.ApriByte(std::move(byte));
    FUZZ_VERIFICA(t.RecordPresenti() >= 0);
    int visti = 0;
    for (t.Primo(); !t.FineDati() && visti < 1000; t.Successivo(), ++visti)
        for (const auto &c : t.Campi()) {
            t.ComeTesto(c.nome);
            t.Nullo(c.nome);
            try {
                if (c.tipo == TDBaseTable::Tipo::Data)
                    t.ComeData(c.nome);
                else
                    t.ComeIntero(c.nome);
            } catch (const Errore &) {
            }
        }
    for (t.Ultimo(); !t.InizioDati() && visti < 2000; t.Precedente(), ++visti)
        t.NumeroRecord();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    const std::string byte(fuzz::Testo(dati, dimensione));
    try {
        LeggiOgniCampo(byte);
    } catch (const Errore &) {
    }
    std::vector<Estrazione> estrazioni;
    try {
        estrazioni = LeggiEstrazioniScambio(byte);
    } catch (const Errore &) {
        return 0;
    }
    FUZZ_VERIFICA(!estrazioni.empty());
    std::string esportata;
    try {
        esportata = TabellaScambio(estrazioni, Data{1, 1, 2024});
    } catch (const Errore &) {
        return 0; // a contest number of five digits has no room in the exchange table
    }
    FUZZ_VERIFICA(LeggiEstrazioniScambio(esportata) == estrazioni);
    return 0;
}
