// The archive files: the first half of the input is the date file, the second
// "Superena.cxz". Every reader of the archive runs on them; records decode and
// encode back to the same bytes.
#include "fuzz/CartellaFuzz.h"
#include "fuzz/Fuzz.h"

#include "app/Errore.h"
#include "archive/Archivio.h"
#include "archive/Navigazione.h"
#include "archive/TabellaEstrazioni.h"

#include <cstring>

using namespace sestina;
using namespace sestina::archivio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione)
{
    const std::string &dir = fuzz::CartellaFuzz();
    const std::string_view byte = fuzz::Testo(dati, dimensione);
    const std::string_view date = byte.substr(0, dimensione / 2), numeri = byte.substr(dimensione / 2);
    fuzz::ScriviSemplice(dir + "ggmeanno1.cxz", date);
    fuzz::ScriviSemplice(dir + "Superena.cxz", numeri);

    for (size_t i = 0; i + 8 <= date.size(); i += 8) {
        auto p = reinterpret_cast<const std::uint8_t *>(date.data() + i);
        FUZZ_VERIFICA(std::memcmp(RecordData::Decodifica(p).Codifica().data(), p, 8) == 0);
    }
    for (size_t i = 0; i + 8 <= numeri.size(); i += 8) {
        auto p = reinterpret_cast<const std::uint8_t *>(numeri.data() + i);
        FUZZ_VERIFICA(std::memcmp(RecordSuperenalotto::Decodifica(p).Codifica().data(), p, 8) == 0);
    }

    Archivio a(dir);
    try {
        FUZZ_VERIFICA(!a.Ripristina());
        const int ultima = a.LeggiUltimaEstrazione();
        FUZZ_VERIFICA(ultima == static_cast<int>(date.size() / 8) - 1);
        DateDecrescenti(a);
        for (int cursore : {ultima, 0, ultima / 2}) {
            int c = cursore;
            MostraEstrazioni(a, ultima, c);
            ElencoEstrazioni(a, ultima, cursore, 12);
            for (auto m : {MossaData::Primo, MossaData::AnnoPr, MossaData::Prec, MossaData::Succ, MossaData::AnnoSuc,
                           MossaData::Ultimo}) {
                const int r = MuoviRecord(a, ultima, cursore, m);
                FUZZ_VERIFICA(ultima < 0 || (r >= 0 && r <= ultima));
            }
            EstrazioneDelMese(a, ultima, cursore, 2);
        }
        const auto tutte = a.LeggiTutte();
        FUZZ_VERIFICA(static_cast<int>(tutte.size()) == ultima + 1);
    } catch (const Errore &) {
        // Refused with a message: what a damaged archive should get.
    }
    return 0;
}
