#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder per test, removed afterwards, and whole-file byte helpers.
class PastaTemporaria {
public:
    PastaTemporaria() {
        std::string modelo = (std::filesystem::temp_directory_path() / "sulvo-project-XXXXXX").string();
        if (char* criada = mkdtemp(modelo.data()))
            caminho_ = criada;
    }
    ~PastaTemporaria() {
        std::error_code ec;
        std::filesystem::permissions(caminho_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ec);
        std::filesystem::remove_all(caminho_, ec);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    std::string operator/(const std::string& nome) const { return (caminho_ / nome).string(); }
    const std::filesystem::path& Caminho() const { return caminho_; }

private:
    std::filesystem::path caminho_;
};

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
