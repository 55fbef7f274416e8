#pragma once

// A scratch program folder for harnesses that read files from disk: in memory
// (/dev/shm) where there is one, so flushing costs nothing.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace sestina::fuzz {

inline const std::string &CartellaFuzz()
{
    // Removed when the fuzzer exits.
    struct Cartella {
        std::string dir;
        Cartella()
        {
            std::string modello =
                (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/sestina-fuzz-XXXXXX");
            if (!::mkdtemp(modello.data()))
                std::abort();
            dir = modello + "/";
        }
        ~Cartella()
        {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    };
    static const Cartella c;
    return c.dir;
}

// Writes a file without the flushing of the program's own writers: speed matters here.
inline void ScriviSemplice(const std::string &percorso, std::string_view byte)
{
    FILE *f = std::fopen(percorso.c_str(), "wb");
    if (!f)
        std::abort();
    if (!byte.empty() && std::fwrite(byte.data(), 1, byte.size(), f) != byte.size())
        std::abort();
    std::fclose(f);
}

} // namespace sestina::fuzz
