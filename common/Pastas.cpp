#include "common/Pastas.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
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
    // An installed copy keeps its data in ../share/sulvo beside bin/; an unpacked one keeps it beside
    // the executable. An installed copy never writes into its prefix, not even for root, who could.
    const fs::path instalados = pastaExecutavel.parent_path() / "share" / "sulvo";
    std::error_code erro;
    const bool instalada = fs::is_directory(instalados, erro);
    if (!instalada && PastaGravavel(pastaExecutavel))
        return pastaExecutavel;
    fs::create_directories(pastaUsuario, erro);
    if (erro || !PastaGravavel(pastaUsuario))
        return pastaExecutavel;
    // The first copy found of each file wins.
    SemearPasta(instalados, pastaUsuario);
    SemearPasta(pastaExecutavel, pastaUsuario);
    return pastaUsuario;
}

fs::path PastaDeInstalacao() {
    static const fs::path pasta = EscolherPastaDeInstalacao(PastaDoExecutavel(), PastaDadosUsuario());
    return pasta;
}

} // namespace sulvo
