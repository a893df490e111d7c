#include "common/GravacaoAtomica.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace sulvo {
namespace {

struct Partes {
    std::string pasta;   // the folder, for opening and syncing it
    std::string prefixo; // the folder with its separator, or empty for the current one
    std::string nome;    // the file name, cut so the temporary name stays within NAME_MAX
};

Partes Dividir(const std::string& caminho) {
    auto barra = caminho.rfind('/');
    Partes p;
    p.pasta = barra == std::string::npos ? "." : (barra == 0 ? "/" : caminho.substr(0, barra));
    p.prefixo = barra == std::string::npos ? "" : caminho.substr(0, barra + 1);
    p.nome = caminho.substr(barra == std::string::npos ? 0 : barra + 1).substr(0, 200);
    return p;
}

// The PID of a name ".<nome>.<pid>.<n>.tmp", or 0 when the name is not one of those.
long PidDoTemporario(std::string_view entrada, std::string_view nome) {
    std::string_view fim = ".tmp";
    if (entrada.size() < nome.size() + 2 + fim.size() || entrada[0] != '.' || entrada.substr(1, nome.size()) != nome ||
        entrada[1 + nome.size()] != '.' || entrada.substr(entrada.size() - fim.size()) != fim)
        return 0;
    std::string_view meio = entrada.substr(nome.size() + 2, entrada.size() - nome.size() - 2 - fim.size());
    auto ponto = meio.find('.');
    if (ponto == std::string_view::npos || ponto == 0 || ponto + 1 == meio.size() || ponto > 9)
        return 0;
    long pid = 0;
    for (std::size_t i = 0; i < meio.size(); ++i) {
        char c = meio[i];
        if (i == ponto)
            continue;
        if (c < '0' || c > '9')
            return 0;
        if (i < ponto)
            pid = pid * 10 + (c - '0');
    }
    return pid;
}

std::string Resolver(const std::string& caminho, int& erro) {
    struct stat st {};
    erro = 0;
    if (::lstat(caminho.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* real = ::realpath(caminho.c_str(), nullptr);
        if (!real) {
            // A dangling link: the file it names is created.
            char destino[4096];
            ssize_t n = ::readlink(caminho.c_str(), destino, sizeof destino - 1);
            if (n <= 0) {
                erro = errno ? errno : ENOENT;
                return caminho;
            }
            std::string alvo(destino, static_cast<std::size_t>(n));
            if (alvo[0] != '/')
                alvo = Dividir(caminho).prefixo + alvo;
            return alvo;
        }
        std::string alvo = real;
        std::free(real);
        return alvo;
    }
    return caminho;
}

} // namespace

bool ProcessoEmExecucao(long pid) {
    if (pid <= 0 || pid > static_cast<long>(INT32_MAX))
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    // The state follows the name in parentheses, which may itself hold blanks and parentheses.
    std::FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
    if (!f)
        return true;
    char linha[512];
    std::size_t n = std::fread(linha, 1, sizeof linha - 1, f);
    std::fclose(f);
    std::string_view texto(linha, n);
    auto fecha = texto.rfind(')');
    return fecha == std::string_view::npos || fecha + 2 >= texto.size() || texto[fecha + 2] != 'Z';
}

int RemoverTemporariosAbandonados(const std::string& caminho) {
    Partes p = Dividir(caminho);
    DIR* dir = ::opendir(p.pasta.c_str());
    if (!dir)
        return 0;
    int removidos = 0;
    const long meu = static_cast<long>(::getpid());
    while (const dirent* e = ::readdir(dir)) {
        long pid = PidDoTemporario(e->d_name, p.nome);
        if (pid <= 0 || pid == meu)
            continue;
        // A process that still runs may be in the middle of its own save.
        if (ProcessoEmExecucao(pid))
            continue;
        if (::unlink((p.prefixo + e->d_name).c_str()) == 0)
            ++removidos;
    }
    ::closedir(dir);
    return removidos;
}

int EscreverTudo(int fd, std::string_view dados) {
    std::size_t escrito = 0;
    while (escrito < dados.size()) {
        ssize_t n = ::write(fd, dados.data() + escrito, dados.size() - escrito);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        escrito += static_cast<std::size_t>(n);
    }
    return 0;
}

int GravarArquivoAtomicamente(const std::string& caminho, std::string_view dados) {
    return GravarArquivoAtomicamente(caminho, [dados](int fd) { return EscreverTudo(fd, dados); });
}

int GravarArquivoAtomicamente(const std::string& caminho, const std::function<int(int fd)>& escrever) {
    int erro = 0;
    std::string alvo = Resolver(caminho, erro);
    if (erro)
        return erro;
    struct stat st {};
    bool existe = ::stat(alvo.c_str(), &st) == 0;
    if (existe && !S_ISREG(st.st_mode))
        return EINVAL;
    // A file the user made read-only stays as it is, as it would if it were rewritten in place.
    if (existe && ((st.st_mode & 0222) == 0 || ::access(alvo.c_str(), W_OK) != 0))
        return EACCES;

    RemoverTemporariosAbandonados(alvo);
    Partes p = Dividir(alvo);
    std::string temporario;
    int fd = -1;
    for (int tentativa = 0; tentativa < 1000 && fd < 0; ++tentativa) {
        temporario =
            p.prefixo + "." + p.nome + "." + std::to_string(::getpid()) + "." + std::to_string(tentativa) + ".tmp";
        // O_EXCL with O_NOFOLLOW: a name planted there, link or not, is never written through.
        fd = ::open(temporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;

    auto desistir = [&](int causa) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporario.c_str());
        return causa;
    };
    if (int falha = escrever(fd))
        return desistir(falha);
    if (existe)
        (void)::fchmod(fd, st.st_mode & 07777);
    if (::fdatasync(fd) != 0)
        return desistir(errno);
    int fechou = ::close(fd);
    fd = -1;
    if (fechou != 0)
        return desistir(errno);
    if (::rename(temporario.c_str(), alvo.c_str()) != 0)
        return desistir(errno);
    // The rename itself must reach the disk too.
    int fdPasta = ::open(p.pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdPasta >= 0) {
        (void)::fsync(fdPasta);
        ::close(fdPasta);
    }
    return 0;
}

std::uint64_t HashConteudo(std::string_view dados) {
    std::uint64_t h = 14695981039346656037ULL;
    for (char c : dados) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

ImpressaoArquivo ImpressaoDe(const std::string& caminho) {
    ImpressaoArquivo impressao;
    struct stat st {};
    if (::stat(caminho.c_str(), &st) != 0)
        return impressao;
    // Projects far beyond what the readers take are not hashed: their size and time still tell.
    auto dados = LerArquivoRegular(caminho, std::uint64_t{1} << 31);
    if (!dados && S_ISREG(st.st_mode))
        return impressao;
    impressao.existe = true;
    impressao.tamanho = static_cast<std::uint64_t>(st.st_size);
    impressao.modificadoNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    impressao.hash = dados ? HashConteudo(*dados) : 0;
    return impressao;
}

std::optional<std::string> LerArquivoRegular(const std::string& caminho, std::uint64_t limite, int* erro) {
    auto falhar = [&](int causa) -> std::optional<std::string> {
        if (erro)
            *erro = causa;
        return std::nullopt;
    };
    int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return falhar(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int causa = errno;
        ::close(fd);
        return falhar(causa);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return falhar(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    if (static_cast<std::uint64_t>(st.st_size) > limite) {
        ::close(fd);
        return falhar(EFBIG);
    }
    std::string dados;
    dados.resize(static_cast<std::size_t>(st.st_size));
    std::size_t lido = 0;
    for (;;) {
        if (lido == dados.size()) {
            // The file may have grown since fstat; what is beyond the limit is refused.
            if (dados.size() >= limite && dados.size() > 0) {
                char extra;
                ssize_t n = ::read(fd, &extra, 1);
                if (n > 0) {
                    ::close(fd);
                    return falhar(EFBIG);
                }
                break;
            }
            dados.resize(std::min<std::uint64_t>(limite, dados.size() + 65536));
        }
        ssize_t n = ::read(fd, dados.data() + lido, dados.size() - lido);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int causa = errno;
            ::close(fd);
            return falhar(causa);
        }
        if (n == 0)
            break;
        lido += static_cast<std::size_t>(n);
    }
    ::close(fd);
    dados.resize(lido);
    return dados;
}

} // namespace sulvo
