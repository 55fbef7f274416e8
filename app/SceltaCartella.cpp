#include "app/SceltaCartella.h"

#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace sestina {

namespace fs = std::filesystem;

namespace {

std::string ConBarra(std::string d)
{
    if (d.empty() || d.back() != '/')
        d.push_back('/');
    return d;
}

bool HaArchivio(const std::string &dir)
{
    return EsisteFile(dir + TabellaFileArchivio[IndiceFileDate]) &&
           EsisteFile(dir + TabellaFileArchivio[IndiceSuperenalotto]);
}

} // namespace

std::string CartellaDatiUtente()
{
    const char *xdg = std::getenv("XDG_DATA_HOME");
    // The base directory rules ignore a relative value.
    if (xdg && xdg[0] == '/')
        return ConBarra(ConBarra(xdg) + NomeCartellaDati);
    const char *home = std::getenv("HOME");
    if (!home || home[0] != '/')
        throw Errore("Impossibile trovare la cartella dei dati dell'utente: HOME non è impostata");
    return ConBarra(ConBarra(home) + ".local/share/" + NomeCartellaDati);
}

std::vector<std::string> SeminaCartella(const std::string &sorgente, const std::string &destinazione)
{
    const std::string dest = ConBarra(destinazione);
    std::error_code ec;
    fs::create_directories(dest, ec);
    if (ec)
        throw Errore::diFile("impossibile creare la cartella", dest, ec.value());
    std::vector<std::string> nomi;
    for (const auto &voce : fs::directory_iterator(sorgente, ec))
        if (voce.is_regular_file())
            nomi.push_back(voce.path().filename().string());
    if (ec)
        throw Errore::diFile("impossibile leggere la cartella", sorgente, ec.value());
    std::sort(nomi.begin(), nomi.end());

    const std::string &date = TabellaFileArchivio[IndiceFileDate], &numeri = TabellaFileArchivio[IndiceSuperenalotto];
    const std::string src = ConBarra(sorgente);
    std::vector<std::string> copiati;
    auto copia = [&](const std::string &n) {
        ScriviFileAtomico(dest + n, LeggiFile(src + n));
        copiati.push_back(n);
    };
    for (const std::string &n : nomi)
        if (n != date && n != numeri && !EsisteFile(dest + n))
            copia(n);
    // The archive: numbers first, the date file last, so a start cut short in
    // between leaves no date file and the next start completes the pair. A numbers
    // file without a date file is seeded over only when it is our own copy.
    if (EsisteFile(src + date) && EsisteFile(src + numeri) && !EsisteFile(dest + date)) {
        const bool numeriPropri = EsisteFile(dest + numeri) && LeggiFile(dest + numeri) != LeggiFile(src + numeri);
        if (!numeriPropri) {
            if (!EsisteFile(dest + numeri))
                copia(numeri);
            copia(date);
        }
    }
    return copiati;
}

SceltaCartella ScegliDirectoryProgramma(const std::string &dirEseguibile)
{
    SceltaCartella s;
    const std::string exe = ConBarra(dirEseguibile);
    if (HaArchivio(exe) && ::access(exe.c_str(), W_OK) == 0) {
        s.dir = exe;
        return s;
    }
    const std::string installati = ConBarra(exe + DatiInstallati);
    if (!HaArchivio(installati)) {
        s.dir = exe;
        return s;
    }
    s.installato = true;
    s.dir = CartellaDatiUtente();
    s.copiati = SeminaCartella(installati, s.dir);
    return s;
}

} // namespace sestina
