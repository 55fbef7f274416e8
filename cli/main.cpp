#include "cli/Cli.h"

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
        int rc = sestina::cli::EseguiCli(args, std::cout, std::cerr, dir);
        std::cout.flush();
        return rc;
    } catch (const std::bad_alloc &) {
        std::cerr << sestina::cli::MessaggioMemoriaEsaurita << "\n";
    } catch (const std::exception &e) {
        std::cerr << sestina::cli::MessaggioErroreImprevisto << e.what() << "\n";
    }
    return 1;
}
