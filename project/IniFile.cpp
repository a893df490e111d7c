#include "project/IniFile.h"

#include "common/Cp1252.h"
#include "common/NumberFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace sulvo {
namespace {

std::string_view Aparar(std::string_view t) {
    constexpr std::string_view kBrancos = " \t\r";
    auto inicio = t.find_first_not_of(kBrancos);
    if (inicio == std::string_view::npos)
        return {};
    auto fim = t.find_last_not_of(kBrancos);
    return t.substr(inicio, fim - inicio + 1);
}

char Minuscula(char c) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
        return (b >= 'A' && b <= 'Z') ? static_cast<char>(b + ('a' - 'A')) : c;
    return MinusculaCp1252(c);
}

// Decimal with an optional sign, or hexadecimal after "0x"/"0X"; the 32-bit range of the
// readers the files were written for (hexadecimal wraps, as 0xFFFFFFFF reads as -1).
std::optional<int> LerInteiro(std::string_view t) {
    bool negativo = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negativo = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty())
        return std::nullopt;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        t.remove_prefix(2);
        std::uint64_t v = 0;
        for (char c : t) {
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return std::nullopt;
            v = v * 16 + static_cast<std::uint64_t>(d);
            if (v > 0xFFFFFFFFu)
                return std::nullopt;
        }
        auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return negativo ? static_cast<int>(-static_cast<std::int64_t>(bits)) : bits;
    }
    std::int64_t v = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL)
            return std::nullopt;
    }
    if (negativo)
        v = -v;
    if (v > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(v);
}

// Replaces `caminho` with `dados` so that a reader sees either the old file or the new one,
// never a mixture: the content goes to a temporary file in the same folder, is flushed to the
// disk and renamed over the old file. A read-only file, a missing folder or a full disk make
// it return false with the old file untouched.
bool GravarAtomicamente(const std::string& caminho, const std::string& dados) {
    std::string alvo = caminho;
    struct stat st {};
    // A link to a project stays a link: the file it points at is the one replaced.
    if (::lstat(alvo.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* real = ::realpath(alvo.c_str(), nullptr);
        if (!real)
            return false;
        alvo = real;
        std::free(real);
    }
    bool existe = ::stat(alvo.c_str(), &st) == 0;
    if (existe && (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(alvo.c_str(), W_OK) != 0))
        return false;

    auto barra = alvo.rfind('/');
    std::string pasta = barra == std::string::npos ? "." : (barra == 0 ? "/" : alvo.substr(0, barra));
    std::string prefixo = barra == std::string::npos ? "" : alvo.substr(0, barra + 1);
    std::string nome = alvo.substr(barra == std::string::npos ? 0 : barra + 1).substr(0, 200);

    std::string temporario;
    int fd = -1;
    for (int tentativa = 0; tentativa < 100 && fd < 0; ++tentativa) {
        temporario = prefixo + "." + nome + "." + std::to_string(::getpid()) + "." + std::to_string(tentativa) + ".tmp";
        fd = ::open(temporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    auto desistir = [&]() {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporario.c_str());
        return false;
    };
    std::size_t escrito = 0;
    while (escrito < dados.size()) {
        ssize_t n = ::write(fd, dados.data() + escrito, dados.size() - escrito);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return desistir();
        }
        escrito += static_cast<std::size_t>(n);
    }
    if (existe)
        (void)::fchmod(fd, st.st_mode & 07777);
    if (::fdatasync(fd) != 0)
        return desistir();
    int fechou = ::close(fd);
    fd = -1;
    if (fechou != 0 || ::rename(temporario.c_str(), alvo.c_str()) != 0)
        return desistir();
    // The rename itself must reach the disk too.
    int fdPasta = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdPasta >= 0) {
        (void)::fsync(fdPasta);
        ::close(fdPasta);
    }
    return true;
}

} // namespace

int TCustomIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int Default) {
    return LerInteiro(ReadString(Section, Ident, "")).value_or(Default);
}

void TCustomIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value) {
    WriteString(Section, Ident, std::to_string(Value));
}

double TCustomIniFile::ReadFloat(std::string_view Section, std::string_view Ident, double Default) {
    return LerReal(ReadString(Section, Ident, "")).value_or(Default);
}

void TCustomIniFile::WriteFloat(std::string_view Section, std::string_view Ident, double Value) {
    WriteString(Section, Ident, FormatarGeral(Value, separador_));
}

TIniFile::TIniFile(std::string FileName, char separadorDecimal) : TCustomIniFile(std::move(FileName)) {
    SetDecimalSeparator(separadorDecimal);
}

TIniFile::~TIniFile() = default;

std::size_t TIniFile::HashSemCaixa::operator()(std::string_view nome) const noexcept {
    std::uint64_t h = 14695981039346656037ULL; // FNV-1a
    for (char c : nome) {
        h ^= static_cast<unsigned char>(Minuscula(c));
        h *= 1099511628211ULL;
    }
    return static_cast<std::size_t>(h);
}

bool TIniFile::IgualSemCaixa::operator()(std::string_view a, std::string_view b) const noexcept {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && Minuscula(a[i]) != Minuscula(b[i]))
            return false;
    return true;
}

std::string_view TIniFile::Guardar(std::string texto) {
    return novos_.emplace_back(std::move(texto));
}

void TIniFile::Carregar() {
    if (carregado_)
        return;
    carregado_ = true;
    struct stat st {};
    if (::stat(FileName().c_str(), &st) != 0) {
        // A missing file reads as empty; any other failure must also keep a later write off it.
        falhaLeitura_ = errno != ENOENT && errno != ENOTDIR;
        secoes_.emplace_back();
        return;
    }
    std::FILE* f = S_ISDIR(st.st_mode) ? nullptr : std::fopen(FileName().c_str(), "rb");
    if (!f) {
        falhaLeitura_ = true;
        secoes_.emplace_back();
        return;
    }
    arquivo_.reserve(static_cast<std::size_t>(st.st_size) + 1);
    char buf[65536];
    std::size_t lidos;
    while ((lidos = std::fread(buf, 1, sizeof buf, f)) > 0)
        arquivo_.append(buf, lidos);
    falhaLeitura_ = std::ferror(f) != 0;
    std::fclose(f);
    Interpretar();
}

void TIniFile::Interpretar() {
    std::string_view bytes = arquivo_;
    secoes_.emplace_back();
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        Linha linha;
        auto nl = bytes.find('\n', pos);
        if (nl == std::string_view::npos) {
            linha.texto = bytes.substr(pos);
            linha.fim = Fim::Nenhum;
            pos = bytes.size();
        } else {
            bool cr = nl > pos && bytes[nl - 1] == '\r';
            linha.texto = bytes.substr(pos, nl - pos - (cr ? 1 : 0));
            linha.fim = cr ? Fim::CrLf : Fim::Lf;
            pos = nl + 1;
        }
        auto t = Aparar(linha.texto);
        if (!t.empty() && t[0] == '[') {
            auto fecha = t.find(']');
            auto nome = Aparar(t.substr(1, fecha == std::string_view::npos ? std::string_view::npos : fecha - 1));
            secoes_.emplace_back();
            indice_.try_emplace(nome, secoes_.size() - 1);
            secoes_.back().linhas.push_back(linha);
            continue;
        }
        Secao& secao = secoes_.back();
        if (secoes_.size() > 1 && !t.empty() && t[0] != ';') {
            auto igual = t.find('=');
            if (igual != std::string_view::npos) {
                auto chave = Aparar(t.substr(0, igual));
                if (!chave.empty())
                    secao.chaves.try_emplace(chave, secao.linhas.size());
            }
        }
        secao.linhas.push_back(linha);
    }
}

TIniFile::Secao* TIniFile::Procurar(std::string_view Section) {
    Carregar();
    // A whole save or open asks for the same section many times in a row.
    if (ultimaSecao_ && Section == ultimaSecao_->first)
        return &secoes_[ultimaSecao_->second];
    std::string nome = Utf8ParaCp1252(Section);
    auto it = indice_.find(Aparar(nome));
    if (it == indice_.end())
        return nullptr;
    ultimaSecao_.emplace(std::string(Section), it->second);
    return &secoes_[it->second];
}

const TIniFile::Linha* TIniFile::ProcurarChave(std::string_view Section, std::string_view Ident) {
    Secao* secao = Procurar(Section);
    if (!secao)
        return nullptr;
    std::string chave = Utf8ParaCp1252(Ident);
    auto it = secao->chaves.find(Aparar(chave));
    return it == secao->chaves.end() ? nullptr : &secao->linhas[it->second];
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) {
    const Linha* linha = ProcurarChave(Section, Ident);
    if (!linha)
        return std::string(Default);
    auto t = Aparar(linha->texto);
    auto valor = Aparar(t.substr(t.find('=') + 1));
    if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') && valor.back() == valor.front())
        valor = valor.substr(1, valor.size() - 2);
    return Cp1252ParaUtf8(valor.substr(0, kMaxValor));
}

void TIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) {
    std::string chaveCp = Utf8ParaCp1252(Ident);
    std::string valorCp = Utf8ParaCp1252(Value);
    // A line break inside a value would start a new key of the caller's choosing.
    for (char& c : valorCp)
        if (c == '\r' || c == '\n')
            c = ' ';

    Secao* secao = Procurar(Section);
    if (!secao) {
        for (auto it = secoes_.rbegin(); it != secoes_.rend(); ++it)
            if (!it->linhas.empty()) {
                if (it->linhas.back().fim == Fim::Nenhum)
                    it->linhas.back().fim = Fim::CrLf;
                break;
            }
        std::string secaoCp = Utf8ParaCp1252(Section);
        std::string_view cabecalho = Guardar("[" + secaoCp + "]");
        secoes_.emplace_back();
        secoes_.back().linhas.push_back({cabecalho, Fim::CrLf});
        indice_.try_emplace(Aparar(cabecalho.substr(1, secaoCp.size())), secoes_.size() - 1);
        secao = &secoes_.back();
    }

    auto it = secao->chaves.find(Aparar(chaveCp));
    if (it != secao->chaves.end()) {
        Linha& linha = secao->linhas[it->second];
        auto t = Aparar(linha.texto);
        linha.texto = Guardar(std::string(Aparar(t.substr(0, t.find('=')))) + "=" + valorCp);
    } else {
        // After the last line of the section that is not blank, so blank separators stay last.
        std::size_t pos = secao->linhas.size();
        while (pos > 1 && Aparar(secao->linhas[pos - 1].texto).empty())
            --pos;
        if (secao->linhas[pos - 1].fim == Fim::Nenhum)
            secao->linhas[pos - 1].fim = Fim::CrLf;
        std::string_view texto = Guardar(chaveCp + "=" + valorCp);
        secao->linhas.insert(secao->linhas.begin() + static_cast<std::ptrdiff_t>(pos), Linha{texto, Fim::CrLf});
        secao->chaves.emplace(Aparar(texto.substr(0, chaveCp.size())), pos);
    }
    alterado_ = true;
}

bool TIniFile::SectionExists(std::string_view Section) {
    return Procurar(Section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view Section, std::string_view Ident) {
    return ProcurarChave(Section, Ident) != nullptr;
}

std::string TIniFile::Conteudo() {
    Carregar();
    std::size_t total = 0;
    for (const auto& secao : secoes_)
        for (const auto& linha : secao.linhas)
            total += linha.texto.size() + 2;
    std::string dados;
    dados.reserve(total);
    for (const auto& secao : secoes_)
        for (const auto& linha : secao.linhas) {
            dados += linha.texto;
            if (linha.fim == Fim::CrLf)
                dados += "\r\n";
            else if (linha.fim == Fim::Lf)
                dados += '\n';
        }
    return dados;
}

void TIniFile::UpdateFile() {
    if (!alterado_)
        return;
    if (falhaLeitura_ || !GravarAtomicamente(FileName(), Conteudo()))
        throw EIniFileException("Unable to write to " + FileName());
    alterado_ = false;
}

} // namespace sulvo
