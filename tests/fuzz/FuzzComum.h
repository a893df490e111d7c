#pragma once

// What the fuzz targets share: a failed property stops the run with the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace sulvo::fuzz {

[[noreturn]] inline void Falhar(const char* propriedade) {
    std::fprintf(stderr, "property broken: %s\n", propriedade);
    std::abort();
}

inline void Exigir(bool condicao, const char* propriedade) {
    if (!condicao)
        Falhar(propriedade);
}

// A scratch file of this process, on a memory file system where there is one (syncs cost nothing there).
inline std::string ArquivoDeTrabalho(const char* nome) {
    static const std::string pasta = [] {
        if (const char* escolhida = std::getenv("SULVO_FUZZ_TMP"))
            return std::string(escolhida);
        return std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    }();
    return pasta + "/sulvo-fuzz-" + std::to_string(::getpid()) + "-" + nome;
}

} // namespace sulvo::fuzz
