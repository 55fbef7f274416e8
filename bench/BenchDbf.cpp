// Export and import of the whole bundled archive through "Enalotto.dbf".
#include "archive/ScambioDBF.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A scratch program folder holding a copy of the bundled archive.
struct CartellaBench {
    fs::path dir;
    CartellaBench()
    {
        std::string modello = (fs::temp_directory_path() / "sestina-bench-dbf-XXXXXX").string();
        dir = ::mkdtemp(modello.data());
        for (const char *f : {"Superena.cxz", "ggmeanno1.cxz"})
            fs::copy_file(fs::path(SESTINA_PROGRAM_DIR) / f, dir / f);
    }
    ~CartellaBench()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

} // namespace

static void BM_EsportaDBF(benchmark::State &state)
{
    CartellaBench c;
    sestina::archivio::Archivio a(c.dir.string());
    const std::string file = sestina::archivio::PercorsoEsportazione(c.dir.string());
    for (auto _ : state)
        sestina::archivio::EsportaDBF(a, file, true);
    state.counters["estrazioni"] = a.LeggiUltimaEstrazione() + 1;
}
BENCHMARK(BM_EsportaDBF)->Unit(benchmark::kMillisecond);

static void BM_ImportaDBF(benchmark::State &state)
{
    CartellaBench c;
    sestina::archivio::Archivio a(c.dir.string());
    const std::string file = sestina::archivio::PercorsoEsportazione(c.dir.string());
    sestina::archivio::EsportaDBF(a, file, true);
    int n = 0;
    for (auto _ : state)
        n = sestina::archivio::ImportaDBF(a, file);
    state.counters["estrazioni"] = n;
}
BENCHMARK(BM_ImportaDBF)->Unit(benchmark::kMillisecond);
