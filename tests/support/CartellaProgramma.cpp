#include "support/CartellaProgramma.h"

#include <filesystem>

namespace sestina::prova {

void PreparaCartellaProgramma(const std::string &dir, const std::vector<archivio::Estrazione> &estrazioni)
{
    namespace fs = std::filesystem;
    const fs::path dati = fs::path(SESTINA_SOURCE_DIR) / "data";
    for (const char *f : {"listaloghi.DAT", "logo_sestina.png", "logo_ricevitoria.png", "GiorniEstrazione1.DAT"})
        fs::copy_file(dati / f, fs::path(dir) / f, fs::copy_options::overwrite_existing);
    ScriviArchivio(dir, estrazioni);
}

} // namespace sestina::prova
