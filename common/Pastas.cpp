#include "common/Pastas.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace sulvo {
namespace {

// Kinds of file the program reads from or writes to its installation folder.
bool ArquivoDeDados(const fs::path& arquivo) {
    static constexpr std::array<const char*, 9> kExtensoes = {".ini", ".cdb", ".hlp", ".jpg", ".jpeg",
                                                              ".bmp", ".png", ".htm", ".html"};
    std::string ext = arquivo.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return std::find(kExtensoes.begin(), kExtensoes.end(), ext) != kExtensoes.end();
}

} // namespace

fs::path PastaDoExecutavel() {
    std::error_code erro;
    fs::path exe = fs::read_symlink("/proc/self/exe", erro);
    if (erro || exe.empty())
        return fs::current_path(erro);
    return exe.parent_path();
}

fs::path PastaDadosUsuario() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "sulvo";
    const char* home = std::getenv("HOME");
    fs::path base = (home && *home) ? fs::path(home) : fs::temp_directory_path();
    return base / ".local" / "share" / "sulvo";
}

fs::path PastaDocumentos() {
    const char* home = std::getenv("HOME");
    const fs::path casa = (home && *home) ? fs::path(home) : fs::temp_directory_path();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const fs::path pastaConfig =
        (config && *config && fs::path(config).is_absolute()) ? fs::path(config) : casa / ".config";
    std::error_code erro;
    // Lines as xdg-user-dirs writes them: XDG_DOCUMENTS_DIR="$HOME/Documentos".
    if (std::ifstream dirs{pastaConfig / "user-dirs.dirs"}) {
        std::string linha;
        while (std::getline(dirs, linha)) {
            const std::string chave = "XDG_DOCUMENTS_DIR=";
            auto inicio = linha.find_first_not_of(" \t");
            if (inicio == std::string::npos || linha.compare(inicio, chave.size(), chave) != 0)
                continue;
            std::string valor = linha.substr(inicio + chave.size());
            if (valor.size() >= 2 && valor.front() == '"' && valor.back() == '"')
                valor = valor.substr(1, valor.size() - 2);
            if (valor.rfind("$HOME", 0) == 0)
                valor = casa.string() + valor.substr(5);
            fs::path pasta(valor);
            // "$HOME/" alone means the documents folder is disabled: the home folder stands for it.
            if (pasta.is_absolute() && fs::is_directory(pasta, erro))
                return pasta;
        }
    }
    if (fs::is_directory(casa / "Documents", erro))
        return casa / "Documents";
    return casa;
}

bool PastaGravavel(const fs::path& pasta) {
    std::string modelo = (pasta / ".sulvo-XXXXXX").string();
    int fd = ::mkstemp(modelo.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(modelo.c_str());
    return true;
}

void SemearPasta(const fs::path& origem, const fs::path& destino) {
    std::error_code erro;
    for (fs::directory_iterator it(origem, erro), fim; !erro && it != fim; it.increment(erro)) {
        const fs::path& arquivo = it->path();
        if (!it->is_regular_file(erro) || !ArquivoDeDados(arquivo))
            continue;
        fs::path alvo = destino / arquivo.filename();
        std::error_code ignorado;
        if (!fs::exists(alvo, ignorado))
            fs::copy_file(arquivo, alvo, fs::copy_options::skip_existing, ignorado);
    }
}

fs::path EscolherPastaDeInstalacao(const fs::path& pastaExecutavel, const fs::path& pastaUsuario) {
    if (PastaGravavel(pastaExecutavel))
        return pastaExecutavel;
    std::error_code erro;
    fs::create_directories(pastaUsuario, erro);
    if (erro || !PastaGravavel(pastaUsuario))
        return pastaExecutavel;
    // An installed copy keeps its data in ../share/sulvo beside bin/; an unpacked one keeps it beside
    // the executable. The first copy found of each file wins.
    SemearPasta(pastaExecutavel.parent_path() / "share" / "sulvo", pastaUsuario);
    SemearPasta(pastaExecutavel, pastaUsuario);
    return pastaUsuario;
}

fs::path PastaDeInstalacao() {
    static const fs::path pasta = EscolherPastaDeInstalacao(PastaDoExecutavel(), PastaDadosUsuario());
    return pasta;
}

} // namespace sulvo
