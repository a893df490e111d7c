#pragma once

#include "tests/support/PastaTemporaria.h"

#include <fstream>
#include <iterator>
#include <string>

// Whole-file byte helpers beside the per-test folder.
inline std::string LerBytes(const std::string& caminho) {
    std::ifstream in(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void GravarBytes(const std::string& caminho, const std::string& bytes) {
    std::ofstream out(caminho, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string DadoDeTeste(const std::string& nome) {
    return LerBytes(std::string(SULVO_TEST_DATA) + "/" + nome);
}
