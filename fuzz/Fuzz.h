#pragma once

// Shared by the harnesses: libFuzzer's entry point and the check that turns a
// broken round trip into a crash the fuzzer reports with its input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t dimensione);

#define FUZZ_VERIFICA(condizione)                                                                                      \
    do {                                                                                                               \
        if (!(condizione)) {                                                                                           \
            std::fprintf(stderr, "verifica fallita: %s (%s:%d)\n", #condizione, __FILE__, __LINE__);                   \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace sestina::fuzz {

inline std::string_view Testo(const std::uint8_t *dati, std::size_t dimensione)
{
    return {reinterpret_cast<const char *>(dati), dimensione};
}

} // namespace sestina::fuzz
