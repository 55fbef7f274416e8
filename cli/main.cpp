#include "app/Errore.h"
#include "app/SceltaCartella.h"
#include "cli/Cli.h"
#include "export/render/ApplicazioneGrafica.h"

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <iostream>
#include <new>
#include <unistd.h>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "C");
    // The program folder is the folder of the executable, as for the desktop program.
    std::string dir;
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    dir = ec ? std::filesystem::current_path().string() : exe.parent_path().string();
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        // Installed, it works on the user's data folder (seeded on first start), unless --dir names one.
        const bool dirData =
            std::any_of(args.begin(), args.end(), [](const std::string &a) { return a.rfind("--dir", 0) == 0; });
        if (!dirData)
            dir = sestina::ScegliDirectoryProgramma(dir).dir;
        int rc = sestina::cli::EseguiCli(args, std::cout, std::cerr, dir);
        // Printing commands made a GUI application object; it must go before Qt's statics do.
        sestina::resa::ChiudiApplicazioneGrafica();
        std::cout.flush();
        return rc;
    } catch (const sestina::Errore &e) {
        // The program folder could not be prepared: its own clear reason.
        std::cerr << e.what() << "\n";
    } catch (const std::bad_alloc &) {
        std::cerr << sestina::cli::MessaggioMemoriaEsaurita << "\n";
    } catch (const std::exception &e) {
        std::cerr << sestina::cli::MessaggioErroreImprevisto << e.what() << "\n";
    }
    return 1;
}
