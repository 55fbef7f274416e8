// Without libFuzzer: runs a harness once on every file of the folders given.
#include "fuzz/Fuzz.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    std::vector<std::filesystem::path> file;
    for (int i = 1; i < argc; ++i)
        for (const auto &e : std::filesystem::recursive_directory_iterator(argv[i]))
            if (e.is_regular_file())
                file.push_back(e.path());
    std::sort(file.begin(), file.end());
    if (file.empty()) {
        std::cerr << "nessun seme trovato\n";
        return 1;
    }
    for (const auto &p : file) {
        std::ifstream in(p, std::ios::binary);
        std::string dati((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::cout << p.filename().string() << " (" << dati.size() << " byte)\n";
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(dati.data()), dati.size());
    }
    std::cout << file.size() << " semi eseguiti\n";
    return 0;
}
