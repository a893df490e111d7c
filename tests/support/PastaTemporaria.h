#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// A fresh folder of its own per test, removed with everything in it afterwards (write permission is given back
// first, for the tests that take it away).
class PastaTemporaria {
public:
    PastaTemporaria() {
        std::string modelo = (std::filesystem::temp_directory_path() / "sulvo-teste-XXXXXX").string();
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
    std::string Arquivo(const std::string& nome) const { return *this / nome; }
    const std::filesystem::path& Caminho() const { return caminho_; }

private:
    std::filesystem::path caminho_;
};
