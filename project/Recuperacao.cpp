#include "project/Recuperacao.h"

#include "common/GravacaoAtomica.h"
#include "project/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sulvo {
namespace {

constexpr const char* kSecao = "RECUPERACAO";

// The project's path byte for byte, whatever its characters: the note is a Windows-1252 INI file.
std::string Codificar(const std::string& bytes) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string saida;
    for (unsigned char c : bytes) {
        saida.push_back(kHex[c >> 4]);
        saida.push_back(kHex[c & 15]);
    }
    return saida;
}

std::string Decodificar(const std::string& hex) {
    auto valor = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
    std::string saida;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        saida.push_back(static_cast<char>(valor(hex[i]) * 16 + valor(hex[i + 1])));
    return saida;
}

bool ProcessoVivo(long pid) {
    return ProcessoEmExecucao(pid);
}

} // namespace

TRecuperacao::TRecuperacao(fs::path pasta, long pid) : pasta_(std::move(pasta)), pid_(pid < 0 ? ::getpid() : pid) {}

void TRecuperacao::Gravar(const std::string& pathProjeto, const std::function<void(const std::string&)>& escrever) {
    fs::create_directories(pasta_);
    const std::string base = (pasta_ / std::to_string(pid_)).string();
    // A fresh file each time: the project writer merges into what a file holds.
    const std::string novo = base + ".novo.svo";
    fs::remove(novo);
    escrever(novo);
    fs::rename(novo, base + ".svo");
    TIniFile nota(base + ".ini");
    nota.WriteString(kSecao, "Projeto", Codificar(pathProjeto));
    nota.WriteString(kSecao, "Hora", std::to_string(static_cast<long long>(std::time(nullptr))));
    nota.UpdateFile();
}

void TRecuperacao::Remover() {
    std::error_code ec;
    const std::string base = (pasta_ / std::to_string(pid_)).string();
    fs::remove(base + ".ini", ec);
    fs::remove(base + ".svo", ec);
    fs::remove(base + ".novo.svo", ec);
}

bool TRecuperacao::TemCopia() const {
    std::error_code ec;
    return fs::exists(pasta_ / (std::to_string(pid_) + ".ini"), ec);
}

std::vector<TRecuperacao::Copia> TRecuperacao::Abandonadas() const {
    std::vector<Copia> copias;
    std::error_code ec;
    for (fs::directory_iterator it(pasta_, ec), fim; !ec && it != fim; it.increment(ec)) {
        const fs::path& nota = it->path();
        if (nota.extension() != ".ini")
            continue;
        const std::string nome = nota.stem().string();
        if (nome.empty() || nome.find_first_not_of("0123456789") != std::string::npos || nome.size() > 9)
            continue;
        const long pid = std::stol(nome);
        if (pid == pid_ || ProcessoVivo(pid))
            continue;
        Copia c;
        c.nota = nota.string();
        c.arquivo = (pasta_ / (nome + ".svo")).string();
        if (!fs::is_regular_file(c.arquivo, ec))
            continue;
        TIniFile ini(c.nota);
        c.pathProjeto = Decodificar(ini.ReadString(kSecao, "Projeto", ""));
        c.hora = std::strtoll(ini.ReadString(kSecao, "Hora", "0").c_str(), nullptr, 10);
        copias.push_back(std::move(c));
    }
    std::sort(copias.begin(), copias.end(), [](const Copia& a, const Copia& b) { return a.hora > b.hora; });
    return copias;
}

void TRecuperacao::Descartar(const Copia& copia) {
    std::error_code ec;
    fs::remove(copia.nota, ec);
    fs::remove(copia.arquivo, ec);
}

std::string TRecuperacao::Pergunta(const Copia& copia, const std::string& nomeSemArquivo) {
    const std::string nome =
        copia.pathProjeto.empty() ? nomeSemArquivo : fs::path(copia.pathProjeto).filename().string();
    std::time_t t = static_cast<std::time_t>(copia.hora);
    std::tm local{};
    ::localtime_r(&t, &local);
    char quando[64];
    std::strftime(quando, sizeof quando, "%d/%m/%Y às %H:%M", &local);
    return "O Sulvo não foi encerrado normalmente. Foi encontrada uma cópia de recuperação do projeto \"" + nome +
           "\", gravada em " + quando + ", com alterações que não tinham sido salvas.\nDeseja restaurá-la?";
}

} // namespace sulvo
